#include "Options.h"
#include "Simulator.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_rotate = 0;
volatile std::sig_atomic_t g_truncate = 0;

extern "C" void onSignal(int number)
{
#ifdef SIGUSR1 // Windows has no user signals; the commands on stdin do the same
    if (number == SIGUSR1)
        g_rotate = 1;
    else if (number == SIGUSR2)
        g_truncate = 1;
    else
#endif
        g_stop = 1;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace morva;
    gwsim::CommandLine commandLine;
    std::string error;
    if (!gwsim::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &commandLine,
                                 &error)) {
        std::cerr << "gwsim: " << error << "\n(gwsim --help lists the options)\n";
        return 2;
    }
    if (commandLine.help) {
        std::cout << gwsim::helpText();
        return 0;
    }

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
#ifdef SIGUSR1
    std::signal(SIGUSR1, onSignal);
    std::signal(SIGUSR2, onSignal);
#endif

    auto fileSystem = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    gwsim::Simulator simulator(*fileSystem, clock, commandLine.simulator,
                               commandLine.quiet ? nullptr : &std::cout);
    if (!simulator.start(&error)) {
        std::cerr << "gwsim: " << error << "\n";
        return 1;
    }

    if (commandLine.commandsFromStdin) {
        // Blocks in getline; left behind when the simulator ends.
        std::thread([&simulator] {
            std::string line;
            while (std::getline(std::cin, line)) {
                if (line.find_first_not_of(" \t\r") == std::string::npos)
                    continue;
                gwsim::Request request;
                std::string problem;
                if (gwsim::parseCommand(line, &request, &problem))
                    simulator.post(request);
                else
                    std::cerr << "gwsim: " << problem << "\n";
            }
            simulator.post(gwsim::Request::of(gwsim::Request::Stop));
        }).detach();
    }

    simulator.run([&simulator] {
        if (g_rotate) {
            g_rotate = 0;
            simulator.post(gwsim::Request::of(gwsim::Request::Rotate));
        }
        if (g_truncate) {
            g_truncate = 0;
            simulator.post(gwsim::Request::of(gwsim::Request::Truncate));
        }
        return g_stop == 0;
    });
    return 0;
}

#include "cli/Commands.h"
#include "platform/CommandLine.h"
#include "platform/ProcessInfo.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct CommandEntry {
    const char* name;
    int (*run)(morva::cli::Context&);
    const char* usage;
};

const CommandEntry kCommands[] = {
    {"schema", morva::cli::runSchemaCommand, "schema"},
    {"config", morva::cli::runConfigCommand,
     "config get KEY | set KEY [VALUE...] | save | list [--changed] | check"},
    {"records", morva::cli::runRecordsCommand,
     "records list|add|set|delete alias|block|user ... [--no-wait]"},
    {"log", morva::cli::runLogCommand, "log [--follow]"},
    {"signal", morva::cli::runSignalCommand,
     "signal deliver|stat|queue|sendlog|packwl|restart"},
    {"stats", morva::cli::runStatsCommand, "stats"},
    {"service", morva::cli::runServiceCommand,
     "service status|install|start|stop|remove [--exe PATH]"},
};

void printUsage(std::ostream& out)
{
    out << "usage: morvactl [--program-dir DIR] COMMAND ...\n";
    for (const auto& command : kCommands)
        out << "  morvactl " << command.usage << "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    // Arguments in UTF-8, the encoding of the configuration's texts, and
    // output that a Windows console shows as such.
    const std::vector<std::string> args = morva::platform::commandLineArguments(argc, argv);
    morva::platform::useUtf8ConsoleOutput();
    std::string programDirOverride;
    std::size_t i = 0;
    while (i < args.size()) {
        if (args[i] == "--program-dir") {
            if (i + 1 >= args.size()) {
                std::cerr << "morvactl: --program-dir needs a directory\n";
                return morva::cli::kExitUsage;
            }
            programDirOverride = args[i + 1];
            i += 2;
        } else if (args[i].rfind("--program-dir=", 0) == 0) {
            programDirOverride = args[i].substr(std::strlen("--program-dir="));
            ++i;
        } else if (args[i] == "--help" || args[i] == "-h") {
            printUsage(std::cout);
            return morva::cli::kExitOk;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        printUsage(std::cerr);
        return morva::cli::kExitUsage;
    }
    std::string programDir;
    if (!programDirOverride.empty() &&
        !morva::platform::pathFromArgument(programDirOverride, &programDir)) {
        std::cerr << "morvactl: the program directory " << programDirOverride
                  << " cannot be named in this system's code page\n";
        return morva::cli::kExitFailure;
    }
    const std::string word = args[i];
    for (const auto& command : kCommands) {
        if (word == command.name) {
            morva::cli::Context context{
                morva::platform::resolveProgramDir(programDir),
                std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()),
                std::cout, std::cerr};
            return command.run(context);
        }
    }
    std::cerr << "morvactl: unknown command '" << word << "'\n";
    printUsage(std::cerr);
    return morva::cli::kExitUsage;
}

#include "cli/Commands.h"
#include "cli/PrintableText.h"
#include "platform/Clock.h"
#include "platform/CommandLine.h"
#include "platform/FileSystem.h"
#include "platform/ProcessInfo.h"
#include "platform/ServiceManager.h"
#include "platform/SystemFileSystem.h"
#include "platform/UserFeedback.h"
#include "resources/Texts.h"
#include "service/ServiceController.h"
#include "service/ServiceName.h"
#include "service/ServiceState.h"
#include "service/SignalFiles.h"
#include "stats/Statistics.h"

#include <memory>
#include <ostream>
#include <string>

// morvactl stats | service status|install|start|stop|remove [--exe PATH]:
// the statistics refresh and the service dialog's operations, in English,
// messages on stderr (notices on stdout).
namespace morva::cli {

namespace {

// A message box text on one line: the reason of its second line follows
// in parentheses.
std::string oneLine(const std::string& text)
{
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string::npos)
        return printable(text);
    return printable(text.substr(0, lineEnd)) + " (" + printable(text.substr(lineEnd + 1)) + ")";
}

class StreamFeedback final : public platform::WaitFeedback
{
public:
    StreamFeedback(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    void showMessage(platform::MessageKind kind, std::string_view text) override
    {
        if (kind == platform::MessageKind::Failure)
            m_err << "morvactl: " << oneLine(std::string(text)) << "\n";
        else
            m_out << printable(std::string(text)) << "\n";
    }
    void openWait(std::string_view text) override { m_err << printable(std::string(text)) << "\n"; }
    bool waitCancelled() override { return false; }
    void closeWait() override {}

private:
    std::ostream& m_out;
    std::ostream& m_err;
};

int serviceUsage(Context& context)
{
    context.err << "usage: morvactl service status|install|start|stop|remove [--exe PATH]\n";
    return kExitUsage;
}

} // namespace

int runServiceCommand(Context& context)
{
    if (context.args.empty())
        return serviceUsage(context);
    const std::string action = context.args[0];
    std::string executable;
    for (std::size_t i = 1; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        if (arg == "--exe" && i + 1 < context.args.size()) {
            executable = context.args[++i];
        } else if (arg.rfind("--exe=", 0) == 0) {
            executable = arg.substr(6);
        } else {
            return serviceUsage(context);
        }
    }
    if (executable.empty()) {
        executable = service::defaultExecutablePath(context.programDir, platform::executablePath());
    } else if (std::string path; platform::pathFromArgument(executable, &path)) {
        executable = path;
    } else {
        context.err << "morvactl: the executable " << printable(executable)
                    << " cannot be named in this system's code page\n";
        return kExitFailure;
    }

    auto fileSystem = platform::makeSystemFileSystem();
    auto manager = platform::makeSystemServiceManager();
    const std::string name =
        service::serviceNameFor(*fileSystem, executable, service::kDefaultServiceName);

    if (action == "status") {
        const service::ServiceStateInfo state =
            service::serviceState(*fileSystem, *manager, executable, name);
        context.out << printable(name) << "\t" << printable(executable) << "\t" << state.code
                    << "\t" << text(state.textId, English) << "\n";
        return kExitOk;
    }

    platform::SystemClock clock;
    StreamFeedback feedback(context.out, context.err);
    service::ServiceController controller(*manager, clock, feedback, name, executable, English);
    bool ok = false;
    if (action == "install") {
        ok = controller.install();
    } else if (action == "start") {
        ok = controller.start();
    } else if (action == "stop") {
        const service::StopOutcome outcome = controller.stop();
        ok = outcome == service::StopOutcome::Stopped ||
             outcome == service::StopOutcome::NotRunning ||
             outcome == service::StopOutcome::Vanished;
        if (outcome == service::StopOutcome::StillStopping)
            context.err << "morvactl: " << printable(name) << " did not stop in time\n";
    } else if (action == "remove") {
        ok = controller.remove();
    } else {
        return serviceUsage(context);
    }
    return ok ? kExitOk : kExitFailure;
}

int runStatsCommand(Context& context)
{
    if (!context.args.empty() && context.args[0] == "--history")
        return runStatsHistoryCommand(context);
    if (!context.args.empty()) {
        context.err << "usage: morvactl stats [--history [--format text|csv]]\n";
        return kExitUsage;
    }
    auto fileSystem = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    stats::Statistics statistics(*fileSystem, clock, context.programDir);
    switch (statistics.refresh()) {
    case stats::RefreshOutcome::SignalFailed:
        context.err << "morvactl: " << service::signalFailedText(English) << "\n";
        if (platform::isNotPlainFile(statistics.failure()))
            context.err << "morvactl: " << statistics.failedPath() << ": "
                        << platform::fileErrorName(statistics.failure()) << "\n";
        return kExitFailure;
    case stats::RefreshOutcome::NotPlainFile:
        context.err << "morvactl: " << statistics.failedPath() << ": "
                    << platform::fileErrorName(statistics.failure()) << "\n";
        return kExitFailure;
    case stats::RefreshOutcome::NoStatistics:
    case stats::RefreshOutcome::Cancelled:
        // A CONST-A.dat that was there before the signal is an old dump.
        context.err << "morvactl: the gateway wrote no new statistics (CONST-A.dat) in time";
        if (statistics.stale())
            context.err << "; the file there was written "
                        << stats::localTimeText(statistics.writtenNs());
        context.err << "\n";
        return kExitFailure;
    case stats::RefreshOutcome::Empty:
        return kExitOk;
    case stats::RefreshOutcome::Updated:
        break;
    }
    for (const stats::StatLine& row : statistics.rows())
        context.out << printable(row.name) << "\t" << printable(row.value) << "\n";
    if (statistics.truncated())
        context.err << "morvactl: CONST-A.dat is larger than 1 MB; only its beginning was read\n";
    return kExitOk;
}

} // namespace morva::cli

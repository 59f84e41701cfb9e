#include "cli/Commands.h"
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "log/LogReader.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <chrono>
#include <ostream>

namespace morva::cli {

namespace {

constexpr std::chrono::milliseconds kFollowInterval{200};

bool printRows(const log::LogReadResult& result, std::ostream& out)
{
    for (const log::LogRow& row : result.rows) {
        if (!row.isEmpty())
            out << row.time << '\t' << row.thread << '\t' << row.activity;
        out << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}

// The log file by the console's rule, from AdminLogPath and LogPath of
// "Morva.ini" (all defaults when it is missing).
std::string logPathFor(const std::string& programDir, platform::FileSystem& fileSystem,
                       platform::Clock& clock)
{
    config::ConfigStore store(fileSystem, clock, programDir);
    config::registerSchema(store);
    store.load();
    return log::logFilePath(store.getString("AdminLogPath"), store.getString("LogPath"), programDir,
                            fileSystem.separator());
}

} // namespace

int runLogCommand(Context& context)
{
    bool follow = false;
    for (const std::string& arg : context.args) {
        if (arg == "--follow" || arg == "-f") {
            follow = true;
        } else {
            context.err << "usage: morvactl log [--follow]\n";
            return kExitUsage;
        }
    }
    auto fileSystem = platform::makeSystemFileSystem();
    platform::SystemClock systemClock;
    platform::Clock& clock = context.clock ? *context.clock : systemClock;
    log::LogReader reader(*fileSystem, logPathFor(context.programDir, *fileSystem, clock));
    for (;;) {
        const log::LogReadResult result = reader.readNewLines();
        if (platform::isNotPlainFile(result.failure)) {
            context.err << "morvactl: " << reader.path() << ": "
                        << platform::fileErrorName(result.failure) << "\n";
            return kExitFailure;
        }
        if (!printRows(result, context.out))
            return kExitFailure; // the reader of our output went away
        if (result.more)
            continue;
        if (!follow) {
            log::LogReadResult last;
            if (auto row = reader.takeUnfinishedLine())
                last.rows.push_back(*row);
            return printRows(last, context.out) ? kExitOk : kExitFailure;
        }
        clock.sleepFor(kFollowInterval);
    }
}

} // namespace morva::cli

#include "cli/Commands.h"
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "log/LogFileScan.h"
#include "log/LogFilter.h"
#include "log/LogReader.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <chrono>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>

namespace morva::cli {

namespace {

constexpr std::chrono::milliseconds kFollowInterval{200};
constexpr const char* kUsage =
    "usage: morvactl log [--follow] [--grep PATTERN]... [--exclude PATTERN]... [--regex]\n"
    "                    [--thread N] [--since HH:MM[:SS]] [--file PATH]\n";

struct LogOptions
{
    bool follow = false;
    std::string file;
    log::LogQuery query;
};

bool printRows(const std::vector<log::LogRow>& rows, const log::LogFilter& filter,
               std::ostream& out)
{
    for (const log::LogRow& row : rows) {
        if (!filter.matches(row))
            continue;
        if (!row.isEmpty())
            out << row.time << '\t' << row.thread << '\t' << row.activity;
        out << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}

bool isNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 9 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// The options, or a reason on err.
std::optional<LogOptions> parseOptions(const std::vector<std::string>& args, std::ostream& err)
{
    LogOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--follow" || arg == "-f") {
            options.follow = true;
            continue;
        }
        if (arg == "--regex") {
            options.query.regex = true;
            continue;
        }
        const bool takesValue = arg == "--grep" || arg == "--exclude" || arg == "--thread" ||
                                arg == "--since" || arg == "--file";
        if (!takesValue || i + 1 >= args.size()) {
            err << (takesValue ? "morvactl: " + arg + " needs a value\n" : std::string()) << kUsage;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (arg == "--grep") {
            options.query.include.push_back(value);
        } else if (arg == "--exclude") {
            options.query.exclude.push_back(value);
        } else if (arg == "--file") {
            options.file = value;
        } else if (arg == "--thread") {
            if (!isNumber(value)) {
                err << "morvactl: --thread takes a thread number\n";
                return std::nullopt;
            }
            options.query.thread =
                value.substr(std::min(value.find_first_not_of('0'), value.size() - 1));
        } else {
            options.query.since = log::normalizeTimeOfDay(value);
            if (options.query.since.empty()) {
                err << "morvactl: --since takes a time of day HH:MM or HH:MM:SS\n";
                return std::nullopt;
            }
        }
    }
    return options;
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

void reportFailure(Context& context, const std::string& path, platform::FileError failure)
{
    context.err << "morvactl: " << path << ": " << platform::fileErrorName(failure) << "\n";
}

} // namespace

int runLogCommand(Context& context)
{
    const std::optional<LogOptions> options = parseOptions(context.args, context.err);
    if (!options)
        return kExitUsage;
    std::string regexError;
    const std::unique_ptr<log::LogFilter> filter =
        log::LogFilter::compile(options->query, &regexError);
    if (!filter) {
        context.err << "morvactl: invalid regular expression: " << regexError << "\n";
        return kExitUsage;
    }
    auto fileSystem = platform::makeSystemFileSystem();
    platform::SystemClock systemClock;
    platform::Clock& clock = context.clock ? *context.clock : systemClock;
    const bool namedFile = !options->file.empty();
    const std::string path =
        namedFile ? options->file : logPathFor(context.programDir, *fileSystem, clock);
    // A search or a named file covers the whole file; otherwise the log
    // starts, as in the console, with its last lines.
    const bool wholeFile = namedFile || !filter->isEmpty();

    log::LogReader reader(*fileSystem, path);
    if (wholeFile) {
        std::uint64_t followFrom = std::numeric_limits<std::uint64_t>::max();
        if (options->follow) {
            // The follower takes over where it first looked; the scan below
            // prints what stands before.
            for (;;) {
                const log::LogReadResult result = reader.readNewLines();
                if (!result.more)
                    break;
            }
            followFrom = reader.position();
        }
        log::LogFileScan scan;
        scan.endOffset = followFrom;
        scan.includeUnfinishedLine = !options->follow;
        scan.onRows = [&](std::vector<log::LogRow>& rows) {
            return printRows(rows, *filter, context.out);
        };
        const log::LogFileScanResult result = log::scanLogFile(*fileSystem, path, scan);
        const bool missing = result.failure == platform::FileError::NotFound;
        if (!result.ok && result.failure != platform::FileError::None && (namedFile || !missing)) {
            reportFailure(context, path, result.failure);
            return kExitFailure;
        }
        if (!result.ok && result.failure == platform::FileError::None)
            return kExitFailure; // the reader of our output went away
        if (!options->follow)
            return kExitOk;
        clock.sleepFor(kFollowInterval);
    }
    for (;;) {
        const log::LogReadResult result = reader.readNewLines();
        if (platform::isNotPlainFile(result.failure)) {
            reportFailure(context, reader.path(), result.failure);
            return kExitFailure;
        }
        if (!printRows(result.rows, *filter, context.out))
            return kExitFailure; // the reader of our output went away
        if (result.more)
            continue;
        if (!options->follow) {
            std::vector<log::LogRow> last;
            if (auto row = reader.takeUnfinishedLine())
                last.push_back(*row);
            return printRows(last, *filter, context.out) ? kExitOk : kExitFailure;
        }
        clock.sleepFor(kFollowInterval);
    }
}

} // namespace morva::cli

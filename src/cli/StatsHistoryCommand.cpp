#include "cli/Commands.h"
#include "cli/PrintableText.h"
#include "platform/SystemFileSystem.h"
#include "platform/UserSettings.h"
#include "stats/StatCsv.h"
#include "stats/StatHistory.h"
#include "stats/StatHistoryLocation.h"
#include "stats/Statistics.h"

#include <map>
#include <ostream>

// morvactl stats --history [--format text|csv]: the statistics the console
// kept, one row per dump.
namespace morva::cli {

namespace {

int historyUsage(Context& context)
{
    context.err << "usage: morvactl stats --history [--format text|csv]\n";
    return kExitUsage;
}

// The same table as the CSV, tab-separated.
void printText(std::ostream& out, const std::vector<stats::StatSample>& samples)
{
    std::vector<std::string> names;
    std::map<std::string, std::size_t, std::less<>> column;
    for (const stats::StatSample& sample : samples) {
        for (const stats::StatLine& line : sample.counters) {
            if (column.emplace(line.name, names.size()).second)
                names.push_back(line.name);
        }
    }
    out << "time";
    for (const std::string& name : names)
        out << '\t' << printable(name);
    out << '\n';
    for (const stats::StatSample& sample : samples) {
        std::vector<std::string> values(names.size());
        std::vector<bool> filled(names.size());
        for (const stats::StatLine& line : sample.counters) {
            const std::size_t at = column.find(line.name)->second;
            if (!filled[at])
                values[at] = line.value;
            filled[at] = true;
        }
        out << stats::localTimeText(sample.timeNs);
        for (const std::string& value : values)
            out << '\t' << printable(value);
        out << '\n';
    }
}

} // namespace

int runStatsHistoryCommand(Context& context)
{
    bool csv = false;
    for (std::size_t i = 1; i < context.args.size(); ++i) {
        if (context.args[i] == "--format" && i + 1 < context.args.size()) {
            const std::string& format = context.args[++i];
            if (format != "csv" && format != "text")
                return historyUsage(context);
            csv = format == "csv";
        } else {
            return historyUsage(context);
        }
    }
    const bool besideProgram =
        platform::makeSystemUserSettings()->readInt(stats::kHistoryBesideProgramSetting, 0) != 0;
    const std::string path = stats::statHistoryPath(context.programDir, besideProgram);
    if (path.empty()) {
        context.err << "morvactl: no data directory for the statistics history (HOME is not set)\n";
        return kExitFailure;
    }
    auto fileSystem = platform::makeSystemFileSystem();
    stats::StatHistoryStore store(*fileSystem, path);
    const stats::HistoryLoad load = store.load();
    if (load.error != platform::FileError::None) {
        context.err << "morvactl: " << path << ": " << platform::fileErrorName(load.error) << "\n";
        return kExitFailure;
    }
    if (csv)
        context.out << stats::historyCsv(load.samples);
    else
        printText(context.out, load.samples);
    if (load.damagedRecords > 0)
        context.err << "morvactl: " << load.damagedRecords
                    << " damaged record(s) of the history were skipped\n";
    return kExitOk;
}

} // namespace morva::cli

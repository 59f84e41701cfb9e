// morvactl config history|diff: the versions of Morva.ini that saves kept
// and what changed between them.
#include "cli/ConfigCommandParts.h"
#include "cli/HistoryListing.h"
#include "cli/JsonText.h"
#include "config/ConfigDiff.h"
#include "config/CsvText.h"
#include "config/FileHistory.h"
#include "platform/FileSystem.h"

#include <ostream>

namespace morva::cli {

namespace {

constexpr std::uint64_t kMaxCompared = std::uint64_t(512) << 20;

int historyUsage(Context& context)
{
    context.err << "usage: morvactl config history [--format tsv|json] | diff [ID [ID2]] | "
                   "diff --against DIR | restore ID\n";
    return kExitUsage;
}

void printChanges(std::ostream& out, const std::vector<config::ConfigChange>& changes)
{
    std::string line;
    for (const auto& change : changes) {
        line.clear();
        config::appendTabEscaped(line, change.key);
        line += '\t';
        config::appendTabEscaped(line, change.oldText);
        line += '\t';
        config::appendTabEscaped(line, change.newText);
        line += '\n';
        out << line;
    }
}

bool readCurrent(Context& context, platform::FileSystem& fs, const std::string& path,
                 std::string* bytes)
{
    platform::FileError error = platform::FileError::None;
    if (config::readWholeFile(fs, path, kMaxCompared, bytes, &error))
        return true;
    if (error == platform::FileError::NotFound) {
        bytes->clear(); // no file: every value its default
        return true;
    }
    context.err << "morvactl: cannot read " << path << ": " << platform::fileErrorName(error)
                << "\n";
    return false;
}

bool readVersion(Context& context, const config::FileHistory& history, const std::string& id,
                 std::string* bytes)
{
    if (history.read("Morva.ini", id, bytes))
        return true;
    context.err << "morvactl: no kept version " << id << " (morvactl config history lists them)\n";
    return false;
}

} // namespace

int configHistory(Context& context, const config::FileHistory& history)
{
    bool json = false;
    for (std::size_t i = 1; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        std::string format;
        if (arg == "--format" && i + 1 < context.args.size())
            format = context.args[++i];
        else if (arg.rfind("--format=", 0) == 0)
            format = arg.substr(9);
        if (format != "tsv" && format != "json")
            return historyUsage(context);
        json = format == "json";
    }
    printHistoryEntries(
        context.out, history.entries("Morva.ini"), "changedKeys",
        [](const config::HistoryEntry& e) { return e.changedKeys; }, json);
    return kExitOk;
}

int configDiff(Context& context, platform::FileSystem& fs, const std::string& fileName,
               const config::FileHistory& history)
{
    const auto& args = context.args;
    std::string before;
    std::string after;
    if (args.size() == 3 && args[1] == "--against") {
        std::string other = args[2];
        if (other.back() != '/' && other.back() != '\\')
            other += fs.separator();
        if (!readCurrent(context, fs, fileName, &before) ||
            !readCurrent(context, fs, other + std::string(config::baseNameOf(fileName)), &after))
            return kExitFailure;
    } else if (args.size() <= 3) {
        for (std::size_t i = 1; i < args.size(); ++i)
            if (!args[i].empty() && args[i].front() == '-')
                return historyUsage(context);
        std::string id;
        if (args.size() >= 2) {
            id = args[1];
        } else {
            const auto entries = history.entries("Morva.ini");
            if (entries.empty()) {
                context.err << "morvactl: no kept version of " << fileName << "\n";
                return kExitFailure;
            }
            id = entries.back().id;
        }
        if (!readVersion(context, history, id, &before))
            return kExitFailure;
        if (args.size() == 3 ? !readVersion(context, history, args[2], &after)
                             : !readCurrent(context, fs, fileName, &after))
            return kExitFailure;
    } else {
        return historyUsage(context);
    }
    printChanges(context.out, config::diffConfigTexts(before, after, config::schemaListKeys()));
    return kExitOk;
}

} // namespace morva::cli

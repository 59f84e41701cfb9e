// morvactl records history|restore: the versions of a record file that the
// history kept before the changes of each editing session, and putting one
// back under the data set lock.
#include "cli/HistoryListing.h"
#include "cli/JsonText.h"
#include "cli/RecordsSupport.h"
#include "cli/TransferCommands.h"
#include "config/CsvText.h"
#include "config/FileHistory.h"
#include "db/DataSet.h"
#include "db/RecordHistory.h"
#include "db/RecordLayout.h"
#include "db/RecordTransfer.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"

#include <algorithm>
#include <ostream>

namespace morva::cli {

namespace {

int usage(Context& context)
{
    context.err << "usage: morvactl records history alias|block|user [--format tsv|json]\n"
                   "       morvactl records restore alias|block|user ID [--no-wait]\n";
    return kExitUsage;
}

std::string_view restoreFailure(db::RecordRestoreStatus status)
{
    switch (status) {
    case db::RecordRestoreStatus::NotKept:
        return "was not restored: its current contents could not be kept in the history first";
    case db::RecordRestoreStatus::WriteFailed:
        return "could not be restored; it is unchanged";
    default:
        return "could not be restored";
    }
}

} // namespace

int runRecordsHistory(Context& context)
{
    std::vector<std::string> words;
    bool noWait = false;
    bool json = false;
    for (std::size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        std::string format;
        if (arg == "--no-wait") {
            noWait = true;
            continue;
        }
        if (arg == "--format" && i + 1 < context.args.size())
            format = context.args[++i];
        else if (arg.rfind("--format=", 0) == 0)
            format = arg.substr(9);
        else if (arg.rfind("--", 0) == 0)
            return usage(context);
        else {
            words.push_back(arg);
            continue;
        }
        if (format != "tsv" && format != "json")
            return usage(context);
        json = format == "json";
    }
    db::RecordTable table{};
    const bool listing = !words.empty() && words[0] == "history";
    if (words.size() != (listing ? 2u : 3u) || !db::parseRecordTable(words[1], &table) ||
        (!listing && (json || words[0] != "restore")))
        return usage(context);
    const db::RecordLayout& layout = db::recordLayout(table);
    const std::string fileName(layout.fileName);

    auto fs = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    const auto history = makeRecordsHistory(*fs, clock, context.programDir);
    if (listing) {
        const std::uint32_t length = layout.length;
        printHistoryEntries(
            context.out, history->entries(fileName), "records",
            [length](const config::HistoryEntry& e) {
                return static_cast<std::int64_t>(e.size / length);
            },
            json);
        return kExitOk;
    }
    const std::string& id = words[2];
    const auto entries = history->entries(fileName);
    if (std::none_of(entries.begin(), entries.end(),
                     [&](const config::HistoryEntry& e) { return e.id == id; })) {
        context.err << "morvactl: no kept version " << id << " of " << fileName
                    << " (morvactl records history " << words[1] << " lists them)\n";
        return kExitFailure;
    }

    StderrFeedback feedback(context.err);
    db::DataSet data(*fs, clock, context.programDir, {}, &feedback, English);
    data.setHistory(history.get(), "morvactl records restore");
    if (!data.acquire(noWait ? 1 : db::DataSet::kAttempts)) {
        const auto& failure = data.lastOpenFailure();
        if (!failure.fileName.empty())
            context.err << "morvactl: " << failure.fileName << ": "
                        << platform::fileErrorName(failure.error) << "\n";
        return kExitFailure;
    }
    const db::RecordRestore restored =
        db::restoreRecordFile(data, fileName, id, "morvactl records restore");
    int code = kExitOk;
    if (restored.status == db::RecordRestoreStatus::UnknownVersion) {
        context.err << "morvactl: no kept version " << id << " of " << fileName
                    << " (morvactl records history " << words[1] << " lists them)\n";
        code = kExitFailure;
    } else if (restored.status != db::RecordRestoreStatus::Restored) {
        context.err << "morvactl: " << fileName << " " << restoreFailure(restored.status) << " ("
                    << platform::fileErrorName(restored.error) << ")\n";
        code = kExitFailure;
    }
    if (!data.release())
        code = kExitFailure;
    return code;
}

} // namespace morva::cli

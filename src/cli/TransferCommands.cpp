// morvactl records export|import and config export-list|import-list.
//
//   records export alias|block|user [--format csv|tsv] [--encoding utf-8|8bit]
//   records import alias|block|user FILE [--replace] [--dry-run] [--format csv|tsv]
//   config export-list KEY [--format csv|text] [--encoding utf-8|8bit]
//   config import-list KEY FILE [--replace] [--dry-run] [--format csv|text]
//
// An import is all or nothing: when any row is refused nothing is written
// and the refused rows go to stderr as "line N: reason" (exit 1). Rows
// that repeat an entry are skipped and named on stderr. FILE "-" is stdin.
#include "cli/TransferCommands.h"

#include "cli/PrintableText.h"
#include "cli/RecordsSupport.h"
#include "config/ConfigStore.h"
#include "config/FileHistory.h"
#include "config/ListTransfer.h"
#include "config/SecretValues.h"
#include "db/DataSet.h"
#include "db/LayoutRecordFile.h"
#include "db/RecordTransfer.h"
#include "platform/Clock.h"
#include "platform/CommandLine.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"

#include <iostream>
#include <iterator>
#include <ostream>

namespace morva::cli {

namespace {

constexpr int kLanguage = English;

struct TransferArgs
{
    std::vector<std::string> words; // without the options
    config::TransferFormat format = config::TransferFormat::Csv;
    config::TextForm form = config::TextForm::Utf8;
    config::ImportMode mode = config::ImportMode::Append;
    bool dryRun = false;
    bool noWait = false;
};

// False on an option this command does not know or a bad option value.
bool parseArgs(const std::vector<std::string>& args, bool listFormats, TransferArgs* parsed)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        std::string word;
        if (arg == "--replace") {
            parsed->mode = config::ImportMode::Replace;
        } else if (arg == "--dry-run") {
            parsed->dryRun = true;
        } else if (arg == "--no-wait") {
            parsed->noWait = true;
        } else if (arg == "--format") {
            if (!value(&word))
                return false;
            if (word == "csv")
                parsed->format = config::TransferFormat::Csv;
            else if (word == "tsv" && !listFormats)
                parsed->format = config::TransferFormat::Tsv;
            else if (word == "text" && listFormats)
                parsed->format = config::TransferFormat::Text;
            else
                return false;
        } else if (arg == "--encoding") {
            if (!value(&word))
                return false;
            if (word == "utf-8" || word == "utf8")
                parsed->form = config::TextForm::Utf8;
            else if (word == "8bit" || word == "windows-1252")
                parsed->form = config::TextForm::EightBit;
            else
                return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return false;
        } else {
            parsed->words.push_back(arg);
        }
    }
    return true;
}

// The whole of `name` (a path in UTF-8, or "-" for stdin).
bool readInput(const std::string& name, std::string* bytes, std::ostream& err)
{
    if (name == "-") {
        bytes->assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    std::string path;
    if (!platform::pathFromArgument(name, &path)) {
        err << "morvactl: " << name << " cannot be named in this system's code page\n";
        return false;
    }
    auto fs = platform::makeSystemFileSystem();
    platform::FileError error = platform::FileError::None;
    auto file = fs->open(path, 1, &error);
    std::uint64_t size = 0;
    if (file && file->size(&size)) {
        bytes->resize(static_cast<std::size_t>(size));
        std::size_t got = 0;
        if (size == 0 || (file->readAt(0, bytes->data(), bytes->size(), &got) && got == size))
            return true;
    }
    if (file)
        error = file->lastError();
    err << "morvactl: cannot read " << name << ": " << platform::fileErrorName(error) << "\n";
    return false;
}

// The refused rows (and the skipped ones) on err; true when none is refused.
bool reportPlan(const config::ImportPlan& plan, std::string_view secretKey, std::ostream& err)
{
    if (!plan.fileErrorId.empty()) {
        err << "morvactl: " << config::importFileMessage(plan, kLanguage) << "\n";
        return false;
    }
    std::size_t refused = 0;
    for (const config::ImportRow& row : plan.rows) {
        if (row.mark == config::RowMark::Accepted)
            continue;
        refused += row.mark == config::RowMark::Refused;
        std::size_t shownFields = row.fields.size();
        while (shownFields > 1 && row.fields[shownFields - 1].empty())
            --shownFields;
        std::string shown;
        for (std::size_t i = 0; i < shownFields; ++i) {
            if (i > 0)
                shown += ", ";
            shown +=
                secretKey.empty() ? row.fields[i] : config::maskSecret(secretKey, row.fields[i]);
        }
        err << "line " << row.line << ": "
            << (row.mark == config::RowMark::Refused ? "refused: " : "")
            << config::importRowMessage(row, kLanguage) << " (" << printable(shown) << ")\n";
    }
    return refused == 0;
}

void reportRefusal(const config::ImportPlan& plan, std::ostream& err)
{
    err << "morvactl: nothing imported";
    if (plan.fileErrorId.empty())
        err << ": " << plan.count(config::RowMark::Refused) << " rows refused";
    err << "\n";
}

void reportCounts(const config::ImportPlan& plan, bool dryRun, std::ostream& out)
{
    // One pass: a plan may hold 100,000s of rows.
    std::size_t accepted = plan.accepted.size();
    std::size_t skipped = 0;
    for (const config::ImportRow& row : plan.rows) {
        accepted += row.mark == config::RowMark::Accepted;
        skipped += row.mark == config::RowMark::RepeatedInFile ||
                   row.mark == config::RowMark::AlreadyPresent;
    }
    out << (dryRun ? "would import " : "imported ") << accepted << ", skipped " << skipped
        << " duplicates\n";
}

int recordsUsage(Context& context)
{
    context.err << "usage: morvactl records export alias|block|user [--format csv|tsv] "
                   "[--encoding utf-8|8bit]\n"
                   "       morvactl records import alias|block|user FILE [--replace] "
                   "[--dry-run] [--format csv|tsv]\n";
    return kExitUsage;
}

int listUsage(Context& context)
{
    context.err << "usage: morvactl config export-list KEY [--format csv|text] "
                   "[--encoding utf-8|8bit]\n"
                   "       morvactl config import-list KEY FILE [--replace] [--dry-run] "
                   "[--format csv|text]\n";
    return kExitUsage;
}

} // namespace

int runRecordsTransfer(Context& context)
{
    TransferArgs args;
    if (!parseArgs(context.args, false, &args) || args.words.size() < 2)
        return recordsUsage(context);
    const bool exporting = args.words[0] == "export";
    db::RecordTable table{};
    if (!db::parseRecordTable(args.words[1], &table) ||
        args.words.size() != (exporting ? 2u : 3u) ||
        (exporting && (args.dryRun || args.mode == config::ImportMode::Replace)))
        return recordsUsage(context);

    std::string bytes;
    if (!exporting && !readInput(args.words[2], &bytes, context.err))
        return kExitFailure;

    auto fs = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    StderrFeedback feedback(context.err);
    const auto history = makeRecordsHistory(*fs, clock, context.programDir);
    db::DataSet data(*fs, clock, context.programDir, {}, &feedback, kLanguage);
    data.setHistory(history.get(), "morvactl records import");
    if (!data.acquire(args.noWait ? 1 : db::DataSet::kAttempts)) {
        const auto& failure = data.lastOpenFailure();
        if (!failure.fileName.empty())
            context.err << "morvactl: " << failure.fileName << ": "
                        << platform::fileErrorName(failure.error) << "\n";
        return kExitFailure;
    }
    db::LayoutRecordFile& file = *db::recordFile(data, table);
    int code = kExitOk;
    if (exporting) {
        const db::RecordExport exported =
            db::exportRecords(file, table, args.format, args.form, [&](std::string_view piece) {
                context.out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            });
        context.out.flush();
        if (exported.lostCharacters > 0)
            context.err << "morvactl: warning: " << exported.lostCharacters
                        << " characters have no 8-bit form and were written as '?'\n";
        if (!context.out)
            code = kExitFailure;
    } else {
        config::ImportPlan plan;
        // Only the rows not imported are reported.
        db::planRecordImport(file, table, bytes, args.format, args.mode, &plan, {},
                             config::KeptRows::ReportedOnly);
        if (!reportPlan(plan, {}, context.err)) {
            reportRefusal(plan, context.err);
            code = kExitFailure;
        } else if (!args.dryRun) {
            platform::FileError error = platform::FileError::None;
            if (!db::applyRecordImport(data, table, plan, args.mode, &error)) {
                context.err << "morvactl: " << text("db.writeFailed", kLanguage) << "\n"
                            << "morvactl: " << file.layout().fileName << ": "
                            << platform::fileErrorName(error) << "\n";
                code = kExitFailure;
            }
        }
        if (code == kExitOk)
            reportCounts(plan, args.dryRun, context.out);
    }
    if (!data.release())
        code = kExitFailure;
    return code;
}

int configExportList(Context& context, const config::ConfigStore& store)
{
    TransferArgs args;
    if (!parseArgs(context.args, true, &args) || args.words.size() != 2 || args.dryRun ||
        args.mode == config::ImportMode::Replace)
        return listUsage(context);
    const std::string& key = args.words[1];
    const auto target = config::listTarget(store, key);
    if (!target) {
        context.err << "morvactl: '" << key << "' is no list setting\n";
        return kExitUsage;
    }
    const config::ListExport exported = config::exportList(
        *target, store.getList(key), store.getItemComments(key), args.format, args.form);
    context.out << exported.text;
    if (exported.lostCharacters > 0)
        context.err << "morvactl: warning: " << exported.lostCharacters
                    << " characters have no 8-bit form and were written as '?'\n";
    return context.out ? kExitOk : kExitFailure;
}

int configImportList(Context& context, config::ConfigStore& store, const std::function<int()>& save)
{
    TransferArgs args;
    if (!parseArgs(context.args, true, &args) || args.words.size() != 3)
        return listUsage(context);
    const std::string& key = args.words[1];
    const auto target = config::listTarget(store, key);
    if (!target) {
        context.err << "morvactl: '" << key << "' is no list setting\n";
        return kExitUsage;
    }
    std::string bytes;
    if (!readInput(args.words[2], &bytes, context.err))
        return kExitFailure;
    std::vector<std::string> values = store.getList(key);
    std::vector<std::string> comments = store.getItemComments(key);
    config::ImportPlan plan;
    config::planListImport(*target, bytes, args.format, args.mode, values, &plan);
    if (!reportPlan(plan, config::holdsSecret(key) ? std::string_view(key) : std::string_view(),
                    context.err)) {
        reportRefusal(plan, context.err);
        return kExitFailure;
    }
    if (!args.dryRun) {
        config::applyListImport(plan, args.mode, &values, &comments);
        store.setList(key, values);
        store.setItemComments(key, target->keepsComments ? comments
                                                         : std::vector<std::string>(values.size()));
        if (const int code = save(); code != kExitOk)
            return code;
    }
    reportCounts(plan, args.dryRun, context.out);
    return kExitOk;
}

} // namespace morva::cli

// morvactl records: list and edit the gateway's record files under the data
// set lock, as the console's record editors do.
//
//   records list alias|block|user
//   records add alias FROM TO [--deliver] | block TYPE VALUE | user ADDRESS NAME
//   records set alias|block|user N <fields as for add>
//   records delete alias|block|user N...
//   records history alias|block|user [--format tsv|json]
//   records restore alias|block|user ID
//   --no-wait anywhere: a single attempt at the lock instead of five.
//
// list prints one line per live record, fields separated by tabs:
//   alias: rec from to deliver(0|1)   block: rec type value   user: rec address name
// Control characters inside stored values are shown as "?" so that every
// record stays on one line.
#include "cli/Commands.h"
#include "cli/PrintableText.h"
#include "cli/RecordsSupport.h"
#include "cli/TransferCommands.h"
#include "config/FileHistory.h"
#include "db/DataAliaFile.h"
#include "db/DataBlocFile.h"
#include "db/DataSet.h"
#include "db/DataUserFile.h"
#include "db/RecordFieldChecks.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

namespace morva::cli {

namespace {

constexpr int kLanguage = English;

enum class Table
{
    Alias,
    Block,
    User
};

bool parseTable(const std::string& word, Table* table)
{
    if (word == "alias")
        *table = Table::Alias;
    else if (word == "block")
        *table = Table::Block;
    else if (word == "user")
        *table = Table::User;
    else
        return false;
    return true;
}

bool parseNumber(const std::string& text, std::int64_t* value)
{
    const char* end = text.data() + text.size();
    auto result = std::from_chars(text.data(), end, *value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool parseRecordNumber(const std::string& text, std::uint32_t* n)
{
    std::int64_t value = 0;
    if (!parseNumber(text, &value) || value < 0 || value > 0xFFFFFFFFLL)
        return false;
    *n = static_cast<std::uint32_t>(value);
    return true;
}

int usage(Context& context)
{
    context.err << "usage: morvactl records list alias|block|user\n"
                   "       morvactl records add alias FROM TO [--deliver]\n"
                   "       morvactl records add block TYPE VALUE\n"
                   "       morvactl records add user ADDRESS NAME\n"
                   "       morvactl records set alias|block|user N FIELDS...\n"
                   "       morvactl records delete alias|block|user N...\n"
                   "       morvactl records export alias|block|user [--format csv|tsv]\n"
                   "       morvactl records import alias|block|user FILE [--replace] [--dry-run]\n"
                   "       morvactl records history alias|block|user [--format tsv|json]\n"
                   "       morvactl records restore alias|block|user ID\n"
                   "       (--no-wait: a single attempt at the data set lock)\n";
    return kExitUsage;
}

// The fields of one record as given on the command line.
struct RecordValues
{
    std::string first;  // alias FROM, block VALUE, user ADDRESS
    std::string second; // alias TO, user NAME
    std::int64_t type = 0;
    bool deliver = false;
};

bool parseValues(Table table, const std::vector<std::string>& words, bool deliver,
                 RecordValues* values, db::FieldCheck* check)
{
    if (words.size() != 2)
        return false;
    values->deliver = deliver;
    switch (table) {
    case Table::Alias:
        values->first = words[0];
        values->second = words[1];
        *check = db::checkAddressValue(values->first);
        if (check->ok())
            *check = db::checkAddressValue(values->second);
        return true;
    case Table::Block:
        if (deliver)
            return false;
        if (!parseNumber(words[0], &values->type)) {
            *check = {"db.badBlockType"};
            return true;
        }
        values->first = words[1];
        *check = db::checkBlockType(values->type);
        if (check->ok())
            *check = db::checkTextValue(values->first, db::kAddressFieldLimit);
        return true;
    case Table::User:
        if (deliver)
            return false;
        values->first = words[0];
        values->second = words[1];
        *check = db::checkAddressValue(values->first);
        if (check->ok())
            *check = db::checkTextValue(values->second, db::kUserNameLimit);
        return true;
    }
    return false;
}

db::LayoutRecordFile* fileOf(db::DataSet& data, Table table)
{
    switch (table) {
    case Table::Alias:
        return data.aliaFile();
    case Table::Block:
        return data.blocFile();
    case Table::User:
        return data.userFile();
    }
    return nullptr;
}

std::string_view notFoundText(Table table)
{
    switch (table) {
    case Table::Alias:
        return text("db.aliasNotFound", kLanguage);
    case Table::Block:
        return text("db.blockNotFound", kLanguage);
    case Table::User:
        return text("db.userNotFound", kLanguage);
    }
    return {};
}

void writeValues(db::DataSet& data, Table table, const RecordValues& values)
{
    switch (table) {
    case Table::Alias:
        data.aliaFile()->setForwardAddress(values.first);
        data.aliaFile()->setTargetAddress(values.second);
        data.aliaFile()->setDeliverAfterForwarding(values.deliver);
        break;
    case Table::Block:
        data.blocFile()->setSecondNumber(0);
        data.blocFile()->setType(values.type);
        data.blocFile()->setValue(values.first);
        break;
    case Table::User:
        data.userFile()->setName(values.second);
        data.userFile()->setAddress(values.first);
        break;
    }
}

void listRecords(db::DataSet& data, Table table, std::ostream& out)
{
    db::LayoutRecordFile* file = fileOf(data, table);
    std::string line;
    for (bool found = file->goTo(1); found; found = file->goTo(file->currentRecord() + 1)) {
        if (file->isDeleted())
            continue;
        line = std::to_string(file->currentRecord());
        switch (table) {
        case Table::Alias:
            line += "\t" + printable(data.aliaFile()->forwardAddress()) + "\t" +
                    printable(data.aliaFile()->targetAddress()) + "\t" +
                    (data.aliaFile()->deliverAfterForwarding() ? "1" : "0");
            break;
        case Table::Block:
            line += "\t" + std::to_string(data.blocFile()->type()) + "\t" +
                    printable(data.blocFile()->value());
            break;
        case Table::User:
            line += "\t" + printable(data.userFile()->address()) + "\t" +
                    printable(data.userFile()->name());
            break;
        }
        out << line << "\n";
    }
}

// Moves to record n when it exists and is not deleted.
bool goToLive(db::RecordFile* file, std::uint32_t n)
{
    return file->goTo(n) && !file->isDeleted();
}

void reportLockFailure(db::DataSet& data, std::ostream& err)
{
    const auto& failure = data.lastOpenFailure();
    if (!failure.fileName.empty())
        err << "morvactl: " << failure.fileName << ": " << platform::fileErrorName(failure.error)
            << "\n";
}

void reportWriteFailure(db::LayoutRecordFile* file, std::ostream& err)
{
    err << "morvactl: " << text("db.writeFailed", kLanguage) << "\n"
        << "morvactl: " << file->layout().fileName << ": "
        << platform::fileErrorName(file->lastError()) << "\n";
}

} // namespace

int runRecordsCommand(Context& context)
{
    std::vector<std::string> words;
    bool noWait = false;
    bool deliver = false;
    for (const std::string& arg : context.args) {
        if (arg == "--no-wait")
            noWait = true;
        else if (arg == "--deliver")
            deliver = true;
        else
            words.push_back(arg);
    }
    if (!words.empty() && (words[0] == "export" || words[0] == "import"))
        return runRecordsTransfer(context);
    if (!words.empty() && (words[0] == "history" || words[0] == "restore"))
        return runRecordsHistory(context);
    Table table{};
    if (words.size() < 2 || !parseTable(words[1], &table))
        return usage(context);
    const std::string& action = words[0];
    const std::vector<std::string> rest(words.begin() + 2, words.end());

    RecordValues values;
    db::FieldCheck check;
    std::vector<std::uint32_t> numbers;
    if (action == "list") {
        if (!rest.empty() || deliver)
            return usage(context);
    } else if (action == "add") {
        if (!parseValues(table, rest, deliver, &values, &check))
            return usage(context);
    } else if (action == "set") {
        std::uint32_t n = 0;
        if (rest.empty() || !parseRecordNumber(rest[0], &n) ||
            !parseValues(table, {rest.begin() + 1, rest.end()}, deliver, &values, &check))
            return usage(context);
        numbers.push_back(n);
    } else if (action == "delete") {
        if (rest.empty() || deliver)
            return usage(context);
        for (const std::string& word : rest) {
            std::uint32_t n = 0;
            if (!parseRecordNumber(word, &n))
                return usage(context);
            numbers.push_back(n);
        }
    } else {
        return usage(context);
    }
    if (!check.ok()) {
        context.err << "morvactl: " << db::fieldCheckMessage(check, kLanguage) << "\n";
        return kExitFailure;
    }

    auto fs = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    StderrFeedback feedback(context.err);
    const auto history = makeRecordsHistory(*fs, clock, context.programDir);
    db::DataSet data(*fs, clock, context.programDir, {}, &feedback, kLanguage);
    data.setHistory(history.get(), "morvactl records " + action);
    if (!data.acquire(noWait ? 1 : db::DataSet::kAttempts)) {
        reportLockFailure(data, context.err);
        return kExitFailure;
    }
    db::LayoutRecordFile* file = fileOf(data, table);
    bool ok = true;
    std::uint32_t added = 0;
    if (action == "list") {
        listRecords(data, table, context.out);
    } else if (action == "add") {
        // Forwarding and blocking records are appended; a user record takes
        // the first deleted slot, as the editors do.
        ok = file->newRecord(table == Table::User);
        if (ok) {
            writeValues(data, table, values);
            added = file->currentRecord();
        }
    } else {
        for (std::uint32_t n : numbers) {
            if (!goToLive(file, n)) {
                context.err << "morvactl: " << notFoundText(table) << " (" << n << ")\n";
                data.release();
                return kExitFailure;
            }
        }
        if (action == "set") {
            writeValues(data, table, values);
        } else {
            for (std::uint32_t n : numbers) {
                bool deleted = table == Table::Alias   ? data.deleteAliaRecord(n)
                               : table == Table::Block ? data.deleteBlocRecord(n)
                                                       : data.deleteUserRecord(n);
                ok = ok && deleted;
            }
        }
    }
    if (!ok)
        reportWriteFailure(file, context.err);
    // The last release writes the pending record and closes every file.
    if (!data.release())
        ok = false;
    if (!ok)
        return kExitFailure;
    if (added != 0)
        context.out << added << "\n";
    return kExitOk;
}

} // namespace morva::cli

// The parsing of import files: any bytes give a plan without fault; every
// row it accepts holds no control character and frames a whole record, the
// plan that packs its accepted rows judges every row alike, and
// a list written out as CSV from the accepted rows reads back to the same
// entries (the text form shares the ";" ambiguity of "Morva.ini" itself).
// The first byte picks the format, the table and the list.
#include "config/ImportPlan.h"
#include "config/ListTransfer.h"
#include "db/DataAliaFile.h"
#include "db/RecordLayout.h"
#include "db/RecordTransfer.h"
#include "platform/SystemFileSystem.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

using namespace morva;

namespace {

void checkRecords(std::string_view text, config::TransferFormat format, db::RecordTable table)
{
    static const auto fs = platform::makeSystemFileSystem();
    // Replacing reads no record: the file is never opened.
    db::DataAliaFile file(*fs, "/nonexistent/");
    config::ImportPlan plan;
    if (!db::planRecordImport(file, table, text, format, config::ImportMode::Replace, &plan))
        std::abort();
    std::size_t line = 0;
    for (const config::ImportRow& row : plan.rows) {
        if (row.line <= line)
            std::abort();
        line = row.line;
        if (row.mark == config::RowMark::Refused)
            continue;
        if (db::recordBytes(table, row.stored).size() != db::recordLayout(table).length)
            std::abort();
        for (const std::string& value : row.stored)
            if (config::holdsControlCharacter(value))
                std::abort();
    }
    // The plan morvactl makes, its accepted rows packed, says the same.
    config::ImportPlan lean;
    if (!db::planRecordImport(file, table, text, format, config::ImportMode::Replace, &lean, {},
                              config::KeptRows::ReportedOnly))
        std::abort();
    std::size_t reported = 0;
    std::size_t accepted = 0;
    std::vector<std::string_view> packed;
    for (const config::ImportRow& row : plan.rows) {
        if (row.mark == config::RowMark::Accepted) {
            if (accepted >= lean.accepted.size())
                std::abort();
            lean.accepted.row(accepted++, &packed);
            if (!std::equal(packed.begin(), packed.end(), row.stored.begin(), row.stored.end()))
                std::abort();
            continue;
        }
        if (reported >= lean.rows.size())
            std::abort();
        const config::ImportRow& same = lean.rows[reported++];
        if (same.line != row.line || same.mark != row.mark || same.other != row.other ||
            same.fields != row.fields || same.messageId != row.messageId)
            std::abort();
    }
    if (reported != lean.rows.size() || accepted != lean.accepted.size())
        std::abort();
}

void checkList(std::string_view text, config::TransferFormat format, std::uint8_t pick)
{
    config::ListTarget target;
    const char* keys[] = {"SLSExclFromAddress", "SMTPRelayAllowIP", "SMTPStaticRoute",
                          "InboundBlockSubject"};
    target.key = keys[pick % 4];
    target.networks = pick % 4 == 1;
    target.keepsComments = pick % 4 != 2;
    target.utf8 = pick % 4 == 3;
    config::ImportPlan plan;
    config::planListImport(target, text, format, config::ImportMode::Replace, {}, &plan);
    std::vector<std::string> values, comments;
    config::applyListImport(plan, config::ImportMode::Replace, &values, &comments);
    for (const std::string& value : values)
        if (config::holdsControlCharacter(value))
            std::abort();
    const config::ListExport written = config::exportList(
        target, values, comments, config::TransferFormat::Csv, config::TextForm::Utf8);
    config::ImportPlan again;
    config::planListImport(target, written.text, config::TransferFormat::Csv,
                           config::ImportMode::Replace, {}, &again);
    std::vector<std::string> valuesAgain, commentsAgain;
    config::applyListImport(again, config::ImportMode::Replace, &valuesAgain, &commentsAgain);
    if (valuesAgain != values || (target.keepsComments && commentsAgain != comments))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t pick = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const config::TransferFormat formats[] = {
        config::TransferFormat::Csv, config::TransferFormat::Tsv, config::TransferFormat::Text};
    const db::RecordTable tables[] = {db::RecordTable::Alias, db::RecordTable::Block,
                                      db::RecordTable::User};
    const config::TransferFormat format = formats[pick % 3];
    if (format != config::TransferFormat::Text)
        checkRecords(text, format, tables[(pick / 3) % 3]);
    if (format != config::TransferFormat::Tsv)
        checkList(text, format, static_cast<std::uint8_t>(pick / 9));
    return 0;
}

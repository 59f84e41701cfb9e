#pragma once

#include "config/ImportPlan.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::db {

class DataSet;
class LayoutRecordFile;
struct RecordLayout;

// Export and import of the three record lists the console edits, as CSV or
// TSV with a header row. Columns:
//   alias: forward address, target address, deliver (1 or 0; may be left out)
//   block: type (0 IP address, 1 host name, 2 sender), value
//   user:  e-mail address, name
// Text in the files is UTF-8 (or the 8-bit code page when asked for); the
// records hold 8-bit bytes.
enum class RecordTable
{
    Alias,
    Block,
    User,
};

bool parseRecordTable(std::string_view word, RecordTable* table);
const RecordLayout& recordLayout(RecordTable table);
LayoutRecordFile* recordFile(const DataSet& data, RecordTable table);
// The column names of the header row.
const std::vector<std::string>& recordColumns(RecordTable table);

using config::TransferProgress;

struct RecordExport
{
    std::string text;
    std::size_t rows = 0;
    // Characters the 8-bit form could not hold, written as "?".
    std::size_t lostCharacters = 0;
};

// The live records of `file` (or only the record numbers in `only`, in
// their order) with the header row.
RecordExport exportRecords(LayoutRecordFile& file, RecordTable table, config::TransferFormat format,
                           config::TextForm form, const std::vector<std::uint32_t>* only = nullptr);
// The same, the text handed to `write` a piece at a time (about a megabyte
// each) instead of kept: `text` of the result stays empty.
using ExportWriter = std::function<void(std::string_view piece)>;
RecordExport exportRecords(LayoutRecordFile& file, RecordTable table, config::TransferFormat format,
                           config::TextForm form, const ExportWriter& write,
                           const std::vector<std::uint32_t>* only = nullptr);

// Checks every row of `fileBytes` as the record sheets check their fields
// and marks the rows that repeat an earlier row or (appending) a live
// record. The file is read as UTF-8 when it is valid UTF-8, else as 8-bit
// text. Cancelled through `progress`: false, and the plan is incomplete.
bool planRecordImport(LayoutRecordFile& file, RecordTable table, std::string_view fileBytes,
                      config::TransferFormat format, config::ImportMode mode,
                      config::ImportPlan* plan, const TransferProgress& progress = {},
                      config::KeptRows kept = config::KeptRows::Every);

// The record bytes of an accepted row (`stored` values), framed as the
// gateway reads them.
std::string recordBytes(RecordTable table, const std::vector<std::string>& stored);
void appendRecordBytes(std::string& out, RecordTable table, const std::vector<std::string>& stored);
void appendRecordBytes(std::string& out, RecordTable table,
                       const std::vector<std::string_view>& stored);

// Writes the accepted rows of `plan`: appended behind every record there is
// (deleted ones kept) or replacing them all. The new file is written whole
// to a temporary, synced and renamed over the old one while the data set
// (and so the lock) is held: on any failure the file is unchanged and false
// comes back with the cause in *error. The data set must be acquired.
bool applyRecordImport(DataSet& data, RecordTable table, const config::ImportPlan& plan,
                       config::ImportMode mode, platform::FileError* error,
                       std::size_t* written = nullptr);

} // namespace morva::db

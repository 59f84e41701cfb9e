#pragma once

#include "config/CsvText.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {

// What an import of a list (records or a list setting) would do, row by row,
// before anything is written: the preview shows it, morvactl prints its
// refused rows, and the import writes the rows it accepts.

enum class ImportMode
{
    Append,  // the rows are added behind the entries there are
    Replace, // the rows take the place of every entry
};

enum class TransferFormat
{
    Csv,  // comma-separated values, a header row first
    Tsv,  // tab-separated, backslash escapes, a header row first
    Text, // list settings: one "entry ;comment" per line
};

// How a file's bytes are written: UTF-8, or the 8-bit code page of the
// gateway's files (for spreadsheets that expect it).
enum class TextForm
{
    Utf8,
    EightBit,
};

enum class RowMark
{
    Accepted,
    Refused,        // fails a check: messageId says why
    RepeatedInFile, // the same entry stands on an earlier line of the file
    AlreadyPresent, // the same entry is in the list already (append only)
};

struct ImportRow
{
    std::size_t line = 0;            // 1-based line of the file where the row starts
    std::vector<std::string> fields; // the row as read, UTF-8
    std::vector<std::string>
        stored; // Accepted and repeated rows: the values as the target keeps them
    RowMark mark = RowMark::Accepted;
    std::string_view messageId;         // Refused: the text id of the reason
    std::vector<std::string> arguments; // its %1, %2 ...
    std::size_t column = 0;             // Refused: 0-based column that failed
    // RepeatedInFile: the line of the first; AlreadyPresent: the 1-based
    // position (record number for records) of the entry it repeats.
    std::size_t other = 0;

    // Marks the row refused for `column` with the reason's text id.
    void refuse(std::size_t failedColumn, std::string_view reasonId,
                std::vector<std::string> reasonArguments = {});
};

// Rows of stored values, one after another in one buffer: how a plan that
// does not show its accepted rows keeps them (see KeptRows).
class PackedRows
{
public:
    // Room for about `rows` rows of `values` values and `bytes` bytes in all:
    // a buffer that grows by doubling copies and touches twice the memory.
    void reserve(std::size_t rows, std::size_t values, std::size_t bytes);
    void add(const std::vector<std::string>& values);
    std::size_t size() const { return m_rowEnds.size(); }
    // The values of row `n` (from 0) in column order, into *values.
    void row(std::size_t n, std::vector<std::string_view>* values) const;

private:
    std::string m_bytes;
    std::vector<std::size_t> m_valueEnds; // in m_bytes
    std::vector<std::size_t> m_rowEnds;   // in m_valueEnds
};

struct ImportPlan
{
    std::vector<std::string> columns; // the names the header row carries
    // The rows in file order: every row, or (KeptRows::ReportedOnly) every
    // row but the accepted ones, which are in `accepted`.
    std::vector<ImportRow> rows;
    PackedRows accepted;
    // The file as a whole could not be read (an unclosed quote, ...): no row
    // after `fileErrorLine` is known, so nothing may be imported.
    std::string_view fileErrorId;
    std::size_t fileErrorLine = 0;

    std::size_t count(RowMark mark) const;
    // Whether the import may go on: the file was read, and no row is refused
    // unless refused rows are to be skipped.
    bool importable(bool skipRefused) const;
};

// What a plan keeps of its rows: a preview shows every row; a command that
// reports only the rows it does not import keeps of the accepted ones their
// stored values alone, packed, so that a plan of 100,000s of rows holds a
// few megabytes instead of tens.
enum class KeptRows
{
    Every,
    ReportedOnly,
};

// Called now and then with the work done and the whole; false cancels.
using TransferProgress = std::function<bool(std::size_t done, std::size_t total)>;

// The reason of a refused row (or of a file error) in the language; never
// the row's value, which may be a secret.
std::string importRowMessage(const ImportRow& row, int languageIndex);
std::string importFileMessage(const ImportPlan& plan, int languageIndex);

// One row of a table file as read.
struct TableRow
{
    std::size_t line = 0;
    std::vector<std::string> fields;
};

struct TableRead
{
    std::vector<TableRow> rows;
    std::string_view errorId; // empty: read to the end
    std::size_t errorLine = 0;
};

// Reads CSV (RFC 4180) or TSV (fields split at tabs; \\ \t \n \r escapes)
// from UTF-8 text; blank lines are no rows.
TableRead readTable(std::string_view text, TransferFormat format);

// The same a row at a time: the strings of the row given to next() are
// reused, so a long file is read without an allocation per field.
class TableReader
{
public:
    TableReader(std::string_view text, TransferFormat format);

    // The next row into *row; false at the end of the text or at an error.
    bool next(TableRow* row);

    std::string_view errorId() const; // empty: read to the end
    std::size_t errorLine() const;

private:
    bool nextTsv(TableRow* row);

    bool m_tsv;
    std::string_view m_rest; // TSV: the text not read yet
    std::size_t m_line = 0;  // TSV: the line read last
    CsvReader m_csv;
};

// Whether `fields` is the header row naming `columns` (ASCII case and
// blanks around the names ignored; fewer columns than named are allowed
// when `minimum` of them are there).
bool isHeaderRow(const std::vector<std::string>& fields, const std::vector<std::string>& columns,
                 std::size_t minimum);

// Appends one row in the format (CSV quoted as needed, TSV escaped), CRLF
// ended for CSV and LF for TSV.
void appendTableRow(std::string& out, const std::vector<std::string_view>& fields,
                    TransferFormat format);

// The key two entries count as the same by: ASCII letters in lower case.
std::string sameEntryKey(std::string_view text);

// Whether `text` holds a control character (a record or a line of
// "Morva.ini" cannot hold one: it would break the line).
bool holdsControlCharacter(std::string_view text);

} // namespace morva::config

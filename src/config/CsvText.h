#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {

// Comma-separated values as spreadsheets exchange them: UTF-8 text, the
// first row naming the columns, CRLF after every row. A field that holds
// the separator, a double quote or a line end is written in double quotes
// with its quotes doubled.
using CsvRow = std::vector<std::string>;

// Appends one field, in quotes when it needs them.
void appendCsvField(std::string& out, std::string_view field, char separator = ',');

// Appends one row and its CRLF. A row of a single empty field is written as
// "" so that it does not read back as a blank line.
void appendCsvRow(std::string& out, const CsvRow& row, char separator = ',');

// The header row and the rows, each ended by CRLF.
std::string writeCsv(const CsvRow& header, const std::vector<CsvRow>& rows, char separator = ',');

enum class CsvError
{
    None,
    UnclosedQuote,  // the text ends inside a quoted field
    TextAfterQuote, // a closing quote followed by neither separator nor line end
};

struct CsvRecord
{
    std::size_t line = 0; // 1-based line on which the row starts
    CsvRow fields;
};

struct CsvReadResult
{
    std::vector<CsvRecord> records; // the header row first; those before an error
    CsvError error = CsvError::None;
    std::size_t errorLine = 0; // 1-based line of the error
};

// Reads rows ended by CRLF, LF or CR, the last one with or without its end;
// a leading UTF-8 byte order mark is skipped and blank lines are no rows. A
// quote inside an unquoted field is kept as a character. Reading stops at
// the first error.
CsvReadResult readCsv(std::string_view text, char separator = ',');

// The field after the first `*count` of a row read into the strings of the
// row before: the string in its place emptied (its room kept), or a new one.
inline std::string& reusedField(CsvRow& fields, std::size_t* count)
{
    if (*count == fields.size())
        fields.emplace_back();
    std::string& field = fields[(*count)++];
    field.clear();
    return field;
}

// The same a row at a time: the strings of the row given to next() are
// reused, so a long file is read without an allocation per field.
class CsvReader
{
public:
    explicit CsvReader(std::string_view text, char separator = ',');

    // The next row into *fields and the line it starts on into *line; false
    // at the end of the text or at an error (*fields is then undefined).
    bool next(CsvRow* fields, std::size_t* line);

    CsvError error() const { return m_error; }
    std::size_t errorLine() const { return m_errorLine; }

private:
    bool takeLineEnd();
    bool fail(CsvError error, std::size_t line);

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
    char m_separator;
    std::array<bool, 256> m_endsField{}; // the bytes that end an unquoted field
    CsvError m_error = CsvError::None;
    std::size_t m_errorLine = 0;
};

// Appends `text` as one field of a tab-separated line: backslash, tab and
// line ends written as \\, \t, \n and \r, so a field never splits its line.
void appendTabEscaped(std::string& out, std::string_view text);

} // namespace morva::config

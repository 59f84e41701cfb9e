#include "config/CsvText.h"

#include "config/ByteScan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace morva::config {

namespace {

bool needsQuotes(std::string_view field, char separator)
{
    // A reader would take a leading byte order mark for the file's own.
    return field.starts_with("\xEF\xBB\xBF") || scanBytes(field, separator, '"', '\r', '\n').anyOf;
}

} // namespace

void appendCsvField(std::string& out, std::string_view field, char separator)
{
    if (!needsQuotes(field, separator)) {
        out.append(field);
        return;
    }
    out += '"';
    for (std::size_t at = 0;;) {
        const std::size_t quote = field.find('"', at);
        out.append(field.substr(at, quote - at));
        if (quote == std::string_view::npos)
            break;
        out += "\"\""; // a quote is written twice
        at = quote + 1;
    }
    out += '"';
}

void appendCsvRow(std::string& out, const CsvRow& row, char separator)
{
    if (row.size() == 1 && row.front().empty()) {
        out += "\"\"\r\n";
        return;
    }
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0)
            out += separator;
        appendCsvField(out, row[i], separator);
    }
    out += "\r\n";
}

std::string writeCsv(const CsvRow& header, const std::vector<CsvRow>& rows, char separator)
{
    std::string out;
    appendCsvRow(out, header, separator);
    for (const CsvRow& row : rows)
        appendCsvRow(out, row, separator);
    return out;
}

CsvReadResult readCsv(std::string_view text, char separator)
{
    CsvReadResult result;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    // A row per line, mostly: no regrowth of the rows of a long file.
    result.records.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                           1);
    std::size_t line = 1;
    std::size_t i = 0;
    const std::size_t size = text.size();
    // Consumes a line end at `i` (CRLF, LF or CR); false when there is none.
    auto takeLineEnd = [&]() {
        if (i < size && text[i] == '\r') {
            ++i;
            if (i < size && text[i] == '\n')
                ++i;
        } else if (i < size && text[i] == '\n') {
            ++i;
        } else {
            return false;
        }
        ++line;
        return true;
    };

    // The bytes that end an unquoted field, by byte.
    std::array<bool, 256> endsField{};
    endsField[static_cast<unsigned char>(separator)] = true;
    endsField['\r'] = true;
    endsField['\n'] = true;
    // Rows of a file mostly have as many fields as the one before.
    std::size_t fieldsBefore = 0;
    while (i < size) {
        if (takeLineEnd())
            continue; // a blank line
        CsvRecord record;
        record.line = line;
        record.fields.reserve(fieldsBefore);
        while (true) {
            std::string field;
            if (text[i] == '"') {
                const std::size_t quoteLine = line;
                ++i;
                while (true) {
                    const std::size_t quote = text.find('"', i);
                    if (quote == std::string_view::npos) {
                        result.error = CsvError::UnclosedQuote;
                        result.errorLine = quoteLine;
                        return result;
                    }
                    for (std::size_t k = i; k < quote; ++k) {
                        const char c = text[k];
                        if (c == '\n' || (c == '\r' && text[k + 1] != '\n'))
                            ++line;
                    }
                    field.append(text.substr(i, quote - i));
                    i = quote + 1;
                    if (i < size && text[i] == '"') { // a doubled quote stands for one
                        field += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (i < size && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
                    result.error = CsvError::TextAfterQuote;
                    result.errorLine = line;
                    return result;
                }
            } else {
                std::size_t stop = i;
                while (stop < size && !endsField[static_cast<unsigned char>(text[stop])])
                    ++stop;
                field.assign(text.substr(i, stop - i));
                i = stop;
            }
            record.fields.push_back(std::move(field));
            if (i < size && text[i] == separator) {
                ++i;
                if (i == size) { // a separator right before the end: one more empty field
                    record.fields.emplace_back();
                    break;
                }
                continue;
            }
            break;
        }
        fieldsBefore = record.fields.size();
        result.records.push_back(std::move(record));
        takeLineEnd();
    }
    return result;
}

void appendTabEscaped(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
}

} // namespace morva::config

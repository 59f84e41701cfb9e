#include "config/CsvText.h"

namespace morva::config {

namespace {

bool needsQuotes(std::string_view field, char separator)
{
    // A reader would take a leading byte order mark for the file's own.
    if (field.starts_with("\xEF\xBB\xBF"))
        return true;
    for (const char c : field) {
        if (c == separator || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

void appendField(std::string& out, std::string_view field, char separator)
{
    if (!needsQuotes(field, separator)) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

void appendCsvRow(std::string& out, const CsvRow& row, char separator)
{
    if (row.size() == 1 && row.front().empty()) {
        out += "\"\"\r\n";
        return;
    }
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0)
            out += separator;
        appendField(out, row[i], separator);
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

    while (i < size) {
        if (takeLineEnd())
            continue; // a blank line
        CsvRecord record;
        record.line = line;
        while (true) {
            std::string field;
            if (text[i] == '"') {
                const std::size_t quoteLine = line;
                ++i;
                while (true) {
                    if (i == size) {
                        result.error = CsvError::UnclosedQuote;
                        result.errorLine = quoteLine;
                        return result;
                    }
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < size && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (i == size || text[i] != '\n')))
                        ++line;
                    field += c;
                }
                if (i < size && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
                    result.error = CsvError::TextAfterQuote;
                    result.errorLine = line;
                    return result;
                }
            } else {
                const std::size_t end = text.find_first_of(std::string{separator, '\r', '\n'}, i);
                const std::size_t stop = end == std::string_view::npos ? size : end;
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

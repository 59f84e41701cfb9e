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
    // A row per line, mostly: no regrowth of the rows of a long file.
    result.records.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                           1);
    CsvReader reader(text, separator);
    for (CsvRecord record; reader.next(&record.fields, &record.line); record = {})
        result.records.push_back(std::move(record));
    result.error = reader.error();
    result.errorLine = reader.errorLine();
    return result;
}

CsvReader::CsvReader(std::string_view text, char separator) : m_text(text), m_separator(separator)
{
    if (m_text.starts_with("\xEF\xBB\xBF"))
        m_text.remove_prefix(3);
    m_endsField[static_cast<unsigned char>(separator)] = true;
    m_endsField['\r'] = true;
    m_endsField['\n'] = true;
}

// Consumes a line end (CRLF, LF or CR); false when there is none.
bool CsvReader::takeLineEnd()
{
    const std::size_t size = m_text.size();
    if (m_at < size && m_text[m_at] == '\r') {
        ++m_at;
        if (m_at < size && m_text[m_at] == '\n')
            ++m_at;
    } else if (m_at < size && m_text[m_at] == '\n') {
        ++m_at;
    } else {
        return false;
    }
    ++m_line;
    return true;
}

bool CsvReader::fail(CsvError error, std::size_t line)
{
    m_error = error;
    m_errorLine = line;
    m_at = m_text.size();
    return false;
}

bool CsvReader::next(CsvRow* fields, std::size_t* line)
{
    const std::string_view text = m_text;
    const std::size_t size = text.size();
    while (takeLineEnd()) {
        // blank lines
    }
    if (m_at >= size)
        return false;
    *line = m_line;
    std::size_t count = 0;
    std::size_t& i = m_at;
    while (true) {
        std::string& field = reusedField(*fields, &count);
        if (text[i] == '"') {
            const std::size_t quoteLine = m_line;
            ++i;
            while (true) {
                const std::size_t quote = text.find('"', i);
                if (quote == std::string_view::npos)
                    return fail(CsvError::UnclosedQuote, quoteLine);
                for (std::size_t k = i; k < quote; ++k) {
                    const char c = text[k];
                    if (c == '\n' || (c == '\r' && text[k + 1] != '\n'))
                        ++m_line;
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
            if (i < size && text[i] != m_separator && text[i] != '\r' && text[i] != '\n')
                return fail(CsvError::TextAfterQuote, m_line);
        } else {
            std::size_t stop = i;
            while (stop < size && !m_endsField[static_cast<unsigned char>(text[stop])])
                ++stop;
            field.assign(text.substr(i, stop - i));
            i = stop;
        }
        if (i < size && text[i] == m_separator) {
            ++i;
            if (i == size) { // a separator right before the end: one more empty field
                reusedField(*fields, &count);
                break;
            }
            continue;
        }
        break;
    }
    fields->resize(count);
    takeLineEnd();
    return true;
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

#include "config/ImportPlan.h"

#include "config/CsvText.h"
#include "resources/Texts.h"

#include <algorithm>

namespace morva::config {

void ImportRow::refuse(std::size_t failedColumn, std::string_view reasonId,
                       std::vector<std::string> reasonArguments)
{
    mark = RowMark::Refused;
    column = failedColumn;
    messageId = reasonId;
    arguments = std::move(reasonArguments);
    stored.clear();
}

void PackedRows::reserve(std::size_t rows, std::size_t values, std::size_t bytes)
{
    m_bytes.reserve(bytes);
    m_valueEnds.reserve(rows * values);
    m_rowEnds.reserve(rows);
}

void PackedRows::add(const std::vector<std::string>& values)
{
    for (const std::string& value : values) {
        m_bytes += value;
        m_valueEnds.push_back(m_bytes.size());
    }
    m_rowEnds.push_back(m_valueEnds.size());
}

void PackedRows::row(std::size_t n, std::vector<std::string_view>* values) const
{
    values->clear();
    std::size_t value = n == 0 ? 0 : m_rowEnds[n - 1];
    std::size_t begin = value == 0 ? 0 : m_valueEnds[value - 1];
    for (; value < m_rowEnds[n]; ++value) {
        values->push_back(std::string_view(m_bytes).substr(begin, m_valueEnds[value] - begin));
        begin = m_valueEnds[value];
    }
}

std::size_t ImportPlan::count(RowMark mark) const
{
    return static_cast<std::size_t>(
               std::count_if(rows.begin(), rows.end(),
                             [mark](const ImportRow& row) { return row.mark == mark; })) +
           (mark == RowMark::Accepted ? accepted.size() : 0);
}

bool ImportPlan::importable(bool skipRefused) const
{
    return fileErrorId.empty() && (skipRefused || count(RowMark::Refused) == 0);
}

std::string importRowMessage(const ImportRow& row, int languageIndex)
{
    switch (row.mark) {
    case RowMark::Accepted:
        return {};
    case RowMark::RepeatedInFile:
        return formatText(text("import.repeatedInFile", languageIndex),
                          {std::to_string(row.other)});
    case RowMark::AlreadyPresent:
        return formatText(text("import.alreadyPresent", languageIndex),
                          {std::to_string(row.other)});
    case RowMark::Refused:
        break;
    }
    std::string message(text(row.messageId, languageIndex));
    // The address checks carry the line with the expected format.
    if (row.messageId == "db.invalidAddress") {
        message += ' ';
        message += text("db.formatIs", languageIndex);
        message += "user@domain.com";
    } else if (row.messageId == "confui.invalidEmail") {
        message += ' ';
        message += text("confui.emailFormat", languageIndex);
        message += text("confui.emailSample", languageIndex);
    }
    switch (row.arguments.size()) {
    case 0:
        return message;
    case 1:
        return formatText(message, {row.arguments[0]});
    default:
        return formatText(message, {row.arguments[0], row.arguments[1]});
    }
}

std::string importFileMessage(const ImportPlan& plan, int languageIndex)
{
    if (plan.fileErrorId.empty())
        return {};
    return formatText(text(plan.fileErrorId, languageIndex), {std::to_string(plan.fileErrorLine)});
}

namespace {

// Appends the field of a tab-separated line with its escapes undone.
void appendUnescaped(std::string& out, std::string_view field)
{
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        switch (field[++i]) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default: // not an escape: kept as it stands
            out += '\\';
            out += field[i];
        }
    }
}

std::string trimmedLower(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    const std::size_t end = text.find_last_not_of(" \t");
    return sameEntryKey(text.substr(begin, end - begin + 1));
}

} // namespace

TableReader::TableReader(std::string_view text, TransferFormat format)
    : m_tsv(format == TransferFormat::Tsv), m_rest(text), m_csv(m_tsv ? std::string_view() : text)
{
    if (m_tsv && m_rest.starts_with("\xEF\xBB\xBF"))
        m_rest.remove_prefix(3);
}

bool TableReader::next(TableRow* row)
{
    if (m_tsv)
        return nextTsv(row);
    return m_csv.next(&row->fields, &row->line);
}

bool TableReader::nextTsv(TableRow* row)
{
    while (!m_rest.empty()) {
        ++m_line;
        const std::size_t end = m_rest.find('\n');
        std::string_view line = m_rest.substr(0, end);
        m_rest = end == std::string_view::npos ? std::string_view() : m_rest.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        row->line = m_line;
        std::size_t count = 0;
        while (true) {
            std::string& field = reusedField(row->fields, &count);
            const std::size_t tab = line.find('\t');
            appendUnescaped(field, line.substr(0, tab));
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
        row->fields.resize(count);
        return true;
    }
    return false;
}

std::string_view TableReader::errorId() const
{
    switch (m_csv.error()) {
    case CsvError::None:
        break;
    case CsvError::UnclosedQuote:
        return "import.unclosedQuote";
    case CsvError::TextAfterQuote:
        return "import.textAfterQuote";
    }
    return {};
}

std::size_t TableReader::errorLine() const
{
    return m_csv.errorLine();
}

TableRead readTable(std::string_view text, TransferFormat format)
{
    TableRead read;
    TableReader reader(text, format);
    for (TableRow row; reader.next(&row); row = {})
        read.rows.push_back(std::move(row));
    read.errorId = reader.errorId();
    read.errorLine = reader.errorLine();
    return read;
}

bool isHeaderRow(const std::vector<std::string>& fields, const std::vector<std::string>& columns,
                 std::size_t minimum)
{
    if (fields.size() < minimum || fields.size() > columns.size())
        return false;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (trimmedLower(fields[i]) != sameEntryKey(columns[i]))
            return false;
    return true;
}

void appendTableRow(std::string& out, const std::vector<std::string_view>& fields,
                    TransferFormat format)
{
    if (format == TransferFormat::Tsv) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += '\t';
            appendTabEscaped(out, fields[i]);
        }
        out += '\n';
        return;
    }
    CsvRow row(fields.begin(), fields.end());
    appendCsvRow(out, row);
}

std::string sameEntryKey(std::string_view text)
{
    std::string key(text);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

bool holdsControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

} // namespace morva::config

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

std::size_t ImportPlan::count(RowMark mark) const
{
    return static_cast<std::size_t>(std::count_if(
        rows.begin(), rows.end(), [mark](const ImportRow& row) { return row.mark == mark; }));
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

std::string unescapeTab(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
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
    return out;
}

TableRead readTsv(std::string_view text)
{
    TableRead read;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::size_t line = 0;
    while (!text.empty()) {
        ++line;
        const std::size_t end = text.find('\n');
        std::string_view row = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (row.ends_with('\r'))
            row.remove_suffix(1);
        if (row.empty())
            continue;
        TableRow parsed;
        parsed.line = line;
        while (true) {
            const std::size_t tab = row.find('\t');
            parsed.fields.push_back(unescapeTab(row.substr(0, tab)));
            if (tab == std::string_view::npos)
                break;
            row.remove_prefix(tab + 1);
        }
        read.rows.push_back(std::move(parsed));
    }
    return read;
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

TableRead readTable(std::string_view text, TransferFormat format)
{
    if (format == TransferFormat::Tsv)
        return readTsv(text);
    CsvReadResult csv = readCsv(text);
    TableRead read;
    read.rows.reserve(csv.records.size());
    for (CsvRecord& record : csv.records)
        read.rows.push_back({record.line, std::move(record.fields)});
    switch (csv.error) {
    case CsvError::None:
        break;
    case CsvError::UnclosedQuote:
        read.errorId = "import.unclosedQuote";
        break;
    case CsvError::TextAfterQuote:
        read.errorId = "import.textAfterQuote";
        break;
    }
    read.errorLine = csv.errorLine;
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

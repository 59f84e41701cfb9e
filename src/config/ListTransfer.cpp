#include "config/ListTransfer.h"

#include "config/ConfigLine.h"
#include "config/ConfigStore.h"
#include "config/EightBitText.h"
#include "config/FieldSyntax.h"

#include <unordered_map>

namespace morva::config {

namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool beyondBasicPlane(std::string_view utf8)
{
    for (const char c : utf8)
        if (static_cast<unsigned char>(c) >= 0xF0)
            return true;
    return false;
}

// The row's fields of a plain text line: the entry and, where the key keeps
// them, the comment after the first ";" (an entry holding ";" in quotes).
std::vector<std::string> textLineFields(std::string_view line, bool keepsComments)
{
    const std::string prefixed = "k=" + std::string(trimmed(line));
    const ConfigLine parsed = parseConfigLine(prefixed, keepsComments);
    std::string_view entry = parsed.value;
    if (keepsComments && entry.size() >= 2 && entry.front() == '"' && entry.back() == '"' &&
        entry.find(';') != std::string_view::npos)
        entry = entry.substr(1, entry.size() - 2);
    return {std::string(entry), std::string(trimmed(parsed.comment))};
}

void checkRow(const ListTarget& target, ImportRow& row)
{
    const std::size_t columns = target.keepsComments ? 2 : 1;
    while (row.fields.size() > columns && trimmed(row.fields.back()).empty())
        row.fields.pop_back();
    if (row.fields.size() == 2 && !target.keepsComments)
        return row.refuse(1, "import.noComments");
    if (row.fields.empty() || row.fields.size() > columns)
        return row.refuse(0, "import.columnCount",
                          {std::to_string(row.fields.size()), std::to_string(columns)});
    row.fields.resize(columns);
    const std::string_view entryText = trimmed(row.fields[0]);
    if (holdsControlCharacter(entryText))
        return row.refuse(0, "import.controlCharacter");
    if (holdsControlCharacter(row.fields.back()) && columns == 2)
        return row.refuse(1, "import.controlCharacter");
    std::string entry;
    if (target.utf8) {
        if (beyondBasicPlane(entryText))
            return row.refuse(0, "import.notStorable");
        entry.assign(entryText);
    } else if (!utf8ToEightBit(entryText, &entry)) {
        return row.refuse(0, "import.notStorable");
    }
    std::string comment;
    if (columns == 2 && !utf8ToEightBit(trimmed(row.fields[1]), &comment))
        return row.refuse(1, "import.notStorable");
    if (target.networks)
        if (auto network = normalizeIpEntry(entry))
            entry = *network;
    entry = normalizedValue(entry, target.flags);
    ValueCheck check = checkListValue(target.key, {entry});
    if (check.ok() && target.entryCheck)
        check = target.entryCheck(entry);
    if (!check.ok())
        return row.refuse(0, check.messageId, std::move(check.arguments));
    row.stored = {std::move(entry), std::move(comment)};
}

void appendTextLine(std::string& out, std::string_view entry, std::string_view comment,
                    bool keepsComments)
{
    const bool quote = keepsComments && entry.find(';') != std::string_view::npos;
    if (quote)
        out += '"';
    out += entry;
    if (quote)
        out += '"';
    if (keepsComments && !comment.empty()) {
        out += " ;";
        out += comment;
    }
    out += "\r\n";
}

} // namespace

std::optional<ListTarget> listTarget(const ConfigStore& store, std::string_view key)
{
    const auto entry = store.find(key);
    if (!entry || !isListKind(entry->kind))
        return std::nullopt;
    ListTarget target;
    target.key = std::string(key);
    target.flags = entry->flags;
    target.keepsComments = (entry->flags & ValueFlag::NoComment) == 0;
    target.utf8 = entry->kind == ValueKind::TextList;
    const auto rule = valueRule(key);
    target.networks =
        entry->kind == ValueKind::NetList || (rule && rule->check == TextCheck::IpNetwork);
    return target;
}

const std::vector<std::string>& listColumns(bool keepsComments)
{
    static const std::vector<std::string> kWithComments{"entry", "comment"};
    static const std::vector<std::string> kEntryOnly{"entry"};
    return keepsComments ? kWithComments : kEntryOnly;
}

ListExport exportList(const ListTarget& target, const std::vector<std::string>& values,
                      const std::vector<std::string>& comments, TransferFormat format,
                      TextForm form, const std::vector<std::size_t>* only)
{
    ListExport result;
    const auto& columns = listColumns(target.keepsComments);
    if (format != TransferFormat::Text)
        appendTableRow(result.text, {columns.begin(), columns.end()}, format);
    auto inForm = [&](const std::string& bytes, bool utf8) {
        if (form == TextForm::Utf8)
            return utf8 ? bytes : eightBitToUtf8(bytes);
        if (!utf8 || !isWellFormedUtf8(bytes))
            return bytes;
        std::string eightBit;
        result.lostCharacters += utf8ToEightBitLossy(bytes, &eightBit);
        return eightBit;
    };
    auto exportOne = [&](std::size_t i) {
        if (i >= values.size())
            return;
        const std::string entry = inForm(values[i], target.utf8);
        const std::string comment =
            target.keepsComments && i < comments.size() ? inForm(comments[i], false) : "";
        if (format == TransferFormat::Text)
            appendTextLine(result.text, entry, comment, target.keepsComments);
        else if (target.keepsComments)
            appendTableRow(result.text, {entry, comment}, format);
        else
            appendTableRow(result.text, {entry}, format);
        ++result.rows;
    };
    if (only) {
        for (std::size_t i : *only)
            exportOne(i);
    } else {
        for (std::size_t i = 0; i < values.size(); ++i)
            exportOne(i);
    }
    return result;
}

bool planListImport(const ListTarget& target, std::string_view fileBytes, TransferFormat format,
                    ImportMode mode, const std::vector<std::string>& existing, ImportPlan* plan,
                    const TransferProgress& progress)
{
    *plan = ImportPlan{};
    plan->columns = listColumns(target.keepsComments);
    const std::string text = fileTextAsUtf8(fileBytes);
    TableRead read;
    if (format == TransferFormat::Text) {
        std::size_t line = 0;
        for (std::string_view rest = text; !rest.empty();) {
            ++line;
            const std::size_t end = rest.find('\n');
            std::string_view current = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            if (current.ends_with('\r'))
                current.remove_suffix(1);
            if (trimmed(current).empty())
                continue;
            read.rows.push_back({line, textLineFields(current, target.keepsComments)});
        }
    } else {
        read = readTable(text, format);
        if (!read.rows.empty() && isHeaderRow(read.rows[0].fields, plan->columns, 1))
            read.rows.erase(read.rows.begin());
    }
    plan->fileErrorId = read.errorId;
    plan->fileErrorLine = read.errorLine;

    std::unordered_map<std::string, std::size_t> present;
    if (mode == ImportMode::Append)
        for (std::size_t i = 0; i < existing.size(); ++i)
            present.emplace(sameEntryKey(existing[i]), i + 1);
    std::unordered_map<std::string, std::size_t> seen;
    plan->rows.reserve(read.rows.size());
    for (std::size_t i = 0; i < read.rows.size(); ++i) {
        if (progress && i % 4096 == 0 && !progress(i, read.rows.size()))
            return false;
        ImportRow row;
        row.line = read.rows[i].line;
        row.fields = std::move(read.rows[i].fields);
        checkRow(target, row);
        if (row.mark == RowMark::Accepted) {
            const std::string key = sameEntryKey(row.stored[0]);
            if (const auto found = present.find(key); found != present.end()) {
                row.mark = RowMark::AlreadyPresent;
                row.other = found->second;
            } else if (const auto [at, fresh] = seen.emplace(key, row.line); !fresh) {
                row.mark = RowMark::RepeatedInFile;
                row.other = at->second;
            }
        }
        plan->rows.push_back(std::move(row));
    }
    return true;
}

void applyListImport(const ImportPlan& plan, ImportMode mode, std::vector<std::string>* values,
                     std::vector<std::string>* comments)
{
    if (mode == ImportMode::Replace) {
        values->clear();
        comments->clear();
    }
    comments->resize(values->size());
    for (const ImportRow& row : plan.rows) {
        if (row.mark != RowMark::Accepted)
            continue;
        values->push_back(row.stored[0]);
        comments->push_back(row.stored[1]);
    }
}

} // namespace morva::config

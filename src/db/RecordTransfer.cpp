#include "db/RecordTransfer.h"

#include "config/ByteScan.h"
#include "config/CsvText.h"
#include "config/EightBitText.h"
#include "config/KeyIndex.h"
#include "config/ValueRules.h"
#include "db/DataAliaFile.h"
#include "db/DataBlocFile.h"
#include "db/DataSet.h"
#include "db/DataUserFile.h"
#include "db/RecordFieldChecks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <utility>

namespace morva::db {

using config::ImportMode;
using config::ImportPlan;
using config::ImportRow;
using config::RowMark;
using config::TextForm;
using config::TransferFormat;

namespace {

// The fields of each table in column order.
std::span<const Field* const> fieldsOf(RecordTable table)
{
    static const Field* const kAlias[] = {&alias::kForwardAddress, &alias::kTargetAddress,
                                          &alias::kDeliverAfterForwarding};
    static const Field* const kBlock[] = {&block::kType, &block::kValue};
    static const Field* const kUser[] = {&user::kAddress, &user::kName};
    switch (table) {
    case RecordTable::Alias:
        return kAlias;
    case RecordTable::Block:
        return kBlock;
    case RecordTable::User:
        break;
    }
    return kUser;
}

// How many columns a row may leave out at its end (the deliver flag).
std::size_t minimumColumns(RecordTable)
{
    return 2;
}

std::string_view stripped(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// A row's flag as spreadsheets write it.
bool parseFlag(std::string_view text, bool* value)
{
    const std::string word = config::sameEntryKey(stripped(text));
    if (word.empty() || word == "0" || word == "no" || word == "false") {
        *value = false;
        return true;
    }
    if (word == "1" || word == "yes" || word == "true" || word == "*") {
        *value = true;
        return true;
    }
    return false;
}

void refuseField(ImportRow& row, std::size_t column, const FieldCheck& check)
{
    std::vector<std::string> arguments;
    if (check.messageId == "db.tooLong")
        arguments.push_back(std::to_string(check.limit));
    row.refuse(column, check.messageId, std::move(arguments));
}

using RowFields = std::vector<std::string>;

// The 8-bit bytes of text column `column`; false (row refused) when a
// character cannot be stored.
bool storedText(ImportRow& row, const RowFields& fields, std::size_t column, std::string* bytes)
{
    if (config::utf8ToEightBit(fields[column], bytes))
        return true;
    row.refuse(column, "import.notStorable");
    return false;
}

// Fills row.stored from `fields` (the row as read, its empty cells at the end
// taken off), or refuses the row.
void checkRow(RecordTable table, RowFields& fields, ImportRow& row)
{
    const std::size_t expected = fieldsOf(table).size();
    // Spreadsheets leave empty cells at the end of a row.
    while (fields.size() > expected && stripped(fields.back()).empty())
        fields.pop_back();
    if (fields.size() < minimumColumns(table) || fields.size() > expected) {
        row.refuse(0, "import.columnCount",
                   {std::to_string(fields.size()), std::to_string(expected)});
        return;
    }
    // Every value is assigned below: the strings of a reused row keep their room.
    row.stored.resize(expected);
    std::vector<std::string>& stored = row.stored;
    switch (table) {
    case RecordTable::Alias: {
        for (std::size_t column = 0; column < 2; ++column) {
            if (!storedText(row, fields, column, &stored[column]))
                return;
            if (const FieldCheck check = checkAddressValue(stored[column]); !check.ok())
                return refuseField(row, column, check);
        }
        bool deliver = false;
        if (fields.size() > 2 && !parseFlag(fields[2], &deliver))
            return row.refuse(2, "import.badFlag");
        row.stored[2].assign(1, deliver ? '1' : '0');
        return;
    }
    case RecordTable::Block: {
        // The gateway also knows type 3 (a sender's domain), which the sheet
        // does not offer: a list exported with such records reads back.
        const auto type = config::parseNumberField(fields[0]);
        if (!type || *type < 0 || *type > 3)
            return row.refuse(0, "db.badBlockType");
        stored[0] = std::to_string(*type);
        if (!storedText(row, fields, 1, &stored[1]))
            return;
        if (const FieldCheck check = checkTextValue(stored[1], kAddressFieldLimit); !check.ok())
            return refuseField(row, 1, check);
        return;
    }
    case RecordTable::User:
        if (!storedText(row, fields, 0, &stored[0]))
            return;
        if (const FieldCheck check = checkAddressValue(stored[0]); !check.ok())
            return refuseField(row, 0, check);
        if (!storedText(row, fields, 1, &stored[1]))
            return;
        if (const FieldCheck check = checkTextValue(stored[1], kUserNameLimit); !check.ok())
            return refuseField(row, 1, check);
        return;
    }
}

// The key two records count as the same by: every column, letters in any
// case. Written into *key, whose buffer is reused from row to row.
template <typename Values> const std::string& sameRecordKey(const Values& values, std::string* key)
{
    key->clear();
    for (std::string_view value : values) {
        const std::size_t at = key->size();
        key->append(value);
        for (char& c : std::span(key->data() + at, value.size()))
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        key->push_back('\t');
    }
    return *key;
}

// The values of the current record in column order (a flag as "1" or "0",
// a number in decimal in *number).
struct RowValues
{
    std::array<std::string_view, 3> values;
    std::size_t count = 0;
    std::span<const std::string_view> view() const { return {values.data(), count}; }
};

RowValues currentValues(const LayoutRecordFile& file, RecordTable table, std::string* number)
{
    RowValues row;
    for (const Field* field : fieldsOf(table)) {
        std::string_view view;
        if (field->kind == FieldKind::Flag) {
            view = file.flagField(field->offset) ? "1" : "0";
        } else if (field->kind == FieldKind::Number) {
            *number = std::to_string(file.numberField(field->offset, field->width));
            view = *number;
        } else {
            view = file.textView(field->offset, field->width);
        }
        row.values[row.count++] = view;
    }
    return row;
}

void appendRow(std::string& out, std::span<const std::string_view> fields, TransferFormat format)
{
    if (format == TransferFormat::Tsv) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += '\t';
            config::appendTabEscaped(out, fields[i]);
        }
        out += '\n';
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        config::appendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

// Room for the longest row whose fields need neither quotes nor conversion:
// texts at their full width, numbers of up to 20 characters, flags, the
// separators and the line end.
std::size_t longestPlainRow(std::span<const Field* const> fields)
{
    std::size_t room = 2;
    for (const Field* field : fields)
        room += 1 + (field->kind == FieldKind::Text     ? field->width
                     : field->kind == FieldKind::Number ? 20u
                                                        : 1u);
    return room;
}

// Collects rows in a buffer of about a mebibyte and hands it to `sink` when
// full. Each row first gets room for the longest plain row, so the usual
// field is one copy; a field that needs quotes or conversion makes room for
// itself.
class RowWriter
{
public:
    static constexpr std::size_t kPieceBytes = std::size_t(1) << 20;
    using Sink = std::function<void(std::string_view)>;

    RowWriter(std::size_t room, Sink sink)
        : m_room(room), m_sink(std::move(sink)), m_buffer(kPieceBytes + room)
    {
    }
    void begin()
    {
        if (m_at + m_room > m_buffer.size())
            flush();
    }
    void put(char c) { m_buffer[m_at++] = c; }
    void put(std::string_view text)
    {
        std::memcpy(m_buffer.data() + m_at, text.data(), text.size());
        m_at += text.size();
    }
    // Text beyond the row's room.
    void putMore(std::string_view text)
    {
        if (m_at + text.size() + m_room > m_buffer.size())
            m_buffer.resize(m_at + text.size() + m_room);
        put(text);
    }
    void putNumber(std::int64_t value)
    {
        char* const at = m_buffer.data() + m_at;
        m_at += static_cast<std::size_t>(std::to_chars(at, at + 20, value).ptr - at);
    }
    void end()
    {
        if (m_at >= kPieceBytes)
            flush();
    }
    void flush()
    {
        if (m_at > 0)
            m_sink(std::string_view(m_buffer.data(), m_at));
        m_at = 0;
    }

private:
    std::size_t m_room;
    Sink m_sink;
    std::vector<char> m_buffer;
    std::size_t m_at = 0;
};

} // namespace

bool parseRecordTable(std::string_view word, RecordTable* table)
{
    if (word == "alias")
        *table = RecordTable::Alias;
    else if (word == "block")
        *table = RecordTable::Block;
    else if (word == "user")
        *table = RecordTable::User;
    else
        return false;
    return true;
}

const RecordLayout& recordLayout(RecordTable table)
{
    switch (table) {
    case RecordTable::Alias:
        return kAliaLayout;
    case RecordTable::Block:
        return kBlocLayout;
    case RecordTable::User:
        break;
    }
    return kUserLayout;
}

LayoutRecordFile* recordFile(const DataSet& data, RecordTable table)
{
    switch (table) {
    case RecordTable::Alias:
        return data.aliaFile();
    case RecordTable::Block:
        return data.blocFile();
    case RecordTable::User:
        break;
    }
    return data.userFile();
}

const std::vector<std::string>& recordColumns(RecordTable table)
{
    static const std::vector<std::string> kAlias{"forward address", "target address", "deliver"};
    static const std::vector<std::string> kBlock{"type", "value"};
    static const std::vector<std::string> kUser{"e-mail address", "name"};
    switch (table) {
    case RecordTable::Alias:
        return kAlias;
    case RecordTable::Block:
        return kBlock;
    case RecordTable::User:
        break;
    }
    return kUser;
}

RecordExport exportRecords(LayoutRecordFile& file, RecordTable table, TransferFormat format,
                           TextForm form, const std::vector<std::uint32_t>* only)
{
    return exportRecords(file, table, format, form, nullptr, only);
}

RecordExport exportRecords(LayoutRecordFile& file, RecordTable table, TransferFormat format,
                           TextForm form, const ExportWriter& write,
                           const std::vector<std::uint32_t>* only)
{
    RecordExport result;
    const std::span<const Field* const> fields = fieldsOf(table);
    // Given a writer, the text goes out in pieces of about a mebibyte.
    if (!write)
        result.text.reserve(std::size_t(file.recordCount()) * 64);
    RowWriter row(longestPlainRow(fields), [&](std::string_view piece) {
        if (write)
            write(piece);
        else
            result.text.append(piece);
    });
    std::string special; // a field that needs quotes, escapes or conversion
    const auto& columns = recordColumns(table);
    const std::vector<std::string_view> names(columns.begin(), columns.end());
    appendRow(special, names, format);
    row.putMore(special);

    std::string converted;
    const bool tsv = format == TransferFormat::Tsv;
    const char separator = tsv ? '\t' : ',';
    const config::ByteScanner scanner = tsv ? config::ByteScanner('\t', '\\', '\r', '\n')
                                            : config::ByteScanner(',', '"', '\r', '\n');
    auto exportCurrent = [&] {
        row.begin();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const Field& field = *fields[i];
            if (i > 0)
                row.put(separator);
            // Flags and numbers are digits: nothing to quote or convert.
            if (field.kind == FieldKind::Flag) {
                row.put(file.flagField(field.offset) ? '1' : '0');
                continue;
            }
            if (field.kind == FieldKind::Number) {
                row.putNumber(file.numberField(field.offset, field.width));
                continue;
            }
            std::string_view value = file.textView(field.offset, field.width);
            // One pass tells the usual text (plain ASCII, nothing to quote
            // or escape), which is copied as it is.
            const config::ByteScan scan = scanner.scan(value);
            if (!scan.highBytes && !scan.anyOf) {
                row.put(value);
                continue;
            }
            if (scan.highBytes) {
                if (form == TextForm::Utf8) {
                    converted = config::eightBitToUtf8(value);
                    value = converted;
                } else if (config::isWellFormedUtf8(value)) {
                    // Bytes written as UTF-8 by another program: their text in 8 bits.
                    result.lostCharacters += config::utf8ToEightBitLossy(value, &converted);
                    value = converted;
                }
            }
            special.clear();
            if (tsv)
                config::appendTabEscaped(special, value);
            else
                config::appendCsvField(special, value);
            row.putMore(special);
        }
        if (!tsv)
            row.put('\r');
        row.put('\n');
        row.end();
        ++result.rows;
    };
    // A walk over every record reads from a view of the file, or in blocks
    // of about a mebibyte, not in the console's small blocks.
    file.beginWalk();
    if (only) {
        for (std::uint32_t n : *only)
            if (file.goTo(n) && !file.isDeleted())
                exportCurrent();
    } else {
        for (bool found = file.goTo(1); found; found = file.goTo(file.currentRecord() + 1))
            if (!file.isDeleted())
                exportCurrent();
    }
    file.endWalk();
    row.flush();
    return result;
}

bool planRecordImport(LayoutRecordFile& file, RecordTable table, std::string_view fileBytes,
                      TransferFormat format, ImportMode mode, ImportPlan* plan,
                      const TransferProgress& progress, config::KeptRows kept)
{
    *plan = ImportPlan{};
    plan->columns = recordColumns(table);
    std::string converted;
    const std::string_view text = config::fileTextAsUtf8(fileBytes, &converted);
    // Rows are counted by lines: a row per line, mostly.
    const std::size_t lines =
        static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;

    std::string key;
    config::KeyIndex present;
    if (mode == ImportMode::Append) {
        std::string number;
        for (bool found = file.goTo(1); found; found = file.goTo(file.currentRecord() + 1))
            if (!file.isDeleted())
                present.tryAdd(sameRecordKey(currentValues(file, table, &number).view(), &key),
                               file.currentRecord());
    }
    config::KeyIndex seen(lines, text.size());
    const bool everyRow = kept == config::KeptRows::Every;
    if (everyRow)
        plan->rows.reserve(lines);
    else // the stored values take about as many bytes as the text
        plan->accepted.reserve(lines, fieldsOf(table).size(), text.size());
    config::TableReader reader(text, format);
    // Rows are read and checked in two sets of strings in turn, reused from
    // row to row. An accepted row's repeat check waits for the next row's
    // check, so that the slots its key needs are fetched meanwhile; until
    // then the row stays in its set, in case it is a repeat whose fields
    // are kept.
    std::array<config::TableRow, 2> read;
    std::array<ImportRow, 2> checked;
    std::array<std::string, 2> keys;
    std::size_t at = 0;
    struct Waiting
    {
        std::size_t set;
        std::uint64_t hash;
        std::size_t index; // in plan->rows, when every row is kept
    };
    std::optional<Waiting> waiting;
    const auto checkRepeat = [&](const Waiting& w) {
        ImportRow& row = everyRow ? plan->rows[w.index] : checked[w.set];
        if (const std::size_t* record = present.find(keys[w.set], w.hash)) {
            row.mark = RowMark::AlreadyPresent;
            row.other = *record;
        } else if (const auto [earlier, fresh] = seen.tryAdd(keys[w.set], w.hash, row.line);
                   !fresh) {
            row.mark = RowMark::RepeatedInFile;
            row.other = earlier;
        }
        if (everyRow)
            return;
        if (row.mark == RowMark::Accepted) {
            plan->accepted.add(row.stored);
            return;
        }
        row.fields = read[w.set].fields;
        plan->rows.push_back(std::move(row));
    };
    bool first = true;
    std::size_t rows = 0;
    constexpr std::size_t kProgressStep = 4096;
    while (reader.next(&read[at])) {
        config::TableRow& current = read[at];
        if (std::exchange(first, false) &&
            config::isHeaderRow(current.fields, plan->columns, minimumColumns(table)))
            continue;
        if (progress && rows++ % kProgressStep == 0 && !progress(current.line, lines))
            return false;
        ImportRow& row = checked[at];
        row.line = current.line;
        row.mark = RowMark::Accepted;
        row.messageId = {};
        row.arguments.clear();
        row.column = 0;
        row.other = 0;
        checkRow(table, current.fields, row);
        std::optional<Waiting> next;
        if (row.mark == RowMark::Accepted) {
            const std::uint64_t hash =
                config::KeyIndex::hashOf(sameRecordKey(row.stored, &keys[at]));
            present.prefetch(hash);
            seen.prefetch(hash);
            next = Waiting{at, hash, 0};
        }
        // The row before is settled first: rows go into the plan in order.
        if (waiting)
            checkRepeat(*waiting);
        if (everyRow || row.mark != RowMark::Accepted) {
            if (next)
                next->index = plan->rows.size();
            row.fields = current.fields;
            plan->rows.push_back(std::move(row));
        }
        waiting = next;
        if (next)
            at ^= 1; // the waiting row stays where it is
    }
    if (waiting)
        checkRepeat(*waiting);
    plan->fileErrorId = reader.errorId();
    plan->fileErrorLine = reader.errorLine();
    return true;
}

std::string recordBytes(RecordTable table, const std::vector<std::string>& stored)
{
    std::string bytes;
    appendRecordBytes(bytes, table, stored);
    return bytes;
}

namespace {

template <typename Values>
void appendRecord(std::string& out, RecordTable table, const Values& stored)
{
    const RecordLayout& layout = recordLayout(table);
    const std::size_t start = out.size();
    out.resize(start + layout.length, ' ');
    char* const bytes = out.data() + start;
    for (std::uint32_t at : layout.separators)
        bytes[at] = '|';
    bytes[layout.length - 2] = '\r';
    bytes[layout.length - 1] = '\n';
    auto put = [&](const Field& field, std::string_view value, bool rightAligned) {
        const std::size_t n = std::min<std::size_t>(value.size(), field.width);
        const std::size_t at = field.offset + (rightAligned ? field.width - n : 0);
        std::memcpy(bytes + at, value.data(), n);
    };
    switch (table) {
    case RecordTable::Alias:
        put(alias::kForwardAddress, stored[0], false);
        put(alias::kTargetAddress, stored[1], false);
        bytes[alias::kDeliverAfterForwarding.offset] = stored[2] == "1" ? '*' : ' ';
        break;
    case RecordTable::Block:
        put(block::kType, stored[0], true);
        put(block::kValue, stored[1], false);
        put(block::kSecondNumber, "0", true);
        break;
    case RecordTable::User:
        put(user::kAddress, stored[0], false);
        put(user::kName, stored[1], false);
        break;
    }
}

} // namespace

void appendRecordBytes(std::string& out, RecordTable table, const std::vector<std::string>& stored)
{
    appendRecord(out, table, stored);
}

void appendRecordBytes(std::string& out, RecordTable table,
                       const std::vector<std::string_view>& stored)
{
    appendRecord(out, table, stored);
}

bool applyRecordImport(DataSet& data, RecordTable table, const ImportPlan& plan, ImportMode mode,
                       platform::FileError* error, std::size_t* written)
{
    LayoutRecordFile* file = recordFile(data, table);
    if (!file) {
        *error = platform::FileError::Io;
        return false;
    }
    const std::uint32_t length = file->recordLength();
    std::string existing;
    std::size_t accepted = 0;
    if (mode == ImportMode::Append) {
        const std::uint32_t count = file->recordCount();
        existing.reserve(std::size_t(count) * length);
        // Every record there is, deleted ones too, byte for byte: the
        // gateway's own bytes in them stay as they were. Read now: the
        // file is closed while it is replaced.
        for (std::uint32_t n = 1; n <= count; ++n) {
            if (!file->goTo(n)) {
                *error = file->lastError() == platform::FileError::None ? platform::FileError::Io
                                                                        : file->lastError();
                return false;
            }
            existing.append(file->buffer());
        }
    }
    // The new records a chunk at a time, so that the new file is never
    // held whole.
    constexpr std::size_t kChunkBytes = std::size_t(1) << 20;
    std::string chunk;
    chunk.reserve(kChunkBytes + length);
    bool existingGiven = existing.empty();
    std::size_t next = 0;
    std::size_t nextPacked = 0;
    std::vector<std::string_view> values;
    const auto produce = [&](std::string_view* bytes) {
        if (!existingGiven) {
            existingGiven = true;
            *bytes = existing;
            return true;
        }
        chunk.clear();
        while (next < plan.rows.size() && chunk.size() < kChunkBytes) {
            const ImportRow& row = plan.rows[next++];
            if (row.mark == RowMark::Accepted) {
                appendRecord(chunk, table, row.stored);
                ++accepted;
            }
        }
        // A plan that keeps only the rows it reports holds its accepted ones packed.
        while (nextPacked < plan.accepted.size() && chunk.size() < kChunkBytes) {
            plan.accepted.row(nextPacked++, &values);
            appendRecord(chunk, table, values);
            ++accepted;
        }
        *bytes = chunk;
        return !chunk.empty();
    };
    if (!data.replaceRecordFile(*file, produce, error))
        return false;
    if (written)
        *written = accepted;
    return true;
}

} // namespace morva::db

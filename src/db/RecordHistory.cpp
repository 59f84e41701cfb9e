#include "db/RecordHistory.h"

#include "config/EightBitText.h"
#include "config/FileHistory.h"
#include "db/DataSet.h"
#include "db/LayoutRecordFile.h"
#include "db/RecordLayout.h"

#include <map>

namespace morva::db {

using platform::FileError;

std::span<const RecordLayout* const> keptRecordLayouts()
{
    static const RecordLayout* const kKept[] = {&kAliaLayout, &kBlocLayout, &kUserLayout};
    return kKept;
}

const RecordLayout* keptRecordLayout(std::string_view fileName)
{
    for (const RecordLayout* layout : keptRecordLayouts())
        if (layout->fileName == fileName)
            return layout;
    return nullptr;
}

RecordRestore restoreRecordFile(DataSet& data, std::string_view fileName, std::string_view id,
                                std::string_view source)
{
    LayoutRecordFile* file = data.keptFileNamed(fileName);
    config::FileHistory* history = data.history();
    if (!file || !history)
        return {RecordRestoreStatus::UnknownFile, FileError::None};
    std::string bytes;
    if (!history->read(fileName, id, &bytes))
        return {RecordRestoreStatus::UnknownVersion, FileError::None};
    // The record still in the buffer belongs to the file as it is now.
    if (!file->sync())
        return {RecordRestoreStatus::NotKept, file->lastError()};
    if (!data.keepInHistory(*file, source))
        return {RecordRestoreStatus::NotKept, history->problemError()};
    FileError error = FileError::None;
    if (!data.replaceRecordFile(*file, bytes, &error))
        return {RecordRestoreStatus::WriteFailed, error};
    return {};
}

namespace {

std::string trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    return std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

// The live records of a file as reader texts, in file order.
std::vector<std::string> liveRecordTexts(const RecordLayout& layout, std::string_view bytes)
{
    std::vector<std::string> texts;
    for (std::size_t at = 0; at + layout.length <= bytes.size(); at += layout.length) {
        const std::string_view record = bytes.substr(at, layout.length);
        if (record[kDeletedMarker.offset] != ' ')
            continue;
        std::vector<std::string> shown;
        for (const Field& field : layout.fields) {
            if (field.offset == kDeletedMarker.offset || field.kind == FieldKind::Gateway)
                continue;
            const std::string_view value = record.substr(field.offset, field.width);
            shown.push_back(field.kind == FieldKind::Flag ? (value[0] != ' ' ? "*" : "")
                                                          : config::eightBitToUtf8(trimmed(value)));
        }
        while (!shown.empty() && shown.back().empty())
            shown.pop_back();
        std::string text;
        for (std::size_t i = 0; i < shown.size(); ++i)
            text += (i == 0 ? "" : " | ") + shown[i];
        texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace

std::vector<config::ConfigChange> recordChanges(const RecordLayout& layout, std::string_view before,
                                                std::string_view after)
{
    const std::vector<std::string> old = liveRecordTexts(layout, before);
    const std::vector<std::string> now = liveRecordTexts(layout, after);
    // Records are compared as a multiset: moving a record to a reused slot
    // is no change.
    std::map<std::string_view, int> balance;
    for (const std::string& text : old)
        ++balance[text];
    for (const std::string& text : now)
        --balance[text];
    std::vector<config::ConfigChange> changes;
    std::map<std::string_view, int> removed = balance;
    for (const std::string& text : old) {
        if (removed[text] > 0) {
            --removed[text];
            changes.push_back({"", text, "", true, false});
        }
    }
    for (const std::string& text : now) {
        if (balance[text] < 0) {
            ++balance[text];
            changes.push_back({"", "", text, false, true});
        }
    }
    return changes;
}

} // namespace morva::db

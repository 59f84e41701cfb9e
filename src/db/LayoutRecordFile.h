#pragma once

#include "db/RecordFile.h"
#include "db/RecordLayout.h"

namespace morva::db {

// A record file whose frame and reserved field come from a layout table; the
// deleted-record operations are the same for every gateway file.
class LayoutRecordFile : public RecordFile
{
public:
    ~LayoutRecordFile() override;

    void blankReserved() override;
    void writeFrame() override;
    bool findFreeRecord() override;
    bool isDeleted() const override;
    void deleteCurrent() override;

    const RecordLayout& layout() const { return m_layout; }

protected:
    LayoutRecordFile(platform::FileSystem& fs, const std::string& programDir,
                     const RecordLayout& layout);

    std::string text(const Field& field) const { return textField(field.offset, field.width); }
    std::string_view view(const Field& field) const { return textView(field.offset, field.width); }
    std::int64_t number(const Field& field) const { return numberField(field.offset, field.width); }
    bool flag(const Field& field) const { return flagField(field.offset); }
    void setText(const Field& field, std::string_view value)
    {
        setTextField(field.offset, field.width, value);
    }
    void setNumber(const Field& field, std::int64_t value)
    {
        setNumberField(field.offset, field.width, value);
    }
    void setFlag(const Field& field, bool value) { setFlagField(field.offset, value); }

private:
    const RecordLayout& m_layout;
};

} // namespace morva::db

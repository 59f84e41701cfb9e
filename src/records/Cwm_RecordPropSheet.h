#pragma once

#include "records/RecordContext.h"

#include <QDialog>
#include <cstdint>
#include <string>
#include <string_view>

class QLineEdit;
class QTabWidget;
class QVBoxLayout;

namespace morva::db {
class RecordFile;
struct FieldCheck;
} // namespace morva::db

namespace morva::records {

// A one-page property sheet over one record: it acquires the data set,
// loads record n (0: a new record), runs modally, checks its fields on OK
// and writes them into the record buffer, which reaches the file at the
// next cursor move or when the data set is released.
class Cwm_RecordPropSheet : public QDialog
{
    Q_OBJECT
public:
    // Runs the sheet for record `record`: kSheetWritten, kSheetFailed (lock
    // not obtained, or the record is gone; the user has been told) or
    // kSheetCancelled.
    int run(std::uint32_t record);

    // The page (its tab), for tests and screenshots.
    QWidget* page() const { return m_page; }
    QTabWidget* tabs() const { return m_tabs; }

public slots:
    void accept() override;

protected:
    Cwm_RecordPropSheet(const RecordContext& context, std::string_view captionId,
                        std::string_view pageCaptionId, QWidget* parent);

    virtual db::RecordFile* file() const = 0;
    // Whether a new record takes the first deleted slot.
    virtual bool reuseDeletedRecords() const = 0;
    virtual std::string_view notFoundTextId() const = 0;
    virtual void loadFields() = 0;
    // Checks every field; on a failure shows the message, focuses the field
    // and returns false.
    virtual bool checkFields() = 0;
    virtual void writeFields() = 0;

    QVBoxLayout* pageLayout() const { return m_pageLayout; }
    int language() const { return m_context.language; }
    const RecordContext& context() const { return m_context; }
    // Shows the message of a failed check and focuses `field`.
    bool passes(const db::FieldCheck& check, QLineEdit* field);
    // Shows a field's record bytes; they stay with the field, so an
    // unchanged text is written back byte for byte.
    static void showBytes(QLineEdit* field, std::string_view bytes);
    static std::string bytesOf(const QLineEdit* field);
    // False (with the message, the focus on the field) when the field holds
    // a character the record file cannot.
    bool storable(QLineEdit* field);

private:
    RecordContext m_context;
    QTabWidget* m_tabs;
    QWidget* m_page;
    QVBoxLayout* m_pageLayout;
};

} // namespace morva::records

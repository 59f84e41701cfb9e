#include "records/Cwm_RecordPropSheet.h"

#include "db/DataSet.h"
#include "db/RecordFieldChecks.h"
#include "db/RecordFile.h"
#include "gui/MessageBox.h"
#include "records/RecordText.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morva::records {

Cwm_RecordPropSheet::Cwm_RecordPropSheet(const RecordContext& context, std::string_view captionId,
                                         std::string_view pageCaptionId, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setWindowTitle(uiText(captionId, context.language));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_page = new QWidget(m_tabs);
    m_pageLayout = new QVBoxLayout(m_page);
    m_tabs->addTab(m_page, uiText(pageCaptionId, context.language));
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(uiText("records.ok", context.language), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(uiText("records.cancel", context.language), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int Cwm_RecordPropSheet::run(std::uint32_t record)
{
    db::DataSet& dataSet = *m_context.dataSet;
    if (!dataSet.acquire())
        return kSheetFailed;
    if (record != 0) {
        // A record deleted since the list was filled is gone too: editing
        // it would write into a record nobody sees.
        if (!file()->goTo(record) || file()->isDeleted()) {
            gui::MessageBox::showText(parentWidget(), gui::MessageKind::Failure, notFoundTextId());
            dataSet.release();
            return kSheetFailed;
        }
        loadFields();
    }
    int result = kSheetCancelled;
    if (m_context.exec(*this) == QDialog::Accepted) {
        db::RecordFile* records = file();
        // The record the fields go into. Should the previous record not
        // reach the file, nothing is written over its buffer.
        const bool positioned =
            record == 0 ? records->newRecord(reuseDeletedRecords())
                        : ((records->currentRecord() == record && !records->noRecord()) ||
                           records->goTo(record)) &&
                              !records->isDeleted();
        if (positioned) {
            writeFields();
            result = kSheetWritten;
        } else {
            gui::MessageBox::show(parentWidget(), gui::MessageKind::Failure,
                                  uiText("db.writeFailed", language()) + QLatin1Char('\n') +
                                      fromBytes(records->path()));
            result = kSheetFailed;
        }
    }
    dataSet.release();
    return result;
}

void Cwm_RecordPropSheet::accept()
{
    if (checkFields())
        QDialog::accept();
}

int RecordContext::exec(QDialog& dialog) const
{
    return runDialog ? runDialog(dialog) : dialog.exec();
}

namespace {
constexpr const char* kStoredBytes = "storedBytes";
}

void Cwm_RecordPropSheet::showBytes(QLineEdit* field, std::string_view bytes)
{
    field->setText(fromBytes(bytes));
    field->setProperty(kStoredBytes,
                       QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string Cwm_RecordPropSheet::bytesOf(const QLineEdit* field)
{
    const QByteArray original = field->property(kStoredBytes).toByteArray();
    return toBytes(field->text(), std::string_view(original.constData(),
                                                   static_cast<std::size_t>(original.size())));
}

bool Cwm_RecordPropSheet::storable(QLineEdit* field)
{
    const QByteArray original = field->property(kStoredBytes).toByteArray();
    const QString refusal = gui::FileTextCodec().refusal(
        field->text(), language(),
        std::string_view(original.constData(), static_cast<std::size_t>(original.size())));
    if (refusal.isEmpty())
        return true;
    gui::MessageBox::show(this, gui::MessageKind::Refused, refusal);
    field->setFocus();
    field->selectAll();
    return false;
}

bool Cwm_RecordPropSheet::passes(const db::FieldCheck& check, QLineEdit* field)
{
    if (check.ok())
        return true;
    gui::MessageBox::show(this, gui::MessageKind::Refused,
                          gui::toQString(db::fieldCheckMessage(check, language())));
    if (field) {
        field->setFocus();
        field->selectAll();
    }
    return false;
}

} // namespace morva::records

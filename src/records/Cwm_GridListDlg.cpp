#include "records/Cwm_GridListDlg.h"

#include "config/ConfigStore.h"
#include "confui/SaveFailureText.h"
#include "gui/ListFilterModel.h"
#include "gui/ListPanel.h"
#include "gui/MessageBox.h"
#include "gui/TextTableModel.h"
#include "records/ListDialogFrame.h"
#include "records/RecordText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

namespace morva::records {

Cwm_GridListDlg::Cwm_GridListDlg(const RecordContext& context, std::string_view captionId,
                                 const EntrySheetDef& sheet, std::string_view deleteQuestionId,
                                 QStringList headings, QWidget* parent)
    : QDialog(parent), m_context(context), m_sheet(sheet), m_deleteQuestionId(deleteQuestionId)
{
    setWindowTitle(uiText(captionId, context.language));
    m_model = new gui::TextTableModel(this);
    m_model->setHeadings(std::move(headings));
    m_frame = buildListDialogFrame(*this, QAbstractItemView::SingleSelection, context.language);
    m_frame.panel->setSourceModel(m_model);
    // The columns share the width, so none hides behind a scroll bar.
    m_frame.grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_frame.grid->installEventFilter(this);
    connect(m_frame.grid, &QTableView::doubleClicked, this, [this] { editEntry(); });
    connect(m_frame.newButton, &QPushButton::clicked, this, [this] { newEntry(); });
    connect(m_frame.editButton, &QPushButton::clicked, this, [this] { editEntry(); });
    connect(m_frame.deleteButton, &QPushButton::clicked, this, [this] { deleteEntry(); });
    resize(640, 360);
}

int Cwm_GridListDlg::run()
{
    refill();
    return m_context.exec(*this);
}

void Cwm_GridListDlg::refill()
{
    const int previous =
        m_frame.grid->currentIndex().isValid() ? m_frame.grid->currentIndex().row() : 0;
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(entryCount()));
    for (int i = 0; i < entryCount(); ++i)
        rows.push_back(entryFields(i));
    m_model->setRows(std::move(rows));
    m_frame.panel->showRow(previous);
    updateButtons();
}

void Cwm_GridListDlg::updateButtons()
{
    const bool any = m_frame.panel->filterModel()->rowCount() > 0;
    m_frame.editButton->setEnabled(any);
    m_frame.deleteButton->setEnabled(any);
}

int Cwm_GridListDlg::currentEntry() const
{
    const int row = m_frame.panel->currentSourceRow();
    return row < entryCount() ? row : -1;
}

void Cwm_GridListDlg::storeAndSave()
{
    storeEntries();
    if (!store().save())
        gui::MessageBox::show(
            this, gui::MessageKind::Failure,
            QString::fromStdString(confui::saveFailureText(store(), gui::MessageBox::language())));
    else if (store().lastSaveStatus() == config::SaveStatus::SavedNotDurable)
        gui::MessageBox::showText(this, gui::MessageKind::Notice, "confui.savedNotDurable");
}

void Cwm_GridListDlg::newEntry()
{
    Cwm_EntrySheet sheet(m_sheet, m_context.language, this);
    sheet.setGivenValues(newEntryFields());
    if (m_context.exec(sheet) != QDialog::Accepted)
        return;
    appendEntry(sheet.values());
    storeAndSave();
    refill();
    m_frame.panel->showSourceRow(m_model->rowCount() - 1);
}

void Cwm_GridListDlg::editEntry()
{
    const int entry = currentEntry();
    if (entry < 0)
        return;
    Cwm_EntrySheet sheet(m_sheet, m_context.language, this);
    sheet.setGivenValues(entryFields(entry));
    if (m_context.exec(sheet) != QDialog::Accepted)
        return;
    replaceEntry(entry, sheet.values());
    storeAndSave();
    refill();
    m_frame.panel->showSourceRow(entry);
}

void Cwm_GridListDlg::deleteEntry()
{
    const int entry = currentEntry();
    if (entry < 0)
        return;
    if (gui::MessageBox::showText(this, gui::MessageKind::Question, m_deleteQuestionId) !=
        gui::MessageAnswer::Yes)
        return;
    removeEntry(entry);
    storeAndSave();
    refill();
}

bool Cwm_GridListDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame.grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            editEntry();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace morva::records

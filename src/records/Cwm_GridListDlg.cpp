#include "records/Cwm_GridListDlg.h"

#include "config/ConfigStore.h"
#include "confui/SaveFailureText.h"
#include "gui/MessageBox.h"
#include "records/ListDialogFrame.h"
#include "records/RecordText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace morva::records {

Cwm_GridListDlg::Cwm_GridListDlg(const RecordContext& context, std::string_view captionId,
                                 const EntrySheetDef& sheet, std::string_view deleteQuestionId,
                                 QStringList headings, QWidget* parent)
    : QDialog(parent), m_context(context), m_sheet(sheet), m_deleteQuestionId(deleteQuestionId)
{
    setWindowTitle(uiText(captionId, context.language));
    m_model = new QStandardItemModel(0, static_cast<int>(headings.size()), this);
    m_model->setHorizontalHeaderLabels(headings);
    m_frame = buildListDialogFrame(*this, QAbstractItemView::SingleSelection, context.language);
    m_frame.grid->setModel(m_model);
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
    m_model->setRowCount(0);
    for (int i = 0; i < entryCount(); ++i) {
        QList<QStandardItem*> row;
        for (const QString& field : entryFields(i))
            row << new QStandardItem(field);
        m_model->appendRow(row);
    }
    if (m_model->rowCount() > 0)
        m_frame.grid->selectRow(std::min(previous, m_model->rowCount() - 1));
    updateButtons();
}

void Cwm_GridListDlg::updateButtons()
{
    const bool any = m_model->rowCount() > 0;
    m_frame.editButton->setEnabled(any);
    m_frame.deleteButton->setEnabled(any);
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
    m_frame.grid->selectRow(m_model->rowCount() - 1);
}

void Cwm_GridListDlg::editEntry()
{
    const QModelIndex current = m_frame.grid->currentIndex();
    if (!current.isValid() || current.row() >= entryCount())
        return;
    Cwm_EntrySheet sheet(m_sheet, m_context.language, this);
    sheet.setGivenValues(entryFields(current.row()));
    if (m_context.exec(sheet) != QDialog::Accepted)
        return;
    replaceEntry(current.row(), sheet.values());
    storeAndSave();
    refill();
}

void Cwm_GridListDlg::deleteEntry()
{
    const QModelIndex current = m_frame.grid->currentIndex();
    if (!current.isValid() || current.row() >= entryCount())
        return;
    if (gui::MessageBox::showText(this, gui::MessageKind::Question, m_deleteQuestionId) !=
        gui::MessageAnswer::Yes)
        return;
    removeEntry(current.row());
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

#include "records/Cwm_RecordListDlg.h"

#include "db/DataSet.h"
#include "db/RecordFile.h"
#include "gui/ConsoleHost.h"
#include "gui/ListFilterBar.h"
#include "gui/ListFilterModel.h"
#include "gui/ListPanel.h"
#include "gui/MessageBox.h"
#include "records/ListDialogFrame.h"
#include "records/RecordText.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <unordered_set>

namespace morva::records {

Cwm_RecordListDlg::Cwm_RecordListDlg(const RecordContext& context, std::string_view captionId,
                                     QIcon icon, QStringList headings, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setWindowTitle(uiText(captionId, context.language));
    m_model = new RecordListModel(std::move(icon), std::move(headings), this);
    m_frame = buildListDialogFrame(*this, QAbstractItemView::ExtendedSelection, context.language);
    m_model->setIconHeading(windowTitle());
    m_frame.panel->setSourceModel(m_model);
    m_frame.panel->setUnlabelledColumns({0});
    QHeaderView* header = m_frame.grid->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, 24);
    header->resizeSection(1,
                          m_frame.grid->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    header->resizeSection(2, 260);
    m_frame.grid->installEventFilter(this);
    connect(m_frame.grid, &QTableView::doubleClicked, this, [this] { editRecord(); });
    connect(m_frame.grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateButtons(); });
    connect(m_frame.panel->filterModel(), &gui::ListFilterModel::countChanged, this,
            [this] { updateButtons(); });
    connect(m_frame.newButton, &QPushButton::clicked, this, [this] { newRecord(); });
    connect(m_frame.editButton, &QPushButton::clicked, this, [this] { editRecord(); });
    connect(m_frame.deleteButton, &QPushButton::clicked, this, [this] { deleteSelected(); });
    resize(720, 440);
}

int Cwm_RecordListDlg::run()
{
    db::DataSet& dataSet = *m_context.dataSet;
    if (!dataSet.acquire())
        return -1;
    refill();
    const int result = m_context.exec(*this);
    dataSet.release();
    return result;
}

void Cwm_RecordListDlg::setStatus(std::string_view textId)
{
    if (m_context.host)
        m_context.host->setStatusText(uiText(textId, language()));
}

void Cwm_RecordListDlg::refill(std::uint32_t showRecord)
{
    db::RecordFile* records = file();
    const int previousRow =
        m_frame.grid->currentIndex().isValid() ? m_frame.grid->currentIndex().row() : 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // Pass 1: count the live records to size the grid and the progress.
    setStatus("records.counting");
    std::size_t count = 0;
    for (bool more = records->goTo(1); more && !records->noRecord();
         more = records->goTo(records->currentRecord() + 1)) {
        if (!records->isDeleted())
            ++count;
    }
    if (m_context.host)
        m_context.host->showReady();

    // Pass 2: read them, stepping the progress pane.
    setStatus("records.reading");
    if (m_context.host)
        m_context.host->beginProgress(static_cast<int>(count));
    std::vector<RecordListModel::Row> rows;
    rows.reserve(count);
    for (bool more = records->goTo(1); more && !records->noRecord();
         more = records->goTo(records->currentRecord() + 1)) {
        if (records->isDeleted())
            continue;
        RecordListModel::Row row = readRow();
        row.record = records->currentRecord();
        rows.push_back(std::move(row));
        if (m_context.host)
            m_context.host->stepProgress();
    }
    if (m_context.host)
        m_context.host->endProgress();
    m_model->setRows(std::move(rows));
    QApplication::restoreOverrideCursor();

    // Back to the record asked for, or to the same place in the list.
    const int sourceRow = showRecord ? rowOfRecord(showRecord) : -1;
    if (sourceRow >= 0)
        m_frame.panel->showSourceRow(sourceRow);
    else
        m_frame.panel->showRow(previousRow);
    updateButtons();
}

int Cwm_RecordListDlg::rowOfRecord(std::uint32_t record) const
{
    // Rows are in record order.
    const auto& rows = m_model->rows();
    const auto at = std::lower_bound(
        rows.begin(), rows.end(), record,
        [](const RecordListModel::Row& row, std::uint32_t wanted) { return row.record < wanted; });
    return at != rows.end() && at->record == record ? static_cast<int>(at - rows.begin()) : -1;
}

std::vector<std::uint32_t> Cwm_RecordListDlg::selectedRecords() const
{
    std::vector<std::uint32_t> records;
    for (int row : m_frame.panel->selectedSourceRows())
        records.push_back(m_model->recordAt(row));
    return records;
}

void Cwm_RecordListDlg::newRecord()
{
    std::unordered_set<std::uint32_t> before;
    before.reserve(m_model->rows().size());
    for (const RecordListModel::Row& row : m_model->rows())
        before.insert(row.record);
    if (openSheet(0) == kSheetWritten) {
        refill();
        // The new record is the one the list did not have (it may reuse the
        // place of a deleted one).
        const auto& rows = m_model->rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (!before.contains(rows[i].record)) {
                m_frame.panel->showSourceRow(static_cast<int>(i));
                break;
            }
    }
    m_frame.grid->setFocus();
}

void Cwm_RecordListDlg::editRecord()
{
    const int row = m_frame.panel->currentSourceRow();
    if (row < 0)
        return;
    const std::uint32_t record = m_model->recordAt(row);
    if (openSheet(record) == kSheetWritten)
        refill(record);
    m_frame.grid->setFocus();
}

void Cwm_RecordListDlg::deleteSelected()
{
    const std::vector<std::uint32_t> records = selectedRecords();
    if (records.empty())
        return;
    const QString question =
        records.size() < 2
            ? uiText("records.deleteRecord", language())
            : uiText("lists.deleteRecords", language(),
                     {gui::groupedNumber(static_cast<qint64>(records.size()), language())});
    if (gui::MessageBox::show(this, gui::MessageKind::Question, question) !=
        gui::MessageAnswer::Yes)
        return;
    bool allDeleted = true;
    for (std::uint32_t record : records)
        allDeleted = deleteRecord(record) && allDeleted;
    if (!allDeleted)
        gui::MessageBox::show(this, gui::MessageKind::Failure,
                              uiText("db.writeFailed", language()) + QLatin1Char('\n') +
                                  fromBytes(file()->path()));
    refill();
}

void Cwm_RecordListDlg::updateButtons()
{
    const bool hasRows = m_frame.panel->filterModel()->rowCount() > 0;
    const bool selected = m_frame.grid->selectionModel()->hasSelection();
    m_frame.editButton->setEnabled(hasRows && m_frame.grid->currentIndex().isValid());
    m_frame.deleteButton->setEnabled(hasRows && selected);
}

bool Cwm_RecordListDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame.grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            editRecord();
            return true;
        }
        if (key == Qt::Key_Delete) {
            deleteSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace morva::records

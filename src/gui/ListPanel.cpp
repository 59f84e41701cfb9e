#include "gui/ListPanel.h"

#include "gui/ListFilterBar.h"
#include "gui/ListFilterModel.h"
#include "gui/Text.h"
#include "gui/UnlabelledHeaderView.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace morva::gui {

ListPanel::ListPanel(const ListPanelTexts& texts, QAbstractItemView::SelectionMode selection,
                     int language, QWidget* parent)
    : QWidget(parent)
{
    m_filter = new ListFilterModel(this);
    m_bar = new ListFilterBar(*m_filter, language, this);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("ListGrid"));
    m_view->setAccessibleName(uiText("lists.gridName", language));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(selection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    // Fixed row heights let the view place rows without measuring each one,
    // which keeps lists of 100,000 rows fast.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    auto* header = new UnlabelledHeaderView({}, m_view);
    m_view->setHorizontalHeader(header);
    header->setStretchLastSection(true);
    // Qt draws the header of a selected row's sections in bold otherwise.
    header->setHighlightSections(false);
    // A third click on a heading returns to the stored order.
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setModel(m_filter);
    m_view->setSortingEnabled(true);

    m_new = new QPushButton(texts.newText, this);
    m_edit = new QPushButton(texts.editText, this);
    m_delete = new QPushButton(texts.deleteText, this);
    m_buttons = new QVBoxLayout;
    for (QPushButton* button : {m_new, m_edit, m_delete}) {
        button->setAutoDefault(false);
        m_buttons->addWidget(button);
    }
    m_actions = new QVBoxLayout;
    m_buttons->addLayout(m_actions);
    m_buttons->addStretch(1);

    // The buttons start beside the list, not beside the filter: Tab then
    // goes down the panel from the filter to the list to the buttons.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar, 0, 0);
    layout->addWidget(m_view, 1, 0);
    layout->addLayout(m_buttons, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    connect(m_filter, &ListFilterModel::aboutToRearrange, this, &ListPanel::keepSelection);
    connect(m_filter, &ListFilterModel::rearranged, this, &ListPanel::restoreSelection);
}

void ListPanel::setSourceModel(QAbstractItemModel* source)
{
    m_filter->setSourceModel(source);
}

std::vector<int> ListPanel::selectedSourceRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_view->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(m_filter->sourceRow(row));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove(rows.begin(), rows.end(), -1), rows.end());
    return rows;
}

int ListPanel::currentSourceRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_filter->sourceRow(current.row()) : -1;
}

void ListPanel::keepSelection()
{
    m_keptRows = selectedSourceRows();
    m_keptCurrent = currentSourceRow();
}

void ListPanel::restoreSelection()
{
    selectSourceRows(m_keptRows, m_keptCurrent);
    if (m_view->currentIndex().isValid())
        m_view->scrollTo(m_view->currentIndex());
}

void ListPanel::selectSourceRows(const std::vector<int>& rows, int current)
{
    // Rows that follow each other in the grid become one range.
    std::vector<int> shown;
    shown.reserve(rows.size());
    for (int row : rows)
        if (const int at = m_filter->shownRow(row); at >= 0)
            shown.push_back(at);
    std::sort(shown.begin(), shown.end());
    QItemSelection selection;
    const int lastColumn = m_filter->columnCount() - 1;
    for (std::size_t i = 0; i < shown.size();) {
        std::size_t j = i;
        while (j + 1 < shown.size() && shown[j + 1] == shown[j] + 1)
            ++j;
        selection.select(m_filter->index(shown[i], 0), m_filter->index(shown[j], lastColumn));
        i = j + 1;
    }
    QItemSelectionModel* model = m_view->selectionModel();
    const int currentShown = m_filter->shownRow(current);
    if (currentShown >= 0)
        model->setCurrentIndex(m_filter->index(currentShown, 0), QItemSelectionModel::NoUpdate);
    model->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ListPanel::showSourceRow(int sourceRow)
{
    if (sourceRow < 0 || sourceRow >= m_filter->totalCount())
        return;
    if (m_filter->shownRow(sourceRow) < 0)
        m_bar->clear();
    if (m_filter->shownRow(sourceRow) < 0) // a filter of the owner hides it
        m_filter->setRowFilter({});
    showRow(m_filter->shownRow(sourceRow));
}

void ListPanel::showRow(int shownRow)
{
    const int rows = m_filter->rowCount();
    if (rows == 0)
        return;
    const QModelIndex index = m_filter->index(std::clamp(shownRow, 0, rows - 1), 0);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void ListPanel::setUnlabelledColumns(std::set<int> columns)
{
    static_cast<UnlabelledHeaderView*>(m_view->horizontalHeader())
        ->setUnlabelled(std::move(columns));
}

} // namespace morva::gui

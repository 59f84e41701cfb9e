#pragma once

#include <QAbstractItemView>
#include <QWidget>
#include <set>
#include <vector>

class QPushButton;
class QTableView;
class QVBoxLayout;

namespace morva::gui {

class ListFilterBar;
class ListFilterModel;

struct ListPanelTexts
{
    QString newText;
    QString editText;
    QString deleteText;
};

// A list as the console edits it: the filter bar above a grid of whole rows
// (sortable by a click on a column heading, the stored order until then)
// and a column of New, Edit and Delete buttons on its right. The grid takes
// all the room the panel gets. Its owner sets the source model and wires
// the buttons and chooses where Ctrl+F reaches the filter
// (ListFilterBar::focusOnFindKey); everything it asks about rows is in rows of the source model,
// whatever the grid's order and filter.
class ListPanel : public QWidget
{
    Q_OBJECT
public:
    ListPanel(const ListPanelTexts& texts, QAbstractItemView::SelectionMode selection, int language,
              QWidget* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source);

    QTableView* view() const { return m_view; }
    // Columns whose heading is not painted (an icon column), though the
    // model names them for screen readers.
    void setUnlabelledColumns(std::set<int> columns);
    ListFilterModel* filterModel() const { return m_filter; }
    ListFilterBar* filterBar() const { return m_bar; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }
    // Further actions of the list (Import..., Export...) go here, under
    // Delete; what is added after the stretch below it sits at the foot.
    QVBoxLayout* actionColumn() const { return m_actions; }
    QVBoxLayout* buttonColumn() const { return m_buttons; }

    // The selected source rows, ascending.
    std::vector<int> selectedSourceRows() const;
    // The source row of the current index, or -1.
    int currentSourceRow() const;
    // Makes the source row current and selected and scrolls it into view;
    // when the filter hides it, the filter is cleared first.
    void showSourceRow(int sourceRow);
    // Selects the shown row (clamped to the rows there are), as after a
    // refill that keeps the place in the list.
    void showRow(int shownRow);

private:
    void keepSelection();
    void restoreSelection();
    void selectSourceRows(const std::vector<int>& rows, int current);

    ListFilterModel* m_filter;
    ListFilterBar* m_bar;
    QTableView* m_view;
    QPushButton* m_new;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QVBoxLayout* m_actions;
    QVBoxLayout* m_buttons;
    std::vector<int> m_keptRows;
    int m_keptCurrent = -1;
};

} // namespace morva::gui

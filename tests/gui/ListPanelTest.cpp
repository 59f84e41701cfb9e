// The list panel every list of the console uses: filter, order, count and
// the mapping of shown rows back to the entries.
#include "gui/ListPanel.h"

#include "gui/ListFilterBar.h"
#include "gui/ListFilterModel.h"
#include "gui/TextTableModel.h"
#include "resources/Texts.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace morva;
using namespace morva::gui;

namespace {

std::vector<int> shownSourceRows(const ListFilterModel& model)
{
    std::vector<int> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.push_back(model.sourceRow(row));
    return rows;
}

struct Panel
{
    explicit Panel(std::vector<QStringList> rows, int language = English)
        : panel({"&New", "&Edit", "&Delete"}, QAbstractItemView::ExtendedSelection, language)
    {
        model.setHeadings({"Rec", "Address"});
        model.setRows(std::move(rows));
        panel.setSourceModel(&model);
    }
    ListFilterModel& filter() { return *panel.filterModel(); }
    QLineEdit& field() { return *panel.filterBar()->field(); }

    TextTableModel model;
    ListPanel panel;
};

std::vector<QStringList> addresses()
{
    return {{"10", "Bert@Two.example"},
            {"9", "anna@one.example"},
            {"100", "carl@two.example"},
            {"9", "dora@three.example"}};
}

} // namespace

TEST(ListPanel, FilterIgnoresCaseSearchesEveryColumnAndCountsInTheLanguage)
{
    Panel list(addresses());
    list.field().setText("TWO");
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{0, 2}));
    list.field().setText("TWO.e"); // extends the filter: only the shown rows are looked at
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{0, 2}));
    list.field().setText("10"); // the number column counts too: "10" and "100"
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{0, 2}));
    list.field().setText("0b"); // no match across two columns ("10", "Bert")
    EXPECT_TRUE(shownSourceRows(list.filter()).empty());
    list.field().clear();
    EXPECT_EQ(list.filter().rowCount(), 4);
    EXPECT_EQ(list.panel.filterBar()->countLabel()->text(), "4 of 4");

    std::vector<QStringList> many(12345, QStringList{"1", "x"});
    Panel german(many, German);
    german.field().setText("y");
    EXPECT_EQ(german.panel.filterBar()->countLabel()->text(), "0 von 12.345");
    german.field().clear();
    EXPECT_EQ(german.panel.filterBar()->countLabel()->text(), "12.345 von 12.345");
    EXPECT_EQ(groupedNumber(1234, English), "1,234");
}

TEST(ListPanel, SortsNumbersByValueKeepsTiesInStoredOrderAndReturnsToIt)
{
    Panel list(addresses());
    list.filter().sort(0, Qt::AscendingOrder);
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{1, 3, 0, 2})) << "9 9 10 100";
    list.filter().sort(0, Qt::DescendingOrder);
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{2, 0, 1, 3}));
    list.filter().sort(1, Qt::AscendingOrder); // texts without case
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{1, 0, 2, 3}));
    list.field().setText("two");
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{0, 2}));
    list.filter().sort(-1);
    list.field().clear();
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{0, 1, 2, 3}));

    // A refilled model keeps the order the user chose.
    list.filter().sort(1, Qt::DescendingOrder);
    list.model.setRows({{"1", "b"}, {"2", "a"}, {"3", "c"}});
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{2, 0, 1}));
}

TEST(ListPanel, SelectionFollowsTheEntriesThroughFilterAndSort)
{
    Panel list(addresses());
    QTableView& view = *list.panel.view();
    view.selectRow(0);
    view.selectionModel()->select(list.filter().index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(list.panel.selectedSourceRows(), (std::vector<int>{0, 2}));
    list.filter().sort(1, Qt::DescendingOrder);
    EXPECT_EQ(list.panel.selectedSourceRows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(list.panel.currentSourceRow(), 0);
    list.field().setText("carl");
    EXPECT_EQ(list.panel.selectedSourceRows(), (std::vector<int>{2})) << "hidden rows drop out";

    // Showing an entry the filter hides clears the filter.
    list.panel.showSourceRow(3);
    EXPECT_TRUE(list.field().text().isEmpty());
    EXPECT_EQ(list.panel.selectedSourceRows(), (std::vector<int>{3}));
    EXPECT_EQ(list.panel.currentSourceRow(), 3);
}

TEST(ListPanel, RowFilterShowsOnlyTheMarkedEntries)
{
    Panel list(addresses());
    list.model.setNotes({"", "repeats", "", "<b>covered</b>"}, {});
    EXPECT_TRUE(list.model.index(3, 0).data(Qt::ToolTipRole).toString().contains("&lt;b&gt;"))
        << "a note is plain text";
    list.filter().setRowFilter([&](int row) { return !list.model.noteAt(row).isEmpty(); });
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{1, 3}));
    list.field().setText("dora");
    EXPECT_EQ(shownSourceRows(list.filter()), (std::vector<int>{3}));
    list.field().clear();
    list.filter().setRowFilter({});
    EXPECT_EQ(list.filter().rowCount(), 4);
}

TEST(ListPanel, CtrlFFocusesTheFilterAndEscapeClearsItBeforeClosingTheDialog)
{
    QDialog dialog;
    auto* model = new TextTableModel(&dialog);
    model->setHeadings({"Address"});
    model->setRows({{"a"}, {"b"}});
    auto* panel =
        new ListPanel({"N", "E", "D"}, QAbstractItemView::SingleSelection, English, &dialog);
    panel->setSourceModel(model);
    panel->filterBar()->focusOnFindKey(dialog);
    (new QVBoxLayout(&dialog))->addWidget(panel);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* field = panel->filterBar()->field();
    EXPECT_FALSE(field->accessibleName().isEmpty());

    panel->view()->setFocus();
    QTest::keyClick(panel->view(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "b");
    EXPECT_EQ(panel->filterModel()->rowCount(), 1);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(dialog.isVisible()) << "the first Escape only clears the filter";
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

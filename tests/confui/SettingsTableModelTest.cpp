// The rows of the settings browser over a real configuration.
#include "confui/browser/SettingsTableModel.h"

#include "GuiFixture.h"
#include "confui/QtTexts.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace morva::confui;

namespace {
QString cell(const SettingsTableModel& model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

int rowOf(const SettingsTableModel& model, const QString& key)
{
    for (int row = 0; row < model.rowCount(); ++row)
        if (cell(model, row, SettingsTableModel::KeyColumn) == key)
            return row;
    return -1;
}
} // namespace

TEST(SettingsTableModel, SearchFiltersAndColumns)
{
    GuiFixture fixture("InboundGreyListMinTime=600\r\n"
                       "NAGIOSAllowIP=10.1.0.0/16\r\nNAGIOSAllowIP=10.2.0.0/16\r\n"
                       "NAGIOSAllowIP=10.3.0.0/16\r\nNAGIOSAllowIP=10.4.0.0/16\r\n");
    SettingsTableModel model(*fixture.store, morva::German);
    EXPECT_EQ(model.rowCount(), 1439);
    EXPECT_EQ(model.columnCount(), SettingsTableModel::ColumnCount);
    EXPECT_EQ(model.headerData(SettingsTableModel::KeyColumn, Qt::Horizontal).toString(),
              uiText("browser.column.key", morva::German));

    model.setSearchText("grey min");
    int row = rowOf(model, "InboundGreyListMinTime");
    ASSERT_EQ(row, 0);
    EXPECT_EQ(cell(model, row, SettingsTableModel::ValueColumn), "600");
    EXPECT_EQ(cell(model, row, SettingsTableModel::DefaultColumn), "300");
    EXPECT_EQ(cell(model, row, SettingsTableModel::KindColumn), "Int");
    EXPECT_TRUE(cell(model, row, SettingsTableModel::PlaceColumn)
                    .endsWith(uiText("confui.page.IniGrey", morva::German)));
    EXPECT_TRUE(model.data(model.index(row, 0), Qt::FontRole).value<QFont>().bold());

    // A list: its item count and first items; on no page.
    model.setSearchText("NAGIOSAllowIP");
    row = rowOf(model, "NAGIOSAllowIP");
    ASSERT_EQ(row, 0);
    EXPECT_EQ(cell(model, row, SettingsTableModel::ValueColumn),
              "4: 10.1.0.0/16, 10.2.0.0/16, 10.3.0.0/16, ...");
    EXPECT_EQ(cell(model, row, SettingsTableModel::PlaceColumn),
              uiText("browser.noPage", morva::German));

    // Filters: changed from the default, lists on no page.
    model.setSearchText("");
    SettingsFilter changed;
    changed.changedOnly = true;
    model.setFilter(changed);
    EXPECT_EQ(model.rowCount(), 2);
    fixture.store->setBool("WriteLogFile", false);
    model.refreshValues();
    EXPECT_EQ(model.rowCount(), 3);
    SettingsFilter unplacedLists;
    unplacedLists.listsOnly = true;
    unplacedLists.noPageOnly = true;
    model.setFilter(unplacedLists);
    for (int r = 0; r < model.rowCount(); ++r)
        EXPECT_TRUE(model.settingAt(r).places.empty() &&
                    morva::config::isListKind(model.settingAt(r).kind));
    EXPECT_GT(model.rowCount(), 0);

    // No match: no rows, the nearest keys.
    model.setFilter({});
    model.setSearchText("InbundGreyListMinTim");
    EXPECT_EQ(model.rowCount(), 0);
    ASSERT_FALSE(model.nearestKeys().empty());
    EXPECT_EQ(model.nearestKeys().front(), "InboundGreyListMinTime");
}

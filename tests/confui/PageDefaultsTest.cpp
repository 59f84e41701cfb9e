// Values that differ from their defaults on the pages: bold labels that
// follow the edits, the default in the tooltip, and "Reset to default".
#include "confui/PageDefaults.h"

#include "GuiFixture.h"
#include "confui/ListBox.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/QtTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

using namespace morva::confui;

namespace {

ConfigPage* activate(Cwm_BasePropSheet& sheet, const char* name)
{
    for (int index = 0; index < sheet.pageCount(); ++index)
        if (sheet.page(index)->name() == name) {
            EXPECT_TRUE(sheet.setActivePage(index, false));
            return sheet.page(index);
        }
    ADD_FAILURE() << name;
    return nullptr;
}

// Opens the context menu of `widget` and chooses "Reset to default" in it;
// returns how many entries the menu had (0: no menu came up).
int resetThroughContextMenu(QWidget* widget)
{
    int entries = 0;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        entries = static_cast<int>(menu->actions().size());
        for (QAction* action : menu->actions())
            if (action->text() == uiText(PageDefaults::kResetTextId, 0))
                action->trigger();
        menu->close();
    });
    emit widget->customContextMenuRequested(QPoint(2, 2));
    return entries;
}

bool bold(ConfigPage* page, const char* key)
{
    QWidget* label = page->labelWidgetFor(key);
    EXPECT_NE(label, nullptr) << key;
    return label && label->font().bold();
}

void type(ConfigPage* page, const char* key, const QString& text)
{
    QLineEdit* edit = page->numberFieldFor(key);
    edit->setText(text);
    emit edit->textEdited(text);
}

} // namespace

TEST(PageDefaults, ChangedValuesHaveBoldLabelsThatFollowTheEdits)
{
    GuiFixture fixture("InboundGreyList=True\r\nInboundGreyListMinTime=600\r\n");
    auto sheet = buildOptionsSheet(4, fixture.environment());
    sheet->show();
    ConfigPage* grey = activate(*sheet, "IniGrey");
    ASSERT_TRUE(grey);
    EXPECT_TRUE(bold(grey, "InboundGreyListMinTime"));
    EXPECT_FALSE(bold(grey, "InboundGreyListMaxTime"));
    const bool switchDefault =
        fixture.store->find("InboundGreyList")->defaultValue == morva::config::ConfigValue(true);
    EXPECT_EQ(bold(grey, "InboundGreyList"), !switchDefault);

    type(grey, "InboundGreyListMinTime", "300"); // the default
    EXPECT_FALSE(bold(grey, "InboundGreyListMinTime"));
    type(grey, "InboundGreyListMaxTime", "7200");
    EXPECT_TRUE(bold(grey, "InboundGreyListMaxTime"));

    // Each tooltip names the key and the default, in the page's language.
    const QString tip = grey->widgetFor("InboundGreyListMinTime")->toolTip();
    EXPECT_TRUE(tip.contains("InboundGreyListMinTime")) << tip.toStdString();
    EXPECT_TRUE(tip.contains(uiText("confui.tooltipDefault", 0).arg("300"))) << tip.toStdString();
    EXPECT_TRUE(grey->widgetFor("InboundGreyList")
                    ->toolTip()
                    .contains(uiText(
                        switchDefault ? "confui.defaultTicked" : "confui.defaultUnticked", 0)));

    // The label's context menu resets the key it belongs to. (A line edit's
    // menu is its usual one with the entry added: not opened here, since it
    // reaches the clipboard, which the tests' QApplication cannot release
    // at exit.)
    EXPECT_EQ(grey->widgetFor("InboundGreyListMaxTime")->contextMenuPolicy(),
              Qt::CustomContextMenu);
    EXPECT_EQ(resetThroughContextMenu(grey->labelWidgetFor("InboundGreyListMaxTime")), 1);
    EXPECT_EQ(grey->numberFieldFor("InboundGreyListMaxTime")->text(), "259200");
    EXPECT_FALSE(bold(grey, "InboundGreyListMaxTime"));
    EXPECT_EQ(grey->numberFieldFor("InboundGreyListMinTime")->text(), "300");
}

TEST(PageDefaults, ResetPutsTheDefaultInTheControlAndTheSheetSavesIt)
{
    GuiFixture fixture("InboundGreyList=True\r\nInboundGreyListMinTime=600\r\n"
                       "WriteStatisticFile=True\r\nStatisticPurgeDays=12\r\n"
                       "SMTPRelayAllowIP=10.1.0.0/16 ; branch\r\n");
    auto grey = buildOptionsSheet(4, fixture.environment());
    grey->show();
    ConfigPage* page = activate(*grey, "IniGrey");
    ASSERT_TRUE(page);
    page->resetToDefault("InboundGreyListMinTime");
    EXPECT_EQ(page->numberFieldFor("InboundGreyListMinTime")->text(), "300");
    EXPECT_FALSE(bold(page, "InboundGreyListMinTime"));
    EXPECT_TRUE(page->isModified());
    EXPECT_EQ(fixture.store->getInt("InboundGreyListMinTime"), 600) << "nothing saved yet";
    ASSERT_TRUE(grey->applyAll());
    EXPECT_TRUE(fixture.fromDisk()->isDefault("InboundGreyListMinTime"));
    grey.reset();

    auto general = buildOptionsSheet(2, fixture.environment());
    general->show();
    ConfigPage* statistic = activate(*general, "IniStat");
    ASSERT_TRUE(statistic);
    EXPECT_TRUE(bold(statistic, "StatisticPurgeDays"));
    statistic->resetToDefault("StatisticPurgeDays");
    EXPECT_FALSE(static_cast<QCheckBox*>(statistic->widgetFor("StatisticPurgeDays"))->isChecked());
    EXPECT_EQ(statistic->numberFieldFor("StatisticPurgeDays")->text(), "30");
    EXPECT_FALSE(bold(statistic, "StatisticPurgeDays"));

    ConfigPage* relay = activate(*general, "IniRel");
    ASSERT_TRUE(relay);
    EXPECT_TRUE(bold(relay, "SMTPRelayAllowIP"));
    relay->resetToDefault("SMTPRelayAllowIP");
    EXPECT_EQ(relay->listFor("SMTPRelayAllowIP")->view()->model()->rowCount(), 0);
    EXPECT_FALSE(bold(relay, "SMTPRelayAllowIP"));
    ASSERT_TRUE(general->applyAll());
    const auto disk = fixture.fromDisk();
    EXPECT_TRUE(disk->isDefault("StatisticPurgeDays"));
    EXPECT_TRUE(disk->isDefault("SMTPRelayAllowIP"));
    EXPECT_TRUE(disk->getBool("WriteStatisticFile")) << "other keys keep their values";
    EXPECT_TRUE(fixture.recorder.messages.empty());
}

#include "GuiFixture.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/sheets/AdvancedSheet.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace morva::confui;

namespace {
std::vector<std::unique_ptr<Cwm_BasePropSheet>> everySheet(GuiFixture& fixture)
{
    std::vector<std::unique_ptr<Cwm_BasePropSheet>> sheets;
    for (int type = 1; type <= 13; ++type)
        sheets.push_back(buildOptionsSheet(type, fixture.environment()));
    sheets.push_back(buildCatalogueSheet(kAdvancedSheetType, fixture.environment()));
    return sheets;
}

void press(QWidget* sheet, QKeyCombination keys)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : sheet;
    QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
}
} // namespace

TEST(PageSelector, LongSheetsListTheirPagesWholeAndShortOnesKeepTheirTabs)
{
    GuiFixture fixture;
    int listed = 0;
    for (const auto& sheet : everySheet(fixture)) {
        sheet->show();
        const bool long_ = sheet->pageCount() > Cwm_BasePropSheet::kMaxTabbedPages;
        const bool wizard = sheet->isWizard();
        EXPECT_EQ(sheet->pageList()->isVisible(), long_ && !wizard)
            << sheet->windowTitle().toStdString();
        EXPECT_EQ(sheet->tabBar()->isVisible(), !long_ && !wizard)
            << sheet->windowTitle().toStdString();
        if (!long_)
            continue;
        ++listed;
        QListWidget* list = sheet->pageList();
        ASSERT_EQ(list->count(), sheet->pageCount());
        EXPECT_EQ(list->currentRow(), sheet->activeIndex());
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < list->count(); ++row)
            EXPECT_LE(metrics.horizontalAdvance(list->item(row)->text()), list->viewport()->width())
                << list->item(row)->text().toStdString() << " is cut";
        // The list takes a row of the sheet, not its page's room.
        EXPECT_GE(sheet->activePage()->parentWidget()->width(), list->width());
        sheet->hide();
    }
    EXPECT_GE(listed, 3) << "the long sheets of the Options and the Advanced sheet";
}

TEST(PageSelector, KeyboardAndListStepThroughPagesAndLoadThem)
{
    GuiFixture fixture;
    auto sheet = buildCatalogueSheet(kAdvancedSheetType, fixture.environment());
    ASSERT_GT(sheet->pageCount(), Cwm_BasePropSheet::kMaxTabbedPages);
    sheet->show();
    QApplication::setActiveWindow(sheet.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    const int last = sheet->pageCount() - 1;

    press(sheet.get(), Qt::CTRL | Qt::Key_PageDown);
    EXPECT_EQ(sheet->activeIndex(), 1);
    press(sheet.get(), Qt::CTRL | Qt::Key_Tab);
    EXPECT_EQ(sheet->activeIndex(), 2);
    EXPECT_EQ(sheet->pageList()->currentRow(), 2);
    press(sheet.get(), Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);
    EXPECT_EQ(sheet->activeIndex(), 1);
    press(sheet.get(), Qt::CTRL | Qt::Key_PageUp);
    press(sheet.get(), Qt::CTRL | Qt::Key_PageUp);
    EXPECT_EQ(sheet->activeIndex(), last) << "stepping wraps round like tabs do";
    EXPECT_TRUE(sheet->page(last)->isLoaded());
    EXPECT_TRUE(QApplication::focusWidget() && QApplication::focusWidget()->isVisible())
        << "the keyboard focus stays on something that shows";

    sheet->pageList()->setCurrentRow(3);
    EXPECT_EQ(sheet->activeIndex(), 3);
    EXPECT_TRUE(sheet->page(3)->isLoaded());
    // OK still walks every page, whichever way they show.
    EXPECT_TRUE(sheet->applyAll());
    // Escape is Cancel.
    press(sheet.get(), Qt::Key_Escape);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), kIdCancel);
}

TEST(PageSelector, WizardKeepsBackAndNextWithoutSelectorOrPageKeys)
{
    GuiFixture fixture;
    auto sheet = buildOptionsSheet(1, fixture.environment());
    sheet->setWizardMode(true);
    sheet->show();
    QApplication::setActiveWindow(sheet.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    EXPECT_FALSE(sheet->tabBar()->isVisible());
    EXPECT_FALSE(sheet->pageList()->isVisible());
    press(sheet.get(), Qt::CTRL | Qt::Key_PageDown);
    EXPECT_EQ(sheet->activeIndex(), 0);
    EXPECT_TRUE(sheet->nextButton()->isVisible());
}

// Every sheet, page and dialog of the configuration as a keyboard or screen
// reader user meets it, in every language.
#include "GuiFixture.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/sheets/AdvancedSheet.h"
#include "resources/Texts.h"
#include "support/AccessibilityAudit.h"

#include <QDialog>
#include <QFont>
#include <QPushButton>
#include <gtest/gtest.h>
#include <set>

using namespace morva::confui;
using morva::test::AuditFindings;
using morva::test::auditWindow;
using morva::test::describe;

namespace {

struct SheetCase
{
    int type;
    bool wizard;
};

std::vector<SheetCase> everySheet()
{
    std::vector<SheetCase> cases;
    for (int type = 1; type <= 13; ++type)
        cases.push_back({type, false});
    cases.push_back({1, true});
    cases.push_back({kAdvancedSheetType, false});
    return cases;
}

QString sheetName(const Cwm_BasePropSheet& sheet, int index)
{
    return sheet.windowTitle() + QStringLiteral(" / ") +
           QString::fromStdString(sheet.page(index)->definition().name);
}

// The buttons of a page that open a dialog of their own (lists, entries,
// text files, domain lists), pressed once each.
void pressPageButtons(ConfigPage* page)
{
    for (QPushButton* button : page->findChildren<QPushButton*>())
        if (button->isVisible() && button->isEnabled())
            button->click();
}

// Tab goes down the page as it reads: no control it reaches lies wholly
// above the one before it.
void checkTabOrder(ConfigPage* page, const QString& name, std::vector<QString>& findings)
{
    const QWidget* previous = nullptr;
    for (QWidget* widget = page->nextInFocusChain(); widget && widget != page;
         widget = widget->nextInFocusChain()) {
        if (!page->isAncestorOf(widget) || !widget->isVisible() || !widget->isEnabled() ||
            !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        const QRect here(widget->mapTo(page, QPoint(0, 0)), widget->size());
        if (previous) {
            const QRect before(previous->mapTo(page, QPoint(0, 0)), previous->size());
            if (here.bottom() < before.top())
                findings.push_back(name + QStringLiteral(": Tab goes up to ") +
                                   QString::fromLatin1(widget->metaObject()->className()));
        }
        previous = widget;
    }
}

AuditFindings walkAllSheets(int language, bool pressButtons)
{
    GuiFixture fixture;
    fixture.recorder.answer = false;
    AuditFindings findings;
    std::set<QString> dialogsSeen;
    fixture.dialogs = [&](QDialog& dialog) {
        const QString name = QStringLiteral("dialog ") + dialog.windowTitle();
        if (dialogsSeen.insert(name).second) {
            dialog.show();
            QApplication::processEvents();
            findings.add(auditWindow(&dialog, name));
        }
        return 0;
    };
    for (const SheetCase& sheetCase : everySheet()) {
        SheetEnvironment environment = fixture.environment();
        environment.language = language;
        auto sheet = sheetCase.type == kAdvancedSheetType
                         ? buildCatalogueSheet(sheetCase.type, environment)
                         : buildOptionsSheet(sheetCase.type, environment);
        sheet->setWizardMode(sheetCase.wizard);
        sheet->show();
        for (int index = 0; index < sheet->pageCount(); ++index) {
            sheet->setActivePage(index, false);
            QApplication::processEvents();
            findings.add(auditWindow(sheet.get(), sheetName(*sheet, index)));
            checkTabOrder(sheet->page(index), sheetName(*sheet, index), findings.tabOrder);
            if (pressButtons)
                pressPageButtons(sheet->page(index));
        }
        sheet->hide();
    }
    return findings;
}

} // namespace

TEST(AccessibilityWalk, EveryControlOfEverySheetPageAndDialogHasANameAndTablesHeaders)
{
    const AuditFindings findings = walkAllSheets(0, true);
    EXPECT_TRUE(findings.unnamed.empty()) << findings.unnamed.size() << " unnamed\n"
                                          << describe(findings.unnamed);
    EXPECT_TRUE(findings.headerless.empty()) << describe(findings.headerless);
    EXPECT_TRUE(findings.tabOrder.empty()) << describe(findings.tabOrder);
}

TEST(AccessibilityWalk, AccessKeysAreUniqueAndTextsFitInEveryLanguage)
{
    for (int language = 0; language < morva::kLanguageCount; ++language) {
        const AuditFindings findings = walkAllSheets(language, language == 0);
        EXPECT_TRUE(findings.duplicateKeys.empty())
            << "language " << language << ": " << findings.duplicateKeys.size()
            << " duplicate access keys\n"
            << describe(findings.duplicateKeys);
        EXPECT_TRUE(findings.cutTexts.empty())
            << "language " << language << ": " << findings.cutTexts.size() << " cut texts\n"
            << describe(findings.cutTexts);
    }
}

// A desktop set to a font one size larger: the pages and dialogs grow with
// it and still show every text whole, in every language.
TEST(AccessibilityWalk, TextsFitWithTheDesktopFontOneSizeLarger)
{
    const QFont original = QApplication::font();
    QFont larger = original;
    if (original.pointSizeF() > 0)
        larger.setPointSizeF(original.pointSizeF() + 1);
    else
        larger.setPixelSize(original.pixelSize() + 1);
    QApplication::setFont(larger);
    for (int language = 0; language < morva::kLanguageCount; ++language) {
        const AuditFindings findings = walkAllSheets(language, true);
        EXPECT_TRUE(findings.cutTexts.empty())
            << "language " << language << ": " << findings.cutTexts.size() << " cut texts\n"
            << describe(findings.cutTexts);
    }
    QApplication::setFont(original);
}

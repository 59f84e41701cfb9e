// The sheet commands of the running console: one registration gives every
// catalogued sheet its menu command, and every page the editors it opens.
#include "confui/SheetCommands.h"

#include "app/ConsoleHarness.h"
#include "config/ConfigStore.h"
#include "confui/Catalogue.h"
#include "confui/ConfigPage.h"
#include "confui/Cwm_BasePropSheet.h"
#include "confui/ListBox.h"
#include "confui/policy/PolicyEntryDialog.h"
#include "confui/policy/PolicyList.h"
#include "confui/sheets/TextFileDialog.h"
#include "resources/CommandIds.h"
#include "service_gui/GuiTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using namespace morva;
using namespace morva::confui;

namespace {

// Runs `action` and hands each modal dialog that shows above `beneath`
// meanwhile to `handle`, which closes it and tells whether another one is
// expected. Returns how many dialogs were handled.
int runWithDialogs(QWidget* beneath, const std::function<void()>& action,
                   const std::function<bool(QDialog&)>& handle)
{
    struct Watch
    {
        bool watching = true;
        int handled = 0;
    };
    auto watch = std::make_shared<Watch>();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [watch, beneath, handle, next = std::weak_ptr(poll)] {
        if (!watch->watching)
            return;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog != beneath && dialog->isVisible()) {
            ++watch->handled;
            watch->watching = handle(*dialog);
        }
        if (auto again = next.lock(); again && watch->watching)
            QTimer::singleShot(5, *again);
    };
    QTimer::singleShot(0, *poll);
    action();
    watch->watching = false;
    return watch->handled;
}

std::vector<int> sheetCommandIds()
{
    std::vector<int> ids;
    for (const SheetDef& sheet : catalogue().sheets())
        if (sheet.commandId != 0)
            ids.push_back(sheet.commandId);
    return ids;
}

const SheetDef* sheetOfCommand(int commandId)
{
    for (const SheetDef& sheet : catalogue().sheets())
        if (sheet.commandId == commandId)
            return &sheet;
    return nullptr;
}

struct SheetCommandsTest : ::testing::Test
{
    SheetCommandsTest()
    {
        test::ensureGuiApp();
        // The first idle pass runs now, before any sheet command is wired.
        console.create();
    }

    config::ConfigStore& store() { return console.environment->configStore(); }

    test::ConsoleHarness console;
    std::vector<std::string> routesOpened;
    RouteEditor routes = [this](QWidget* parent, const std::string& key) {
        EXPECT_TRUE(parent);
        routesOpened.push_back(key);
    };
};

// Opens every editor of the active pages of `sheet` and notes what opened.
struct EditorProbe
{
    Cwm_BasePropSheet& sheet;
    const std::vector<std::string>& routesOpened;
    std::set<std::string> opened; // policy list keys, route keys, file names

    void openAll()
    {
        for (int index = 0; index < sheet.pageCount(); ++index) {
            ASSERT_TRUE(sheet.setActivePage(index, false));
            ConfigPage& page = *sheet.page(index);
            for (const Control& control : page.definition().controls)
                open(page, control);
        }
    }

    void open(ConfigPage& page, const Control& control)
    {
        const std::string where = page.name() + " " + control.key + control.target;
        if (control.kind == ControlKind::List && findPolicyList(control.key)) {
            ListBox* box = page.listFor(control.key);
            ASSERT_TRUE(box) << where;
            const int dialogs = runWithDialogs(
                &sheet, [box] { box->newEntry(); },
                [&](QDialog& dialog) {
                    auto* editor = qobject_cast<PolicyEntryDialog*>(&dialog);
                    EXPECT_TRUE(editor) << where << ": " << dialog.metaObject()->className();
                    if (editor && editor->list().key == control.key)
                        opened.insert(control.key);
                    dialog.reject();
                    return false;
                });
            EXPECT_EQ(dialogs, 1) << where;
        }
        if (control.kind != ControlKind::EditorButton)
            return;
        QPushButton* button = page.buttonFor(control.target);
        ASSERT_TRUE(button) << where;
        if (control.editor == Editor::Routes) {
            const std::size_t before = routesOpened.size();
            button->click();
            ASSERT_EQ(routesOpened.size(), before + 1) << where;
            EXPECT_EQ(routesOpened.back(), control.target);
            opened.insert(control.target);
            return;
        }
        const int dialogs = runWithDialogs(
            &sheet, [button] { button->click(); },
            [&](QDialog& dialog) {
                EXPECT_TRUE(qobject_cast<TextFileDialog*>(&dialog)) << where;
                opened.insert(control.target);
                dialog.reject();
                return false;
            });
        EXPECT_EQ(dialogs, 1) << where;
    }
};

TEST_F(SheetCommandsTest, EveryCommandOpensItsSheetWithTheEditorsOfItsPages)
{
    const std::set<int> expected = {
        command::OptionsGeneral, command::OptionsBlocking,      command::OptionsSpam,
        command::OptionsClamAV,  command::OptionsSystem,        command::OptionsSession,
        command::OptionsVirus,   command::OptionsTransit,       command::OptionsSmime,
        command::OptionsDkim,    command::OptionsTls,           command::OptionsGlobalExclude,
        command::JunkMailAddOn,  command::AdvancedConfiguration};
    const std::vector<int> ids = sheetCommandIds();
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), expected);
    EXPECT_EQ(ids.size(), expected.size()) << "a command opening two sheets";

    registerSheetCommands(console.app->featureSetup(), routes);
    std::set<std::string> opened;
    for (int id : ids) {
        const SheetDef& definition = *sheetOfCommand(id);
        const std::string where = "command " + std::to_string(id);
        ASSERT_TRUE(console.commands->isEnabled(id)) << where;
        // The add-on query has not run yet, so the sheets that ask for it
        // show the add-on sheet first.
        store().setInt("AdminMVFQueryStatus", 99);
        std::vector<std::string> shown;
        const int dialogs = runWithDialogs(
            console.app->mainWindow(), [&] { console.commands->run(id); },
            [&](QDialog& dialog) {
                shown.push_back(dialog.metaObject()->className());
                auto* sheet = qobject_cast<Cwm_BasePropSheet*>(&dialog);
                EXPECT_TRUE(sheet) << where;
                const bool addOnFirst = definition.addOnQuery && shown.size() == 1;
                if (sheet && !addOnFirst) {
                    EXPECT_EQ(sheet->pageCount(), static_cast<int>(definition.pages.size()));
                    for (int index = 0; index < sheet->pageCount(); ++index) {
                        EXPECT_EQ(sheet->page(index)->name(), definition.pages[index].page);
                        if (index > 0) {
                            EXPECT_EQ(sheet->page(index)->isLoaded(), definition.preloadPages)
                                << where << " " << sheet->page(index)->name();
                        }
                    }
                    EditorProbe probe{*sheet, routesOpened, {}};
                    probe.openAll();
                    opened.insert(probe.opened.begin(), probe.opened.end());
                }
                dialog.reject();
                return addOnFirst;
            });
        const char* sheetClass =
            definition.kind == SheetKind::Advanced ? "morva::confui::Cwm_ConfPropSheet"
            : definition.kind == SheetKind::AddOn  ? "morva::confui::Cwm_MVFPropSheet"
                                                   : "morva::confui::Cwm_IniPropSheet";
        ASSERT_EQ(dialogs, definition.addOnQuery ? 2 : 1) << where;
        if (definition.addOnQuery) {
            EXPECT_EQ(shown.front(), "morva::confui::Cwm_MVFPropSheet") << where;
        }
        EXPECT_EQ(shown.back(), sheetClass) << where;
    }
    // Every editor of every sheet opened: all policy lists, both routing
    // grids and the disclaimer.
    for (const PolicyList& list : policyLists())
        EXPECT_TRUE(opened.count(list.key)) << list.key;
    for (const char* target : {"ExchStaticRoute", "SMTPStaticRoute", "odisc-pl.txt"})
        EXPECT_TRUE(opened.count(target)) << target;
    for (const auto& message : console.messages.messages())
        ADD_FAILURE() << message.text.toStdString();
}

TEST_F(SheetCommandsTest, RegisteringAgainInstallsTheSameHandlersOnce)
{
    registerSheetCommands(console.app->featureSetup(), {});
    registerSheetCommands(console.app->featureSetup(), routes);
    // The add-on status is known: each command shows exactly one sheet.
    store().setInt("AdminMVFQueryStatus", 0);
    for (int id : sheetCommandIds()) {
        const int dialogs = runWithDialogs(
            console.app->mainWindow(), [&] { console.commands->run(id); },
            [](QDialog& dialog) {
                dialog.reject();
                return true;
            });
        EXPECT_EQ(dialogs, 1) << "command " << id;
    }
    // The setup wizard is the first-run step; its routing buttons open the
    // editor of the last registration.
    ASSERT_TRUE(console.app->firstRunSteps().optionsWizard);
    bool wizard = false;
    runWithDialogs(
        console.app->mainWindow(), [&] { console.app->firstRunSteps().optionsWizard(); },
        [&](QDialog& dialog) {
            auto* sheet = qobject_cast<Cwm_BasePropSheet*>(&dialog);
            wizard = sheet && sheet->isWizard();
            if (sheet)
                if (QPushButton* button = sheet->page(0)->buttonFor("ExchStaticRoute"))
                    button->click();
            dialog.reject();
            return false;
        });
    EXPECT_TRUE(wizard);
    EXPECT_EQ(routesOpened, std::vector<std::string>{"ExchStaticRoute"});
}

} // namespace

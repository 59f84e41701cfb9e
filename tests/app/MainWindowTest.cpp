#include "ConsoleHarness.h"
#include "app/Cwm_AboutDlg.h"
#include "gui/Cwm_WaitDlg.h"
#include "gui/Text.h"
#include "platform/FileSystem.h"
#include "resources/CommandIds.h"
#include "service/SignalFiles.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>

namespace c = morva::command;
using morva::app::Cwm_MainBaseWnd;
using morva::gui::MessageKind;
using morva::test::ConsoleHarness;

namespace {

const char* const kPlacement[] = {"MainWndFlags",     "MainWndShowCmd",   "MainWndNPosLeft",
                                  "MainWndNPosTop",   "MainWndNPosRight", "MainWndNPosBottom",
                                  "MainWndTBVisible", "MainWndSBVisible"};

void storePlacement(morva::app::AdminSettings& settings, std::array<int, 8> values)
{
    for (int i = 0; i < 8; ++i)
        settings.writeInt(QString::fromLatin1(kPlacement[i]), values[static_cast<size_t>(i)]);
}

QRect screen()
{
    return QGuiApplication::primaryScreen()->geometry();
}

TEST(MainWindow, FirstStartWithoutSettingsUsesTheDefaultRectangleAndBothBars)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.create();
    const QRect s = screen();
    EXPECT_EQ(h.window().geometry(),
              QRect(QPoint(20, 20), QPoint(s.width() - 21, s.height() - 71)));
    EXPECT_TRUE(h.window().isToolBarShown());
    EXPECT_TRUE(h.window().isStatusBarShown());
    EXPECT_EQ(h.window().windowTitle(), QStringLiteral("Morva Admin"));
}

TEST(MainWindow, PlacementIsSavedAndRestored)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.create();
    h.window().setGeometry(100, 120, 500, 400);
    h.window().setToolBarShown(false);
    h.window().close();
    EXPECT_EQ(h.settings->readInt("MainWndNPosLeft", -1), 100);
    EXPECT_EQ(h.settings->readInt("MainWndNPosRight", -1), 600);
    EXPECT_EQ(h.settings->readInt("MainWndNPosBottom", -1), 520);
    EXPECT_EQ(h.settings->readInt("MainWndShowCmd", -1), 1);
    EXPECT_EQ(h.settings->readInt("MainWndTBVisible", -1), 0);
    EXPECT_EQ(h.settings->readInt("MainWndSBVisible", -1), 1);

    h.create();
    EXPECT_EQ(h.window().geometry(), QRect(100, 120, 500, 400));
    EXPECT_FALSE(h.window().isToolBarShown());
    EXPECT_TRUE(h.window().isStatusBarShown());
}

TEST(MainWindow, MaximisedWindowRestoresMaximised)
{
    ConsoleHarness h;
    storePlacement(*h.settings, {0, 3, 50, 60, 650, 560, 1, 1});
    h.create();
    EXPECT_TRUE(h.window().windowState() & Qt::WindowMaximized);
}

struct OffScreenCase
{
    int left, top;
    bool restored;
};

class PlacementOffScreen : public testing::TestWithParam<OffScreenCase>
{
};

TEST_P(PlacementOffScreen, PositionBeyondTheScreenIsIgnoredButBarsApply)
{
    ConsoleHarness h;
    const QRect s = screen();
    const int left = GetParam().left < 0 ? s.width() + GetParam().left : GetParam().left;
    const int top = GetParam().top < 0 ? s.height() + GetParam().top : GetParam().top;
    storePlacement(*h.settings, {0, 1, left, top, left + 300, top + 200, 1, 0});
    h.create();
    EXPECT_EQ(h.window().geometry().topLeft() == QPoint(left, top), GetParam().restored);
    EXPECT_FALSE(h.window().isStatusBarShown());
}

// Negative values count from the screen's right or bottom edge; the icon is
// 32 pixels.
INSTANTIATE_TEST_SUITE_P(Rule, PlacementOffScreen,
                         testing::Values(OffScreenCase{-32, 10, true},
                                         OffScreenCase{-31, 10, false},
                                         OffScreenCase{10, -32, true},
                                         OffScreenCase{10, -10, false}));

TEST(MainWindow, MissingPlacementValueRestoresNothing)
{
    ConsoleHarness h;
    storePlacement(*h.settings, {0, 1, 100, 100, 400, 400, 0, 0});
    h.settings->writeInt("MainWndSBVisible", -1);
    h.create();
    EXPECT_TRUE(h.window().isToolBarShown());
    EXPECT_NE(h.window().geometry().topLeft(), QPoint(100, 100));
}

TEST(MainWindow, HidingTheToolbarMovesTheLogViewUpByItsHeightPlusSix)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.writeFile("GW.log", "08.12.26 12:00:00 1: started\r\n");
    h.create();
    ASSERT_TRUE(h.window().logView());
    QWidget* view = h.window().logView();
    const int before = view->mapTo(&h.window(), QPoint(0, 0)).y();
    const int toolbarHeight = h.window().toolBar()->height();
    h.commands->run(c::ToggleToolbar);
    EXPECT_FALSE(h.window().isToolBarShown());
    EXPECT_EQ(before - view->mapTo(&h.window(), QPoint(0, 0)).y(),
              toolbarHeight + Cwm_MainBaseWnd::kToolBarGap);
    EXPECT_FALSE(h.window().action(c::ToggleToolbar)->isChecked());
    h.commands->run(c::ToggleToolbar);
    EXPECT_EQ(view->mapTo(&h.window(), QPoint(0, 0)).y(), before);
}

TEST(MainWindow, WithoutLogViewLogCommandsAreDisabled)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nAdminShowLogFile=False\r\n");
    h.create();
    EXPECT_EQ(h.window().logView(), nullptr);
    EXPECT_TRUE(h.app->noLogView());
    for (int id : {c::Refresh, c::Print, c::Find, c::Copy})
        EXPECT_FALSE(h.window().action(id)->isEnabled()) << id;
    EXPECT_TRUE(h.commands->isEnabled(c::RecreateLogView));
}

TEST(MainWindow, CommandsWithoutHandlerAreDisabledAndWiredOnesEnabled)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.create();
    for (int id : {c::Undo, c::Cut, c::Paste, c::ToolbarNew, c::ToolbarOpen, c::ToolbarDelete,
                   c::Forwarding, c::OptionsSpam})
        EXPECT_FALSE(h.window().action(id)->isEnabled()) << id;
    for (int id : {c::Refresh, c::Print, c::About, c::HomePage, c::SignalDeliver, c::Exit})
        EXPECT_TRUE(h.window().action(id)->isEnabled()) << id;

    // A later feature wires its command by id alone.
    bool opened = false;
    h.commands->setHandler(c::Forwarding, [&] { opened = true; });
    EXPECT_TRUE(h.window().action(c::Forwarding)->isEnabled());
    h.window().action(c::Forwarding)->trigger();
    EXPECT_TRUE(opened);
}

TEST(MainWindow, AcceleratorsTriggerTheirCommands)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.create();
    int refreshes = 0;
    h.commands->setHandler(c::Refresh, [&] { ++refreshes; });
    QApplication::setActiveWindow(&h.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    QTest::keyClick(h.window().logView(), Qt::Key_F5);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(h.window().action(c::Print)->shortcuts().contains(QKeySequence("Ctrl+P")));
    EXPECT_TRUE(h.window().action(c::Copy)->shortcuts().contains(QKeySequence("Ctrl+Ins")));
}

TEST(MainWindow, FlyByPromptsGoToTheMessagePane)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nLanguage=FRA\r\n");
    h.create();
    QStatusTipEvent tip(h.window().action(c::Forwarding)->statusTip());
    QApplication::sendEvent(&h.window(), &tip);
    EXPECT_FALSE(h.window().paneText(0).isEmpty());
    EXPECT_EQ(h.window().paneText(0), h.window().action(c::Forwarding)->statusTip());
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&h.window(), &leave);
    EXPECT_EQ(h.window().paneText(0),
              QString::fromUtf8(morva::commandPrompt(c::ReadyPrompt, morva::French).data()));
}

TEST(MainWindow, LockedPaneAndProgressPane)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.create();
    EXPECT_TRUE(h.window().paneText(Cwm_MainBaseWnd::LockedPane).isEmpty());
    h.app->setLockedPaneOn(true);
    EXPECT_EQ(h.window().paneText(Cwm_MainBaseWnd::LockedPane), QStringLiteral("Locked"));
    h.app->setLockedPaneOn(false);
    EXPECT_TRUE(h.window().paneText(Cwm_MainBaseWnd::LockedPane).isEmpty());

    h.window().beginProgress(60); // one step per 10 items
    ASSERT_TRUE(h.window().progressBar());
    EXPECT_EQ(h.window().progressBar()->minimum(), 1);
    EXPECT_EQ(h.window().progressBar()->maximum(), 6);
    for (int i = 0; i < 25; ++i)
        h.window().stepProgress();
    EXPECT_EQ(h.window().progressBar()->value(), 3);
    for (int i = 0; i < 100; ++i)
        h.window().stepProgress();
    EXPECT_EQ(h.window().progressBar()->value(), 6);
    h.window().setPaneText(0, QStringLiteral("Working"));
    h.window().endProgress();
    EXPECT_EQ(h.window().progressBar(), nullptr);
    EXPECT_EQ(h.window().paneText(0), QStringLiteral("Ready"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    h.window().beginProgress(2); // fewer items than steps: a step per item
    h.window().stepProgress();
    EXPECT_EQ(h.window().progressBar()->value(), 2);
    h.window().endProgress();
}

TEST(MainWindow, WaitDialogIsOneInstanceAndReportsCancel)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.create();
    int idle = 0;
    h.window().setIdleWork([&] { ++idle; });
    h.window().showWaitDialog(QStringLiteral("Morva Admin"), QStringLiteral("Waiting <b>1</b>"));
    auto* first = h.window().waitDialog();
    ASSERT_TRUE(first);
    h.window().showWaitDialog(QStringLiteral("Morva Admin"), QStringLiteral("Waiting 2"));
    EXPECT_EQ(h.window().waitDialog(), first);
    EXPECT_EQ(first->text(), QStringLiteral("Waiting 2"));
    EXPECT_FALSE(h.window().waitDialogCancelled());
    EXPECT_GE(idle, 1);

    QTest::mouseClick(first->cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(h.window().waitDialogCancelled());
    EXPECT_EQ(h.window().waitDialog(), nullptr); // gone with Cancel

    h.window().showWaitDialog(QStringLiteral("Morva Admin"), QStringLiteral("Again"));
    EXPECT_FALSE(h.window().waitDialogCancelled());
    h.window().closeWaitDialog();
    EXPECT_EQ(h.window().waitDialog(), nullptr);
}

TEST(MainWindow, WebPagesGoThroughTheOpenerAndFailureNamesTheAddress)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nLanguage=ITA\r\n");
    h.create();
    h.commands->run(c::HomePage);
    ASSERT_EQ(h.urls.urls().size(), 1u);
    EXPECT_EQ(h.urls.urls()[0].rfind("https://", 0), 0u);
    EXPECT_TRUE(h.messages.messages().empty());

    h.urls.setSucceed(false);
    h.commands->run(c::OnlineOrder);
    ASSERT_EQ(h.messages.messages().size(), 1u);
    const auto& message = h.messages.messages()[0];
    EXPECT_EQ(message.kind, MessageKind::Notice);
    EXPECT_TRUE(
        message.text.endsWith(QStringLiteral("\n") + QString::fromStdString(h.urls.urls().back())));
    EXPECT_TRUE(message.text.startsWith(
        QString::fromUtf8(morva::text("app.browserFailed", morva::Italian).data())));
}

const char* const kLanguageCodes[] = {"ENG", "DEU", "FRA", "ITA", "ESP"};

// Access keys of the entries of `menu` (and of its submenus, each on its
// own): two entries with one key make Qt cycle between them instead of
// choosing one.
void expectUniqueAccessKeys(QMenu* menu, const std::string& where)
{
    std::map<QKeySequence, QString> seen;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (!key.isEmpty()) {
            const auto [it, added] = seen.emplace(key, action->text());
            EXPECT_TRUE(added) << where << ": " << action->text().toStdString() << " and "
                               << it->second.toStdString() << " share "
                               << key.toString().toStdString();
        }
        if (action->menu())
            expectUniqueAccessKeys(action->menu(), where + " > " + action->text().toStdString());
    }
}

TEST(MainWindow, AccessKeysAreUniquePerMenuAndFreeOfAcceleratorsInEveryLanguage)
{
    for (int language = 0; language < morva::kLanguageCount; ++language) {
        ConsoleHarness h;
        h.writeFile("Morva.ini", std::string("IniWizard=False\r\nLanguage=") +
                                     kLanguageCodes[language] + "\r\n");
        h.create();
        ASSERT_EQ(h.window().languageIndex(), language);
        std::set<QKeySequence> accelerators;
        for (QAction* action : h.window().actions())
            for (const QKeySequence& key : action->shortcuts())
                accelerators.insert(key);
        std::map<QKeySequence, QString> bar;
        for (QAction* top : h.window().menuBar()->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(top->text());
            ASSERT_FALSE(key.isEmpty()) << top->text().toStdString();
            EXPECT_TRUE(bar.emplace(key, top->text()).second)
                << kLanguageCodes[language] << ": " << top->text().toStdString();
            // Alt+X is Exit: a menu with the key X makes both ambiguous.
            EXPECT_EQ(accelerators.count(key), 0u)
                << kLanguageCodes[language] << ": " << top->text().toStdString();
            expectUniqueAccessKeys(top->menu(), std::string(kLanguageCodes[language]) + " " +
                                                    top->text().toStdString());
        }
    }
}

TEST(MainWindow, AltXExitsInEnglishAndGerman)
{
    for (const char* code : {"ENG", "DEU"}) {
        ConsoleHarness h;
        h.writeFile("Morva.ini", std::string("IniWizard=False\r\nLanguage=") + code + "\r\n");
        h.create();
        QApplication::setActiveWindow(&h.window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
        QTest::keyClick(&h.window(), Qt::Key_X, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !h.window().isVisible(); }, 2000)) << code;
    }
}

TEST(MainWindow, LockKeyPanesFollowTheKeysInTheLanguageOrStayBlank)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nLanguage=DEU\r\n");
    h.create();
    std::optional<bool> caps = false;
    std::optional<bool> num = true;
    h.window().setLockKeyProbe(
        [&](morva::app::LockKey key) { return key == morva::app::LockKey::CapsLock ? caps : num; });
    EXPECT_EQ(h.window().paneText(Cwm_MainBaseWnd::CapsPane), QString());
    EXPECT_EQ(h.window().paneText(Cwm_MainBaseWnd::NumPane), QStringLiteral("NUM"));
    caps = true; // the user presses Caps Lock: the pane follows by itself
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return h.window().paneText(Cwm_MainBaseWnd::CapsPane) == QStringLiteral("UF"); },
        2000));

    // A platform that cannot tell shows nothing rather than a dead indicator.
    h.window().setLockKeyProbe([](morva::app::LockKey) { return std::optional<bool>(); });
    EXPECT_EQ(h.window().paneText(Cwm_MainBaseWnd::CapsPane), QString());
    EXPECT_EQ(h.window().paneText(Cwm_MainBaseWnd::NumPane), QString());
}

TEST(MainWindow, QtsOwnTextsFollowTheLanguage)
{
    const QString ctrlP = QStringLiteral("Ctrl+P");
    {
        ConsoleHarness h;
        h.writeFile("Morva.ini", "IniWizard=False\r\nLanguage=DEU\r\n");
        h.create();
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_de.qm")))
            GTEST_SKIP() << "Qt's German translations (qt6-translations-l10n) are not installed";
        EXPECT_EQ(QKeySequence(ctrlP).toString(QKeySequence::NativeText), QStringLiteral("Strg+P"));
        h.app->environment().setLanguage("ENG");
        h.app->installMenu();
        EXPECT_EQ(QKeySequence(ctrlP).toString(QKeySequence::NativeText), ctrlP);
    }
    // Without Qt's catalogues the console starts in its language all the same.
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nLanguage=FRA\r\n");
    h.create(false);
    h.app->setQtTranslationsDirectory(h.dir.filePath(QStringLiteral("none")));
    h.app->onFirstIdle();
    EXPECT_EQ(h.window().languageIndex(), morva::French);
    EXPECT_EQ(QKeySequence(ctrlP).toString(QKeySequence::NativeText), ctrlP);
    EXPECT_TRUE(h.window().logView());
}

TEST(MainWindow, AboutBoxLinkThatCannotOpenSaysSo)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nLanguage=ITA\r\n");
    h.create();
    h.urls.setSucceed(false);
    QTimer::singleShot(0, [] {
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(about);
        for (QLabel* label : about->findChildren<QLabel*>())
            if (label->text().startsWith(QStringLiteral("<a href=\"https:")))
                emit label->linkActivated(label->text().section(QLatin1Char('"'), 1, 1));
        about->reject();
    });
    h.commands->run(c::About);
    ASSERT_EQ(h.urls.urls().size(), 1u);
    ASSERT_EQ(h.messages.messages().size(), 1u);
    const auto& message = h.messages.messages()[0];
    EXPECT_EQ(message.kind, MessageKind::Notice);
    EXPECT_EQ(message.text,
              QString::fromUtf8(morva::text("app.browserFailed", morva::Italian).data()) +
                  QStringLiteral("\n") + QString::fromStdString(h.urls.urls()[0]));
}

TEST(MainWindow, SignalFailureShowsTheMessageInEveryLanguage)
{
    for (int language = 0; language < morva::kLanguageCount; ++language) {
        ConsoleHarness h;
        static const char* const codes[] = {"ENG", "DEU", "FRA", "ITA", "ESP"};
        h.writeFile("Morva.ini",
                    std::string("IniWizard=False\r\nLanguage=") + codes[language] + "\r\n");
        h.create();
        EXPECT_TRUE(h.commands->run(c::SignalDeliver));
        EXPECT_TRUE(h.messages.messages().empty());
        // The gateway holds the file while it handles the signal.
        auto held = h.fileSystem->open(h.programDir + "OSMTP.sig", 2);
        ASSERT_TRUE(held);
        h.commands->run(c::SignalDeliver);
        ASSERT_EQ(h.messages.messages().size(), 1u) << language;
        EXPECT_EQ(h.messages.messages()[0].kind, MessageKind::Failure);
        EXPECT_EQ(h.messages.messages()[0].text.toStdString(),
                  std::string(morva::service::signalFailedText(language)));
    }
}

} // namespace

TEST(MainWindow, ToolbarSettingsSearchRunsAllSettingsWithTheTextAndCtrlKFocusesIt)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nLanguage=DEU\r\n");
    h.create();
    QString searched = QStringLiteral("none");
    int plainRuns = 0;
    h.commands->setHandler(c::AllSettings, [&] { ++plainRuns; });
    h.commands->setTextHandler(c::AllSettings, [&](const QString& text) { searched = text; });
    QLineEdit* field = h.window().settingsSearchField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->placeholderText(), morva::gui::uiText("app.settingsSearch", morva::German));
    QApplication::setActiveWindow(&h.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    QTest::keyClick(h.window().logView(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "grey min");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(searched, "grey min");
    // The menu entry and its shortcut open the browser without a text.
    EXPECT_TRUE(
        h.window().action(c::AllSettings)->shortcuts().contains(QKeySequence("Ctrl+Shift+A")));
    h.window().action(c::AllSettings)->trigger();
    EXPECT_EQ(plainRuns, 1);
}

// The service dialog inside the console: the command and first-run wiring,
// the console's message helper and its wait dialog.
#include "service/ServiceUi.h"

#include "app/ConsoleHarness.h"
#include "gui/Cwm_WaitDlg.h"
#include "platform/testing/FakeServiceManager.h"
#include "resources/CommandIds.h"
#include "service/Cwm_SvcDlg.h"
#include "service/SvcDlgFeedback.h"
#include "service_gui/GuiTestApp.h"
#include "support/MemoryFileSystem.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace morva;
using namespace morva::platform;

namespace {

TEST(ServiceUiTest, ServiceCommandFollowsServiceOnAndOpensTheDialogOnTheDefaultExecutable)
{
    test::ensureGuiApp();
    test::ConsoleHarness console;
    console.writeFile("gwcored.exe", "MZ");
    FakeServiceManager manager;
    manager.addService("Morva", kServiceRunning);
    app::ConsoleApp& app = console.create();
    service::installServiceUi(app.featureSetup(), manager);

    app.setServiceOn(false);
    EXPECT_FALSE(app.commands().isEnabled(command::Service));
    app.setServiceOn(true);
    EXPECT_TRUE(app.commands().isEnabled(command::Service));
    EXPECT_TRUE(static_cast<bool>(app.firstRunSteps().serviceDialog));

    QString caption, executable, status;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* dialog = qobject_cast<service::Cwm_SvcDlg*>(modal)) {
            caption = dialog->windowTitle();
            executable = dialog->executableLabel()->text();
            status = dialog->statusLabel()->text();
        }
        if (modal)
            modal->reject();
    });
    closer.start(20);
    EXPECT_TRUE(app.commands().run(command::Service));
    closer.stop();
    EXPECT_EQ(caption, "Service");
    EXPECT_EQ(executable, QString::fromStdString(console.programDir + "gwcored.exe"));
    EXPECT_EQ(status, "started");
}

class SvcDlgInConsoleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ensureGuiApp();
        files.put("C:\\Morva\\gwcored.exe", "MZ");
        dialog = std::make_unique<service::Cwm_SvcDlg>(
            nullptr, service::ServiceDialogServices{files, manager, clock, feedback, English},
            "Morva", "C:\\Morva\\gwcored.exe");
        feedback.setParentWidget(dialog.get());
        dialog->show();
    }

    test::MemoryFileSystem files;
    FakeServiceManager manager;
    FakeClock clock;
    service::SvcDlgFeedback feedback{English};
    gui::ScopedMessageCatcher messages;
    std::unique_ptr<service::Cwm_SvcDlg> dialog;
};

TEST_F(SvcDlgInConsoleTest, CancelInTheWaitDialogEndsTheStopWait)
{
    manager.addService("Morva", kServiceRunning);
    manager.setStopPendingQueries(-1);
    dialog->refresh();
    QString waitText, waitCaption;
    bool childOfDialog = false;
    QTimer::singleShot(0, [&] {
        gui::Cwm_WaitDlg* wait = feedback.waitDialog();
        ASSERT_NE(wait, nullptr);
        waitText = wait->text();
        waitCaption = wait->windowTitle();
        childOfDialog = wait->parentWidget() == dialog.get();
        wait->cancelButton()->click();
    });
    dialog->stopButton()->click();

    EXPECT_EQ(waitText, "Waiting for Morva to be stopped...");
    EXPECT_EQ(waitCaption, "Morva Admin");
    EXPECT_TRUE(childOfDialog);
    EXPECT_LE(clock.sleeps(), 2);
    EXPECT_EQ(feedback.waitDialog(), nullptr);
    EXPECT_EQ(dialog->statusLabel()->text(), "stop pending");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SvcDlgInConsoleTest, MessagesGoThroughTheConsolesHelperWithTheirKind)
{
    dialog->installButton()->click();
    manager.failOperation(FakeServiceManager::Operation::Start, ServiceError::AccessDenied);
    dialog->startButton()->click();
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].kind, gui::MessageKind::Notice);
    EXPECT_EQ(messages.messages()[0].text, "Morva service installed!");
    EXPECT_EQ(messages.messages()[1].kind, gui::MessageKind::Failure);
    EXPECT_EQ(messages.messages()[1].text, "Unable to start Morva service!\nAccess denied.");
    EXPECT_EQ(messages.messages()[1].parent, dialog.get());
}

} // namespace

#include "platform/Clock.h"
#include "platform/testing/FakeServiceManager.h"
#include "resources/Texts.h"
#include "service/Cwm_SvcDlg.h"
#include "service/RecordingServiceFeedback.h"
#include "service_gui/GuiTestApp.h"
#include "support/MemoryFileSystem.h"

#include <QLabel>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

using namespace morva;
using namespace morva::platform;
using morva::service::Cwm_SvcDlg;

namespace {

const std::string kExe = "C:\\Morva\\gwcored.exe";

// Runs a check each time the stop wait looks at its Cancel button.
class ProbingFeedback final : public platform::WaitFeedback
{
public:
    void showMessage(platform::MessageKind kind, std::string_view text) override
    {
        messages.emplace_back(text);
    }
    void openWait(std::string_view text) override { waitText = text; }
    bool waitCancelled() override
    {
        if (probe)
            probe();
        return false;
    }
    void closeWait() override {}

    std::vector<std::string> messages;
    std::string waitText;
    std::function<void()> probe;
};

class SvcDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ensureGuiApp();
        files.put(kExe, "MZ");
    }
    std::unique_ptr<Cwm_SvcDlg> dialog(int language = English)
    {
        return std::make_unique<Cwm_SvcDlg>(
            nullptr, service::ServiceDialogServices{files, manager, clock, feedback, language},
            "Morva", kExe);
    }
    static std::vector<bool> buttons(const Cwm_SvcDlg& dlg)
    {
        return {dlg.startButton()->isEnabled(), dlg.stopButton()->isEnabled(),
                dlg.installButton()->isEnabled(), dlg.removeButton()->isEnabled()};
    }

    test::MemoryFileSystem files;
    FakeServiceManager manager;
    FakeClock clock;
    ProbingFeedback feedback;
};

TEST_F(SvcDlgTest, ShowsNameExecutableAndStateAsPlainTextInTheUsersLanguage)
{
    files.put("C:\\Morva\\gwcored.svc", "<b>Gate</b>\r\n");
    auto dlg = dialog(German);
    EXPECT_EQ(dlg->windowTitle(), "Dienst");
    EXPECT_EQ(dlg->serviceName(), "<b>Gate</b>");
    EXPECT_EQ(dlg->nameLabel()->text(), "<b>Gate</b>");
    for (QLabel* label : dlg->findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    EXPECT_EQ(dlg->executableLabel()->text(), QString::fromStdString(kExe));
    EXPECT_EQ(dlg->statusLabel()->text(), "nicht installiert");
    EXPECT_EQ(buttons(*dlg), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(dlg->startButton()->text(), "&Starten");
}

TEST_F(SvcDlgTest, MissingExecutableDisablesEveryButton)
{
    manager.addService("Morva", kServiceRunning);
    files.remove(kExe);
    auto dlg = dialog();
    EXPECT_EQ(dlg->statusLabel()->text(), "Unable to find executable");
    EXPECT_EQ(buttons(*dlg), (std::vector<bool>{false, false, false, false}));
}

TEST_F(SvcDlgTest, InstallStartStopAndRemoveRefreshTheDisplay)
{
    auto dlg = dialog();
    dlg->installButton()->click();
    EXPECT_EQ(dlg->stateCode(), 10);
    EXPECT_EQ(buttons(*dlg), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"Morva service installed!"});

    dlg->startButton()->click();
    EXPECT_EQ(clock.slept(), std::chrono::seconds(1));
    EXPECT_EQ(dlg->statusLabel()->text(), "started");
    EXPECT_EQ(buttons(*dlg), (std::vector<bool>{false, true, false, true}));

    manager.setStopPendingQueries(2);
    dlg->stopButton()->click();
    EXPECT_EQ(feedback.waitText, "Waiting for Morva to be stopped...");
    EXPECT_EQ(dlg->statusLabel()->text(), "stopped");

    dlg->removeButton()->click();
    EXPECT_EQ(dlg->statusLabel()->text(), "not installed");
    EXPECT_EQ(feedback.messages.back(), "Morva service removed!");
}

TEST_F(SvcDlgTest, DuringTheStopWaitNoOtherOperationCanStartAndTheDialogStaysOpen)
{
    manager.addService("Morva", kServiceRunning);
    manager.setStopPendingQueries(3);
    auto dlg = dialog();
    dlg->show();
    int probes = 0;
    feedback.probe = [&] {
        ++probes;
        EXPECT_EQ(buttons(*dlg), (std::vector<bool>{false, false, false, false}));
        EXPECT_FALSE(dlg->cancelButton()->isEnabled());
        dlg->reject();
        dlg->removeButton()->click();
    };
    dlg->stopButton()->click();
    EXPECT_GT(probes, 0);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(manager.callCount("remove"), 0);
    EXPECT_EQ(dlg->stateCode(), 10);

    dlg->cancelButton()->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

} // namespace

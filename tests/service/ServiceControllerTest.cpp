#include "service/ServiceController.h"

#include "platform/Clock.h"
#include "platform/testing/FakeServiceManager.h"
#include "resources/Texts.h"
#include "service/RecordingServiceFeedback.h"

#include <chrono>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>

using namespace morva;
using namespace morva::platform;
using morva::service::ServiceController;
using morva::service::StopOutcome;
using Kind = morva::platform::MessageKind;
using Operation = morva::platform::FakeServiceManager::Operation;

namespace {

class ServiceControllerTest : public ::testing::Test
{
protected:
    ServiceController controller(int language = English)
    {
        return ServiceController(manager, clock, feedback, "Gate", "C:\\Morva\\gwcored.exe",
                                 language);
    }
    void expectOnlyMessage(Kind kind, const std::string& text)
    {
        ASSERT_EQ(feedback.messages.size(), 1u);
        EXPECT_EQ(feedback.messages[0].kind, kind);
        EXPECT_EQ(feedback.messages[0].text, text);
    }

    FakeServiceManager manager;
    FakeClock clock;
    test::RecordingServiceFeedback feedback;
};

TEST_F(ServiceControllerTest, StartWaitsASecondOrReportsTheFailure)
{
    manager.addService("Gate");
    EXPECT_TRUE(controller().start());
    EXPECT_EQ(clock.slept(), std::chrono::seconds(1));
    EXPECT_TRUE(feedback.messages.empty());

    EXPECT_FALSE(controller().start()); // running already
    EXPECT_EQ(clock.sleeps(), 1);
    expectOnlyMessage(Kind::Failure,
                      "Unable to start Gate service!\nThe service is running already.");
}

TEST_F(ServiceControllerTest, StopSendsTheControlAndWaitsUntilStopped)
{
    manager.addService("Gate", kServiceRunning);
    manager.setStopPendingQueries(3);
    EXPECT_EQ(controller().stop(), StopOutcome::Stopped);
    EXPECT_EQ(manager.callCount("control Gate 1"), 1);
    EXPECT_EQ(manager.stateOf("Gate"), kServiceStopped);
    EXPECT_EQ(clock.sleeps(), 4);
    ASSERT_EQ(feedback.waitTexts.size(), 1u);
    EXPECT_EQ(feedback.waitTexts[0], "Waiting for Gate to be stopped...");
    EXPECT_FALSE(feedback.waitOpen);
    EXPECT_EQ(feedback.busyDepth, 0);
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(ServiceControllerTest, StopOnAStopPendingServiceOnlyWaits)
{
    manager.addService("Gate", kServiceRunning);
    manager.setStopPendingQueries(2);
    ASSERT_TRUE(manager.controlService("Gate", kServiceControlStop));

    EXPECT_EQ(controller().stop(), StopOutcome::Stopped);
    EXPECT_EQ(manager.callCount("control"), 1);
    EXPECT_EQ(feedback.waitTexts.size(), 1u);
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(ServiceControllerTest, StopDoesNothingForAStoppedService)
{
    manager.addService("Gate", kServiceStopped);
    EXPECT_EQ(controller().stop(), StopOutcome::NotRunning);
    EXPECT_EQ(manager.callCount("control"), 0);
    EXPECT_TRUE(feedback.waitTexts.empty());
    EXPECT_EQ(clock.sleeps(), 0);
}

TEST_F(ServiceControllerTest, StopReportsAFailedQueryOrControl)
{
    EXPECT_EQ(controller().stop(), StopOutcome::QueryFailed);
    expectOnlyMessage(Kind::Failure,
                      "Unable to query status of Gate service!\nThe service is not installed.");

    feedback.messages.clear();
    manager.addService("Gate", kServiceRunning);
    manager.failOperation(Operation::Control, ServiceError::AccessDenied);
    EXPECT_EQ(controller().stop(), StopOutcome::ControlFailed);
    expectOnlyMessage(Kind::Failure, "Unable to control Gate service!\nAccess denied.");
    EXPECT_TRUE(feedback.waitTexts.empty());
    EXPECT_EQ(feedback.busyDepth, 0);
}

TEST_F(ServiceControllerTest, CancelInTheWaitEndsTheLoop)
{
    manager.addService("Gate", kServiceRunning);
    manager.setStopPendingQueries(-1);
    feedback.cancelAfterChecks = 2;
    EXPECT_EQ(controller().stop(), StopOutcome::Cancelled);
    EXPECT_EQ(feedback.cancelChecks, 2);
    EXPECT_EQ(clock.sleeps(), 2);
    EXPECT_EQ(feedback.waitCloses, 1);
    EXPECT_EQ(feedback.busyDepth, 0);
}

TEST_F(ServiceControllerTest, StopGivesUpAfterSixHundredPasses)
{
    manager.addService("Gate", kServiceRunning);
    manager.setStopPendingQueries(-1);
    EXPECT_EQ(controller().stop(), StopOutcome::StillStopping);
    EXPECT_EQ(clock.sleeps(), ServiceController::kMaxStopPasses);
    EXPECT_EQ(feedback.cancelChecks, ServiceController::kMaxStopPasses - 1);
    EXPECT_EQ(manager.stateOf("Gate"), kServiceStopPending);
    EXPECT_EQ(feedback.waitCloses, 1);
}

TEST_F(ServiceControllerTest, StopEndsWhenAQueryDuringTheWaitFails)
{
    manager.addService("Gate", kServiceRunning);
    manager.setStopPendingQueries(-1);
    manager.failOperation(Operation::Query, ServiceError::NotInstalled, -1, 3);
    EXPECT_EQ(controller().stop(), StopOutcome::Vanished);
    EXPECT_EQ(clock.sleeps(), 3);
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(feedback.waitCloses, 1);
}

TEST_F(ServiceControllerTest, RemoveStopsARunningServiceFirstThenDeletesIt)
{
    manager.addService("Gate", kServiceRunning);
    manager.setStopPendingQueries(1);
    EXPECT_TRUE(controller().remove());
    EXPECT_FALSE(manager.hasService("Gate"));
    const auto& calls = manager.calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls.front(), "query Gate");
    EXPECT_EQ(calls[2], "control Gate 1");
    EXPECT_EQ(calls.back(), "remove Gate");
    EXPECT_EQ(feedback.waitTexts.size(), 1u);
    expectOnlyMessage(Kind::Notice, "Gate service removed!");
}

TEST_F(ServiceControllerTest, RemoveReportsFailures)
{
    EXPECT_FALSE(controller().remove());
    expectOnlyMessage(Kind::Failure,
                      "Unable to query status of Gate service!\nThe service is not installed.");
    EXPECT_EQ(manager.callCount("remove"), 0);

    feedback.messages.clear();
    manager.addService("Gate", kServiceStopped);
    manager.failOperation(Operation::Remove, ServiceError::AccessDenied);
    EXPECT_FALSE(controller().remove());
    expectOnlyMessage(Kind::Failure, "Unable to remove Gate service!\nAccess denied.");
    EXPECT_EQ(manager.callCount("control"), 0);
}

TEST_F(ServiceControllerTest, InstallReportsSuccessAndFailureInTheUsersLanguage)
{
    EXPECT_TRUE(controller(German).install());
    expectOnlyMessage(Kind::Notice, "Dienst Gate installiert!");
    EXPECT_EQ(manager.commandLineOf("Gate"), "\"C:\\Morva\\gwcored.exe\"");

    feedback.messages.clear();
    EXPECT_FALSE(controller(Spanish).install()); // exists already
    expectOnlyMessage(Kind::Failure, "¡No es posible instalar el servicio Gate!\n"
                                     "Ya existe un servicio con este nombre.");
}

TEST_F(ServiceControllerTest, InstallRefusesAnUnsafePath)
{
    ServiceController relative(manager, clock, feedback, "Gate", "gwcored.exe", English);
    EXPECT_FALSE(relative.install());
    EXPECT_FALSE(manager.hasService("Gate"));
    expectOnlyMessage(Kind::Failure,
                      "Unable to install Gate service!\nThe executable path is not an absolute "
                      "path, or holds a double quote or a control character.");
}

TEST(ServiceFailureReasonTest, EveryErrorHasItsReasonInEveryLanguageAndTheSystemCodeIsKept)
{
    const ServiceError errors[] = {ServiceError::Unsupported,     ServiceError::ManagerUnavailable,
                                   ServiceError::AccessDenied,    ServiceError::NotInstalled,
                                   ServiceError::AlreadyExists,   ServiceError::AlreadyRunning,
                                   ServiceError::NotActive,       ServiceError::CannotAcceptControl,
                                   ServiceError::MarkedForDelete, ServiceError::InvalidPath,
                                   ServiceError::VerifyFailed,    ServiceError::Failed};
    for (int language = English; language < kLanguageCount; ++language) {
        std::set<std::string> reasons;
        for (ServiceError error : errors)
            reasons.insert(service::failureReason(ServiceResult::failure(error), language));
        EXPECT_EQ(reasons.size(), std::size(errors)) << language;
        EXPECT_EQ(reasons.count(""), 0u);
    }
    const std::string withCode =
        service::failureReason(ServiceResult::failure(ServiceError::Failed, 1053), English);
    EXPECT_EQ(withCode.substr(withCode.size() - 7), " (1053)");
    EXPECT_NE(withCode.size(), 7u);
}

TEST(ServiceMessageTest, EveryPlaceholderIsReplacedInEveryLanguage)
{
    for (int language = English; language < kLanguageCount; ++language) {
        for (const char* id :
             {"service.startFailed", "service.queryFailed", "service.controlFailed",
              "service.waitStop", "service.installed", "service.installFailed", "service.removed",
              "service.removeFailed"}) {
            // A name that looks like a placeholder is inserted as it is.
            const std::string message = service::serviceMessage(id, "Gate %1%2", language);
            EXPECT_NE(message.find("Gate %1%2"), std::string::npos) << id << " " << language;
            EXPECT_EQ(service::serviceMessage(id, "Gate", language).find('%'), std::string::npos);
        }
    }
}

} // namespace

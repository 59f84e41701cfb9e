#pragma once

#include "service/ServiceFeedback.h"

#include <string>
#include <vector>

namespace morva::test {

// Records what the service operations tell their user; answers Cancel in
// the wait dialog after a chosen number of checks (-1: never).
class RecordingServiceFeedback final : public service::ServiceFeedback
{
public:
    struct Message
    {
        MessageKind kind;
        std::string text;
    };

    void showMessage(MessageKind kind, const std::string& text) override
    {
        messages.push_back({kind, text});
    }
    void openWait(const std::string& text) override
    {
        waitTexts.push_back(text);
        waitOpen = true;
    }
    bool waitCancelled() override
    {
        ++cancelChecks;
        return cancelAfterChecks >= 0 && cancelChecks >= cancelAfterChecks;
    }
    void closeWait() override
    {
        ++waitCloses;
        waitOpen = false;
    }
    void beginBusy() override { ++busyDepth; }
    void endBusy() override { --busyDepth; }

    std::vector<Message> messages;
    std::vector<std::string> waitTexts;
    bool waitOpen = false;
    int waitCloses = 0;
    int cancelChecks = 0;
    int cancelAfterChecks = -1;
    int busyDepth = 0;
};

} // namespace morva::test

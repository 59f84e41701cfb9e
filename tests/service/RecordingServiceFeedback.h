#pragma once

#include "platform/UserFeedback.h"

#include <string>
#include <vector>

namespace morva::test {

// Records what the service operations tell their user; answers Cancel in
// the wait dialog after a chosen number of checks (-1: never).
class RecordingServiceFeedback final : public platform::WaitFeedback
{
public:
    struct Message
    {
        platform::MessageKind kind;
        std::string text;
    };

    void showMessage(platform::MessageKind kind, std::string_view text) override
    {
        messages.push_back({kind, std::string(text)});
    }
    void openWait(std::string_view text) override
    {
        waitTexts.emplace_back(text);
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

#pragma once

#include "db/DataSetFeedback.h"

#include <functional>
#include <string>
#include <vector>

namespace morva::test {

// Records every call of the data set as a line ("status Trying...",
// "step", "dialog Locking...", ...); Cancel and shutdown answer
// through functions a test sets.
class RecordingFeedback final : public db::DataSetFeedback
{
public:
    std::vector<std::string> events;
    std::function<bool()> cancelled = [] { return false; };
    std::function<bool()> closing = [] { return false; };

    void processPendingWork() override { events.push_back("idle work"); }
    void beginBusy() override { events.push_back("cursor on"); }
    void endBusy() override { events.push_back("cursor off"); }
    void setStatusText(std::string_view text) override
    {
        events.push_back("status " + std::string(text));
    }
    void restoreIdleStatus() override { events.push_back("status idle"); }
    void setLockedIndicator(bool shown) override
    {
        events.push_back(shown ? "locked on" : "locked off");
    }
    void beginProgress(int low, int high, int step) override
    {
        events.push_back("progress " + std::to_string(low) + ".." + std::to_string(high) + "/" +
                         std::to_string(step));
    }
    void stepProgress() override { events.push_back("step"); }
    void endProgress() override { events.push_back("progress end"); }
    void openWait(std::string_view text) override
    {
        events.push_back("dialog " + std::string(text));
    }
    bool waitCancelled() override { return cancelled(); }
    void closeWait() override { events.push_back("dialog closed"); }
    bool shuttingDown() override { return closing(); }
    void showMessage(platform::MessageKind kind, std::string_view text) override
    {
        events.push_back(
            std::string(kind == platform::MessageKind::Failure ? "error " : "message ") +
            std::string(text));
    }

    int countOf(const std::string& event) const
    {
        int n = 0;
        for (const auto& e : events)
            n += e == event;
        return n;
    }
};

} // namespace morva::test

#pragma once

#include "db/DataSetFeedback.h"

namespace morva::gui {
class ConsoleHost;
}

namespace morva::records {

// The data set's user interaction over the console host: status text,
// progress pane, "Locked" pane, the one wait dialog and the message-box
// helper. Works without a host (tests): then only the messages are shown.
class GuiDataSetFeedback final : public db::DataSetFeedback
{
public:
    explicit GuiDataSetFeedback(gui::ConsoleHost* host) : m_host(host) {}

    void setHost(gui::ConsoleHost* host) { m_host = host; }

    void processPendingWork() override;
    void beginBusy() override;
    void endBusy() override;
    void setStatusText(std::string_view text) override;
    void restoreIdleStatus() override;
    void setLockedIndicator(bool shown) override;
    void beginProgress(int low, int high, int step) override;
    void stepProgress() override;
    void endProgress() override;
    void openWait(std::string_view text) override;
    bool waitCancelled() override;
    void closeWait() override;
    bool shuttingDown() override;
    void showMessage(platform::MessageKind kind, std::string_view text) override;
    // Told after the change is over (the edit is not held up), over the
    // window in front, in the language of the message boxes.
    void historyNotKept(std::string_view fileName, config::HistoryProblem problem,
                        platform::FileError error, std::string_view directory) override;

private:
    gui::ConsoleHost* m_host;
    int m_cursorDepth = 0;
};

} // namespace morva::records

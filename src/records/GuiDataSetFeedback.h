#pragma once

#include "db/DataSetFeedback.h"

#include <functional>

namespace morva::app {
class Cwm_MainBaseWnd;
}

namespace morva::records {

// The data set's user interaction over the main window: status text,
// progress pane, "Locked" pane, the one wait dialog and the message-box
// helper. Works without a window (tests, or before the window exists): then
// only the messages are shown.
class GuiDataSetFeedback final : public db::DataSetFeedback
{
public:
    explicit GuiDataSetFeedback(app::Cwm_MainBaseWnd* window) : m_window(window) {}

    void setWindow(app::Cwm_MainBaseWnd* window) { m_window = window; }
    // Told when the "Locked" indicator changes (the application's LockedPaneOn flag).
    void setLockedChanged(std::function<void(bool)> handler)
    {
        m_lockedChanged = std::move(handler);
    }

    void processPendingWork() override;
    void setWaitCursor(bool shown) override;
    void setStatusText(std::string_view text) override;
    void restoreIdleStatus() override;
    void setLockedIndicator(bool shown) override;
    void beginProgress(int low, int high, int step) override;
    void stepProgress() override;
    void endProgress() override;
    void showWaitDialog(std::string_view caption, std::string_view text) override;
    bool waitDialogCancelled() override;
    void closeWaitDialog() override;
    bool shuttingDown() override;
    void showMessage(MessageKind kind, std::string_view text) override;

private:
    app::Cwm_MainBaseWnd* m_window;
    std::function<void(bool)> m_lockedChanged;
    int m_cursorDepth = 0;
};

} // namespace morva::records

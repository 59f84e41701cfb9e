#pragma once

#include "gui/Cwm_WaitDlg.h"
#include "platform/UserFeedback.h"

#include <QPointer>
#include <string>

class QWidget;

namespace morva::service {

// The service operations' feedback in the console: message boxes through
// the console's message helper, the wait dialog as a child of the service
// dialog (so its Cancel stays usable while that modal dialog runs), and the
// busy cursor. GUI thread only.
class SvcDlgFeedback final : public platform::WaitFeedback
{
public:
    explicit SvcDlgFeedback(int languageIndex);
    ~SvcDlgFeedback() override;

    // The window messages and the wait dialog belong to.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    void showMessage(platform::MessageKind kind, std::string_view text) override;
    void openWait(std::string_view text) override;
    bool waitCancelled() override;
    void closeWait() override;
    void beginBusy() override;
    void endBusy() override;

    gui::Cwm_WaitDlg* waitDialog() const { return m_wait.data(); }

private:
    int m_language;
    QWidget* m_parent = nullptr;
    QPointer<gui::Cwm_WaitDlg> m_wait;
    bool m_cancelled = false;
    int m_busy = 0;
};

} // namespace morva::service

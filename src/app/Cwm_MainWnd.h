#pragma once

#include "app/Cwm_LogView.h"
#include "app/Cwm_MainBaseWnd.h"

#include <functional>
#include <memory>

class QPrinter;

namespace morva::app {

// The console's main window: the frame with the log view in its client
// area.
class Cwm_MainWnd : public Cwm_MainBaseWnd
{
    Q_OBJECT
public:
    Cwm_MainWnd(gui::CommandRegistry& commands, AdminSettings& settings,
                platform::FileSystem& fileSystem, QWidget* parent = nullptr);
    ~Cwm_MainWnd() override;

    // Destroys an existing log view and creates one with `options`.
    void openLogView(Cwm_LogView::Options options);
    void closeLogView();
    Cwm_LogView* logView() const { return m_logView; }
    // "Following" or "Paused, N new lines" while a log view exists.
    QString followPaneText() const;

    void refreshLog();
    void findInLog();
    void copySelection();
    // Print dialog, then "Printing..." in the message pane and a wait
    // dialog while the rows are painted. A printing failure is reported.
    void printLog();
    void printSetup();
    // Replaces the print dialog (tests): sets up the printer and says
    // whether to print.
    void setPrintDialog(std::function<bool(QPrinter&)> dialog)
    {
        m_printDialog = std::move(dialog);
    }
    // Run when the window closes, before it goes (closes the data set).
    void setCloseHook(std::function<void()> hook) { m_closeHook = std::move(hook); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showFollowState(bool following, int unseenRows);

    platform::FileSystem& m_fileSystem;
    QLabel* m_followPane = nullptr;
    Cwm_LogView* m_logView = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    std::function<bool(QPrinter&)> m_printDialog;
    std::function<void()> m_closeHook;
};

} // namespace morva::app

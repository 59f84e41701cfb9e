#include "records/GuiDataSetFeedback.h"

#include "app/ConsoleWait.h"
#include "app/Cwm_MainBaseWnd.h"
#include "app/MessageBox.h"
#include "app/QtText.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QCursor>

namespace morva::records {

void GuiDataSetFeedback::processPendingWork()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GuiDataSetFeedback::setWaitCursor(bool shown)
{
    if (shown) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_cursorDepth;
    } else if (m_cursorDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_cursorDepth;
    }
}

void GuiDataSetFeedback::setStatusText(std::string_view text)
{
    if (m_window)
        m_window->setPaneText(app::Cwm_MainBaseWnd::MessagePane, app::toQString(text));
}

void GuiDataSetFeedback::restoreIdleStatus()
{
    if (m_window)
        m_window->setPaneTextId(app::Cwm_MainBaseWnd::MessagePane, command::ReadyPrompt);
}

void GuiDataSetFeedback::setLockedIndicator(bool shown)
{
    if (m_window)
        m_window->setLockedPaneOn(shown);
    if (m_lockedChanged)
        m_lockedChanged(shown);
}

void GuiDataSetFeedback::beginProgress(int low, int high, int)
{
    if (m_window)
        m_window->beginProgress(high - low);
}

void GuiDataSetFeedback::stepProgress()
{
    if (m_window)
        m_window->stepProgress();
}

void GuiDataSetFeedback::endProgress()
{
    if (m_window)
        m_window->endProgress();
}

void GuiDataSetFeedback::showWaitDialog(std::string_view caption, std::string_view text)
{
    if (m_window)
        m_window->showWaitDialog(app::toQString(caption), app::toQString(text));
}

bool GuiDataSetFeedback::waitDialogCancelled()
{
    if (m_window)
        return m_window->waitDialogCancelled();
    QApplication::processEvents();
    return false;
}

void GuiDataSetFeedback::closeWaitDialog()
{
    if (m_window)
        m_window->closeWaitDialog();
}

bool GuiDataSetFeedback::shuttingDown()
{
    return app::ConsoleWait::instance().shuttingDown();
}

void GuiDataSetFeedback::showMessage(MessageKind kind, std::string_view text)
{
    const app::MessageKind shown = kind == MessageKind::Error     ? app::MessageKind::Failure
                                   : kind == MessageKind::Warning ? app::MessageKind::Refused
                                                                  : app::MessageKind::Notice;
    app::MessageBox::show(m_window, shown, app::toQString(text));
}

} // namespace morva::records

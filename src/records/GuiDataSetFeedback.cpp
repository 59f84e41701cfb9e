#include "records/GuiDataSetFeedback.h"

#include "gui/ConsoleHost.h"
#include "gui/ConsoleWait.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"

#include <QApplication>
#include <QCursor>

namespace morva::records {

void GuiDataSetFeedback::processPendingWork()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GuiDataSetFeedback::beginBusy()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_cursorDepth;
}

void GuiDataSetFeedback::endBusy()
{
    if (m_cursorDepth == 0)
        return;
    QApplication::restoreOverrideCursor();
    --m_cursorDepth;
}

void GuiDataSetFeedback::setStatusText(std::string_view text)
{
    if (m_host)
        m_host->setStatusText(gui::toQString(text));
}

void GuiDataSetFeedback::restoreIdleStatus()
{
    if (m_host)
        m_host->showReady();
}

void GuiDataSetFeedback::setLockedIndicator(bool shown)
{
    if (m_host)
        m_host->setLockedIndicator(shown);
}

void GuiDataSetFeedback::beginProgress(int low, int high, int)
{
    if (m_host)
        m_host->beginProgress(high - low);
}

void GuiDataSetFeedback::stepProgress()
{
    if (m_host)
        m_host->stepProgress();
}

void GuiDataSetFeedback::endProgress()
{
    if (m_host)
        m_host->endProgress();
}

void GuiDataSetFeedback::openWait(std::string_view text)
{
    if (m_host)
        m_host->showWaitDialog(gui::MessageBox::caption(), gui::toQString(text));
}

bool GuiDataSetFeedback::waitCancelled()
{
    if (m_host)
        return m_host->waitDialogCancelled();
    QApplication::processEvents();
    return false;
}

void GuiDataSetFeedback::closeWait()
{
    if (m_host)
        m_host->closeWaitDialog();
}

bool GuiDataSetFeedback::shuttingDown()
{
    return gui::ConsoleWait::instance().shuttingDown();
}

void GuiDataSetFeedback::showMessage(platform::MessageKind kind, std::string_view text)
{
    gui::MessageBox::show(m_host ? m_host->parentWindow() : nullptr, kind, gui::toQString(text));
}

} // namespace morva::records

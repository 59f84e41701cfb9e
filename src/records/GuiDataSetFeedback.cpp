#include "records/GuiDataSetFeedback.h"

#include "gui/ConsoleHost.h"
#include "gui/ConsoleWait.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QTimer>
#include <QWidget>

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

void GuiDataSetFeedback::historyNotKept(std::string_view fileName, config::HistoryProblem problem,
                                        platform::FileError error, std::string_view directory)
{
    const int language = gui::MessageBox::language();
    const QString text =
        problem == config::HistoryProblem::TooLarge
            ? gui::uiText("history.record.tooLarge", language, {gui::toQString(fileName)})
            : gui::uiText("history.record.writeFailed", language,
                          {gui::toQString(directory),
                           QString::fromLatin1(platform::fileErrorName(error)),
                           gui::toQString(fileName)});
    const auto kind = problem == config::HistoryProblem::TooLarge ? gui::MessageKind::Notice
                                                                  : gui::MessageKind::Failure;
    const QPointer<QWidget> fallback = m_host ? m_host->parentWindow() : nullptr;
    // The write that needed the copy is under way (a flush, a replace):
    // the message waits until it is over.
    QTimer::singleShot(0, qApp, [text, kind, fallback] {
        QWidget* front = QApplication::activeModalWidget();
        gui::MessageBox::show(front ? front : fallback.data(), kind, text);
    });
}

} // namespace morva::records

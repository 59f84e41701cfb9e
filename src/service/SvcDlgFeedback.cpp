#include "service/SvcDlgFeedback.h"

#include "gui/ConsoleWait.h"
#include "gui/Cwm_WaitDlg.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"

#include <QApplication>

namespace morva::service {

SvcDlgFeedback::SvcDlgFeedback(int languageIndex) : m_language(languageIndex) {}

SvcDlgFeedback::~SvcDlgFeedback()
{
    closeWait();
    while (m_busy > 0)
        endBusy();
}

void SvcDlgFeedback::showMessage(platform::MessageKind kind, std::string_view text)
{
    gui::MessageBox::show(m_parent, kind, gui::toQString(text));
}

void SvcDlgFeedback::openWait(std::string_view text)
{
    if (!m_wait) {
        m_wait = new gui::Cwm_WaitDlg(m_parent, m_language);
        m_cancelled = false;
        QObject::connect(m_wait, &gui::Cwm_WaitDlg::cancelled, m_wait,
                         [this] { m_cancelled = true; });
        m_wait->setWindowTitle(gui::MessageBox::caption());
    }
    m_wait->setText(gui::toQString(text));
    m_wait->adjustSize();
    if (m_parent)
        m_wait->move(m_parent->geometry().center() - m_wait->rect().center());
    m_wait->show();
    m_wait->raise();
    m_wait->activateWindow();
}

bool SvcDlgFeedback::waitCancelled()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return m_cancelled || gui::ConsoleWait::instance().shuttingDown();
}

void SvcDlgFeedback::closeWait()
{
    if (m_wait) {
        m_wait->hide();
        delete m_wait.data();
    }
}

void SvcDlgFeedback::beginBusy()
{
    ++m_busy;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void SvcDlgFeedback::endBusy()
{
    if (m_busy == 0)
        return;
    --m_busy;
    QApplication::restoreOverrideCursor();
}

} // namespace morva::service

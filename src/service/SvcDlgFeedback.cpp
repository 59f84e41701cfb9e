#include "service/SvcDlgFeedback.h"

#include "app/ConsoleWait.h"
#include "app/Cwm_WaitDlg.h"
#include "app/MessageBox.h"

#include <QApplication>

namespace morva::service {

SvcDlgFeedback::SvcDlgFeedback(int languageIndex) : m_language(languageIndex) {}

SvcDlgFeedback::~SvcDlgFeedback()
{
    closeWait();
    while (m_busy > 0)
        endBusy();
}

void SvcDlgFeedback::showMessage(MessageKind kind, const std::string& text)
{
    app::MessageBox::show(m_parent,
                          kind == MessageKind::Failure ? app::MessageKind::Failure
                                                       : app::MessageKind::Notice,
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void SvcDlgFeedback::openWait(const std::string& text)
{
    if (!m_wait) {
        m_wait = new app::Cwm_WaitDlg(m_parent, m_language);
        m_cancelled = false;
        QObject::connect(m_wait, &app::Cwm_WaitDlg::cancelled, m_wait,
                         [this] { m_cancelled = true; });
        m_wait->setWindowTitle(app::MessageBox::caption());
    }
    m_wait->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
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
    return m_cancelled || app::ConsoleWait::instance().shuttingDown();
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

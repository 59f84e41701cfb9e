#include "app/Cwm_MainWnd.h"

#include "app/LogPanel.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

namespace morva::app {

Cwm_MainWnd::Cwm_MainWnd(gui::CommandRegistry& commands, AdminSettings& settings,
                         platform::FileSystem& fileSystem, QWidget* parent)
    : Cwm_MainBaseWnd(commands, settings, parent), m_fileSystem(fileSystem)
{
    m_followPane = new QLabel(statusBar());
    m_followPane->setObjectName(QStringLiteral("followPane"));
    m_followPane->setTextFormat(Qt::PlainText);
    // Left of the "Locked" pane (index 0 is the message pane).
    statusBar()->insertPermanentWidget(1, m_followPane);
    m_followPane->hide();
}

Cwm_MainWnd::~Cwm_MainWnd() = default;

void Cwm_MainWnd::openLogView(Cwm_LogView::Options options)
{
    closeLogView();
    auto* panel = new LogPanel(m_fileSystem, std::move(options));
    m_logView = panel->view();
    setClientWidget(panel);
    connect(m_logView, &Cwm_LogView::followingChanged, this, &Cwm_MainWnd::showFollowState);
    m_logView->setFocus();
    m_logView->readNewLines();
    showFollowState(m_logView->isFollowing(), m_logView->unseenRows());
    m_followPane->show();
}

void Cwm_MainWnd::closeLogView()
{
    if (m_logView) {
        setClientWidget(nullptr);
        m_logView = nullptr;
    }
    m_followPane->hide();
}

void Cwm_MainWnd::showFollowState(bool following, int unseenRows)
{
    QString text = gui::uiText("app.log.following", languageIndex());
    if (!following)
        text = gui::uiText("app.log.paused", languageIndex()).arg(unseenRows);
    m_followPane->setText(text);
}

QString Cwm_MainWnd::followPaneText() const
{
    return m_followPane->isHidden() ? QString() : m_followPane->text();
}

void Cwm_MainWnd::refreshLog()
{
    if (m_logView)
        m_logView->readNewLines();
}

void Cwm_MainWnd::findInLog()
{
    if (m_logView)
        m_logView->findInLog();
}

void Cwm_MainWnd::copySelection()
{
    if (m_logView)
        m_logView->copySelection();
}

void Cwm_MainWnd::printSetup()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(m_printer.get(), this);
    dialog.exec();
}

void Cwm_MainWnd::printLog()
{
    if (!m_logView)
        return;
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    bool accepted = false;
    if (m_printDialog) {
        accepted = m_printDialog(*m_printer);
    } else {
        QPrintDialog dialog(m_printer.get(), this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString printing = gui::uiText("app.printing", languageIndex());
    setPaneText(MessagePane, printing);
    showWaitDialog(gui::uiText("common.caption", languageIndex()), printing);
    const bool printed = m_logView->printTo(*m_printer);
    closeWaitDialog();
    setPaneTextId(MessagePane, morva::command::ReadyPrompt);
    QApplication::restoreOverrideCursor();
    if (!printed)
        gui::MessageBox::showText(this, gui::MessageKind::Failure, "app.printFailed");
}

void Cwm_MainWnd::closeEvent(QCloseEvent* event)
{
    if (m_closeHook)
        m_closeHook();
    Cwm_MainBaseWnd::closeEvent(event);
}

} // namespace morva::app

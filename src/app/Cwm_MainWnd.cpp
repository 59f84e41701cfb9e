#include "app/Cwm_MainWnd.h"

#include "app/MessageBox.h"
#include "app/QtText.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace morva::app {

Cwm_MainWnd::Cwm_MainWnd(CommandRegistry& commands, AdminSettings& settings,
                         platform::FileSystem& fileSystem, QWidget* parent)
    : Cwm_MainBaseWnd(commands, settings, parent), m_fileSystem(fileSystem)
{
}

Cwm_MainWnd::~Cwm_MainWnd() = default;

void Cwm_MainWnd::openLogView(Cwm_LogView::Options options)
{
    closeLogView();
    m_logView = new Cwm_LogView(m_fileSystem, std::move(options));
    setClientWidget(m_logView);
    m_logView->setFocus();
    m_logView->readNewLines();
}

void Cwm_MainWnd::closeLogView()
{
    if (m_logView) {
        setClientWidget(nullptr);
        m_logView = nullptr;
    }
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
    const QString printing = qtText("app.printing", languageIndex());
    setPaneText(MessagePane, printing);
    showWaitDialog(qtText("common.caption", languageIndex()), printing);
    const bool printed = m_logView->printTo(*m_printer);
    closeWaitDialog();
    setPaneTextId(MessagePane, morva::command::ReadyPrompt);
    QApplication::restoreOverrideCursor();
    if (!printed)
        MessageBox::showText(this, MessageKind::Failure, "app.printFailed");
}

void Cwm_MainWnd::closeEvent(QCloseEvent* event)
{
    if (m_closeHook)
        m_closeHook();
    Cwm_MainBaseWnd::closeEvent(event);
}

} // namespace morva::app

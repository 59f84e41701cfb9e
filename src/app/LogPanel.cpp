#include "app/LogPanel.h"

#include "app/LogFilterBar.h"
#include "app/LogTableModel.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace morva::app {

LogPanel::LogPanel(platform::FileSystem& fileSystem, Cwm_LogView::Options options, QWidget* parent)
    : QWidget(parent), m_language(options.languageIndex),
      m_view(new Cwm_LogView(fileSystem, std::move(options), this)),
      m_bar(new LogFilterBar(m_language, this)), m_fileLine(new QWidget(this)),
      m_fileLabel(new QLabel(m_fileLine)), m_progress(new QProgressBar(m_fileLine)),
      m_cancel(new QPushButton(gui::uiText("app.logFilter.cancel", m_language), m_fileLine)),
      m_back(new QPushButton(gui::uiText("app.logFilter.backToLive", m_language), m_fileLine)),
      m_barLine(new QWidget(this))
{
    setObjectName(QStringLiteral("LogPanel"));
    m_view->setAccessibleName(gui::uiText("a11y.logView", m_language));
    m_fileLabel->setTextFormat(Qt::PlainText);
    m_fileLabel->setObjectName(QStringLiteral("shownFile"));
    QFont bold = m_fileLabel->font();
    bold.setBold(true);
    m_fileLabel->setFont(bold);
    m_progress->setMaximumWidth(220);
    m_progress->setRange(0, 1000);
    auto* fileLayout = new QHBoxLayout(m_fileLine);
    fileLayout->setContentsMargins(6, 3, 4, 3);
    fileLayout->addWidget(m_fileLabel, 1);
    fileLayout->addWidget(m_progress);
    fileLayout->addWidget(m_cancel);
    fileLayout->addWidget(m_back);
    m_fileLine->setAutoFillBackground(true);
    QPalette notice = m_fileLine->palette();
    notice.setColor(QPalette::Window, notice.color(QPalette::ToolTipBase));
    notice.setColor(QPalette::WindowText, notice.color(QPalette::ToolTipText));
    m_fileLine->setPalette(notice);
    m_fileLine->hide();

    // The file commands of the view, beside the bar.
    auto* more = new QToolButton(m_barLine);
    more->setObjectName(QStringLiteral("logFileMenu"));
    more->setText(QStringLiteral("\u22EE"));
    more->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(more);
    QAction* open = menu->addAction(gui::uiText("app.logFilter.openOlder", m_language));
    QAction* back = menu->addAction(gui::uiText("app.logFilter.backToLive", m_language));
    menu->addSeparator();
    QAction* copy = menu->addAction(gui::uiText("app.logFilter.copyVisible", m_language));
    QAction* save = menu->addAction(gui::uiText("app.logFilter.export", m_language));
    connect(menu, &QMenu::aboutToShow, this,
            [this, back] { back->setEnabled(m_view->isShowingOlderLog()); });
    more->setMenu(menu);
    auto* barLayout = new QHBoxLayout(m_barLine);
    barLayout->setContentsMargins(0, 0, 4, 0);
    barLayout->setSpacing(2);
    barLayout->addWidget(m_bar, 1);
    barLayout->addWidget(more);

    // The bars never make the main window wider than the administrator set
    // it; at narrow widths they are cut.
    m_barLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_fileLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_fileLine);
    layout->addWidget(m_barLine);
    layout->addWidget(m_view, 1);
    setFocusProxy(m_view);

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &LogPanel::showFilterBar);
    connect(m_bar, &LogFilterBar::filterChanged, this, &LogPanel::applyFilter);
    connect(m_bar, &LogFilterBar::closeRequested, this, [this] {
        m_bar->clear();
        m_barLine->hide();
        m_view->setFocus();
    });
    connect(m_view, &Cwm_LogView::threadClicked, m_bar, &LogFilterBar::setThread);
    connect(m_view, &Cwm_LogView::filterBarRequested, this, &LogPanel::showFilterBar);
    connect(m_view, &Cwm_LogView::openOlderLogRequested, this, &LogPanel::chooseOlderLog);
    connect(m_view, &Cwm_LogView::exportRequested, this, &LogPanel::chooseExportFile);
    connect(open, &QAction::triggered, this, &LogPanel::chooseOlderLog);
    connect(back, &QAction::triggered, m_view, &Cwm_LogView::backToLiveLog);
    connect(copy, &QAction::triggered, m_view, &Cwm_LogView::copyVisibleRows);
    connect(save, &QAction::triggered, this, &LogPanel::chooseExportFile);
    connect(m_view, &Cwm_LogView::shownFileChanged, this, &LogPanel::showFile);
    connect(m_back, &QPushButton::clicked, m_view, &Cwm_LogView::backToLiveLog);
    connect(m_cancel, &QPushButton::clicked, m_view, &Cwm_LogView::cancelLoading);
    connect(m_view, &Cwm_LogView::loadProgress, this, [this](qint64 done, qint64 total) {
        m_progress->setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 1000);
    });
    connect(m_view, &Cwm_LogView::loadFinished, this, [this](bool ok, const QString& failure) {
        m_progress->hide();
        m_cancel->hide();
        if (!ok && !failure.isEmpty()) {
            gui::MessageBox::show(
                this, gui::MessageKind::Failure,
                gui::uiText("app.logFilter.readFailed", m_language)
                    .arg(QString::fromStdString(m_view->olderLogPath()), failure));
        }
        updateCount();
    });
    // The view's model changes with the file shown: count what it shows.
    connect(m_view, &Cwm_LogView::shownFileChanged, this, &LogPanel::updateCount);
    for (LogTableModel* model : {m_view->liveModel()}) {
        connect(model, &LogTableModel::filterApplied, this, &LogPanel::updateCount);
        connect(model, &LogTableModel::rowsInserted, this, &LogPanel::updateCount);
        connect(model, &LogTableModel::modelReset, this, &LogPanel::updateCount);
    }
    updateCount();
}

void LogPanel::showFilterBar()
{
    m_barLine->show();
    m_bar->focusText();
}

void LogPanel::applyFilter()
{
    QString error;
    auto filter = m_bar->buildFilter(&error);
    if (!filter) {
        m_bar->showError(error);
        return;
    }
    m_view->setFilter(std::move(filter), m_bar->onlyMatching(), m_bar->category());
    updateCount();
}

void LogPanel::updateCount()
{
    const LogTableModel* model = m_view->logModel();
    m_bar->showCount(model->rowCount(), model->totalRows());
}

void LogPanel::showFile(const QString& path)
{
    if (path.isEmpty()) {
        m_fileLine->hide();
        return;
    }
    m_fileLabel->setText(gui::uiText("app.logFilter.shownFile", m_language).arg(path));
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    m_fileLine->show();
    LogTableModel* model = m_view->logModel();
    connect(model, &LogTableModel::filterApplied, this, &LogPanel::updateCount);
    connect(model, &LogTableModel::rowsInserted, this, &LogPanel::updateCount);
    connect(model, &LogTableModel::modelReset, this, &LogPanel::updateCount);
}

void LogPanel::chooseOlderLog()
{
    const QString dir = QFileInfo(QString::fromStdString(m_view->path())).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        this, gui::uiText("app.logFilter.openOlder", m_language), dir,
        gui::uiText("app.logFilter.logFiles", m_language) + QStringLiteral(" (*.log);;") +
            gui::uiText("app.logFilter.allFiles", m_language) + QStringLiteral(" (*)"));
    if (!path.isEmpty())
        m_view->openOlderLog(path.toStdString());
}

void LogPanel::chooseExportFile()
{
    QString selected;
    const QString csv =
        gui::uiText("app.logFilter.csvFiles", m_language) + QStringLiteral(" (*.csv)");
    const QString text =
        gui::uiText("app.logFilter.textFiles", m_language) + QStringLiteral(" (*.txt)");
    QString path =
        QFileDialog::getSaveFileName(this, gui::uiText("app.logFilter.export", m_language),
                                     QString(), csv + QStringLiteral(";;") + text, &selected);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += selected == csv ? QStringLiteral(".csv") : QStringLiteral(".txt");
    QString error;
    if (!m_view->exportVisibleRows(path, &error)) {
        gui::MessageBox::show(
            this, gui::MessageKind::Failure,
            gui::uiText("app.logFilter.exportFailed", m_language).arg(path, error));
    }
}

} // namespace morva::app

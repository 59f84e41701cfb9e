#include "stats/Cwm_StatListDlg.h"

#include "gui/ConsoleWait.h"
#include "gui/Cwm_WaitDlg.h"
#include "gui/Text.h"
#include "gui/UnlabelledHeaderView.h"
#include "platform/AtomicReplace.h"
#include "platform/FileSystem.h"
#include "resources/Texts.h"
#include "service/SignalFiles.h"
#include "stats/PeriodicStatistics.h"
#include "stats/StatChartPanel.h"
#include "stats/StatCsv.h"
#include "stats/StatHistoryLocation.h"
#include "stats/StatSeries.h"
#include "stats/StatTableModel.h"
#include "stats/Statistics.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace morva::stats {

namespace {

using gui::toQString;
using gui::uiText;

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString displayPath(const std::string& path)
{
    return StatTableModel::displayText(path);
}

constexpr int kMaxAutoRefreshMinutes = 24 * 60;

} // namespace

Cwm_StatListDlg::Cwm_StatListDlg(QWidget* parent, Statistics& statistics, int languageIndex,
                                 FailureReporter reportFailure, StatViewerOptions options)
    : QDialog(parent), m_statistics(statistics), m_language(languageIndex),
      m_reportFailure(std::move(reportFailure)), m_options(std::move(options))
{
    setObjectName("StatList");
    setWindowTitle(uiText("stats.caption", languageIndex));

    m_model = new StatTableModel(this);
    m_model->setHeadings(uiText("records.col.name", languageIndex),
                         uiText("browser.column.value", languageIndex));
    m_grid = new QTableView(this);
    // The gateway's grid shows no headings; screen readers still get them.
    m_grid->setHorizontalHeader(new gui::UnlabelledHeaderView({0, 1}, m_grid));
    m_grid->setAccessibleName(uiText("a11y.statsGrid", languageIndex));
    m_grid->setObjectName("grid");
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideRight);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setDefaultSectionSize(220);
    m_grid->setMinimumSize(400, 360);

    m_truncated = new QLabel(uiText("stats.truncated", languageIndex), this);
    m_truncated->setTextFormat(Qt::PlainText);
    m_truncated->setWordWrap(true);
    m_truncated->hide();

    m_staleNote = new QLabel(this);
    m_staleNote->setObjectName("staleNote");
    m_staleNote->setTextFormat(Qt::PlainText);
    m_staleNote->setWordWrap(true);
    m_staleNote->hide();

    m_refresh = new QPushButton(uiText("stats.refresh", languageIndex), this);
    m_refresh->setObjectName("refresh");
    m_close = new QPushButton(uiText("stats.close", languageIndex), this);
    m_close->setObjectName("close");
    m_close->setDefault(true);
    connect(m_refresh, &QPushButton::clicked, this, &Cwm_StatListDlg::refresh);
    connect(m_close, &QPushButton::clicked, this, &Cwm_StatListDlg::reject);

    m_chart = new StatChartPanel(this, languageIndex);
    m_historyNote = new QLabel(this);
    m_historyNote->setObjectName("historyNote");
    m_historyNote->setTextFormat(Qt::PlainText);
    m_historyNote->setWordWrap(true);
    m_historyNote->hide();

    m_autoRefresh = new QSpinBox(this);
    m_autoRefresh->setObjectName("autoRefresh");
    m_autoRefresh->setRange(0, kMaxAutoRefreshMinutes);
    m_autoRefresh->setSpecialValueText(gui::uiText("stats.autoRefresh.off", languageIndex));
    m_autoRefresh->setSuffix(gui::uiText("stats.autoRefresh.minutes", languageIndex));
    auto* autoRefreshLabel = new QLabel(gui::uiText("stats.autoRefresh", languageIndex), this);
    autoRefreshLabel->setBuddy(m_autoRefresh);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &Cwm_StatListDlg::autoRefreshDue);

    m_besideProgram = new QCheckBox(gui::uiText("stats.besideProgram", languageIndex), this);
    m_besideProgram->setObjectName("besideProgram");
    m_exportTable = new QPushButton(gui::uiText("stats.exportTable", languageIndex), this);
    m_exportTable->setObjectName("exportTable");
    m_exportHistory = new QPushButton(gui::uiText("stats.exportHistory", languageIndex), this);
    m_exportHistory->setObjectName("exportHistory");
    m_gatewayFiles = new QPushButton(gui::uiText("stats.gatewayFiles", languageIndex), this);
    m_gatewayFiles->setObjectName("gatewayFiles");
    m_backToHistory = new QPushButton(gui::uiText("stats.backToHistory", languageIndex), this);
    m_backToHistory->setObjectName("backToHistory");
    m_backToHistory->hide();
    connect(m_exportTable, &QPushButton::clicked, this, &Cwm_StatListDlg::exportTable);
    connect(m_exportHistory, &QPushButton::clicked, this, &Cwm_StatListDlg::exportHistory);
    connect(m_gatewayFiles, &QPushButton::clicked, this, &Cwm_StatListDlg::chartGatewayFiles);
    connect(m_backToHistory, &QPushButton::clicked, this, &Cwm_StatListDlg::showHistory);

    const bool files = m_options.fileSystem != nullptr;
    m_exportTable->setEnabled(files);
    m_exportHistory->setEnabled(files);
    m_gatewayFiles->setEnabled(files);
    m_besideProgram->setEnabled(files);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_grid);
    splitter->addWidget(m_chart);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({400, 700});

    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(autoRefreshLabel);
    settingsRow->addWidget(m_autoRefresh);
    settingsRow->addSpacing(16);
    settingsRow->addWidget(m_besideProgram);
    settingsRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addWidget(m_exportTable);
    buttons->addWidget(m_exportHistory);
    buttons->addWidget(m_gatewayFiles);
    buttons->addWidget(m_backToHistory);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_staleNote);
    layout->addWidget(m_truncated);
    layout->addWidget(m_historyNote);
    layout->addLayout(settingsRow);
    layout->addLayout(buttons);

    const auto readSetting = [this](const char* name, int defaultValue) {
        return m_options.readSetting ? m_options.readSetting(name, defaultValue) : defaultValue;
    };
    m_besideProgram->setChecked(readSetting(kHistoryBesideProgramSetting, 0) != 0);
    connect(m_besideProgram, &QCheckBox::toggled, this, [this](bool on) {
        if (m_options.writeSetting)
            m_options.writeSetting(kHistoryBesideProgramSetting, on ? 1 : 0);
        openHistory();
        showHistory();
    });
    m_autoRefresh->setValue(
        std::clamp(readSetting(kAutoRefreshMinutesSetting, 0), 0, kMaxAutoRefreshMinutes));
    setAutoRefresh(m_autoRefresh->value());
    connect(m_autoRefresh, &QSpinBox::valueChanged, this, [this](int minutes) {
        if (m_options.writeSetting)
            m_options.writeSetting(kAutoRefreshMinutesSetting, minutes);
        setAutoRefresh(minutes);
    });

    openHistory();
    showHistory();
    resize(1120, 600);
}

Cwm_StatListDlg::~Cwm_StatListDlg() = default;

void Cwm_StatListDlg::refresh()
{
    if (m_busy)
        return;
    m_busy = true;
    m_refresh->setEnabled(false);
    m_close->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RefreshOutcome outcome = m_statistics.refresh(RefreshWait{
        [this] { beginWait(); }, [this] { return waitCancelled(); }, [this] { endWait(); }});
    QApplication::restoreOverrideCursor();
    m_refresh->setEnabled(true);
    m_close->setEnabled(true);
    m_busy = false;
    if (outcome == RefreshOutcome::SignalFailed && m_reportFailure)
        m_reportFailure(ownerWindow(),
                        toQString(service::signalFailedText(m_language, m_statistics.failedPath(),
                                                            m_statistics.failure())));
    if (outcome == RefreshOutcome::NotPlainFile && m_reportFailure)
        m_reportFailure(ownerWindow(),
                        toQString(replacePlaceholder(text("common.notPlainFile", m_language), "%1",
                                                     m_statistics.failedPath())));
    if (outcome == RefreshOutcome::Updated)
        keepSample();
    fill();
}

void Cwm_StatListDlg::reject()
{
    if (!m_busy)
        QDialog::reject();
}

QWidget* Cwm_StatListDlg::ownerWindow()
{
    return isVisible() || !parentWidget() ? this : parentWidget();
}

void Cwm_StatListDlg::beginWait()
{
    m_waitCancelled = false;
    QWidget* owner = ownerWindow();
    m_wait = new gui::Cwm_WaitDlg(owner, m_language);
    connect(m_wait, &gui::Cwm_WaitDlg::cancelled, this, [this] { m_waitCancelled = true; });
    m_wait->setWindowTitle(uiText("common.caption", m_language));
    m_wait->setText(uiText("stats.waiting", m_language));
    m_wait->adjustSize();
    if (owner->isVisible())
        m_wait->move(owner->geometry().center() - m_wait->rect().center());
    m_wait->show();
    m_wait->raise();
    m_wait->activateWindow();
}

bool Cwm_StatListDlg::waitCancelled() const
{
    return m_waitCancelled || gui::ConsoleWait::instance().shuttingDown();
}

void Cwm_StatListDlg::endWait()
{
    if (m_wait) {
        m_wait->hide();
        delete m_wait.data();
    }
}

void Cwm_StatListDlg::fill()
{
    m_model->setRows(m_statistics.rows());
    m_truncated->setVisible(m_statistics.truncated());
    if (m_statistics.stale()) {
        m_staleNote->setText(uiText("stats.stale", m_language)
                                 .arg(toQString(localTimeText(m_statistics.writtenNs()))));
    } else if (m_statistics.rows().empty()) {
        m_staleNote->setText(uiText("stats.none", m_language));
    }
    m_staleNote->setVisible(m_statistics.stale() || m_statistics.rows().empty());
}

} // namespace morva::stats

namespace morva::stats {

std::string Cwm_StatListDlg::historyPath() const
{
    return m_history ? m_history->path() : std::string();
}

void Cwm_StatListDlg::openHistory()
{
    m_history.reset();
    m_samples.clear();
    m_historyNote->hide();
    if (!m_options.fileSystem)
        return;
    const bool besideProgram = m_besideProgram->isChecked();
    const std::string path = statHistoryPath(m_options.programDir, besideProgram);
    // The program directory exists; the user's data directory may not yet.
    if (path.empty() || (!besideProgram && !prepareHistoryDirectory(path))) {
        m_historyNote->setText(gui::uiText("stats.history.noDirectory", m_language));
        m_historyNote->show();
        return;
    }
    m_history = std::make_unique<StatHistoryStore>(*m_options.fileSystem, path);
    HistoryLoad load = m_history->load();
    m_samples = std::move(load.samples);
    if (load.error != platform::FileError::None) {
        m_historyNote->setText(
            gui::uiText("stats.history.unreadable", m_language)
                .arg(displayPath(path), QString::fromLatin1(platform::fileErrorName(load.error))));
        m_historyNote->show();
    }
}

void Cwm_StatListDlg::keepSample()
{
    std::int64_t time = m_statistics.writtenNs();
    if (time == 0)
        time = QDateTime::currentMSecsSinceEpoch() * 1000000;
    // The same dump read twice (its file was not rewritten in between) is
    // kept once.
    for (const StatSample& kept : m_samples) {
        if (kept.timeNs == time)
            return;
    }
    StatSample sample{time, m_statistics.rows()};
    if (m_history) {
        platform::FileError error = platform::FileError::None;
        if (!m_history->append(sample, &error)) {
            m_historyNote->setText(gui::uiText("stats.history.notKept", m_language)
                                       .arg(displayPath(m_history->path()),
                                            QString::fromLatin1(platform::fileErrorName(error))));
            m_historyNote->show();
        }
    }
    const auto at =
        std::upper_bound(m_samples.begin(), m_samples.end(), time,
                         [](std::int64_t t, const StatSample& kept) { return t < kept.timeNs; });
    m_samples.insert(at, std::move(sample));
    if (!m_backToHistory->isVisible())
        showHistory();
}

void Cwm_StatListDlg::showHistory()
{
    std::vector<ChartSeries> series;
    for (const std::string& name : numericCounterNames(m_samples))
        series.push_back({StatTableModel::displayText(name), counterSeries(m_samples, name)});
    m_chart->setSeries(std::move(series), true);
    m_chart->setSourceText(gui::uiText("stats.source.history", m_language)
                               .arg(static_cast<qlonglong>(m_samples.size())));
    m_backToHistory->hide();
}

void Cwm_StatListDlg::chartGatewayFiles()
{
    if (!m_options.fileSystem)
        return;
    QString directory = QFile::decodeName(QByteArray::fromStdString(m_options.statisticPath));
    if (directory.isEmpty() || !QDir(directory).exists())
        directory = QFile::decodeName(QByteArray::fromStdString(m_options.programDir));
    const QString title = gui::uiText("stats.gatewayFiles.title", m_language);
    const QString filter = gui::uiText("stats.gatewayFiles.filter", m_language);
    const QStringList paths = m_options.chooseOpenFiles
                                  ? m_options.chooseOpenFiles(this, title, directory, filter)
                                  : QFileDialog::getOpenFileNames(this, title, directory, filter);
    if (paths.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PeriodicStatisticsReader reader(statisticFileDelimiter(m_options.statisticDelimiter));
    for (const QString& path : paths)
        reader.addFile(*m_options.fileSystem, localPath(path));
    const PeriodicTotals totals = reader.totals();
    QApplication::restoreOverrideCursor();

    std::vector<ChartSeries> series(1 + totals.columns.size());
    series[0].name = gui::uiText("stats.files.records", m_language);
    for (std::size_t c = 0; c < totals.columns.size(); ++c) {
        const PeriodicColumn& column = totals.columns[c];
        series[c + 1].name = column.name.empty()
                                 ? gui::uiText("stats.files.column", m_language)
                                       .arg(static_cast<qulonglong>(column.position))
                                 : StatTableModel::displayText(column.name);
    }
    for (const PeriodicHour& hour : totals.hours) {
        series[0].points.push_back({hour.startNs, static_cast<double>(hour.records)});
        for (std::size_t c = 0; c < hour.sums.size(); ++c)
            series[c + 1].points.push_back({hour.startNs, hour.sums[c]});
    }
    m_chart->setSeries(std::move(series), false);
    QString source = gui::uiText("stats.source.files", m_language)
                         .arg(static_cast<qlonglong>(paths.size()))
                         .arg(static_cast<qulonglong>(totals.records));
    if (totals.skippedLines > 0)
        source += ' ' + gui::uiText("stats.files.skipped", m_language)
                            .arg(static_cast<qulonglong>(totals.skippedLines));
    if (totals.truncated)
        source += ' ' + gui::uiText("stats.files.truncated", m_language);
    for (const std::string& path : totals.unreadable)
        source += ' ' + gui::uiText("stats.files.unreadable", m_language).arg(displayPath(path));
    m_chart->setSourceText(source);
    m_backToHistory->show();
}

void Cwm_StatListDlg::exportTable()
{
    exportCsv(gui::uiText("stats.exportTable.title", m_language), tableCsv(m_statistics.rows()));
}

void Cwm_StatListDlg::exportHistory()
{
    exportCsv(gui::uiText("stats.exportHistory.title", m_language), historyCsv(m_samples));
}

void Cwm_StatListDlg::exportCsv(const QString& title, const std::string& bytes)
{
    if (!m_options.fileSystem || !m_options.clock)
        return;
    const QString filter = gui::uiText("stats.csvFilter", m_language);
    const QString path = m_options.chooseSaveFile
                             ? m_options.chooseSaveFile(this, title, filter)
                             : QFileDialog::getSaveFileName(this, title, QString(), filter);
    if (path.isEmpty())
        return;
    platform::FileError error = platform::FileError::None;
    if (!platform::replaceFileAtomically(*m_options.fileSystem, *m_options.clock, localPath(path),
                                         bytes, &error))
        reportFailure(gui::uiText("stats.exportFailed", m_language)
                          .arg(path, QString::fromLatin1(platform::fileErrorName(error))));
}

void Cwm_StatListDlg::reportFailure(const QString& text)
{
    if (m_reportFailure)
        m_reportFailure(ownerWindow(), text);
}

void Cwm_StatListDlg::setAutoRefresh(int minutes)
{
    if (minutes <= 0) {
        m_timer->stop();
        return;
    }
    m_timer->start(std::chrono::minutes(minutes));
}

void Cwm_StatListDlg::autoRefreshDue()
{
    // Not while a refresh waits, nor over a message box or file dialog
    // that the user is answering.
    if (m_busy || !isVisible() || QApplication::activeModalWidget() != this)
        return;
    refresh();
}

} // namespace morva::stats

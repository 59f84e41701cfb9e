#include "stats/Cwm_StatListDlg.h"

#include "resources/Texts.h"
#include "service/SignalFiles.h"
#include "stats/StatTableModel.h"
#include "stats/Statistics.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace morva::stats {

namespace {

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString qText(std::string_view id, int language)
{
    return toQString(text(id, language));
}

} // namespace

Cwm_StatListDlg::Cwm_StatListDlg(QWidget* parent, Statistics& statistics, int languageIndex,
                                 FailureReporter reportFailure)
    : QDialog(parent), m_statistics(statistics), m_language(languageIndex),
      m_reportFailure(std::move(reportFailure))
{
    setObjectName("StatList");
    setWindowTitle(qText("stats.caption", languageIndex));

    m_model = new StatTableModel(this);
    m_grid = new QTableView(this);
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
    m_grid->horizontalHeader()->setDefaultSectionSize(260);
    m_grid->setMinimumSize(520, 360);

    m_truncated = new QLabel(qText("stats.truncated", languageIndex), this);
    m_truncated->setTextFormat(Qt::PlainText);
    m_truncated->setWordWrap(true);
    m_truncated->hide();

    m_refresh = new QPushButton(qText("stats.refresh", languageIndex), this);
    m_refresh->setObjectName("refresh");
    m_close = new QPushButton(qText("stats.close", languageIndex), this);
    m_close->setObjectName("close");
    m_close->setDefault(true);
    connect(m_refresh, &QPushButton::clicked, this, &Cwm_StatListDlg::refresh);
    connect(m_close, &QPushButton::clicked, this, &Cwm_StatListDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addWidget(m_truncated);
    layout->addLayout(buttons);
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
    const RefreshOutcome outcome = m_statistics.refresh();
    QApplication::restoreOverrideCursor();
    m_refresh->setEnabled(true);
    m_close->setEnabled(true);
    m_busy = false;
    if (outcome == RefreshOutcome::SignalFailed && m_reportFailure)
        m_reportFailure(this, toQString(service::signalFailedText(
                                  m_language, m_statistics.failedPath(), m_statistics.failure())));
    if (outcome == RefreshOutcome::NotPlainFile && m_reportFailure)
        m_reportFailure(this, toQString(replacePlaceholder(text("common.notPlainFile", m_language),
                                                           "%1", m_statistics.failedPath())));
    fill();
}

void Cwm_StatListDlg::reject()
{
    if (!m_busy)
        QDialog::reject();
}

void Cwm_StatListDlg::fill()
{
    m_model->setRows(m_statistics.rows());
    m_truncated->setVisible(m_statistics.truncated());
}

} // namespace morva::stats

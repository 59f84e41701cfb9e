#include "stats/Cwm_StatListDlg.h"

#include "gui/ConsoleWait.h"
#include "gui/Cwm_WaitDlg.h"
#include "gui/Text.h"
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

using gui::toQString;
using gui::uiText;

} // namespace

Cwm_StatListDlg::Cwm_StatListDlg(QWidget* parent, Statistics& statistics, int languageIndex,
                                 FailureReporter reportFailure)
    : QDialog(parent), m_statistics(statistics), m_language(languageIndex),
      m_reportFailure(std::move(reportFailure))
{
    setObjectName("StatList");
    setWindowTitle(uiText("stats.caption", languageIndex));

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

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addWidget(m_staleNote);
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

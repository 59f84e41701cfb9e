#pragma once

#include "gui/Cwm_WaitDlg.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace morva::stats {

class Statistics;
class StatTableModel;

// The statistics viewer ("StatList"): the gateway's counters in a
// two-column grid, "&Refresh" and "Close". Refresh asks the gateway for new
// figures and waits for them (up to about twelve seconds) with the wait
// cursor and the wait dialog, whose Cancel ends the wait; meanwhile the
// buttons are disabled and the dialog stays open. When no new figures
// arrive a note says so and gives the time of the figures still shown.
class Cwm_StatListDlg : public QDialog
{
    Q_OBJECT
public:
    // Shows a failure message (the signal file could not be created).
    using FailureReporter = std::function<void(QWidget* parent, const QString& text)>;

    Cwm_StatListDlg(QWidget* parent, Statistics& statistics, int languageIndex,
                    FailureReporter reportFailure);
    ~Cwm_StatListDlg() override;

    QTableView* grid() const { return m_grid; }
    StatTableModel* model() const { return m_model; }
    QPushButton* refreshButton() const { return m_refresh; }
    QPushButton* closeButton() const { return m_close; }
    QLabel* truncatedNote() const { return m_truncated; }
    QLabel* staleNote() const { return m_staleNote; }
    // The wait dialog while a refresh waits, else null.
    gui::Cwm_WaitDlg* waitDialog() const { return m_wait.data(); }

public slots:
    // Refresh, then fill the grid from the stored lines.
    void refresh();
    void reject() override;

private:
    void fill();
    void beginWait();
    void endWait();
    bool waitCancelled() const;
    // Messages and the wait dialog go over this dialog once it is shown,
    // before that over its parent (the main window).
    QWidget* ownerWindow();

    Statistics& m_statistics;
    int m_language;
    FailureReporter m_reportFailure;
    bool m_busy = false;
    StatTableModel* m_model;
    QTableView* m_grid;
    QLabel* m_truncated;
    QLabel* m_staleNote;
    QPointer<gui::Cwm_WaitDlg> m_wait;
    bool m_waitCancelled = false;
    QPushButton* m_refresh;
    QPushButton* m_close;
};

} // namespace morva::stats

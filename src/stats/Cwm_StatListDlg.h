#pragma once

#include <QDialog>
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
// cursor; meanwhile the buttons are disabled and the dialog stays open.
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

public slots:
    // Refresh, then fill the grid from the stored lines.
    void refresh();
    void reject() override;

private:
    void fill();

    Statistics& m_statistics;
    int m_language;
    FailureReporter m_reportFailure;
    bool m_busy = false;
    StatTableModel* m_model;
    QTableView* m_grid;
    QLabel* m_truncated;
    QPushButton* m_refresh;
    QPushButton* m_close;
};

} // namespace morva::stats

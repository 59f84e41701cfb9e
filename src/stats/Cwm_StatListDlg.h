#pragma once

#include "gui/Cwm_WaitDlg.h"
#include "stats/StatHistory.h"
#include "stats/StatViewerOptions.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

namespace morva::stats {

class Statistics;
class StatChartPanel;
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
                    FailureReporter reportFailure, StatViewerOptions options = {});
    ~Cwm_StatListDlg() override;

    QTableView* grid() const { return m_grid; }
    StatTableModel* model() const { return m_model; }
    QPushButton* refreshButton() const { return m_refresh; }
    QPushButton* closeButton() const { return m_close; }
    QLabel* truncatedNote() const { return m_truncated; }
    QLabel* staleNote() const { return m_staleNote; }
    // The wait dialog while a refresh waits, else null.
    gui::Cwm_WaitDlg* waitDialog() const { return m_wait.data(); }
    StatChartPanel* chartPanel() const { return m_chart; }
    QSpinBox* autoRefreshBox() const { return m_autoRefresh; }
    QTimer* autoRefreshTimer() const { return m_timer; }
    QCheckBox* besideProgramBox() const { return m_besideProgram; }
    QLabel* historyNote() const { return m_historyNote; }
    QPushButton* exportTableButton() const { return m_exportTable; }
    QPushButton* exportHistoryButton() const { return m_exportHistory; }
    QPushButton* gatewayFilesButton() const { return m_gatewayFiles; }
    QPushButton* backToHistoryButton() const { return m_backToHistory; }
    const std::vector<StatSample>& history() const { return m_samples; }
    // Where the history is kept; empty when it is not.
    std::string historyPath() const;

public slots:
    // Refresh, then fill the grid from the stored lines.
    void refresh();
    void reject() override;
    void exportTable();
    void exportHistory();
    // Asks for some of the gateway's statistics files and charts them.
    void chartGatewayFiles();
    void showHistory();

private:
    void fill();
    void openHistory();
    void keepSample();
    void setAutoRefresh(int minutes);
    void autoRefreshDue();
    void exportCsv(const QString& title, const std::string& bytes);
    void reportFailure(const QString& text);
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
    StatViewerOptions m_options;
    std::unique_ptr<StatHistoryStore> m_history;
    std::vector<StatSample> m_samples;
    StatChartPanel* m_chart;
    QSpinBox* m_autoRefresh;
    QTimer* m_timer;
    QCheckBox* m_besideProgram;
    QLabel* m_historyNote;
    QPushButton* m_exportTable;
    QPushButton* m_exportHistory;
    QPushButton* m_gatewayFiles;
    QPushButton* m_backToHistory;
};

} // namespace morva::stats

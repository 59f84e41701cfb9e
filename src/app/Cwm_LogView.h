#pragma once

#include "log/LogCategory.h"
#include "log/LogReader.h"

#include <QPointer>
#include <QTableView>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QFileSystemWatcher;
class QHelpEvent;
class QPagedPaintDevice;
class QTimer;

namespace morva::platform {
class FileSystem;
}

namespace morva::log {
class LogFilter;
}

namespace morva::app {

class LogFindDlg;
class LogTableModel;

// The main window's view of the gateway's log: three columns that follow the
// file while the gateway writes it. A timer and a file-system watcher ask
// for new lines; a look at an unchanged file costs one stat.
class Cwm_LogView : public QTableView
{
    Q_OBJECT
public:
    struct Options
    {
        std::string path;
        QString fontFace;  // AdminLogFont; empty: "Lucida Console"
        int fontSize = 12; // AdminLogFontSize (character height in pixels)
        int languageIndex = 0;
        int pollMs = 1000;
        // Opens the log with the desktop's associated program; false when
        // that failed.
        std::function<bool(const std::string& path)> openWithDesktop;
    };

    Cwm_LogView(platform::FileSystem& fileSystem, Options options, QWidget* parent = nullptr);
    ~Cwm_LogView() override;

    // The rows shown: the live log's, or an older file's while one is open.
    LogTableModel* logModel() const { return m_model; }
    LogTableModel* liveModel() const { return m_liveModel; }
    const std::string& path() const { return m_reader.path(); }

    // The filter of the filter bar, on the live rows and an older file's.
    void setFilter(std::shared_ptr<const log::LogFilter> filter, bool onlyMatching,
                   log::LogCategory category);

    // Shows `path` read-only instead of the live log (which goes on being
    // followed); it is read in the background. Back to the live log ends it.
    void openOlderLog(const std::string& path);
    void backToLiveLog();
    bool isShowingOlderLog() const { return m_model != m_liveModel; }
    const std::string& olderLogPath() const { return m_olderPath; }
    bool isLoadingOlderLog() const { return m_loader.joinable() && !m_loadDone; }
    void cancelLoading();

    // The rows shown (filtered) as text, cells joined by tabs and rows by
    // "\r\n", or as CSV (comma-separated, quoted).
    QString visibleRowsText(bool csv) const;
    void copyVisibleRows();
    // Writes the rows shown to `path` (CSV when it ends in ".csv"); false
    // with the reason in *error when it could not be written.
    bool exportVisibleRows(const QString& path, QString* error) const;

    // Reads what was appended (Refresh, F5); true when rows were added or
    // the view was cleared.
    bool readNewLines();
    // Opens the find dialog on the current column.
    void findInLog();
    LogFindDlg* findDialog() const;
    // Finds `text` in `column` below row `afterRow`, wrapping to the top;
    // selects the hit. -1 when there is none; *wrapped tells whether the
    // search went past the end.
    int findNext(const QString& text, int column, int afterRow, bool* wrapped);
    // The selected rows as text: cells joined by tabs, rows by "\r\n".
    QString selectionText() const;
    void copySelection();
    // Paints every row on `device` (a printer or a PDF writer), page by page.
    bool printTo(QPagedPaintDevice& device);
    void openWithDesktop();

    // The view follows the file (keeps the last row in sight) until the
    // reader scrolls up, selects a row or jumps to a find hit; scrolling back
    // to the bottom or End follows again.
    bool isFollowing() const { return m_following; }
    // Rows that arrived while the view did not follow.
    int unseenRows() const { return m_unseenRows; }
    void setFollowing(bool following);
    // Pieces of `text` no wider than `width` on `device`, broken between
    // words where it can; what a printed page shows of a long activity.
    static QStringList wrapForPrint(const QString& text, const QFont& font, QPaintDevice* device,
                                    int width);

signals:
    void followingChanged(bool following, int unseenRows);
    // A thread number was clicked: show that session.
    void threadClicked(const QString& thread);
    // Another file is shown (empty path: the live log again).
    void shownFileChanged(const QString& path);
    // Reading an older file: bytes done of total; done when finished, with
    // the reason when it failed.
    void loadProgress(qint64 done, qint64 total);
    void loadFinished(bool ok, const QString& failure);
    // The context menu asks for the filter bar or an older file.
    void filterBarRequested();
    void openOlderLogRequested();
    void exportRequested();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void scheduleRefresh(int delayMs);
    void watchFile();
    void scrollToEnd();
    void showCellToolTip(QHelpEvent* event);
    void stopLoader();
    void showModel(LogTableModel* model);

    Options m_options;
    platform::FileSystem& m_fileSystem;
    log::LogReader m_reader;
    LogTableModel* m_liveModel;
    LogTableModel* m_model;
    LogTableModel* m_olderModel = nullptr;
    std::string m_olderPath;
    std::shared_ptr<const log::LogFilter> m_filter;
    bool m_onlyMatching = true;
    log::LogCategory m_category = log::LogCategory::None;
    std::thread m_loader;
    std::atomic<bool> m_cancelLoad{false};
    bool m_loadDone = true;
    QTimer* m_pollTimer;
    QTimer* m_soonTimer;
    QFileSystemWatcher* m_watcher;
    QPointer<LogFindDlg> m_findDlg;
    bool m_following = true;
    int m_unseenRows = 0;
    // Set while the view itself moves the scroll bar (appending, resizing).
    bool m_autoScrolling = false;
};

} // namespace morva::app

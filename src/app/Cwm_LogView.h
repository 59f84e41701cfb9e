#pragma once

#include "log/LogReader.h"

#include <QPointer>
#include <QTableView>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QHelpEvent;
class QPagedPaintDevice;
class QTimer;

namespace morva::platform {
class FileSystem;
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

    LogTableModel* logModel() const { return m_model; }
    const std::string& path() const { return m_reader.path(); }

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

    Options m_options;
    log::LogReader m_reader;
    LogTableModel* m_model;
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

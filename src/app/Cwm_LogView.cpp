#include "app/Cwm_LogView.h"

#include "app/LogFindDlg.h"
#include "app/LogRowDelegate.h"
#include "app/LogTableModel.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"
#include "log/LogFileScan.h"
#include "log/LogFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <set>

namespace morva::app {

namespace {

// A burst of watcher signals (the gateway writing line by line) becomes one
// refresh after this delay: five repaints a second at most while a busy
// gateway writes hundreds of lines a second.
constexpr int kCoalesceMs = 200;

// A tool tip shows at most this much of a cell.
constexpr int kMaxToolTipChars = 4000;

// An older file shown in the view keeps at most this many rows (its last).
constexpr int kMaxOlderRows = 1000000;

// A cell of a CSV file: quoted, quotes doubled; a text that a spreadsheet
// would take for a formula gets a leading apostrophe (log text is untrusted).
QString csvCell(const QString& text)
{
    QString cell = text;
    if (!cell.isEmpty() && QStringLiteral("=+-@").contains(cell.front()))
        cell.prepend(QLatin1Char('\''));
    cell.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QFont logFont(const QString& face, int size)
{
    QFont font(face.isEmpty() ? QStringLiteral("Lucida Console") : face);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(face.isEmpty() || size <= 0 ? 12 : size);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

Cwm_LogView::Cwm_LogView(platform::FileSystem& fileSystem, Options options, QWidget* parent)
    : QTableView(parent), m_options(std::move(options)), m_fileSystem(fileSystem),
      m_reader(fileSystem, m_options.path),
      m_liveModel(new LogTableModel(m_options.languageIndex, this)), m_model(m_liveModel),
      m_pollTimer(new QTimer(this)), m_soonTimer(new QTimer(this)),
      m_watcher(new QFileSystemWatcher(this))
{
    setObjectName(QStringLiteral("LogView"));
    setModel(m_model);
    setItemDelegate(new LogRowDelegate(this));
    setFont(logFont(m_options.fontFace, m_options.fontSize));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(true);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Fixed row heights and column widths: measuring rows would cost time
    // on every append of a busy log.
    const QFontMetrics metrics(font());
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setColumnWidth(LogTableModel::TimeColumn,
                   metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 16);
    setColumnWidth(
        LogTableModel::ThreadColumn,
        std::max(metrics.horizontalAdvance(QStringLiteral("000000")),
                 horizontalHeader()->fontMetrics().horizontalAdvance(
                     m_model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString())) +
            16);

    m_soonTimer->setSingleShot(true);
    connect(m_soonTimer, &QTimer::timeout, this, [this] { readNewLines(); });
    connect(m_pollTimer, &QTimer::timeout, this, [this] { readNewLines(); });
    m_pollTimer->start(m_options.pollMs);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this,
            [this] { scheduleRefresh(kCoalesceMs); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { scheduleRefresh(kCoalesceMs); });
    watchFile();

    // The reader's own scrolling decides whether the view follows the file:
    // away from the bottom it stops, back at the bottom it follows again.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_autoScrolling && !isShowingOlderLog())
            setFollowing(value >= verticalScrollBar()->maximum());
    });
}

Cwm_LogView::~Cwm_LogView()
{
    stopLoader();
}

void Cwm_LogView::stopLoader()
{
    if (m_loader.joinable()) {
        m_cancelLoad = true;
        m_loader.join();
    }
    m_cancelLoad = false;
    m_loadDone = true;
}

void Cwm_LogView::setFilter(std::shared_ptr<const log::LogFilter> filter, bool onlyMatching,
                            log::LogCategory category)
{
    m_filter = filter;
    m_onlyMatching = onlyMatching;
    m_category = category;
    m_liveModel->setFilter(filter, onlyMatching, category);
    if (m_olderModel)
        m_olderModel->setFilter(std::move(filter), onlyMatching, category);
}

void Cwm_LogView::showModel(LogTableModel* model)
{
    if (m_model == model)
        return;
    m_model = model;
    setModel(model);
    if (m_findDlg)
        delete m_findDlg.data();
}

void Cwm_LogView::openOlderLog(const std::string& path)
{
    stopLoader();
    auto* older = new LogTableModel(m_options.languageIndex, this);
    older->setMaxRows(kMaxOlderRows);
    older->setFilter(m_filter, m_onlyMatching, m_category);
    LogTableModel* previous = m_olderModel;
    m_olderModel = older;
    m_olderPath = path;
    showModel(older);
    delete previous;
    setFollowing(false); // the status bar counts the live lines that arrive meanwhile
    emit shownFileChanged(QString::fromStdString(path));

    m_loadDone = false;
    QPointer<LogTableModel> target(older);
    m_loader = std::thread([this, path, target] {
        log::LogFileScan scan;
        scan.cancel = &m_cancelLoad;
        scan.batchRows = 20000;
        scan.onRows = [this, target](std::vector<log::LogRow>& rows) {
            QMetaObject::invokeMethod(
                this,
                [target, batch = std::move(rows)] {
                    if (target)
                        target->appendRows(batch);
                },
                Qt::QueuedConnection);
            rows = {};
            return !m_cancelLoad.load();
        };
        scan.onProgress = [this](std::uint64_t done, std::uint64_t total) {
            QMetaObject::invokeMethod(
                this,
                [this, done, total] {
                    emit loadProgress(static_cast<qint64>(done), static_cast<qint64>(total));
                },
                Qt::QueuedConnection);
        };
        const log::LogFileScanResult result = log::scanLogFile(m_fileSystem, path, scan);
        const QString failure = result.ok || result.cancelled
                                    ? QString()
                                    : QString::fromUtf8(platform::fileErrorName(result.failure));
        const bool ok = result.ok;
        QMetaObject::invokeMethod(
            this,
            [this, ok, failure] {
                m_loadDone = true;
                emit loadFinished(ok, failure);
            },
            Qt::QueuedConnection);
    });
}

void Cwm_LogView::cancelLoading()
{
    m_cancelLoad = true;
}

void Cwm_LogView::backToLiveLog()
{
    stopLoader();
    if (!m_olderModel)
        return;
    showModel(m_liveModel);
    m_olderModel->deleteLater();
    m_olderModel = nullptr;
    m_olderPath.clear();
    emit shownFileChanged(QString());
    m_following = false;
    setFollowing(true);
}

QString Cwm_LogView::visibleRowsText(bool csv) const
{
    m_model->finishFilter();
    QString text;
    const int rows = m_model->rowCount();
    text.reserve(rows * 80);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < LogTableModel::kColumnCount; ++column) {
            if (column > 0)
                text += csv ? QLatin1Char(',') : QLatin1Char('\t');
            const QString cell = m_model->cell(row, column);
            text += csv ? csvCell(cell) : cell;
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

void Cwm_LogView::copyVisibleRows()
{
    QApplication::clipboard()->setText(visibleRowsText(false));
}

bool Cwm_LogView::exportVisibleRows(const QString& path, QString* error) const
{
    const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    QSaveFile file(path);
    const QByteArray bytes = visibleRowsText(csv).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void Cwm_LogView::setFollowing(bool following)
{
    if (following == m_following)
        return;
    m_following = following;
    m_unseenRows = 0;
    if (following)
        scrollToEnd();
    emit followingChanged(m_following, m_unseenRows);
}

void Cwm_LogView::scrollToEnd()
{
    const bool wasAuto = m_autoScrolling;
    m_autoScrolling = true;
    scrollToBottom();
    m_autoScrolling = wasAuto;
}

LogFindDlg* Cwm_LogView::findDialog() const
{
    return m_findDlg.data();
}

void Cwm_LogView::watchFile()
{
    const QString file = QString::fromStdString(m_reader.path());
    const QString dir = QFileInfo(file).absolutePath();
    // A rotated or recreated file drops out of the watcher: watch the
    // directory for its return and add the file again when it is there.
    if (!m_watcher->directories().contains(dir) && QFileInfo(dir).isDir())
        m_watcher->addPath(dir);
    if (!m_watcher->files().contains(file) && QFileInfo(file).isFile())
        m_watcher->addPath(file);
}

void Cwm_LogView::scheduleRefresh(int delayMs)
{
    if (!m_soonTimer->isActive())
        m_soonTimer->start(delayMs);
}

bool Cwm_LogView::readNewLines()
{
    log::LogReadResult result = m_reader.readNewLines();
    if (!result.cleared && result.rows.empty())
        return false;
    if (!m_watcher->files().contains(QString::fromStdString(m_reader.path())))
        watchFile();

    const bool busy = !result.rows.empty();
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        setUpdatesEnabled(false);
    }
    // While an older file is shown the live rows are kept up to date
    // behind it.
    const bool shown = m_model == m_liveModel;
    m_autoScrolling = true;
    if (result.cleared) {
        m_liveModel->clear();
        if (shown)
            horizontalScrollBar()->setValue(0);
    }
    m_liveModel->appendRows(result.rows);
    if (busy) {
        if (m_following && shown)
            scrollToBottom();
        setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    m_autoScrolling = false;
    if (result.cleared && shown) {
        // A new file: the rows the reader looked at are gone.
        setFollowing(true);
    } else if (!m_following && !result.rows.empty()) {
        // Also while an older file is shown: the live lines it hides.
        m_unseenRows += static_cast<int>(result.rows.size());
        emit followingChanged(m_following, m_unseenRows);
    }
    if (result.more)
        scheduleRefresh(0);
    return true;
}

void Cwm_LogView::findInLog()
{
    if (m_findDlg)
        delete m_findDlg.data();
    const QModelIndex current = currentIndex();
    const int column = current.isValid() ? current.column() : LogTableModel::ActivityColumn;
    if (m_model->rowCount() == 0 || !current.isValid()) {
        gui::MessageBox::showText(this, gui::MessageKind::Failure, "app.find.noData");
        return;
    }
    m_findDlg = new LogFindDlg(*this, column, m_model->cell(current.row(), column),
                               m_options.languageIndex);
    m_findDlg->setAttribute(Qt::WA_DeleteOnClose);
    m_findDlg->show();
    m_findDlg->raise();
    m_findDlg->activateWindow();
}

int Cwm_LogView::findNext(const QString& text, int column, int afterRow, bool* wrapped)
{
    const int rows = m_model->rowCount();
    *wrapped = false;
    if (rows == 0 || text.isEmpty())
        return -1;
    const int start = std::clamp(afterRow + 1, 0, rows);
    for (int step = 0; step < rows; ++step) {
        const int row = (start + step) % rows;
        if (m_model->cell(row, column).contains(text, Qt::CaseInsensitive)) {
            *wrapped = start + step >= rows;
            const QModelIndex hit = m_model->index(row, column);
            setFollowing(false); // the hit stays in sight while lines arrive
            setCurrentIndex(hit);
            selectRow(row);
            scrollTo(hit);
            return row;
        }
    }
    return -1;
}

QString Cwm_LogView::selectionText() const
{
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.insert(index.row());
    QStringList lines;
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < LogTableModel::kColumnCount; ++column)
            cells << m_model->cell(row, column);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QStringLiteral("\r\n"));
}

void Cwm_LogView::copySelection()
{
    QApplication::clipboard()->setText(selectionText());
}

bool Cwm_LogView::printTo(QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font = this->font();
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetrics metrics(font, &device);
    const QRect page = painter.viewport();
    const int lineHeight = metrics.lineSpacing();
    const int gap = metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    const int timeWidth = metrics.horizontalAdvance(QStringLiteral("00:00:00")) + gap;
    const int threadWidth = metrics.horizontalAdvance(QStringLiteral("000000")) + gap;
    const int activityWidth = std::max(1, page.width() - timeWidth - threadWidth);
    const int linesPerPage = std::max(1, page.height() / lineHeight - 3);

    auto drawRow = [&](int y, const QString& time, const QString& thread, const QString& activity) {
        painter.drawText(0, y, time);
        painter.drawText(timeWidth, y, thread);
        painter.drawText(timeWidth + threadWidth, y, activity);
    };
    const int rows = m_model->rowCount();
    int pageNumber = 1;
    int row = 0;
    QStringList pieces; // of the activity of `row`
    int piece = 0;
    do {
        if (pageNumber > 1 && !device.newPage())
            return false;
        int y = metrics.ascent();
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        drawRow(y, m_model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                m_model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                m_model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString());
        painter.setFont(font);
        y += lineHeight;
        painter.drawLine(0, y - lineHeight / 2, page.width(), y - lineHeight / 2);
        // A long activity goes on in the lines below; a row starts on a new
        // page when its first piece does not fit, and continues on the next
        // page when the rest does not.
        for (int n = 0; n < linesPerPage && row < rows; ++n) {
            if (pieces.isEmpty()) {
                pieces = wrapForPrint(m_model->cell(row, 2), font, &device, activityWidth);
                piece = 0;
            }
            y += lineHeight;
            const bool first = piece == 0;
            drawRow(y, first ? m_model->cell(row, 0) : QString(),
                    first ? m_model->cell(row, 1) : QString(), pieces.value(piece));
            if (++piece >= pieces.size()) {
                pieces.clear();
                ++row;
            }
        }
        const QString number = QString::number(pageNumber);
        painter.drawText(page.width() - metrics.horizontalAdvance(number),
                         page.height() - metrics.descent(), number);
        ++pageNumber;
    } while (row < rows);
    return painter.end();
}

QStringList Cwm_LogView::wrapForPrint(const QString& text, const QFont& font, QPaintDevice* device,
                                      int width)
{
    if (text.isEmpty())
        return {QString()};
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        pieces << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    if (pieces.isEmpty())
        pieces << text;
    return pieces;
}

void Cwm_LogView::openWithDesktop()
{
    if (!m_options.openWithDesktop || !m_options.openWithDesktop(m_reader.path())) {
        gui::MessageBox::show(this, gui::MessageKind::Failure,
                              gui::uiText("app.log.openFailed", m_options.languageIndex) +
                                  QLatin1Char('\n') + QString::fromStdString(m_reader.path()));
    }
}

void Cwm_LogView::resizeEvent(QResizeEvent* event)
{
    m_autoScrolling = true;
    QTableView::resizeEvent(event);
    if (m_following)
        scrollToBottom();
    m_autoScrolling = false;
}

void Cwm_LogView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_End) {
        // End (with or without Ctrl) is the way back to the newest lines.
        if (m_following)
            scrollToEnd();
        setFollowing(true);
        event->accept();
        return;
    }
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    if (currentIndex() != before && currentIndex().isValid())
        setFollowing(false);
}

void Cwm_LogView::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        setFollowing(false);
    if (index.isValid() && index.column() == LogTableModel::ThreadColumn &&
        event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
        const QString thread = m_model->cell(index.row(), index.column());
        if (!thread.isEmpty())
            emit threadClicked(thread);
    }
}

bool Cwm_LogView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        showCellToolTip(static_cast<QHelpEvent*>(event));
        return true;
    }
    return QTableView::viewportEvent(event);
}

void Cwm_LogView::showCellToolTip(QHelpEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    const QString text = index.isValid() ? m_model->cell(index.row(), index.column()) : QString();
    const QRect cell = visualRect(index);
    // Only a cell that is cut shows its whole text.
    const int needed = fontMetrics().horizontalAdvance(text) +
                       2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 4;
    if (text.isEmpty() || needed <= cell.width()) {
        QToolTip::hideText();
        event->ignore();
        return;
    }
    QString shown = text.left(kMaxToolTipChars);
    if (shown.size() < text.size())
        shown += QChar(0x2026);
    // Log text is untrusted: escaped, so the tool tip shows it as it stands
    // (and wraps it, which a plain-text tool tip would not).
    QToolTip::showText(event->globalPos(),
                       QStringLiteral("<p style=\"white-space:pre-wrap\">") +
                           shown.toHtmlEscaped() + QStringLiteral("</p>"),
                       viewport(), cell);
}

void Cwm_LogView::contextMenuEvent(QContextMenuEvent* event)
{
    const int language = m_options.languageIndex;
    QMenu menu(this);
    QAction* filter = menu.addAction(gui::uiText("app.logFilter.show", language));
    filter->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(filter, &QAction::triggered, this, &Cwm_LogView::filterBarRequested);
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    const QString thread = index.isValid() ? m_model->cell(index.row(), 1) : QString();
    if (!thread.isEmpty()) {
        QAction* session =
            menu.addAction(gui::uiText("app.logFilter.onlyThread", language).arg(thread));
        connect(session, &QAction::triggered, this, [this, thread] { emit threadClicked(thread); });
    }
    menu.addSeparator();
    QAction* copy = menu.addAction(gui::uiText("app.logFilter.copyVisible", language));
    connect(copy, &QAction::triggered, this, &Cwm_LogView::copyVisibleRows);
    QAction* save = menu.addAction(gui::uiText("app.logFilter.export", language));
    connect(save, &QAction::triggered, this, &Cwm_LogView::exportRequested);
    menu.addSeparator();
    QAction* older = menu.addAction(gui::uiText("app.logFilter.openOlder", language));
    connect(older, &QAction::triggered, this, &Cwm_LogView::openOlderLogRequested);
    if (isShowingOlderLog()) {
        QAction* back = menu.addAction(gui::uiText("app.logFilter.backToLive", language));
        connect(back, &QAction::triggered, this, &Cwm_LogView::backToLiveLog);
    }
    QAction* open = menu.addAction(gui::uiText("app.log.openWith", language));
    connect(open, &QAction::triggered, this, &Cwm_LogView::openWithDesktop);
    menu.exec(event->globalPos());
}

} // namespace morva::app

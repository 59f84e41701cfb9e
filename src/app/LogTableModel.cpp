#include "app/LogTableModel.h"

#include "gui/Text.h"

#include <QTimer>
#include <algorithm>

namespace morva::app {

// A filter pass under way: the filter it applies and the rows found so far.
struct LogTableModel::Pass
{
    std::shared_ptr<const log::LogFilter> filter;
    log::LogCategory category = log::LogCategory::None;
    bool subset = false;
    Sequence next = 0; // the next row to look at
    std::vector<Sequence> shown;
};

LogTableModel::LogTableModel(int languageIndex, QObject* parent)
    : QAbstractTableModel(parent), m_sliceTimer(new QTimer(this))
{
    m_headers = {gui::uiText("app.log.time", languageIndex),
                 gui::uiText("app.log.thread", languageIndex),
                 gui::uiText("app.log.activity", languageIndex)};
    m_sliceTimer->setSingleShot(true);
    connect(m_sliceTimer, &QTimer::timeout, this, &LogTableModel::runSlice);
}

LogTableModel::~LogTableModel() = default;

int LogTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_showsSubset ? m_shown.size() : m_rows.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == CategoryRole)
        return static_cast<int>(category(index.row()));
    return {};
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount)
        return m_headers[static_cast<std::size_t>(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

std::size_t LogTableModel::storageIndex(int row) const
{
    const auto r = static_cast<std::size_t>(row);
    return m_showsSubset ? static_cast<std::size_t>(m_shown[r] - m_firstSequence) : r;
}

const log::LogRow* LogTableModel::logRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &m_rows[storageIndex(row)];
}

log::LogCategory LogTableModel::category(int row) const
{
    if (row < 0 || row >= rowCount())
        return log::LogCategory::None;
    return m_categories[storageIndex(row)];
}

QString LogTableModel::cell(int row, int column) const
{
    const log::LogRow* logRow = this->logRow(row);
    if (!logRow || column < 0 || column >= kColumnCount)
        return {};
    switch (column) {
    case TimeColumn:
        return gui::toQString(logRow->time);
    case ThreadColumn:
        return gui::toQString(logRow->thread);
    default:
        return gui::toQString(logRow->activity);
    }
}

bool LogTableModel::passes(const log::LogRow& row, log::LogCategory category) const
{
    if (m_category != log::LogCategory::None && category != m_category)
        return false;
    return !m_filter || m_filter->matches(row);
}

void LogTableModel::dropOldest(std::size_t count)
{
    count = std::min(count, m_rows.size());
    if (count == 0)
        return;
    const Sequence newFirst = m_firstSequence + count;
    if (m_showsSubset) {
        const auto kept = std::lower_bound(m_shown.begin(), m_shown.end(), newFirst);
        const int gone = static_cast<int>(kept - m_shown.begin());
        if (gone > 0) {
            beginRemoveRows({}, 0, gone - 1);
            m_shown.erase(m_shown.begin(), kept);
            endRemoveRows();
        }
    } else {
        beginRemoveRows({}, 0, static_cast<int>(count) - 1);
    }
    m_rows.erase(m_rows.begin(), m_rows.begin() + static_cast<std::ptrdiff_t>(count));
    m_categories.erase(m_categories.begin(),
                       m_categories.begin() + static_cast<std::ptrdiff_t>(count));
    m_firstSequence = newFirst;
    if (!m_showsSubset)
        endRemoveRows();
    if (m_pass) {
        m_pass->next = std::max(m_pass->next, newFirst);
        auto& shown = m_pass->shown;
        shown.erase(shown.begin(), std::lower_bound(shown.begin(), shown.end(), newFirst));
    }
}

void LogTableModel::appendRows(const std::vector<log::LogRow>& rows)
{
    if (rows.empty())
        return;
    const auto limit = static_cast<std::size_t>(std::max(m_maxRows, 0));
    const std::size_t skip = rows.size() > limit ? rows.size() - limit : 0;
    const std::size_t adding = rows.size() - skip;
    if (m_rows.size() + adding > limit)
        dropOldest(m_rows.size() + adding - limit);

    std::vector<log::LogCategory> categories;
    categories.reserve(adding);
    std::vector<Sequence> matching;
    const Sequence firstNew = m_firstSequence + m_rows.size();
    for (std::size_t i = skip; i < rows.size(); ++i) {
        categories.push_back(log::categorizeActivity(rows[i].activity));
        if (m_showsSubset && passes(rows[i], categories.back()))
            matching.push_back(firstNew + (i - skip));
    }
    const int first = rowCount();
    const int count = static_cast<int>(m_showsSubset ? matching.size() : adding);
    if (count > 0)
        beginInsertRows({}, first, first + count - 1);
    m_rows.insert(m_rows.end(), rows.begin() + static_cast<std::ptrdiff_t>(skip), rows.end());
    m_categories.insert(m_categories.end(), categories.begin(), categories.end());
    if (m_showsSubset)
        m_shown.insert(m_shown.end(), matching.begin(), matching.end());
    if (count > 0)
        endInsertRows();
}

void LogTableModel::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_firstSequence += m_rows.size();
    m_rows.clear();
    m_categories.clear();
    m_shown.clear();
    if (m_pass) {
        m_pass->next = m_firstSequence;
        m_pass->shown.clear();
    }
    endResetModel();
}

void LogTableModel::setFilter(std::shared_ptr<const log::LogFilter> filter, bool onlyMatching,
                              log::LogCategory category)
{
    if (filter && filter->isEmpty())
        filter.reset();
    m_pass = std::make_unique<Pass>();
    m_pass->filter = std::move(filter);
    m_pass->category = category;
    m_pass->subset = category != log::LogCategory::None || (m_pass->filter && onlyMatching);
    m_pass->next = m_firstSequence;
    if (!m_pass->subset) {
        // Nothing to look for: every row shows, at once.
        finishFilter();
        return;
    }
    m_sliceTimer->start(0);
}

void LogTableModel::runSlice()
{
    if (!m_pass)
        return;
    // The pass uses its own filter; passes() reads the current one.
    const auto end = m_firstSequence + m_rows.size();
    const Sequence stop = std::min<Sequence>(end, m_pass->next + kRowsPerSlice);
    for (Sequence s = m_pass->next; s < stop; ++s) {
        const std::size_t at = static_cast<std::size_t>(s - m_firstSequence);
        if ((m_pass->category == log::LogCategory::None || m_categories[at] == m_pass->category) &&
            (!m_pass->filter || m_pass->filter->matches(m_rows[at])))
            m_pass->shown.push_back(s);
    }
    m_pass->next = stop;
    if (stop < end) {
        m_sliceTimer->start(0);
        return;
    }
    if (!m_showsSubset && !m_pass->subset) {
        // Only the marks change: the rows, the selection and the scroll
        // position stay.
        m_filter = std::move(m_pass->filter);
        m_category = m_pass->category;
        m_pass.reset();
        if (rowCount() > 0)
            emit dataChanged(index(0, ActivityColumn), index(rowCount() - 1, ActivityColumn));
        emit filterApplied();
        return;
    }
    beginResetModel();
    m_filter = std::move(m_pass->filter);
    m_category = m_pass->category;
    m_showsSubset = m_pass->subset;
    m_shown = std::move(m_pass->shown);
    if (!m_showsSubset)
        m_shown.clear();
    m_pass.reset();
    endResetModel();
    emit filterApplied();
}

void LogTableModel::finishFilter()
{
    m_sliceTimer->stop();
    while (m_pass) {
        if (!m_pass->subset)
            m_pass->next = m_firstSequence + m_rows.size();
        runSlice();
        m_sliceTimer->stop();
    }
}

} // namespace morva::app

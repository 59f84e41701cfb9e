#pragma once

#include "log/LogCategory.h"
#include "log/LogFilter.h"
#include "log/LogLine.h"

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class QTimer;

namespace morva::app {

// The rows of the log view: Time, Thread, Activity. The texts come from the
// gateway's log and are shown as plain text (item views never interpret
// markup in DisplayRole). The oldest rows are dropped beyond `maxRows`, so
// that following a busy gateway for days does not exhaust memory.
//
// A filter either hides the rows that do not match or only marks the
// matches; the model then shows the matching rows only. A new filter is
// applied in slices between events, so that typing in the filter bar never
// waits for a pass over hundreds of thousands of rows; until it is done the
// rows of the previous filter stay.
class LogTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        TimeColumn = 0,
        ThreadColumn = 1,
        ActivityColumn = 2
    };
    static constexpr int kColumnCount = 3;
    static constexpr int kDefaultMaxRows = 200000;
    // The category of the row (log::LogCategory as int), for the colours.
    static constexpr int CategoryRole = Qt::UserRole + 1;
    // Rows one slice of a filter pass looks at.
    static constexpr std::size_t kRowsPerSlice = 20000;

    explicit LogTableModel(int languageIndex, QObject* parent = nullptr);
    ~LogTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void appendRows(const std::vector<log::LogRow>& rows);
    void clear();
    QString cell(int row, int column) const;
    const log::LogRow* logRow(int row) const;
    log::LogCategory category(int row) const;
    void setMaxRows(int maxRows) { m_maxRows = maxRows; }
    int maxRows() const { return m_maxRows; }
    // Every row kept, matching or not.
    int totalRows() const { return static_cast<int>(m_rows.size()); }

    // Null or an empty filter shows every row. With `onlyMatching` false the
    // rows stay and the view marks the matches. A category other than None
    // shows that category's rows only.
    void setFilter(std::shared_ptr<const log::LogFilter> filter, bool onlyMatching,
                   log::LogCategory category = log::LogCategory::None);
    const log::LogFilter* filter() const { return m_filter.get(); }
    bool isFiltering() const { return m_showsSubset; }
    // A filter pass has not finished yet.
    bool isFilterPending() const { return m_pass != nullptr; }
    // Runs a pending filter pass to its end (tests, export).
    void finishFilter();

signals:
    // The rows shown changed because a filter pass ended.
    void filterApplied();

private:
    struct Pass;
    using Sequence = std::uint64_t; // numbers rows from the first one ever added

    bool passes(const log::LogRow& row, log::LogCategory category) const;
    std::size_t storageIndex(int row) const;
    void runSlice();
    void dropOldest(std::size_t count);

    std::deque<log::LogRow> m_rows;
    std::deque<log::LogCategory> m_categories;
    Sequence m_firstSequence = 0; // of m_rows.front()
    std::array<QString, kColumnCount> m_headers;
    int m_maxRows = kDefaultMaxRows;

    std::shared_ptr<const log::LogFilter> m_filter;
    log::LogCategory m_category = log::LogCategory::None;
    bool m_showsSubset = false;
    std::vector<Sequence> m_shown; // the matching rows, when m_showsSubset
    std::unique_ptr<Pass> m_pass;
    QTimer* m_sliceTimer;
};

} // namespace morva::app

#pragma once

#include "log/LogLine.h"

#include <QAbstractTableModel>
#include <array>
#include <vector>

namespace morva::app {

// The rows of the log view: Time, Thread, Activity. The texts come from the
// gateway's log and are shown as plain text (item views never interpret
// markup in DisplayRole). The oldest rows are dropped beyond `maxRows`, so
// that following a busy gateway for days does not exhaust memory.
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

    explicit LogTableModel(int languageIndex, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void appendRows(const std::vector<log::LogRow>& rows);
    void clear();
    QString cell(int row, int column) const;
    void setMaxRows(int maxRows) { m_maxRows = maxRows; }

private:
    using Row = std::array<QString, kColumnCount>;
    std::vector<Row> m_rows;
    std::array<QString, kColumnCount> m_headers;
    int m_maxRows = kDefaultMaxRows;
};

} // namespace morva::app

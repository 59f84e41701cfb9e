#include "app/LogTableModel.h"

#include "gui/Text.h"

namespace morva::app {

LogTableModel::LogTableModel(int languageIndex, QObject* parent) : QAbstractTableModel(parent)
{
    m_headers = {gui::uiText("app.log.time", languageIndex),
                 gui::uiText("app.log.thread", languageIndex),
                 gui::uiText("app.log.activity", languageIndex)};
}

int LogTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(index.row(), index.column());
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount)
        return m_headers[static_cast<std::size_t>(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString LogTableModel::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount)
        return {};
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void LogTableModel::appendRows(const std::vector<log::LogRow>& rows)
{
    if (rows.empty())
        return;
    const int overflow = rowCount() + static_cast<int>(rows.size()) - m_maxRows;
    if (overflow > 0) {
        const int drop = std::min(overflow, rowCount());
        if (drop > 0) {
            beginRemoveRows({}, 0, drop - 1);
            m_rows.erase(m_rows.begin(), m_rows.begin() + drop);
            endRemoveRows();
        }
    }
    const std::size_t skip =
        rows.size() > static_cast<std::size_t>(m_maxRows) ? rows.size() - m_maxRows : 0;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size() - skip) - 1);
    for (std::size_t i = skip; i < rows.size(); ++i) {
        const log::LogRow& row = rows[i];
        m_rows.push_back(
            {gui::toQString(row.time), gui::toQString(row.thread), gui::toQString(row.activity)});
    }
    endInsertRows();
}

void LogTableModel::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

} // namespace morva::app

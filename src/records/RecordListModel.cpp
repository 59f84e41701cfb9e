#include "records/RecordListModel.h"

namespace morva::records {

RecordListModel::RecordListModel(QIcon icon, QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), m_icon(std::move(icon)), m_headings(std::move(headings))
{
}

void RecordListModel::setRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

std::uint32_t RecordListModel::recordAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return 0;
    return m_rows[static_cast<std::size_t>(row)].record;
}

int RecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RecordListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size()))
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DecorationRole && index.column() == 0)
        return m_icon;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 1:
            return QString::number(row.record);
        case 2:
            return row.first;
        case 3:
            return row.second;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return m_iconHeading;
    if (section >= 1 && section - 1 < m_headings.size())
        return m_headings[section - 1];
    return {};
}

} // namespace morva::records

#include "stats/StatTableModel.h"

#include <QTextDocument>

namespace morva::stats {

namespace {

// Cells longer than this are cut for display; the full text is in the
// tooltip up to the same limit again (a cell is no place for a megabyte).
constexpr qsizetype kMaxCellLength = 4096;

} // namespace

QString StatTableModel::displayText(const std::string& bytes)
{
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20)
            c = QChar(char16_t(0x2400 + code));
        else if (code == 0x7F)
            c = QChar(char16_t(0x2421));
    }
    if (text.size() > kMaxCellLength)
        text = text.left(kMaxCellLength) + QChar(0x2026);
    return text;
}

void StatTableModel::setRows(const std::vector<StatLine>& rows)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (const StatLine& row : rows)
        m_rows.push_back({displayText(row.name), displayText(row.value)});
    endResetModel();
}

int StatTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int StatTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant StatTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const QString& cell = index.column() == 0 ? row.name : row.value;
    switch (role) {
    case Qt::DisplayRole:
        return cell;
    // Tooltips are rich text when they look like it: escape.
    case Qt::ToolTipRole:
        return cell.isEmpty() ? QVariant() : QVariant(cell.toHtmlEscaped());
    default:
        return {};
    }
}

void StatTableModel::setHeadings(QString name, QString value)
{
    m_headings[0] = std::move(name);
    m_headings[1] = std::move(value);
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal)
        return section == 0 || section == 1 ? m_headings[section] : QString();
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace morva::stats

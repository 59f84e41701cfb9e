#include "gui/TextTableModel.h"

#include <QTextDocument>

namespace morva::gui {

TextTableModel::TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextTableModel::setHeadings(QStringList headings)
{
    if (headings.size() == m_headings.size()) {
        m_headings = std::move(headings);
        emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_headings.size()) - 1);
        return;
    }
    beginResetModel();
    m_headings = std::move(headings);
    endResetModel();
}

void TextTableModel::setRows(std::vector<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_notes.clear();
    endResetModel();
}

void TextTableModel::setNotes(std::vector<QString> notes, QIcon icon)
{
    m_notes = std::move(notes);
    m_noteIcon = std::move(icon);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

const QString& TextTableModel::noteAt(int row) const
{
    static const QString kNone;
    return row >= 0 && row < static_cast<int>(m_notes.size())
               ? m_notes[static_cast<std::size_t>(row)]
               : kNone;
}

int TextTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QStringList& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.value(index.column());
    case Qt::DecorationRole:
        if (index.column() == 0 && !noteAt(index.row()).isEmpty())
            return m_noteIcon;
        return {};
    case Qt::ToolTipRole:
        // A tooltip that starts like markup would be read as rich text.
        if (const QString& note = noteAt(index.row()); !note.isEmpty())
            return Qt::convertFromPlainText(note, Qt::WhiteSpaceNormal);
        return {};
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headings.size())
        return m_headings[section];
    return {};
}

} // namespace morva::gui

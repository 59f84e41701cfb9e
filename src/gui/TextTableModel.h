#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <vector>

namespace morva::gui {

// Rows of plain texts under column headings, filled in one reset. A row can
// carry a note (a problem of the entry): its first column then shows the
// note's icon and the note as tooltip. Texts are never read as markup.
class TextTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TextTableModel(QObject* parent = nullptr);

    void setHeadings(QStringList headings);
    void setRows(std::vector<QStringList> rows);
    // One note per row (empty: none); fewer notes than rows leave the rest
    // without.
    void setNotes(std::vector<QString> notes, QIcon icon);
    const QString& noteAt(int row) const;
    const QStringList& rowAt(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headings;
    std::vector<QStringList> m_rows;
    std::vector<QString> m_notes;
    QIcon m_noteIcon;
};

} // namespace morva::gui

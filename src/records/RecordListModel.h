#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace morva::records {

// Rows of a record list: an icon column without heading, "Rec" and two text
// columns. Each row keeps the number of its record in the file. Values come
// from the gateway's files and are shown as plain text (a table view never
// interprets markup).
class RecordListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Row
    {
        std::uint32_t record = 0;
        QString first;
        QString second;
    };

    RecordListModel(QIcon icon, QStringList headings, QObject* parent = nullptr);
    // What a screen reader calls the icon column (the header paints none).
    void setIconHeading(QString heading) { m_iconHeading = std::move(heading); }

    void setRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return m_rows; }
    std::uint32_t recordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QIcon m_icon;
    QStringList m_headings; // "Rec" and the two text columns
    QString m_iconHeading;
    std::vector<Row> m_rows;
};

} // namespace morva::records

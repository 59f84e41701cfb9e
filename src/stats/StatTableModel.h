#pragma once

#include "stats/StatLine.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace morva::stats {

// The two columns (name, value) of the statistics grid. The grid paints
// empty headings; the names given here are for screen readers. The texts are the gateway's: bytes
// that are not UTF-8 show as replacement characters and control characters as their visible
// symbols, so a value can neither break a row nor hide what it holds.
class StatTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const std::vector<StatLine>& rows);
    void setHeadings(QString name, QString value);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text shown for bytes from the statistics file.
    static QString displayText(const std::string& bytes);

private:
    struct Row
    {
        QString name;
        QString value;
    };
    std::vector<Row> m_rows;
    QString m_headings[2];
};

} // namespace morva::stats

#pragma once

#include <QAbstractProxyModel>
#include <QString>
#include <functional>
#include <vector>

namespace morva::gui {

// Filters and sorts the rows of a flat (table or list) model for a list
// view. A row is shown when one of its columns contains the filter text
// (case ignored) and the optional row filter keeps it. Column -1 is the
// model's own order (the stored order of the entries); sorting keeps rows
// that compare equal in that order. A column whose texts are all whole
// numbers sorts by value.
//
// Built for lists of 100,000 rows: the lower-cased texts of each row are
// kept once, a filter that extends the previous one only looks at the rows
// still shown, and a change of the source model rebuilds everything at once
// (fill a source model in one reset, not row by row).
class ListFilterModel : public QAbstractProxyModel
{
    Q_OBJECT
public:
    explicit ListFilterModel(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;

    void setFilterText(const QString& text);
    QString filterText() const { return m_filter; }
    // Rows for which `keep(sourceRow)` is false are hidden as well; an empty
    // function keeps every row.
    void setRowFilter(std::function<bool(int sourceRow)> keep);
    bool hasRowFilter() const { return static_cast<bool>(m_keep); }

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // The source row of a shown row, and the shown row of a source row (-1
    // when it is hidden or out of range).
    int sourceRow(int shownRow) const;
    int shownRow(int sourceRow) const;
    int shownCount() const { return static_cast<int>(m_shown.size()); }
    int totalCount() const { return static_cast<int>(m_order.size()); }

    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;

signals:
    // Around a new filter or order (not around changes of the source), so
    // the view can keep its selection.
    void aboutToRearrange();
    void rearranged();
    void countChanged(int shown, int total);

private:
    void rebuildFromSource();
    void rearrange(bool narrowing);
    void order();
    void filter(bool narrowing);
    void ensureTexts();
    bool rowMatches(int sourceRow) const;

    QString m_filter;     // case-folded
    QString m_lastFilter; // what m_shown was filtered with
    std::function<bool(int)> m_keep;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    std::vector<QString> m_texts; // per source row, case-folded columns joined by NUL
    std::vector<int> m_order;     // source rows in the sorted order
    std::vector<int> m_shown;     // the rows of m_order that pass the filters
    std::vector<int> m_shownOf;   // per source row: its shown row or -1
    std::vector<QMetaObject::Connection> m_sourceConnections;
};

} // namespace morva::gui

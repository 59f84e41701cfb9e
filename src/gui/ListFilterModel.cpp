#include "gui/ListFilterModel.h"

#include <algorithm>
#include <numeric>

namespace morva::gui {

ListFilterModel::ListFilterModel(QObject* parent) : QAbstractProxyModel(parent) {}

void ListFilterModel::setSourceModel(QAbstractItemModel* source)
{
    beginResetModel();
    for (const QMetaObject::Connection& connection : m_sourceConnections)
        disconnect(connection);
    m_sourceConnections.clear();
    QAbstractProxyModel::setSourceModel(source);
    if (source) {
        // Any change of the rows or columns rebuilds the whole mapping in one
        // reset: cheaper than keeping it up to date row by row.
        auto begin = [this] { beginResetModel(); };
        auto end = [this] {
            rebuildFromSource();
            endResetModel();
            emit countChanged(shownCount(), totalCount());
        };
        using M = QAbstractItemModel;
        m_sourceConnections = {
            connect(source, &M::modelAboutToBeReset, this, begin),
            connect(source, &M::modelReset, this, end),
            connect(source, &M::layoutAboutToBeChanged, this, begin),
            connect(source, &M::layoutChanged, this, end),
            connect(source, &M::rowsAboutToBeInserted, this, begin),
            connect(source, &M::rowsInserted, this, end),
            connect(source, &M::rowsAboutToBeRemoved, this, begin),
            connect(source, &M::rowsRemoved, this, end),
            connect(source, &M::rowsAboutToBeMoved, this, begin),
            connect(source, &M::rowsMoved, this, end),
            connect(source, &M::columnsAboutToBeInserted, this, begin),
            connect(source, &M::columnsInserted, this, end),
            connect(source, &M::columnsAboutToBeRemoved, this, begin),
            connect(source, &M::columnsRemoved, this, end),
            connect(source, &M::dataChanged, this,
                    [this] {
                        // A changed row stays where it is until the next
                        // filter or sort; only its texts are read again.
                        m_texts.clear();
                        if (!m_shown.empty())
                            emit dataChanged(index(0, 0),
                                             index(shownCount() - 1, columnCount() - 1));
                    }),
            connect(source, &M::headerDataChanged, this, &ListFilterModel::headerDataChanged),
        };
    }
    rebuildFromSource();
    endResetModel();
    emit countChanged(shownCount(), totalCount());
}

void ListFilterModel::rebuildFromSource()
{
    m_texts.clear();
    if (m_sortColumn >= columnCount())
        m_sortColumn = -1;
    order();
    filter(false);
}

void ListFilterModel::setFilterText(const QString& text)
{
    const QString folded = text.toCaseFolded();
    if (folded == m_filter)
        return;
    // Every row that contains the new text contains the old one it extends.
    const bool narrowing = folded.contains(m_filter);
    m_filter = folded;
    rearrange(narrowing);
}

void ListFilterModel::setRowFilter(std::function<bool(int)> keep)
{
    const bool narrowing = !m_keep && keep;
    m_keep = std::move(keep);
    rearrange(narrowing);
}

void ListFilterModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column >= 0 && column < columnCount() ? column : -1;
    m_sortOrder = order;
    emit aboutToRearrange();
    beginResetModel();
    this->order();
    filter(false);
    endResetModel();
    emit rearranged();
    emit countChanged(shownCount(), totalCount());
}

void ListFilterModel::rearrange(bool narrowing)
{
    emit aboutToRearrange();
    beginResetModel();
    filter(narrowing);
    endResetModel();
    emit rearranged();
    emit countChanged(shownCount(), totalCount());
}

void ListFilterModel::order()
{
    const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
    m_order.resize(static_cast<std::size_t>(rows));
    std::iota(m_order.begin(), m_order.end(), 0);
    if (m_sortColumn < 0 || rows == 0)
        return;
    const QAbstractItemModel& source = *sourceModel();
    std::vector<QString> keys(static_cast<std::size_t>(rows));
    std::vector<qlonglong> numbers(static_cast<std::size_t>(rows));
    bool numeric = true;
    for (int row = 0; row < rows; ++row) {
        QString text = source.index(row, m_sortColumn).data(Qt::DisplayRole).toString();
        if (numeric && !text.isEmpty()) {
            bool ok = false;
            numbers[static_cast<std::size_t>(row)] = text.toLongLong(&ok);
            numeric = ok;
        }
        keys[static_cast<std::size_t>(row)] = text.toCaseFolded();
    }
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    // Stable: rows that compare equal keep the stored order, either way.
    if (numeric)
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            const auto x = numbers[static_cast<std::size_t>(a)];
            const auto y = numbers[static_cast<std::size_t>(b)];
            return descending ? y < x : x < y;
        });
    else
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            const QString& x = keys[static_cast<std::size_t>(a)];
            const QString& y = keys[static_cast<std::size_t>(b)];
            return descending ? y < x : x < y;
        });
}

void ListFilterModel::ensureTexts()
{
    const QAbstractItemModel* source = sourceModel();
    const int rows = source ? source->rowCount() : 0;
    if (static_cast<int>(m_texts.size()) == rows)
        return;
    m_texts.assign(static_cast<std::size_t>(rows), QString());
    const int columns = source ? source->columnCount() : 0;
    for (int row = 0; row < rows; ++row) {
        QString& text = m_texts[static_cast<std::size_t>(row)];
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                text += QChar(u'\0'); // no filter text holds it: no match across columns
            text += source->index(row, column).data(Qt::DisplayRole).toString();
        }
        text = std::move(text).toCaseFolded();
    }
}

bool ListFilterModel::rowMatches(int sourceRow) const
{
    if (!m_filter.isEmpty() &&
        !m_texts[static_cast<std::size_t>(sourceRow)].contains(m_filter, Qt::CaseSensitive))
        return false;
    return !m_keep || m_keep(sourceRow);
}

void ListFilterModel::filter(bool narrowing)
{
    if (!m_filter.isEmpty())
        ensureTexts();
    std::vector<int> shown;
    if (m_filter.isEmpty() && !m_keep) {
        shown = m_order;
    } else {
        const std::vector<int>& candidates = narrowing ? m_shown : m_order;
        shown.reserve(candidates.size());
        for (int row : candidates)
            if (rowMatches(row))
                shown.push_back(row);
    }
    m_shown = std::move(shown);
    m_shownOf.assign(m_order.size(), -1);
    for (std::size_t i = 0; i < m_shown.size(); ++i)
        m_shownOf[static_cast<std::size_t>(m_shown[i])] = static_cast<int>(i);
}

int ListFilterModel::sourceRow(int shownRow) const
{
    return shownRow >= 0 && shownRow < shownCount() ? m_shown[static_cast<std::size_t>(shownRow)]
                                                    : -1;
}

int ListFilterModel::shownRow(int sourceRow) const
{
    return sourceRow >= 0 && sourceRow < totalCount()
               ? m_shownOf[static_cast<std::size_t>(sourceRow)]
               : -1;
}

QModelIndex ListFilterModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || !sourceModel())
        return {};
    const int row = sourceRow(proxyIndex.row());
    return row < 0 ? QModelIndex() : sourceModel()->index(row, proxyIndex.column());
}

QModelIndex ListFilterModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const int row = shownRow(sourceIndex.row());
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QModelIndex ListFilterModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= shownCount() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex ListFilterModel::parent(const QModelIndex&) const
{
    return {};
}

int ListFilterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownCount();
}

int ListFilterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->columnCount();
}

bool ListFilterModel::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && shownCount() > 0;
}

} // namespace morva::gui

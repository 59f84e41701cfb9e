#pragma once

#include "log/LogFilter.h"

#include <QList>
#include <QStyledItemDelegate>
#include <QTextLayout>

namespace morva::app {

class LogTableModel;

// Paints the log rows: the background of each row's category, the thread
// number as a link (a click filters to that session), and in the activity
// the matches of the filter's terms, each term in its own colour. The text
// is laid out as plain text.
class LogRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit LogRowDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The marks of `spans` (UTF-8 byte offsets into `utf8`) as formats over
    // the UTF-16 text of the same string.
    static QList<QTextLayout::FormatRange>
    markRanges(std::string_view utf8, const std::vector<log::MatchSpan>& spans, bool dark);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace morva::app

#include "app/LogRowDelegate.h"

#include "app/LogColors.h"
#include "app/LogTableModel.h"

#include <QApplication>
#include <QPainter>

namespace morva::app {

namespace {

// UTF-16 units of the UTF-8 sequence that starts with `lead`.
int utf16Units(unsigned char lead)
{
    return lead >= 0xF0 ? 2 : 1;
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

LogRowDelegate::LogRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void LogRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto category =
        static_cast<log::LogCategory>(index.data(LogTableModel::CategoryRole).toInt());
    const QColor background = categoryColor(category, isDarkPalette(option->palette));
    if (background.isValid())
        option->backgroundBrush = background;
    if (index.column() == LogTableModel::ThreadColumn && !option->text.isEmpty()) {
        option->font.setUnderline(true);
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Link));
    }
}

QList<QTextLayout::FormatRange> LogRowDelegate::markRanges(std::string_view utf8,
                                                           const std::vector<log::MatchSpan>& spans,
                                                           bool dark)
{
    QList<QTextLayout::FormatRange> ranges;
    std::size_t byte = 0;
    int unit = 0;
    // Walks the text once; spans are sorted and do not overlap.
    auto advanceTo = [&](std::size_t target) {
        target = std::min(target, utf8.size());
        while (byte < target) {
            unit += utf16Units(static_cast<unsigned char>(utf8[byte]));
            ++byte;
            while (byte < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[byte])))
                ++byte;
        }
        return unit;
    };
    for (const log::MatchSpan& span : spans) {
        const int start = advanceTo(span.begin);
        const int end = advanceTo(span.begin + span.length);
        if (end <= start)
            continue;
        QTextLayout::FormatRange range;
        range.start = start;
        range.length = end - start;
        range.format.setBackground(termColor(span.term, dark));
        range.format.setForeground(termTextColor(dark));
        ranges.push_back(range);
    }
    return ranges;
}

void LogRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const auto* model = qobject_cast<const LogTableModel*>(index.model());
    const log::LogFilter* filter = model ? model->filter() : nullptr;
    const log::LogRow* row = model ? model->logRow(index.row()) : nullptr;
    if (index.column() != LogTableModel::ActivityColumn || !filter || !row ||
        filter->includeCount() == 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const std::vector<log::MatchSpan> spans = filter->spans(row->activity);
    if (spans.empty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QRect textRect =
        style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 0, -2, 0);
    QTextLayout layout(text, opt.font);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(textOption);
    layout.setFormats(markRanges(row->activity, spans, isDarkPalette(opt.palette)));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6);
    layout.endLayout();

    painter->save();
    painter->setClipRect(textRect);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const qreal y = textRect.top() + (textRect.height() - line.height()) / 2;
    layout.draw(painter, QPointF(textRect.left(), y));
    painter->restore();
}

} // namespace morva::app

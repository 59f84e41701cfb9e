#include "gui/UnlabelledHeaderView.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace morva::gui {

UnlabelledHeaderView::UnlabelledHeaderView(std::set<int> unlabelled, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_unlabelled(std::move(unlabelled))
{
    // As the header a table view makes for itself.
    setSectionsClickable(true);
}

void UnlabelledHeaderView::setUnlabelled(std::set<int> sections)
{
    m_unlabelled = std::move(sections);
    viewport()->update();
}

void UnlabelledHeaderView::paintSection(QPainter* painter, const QRect& rect,
                                        int logicalIndex) const
{
    if (!m_unlabelled.count(logicalIndex)) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // The section's frame and background as the style draws them, no text.
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    option.icon = QIcon();
    option.position = QStyleOptionHeader::Middle;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->restore();
}

} // namespace morva::gui

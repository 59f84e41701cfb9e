#pragma once

#include <QHeaderView>
#include <set>

namespace morva::gui {

// A table header that paints some columns without their heading while the
// model still names them: a screen reader announces the column ("Name",
// "E-mail forwarding") where the window shows an empty heading or an icon
// column, as the gateway's dialogs look.
class UnlabelledHeaderView : public QHeaderView
{
public:
    explicit UnlabelledHeaderView(std::set<int> unlabelled = {}, QWidget* parent = nullptr);
    void setUnlabelled(std::set<int> sections);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    std::set<int> m_unlabelled;
};

} // namespace morva::gui

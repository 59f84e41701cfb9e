#include "records/RecordIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace morva::records {

namespace {

// Draws the 16-pixel glyph also at twice the size, so the icon stays sharp
// on screens scaled to 200%.
QIcon drawnIcon(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon mailRecordIcon()
{
    static const QIcon icon = drawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(0x2f, 0x5d, 0x8a), 1.2));
        p.setBrush(QColor(0xf4, 0xf7, 0xfb));
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        QPainterPath flap;
        flap.moveTo(1.5, 3.5);
        flap.lineTo(8, 9);
        flap.lineTo(14.5, 3.5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
    });
    return icon;
}

QIcon userRecordIcon()
{
    static const QIcon icon = drawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(0x2f, 0x6b, 0x3a), 1.2));
        p.setBrush(QColor(0xe8, 0xf3, 0xea));
        p.drawEllipse(QRectF(5, 1.5, 6, 6));
        QPainterPath body;
        body.moveTo(2, 14.5);
        body.cubicTo(2, 9, 14, 9, 14, 14.5);
        body.closeSubpath();
        p.drawPath(body);
    });
    return icon;
}

} // namespace morva::records

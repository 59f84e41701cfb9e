#include "app/ToolbarIcons.h"

#include "resources/CommandIds.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <functional>

namespace morva::app {

namespace {

namespace c = morva::command;

const QColor kInk(0x33, 0x3d, 0x4a);
const QColor kPaper(0xfb, 0xfc, 0xfd);
const QColor kBlue(0x2f, 0x6f, 0xb8);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kAmber(0xd9, 0x8c, 0x1f);
const QColor kViolet(0x7a, 0x4f, 0xa8);

using Glyph = std::function<void(QPainter&)>;

QPen ink(qreal width = 1.6)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.right() - 4, r.top() + 4), QPointF(r.right(), r.top() + 4));
}

void envelope(QPainter& p, QRectF r, const QColor& fill)
{
    p.setPen(ink());
    p.setBrush(fill);
    p.drawRoundedRect(r, 1.5, 1.5);
    QPainterPath flap;
    flap.moveTo(r.topLeft());
    flap.lineTo(r.center().x(), r.top() + r.height() * 0.55);
    flap.lineTo(r.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void badge(QPainter& p, const QColor& colour, const std::function<void(QPainter&)>& mark)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(13, 13, 10, 10));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    mark(p);
}

void gear(QPainter& p, QPointF centre, qreal outer, const QColor& fill)
{
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal angle = M_PI * i / teeth;
        const qreal radius = (i % 2 == 0) ? outer : outer * 0.72;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    p.setPen(ink(1.3));
    p.setBrush(fill);
    p.drawPath(path);
    p.setBrush(kPaper);
    p.drawEllipse(centre, outer * 0.3, outer * 0.3);
}

void padlock(QPainter& p, QRectF body, const QColor& fill)
{
    p.setPen(ink(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(body.left() + 2.5, body.top() - 6.5, body.width() - 5, 11), 0, 180 * 16);
    p.drawLine(QPointF(body.left() + 2.5, body.top()), QPointF(body.left() + 2.5, body.top() - 1));
    p.drawLine(QPointF(body.right() - 2.5, body.top()),
               QPointF(body.right() - 2.5, body.top() - 1));
    p.setPen(ink());
    p.setBrush(fill);
    p.drawRoundedRect(body, 1.5, 1.5);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(body.center().x(), body.center().y() - 1),
               QPointF(body.center().x(), body.center().y() + 1.5));
}

Glyph glyphFor(int id)
{
    switch (id) {
    case c::ToolbarNew:
        return [](QPainter& p) {
            page(p, QRectF(4, 2, 13, 18));
            badge(p, kGreen, [](QPainter& mark) {
                mark.drawLine(QPointF(18, 15.5), QPointF(18, 20.5));
                mark.drawLine(QPointF(15.5, 18), QPointF(20.5, 18));
            });
        };
    case c::ToolbarOpen:
        return [](QPainter& p) {
            p.setPen(ink());
            p.setBrush(kAmber.lighter(150));
            QPainterPath back;
            back.moveTo(2, 19);
            back.lineTo(2, 5);
            back.lineTo(8, 5);
            back.lineTo(10, 7);
            back.lineTo(19, 7);
            back.lineTo(19, 10);
            p.drawPath(back);
            QPainterPath front;
            front.moveTo(2, 19);
            front.lineTo(5.5, 10);
            front.lineTo(22, 10);
            front.lineTo(18.5, 19);
            front.closeSubpath();
            p.setBrush(kAmber);
            p.drawPath(front);
        };
    case c::ToolbarDelete:
        return [](QPainter& p) {
            p.setPen(QPen(kRed, 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 6), QPointF(18, 18));
            p.drawLine(QPointF(18, 6), QPointF(6, 18));
        };
    case c::OptionsGeneral:
        return [](QPainter& p) { gear(p, QPointF(12, 12), 9.5, kBlue.lighter(160)); };
    case c::OptionsBlocking:
        return [](QPainter& p) {
            p.setPen(QPen(kRed, 3));
            p.setBrush(kPaper);
            p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
            p.drawLine(QPointF(6, 6), QPointF(18, 18));
        };
    case c::OptionsSpam:
        return [](QPainter& p) {
            envelope(p, QRectF(2, 5, 17, 12), kPaper);
            badge(p, kAmber, [](QPainter& mark) {
                mark.drawLine(QPointF(18, 15.2), QPointF(18, 18.5));
                mark.drawPoint(QPointF(18, 20.8));
            });
        };
    case c::OptionsSession:
        return [](QPainter& p) {
            p.setPen(ink(1.8));
            p.drawLine(QPointF(3, 8), QPointF(19, 8));
            p.drawLine(QPointF(15, 4.5), QPointF(19.5, 8));
            p.drawLine(QPointF(15, 11.5), QPointF(19.5, 8));
            p.setPen(QPen(kBlue, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(21, 16), QPointF(5, 16));
            p.drawLine(QPointF(9, 12.5), QPointF(4.5, 16));
            p.drawLine(QPointF(9, 19.5), QPointF(4.5, 16));
        };
    case c::OptionsSystem:
        return [](QPainter& p) {
            p.setPen(ink());
            p.setBrush(kBlue.lighter(170));
            p.drawRoundedRect(QRectF(2.5, 3.5, 19, 13), 1.5, 1.5);
            p.drawLine(QPointF(12, 16.5), QPointF(12, 19.5));
            p.drawLine(QPointF(7, 20.5), QPointF(17, 20.5));
        };
    case c::OptionsVirus:
        return [](QPainter& p) {
            p.setPen(QPen(kGreen.darker(130), 1.6, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 8; ++i) {
                const qreal a = M_PI * i / 4;
                p.drawLine(QPointF(12 + 6 * std::cos(a), 12 + 6 * std::sin(a)),
                           QPointF(12 + 9.5 * std::cos(a), 12 + 9.5 * std::sin(a)));
            }
            p.setPen(ink());
            p.setBrush(kGreen.lighter(140));
            p.drawEllipse(QPointF(12, 12), 6, 6);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(10, 11), 1, 1);
            p.drawEllipse(QPointF(14, 13), 1, 1);
        };
    case c::OptionsTransit:
        return [](QPainter& p) {
            envelope(p, QRectF(2, 5, 15, 11), kPaper);
            badge(p, kBlue, [](QPainter& mark) {
                mark.drawLine(QPointF(15.5, 18), QPointF(20.5, 18));
                mark.drawLine(QPointF(18.5, 16), QPointF(20.5, 18));
                mark.drawLine(QPointF(18.5, 20), QPointF(20.5, 18));
            });
        };
    case c::OptionsSmime:
        return [](QPainter& p) {
            envelope(p, QRectF(2, 3, 15, 11), kPaper);
            padlock(p, QRectF(12, 14, 10, 8), kViolet);
        };
    case c::OptionsDkim:
        return [](QPainter& p) {
            p.setPen(ink(1.6));
            p.setBrush(kAmber);
            p.drawEllipse(QPointF(7.5, 12), 5, 5);
            p.setBrush(kPaper);
            p.drawEllipse(QPointF(6.5, 12), 1.6, 1.6);
            p.setPen(ink(2.4));
            p.drawLine(QPointF(12.5, 12), QPointF(21, 12));
            p.drawLine(QPointF(18, 12), QPointF(18, 15.5));
            p.drawLine(QPointF(21, 12), QPointF(21, 15));
        };
    case c::OptionsGlobalExclude:
        return [](QPainter& p) {
            page(p, QRectF(3, 2, 14, 19));
            p.setPen(ink(1.3));
            for (int y : {7, 11, 15})
                p.drawLine(QPointF(6, y), QPointF(13, y));
            badge(p, kRed,
                  [](QPainter& mark) { mark.drawLine(QPointF(15.5, 18), QPointF(20.5, 18)); });
        };
    case c::Cut:
        return [](QPainter& p) {
            p.setPen(ink(1.6));
            p.drawLine(QPointF(8, 3), QPointF(14.5, 15));
            p.drawLine(QPointF(16, 3), QPointF(9.5, 15));
            p.setBrush(kPaper);
            p.setPen(QPen(kRed, 1.8));
            p.drawEllipse(QPointF(7.5, 17.5), 3.2, 3.2);
            p.drawEllipse(QPointF(16.5, 17.5), 3.2, 3.2);
        };
    case c::Copy:
        return [](QPainter& p) {
            page(p, QRectF(3, 2, 11, 14));
            page(p, QRectF(9, 8, 11, 14));
        };
    case c::Paste:
        return [](QPainter& p) {
            p.setPen(ink());
            p.setBrush(kAmber.lighter(140));
            p.drawRoundedRect(QRectF(3, 4, 14, 17), 1.5, 1.5);
            p.setBrush(kInk);
            p.drawRoundedRect(QRectF(7, 2.5, 6, 3), 1, 1);
            page(p, QRectF(10, 9, 11, 13));
        };
    case c::Refresh:
        return [](QPainter& p) {
            p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 270 * 16);
            QPainterPath head;
            head.moveTo(13.5, 1.5);
            head.lineTo(19, 5.2);
            head.lineTo(13, 8.5);
            head.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawPath(head);
        };
    case c::Print:
        return [](QPainter& p) {
            page(p, QRectF(7, 2, 10, 8));
            p.setPen(ink());
            p.setBrush(kBlue.lighter(170));
            p.drawRoundedRect(QRectF(2.5, 9, 19, 8), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(7, 14, 10, 7));
            p.setPen(QPen(kGreen, 1.5));
            p.drawPoint(QPointF(18.5, 11.5));
        };
    case c::About:
        return [](QPainter& p) {
            p.setPen(ink(1.3));
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawPoint(QPointF(12, 7.3));
            p.drawLine(QPointF(12, 11), QPointF(12, 17));
        };
    default:
        return [](QPainter& p) {
            p.setPen(ink());
            p.setBrush(kPaper);
            p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
        };
    }
}

QImage renderImage(const Glyph& glyph, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    glyph(painter);
    return image;
}

// On a dark background the glyphs' dark outlines vanish: a light rim around
// the glyph's shape keeps it visible without redrawing it in other colours.
QImage withRim(const QImage& glyph, const QColor& rim)
{
    const int size = glyph.width();
    const int radius = std::max(1, size / 24);
    QImage shape(size, size, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int alpha = 0;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int u = x + dx;
                    const int v = y + dy;
                    if (u >= 0 && v >= 0 && u < size && v < size)
                        alpha = std::max(alpha, qAlpha(glyph.pixel(u, v)));
                }
            // A soft edge of the glyph still gets a solid rim.
            const int a = std::min(255, alpha * 3) * rim.alpha() / 255;
            shape.setPixel(x, y, qPremultiply(qRgba(rim.red(), rim.green(), rim.blue(), a)));
        }
    QPainter painter(&shape);
    painter.drawImage(0, 0, glyph);
    return shape;
}

QPixmap render(const Glyph& glyph, int size, bool disabled, bool darkBackground)
{
    QImage image = renderImage(glyph, size);
    if (darkBackground)
        image = withRim(image, QColor(0xe8, 0xec, 0xf0, 220));
    if (disabled) {
        QImage faded(size, size, QImage::Format_ARGB32_Premultiplied);
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(0.35);
        painter.drawImage(0, 0, image);
        painter.end();
        image = faded;
    }
    return QPixmap::fromImage(image);
}

} // namespace

QIcon toolbarIcon(int commandId, const QPalette& palette)
{
    const Glyph glyph = glyphFor(commandId);
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(render(glyph, size, false, dark), QIcon::Normal);
        icon.addPixmap(render(glyph, size, true, dark), QIcon::Disabled);
    }
    return icon;
}

QIcon applicationIcon()
{
    const Glyph glyph = [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
        envelope(p, QRectF(4.5, 6.5, 15, 11), kPaper);
    };
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(render(glyph, size, false, false));
    return icon;
}

} // namespace morva::app

#include "KeyPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace emulation {

namespace {

enum class Picture { None, Display, Print, Scroll, Right, Exit, Down, Up, Left, Enter };

Picture pictureOf(const QString &name)
{
    if (name == QLatin1String("BitBtnDisplay")) return Picture::Display;
    if (name == QLatin1String("BitBtnPrint")) return Picture::Print;
    if (name == QLatin1String("BitBtnScroll")) return Picture::Scroll;
    if (name == QLatin1String("BitBtnRight")) return Picture::Right;
    if (name == QLatin1String("BitBtnExit")) return Picture::Exit;
    if (name == QLatin1String("BitBtnDown")) return Picture::Down;
    if (name == QLatin1String("BitBtnUP")) return Picture::Up;
    if (name == QLatin1String("BitBtnLeft")) return Picture::Left;
    if (name == QLatin1String("BitBtnEnter")) return Picture::Enter;
    return Picture::None;
}

// An arrow in a 24 x 24 box pointing right, turned by `degrees`.
void drawArrow(QPainter &p, qreal degrees)
{
    p.save();
    p.translate(12, 12);
    p.rotate(degrees);
    QPainterPath arrow;
    arrow.moveTo(-8, -3);
    arrow.lineTo(1, -3);
    arrow.lineTo(1, -8);
    arrow.lineTo(9, 0);
    arrow.lineTo(1, 8);
    arrow.lineTo(1, 3);
    arrow.lineTo(-8, 3);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.restore();
}

void draw(QPainter &p, Picture picture)
{
    const QColor ink(20, 40, 110);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    switch (picture) {
    case Picture::Right: drawArrow(p, 0); break;
    case Picture::Down: drawArrow(p, 90); break;
    case Picture::Left: drawArrow(p, 180); break;
    case Picture::Up: drawArrow(p, 270); break;
    case Picture::Display:
        // A small screen with two text lines.
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 5, 18, 12), 1.5, 1.5);
        p.drawLine(QPointF(6, 9), QPointF(17, 9));
        p.drawLine(QPointF(6, 13), QPointF(13, 13));
        p.drawLine(QPointF(9, 20), QPointF(15, 20));
        break;
    case Picture::Print:
        // A printer with its sheet.
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRoundedRect(QRectF(3, 9, 18, 8), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 14, 10, 7));
        break;
    case Picture::Scroll:
        // Up and down arrow heads: page through the list.
        drawArrow(p, 270);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(5, 22), QPointF(19, 22));
        break;
    case Picture::Exit: {
        // A door with an arrow leaving it.
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 3, 10, 18));
        p.setBrush(ink);
        p.save();
        p.translate(6, 0);
        p.scale(0.75, 0.75);
        p.translate(4, 4);
        drawArrow(p, 0);
        p.restore();
        break;
    }
    case Picture::Enter: {
        // The return arrow: down, then left.
        p.setBrush(Qt::NoBrush);
        QPainterPath hook;
        hook.moveTo(19, 4);
        hook.lineTo(19, 14);
        hook.lineTo(7, 14);
        p.drawPath(hook);
        p.setBrush(ink);
        QPainterPath head;
        head.moveTo(3, 14);
        head.lineTo(9, 9);
        head.lineTo(9, 19);
        head.closeSubpath();
        p.drawPath(head);
        break;
    }
    case Picture::None: break;
    }
}

} // namespace

QIcon keyPicture(const QString &buttonName)
{
    const Picture picture = pictureOf(buttonName);
    if (picture == Picture::None)
        return QIcon();
    QIcon icon;
    // Drawn at two resolutions so the picture stays sharp at high DPI.
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(24, 24) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, picture);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace emulation

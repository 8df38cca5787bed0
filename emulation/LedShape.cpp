#include "LedShape.h"

#include <QPainter>
#include <QRadialGradient>

LedShape::LedShape(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LedShape::setBrushColor(const QColor &color)
{
    if (m_brush == color)
        return;
    m_brush = color;
    update();
}

void LedShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height()) - 1.0;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    QRadialGradient shine(circle.center() - QPointF(side / 5, side / 5), side * 0.75);
    shine.setColorAt(0.0, m_brush.lighter(135));
    shine.setColorAt(1.0, m_brush);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(shine);
    painter.drawEllipse(circle);
}

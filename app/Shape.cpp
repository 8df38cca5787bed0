#include "Shape.h"

#include <QPainter>

Shape::Shape(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

Shape::Shape(const QString &objectName, Kind kind, const QColor &color, QWidget *parent)
    : Shape(kind, parent)
{
    setObjectName(objectName);
    m_brush = color;
}

void Shape::setKind(Kind kind)
{
    if (m_kind == kind)
        return;
    m_kind = kind;
    update();
}

void Shape::setBrushColor(const QColor &color)
{
    if (m_brush == color)
        return;
    m_brush = color;
    update();
}

QSize Shape::sizeHint() const
{
    return m_kind == Kind::Circle ? QSize(14, 14) : QSize(24, 14);
}

QSize Shape::minimumSizeHint() const
{
    return QSize(9, 9);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(m_brush);
    // Keep a circle round whatever the widget's size.
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_kind == Kind::Circle) {
        const qreal side = qMin(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        painter.drawEllipse(r);
    } else if (m_kind == Kind::RoundRect) {
        painter.drawRoundedRect(r, 3, 3);
    } else {
        painter.drawRect(r);
    }
}

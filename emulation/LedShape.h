#pragma once
// One LED of the emulated front: a small filled circle in its brush colour
// with a dark rim and a faint highlight, so a lit LED reads as a lamp.

#include <QColor>
#include <QWidget>

class LedShape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)

public:
    explicit LedShape(const QString &objectName, QWidget *parent = nullptr);

    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor &color);

    QSize sizeHint() const override { return QSize(11, 11); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_brush = Qt::white;
};

#pragma once
// A filled shape: the round line indicators of the status group and the LEDs
// of the emulated panel front. It paints one figure in its brush colour with
// a thin dark outline; the colour is what the link handlers change.

#include <QColor>
#include <QWidget>

class Shape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)

public:
    enum class Kind { Circle, Rectangle, RoundRect };

    explicit Shape(Kind kind = Kind::Circle, QWidget *parent = nullptr);
    Shape(const QString &objectName, Kind kind, const QColor &color, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_brush = QColor(128, 128, 128);
};

#pragma once
// TDisplay: the panel's character LCD on screen. A framed white area with a
// grid of NumberOfLines x CharPerLine characters, each in its own colour,
// drawn from the cell store of LcdScreen; a one-pixel dot and a filled bar
// drawn straight onto the surface and not stored; print screen of the text.
//
// Cell geometry, worked out by every full paint:
//     GlyphHeight = text height of "W" in Font
//     CharWidth   = (Width  - 1 - 2 * VBorderSize) / CharPerLine
//     LineHeight  = (Height - 1 - 2 * HBorderSize) / NumberOfLines
//     cell (L, C) = (round(CharWidth) * C + VBorderSize, round(LineHeight) * L + HBorderSize)
// The pitch is rounded (halves to even) before it is multiplied, so columns
// never drift by accumulated fractions.
//
// The component keeps what it draws in an image of its own (the canvas), so
// a character written by the stream is drawn at once, over whatever a bar
// left there, exactly as on the panel; a full paint redraws the canvas from
// the store and so removes dots and bars. The canvas follows the screen's
// device pixel ratio: the text stays sharp on high-DPI screens.

#include "LcdScreen.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QWidget>

class QPrinter;

class TDisplay : public QWidget, public LcdScreen
{
    Q_OBJECT
    Q_PROPERTY(int NumberOfLines READ numberOfLinesProperty WRITE setNumberOfLinesProperty)
    Q_PROPERTY(int CharPerLine READ charPerLineProperty WRITE setCharPerLineProperty)
    Q_PROPERTY(int VBorderSize READ VBorderSize WRITE setVBorderSize)
    Q_PROPERTY(int HBorderSize READ HBorderSize WRITE setHBorderSize)
    Q_PROPERTY(QPen Pen READ Pen WRITE setPen)
    Q_PROPERTY(QBrush Brush READ Brush WRITE setBrush)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)

public:
    explicit TDisplay(QWidget *parent = nullptr);
    ~TDisplay() override;

    // Margins in pixels: left and right (vertical borders), top and bottom
    // (horizontal borders). Setting a property only stores it; nothing is
    // repainted until the next full paint.
    int VBorderSize() const { return m_vBorder; }
    void setVBorderSize(int pixels) { m_vBorder = pixels; }
    int HBorderSize() const { return m_hBorder; }
    void setHBorderSize(int pixels) { m_hBorder = pixels; }

    QPen Pen() const { return m_pen; }
    void setPen(const QPen &pen) { m_pen = pen; }
    QBrush Brush() const { return m_brush; }
    void setBrush(const QBrush &brush);
    QFont Font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }

    // Metrics of the last full paint (zero before the first).
    double CharWidth() const { return m_charWidth; }
    double LineHeight() const { return m_lineHeight; }
    int GlyphHeight() const { return m_glyphHeight; }
    // Top-left corner of the box of cell (line, column index).
    QPoint cellOrigin(int line, int column) const;
    // Works the metrics out now, as the next full paint will.
    void updateMetrics();

    // Filled rectangle of DrawBar (right and bottom edges exclusive in the
    // arguments, as QRect's inclusive corners here), for the given metrics.
    static QRect barRect(int x, int y, int x2, int y2, float scale, int vBorder, int hBorder, int glyphHeight);
    static QColor barColor(char mode, const QColor &background, const QColor &colorNine, const QColor &colorEight);

    void DrawPixel(int x, int y, const QColor &color) override;
    void DrawBar(int x, int y, int x2, int y2, char mode, const QColor &colorNine, const QColor &colorEight,
                 float scale) override;

    // Prints the text of the grid on `printer` (one line per grid line, in
    // Font). Throws std::runtime_error when the printer cannot be opened or
    // written; the print job is closed in any case.
    void PrintScreen(QPrinter &printer) const;
    // The same lines as text, one per line, ending with a line feed (code page 1252).
    QByteArray screenText() const;
    // Print screen into a file instead of a printer: a PDF when the name ends
    // in ".pdf", plain text otherwise. Throws std::runtime_error on failure.
    void PrintScreenToFile(const QString &path) const;

    // The canvas as last drawn (for tests and screenshots).
    QImage canvas() const { return m_canvas; }

    QSize sizeHint() const override { return QSize(461, 127); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void drawCells(int row, int firstColumn, int lastColumn) override;
    void repaintAll() override;

private:
    int numberOfLinesProperty() const { return NumberOfLines(); }
    void setNumberOfLinesProperty(int lines) { setNumberOfLines(quint8(qBound(0, lines, MaxLines))); }
    int charPerLineProperty() const { return CharPerLine(); }
    void setCharPerLineProperty(int chars) { setCharPerLine(quint8(qBound(0, chars, MaxCharPerLine))); }

    bool canvasFits() const;
    void paintCanvas();
    void drawCell(class QPainter &painter, int row, int column, const QColor &color);
    void drawCellsOnCanvas(int row, int firstColumn, int lastColumn);

    int m_vBorder = 10;
    int m_hBorder = 7;
    QPen m_pen;
    QBrush m_brush;
    QFont m_font;
    double m_charWidth = 0;
    double m_lineHeight = 0;
    int m_glyphHeight = 0;
    int m_pitchX = 0;
    int m_pitchY = 0;
    QImage m_canvas;
};

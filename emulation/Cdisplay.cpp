#include "Cdisplay.h"

#include "CodePage1252.h"

#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPaintEvent>
#include <QPrinter>
#include <QWindow>

#include <cmath>
#include <stdexcept>

namespace {

// Round to the nearest integer, halves to the even neighbour.
int roundEven(double value)
{
    return int(std::nearbyint(value));
}

QChar glyphOf(quint8 ch)
{
    // A never-written cell (code 0) shows as a blank.
    return ch == 0 ? QChar(u' ') : platform::fromCp1252(char(ch));
}

} // namespace

TDisplay::TDisplay(QWidget *parent) : QWidget(parent), m_brush(Qt::white, Qt::SolidPattern), m_font(QStringLiteral("Arial"), 8)
{
    setGeometry(10, 10, 461, 127);
    setCursor(Qt::ArrowCursor);
    setToolTip(QString());
    setBackground(m_brush.color());
    // The component paints every pixel of itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TDisplay::~TDisplay() = default;

void TDisplay::setBrush(const QBrush &brush)
{
    m_brush = brush;
    setBackground(brush.color());
}

void TDisplay::updateMetrics()
{
    const QFontMetrics metrics(m_font, m_canvas.isNull() ? static_cast<QPaintDevice *>(this) : &m_canvas);
    // The canvas text height of "W": the font's line height, as a text
    // height is measured on the panel's canvas.
    m_glyphHeight = metrics.height();
    m_charWidth = CharPerLine() > 0 ? double(width() - 1 - 2 * m_vBorder) / CharPerLine() : 0.0;
    m_lineHeight = NumberOfLines() > 0 ? double(height() - 1 - 2 * m_hBorder) / NumberOfLines() : 0.0;
    m_pitchX = roundEven(m_charWidth);
    m_pitchY = roundEven(m_lineHeight);
}

QPoint TDisplay::cellOrigin(int line, int column) const
{
    return QPoint(m_pitchX * column + m_vBorder, m_pitchY * line + m_hBorder);
}

bool TDisplay::canvasFits() const
{
    return !m_canvas.isNull() && m_canvas.size() == size() * devicePixelRatioF()
        && qFuzzyCompare(m_canvas.devicePixelRatio(), devicePixelRatioF());
}

void TDisplay::paintCanvas()
{
    const qreal ratio = devicePixelRatioF();
    if (!canvasFits()) {
        m_canvas = QImage(size() * ratio, QImage::Format_RGB32);
        m_canvas.setDevicePixelRatio(ratio);
    }
    if (m_canvas.isNull())
        return; // no area to draw on
    updateMetrics();

    QPainter painter(&m_canvas);
    // Outside the frame the component shows its parent's colour.
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(m_pen);
    painter.setBrush(m_brush);
    painter.drawRect(QRectF(1, 1, width() - 2, height() - 2));

    // Without lines or characters the pitch is undefined: only the frame.
    if (NumberOfLines() == 0 || CharPerLine() == 0)
        return;
    painter.setFont(m_font);
    for (int line = 0; line < NumberOfLines(); ++line) {
        for (int column = 0; column < CharPerLine(); ++column)
            drawCell(painter, line, column, cellColor(line, column));
    }
}

void TDisplay::drawCell(QPainter &painter, int row, int column, const QColor &color)
{
    // Opaque text: the character's box in the brush colour, the glyph in
    // the cell's colour, the box's top-left corner at the cell's corner.
    const QChar glyph = glyphOf(cellChar(row, column));
    const QFontMetrics metrics = painter.fontMetrics();
    const QPoint corner = cellOrigin(row, column);
    const int advance = qMax(metrics.horizontalAdvance(glyph), metrics.horizontalAdvance(QLatin1Char(' ')));
    painter.fillRect(QRect(corner, QSize(advance, metrics.height())), m_brush.color());
    painter.setPen(color);
    painter.drawText(QPoint(corner.x(), corner.y() + metrics.ascent()), QString(glyph));
}

void TDisplay::drawCellsOnCanvas(int row, int firstColumn, int lastColumn)
{
    if (!canvasFits())
        return; // not painted yet: the first paint draws the store
    QPainter painter(&m_canvas);
    painter.setFont(m_font);
    const QFontMetrics metrics = painter.fontMetrics();
    QRect dirty;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        drawCell(painter, row, column, cellColor(row, column));
        dirty |= QRect(cellOrigin(row, column), QSize(qMax(m_pitchX, metrics.maxWidth()), metrics.height()));
    }
    update(dirty);
}

void TDisplay::drawCells(int row, int firstColumn, int lastColumn)
{
    drawCellsOnCanvas(row, firstColumn, lastColumn);
}

void TDisplay::repaintAll()
{
    paintCanvas();
    update();
}

void TDisplay::paintEvent(QPaintEvent *event)
{
    if (!canvasFits())
        paintCanvas();
    QPainter painter(this);
    if (m_canvas.isNull())
        return;
    const QRect area = event->rect();
    painter.drawImage(area, m_canvas, QRectF(QPointF(area.topLeft()) * m_canvas.devicePixelRatio(),
                                              QSizeF(area.size()) * m_canvas.devicePixelRatio()));
}

void TDisplay::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_canvas = QImage(); // the next paint lays the cells out anew
}

// ---------------------------------------------------------------------------
// Pixel graphics

void TDisplay::DrawPixel(int x, int y, const QColor &color)
{
    if (!canvasFits())
        return;
    QPainter painter(&m_canvas);
    const QRect pixel(x + m_hBorder, y + m_vBorder - m_glyphHeight, 1, 1);
    painter.fillRect(pixel, color);
    update(pixel);
}

QRect TDisplay::barRect(int x, int y, int x2, int y2, float scale, int vBorder, int hBorder, int glyphHeight)
{
    x += hBorder;
    x2 += hBorder;
    const int top = roundEven(double(float(y) * scale) + vBorder - glyphHeight);
    const int bottom = y2 + vBorder - glyphHeight;
    // The clamp compares with y2 - 6 as it stands, without the border offset.
    const int finalTop = (y2 - 6 > top) ? top : y2 - 6;
    // Fill semantics: right and bottom edges are not filled.
    return QRect(QPoint(x, finalTop), QPoint(x2 - 1, bottom - 1));
}

QColor TDisplay::barColor(char mode, const QColor &background, const QColor &colorNine, const QColor &colorEight)
{
    switch (mode) {
    case '8': return colorEight;
    case '9': return colorNine;
    default: return background; // "0", "1" and anything else erase the bar
    }
}

void TDisplay::DrawBar(int x, int y, int x2, int y2, char mode, const QColor &colorNine, const QColor &colorEight,
                       float scale)
{
    if (!canvasFits())
        return;
    const QRect bar = barRect(x, y, x2, y2, scale, m_vBorder, m_hBorder, m_glyphHeight);
    if (!bar.isValid())
        return;
    QPainter painter(&m_canvas);
    painter.fillRect(bar, barColor(mode, m_brush.color(), colorNine, colorEight));
    update(bar);
}

// ---------------------------------------------------------------------------
// Print screen

QByteArray TDisplay::screenText() const
{
    QByteArray text;
    for (const QByteArray &line : screenLines())
        text += line + '\n';
    return text;
}

void TDisplay::PrintScreen(QPrinter &printer) const
{
    // A text channel to the printer: one printed line per grid line, in the
    // component's font, top to bottom from the printable area's corner.
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(tr("I/O error: the printer cannot be opened").toStdString());
    QFont font = m_font;
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / 96.0); // keep its size on paper
    painter.setFont(QFont(font, &printer));
    const QFontMetrics metrics = painter.fontMetrics();
    int y = metrics.ascent();
    for (const QByteArray &line : screenLines()) {
        painter.drawText(QPoint(0, y), platform::fromCp1252(line));
        y += metrics.lineSpacing();
    }
    const bool ok = painter.end();
    if (!ok)
        throw std::runtime_error(tr("I/O error: the printer did not take the page").toStdString());
}

void TDisplay::PrintScreenToFile(const QString &path) const
{
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrintScreen(printer);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(screenText()) < 0 || !file.flush())
        throw std::runtime_error(tr("I/O error: %1").arg(file.errorString()).toStdString());
}

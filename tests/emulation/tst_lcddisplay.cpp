// The LCD component as the main window sets it up (421 x 136, borders 10
// and 7, 8 x 40, Courier New bold 12 px, blue pen, white brush): cell
// geometry, the store operations, what a paint shows, bars and dots, and
// print screen.

#include "EmulationPage.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kBlue(0, 0, 255);

// Fills every cell of the store with `ch` in `color`.
void fill(TDisplay &lcd, char ch, const QColor &color)
{
    for (int row = 0; row < LcdScreen::StoreRows; ++row)
        lcd.WriteText(row, 1, QByteArray(LcdScreen::StoreColumns, ch), color);
}

QByteArray row(const TDisplay &lcd, int r)
{
    return lcd.rowText(r);
}

// Pixels of `color` inside and outside `box` on the canvas (logical
// coordinates), within the frame drawn by the pen.
QPair<int, int> inkInAndOut(const QImage &canvas, const QRect &box, const QColor &color)
{
    const qreal ratio = canvas.devicePixelRatio();
    const QRect inside = QRect(QPoint(0, 0), canvas.deviceIndependentSize().toSize()).adjusted(3, 3, -3, -3);
    int in = 0, out = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QPoint at(int(x / ratio), int(y / ratio));
            if (canvas.pixelColor(x, y) != color || !inside.contains(at))
                continue;
            if (box.contains(at))
                ++in;
            else
                ++out;
        }
    }
    return {in, out};
}

} // namespace

class TestLcdDisplay : public QObject
{
    Q_OBJECT

    LinkSession m_session;
    EmulationState m_state;
    std::unique_ptr<EmulationPage> m_page;
    TDisplay *lcd() { return m_page->LCDDisplay; }

private slots:
    void init()
    {
        m_page = std::make_unique<EmulationPage>(m_session, m_state);
        m_page->resize(760, 480);
        lcd()->Clear();
    }
    void cleanup() { m_page.reset(); }

    void defaults()
    {
        TDisplay plain;
        QCOMPARE(plain.geometry(), QRect(10, 10, 461, 127));
        QCOMPARE(plain.VBorderSize(), 10);
        QCOMPARE(plain.HBorderSize(), 7);
        QCOMPARE(int(plain.NumberOfLines()), 8);
        QCOMPARE(int(plain.CharPerLine()), 40);
        QCOMPARE(plain.Brush().color(), QColor(Qt::white));
        QCOMPARE(plain.Font().family(), QStringLiteral("Arial"));
        QCOMPARE(plain.Font().pointSize(), 8);
        // A fresh store is all zero: black, code 0.
        QCOMPARE(plain.cell(0, 0).ch, quint8(0));
        QCOMPARE(plain.cell(0, 0).color, QRgb(0));
    }

    void mainWindowInstance()
    {
        QCOMPARE(lcd()->geometry(), QRect(25, 79, 421, 136));
        QCOMPARE(lcd()->Pen().color(), kBlue);
        QCOMPARE(lcd()->Pen().width(), 2);
        QVERIFY(lcd()->Font().bold());
        QVERIFY(lcd()->Font().fixedPitch());
        QCOMPARE(lcd()->Font().pixelSize(), 12);
        QCOMPARE(lcd()->Font().family(), QStringLiteral("Courier New"));
        QCOMPARE(lcd()->property("VBorderSize").toInt(), 10);
        QCOMPARE(lcd()->property("NumberOfLines").toInt(), 8);
    }

    void geometry_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QPoint>("corner");
        // Pitch 400 / 40 = 10 across, 121 / 8 = 15.125 rounded to 15 down.
        QTest::newRow("first") << 0 << 0 << QPoint(10, 7);
        QTest::newRow("cell 2,5") << 2 << 5 << QPoint(60, 37);
        QTest::newRow("last visible") << 7 << 39 << QPoint(400, 112);
    }

    void geometry()
    {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QPoint, corner);
        QCOMPARE(lcd()->CharWidth(), 10.0);
        QCOMPARE(lcd()->LineHeight(), 15.125);
        QCOMPARE(lcd()->cellOrigin(line, column), corner);
    }

    void glyphDrawnInItsCell()
    {
        // A blue "W" written into cell (2, 5) inks only its box at (60, 37).
        lcd()->WriteText(2, 6, "W", kBlue);
        const QFontMetrics metrics(lcd()->Font(), lcd());
        const QRect box(QPoint(60, 37), QSize(10, metrics.height()));
        const auto [in, out] = inkInAndOut(lcd()->canvas(), box, kBlue);
        QVERIFY(in > 4);
        QCOMPARE(out, 0);
    }

    void clearArea_data()
    {
        QTest::addColumn<QList<int>>("args"); // firstRow, lastRow, firstColumn, lastColumn
        QTest::addColumn<QList<int>>("blankRows");
        QTest::addColumn<int>("firstBlank");
        QTest::addColumn<int>("lastBlank");
        QTest::newRow("first six lines") << QList<int>{1, 6, 1, 40} << QList<int>{0, 1, 2, 3, 4, 5} << 0 << 39;
        QTest::newRow("a block") << QList<int>{3, 4, 11, 20} << QList<int>{2, 3} << 10 << 19;
        QTest::newRow("rows reversed: nothing") << QList<int>{6, 1, 1, 40} << QList<int>{} << 0 << 0;
        QTest::newRow("columns reversed: nothing") << QList<int>{1, 6, 40, 1} << QList<int>{} << 0 << 0;
        QTest::newRow("beyond the store is cut") << QList<int>{8, 255, 40, 255} << QList<int>{7, 8} << 39 << 40;
    }

    void clearArea()
    {
        QFETCH(QList<int>, args);
        QFETCH(QList<int>, blankRows);
        QFETCH(int, firstBlank);
        QFETCH(int, lastBlank);
        fill(*lcd(), 'x', kBlue);
        lcd()->ClearArea(quint8(args[0]), quint8(args[1]), quint8(args[2]), quint8(args[3]));
        for (int r = 0; r < LcdScreen::StoreRows; ++r) {
            QByteArray expected(LcdScreen::StoreColumns, 'x');
            if (blankRows.contains(r))
                expected.replace(firstBlank, lastBlank - firstBlank + 1, QByteArray(lastBlank - firstBlank + 1, ' '));
            QCOMPARE(row(*lcd(), r), expected);
            if (blankRows.contains(r))
                QCOMPARE(lcd()->cellColor(r, firstBlank), QColor(Qt::white));
        }
    }

    void clearToEndOfLine_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("firstBlank"); // -1: nothing
        QTest::newRow("column 0 counts as 1") << 0 << 0;
        QTest::newRow("column 1") << 1 << 0;
        QTest::newRow("column 10") << 10 << 9;
        QTest::newRow("column 40") << 40 << 39;
        QTest::newRow("column 41: nothing") << 41 << -1;
    }

    void clearToEndOfLine()
    {
        QFETCH(int, column);
        QFETCH(int, firstBlank);
        fill(*lcd(), 'x', kBlue);
        lcd()->ClearToEndOfLine(3, quint8(column));
        QByteArray expected(LcdScreen::StoreColumns, 'x');
        if (firstBlank >= 0)
            expected.replace(firstBlank, 40 - firstBlank, QByteArray(40 - firstBlank, ' '));
        QCOMPARE(row(*lcd(), 3), expected);
        QCOMPARE(row(*lcd(), 2), QByteArray(LcdScreen::StoreColumns, 'x'));
        QCOMPARE(lcd()->cellColor(3, 39), kBlue); // the colour stays
        // Rows beyond the store are ignored.
        lcd()->ClearToEndOfLine(200, 1);
    }

    void writeTextAndClear()
    {
        lcd()->WriteText(0, 1, "AB", kBlue);
        QCOMPARE(lcd()->cellChar(0, 0), quint8('A'));
        QCOMPARE(lcd()->cellChar(0, 1), quint8('B'));
        QCOMPARE(lcd()->cellColor(0, 1), kBlue);
        // Cut at the store's edges, never beyond.
        lcd()->WriteText(8, 40, "CD", kBlue);
        QCOMPARE(lcd()->cellChar(8, 39), quint8('C'));
        QCOMPARE(lcd()->cellChar(8, 40), quint8('D'));
        lcd()->WriteText(9, 1, "E", kBlue);
        lcd()->WriteText(-1, 1, "E", kBlue);
        lcd()->WriteText(0, -5, "0123456", kBlue);
        QCOMPARE(lcd()->cellChar(0, 0), quint8('6'));

        lcd()->Clear();
        QCOMPARE(lcd()->cellChar(0, 0), quint8(' '));
        QCOMPARE(lcd()->cellColor(0, 0), QColor(Qt::white)); // white on white
        QCOMPARE(lcd()->cellChar(8, 39), quint8('C'));      // row 8 is storage only
    }

    void dotVanishesAtNextPaint()
    {
        lcd()->WriteText(1, 1, "W", kBlue);
        const int glyph = lcd()->GlyphHeight();
        lcd()->DrawPixel(200, 60, kBlue);
        // The dot's square: (x + HBorderSize, y + VBorderSize - GlyphHeight).
        const QPoint at(200 + 7, 60 + 10 - glyph);
        const qreal ratio = lcd()->canvas().devicePixelRatio();
        QCOMPARE(lcd()->canvas().pixelColor(at * ratio), kBlue);
        lcd()->Repaint();
        QCOMPARE(lcd()->canvas().pixelColor(at * ratio), QColor(Qt::white));
        const QRect box(lcd()->cellOrigin(1, 0), QSize(10, glyph));
        QVERIFY(inkInAndOut(lcd()->canvas(), box, kBlue).first > 4);
    }

    void barRect_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("glyph");
        QTest::addColumn<QRect>("rect");
        // Top = round(y * 1.9 + 10 - glyph); bottom edge 85 + 10 - glyph (exclusive).
        QTest::newRow("tall bar") << 20 << 15 << QRect(QPoint(23, 33), QPoint(32, 79));
        QTest::newRow("top 79 clamps to 79") << 44 << 15 << QRect(QPoint(23, 79), QPoint(32, 79));
        QTest::newRow("top beyond 79 clamps to 79") << 60 << 15 << QRect(QPoint(23, 79), QPoint(32, 79));
    }

    void barRect()
    {
        QFETCH(int, y);
        QFETCH(int, glyph);
        QFETCH(QRect, rect);
        // x 16 and x2 26 move right by HBorderSize 7.
        QCOMPARE(TDisplay::barRect(16, y, 26, 85, 1.9f, 10, 7, glyph), rect);
    }

    void barColours()
    {
        const QColor white(Qt::white), yellow(255, 255, 0);
        QCOMPARE(TDisplay::barColor('8', white, yellow, kBlue), kBlue);
        QCOMPARE(TDisplay::barColor('9', white, yellow, kBlue), yellow);
        QCOMPARE(TDisplay::barColor('0', white, yellow, kBlue), white);
        QCOMPARE(TDisplay::barColor('1', white, yellow, kBlue), white);
        QCOMPARE(TDisplay::barColor('x', white, yellow, kBlue), white);
    }

    void printScreen()
    {
        // A cleared 8 x 40 display prints 8 lines of 41 spaces.
        QCOMPARE(lcd()->screenLines(), QList<QByteArray>(8, QByteArray(41, ' ')));
        lcd()->WriteText(0, 1, "MAIN MENU \x97", Qt::red);
        lcd()->WriteText(7, 40, "Z", Qt::red);
        lcd()->WriteText(8, 1, "hidden", Qt::red);
        QTemporaryDir dir;
        const QString text = dir.filePath(QStringLiteral("screen.txt"));
        lcd()->PrintScreenToFile(text);
        QFile file(text);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray expected;
        expected += " MAIN MENU \x97" + QByteArray(29, ' ') + '\n';
        for (int i = 1; i < 7; ++i)
            expected += QByteArray(41, ' ') + '\n';
        expected += QByteArray(40, ' ') + "Z\n";
        QCOMPARE(file.readAll(), expected);

        const QString pdf = dir.filePath(QStringLiteral("screen.pdf"));
        lcd()->PrintScreenToFile(pdf);
        QFile pdfFile(pdf);
        QVERIFY(pdfFile.open(QIODevice::ReadOnly));
        QVERIFY(pdfFile.readAll().startsWith("%PDF"));

        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 lcd()->PrintScreenToFile(dir.filePath(QStringLiteral("no/such/dir/s.txt"))));
    }
};

QTEST_MAIN(TestLcdDisplay)
#include "tst_lcddisplay.moc"

// The display stream decoder against the widget-free cell store: each case
// feeds link records (node, code 39, length, payload) written by hand and
// compares every cell that changed, the cursor, and the drawing and host
// events in order.

#include "DisplayStream.h"

#include "DialogSeam.h"

#include <QTest>

namespace {

QString hexColour(const QColor &c)
{
    return c.name(); // #rrggbb
}

class RecordingScreen : public LcdScreen
{
public:
    QStringList *events = nullptr;

    void DrawPixel(int x, int y, const QColor &color) override
    {
        *events << QStringLiteral("pixel %1,%2 %3").arg(x).arg(y).arg(hexColour(color));
    }
    void DrawBar(int x, int y, int x2, int y2, char mode, const QColor &nine, const QColor &eight,
                 float scale) override
    {
        *events << QStringLiteral("bar %1,%2,%3,%4 %5 %6 %7 %8")
                       .arg(x).arg(y).arg(x2).arg(y2).arg(QLatin1Char(mode))
                       .arg(hexColour(nine), hexColour(eight)).arg(double(scale), 0, 'g', 3);
    }

protected:
    void repaintAll() override { *events << QStringLiteral("repaint"); }
};

class RecordingHost : public DisplayStreamHost
{
public:
    QStringList *events = nullptr;
    void ResetLeds() override { *events << QStringLiteral("ResetLeds"); }
    void setStatusBar(const QString &text) override { *events << QStringLiteral("status ") + text; }
    QWidget *dialogParent() override { return nullptr; }
    void beep() override { *events << QStringLiteral("beep"); }
};

// A link record as the library posts it: node, code, n, payload.
void copyRecord(LinkSession &session, const QByteArray &record)
{
    const int n = qMin(int(quint8(record.at(2))), int(record.size()) - 3);
    session.DisplayLength = n + 9;
    session.DisplayBuffer[4] = quint8(record.at(0));
    session.DisplayBuffer[5] = quint8(record.at(1));
    for (int k = 0; k < n; ++k)
        session.DisplayBuffer[size_t(6 + k)] = quint8(record.at(3 + k));
}

// Cells that differ from a cleared screen (white spaces), as "row,col char colour".
QStringList changedCells(const LcdScreen &screen)
{
    QStringList cells;
    for (int r = 0; r < LcdScreen::StoreRows; ++r) {
        for (int c = 0; c < LcdScreen::StoreColumns; ++c) {
            const LcdScreen::Cell cell = screen.cell(r, c);
            const bool blank = cell.ch == ' ' && (cell.color & 0xFFFFFF) == 0xFFFFFF;
            const bool untouched = cell.ch == 0 && cell.color == 0 && (r == 8 || c == 40);
            if (blank || untouched)
                continue;
            const QString ch = cell.ch >= 33 && cell.ch < 127 ? QString(QLatin1Char(char(cell.ch)))
                                                              : QString::number(cell.ch);
            cells << QStringLiteral("%1,%2 %3 %4").arg(r).arg(c).arg(ch, hexColour(screen.cellColor(r, c)));
        }
    }
    return cells;
}

struct Fixture
{
    LinkSession session;
    EmulationState state;
    RecordingScreen screen;
    RecordingHost host;
    QStringList events;
    DisplayStreamDecoder decoder{session, state, screen, host};

    Fixture()
    {
        screen.events = &events;
        host.events = &events;
        screen.Clear();
        events.clear();
        session.TargetNode = 1;
    }
    // "node:payload" in hex
    void feedPayload(const QString &text)
    {
        const QStringList parts = text.split(QLatin1Char(':'));
        const QByteArray payload = QByteArray::fromHex(parts.at(1).toLatin1());
        QByteArray record = QByteArray::fromHex(parts.at(0).toLatin1());
        record += char(39);
        record += char(payload.size());
        copyRecord(session, record + payload);
        decoder.DecodeDisplayStream();
    }
    void feed(const QByteArray &hex)
    {
        copyRecord(session, QByteArray::fromHex(hex));
        decoder.DecodeDisplayStream();
    }
};

} // namespace

class TestDisplayStream : public QObject
{
    Q_OBJECT

private slots:
    // Each record is "node:payload" in hex (spaces for reading only); the
    // fixture wraps it as node, code 39, length, payload.
    void stream_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<bool>("graphics");            // GraphicsMode before the records
        QTest::addColumn<QStringList>("cells");        // every changed cell
        QTest::addColumn<QPoint>("cursor");            // (column, row)
        QTest::addColumn<QStringList>("events");

        const QStringList none;
        // Cursor Y 34 37: row 2, column 5; A and B where the cursor stood.
        QTest::newRow("cursor then text")
            << QStringList{"01:02 1b5922 25 4142"} << false
            << QStringList{"2,5 A #000000", "2,6 B #000000"} << QPoint(7, 2) << none;
        QTest::newRow("G0 blue")
            << QStringList{"01:02 1b4730 58"} << false << QStringList{"0,0 X #0000ff"} << QPoint(1, 0) << none;
        QTest::newRow("G2 red")
            << QStringList{"01:02 1b4732 58"} << false << QStringList{"0,0 X #ff0000"} << QPoint(1, 0) << none;
        QTest::newRow("G4 and G6 red")
            << QStringList{"01:02 1b4734 58 1b4736 59"} << false
            << QStringList{"0,0 X #ff0000", "0,1 Y #ff0000"} << QPoint(2, 0) << none;
        QTest::newRow("G8 keeps the colour")
            << QStringList{"01:02 1b4730 1b4738 58"} << false << QStringList{"0,0 X #0000ff"} << QPoint(1, 0)
            << none;
        // Column index 40 is stored (beyond the visible 40), the next dropped.
        QTest::newRow("column 40 stored, 41st dropped")
            << QStringList{"01:02 1b592048 4142"} << false << QStringList{"0,40 A #000000"} << QPoint(41, 0)
            << none;
        QTest::newRow("no wrap to the next line")
            << QStringList{"01:02 1b592048 414243"} << false << QStringList{"0,40 A #000000"} << QPoint(41, 0)
            << none;
        QTest::newRow("line 8 dropped")
            << QStringList{"01:02 1b592820 41"} << false << none << QPoint(0, 8) << none;
        QTest::newRow("bell advances without writing")
            << QStringList{"01:02 07 41"} << false << QStringList{"0,1 A #000000"} << QPoint(2, 0)
            << QStringList{"beep"};
        QTest::newRow("bell beyond column 40 is silent")
            << QStringList{"01:02 1b592049 07"} << false << none << QPoint(41, 0) << none;
        // Escape K with the cursor at column 10 blanks column indices 9..39.
        QTest::newRow("K from column 10")
            << QStringList{"01:02 1b592320 1b4730",
                           "01:02 78787878787878787878 78787878787878787878 78787878787878787878 78787878787878787878",
                           "01:02 1b59232a 1b4b"}
            << false << QStringList{"3,0 x #0000ff", "3,1 x #0000ff", "3,2 x #0000ff", "3,3 x #0000ff", "3,4 x #0000ff",
                           "3,5 x #0000ff", "3,6 x #0000ff", "3,7 x #0000ff", "3,8 x #0000ff",
                           // blanked cells keep their colour
                           "3,9 32 #0000ff", "3,10 32 #0000ff", "3,11 32 #0000ff", "3,12 32 #0000ff",
                           "3,13 32 #0000ff", "3,14 32 #0000ff", "3,15 32 #0000ff", "3,16 32 #0000ff",
                           "3,17 32 #0000ff", "3,18 32 #0000ff", "3,19 32 #0000ff", "3,20 32 #0000ff",
                           "3,21 32 #0000ff", "3,22 32 #0000ff", "3,23 32 #0000ff", "3,24 32 #0000ff",
                           "3,25 32 #0000ff", "3,26 32 #0000ff", "3,27 32 #0000ff", "3,28 32 #0000ff",
                           "3,29 32 #0000ff", "3,30 32 #0000ff", "3,31 32 #0000ff", "3,32 32 #0000ff",
                           "3,33 32 #0000ff", "3,34 32 #0000ff", "3,35 32 #0000ff", "3,36 32 #0000ff",
                           "3,37 32 #0000ff", "3,38 32 #0000ff", "3,39 32 #0000ff"}
            << QPoint(10, 3) << none;
        QTest::newRow("K at a cursor row beyond the store")
            << QStringList{"01:02 1b59e82a 1b4b 41"} << false << none << QPoint(10, 200) << none;
        QTest::newRow("cursor above and left of the grid writes nothing")
            << QStringList{"01:02 1b591010 41"} << false << none << QPoint(-15, -16) << none;
        QTest::newRow("cursor left of the grid reaches column 0")
            << QStringList{"01:02 1b59201f 4142"} << false << QStringList{"0,0 B #000000"} << QPoint(1, 0)
            << none;
        QTest::newRow("clear and blank lines repaint")
            << QStringList{"01:02 1b2b 1b3f"} << false << none << QPoint(0, 0)
            << QStringList{"repaint", "repaint"};
        QTest::newRow("grave accent skips one byte")
            << QStringList{"01:02 1b60 4142"} << false << QStringList{"0,0 B #000000"} << QPoint(1, 0) << none;
        QTest::newRow("escape 128 beeps")
            << QStringList{"01:02 1b80 41"} << false << QStringList{"0,0 A #000000"} << QPoint(1, 0)
            << QStringList{"beep"};
        QTest::newRow("unknown command takes no parameter")
            << QStringList{"01:02 1b51 41"} << false << QStringList{"0,0 A #000000"} << QPoint(1, 0) << none;
        // Axes, then a bar: width (p5-32)*100+(p6-32), x (p2-32)*100+(p3-32),
        // y p1-32; drawn from x+11 to x+w+11 down to 85.
        QTest::newRow("axes and a bar")
            << QStringList{"01:02 1b7e30 1b25 48 2025 58 202a 38"} << false
            << QStringList{"0,3 | #ff0000", "1,3 | #ff0000", "2,3 | #ff0000", "3,3 | #ff0000", "4,3 | #ff0000",
                           "5,3 | #ff0000", "5,4 151 #ff0000", "5,5 151 #ff0000", "5,6 151 #ff0000",
                           "5,7 151 #ff0000", "5,8 151 #ff0000", "5,9 151 #ff0000", "5,10 151 #ff0000",
                           "5,11 151 #ff0000", "5,12 151 #ff0000", "5,13 151 #ff0000", "5,14 151 #ff0000",
                           "5,15 151 #ff0000", "5,16 151 #ff0000", "5,17 151 #ff0000", "5,18 151 #ff0000",
                           "5,19 151 #ff0000", "5,20 151 #ff0000", "5,21 151 #ff0000", "5,22 151 #ff0000",
                           "5,23 151 #ff0000", "5,24 151 #ff0000", "5,25 151 #ff0000", "5,26 151 #ff0000",
                           "5,27 151 #ff0000", "5,28 151 #ff0000", "5,29 151 #ff0000"}
            << QPoint(0, 0) << QStringList{"repaint", "bar 16,40,26,85 8 #ffff00 #0000ff 1.9"};
        QTest::newRow("graphics off")
            << QStringList{"01:02 1b7e31 1b25 48 2025 58 202a 38"} << true << none << QPoint(0, 0) << none;
        QTest::newRow("bar low y raised to 7, x over 100")
            << QStringList{"01:02 1b26 22 2120 41 2033 39"} << true
            << none << QPoint(0, 0) << QStringList{"bar 111,7,130,85 9 #ffff00 #0000ff 1.9"};
        QTest::newRow("bar of width 20 draws nothing, consumes seven bytes")
            << QStringList{"01:02 1b25 48 2025 58 2034 38 41"} << true
            << QStringList{"0,0 A #000000"} << QPoint(1, 0) << none;
        QTest::newRow("bar without graphics mode consumes seven bytes")
            << QStringList{"01:02 1b25 48 2025 58 202a 38 41"} << false
            << QStringList{"0,0 A #000000"} << QPoint(1, 0) << none;
        // Dot at Y round(10 * 1.92) = 19, X 100 + 5 + 14 = 119.
        QTest::newRow("dot")
            << QStringList{"01:02 1b5e 2a 21 25 38"} << true << none << QPoint(0, 0)
            << QStringList{"pixel 119,19 #0000ff"};
        // Y round(136 * 1.92) = 261 -> 5; X 2*100 + 84 + 14 = 298 -> 42.
        QTest::newRow("dot erased in white, y and x modulo 256")
            << QStringList{"01:02 1b5e a8 22 74 30"} << true << none << QPoint(0, 0)
            << QStringList{"pixel 42,5 #ffffff"};
        QTest::newRow("dot without graphics mode consumes four bytes")
            << QStringList{"01:02 1b5e 2a 21 25 38 41"} << false
            << QStringList{"0,0 A #000000"} << QPoint(1, 0) << none;
        // Cut off by the end of the payload: consumed, nothing drawn.
        QTest::newRow("cut-off cursor")
            << QStringList{"01:02 1b5922"} << false << none << QPoint(0, 0) << none;
        QTest::newRow("cut-off bar")
            << QStringList{"01:02 1b25 4820"} << true << none << QPoint(0, 0) << none;
        QTest::newRow("cut-off dot")
            << QStringList{"01:02 1b5e 2a2125"} << true << none << QPoint(0, 0) << none;
        QTest::newRow("cut-off colour, then the next record")
            << QStringList{"01:02 1b47", "01:02 41"} << false << QStringList{"0,0 A #000000"}
            << QPoint(1, 0) << none;
        QTest::newRow("lone escape")
            << QStringList{"01:02 1b"} << false << none << QPoint(0, 0) << none;
        // Another node's status 2 activates; its stream is not drawn.
        QTest::newRow("other node draws nothing")
            << QStringList{"05:02 41"} << false << none << QPoint(0, 0) << none;
        QTest::newRow("any status byte carries the stream once active")
            << QStringList{"01:02", "01:00 41"} << false << QStringList{"0,0 A #000000"} << QPoint(1, 0)
            << none;
        QTest::newRow("not active: nothing drawn")
            << QStringList{"01:00 41"} << false << none << QPoint(0, 0) << none;
    }

    void stream()
    {
        QFETCH(QStringList, records);
        QFETCH(bool, graphics);
        QFETCH(QStringList, cells);
        QFETCH(QPoint, cursor);
        QFETCH(QStringList, events);
        platform::ScriptedAnswerer answerer;
        Fixture f;
        f.state.GraphicsMode = graphics;
        for (const QString &record : records)
            f.feedPayload(record);
        QCOMPARE(changedCells(f.screen), cells);
        QCOMPARE(QPoint(f.state.CursorColumn, f.state.CursorRow), cursor);
        QCOMPARE(f.events, events);
        QVERIFY(answerer.messages().isEmpty());
    }

    void otherNodeStillActivates()
    {
        Fixture f;
        f.feedPayload(QStringLiteral("05:02 41"));
        QVERIFY(f.state.EmulationActive);
        QCOMPARE(changedCells(f.screen), QStringList());
    }

    void statusEnd_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<bool>("refused");
        QTest::newRow("ended before any escape: refused")
            << QStringList{"01:02 41", "01:05"} << true;
        QTest::newRow("refused at once") << QStringList{"01:05"} << true;
        QTest::newRow("ended after escapes: silent")
            << QStringList{"01:02 1b2b 41", "01:05"} << false;
        QTest::newRow("end from another node counts too")
            << QStringList{"01:02 1b2b 41", "09:05"} << false;
        // The previous panel confirming its stop while the operator switches
        // to this one is no refusal of this one.
        QTest::newRow("stop of the previous panel is no refusal") << QStringList{"09:05"} << false;
    }

    void statusEnd()
    {
        QFETCH(QStringList, records);
        QFETCH(bool, refused);
        platform::ScriptedAnswerer answerer;
        Fixture f;
        for (const QString &record : records)
            f.feedPayload(record);
        QVERIFY(!f.state.EmulationActive);
        QVERIFY(!f.state.EscapeSeen);
        QCOMPARE(changedCells(f.screen), QStringList()); // cleared
        QVERIFY(f.events.contains(QStringLiteral("ResetLeds")));
        const QString text = QStringLiteral("Panel already emulated");
        QCOMPARE(f.events.contains(QStringLiteral("status ") + text), refused);
        QCOMPARE(answerer.messages().size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(answerer.messages().at(0).type, platform::MessageType::Information);
            QCOMPARE(answerer.messages().at(0).text, text);
            QCOMPARE(answerer.messages().at(0).buttons, int(platform::ButtonOk));
        }
        // The stream after an end is not drawn.
        f.feedPayload(QStringLiteral("01:00 41"));
        QCOMPARE(changedCells(f.screen), QStringList());
    }

    void emptyPayloadIsIgnored()
    {
        platform::ScriptedAnswerer answerer;
        Fixture f;
        f.feedPayload(QStringLiteral("01:02 41"));
        // A status 5 left in the buffer by an earlier record must not end
        // the emulation when a record without payload arrives.
        f.session.DisplayBuffer[6] = 5;
        f.feed("012700");
        QVERIFY(f.state.EmulationActive);
        QCOMPARE(changedCells(f.screen), QStringList{"0,0 A #000000"});
        QVERIFY(answerer.messages().isEmpty());
        QVERIFY(!f.events.contains(QStringLiteral("ResetLeds")));
    }

    void longestRecordStaysInTheBuffer()
    {
        // 255 payload bytes: status and 254 characters, no cursor moves;
        // the first 41 land on line 0, the rest are dropped.
        Fixture f;
        QByteArray record = QByteArray::fromHex("0127ff02");
        record += QByteArray(254, 'z');
        copyRecord(f.session, record);
        f.decoder.DecodeDisplayStream();
        QCOMPARE(f.screen.rowText(0), QByteArray(41, 'z'));
        QCOMPARE(f.state.CursorColumn, 41);
    }
};

QTEST_GUILESS_MAIN(TestDisplayStream)
#include "tst_displaystream.moc"

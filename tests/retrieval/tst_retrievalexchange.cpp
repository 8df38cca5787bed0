// Retrieval decoders behind the real message dispatch and request loops,
// against an in-process panel: a host 10 sensor retrieval whose sensors with
// a virtual address fetch their zone, and an input retrieval that goes on
// past a record with a code outside its table.

#include "RetrievalFixtures.h"

#include "../link/LinkFakes.h"

#include <QtTest>

namespace {

struct RetrievalHarness
{
    QTemporaryDir programDirectory;
    LinkSession session;
    FakeView view;
    FakeKxLink api;
    MemoryRetrievalGrid grid;
    platform::Table table;
    SensorZoneMark zoneMark;
    RetrievalDecoders decoders{session, grid, table, zoneMark, programDirectory.path()};
    LinkDispatch dispatch{session, view, api, decoders};
    LinkMessageWindow window{dispatch};
    LinkRequests requests{session, view, api, zoneMark};
    SessionControl control{session, view, api, requests};

    RetrievalHarness()
    {
        api.window = window.windowHandle();
        view.handle = window.windowHandle();
        QObject::connect(view.timers[LinkTimer::AckNTimeOutTimer], &QTimer::timeout,
                         [this] { control.AckNTimeOutTimerTimer(); });
        QObject::connect(view.timers[LinkTimer::ReplyTimeOutTimer], &QTimer::timeout,
                         [this] { control.ReplyTimeOutTimerTimer(); });
        QObject::connect(view.timers[LinkTimer::TimerAck], &QTimer::timeout, [this] { control.TimerAckTimer(); });
        session.OnLine = true;
        session.RequestNode = 5;
        session.LinkState = 4;
    }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c)
            cells.append(grid.cell(c, r));
        return cells;
    }
};

QByteArray record(quint8 node, quint8 code, const QByteArray &payload)
{
    return bytesOf({node, code, int(payload.size())}) + payload;
}

} // namespace

class TestRetrievalExchange : public QObject
{
    Q_OBJECT

private slots:
    void sensorsFetchTheirVirtualAddresses();
    void transferGoesOnPastABadCode();
};

void TestRetrievalExchange::sensorsFetchTheirVirtualAddresses()
{
    RetrievalHarness h;
    setHost(h.session, 10, 0);
    h.session.LoopCount = 1;
    h.session.SensorsPerLoop = 3;
    h.session.LoopFrom = 1;
    h.session.LoopTo = 1;
    h.session.SensorFrom = 1;
    h.session.SensorTo = 3;
    h.view.infoIndex = retrievalkind::NonVolatileSensorData;
    h.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);

    // Sensors 1 and 3 have the virtual sub-addresses 4 and 12 in zones 9
    // and 10; the zone replies carry the system zones 900 and 1000.
    h.api.panel = [](const QByteArray &command) -> PanelAnswer {
        const quint8 code = quint8(command.at(1));
        if (code == 1)
            return {true, record(5, 35, QByteArray::fromHex("00"))};
        if (code == 7 + 128) {
            const quint8 sensor = quint8(command.at(4));
            const QByteArray tail = sensor == 1 ? QByteArray::fromHex("000004")
                                                : sensor == 3 ? QByteArray::fromHex("00000C") : QByteArray::fromHex("000000");
            const quint8 zone = sensor == 3 ? 0x0A : 0x09;
            return {true, record(5, 7, bytesOf({1, sensor, 1, 2, zone, 0, 0, 0}) + tail)};
        }
        if (code == 8 + 128) {
            const quint8 zone = quint8(command.at(3));
            const QByteArray systemZone = zone == 9 ? QByteArray::fromHex("0384") : QByteArray::fromHex("03E8");
            return {true, record(5, 8, bytesOf({zone, 1, 1, 0, 0}) + systemZone + QByteArray::fromHex("0000"))};
        }
        return {true, QByteArray()};
    };
    h.requests.SensorConfigurationLoop(false, false);
    QVERIFY(!h.session.AbortFlag);

    // node 5 | code | length | payload
    QCOMPARE(h.api.commandHex(), (QStringList{"05870201" "01", "058801" "09", "05870201" "02", "05870201" "03",
                                              "058801" "0a", "05010200" "00"}));
    QCOMPARE(h.row(1).at(13), QStringLiteral("00900/04"));
    QCOMPARE(h.row(2).at(13), QString());
    QCOMPARE(h.row(3).at(13), QStringLiteral("01000/12"));
    h.table.open();
    QCOMPARE(h.table.recordCount(), 3);
    const QList<QVariantList> stored = h.table.records();
    const int virtualAddress = 13; // field order of the host 10 sensor table
    QCOMPARE(stored.at(0).at(virtualAddress).toString(), QStringLiteral("00900/04"));
    QVERIFY(stored.at(1).at(virtualAddress).isNull());
    QCOMPARE(stored.at(2).at(virtualAddress).toString(), QStringLiteral("01000/12"));
}

void TestRetrievalExchange::transferGoesOnPastABadCode()
{
    RetrievalHarness h;
    setHost(h.session, 9, 0);
    h.session.InputCount = 3;
    h.session.RangeFrom = 1;
    h.session.RangeTo = 3;
    h.view.infoIndex = retrievalkind::NonVolatileInputData;
    h.decoders.context().AllRange = false;
    h.decoders.PrepareRetrieval(retrievalkind::NonVolatileInputData);
    QCOMPARE(h.grid.rowCount(), 4);

    // Input 2 is logged with code 7, beyond the logging table.
    h.api.panel = [](const QByteArray &command) -> PanelAnswer {
        const quint8 code = quint8(command.at(1));
        if (code == 11 + 128) {
            const quint8 number = quint8(command.at(4));
            const quint8 bits = number == 2 ? 0xE0 : 0x20;
            return {true, record(5, 11, bytesOf({0, number, 1, bits, 0, 0, 0, 1, 'X'}))};
        }
        return {true, record(5, 35, QByteArray::fromHex("00"))};
    };
    h.requests.InputConfigurationLoop(false);
    QVERIFY(!h.session.AbortFlag);
    QCOMPARE(h.row(1), (QStringList{"1", "General", "Unlatched", "Cont.", "Passive", "logged", "Common Fire", "-", "-", "X"}));
    QCOMPARE(h.row(2), (QStringList{"2", "General", "Unlatched", "Cont.", "Passive", "", "", "", "", ""}));
    QCOMPARE(h.row(3), (QStringList{"3", "General", "Unlatched", "Cont.", "Passive", "logged", "Common Fire", "-", "-", "X"}));
    QCOMPARE(h.api.commands.size(), 4); // three requests and the log-out
    h.table.open();
    QCOMPARE(h.table.recordCount(), 3);
}

QTEST_MAIN(TestRetrievalExchange)
#include "tst_retrievalexchange.moc"

// The Data Retrieve page and its workflow behind the real message dispatch
// and request loops, against an in-process panel: the selectors, the
// refusals before anything is sent, the sequence of requests of each kind,
// the version gate, abort, progress, and the saved file byte for byte.

#include "RetrievalFixtures.h"

#include "../link/LinkFakes.h"

#include <DataRetrievePage.h>
#include <DialogSeam.h>
#include <RetrievalFile.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

namespace {

QByteArray record(quint8 node, quint8 code, const QByteArray &payload)
{
    return bytesOf({node, code, int(payload.size())}) + payload;
}

// Panel limits, reply 6: 20 sensors a loop, 3 logic lines, 150 inputs,
// 2 outputs, 5 events, 2 loops, zones 1 to 3, 2 areas.
const QByteArray kLimits = QByteArray::fromHex("14" "00000000000000" "0003" "0096" "0002" "0005"
                                               "0000000000000000000000000000000000000000000000000000"
                                               "02" "01" "03" "02");
// Host version, reply 37: "8.37".
const QByteArray kHost837 = QByteArray::fromHex("0004382E3337");
const QByteArray kHost500 = QByteArray::fromHex("0004352E3030");

struct PageHarness
{
    QTemporaryDir programDirectory;
    LinkSession session;
    EmulationState selection;
    FakeView view;
    FakeKxLink api;
    SensorZoneMark zoneMark;
    DataRetrievePage page{session, selection};
    LinkDispatch dispatch{session, view, api, page.linkDecoders()};
    LinkMessageWindow window{dispatch};
    LinkRequests requests{session, view, api, zoneMark};
    SessionControl control{session, view, api, requests};
    QStandardItemModel panels;
    platform::ScriptedAnswerer answers;
    QStringList progress;

    // Panel answers by request code; unknown codes get a one-byte reply.
    QByteArray host = kHost837;
    quint8 variant = 0;
    std::function<QByteArray(const QByteArray &command)> data;

    PageHarness()
    {
        page.attach(requests, view, api, zoneMark, programDirectory.path());
        api.window = window.windowHandle();
        view.handle = window.windowHandle();
        QObject::connect(view.timers[LinkTimer::ReplyTimeOutTimer], &QTimer::timeout,
                         [this] { control.ReplyTimeOutTimerTimer(); });
        QObject::connect(view.timers[LinkTimer::AckNTimeOutTimer], &QTimer::timeout,
                         [this] { control.AckNTimeOutTimerTimer(); });
        session.OnLine = true;
        session.LinkState = 4;
        session.LinkSiteKey = "12345";
        session.LoopFrom = 1;
        session.LoopTo = 8;
        session.SensorFrom = 1;
        session.SensorTo = 128;
        session.RangeFrom = 1;
        session.RangeTo = 1000;
        session.SystemZoneFrom = 1;
        session.SystemZoneTo = 65535;
        // The main window appends the last two kinds.
        page.ComboBoxDataRetrieveInfo->addItem(QStringLiteral("Zone Test Results"));
        page.ComboBoxDataRetrieveInfo->addItem(QStringLiteral("System Zone Data"));

        for (const char *address : {"3", "1/2", "12"})
            panels.appendRow(new QStandardItem(QString::fromLatin1(address)));
        page.DataRetreiveDBGrid->setModel(&panels);
        page.DataRetreiveDBGrid->setCurrentIndex(panels.index(0, 0));

        DataRetrieveHooks hooks;
        hooks.setProgressText = [this](const QString &text) { progress << text; };
        page.setHooks(hooks);

        api.panel = [this](const QByteArray &command) -> PanelAnswer {
            const quint8 node = quint8(command.at(0));
            const quint8 code = quint8(command.at(1));
            const QByteArray payload = command.mid(3);
            switch (code) {
            case 1: return {true, record(node, 35, QByteArray(1, '\0'))};
            case 0x86: return {true, record(node, 6, kLimits)};
            case 0xA5: return {true, record(node, 37, host)};
            case 0x95: return {true, record(node, 21, QByteArray(1, char(variant)))};
            default: break;
            }
            const QByteArray reply = data ? data(command) : QByteArray();
            return {true, reply.isEmpty() ? record(node, quint8(code - 128), payload) : record(node, quint8(code - 128), reply)};
        };
    }

    void choose(int kind)
    {
        page.ComboBoxDataRetrieveInfo->setCurrentIndex(kind);
        page.ComboBoxDataRetrieveInfoChange();
        view.infoIndex = kind;
    }

    void retrieve()
    {
        view.accessCodeText = QStringLiteral("1234");
        page.RetrieveDataButtonClick();
    }

    // Command records as hex, without the node byte.
    QStringList sent() const
    {
        QStringList out;
        for (const QByteArray &c : api.commands)
            out << QString::fromLatin1(c.mid(1).toHex());
        return out;
    }

    QStringList messageTexts() const
    {
        QStringList out;
        for (const auto &m : answers.messages())
            out << m.text;
        return out;
    }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < page.grid().columnCount(); ++c)
            cells << page.grid().cell(c, r);
        return cells;
    }
};

const QString kLogIn = QStringLiteral("010204d2");
const QString kLogOut = QStringLiteral("01020000");

} // namespace

class TestDataRetrievePage : public QObject
{
    Q_OBJECT

private slots:
    void sensorSelector_data();
    void sensorSelector();
    void rangeLoopAndSystemZoneSelectors();
    void kindShowsItsSelectors_data();
    void kindShowsItsSelectors();
    void refusalsSendNothing_data();
    void refusalsSendNothing();
    void sequenceOfAKind_data();
    void sequenceOfAKind();
    void sensorRangeFollowsTheVariant_data();
    void sensorRangeFollowsTheVariant();
    void inputRowsFollowTheRange_data();
    void inputRowsFollowTheRange();
    void hostTooLowForTheKind();
    void wrongAccessCodeSendsNoDataRequest();
    void abortEndsTheRetrievalAtOnce();
    void controlsLockedWhileRunning();
    void progressCountsItems();
    void saveWritesFilledRowsOnly();
    void saveThroughTheDialog();
    void saveFormatCutsLongTexts();
};

// ---------------------------------------------------------------------------
// Selectors

void TestDataRetrievePage::sensorSelector_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("All") << 0 << 0 << 1 << 252;
    QTest::newRow("1-10") << 1 << 0 << 1 << 10;
    QTest::newRow("11-20") << 2 << 0 << 11 << 20;
    QTest::newRow("111-120") << 12 << 1 << 111 << 120;
    QTest::newRow("121-130 variant 0") << 13 << 0 << 121 << 128;
    QTest::newRow("121-130 variant 1") << 13 << 1 << 121 << 126;
    QTest::newRow("121-130 variant 2") << 13 << 2 << 121 << 130;
    QTest::newRow("121-130 variant 3 keeps") << 13 << 3 << 7 << 9;
    QTest::newRow("241-250") << 25 << 0 << 241 << 250;
    QTest::newRow("251-252") << 26 << 2 << 251 << 252;
    QTest::newRow("nothing chosen is All") << -1 << 0 << 1 << 252;
}

void TestDataRetrievePage::sensorSelector()
{
    QFETCH(int, index);
    QFETCH(int, variant);
    QFETCH(int, from);
    QFETCH(int, to);
    PageHarness h;
    h.session.SensorFrom = 7;
    h.session.SensorTo = 9;
    h.session.PanelVariant = quint8(variant);
    h.page.ComboBoxDRSensor->setCurrentIndex(index);
    h.page.ComboBoxDRSensorChange();
    QCOMPARE(h.session.SensorFrom, from);
    QCOMPARE(h.session.SensorTo, to);
}

void TestDataRetrievePage::rangeLoopAndSystemZoneSelectors()
{
    PageHarness h;
    struct Case
    {
        int index;
        int from, to;
    };
    for (const Case &c : {Case{0, 1, 8}, Case{3, 3, 3}, Case{8, 8, 8}, Case{-1, 1, 8}}) {
        h.page.ComboBoxDRLoop->setCurrentIndex(c.index);
        h.page.ComboBoxDRLoopChange();
        QCOMPARE(h.session.LoopFrom, c.from);
        QCOMPARE(h.session.LoopTo, c.to);
    }
    for (const Case &c : {Case{0, 1, 1000}, Case{1, 1, 100}, Case{2, 101, 200}, Case{10, 901, 1000}, Case{-1, 1, 1000}}) {
        h.page.ComboBoxDRrange->setCurrentIndex(c.index);
        h.page.ComboBoxDRrangeChange();
        QCOMPARE(h.session.RangeFrom, c.from);
        QCOMPARE(h.session.RangeTo, c.to);
    }
    for (const Case &c : {Case{17, 17, 17}, Case{0, 1, 65535}, Case{65535, 65535, 65535}}) {
        h.page.SystemZonesEdit->setValue(c.index); // the edit's own change signal
        QCOMPARE(h.session.SystemZoneFrom, c.from);
        QCOMPARE(h.session.SystemZoneTo, c.to);
    }
}

void TestDataRetrievePage::kindShowsItsSelectors_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown"); // L loop+sensor, R range, S system zone, Z zone test
    QTest::newRow("sensor configuration") << 0 << "L";
    QTest::newRow("zone configuration") << 1 << "";
    QTest::newRow("inputs") << 4 << "R";
    QTest::newRow("outputs") << 5 << "R";
    QTest::newRow("sensor values") << 7 << "L";
    QTest::newRow("input states") << 11 << "R";
    QTest::newRow("output states") << 12 << "R";
    QTest::newRow("events") << 13 << "";
    QTest::newRow("zone test") << 16 << "Z";
    QTest::newRow("system zones") << 17 << "S";
}

void TestDataRetrievePage::kindShowsItsSelectors()
{
    QFETCH(int, kind);
    QFETCH(QString, shown);
    PageHarness h;
    h.page.show();
    // A kind shown before leaves nothing of its own behind.
    h.choose(17);
    h.page.SystemZonesEdit->setValue(44);
    h.choose(0);
    h.page.ComboBoxDRLoop->setCurrentIndex(4);
    h.choose(kind);
    const DataRetrievePage &p = h.page;
    QCOMPARE(p.ComboBoxDRLoop->isVisible(), shown == "L");
    QCOMPARE(p.LabelDRLoop->isVisible(), shown == "L");
    QCOMPARE(p.ComboBoxDRSensor->isVisible(), shown == "L");
    QCOMPARE(p.LabelDRSensor->isVisible(), shown == "L");
    QCOMPARE(p.ComboBoxDRrange->isVisible(), shown == "R");
    QCOMPARE(p.LabelDRRange->isVisible(), shown == "R");
    QCOMPARE(p.SystemZonesEdit->isVisible(), shown == "S");
    QCOMPARE(p.LabelDRSystemZone->isVisible(), shown == "S");
    QCOMPARE(p.ZoneTestResultComboBox->isVisible(), shown == "Z");
    QCOMPARE(p.LabelZoneTest->isVisible(), shown == "Z");
    if (shown == "L") {
        QCOMPARE(p.ComboBoxDRLoop->currentIndex(), 0);
        QCOMPARE(p.ComboBoxDRSensor->currentIndex(), 0);
    }
    if (shown == "S") {
        QCOMPARE(p.SystemZonesEdit->value(), 0);
        QCOMPARE(h.session.SystemZoneTo, 65535);
    }
}

// ---------------------------------------------------------------------------
// Refusals

void TestDataRetrievePage::refusalsSendNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message"); // empty: no message at all
    QTest::newRow("not on line") << "offline" << "";
    QTest::newRow("no panel table") << "nopanels" << "You must select a panel.";
    QTest::newRow("panel without address") << "panel0" << "You must select a panel.";
    QTest::newRow("panel with sub beyond 31") << "panel45sub" << "You must select a panel.";
    QTest::newRow("no kind") << "nokind" << "You must select information to retreive.";
    QTest::newRow("no loop") << "noloop" << "You must select a loop.";
    QTest::newRow("no sensor range") << "nosensor" << "You must select a range.";
    QTest::newRow("no range") << "norange" << "You must select a range.";
}

void TestDataRetrievePage::refusalsSendNothing()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    PageHarness h;
    h.choose(fault == "norange" ? 4 : 0);
    if (fault == "offline")
        h.session.OnLine = false;
    if (fault == "nopanels")
        h.page.DataRetreiveDBGrid->setModel(nullptr);
    if (fault == "panel0" || fault == "panel45sub") {
        h.panels.item(0)->setText(fault == "panel0" ? "" : "45/1");
    }
    if (fault == "nokind")
        h.page.ComboBoxDataRetrieveInfo->setCurrentIndex(-1);
    if (fault == "noloop")
        h.page.ComboBoxDRLoop->setCurrentIndex(-1);
    if (fault == "nosensor")
        h.page.ComboBoxDRSensor->setCurrentIndex(-1);
    if (fault == "norange")
        h.page.ComboBoxDRrange->setCurrentIndex(-1);

    h.retrieve();
    QVERIFY(h.api.commands.isEmpty());
    QCOMPARE(h.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(h.answers.messages().constFirst().type, platform::MessageType::Error);
        // PreprocessExit ran: controls free, watchdogs back on.
        QVERIFY(h.page.RetrieveDataButton->isEnabled());
        QVERIFY(!h.page.AbortDataRetreiveButton->isEnabled());
        QVERIFY(h.api.calls.contains("EnableWatchDogs"));
        QCOMPARE(h.page.lastOutcome(), DataRetrievePage::Outcome::Refused);
    } else {
        QVERIFY(h.api.calls.isEmpty());
    }
}

// ---------------------------------------------------------------------------
// Sequences

void TestDataRetrievePage::sequenceOfAKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("loopIndex");
    QTest::addColumn<int>("sensorIndex");
    QTest::addColumn<QStringList>("commands");
    // code | length | payload, without the node byte
    QTest::newRow("zones") << 1 << 0 << 0
                           << QStringList{kLogIn, "860100", "a50100", "880101", "880102", "880103", kLogOut};
    QTest::newRow("areas") << 2 << 0 << 0 << QStringList{kLogIn, "860100", "a50100", "890101", "890102", kLogOut};
    QTest::newRow("loops") << 3 << 0 << 0 << QStringList{kLogIn, "860100", "a50100", "8a0101", "8a0102", kLogOut};
    QTest::newRow("outputs") << 5 << 0 << 0
                             << QStringList{kLogIn, "860100", "a50100", "8c020001", "8c020002", kLogOut};
    QTest::newRow("logic asks the version first")
        << 6 << 0 << 0 << QStringList{kLogIn, "a50100", "860100", "8d020001", "8d020002", "8d020003", kLogOut};
    QTest::newRow("loop 2 sensors 11-20 with variant")
        << 0 << 2 << 2
        << QStringList{kLogIn, "860100", "a50100", "950100", "8702020b", "8702020c", "8702020d", "8702020e",
                       "8702020f", "870202" "10", "870202" "11", "870202" "12", "870202" "13", "870202" "14", kLogOut};
    QTest::newRow("sensor values loop 1 sensors 1-10")
        << 7 << 1 << 1
        << QStringList{kLogIn,     "860100",   "a50100",   "950100",   "98020101", "98020102", "98020103",
                       "98020104", "98020105", "98020106", "98020107", "98020108", "98020109", "9802010a", kLogOut};
    QTest::newRow("events: limits after the preparation, no version")
        << 13 << 0 << 0
        << QStringList{kLogIn, "860100", "9b06000104" "0a0500", "9b06" "0007040a0502", "9b06" "0007040a0502", kLogOut};
    QTest::newRow("pager on 8.37: 255 entries") << 15 << 0 << 0 << QStringList();
}

void TestDataRetrievePage::sequenceOfAKind()
{
    QFETCH(int, kind);
    QFETCH(int, loopIndex);
    QFETCH(int, sensorIndex);
    QFETCH(QStringList, commands);
    PageHarness h;
    // Events: 3 stored; each record names the next by its bytes 0 and 1.
    h.data = [](const QByteArray &command) -> QByteArray {
        if (quint8(command.at(1)) == 0x9B) {
            QByteArray event(23, '\0');
            event[1] = 7;
            event[12] = 3;
            return event + QByteArray::fromHex("0000");
        }
        return QByteArray();
    };
    h.choose(kind);
    h.page.ComboBoxDRLoop->setCurrentIndex(loopIndex);
    h.page.ComboBoxDRSensor->setCurrentIndex(sensorIndex);
    h.retrieve();
    if (kind == retrievalkind::Pager) {
        const QStringList sent = h.sent();
        QCOMPARE(sent.size(), 3 + 255 + 1);
        QCOMPARE(sent.at(3), QStringLiteral("cc0101"));
        QCOMPARE(sent.at(257), QStringLiteral("cc01ff"));
        QCOMPARE(sent.last(), kLogOut);
    } else {
        QCOMPARE(h.sent(), commands);
    }
    // Every command went to panel 3, node 3.
    for (const QByteArray &c : h.api.commands)
        QCOMPARE(quint8(c.at(0)), quint8(3));
    QCOMPARE(h.page.lastOutcome(), DataRetrievePage::Outcome::Completed);
    QVERIFY(h.session.RetrievalStarted);
    QVERIFY(h.page.RetrieveDataButton->isEnabled());
    QVERIFY(h.page.PrintButton->isEnabled());
    QVERIFY(!h.page.AbortDataRetreiveButton->isEnabled());
    QCOMPARE(h.view.steps.filter("hideProgressMessage").size() >= 1, true);
    QCOMPARE(h.api.calls.filter("WatchDogs"), (QStringList{"DisableWatchDogs", "EnableWatchDogs"}));
}

void TestDataRetrievePage::sensorRangeFollowsTheVariant_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("lastSensor");
    QTest::newRow("variant 0 ends at 128") << 0 << "87020180";
    QTest::newRow("variant 1 ends at 126") << 1 << "8702017e";
    QTest::newRow("variant 2 skips 126, 127, ends at 130") << 2 << "87020182";
}

void TestDataRetrievePage::sensorRangeFollowsTheVariant()
{
    QFETCH(int, variant);
    QFETCH(QString, lastSensor);
    PageHarness h;
    h.variant = quint8(variant);
    // Panel limits with 252 sensors a loop.
    QByteArray limits = kLimits;
    limits[0] = char(252);
    h.api.panel = [&h, limits, base = h.api.panel](const QByteArray &command) {
        if (quint8(command.at(1)) == 0x86)
            return PanelAnswer{true, record(quint8(command.at(0)), 6, limits)};
        return base(command);
    };
    h.choose(0);
    h.page.ComboBoxDRLoop->setCurrentIndex(1);
    h.page.ComboBoxDRSensor->setCurrentIndex(13); // "121-130"
    h.retrieve();
    const QStringList sent = h.sent();
    QCOMPARE(sent.at(3), QStringLiteral("950100"));
    QCOMPARE(sent.at(4), QStringLiteral("87020179")); // 121
    QCOMPARE(sent.at(sent.size() - 2), lastSensor);
    QCOMPARE(sent.contains("8702017e"), variant != 2);
    QCOMPARE(sent.contains("8702017f"), variant == 0);
}

void TestDataRetrievePage::inputRowsFollowTheRange_data()
{
    QTest::addColumn<int>("rangeIndex");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("All: InputCount + 1") << 0 << 151 << "8b020001" << "8b020096";
    QTest::newRow("101-200: 100 data rows, cut to 150 on the wire") << 2 << 101 << "8b020065" << "8b020096";
}

void TestDataRetrievePage::inputRowsFollowTheRange()
{
    QFETCH(int, rangeIndex);
    QFETCH(int, rows);
    QFETCH(QString, first);
    QFETCH(QString, last);
    PageHarness h;
    h.host = QByteArray::fromHex("0004392E3030"); // 9.00
    // Input N: type 5 (internal), board 1, channel N, text "IN".
    h.data = [](const QByteArray &command) {
        const QByteArray number = command.mid(3, 2);
        return number + QByteArray::fromHex("05" "00" "01") + number.right(1) + QByteArray::fromHex("00" "02" "494E");
    };
    h.choose(4);
    h.page.ComboBoxDRrange->setCurrentIndex(rangeIndex);
    h.retrieve();
    QCOMPARE(h.page.grid().rowCount(), rows);
    const QStringList sent = h.sent();
    QCOMPARE(sent.at(3), first);
    QCOMPARE(sent.at(sent.size() - 2), last);
    const int fetched = sent.size() - 4;
    // Rows are filled in order of arrival; the reserved rows beyond stay empty.
    QCOMPARE(h.row(1).at(0), first == "8b020001" ? QStringLiteral("1") : QStringLiteral("101"));
    QCOMPARE(h.row(1).at(7), first == "8b020001" ? QStringLiteral("CHANNEL = 1") : QStringLiteral("CHANNEL = 101"));
    QCOMPARE(h.row(fetched).at(9), QStringLiteral("IN"));
    if (fetched + 1 < rows)
        QCOMPARE(h.row(fetched + 1).at(0), QString());
    QCOMPARE(h.page.itemsDone(), fetched);
    QCOMPARE(h.page.itemsToFetch(), fetched);
}

void TestDataRetrievePage::hostTooLowForTheKind()
{
    PageHarness h;
    // A zone retrieval first leaves rows in the grid.
    h.choose(1);
    h.retrieve();
    QVERIFY(!h.row(1).at(0).isEmpty());
    h.api.commands.clear();
    h.host = kHost500;
    h.choose(14);
    h.retrieve();
    QCOMPARE(h.messageTexts(), QStringList{"LON Devices only supported in Host V6.XX"});
    QCOMPARE(h.answers.messages().constFirst().type, platform::MessageType::Information);
    // Log-in and the two opening requests; no LON request; logged out again.
    QCOMPARE(h.sent(), (QStringList{kLogIn, "860100", "a50100", kLogOut}));
    QVERIFY(!h.session.LoggedOn);
    QCOMPARE(h.row(1).at(0), QString());
    QCOMPARE(h.page.lastOutcome(), DataRetrievePage::Outcome::Refused);
}

void TestDataRetrievePage::wrongAccessCodeSendsNoDataRequest()
{
    PageHarness h;
    h.api.panel = [base = h.api.panel](const QByteArray &command) {
        if (quint8(command.at(1)) == 1 && command.mid(3) != QByteArray(2, '\0'))
            return PanelAnswer{true, record(quint8(command.at(0)), 35, QByteArray(1, char(17)))};
        return base(command);
    };
    h.choose(1);
    h.view.accessCodeText = QStringLiteral("999");
    h.page.RetrieveDataButtonClick();
    QCOMPARE(h.sent(), QStringList{"010203e7"});
    QCOMPARE(h.messageTexts(), QStringList{"Invalid Access Code"});
    QCOMPARE(h.page.lastOutcome(), DataRetrievePage::Outcome::Aborted);
    QVERIFY(!h.session.RetrievalStarted);
    QVERIFY(h.page.RetrieveDataButton->isEnabled());

    // Cancel in the access code dialog: nothing at all is sent.
    h.api.commands.clear();
    h.answers.clear();
    h.view.accessCodeResult = QDialog::Rejected;
    h.page.RetrieveDataButtonClick();
    QVERIFY(h.api.commands.isEmpty());
    QCOMPARE(h.page.lastOutcome(), DataRetrievePage::Outcome::Aborted);
}

void TestDataRetrievePage::abortEndsTheRetrievalAtOnce()
{
    PageHarness h;
    h.choose(2);
    // The areas decode as they come; Abort is pressed when area 1 is in.
    h.data = [](const QByteArray &command) {
        return QByteArray(1, command.at(3)) + QByteArray::fromHex("03" "0000000000" "02" "4142");
    };
    QObject::connect(h.page.AbortDataRetreiveButton, &QPushButton::clicked, [] {});
    bool pressed = false;
    h.view.onConnectDialog = nullptr;
    h.page.setHooks({nullptr,
                     [&](const QString &text) {
                         if (!pressed && text.startsWith(QStringLiteral("Retrieving 1 "))) {
                             pressed = true;
                             QVERIFY(h.page.AbortDataRetreiveButton->isEnabled());
                             h.page.AbortDataRetreiveButton->click();
                         }
                     },
                     nullptr});
    h.retrieve();
    QVERIFY(pressed);
    QCOMPARE(h.sent(), (QStringList{kLogIn, "860100", "a50100", "890101", kLogOut}));
    QCOMPARE(h.page.lastOutcome(), DataRetrievePage::Outcome::Aborted);
    QCOMPARE(h.row(1).mid(0, 3), (QStringList{"1", "EN", "EN"}));
    QCOMPARE(h.row(1).at(8), QStringLiteral("AB"));
    QVERIFY(h.page.RetrieveDataButton->isEnabled());
    QVERIFY(!h.page.AbortDataRetreiveButton->isEnabled());
}

void TestDataRetrievePage::controlsLockedWhileRunning()
{
    PageHarness h;
    h.choose(3);
    QList<bool> seen;
    h.data = [&](const QByteArray &command) {
        const DataRetrievePage &p = h.page;
        seen << p.RetrieveDataButton->isEnabled() << p.ButtonDataRetrieveSave->isEnabled()
             << p.PrintButton->isEnabled() << p.ComboBoxDataRetrieveInfo->isEnabled()
             << p.ComboBoxDRLoop->isEnabled() << p.ComboBoxDRSensor->isEnabled() << p.ComboBoxDRrange->isEnabled()
             << p.ZoneTestResultComboBox->isEnabled() << p.DataRetreiveDBGrid->isEnabled()
             << !p.AbortDataRetreiveButton->isEnabled();
        // A second click while the first runs starts nothing.
        h.page.RetrieveDataButtonClick();
        return QByteArray(1, command.at(3)) + QByteArray(1, '\1');
    };
    h.retrieve();
    QCOMPARE(seen.size(), 20);
    QVERIFY(!seen.contains(true));
    QCOMPARE(h.sent().size(), 6);
    QCOMPARE(h.row(2), (QStringList{"2", "EN"}));
}

void TestDataRetrievePage::progressCountsItems()
{
    PageHarness h;
    h.choose(1);
    h.retrieve();
    QCOMPARE(h.progress, (QStringList{"Retrieving 0 of 3", "Retrieving 1 of 3", "Retrieving 2 of 3",
                                      "Retrieving 3 of 3"}));
    QCOMPARE(h.page.itemsDone(), 3);
}

// ---------------------------------------------------------------------------
// Save to file

void TestDataRetrievePage::saveWritesFilledRowsOnly()
{
    MemoryRetrievalGrid grid;
    grid.setColumnCount(3);
    grid.setRowCount(5);
    grid.setHeader(0, QStringLiteral("AREA"));
    grid.setHeader(1, QStringLiteral("STATUS"));
    grid.setHeader(2, QStringLiteral("TEXT"));
    grid.setCell(0, 1, QStringLiteral("1"));
    grid.setCell(1, 1, QStringLiteral("EN"));
    grid.setCell(2, 1, QString::fromUtf8("K\u00fcche")); // ü is 0xFC in code page 1252
    // Row 2 is empty; row 3 has only later cells: neither is written.
    grid.setCell(1, 3, QStringLiteral("DIS"));
    grid.setCell(0, 4, QStringLiteral("4"));
    const QByteArray expected = QByteArray("project12345PANEL3  Repeater255\r\n"
                                           "AREA\tSTATUS\tTEXT\t\r\n"
                                           "1\tEN\tK\xFC" "che\t\r\n"
                                           "4\t\t\t\r\n");
    QCOMPARE(retrievalfile::fileBytes(grid, "12345", 3, 255), expected);
}

void TestDataRetrievePage::saveThroughTheDialog()
{
    PageHarness h;
    h.panels.item(0)->setText(QStringLiteral("1/2"));
    h.choose(3);
    h.data = [](const QByteArray &command) { return QByteArray(1, command.at(3)) + QByteArray(1, char(command.at(3) == 1)); };
    h.retrieve();
    QCOMPARE(h.page.grid().rowCount(), 3);
    const QString path = h.programDirectory.filePath(QStringLiteral("loops.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an earlier file, longer than the new one ..........................................");
    old.close();
    const QString before = QDir::currentPath();
    h.answers.answerFile(path);
    h.page.ButtonDataRetrieveSaveClick();
    QCOMPARE(QDir::currentPath(), before);
    QCOMPARE(h.answers.files().size(), 1);
    QCOMPARE(h.answers.files().constFirst().kind, platform::FileDialogKind::Save);
    QCOMPARE(h.answers.files().constFirst().defaultSuffix, QStringLiteral("txt"));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("project12345PANEL1  Repeater2\r\n"
                                         "LOOP\tSTATUS\t\r\n"
                                         "1\tEN\t\r\n"
                                         "2\tDIS\t\r\n"));

    // Cancelled: nothing written, no message.
    h.answers.answerFile(QString());
    h.page.ButtonDataRetrieveSaveClick();
    QVERIFY(h.answers.messages().isEmpty());
}

void TestDataRetrievePage::saveFormatCutsLongTexts()
{
    MemoryRetrievalGrid grid;
    grid.setColumnCount(2);
    grid.setRowCount(2);
    grid.setHeader(0, QString(300, QLatin1Char('H')));
    grid.setHeader(1, QStringLiteral("B"));
    const QByteArray key(260, 'k');
    const QByteArray bytes = retrievalfile::fileBytes(grid, key, 1, 255);
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.at(0), QByteArray("project") + key.left(248) + "\r");
    QCOMPARE(lines.at(1), QByteArray(255, 'H') + "\tB\t\r");
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(2).isEmpty());
}

QTEST_MAIN(TestDataRetrievePage)
#include "tst_dataretrievepage.moc"

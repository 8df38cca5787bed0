// The settings files: KXCOM.INI and KXMOD.INI with their keys, order and
// defaults, the modem profile store over KXMODEMS.INI and the port map.

#include "IniFile.h"
#include "Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(ComSettings)
Q_DECLARE_METATYPE(ModemStrings)

class TestSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file(const char *name) const { return m_dir->filePath(QLatin1String(name)); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("VELMORA_WINDIR", m_dir->path().toLocal8Bit());
    }
    void cleanup() { m_dir.reset(); }

    void readCom_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<ComSettings>("expected");

        QTest::newRow("no file") << QByteArray() << ComSettings();
        QTest::newRow("section without keys") << QByteArray("[Configuration]\r\n") << ComSettings();
        ComSettings all{"3", "19200", "7", "2", "Even", "12"};
        QTest::newRow("every key, Panel ignored")
            << QByteArray("[Configuration]\r\nComPort=3\r\nBaudRate=19200\r\nDataBits=7\r\nStopBits=2\r\n"
                          "Parity=Even\r\nPanel=5\r\nRepeater=12\r\n")
            << all;
        QTest::newRow("section and keys in other letter case")
            << QByteArray("[CONFIGURATION]\r\ncomport=3\r\nbaudrate=19200\r\ndatabits=7\r\nSTOPBITS=2\r\n"
                          "parity=Even\r\nrepeater=12\r\n")
            << all;
        ComSettings odd;
        odd.ComPort = "x1";
        odd.Parity = "Weird";
        QTest::newRow("texts taken as they are") << QByteArray("[Configuration]\r\nComPort=x1\r\nParity=Weird\r\n")
                                                 << odd;
    }

    void readCom()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ComSettings, expected);
        if (!bytes.isNull())
            QVERIFY(writeBytes(file("KXCOM.INI"), bytes));
        const ComSettings s = readComSettings();
        QCOMPARE(s.ComPort, expected.ComPort);
        QCOMPARE(s.BaudRate, expected.BaudRate);
        QCOMPARE(s.DataBits, expected.DataBits);
        QCOMPARE(s.StopBits, expected.StopBits);
        QCOMPARE(s.Parity, expected.Parity);
        QCOMPARE(s.Repeater, expected.Repeater);
    }

    void writeCom()
    {
        writeComSettings(ComSettings{"3", "38400", "8", "1", "Mark", "9"});
        QCOMPARE(readBytes(file("KXCOM.INI")),
                 QByteArray("[Configuration]\r\nComPort=3\r\nBaudRate=38400\r\nDataBits=8\r\nStopBits=1\r\n"
                            "Parity=Mark\r\nPanel=0\r\nRepeater=9\r\n"));
    }

    void readModem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ModemStrings>("expected");

        QTest::newRow("no file") << QByteArray() << ModemStrings();
        ModemStrings d;
        QCOMPARE(d.InitString, QByteArray("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0"));
        ModemStrings stored{"ATZ\\N3", "ATH", "%%%", "9,", "atdp"};
        QTest::newRow("every key, backslashes kept")
            << QByteArray("[Properties]\r\nInitString=ATZ\\N3\r\nHangUpCmd=ATH\r\nEscSeq=%%%\r\nDialPrefix=9,\r\n"
                          "DialStr=atdp\r\nPrevious=2\r\n")
            << stored;
        ModemStrings longInit;
        longInit.InitString = QByteArray(255, 'Z');
        QTest::newRow("strings cut to 255") << QByteArray("[Properties]\r\nInitString=" + QByteArray(300, 'Z') + "\r\n")
                                            << longInit;
    }

    void readModem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ModemStrings, expected);
        if (!bytes.isNull())
            QVERIFY(writeBytes(file("KXMOD.INI"), bytes));
        const ModemStrings s = readModemStrings();
        QCOMPARE(s.InitString, expected.InitString);
        QCOMPARE(s.HangUpCmd, expected.HangUpCmd);
        QCOMPARE(s.EscSeq, expected.EscSeq);
        QCOMPARE(s.DialPrefix, expected.DialPrefix);
        QCOMPARE(s.DialStr, expected.DialStr);
    }

    void previous_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("previous"); // INT_MIN: conversion error
        QTest::newRow("missing") << QByteArray() << 0;
        QTest::newRow("none selected") << QByteArray("[Properties]\r\nPrevious=-1\r\n") << -1;
        QTest::newRow("third") << QByteArray("[Properties]\r\nPrevious=2\r\n") << 2;
        QTest::newRow("not a number") << QByteArray("[Properties]\r\nPrevious=two\r\n") << INT_MIN;
        QTest::newRow("empty") << QByteArray("[Properties]\r\nPrevious=\r\n") << INT_MIN;
    }

    void previous()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, previous);
        if (!bytes.isNull())
            QVERIFY(writeBytes(file("KXMOD.INI"), bytes));
        if (previous == INT_MIN)
            QVERIFY_THROWS_EXCEPTION(SettingsConversionError, readPreviousModem());
        else
            QCOMPARE(readPreviousModem(), previous);
    }

    void writeModem()
    {
        writeModemSettings(ModemStrings{"AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0", "ATH0", "+++", "", "ATDT"}, -1);
        QCOMPARE(readBytes(file("KXMOD.INI")),
                 QByteArray("[Properties]\r\nInitString=AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r\nHangUpCmd=ATH0\r\n"
                            "EscSeq=+++\r\nDialPrefix=\r\nDialStr=ATDT\r\nPrevious=-1\r\n"));
    }

    // --- Modem profile store

    void modemStoreRecords()
    {
        QVERIFY(writeBytes(file("KXMODEMS.INI"), "[Index]\r\nZoom=\r\n\r\n[Defaults]\r\nInitStr=AT\r\n\r\n"
                                                 "[Zoom]\r\nMODEL=Zoom\r\nInitStr=ATZ\r\nEcsChars=+++\r\nHangUp=ATH\r\n"));
        ModemStore store;
        QCOMPARE(store.keys(), QList<QByteArray>{"Zoom"});

        store.add(ModemRecord{"US Robotics Sportster 56k", QByteArray(60, 'I'), "++++", "ATH0 and more"});
        QCOMPARE(store.keys(), (QList<QByteArray>{"Zoom", "US Robotics Sportster"}));
        QCOMPARE(readBytes(file("KXMODEMS.INI")),
                 QByteArray("[Index]\r\nZoom=\r\n\r\n[Defaults]\r\nInitStr=AT\r\n\r\n"
                            "[Zoom]\r\nMODEL=Zoom\r\nInitStr=ATZ\r\nEcsChars=+++\r\nHangUp=ATH\r\n\r\n"
                            "[US Robotics Sportster]\r\nMODEL=US Robotics Sportster\r\nInitStr=" + QByteArray(50, 'I')
                            + "\r\nEcsChars=+++\r\nHangUp=ATH0 and m\r\n"));

        // Added twice (in any letter case): refused, nothing changed.
        const QByteArray before = readBytes(file("KXMODEMS.INI"));
        QVERIFY_THROWS_EXCEPTION(ModemStoreError, store.add(ModemRecord{"ZOOM", "x", "x", "x"}));
        QVERIFY_THROWS_EXCEPTION(ModemStoreError, store.add(ModemRecord{"Index", "x", "x", "x"}));
        QVERIFY_THROWS_EXCEPTION(ModemStoreError, store.update("Nokia", ModemRecord{"Nokia", "x", "x", "x"}));
        QVERIFY_THROWS_EXCEPTION(ModemStoreError, store.remove("Nokia"));
        QVERIFY_THROWS_EXCEPTION(ModemStoreError, store.read("Defaults"));
        QCOMPARE(readBytes(file("KXMODEMS.INI")), before);

        // Renamed by an update: the old section goes.
        store.update("zoom", ModemRecord{"Zoom 2", "ATZ2", "+++", "ATH"});
        QCOMPARE(store.keys(), (QList<QByteArray>{"US Robotics Sportster", "Zoom 2"}));
        QCOMPARE(store.read("ZOOM 2"), (ModemRecord{"Zoom 2", "ATZ2", "+++", "ATH"}));
        store.remove("us robotics sportster");
        QCOMPARE(store.keys(), QList<QByteArray>{"Zoom 2"});
    }

    void modemModelNames_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << QByteArray("Hayes Accura") << true;
        QTest::newRow("blank") << QByteArray("  ") << false;
        QTest::newRow("closing bracket") << QByteArray("Modem]") << false;
        QTest::newRow("line break") << QByteArray("Mo\ndem") << false;
        QTest::newRow("bookkeeping section") << QByteArray("defaults") << false;
    }

    void modemModelNames()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, valid);
        QCOMPARE(isValidModemModel(model), valid);
    }

    // --- Port map

    void portMap()
    {
        QVERIFY(writeBytes(file("KXPORTS.INI"), "[Ports]\r\n1=/dev/ttyS0\r\n3= /dev/ttyUSB0 \r\n100=/dev/x\r\n"
                                                "x=/dev/y\r\n7=tcp://127.0.0.1:4001\r\n8=\r\n"));
        const QMap<int, QString> map = readPortMap();
        QCOMPARE(map, (QMap<int, QString>{{1, "/dev/ttyS0"}, {3, "/dev/ttyUSB0"}, {7, "tcp://127.0.0.1:4001"}}));

        writePortMapEntry(1, QString());
        writePortMapEntry(12, QStringLiteral("tcp://panel.local:10001"));
        QCOMPARE(readBytes(file("KXPORTS.INI")),
                 QByteArray("[Ports]\r\n3=/dev/ttyUSB0\r\n100=/dev/x\r\nx=/dev/y\r\n7=tcp://127.0.0.1:4001\r\n8=\r\n"
                            "12=tcp://panel.local:10001\r\n"));
    }

    void portDevices_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("valid");
        QTest::newRow("serial device") << "/dev/ttyUSB0" << true;
        QTest::newRow("windows name") << "COM3" << true;
        QTest::newRow("tcp") << "tcp://127.0.0.1:4001" << true;
        QTest::newRow("tcp host name") << "tcp://gateway.site:10001" << true;
        QTest::newRow("tcp ipv6") << "tcp://[::1]:4001" << true;
        QTest::newRow("tcp without port") << "tcp://host" << false;
        QTest::newRow("tcp port 0") << "tcp://host:0" << false;
        QTest::newRow("tcp port too big") << "tcp://host:65536" << false;
        QTest::newRow("tcp port not a number") << "tcp://host:12a" << false;
        QTest::newRow("tcp without host") << "tcp://:4001" << false;
        QTest::newRow("other scheme") << "udp://host:1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank around") << " /dev/ttyS0" << false;
        QTest::newRow("line break") << "/dev/tty\nS0" << false;
    }

    void portDevices()
    {
        QFETCH(QString, device);
        QFETCH(bool, valid);
        QCOMPARE(isValidPortDevice(device), valid);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

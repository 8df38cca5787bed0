#pragma once
// Test doubles for the link logic: a library that records every call and,
// as an in-process panel, answers each accepted command the way the real
// library reports it (link state 1 posted before UserCommand returns; then,
// from a zero timer, state 3, the reply record, state 4); a view that
// records what the window would show; recording decoders; and a harness
// that wires them together with a watchdog that ends any wait after a few
// seconds, so that a fault fails a test instead of hanging it.

#include <LinkDecoders.h>
#include <LinkDispatch.h>
#include <LinkSession.h>
#include <LinkView.h>
#include <Layerp.h>
#include <RecordReader.h>
#include <Pdlldef.h>
#include <SessionControl.h>

#include <Posting.h>
#include <Timing.h>

#include <QDialog>
#include <QHash>
#include <QMap>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <initializer_list>
#include <stdexcept>

inline QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(quint8(v)));
    return out;
}

// What the in-process panel does with one command.
struct PanelAnswer
{
    bool acknowledge = true;
    QByteArray reply; // empty: acknowledged but never answered
};

class FakeKxLink : public KxLinkApi
{
public:
    QStringList calls;            // every call, in order, with its arguments
    QList<QByteArray> commands;   // the command records handed to UserCommand
    platform::WindowHandle window = 0;
    std::deque<quint8> userCommandResults; // front first; empty: 1
    quint8 ownNodeIdResult = 1;
    quint8 openComPortResult = 1;
    // The panel's answer; the default answers every retrieval request with a
    // one-byte reply of its code, the log-in with reply 35 (answer 0) and
    // emulation commands with the acknowledgement only.
    std::function<PanelAnswer(const QByteArray &command)> panel;

    static PanelAnswer defaultAnswer(const QByteArray &command)
    {
        const quint8 node = quint8(command.at(0));
        const quint8 code = quint8(command.at(1));
        if (code == 1)
            return {true, bytesOf({node, 35, 1, 0})};
        if (code == 39)
            return {true, QByteArray()};
        return {true, bytesOf({node, quint8(code - 128), 1, 0})};
    }

    QStringList commandHex() const
    {
        QStringList out;
        for (const QByteArray &c : commands)
            out << QString::fromLatin1(c.toHex());
        return out;
    }

    void LoadDll() override { calls << "LoadDll"; }
    void UnloadDll() override { calls << "UnloadDll"; }
    quint8 OwnNodeID(quint8 networkMode, quint8 reserved, quint8 ownNodeId) override
    {
        calls << QStringLiteral("OwnNodeID(%1,%2,%3)").arg(networkMode).arg(reserved).arg(ownNodeId);
        return ownNodeIdResult;
    }
    quint8 OpenComPort(quint32 port, quint32 baudRate, quint32 dataBits, quint32 stopBits, quint32 parity) override
    {
        calls << QStringLiteral("OpenComPort(%1,%2,%3,%4,%5)").arg(port).arg(baudRate).arg(dataBits).arg(stopBits).arg(parity);
        return openComPortResult;
    }
    void CloseComPort() override { calls << "CloseComPort"; }
    void CurrentWindow(quintptr w) override { calls << QStringLiteral("CurrentWindow(%1)").arg(w); }
    quint8 UserCommand(const quint8 *record) override
    {
        const QByteArray command(reinterpret_cast<const char *>(record), 3 + record[2]);
        commands << command;
        calls << "UserCommand";
        quint8 result = 1;
        if (!userCommandResults.empty()) {
            result = userCommandResults.front();
            userCommandResults.pop_front();
        }
        if (result != 1)
            return result;
        post(platform::WM_USER + 0x04, 1);
        const PanelAnswer answer = panel ? panel(command) : defaultAnswer(command);
        QTimer::singleShot(0, [this, answer] {
            if (!answer.acknowledge)
                return;
            post(platform::WM_USER + 0x04, 3);
            if (answer.reply.isEmpty())
                return;
            platform::postMessage(window, platform::WM_USER + 0x0D, 0, answer.reply);
            post(platform::WM_USER + 0x04, 4);
        });
        return 1;
    }
    void SendInitializationRequest() override { calls << "SendInitializationRequest"; }
    void EnableWatchDogs() override { calls << "EnableWatchDogs"; }
    void DisableWatchDogs() override { calls << "DisableWatchDogs"; }
    void CheckForModem() override { calls << "CheckForModem"; }
    void SendToModem(const QByteArray &line) override { calls << "SendToModem(" + QString::fromLatin1(line) + ")"; }
    void SetModemEscSequence(const QByteArray &s) override { calls << "SetModemEscSequence(" + QString::fromLatin1(s) + ")"; }
    void SetModemHangUpCmd(const QByteArray &c) override { calls << "SetModemHangUpCmd(" + QString::fromLatin1(c) + ")"; }
    void HangUpModem() override { calls << "HangUpModem"; }
    void ModemDialBack(const QByteArray &n) override { calls << "ModemDialBack(" + QString::fromLatin1(n) + ")"; }

    void post(quint32 message, quintptr wParam) { platform::postMessage(window, message, wParam, quintptr(0)); }
};

class FakeView : public LinkView
{
public:
    FakeView()
    {
        for (LinkTimer t : {LinkTimer::AckNTimeOutTimer, LinkTimer::ReplyTimeOutTimer, LinkTimer::TimerAck}) {
            timers[t] = new QTimer;
            timers[t]->setInterval(platform::scaledInterval(linkTimerInterval(t)));
        }
    }
    ~FakeView() override { qDeleteAll(timers); }

    quintptr handle = 0;
    QStringList statusTexts;
    QStringList diagTexts;
    QMap<LinkIndicator, QColor> indicators;
    QMap<LinkMenuCommand, bool> menuEnabled;
    QMap<LinkMenuCommand, bool> menuChecked;
    QList<bool> sessionButtons;       // every enable (true) / disable (false)
    QStringList steps;                // reset steps, dialogs, progress, cursor, traces, table opens
    QMap<LinkTimer, QTimer *> timers;
    int infoIndex = 0;
    bool scopePaused = false;
    QList<QByteArray> sections{"Index", "12345"};
    QHash<QByteArray, QByteArray> siteNames{{"12345", "Harbour"}};
    SerialSettingsText settings{"1", "9600", "8", "1", "None", "3"};
    QByteArray initString = "AT&F0L3\\N0";
    int connectResult = QDialog::Rejected;
    int accessCodeResult = QDialog::Accepted;
    QString accessCodeText = "1234";
    std::function<void()> onConnectDialog;

    QString statusBar() const { return statusTexts.isEmpty() ? QString() : statusTexts.last(); }
    QString diag() const { return diagTexts.isEmpty() ? QString() : diagTexts.last(); }

    QWidget *dialogParent() override { return nullptr; }
    quintptr activeWindow() override { return handle; }
    void setStatusBar(const QString &text) override { statusTexts << text; }
    void setDiagText(const QString &text) override { diagTexts << text; }
    void setIndicator(LinkIndicator i, const QColor &c) override { indicators[i] = c; }
    void setMenuEnabled(LinkMenuCommand c, bool e) override { menuEnabled[c] = e; }
    void setMenuChecked(LinkMenuCommand c, bool k) override { menuChecked[c] = k; }
    bool isMenuChecked(LinkMenuCommand c) override { return menuChecked.value(c, false); }
    void setSessionButtonsEnabled(bool e) override { sessionButtons << e; }
    void startTimer(LinkTimer t) override { timers[t]->start(); }
    void stopTimer(LinkTimer t) override { timers[t]->stop(); }
    int dataRetrieveInfoIndex() override { return infoIndex; }
    bool isScopePaused() override { return scopePaused; }
    void traceReceived(int count, const QByteArray &b) override { steps << QStringLiteral("RX %1 %2").arg(count).arg(QString::fromLatin1(b.toHex())); }
    void traceSent(int count, const QByteArray &b) override { steps << QStringLiteral("TX %1 %2").arg(count).arg(QString::fromLatin1(b.toHex())); }
    QList<QByteArray> addressSectionNames() override { return sections; }
    QByteArray readAddressString(const QByteArray &section, const QByteArray &key, const QByteArray &def) override
    {
        if (key != "SiteName")
            return def;
        return siteNames.value(section, def);
    }
    void OpenSitePanelTable(const QByteArray &name) override { steps << "OpenSitePanelTable(" + QString::fromLatin1(name) + ")"; }
    SerialSettingsText serialSettings() override { return settings; }
    QByteArray modemInitString() override { return initString; }
    void stopEmulationIfActive() override { steps << "stopEmulationIfActive"; }
    void closeSitePanelViews() override { steps << "closeSitePanelViews"; }
    void clearRetrievalSelectors() override { steps << "clearRetrievalSelectors"; }
    void resetProcRunLed() override { steps << "resetProcRunLed"; }
    void clearEmulatedFront() override { steps << "clearEmulatedFront"; }
    void clearEmulationActive() override { steps << "clearEmulationActive"; }
    int execConnectDialog() override
    {
        steps << "TDlgConnect";
        if (onConnectDialog)
            onConnectDialog();
        return connectResult;
    }
    int execDialBackDialog() override { steps << "TDlgDialBack"; return QDialog::Rejected; }
    int execAccessCodeDialog(QString *code) override
    {
        steps << "TPasswordDlg";
        *code = accessCodeText;
        return accessCodeResult;
    }
    void hideProgressMessage() override { steps << "hideProgressMessage"; }
    void restoreCursor() override { steps << "restoreCursor"; }
};

class RecordingDecoders : public LinkDecoders
{
public:
    QStringList called;
    bool throwing = false;
    std::function<void(const QString &)> onCall;

    void hit(const QString &name)
    {
        called << name;
        if (onCall)
            onCall(name);
        if (throwing)
            throw std::runtime_error("conversion error");
    }

    void PanelLimits(int n) override { hit(QStringLiteral("PanelLimits(%1)").arg(n)); }
    void SensorConfiguration() override { hit("SensorConfiguration"); }
    void ZoneTestCollector(int code) override { hit(QStringLiteral("ZoneTestCollector(%1)").arg(code)); }
    void SensorVirtualAddress() override { hit("SensorVirtualAddress"); }
    void ZoneConfiguration() override { hit("ZoneConfiguration"); }
    void AreaConfiguration() override { hit("AreaConfiguration"); }
    void LoopConfiguration() override { hit("LoopConfiguration"); }
    void InputConfiguration() override { hit("InputConfiguration"); }
    void OutputConfiguration() override { hit("OutputConfiguration"); }
    void LogicConfiguration() override { hit("LogicConfiguration"); }
    void SensorValues() override { hit("SensorValues"); }
    void ZoneStatus() override { hit("ZoneStatus"); }
    void AreaStatus() override { hit("AreaStatus"); }
    void EventRecord() override { hit("EventRecord"); }
    void LoopStatus() override { hit("LoopStatus"); }
    void InputStatus() override { hit("InputStatus"); }
    void OutputStatus() override { hit("OutputStatus"); }
    void HostVersion() override { hit("HostVersion"); }
    void LedStates() override { hit("LedStates"); }
    void LonDevice() override { hit("LonDevice"); }
    void PagerRecord() override { hit("PagerRecord"); }
    void SystemZoneRecord() override { hit("SystemZoneRecord"); }
    void AlarmReport() override { hit("AlarmReport"); }
    void DisplayStream() override { hit("DisplayStream"); }
    void IdentifyCallingSite() override { hit("IdentifyCallingSite"); }
};

// Everything of the link wired as the main window wires it.
struct LinkHarness
{
    LinkSession session;
    FakeView view;
    FakeKxLink api;
    RecordingDecoders decoders;
    SensorZoneMark zoneMark;
    LinkDispatch dispatch{session, view, api, decoders};
    LinkMessageWindow window{dispatch};
    LinkRequests requests{session, view, api, zoneMark};
    SessionControl control{session, view, api, requests};
    QTimer watchdog;
    bool watchdogFired = false;

    LinkHarness()
    {
        api.window = window.windowHandle();
        view.handle = window.windowHandle();
        QObject::connect(view.timers[LinkTimer::AckNTimeOutTimer], &QTimer::timeout, [this] { control.AckNTimeOutTimerTimer(); });
        QObject::connect(view.timers[LinkTimer::ReplyTimeOutTimer], &QTimer::timeout, [this] { control.ReplyTimeOutTimerTimer(); });
        QObject::connect(view.timers[LinkTimer::TimerAck], &QTimer::timeout, [this] { control.TimerAckTimer(); });
        watchdog.setSingleShot(true);
        watchdog.setInterval(5000);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            watchdogFired = true;
            session.AbortFlag = true;
            session.CarrierUp = false;
        });
        watchdog.start();
        session.OnLine = true;
        session.RequestNode = 5;
        session.TargetNode = 9;
        session.LinkState = 4;
    }

    void deliver(quint32 message, quintptr wParam, const QByteArray &bytes = QByteArray(), quintptr lParam = 0)
    {
        platform::WindowMessage m;
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        m.bytes = bytes;
        window.sendMessage(m);
    }
};

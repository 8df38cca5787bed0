#pragma once
// The link logic without a window: a LinkView that keeps the status texts
// and indicator colours in fields and runs the exchange timers, and a bundle
// that owns a link session with its dispatch, requests and session control
// and receives the library's messages. The command-line jobs and the
// benchmarks talk to panels through it; the window uses the same classes
// with its widgets instead.

#include "Layerp.h"
#include "LinkDecoders.h"
#include "LinkDispatch.h"
#include "LinkSession.h"
#include "LinkView.h"
#include "Pdlldef.h"
#include "SessionControl.h"

#include <QHash>
#include <QTimer>

#include <functional>
#include <memory>

class HeadlessLinkView : public LinkView
{
public:
    HeadlessLinkView();
    ~HeadlessLinkView() override;

    // What a window would show.
    QString StatusBar;
    QString DiagText;
    QHash<int, QColor> Indicators;        // by LinkIndicator
    QHash<int, bool> MenuEnabled;         // by LinkMenuCommand
    QHash<int, bool> MenuChecked;         // by LinkMenuCommand
    bool SessionButtonsEnabled = false;
    int DataRetrieveInfoIndex = -1;
    SerialSettingsText Settings{QStringLiteral("1"), QStringLiteral("9600"), QStringLiteral("8"),
                                QStringLiteral("1"), QStringLiteral("None"), QStringLiteral("7")};
    QByteArray InitString = "AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0";
    quintptr MessageWindow = 0;           // the handle named to the library

    // Modal forms: without a handler a form is cancelled.
    std::function<int()> connectDialog;
    std::function<int()> dialBackDialog;
    std::function<int(QString *)> accessCodeDialog;

    QTimer *timer(LinkTimer which) const;

    QWidget *dialogParent() override { return nullptr; }
    quintptr activeWindow() override { return MessageWindow; }
    void setStatusBar(const QString &text) override { StatusBar = text; }
    void setDiagText(const QString &text) override { DiagText = text; }
    void setIndicator(LinkIndicator indicator, const QColor &colour) override { Indicators[int(indicator)] = colour; }
    void setMenuEnabled(LinkMenuCommand command, bool enabled) override { MenuEnabled[int(command)] = enabled; }
    void setMenuChecked(LinkMenuCommand command, bool checked) override { MenuChecked[int(command)] = checked; }
    bool isMenuChecked(LinkMenuCommand command) override { return MenuChecked.value(int(command), false); }
    void setSessionButtonsEnabled(bool enabled) override { SessionButtonsEnabled = enabled; }
    void startTimer(LinkTimer which) override { timer(which)->start(); }
    void stopTimer(LinkTimer which) override { timer(which)->stop(); }
    int dataRetrieveInfoIndex() override { return DataRetrieveInfoIndex; }
    bool isScopePaused() override { return true; }
    void traceReceived(int, const QByteArray &) override {}
    void traceSent(int, const QByteArray &) override {}
    QList<QByteArray> addressSectionNames() override { return {}; }
    QByteArray readAddressString(const QByteArray &, const QByteArray &, const QByteArray &defaultValue) override
    {
        return defaultValue;
    }
    void OpenSitePanelTable(const QByteArray &) override {}
    SerialSettingsText serialSettings() override { return Settings; }
    QByteArray modemInitString() override { return InitString; }
    void stopEmulationIfActive() override {}
    void closeSitePanelViews() override {}
    void clearRetrievalSelectors() override {}
    void resetProcRunLed() override {}
    void clearEmulatedFront() override {}
    void clearEmulationActive() override {}
    int execConnectDialog() override;
    int execDialBackDialog() override;
    int execAccessCodeDialog(QString *accessCode) override;
    void hideProgressMessage() override {}
    void restoreCursor() override {}

private:
    std::unique_ptr<QTimer> m_timers[3];
};

// A link session with everything that works on it, receiving the library's
// messages under its own window handle. The exchange timers call the session
// control's expiry handlers.
class HeadlessLink
{
public:
    explicit HeadlessLink(KxLinkApi &api);
    ~HeadlessLink();
    HeadlessLink(const HeadlessLink &) = delete;
    HeadlessLink &operator=(const HeadlessLink &) = delete;

    LinkSession Session;
    SensorZoneMark ZoneMark;
    HeadlessLinkView View;

    KxLinkApi &api() const { return m_api; }
    LinkDispatch &dispatch() const { return *m_dispatch; }
    LinkRequests &requests() const { return *m_requests; }
    SessionControl &control() const { return *m_control; }
    // Decoders of replies and unsolicited records (nullptr: the no-op ones).
    void setDecoders(LinkDecoders *decoders);
    // The handle under which the library is to post to this link.
    quintptr windowHandle() const;

    // Runs the message loop until `done` holds or `timeoutMs` has passed;
    // returns whether it holds.
    bool waitFor(const std::function<bool()> &done, int timeoutMs);

private:
    KxLinkApi &m_api;
    LinkDecoders m_noDecoders;
    std::unique_ptr<LinkDispatch> m_dispatch;
    std::unique_ptr<LinkRequests> m_requests;
    std::unique_ptr<SessionControl> m_control;
    std::unique_ptr<LinkMessageWindow> m_window;
};

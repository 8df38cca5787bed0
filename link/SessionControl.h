#pragma once
// Control of a link session from the main window's "&Connect" menu: Dial,
// Hangup, Dialback, Alarm reporting, Close communication; the session
// buttons that follow the link; the reset of the data views; and the expiry
// of the exchange timers.

#include "Layerp.h"
#include "LinkSession.h"
#include "LinkView.h"
#include "Pdlldef.h"

#include <QCoreApplication>

class SessionControl
{
    Q_DECLARE_TR_FUNCTIONS(SessionControl)

public:
    SessionControl(LinkSession &session, LinkView &view, KxLinkApi &api, LinkRequests &requests);

    void EnableSessionButtons();
    void DisableSessionButtons();
    void ResetDataViews();

    // Menu commands
    void Dial1Click();
    void Hangup1Click();
    void Dialback1Click();
    void Alarmreporting1Click();
    void CloseCommunication1Click();

    // Timer expiries
    void AckNTimeOutTimerTimer();
    void ReplyTimeOutTimerTimer();
    void TimerAckTimer();

    // Anyone who closes the port outside Close communication (program
    // close, the connect dialog's hang-up) tells it here, so that a wait for
    // the carrier to drop ends.
    void CommunicationClosed() { ++m_closeCount; }

private:
    LinkSession &m_session;
    LinkView &m_view;
    KxLinkApi &m_api;
    LinkRequests &m_requests;
    quint64 m_closeCount = 0;
};

#pragma once
// The main window's handling of the messages that the communications library
// posts (WM_USER+n): data records are copied into the link session's receive
// buffers and handed to their decoders, link states and line signals drive
// the exchange flags and the status indicators, modem lines and the modem
// check drive alarm reporting, raw frames go to the data scope.
//
// Link message record (replies WM_USER+0x0D, unsolicited WM_USER+0x0C):
//
//     +------+------+-----+------------------------+
//     | node | code |  n  | payload byte 0 .. n-1  |
//     +------+------+-----+------------------------+
//
// A copy writes only the bytes the record carries; buffer bytes beyond them
// keep what earlier records left there.

#include "LinkDecoders.h"
#include "LinkSession.h"
#include "LinkView.h"
#include "Pdlldef.h"

#include <Posting.h>

#include <QCoreApplication>
#include <QString>

namespace linkmsg {
constexpr quint32 RawReceived = platform::WM_USER + 0x00;
constexpr quint32 LinkReady = platform::WM_USER + 0x01;
constexpr quint32 RawSent = platform::WM_USER + 0x03;
constexpr quint32 LinkStateChanged = platform::WM_USER + 0x04;
constexpr quint32 LineSignals = platform::WM_USER + 0x05;
constexpr quint32 ModemSent = platform::WM_USER + 0x06;
constexpr quint32 ModemReceived = platform::WM_USER + 0x07;
constexpr quint32 ModemCheck = platform::WM_USER + 0x09;
constexpr quint32 Unsolicited = platform::WM_USER + 0x0C;
constexpr quint32 Reply = platform::WM_USER + 0x0D;
} // namespace linkmsg

class LinkDispatch
{
    Q_DECLARE_TR_FUNCTIONS(LinkDispatch)

public:
    LinkDispatch(LinkSession &session, LinkView &view, KxLinkApi &api, LinkDecoders &decoders);

    // Handles one message posted to the main window; messages that the main
    // window does not handle are ignored.
    void handleMessage(const platform::WindowMessage &message);

    // The decoders that replies and unsolicited records go to; the owner
    // may swap them when the retrieval, emulation or alarm code plugs in.
    void setDecoders(LinkDecoders &decoders) { m_decoders = &decoders; }
    LinkDecoders &decoders() const { return *m_decoders; }

    // "ON-LINE" - LinkSiteKey
    QString onLineText() const;

    // The message handlers, one per message.
    void RawFrameReceived(const platform::WindowMessage &message);
    void RawFrameSent(const platform::WindowMessage &message);
    void LinkReadyMessage();
    void LinkStateMessage(quintptr state);
    void LineSignalsMessage(const QByteArray &signalRecord);
    void ModemLineMessage(const QByteArray &shortText);
    void ModemCheckMessage(quintptr result);
    void UnsolicitedMessage(const QByteArray &record);
    void ReplyMessage(const QByteArray &record);

    // The panel's answer to a log-in or request (reply 35).
    void AccessCodeAnswer();

private:
    // Copies a record into ReceiveBuffer; returns false for a record too
    // short to carry node, code and length.
    bool copyToReceiveBuffer(const QByteArray &record);
    void copyToDisplayBuffer(const QByteArray &record);
    void decodeReply(quint8 code, int payloadLength);
    void showOnLine();

    LinkSession &m_session;
    LinkView &m_view;
    KxLinkApi &m_api;
    LinkDecoders *m_decoders;
    int m_lastPayloadLength = 0;
};

// A message window that hands every posted message to a dispatch; the
// headless command line and the tests use it, TForm1 forwards its own.
class LinkMessageWindow : public platform::MessageWindow
{
public:
    explicit LinkMessageWindow(LinkDispatch &dispatch) : m_dispatch(dispatch) {}

protected:
    void windowMessage(const platform::WindowMessage &message) override { m_dispatch.handleMessage(message); }

private:
    LinkDispatch &m_dispatch;
};

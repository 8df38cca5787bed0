#pragma once
// Framing of the panel link (see docs/link-protocol.md):
//
//  +------+---------------------------------------------+------+------+------+
//  | STX  |  body (stuffed)                             | CRC  | CRC  | ETX  |
//  | 0x02 |  TP RP DE SO MS D1 D2 ... Dn                | high | low  | 0x03 |
//  +------+---------------------------------------------+------+------+------+
//
// Between STX and ETX each 0x02, 0x03 or 0x10 goes out as 0x10 (DLE) and the
// byte XOR 0x20. The CRC is CRC-16/CCITT-FALSE over the unstuffed TP..Dn.
// The payload length is not sent; it follows from the frame's length.

#include "Export.h"

#include <QByteArray>
#include <QtGlobal>

namespace kxlink {

constexpr quint8 kStx = 0x02;
constexpr quint8 kEtx = 0x03;
constexpr quint8 kDle = 0x10;

// Frame types (TP).
enum FrameType : quint8 {
    kTypeCommand = 'Q',
    kTypeReply = 'R',
    kTypeUnsolicited = 'U',
    kTypeInitRequest = 'I',
    kTypeWatchdogPoll = 'W',
    kTypeAck = 'A',
};

constexpr quint8 kRepeatBit = 0x80;
constexpr int kHeaderLength = 5;              // TP RP DE SO MS
constexpr int kMaxPayload = 255;
constexpr int kMinBody = kHeaderLength + 2;   // header and CRC, no payload
constexpr int kMaxBody = kHeaderLength + kMaxPayload + 2;
constexpr int kMaxPlainFrame = kMaxBody + 2;  // with STX and ETX

KXLINK_TESTABLE bool isKnownFrameType(quint8 type);

// CRC-16/CCITT-FALSE: polynomial 0x1021, initial 0xFFFF, no reflection, no final XOR.
KXLINK_TESTABLE quint16 crc16(const quint8 *data, qsizetype length, quint16 crc = 0xFFFF);

struct FrameHeader
{
    quint8 type = 0;
    quint8 rp = 0;   // sequence number, bit 7 set on a repetition
    quint8 de = 0;   // destination node
    quint8 so = 0;   // source node
    quint8 ms = 0;   // message code
};

// Builds one frame. `wire` receives the stuffed bytes as they go on the line,
// `plain` (if given) the unstuffed frame STX..ETX as the data scope shows it.
// `payloadLength` is at most kMaxPayload.
KXLINK_TESTABLE void encodeFrame(const FrameHeader &header, const quint8 *payload, int payloadLength,
                                 QByteArray *wire, QByteArray *plain = nullptr);

// Reads frames out of a byte stream, one byte at a time, without ever
// buffering more than one frame. Bytes before an STX are skipped (and
// reported as outside bytes); an STX inside a frame abandons that frame;
// a frame that fails its checks is dropped without a trace.
class KXLINK_TESTABLE FrameParser
{
public:
    enum Result {
        Pending,    // the byte was consumed; no frame is complete
        Complete,   // a frame passed its checks: body() holds TP..Dn CRC
        Outside,    // the byte lies outside any frame (noise or modem text)
    };

    Result push(quint8 byte);
    void reset();

    // True while the parser is inside a frame that has not ended.
    bool inFrame() const { return m_state != State::Hunting; }

    // The unstuffed body of the last complete frame: TP RP DE SO MS D1..Dn CRC CRC.
    const quint8 *body() const { return m_body; }
    int bodyLength() const { return m_length; }
    int payloadLength() const { return m_length - kMinBody; }
    const quint8 *payload() const { return m_body + kHeaderLength; }
    FrameHeader header() const;

    // Frames dropped because they failed a check (for diagnostics and tests).
    quint64 droppedFrames() const { return m_dropped; }

private:
    enum class State { Hunting, Body, Escape };

    Result finish();
    void drop();

    State m_state = State::Hunting;
    int m_length = 0;
    quint64 m_dropped = 0;
    quint8 m_body[kMaxBody];
};

} // namespace kxlink

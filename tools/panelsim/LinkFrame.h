#pragma once
// Frames of the panel link, panel side.
//
//  +------+---------------------------------------------+------+------+------+
//  | STX  |  body (stuffed)                             | CRC  | CRC  | ETX  |
//  | 0x02 |  TP RP DE SO MS D1 D2 ... Dn                | high | low  | 0x03 |
//  +------+---------------------------------------------+------+------+------+
//
// TP frame type, RP sequence number 1..127 with bit 7 set on a repetition,
// DE destination node, SO source node, MS message code, D1..Dn payload
// (n = 0..255, not sent: it is what lies between MS and the CRC). The CRC is
// CRC-16/CCITT-FALSE over TP..Dn unstuffed, high byte first. Between STX and
// ETX the bytes 0x02, 0x03 and 0x10 go out as 0x10 followed by the byte XOR
// 0x20.
//
// Nothing here does I/O: the splitter cuts a byte stream into raw frames,
// decodeFrame checks and unpacks one, encodeFrame builds one.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace panelsim {

constexpr quint8 kStx = 0x02;
constexpr quint8 kEtx = 0x03;
constexpr quint8 kDle = 0x10;

enum class FrameType : quint8 {
    Command = 0x51,        // 'Q' station -> panel
    Reply = 0x52,          // 'R' panel -> station
    Unsolicited = 0x55,    // 'U' panel -> station
    Init = 0x49,           // 'I' station -> panel
    Watchdog = 0x57,       // 'W' station -> panel
    Ack = 0x41,            // 'A' both ways
};

bool isKnownFrameType(quint8 tp);

constexpr int kMaxPayload = 255;
constexpr int kHeaderSize = 5;                                 // TP RP DE SO MS
constexpr int kMinBody = kHeaderSize + 2;                      // header + CRC
constexpr int kMaxBody = kHeaderSize + kMaxPayload + 2;        // 262
// The longest a frame can be on the line: STX, every body byte stuffed, ETX.
constexpr int kMaxWireFrame = 1 + 2 * kMaxBody + 1;

struct LinkFrame
{
    quint8 type = 0;
    quint8 rp = 0;      // sequence number, bit 7 = repetition
    quint8 de = 0;
    quint8 so = 0;
    quint8 ms = 0;
    QByteArray data;

    quint8 seq() const { return rp & 0x7F; }
    bool isRepeat() const { return (rp & 0x80) != 0; }
    bool operator==(const LinkFrame &o) const = default;
};

quint16 crc16CcittFalse(const char *data, qsizetype size);
inline quint16 crc16CcittFalse(const QByteArray &bytes) { return crc16CcittFalse(bytes.constData(), bytes.size()); }

// The frame as it goes on the line (STX, stuffed body and CRC, ETX). The
// payload must not exceed kMaxPayload bytes (longer payloads are cut).
QByteArray encodeFrame(const LinkFrame &frame);

enum class FrameError {
    None,
    NotFramed,      // does not start with STX and end with ETX, or holds a bare STX/ETX
    BadEscape,      // DLE followed by anything but 0x22, 0x23, 0x30, or DLE at the end
    TooShort,       // body shorter than header + CRC
    TooLong,        // body longer than header + 255 + CRC
    BadCrc,
    UnknownType,
};

QString frameErrorText(FrameError error);

struct DecodeResult
{
    FrameError error = FrameError::None;
    LinkFrame frame;
    bool ok() const { return error == FrameError::None; }
};

// Checks one raw frame as cut by FrameSplitter (STX .. ETX, still stuffed).
DecodeResult decodeFrame(const QByteArray &wire);

// Cuts a received byte stream into raw frames: bytes before an STX are
// skipped, an STX inside an unfinished frame starts the frame anew, an ETX
// ends it. A frame that grows past kMaxWireFrame without its ETX is dropped.
class FrameSplitter
{
public:
    QList<QByteArray> feed(const QByteArray &bytes);
    void reset();
    // Bytes skipped as noise or as overlong frames since the last reset.
    qint64 discarded() const { return m_discarded; }

private:
    QByteArray m_current;
    bool m_inFrame = false;
    qint64 m_discarded = 0;
};

// One line for the log: type letter, sequence, repeat mark, nodes, code and
// payload, e.g. "Q seq=5 DE=1 SO=7 MS=0x86 data=00".
QString describeFrame(const LinkFrame &frame);

} // namespace panelsim

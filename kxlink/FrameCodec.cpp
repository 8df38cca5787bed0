#include "FrameCodec.h"

#include <array>

namespace kxlink {

namespace {

constexpr std::array<quint16, 256> makeCrcTable()
{
    std::array<quint16, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
        table[size_t(i)] = crc;
    }
    return table;
}

constexpr std::array<quint16, 256> kCrcTable = makeCrcTable();

inline bool needsStuffing(quint8 b)
{
    return b == kStx || b == kEtx || b == kDle;
}

inline void putStuffed(char *&out, quint8 b)
{
    if (needsStuffing(b)) {
        *out++ = char(kDle);
        *out++ = char(b ^ 0x20);
    } else {
        *out++ = char(b);
    }
}

} // namespace

bool isKnownFrameType(quint8 type)
{
    switch (type) {
    case kTypeCommand:
    case kTypeReply:
    case kTypeUnsolicited:
    case kTypeInitRequest:
    case kTypeWatchdogPoll:
    case kTypeAck:
        return true;
    default:
        return false;
    }
}

quint16 crc16(const quint8 *data, qsizetype length, quint16 crc)
{
    for (qsizetype i = 0; i < length; ++i)
        crc = quint16((crc << 8) ^ kCrcTable[size_t(((crc >> 8) ^ data[i]) & 0xFF)]);
    return crc;
}

void encodeFrame(const FrameHeader &header, const quint8 *payload, int payloadLength,
                 QByteArray *wire, QByteArray *plain)
{
    Q_ASSERT(payloadLength >= 0 && payloadLength <= kMaxPayload);
    const quint8 head[kHeaderLength] = {header.type, header.rp, header.de, header.so, header.ms};
    quint16 crc = crc16(head, kHeaderLength);
    crc = crc16(payload, payloadLength, crc);
    const quint8 crcBytes[2] = {quint8(crc >> 8), quint8(crc & 0xFF)};

    // Worst case: every body byte stuffed.
    const int bodyLength = kHeaderLength + payloadLength + 2;
    wire->resize(2 + 2 * bodyLength);
    char *out = wire->data();
    *out++ = char(kStx);
    for (quint8 b : head)
        putStuffed(out, b);
    for (int i = 0; i < payloadLength; ++i)
        putStuffed(out, payload[i]);
    putStuffed(out, crcBytes[0]);
    putStuffed(out, crcBytes[1]);
    *out++ = char(kEtx);
    wire->resize(out - wire->constData());

    if (plain) {
        plain->resize(bodyLength + 2);
        char *p = plain->data();
        *p++ = char(kStx);
        for (quint8 b : head)
            *p++ = char(b);
        for (int i = 0; i < payloadLength; ++i)
            *p++ = char(payload[i]);
        *p++ = char(crcBytes[0]);
        *p++ = char(crcBytes[1]);
        *p = char(kEtx);
    }
}

FrameHeader FrameParser::header() const
{
    return FrameHeader{m_body[0], m_body[1], m_body[2], m_body[3], m_body[4]};
}

void FrameParser::reset()
{
    m_state = State::Hunting;
    m_length = 0;
}

void FrameParser::drop()
{
    ++m_dropped;
    m_state = State::Hunting;
    m_length = 0;
}

FrameParser::Result FrameParser::push(quint8 byte)
{
    if (byte == kStx) {
        // A bare STX always starts a frame; one still open is abandoned.
        if (m_state != State::Hunting)
            ++m_dropped;
        m_state = State::Body;
        m_length = 0;
        return Pending;
    }

    switch (m_state) {
    case State::Hunting:
        return Outside;

    case State::Body:
        if (byte == kEtx)
            return finish();
        if (byte == kDle) {
            m_state = State::Escape;
            return Pending;
        }
        break;

    case State::Escape:
        if (byte != 0x22 && byte != 0x23 && byte != 0x30) {
            drop();
            return byte == kEtx ? Pending : Outside;
        }
        byte ^= 0x20;
        m_state = State::Body;
        break;
    }

    if (m_length >= kMaxBody) {
        drop();
        return Pending;
    }
    m_body[m_length++] = byte;
    return Pending;
}

FrameParser::Result FrameParser::finish()
{
    m_state = State::Hunting;
    if (m_length < kMinBody || !isKnownFrameType(m_body[0])) {
        drop();
        return Pending;
    }
    const quint16 crc = crc16(m_body, m_length - 2);
    if (m_body[m_length - 2] != quint8(crc >> 8) || m_body[m_length - 1] != quint8(crc & 0xFF)) {
        drop();
        return Pending;
    }
    return Complete;
}

} // namespace kxlink

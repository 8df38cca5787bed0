#include "LinkFrame.h"

namespace panelsim {

bool isKnownFrameType(quint8 tp)
{
    switch (FrameType(tp)) {
    case FrameType::Command:
    case FrameType::Reply:
    case FrameType::Unsolicited:
    case FrameType::Init:
    case FrameType::Watchdog:
    case FrameType::Ack:
        return true;
    }
    return false;
}

quint16 crc16CcittFalse(const char *data, qsizetype size)
{
    quint16 crc = 0xFFFF;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= quint16(quint8(data[i])) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

namespace {

bool needsStuffing(quint8 b)
{
    return b == kStx || b == kEtx || b == kDle;
}

void appendStuffed(QByteArray &out, quint8 b)
{
    if (needsStuffing(b)) {
        out.append(char(kDle));
        out.append(char(b ^ 0x20));
    } else {
        out.append(char(b));
    }
}

} // namespace

QByteArray encodeFrame(const LinkFrame &frame)
{
    QByteArray body;
    body.reserve(kHeaderSize + frame.data.size());
    body.append(char(frame.type));
    body.append(char(frame.rp));
    body.append(char(frame.de));
    body.append(char(frame.so));
    body.append(char(frame.ms));
    body.append(frame.data.left(kMaxPayload));
    const quint16 crc = crc16CcittFalse(body);
    body.append(char(crc >> 8));
    body.append(char(crc & 0xFF));

    QByteArray wire;
    wire.reserve(2 + 2 * body.size());
    wire.append(char(kStx));
    for (char c : std::as_const(body))
        appendStuffed(wire, quint8(c));
    wire.append(char(kEtx));
    return wire;
}

QString frameErrorText(FrameError error)
{
    switch (error) {
    case FrameError::None: return QStringLiteral("ok");
    case FrameError::NotFramed: return QStringLiteral("not framed");
    case FrameError::BadEscape: return QStringLiteral("invalid escape");
    case FrameError::TooShort: return QStringLiteral("too short");
    case FrameError::TooLong: return QStringLiteral("too long");
    case FrameError::BadCrc: return QStringLiteral("CRC mismatch");
    case FrameError::UnknownType: return QStringLiteral("unknown type");
    }
    return QString();
}

DecodeResult decodeFrame(const QByteArray &wire)
{
    DecodeResult result;
    const qsizetype size = wire.size();
    if (size < 2 || quint8(wire.at(0)) != kStx || quint8(wire.at(size - 1)) != kEtx) {
        result.error = FrameError::NotFramed;
        return result;
    }
    QByteArray body;
    body.reserve(size);
    for (qsizetype i = 1; i < size - 1; ++i) {
        const quint8 b = quint8(wire.at(i));
        if (b == kStx || b == kEtx) {
            result.error = FrameError::NotFramed;
            return result;
        }
        if (b == kDle) {
            if (i + 1 >= size - 1) {
                result.error = FrameError::BadEscape;
                return result;
            }
            const quint8 next = quint8(wire.at(++i));
            if (next != 0x22 && next != 0x23 && next != 0x30) {
                result.error = FrameError::BadEscape;
                return result;
            }
            body.append(char(next ^ 0x20));
        } else {
            body.append(char(b));
        }
        if (body.size() > kMaxBody) {
            result.error = FrameError::TooLong;
            return result;
        }
    }
    if (body.size() < kMinBody) {
        result.error = FrameError::TooShort;
        return result;
    }
    const qsizetype crcAt = body.size() - 2;
    const quint16 sent = quint16(quint8(body.at(crcAt)) << 8) | quint8(body.at(crcAt + 1));
    if (crc16CcittFalse(body.constData(), crcAt) != sent) {
        result.error = FrameError::BadCrc;
        return result;
    }
    const quint8 tp = quint8(body.at(0));
    if (!isKnownFrameType(tp)) {
        result.error = FrameError::UnknownType;
        return result;
    }
    result.frame.type = tp;
    result.frame.rp = quint8(body.at(1));
    result.frame.de = quint8(body.at(2));
    result.frame.so = quint8(body.at(3));
    result.frame.ms = quint8(body.at(4));
    result.frame.data = body.mid(kHeaderSize, crcAt - kHeaderSize);
    return result;
}

QList<QByteArray> FrameSplitter::feed(const QByteArray &bytes)
{
    QList<QByteArray> frames;
    for (char c : bytes) {
        const quint8 b = quint8(c);
        if (b == kStx) {
            if (m_inFrame)
                m_discarded += m_current.size();
            m_current.clear();
            m_current.append(c);
            m_inFrame = true;
            continue;
        }
        if (!m_inFrame) {
            ++m_discarded;
            continue;
        }
        m_current.append(c);
        if (b == kEtx) {
            frames.append(m_current);
            m_current.clear();
            m_inFrame = false;
        } else if (m_current.size() >= kMaxWireFrame) {
            // No valid frame is this long: give it up and wait for the next STX.
            m_discarded += m_current.size();
            m_current.clear();
            m_inFrame = false;
        }
    }
    return frames;
}

void FrameSplitter::reset()
{
    m_current.clear();
    m_inFrame = false;
    m_discarded = 0;
}

QString describeFrame(const LinkFrame &frame)
{
    const QChar letter = (frame.type >= 0x20 && frame.type < 0x7F) ? QChar(frame.type) : QChar('?');
    QString text = QStringLiteral("%1 seq=%2%3 DE=%4 SO=%5 MS=0x%6")
                       .arg(letter)
                       .arg(frame.seq())
                       .arg(frame.isRepeat() ? QStringLiteral(" (repeat)") : QString())
                       .arg(frame.de)
                       .arg(frame.so)
                       .arg(frame.ms, 2, 16, QChar('0'));
    if (!frame.data.isEmpty())
        text += QStringLiteral(" data=") + QString::fromLatin1(frame.data.toHex(' '));
    return text;
}

} // namespace panelsim

#pragma once
// Frames built the plain way, bit by bit from the protocol description and
// independent of the library's table-driven codec, for the tests to send and
// to compare against.

#include <QByteArray>

namespace kxtest {

// CRC-16/CCITT-FALSE: polynomial 0x1021, initial value 0xFFFF.
inline quint16 referenceCrc(const QByteArray &data)
{
    quint16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= quint16(quint8(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

// Unstuffed body (TP..Dn) with its CRC appended, then stuffed between STX and ETX.
inline QByteArray referenceFrame(const QByteArray &body)
{
    const quint16 crc = referenceCrc(body);
    QByteArray full = body;
    full.append(char(crc >> 8)).append(char(crc & 0xFF));
    QByteArray wire(1, char(0x02));
    for (char c : full) {
        const quint8 b = quint8(c);
        if (b == 0x02 || b == 0x03 || b == 0x10)
            wire.append(char(0x10)).append(char(b ^ 0x20));
        else
            wire.append(c);
    }
    return wire.append(char(0x03));
}

} // namespace kxtest

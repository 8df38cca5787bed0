#pragma once
// Bounds-checked reading of a received record.
//
// ReceiveBuffer holds a reply or unsolicited record as
//     byte 0 node | byte 1 code | byte 2+k payload byte k   (257 bytes)
// and DisplayBuffer the last display-stream record as
//     bytes 0..3 unused | byte 4 node | byte 5 code | byte 6+k payload byte k   (261 bytes)
//
// Decoders read payload bytes only through this reader: p(k) is payload
// byte k, Be16(k) the big-endian number in payload bytes k and k+1, text(k)
// the short text whose length byte is payload byte k. Whatever lies outside
// the buffer reads as 0, and a text ends at the buffer's end whatever its
// length byte says, so no record can make a decoder leave the buffer.

#include "LinkSession.h"

#include <QByteArray>

class RecordReader
{
public:
    RecordReader(const quint8 *buffer, int size, int payloadOffset)
        : m_buffer(buffer), m_size(size < 0 ? 0 : size), m_offset(payloadOffset)
    {
    }

    static RecordReader receive(const LinkSession &session)
    {
        return RecordReader(session.ReceiveBuffer.data(), LinkSession::ReceiveBufferSize, 2);
    }
    static RecordReader display(const LinkSession &session)
    {
        return RecordReader(session.DisplayBuffer.data(), LinkSession::DisplayBufferSize, 6);
    }

    quint8 node() const { return at(m_offset - 2); }
    quint8 code() const { return at(m_offset - 1); }

    // Payload byte k; 0 outside the buffer.
    quint8 p(qint64 k) const { return at(m_offset + k); }

    // Payload bytes k (high) and k+1 (low).
    quint16 Be16(qint64 k) const { return quint16((quint16(p(k)) << 8) | p(k + 1)); }

    // The short text at payload byte k: its length byte, then that many
    // characters, cut at the buffer's end.
    QByteArray text(qint64 k) const
    {
        const qint64 start = m_offset + k + 1;
        if (k < 0 || start > m_size)
            return QByteArray();
        const qint64 room = m_size - start;
        const qint64 length = qMin<qint64>(p(k), room);
        return QByteArray(reinterpret_cast<const char *>(m_buffer + start), length);
    }

    // Payload bytes k to k+count-1 (fewer at the buffer's end).
    QByteArray bytes(qint64 k, qint64 count) const
    {
        const qint64 start = m_offset + k;
        if (k < 0 || count <= 0 || start >= m_size)
            return QByteArray();
        return QByteArray(reinterpret_cast<const char *>(m_buffer + start), qMin(count, m_size - start));
    }

    // Number of payload bytes the buffer can hold.
    int payloadCapacity() const { return m_size > m_offset ? m_size - m_offset : 0; }

private:
    quint8 at(qint64 index) const
    {
        return (index >= 0 && index < m_size) ? m_buffer[index] : 0;
    }

    const quint8 *m_buffer;
    qint64 m_size;
    qint64 m_offset;
};

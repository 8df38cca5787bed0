#pragma once
// The small formatters every reply decoder uses: numbers, short texts of the
// payload, enabled/disabled bits, sensor configuration bits, node addresses,
// and the scrolling of the retrieval grid to the newest row.
//
// Payload texts are 8-bit (code page 1252) and come back as bytes, at most
// 255 of them; they end at the end of ReceiveBuffer whatever their length
// byte says (RecordReader).

#include <RecordReader.h>

#include <QByteArray>
#include <QString>

#include <utility>

class RetrievalGrid;

namespace formatters {

constexpr int MaxTextLength = 255;

// high * 256 + low
constexpr quint16 Be16(quint8 high, quint8 low) { return quint16((quint16(high) << 8) | low); }

// The text whose first character is payload byte k; its length is payload
// byte k-1.
QByteArray ReadPayloadText(const RecordReader &reader, int k);

// The pair of texts whose first length byte is payload byte k: the first
// text, four blanks, the second text. The byte after the pair is payload
// byte TextPairEnd(reader, k).
QByteArray ReadPayloadTextPair(const RecordReader &reader, int k);
int TextPairEnd(const RecordReader &reader, int k);

// "EN" when every bit of mask is set in b (so a mask of 0 gives "EN"), else "DIS".
QString EnDisText(quint8 b, quint8 mask);

// Sensor configuration by c's low three bits; 0 and 7 have no text.
QString SensorConfigText(quint8 c);
// "N/C" when bit 3 is set, else "N/O".
QString ContactTypeText(quint8 c);
// Aspiration delay by c's top three bits; 192 and above have no text.
QString AspDelayText(quint8 c);
// Sensor level of a multi-sensor on a variant 0 panel, by the level nibble;
// nibbles without a name give the empty text.
QString MulLevelText(int level);

// Node number as group/node by network mode (0 "15/15", 1 "7/31",
// 2 "31/7"; 3, 4 and any other mode: 0/node). The group is held bit-reversed
// in the node number's high bits. Each part is cut to two characters.
QString NodeAddressText(int networkMode, quint8 node);

// (high nibble, low nibble)
constexpr std::pair<int, int> SplitNibbles(quint8 b) { return {b >> 4, b & 0x0F}; }

// Scrolls the grid so that row r is the lowest fully visible row, when r is
// below the visible rows.
void ShowRetrievalRow(RetrievalGrid &grid, int r);

} // namespace formatters

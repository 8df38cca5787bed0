#pragma once
// Code page 1252: the 8-bit text of the panels and of the files the program
// writes. Bytes 0x00-0x7F are ASCII, 0xA0-0xFF are Latin-1; 0x80-0x9F hold
// the typographic characters of the code page (euro sign, dashes, quotes).
// The five codes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control of the same number and back, so any byte
// string survives a round trip through QString.

#include <QByteArray>
#include <QString>

namespace platform {

QString fromCp1252(const QByteArray &bytes);
QChar fromCp1252(char byte);
// Characters without a code in the code page become '?'.
QByteArray toCp1252(const QString &text);

} // namespace platform

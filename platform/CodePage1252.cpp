#include "CodePage1252.h"

namespace platform {

namespace {

// Unicode code points of the bytes 0x80 to 0x9F.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char encode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QChar fromCp1252(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    if (b >= 0x80 && b <= 0x9F)
        return QChar(kHigh[b - 0x80]);
    return QChar(char16_t(b));
}

QString fromCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = fromCp1252(bytes.at(i));
    return text;
}

QByteArray toCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one '?', not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.append(encode(c.unicode()));
    }
    return bytes;
}

} // namespace platform

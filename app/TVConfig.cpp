#include "TVConfig.h"

#include <QDir>

namespace tvconfig {

QString programDirectoryFile(const QString &programDirectory, const QString &name)
{
    QString relative = name;
    while (relative.startsWith(QLatin1Char('\\')) || relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(programDirectory).filePath(relative);
}

QString fromCp1252(const QByteArray &text)
{
    // 0x80..0x9F differ from Latin-1; the five unassigned codes map to
    // themselves as Windows does.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto b = quint8(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(high[b - 0x80]) : QChar(char16_t(b)));
    }
    return out;
}

} // namespace tvconfig

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

} // namespace tvconfig

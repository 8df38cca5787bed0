#include "RetrievalFile.h"

#include <CodePage1252.h>

#include <QSaveFile>

namespace retrievalfile {

namespace {
constexpr int MaxText = 255;
const QByteArray LineEnd("\r\n");
} // namespace

QByteArray headerLine(const QByteArray &siteKey, int panel, int sub)
{
    QByteArray line = QByteArrayLiteral("project") + siteKey + QByteArrayLiteral("PANEL") + QByteArray::number(panel)
                      + QByteArrayLiteral("  Repeater") + QByteArray::number(sub);
    return line.left(MaxText);
}

QByteArray fileBytes(const RetrievalGrid &grid, const QByteArray &siteKey, int panel, int sub)
{
    QByteArray out = headerLine(siteKey, panel, sub) + LineEnd;
    const int columns = grid.columnCount();
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (grid.cell(0, row).isEmpty())
            continue;
        for (int column = 0; column < columns; ++column) {
            out += platform::toCp1252(grid.cell(column, row)).left(MaxText);
            out += '\t';
        }
        out += LineEnd;
    }
    return out;
}

bool save(const QString &path, const RetrievalGrid &grid, const QByteArray &siteKey, int panel, int sub,
          QString *error)
{
    // Written whole or not at all: a failed save leaves an earlier file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(fileBytes(grid, siteKey, panel, sub));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace retrievalfile

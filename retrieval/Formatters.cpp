#include "Formatters.h"

#include "CodeTables.h"
#include "RetrievalGrid.h"

#include <QCoreApplication>

namespace formatters {

namespace {

QString word(const char *source)
{
    return QCoreApplication::translate("CodeTables", source);
}

// Bit reversal of the group part of a node number: entry x is x with its
// five bits in reverse order.
constexpr quint8 reversed5[32] = {0, 16, 8, 24, 4, 20, 12, 28, 2, 18, 10, 26, 6, 22, 14, 30,
                                  1, 17, 9,  25, 5, 21, 13, 29, 3, 19, 11, 27, 7, 23, 15, 31};

QString twoCharacters(int n)
{
    return QString::number(n).left(2);
}

} // namespace

QByteArray ReadPayloadText(const RecordReader &reader, int k)
{
    return reader.text(qint64(k) - 1).left(MaxTextLength);
}

int TextPairEnd(const RecordReader &reader, int k)
{
    const int l1 = reader.p(k);
    const int l2 = reader.p(qint64(k) + l1 + 1);
    return k + l1 + l2 + 2;
}

QByteArray ReadPayloadTextPair(const RecordReader &reader, int k)
{
    const int l1 = reader.p(k);
    QByteArray result = reader.text(k);
    result += "    ";
    result += reader.text(qint64(k) + l1 + 1);
    return result.left(MaxTextLength);
}

QString EnDisText(quint8 b, quint8 mask)
{
    return (b & mask) == mask ? word(QT_TRANSLATE_NOOP("CodeTables", "EN")) : word(QT_TRANSLATE_NOOP("CodeTables", "DIS"));
}

QString SensorConfigText(quint8 c)
{
    const int code = c & 0x07;
    if (code >= 1 && code <= 5)
        return codetables::ListBoxSensorConfig.text(code);
    if (code == 6)
        return word(QT_TRANSLATE_NOOP("CodeTables", "HMO"));
    return QString();
}

QString ContactTypeText(quint8 c)
{
    return (c & 0x08) ? word(QT_TRANSLATE_NOOP("CodeTables", "N/C")) : word(QT_TRANSLATE_NOOP("CodeTables", "N/O"));
}

QString AspDelayText(quint8 c)
{
    static const char *const delays[] = {
        QT_TRANSLATE_NOOP("CodeTables", "1"),  QT_TRANSLATE_NOOP("CodeTables", "2"),
        QT_TRANSLATE_NOOP("CodeTables", "4"),  QT_TRANSLATE_NOOP("CodeTables", "8"),
        QT_TRANSLATE_NOOP("CodeTables", "12"), QT_TRANSLATE_NOOP("CodeTables", "24"),
    };
    if (c >= 192)
        return QString();
    return word(delays[(c & 0xE0) >> 5]);
}

QString MulLevelText(int level)
{
    switch (level) {
    case 1: return word(QT_TRANSLATE_NOOP("CodeTables", "1(MUL(High))"));
    case 2: return word(QT_TRANSLATE_NOOP("CodeTables", "2(OPT)"));
    case 3: return word(QT_TRANSLATE_NOOP("CodeTables", "3(MUL(Normal))"));
    case 4: return word(QT_TRANSLATE_NOOP("CodeTables", "4(DUAL)"));
    case 5: return word(QT_TRANSLATE_NOOP("CodeTables", "5(TEMP)"));
    default: return QString();
    }
}

QString NodeAddressText(int networkMode, quint8 node)
{
    int group = 0;
    int number = node;
    switch (networkMode) {
    case 0: // 15/15: four group bits above four node bits
        group = reversed5[(node >> 4) * 2];
        number = node & 0x0F;
        break;
    case 1: // 7/31: three group bits above five node bits
        group = reversed5[(node >> 5) * 4];
        number = node & 0x1F;
        break;
    case 2: // 31/7: five group bits above three node bits
        group = reversed5[node >> 3];
        number = node & 0x07;
        break;
    default: // global panels (and modes without a group): no group
        break;
    }
    return twoCharacters(group) + QLatin1Char('/') + twoCharacters(number);
}

void ShowRetrievalRow(RetrievalGrid &grid, int r)
{
    const int top = r - grid.visibleRowCount() + 1;
    if (top > 1)
        grid.setTopRow(top);
}

} // namespace formatters

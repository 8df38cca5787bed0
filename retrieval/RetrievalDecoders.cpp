// Reply layouts read here (payload byte k is p[k]; two-byte numbers are
// big-endian):
//
//   6  panel limits   p[0] sensors per loop, p[8..9] logic lines, p[10..11]
//                     inputs, p[12..13] outputs, p[14..15] event capacity,
//                     p[42] loops, p[43] p[44] first and last zone, p[45] areas
//   37 host version   p[1] text length, p[2].. text such as "8.37"
//   7  sensor         p[0] loop, p[1] address, p[2] flags and day level,
//                     p[3] device type, p[4] zone, p[6].. text pair, then
//                     c (configuration), night level and LED mode, virtual
//                     sub-address
//   8  zone           p[0] zone, p[1] flags, p[2] area, p[3] text length L,
//                     p[4].. text, p[L+4] second flags, p[L+5..L+6] system
//                     zone, p[L+7..L+8] zone LED
//   9  area           p[0] area, p[1] flags, p[2..6] adjacent areas,
//                     p[7] text length, p[8].. text
//   10 loop           p[0] loop, p[1] flags
//   11 input          p[0..1] number, p[2] type, p[3] bits, p[4..6] address,
//                     p[7] text length, p[8].. text
//   12 output         p[0..1] number, p[2] type, p[3] bits, p[4..7] address,
//                     p[8] text length, p[9].. text
//   13 logic line     p[0..1] line, p[2] operator, p[3] operand kind,
//                     p[4] p[5] value / timer

#include "RetrievalDecoders.h"

#include "CodeTables.h"
#include "Formatters.h"

#include <CodePage1252.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <iterator>

using namespace codetables;
using namespace formatters;

namespace {

// A text of the decoders, marked with QT_TRANSLATE_NOOP in the context
// "RetrievalDecoders".
QString decoderText(const char *source)
{
    return QCoreApplication::translate("RetrievalDecoders", source);
}

// A resource text X, " = ", a value.
QString eq(const char *label, const QString &value)
{
    return decoderText(label) + QStringLiteral(" = ") + value;
}
QString eq(const char *label, qint64 value)
{
    return eq(label, QString::number(value));
}

const QString &dash()
{
    static const QString text = QStringLiteral("-");
    return text;
}

// The decimal value of a part of the version text; a part that is not a
// number gives 0.
int versionNumber(const QByteArray &part)
{
    if (part.isEmpty())
        return 0;
    int value = 0;
    for (char ch : part) {
        if (ch < '0' || ch > '9')
            return 0;
        value = value * 10 + (ch - '0');
    }
    return value;
}

} // namespace

// --- One record ----------------------------------------------------------------

RetrievalRecord::RetrievalRecord(RetrievalGrid &grid, platform::Table &table, const RetrievalLayout &layout, int row,
                                 bool writeTable)
    : m_grid(grid), m_table(table), m_layout(layout), m_row(row)
{
    if (writeTable && m_table.isOpen()) {
        if (m_table.isAppending())
            m_table.cancel();
        m_table.append();
        m_appending = true;
    }
    // A row beyond the prepared rows still gets written: the grid grows.
    if (m_row >= 1 && m_row >= m_grid.rowCount())
        m_grid.setRowCount(m_row + 1);
}

void RetrievalRecord::set(int role, const QString &text)
{
    const int column = m_layout.columnOf(role);
    if (column < 0)
        return;
    // Row 0 holds the headers; a row number below 1 writes no cell.
    if (m_row >= 1)
        m_grid.setCell(column, m_row, text);
    const GridColumnDef *def = m_layout.columnDef(column);
    if (def && def->field)
        setField(def->field, text);
}

void RetrievalRecord::set(int role, const QByteArray &panelText)
{
    set(role, platform::fromCp1252(panelText));
}

void RetrievalRecord::setNumber(int role, qint64 number)
{
    set(role, QString::number(number));
}

void RetrievalRecord::setField(const char *field, const QString &text)
{
    if (m_appending)
        m_table.setField(QString::fromLatin1(field), text);
}

void RetrievalRecord::finish()
{
    if (m_row >= 1)
        ShowRetrievalRow(m_grid, m_row);
    if (m_appending) {
        m_appending = false;
        try {
            m_table.post();
        } catch (...) {
            m_table.cancel();
            throw;
        }
    }
}

void RetrievalRecord::finishPartial() noexcept
{
    try {
        finish();
    } catch (...) {
        // The error that stopped the decoding is the one that goes on.
    }
}

// --- Preparation ----------------------------------------------------------------

RetrievalDecoders::RetrievalDecoders(LinkSession &session, RetrievalGrid &grid, platform::Table &printTable,
                                     SensorZoneMark &zoneMark, const QString &programDirectory)
    : m_session(session), m_grid(grid), m_table(printTable), m_zoneMark(zoneMark),
      m_programDirectory(programDirectory)
{
}

RetrievalLayout RetrievalDecoders::layoutFor(int kind) const
{
    const KindLayout *layout = kindLayout(kind);
    if (!layout)
        return RetrievalLayout();
    LayoutInputs in;
    in.hostMajor = m_session.HostVersionMajor;
    in.hostMinor = m_session.HostVersionMinor;
    in.allRange = m_context.AllRange;
    in.firstZone = m_session.FirstZone;
    in.lastZone = m_session.LastZone;
    in.areaCount = m_session.AreaCount;
    in.loopCount = m_session.LoopCount;
    in.logicCount = m_session.LogicCount;
    in.inputCount = m_session.InputCount;
    in.outputCount = m_session.OutputCount;
    in.rangeFrom = m_session.RangeFrom;
    in.rangeTo = m_session.RangeTo;
    in.systemZoneFrom = m_session.SystemZoneFrom;
    in.systemZoneTo = m_session.SystemZoneTo;
    return RetrievalLayout(*layout, in);
}

void RetrievalDecoders::ClearRetrievalGrid()
{
    ::ClearRetrievalGrid(m_grid);
}

void RetrievalDecoders::PrepareRetrieval(int kind)
{
    RetrievalLayout layout = layoutFor(kind);
    if (!layout.isValid())
        return;
    m_context.Kind = kind;
    m_layout = layout;
    m_virtualTarget = VirtualAddressTarget();
    m_zoneMark = SensorZoneMark();

    // The grid: emptied with its old size first, then shaped for the kind.
    ClearRetrievalGrid();
    m_grid.setColumnCount(m_layout.columnCount());
    m_grid.setRowCount(m_layout.rowCount());
    for (int column = 0; column < m_layout.columnCount(); ++column) {
        m_grid.setHeader(column, m_layout.header(column));
        m_grid.setColumnWidth(column, m_layout.width(column));
    }
    if (m_layout.kindLayout()->scrollToTop)
        m_grid.setTopRow(1);

    // The table, created afresh, then kept open for the records.
    m_table.close();
    m_table.setDatabaseName(m_programDirectory);
    m_table.setTableName(QString::fromLatin1(PrintTableName));
    m_table.clearFieldDefs();
    for (const TableFieldDef &field : m_layout.band()->fields)
        m_table.addFieldDef(QString::fromLatin1(field.name), field.type, field.size);
    m_table.clearIndexDefs();
    m_table.addIndexDef(m_layout.keyFields(), true, m_layout.kindLayout()->unique);
    m_table.createTable();
    m_table.open();
    // The table is the scratch copy of one retrieval, rebuilt by the next:
    // each record is committed at once (a report may read it any time), but
    // without waiting for the disk, so a reply is stored in microseconds
    // instead of the milliseconds of a synchronous write.
    QSqlQuery pragma(QSqlDatabase::database(m_table.connectionName(), false));
    pragma.exec(QStringLiteral("PRAGMA synchronous = OFF"));
}

void RetrievalDecoders::closePrintTable()
{
    m_table.close();
}

const RetrievalLayout &RetrievalDecoders::layoutOf(int kind)
{
    if (m_layout.isValid() && m_layout.kind() == kind)
        return m_layout;
    m_adHocLayout = layoutFor(kind);
    return m_adHocLayout;
}

void RetrievalDecoders::writeRecord(int kind, int row, const std::function<void(RetrievalRecord &)> &fill)
{
    const RetrievalLayout &layout = layoutOf(kind);
    // Only the prepared kind's table takes records.
    const bool writeTable = &layout == &m_layout;
    RetrievalRecord record(m_grid, m_table, layout, row, writeTable);
    try {
        fill(record);
    } catch (...) {
        record.finishPartial();
        throw;
    }
    record.finish();
}

bool RetrievalDecoders::hostAtLeast(int major, int minor) const
{
    const int M = m_session.HostVersionMajor;
    return M > major || (M == major && m_session.HostVersionMinor >= minor);
}

// --- Panel description ----------------------------------------------------------

void RetrievalDecoders::PanelLimits(int payloadLength)
{
    const RecordReader r = reader();
    LinkSession &s = m_session;
    s.SensorsPerLoop = r.p(0);
    s.LogicCount = r.Be16(8);
    s.InputCount = r.Be16(10);
    s.OutputCount = r.Be16(12);
    s.EventCapacity = r.Be16(14);
    s.LoopCount = r.p(42);
    // Shorter replies of older panels: zones 1 to 112 and 99 areas.
    if (payloadLength > 43) {
        s.FirstZone = r.p(43);
        s.LastZone = r.p(44);
    } else {
        s.FirstZone = 1;
        s.LastZone = 112;
    }
    s.AreaCount = payloadLength > 45 ? r.p(45) : 99;
}

void RetrievalDecoders::HostVersion()
{
    const QByteArray text = reader().text(1).left(4);
    HostVersionText = text;
    const int dot = text.indexOf('.');
    if (dot < 0) {
        m_session.HostVersionMajor = 0;
        m_session.HostVersionMinor = 0;
    } else {
        m_session.HostVersionMajor = versionNumber(text.left(dot));
        m_session.HostVersionMinor = versionNumber(text.mid(dot + 1, 2));
    }
    m_versionLabel = QStringLiteral("V") + platform::fromCp1252(text);
    if (m_versionSink)
        m_versionSink(m_versionLabel);
}

// --- Configuration records ------------------------------------------------------

void RetrievalDecoders::SensorConfiguration()
{
    namespace c = sensorcol;
    const RecordReader r = reader();
    const int row = ++m_context.RecordCounter;
    const int M = m_session.HostVersionMajor;
    const int variant = m_session.PanelVariant;
    const quint8 loop = r.p(0);
    const quint8 address = r.p(1);
    const quint8 flags = r.p(2);
    const quint8 type = r.p(3);
    const quint8 zone = r.p(4);
    const int t = TextPairEnd(r, 6);
    const quint8 config = r.p(t);
    const quint8 nightByte = r.p(t + 1);

    writeRecord(retrievalkind::NonVolatileSensorData, row, [&](RetrievalRecord &rec) {
        rec.setNumber(c::Loop, loop);
        rec.setNumber(c::Device, address);
        rec.set(c::EnDis, EnDisText(flags, 0x01));
        rec.set(c::SoakTest, EnDisText(flags, 0x02));
        if (M >= 7)
            rec.set(c::EnWAlmStore, EnDisText(flags, 0x04));
        if (!hostAtLeast(8, 1)) {
            rec.setNumber(c::DayLevel, flags >> 4);
        } else if (variant != 0 || type != 12) {
            rec.setNumber(c::DayLevel, flags >> 4);
            rec.setNumber(c::NightLevel, nightByte >> 4);
        } else {
            rec.set(c::DayLevel, MulLevelText(flags >> 4));
            rec.set(c::NightLevel, MulLevelText(nightByte >> 4));
        }
        rec.set(c::Type, DeviceTypeName(type, variant));
        rec.setNumber(c::Zone, zone);
        if (M < 5) {
            rec.set(c::Text, ReadPayloadTextPair(r, 6));
            return;
        }
        static constexpr quint8 configurable[] = {1, 10, 11, 27, 33, 43, 59, 65};
        const bool hasConfig = std::find(std::begin(configurable), std::end(configurable), type) != std::end(configurable);
        rec.set(c::Configuration, hasConfig ? SensorConfigText(config) : dash());
        rec.set(c::Input, type == 10 ? ContactTypeText(config) : dash());
        if (M >= 7)
            rec.set(c::AspDelay, (type == 22 || type == 38) && variant == 0 ? AspDelayText(config) : dash());
        if (hostAtLeast(8, 37)) {
            QString led = dash();
            if (variant == 1 && (type == 2 || type == 3 || type == 4 || type == 12)) {
                switch (nightByte & 0x0F) {
                case 0: led = decoderText(QT_TRANSLATE_NOOP("RetrievalDecoders", "ON/ON")); break;
                case 1: led = decoderText(QT_TRANSLATE_NOOP("RetrievalDecoders", "OFF/ON")); break;
                case 2: led = decoderText(QT_TRANSLATE_NOOP("RetrievalDecoders", "ON/PROGRAMMABLE")); break;
                default: break;
                }
            }
            rec.set(c::LedRemoteOutput, led);
        }
        if (M >= 10) {
            // The cell stays empty until the sensor's zone reply fills it.
            m_zoneMark.VirtualSubAddress = r.p(t + 2);
            m_zoneMark.Zone = zone;
            m_virtualTarget.valid = true;
            m_virtualTarget.row = rec.row();
            m_virtualTarget.column = rec.layout().columnOf(c::VirtualAddress);
            m_virtualTarget.loop = loop;
            m_virtualTarget.sensor = address;
        }
        rec.set(c::Text, ReadPayloadTextPair(r, 6));
    });
}

void RetrievalDecoders::SensorVirtualAddress()
{
    if (m_session.HostVersionMajor < 10 || !m_virtualTarget.valid)
        return;
    const RecordReader r = reader();
    const int L = r.p(3);
    const int systemZone = r.Be16(L + 5);
    const QString text = QString::asprintf("%.5d/%.2d", systemZone, int(m_zoneMark.VirtualSubAddress));
    if (m_virtualTarget.row >= 1 && m_virtualTarget.column >= 0)
        m_grid.setCell(m_virtualTarget.column, m_virtualTarget.row, text);

    // The sensor's record is already posted: its field is filled in place.
    if (!m_table.isOpen() || m_layout.kind() != retrievalkind::NonVolatileSensorData
        || m_layout.columnOf(sensorcol::VirtualAddress) < 0)
        return;
    QSqlQuery update(QSqlDatabase::database(m_table.connectionName(), false));
    update.prepare(QStringLiteral("UPDATE \"%1\" SET \"Virtual Address\" = ? WHERE \"Loop\" = ? AND \"Sensor\" = ?")
                       .arg(QString::fromLatin1(PrintTableName)));
    update.addBindValue(text.left(20));
    update.addBindValue(m_virtualTarget.loop);
    update.addBindValue(m_virtualTarget.sensor);
    if (!update.exec())
        throw platform::TableError(update.lastError().text().toStdString());
}

void RetrievalDecoders::ZoneConfiguration()
{
    namespace c = zonecol;
    const RecordReader r = reader();
    const int M = m_session.HostVersionMajor;
    const quint8 zone = r.p(0);
    const quint8 flags = r.p(1);
    const int L = r.p(3);
    const quint8 flags2 = r.p(L + 4);
    const int row = zone - m_session.FirstZone + 1;

    writeRecord(retrievalkind::NonVolatileZoneData, row, [&](RetrievalRecord &rec) {
        rec.setNumber(c::Zone, zone);
        rec.set(c::Status, EnDisText(flags, 0x01));
        rec.set(c::TwoTry, EnDisText(flags, 0x02));
        rec.set(c::OnOff, EnDisText(flags, 0x04));
        rec.set(c::NightMode, EnDisText(flags, 0x08));
        rec.set(c::ConfMode, EnDisText(flags, 0x10));
        rec.set(c::SndDelay, EnDisText(flags, 0x20));
        rec.set(c::FBDelay, EnDisText(flags, 0x40));
        if (M == 8) {
            rec.set(c::IntrinSave, EnDisText(flags, 0x80));
            rec.set(c::HMO, EnDisText(flags, 0x11));
        } else if (M >= 9) {
            rec.set(c::IntrinSave, EnDisText(flags, 0x80));
            rec.set(c::HMO, EnDisText(flags2, 0x01));
            rec.set(c::Hausalarm, EnDisText(flags2, 0x04));
            rec.set(c::LA, EnDisText(flags2, 0x08));
            rec.set(c::Sprinkler, EnDisText(flags2, 0x10));
            rec.setNumber(c::SystemZone, r.Be16(L + 5));
            rec.setNumber(c::ZoneLed, r.Be16(L + 7));
        }
        rec.setNumber(c::Area, r.p(2));
        rec.set(c::Text, ReadPayloadText(r, 4));
    });
}

void RetrievalDecoders::AreaConfiguration()
{
    const RecordReader r = reader();
    const quint8 area = r.p(0);
    writeRecord(retrievalkind::NonVolatileAreaData, area, [&](RetrievalRecord &rec) {
        rec.setNumber(0, area);
        rec.set(1, EnDisText(r.p(1), 0x01));
        rec.set(2, EnDisText(r.p(1), 0x02));
        for (int i = 0; i < 5; ++i)
            rec.setNumber(3 + i, r.p(2 + i));
        rec.set(8, ReadPayloadText(r, 8));
    });
}

void RetrievalDecoders::LoopConfiguration()
{
    const RecordReader r = reader();
    const quint8 loop = r.p(0);
    writeRecord(retrievalkind::NonVolatileLoopData, loop, [&](RetrievalRecord &rec) {
        rec.setNumber(0, loop);
        rec.set(1, EnDisText(r.p(1), 0x01));
    });
}

void RetrievalDecoders::InputConfiguration()
{
    enum { Number, Type, Latching, Shape, State, Logging, Adr0, Adr1, Adr2, Text };
    const RecordReader r = reader();
    const int row = ++m_context.RecordCounter;
    const int networkMode = m_session.NetworkMode;
    writeRecord(retrievalkind::NonVolatileInputData, row, [&](RetrievalRecord &rec) {
        rec.setNumber(Number, r.Be16(0));
        const int type = r.p(2);
        rec.set(Type, ListBoxInputType[type]);
        const quint8 bits = r.p(3);
        rec.set(Latching, ListBoxInputLatching[bits & 0x01]);
        rec.set(Shape, ListBoxInputShape[(bits >> 1) & 0x01]);
        rec.set(State, ListBoxInputState[(bits >> 2) & 0x07]);
        rec.set(Logging, ListBoxInputLogging[(bits >> 5) & 0x07]);
        const quint8 a0 = r.p(4), a1 = r.p(5), a2 = r.p(6);
        switch (type) {
        case 1:
            rec.set(Adr0, ListBoxInputGeneral[a0]);
            rec.set(Adr1, dash());
            rec.set(Adr2, dash());
            break;
        case 2:
        case 3:
        case 4: {
            static const char *const labels[] = {QT_TRANSLATE_NOOP("RetrievalDecoders", "ZONE"),
                                                 QT_TRANSLATE_NOOP("RetrievalDecoders", "AREA"),
                                                 QT_TRANSLATE_NOOP("RetrievalDecoders", "ADJ.AREA")};
            rec.set(Adr0, eq(labels[type - 2], a0));
            rec.set(Adr1, ListBoxInputZoneArea[a1]);
            rec.set(Adr2, dash());
            break;
        }
        case 5:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "BOARD"), a0));
            rec.set(Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "CHANNEL"), a1));
            rec.set(Adr2, dash());
            break;
        case 6:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "HOUR"), a0));
            rec.set(Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "MIN"), a1));
            rec.set(Adr2, ListBoxInputDay[a2]);
            break;
        case 7:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "LOOP"), a0));
            rec.set(Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "SENSOR"), a1));
            rec.set(Adr2, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "CHANNEL"), a2));
            break;
        case 8:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "LOOP"), a0));
            rec.set(Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "SENSOR"), a1));
            rec.set(Adr2, ListBoxInputDevice[a2]);
            break;
        case 9:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "OUTPUT "), Be16(a0, a1)));
            rec.set(Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "PANEL"), NodeAddressText(networkMode, a2)));
            rec.set(Adr2, dash());
            break;
        case 10:
            rec.set(Adr0, ListBoxInputAction[a0]);
            rec.set(Adr1, dash());
            rec.set(Adr2, dash());
            break;
        case 11:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "DEVICE"), a0));
            rec.set(Adr1, ListBoxInputCL[a1]);
            rec.set(Adr2, dash());
            break;
        case 12:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "DAY"), a0));
            rec.set(Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "MONTH"), a1));
            rec.set(Adr2, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "YEAR"), a2));
            break;
        case 13:
        case 14:
            rec.set(Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "LON NR."), a0));
            rec.set(Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "INPUT NR."), a1));
            rec.set(Adr2, dash());
            break;
        default:
            rec.setNumber(Adr0, a0);
            rec.setNumber(Adr1, a1);
            rec.setNumber(Adr2, a2);
            break;
        }
        rec.set(Text, ReadPayloadText(r, 8));
    });
}

void RetrievalDecoders::OutputConfiguration()
{
    namespace c = outputcol;
    const RecordReader r = reader();
    const int row = ++m_context.RecordCounter;
    const int M = m_session.HostVersionMajor;
    const int networkMode = m_session.NetworkMode;
    writeRecord(retrievalkind::NonVolatileOutputData, row, [&](RetrievalRecord &rec) {
        rec.setNumber(c::Output, r.Be16(0));
        const int type = r.p(2);
        rec.set(c::Type, ListBoxOutputType[type]);
        const quint8 bits = r.p(3);
        rec.set(c::Latching, ListBoxInputLatching[bits & 0x01]);
        rec.set(c::TShape, ListBoxInputShape[(bits >> 1) & 0x01]);
        rec.set(c::Mode, ListBoxOutputMode[(bits >> 2) & 0x01]);
        rec.set(c::OShape, ListBoxInputShape[(bits >> 3) & 0x01]);
        if (M >= 8)
            rec.set(c::Shape, (bits & 0x10) ? decoderText(QT_TRANSLATE_NOOP("RetrievalDecoders", "Two-Tone"))
                                            : decoderText(QT_TRANSLATE_NOOP("RetrievalDecoders", "Continuous")));
        rec.set(c::Logging, ListBoxInputLogging[(bits >> 5) & 0x07]);
        const quint8 a0 = r.p(4), a1 = r.p(5), a2 = r.p(6), a3 = r.p(7);

        // Equipment byte a2: the equipment in the high nibble, the kind of
        // link in the low nibble, the linked zone or area in a3.
        auto equipment = [&] {
            const auto [hi, lo] = SplitNibbles(a2);
            rec.set(c::Adr2, ListBoxOutputEquip[hi]);
            if (hi == 0) {
                rec.set(c::Link, dash());
                rec.set(c::Target, dash());
                return;
            }
            rec.set(c::Link, ListBoxOutputLink[lo]);
            if (lo == 1)
                rec.set(c::Target, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "ZONE"), a3));
            else if (lo == 2)
                rec.set(c::Target, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "AREA"), a3));
            else
                rec.set(c::Target, dash());
        };
        auto noEquipment = [&] {
            rec.set(c::Adr2, dash());
            rec.set(c::Link, dash());
            rec.set(c::Target, dash());
        };

        switch (type) {
        case 1:
            rec.set(c::Adr0, ListBoxOutputGeneral[a0]);
            rec.set(c::Adr1, dash());
            noEquipment();
            break;
        case 2:
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "ZONE"), a0));
            rec.set(c::Adr1, ListBoxOutputZone[a1]);
            noEquipment();
            break;
        case 3:
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "AREA"), a0));
            rec.set(c::Adr1, ListBoxOutputArea[a1]);
            noEquipment();
            break;
        case 4:
        case 6:
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "BOARD"), a0));
            rec.set(c::Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "CHANNEL"), a1));
            equipment();
            break;
        case 5: {
            const auto [hi, lo] = SplitNibbles(a0);
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "LOOP"), lo) + QStringLiteral(" / ")
                                 + eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "CHANNEL"), hi));
            rec.set(c::Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "SENSOR"), a1));
            equipment();
            break;
        }
        case 7:
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "LOOP"), a0));
            rec.set(c::Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "SENSOR"), a1));
            equipment();
            break;
        case 8:
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "INPUT "), Be16(a0, a1)));
            rec.set(c::Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "PANEL"), NodeAddressText(networkMode, a2)));
            noEquipment();
            break;
        case 9:
        case 10:
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "DEVICE"), a0));
            rec.set(c::Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "CHANNEL"), a1));
            equipment();
            break;
        case 11:
            rec.set(c::Adr0, dash());
            rec.set(c::Adr1, dash());
            noEquipment();
            break;
        case 12:
            rec.set(c::Adr0, ListBoxOutputAction[a0]);
            rec.set(c::Adr1, dash());
            noEquipment();
            break;
        case 13:
        case 14:
            rec.set(c::Adr0, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "LON NR."), a0));
            rec.set(c::Adr1, eq(QT_TRANSLATE_NOOP("RetrievalDecoders", "OUTPUT NR."), a1));
            equipment();
            break;
        default:
            rec.setNumber(c::Adr0, a0);
            rec.setNumber(c::Adr1, a1);
            rec.setNumber(c::Adr2, a2);
            rec.set(c::Link, QStringLiteral("0"));
            rec.setNumber(c::Target, a3);
            break;
        }
        rec.set(c::Text, ReadPayloadText(r, 9));
    });
}

void RetrievalDecoders::LogicConfiguration()
{
    enum { Line, Operator, Operand, Value, Timer };
    const RecordReader r = reader();
    const int line = r.Be16(0);
    writeRecord(retrievalkind::NonVolatileLogicData, line, [&](RetrievalRecord &rec) {
        rec.setNumber(Line, line);
        rec.set(Operator, ListBoxLogicOp[r.p(2)]);
        const int kind = r.p(3);
        rec.set(Operand, ListBoxLogicOpr[kind]);
        switch (kind) {
        case 1: case 2: case 5: case 6: // inputs and outputs
            rec.setNumber(Value, r.Be16(4));
            break;
        case 3: case 7: // markers
            rec.setNumber(Value, r.p(5));
            break;
        case 4: case 8: // timers
            rec.setNumber(Value, r.p(4));
            rec.setNumber(Timer, r.p(5));
            break;
        default:
            break;
        }
    });
}

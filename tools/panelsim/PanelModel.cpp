#include "PanelModel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <stdexcept>

namespace panelsim {

namespace {

// A failure while reading: the path below "panel" and the problem.
struct ParseError
{
    QString path;
    QString what;
};

QString sub(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString indexed(const QString &path, qsizetype i)
{
    return path + QStringLiteral("[%1]").arg(i);
}

void checkKeys(const QJsonObject &object, const QString &path, const QStringList &allowed)
{
    for (const QString &key : object.keys()) {
        if (!allowed.contains(key))
            throw ParseError{sub(path, key), QStringLiteral("unknown key")};
    }
}

QJsonObject objectOf(const QJsonValue &value, const QString &path)
{
    if (!value.isObject())
        throw ParseError{path, QStringLiteral("not an object")};
    return value.toObject();
}

QJsonArray arrayOf(const QJsonObject &object, const QString &key, const QString &path)
{
    if (!object.contains(key))
        return {};
    const QJsonValue value = object.value(key);
    if (!value.isArray())
        throw ParseError{sub(path, key), QStringLiteral("not an array")};
    return value.toArray();
}

int integer(const QJsonObject &object, const QString &key, const QString &path, int low, int high, int fallback,
            bool required = false)
{
    if (!object.contains(key)) {
        if (required)
            throw ParseError{sub(path, key), QStringLiteral("missing")};
        return fallback;
    }
    const QJsonValue value = object.value(key);
    const double d = value.toDouble(-1e300);
    if (!value.isDouble() || d != double(qint64(d)) || d < low || d > high)
        throw ParseError{sub(path, key), QStringLiteral("not a whole number from %1 to %2").arg(low).arg(high)};
    return int(d);
}

bool flag(const QJsonObject &object, const QString &key, const QString &path, bool fallback)
{
    if (!object.contains(key))
        return fallback;
    const QJsonValue value = object.value(key);
    if (!value.isBool())
        throw ParseError{sub(path, key), QStringLiteral("not true or false")};
    return value.toBool();
}

// Texts are 8-bit, as the panel keeps them; a text cannot be longer than a
// length byte can say.
QByteArray text(const QJsonObject &object, const QString &key, const QString &path)
{
    if (!object.contains(key))
        return {};
    const QJsonValue value = object.value(key);
    if (!value.isString())
        throw ParseError{sub(path, key), QStringLiteral("not a text")};
    const QString s = value.toString();
    QByteArray bytes;
    for (QChar c : s) {
        if (c.unicode() > 0xFF)
            throw ParseError{sub(path, key), QStringLiteral("a character beyond 8 bits")};
        bytes.append(char(c.unicode()));
    }
    if (bytes.size() > 60)
        throw ParseError{sub(path, key), QStringLiteral("longer than 60 characters")};
    return bytes;
}

QList<int> bytesList(const QJsonObject &object, const QString &key, const QString &path, int count)
{
    QList<int> out;
    const QJsonArray array = arrayOf(object, key, path);
    if (array.size() > count)
        throw ParseError{sub(path, key), QStringLiteral("more than %1 values").arg(count)};
    for (qsizetype i = 0; i < array.size(); ++i) {
        const double d = array.at(i).toDouble(-1);
        if (!array.at(i).isDouble() || d != double(int(d)) || d < 0 || d > 255)
            throw ParseError{indexed(sub(path, key), i), QStringLiteral("not a byte")};
        out.append(int(d));
    }
    while (out.size() < count)
        out.append(0);
    return out;
}

PanelData panelFrom(const QJsonValue &value)
{
    const QJsonObject root = objectOf(value, QString());
    checkKeys(root, QString(),
              {"host_version", "variant", "sensors_per_loop", "loop_count", "first_zone", "last_zone", "area_count",
               "input_count", "output_count", "logic_count", "event_capacity", "loops", "zones", "areas", "inputs",
               "outputs", "logic"});
    PanelData d;
    if (root.contains("host_version")) {
        d.hostVersion = text(root, "host_version", QString());
        if (d.hostVersion.isEmpty())
            throw ParseError{"host_version", QStringLiteral("empty")};
    }
    d.variant = integer(root, "variant", {}, 0, 255, 0);
    d.sensorsPerLoop = integer(root, "sensors_per_loop", {}, 0, 255, 126);
    d.loopCount = integer(root, "loop_count", {}, 0, 255, -1);
    d.firstZone = integer(root, "first_zone", {}, 0, 255, 1);
    d.lastZone = integer(root, "last_zone", {}, 0, 255, -1);
    d.areaCount = integer(root, "area_count", {}, 0, 255, -1);
    d.inputCount = integer(root, "input_count", {}, 0, 65535, -1);
    d.outputCount = integer(root, "output_count", {}, 0, 65535, -1);
    d.logicCount = integer(root, "logic_count", {}, 0, 65535, -1);
    d.eventCapacity = integer(root, "event_capacity", {}, 0, 65535, 200);

    const QJsonArray loops = arrayOf(root, "loops", {});
    for (qsizetype i = 0; i < loops.size(); ++i) {
        const QString path = indexed("loops", i);
        const QJsonObject o = objectOf(loops.at(i), path);
        checkKeys(o, path, {"loop", "enabled", "sensors"});
        LoopData loop;
        loop.loop = integer(o, "loop", path, 1, 255, 0, true);
        loop.enabled = flag(o, "enabled", path, true);
        const QJsonArray sensors = arrayOf(o, "sensors", path);
        for (qsizetype k = 0; k < sensors.size(); ++k) {
            const QString sp = indexed(sub(path, "sensors"), k);
            const QJsonObject so = objectOf(sensors.at(k), sp);
            checkKeys(so, sp, {"address", "type", "zone", "enabled", "soak_test", "alarm_store", "day_level",
                               "night_level", "config", "led_mode", "virtual_sub", "text", "text2"});
            SensorData s;
            s.address = integer(so, "address", sp, 1, 255, 0, true);
            s.type = integer(so, "type", sp, 0, 255, 0, true);
            s.zone = integer(so, "zone", sp, 0, 255, 0);
            s.enabled = flag(so, "enabled", sp, true);
            s.soakTest = flag(so, "soak_test", sp, false);
            s.alarmStore = flag(so, "alarm_store", sp, false);
            s.dayLevel = integer(so, "day_level", sp, 0, 15, 0);
            s.nightLevel = integer(so, "night_level", sp, 0, 15, 0);
            s.config = integer(so, "config", sp, 0, 255, 0);
            s.ledMode = integer(so, "led_mode", sp, 0, 15, 0);
            s.virtualSub = integer(so, "virtual_sub", sp, 0, 255, 0);
            s.text = text(so, "text", sp);
            s.text2 = text(so, "text2", sp);
            loop.sensors.append(s);
        }
        d.loops.append(loop);
    }
    const QJsonArray zones = arrayOf(root, "zones", {});
    for (qsizetype i = 0; i < zones.size(); ++i) {
        const QString path = indexed("zones", i);
        const QJsonObject o = objectOf(zones.at(i), path);
        checkKeys(o, path, {"zone", "flags", "flags2", "area", "system_zone", "zone_led", "text"});
        ZoneData z;
        z.zone = integer(o, "zone", path, 0, 255, 0, true);
        z.flags = integer(o, "flags", path, 0, 255, 0x01);
        z.flags2 = integer(o, "flags2", path, 0, 255, 0);
        z.area = integer(o, "area", path, 0, 255, 0);
        z.systemZone = integer(o, "system_zone", path, 0, 65535, 0);
        z.zoneLed = integer(o, "zone_led", path, 0, 65535, 0);
        z.text = text(o, "text", path);
        d.zones.append(z);
    }
    const QJsonArray areas = arrayOf(root, "areas", {});
    for (qsizetype i = 0; i < areas.size(); ++i) {
        const QString path = indexed("areas", i);
        const QJsonObject o = objectOf(areas.at(i), path);
        checkKeys(o, path, {"area", "enabled", "coincidence", "adjacent", "text"});
        AreaData a;
        a.area = integer(o, "area", path, 1, 255, 0, true);
        a.enabled = flag(o, "enabled", path, true);
        a.coincidence = flag(o, "coincidence", path, false);
        a.adjacent = bytesList(o, "adjacent", path, 5);
        a.text = text(o, "text", path);
        d.areas.append(a);
    }
    for (const char *kind : {"inputs", "outputs"}) {
        const bool inputs = QLatin1String(kind) == QLatin1String("inputs");
        const QJsonArray points = arrayOf(root, QLatin1String(kind), {});
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QString path = indexed(QLatin1String(kind), i);
            const QJsonObject o = objectOf(points.at(i), path);
            const QString numberKey = inputs ? QStringLiteral("input") : QStringLiteral("output");
            checkKeys(o, path, {numberKey, "type", "flags", "address", "text"});
            PointData p;
            p.number = integer(o, numberKey, path, 1, 65535, 0, true);
            p.type = integer(o, "type", path, 0, 255, 0, true);
            p.flags = integer(o, "flags", path, 0, 255, 0);
            p.address = bytesList(o, "address", path, inputs ? 3 : 4);
            p.text = text(o, "text", path);
            (inputs ? d.inputs : d.outputs).append(p);
        }
    }
    const QJsonArray logic = arrayOf(root, "logic", {});
    for (qsizetype i = 0; i < logic.size(); ++i) {
        const QString path = indexed("logic", i);
        const QJsonObject o = objectOf(logic.at(i), path);
        checkKeys(o, path, {"line", "operator", "operand", "value"});
        LogicData l;
        l.line = integer(o, "line", path, 1, 65535, 0, true);
        l.op = integer(o, "operator", path, 0, 255, 0);
        l.operand = integer(o, "operand", path, 0, 255, 0);
        l.value = bytesList(o, "value", path, 2);
        d.logic.append(l);
    }
    return d;
}

void appendBe16(QByteArray &out, int value)
{
    out.append(char(quint8(value >> 8)));
    out.append(char(quint8(value)));
}

void appendText(QByteArray &out, const QByteArray &text)
{
    out.append(char(quint8(text.size())));
    out.append(text);
}

template<typename T, typename F>
int highest(const QList<T> &items, F number)
{
    int high = 0;
    for (const T &item : items)
        high = qMax(high, number(item));
    return high;
}

int be16(const QByteArray &payload)
{
    return payload.size() < 2 ? 0 : (quint8(payload.at(0)) << 8) | quint8(payload.at(1));
}

} // namespace

bool parsePanelData(const QJsonValue &value, PanelData *out, QString *errorPath, QString *error)
{
    try {
        *out = panelFrom(value);
        return true;
    } catch (const ParseError &e) {
        *errorPath = e.path;
        *error = e.what;
        return false;
    }
}

PanelModel::PanelModel(PanelData data) : m_data(std::move(data)) {}

int PanelModel::loopCount() const
{
    return m_data.loopCount >= 0 ? m_data.loopCount : highest(m_data.loops, [](const LoopData &l) { return l.loop; });
}

int PanelModel::lastZone() const
{
    if (m_data.lastZone >= 0)
        return m_data.lastZone;
    return qMax(m_data.firstZone, highest(m_data.zones, [](const ZoneData &z) { return z.zone; }));
}

int PanelModel::areaCount() const
{
    return m_data.areaCount >= 0 ? m_data.areaCount : highest(m_data.areas, [](const AreaData &a) { return a.area; });
}

int PanelModel::inputCount() const
{
    return m_data.inputCount >= 0 ? m_data.inputCount
                                  : highest(m_data.inputs, [](const PointData &p) { return p.number; });
}

int PanelModel::outputCount() const
{
    return m_data.outputCount >= 0 ? m_data.outputCount
                                   : highest(m_data.outputs, [](const PointData &p) { return p.number; });
}

int PanelModel::logicCount() const
{
    return m_data.logicCount >= 0 ? m_data.logicCount : highest(m_data.logic, [](const LogicData &l) { return l.line; });
}

std::optional<PanelModel::Reply> PanelModel::answer(quint8 code, const QByteArray &payload) const
{
    const auto p = [&](int k) { return k < payload.size() ? int(quint8(payload.at(k))) : 0; };
    switch (code) {
    case 0x86: return Reply{6, limits()};
    case 0xA5: {
        QByteArray out(1, '\0');
        appendText(out, m_data.hostVersion);
        return Reply{37, out};
    }
    case 0x95: return Reply{21, QByteArray(1, char(quint8(m_data.variant)))};
    case 0x87: return Reply{7, sensor(p(0), p(1))};
    case 0x88: return Reply{8, zone(p(0))};
    case 0x89: return Reply{9, area(p(0))};
    case 0x8A: return Reply{10, loop(p(0))};
    case 0x8B: return Reply{11, point(m_data.inputs, be16(payload), 3)};
    case 0x8C: return Reply{12, point(m_data.outputs, be16(payload), 4)};
    case 0x8D: return Reply{13, logicLine(be16(payload))};
    default: return std::nullopt;
    }
}

QByteArray PanelModel::limits() const
{
    QByteArray out;
    out.append(char(quint8(m_data.sensorsPerLoop)));
    out.append(QByteArray(7, '\0'));
    appendBe16(out, logicCount());
    appendBe16(out, inputCount());
    appendBe16(out, outputCount());
    appendBe16(out, m_data.eventCapacity);
    out.append(QByteArray(26, '\0'));
    out.append(char(quint8(loopCount())));
    out.append(char(quint8(m_data.firstZone)));
    out.append(char(quint8(lastZone())));
    out.append(char(quint8(areaCount())));
    return out;
}

QByteArray PanelModel::sensor(int loopNumber, int address) const
{
    SensorData s;
    s.address = address;
    s.enabled = false;
    for (const LoopData &l : m_data.loops) {
        if (l.loop != loopNumber)
            continue;
        for (const SensorData &candidate : l.sensors) {
            if (candidate.address == address)
                s = candidate;
        }
    }
    QByteArray out;
    out.append(char(quint8(loopNumber)));
    out.append(char(quint8(address)));
    out.append(char(quint8((s.enabled ? 0x01 : 0) | (s.soakTest ? 0x02 : 0) | (s.alarmStore ? 0x04 : 0)
                           | (s.dayLevel << 4))));
    out.append(char(quint8(s.type)));
    out.append(char(quint8(s.zone)));
    out.append('\0');
    appendText(out, s.text);
    appendText(out, s.text2);
    out.append(char(quint8(s.config)));
    out.append(char(quint8((s.nightLevel << 4) | (s.ledMode & 0x0F))));
    out.append(char(quint8(s.virtualSub)));
    return out;
}

QByteArray PanelModel::zone(int number) const
{
    ZoneData z;
    z.zone = number;
    z.flags = 0;
    for (const ZoneData &candidate : m_data.zones) {
        if (candidate.zone == number)
            z = candidate;
    }
    QByteArray out;
    out.append(char(quint8(number)));
    out.append(char(quint8(z.flags)));
    out.append(char(quint8(z.area)));
    appendText(out, z.text);
    out.append(char(quint8(z.flags2)));
    appendBe16(out, z.systemZone);
    appendBe16(out, z.zoneLed);
    return out;
}

QByteArray PanelModel::area(int number) const
{
    AreaData a;
    a.area = number;
    a.enabled = false;
    a.adjacent = QList<int>(5, 0);
    for (const AreaData &candidate : m_data.areas) {
        if (candidate.area == number)
            a = candidate;
    }
    QByteArray out;
    out.append(char(quint8(number)));
    out.append(char(quint8((a.enabled ? 0x01 : 0) | (a.coincidence ? 0x02 : 0))));
    for (int i = 0; i < 5; ++i)
        out.append(char(quint8(a.adjacent.value(i))));
    appendText(out, a.text);
    return out;
}

QByteArray PanelModel::loop(int number) const
{
    bool enabled = false;
    for (const LoopData &l : m_data.loops) {
        if (l.loop == number)
            enabled = l.enabled;
    }
    QByteArray out;
    out.append(char(quint8(number)));
    out.append(char(enabled ? 0x01 : 0x00));
    return out;
}

QByteArray PanelModel::point(const QList<PointData> &points, int number, int addressBytes) const
{
    PointData p;
    p.number = number;
    for (const PointData &candidate : points) {
        if (candidate.number == number)
            p = candidate;
    }
    QByteArray out;
    appendBe16(out, number);
    out.append(char(quint8(p.type)));
    out.append(char(quint8(p.flags)));
    for (int i = 0; i < addressBytes; ++i)
        out.append(char(quint8(p.address.value(i))));
    appendText(out, p.text);
    return out;
}

QByteArray PanelModel::logicLine(int number) const
{
    LogicData l;
    l.line = number;
    for (const LogicData &candidate : m_data.logic) {
        if (candidate.line == number)
            l = candidate;
    }
    QByteArray out;
    appendBe16(out, number);
    out.append(char(quint8(l.op)));
    out.append(char(quint8(l.operand)));
    out.append(char(quint8(l.value.value(0))));
    out.append(char(quint8(l.value.value(1))));
    return out;
}

} // namespace panelsim

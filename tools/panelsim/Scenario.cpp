#include "Scenario.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace panelsim {

bool parseHexBytes(const QString &text, QByteArray *bytes, QByteArray *mask)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text) {
        if (c == QChar(' '))
            continue;
        digits.append(c);
    }
    if (digits.size() % 2 != 0)
        return false;
    QByteArray out;
    QByteArray outMask;
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        const QStringView pair = QStringView(digits).mid(i, 2);
        if (mask && pair == QStringLiteral("??")) {
            out.append('\0');
            outMask.append('\0');
            continue;
        }
        bool ok = false;
        const uint v = pair.toUInt(&ok, 16);
        if (!ok || !pair.at(0).isLetterOrNumber() || !pair.at(1).isLetterOrNumber())
            return false;
        out.append(char(v));
        outMask.append(char(0xFF));
    }
    *bytes = out;
    if (mask)
        *mask = outMask;
    return true;
}

QString normalisedNumber(const QString &number)
{
    QString out;
    for (QChar c : number) {
        if (c != QChar(' ') && c != QChar('-'))
            out.append(c);
    }
    return out;
}

namespace {

// Thrown inside the parser with the JSON path of the offending value.
struct ScenarioProblem
{
    QString path;
    QString what;
};

[[noreturn]] void fail(const QString &path, const QString &what)
{
    throw ScenarioProblem{path, what};
}

QString join(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QChar('.') + key;
}

QString indexed(const QString &path, qsizetype i)
{
    return QStringLiteral("%1[%2]").arg(path).arg(i);
}

void checkKeys(const QJsonObject &object, const QString &path, const QStringList &allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key()))
            fail(join(path, it.key()), QStringLiteral("unknown key"));
    }
}

qint64 integerIn(const QJsonValue &value, const QString &path, qint64 lo, qint64 hi)
{
    if (!value.isDouble())
        fail(path, QStringLiteral("not a number"));
    const double d = value.toDouble();
    if (d != std::floor(d))
        fail(path, QStringLiteral("not a whole number"));
    if (d < double(lo) || d > double(hi))
        fail(path, QStringLiteral("out of range %1..%2").arg(lo).arg(hi));
    return qint64(d);
}

QString textAt(const QJsonValue &value, const QString &path)
{
    if (!value.isString())
        fail(path, QStringLiteral("not a text"));
    return value.toString();
}

QJsonArray arrayAt(const QJsonValue &value, const QString &path)
{
    if (!value.isArray())
        fail(path, QStringLiteral("not a list"));
    return value.toArray();
}

QJsonObject objectAt(const QJsonValue &value, const QString &path)
{
    if (!value.isObject())
        fail(path, QStringLiteral("not an object"));
    return value.toObject();
}

RecordSpec recordAt(const QJsonValue &value, const QString &path)
{
    QByteArray bytes;
    if (!parseHexBytes(textAt(value, path), &bytes))
        fail(path, QStringLiteral("not hex"));
    if (bytes.isEmpty())
        fail(path, QStringLiteral("empty record (the message code is missing)"));
    if (bytes.size() - 1 > 255)
        fail(path, QStringLiteral("payload longer than 255 bytes"));
    return RecordSpec{quint8(bytes.at(0)), bytes.mid(1)};
}

QList<RecordSpec> recordsAt(const QJsonObject &object, const QString &key, const QString &path)
{
    QList<RecordSpec> records;
    if (!object.contains(key))
        return records;
    const QString listPath = join(path, key);
    const QJsonArray list = arrayAt(object.value(key), listPath);
    for (qsizetype i = 0; i < list.size(); ++i)
        records.append(recordAt(list.at(i), indexed(listPath, i)));
    return records;
}

QStringList numbersAt(const QJsonObject &root, const QString &key)
{
    QStringList numbers;
    if (!root.contains(key))
        return numbers;
    const QJsonArray list = arrayAt(root.value(key), key);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString n = normalisedNumber(textAt(list.at(i), indexed(key, i)));
        if (n.isEmpty())
            fail(indexed(key, i), QStringLiteral("empty number"));
        numbers.append(n);
    }
    return numbers;
}

QByteArray modemIdAt(const QJsonValue &value, const QString &path)
{
    const QString text = textAt(value, path);
    // The modem ID travels as 8-bit characters after a length byte.
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            fail(path, QStringLiteral("character outside 8-bit text"));
    }
    if (text.size() > 254)
        fail(path, QStringLiteral("longer than 254 characters"));
    return text.toLatin1();
}

Rule ruleAt(const QJsonValue &value, const QString &path)
{
    const QJsonObject object = objectAt(value, path);
    checkKeys(object, path, {QStringLiteral("request"), QStringLiteral("reply"), QStringLiteral("unsolicited"),
                             QStringLiteral("times")});
    Rule rule;
    const QString requestPath = join(path, QStringLiteral("request"));
    if (!object.contains(QStringLiteral("request")))
        fail(requestPath, QStringLiteral("missing"));
    if (!parseHexBytes(textAt(object.value(QStringLiteral("request")), requestPath), &rule.request, &rule.mask))
        fail(requestPath, QStringLiteral("not hex"));
    if (rule.request.isEmpty())
        fail(requestPath, QStringLiteral("empty request (the command code is missing)"));
    if (rule.request.size() - 1 > 255)
        fail(requestPath, QStringLiteral("payload longer than 255 bytes"));
    rule.replies = recordsAt(object, QStringLiteral("reply"), path);
    rule.unsolicited = recordsAt(object, QStringLiteral("unsolicited"), path);
    if (object.contains(QStringLiteral("times")))
        rule.times = int(integerIn(object.value(QStringLiteral("times")), join(path, QStringLiteral("times")), 1, 1000000000));
    return rule;
}

Scenario scenarioFrom(const QJsonDocument &doc)
{
    if (!doc.isObject())
        fail(QStringLiteral("(top level)"), QStringLiteral("not an object"));
    const QJsonObject root = doc.object();
    checkKeys(root, QString(), {QStringLiteral("nodes"), QStringLiteral("access_code"), QStringLiteral("numbers"),
                                QStringLiteral("busy_numbers"), QStringLiteral("modem_id"), QStringLiteral("calls")});
    Scenario s;

    if (root.contains(QStringLiteral("nodes"))) {
        const QJsonArray nodes = arrayAt(root.value(QStringLiteral("nodes")), QStringLiteral("nodes"));
        QSet<int> seen;
        for (qsizetype i = 0; i < nodes.size(); ++i) {
            const QString path = indexed(QStringLiteral("nodes"), i);
            const QJsonObject object = objectAt(nodes.at(i), path);
            checkKeys(object, path, {QStringLiteral("node"), QStringLiteral("rules"),
                                     QStringLiteral("emulated_elsewhere"), QStringLiteral("leds"),
                                     QStringLiteral("panel")});
            const QString nodePath = join(path, QStringLiteral("node"));
            if (!object.contains(QStringLiteral("node")))
                fail(nodePath, QStringLiteral("missing"));
            NodeSpec node;
            node.node = quint8(integerIn(object.value(QStringLiteral("node")), nodePath, 0, 255));
            if (seen.contains(node.node))
                fail(nodePath, QStringLiteral("node %1 listed twice").arg(node.node));
            seen.insert(node.node);
            if (object.contains(QStringLiteral("rules"))) {
                const QString rulesPath = join(path, QStringLiteral("rules"));
                const QJsonArray rules = arrayAt(object.value(QStringLiteral("rules")), rulesPath);
                for (qsizetype r = 0; r < rules.size(); ++r)
                    node.rules.append(ruleAt(rules.at(r), indexed(rulesPath, r)));
            }
            if (object.contains(QStringLiteral("emulated_elsewhere"))) {
                const QJsonValue flag = object.value(QStringLiteral("emulated_elsewhere"));
                if (!flag.isBool())
                    fail(join(path, QStringLiteral("emulated_elsewhere")), QStringLiteral("not true or false"));
                node.emulatedElsewhere = flag.toBool();
            }
            if (object.contains(QStringLiteral("leds"))) {
                const QString ledsPath = join(path, QStringLiteral("leds"));
                if (!parseHexBytes(textAt(object.value(QStringLiteral("leds")), ledsPath), &node.leds))
                    fail(ledsPath, QStringLiteral("not hex"));
                if (node.leds.size() != 32)
                    fail(ledsPath, QStringLiteral("not 32 LED states"));
            }
            if (object.contains(QStringLiteral("panel"))) {
                const QString panelPath = join(path, QStringLiteral("panel"));
                PanelData panel;
                QString where, problem;
                if (!parsePanelData(object.value(QStringLiteral("panel")), &panel, &where, &problem))
                    fail(where.isEmpty() ? panelPath : join(panelPath, where), problem);
                node.panel = panel;
            }
            s.nodes.append(node);
        }
    }

    if (root.contains(QStringLiteral("access_code")))
        s.accessCode = quint16(integerIn(root.value(QStringLiteral("access_code")), QStringLiteral("access_code"), 0, 65535));
    s.numbers = numbersAt(root, QStringLiteral("numbers"));
    s.busyNumbers = numbersAt(root, QStringLiteral("busy_numbers"));
    if (root.contains(QStringLiteral("modem_id"))) {
        s.modemId = modemIdAt(root.value(QStringLiteral("modem_id")), QStringLiteral("modem_id"));
        s.hasModemId = true;
    }

    if (root.contains(QStringLiteral("calls"))) {
        const QJsonArray calls = arrayAt(root.value(QStringLiteral("calls")), QStringLiteral("calls"));
        for (qsizetype i = 0; i < calls.size(); ++i) {
            const QString path = indexed(QStringLiteral("calls"), i);
            const QJsonObject object = objectAt(calls.at(i), path);
            checkKeys(object, path, {QStringLiteral("at_ms"), QStringLiteral("node"), QStringLiteral("modem_id"),
                                     QStringLiteral("unsolicited"), QStringLiteral("hangup_after_ms")});
            CallSpec call;
            const QString atPath = join(path, QStringLiteral("at_ms"));
            if (!object.contains(QStringLiteral("at_ms")))
                fail(atPath, QStringLiteral("missing"));
            call.atMs = integerIn(object.value(QStringLiteral("at_ms")), atPath, 0, qint64(1) << 40);
            if (object.contains(QStringLiteral("node")))
                call.node = quint8(integerIn(object.value(QStringLiteral("node")), join(path, QStringLiteral("node")), 0, 255));
            else
                call.node = s.nodes.isEmpty() ? quint8(1) : s.nodes.first().node;
            if (object.contains(QStringLiteral("modem_id")))
                call.modemId = modemIdAt(object.value(QStringLiteral("modem_id")), join(path, QStringLiteral("modem_id")));
            call.unsolicited = recordsAt(object, QStringLiteral("unsolicited"), path);
            if (object.contains(QStringLiteral("hangup_after_ms")))
                call.hangupAfterMs = integerIn(object.value(QStringLiteral("hangup_after_ms")),
                                               join(path, QStringLiteral("hangup_after_ms")), 0, qint64(1) << 40);
            s.calls.append(call);
        }
        std::stable_sort(s.calls.begin(), s.calls.end(),
                         [](const CallSpec &a, const CallSpec &b) { return a.atMs < b.atMs; });
    }
    return s;
}

// Line and column (both from 1) of a character offset in the text.
QString lineColumn(const QByteArray &text, qsizetype offset)
{
    int line = 1;
    int column = 1;
    const qsizetype end = std::min(offset, text.size());
    for (qsizetype i = 0; i < end; ++i) {
        if (text.at(i) == '\n') {
            ++line;
            column = 1;
        } else if ((quint8(text.at(i)) & 0xC0) != 0x80) {
            ++column; // count characters, not the continuation bytes of UTF-8
        }
    }
    return QStringLiteral("%1:%2").arg(line).arg(column);
}

} // namespace

ScenarioResult parseScenario(const QByteArray &json, const QString &where)
{
    ScenarioResult result;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        // The parser reports the offset just past the character that it
        // could not take; point at that character.
        result.error = QStringLiteral("%1:%2: JSON syntax error: %3")
                           .arg(where, lineColumn(json, std::max(0, parseError.offset - 1)), parseError.errorString());
        return result;
    }
    try {
        result.scenario = scenarioFrom(doc);
    } catch (const ScenarioProblem &problem) {
        result.error = QStringLiteral("%1: %2: %3").arg(where, problem.path, problem.what);
    }
    return result;
}

ScenarioResult loadScenario(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ScenarioResult result;
        result.error = QStringLiteral("%1: cannot read the scenario: %2").arg(path, file.errorString());
        return result;
    }
    return parseScenario(file.readAll(), path);
}

} // namespace panelsim

#pragma once
// A simulator scenario: the panels of the network with their answer rules,
// the site's access code, modem ID and telephone numbers, and the calls that
// panels make to the station in modem mode. The file format is JSON and is
// described in docs/simulator.md.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "PanelModel.h"

namespace panelsim {

// A record as the scenario gives it: message code followed by the payload.
struct RecordSpec
{
    quint8 code = 0;
    QByteArray payload;
    bool operator==(const RecordSpec &o) const = default;
};

struct Rule
{
    // Command code followed by the payload; a byte whose mask bit is clear
    // ("??" in the file) matches any value.
    QByteArray request;
    QByteArray mask;
    QList<RecordSpec> replies;
    QList<RecordSpec> unsolicited;
    int times = 0; // 0: no limit
};

struct NodeSpec
{
    quint8 node = 0;
    QList<Rule> rules;
    // Panel front: another station emulates this panel already (a start is
    // refused); the LED states it starts with (32 bytes, empty: normal).
    bool emulatedElsewhere = false;
    QByteArray leds;
    // The panel's data, answering the retrieval requests that no rule answers.
    std::optional<PanelData> panel;
};

struct CallSpec
{
    qint64 atMs = 0;
    quint8 node = 0;
    std::optional<QByteArray> modemId; // overrides the scenario's modem ID for this call
    QList<RecordSpec> unsolicited;
    qint64 hangupAfterMs = 0; // 0: the panel stays on the line until the station hangs up
};

struct Scenario
{
    QList<NodeSpec> nodes;
    std::optional<quint16> accessCode;
    QStringList numbers;
    QStringList busyNumbers;
    QByteArray modemId;
    bool hasModemId = false;
    QList<CallSpec> calls; // sorted by atMs
};

struct ScenarioResult
{
    Scenario scenario;
    QString error; // empty on success; otherwise names the problem and where it is
    bool ok() const { return error.isEmpty(); }
};

// Reads a scenario from JSON text. `where` names the source in messages.
ScenarioResult parseScenario(const QByteArray &json, const QString &where);
ScenarioResult loadScenario(const QString &path);

// "86 00", "8600" -> bytes. Returns false for odd digits or non-hex text.
// With `mask`, "??" is accepted as a wildcard byte (mask 0x00, others 0xFF).
bool parseHexBytes(const QString &text, QByteArray *bytes, QByteArray *mask = nullptr);

// A telephone number as dialled and compared: spaces and dashes removed.
QString normalisedNumber(const QString &number);

} // namespace panelsim

#pragma once
// The simulator as a whole: command-line options, and the wiring of
// transport, paced line, modem and link endpoint in front of the panel
// network.
//
//   transport <-> PacedLine <-> [ModemEmulator] <-> LinkEndpoint <-> PanelNetwork

#include "FaultInjector.h"
#include "Scenario.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTimer;

namespace panelsim {

class LinkEndpoint;
class ModemEmulator;
class PacedLine;
class PanelNetwork;
class Transport;

enum class LineMode { Direct, Modem };

struct Options
{
    QString scenarioPath;
    QString ptyLink;
    QString listenHost;
    quint16 listenPort = 0;
    QString device;
    LineMode mode = LineMode::Direct;
    int baud = 0; // 0: no pacing
    FaultOptions faults;
    bool verbose = false;
};

// Parses the arguments (without the program name). On failure returns
// nullopt and sets `error`.
std::optional<Options> parseArguments(const QStringList &arguments, QString *error);
QString usageText();

// What a calling panel sends once its call is up: its modem ID (code 66:
// length byte, then the characters), then the call's records.
QList<RecordSpec> callRecords(const Scenario &scenario, const CallSpec &call);

class Simulator : public QObject
{
    Q_OBJECT
public:
    Simulator(const Options &options, const Scenario &scenario, QObject *parent = nullptr);
    ~Simulator() override;

    // Opens the transport and starts the clock of the scenario.
    bool start(QString *error);

signals:
    void log(const QString &line);

private:
    void onCallConnected(const std::optional<CallSpec> &incoming);

    Options m_options;
    Scenario m_scenario;
    std::unique_ptr<PanelNetwork> m_network;
    Transport *m_transport = nullptr;
    PacedLine *m_line = nullptr;
    ModemEmulator *m_modem = nullptr;
    LinkEndpoint *m_endpoint = nullptr;
    QTimer *m_releaseTimer = nullptr;
};

} // namespace panelsim

#include "Simulator.h"

#include "LinkEndpoint.h"
#include "ModemEmulator.h"
#include "PacedLine.h"
#include "PanelNetwork.h"
#include "SimClock.h"
#include "Transport.h"

#include <QTimer>

namespace panelsim {

namespace {
constexpr quint8 kCodeModemId = 66;
// After a call comes up the calling panel waits this long (scaled) for the
// station's first frame, which tells it the station's node; then it sends
// anyway.
constexpr int kWaitForStationMs = 2000;

bool parseRate(const QString &text, double *rate)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v < 0.0 || v > 1.0)
        return false;
    *rate = v;
    return true;
}
} // namespace

QString usageText()
{
    return QStringLiteral(
        "usage: panelsim --scenario FILE (--pty LINK | --listen HOST:PORT | --device DEV)\n"
        "                [--mode direct|modem] [--baud N] [--corrupt-rate R] [--drop-rate R]\n"
        "                [--delay-ms N] [--delay-rate R] [--seed S] [--verbose]\n"
        "\n"
        "  --scenario FILE     the panel network to play (JSON, see docs/simulator.md)\n"
        "  --pty LINK          make a pseudo-terminal and a symbolic link LINK to it\n"
        "  --listen HOST:PORT  accept TCP connections, one at a time\n"
        "  --device DEV        use a serial device\n"
        "  --mode direct|modem direct: the line carries the panel network at once;\n"
        "                      modem: play a Hayes modem first (default direct)\n"
        "  --baud N            pace both directions as a line of N baud\n"
        "  --corrupt-rate R    corrupt one byte of a frame with probability R (0..1)\n"
        "  --drop-rate R       drop a frame with probability R\n"
        "  --delay-ms N        delay frames by N ms\n"
        "  --delay-rate R      delay only with probability R (default 1)\n"
        "  --seed S            seed of the fault generator\n"
        "  --verbose           log every frame and modem line on standard error\n");
}

std::optional<Options> parseArguments(const QStringList &arguments, QString *error)
{
    Options o;
    int transports = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString arg = arguments.at(i);
        if (arg == QStringLiteral("--verbose")) {
            o.verbose = true;
            continue;
        }
        static const QStringList withValue = {
            QStringLiteral("--scenario"), QStringLiteral("--pty"), QStringLiteral("--listen"),
            QStringLiteral("--device"), QStringLiteral("--mode"), QStringLiteral("--baud"),
            QStringLiteral("--corrupt-rate"), QStringLiteral("--drop-rate"), QStringLiteral("--delay-ms"),
            QStringLiteral("--delay-rate"), QStringLiteral("--seed")};
        if (!withValue.contains(arg)) {
            *error = QStringLiteral("unknown argument %1").arg(arg);
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("%1 needs a value").arg(arg);
            return std::nullopt;
        }
        const QString value = arguments.at(++i);
        bool ok = true;
        if (arg == QStringLiteral("--scenario")) {
            o.scenarioPath = value;
        } else if (arg == QStringLiteral("--pty")) {
            o.ptyLink = value;
            ++transports;
        } else if (arg == QStringLiteral("--listen")) {
            const qsizetype colon = value.lastIndexOf(QChar(':'));
            const uint port = colon < 0 ? 0 : value.mid(colon + 1).toUInt(&ok);
            if (colon < 0 || !ok || port > 65535) {
                *error = QStringLiteral("--listen wants HOST:PORT, not %1").arg(value);
                return std::nullopt;
            }
            o.listenHost = value.left(colon);
            o.listenPort = quint16(port);
            ++transports;
        } else if (arg == QStringLiteral("--device")) {
            o.device = value;
            ++transports;
        } else if (arg == QStringLiteral("--mode")) {
            if (value == QStringLiteral("direct"))
                o.mode = LineMode::Direct;
            else if (value == QStringLiteral("modem"))
                o.mode = LineMode::Modem;
            else
                ok = false;
        } else if (arg == QStringLiteral("--baud")) {
            o.baud = value.toInt(&ok);
            ok = ok && o.baud > 0 && o.baud <= 4000000;
        } else if (arg == QStringLiteral("--corrupt-rate")) {
            ok = parseRate(value, &o.faults.corruptRate);
        } else if (arg == QStringLiteral("--drop-rate")) {
            ok = parseRate(value, &o.faults.dropRate);
        } else if (arg == QStringLiteral("--delay-rate")) {
            ok = parseRate(value, &o.faults.delayRate);
        } else if (arg == QStringLiteral("--delay-ms")) {
            o.faults.delayMs = value.toInt(&ok);
            ok = ok && o.faults.delayMs >= 0 && o.faults.delayMs <= 600000;
        } else if (arg == QStringLiteral("--seed")) {
            o.faults.seed = value.toUInt(&ok);
        }
        if (!ok) {
            *error = QStringLiteral("bad value %1 for %2").arg(value, arg);
            return std::nullopt;
        }
    }
    if (o.scenarioPath.isEmpty()) {
        *error = QStringLiteral("--scenario is missing");
        return std::nullopt;
    }
    if (transports != 1) {
        *error = QStringLiteral("give exactly one of --pty, --listen, --device");
        return std::nullopt;
    }
    return o;
}

QList<RecordSpec> callRecords(const Scenario &scenario, const CallSpec &call)
{
    QList<RecordSpec> records;
    const QByteArray id = call.modemId ? *call.modemId : scenario.modemId;
    if (call.modemId || scenario.hasModemId)
        records.append(RecordSpec{kCodeModemId, char(id.size()) + id});
    records.append(call.unsolicited);
    return records;
}

Simulator::Simulator(const Options &options, const Scenario &scenario, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_scenario(scenario)
    , m_network(std::make_unique<PanelNetwork>(scenario))
{
    if (!options.ptyLink.isEmpty())
        m_transport = new PtyTransport(options.ptyLink, this);
    else if (!options.device.isEmpty())
        m_transport = new SerialTransport(options.device, options.baud, this);
    else
        m_transport = new TcpTransport(options.listenHost, options.listenPort, this);

    // A real device is paced by its own hardware.
    m_line = new PacedLine(options.device.isEmpty() ? options.baud : 0, this);
    m_endpoint = new LinkEndpoint(m_network.get(), options.baud, options.faults, this);
    connect(m_transport, &Transport::received, m_line, &PacedLine::fromTransport);
    connect(m_line, &PacedLine::toTransport, m_transport, &Transport::write);
    connect(m_endpoint, &LinkEndpoint::log, this, &Simulator::log);

    m_releaseTimer = new QTimer(this);
    m_releaseTimer->setSingleShot(true);
    connect(m_releaseTimer, &QTimer::timeout, m_endpoint, &LinkEndpoint::releaseOutput);

    if (options.mode == LineMode::Modem) {
        m_modem = new ModemEmulator(scenario.numbers, scenario.busyNumbers, scenario.calls, this);
        connect(m_modem, &ModemEmulator::log, this, &Simulator::log);
        connect(m_line, &PacedLine::toSimulator, m_modem, &ModemEmulator::receive);
        connect(m_modem, &ModemEmulator::toStation, m_line, &PacedLine::write);
        connect(m_modem, &ModemEmulator::dataToLink, m_endpoint, &LinkEndpoint::receiveBytes);
        connect(m_endpoint, &LinkEndpoint::sendBytes, m_modem, &ModemEmulator::sendData);
        connect(m_modem, &ModemEmulator::callConnected, this, &Simulator::onCallConnected);
        connect(m_modem, &ModemEmulator::callEnded, this, [this] {
            m_releaseTimer->stop();
            m_endpoint->reset();
        });
        connect(m_transport, &Transport::peerDisconnected, this, [this] {
            m_line->reset();
            m_modem->lineLost();
        });
    } else {
        connect(m_line, &PacedLine::toSimulator, m_endpoint, &LinkEndpoint::receiveBytes);
        connect(m_endpoint, &LinkEndpoint::sendBytes, m_line, &PacedLine::write);
        connect(m_transport, &Transport::peerConnected, this, [this] {
            m_line->reset();
            m_endpoint->reset();
        });
        connect(m_transport, &Transport::peerDisconnected, this, [this] {
            m_line->reset();
            m_endpoint->reset();
        });
        // The network is there from the start; replies go to whoever asks.
        m_endpoint->releaseOutput();
    }
}

Simulator::~Simulator() = default;

bool Simulator::start(QString *error)
{
    if (!m_transport->open(error))
        return false;
    emit log(QStringLiteral("panelsim: %1, %2 mode%3")
                 .arg(m_transport->description(),
                      m_options.mode == LineMode::Modem ? QStringLiteral("modem") : QStringLiteral("direct"),
                      m_options.baud > 0 ? QStringLiteral(", %1 baud").arg(m_options.baud) : QString()));
    if (m_modem)
        m_modem->start();
    return true;
}

void Simulator::onCallConnected(const std::optional<CallSpec> &incoming)
{
    m_endpoint->reset();
    if (!incoming)
        return;
    for (const RecordSpec &r : callRecords(m_scenario, *incoming))
        m_endpoint->queueRecord(FrameType::Unsolicited, OutRecord{incoming->node, r.code, r.payload});
    m_releaseTimer->start(scaledMs(kWaitForStationMs));
}

} // namespace panelsim

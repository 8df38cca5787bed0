#pragma once
// The data of one simulated panel, given in a scenario in plain values (host
// version, variant, limits, loops with their sensors, zones, areas, inputs,
// outputs, logic lines), and the panel's answers to the retrieval requests
// built from them as the panel's reply records lay them out:
//
//   request (code)        reply  payload
//   panel limits  (0x86)    6    sensors/loop, 7 x 0, logic, inputs, outputs,
//                                event capacity (16 bits each, high byte
//                                first), 26 x 0, loops, first zone, last
//                                zone, areas                    (46 bytes)
//   host version  (0xA5)   37    0, length, text ("8.37")
//   variant       (0x95)   21    variant
//   sensor        (0x87)    7    loop, address, flags | day << 4, type, zone,
//                                0, L1, text, L2, text 2, config, night << 4
//                                | LED mode, virtual sub-address
//   zone          (0x88)    8    zone, flags, area, L, text, flags 2,
//                                system zone (16), zone LED (16)
//   area          (0x89)    9    area, flags, 5 adjacent areas, L, text
//   loop          (0x8A)   10    loop, flags
//   input         (0x8B)   11    number (16), type, flags, 3 address bytes, L, text
//   output        (0x8C)   12    number (16), type, flags, 4 address bytes, L, text
//   logic line    (0x8D)   13    number (16), operator, operand, 2 value bytes
//
// An item that the scenario does not list is answered as an empty one (its
// number, the rest 0). docs/simulator.md describes the scenario keys.

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

namespace panelsim {

struct SensorData
{
    int address = 0;
    int type = 0;          // device-type code
    int zone = 0;
    bool enabled = true;
    bool soakTest = false;
    bool alarmStore = false;
    int dayLevel = 0;      // 0..15
    int nightLevel = 0;    // 0..15
    int config = 0;        // the configuration byte: bits 0-2 configuration, 3 contact, 5-7 aspiration delay
    int ledMode = 0;       // 0..15
    int virtualSub = 0;    // virtual sub-address (host 10 and later)
    QByteArray text;
    QByteArray text2;
};

struct LoopData
{
    int loop = 0;
    bool enabled = true;
    QList<SensorData> sensors;
};

struct ZoneData
{
    int zone = 0;
    int flags = 0x01;      // bit 0 enabled, 1 two-try, 2 on/off, 3 night, 4 configuration, 5 sounder delay, 6 FB delay, 7 intrinsic save
    int flags2 = 0;        // bit 0 HMO, 2 Hausalarm, 3 LA, 4 sprinkler
    int area = 0;
    int systemZone = 0;
    int zoneLed = 0;
    QByteArray text;
};

struct AreaData
{
    int area = 0;
    bool enabled = true;
    bool coincidence = false;
    QList<int> adjacent;   // up to 5
    QByteArray text;
};

struct PointData // an input or an output
{
    int number = 0;
    int type = 0;
    int flags = 0;         // the flags byte as the panel keeps it
    QList<int> address;    // 3 (inputs) or 4 (outputs) bytes
    QByteArray text;
};

struct LogicData
{
    int line = 0;
    int op = 0;
    int operand = 0;
    QList<int> value;      // 2 bytes
};

struct PanelData
{
    QByteArray hostVersion = "8.37";
    int variant = 0;
    int sensorsPerLoop = 126;
    int loopCount = -1;    // -1: the highest loop listed
    int firstZone = 1;
    int lastZone = -1;     // -1: the highest zone listed (at least firstZone)
    int areaCount = -1;    // -1: the highest area listed
    int inputCount = -1;   // -1: the highest input listed
    int outputCount = -1;  // -1: the highest output listed
    int logicCount = -1;   // -1: the highest logic line listed
    int eventCapacity = 200;
    QList<LoopData> loops;
    QList<ZoneData> zones;
    QList<AreaData> areas;
    QList<PointData> inputs;
    QList<PointData> outputs;
    QList<LogicData> logic;
};

// Reads the "panel" object of a node. On failure returns false with the
// path below "panel" (for example "loops[0].sensors[2].type") and the problem.
bool parsePanelData(const QJsonValue &value, PanelData *out, QString *errorPath, QString *error);

class PanelModel
{
public:
    explicit PanelModel(PanelData data);

    const PanelData &data() const { return m_data; }
    // The reply (code, payload) to a retrieval request, or nothing when the
    // model has no answer for it.
    struct Reply
    {
        quint8 code = 0;
        QByteArray payload;
    };
    std::optional<Reply> answer(quint8 code, const QByteArray &payload) const;

    int loopCount() const;
    int lastZone() const;
    int areaCount() const;
    int inputCount() const;
    int outputCount() const;
    int logicCount() const;

private:
    QByteArray limits() const;
    QByteArray sensor(int loop, int address) const;
    QByteArray zone(int number) const;
    QByteArray area(int number) const;
    QByteArray loop(int number) const;
    QByteArray point(const QList<PointData> &points, int number, int addressBytes) const;
    QByteArray logicLine(int number) const;

    PanelData m_data;
};

} // namespace panelsim

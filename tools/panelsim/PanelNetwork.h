#pragma once
// The panels at the far end of the line, as the link sees them: a command
// for a node goes in, the records that the node answers with come out.
//
// Every panel answers from the rules of the scenario first (first matching
// rule wins; a rule with `times` is passed over once used up). A log-in that
// no rule answers is judged by the scenario's access code; an emulation
// command (code 39) that no rule answers goes to the panel's front
// (PanelFront: display, keys, LEDs); a retrieval request that no rule
// answers is answered from the panel's data (PanelModel), when given.

#include "PanelFront.h"
#include "Scenario.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <memory>

namespace panelsim {

// A record on its way to the station: the panel's node, the message code and
// the payload.
struct OutRecord
{
    quint8 node = 0;
    quint8 code = 0;
    QByteArray payload;
    bool operator==(const OutRecord &o) const = default;
};

struct CommandAnswer
{
    bool nodeKnown = false;      // the node is part of the scenario's network
    bool matched = false;        // a rule or the access code answered
    QList<OutRecord> replies;    // sent as 'R' frames, in order
    QList<OutRecord> unsolicited; // then sent as 'U' frames, in order
};

// Log-in answers (reply 35, payload byte 0).
constexpr quint8 kCodeLogIn = 0x01;
constexpr quint8 kReplyLogIn = 0x23;      // 35
constexpr quint8 kLogInAccepted = 0x00;
constexpr quint8 kLogInRefused = 0x11;    // 17: invalid access code

class PanelNetwork
{
public:
    explicit PanelNetwork(const Scenario &scenario);

    bool hasNode(quint8 node) const;
    CommandAnswer handleCommand(quint8 node, quint8 code, const QByteArray &payload);

private:
    struct NodeState
    {
        QList<Rule> rules;
        QList<int> used; // how often each rule has answered
        std::shared_ptr<PanelFront> front;
        std::shared_ptr<PanelModel> model; // the panel's data, when the scenario gives it
    };

    Scenario m_scenario;
    QHash<quint8, NodeState> m_nodes;
};

} // namespace panelsim

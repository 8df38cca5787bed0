#include "PanelNetwork.h"

namespace panelsim {

namespace {

bool requestMatches(const Rule &rule, quint8 code, const QByteArray &payload)
{
    if (rule.request.size() != payload.size() + 1)
        return false;
    const auto byteMatches = [&](qsizetype i, quint8 value) {
        const quint8 m = quint8(rule.mask.at(i));
        return (quint8(rule.request.at(i)) & m) == (value & m);
    };
    if (!byteMatches(0, code))
        return false;
    for (qsizetype i = 0; i < payload.size(); ++i) {
        if (!byteMatches(i + 1, quint8(payload.at(i))))
            return false;
    }
    return true;
}

QList<OutRecord> recordsOf(quint8 node, const QList<RecordSpec> &records)
{
    QList<OutRecord> out;
    out.reserve(records.size());
    for (const RecordSpec &record : records)
        out.append(OutRecord{node, record.code, record.payload});
    return out;
}

} // namespace

PanelNetwork::PanelNetwork(const Scenario &scenario)
    : m_scenario(scenario)
{
    for (const NodeSpec &described : scenario.nodes) {
        NodeState state;
        state.rules = described.rules;
        state.used = QList<int>(described.rules.size(), 0);
        state.front = std::make_shared<PanelFront>(described.node, described.emulatedElsewhere, described.leds);
        if (described.panel)
            state.model = std::make_shared<PanelModel>(*described.panel);
        m_nodes.insert(described.node, state);
    }
}

bool PanelNetwork::hasNode(quint8 node) const
{
    return m_nodes.contains(node);
}

CommandAnswer PanelNetwork::handleCommand(quint8 node, quint8 code, const QByteArray &payload)
{
    CommandAnswer answer;
    auto it = m_nodes.find(node);
    if (it == m_nodes.end())
        return answer;
    answer.nodeKnown = true;
    NodeState &state = it.value();

    for (qsizetype i = 0; i < state.rules.size(); ++i) {
        const Rule &rule = state.rules.at(i);
        if (rule.times > 0 && state.used.at(i) >= rule.times)
            continue;
        if (!requestMatches(rule, code, payload))
            continue;
        ++state.used[i];
        answer.matched = true;
        answer.replies = recordsOf(node, rule.replies);
        answer.unsolicited = recordsOf(node, rule.unsolicited);
        return answer;
    }

    // An emulation command that no rule answers: the panel's front plays it.
    if (code == kCodeEmulation) {
        answer.unsolicited = recordsOf(node, state.front->command(payload));
        answer.matched = !answer.unsolicited.isEmpty();
        return answer;
    }

    // A retrieval request that no rule answers: the panel's data.
    if (state.model) {
        if (const auto reply = state.model->answer(code, payload)) {
            answer.matched = true;
            answer.replies.append(OutRecord{node, reply->code, reply->payload});
            return answer;
        }
    }

    // A log-in that no rule answers: judge it by the scenario's access code.
    if (code == kCodeLogIn && payload.size() == 2 && m_scenario.accessCode) {
        const quint16 given = quint16(quint8(payload.at(0)) << 8) | quint8(payload.at(1));
        const bool accepted = given == 0 || given == *m_scenario.accessCode;
        answer.matched = true;
        answer.replies.append(OutRecord{node, kReplyLogIn, QByteArray(1, char(accepted ? kLogInAccepted : kLogInRefused))});
    }
    return answer;
}

} // namespace panelsim

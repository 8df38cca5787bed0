#include "Layerp.h"

#include "RecordReader.h"

#include <DialogSeam.h>

#include <QDialog>

#include <initializer_list>

namespace {

constexpr quint8 LogInCode = 1;
constexpr quint8 EmulationCode = 39;
constexpr int EventReplyCode = 27;

quint8 hi(int n) { return quint8((n >> 8) & 0xFF); }
quint8 lo(int n) { return quint8(n & 0xFF); }

QByteArray bytesOf(std::initializer_list<quint8> values)
{
    QByteArray out;
    for (quint8 v : values)
        out.append(char(v));
    return out;
}

void waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

LinkRequests::LinkRequests(LinkSession &session, LinkView &view, KxLinkApi &api, SensorZoneMark &zoneMark)
    : m_session(session), m_view(view), m_api(api), m_zoneMark(zoneMark)
{
}

QByteArray LinkRequests::requestRecord(quint8 node, int c, quint8 p1, quint8 p2, quint8 p3)
{
    QByteArray payload;
    switch (c) {
    case 7: case 11: case 12: case 13: case 24: case 31: case 34:
        payload = bytesOf({p1, p2});
        break;
    case 27: // pointer byte 0, pointer byte 1, 4, 10, 5, mode
        payload = bytesOf({p1, p2, quint8(4), quint8(10), quint8(5), p3});
        break;
    case 46: // loop, 18, 0
        payload = bytesOf({p1, p2, p3});
        break;
    case 78: // 6, zone hi, zone lo, 0
        payload = bytesOf({p1, p2, p3, quint8(0)});
        break;
    default:
        payload = QByteArray(1, char(p1));
        break;
    }
    QByteArray record;
    record.append(char(node));
    record.append(char(quint8((c + 128) & 0xFF)));
    record.append(char(quint8(payload.size())));
    record.append(payload);
    return record;
}

void LinkRequests::fill(quint8 node, quint8 code, const QByteArray &payload)
{
    CommandRecord.fill(0);
    CommandRecord[0] = node;
    CommandRecord[1] = code;
    const int n = qMin<int>(int(payload.size()), 255);
    CommandRecord[2] = quint8(n);
    for (int k = 0; k < n; ++k)
        CommandRecord[size_t(3 + k)] = quint8(payload.at(k));
}

quint8 LinkRequests::sendCommand()
{
    const quint8 result = m_api.UserCommand(CommandRecord.data());
    if (result == 1) {
        // The library has posted its report of the waiting state before
        // returning; take it as delivered now, so that the state 4 of the
        // previous exchange cannot end the coming wait. The ack time-out
        // runs from here, also if that report were lost.
        m_session.LinkState = 1;
        m_view.startTimer(LinkTimer::AckNTimeOutTimer);
    }
    return result;
}

void LinkRequests::WaitWhileAckPending()
{
    while (m_session.LinkState == 1 && !m_session.AbortFlag)
        waitForEvents();
    m_view.stopTimer(LinkTimer::AckNTimeOutTimer);
}

void LinkRequests::WaitForReply()
{
    // The reply time-out counts from the acknowledgement: while the frame
    // waits for its ack, the ack time-out watches the link.
    bool replyTimerRunning = false;
    while (m_session.LinkState != 4 && !m_session.AbortFlag) {
        if (!replyTimerRunning && m_session.LinkState != 1) {
            m_view.startTimer(LinkTimer::ReplyTimeOutTimer);
            replyTimerRunning = true;
        }
        waitForEvents();
    }
}

void LinkRequests::SendRequest(int c, quint8 p1, quint8 p2, quint8 p3)
{
    int timeOutRepeats = 0;
    for (;;) {
        const QByteArray record = requestRecord(m_session.RequestNode, c, p1, p2, p3);
        fill(quint8(record.at(0)), quint8(record.at(1)), record.mid(3));
        WaitWhileAckPending();
        const int timeOutsBefore = m_replyTimeOuts;
        const bool accepted = sendCommand() == 1;
        if (accepted)
            WaitForReply();
        m_view.stopTimer(LinkTimer::ReplyTimeOutTimer);

        if (m_session.RetryFlag) {
            m_session.RetryFlag = false;
            if (m_session.AbortFlag)
                return; // an aborted exchange is not sent again
            if (m_replyTimeOuts == timeOutsBefore)
                continue; // the panel asked for it again (answer 43)
            if (++timeOutRepeats <= MaxReplyTimeOutRepeats)
                continue;
            ++m_missingReplies; // still no reply: go on without this item
            return;
        }
        if (!accepted)
            ++m_missingReplies;
        return;
    }
}

void LinkRequests::SendLogIn(int accessCode)
{
    const int code = accessCode & 0xFFFF; // the low 16 bits go out
    m_session.LoggedOn = code != 0;
    int refusals = 0;
    int timeOutRepeats = 0;
    for (;;) {
        fill(m_session.RequestNode, LogInCode, bytesOf({hi(code), lo(code)}));
        const int timeOutsBefore = m_replyTimeOuts;
        const bool accepted = sendCommand() == 1;
        if (accepted)
            WaitForReply();
        else
            m_session.RetryFlag = true;
        m_view.stopTimer(LinkTimer::ReplyTimeOutTimer);

        if (!m_session.RetryFlag)
            return;
        m_session.RetryFlag = false;
        if (m_session.AbortFlag)
            return;
        if (!accepted) {
            if (++refusals > MaxLogInRefusals) {
                // The library will not take the record: a failed log-in.
                if (code != 0)
                    m_session.LoggedOn = false;
                m_session.AbortFlag = true;
                return;
            }
        } else if (m_replyTimeOuts != timeOutsBefore) {
            if (++timeOutRepeats > MaxReplyTimeOutRepeats) {
                // The panel does not answer the log-in: nothing can follow it.
                if (code != 0)
                    m_session.AbortFlag = true;
                return;
            }
        }
    }
}

void LinkRequests::LogInStep()
{
    QString text;
    const int result = m_view.execAccessCodeDialog(&text);
    if (result == QDialog::Accepted && !text.isEmpty()) {
        bool ok = false;
        const int code = text.trimmed().toInt(&ok);
        if (ok) {
            SendLogIn(code);
            return;
        }
        // Not a whole number: the log-in step ends with the conversion
        // error, and the retrieval does not go on without a log-in.
        m_view.hideProgressMessage();
        m_view.restoreCursor();
        m_session.AbortFlag = true;
        platform::showMessage(m_view.dialogParent(), platform::MessageType::Error,
                              tr("'%1' is not a valid integer value").arg(text));
        return;
    }
    m_view.hideProgressMessage();
    m_view.restoreCursor();
    if (result != QDialog::Accepted)
        m_session.AbortFlag = true; // Cancel
}

void LinkRequests::busyMessage()
{
    platform::showMessage(m_view.dialogParent(), platform::MessageType::Information, tr("Busy retreiving data"));
}

void LinkRequests::SendDisplayControl(quint8 value)
{
    if (m_session.LoggedOn) {
        busyMessage();
        return;
    }
    fill(m_session.TargetNode, EmulationCode, QByteArray(1, char(value)));
    if (sendCommand() == 1)
        WaitWhileAckPending();
}

void LinkRequests::SendKey(quint8 keyCode)
{
    if (m_session.LoggedOn) {
        busyMessage();
        return;
    }
    if (m_session.WaitingForAck)
        return; // the previous key is not acknowledged yet: this one is lost
    fill(m_session.TargetNode, EmulationCode, bytesOf({quint8(3), quint8(0), keyCode}));
    if (sendCommand() == 1)
        WaitWhileAckPending();
}

void LinkRequests::OpeningRequest(int c)
{
    if (!m_session.AbortFlag)
        SendRequest(c, 0);
}

void LinkRequests::AbortDataRetreiveButtonClick()
{
    if (!m_session.OnLine)
        return;
    SendLogIn(0);
    m_session.AbortFlag = true;
}

void LinkRequests::logOutAtEnd()
{
    if (!m_session.AbortFlag)
        SendLogIn(0);
}

void LinkRequests::SensorConfigurationLoop(bool allLoops, bool allSensors)
{
    sensorLoop(7, allLoops, allSensors, true);
}

void LinkRequests::SensorValuesLoop(bool allLoops, bool allSensors)
{
    sensorLoop(24, allLoops, allSensors, false);
}

void LinkRequests::sensorLoop(int c, bool allLoops, bool allSensors, bool zoneRequests)
{
    LinkSession &s = m_session;
    s.LoopTo = qMin(s.LoopTo, s.LoopCount);
    s.SensorTo = qMin(s.SensorTo, s.SensorsPerLoop);
    if (allLoops) {
        s.LoopFrom = 1;
        s.LoopTo = s.LoopCount;
    }
    if (allSensors) {
        s.SensorFrom = 1;
        s.SensorTo = s.SensorsPerLoop;
    }
    for (int loop = s.LoopFrom; loop <= s.LoopTo; ++loop) {
        for (int sensor = s.SensorFrom; sensor <= s.SensorTo; ++sensor) {
            // Variant 2 panels have no sensors 126 and 127.
            const bool skipped = s.PanelVariant == 2 && (sensor == 126 || sensor == 127);
            if (!skipped) {
                if (s.AbortFlag)
                    return;
                SendRequest(c, quint8(loop), quint8(sensor));
            }
            if (zoneRequests && m_zoneMark.VirtualSubAddress != 0) {
                if (s.AbortFlag)
                    return;
                SendRequest(8, m_zoneMark.Zone);
            }
        }
    }
    logOutAtEnd();
}

void LinkRequests::numberedLoop(int c, int from, int to)
{
    for (int n = from; n <= to; ++n) {
        if (m_session.AbortFlag)
            return;
        SendRequest(c, quint8(n));
    }
    logOutAtEnd();
}

void LinkRequests::LogicLoop()
{
    for (int n = 1; n <= m_session.LogicCount; ++n) {
        if (m_session.AbortFlag)
            return;
        SendRequest(13, hi(n), lo(n));
    }
    logOutAtEnd();
}

void LinkRequests::rangeLoop(int c, int limit, bool allRange, bool inputs)
{
    LinkSession &s = m_session;
    if (s.RangeFrom > limit) {
        platform::showMessage(m_view.dialogParent(), platform::MessageType::Plain,
                              tr("Selection out of range.") + QStringLiteral("\n\r")
                                  + (inputs ? tr("Maximum Inputs ") : tr("Maximum Outputs "))
                                  + QString::number(limit));
        logOutAtEnd();
        return;
    }
    if (allRange) {
        s.RangeFrom = 1;
        s.RangeTo = limit;
    }
    if (s.RangeTo > limit)
        s.RangeTo = limit;
    if (s.RangeTo < s.RangeFrom) {
        logOutAtEnd();
        return;
    }
    for (int n = s.RangeFrom; n <= s.RangeTo; ++n) {
        if (s.AbortFlag)
            return;
        SendRequest(c, hi(n), lo(n));
    }
    logOutAtEnd();
}

void LinkRequests::SystemZonesLoop()
{
    for (int zone = m_session.SystemZoneFrom; zone <= m_session.SystemZoneTo; ++zone) {
        if (m_session.AbortFlag)
            return;
        SendRequest(78, 6, hi(zone), lo(zone));
    }
    logOutAtEnd();
}

void LinkRequests::LonDevicesLoop()
{
    numberedLoop(m_session.HostVersionMajor < 7 ? 71 : 74, 1, 32);
}

void LinkRequests::PagerLoop()
{
    numberedLoop(76, 1, m_session.HostVersionMajor <= 8 ? 255 : 32);
}

void LinkRequests::EventsLoop()
{
    if (m_session.AbortFlag)
        return;
    const int missingBefore = m_missingReplies;
    SendRequest(EventReplyCode, 0, 1, 0); // first record
    const RecordReader reply = RecordReader::receive(m_session);
    // The number of stored events is in the first record's reply; without
    // that reply there is nothing to count.
    int count = 0;
    if (m_missingReplies == missingBefore && reply.code() == EventReplyCode)
        count = qMin<int>(reply.Be16(11), m_session.EventCapacity);
    for (int requested = 1; requested < count; ++requested) {
        if (m_session.AbortFlag)
            return;
        SendRequest(EventReplyCode, reply.p(0), reply.p(1), 2); // next record
    }
    logOutAtEnd();
}

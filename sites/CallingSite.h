#pragma once
// Identification of a calling panel. A panel that calls the station sends
// its modem ID as the unsolicited record with code 66:
//
//     ReceiveBuffer:  node | 66 | n | L | L characters of the modem ID
//                     (payload byte 0 is L, bytes 1..L the ID)
//
// The ID is looked up among the sections of the address book (whole name,
// letter case ignored). The link's site key becomes the ID itself when it
// names a site with a "SiteName", else "Unknown"; an empty book accepts any
// ID as its own key. In alarm-reporting mode the site's "Mode" sets the
// network mode. An ID that names no site is reported in an error box; the
// call goes on under the key "Unknown".

#include "LinkDecoders.h"

#include <QByteArray>

class LinkView;
struct LinkSession;

namespace callingsite {
inline const QByteArray UnknownKey = QByteArrayLiteral("Unknown");
}

// Reads the ID from ReceiveBuffer, sets LinkSiteKey (and NetworkMode in
// alarm-reporting mode), shows the on-line text in the status bar and the
// error box for an unknown ID. The address book is read through the view.
void IdentifyCallingSite(LinkSession &session, LinkView &view);

// The sites' entry of the main window's decoder table: code 66. Every other
// decoder is handed on to the table that was in force before.
class SiteDecoders : public LinkDecoders
{
public:
    SiteDecoders(LinkSession &session, LinkView &view, LinkDecoders &next)
        : m_session(session), m_view(view), m_next(next)
    {
    }

    void IdentifyCallingSite() override { ::IdentifyCallingSite(m_session, m_view); }

    void PanelLimits(int payloadLength) override { m_next.PanelLimits(payloadLength); }
    void SensorConfiguration() override { m_next.SensorConfiguration(); }
    void ZoneTestCollector(int code) override { m_next.ZoneTestCollector(code); }
    void SensorVirtualAddress() override { m_next.SensorVirtualAddress(); }
    void ZoneConfiguration() override { m_next.ZoneConfiguration(); }
    void AreaConfiguration() override { m_next.AreaConfiguration(); }
    void LoopConfiguration() override { m_next.LoopConfiguration(); }
    void InputConfiguration() override { m_next.InputConfiguration(); }
    void OutputConfiguration() override { m_next.OutputConfiguration(); }
    void LogicConfiguration() override { m_next.LogicConfiguration(); }
    void SensorValues() override { m_next.SensorValues(); }
    void ZoneStatus() override { m_next.ZoneStatus(); }
    void AreaStatus() override { m_next.AreaStatus(); }
    void EventRecord() override { m_next.EventRecord(); }
    void LoopStatus() override { m_next.LoopStatus(); }
    void InputStatus() override { m_next.InputStatus(); }
    void OutputStatus() override { m_next.OutputStatus(); }
    void HostVersion() override { m_next.HostVersion(); }
    void LedStates() override { m_next.LedStates(); }
    void LonDevice() override { m_next.LonDevice(); }
    void PagerRecord() override { m_next.PagerRecord(); }
    void SystemZoneRecord() override { m_next.SystemZoneRecord(); }
    void AlarmReport() override { m_next.AlarmReport(); }
    void DisplayStream() override { m_next.DisplayStream(); }

private:
    LinkSession &m_session;
    LinkView &m_view;
    LinkDecoders &m_next;
};

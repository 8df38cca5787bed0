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
class SiteDecoders : public ForwardingDecoders
{
public:
    SiteDecoders(LinkSession &session, LinkView &view, LinkDecoders &next)
        : ForwardingDecoders(next), m_session(session), m_view(view)
    {
    }

    void IdentifyCallingSite() override { ::IdentifyCallingSite(m_session, m_view); }

private:
    LinkSession &m_session;
    LinkView &m_view;
};

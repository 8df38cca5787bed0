#pragma once
// The demo: a program directory and a settings directory that let a new user
// try the station against the panel simulator without hardware.
//
// Program directory:
//   address.ini         two sites of the demo network
//                         DEMO-DIRECT   folder DemoDirect, no telephone
//                                       number: reached on the serial line
//                         DEMO-SITE-01  folder DemoSite, telephone
//                                       "0123 456789": reached by modem; it
//                                       is also the modem ID of the panel
//                                       that calls in, so its events are
//                                       logged (all four classes)
//   DemoDirect/config.db, DemoSite/config.db
//                       the site panel tables: panels 1, 2 and 3 with their
//                       locations
//   Logo.BMP            the welcome picture
// Settings directory:
//   KXPORTS.INI         COM2 (the default port) -> the direct simulator's
//                       link, COM1 -> the modem simulator's link
//   KXCOM.INI           ComPort 2 and the default line settings

#include <QByteArray>
#include <QList>
#include <QString>

namespace demo {

inline const QByteArray DirectSiteId = QByteArrayLiteral("DEMO-DIRECT");
inline const QByteArray DirectSiteName = QByteArrayLiteral("DemoDirect");
inline const QByteArray ModemSiteId = QByteArrayLiteral("DEMO-SITE-01");
inline const QByteArray ModemSiteName = QByteArrayLiteral("DemoSite");
inline const QByteArray ModemSiteTelephone = QByteArrayLiteral("0123 456789");
constexpr int DirectPort = 2;
constexpr int ModemPort = 1;

struct DemoPanel
{
    QByteArray address;
    QByteArray location;
};
// The panels of the demo network, as the site panel tables list them.
const QList<DemoPanel> &demoPanels();

struct DemoPaths
{
    QString programDirectory;
    QString settingsDirectory;
    QString directLink;   // device the direct simulator's line appears at
    QString modemLink;    // device the modem simulator's line appears at
    QString logo;         // picture copied in as Logo.BMP; empty: none
};

// Writes the demo folders (creating the directories). Throws
// std::runtime_error (platform::IniError, platform::TableError, or a copy
// that failed) with a text that names what failed.
void writeDemoFolder(const DemoPaths &paths);

} // namespace demo

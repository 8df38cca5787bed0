#include "CallingSite.h"

#include "Address.h"
#include "CodePage1252.h"
#include "DialogSeam.h"
#include "LinkSession.h"
#include "LinkView.h"
#include "RecordReader.h"

#include <QCoreApplication>

namespace {

// The texts of the identification, under one translation context.
class CallingSite
{
    Q_DECLARE_TR_FUNCTIONS(IdentifyCallingSite)
};

// A key of the site's section, or the default when the name cannot name a
// section of the book.
QByteArray siteKey(LinkView &view, const QByteArray &section, const QByteArray &key, const QByteArray &def)
{
    if (section.isEmpty() || !isValidModemId(section))
        return def;
    return view.readAddressString(section, key, def);
}

} // namespace

void IdentifyCallingSite(LinkSession &session, LinkView &view)
{
    // Payload byte 0 is the length of the ID, bytes 1..L its characters,
    // taken as they come.
    const QByteArray received = RecordReader::receive(session).text(0);

    QByteArray key = received;
    if (!view.addressSectionNames().isEmpty()) {
        const QByteArray siteName = siteKey(view, received, address::KeySiteName, callingsite::UnknownKey);
        key = siteName == callingsite::UnknownKey ? callingsite::UnknownKey : received;
    }

    session.LinkSiteKey = key;
    view.setStatusBar(CallingSite::tr("ON-LINE") + QStringLiteral(" - ") + platform::fromCp1252(key));

    if (session.AlarmReportingMode && !view.addressSectionNames().isEmpty()) {
        const QByteArray mode = siteKey(view, key, address::KeyMode, address::DefaultMode);
        const int position = address::modeTexts().indexOf(mode);
        if (position >= 0)
            session.NetworkMode = quint8(position);
    }

    if (key == callingsite::UnknownKey) {
        platform::showMessage(
            view.dialogParent(), platform::MessageType::Error,
            CallingSite::tr("The modem ID received from the panel, does not correspond to any of the modem IDs defined in the "
               "address book!")
                + QStringLiteral(" ") + CallingSite::tr("Received Modem ID") + QStringLiteral(":") + platform::fromCp1252(received)
                + QStringLiteral(" ")
                + CallingSite::tr("Please create a site with the modem ID corresponding to the modem ID received from the panel."));
    }
}

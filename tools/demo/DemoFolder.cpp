#include "DemoFolder.h"

#include "Address.h"
#include "IniFile.h"
#include "Settings.h"
#include "Table.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace demo {

const QList<DemoPanel> &demoPanels()
{
    static const QList<DemoPanel> panels = {
        {QByteArrayLiteral("1"), QByteArrayLiteral("Main building, entrance hall")},
        {QByteArrayLiteral("2"), QByteArrayLiteral("Warehouse")},
        {QByteArrayLiteral("3"), QByteArrayLiteral("Office wing")},
    };
    return panels;
}

namespace {

void makeDirectory(const QString &path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error(QStringLiteral("cannot create the folder %1").arg(path).toStdString());
}

void writeSite(const QString &programDirectory, const QByteArray &modemId, const QByteArray &siteName,
               const QByteArray &siteAddress, const QByteArray &telephone, bool logEvents)
{
    SiteRecord site;
    site.SiteName = siteName;
    site.SiteAddress = siteAddress;
    site.SiteTelephone = telephone;
    site.CurrentFile = address::DefaultCurrentFile;
    site.NoOfAlarms = 0;
    site.Mode = address::DefaultMode;
    const int flag = logEvents ? 1 : 0;
    site.Action = flag;
    site.Fault = flag;
    site.Fire = flag;
    site.Cond = flag;
    site.OwnID = 7;
    site.Dummy = 0;
    site.cutToCapacity();
    WriteSiteRecord(programDirectory, modemId, site);

    makeDirectory(siteFolderPath(programDirectory, siteName));
    platform::Table table;
    createSitePanelTable(table, programDirectory, siteName);
    table.open();
    const QList<platform::FieldDef> fields = table.fieldDefs();
    for (const DemoPanel &panel : demoPanels()) {
        table.append();
        table.setField(fields.at(0).name, QString::fromLatin1(panel.address));
        table.setField(fields.at(1).name, QString::fromLatin1(panel.location));
        table.post();
    }
    table.close();
}

} // namespace

void writeDemoFolder(const DemoPaths &paths)
{
    makeDirectory(paths.programDirectory);
    makeDirectory(paths.settingsDirectory);

    writeSite(paths.programDirectory, DirectSiteId, DirectSiteName, "Demo network, direct line", QByteArray(),
              false);
    writeSite(paths.programDirectory, ModemSiteId, ModemSiteName, "Demo network, by modem", ModemSiteTelephone,
              true);

    // Full paths: the settings directory of the demo, whatever VELMORA_WINDIR
    // says while this runs.
    const QDir settings(paths.settingsDirectory);
    platform::IniFile ports(settings.filePath(kxports::FileName));
    ports.writeString(kxports::Section, QByteArray::number(DirectPort), QFile::encodeName(paths.directLink));
    ports.writeString(kxports::Section, QByteArray::number(ModemPort), QFile::encodeName(paths.modemLink));

    platform::IniFile com(settings.filePath(kxcom::FileName));
    com.writeString(kxcom::Section, kxcom::KeyComPort, QByteArray::number(DirectPort));
    com.writeString(kxcom::Section, kxcom::KeyBaudRate, kxcom::DefaultBaudRate);
    com.writeString(kxcom::Section, kxcom::KeyDataBits, kxcom::DefaultDataBits);
    com.writeString(kxcom::Section, kxcom::KeyStopBits, kxcom::DefaultStopBits);
    com.writeString(kxcom::Section, kxcom::KeyParity, kxcom::DefaultParity);
    com.writeString(kxcom::Section, kxcom::KeyPanel, kxcom::PanelValue);
    com.writeString(kxcom::Section, kxcom::KeyRepeater, kxcom::DefaultRepeater);

    if (!paths.logo.isEmpty()) {
        const QString target = QDir(paths.programDirectory).filePath(QStringLiteral("Logo.BMP"));
        QFile::remove(target);
        if (!QFile::copy(paths.logo, target))
            throw std::runtime_error(
                QStringLiteral("cannot copy the logo %1 to %2").arg(paths.logo, target).toStdString());
    }
}

} // namespace demo

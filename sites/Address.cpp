#include "Address.h"

#include "CodePage1252.h"
#include "IniFile.h"
#include "Table.h"

#include <QCoreApplication>
#include <QDir>

#include <limits>

namespace address {

int modePosition(const QByteArray &mode)
{
    for (int i = 0; i < ModeListItems; ++i) {
        if (mode == modeTexts().at(i))
            return i;
    }
    return 3;
}

int ownIdCount(int position)
{
    switch (position) {
    case 0: return 15;
    case 1: return 31;
    case 2: return 7;
    default: return 255;
    }
}

} // namespace address

namespace {

QByteArray cut(const QByteArray &text, int capacity)
{
    return text.size() > capacity ? text.left(capacity) : text;
}

bool parseInt32(const QByteArray &text, qint32 &result)
{
    int i = 0;
    while (i < text.size() && text.at(i) == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == '-' || text.at(i) == '+')) {
        negative = text.at(i) == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text.at(i) == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text.at(i) == '0' && (text.at(i + 1) == 'x' || text.at(i + 1) == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char c = text.at(i);
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return false;
        value = value * base + digit;
        if (value > qint64(std::numeric_limits<quint32>::max()) + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (base == 16 && value > std::numeric_limits<qint32>::max() && value <= std::numeric_limits<quint32>::max())
        value -= qint64(1) << 32; // hexadecimal covers the whole 32-bit pattern
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return false;
    result = qint32(value);
    return true;
}

} // namespace

int toInt32(const QByteArray &text)
{
    qint32 value = 0;
    if (!parseInt32(text, value)) {
        throw ConversionError(QCoreApplication::translate("TForm1", "'%1' is not a valid integer value")
                                  .arg(platform::fromCp1252(text))
                                  .toStdString());
    }
    return value;
}

void SiteRecord::cutToCapacity()
{
    ModemId = cut(ModemId, address::ModemIdCapacity);
    SiteName = cut(SiteName, address::SiteNameCapacity);
    SiteAddress = cut(SiteAddress, address::SiteAddressCapacity);
    SiteTelephone = cut(SiteTelephone, address::SiteTelephoneCapacity);
    CurrentFile = cut(CurrentFile, address::CurrentFileCapacity);
    Mode = cut(Mode, address::ModeCapacity);
}

QString addressBookPath(const QString &programDirectory)
{
    return QDir(programDirectory).filePath(address::FileName);
}

QString siteFolderPath(const QString &programDirectory, const QByteArray &siteName)
{
    return QDir(programDirectory).filePath(platform::fromCp1252(siteName));
}

SiteRecord ReadSiteRecord(const QString &programDirectory, const QByteArray &modemId)
{
    using namespace address;
    const platform::IniFile book(addressBookPath(programDirectory));
    SiteRecord r;
    r.ModemId = modemId;
    // A name the file cannot hold names no section: a record of defaults.
    const bool named = isValidModemId(modemId) && !modemId.trimmed().isEmpty();
    auto text = [&](const QByteArray &key, const QByteArray &def) {
        return named ? book.readString(modemId, key, def) : def;
    };
    auto number = [&](const QByteArray &key, const QByteArray &def) { return toInt32(text(key, def)); };

    r.SiteName = text(KeySiteName, DefaultSiteName);
    r.SiteAddress = text(KeySiteAddress, DefaultSiteAddress);
    r.SiteTelephone = text(KeySiteTelephone, DefaultSiteTelephone);
    r.CurrentFile = text(KeyCurrentFile, DefaultCurrentFile);
    r.NoOfAlarms = number(KeyNoOfAlarms, DefaultNoOfAlarms);
    r.Mode = text(KeyMode, DefaultMode);
    r.Action = number(KeyAction, DefaultFlag);
    r.Fault = number(KeyFault, DefaultFlag);
    r.Fire = number(KeyFire, DefaultFlag);
    r.Cond = number(KeyCond, DefaultFlag);
    r.OwnID = number(KeyOwnID, DefaultOwnID);
    r.Dummy = number(KeyDummy, DefaultDummy);
    r.cutToCapacity();
    return r;
}

void WriteSiteRecord(const QString &programDirectory, const QByteArray &modemId, const SiteRecord &record)
{
    using namespace address;
    platform::IniFile book(addressBookPath(programDirectory));
    SiteRecord r = record;
    r.cutToCapacity();
    book.writeString(modemId, KeySiteName, r.SiteName);
    book.writeString(modemId, KeySiteAddress, r.SiteAddress);
    book.writeString(modemId, KeySiteTelephone, r.SiteTelephone);
    book.writeString(modemId, KeyCurrentFile, r.CurrentFile);
    book.writeInteger(modemId, KeyNoOfAlarms, r.NoOfAlarms);
    book.writeString(modemId, KeyMode, r.Mode);
    book.writeInteger(modemId, KeyAction, r.Action);
    book.writeInteger(modemId, KeyFault, r.Fault);
    book.writeInteger(modemId, KeyFire, r.Fire);
    book.writeInteger(modemId, KeyCond, r.Cond);
    book.writeInteger(modemId, KeyOwnID, r.OwnID);
    book.writeInteger(modemId, KeyDummy, 0);
}

QList<QByteArray> SiteList(const QString &programDirectory)
{
    return platform::IniFile(addressBookPath(programDirectory)).readSections();
}

void createSitePanelTable(platform::Table &table, const QString &programDirectory, const QByteArray &siteName)
{
    table.close();
    table.setDatabaseName(siteFolderPath(programDirectory, siteName));
    table.setTableName(address::PanelTableName);
    table.clearFieldDefs();
    const QString addressField = QCoreApplication::translate("TForm1", QT_TRANSLATE_NOOP("TForm1", "Panel Address"));
    table.addFieldDef(addressField, platform::FieldType::String, address::PanelAddressSize, true);
    table.addFieldDef(QCoreApplication::translate("TForm1", QT_TRANSLATE_NOOP("TForm1", "Panel Location")),
                      platform::FieldType::String, address::PanelLocationSize, false);
    table.clearIndexDefs();
    table.addIndexDef(QStringList{addressField}, true, true);
    table.createTable();
}

QString logFileName(const QDateTime &when)
{
    return when.toString(QStringLiteral("ddMM")) + when.toString(QStringLiteral("HHmm")) + QStringLiteral(".l")
        + when.toString(QStringLiteral("yy"));
}

bool isPlainFolderName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.trimmed().isEmpty())
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
        switch (c.unicode()) {
        case '/': case '\\': case '<': case '>': case ':': case '"': case '|': case '?': case '*':
            return false;
        default:
            break;
        }
    }
    return true;
}

bool isValidModemId(const QByteArray &modemId)
{
    return !modemId.contains(']') && !modemId.contains('\r') && !modemId.contains('\n') && !modemId.contains('\0');
}

#pragma once
// The site address book: "address.ini" in the program directory, one section
// per site named by the site's modem ID (at most 31 characters), and the
// site folders beside it.
//
// Keys of a site's section, in the order in which a record is written, with
// the value that a missing key reads as:
//
//   SiteName       site directory name, at most 20 characters     "None"
//   SiteAddress    postal address, at most 50 characters          "None"
//   SiteTelephone  number dialled; empty: direct serial line      ""
//   CurrentFile    full path of the log file being appended       "None"
//   NoOfAlarms     events logged into the current log file        "0"
//   Mode           network configuration ("15/15", "7/31", ...)   "15/15"
//   Action         1: log events of class Action                  "0"
//   Fault          1: log events of class Fault                   "0"
//   Fire           1: log events of class Fire                    "0"
//   Cond           1: log events of class Condition               "0"
//   OwnID          this station's node ID on the site's network   "7"
//   Dummy          reserved, always written as 0                  "0"
//
// Integers are decimal text; a stored value that is not a whole number makes
// the read fail with ConversionError. Section and key names are matched
// without regard to letter case (the ini-file class does that).
//
// A site folder (named by SiteName in the program directory) holds the
// site's panel table "config" and the site's event log files, named from the
// date and time they were begun: ddmmhhnn.lyy.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <stdexcept>

namespace platform {
class Table;
}

namespace address {

inline const QString FileName = QStringLiteral("address.ini");

inline const QByteArray KeySiteName = QByteArrayLiteral("SiteName");
inline const QByteArray KeySiteAddress = QByteArrayLiteral("SiteAddress");
inline const QByteArray KeySiteTelephone = QByteArrayLiteral("SiteTelephone");
inline const QByteArray KeyCurrentFile = QByteArrayLiteral("CurrentFile");
inline const QByteArray KeyNoOfAlarms = QByteArrayLiteral("NoOfAlarms");
inline const QByteArray KeyMode = QByteArrayLiteral("Mode");
inline const QByteArray KeyAction = QByteArrayLiteral("Action");
inline const QByteArray KeyFault = QByteArrayLiteral("Fault");
inline const QByteArray KeyFire = QByteArrayLiteral("Fire");
inline const QByteArray KeyCond = QByteArrayLiteral("Cond");
inline const QByteArray KeyOwnID = QByteArrayLiteral("OwnID");
inline const QByteArray KeyDummy = QByteArrayLiteral("Dummy");

inline const QByteArray DefaultSiteName = QByteArrayLiteral("None");
inline const QByteArray DefaultSiteAddress = QByteArrayLiteral("None");
inline const QByteArray DefaultSiteTelephone = QByteArray();
inline const QByteArray DefaultCurrentFile = QByteArrayLiteral("None");
inline const QByteArray DefaultNoOfAlarms = QByteArrayLiteral("0");
inline const QByteArray DefaultMode = QByteArrayLiteral("15/15");
inline const QByteArray DefaultFlag = QByteArrayLiteral("0");
inline const QByteArray DefaultOwnID = QByteArrayLiteral("7");
inline const QByteArray DefaultDummy = QByteArrayLiteral("0");

// Sections of the book that are not sites; left out of the list shown when
// the Address page is entered.
inline const QByteArray IndexSection = QByteArrayLiteral("Index");
inline const QByteArray DefaultsSection = QByteArrayLiteral("Defaults");

// The site panel table in a site folder.
inline const QString PanelTableName = QStringLiteral("config");
constexpr int PanelAddressSize = 5;
constexpr int PanelLocationSize = 40;

// Capacities of the record's strings.
constexpr int ModemIdCapacity = 31;
constexpr int SiteNameCapacity = 20;
constexpr int SiteAddressCapacity = 50;
constexpr int SiteTelephoneCapacity = 40;
constexpr int CurrentFileCapacity = 250;
constexpr int ModeCapacity = 30;

// Network configurations: the Mode texts in list order. The page's list
// holds the first three; "Global panels" is known when a record is read.
inline const QList<QByteArray> &modeTexts()
{
    static const QList<QByteArray> texts = {QByteArrayLiteral("15/15"), QByteArrayLiteral("7/31"),
                                            QByteArrayLiteral("31/7"), QByteArrayLiteral("Global panels")};
    return texts;
}
constexpr int ModeListItems = 3;
// List position of a Mode text: 0 to 2 for the list's texts, 3 for any other.
int modePosition(const QByteArray &mode);
// Highest own node ID offered for a list position (15, 31, 7; 255 for any
// other position).
int ownIdCount(int position);

} // namespace address

// A stored integer that is not a whole number.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Converts text to a 32-bit integer as the platform's conversion does:
// optional leading blanks and sign, decimal digits (or "$"/"0x" hexadecimal),
// nothing after them. Throws ConversionError ("'x' is not a valid integer
// value") otherwise.
int toInt32(const QByteArray &text);

// One section of the address book in memory. Strings hold at most their
// capacity in 8-bit characters; longer texts are cut when copied in.
struct SiteRecord
{
    QByteArray ModemId;        // 31
    QByteArray SiteName;       // 20
    QByteArray SiteAddress;    // 50
    QByteArray SiteTelephone;  // 40
    QByteArray CurrentFile;    // 250
    qint32 NoOfAlarms = 0;
    QByteArray Mode;           // 30
    qint32 Action = 0;
    qint32 Fault = 0;
    qint32 Fire = 0;
    qint32 Cond = 0;
    qint32 OwnID = 0;
    qint32 Dummy = 0;

    // Copies the strings in, each cut to its capacity.
    void cutToCapacity();
    bool operator==(const SiteRecord &) const = default;
};

// "address.ini" in the program directory.
QString addressBookPath(const QString &programDirectory);
// The folder of a site in the program directory.
QString siteFolderPath(const QString &programDirectory, const QByteArray &siteName);

// The section of that modem ID with the defaults for missing keys (a missing
// file or section gives a record of defaults). Throws ConversionError for an
// integer key that is not a whole number, platform::IniError for a file that
// cannot be read.
SiteRecord ReadSiteRecord(const QString &programDirectory, const QByteArray &modemId);
// Writes the twelve keys in their order into the section of that modem ID
// (the record's ModemId is not written). Throws platform::IniError when the
// file cannot be written or the modem ID cannot name a section.
void WriteSiteRecord(const QString &programDirectory, const QByteArray &modemId, const SiteRecord &record);
// The section names in file order; empty for a missing file.
QList<QByteArray> SiteList(const QString &programDirectory);

// Points `table` at the panel table "config" of a site folder, defines its
// fields ("Panel Address", text of 5 characters, required and the primary
// key; "Panel Location", text of 40) and creates it empty, replacing any
// table there. The table is closed afterwards. The field names are the main
// window's resource texts, so they follow the language in force. Throws
// platform::TableError when the table cannot be created.
void createSitePanelTable(platform::Table &table, const QString &programDirectory, const QByteArray &siteName);

// Name of a log file begun at `when`: ddmmhhnn.lyy.
QString logFileName(const QDateTime &when);

// A site directory name must be one plain folder name inside the program
// directory: not empty, not "." or "..", without path separators, control
// characters or characters that folder names cannot hold on the systems the
// address book is shared with (< > : " | ? *).
bool isPlainFolderName(const QString &name);

// A modem ID can name a section of the book: no "]" and no line break.
bool isValidModemId(const QByteArray &modemId);

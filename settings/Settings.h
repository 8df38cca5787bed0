#pragma once
// Communication settings files, the modem profile list and the port map.
// All four files are named without a directory, so they live in the
// settings directory.
//
// "KXCOM.INI", section "Configuration" (keys in the order written; default
// when read):
//   ComPort   serial port number                      "2"
//   BaudRate  line speed in bit/s                     "9600"
//   DataBits  data bits                               "8"
//   StopBits  stop bits                               "1"
//   Parity    "None", "Odd", "Even", "Mark", "Space"  "None"
//   Panel     reserved: always written as "0", never read
//   Repeater  own node ID in alarm-reporting mode     "7"
//
// "KXMOD.INI", section "Properties":
//   InitString  modem initialisation    "AT&F0L3\N0\J0\Q3&Q0%C0S0=1&W0"
//   HangUpCmd   hang-up command         "ATH0"
//   EscSeq      escape sequence         "+++"
//   DialPrefix  digits dialled first    ""
//   DialStr     "ATDT" tone, "ATDP" pulse dialling   "ATDT"
//   Previous    position of the selected modem at close; -1: none   "0"
//
// "KXMODEMS.INI": one section per modem model, keys MODEL (21 characters),
// InitStr (50), EcsChars (3), HangUp (10); a missing key reads "none". The
// sections "Index" and "Defaults" are bookkeeping of earlier versions of the
// file: they are kept as they are and are not models.
//
// "KXPORTS.INI", section "Ports": key = port number 1 to 99, value = the
// device the port stands for (/dev/ttyUSB0, COM3, tcp://host:port).

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <stdexcept>

namespace kxcom {
inline const QString FileName = QStringLiteral("KXCOM.INI");
inline const QByteArray Section = QByteArrayLiteral("Configuration");
inline const QByteArray KeyComPort = QByteArrayLiteral("ComPort");
inline const QByteArray KeyBaudRate = QByteArrayLiteral("BaudRate");
inline const QByteArray KeyDataBits = QByteArrayLiteral("DataBits");
inline const QByteArray KeyStopBits = QByteArrayLiteral("StopBits");
inline const QByteArray KeyParity = QByteArrayLiteral("Parity");
inline const QByteArray KeyPanel = QByteArrayLiteral("Panel");
inline const QByteArray KeyRepeater = QByteArrayLiteral("Repeater");
inline const QByteArray DefaultComPort = QByteArrayLiteral("2");
inline const QByteArray DefaultBaudRate = QByteArrayLiteral("9600");
inline const QByteArray DefaultDataBits = QByteArrayLiteral("8");
inline const QByteArray DefaultStopBits = QByteArrayLiteral("1");
inline const QByteArray DefaultParity = QByteArrayLiteral("None");
inline const QByteArray PanelValue = QByteArrayLiteral("0");
inline const QByteArray DefaultRepeater = QByteArrayLiteral("7");
} // namespace kxcom

namespace kxmod {
inline const QString FileName = QStringLiteral("KXMOD.INI");
inline const QByteArray Section = QByteArrayLiteral("Properties");
inline const QByteArray KeyInitString = QByteArrayLiteral("InitString");
inline const QByteArray KeyHangUpCmd = QByteArrayLiteral("HangUpCmd");
inline const QByteArray KeyEscSeq = QByteArrayLiteral("EscSeq");
inline const QByteArray KeyDialPrefix = QByteArrayLiteral("DialPrefix");
inline const QByteArray KeyDialStr = QByteArrayLiteral("DialStr");
inline const QByteArray KeyPrevious = QByteArrayLiteral("Previous");
inline const QByteArray DefaultInitString = QByteArrayLiteral("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0");
inline const QByteArray DefaultHangUpCmd = QByteArrayLiteral("ATH0");
inline const QByteArray DefaultEscSeq = QByteArrayLiteral("+++");
inline const QByteArray DefaultDialPrefix = QByteArray();
inline const QByteArray DefaultDialStr = QByteArrayLiteral("ATDT");
inline const QByteArray DefaultPrevious = QByteArrayLiteral("0");
inline const QByteArray ToneDialing = QByteArrayLiteral("ATDT");
inline const QByteArray PulseDialing = QByteArrayLiteral("ATDP");
constexpr int StringCapacity = 255;
} // namespace kxmod

namespace kxmodems {
inline const QString FileName = QStringLiteral("KXMODEMS.INI");
inline const QByteArray FieldModel = QByteArrayLiteral("MODEL");
inline const QByteArray FieldInitStr = QByteArrayLiteral("InitStr");
inline const QByteArray FieldEcsChars = QByteArrayLiteral("EcsChars");
inline const QByteArray FieldHangUp = QByteArrayLiteral("HangUp");
constexpr int ModelCapacity = 21;
constexpr int InitStrCapacity = 50;
constexpr int EcsCharsCapacity = 3;
constexpr int HangUpCapacity = 10;
inline const QByteArray IndexSection = QByteArrayLiteral("Index");
inline const QByteArray DefaultsSection = QByteArrayLiteral("Defaults");
} // namespace kxmodems

namespace kxports {
inline const QString FileName = QStringLiteral("KXPORTS.INI");
inline const QByteArray Section = QByteArrayLiteral("Ports");
constexpr int FirstPort = 1;
constexpr int LastPort = 99;
} // namespace kxports

// The port parameters as texts, as the Settings page shows them.
struct ComSettings
{
    QByteArray ComPort = kxcom::DefaultComPort;
    QByteArray BaudRate = kxcom::DefaultBaudRate;
    QByteArray DataBits = kxcom::DefaultDataBits;
    QByteArray StopBits = kxcom::DefaultStopBits;
    QByteArray Parity = kxcom::DefaultParity;
    QByteArray Repeater = kxcom::DefaultRepeater;
    bool operator==(const ComSettings &) const = default;
};

// The working modem strings, each at most 255 8-bit characters.
struct ModemStrings
{
    QByteArray InitString = kxmod::DefaultInitString;
    QByteArray HangUpCmd = kxmod::DefaultHangUpCmd;
    QByteArray EscSeq = kxmod::DefaultEscSeq;
    QByteArray DialPrefix = kxmod::DefaultDialPrefix;
    QByteArray DialStr = kxmod::DefaultDialStr;
    bool operator==(const ModemStrings &) const = default;
};

// Reads "KXCOM.INI" (missing file, section or key: the defaults).
ComSettings readComSettings();
// Writes "KXCOM.INI" in key order, "Panel" = "0". Throws platform::IniError.
void writeComSettings(const ComSettings &settings);

// A stored "Previous" that is not a whole number.
class SettingsConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
// Reads the five strings of "KXMOD.INI", each cut to 255 characters.
ModemStrings readModemStrings();
// Reads "Previous"; throws SettingsConversionError when it is not a whole
// number.
int readPreviousModem();
// Writes "KXMOD.INI" in key order. Throws platform::IniError.
void writeModemSettings(const ModemStrings &strings, int previous);

// One modem profile; strings cut to their capacities when copied in.
struct ModemRecord
{
    QByteArray MODEL;     // 21
    QByteArray InitStr;   // 50
    QByteArray EcsChars;  // 3
    QByteArray HangUp;    // 10
    void cutToCapacity();
    bool operator==(const ModemRecord &) const = default;
};

class ModemStoreError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The record store over "KXMODEMS.INI": one section per model with the four
// fields as keys. Add, update, remove and read throw ModemStoreError when
// the record is there (add) or missing (the others), and platform::IniError
// when the file cannot be written.
class ModemStore
{
public:
    explicit ModemStore(const QString &fileName = kxmodems::FileName) : m_fileName(fileName) {}
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    const QString &fileName() const { return m_fileName; }

    // The models of all records, in file order.
    QList<QByteArray> keys() const;
    bool contains(const QByteArray &model) const;
    void add(const ModemRecord &record);
    void update(const QByteArray &model, const ModemRecord &record);
    void remove(const QByteArray &model);
    ModemRecord read(const QByteArray &model) const;

private:
    void write(const ModemRecord &record);
    QString m_fileName;
};

// A model can name a section: not blank, no "]" and no line break, and not
// one of the bookkeeping sections.
bool isValidModemModel(const QByteArray &model);

// The port map: port number -> device, for the ports it names.
QMap<int, QString> readPortMap();
// Sets (or, with an empty device, removes) one port's entry. Throws
// platform::IniError.
void writePortMapEntry(int port, const QString &device);
// A device the port map can hold: a device path or name without blanks
// around it and without line breaks, or tcp://host:port with a port number
// of 1 to 65535.
bool isValidPortDevice(const QString &device);

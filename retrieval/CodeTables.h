#pragma once
// The fixed vocabularies that turn the panel's small codes into texts: one
// ordered list per code table, indexed directly by the panel's code (0-based,
// no offset), and the three device-name tables.
//
// Each list keeps its source texts exactly as the panel maker's program
// shows them, spelling slips and trailing blanks included; they are marked
// for translation in the context "CodeTables" and translated at lookup, so a
// change of language changes every decoded text.
//
// A code beyond the end of a list is an error of the lookup (CodeTableError):
// the decoder that asked abandons the rest of its record, and the reply
// dispatch contains the error so the transfer goes on.

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace codetables {

class CodeTableError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

// One code table: its name and its source texts in order.
struct CodeTable
{
    const char *name;
    const char *const *entries;
    int size;

    int count() const { return size; }
    // The source text of entry `index` (untranslated); throws beyond the end.
    const char *source(int index) const;
    // The translated text of entry `index`; throws CodeTableError beyond the end.
    QString text(int index) const;
    QString operator[](int index) const { return text(index); }
    // Every entry, translated, in order.
    QStringList texts() const;
};

// Translation of one code-table text (context "CodeTables").
QString translated(const char *source);

// Tables indexed directly by a panel code.
extern const CodeTable ListBoxSensorConfig;
extern const CodeTable ListBoxInputType;
extern const CodeTable ListBoxInputLatching;
extern const CodeTable ListBoxInputShape;
extern const CodeTable ListBoxInputState;
extern const CodeTable ListBoxInputLogging;
extern const CodeTable ListBoxInputZoneArea;
extern const CodeTable ListBoxInputDevice;
extern const CodeTable ListBoxInputDay;
extern const CodeTable ListBoxInputAction;
extern const CodeTable ListBoxInputCL;
extern const CodeTable ListBoxOutputType;
extern const CodeTable ListBoxOutputMode;
extern const CodeTable ListBoxOutputGeneral;
extern const CodeTable ListBoxOutputZone;
extern const CodeTable ListBoxOutputArea;
extern const CodeTable ListBoxOutputEquip;
extern const CodeTable ListBoxOutputLink;
extern const CodeTable ListBoxOutputAction;
extern const CodeTable ListBoxLogicOp;
extern const CodeTable ListBoxLogicOpr;
extern const CodeTable ListBoxSensorAlarm;
extern const CodeTable ListBoxInputStatus;
extern const CodeTable ListBoxOutputStatus;
extern const CodeTable ListBoxEventClass;
extern const CodeTable ListBoxEventType;
extern const CodeTable ListBoxEventStatus;
extern const CodeTable ListBoxFEPFault;
extern const CodeTable ListBoxZoneAction;
extern const CodeTable ListBoxInputGeneral;
extern const CodeTable ListBoxWatchdog;
extern const CodeTable ListBoxGeneralAlarm;
extern const CodeTable ListBoxAction;

// Device names: the 32 mnemonics that DeviceTypeName picks from, and the
// names of alarm reports (index = device-type code, 14 entries).
extern const CodeTable ListBoxSensorType;
extern const CodeTable AlarmDeviceTypeNames;

// Every table above, for the language tools and for tests.
QList<const CodeTable *> allTables();
// The table of that name, or nullptr.
const CodeTable *findTable(const QString &name);

// Name of a loop device by its 8-bit device-type code, by panel variant:
// six codes name other devices on variant 2 panels, and codes 22 and 38 are
// aspiration units (ASP1, ASP2) on variant 0 panels. Unknown codes give
// "UNKNOWN". Never fails.
QString DeviceTypeName(int code, int panelVariant);

// Name of a loop device in zone test results; independent of the variant.
// Unknown codes (0 included) give "none". Never fails.
QString ZoneTestDeviceTypeName(int code);

// Name of a loop device in alarm reports: the entry of AlarmDeviceTypeNames
// for codes below 14, the bare number for any other code. Never fails.
QString AlarmDeviceTypeName(int code);

} // namespace codetables

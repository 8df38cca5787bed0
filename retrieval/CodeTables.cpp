#include "CodeTables.h"

#include <QCoreApplication>

#include <string>
#include <iterator>

namespace codetables {

namespace {

// Source texts, one array per table, in code order.
const char *const kListBoxSensorConfig[] = {
    "", // no text
    QT_TRANSLATE_NOOP("CodeTables", "Fast Input"),
    QT_TRANSLATE_NOOP("CodeTables", "Input"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP"),
    QT_TRANSLATE_NOOP("CodeTables", "MCPW"),
    QT_TRANSLATE_NOOP("CodeTables", "Auto Fire"),
};

const char *const kListBoxInputType[] = {
    QT_TRANSLATE_NOOP("CodeTables", "None"),
    QT_TRANSLATE_NOOP("CodeTables", "General"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone"),
    QT_TRANSLATE_NOOP("CodeTables", "Area"),
    QT_TRANSLATE_NOOP("CodeTables", "Adj. Area"),
    QT_TRANSLATE_NOOP("CodeTables", "Internal"),
    QT_TRANSLATE_NOOP("CodeTables", "Time"),
    QT_TRANSLATE_NOOP("CodeTables", "Device Input"),
    QT_TRANSLATE_NOOP("CodeTables", "Device"),
    QT_TRANSLATE_NOOP("CodeTables", "Network"),
    QT_TRANSLATE_NOOP("CodeTables", "Action"),
    QT_TRANSLATE_NOOP("CodeTables", "Curr. Loop"),
    QT_TRANSLATE_NOOP("CodeTables", "Date"),
    QT_TRANSLATE_NOOP("CodeTables", "LON Dev. Input"),
    QT_TRANSLATE_NOOP("CodeTables", "Sup.LON Dev.In "),
};

const char *const kListBoxInputLatching[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Unlatched"),
    QT_TRANSLATE_NOOP("CodeTables", "Latched"),
};

const char *const kListBoxInputShape[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Cont."),
    QT_TRANSLATE_NOOP("CodeTables", "Pulse"),
};

const char *const kListBoxInputState[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Passive"),
    QT_TRANSLATE_NOOP("CodeTables", "Active"),
    QT_TRANSLATE_NOOP("CodeTables", "Open"),
    QT_TRANSLATE_NOOP("CodeTables", "Short"),
    QT_TRANSLATE_NOOP("CodeTables", "Active1"),
    QT_TRANSLATE_NOOP("CodeTables", "Abnormal"),
};

const char *const kListBoxInputLogging[] = {
    QT_TRANSLATE_NOOP("CodeTables", "unlogged"),
    QT_TRANSLATE_NOOP("CodeTables", "logged"),
    QT_TRANSLATE_NOOP("CodeTables", "fire"),
    QT_TRANSLATE_NOOP("CodeTables", "fault"),
    QT_TRANSLATE_NOOP("CodeTables", "condition"),
};

const char *const kListBoxInputZoneArea[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Coincidence"),
    QT_TRANSLATE_NOOP("CodeTables", "Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Pre Warning"),
    QT_TRANSLATE_NOOP("CodeTables", "Hausalarm"),
    QT_TRANSLATE_NOOP("CodeTables", "LA alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "Sprinkler alarm"),
};

const char *const kListBoxInputDevice[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Condition"),
};

const char *const kListBoxInputDay[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Every Day"),
    QT_TRANSLATE_NOOP("CodeTables", "Monday"),
    QT_TRANSLATE_NOOP("CodeTables", "Tuesday"),
    QT_TRANSLATE_NOOP("CodeTables", "Wednesday"),
    QT_TRANSLATE_NOOP("CodeTables", "Thursday"),
    QT_TRANSLATE_NOOP("CodeTables", "Friday"),
    QT_TRANSLATE_NOOP("CodeTables", "Saturday Thusday"),
    QT_TRANSLATE_NOOP("CodeTables", "Sunday Thursday"),
};

const char *const kListBoxInputAction[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Day Mode"),
    QT_TRANSLATE_NOOP("CodeTables", "Zones On"),
    QT_TRANSLATE_NOOP("CodeTables", "School Bells"),
    QT_TRANSLATE_NOOP("CodeTables", "Silence Buzzer"),
    QT_TRANSLATE_NOOP("CodeTables", "Key Switch Unlocked"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Delay ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Signaled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Stopped"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Delay"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Delay"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Delay"),
    QT_TRANSLATE_NOOP("CodeTables", "Restart"),
    QT_TRANSLATE_NOOP("CodeTables", "Reset"),
    QT_TRANSLATE_NOOP("CodeTables", "Access Enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Event Buffer Full"),
    QT_TRANSLATE_NOOP("CodeTables", "Event Buffer Cleared"),
    QT_TRANSLATE_NOOP("CodeTables", "Maintenance Reminder"),
};

const char *const kListBoxInputCL[] = {
    "", // no text
    QT_TRANSLATE_NOOP("CodeTables", "Sounder On"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Delay On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Delay On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Rounting On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Rounting Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Rounting Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Rounting Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Rounting Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Rounting Delay On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Delay On"),
    QT_TRANSLATE_NOOP("CodeTables", "Reset"),
    QT_TRANSLATE_NOOP("CodeTables", "Silence Buzzer"),
};

const char *const kListBoxOutputType[] = {
    QT_TRANSLATE_NOOP("CodeTables", "None"),
    QT_TRANSLATE_NOOP("CodeTables", "General"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone"),
    QT_TRANSLATE_NOOP("CodeTables", "Area"),
    QT_TRANSLATE_NOOP("CodeTables", "Internal"),
    QT_TRANSLATE_NOOP("CodeTables", "Dev. output"),
    QT_TRANSLATE_NOOP("CodeTables", "Int. supervised"),
    QT_TRANSLATE_NOOP("CodeTables", "Dev. supervised"),
    QT_TRANSLATE_NOOP("CodeTables", "Network"),
    QT_TRANSLATE_NOOP("CodeTables", "Curr. loop dev"),
    QT_TRANSLATE_NOOP("CodeTables", "Curr. loop dev sup"),
    QT_TRANSLATE_NOOP("CodeTables", "Event"),
    QT_TRANSLATE_NOOP("CodeTables", "Action"),
    QT_TRANSLATE_NOOP("CodeTables", "LON Output "),
    QT_TRANSLATE_NOOP("CodeTables", "Sup. LON Output"),
};

const char *const kListBoxOutputMode[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Non inverted"),
    QT_TRANSLATE_NOOP("CodeTables", "Inverted"),
};

const char *const kListBoxOutputGeneral[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Common Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "Common Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Common Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "External Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "External Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "External Supply Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Tamper Switch"),
    QT_TRANSLATE_NOOP("CodeTables", "Service Switch ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Hausalarm"),
    QT_TRANSLATE_NOOP("CodeTables", "LA alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "Sprinkler alarm"),
};

const char *const kListBoxOutputZone[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Fire MCP"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Auto"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Coincidence"),
    QT_TRANSLATE_NOOP("CodeTables", "Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "Disable"),
    QT_TRANSLATE_NOOP("CodeTables", "Hausalarm"),
    QT_TRANSLATE_NOOP("CodeTables", "LA alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "Sprinkler alarm"),
};

const char *const kListBoxOutputArea[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire AUTO"),
    QT_TRANSLATE_NOOP("CodeTables", "Coincidence"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "Disable"),
    QT_TRANSLATE_NOOP("CodeTables", "Hausalarm"),
    QT_TRANSLATE_NOOP("CodeTables", "LA alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "Sprinkler alarm"),
};

const char *const kListBoxOutputEquip[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Logic"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection"),
};

const char *const kListBoxOutputLink[] = {
    QT_TRANSLATE_NOOP("CodeTables", "No Link"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone Link"),
    QT_TRANSLATE_NOOP("CodeTables", "Area Link"),
};

const char *const kListBoxOutputAction[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Day Mode"),
    QT_TRANSLATE_NOOP("CodeTables", "Zones ON"),
    QT_TRANSLATE_NOOP("CodeTables", "School Bells ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Silence Buzzer"),
    QT_TRANSLATE_NOOP("CodeTables", "Key Switch Unlocked"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Delay ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Signaled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Stopped"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Delay ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing OFF"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Delay ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection OFF"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Delay ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Restart"),
    QT_TRANSLATE_NOOP("CodeTables", "Reset"),
    QT_TRANSLATE_NOOP("CodeTables", "Synchronise Time"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 1"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 2"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 3"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 4"),
};

const char *const kListBoxLogicOp[] = {
    QT_TRANSLATE_NOOP("CodeTables", "        "),
    QT_TRANSLATE_NOOP("CodeTables", ")="),
    QT_TRANSLATE_NOOP("CodeTables", ")set-s"),
    QT_TRANSLATE_NOOP("CodeTables", ")reset-s"),
    QT_TRANSLATE_NOOP("CodeTables", ")set-e"),
    QT_TRANSLATE_NOOP("CodeTables", ")reset-e"),
    QT_TRANSLATE_NOOP("CodeTables", "and"),
    QT_TRANSLATE_NOOP("CodeTables", "and not"),
    QT_TRANSLATE_NOOP("CodeTables", "and("),
    QT_TRANSLATE_NOOP("CodeTables", "and not ("),
    QT_TRANSLATE_NOOP("CodeTables", "or"),
    QT_TRANSLATE_NOOP("CodeTables", "or not"),
    QT_TRANSLATE_NOOP("CodeTables", "or ("),
    QT_TRANSLATE_NOOP("CodeTables", "or not ("),
    QT_TRANSLATE_NOOP("CodeTables", "("),
    QT_TRANSLATE_NOOP("CodeTables", "not ("),
    QT_TRANSLATE_NOOP("CodeTables", ")"),
    QT_TRANSLATE_NOOP("CodeTables", "end"),
};

const char *const kListBoxLogicOpr[] = {
    QT_TRANSLATE_NOOP("CodeTables", "  "),
    QT_TRANSLATE_NOOP("CodeTables", "input"),
    QT_TRANSLATE_NOOP("CodeTables", "output"),
    QT_TRANSLATE_NOOP("CodeTables", "marker"),
    QT_TRANSLATE_NOOP("CodeTables", "timer"),
    QT_TRANSLATE_NOOP("CodeTables", "not input"),
    QT_TRANSLATE_NOOP("CodeTables", "not output"),
    QT_TRANSLATE_NOOP("CodeTables", "not marker"),
    QT_TRANSLATE_NOOP("CodeTables", "not timer"),
};

const char *const kListBoxSensorAlarm[] = {
    QT_TRANSLATE_NOOP("CodeTables", "off"),
    QT_TRANSLATE_NOOP("CodeTables", "on"),
};

const char *const kListBoxInputStatus[] = {
    QT_TRANSLATE_NOOP("CodeTables", "FALSE"),
    QT_TRANSLATE_NOOP("CodeTables", "TRUE"),
};

const char *const kListBoxOutputStatus[] = {
    QT_TRANSLATE_NOOP("CodeTables", "FALSE"),
    QT_TRANSLATE_NOOP("CodeTables", "TRUE"),
};

const char *const kListBoxEventClass[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Action"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "All"),
};

const char *const kListBoxEventType[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Sensor Soak"),
    QT_TRANSLATE_NOOP("CodeTables", "Area"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone"),
    QT_TRANSLATE_NOOP("CodeTables", "Sensor"),
    QT_TRANSLATE_NOOP("CodeTables", "General"),
    QT_TRANSLATE_NOOP("CodeTables", "Output"),
    QT_TRANSLATE_NOOP("CodeTables", "Input"),
    QT_TRANSLATE_NOOP("CodeTables", "Action"),
    QT_TRANSLATE_NOOP("CodeTables", "Loop"),
    QT_TRANSLATE_NOOP("CodeTables", "Output/Input"),
    QT_TRANSLATE_NOOP("CodeTables", "All"),
};

const char *const kListBoxEventStatus[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Passive"),
    QT_TRANSLATE_NOOP("CodeTables", "Active"),
    QT_TRANSLATE_NOOP("CodeTables", "Accepted"),
    QT_TRANSLATE_NOOP("CodeTables", "Logged"),
    QT_TRANSLATE_NOOP("CodeTables", "Act+Acc"),
    QT_TRANSLATE_NOOP("CodeTables", "Act+Acc+Log"),
};

const char *const kListBoxFEPFault[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Fault Signal on 'Fault in line'"),
    QT_TRANSLATE_NOOP("CodeTables", "No Communication To FEP"),
    QT_TRANSLATE_NOOP("CodeTables", "No Communication From FEP"),
    QT_TRANSLATE_NOOP("CodeTables", "Packet Number Mismatch"),
};

const char *const kListBoxZoneAction[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder On"),
    QT_TRANSLATE_NOOP("CodeTables", "Souder Test On"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Test Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Test On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Stopped"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Test Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Test On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Stopped"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Test Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Test On"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Stopped"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Test Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Two Fire On"),
    QT_TRANSLATE_NOOP("CodeTables", "Two Fire Off"),
};

const char *const kListBoxInputGeneral[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Common Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "Common Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Supply Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "System Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Common Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Coincidence"),
    QT_TRANSLATE_NOOP("CodeTables", "External Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "External Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Memory Unlocked"),
    QT_TRANSLATE_NOOP("CodeTables", "Tamper Switch"),
    QT_TRANSLATE_NOOP("CodeTables", "Service Switch On"),
    QT_TRANSLATE_NOOP("CodeTables", "Access Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Printer Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Emulation Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "VDU Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Global Repeater Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Panel Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Local Repeater Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "CL Device Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Modem Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Mains Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Battery Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Battery Test Failed"),
    QT_TRANSLATE_NOOP("CodeTables", "Low Battery"),
    QT_TRANSLATE_NOOP("CodeTables", "Charger Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Earth Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "External Supply Flt."),
    QT_TRANSLATE_NOOP("CodeTables", "Hardware Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Routing Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Prot. Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Soak Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Rounting Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Protection Test"),
    QT_TRANSLATE_NOOP("CodeTables", "Maitenance Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "BFS Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Pre Warning"),
    QT_TRANSLATE_NOOP("CodeTables", "Hausalarm"),
    QT_TRANSLATE_NOOP("CodeTables", "LA alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "Sprinkler alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade return"),
    QT_TRANSLATE_NOOP("CodeTables", "Üe ausgelöst(FBTriggert)"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK entriegelt"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK Sabotage"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK offen"),
    QT_TRANSLATE_NOOP("CodeTables", "LA ausgelöst"),
    QT_TRANSLATE_NOOP("CodeTables", "BFS ausgelöst"),
};

const char *const kListBoxWatchdog[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Host Watchdog Time-out"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Watchdog Time-out"),
    QT_TRANSLATE_NOOP("CodeTables", "Divide Error Exeption"),
    QT_TRANSLATE_NOOP("CodeTables", "Array Bounds Exection"),
    QT_TRANSLATE_NOOP("CodeTables", "Unused Opcode Exection"),
    QT_TRANSLATE_NOOP("CodeTables", "Escape Opcode Exection"),
    QT_TRANSLATE_NOOP("CodeTables", "Numeric Exeption"),
    QT_TRANSLATE_NOOP("CodeTables", "Restart"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "LON Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "LON Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Communication"),
    QT_TRANSLATE_NOOP("CodeTables", "Nucleus Error"),
    QT_TRANSLATE_NOOP("CodeTables", "Nucleus Error"),
    QT_TRANSLATE_NOOP("CodeTables", "Nucleus Error"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "Reserved"),
    QT_TRANSLATE_NOOP("CodeTables", "LON2000 Restart"),
    QT_TRANSLATE_NOOP("CodeTables", "LON2000 Time-out"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Watch Time-out"),
};

const char *const kListBoxGeneralAlarm[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Common Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "External Fire"),
    QT_TRANSLATE_NOOP("CodeTables", "LA Tripped"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone set-up fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Aspiration unit set-up fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Common condition"),
    QT_TRANSLATE_NOOP("CodeTables", "Common coincidence"),
    QT_TRANSLATE_NOOP("CodeTables", "Maintenance Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "Pre Warning Condition"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "Common fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Watchdog timeout"),
    QT_TRANSLATE_NOOP("CodeTables", "Service mode on"),
    QT_TRANSLATE_NOOP("CodeTables", "Memory unlocked"),
    QT_TRANSLATE_NOOP("CodeTables", "FEP Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Current loop device fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Tamper switch on"),
    QT_TRANSLATE_NOOP("CodeTables", "Mains off"),
    QT_TRANSLATE_NOOP("CodeTables", "Battery disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Low Battery"),
    QT_TRANSLATE_NOOP("CodeTables", "Charger fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Earth fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Incomplete NET1 setup"),
    QT_TRANSLATE_NOOP("CodeTables", "Printer disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Wrong time/date"),
    QT_TRANSLATE_NOOP("CodeTables", "Configuration fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade fault"),
    QT_TRANSLATE_NOOP("CodeTables", "External fault"),
    QT_TRANSLATE_NOOP("CodeTables", "External supply fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade test"),
    QT_TRANSLATE_NOOP("CodeTables", "Checksum fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Local Repeater fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Access fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Battery failed"),
    QT_TRANSLATE_NOOP("CodeTables", "Emulation disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Logic disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Logic error"),
    QT_TRANSLATE_NOOP("CodeTables", "Hardware test fail"),
    QT_TRANSLATE_NOOP("CodeTables", "Checksum fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Panel fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Global Repeater fault"),
    QT_TRANSLATE_NOOP("CodeTables", "No checksum cal."),
    QT_TRANSLATE_NOOP("CodeTables", "Input fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Output fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection fault"),
    QT_TRANSLATE_NOOP("CodeTables", "No FB feedback"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Soak test"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection test"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing return fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection return fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire brigade return fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Modem fault"),
    QT_TRANSLATE_NOOP("CodeTables", "VDU disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Loop test"),
    QT_TRANSLATE_NOOP("CodeTables", "Modem report fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection equipment fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing equipment fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Port fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Incomplete NET2 setup"),
    QT_TRANSLATE_NOOP("CodeTables", "Network line faulty"),
    QT_TRANSLATE_NOOP("CodeTables", "Duplicate node id"),
    QT_TRANSLATE_NOOP("CodeTables", "Auxiliary supply fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Third source fault"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK fault"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK release"),
    QT_TRANSLATE_NOOP("CodeTables", "FSE input fault"),
    QT_TRANSLATE_NOOP("CodeTables", "FSE input active"),
    QT_TRANSLATE_NOOP("CodeTables", "EMZ FSK door release in. fault"),
    QT_TRANSLATE_NOOP("CodeTables", "EMZ FSK door release request"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK door fault"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK door open"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK security fault"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK unlocked"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK heater fault"),
    QT_TRANSLATE_NOOP("CodeTables", "BFS disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "External alarm (Hauptmelder)"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire brigade trigger by FBF"),
    QT_TRANSLATE_NOOP("CodeTables", "No comm. with CMSI (SDI-A)"),
    QT_TRANSLATE_NOOP("CodeTables", "LON device comm. fault"),
    QT_TRANSLATE_NOOP("CodeTables", "LON controller fault"),
    QT_TRANSLATE_NOOP("CodeTables", "LON device fault"),
    QT_TRANSLATE_NOOP("CodeTables", "No comm. with CMSI (SDI-B)"),
    QT_TRANSLATE_NOOP("CodeTables", "LON device disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "2nd Souder Fault"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP Fire Brigade fault"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP Fire Brigade disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP Fire Brigade test"),
    QT_TRANSLATE_NOOP("CodeTables", "DIP-Switch setting error"),
    QT_TRANSLATE_NOOP("CodeTables", "LA Input return"),
    QT_TRANSLATE_NOOP("CodeTables", "LA fault"),
    QT_TRANSLATE_NOOP("CodeTables", "LA fault return"),
    QT_TRANSLATE_NOOP("CodeTables", "Pager comms fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Unknown pager address "),
    QT_TRANSLATE_NOOP("CodeTables", "No pager dongle"),
    QT_TRANSLATE_NOOP("CodeTables", "LON redundancy"),
    QT_TRANSLATE_NOOP("CodeTables", "Virtual address fault"),
    QT_TRANSLATE_NOOP("CodeTables", "Housealarm"),
    QT_TRANSLATE_NOOP("CodeTables", "LA alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "Sprinkler alarm"),
    QT_TRANSLATE_NOOP("CodeTables", "BFS triggered"),
    QT_TRANSLATE_NOOP("CodeTables", "FB triggered"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
};

const char *const kListBoxAction[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Restart"),
    QT_TRANSLATE_NOOP("CodeTables", "Reset"),
    QT_TRANSLATE_NOOP("CodeTables", "Silence Buzzer"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder On"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Delay ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Delay OFF"),
    QT_TRANSLATE_NOOP("CodeTables", "Sounder Enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Delay ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Delay OFF"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Stop"),
    QT_TRANSLATE_NOOP("CodeTables", "EventBuffer Cleared"),
    QT_TRANSLATE_NOOP("CodeTables", "Memory Locked"),
    QT_TRANSLATE_NOOP("CodeTables", "Service Mode Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Tamper Switch Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Keylock Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Mains On"),
    QT_TRANSLATE_NOOP("CodeTables", "Day Mode"),
    QT_TRANSLATE_NOOP("CodeTables", "Night Mode"),
    QT_TRANSLATE_NOOP("CodeTables", "School Bell On"),
    QT_TRANSLATE_NOOP("CodeTables", "School Bell Off"),
    QT_TRANSLATE_NOOP("CodeTables", "SounderTest Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Test Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Soak Test Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Zone Tes tOff"),
    QT_TRANSLATE_NOOP("CodeTables", "Maintenance Reminder"),
    QT_TRANSLATE_NOOP("CodeTables", "Access Enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Access Disabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Battery Connected"),
    QT_TRANSLATE_NOOP("CodeTables", "Battery Detected"),
    QT_TRANSLATE_NOOP("CodeTables", "Local Repeater Ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Logic Enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Ext. Fault Ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Modem OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Time changed"),
    QT_TRANSLATE_NOOP("CodeTables", "Synchronise Time"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Panel OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Global Repeater Ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Signal"),
    QT_TRANSLATE_NOOP("CodeTables", "Low Battery OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Charger OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Earth OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Zones ON"),
    QT_TRANSLATE_NOOP("CodeTables", "Zones Off"),
    QT_TRANSLATE_NOOP("CodeTables", "Event Buffer Full"),
    QT_TRANSLATE_NOOP("CodeTables", "Ext. Supply OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Condition OK"),
    QT_TRANSLATE_NOOP("CodeTables", "Keylock Enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Hardware Test Start"),
    QT_TRANSLATE_NOOP("CodeTables", "Hardware Test End"),
    QT_TRANSLATE_NOOP("CodeTables", "Panel Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "L. Repeater Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "G. Repeater Disconnected"),
    QT_TRANSLATE_NOOP("CodeTables", "Current loop device ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing on"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing delay on"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing delay off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection on"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection silenced"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection delay on"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection delay off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault routing test off"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire protection test off"),
    QT_TRANSLATE_NOOP("CodeTables", "User log"),
    QT_TRANSLATE_NOOP("CodeTables", "Loop test off"),
    QT_TRANSLATE_NOOP("CodeTables", "Modem test"),
    QT_TRANSLATE_NOOP("CodeTables", "Printer on"),
    QT_TRANSLATE_NOOP("CodeTables", "Network line Ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Aux. Supply Ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Third Source Ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Fire Brigade Feedback"),
    QT_TRANSLATE_NOOP("CodeTables", "Clear all event buffers"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 1"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 2"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 3"),
    QT_TRANSLATE_NOOP("CodeTables", "Call on line 4"),
    QT_TRANSLATE_NOOP("CodeTables", "End of call"),
    QT_TRANSLATE_NOOP("CodeTables", "End of call"),
    QT_TRANSLATE_NOOP("CodeTables", "End of call"),
    QT_TRANSLATE_NOOP("CodeTables", "End of call"),
    QT_TRANSLATE_NOOP("CodeTables", "BFS enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK locked from EMZ"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK door closed"),
    QT_TRANSLATE_NOOP("CodeTables", "FSK locked"),
    QT_TRANSLATE_NOOP("CodeTables", "Comm. with CMSI (SDI-A) ok"),
    QT_TRANSLATE_NOOP("CodeTables", "LON device comm.ok"),
    QT_TRANSLATE_NOOP("CodeTables", "LON device fault ok"),
    QT_TRANSLATE_NOOP("CodeTables", "LON controller fault ok"),
    QT_TRANSLATE_NOOP("CodeTables", "Comm. with CMSI (SDI-B) ok"),
    QT_TRANSLATE_NOOP("CodeTables", "LON device enabled"),
    QT_TRANSLATE_NOOP("CodeTables", "LA Reset"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP Fire Biigade Test Off"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP Fire Brigade on"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP Fire Brigade Enable"),
    QT_TRANSLATE_NOOP("CodeTables", "Fault Ouput to FB"),
    QT_TRANSLATE_NOOP("CodeTables", "Pager comms ok"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
    QT_TRANSLATE_NOOP("CodeTables", "res"),
};

const char *const kListBoxSensorType[] = {
    QT_TRANSLATE_NOOP("CodeTables", "None"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP"),
    QT_TRANSLATE_NOOP("CodeTables", "ADD"),
    QT_TRANSLATE_NOOP("CodeTables", "MCPM"),
    QT_TRANSLATE_NOOP("CodeTables", "GCU2"),
    QT_TRANSLATE_NOOP("CodeTables", "OPT"),
    QT_TRANSLATE_NOOP("CodeTables", "ION"),
    QT_TRANSLATE_NOOP("CodeTables", "TEMP"),
    QT_TRANSLATE_NOOP("CodeTables", "SND"),
    QT_TRANSLATE_NOOP("CodeTables", "4IO"),
    QT_TRANSLATE_NOOP("CodeTables", "1IO"),
    QT_TRANSLATE_NOOP("CodeTables", "3IO"),
    QT_TRANSLATE_NOOP("CodeTables", "1I"),
    QT_TRANSLATE_NOOP("CodeTables", "GCU1"),
    QT_TRANSLATE_NOOP("CodeTables", "1O"),
    QT_TRANSLATE_NOOP("CodeTables", "2IO"),
    QT_TRANSLATE_NOOP("CodeTables", "2I/1O"),
    QT_TRANSLATE_NOOP("CodeTables", "4I"),
    QT_TRANSLATE_NOOP("CodeTables", "MUL"),
    QT_TRANSLATE_NOOP("CodeTables", "ZMU"),
    QT_TRANSLATE_NOOP("CodeTables", "CUM"),
    QT_TRANSLATE_NOOP("CodeTables", "SMI"),
    QT_TRANSLATE_NOOP("CodeTables", "SIM"),
    QT_TRANSLATE_NOOP("CodeTables", "SMU"),
    QT_TRANSLATE_NOOP("CodeTables", "SMU+"),
    QT_TRANSLATE_NOOP("CodeTables", "2I/1O"),
    QT_TRANSLATE_NOOP("CodeTables", "LCC"),
    QT_TRANSLATE_NOOP("CodeTables", "ASP"),
    QT_TRANSLATE_NOOP("CodeTables", "CO"),
    QT_TRANSLATE_NOOP("CodeTables", "LPB"),
    QT_TRANSLATE_NOOP("CodeTables", "1OS"),
    QT_TRANSLATE_NOOP("CodeTables", "2I"),
};

const char *const kAlarmDeviceTypeNames[] = {
    QT_TRANSLATE_NOOP("CodeTables", "none"),
    QT_TRANSLATE_NOOP("CodeTables", "MCP"),
    QT_TRANSLATE_NOOP("CodeTables", "OPT"),
    QT_TRANSLATE_NOOP("CodeTables", "ION"),
    QT_TRANSLATE_NOOP("CodeTables", "TEMP"),
    QT_TRANSLATE_NOOP("CodeTables", "SND"),
    QT_TRANSLATE_NOOP("CodeTables", "IO"),
    QT_TRANSLATE_NOOP("CodeTables", "IO"),
    QT_TRANSLATE_NOOP("CodeTables", "IO"),
    QT_TRANSLATE_NOOP("CodeTables", "IO"),
    QT_TRANSLATE_NOOP("CodeTables", "IO"),
    QT_TRANSLATE_NOOP("CodeTables", "ZMU"),
    QT_TRANSLATE_NOOP("CodeTables", "MUL"),
    QT_TRANSLATE_NOOP("CodeTables", "LCC"),
};
} // namespace

#define CODE_TABLE(name) const CodeTable name{#name, k##name, int(std::size(k##name))}
CODE_TABLE(ListBoxSensorConfig);
CODE_TABLE(ListBoxInputType);
CODE_TABLE(ListBoxInputLatching);
CODE_TABLE(ListBoxInputShape);
CODE_TABLE(ListBoxInputState);
CODE_TABLE(ListBoxInputLogging);
CODE_TABLE(ListBoxInputZoneArea);
CODE_TABLE(ListBoxInputDevice);
CODE_TABLE(ListBoxInputDay);
CODE_TABLE(ListBoxInputAction);
CODE_TABLE(ListBoxInputCL);
CODE_TABLE(ListBoxOutputType);
CODE_TABLE(ListBoxOutputMode);
CODE_TABLE(ListBoxOutputGeneral);
CODE_TABLE(ListBoxOutputZone);
CODE_TABLE(ListBoxOutputArea);
CODE_TABLE(ListBoxOutputEquip);
CODE_TABLE(ListBoxOutputLink);
CODE_TABLE(ListBoxOutputAction);
CODE_TABLE(ListBoxLogicOp);
CODE_TABLE(ListBoxLogicOpr);
CODE_TABLE(ListBoxSensorAlarm);
CODE_TABLE(ListBoxInputStatus);
CODE_TABLE(ListBoxOutputStatus);
CODE_TABLE(ListBoxEventClass);
CODE_TABLE(ListBoxEventType);
CODE_TABLE(ListBoxEventStatus);
CODE_TABLE(ListBoxFEPFault);
CODE_TABLE(ListBoxZoneAction);
CODE_TABLE(ListBoxInputGeneral);
CODE_TABLE(ListBoxWatchdog);
CODE_TABLE(ListBoxGeneralAlarm);
CODE_TABLE(ListBoxAction);
CODE_TABLE(ListBoxSensorType);
CODE_TABLE(AlarmDeviceTypeNames);
#undef CODE_TABLE

QList<const CodeTable *> allTables()
{
    return {
        &ListBoxSensorConfig,
        &ListBoxInputType,
        &ListBoxInputLatching,
        &ListBoxInputShape,
        &ListBoxInputState,
        &ListBoxInputLogging,
        &ListBoxInputZoneArea,
        &ListBoxInputDevice,
        &ListBoxInputDay,
        &ListBoxInputAction,
        &ListBoxInputCL,
        &ListBoxOutputType,
        &ListBoxOutputMode,
        &ListBoxOutputGeneral,
        &ListBoxOutputZone,
        &ListBoxOutputArea,
        &ListBoxOutputEquip,
        &ListBoxOutputLink,
        &ListBoxOutputAction,
        &ListBoxLogicOp,
        &ListBoxLogicOpr,
        &ListBoxSensorAlarm,
        &ListBoxInputStatus,
        &ListBoxOutputStatus,
        &ListBoxEventClass,
        &ListBoxEventType,
        &ListBoxEventStatus,
        &ListBoxFEPFault,
        &ListBoxZoneAction,
        &ListBoxInputGeneral,
        &ListBoxWatchdog,
        &ListBoxGeneralAlarm,
        &ListBoxAction,
        &ListBoxSensorType,
        &AlarmDeviceTypeNames,
    };
}

const char *CodeTable::source(int index) const
{
    if (index < 0 || index >= size)
        throw CodeTableError(std::string(name) + ": code " + std::to_string(index) + " is beyond the table's "
                             + std::to_string(size) + " entries");
    return entries[index];
}

QString CodeTable::text(int index) const
{
    return translated(source(index));
}

QStringList CodeTable::texts() const
{
    QStringList list;
    list.reserve(size);
    for (int i = 0; i < size; ++i)
        list.append(translated(entries[i]));
    return list;
}

QString translated(const char *source)
{
    if (source == nullptr || *source == '\0')
        return QString();
    return QCoreApplication::translate("CodeTables", source);
}

const CodeTable *findTable(const QString &name)
{
    for (const CodeTable *table : allTables()) {
        if (name == QLatin1String(table->name))
            return table;
    }
    return nullptr;
}

namespace {

// Names of DeviceTypeName by device-type code: the entry of ListBoxSensorType
// for variant 2 panels, for variant 0 panels (with a digit after it for the
// two aspiration units) and for every other variant.
struct DeviceNameRow
{
    int code;
    int variant2;
    int variant0;
    int otherVariant;
    const char *variant0Suffix;
};

constexpr DeviceNameRow deviceNames[] = {
    {0, 0, 0, 0, nullptr},     {1, 1, 1, 1, nullptr},      {2, 5, 5, 5, nullptr},      {3, 6, 6, 6, nullptr},
    {4, 7, 7, 7, nullptr},     {5, 8, 8, 8, nullptr},      {6, 30, 9, 9, nullptr},     {7, 14, 15, 15, nullptr},
    {8, 10, 16, 16, nullptr},  {9, 31, 17, 17, nullptr},   {10, 22, 22, 22, nullptr},  {11, 19, 19, 19, nullptr},
    {12, 18, 18, 18, nullptr}, {13, 26, 26, 26, nullptr},  {17, 2, 2, 2, nullptr},     {19, 28, 28, 28, nullptr},
    {21, 29, 29, 29, nullptr}, {22, 10, 27, 10, "1"},      {27, 20, 20, 20, nullptr},  {33, 3, 3, 3, nullptr},
    {38, 11, 27, 11, "2"},     {43, 23, 23, 23, nullptr},  {49, 4, 4, 4, nullptr},     {54, 12, 12, 12, nullptr},
    {59, 24, 24, 24, nullptr}, {65, 21, 21, 21, nullptr},  {70, 13, 13, 13, nullptr},  {86, 14, 14, 14, nullptr},
    {102, 25, 25, 25, nullptr},
};

struct ZoneTestNameRow
{
    int code;
    const char *name;
};

constexpr ZoneTestNameRow zoneTestNames[] = {
    {1, QT_TRANSLATE_NOOP("CodeTables", "MCP")},       {2, QT_TRANSLATE_NOOP("CodeTables", "OPT")},
    {3, QT_TRANSLATE_NOOP("CodeTables", "ION")},       {4, QT_TRANSLATE_NOOP("CodeTables", "TEMP")},
    {5, QT_TRANSLATE_NOOP("CodeTables", "SND")},       {6, QT_TRANSLATE_NOOP("CodeTables", "4IO")},
    {7, QT_TRANSLATE_NOOP("CodeTables", "2I/O")},      {8, QT_TRANSLATE_NOOP("CodeTables", "2I/1O")},
    {9, QT_TRANSLATE_NOOP("CodeTables", "4I")},        {10, QT_TRANSLATE_NOOP("CodeTables", "SIM")},
    {11, QT_TRANSLATE_NOOP("CodeTables", "ZMU")},      {12, QT_TRANSLATE_NOOP("CodeTables", "MUL")},
    {13, QT_TRANSLATE_NOOP("CodeTables", "LCC")},      {17, QT_TRANSLATE_NOOP("CodeTables", "ADD")},
    {19, QT_TRANSLATE_NOOP("CodeTables", "CO")},       {21, QT_TRANSLATE_NOOP("CodeTables", "LPB")},
    {22, QT_TRANSLATE_NOOP("CodeTables", "1IO/ASP1")}, {27, QT_TRANSLATE_NOOP("CodeTables", "CUM")},
    {33, QT_TRANSLATE_NOOP("CodeTables", "MCPW")},     {38, QT_TRANSLATE_NOOP("CodeTables", "3IO/ASP2")},
    {43, QT_TRANSLATE_NOOP("CodeTables", "SMU")},      {49, QT_TRANSLATE_NOOP("CodeTables", "GCU2")},
    {54, QT_TRANSLATE_NOOP("CodeTables", "1I")},       {59, QT_TRANSLATE_NOOP("CodeTables", "SMU+")},
    {65, QT_TRANSLATE_NOOP("CodeTables", "SMI")},      {70, QT_TRANSLATE_NOOP("CodeTables", "GCU1")},
    {86, QT_TRANSLATE_NOOP("CodeTables", "1O")},       {102, QT_TRANSLATE_NOOP("CodeTables", "2I/1O")},
};

} // namespace

QString DeviceTypeName(int code, int panelVariant)
{
    for (const DeviceNameRow &row : deviceNames) {
        if (row.code != code)
            continue;
        if (panelVariant == 2)
            return ListBoxSensorType.text(row.variant2);
        if (panelVariant == 0) {
            QString name = ListBoxSensorType.text(row.variant0);
            if (row.variant0Suffix != nullptr)
                name += QLatin1String(row.variant0Suffix);
            return name;
        }
        return ListBoxSensorType.text(row.otherVariant);
    }
    return QCoreApplication::translate("CodeTables", "UNKNOWN");
}

QString ZoneTestDeviceTypeName(int code)
{
    for (const ZoneTestNameRow &row : zoneTestNames) {
        if (row.code == code)
            return translated(row.name);
    }
    return QCoreApplication::translate("CodeTables", "none");
}

QString AlarmDeviceTypeName(int code)
{
    if (code >= 0 && code < AlarmDeviceTypeNames.count())
        return AlarmDeviceTypeNames.text(code);
    return QString::number(code);
}

} // namespace codetables

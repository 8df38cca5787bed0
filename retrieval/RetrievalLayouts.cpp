#include "RetrievalLayouts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

using platform::FieldType;

#define H(text) QT_TRANSLATE_NOOP("RetrievalLayouts", text)

constexpr int W9 = -9;      // 9 pixels per character of the header: the usual width
constexpr int WText = 500;  // "TEXT" columns

constexpr TableFieldDef I(const char *name) { return {name, FieldType::Integer, 0}; }
constexpr TableFieldDef T(const char *name, int size) { return {name, FieldType::String, size}; }

// 1. Non-volatile sensor data -------------------------------------------------
namespace s = sensorcol;

constexpr GridColumnDef sensorColumnsM4[] = {
    {s::Loop, H("LOOP"), "Loop", W9},           {s::Device, H("DEVICE"), "Sensor", W9},
    {s::EnDis, H("EN/DIS"), "Enable Disable", W9}, {s::SoakTest, H("SOAK TEST"), "Soak Test", W9},
    {s::DayLevel, H("DAY LEVEL"), "Day Level", W9}, {s::Type, H("TYPE"), "Device Type", W9},
    {s::Zone, H("ZONE"), "Zone", W9},           {s::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef sensorColumnsM5[] = {
    {s::Loop, H("LOOP"), "Loop", W9},           {s::Device, H("DEVICE"), "Sensor", W9},
    {s::EnDis, H("EN/DIS"), "Enable Disable", W9}, {s::SoakTest, H("SOAK TEST"), "Soak Test", W9},
    {s::DayLevel, H("DAY LEVEL"), "Day Level", W9}, {s::Type, H("TYPE"), "Device Type", W9},
    {s::Zone, H("ZONE"), "Zone", W9},           {s::Configuration, H("CONFIGURATION"), "Configuration", W9},
    {s::Input, H("INPUT "), "Input", W9},       {s::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef sensorColumnsM7[] = {
    {s::Loop, H("LOOP"), "Loop", W9},           {s::Device, H("DEVICE"), "Sensor", W9},
    {s::EnDis, H("EN/DIS"), "Enable Disable", W9}, {s::SoakTest, H("SOAK TEST"), "Soak Test", W9},
    {s::EnWAlmStore, H("EN.W.ALM. STORE"), "Enable With Alarm", W9},
    {s::DayLevel, H("DAY LEVEL"), "Day Level", W9}, {s::Type, H("TYPE"), "Device Type", W9},
    {s::Zone, H("ZONE"), "Zone", W9},           {s::Configuration, H("CONFIGURATION"), "Configuration", W9},
    {s::Input, H("INPUT "), "Input", W9},       {s::AspDelay, H("ASP DELAY"), "ASP Delay", W9},
    {s::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef sensorColumnsM801[] = {
    {s::Loop, H("LOOP"), "Loop", W9},           {s::Device, H("DEVICE"), "Sensor", W9},
    {s::EnDis, H("EN/DIS"), "Enable Disable", W9}, {s::SoakTest, H("SOAK TEST"), "Soak Test", W9},
    {s::EnWAlmStore, H("EN.W.ALM. STORE"), "Enable With Alarm", W9},
    {s::DayLevel, H("DAY LEVEL"), "Day Level", W9}, {s::NightLevel, H("NIGHT LEVEL"), "Night Level", W9},
    {s::Type, H("TYPE"), "Device Type", W9},    {s::Zone, H("ZONE"), "Zone", W9},
    {s::Configuration, H("CONFIGURATION"), "Configuration", W9}, {s::Input, H("INPUT "), "Input", W9},
    {s::AspDelay, H("ASP DELAY"), "ASP Delay", W9}, {s::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef sensorColumnsM837[] = {
    {s::Loop, H("LOOP"), "Loop", W9},           {s::Device, H("DEVICE"), "Sensor", W9},
    {s::EnDis, H("EN/DIS"), "Enable Disable", W9}, {s::SoakTest, H("SOAK TEST"), "Soak Test", W9},
    {s::EnWAlmStore, H("EN.W.ALM. STORE"), "Enable With Alarm", W9},
    {s::DayLevel, H("DAY LEVEL"), "Day Level", W9}, {s::NightLevel, H("NIGHT LEVEL"), "Night Level", W9},
    {s::Type, H("TYPE"), "Device Type", W9},    {s::Zone, H("ZONE"), "Zone", W9},
    {s::Configuration, H("CONFIGURATION"), "Configuration", W9}, {s::Input, H("INPUT "), "Input", W9},
    {s::AspDelay, H("ASP DELAY"), "ASP Delay", W9},
    {s::LedRemoteOutput, H("LED/REMOTE OUTPUT"), "RemoteLED", W9}, {s::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef sensorColumnsM10[] = {
    {s::Loop, H("LOOP"), "Loop", W9},           {s::Device, H("DEVICE"), "Sensor", W9},
    {s::EnDis, H("EN/DIS"), "Enable Disable", W9}, {s::SoakTest, H("SOAK TEST"), "Soak Test", W9},
    {s::EnWAlmStore, H("EN.W.ALM. STORE"), "Enable With Alarm", W9},
    {s::DayLevel, H("DAY LEVEL"), "Day Level", W9}, {s::NightLevel, H("NIGHT LEVEL"), "Night Level", W9},
    {s::Type, H("TYPE"), "Device Type", W9},    {s::Zone, H("ZONE"), "Zone", W9},
    {s::Configuration, H("CONFIGURATION"), "Configuration", W9}, {s::Input, H("INPUT "), "Input", W9},
    {s::AspDelay, H("ASP DELAY"), "ASP Delay", W9},
    {s::LedRemoteOutput, H("LED/REMOTE OUTPUT"), "RemoteLED", W9},
    {s::VirtualAddress, H("VIRTUAL ADDRESS"), "Virtual Address", W9}, {s::Text, H("TEXT"), "Text", WText},
};

constexpr TableFieldDef sensorFieldsM4[] = {
    I("Loop"), I("Sensor"), T("Enable Disable", 10), T("Soak Test", 10), T("Day Level", 15), T("Device Type", 10),
    I("Zone"), T("Text", 80),
};
constexpr TableFieldDef sensorFieldsM5[] = {
    I("Loop"), I("Sensor"), T("Enable Disable", 10), T("Soak Test", 10), T("Day Level", 15), T("Device Type", 10),
    I("Zone"), T("Configuration", 20), T("Input", 10), T("Text", 80),
};
constexpr TableFieldDef sensorFieldsM7[] = {
    I("Loop"), I("Sensor"), T("Enable Disable", 10), T("Soak Test", 10), T("Enable With Alarm", 10),
    T("Day Level", 15), T("Device Type", 10), I("Zone"), T("Configuration", 20), T("Input", 10),
    T("ASP Delay", 5), T("Text", 80),
};
constexpr TableFieldDef sensorFieldsM801[] = {
    I("Loop"), I("Sensor"), T("Enable Disable", 10), T("Soak Test", 10), T("Enable With Alarm", 10),
    T("Day Level", 15), T("Night Level", 15), T("Device Type", 10), I("Zone"), T("Configuration", 20),
    T("Input", 10), T("ASP Delay", 5), T("Text", 80),
};
constexpr TableFieldDef sensorFieldsM837[] = {
    I("Loop"), I("Sensor"), T("Enable Disable", 10), T("Soak Test", 10), T("Enable With Alarm", 10),
    T("Day Level", 15), T("Night Level", 15), T("Device Type", 10), I("Zone"), T("Configuration", 20),
    T("Input", 10), T("ASP Delay", 5), T("RemoteLED", 20), T("Text", 80),
};
constexpr TableFieldDef sensorFieldsM10[] = {
    I("Loop"), I("Sensor"), T("Enable Disable", 10), T("Soak Test", 10), T("Enable With Alarm", 10),
    T("Day Level", 15), T("Night Level", 15), T("Device Type", 10), I("Zone"), T("Configuration", 20),
    T("Input", 10), T("ASP Delay", 5), T("RemoteLED", 20), T("Virtual Address", 20), T("Text", 80),
};

// Hosts below version 4 have no layout of their own; they get the oldest.
constexpr LayoutBand sensorBands[] = {
    {0, 0, sensorColumnsM4, sensorFieldsM4},     {5, 0, sensorColumnsM5, sensorFieldsM5},
    {7, 0, sensorColumnsM7, sensorFieldsM7},     {8, 1, sensorColumnsM801, sensorFieldsM801},
    {8, 37, sensorColumnsM837, sensorFieldsM837}, {10, 0, sensorColumnsM10, sensorFieldsM10},
};

// 2. Non-volatile zone data ---------------------------------------------------
namespace z = zonecol;

constexpr GridColumnDef zoneColumnsM0[] = {
    {z::Zone, H("ZONE"), "Zone", W9},               {z::Status, H("STATUS"), "Status", W9},
    {z::TwoTry, H("TWO-TRY"), "TwoTryMode", W9},     {z::OnOff, H("ON-OFF"), "OnOffMode", W9},
    {z::NightMode, H("NIGHT MODE"), "NightMode", W9}, {z::ConfMode, H("CONF. MODE"), "ConfMode", W9},
    {z::SndDelay, H("SND. DELAY"), "SndDelay", W9},   {z::FBDelay, H("FB. DELAY"), "FBDelay", W9},
    {z::Area, H("AREA"), "Area", W9},                {z::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef zoneColumnsM8[] = {
    {z::Zone, H("ZONE"), "Zone", W9},               {z::Status, H("STATUS"), "Status", W9},
    {z::TwoTry, H("TWO-TRY"), "TwoTryMode", W9},     {z::OnOff, H("ON-OFF"), "OnOffMode", W9},
    {z::NightMode, H("NIGHT MODE"), "NightMode", W9}, {z::ConfMode, H("CONF. MODE"), "ConfMode", W9},
    {z::SndDelay, H("SND. DELAY"), "SndDelay", W9},   {z::FBDelay, H("FB. DELAY"), "FBDelay", W9},
    {z::IntrinSave, H("INTRIN.SAVE"), "IntSave", W9}, {z::HMO, H("HMO"), "HMO", W9},
    {z::Area, H("AREA"), "Area", W9},                {z::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef zoneColumnsM9[] = {
    {z::Zone, H("ZONE"), "Zone", W9},               {z::Status, H("STATUS"), "Status", W9},
    {z::TwoTry, H("TWO-TRY"), "TwoTryMode", W9},     {z::OnOff, H("ON-OFF"), "OnOffMode", W9},
    {z::NightMode, H("NIGHT MODE"), "NightMode", W9}, {z::ConfMode, H("CONF. MODE"), "ConfMode", W9},
    {z::SndDelay, H("SND. DELAY"), "SndDelay", W9},   {z::FBDelay, H("FB. DELAY"), "FBDelay", W9},
    {z::IntrinSave, H("INTRIN.SAVE"), "IntSave", W9}, {z::HMO, H("HMO"), "HMO", -10},
    {z::Hausalarm, H("HAUSALARM MODE"), "Hausalarm", -8}, {z::LA, H("LA MODE"), "LA", -8},
    {z::Sprinkler, H("SPRINKLER MODE"), "Sprinkler", -8}, {z::SystemZone, H("SYSTEM ZONE"), "SystemZone", -8},
    {z::ZoneLed, H("ZONE LED"), "ZoneLED", -8},      {z::Area, H("AREA"), "Area", W9},
    {z::Text, H("TEXT"), "Text", WText},
};
constexpr TableFieldDef zoneFieldsM0[] = {
    I("Zone"), T("Status", 10), T("TwoTryMode", 10), T("OnOffMode", 10), T("NightMode", 10), T("ConfMode", 10),
    T("SndDelay", 10), T("FBDelay", 10), I("Area"), T("Text", 80),
};
constexpr TableFieldDef zoneFieldsM8[] = {
    I("Zone"), T("Status", 10), T("TwoTryMode", 10), T("OnOffMode", 10), T("NightMode", 10), T("ConfMode", 10),
    T("SndDelay", 10), T("FBDelay", 10), T("IntSave", 10), T("HMO", 10), I("Area"), T("Text", 80),
};
constexpr TableFieldDef zoneFieldsM9[] = {
    I("Zone"), T("Status", 10), T("TwoTryMode", 10), T("OnOffMode", 10), T("NightMode", 10), T("ConfMode", 10),
    T("SndDelay", 10), T("FBDelay", 10), T("IntSave", 10), T("HMO", 10), T("Hausalarm", 10), T("LA", 10),
    T("Sprinkler", 10), I("SystemZone"), I("ZoneLED"), I("Area"), T("Text", 80),
};
constexpr LayoutBand zoneBands[] = {
    {0, 0, zoneColumnsM0, zoneFieldsM0}, {8, 0, zoneColumnsM8, zoneFieldsM8}, {9, 0, zoneColumnsM9, zoneFieldsM9},
};

// 3. Non-volatile area data ---------------------------------------------------
constexpr GridColumnDef areaColumns[] = {
    {0, H("AREA"), "Area", W9},     {1, H("STATUS"), "Status", W9}, {2, H("COINC."), "Coinc", W9},
    {3, H("ADJ.(1)"), "Adj1", W9},  {4, H("ADJ.(2)"), "Adj2", W9},  {5, H("ADJ.(3)"), "Adj3", W9},
    {6, H("ADJ.(4)"), "Adj4", W9},  {7, H("ADJ.(5)"), "Adj5", W9},  {8, H("TEXT"), "Text", WText},
};
constexpr TableFieldDef areaFields[] = {
    I("Area"), T("Status", 10), T("Coinc", 10), I("Adj1"), I("Adj2"), I("Adj3"), I("Adj4"), I("Adj5"), T("Text", 80),
};
constexpr LayoutBand areaBands[] = {{0, 0, areaColumns, areaFields}};

// 4. Non-volatile loop data ---------------------------------------------------
constexpr GridColumnDef loopColumns[] = {{0, H("LOOP"), "Loop", W9}, {1, H("STATUS"), "Status", W9}};
constexpr TableFieldDef loopFields[] = {I("Loop"), T("Status", 10)};
constexpr LayoutBand loopBands[] = {{0, 0, loopColumns, loopFields}};

// 5. Non-volatile input data --------------------------------------------------
constexpr GridColumnDef inputColumns[] = {
    {0, H("INPUT "), "Input", W9},  {1, H("TYPE"), "Type", W9},       {2, H("LATCHING"), "Latch", W9},
    {3, H("SHAPE"), "Shape", W9},   {4, H("STATE"), "State", W9},     {5, H("LOGGING"), "Logging", W9},
    {6, H("ADR. 0"), "Adr0", W9},   {7, H("ADR. 1"), "Adr1", W9},     {8, H("ADR. 2"), "Adr2", W9},
    {9, H("TEXT"), "Text", WText},
};
constexpr TableFieldDef inputFields[] = {
    I("Input"), T("Type", 10), T("Latch", 10), T("Shape", 10), T("State", 10), T("Logging", 10),
    T("Adr0", 10), T("Adr1", 10), T("Adr2", 10), T("Text", 80),
};
constexpr LayoutBand inputBands[] = {{0, 0, inputColumns, inputFields}};

// 6. Non-volatile output data -------------------------------------------------
namespace o = outputcol;

constexpr GridColumnDef outputColumnsM0[] = {
    {o::Output, H("OUTPUT "), "Output", W9}, {o::Type, H("TYPE"), "Type", W9},
    {o::Latching, H("LATCHING"), "Latch", W9}, {o::TShape, H("T-SHAPE"), "TShape", W9},
    {o::Mode, H("MODE"), "Mode", -18},       {o::OShape, H("O-SHAPE"), "OShape", W9},
    {o::Logging, H("LOGGING"), "Logging", W9}, {o::Adr0, H("ADR. 0"), "Adr0", W9},
    {o::Adr1, H("ADR. 1"), "Adr1", W9},      {o::Adr2, H("ADR. 2"), "Adr2", W9},
    {o::Link, H("ADR. 2"), "Adr3", W9},      {o::Target, H("ADR. 3"), nullptr, W9},
    {o::Text, H("TEXT"), "Text", WText},
};
constexpr GridColumnDef outputColumnsM8[] = {
    {o::Output, H("OUTPUT "), "Output", W9}, {o::Type, H("TYPE"), "Type", W9},
    {o::Latching, H("LATCHING"), "Latch", W9}, {o::TShape, H("T-SHAPE"), "TShape", W9},
    {o::Mode, H("MODE"), "Mode", -18},       {o::OShape, H("O-SHAPE"), "OShape", W9},
    {o::Shape, H("SHAPE"), "Shape", W9},     {o::Logging, H("LOGGING"), "Logging", W9},
    {o::Adr0, H("ADR. 0"), "Adr0", W9},      {o::Adr1, H("ADR. 1"), "Adr1", W9},
    {o::Adr2, H("ADR. 2"), "Adr2", W9},      {o::Link, H("ADR. 2"), "Adr3", W9},
    {o::Target, H("ADR. 3"), nullptr, W9},   {o::Text, H("TEXT"), "Text", WText},
};
// The shape field exists in every band; below host 8 it stays empty.
constexpr TableFieldDef outputFields[] = {
    I("Output"), T("Type", 10), T("Latch", 10), T("TShape", 10), T("Mode", 10), T("OShape", 10), T("Shape", 10),
    T("Logging", 10), T("Adr0", 10), T("Adr1", 10), T("Adr2", 10), T("Adr3", 10), T("Text", 80),
};
constexpr LayoutBand outputBands[] = {{0, 0, outputColumnsM0, outputFields}, {8, 0, outputColumnsM8, outputFields}};

// 7. Non-volatile logic data --------------------------------------------------
constexpr GridColumnDef logicColumns[] = {
    {0, H("LOGIC LINE"), "LogicLine", W9}, {1, H("OPRATOR"), "Oprator", W9}, {2, H("OPERAND"), "Operand", W9},
    {3, H("VALUE"), "Value", W9},          {4, H("TIMER"), "Timer", W9},
};
constexpr TableFieldDef logicFields[] = {
    I("LogicLine"), T("Oprator", 10), T("Operand", 10), T("Value", 10), T("Timer", 10),
};
constexpr LayoutBand logicBands[] = {{0, 0, logicColumns, logicFields}};

// 8. Volatile sensor data -----------------------------------------------------
constexpr GridColumnDef sensorValueColumns[] = {
    {0, H("LOOP"), "Loop", W9},               {1, H("SENSOR"), "Sensor", W9},
    {2, H("FIELD TYPE"), "FldType", W9},      {3, H("ADJUSTED VALUE"), "ADJValue", W9},
    {4, H("FIELD VALUE"), "FldValue", W9},    {5, H("AVERAGE"), "Average", W9},
    {6, H("LOWEST"), "Lowest", W9},           {7, H("HIGHEST"), "Highest", W9},
    {8, H("TEST"), "Test", W9},               {9, H("CONTAM."), "Contam", W9},
    {10, H("COMMS."), "Comms", W9},           {11, H("ALARM COUNT"), "AlarmCount", W9},
    {12, H("LOWEST"), "Lowest1", 70},         {13, H("HIGHEST"), "Highest1", 70},
};
constexpr TableFieldDef sensorValueFields[] = {
    I("Loop"), I("Sensor"), T("FldType", 10), T("ADJValue", 10), T("FldValue", 10), T("Average", 10),
    T("Lowest", 10), T("Highest", 10), T("Test", 10), T("Contam", 10), T("Comms", 10), T("AlarmCount", 10),
    T("Lowest1", 20), T("Highest1", 20),
};
constexpr LayoutBand sensorValueBands[] = {{0, 0, sensorValueColumns, sensorValueFields}};

// 9. Volatile zone data -------------------------------------------------------
constexpr GridColumnDef zoneStatusColumns[] = {
    {0, H("ZONE"), "Zone", W9},           {1, H("FIRE"), "Fire", W9},           {2, H("FAULT"), "Fault", W9},
    {3, H("COINC."), "Coinc", W9},        {4, H("ISO."), "ISO", W9},            {5, H("TEST"), "Test", W9},
    {6, H("COND."), "Cond", W9},          {7, H("ENABLED"), "Enabled", W9},     {8, H("NIGHT MODE"), "NightMode", W9},
    {9, H("SEC. MODE"), "SecMode", W9},   {10, H("ALM. CNT"), "AlmCnt", W9},    {11, H("FAULT CNT"), "FaultCnt", W9},
    {12, H("COND. CNT"), "CondCnt", W9},  {13, H("COINC. CNT"), "CoincCnt", W9}, {14, H("ISO. CNT"), "ISOCnt", W9},
    {15, H("TEST START"), "TestOn", W9},  {16, H("TEST END"), "TestOff", W9},
};
constexpr TableFieldDef zoneStatusFields[] = {
    I("Zone"), T("Fire", 10), T("Fault", 10), T("Coinc", 10), T("ISO", 10), T("Test", 10), T("Cond", 10),
    T("Enabled", 10), T("NightMode", 10), T("SecMode", 10), T("AlmCnt", 10), T("FaultCnt", 10), T("CondCnt", 10),
    T("CoincCnt", 10), T("ISOCnt", 10), T("TestOn", 10), T("TestOff", 10),
};
constexpr LayoutBand zoneStatusBands[] = {{0, 0, zoneStatusColumns, zoneStatusFields}};

// 10. Volatile area data ------------------------------------------------------
constexpr GridColumnDef areaStatusColumns[] = {
    {0, H("AREA"), "Area", W9},           {1, H("FIRE"), "Fire", W9},         {2, H("FAULT"), "Fault", W9},
    {3, H("COINC."), "Coinc", W9},        {4, H("ISO."), "ISO", W9},          {5, H("ENABLED"), "Enabled", W9},
    {6, H("ALM. CNT"), "AlmCnt", W9},     {7, H("FAULT CNT"), "FaultCnt", W9}, {8, H("COND. CNT"), "CondCnt", W9},
    {9, H("COINC. CNT"), "CoincCnt", W9}, {10, H("ISO. CNT"), "ISOCnt", W9},
};
constexpr TableFieldDef areaStatusFields[] = {
    I("Area"), T("Fire", 10), T("Fault", 10), T("Coinc", 10), T("ISO", 10), T("Enabled", 10), T("AlmCnt", 10),
    T("FaultCnt", 10), T("CondCnt", 10), T("CoincCnt", 10), T("ISOCnt", 10),
};
constexpr LayoutBand areaStatusBands[] = {{0, 0, areaStatusColumns, areaStatusFields}};

// 11. Volatile loop data ------------------------------------------------------
constexpr GridColumnDef loopStatusColumns[] = {
    {0, H("LOOP"), "Loop", W9},           {1, H("OVERLOAD A"), "OverloadA", W9}, {2, H("OVERLOAD B"), "OverloadB", W9},
    {3, H("OPEN LOOP"), "OpenLoop", W9},  {4, H("LOOP PART ISO."), "LoopPartISO", W9},
    {5, H("ISOLATED"), "Isolated", W9},
};
constexpr TableFieldDef loopStatusFields[] = {
    I("Loop"), T("OverloadA", 10), T("OverloadB", 10), T("OpenLoop", 10), T("LoopPartISO", 10), T("Isolated", 10),
};
constexpr LayoutBand loopStatusBands[] = {{0, 0, loopStatusColumns, loopStatusFields}};

// 12. and 13. Volatile input and output data ----------------------------------
constexpr GridColumnDef inputStatusColumns[] = {{0, H("INPUT "), "Input", 200}, {1, H("STATE"), "State", 200}};
constexpr TableFieldDef inputStatusFields[] = {I("Input"), T("State", 10)};
constexpr LayoutBand inputStatusBands[] = {{0, 0, inputStatusColumns, inputStatusFields}};

constexpr GridColumnDef outputStatusColumns[] = {{0, H("OUTPUT "), "Output", 200}, {1, H("STATE"), "State", 200}};
constexpr TableFieldDef outputStatusFields[] = {I("Output"), T("State", 10)};
constexpr LayoutBand outputStatusBands[] = {{0, 0, outputStatusColumns, outputStatusFields}};

// 14. Volatile event data -----------------------------------------------------
constexpr GridColumnDef eventColumns[] = {
    {0, H("COUNT"), "Count", W9},    {1, H("PANEL"), "Panel", W9},   {2, H("DATE"), "Date", 50},
    {3, H("TIME"), "Time", 50},      {4, H("PAR1"), "Par1", 150},    {5, H("TEXT"), "Text", 200},
    {6, H("CLASS"), "Class", W9},    {7, H("PAR2"), "Par2", W9},     {8, H("PAR3"), "Par3", W9},
    {9, H("PAR4"), "Par4", W9},      {10, H("PAR5"), "Par5", W9},    {11, H("PAR6"), "Par6", W9},
    {12, H("EVENT"), "Event", W9},   {13, H("TYPE"), "Type", W9},    {14, H("STATUS"), "Status", W9},
    {15, H("CLASS COUNT"), "ClassCount", 70},
};
constexpr TableFieldDef eventFields[] = {
    I("Count"), T("Panel", 10), T("Date", 10), T("Time", 10), T("Class", 10), T("Par1", 80), T("Text", 80),
    T("Par2", 80), T("Par3", 80), T("Par4", 80), T("Par5", 80), T("Par6", 80), T("Event", 10), T("Type", 10),
    T("Status", 10), T("ClassCount", 10),
};
constexpr LayoutBand eventBands[] = {{0, 0, eventColumns, eventFields}};

// 15. LON devices -------------------------------------------------------------
namespace l = loncol;

constexpr GridColumnDef lonColumnsM6[] = {
    {l::Nr, H("LON NR."), "Nr", W9},                  {l::Status, H("LON STATUS"), "Status", W9},
    {l::Type, H("LON TYPE"), "Type", W9},             {l::Enclosure, H("LON ENCLOSURE"), "Enclosure", W9},
    {l::Bucket, H("LON BUCKET"), "Bucket", W9},       {l::Slot, H("LON SLOT"), "Slot", W9},
    {l::SWVersion, H("LON SW VERSION"), "SWVersion", W9}, {l::NodeID, H("LON NODE ID"), "NodeID", W9},
    {l::NeuronID, H("LON NEURON ID"), "NeuronID", W9}, {l::OEMCode, H("OEM CODE"), "OEMCode", W9},
    {l::ProductCode, H("PRODUCT CODE"), "ProductCode", W9}, {l::HWVersion, H("HW VERSION"), "HWVersion", W9},
    {l::DeviceMode, H("DEVICE MODE"), "DeviceMode", W9}, {l::DeviceCommon, H("DEVICE COMMON"), "DeviceCommon", W9},
    {l::Par1 + 0, H("LON PAR1"), "Par1", W9},         {l::Par1 + 1, H("LON PAR2"), "Par2", W9},
    {l::Par1 + 2, H("LON PAR3"), "Par3", W9},         {l::Par1 + 3, H("LON PAR4"), "Par4", W9},
    {l::Par1 + 4, H("LON PAR5"), "Par5", W9},         {l::Par1 + 5, H("LON PAR6"), "Par6", W9},
    {l::Par1 + 6, H("LON PAR7"), "Par7", W9},         {l::Par1 + 7, H("LON PAR8"), "Par8", W9},
    {l::Par1 + 8, H("LON PAR9"), "Par9", W9},         {l::Par1 + 9, H("LON PAR10"), "Par10", W9},
    {l::Out1 + 0, H("LON OUT1"), "Out1", W9},         {l::Out1 + 1, H("LON OUT2"), "Out2", W9},
    {l::Out1 + 2, H("LON OUT3"), "Out3", W9},         {l::Out1 + 3, H("LON OUT4"), "Out4", W9},
    {l::Out1 + 4, H("LON OUT5"), "Out5", W9},
};
constexpr GridColumnDef lonColumnsM7[] = {
    {l::Nr, H("LON NR."), "Nr", W9},                  {l::Status, H("LON STATUS"), "Status", W9},
    {l::Type, H("LON TYPE"), "Type", W9},             {l::Enclosure, H("LON ENCLOSURE"), "Enclosure", W9},
    {l::Bucket, H("LON BUCKET"), "Bucket", W9},       {l::Slot, H("LON SLOT"), "Slot", W9},
    {l::SWVersion, H("LON SW VERSION"), "SWVersion", W9}, {l::NodeID, H("LON NODE ID"), "NodeID", W9},
    {l::NeuronID, H("LON NEURON ID"), "NeuronID", W9}, {l::OEMCode, H("OEM CODE"), "OEMCode", W9},
    {l::ProductCode, H("PRODUCT CODE"), "ProductCode", W9}, {l::HWVersion, H("HW VERSION"), "HWVersion", W9},
    {l::Config, H("CONFIG"), "Config", W9},
    {l::DeviceMode, H("DEVICE MODE"), "DeviceMode", W9}, {l::DeviceCommon, H("DEVICE COMMON"), "DeviceCommon", W9},
    {l::Par1 + 0, H("LON PAR1"), "Par1", W9},         {l::Par1 + 1, H("LON PAR2"), "Par2", W9},
    {l::Par1 + 2, H("LON PAR3"), "Par3", W9},         {l::Par1 + 3, H("LON PAR4"), "Par4", W9},
    {l::Par1 + 4, H("LON PAR5"), "Par5", W9},         {l::Par1 + 5, H("LON PAR6"), "Par6", W9},
    {l::Par1 + 6, H("LON PAR7"), "Par7", W9},         {l::Par1 + 7, H("LON PAR8"), "Par8", W9},
    {l::Par1 + 8, H("LON PAR9"), "Par9", W9},         {l::Par1 + 9, H("LON PAR10"), "Par10", W9},
    {l::Par1 + 10, H("LON PAR11"), "Par11", W9},      {l::Par1 + 11, H("LON PAR12"), "Par12", W9},
    {l::Par1 + 12, H("LON PAR13"), "Par13", W9},
    {l::Out1 + 0, H("LON OUT1"), "Out1", W9},         {l::Out1 + 1, H("LON OUT2"), "Out2", W9},
    {l::Out1 + 2, H("LON OUT3"), "Out3", W9},         {l::Out1 + 3, H("LON OUT4"), "Out4", W9},
    {l::Out1 + 4, H("LON OUT5"), "Out5", W9},
};
// The neuron ID is twelve hex digits; its field holds all twelve.
constexpr TableFieldDef lonFields[] = {
    I("Nr"), T("Status", 10), T("Type", 10), T("Enclosure", 10), T("Bucket", 10), T("Slot", 10), T("SWVersion", 10),
    T("NodeID", 10), T("NeuronID", 12), T("OEMCode", 10), T("ProductCode", 10), T("HWVersion", 10), T("Config", 10),
    T("DeviceMode", 10), T("DeviceCommon", 10), T("Par1", 10), T("Par2", 10), T("Par3", 10), T("Par4", 10),
    T("Par5", 10), T("Par6", 10), T("Par7", 10), T("Par8", 10), T("Par9", 10), T("Par10", 10), T("Par11", 10),
    T("Par12", 10), T("Par13", 10), T("Out1", 10), T("Out2", 10), T("Out3", 10), T("Out4", 10), T("Out5", 10),
};
constexpr LayoutBand lonBands[] = {{0, 0, lonColumnsM6, lonFields}, {7, 0, lonColumnsM7, lonFields}};

// 16. Pager -------------------------------------------------------------------
constexpr GridColumnDef pagerColumns[] = {
    {0, H("PAGER"), "Pager", W9},                {1, H("ADDRESS"), "Address", W9},
    {2, H("BEEP CODE"), "BeepCode", W9},         {3, H("CALL TYPE"), "CallType", W9},
    {4, H("NR OF TRANSMISSIONS"), "Transmission", W9}, {5, H("DISPLAY CHARACTERS"), "DisplayChar", W9},
    {6, H("MESSAGE TYPE"), "MessageType", W9},   {7, H("GROUP ID"), "GroupID", W9},
};
constexpr TableFieldDef pagerFields[] = {
    I("Pager"), T("Address", 10), T("BeepCode", 10), T("CallType", 10), T("Transmission", 10), T("DisplayChar", 10),
    T("MessageType", 10), T("GroupID", 10),
};
constexpr LayoutBand pagerBands[] = {{0, 0, pagerColumns, pagerFields}};

// 17. Zone test results -------------------------------------------------------
constexpr GridColumnDef zoneTestColumns[] = {
    {0, H("ZONE"), "Zone", W9},                   {1, H("LOOP"), "Loop", W9},
    {2, H("ADDRESS"), "Address", W9},             {3, H("Device Type"), "Device Type", W9},
    {4, H("Test On Date"), "Test On Date", W9},   {5, H("Test On Time"), "Test On Time", W9},
    {6, H("Test Off Date"), "Test Off Date", W9}, {7, H("Test Off Time"), "Test Off Time", W9},
    {8, H("Activated"), "Fire On", W9},           {9, H("Reset"), "Fire Off", W9},
};
constexpr TableFieldDef zoneTestFields[] = {
    I("Zone"), I("Loop"), I("Address"), T("Device Type", 10), T("Test On Date", 8), T("Test On Time", 5),
    T("Test Off Date", 8), T("Test Off Time", 5), T("Fire On", 10), T("Fire Off", 10),
};
constexpr LayoutBand zoneTestBands[] = {{0, 0, zoneTestColumns, zoneTestFields}};

// 18. System zone data --------------------------------------------------------
constexpr GridColumnDef systemZoneColumns[] = {
    {0, H("SYSTEM ZONE"), "SystemZone", W9}, {1, H("STATE"), "State", W9}, {2, H("RESULT"), "Result", -20},
};
constexpr TableFieldDef systemZoneFields[] = {I("SystemZone"), T("State", 10), T("Result", 50)};
constexpr LayoutBand systemZoneBands[] = {{0, 0, systemZoneColumns, systemZoneFields}};

#undef H

using retrievalkind::Kind;

constexpr KindLayout kindLayouts[] = {
    {Kind::NonVolatileSensorData, "Loop;Sensor", true, RowRule::Fixed, 2001, true, sensorBands},
    {Kind::NonVolatileZoneData, "Zone", true, RowRule::ZoneRange, 0, true, zoneBands},
    {Kind::NonVolatileAreaData, "Area", true, RowRule::AreaCount, 0, true, areaBands},
    {Kind::NonVolatileLoopData, "Loop", true, RowRule::LoopCount, 0, true, loopBands},
    {Kind::NonVolatileInputData, "Input", true, RowRule::InputRange, 0, true, inputBands},
    {Kind::NonVolatileOutputData, "Output", true, RowRule::OutputRange, 0, true, outputBands},
    {Kind::NonVolatileLogicData, "LogicLine", true, RowRule::LogicCount, 0, true, logicBands},
    {Kind::VolatileSensorData, "Loop;Sensor", true, RowRule::Fixed, 2001, true, sensorValueBands},
    {Kind::VolatileZoneData, "Zone", true, RowRule::ZoneRange, 0, true, zoneStatusBands},
    {Kind::VolatileAreaData, "Area", true, RowRule::AreaCount, 0, true, areaStatusBands},
    {Kind::VolatileLoopData, "Loop", true, RowRule::LoopCount, 0, true, loopStatusBands},
    {Kind::VolatileInputData, "Input", true, RowRule::InputRange, 0, true, inputStatusBands},
    {Kind::VolatileOutputData, "Output", true, RowRule::OutputRange, 0, true, outputStatusBands},
    {Kind::VolatileEventData, "Count", true, RowRule::Fixed, 2000, false, eventBands},
    {Kind::LonDevices, "Nr", true, RowRule::Fixed, 33, true, lonBands},
    {Kind::Pager, "Pager", true, RowRule::Fixed, 256, false, pagerBands},
    {Kind::ZoneTestResults, "Zone;Loop;Address", false, RowRule::Fixed, 2, false, zoneTestBands},
    {Kind::SystemZoneData, "SystemZone", true, RowRule::SystemZoneRange, 0, false, systemZoneBands},
};

int rowCountOf(const KindLayout &layout, const LayoutInputs &in)
{
    qint64 rows = 0;
    switch (layout.rows) {
    case RowRule::Fixed: rows = layout.fixedRows; break;
    case RowRule::ZoneRange: rows = qint64(in.lastZone) - in.firstZone + 2; break;
    case RowRule::AreaCount: rows = qint64(in.areaCount) + 1; break;
    case RowRule::LoopCount: rows = qint64(in.loopCount) + 1; break;
    case RowRule::LogicCount: rows = qint64(in.logicCount) + 1; break;
    case RowRule::InputRange:
        rows = in.allRange ? qint64(in.inputCount) + 1 : qint64(in.rangeTo) - in.rangeFrom + 2;
        break;
    case RowRule::OutputRange:
        rows = in.allRange ? qint64(in.outputCount) + 1 : qint64(in.rangeTo) - in.rangeFrom + 2;
        break;
    case RowRule::SystemZoneRange: rows = qint64(in.systemZoneTo) - in.systemZoneFrom + 2; break;
    }
    // The header row and at least one data row; never more than a 16-bit
    // number range can ask for.
    return int(std::clamp<qint64>(rows, 2, 65537));
}

} // namespace

const KindLayout *kindLayout(int kind)
{
    for (const KindLayout &layout : kindLayouts) {
        if (layout.kind == kind)
            return &layout;
    }
    return nullptr;
}

const LayoutBand &layoutBand(const KindLayout &layout, int major, int minor)
{
    const LayoutBand *chosen = &layout.bands.front();
    for (const LayoutBand &band : layout.bands) {
        if (major > band.fromMajor || (major == band.fromMajor && minor >= band.fromMinor))
            chosen = &band;
    }
    return *chosen;
}

RetrievalLayout::RetrievalLayout(const KindLayout &layout, const LayoutInputs &inputs)
    : m_layout(&layout), m_band(&layoutBand(layout, inputs.hostMajor, inputs.hostMinor)),
      m_rows(rowCountOf(layout, inputs))
{
    m_columnOfRole.fill(-1);
    for (int column = 0; column < int(m_band->columns.size()); ++column) {
        const int role = m_band->columns[size_t(column)].role;
        if (role >= 0 && role < MaxRoles)
            m_columnOfRole[size_t(role)] = column;
    }
}

const GridColumnDef *RetrievalLayout::columnDef(int column) const
{
    if (!m_band || column < 0 || column >= int(m_band->columns.size()))
        return nullptr;
    return &m_band->columns[size_t(column)];
}

QString RetrievalLayout::header(int column) const
{
    const GridColumnDef *def = columnDef(column);
    return def ? layoutText(def->header) : QString();
}

int RetrievalLayout::width(int column) const
{
    const GridColumnDef *def = columnDef(column);
    if (!def)
        return 0;
    if (def->width > 0)
        return def->width;
    return -def->width * int(header(column).size());
}

QStringList RetrievalLayout::keyFields() const
{
    if (!m_layout)
        return {};
    return QString::fromLatin1(m_layout->key).split(QLatin1Char(';'));
}

QString layoutText(const char *source)
{
    return QCoreApplication::translate("RetrievalLayouts", source);
}

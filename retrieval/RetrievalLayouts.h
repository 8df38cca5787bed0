#pragma once
// The table and grid layout of each kind of retrieved data.
//
// A kind is the item index of the information list on the Data Retrieve
// page. Each kind has one table layout ("PrintTable": fields in order with
// type and size, primary key) and one grid layout (columns with header and
// width, row count) per host-version band. A band applies from its version
// (major, minor) up to the next band's.
//
// Columns carry a role: the column's number in the kind's widest band. A
// decoder writes by role, and the band decides where (or whether) the role
// is shown; so one decoder serves every band. A column that has a field
// gives its text to that field of the table record.

#include <Table.h>

#include <QString>

#include <array>
#include <span>

namespace retrievalkind {
enum Kind : int {
    NonVolatileSensorData = 0,
    NonVolatileZoneData = 1,
    NonVolatileAreaData = 2,
    NonVolatileLoopData = 3,
    NonVolatileInputData = 4,
    NonVolatileOutputData = 5,
    NonVolatileLogicData = 6,
    VolatileSensorData = 7,
    VolatileZoneData = 8,
    VolatileAreaData = 9,
    VolatileLoopData = 10,
    VolatileInputData = 11,
    VolatileOutputData = 12,
    VolatileEventData = 13,
    LonDevices = 14,
    Pager = 15,
    ZoneTestResults = 16,
    SystemZoneData = 17,
};
constexpr int Count = 18;
} // namespace retrievalkind

// Roles of the banded kinds (column numbers of the widest band). The other
// kinds have one band; their roles are their column numbers.
namespace sensorcol {
enum : int { Loop, Device, EnDis, SoakTest, EnWAlmStore, DayLevel, NightLevel, Type, Zone, Configuration, Input,
             AspDelay, LedRemoteOutput, VirtualAddress, Text };
}
namespace zonecol {
enum : int { Zone, Status, TwoTry, OnOff, NightMode, ConfMode, SndDelay, FBDelay, IntrinSave, HMO, Hausalarm, LA,
             Sprinkler, SystemZone, ZoneLed, Area, Text };
}
namespace outputcol {
enum : int { Output, Type, Latching, TShape, Mode, OShape, Shape, Logging, Adr0, Adr1, Adr2, Link, Target, Text };
}
namespace loncol {
enum : int { Nr, Status, Type, Enclosure, Bucket, Slot, SWVersion, NodeID, NeuronID, OEMCode, ProductCode, HWVersion,
             Config, DeviceMode, DeviceCommon, Par1, Par13 = Par1 + 12, Out1, Out5 = Out1 + 4 };
}

struct GridColumnDef
{
    int role;
    const char *header;   // source text, context "RetrievalLayouts"
    const char *field;    // table field that takes the cell's text, or nullptr
    int width;            // > 0: pixels; < 0: -(pixels per character of the header)
};

struct TableFieldDef
{
    const char *name;
    platform::FieldType type;
    int size;             // characters, for text fields
};

struct LayoutBand
{
    int fromMajor;
    int fromMinor;
    std::span<const GridColumnDef> columns;
    std::span<const TableFieldDef> fields;
};

// How the row count of a kind's grid is worked out.
enum class RowRule { Fixed, ZoneRange, AreaCount, LoopCount, InputRange, OutputRange, LogicCount, SystemZoneRange };

struct KindLayout
{
    int kind;
    const char *key;      // key fields separated by ";"
    bool unique;          // the primary index is also unique
    RowRule rows;
    int fixedRows;        // for RowRule::Fixed
    bool scrollToTop;     // the preparation scrolls row 1 to the top
    std::span<const LayoutBand> bands;
};

// The layout data of a kind (0 to 17); nullptr for another number.
const KindLayout *kindLayout(int kind);

// The band of a kind for a host version: the last band whose version is not
// above it. Below the first band the first band applies.
const LayoutBand &layoutBand(const KindLayout &layout, int major, int minor);

// What the preparation needs from the selection and the panel description.
struct LayoutInputs
{
    int hostMajor = 0;
    int hostMinor = 0;
    bool allRange = true; // the range selector is at "All"
    int firstZone = 0, lastZone = 0;
    int areaCount = 0, loopCount = 0, logicCount = 0;
    int inputCount = 0, outputCount = 0;
    int rangeFrom = 0, rangeTo = 0;
    int systemZoneFrom = 0, systemZoneTo = 0;
};

// A kind's layout resolved for one retrieval: its band, its grid size and
// the column of each role.
class RetrievalLayout
{
public:
    static constexpr int MaxRoles = 40;

    RetrievalLayout() { m_columnOfRole.fill(-1); }
    RetrievalLayout(const KindLayout &layout, const LayoutInputs &inputs);

    bool isValid() const { return m_layout != nullptr; }
    int kind() const { return m_layout ? m_layout->kind : -1; }
    const KindLayout *kindLayout() const { return m_layout; }
    const LayoutBand *band() const { return m_band; }

    int columnCount() const { return m_band ? int(m_band->columns.size()) : 0; }
    int rowCount() const { return m_rows; }
    // Column of a role in this band, or -1 when the band does not show it.
    int columnOf(int role) const { return (role >= 0 && role < MaxRoles) ? m_columnOfRole[size_t(role)] : -1; }
    const GridColumnDef *columnDef(int column) const;

    // Translated header text and width in pixels of a column.
    QString header(int column) const;
    int width(int column) const;

    QStringList keyFields() const;

private:
    const KindLayout *m_layout = nullptr;
    const LayoutBand *m_band = nullptr;
    int m_rows = 0;
    std::array<int, MaxRoles> m_columnOfRole{};
};

// Header text translation (context "RetrievalLayouts").
QString layoutText(const char *source);

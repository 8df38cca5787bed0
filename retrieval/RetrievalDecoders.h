#pragma once
// Preparation of a retrieval and the decoders of the panel description and
// configuration replies.
//
// Preparing a kind empties the grid, gives it the kind's columns, rows,
// headers and widths for the panel's host version, and creates the table
// "PrintTable" in the program directory with the kind's fields and key.
// The table then stays open for the whole retrieval: each decoded reply
// appends and posts one record on the same connection, so a long retrieval
// never reconnects to the database per record.
//
// Each record decoder works out its grid row, writes the row's cells (each
// cell also sets its table field), scrolls the grid to the row and posts the
// record. A code outside a code table stops the decoding of that record: the
// cells and fields written so far stay, the record is posted as far as it
// was filled, and the error goes on to the reply dispatch, which drops it so
// the transfer goes on.

#include "RetrievalGrid.h"
#include "RetrievalLayouts.h"

#include <Layerp.h>
#include <LinkDecoders.h>
#include <LinkSession.h>
#include <RecordReader.h>
#include <Table.h>

#include <QByteArray>
#include <QString>

#include <functional>

// What the workflow that runs a retrieval tells the decoders, and the
// counters the decoders keep during one retrieval.
struct RetrievalContext
{
    int Kind = -1;             // item index of ComboBoxDataRetrieveInfo
    bool AllRange = true;      // ComboBoxDRrange at "All"
    int RecordCounter = 0;     // records decoded; the row of the counted kinds
    int RetrievalRowCounter = 1; // next row of the event and LON kinds
};

// One record being written: grid cells of one row and the table record.
class RetrievalRecord
{
public:
    // Starts the record: appends to the table when it is open and
    // writeTable is set.
    RetrievalRecord(RetrievalGrid &grid, platform::Table &table, const RetrievalLayout &layout, int row,
                    bool writeTable = true);

    int row() const { return m_row; }
    const RetrievalLayout &layout() const { return m_layout; }
    // Writes the cell of a role (when the band shows it) and its field.
    void set(int role, const QString &text);
    void set(int role, const QByteArray &panelText); // 8-bit text of the panel
    void setNumber(int role, qint64 number);
    // Sets a table field that has no column in the grid.
    void setField(const char *field, const QString &text);
    // Scrolls the grid to the row and posts the record.
    void finish();
    // Finishes a record whose decoding failed: posts what was filled,
    // ignoring a failure of the post itself.
    void finishPartial() noexcept;

private:
    RetrievalGrid &m_grid;
    platform::Table &m_table;
    const RetrievalLayout &m_layout;
    int m_row;
    bool m_appending = false;
};

class RetrievalDecoders : public LinkDecoders
{
public:
    static constexpr const char *PrintTableName = "PrintTable";

    RetrievalDecoders(LinkSession &session, RetrievalGrid &grid, platform::Table &printTable,
                      SensorZoneMark &zoneMark, const QString &programDirectory);

    RetrievalContext &context() { return m_context; }
    const RetrievalContext &context() const { return m_context; }

    // The host version of the last reply 37 as text (at most 4 characters);
    // the workflow empties it when a retrieval starts.
    QByteArray HostVersionText;
    // VersionLabel: "V" and HostVersionText, after each reply 37.
    QString versionLabelText() const { return m_versionLabel; }
    void setVersionLabelSink(std::function<void(const QString &)> sink) { m_versionSink = std::move(sink); }

    // The layout of a kind for the panel as now described in the session.
    RetrievalLayout layoutFor(int kind) const;
    // The layout prepared last.
    const RetrievalLayout &currentLayout() const { return m_layout; }

    // Prepares the grid and "PrintTable" for a kind (item index 0 to 17), in
    // this order: ClearRetrievalGrid; column and row counts; headers and
    // widths; row 1 on top (not for events, pager, zone test, system zones);
    // the table created afresh and left open for the retrieval. Also sets
    // the context's Kind and forgets the virtual address state of an earlier
    // retrieval. Throws platform::TableError when the table cannot be
    // created (the grid is prepared by then).
    void PrepareRetrieval(int kind);
    // Empties the data rows of the grid.
    void ClearRetrievalGrid();
    // Closes "PrintTable" (the end of a retrieval; a report opens it again).
    void closePrintTable();

    // Replies
    void PanelLimits(int payloadLength) override;   // 6
    void HostVersion() override;                     // 37
    void SensorConfiguration() override;             // 7 while sensor configuration is chosen
    void SensorVirtualAddress() override;            // 8 while sensor configuration is chosen
    void ZoneConfiguration() override;               // 8
    void AreaConfiguration() override;               // 9
    void LoopConfiguration() override;               // 10
    void InputConfiguration() override;              // 11
    void OutputConfiguration() override;             // 12
    void LogicConfiguration() override;              // 13

protected:
    // The layout that record decoders of `kind` write through: the prepared
    // one, or (for a reply that comes without a preparation of its kind) the
    // one the session now describes.
    const RetrievalLayout &layoutOf(int kind);
    // Runs `fill` on a new record of `kind` at `row`, then finishes it; a
    // failure inside `fill` leaves the record as far as it was filled and
    // goes on to the caller.
    void writeRecord(int kind, int row, const std::function<void(RetrievalRecord &)> &fill);
    RecordReader reader() const { return RecordReader::receive(m_session); }
    bool hostAtLeast(int major, int minor = 0) const;

    LinkSession &m_session;
    RetrievalGrid &m_grid;
    platform::Table &m_table;
    SensorZoneMark &m_zoneMark;
    QString m_programDirectory;
    RetrievalContext m_context;

private:
    // Where the zone reply of the last sensor with a virtual address goes.
    struct VirtualAddressTarget
    {
        bool valid = false;
        int row = 0;
        int column = -1;
        int loop = 0;
        int sensor = 0;
    };

    RetrievalLayout m_layout;
    RetrievalLayout m_adHocLayout;
    VirtualAddressTarget m_virtualTarget;
    QString m_versionLabel;
    std::function<void(const QString &)> m_versionSink;
};

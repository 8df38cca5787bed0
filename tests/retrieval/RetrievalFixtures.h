#pragma once
// Shared set-up of the retrieval tests: a reply placed in ReceiveBuffer as
// the dispatch places it, and decoders over an in-memory grid and a
// "PrintTable" in a temporary program directory.

#include <RetrievalDecoders.h>
#include <RetrievalGrid.h>

#include <Layerp.h>
#include <LinkSession.h>
#include <Table.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

// Node 1, the reply code, then the payload from byte 2; bytes beyond the
// payload keep what was there before.
inline void loadReply(LinkSession &session, quint8 code, const QByteArray &payload)
{
    session.ReceiveBuffer[0] = 1;
    session.ReceiveBuffer[1] = code;
    const int n = qMin<int>(int(payload.size()), LinkSession::ReceiveBufferSize - 2);
    for (int k = 0; k < n; ++k)
        session.ReceiveBuffer[size_t(2 + k)] = quint8(payload.at(k));
}

inline void setHost(LinkSession &session, int major, int minor)
{
    session.HostVersionMajor = major;
    session.HostVersionMinor = minor;
}

struct DecoderRig
{
    QTemporaryDir programDirectory;
    LinkSession session;
    MemoryRetrievalGrid grid{20};
    platform::Table table;
    SensorZoneMark zoneMark;
    RetrievalDecoders decoders{session, grid, table, zoneMark, programDirectory.path()};

    DecoderRig()
    {
        session.FirstZone = 1;
        session.LastZone = 112;
        session.AreaCount = 99;
        session.LoopCount = 8;
        session.LogicCount = 100;
        session.InputCount = 100;
        session.OutputCount = 100;
        session.RangeFrom = 1;
        session.RangeTo = 1000;
        session.SystemZoneFrom = 1;
        session.SystemZoneTo = 65535;
    }

    // The cells of one grid row, column by column.
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c)
            cells.append(grid.cell(c, r));
        return cells;
    }
    QStringList headers() const { return row(0); }

    // The stored records of "PrintTable" in key order, each as name -> value.
    QList<QVariantMap> records()
    {
        QList<QVariantMap> out;
        const auto fields = table.fieldDefs();
        for (const QVariantList &values : table.records()) {
            QVariantMap record;
            for (int i = 0; i < fields.size() && i < values.size(); ++i)
                record.insert(fields.at(i).name, values.at(i));
            out.append(record);
        }
        return out;
    }
};

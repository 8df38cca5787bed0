// Retrieval throughput: the full non-volatile sensor retrieval of a panel
// with 8 loops of 252 sensors (2016 records) from the panel simulator on a
// pseudo-terminal at 115200 baud, through the Data Retrieve page with its
// string grid and "PrintTable", exactly as the window runs it.
//
// It prints the records per second, the wire ceiling (the time that the
// bytes of all frames take on the line, 10 bits a byte, stuffing included)
// and, last, the retrieval utilisation: ceiling time over measured time.

#include "BenchSupport.h"
#include "DataRetrievePage.h"
#include "HeadlessLink.h"
#include "Pdlldef.h"
#include "Posting.h"
#include "kxlink.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kBaud = 115200;
constexpr int kRecords = 8 * 252;

int lineBytes(const quint8 *frame, int size)
{
    int extra = 0;
    for (int i = 1; i + 1 < size; ++i) {
        if (frame[i] == 0x02 || frame[i] == 0x03 || frame[i] == 0x10)
            ++extra;
    }
    return size + extra;
}

// Counts the bytes of every frame on the line and hands every message on to
// the link's dispatch.
class Station : public platform::MessageWindow
{
public:
    explicit Station(HeadlessLink &link) : m_link(link) {}
    qint64 bytesOnLine = 0;
    bool counting = false;

protected:
    void windowMessage(const platform::WindowMessage &m) override
    {
        if (counting) {
            if (m.message == KX_MSG_RAW_RECEIVED && m.size() > 3)
                bytesOnLine += lineBytes(m.data() + 3, m.size() - 3);
            else if (m.message == KX_MSG_RAW_SENT)
                bytesOnLine += lineBytes(m.data(), m.size());
        }
        m_link.dispatch().handleMessage(m);
    }

private:
    HeadlessLink &m_link;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::SimulatedLine line(bench::benchSourceDir() + QStringLiteral("/scenarios/retrieval.json"), kBaud);
    QTemporaryDir programDirectory;

    KxLinkLibrary api;
    api.LoadDll();
    HeadlessLink link(api);
    Station station(link);
    api.CurrentWindow(station.windowHandle());
    link.View.accessCodeDialog = [](QString *code) {
        *code = QStringLiteral("1234");
        return int(QDialog::Accepted);
    };

    EmulationState selection;
    DataRetrievePage page(link.Session, selection);
    page.attach(link.requests(), link.View, api, link.ZoneMark, programDirectory.path());
    link.setDecoders(&page.linkDecoders());
    QStandardItemModel panels;
    panels.appendRow(new QStandardItem(QStringLiteral("1")));
    page.DataRetreiveDBGrid->setModel(&panels);
    page.DataRetreiveDBGrid->setCurrentIndex(panels.index(0, 0));
    page.ComboBoxDataRetrieveInfo->setCurrentIndex(0);
    page.ComboBoxDataRetrieveInfoChange();
    link.View.DataRetrieveInfoIndex = 0;
    page.resize(1200, 800);
    page.show();

    if (api.OwnNodeID(0, 0, 7) != 1 || api.OpenComPort(1, kBaud, 8, 1, 0) != 1)
        bench::fail("retrieval_throughput: cannot open the link");
    api.SendInitializationRequest();
    if (!link.waitFor([&] { return link.Session.OnLine; }, 10000))
        bench::fail("retrieval_throughput: the link did not become ready");

    station.counting = true;
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = bench::processCpuSeconds();
    page.RetrieveDataButtonClick();
    const double wallSeconds = double(clock.nsecsElapsed()) / 1e9;
    const double cpuSeconds = bench::processCpuSeconds() - cpuBefore;
    link.waitFor([] { return false; }, 50);
    station.counting = false;
    api.CloseComPort();

    const int records = page.itemsDone();
    if (page.lastOutcome() != DataRetrievePage::Outcome::Completed || records != kRecords)
        bench::fail("retrieval_throughput: the retrieval did not end in order (%d of %d records)", records, kRecords);
    if (page.grid().cell(0, kRecords) != QStringLiteral("8") || page.grid().cell(1, kRecords) != QStringLiteral("252"))
        bench::fail("retrieval_throughput: the last sensor is not in the grid");

    const double ceilingSeconds = double(station.bytesOnLine) * 10.0 / kBaud;
    std::printf("%d records in %.2f s: %.1f records/s, cpu share %.3f\n", records, wallSeconds, records / wallSeconds,
                cpuSeconds / wallSeconds);
    std::printf("wire ceiling: %.2f s (%lld bytes at %d baud), %.1f records/s\n", ceilingSeconds,
                static_cast<long long>(station.bytesOnLine), kBaud, records / ceilingSeconds);
    std::printf("retrieval utilisation: %.2f\n", ceilingSeconds / wallSeconds);
    line.stop();
    return 0;
}

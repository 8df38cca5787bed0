#pragma once
// The Data Retrieve page: the operator picks a panel of the site's panel
// table and a kind of information, narrows it where the kind allows, and
// presses Retrieve Data.
//
//   Panel :        [DataRetreiveDBGrid ...]   +-- DataRetreiveStringGrid --+
//   Information :  [ComboBoxDataRetrieveInfo] | headers                    |
//   Loop : [..]  Sensor : [..]  Range : [..]  | one row per decoded reply  |
//   System Zone : [..]  Zone Test : [..]      |                            |
//   [Retrieve Data] [Abort] [Save to file]    |                            |
//   [Print Report]  VersionLabel              +----------------------------+
//
// A retrieval runs on the GUI thread from the click to PreprocessExit: the
// access code and log-in, the opening requests (panel limits, host version,
// panel variant), the preparation of the kind's grid and "PrintTable", then
// one request per item. Every request waits in the message loop, so replies
// are decoded, the progress shows and Abort answers while it runs.
//
// Components are public members named as the system names them, each with
// the same objectName. The page reaches the link through attach(); without
// it Retrieve Data does nothing.

#include "RetrievalDecoders.h"
#include "StringGridAdapter.h"

#include <DisplayStream.h>
#include <Layerp.h>
#include <LinkDecoders.h>
#include <LinkSession.h>
#include <LinkView.h>
#include <Pdlldef.h>
#include <Table.h>

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QTableWidget;

// What the page needs from the main window besides the link.
struct DataRetrieveHooks
{
    std::function<void()> showProgressMessage;             // TRMessage shown
    std::function<void(const QString &)> setProgressText;  // progress message and status bar
    std::function<void()> PrintButtonClick;                // the report of the last retrieval
};

class DataRetrievePage : public QWidget
{
    Q_OBJECT

public:
    // How the last retrieval ended.
    enum class Outcome {
        None,       // no retrieval yet, or not on line
        Refused,    // a check failed (panel, kind, selection, host version, range)
        Aborted,    // AbortFlag ended it (Abort, access code refused or cancelled, no response)
        Failed,     // "PrintTable" could not be created
        Incomplete, // ran to its end, but some items got no reply
        Completed,  // every item requested was answered
    };

    DataRetrievePage(LinkSession &session, EmulationState &selection, QWidget *parent = nullptr);
    ~DataRetrievePage() override;

    // Connects the page to the link; the decoders write into the page's grid
    // and into "PrintTable" in `programDirectory`.
    void attach(LinkRequests &requests, LinkView &view, KxLinkApi &api, SensorZoneMark &zoneMark,
                const QString &programDirectory);
    void setHooks(DataRetrieveHooks hooks) { m_hooks = std::move(hooks); }

    // The decoders to plug into the link's decoder table: the retrieval
    // decoders, counting the items for the progress; they decode nothing
    // before attach().
    LinkDecoders &linkDecoders();
    RetrievalDecoders &retrievalDecoders() { return *m_decoders; }
    RetrievalGrid &grid() { return *m_grid; }
    const RetrievalGrid &grid() const { return *m_grid; }
    platform::Table &printTable() { return m_table; }

    bool isRetrieving() const { return m_retrieving; }
    Outcome lastOutcome() const { return m_outcome; }
    int itemsDone() const { return m_itemsDone; }
    int itemsToFetch() const { return m_itemsToFetch; } // 0: not known
    // The progress as shown: "Retrieving 12 of 40" (or without the total).
    QString progressText() const;

    // Handlers
    void RetrieveDataButtonClick();
    void AbortDataRetreiveButtonClick();
    void ButtonDataRetrieveSaveClick();
    // Writes the grid to `path` in the Save-to-file format; false and the
    // error box when it cannot.
    bool SaveToFile(const QString &path);
    void ComboBoxDataRetrieveInfoChange();
    void ComboBoxDRLoopChange();
    void ComboBoxDRSensorChange();
    void ComboBoxDRrangeChange();
    void SystemZonesEditChange();
    void LockRetrievalControls();
    void UnlockRetrievalControls();
    void PreprocessExit();
    // Reads the selected panel of DataRetreiveDBGrid into SelectedPanel and
    // SelectedSub.
    void ParsePanelAddress();

    // Components
    QTableView *DataRetreiveDBGrid = nullptr;
    QComboBox *ComboBoxDataRetrieveInfo = nullptr;
    QLabel *LabelDRLoop = nullptr;
    QComboBox *ComboBoxDRLoop = nullptr;
    QLabel *LabelDRSensor = nullptr;
    QComboBox *ComboBoxDRSensor = nullptr;
    QLabel *LabelDRRange = nullptr;
    QComboBox *ComboBoxDRrange = nullptr;
    QLabel *LabelDRSystemZone = nullptr;
    QSpinBox *SystemZonesEdit = nullptr;
    QLabel *LabelZoneTest = nullptr;
    QComboBox *ZoneTestResultComboBox = nullptr;
    QPushButton *RetrieveDataButton = nullptr;
    QPushButton *AbortDataRetreiveButton = nullptr;
    QPushButton *ButtonDataRetrieveSave = nullptr;
    QPushButton *PrintButton = nullptr;
    QLabel *VersionLabel = nullptr;
    QTableWidget *DataRetreiveStringGrid = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    class CountingDecoders;

    void build();
    void retranslateUi();
    QLabel *text(const char *source, const char *objectName = nullptr);
    void runKind(int kind);
    bool selectionChecked(int kind);
    void openingRequests(int kind);
    bool versionGate(int kind);
    bool prepare(int kind);
    void requestLoop(int kind);
    void ZoneTestLoop();
    int countItems(int kind) const;
    void noteItem();
    void showProgress();
    void error(const QString &text);

    struct Text
    {
        QPointer<QObject> target;
        const char *source;
        int item; // -1: the widget's text; else the combo box item
    };
    QList<Text> m_texts;

    LinkSession &m_session;
    EmulationState &m_selection;
    LinkRequests *m_requests = nullptr;
    LinkView *m_view = nullptr;
    KxLinkApi *m_api = nullptr;
    DataRetrieveHooks m_hooks;
    std::unique_ptr<StringGridAdapter> m_grid;
    platform::Table m_table;
    std::unique_ptr<RetrievalDecoders> m_decoders;
    std::unique_ptr<CountingDecoders> m_counting;

    bool m_retrieving = false;
    Outcome m_outcome = Outcome::None;
    int m_kind = -1;
    int m_itemsDone = 0;
    int m_itemsToFetch = 0;
    QString m_shownProgress;
};

#pragma once
// The Settings page of the main window: the serial port settings, the modem
// settings with the working modem strings and the modem profile list, and
// the port map that says which device each port number stands for.
//
// Life: loadCommunicationSettings(), loadModemSettings() and loadModemList()
// run once at the window's first show, in that order; saveModemSettings()
// and saveSerialSettings() run once at its close. In between only the
// controls and the working strings change. The port map is written as soon
// as the operator sets or removes an entry; the library reads it when it
// opens a port.
//
// The controls are public members named as the system names them, with the
// same objectName; their texts belong to the main window's form
// (translation context "TForm1").

#include "FormTexts.h"
#include "Settings.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(QWidget *parent = nullptr);

    // The working modem strings: the link takes the init string, the dial
    // command and the dial prefix from here when it opens the port or dials.
    const ModemStrings &workingStrings() const { return m_working; }
    // Position of the selected modem, -1 when none is selected.
    int selectedModem() const;

    // Serial port settings
    QGroupBox *GroupBoxSerialSettings = nullptr;
    QComboBox *ComboBoxComPort = nullptr;
    QComboBox *ComboBoxBaudRate = nullptr;
    QComboBox *ComboBoxDataBits = nullptr;
    QComboBox *ComboBoxStopBits = nullptr;
    QComboBox *ComboBoxParity = nullptr;
    QLabel *LabelOwnNodeId = nullptr;
    QLineEdit *EditOwnNodeId = nullptr;

    // Modem settings
    QGroupBox *GroupBoxModemSettings = nullptr;
    QListWidget *ModemsListBox = nullptr;
    QLineEdit *ModTypEdit = nullptr;
    QLineEdit *ModStrEdit = nullptr;
    QLineEdit *EscSeqEdit = nullptr;
    QLineEdit *HangupCmdEdit = nullptr;
    QPushButton *InsertBitBtn = nullptr;
    QPushButton *ModifyBitBtn = nullptr;
    QPushButton *DeleteBitBtn = nullptr;
    QGroupBox *DialCmdRG = nullptr;
    QRadioButton *DialCmdTone = nullptr;
    QRadioButton *DialCmdPulse = nullptr;
    QLineEdit *DialPrefixEdit = nullptr;

    // Port map
    QGroupBox *GroupBoxPortMap = nullptr;
    QTableWidget *PortMapGrid = nullptr;
    QSpinBox *PortMapPortEdit = nullptr;
    QComboBox *PortMapDeviceComboBox = nullptr;
    QPushButton *PortMapSetButton = nullptr;
    QPushButton *PortMapRemoveButton = nullptr;

    // The modem profile store ("KXMODEMS.INI").
    ModemStore ModemsIniDBase;

    // Start and close steps.
    void loadCommunicationSettings();  // "KXCOM.INI" into the port controls
    // "KXMOD.INI" into the working strings, then the dial type and prefix.
    // A "Previous" that is not a number is reported in an error box.
    void loadModemSettings();
    void loadModemList();              // the list, its first modem shown
    void saveModemSettings();          // "KXMOD.INI"
    void saveSerialSettings();         // "KXCOM.INI"

    // Port numbers 1 to 99, each with the device the port map names for it.
    void refreshPortMap();
    // The device shown beside a port number in the port list ("" for none).
    QString portDevice(int port) const;

signals:
    // The working modem strings changed (typed, chosen or loaded).
    void workingStringsChanged();

public slots:
    void ShowSelectedModem();
    void InsertBitBtnClick();
    void ModifyBitBtnClick();
    void DeleteBitBtnClick();
    void DialCmdRGClick(int id);
    void PortMapSetButtonClick();
    void PortMapRemoveButtonClick();

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyTexts();
    void build();
    QGroupBox *buildSerialGroup();
    QGroupBox *buildModemGroup();
    QGroupBox *buildPortMapGroup();

    void showDialType();
    // Checks the four edits; at the first empty one puts the focus there and
    // shows its message. Fills `record` (cut to capacities) when all are set.
    bool recordFromEdits(ModemRecord &record);
    void selectModemRow(int row);
    int sortedPosition(const QString &model) const;
    void errorBox(const QString &text);

    ModemStrings m_working;
    QButtonGroup *m_dialGroup = nullptr;
    platform::FormTexts m_texts{"TForm1"};
};

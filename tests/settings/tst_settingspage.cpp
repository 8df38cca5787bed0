// The Settings page: load at first show and save at close, the dial type
// rule, the working modem strings, the modem list's Insert / Modify /
// Delete with their messages and selection rules, and the port map.

#include "DialogSeam.h"
#include "SettingsPage.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using platform::MessageType;

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList items(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

const QByteArray kModems = "[Zoom]\r\nMODEL=Zoom\r\nInitStr=ATZ&F\r\nEcsChars=+++\r\nHangUp=ATH0\r\n\r\n"
                           "[Hayes]\r\nMODEL=Hayes\r\nInitStr=AT&F&C1&D2\r\nEcsChars=~~~\r\nHangUp=ATH\r\n\r\n"
                           "[Nokia]\r\nMODEL=Nokia\r\n";

} // namespace

class TestSettingsPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::ScriptedAnswerer> m_answers;
    std::unique_ptr<SettingsPage> m_page;

    QString file(const char *name) const { return m_dir->filePath(QLatin1String(name)); }

    void load()
    {
        m_page->loadCommunicationSettings();
        m_page->loadModemSettings();
        m_page->loadModemList();
    }
    void save()
    {
        m_page->saveModemSettings();
        m_page->saveSerialSettings();
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : m_answers->messages())
            texts << m.text;
        return texts;
    }
    void setEdits(const QString &model, const QString &init, const QString &esc, const QString &hangUp)
    {
        m_page->ModTypEdit->setText(model);
        m_page->ModStrEdit->setText(init);
        m_page->EscSeqEdit->setText(esc);
        m_page->HangupCmdEdit->setText(hangUp);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("VELMORA_WINDIR", m_dir->path().toLocal8Bit());
        m_answers = std::make_unique<platform::ScriptedAnswerer>();
        m_page = std::make_unique<SettingsPage>();
    }
    void cleanup()
    {
        m_page.reset();
        m_answers.reset();
        m_dir.reset();
    }

    void neitherFilePresent()
    {
        load();
        QCOMPARE(m_page->ComboBoxComPort->currentText(), QStringLiteral("2"));
        QCOMPARE(m_page->ComboBoxBaudRate->currentText(), QStringLiteral("9600"));
        QCOMPARE(m_page->ComboBoxDataBits->currentText(), QStringLiteral("8"));
        QCOMPARE(m_page->ComboBoxStopBits->currentText(), QStringLiteral("1"));
        QCOMPARE(m_page->ComboBoxParity->currentText(), QStringLiteral("None"));
        QCOMPARE(m_page->EditOwnNodeId->text(), QStringLiteral("7"));
        QVERIFY(m_page->DialCmdTone->isChecked());
        QCOMPARE(m_page->DialPrefixEdit->text(), QString());
        QCOMPARE(m_page->workingStrings().InitString, QByteArray("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0"));
        QCOMPARE(m_page->workingStrings().DialStr, QByteArray("ATDT"));
        QVERIFY(!m_page->ComboBoxDataBits->isEnabled());
        QVERIFY(!m_page->ComboBoxStopBits->isEnabled());
        QVERIFY(!m_page->ComboBoxParity->isEnabled());
        QVERIFY(m_page->EditOwnNodeId->isHidden());

        save();
        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(readBytes(file("KXMOD.INI")),
                 QByteArray("[Properties]\r\nInitString=AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r\nHangUpCmd=ATH0\r\n"
                            "EscSeq=+++\r\nDialPrefix=\r\nDialStr=ATDT\r\nPrevious=-1\r\n"));
        QCOMPARE(readBytes(file("KXCOM.INI")),
                 QByteArray("[Configuration]\r\nComPort=2\r\nBaudRate=9600\r\nDataBits=8\r\nStopBits=1\r\n"
                            "Parity=None\r\nPanel=0\r\nRepeater=7\r\n"));
    }

    void storedTextsShownAndSavedAsTheyAre()
    {
        const QByteArray com = "[Configuration]\r\nComPort=17\r\nBaudRate=115200\r\nDataBits=6\r\nStopBits=2\r\n"
                               "Parity=Space\r\nPanel=0\r\nRepeater=x\r\n";
        QVERIFY(writeBytes(file("KXCOM.INI"), com));
        load();
        QCOMPARE(m_page->ComboBoxComPort->currentText(), QStringLiteral("17"));
        QCOMPARE(m_page->ComboBoxBaudRate->currentText(), QStringLiteral("115200"));
        QCOMPARE(m_page->ComboBoxDataBits->currentText(), QStringLiteral("6"));
        save();
        QCOMPARE(readBytes(file("KXCOM.INI")), com);
    }

    void dialType_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("pulse");
        QTest::newRow("ATDT") << QByteArray("ATDT") << false;
        QTest::newRow("ATDP") << QByteArray("ATDP") << true;
        QTest::newRow("atdp: tone shown, kept") << QByteArray("atdp") << false;
        QTest::newRow("other") << QByteArray("ATD") << false;
    }

    void dialType()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, pulse);
        QVERIFY(writeBytes(file("KXMOD.INI"), "[Properties]\r\nDialStr=" + stored + "\r\nDialPrefix=0,\r\n"));
        load();
        QCOMPARE(m_page->DialCmdPulse->isChecked(), pulse);
        QCOMPARE(m_page->DialCmdTone->isChecked(), !pulse);
        QCOMPARE(m_page->workingStrings().DialStr, stored);
        QCOMPARE(m_page->DialPrefixEdit->text(), QStringLiteral("0,"));

        m_page->DialCmdPulse->click();
        QCOMPARE(m_page->workingStrings().DialStr, QByteArray("ATDP"));
        m_page->DialCmdTone->click();
        QCOMPARE(m_page->workingStrings().DialStr, QByteArray("ATDT"));
        m_page->DialPrefixEdit->setText(QStringLiteral("9"));
        QCOMPARE(m_page->workingStrings().DialPrefix, QByteArray("9"));
    }

    void previousThatIsNotANumber()
    {
        QVERIFY(writeBytes(file("KXMOD.INI"), "[Properties]\r\nInitString=ATZ\r\nPrevious=abc\r\n"));
        load();
        QCOMPARE(messageTexts(), QStringList{QStringLiteral("'abc' is not a valid integer value")});
        QCOMPARE(m_answers->messages().first().type, MessageType::Error);
        QCOMPARE(m_page->workingStrings().InitString, QByteArray("ATZ"));
    }

    // --- Modem list

    void firstModemBecomesTheWorkingOne()
    {
        QVERIFY(writeBytes(file("KXMOD.INI"), "[Properties]\r\nInitString=ATSTORED\r\nHangUpCmd=ATHX\r\nEscSeq=###\r\n"
                                              "Previous=2\r\n"));
        QVERIFY(writeBytes(file("KXMODEMS.INI"), kModems));
        load();
        QCOMPARE(items(m_page->ModemsListBox), (QStringList{"Hayes", "Nokia", "Zoom"}));
        QCOMPARE(m_page->selectedModem(), 0);
        QCOMPARE(m_page->ModTypEdit->text(), QStringLiteral("Hayes"));
        QCOMPARE(m_page->ModStrEdit->text(), QStringLiteral("AT&F&C1&D2"));
        QCOMPARE(m_page->EscSeqEdit->text(), QStringLiteral("~~~"));
        QCOMPARE(m_page->HangupCmdEdit->text(), QStringLiteral("ATH"));
        QCOMPARE(m_page->workingStrings().InitString, QByteArray("AT&F&C1&D2"));
        QCOMPARE(m_page->workingStrings().EscSeq, QByteArray("~~~"));
        QCOMPARE(m_page->workingStrings().HangUpCmd, QByteArray("ATH"));

        // A model section without keys reads "none".
        m_page->ModemsListBox->setCurrentRow(1);
        m_page->ShowSelectedModem();
        QCOMPARE(m_page->ModStrEdit->text(), QStringLiteral("none"));
        QCOMPARE(m_page->EscSeqEdit->text(), QStringLiteral("non"));
        QCOMPARE(m_page->workingStrings().EscSeq, QByteArray("non"));

        // Typing into the init string changes the working one at once.
        m_page->ModStrEdit->setText(QStringLiteral("ATTYPED"));
        QCOMPARE(m_page->workingStrings().InitString, QByteArray("ATTYPED"));
        save();
        QVERIFY(readBytes(file("KXMOD.INI")).contains("InitString=ATTYPED\r\nHangUpCmd=none\r\nEscSeq=non\r\n"));
        QVERIFY(readBytes(file("KXMOD.INI")).contains("Previous=1\r\n"));
    }

    void insert_data()
    {
        QTest::addColumn<QStringList>("edits"); // model, init, escape, hang-up
        QTest::addColumn<QString>("message");   // empty: stored
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("selected");

        const QStringList before{"Hayes", "Nokia", "Zoom"};
        QTest::newRow("no model") << QStringList{"", "", "", ""} << "You must enter a Model" << "ModTypEdit" << before
                                  << 0;
        QTest::newRow("no init string") << QStringList{"M", "", "", ""} << "You must enter an Initialisation String"
                                        << "ModStrEdit" << before << 0;
        QTest::newRow("no escape characters") << QStringList{"M", "ATZ", "", "ATH"}
                                              << "You must enter Escape Characters" << "EscSeqEdit" << before << 0;
        QTest::newRow("no hang-up command") << QStringList{"M", "ATZ", "+++", ""} << "You must enter a hang up command"
                                            << "HangupCmdEdit" << before << 0;
        QTest::newRow("existing model, other case") << QStringList{"ZOOM", "ATZ", "+++", "ATH"}
                                                    << "A record with that Model already exists" << "" << before << 0;
        QTest::newRow("model with ]") << QStringList{"Mo]dem", "ATZ", "+++", "ATH"}
                                      << "A Model cannot be blank, contain \"]\" or be named Index or Defaults"
                                      << "ModTypEdit" << before << 0;
        QTest::newRow("sorts first: the new entry is selected")
            << QStringList{"Acme", "ATZ", "+++", "ATH"} << "" << "" << QStringList{"Acme", "Hayes", "Nokia", "Zoom"} << 0;
        QTest::newRow("sorts between") << QStringList{"Motorola", "ATZ", "+++", "ATH"} << "" << ""
                                       << QStringList{"Hayes", "Motorola", "Nokia", "Zoom"} << 1;
        QTest::newRow("model of 25 cut to 21")
            << QStringList{"Sportster Courier V.34", "ATZ", "+++", "ATH"} << "" << ""
            << QStringList{"Hayes", "Nokia", "Sportster Courier V.3", "Zoom"} << 2;
    }

    void insert()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QStringList, list);
        QFETCH(int, selected);

        QVERIFY(writeBytes(file("KXMODEMS.INI"), kModems));
        load();
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        m_answers->clear();
        setEdits(edits.at(0), edits.at(1), edits.at(2), edits.at(3));
        m_page->InsertBitBtn->click();

        QCOMPARE(messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(m_answers->messages().first().type, MessageType::Error);
            QCOMPARE(readBytes(file("KXMODEMS.INI")), kModems);
        }
        if (!focus.isEmpty())
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(items(m_page->ModemsListBox), list);
        QCOMPARE(m_page->selectedModem(), selected);
    }

    void insertedRecordBytes()
    {
        load();
        setEdits(QStringLiteral("Sportster Courier V.34"), QStringLiteral("AT") + QString(60, QLatin1Char('X')),
                 QStringLiteral("+++"), QStringLiteral("ATH0"));
        m_page->InsertBitBtn->click();
        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(readBytes(file("KXMODEMS.INI")),
                 QByteArray("[Sportster Courier V.3]\r\nMODEL=Sportster Courier V.3\r\nInitStr=AT" + QByteArray(48, 'X')
                            + "\r\nEcsChars=+++\r\nHangUp=ATH0\r\n"));
        // The working init string keeps the whole typed text.
        QCOMPARE(m_page->workingStrings().InitString, "AT" + QByteArray(60, 'X'));
        QCOMPARE(m_page->selectedModem(), 0);
    }

    void modify()
    {
        QVERIFY(writeBytes(file("KXMODEMS.INI"), kModems));
        load();
        // Nothing selected: a beep, nothing else.
        m_page->ModemsListBox->clearSelection();
        m_page->ModemsListBox->setCurrentRow(-1);
        m_page->ModifyBitBtn->click();
        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(readBytes(file("KXMODEMS.INI")), kModems);

        // Renamed in place: the list keeps its order until the next start.
        m_page->ModemsListBox->setCurrentRow(0);
        setEdits(QStringLiteral("Xircom"), QStringLiteral("ATX"), QStringLiteral("+++"), QStringLiteral("ATH"));
        m_page->ModifyBitBtn->click();
        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(items(m_page->ModemsListBox), (QStringList{"Xircom", "Nokia", "Zoom"}));
        QCOMPARE(m_page->selectedModem(), 0);
        const QByteArray bytes = readBytes(file("KXMODEMS.INI"));
        QVERIFY(!bytes.contains("[Hayes]"));
        QVERIFY(bytes.contains("[Xircom]\r\nMODEL=Xircom\r\nInitStr=ATX\r\nEcsChars=+++\r\nHangUp=ATH\r\n"));
        load();
        QCOMPARE(items(m_page->ModemsListBox), (QStringList{"Nokia", "Xircom", "Zoom"}));
    }

    void remove_data()
    {
        QTest::addColumn<QByteArray>("modems");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("shown");

        QTest::newRow("first: same position") << kModems << 0 << QStringList{"Nokia", "Zoom"} << 0 << "Nokia";
        QTest::newRow("middle: same position") << kModems << 1 << QStringList{"Hayes", "Zoom"} << 1 << "Zoom";
        QTest::newRow("last: the one before") << kModems << 2 << QStringList{"Hayes", "Nokia"} << 1 << "Nokia";
        QTest::newRow("only: none") << QByteArray("[Zoom]\r\nMODEL=Zoom\r\nInitStr=ATZ\r\n") << 0 << QStringList()
                                    << -1 << "";
    }

    void remove()
    {
        QFETCH(QByteArray, modems);
        QFETCH(int, row);
        QFETCH(QStringList, list);
        QFETCH(int, selected);
        QFETCH(QString, shown);
        QVERIFY(writeBytes(file("KXMODEMS.INI"), modems));
        load();
        m_page->ModemsListBox->setCurrentRow(row);
        const QString model = m_page->ModemsListBox->item(row)->text();

        m_answers->answerMessage(platform::ButtonNo);
        m_page->DeleteBitBtn->click();
        QCOMPARE(readBytes(file("KXMODEMS.INI")), modems);

        m_answers->answerMessage(platform::ButtonYes);
        m_page->DeleteBitBtn->click();
        const QString question = QStringLiteral("Are you sure you want to delete ") + model + QStringLiteral("\"?");
        QCOMPARE(messageTexts(), (QStringList{question, question}));
        QCOMPARE(m_answers->messages().first().type, MessageType::Confirmation);
        QCOMPARE(m_answers->messages().first().buttons, platform::ButtonYes | platform::ButtonNo);
        QCOMPARE(items(m_page->ModemsListBox), list);
        QCOMPARE(m_page->selectedModem(), selected);
        QCOMPARE(m_page->ModTypEdit->text(), shown);
        QVERIFY(!readBytes(file("KXMODEMS.INI")).contains("[" + model.toLatin1() + "]"));
        if (selected < 0) {
            QCOMPARE(m_page->ModStrEdit->text(), QString());
            QCOMPARE(m_page->EscSeqEdit->text(), QString());
            QCOMPARE(m_page->HangupCmdEdit->text(), QString());
            QCOMPARE(m_page->workingStrings().InitString, QByteArray());
            save();
            QVERIFY(readBytes(file("KXMOD.INI")).endsWith("Previous=-1\r\n"));
        }
    }

    // --- Port list and port map

    void portMap()
    {
        QVERIFY(writeBytes(file("KXPORTS.INI"), "[Ports]\r\n3=/dev/ttyUSB0\r\n"));
        m_page = std::make_unique<SettingsPage>();
        QCOMPARE(m_page->ComboBoxComPort->count(), 99);
        QCOMPARE(m_page->ComboBoxComPort->itemText(0), QStringLiteral("1"));
        QCOMPARE(m_page->ComboBoxComPort->itemText(98), QStringLiteral("99"));
        QCOMPARE(m_page->portDevice(3), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(m_page->portDevice(4), QString());
        QCOMPARE(m_page->PortMapGrid->rowCount(), 1);

        m_page->PortMapPortEdit->setValue(4);
        m_page->PortMapDeviceComboBox->setEditText(QStringLiteral("tcp://127.0.0.1:4001"));
        m_page->PortMapSetButton->click();
        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(m_page->portDevice(4), QStringLiteral("tcp://127.0.0.1:4001"));
        QCOMPARE(m_page->PortMapGrid->rowCount(), 2);

        m_page->PortMapDeviceComboBox->setEditText(QStringLiteral("tcp://nohost"));
        m_page->PortMapSetButton->click();
        QCOMPARE(messageTexts(), QStringList{QStringLiteral("Enter a serial device or an address tcp://host:port")});

        m_page->PortMapPortEdit->setValue(3);
        m_page->PortMapRemoveButton->click();
        QCOMPARE(m_page->portDevice(3), QString());
        QCOMPARE(readBytes(file("KXPORTS.INI")), QByteArray("[Ports]\r\n4=tcp://127.0.0.1:4001\r\n"));
        // Choosing a port keeps the bare number as the port's text.
        m_page->ComboBoxComPort->setCurrentIndex(3);
        QCOMPARE(m_page->ComboBoxComPort->currentText(), QStringLiteral("4"));
    }
};

QTEST_MAIN(TestSettingsPage)
#include "tst_settingspage.moc"

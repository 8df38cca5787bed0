#include "MainLinkView.h"

#include "IniFile.h"
#include "PMain.h"
#include "Shape.h"
#include "TVConfig.h"

#include <DialogSeam.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

MainLinkView::MainLinkView(TForm1 &form) : m_form(form) {}

QWidget *MainLinkView::dialogParent()
{
    return &m_form;
}

quintptr MainLinkView::activeWindow()
{
    // The library's messages are the main window's; the connect dialog names
    // itself while it runs a modem call and hands back on the connection.
    return m_form.messageWindowHandle();
}

void MainLinkView::setStatusBar(const QString &text)
{
    m_form.EditStatusBar->setText(text);
}

void MainLinkView::setDiagText(const QString &text)
{
    m_form.DiagEdit->setText(text);
}

void MainLinkView::setIndicator(LinkIndicator indicator, const QColor &colour)
{
    Shape *shape = nullptr;
    switch (indicator) {
    case LinkIndicator::ShapeStatusLed: shape = m_form.ShapeStatusLed; break;
    case LinkIndicator::CTSLed: shape = m_form.CTSLed; break;
    case LinkIndicator::DCDLed: shape = m_form.DCDLed; break;
    case LinkIndicator::DSRLed: shape = m_form.DSRLed; break;
    case LinkIndicator::RILed: shape = m_form.RILed; break;
    case LinkIndicator::RXLed: shape = m_form.RXLed; break;
    case LinkIndicator::TXLed: shape = m_form.TXLed; break;
    }
    if (shape)
        shape->setBrushColor(colour);
}

namespace {

QAction *menuAction(TForm1 &form, LinkMenuCommand command)
{
    switch (command) {
    case LinkMenuCommand::Dial1: return form.Dial1;
    case LinkMenuCommand::Hangup1: return form.Hangup1;
    case LinkMenuCommand::Dialback1: return form.Dialback1;
    case LinkMenuCommand::Alarmreporting1: return form.Alarmreporting1;
    case LinkMenuCommand::CloseCommunication1: return form.CloseCommunication1;
    }
    return nullptr;
}

QTimer *linkTimer(TForm1 &form, LinkTimer timer)
{
    switch (timer) {
    case LinkTimer::AckNTimeOutTimer: return form.AckNTimeOutTimer;
    case LinkTimer::ReplyTimeOutTimer: return form.ReplyTimeOutTimer;
    case LinkTimer::TimerAck: return form.TimerAck;
    }
    return nullptr;
}

} // namespace

void MainLinkView::setMenuEnabled(LinkMenuCommand command, bool enabled)
{
    if (QAction *action = menuAction(m_form, command))
        action->setEnabled(enabled);
}

void MainLinkView::setMenuChecked(LinkMenuCommand command, bool checked)
{
    if (QAction *action = menuAction(m_form, command))
        action->setChecked(checked);
}

bool MainLinkView::isMenuChecked(LinkMenuCommand command)
{
    QAction *action = menuAction(m_form, command);
    return action && action->isChecked();
}

void MainLinkView::setSessionButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {m_form.ButtonStartEmulation, m_form.ButtonStopEmulation, m_form.Buttonprintscreen,
                                m_form.KeyBoardButton, m_form.RetrieveDataButton, m_form.AbortDataRetreiveButton}) {
        if (button)
            button->setEnabled(enabled);
    }
}

void MainLinkView::startTimer(LinkTimer timer)
{
    if (QTimer *t = linkTimer(m_form, timer))
        t->start();
}

void MainLinkView::stopTimer(LinkTimer timer)
{
    if (QTimer *t = linkTimer(m_form, timer))
        t->stop();
}

int MainLinkView::dataRetrieveInfoIndex()
{
    return m_form.ComboBoxDataRetrieveInfo->currentIndex();
}

bool MainLinkView::isScopePaused()
{
    return scopePaused ? scopePaused() : false;
}

void MainLinkView::traceReceived(int count, const QByteArray &bytes)
{
    if (scopeReceived)
        scopeReceived(count, bytes);
}

void MainLinkView::traceSent(int count, const QByteArray &bytes)
{
    if (scopeSent)
        scopeSent(count, bytes);
}

QList<QByteArray> MainLinkView::addressSectionNames()
{
    const platform::IniFile book(QDir(m_form.ProgramDirectory).filePath(tvconfig::AddressBookFileName));
    return book.readSections();
}

QByteArray MainLinkView::readAddressString(const QByteArray &section, const QByteArray &key,
                                           const QByteArray &defaultValue)
{
    const platform::IniFile book(QDir(m_form.ProgramDirectory).filePath(tvconfig::AddressBookFileName));
    return book.readString(section, key, defaultValue);
}

void MainLinkView::OpenSitePanelTable(const QByteArray &siteName)
{
    m_form.OpenSitePanelTable(siteName);
}

SerialSettingsText MainLinkView::serialSettings()
{
    return {m_form.ComboBoxComPort->currentText(),  m_form.ComboBoxBaudRate->currentText(),
            m_form.ComboBoxDataBits->currentText(), m_form.ComboBoxStopBits->currentText(),
            m_form.ComboBoxParity->currentText(),   m_form.EditOwnNodeId->text()};
}

QByteArray MainLinkView::modemInitString()
{
    return m_form.InitString;
}

void MainLinkView::stopEmulationIfActive()
{
    if (m_form.EmulationActive)
        m_form.StopEmulation();
}

void MainLinkView::closeSitePanelViews()
{
    m_form.EmulationDBGrid->setEnabled(false);
    m_form.DataRetreiveDBGrid->setEnabled(false);
    m_form.CloseSitePanelTable();
}

void MainLinkView::clearRetrievalSelectors()
{
    for (QComboBox *box : {m_form.ComboBoxDataRetrieveInfo, m_form.ComboBoxDRrange, m_form.ComboBoxDRSensor,
                           m_form.ComboBoxDRLoop}) {
        // An emptied text: no item chosen (and no edit text when editable).
        box->setCurrentIndex(-1);
        if (box->isEditable())
            box->clearEditText();
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_form.ComboBoxDRrange, m_form.ComboBoxDRSensor,
                                                       m_form.ComboBoxDRLoop, m_form.SystemZonesEdit,
                                                       m_form.LabelDRSystemZone, m_form.LabelDRRange,
                                                       m_form.LabelDRSensor, m_form.LabelDRLoop})
        w->hide();
}

void MainLinkView::resetProcRunLed()
{
    m_form.LED7->setBrushColor(Qt::white);
    m_form.ProcRunTimer->stop();
}

void MainLinkView::clearEmulatedFront()
{
    m_form.ClearLcdDisplay();
    m_form.ResetLeds();
}

void MainLinkView::clearEmulationActive()
{
    m_form.EmulationActive = false;
}

int MainLinkView::execConnectDialog()
{
    return m_form.DlgConnect ? platform::execForm(m_form.DlgConnect) : int(QDialog::Rejected);
}

int MainLinkView::execDialBackDialog()
{
    return m_form.DlgDialBack ? platform::execForm(m_form.DlgDialBack) : int(QDialog::Rejected);
}

int MainLinkView::execAccessCodeDialog(QString *accessCode)
{
    if (!m_form.PasswordDlg)
        return QDialog::Rejected;
    auto *edit = m_form.PasswordDlg->findChild<QLineEdit *>(QStringLiteral("AccessCodeEdit"));
    if (edit)
        edit->clear();
    const int result = platform::execForm(m_form.PasswordDlg);
    if (accessCode)
        *accessCode = edit ? edit->text() : QString();
    return result;
}

void MainLinkView::hideProgressMessage()
{
    if (m_form.RMessage)
        m_form.RMessage->hide();
}

void MainLinkView::restoreCursor()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

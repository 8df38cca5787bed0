#pragma once
// The main window as the link logic sees it: status group, menu commands,
// session buttons, exchange timers, the Data Retrieve selectors, the address
// book and the modal forms, all reached through TForm1's components.

#include "LinkView.h"

#include <functional>

class TForm1;

class MainLinkView final : public LinkView
{
public:
    explicit MainLinkView(TForm1 &form);

    // The data scope plugs its two trace views and its pause state in here;
    // without them the raw frames go nowhere.
    std::function<bool()> scopePaused;
    std::function<void(int count, const QByteArray &bytes)> scopeReceived;
    std::function<void(int count, const QByteArray &bytes)> scopeSent;

    QWidget *dialogParent() override;
    quintptr activeWindow() override;

    void setStatusBar(const QString &text) override;
    void setDiagText(const QString &text) override;
    void setIndicator(LinkIndicator indicator, const QColor &colour) override;

    void setMenuEnabled(LinkMenuCommand command, bool enabled) override;
    void setMenuChecked(LinkMenuCommand command, bool checked) override;
    bool isMenuChecked(LinkMenuCommand command) override;
    void setSessionButtonsEnabled(bool enabled) override;

    void startTimer(LinkTimer timer) override;
    void stopTimer(LinkTimer timer) override;

    int dataRetrieveInfoIndex() override;

    bool isScopePaused() override;
    void traceReceived(int count, const QByteArray &bytes) override;
    void traceSent(int count, const QByteArray &bytes) override;

    QList<QByteArray> addressSectionNames() override;
    QByteArray readAddressString(const QByteArray &section, const QByteArray &key,
                                 const QByteArray &defaultValue) override;
    void OpenSitePanelTable(const QByteArray &siteName) override;

    SerialSettingsText serialSettings() override;
    QByteArray modemInitString() override;

    void stopEmulationIfActive() override;
    void closeSitePanelViews() override;
    void clearRetrievalSelectors() override;
    void resetProcRunLed() override;
    void clearEmulatedFront() override;
    void clearEmulationActive() override;

    int execConnectDialog() override;
    int execDialBackDialog() override;
    int execAccessCodeDialog(QString *accessCode) override;

    void hideProgressMessage() override;
    void restoreCursor() override;

private:
    TForm1 &m_form;
};

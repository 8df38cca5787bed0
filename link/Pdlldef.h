#pragma once
// The program's binding of the communications library. All calls go through
// KxLinkApi so that tests can stand in for the library and record the calls;
// the product uses KxLinkLibrary, which calls the kxlink C functions.

#include <QByteArray>

#include <cstdint>

class KxLinkApi
{
public:
    virtual ~KxLinkApi() = default;

    virtual void LoadDll() = 0;
    virtual void UnloadDll() = 0;
    virtual quint8 OwnNodeID(quint8 networkMode, quint8 reserved, quint8 ownNodeId) = 0;
    virtual quint8 OpenComPort(quint32 port, quint32 baudRate, quint32 dataBits, quint32 stopBits, quint32 parity) = 0;
    virtual void CloseComPort() = 0;
    virtual void CurrentWindow(quintptr window) = 0;
    // record: node, code, length n, n payload bytes (read during the call only)
    virtual quint8 UserCommand(const quint8 *record) = 0;
    virtual void SendInitializationRequest() = 0;
    virtual void EnableWatchDogs() = 0;
    virtual void DisableWatchDogs() = 0;
    virtual void CheckForModem() = 0;
    // Texts are handed over as plain bytes; the binding builds the short text
    // (length byte + at most 255 characters).
    virtual void SendToModem(const QByteArray &line) = 0;
    virtual void SetModemEscSequence(const QByteArray &sequence) = 0;
    virtual void SetModemHangUpCmd(const QByteArray &command) = 0;
    virtual void HangUpModem() = 0;
    virtual void ModemDialBack(const QByteArray &number) = 0;
};

// Builds a short text: one length byte, then at most 255 characters.
QByteArray shortText(const QByteArray &text);
// The characters of a posted short text: its length byte says how many, cut
// at the end of what was posted.
QByteArray shortTextContents(const QByteArray &posted);

class KxLinkLibrary final : public KxLinkApi
{
public:
    void LoadDll() override;
    void UnloadDll() override;
    quint8 OwnNodeID(quint8 networkMode, quint8 reserved, quint8 ownNodeId) override;
    quint8 OpenComPort(quint32 port, quint32 baudRate, quint32 dataBits, quint32 stopBits, quint32 parity) override;
    void CloseComPort() override;
    void CurrentWindow(quintptr window) override;
    quint8 UserCommand(const quint8 *record) override;
    void SendInitializationRequest() override;
    void EnableWatchDogs() override;
    void DisableWatchDogs() override;
    void CheckForModem() override;
    void SendToModem(const QByteArray &line) override;
    void SetModemEscSequence(const QByteArray &sequence) override;
    void SetModemHangUpCmd(const QByteArray &command) override;
    void HangUpModem() override;
    void ModemDialBack(const QByteArray &number) override;
};

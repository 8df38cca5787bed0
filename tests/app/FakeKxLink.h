#pragma once
// A stand-in for the communications library that records every call in
// order, and what the main window's link session held at CloseComPort.

#include "LinkSession.h"
#include "Pdlldef.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QStringList>

#include <functional>

class FakeKxLink final : public KxLinkApi
{
public:
    QStringList calls;
    quintptr currentWindow = 0;
    // Set by the test once the window exists.
    const LinkSession *session = nullptr;
    bool abortFlagAtClose = false;
    // Runs inside CloseComPort, to look at the world at that moment.
    std::function<void()> onCloseComPort;

    void LoadDll() override { calls << QStringLiteral("LoadDll"); }
    void UnloadDll() override { calls << QStringLiteral("UnloadDll"); }
    quint8 OwnNodeID(quint8, quint8, quint8) override { calls << QStringLiteral("OwnNodeID"); return 1; }
    quint8 OpenComPort(quint32, quint32, quint32, quint32, quint32) override
    {
        calls << QStringLiteral("OpenComPort");
        return 1;
    }
    void CloseComPort() override
    {
        calls << QStringLiteral("CloseComPort");
        abortFlagAtClose = session && session->AbortFlag;
        if (onCloseComPort)
            onCloseComPort();
    }
    void CurrentWindow(quintptr window) override
    {
        calls << QStringLiteral("CurrentWindow");
        currentWindow = window;
    }
    quint8 UserCommand(const quint8 *) override { calls << QStringLiteral("UserCommand"); return 1; }
    void SendInitializationRequest() override { calls << QStringLiteral("SendInitializationRequest"); }
    void EnableWatchDogs() override { calls << QStringLiteral("EnableWatchDogs"); }
    void DisableWatchDogs() override { calls << QStringLiteral("DisableWatchDogs"); }
    void CheckForModem() override { calls << QStringLiteral("CheckForModem"); }
    void SendToModem(const QByteArray &) override { calls << QStringLiteral("SendToModem"); }
    void SetModemEscSequence(const QByteArray &) override { calls << QStringLiteral("SetModemEscSequence"); }
    void SetModemHangUpCmd(const QByteArray &) override { calls << QStringLiteral("SetModemHangUpCmd"); }
    void HangUpModem() override { calls << QStringLiteral("HangUpModem"); }
    void ModemDialBack(const QByteArray &) override { calls << QStringLiteral("ModemDialBack"); }
};

// A settings directory and a program directory for one test, both
// temporary; the program directory is made the current directory.
struct TestFolders
{
    QTemporaryDir settings;
    QTemporaryDir program;
    QString previousCurrent = QDir::currentPath();

    TestFolders()
    {
        qputenv("VELMORA_WINDIR", settings.path().toLocal8Bit());
        QDir::setCurrent(program.path());
    }
    ~TestFolders() { QDir::setCurrent(previousCurrent); }

    QString settingsFile(const QString &name) const { return settings.filePath(name); }
    QString programFile(const QString &name) const { return program.filePath(name); }

    // Copies the shipped logo picture into the program directory.
    bool installLogo() const
    {
        const QString logo = QString::fromLocal8Bit(qgetenv("VELMORA_SOURCE_DIR")) + QStringLiteral("/app/Logo.BMP");
        return QFile::copy(logo, programFile(QStringLiteral("Logo.BMP")));
    }
};

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

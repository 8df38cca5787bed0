// The C face of the library. Each function hands its work to the link engine
// on the I/O thread and returns at once; OpenComPort and CloseComPort wait
// for the engine to finish the opening or closing (never for line traffic).
// Calls before LoadDll or after UnloadDll are refused or ignored.
#include "kxlink.h"

#include "LinkEngine.h"
#include "LinkShared.h"

#include <QMetaObject>
#include <QMutex>
#include <QThread>

#include <atomic>

namespace {

using kxlink::LinkEngine;
using kxlink::LinkShared;

struct Library
{
    QMutex lifecycle;   // LoadDll / UnloadDll against each other
    QThread *thread = nullptr;
    std::atomic<LinkEngine *> engine{nullptr};
    LinkShared shared;
};

Library &library()
{
    // Never destroyed: a program that exits without UnloadDll must not have
    // the shared state torn down under a running I/O thread.
    static Library *lib = new Library;
    return *lib;
}

LinkEngine *engine()
{
    return library().engine.load(std::memory_order_acquire);
}

// Hands `work` to the I/O thread without waiting.
template<typename F>
void later(F &&work)
{
    if (LinkEngine *e = engine())
        QMetaObject::invokeMethod(e, [e, w = std::forward<F>(work)]() mutable { w(e); }, Qt::QueuedConnection);
}

// Runs `work` on the I/O thread and waits for it.
template<typename F>
void now(F &&work)
{
    LinkEngine *e = engine();
    if (!e)
        return;
    if (QThread::currentThread() == e->thread())
        work(e);
    else
        QMetaObject::invokeMethod(e, [e, &work] { work(e); }, Qt::BlockingQueuedConnection);
}

QByteArray shortText(const uint8_t *text)
{
    if (!text)
        return {};
    return QByteArray(reinterpret_cast<const char *>(text + 1), text[0]);
}

} // namespace

extern "C" {

void LoadDll(void)
{
    Library &lib = library();
    QMutexLocker lock(&lib.lifecycle);
    if (lib.thread)
        return;
    lib.thread = new QThread;
    lib.thread->setObjectName(QStringLiteral("kxlink I/O"));
    auto *e = new LinkEngine(&lib.shared);
    e->moveToThread(lib.thread);
    // Destroyed on its own thread when the thread's loop ends.
    QObject::connect(lib.thread, &QThread::finished, e, &QObject::deleteLater);
    lib.thread->start();
    lib.engine.store(e, std::memory_order_release);
}

void UnloadDll(void)
{
    Library &lib = library();
    QMutexLocker lock(&lib.lifecycle);
    if (!lib.thread)
        return;
    now([](LinkEngine *e) { e->closePort(); });
    lib.engine.store(nullptr, std::memory_order_release);
    lib.thread->quit();
    lib.thread->wait();
    delete lib.thread;
    lib.thread = nullptr;
}

uint8_t OwnNodeID(uint32_t networkMode, uint32_t reserved, uint32_t ownNodeId)
{
    Q_UNUSED(reserved);
    if (!engine() || networkMode > 3 || ownNodeId == 0 || ownNodeId > 254)
        return 0;
    later([networkMode, ownNodeId](LinkEngine *e) { e->setOwnNode(quint8(networkMode), quint8(ownNodeId)); });
    return 1;
}

uint8_t OpenComPort(uint32_t port, uint32_t baudRate, uint32_t dataBits, uint32_t stopBits, uint32_t parity)
{
    bool opened = false;
    now([&](LinkEngine *e) { opened = e->openPort(port, baudRate, dataBits, stopBits, parity); });
    return opened ? 1 : 0;
}

void CloseComPort(void)
{
    now([](LinkEngine *e) { e->closePort(); });
}

void CurrentWindow(KxWindowHandle window)
{
    library().shared.setWindow(window);
}

uint8_t UserCommand(const uint8_t *record)
{
    if (!record || !engine())
        return 0;
    // The record is valid during this call only: copy it now.
    const QByteArray copy(reinterpret_cast<const char *>(record), 3 + record[2]);
    if (!library().shared.admitCommand())
        return 0;
    later([copy](LinkEngine *e) { e->queueCommand(copy); });
    return 1;
}

void SendInitializationRequest(void)
{
    later([](LinkEngine *e) { e->sendInitializationRequest(); });
}

void EnableWatchDogs(void)
{
    later([](LinkEngine *e) { e->setWatchdogsEnabled(true); });
}

void DisableWatchDogs(void)
{
    later([](LinkEngine *e) { e->setWatchdogsEnabled(false); });
}

void CheckForModem(void)
{
    later([](LinkEngine *e) { e->checkForModem(); });
}

void SendToModem(const uint8_t *shortTextPtr)
{
    if (!shortTextPtr)
        return;
    later([text = shortText(shortTextPtr)](LinkEngine *e) { e->sendToModem(text); });
}

void SetModemEscSequence(const uint8_t *shortTextPtr)
{
    if (!shortTextPtr)
        return;
    later([text = shortText(shortTextPtr)](LinkEngine *e) { e->setEscapeSequence(text); });
}

void SetModemHangUpCmd(const uint8_t *shortTextPtr)
{
    if (!shortTextPtr)
        return;
    later([text = shortText(shortTextPtr)](LinkEngine *e) { e->setHangUpCommand(text); });
}

void HangUpModem(void)
{
    later([](LinkEngine *e) { e->hangUp(); });
}

void ModemDialBack(const uint8_t *shortTextPtr)
{
    if (!shortTextPtr)
        return;
    later([text = shortText(shortTextPtr)](LinkEngine *e) { e->dialBack(text); });
}

} // extern "C"

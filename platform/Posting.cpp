#include "Posting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QMutex>
#include <QObject>

namespace platform {

namespace {

const QEvent::Type kWindowMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class WindowMessageEvent : public QEvent
{
public:
    explicit WindowMessageEvent(WindowMessage m) : QEvent(kWindowMessageEvent), message(std::move(m)) {}
    WindowMessage message;
};

struct Registry
{
    QMutex mutex;
    QHash<WindowHandle, QObject *> sinks;
    WindowHandle next = 0x1000;
};

Registry &registry()
{
    static Registry r;
    return r;
}

bool post(WindowHandle window, WindowMessage message)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    QObject *sink = r.sinks.value(window);
    if (!sink)
        return false;
    // Unregistering takes the same lock before the sink dies, so the sink is
    // alive here; postEvent itself is thread-safe.
    QCoreApplication::postEvent(sink, new WindowMessageEvent(std::move(message)));
    return true;
}

} // namespace

class MessageSink : public QObject
{
public:
    explicit MessageSink(MessageWindow *owner) : m_owner(owner) {}

    bool event(QEvent *e) override
    {
        if (e->type() == kWindowMessageEvent) {
            m_owner->windowMessage(static_cast<WindowMessageEvent *>(e)->message);
            return true;
        }
        return QObject::event(e);
    }

private:
    MessageWindow *m_owner;
};

MessageWindow::MessageWindow()
{
    m_sink = new MessageSink(this);
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    m_handle = r.next++;
    r.sinks.insert(m_handle, m_sink);
}

MessageWindow::~MessageWindow()
{
    {
        Registry &r = registry();
        QMutexLocker lock(&r.mutex);
        r.sinks.remove(m_handle);
    }
    delete m_sink; // pending events for it are discarded by Qt
}

bool postMessage(WindowHandle window, quint32 message, quintptr wParam, quintptr lParam)
{
    return post(window, WindowMessage{message, wParam, lParam, {}});
}

bool postMessage(WindowHandle window, quint32 message, quintptr wParam, const QByteArray &bytes)
{
    return post(window, WindowMessage{message, wParam, 0, bytes});
}

} // namespace platform

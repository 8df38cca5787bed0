#pragma once
// The posting seam: window handles and posted WM_USER+n messages.
//
// A MessageWindow is a receiver with a numeric handle. Anyone, from any
// thread, may post a message to a handle; the message owns a copy of the
// bytes it carries and is delivered on the receiver's thread, through its
// event loop, in posting order. A message posted to a handle that no longer
// exists is dropped.

#include <QByteArray>
#include <QtGlobal>

class QObject;

namespace platform {

using WindowHandle = quintptr; // 0 names no window

constexpr quint32 WM_USER = 0x400;

struct WindowMessage
{
    quint32 message = 0;   // WM_USER + n
    quintptr wParam = 0;
    quintptr lParam = 0;   // the value itself, for messages that carry no bytes
    QByteArray bytes;      // copy of the bytes the poster handed over

    const quint8 *data() const { return reinterpret_cast<const quint8 *>(bytes.constData()); }
    int size() const { return int(bytes.size()); }
};

class MessageWindow
{
public:
    MessageWindow();
    virtual ~MessageWindow();
    MessageWindow(const MessageWindow &) = delete;
    MessageWindow &operator=(const MessageWindow &) = delete;

    WindowHandle windowHandle() const { return m_handle; }

    // Delivers one message synchronously, as the event loop would.
    void sendMessage(const WindowMessage &message) { windowMessage(message); }

protected:
    // Called on the GUI thread for each posted message, in posting order.
    virtual void windowMessage(const WindowMessage &message) = 0;

private:
    friend class MessageSink;
    QObject *m_sink = nullptr;
    WindowHandle m_handle = 0;
};

// Thread-safe. Returns false when the handle names no live window.
bool postMessage(WindowHandle window, quint32 message, quintptr wParam, quintptr lParam);
bool postMessage(WindowHandle window, quint32 message, quintptr wParam, const QByteArray &bytes);

} // namespace platform

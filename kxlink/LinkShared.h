#pragma once
// State that the calling (GUI) thread and the I/O thread share: the window
// that receives the posted messages, and the admission of commands.
//
// UserCommand decides on the calling thread whether a command is accepted
// and posts the "waiting for acknowledgement" state before it returns; the
// I/O thread posts everything that follows (acknowledged, reply, message
// received) only after it has taken the command, so the program always sees
// state 1 before the states of that exchange.

#include "kxlink.h"

#include <QByteArray>
#include <QtGlobal>

#include <atomic>
#include <mutex>

namespace kxlink {

// Commands that may wait behind the one being sent.
constexpr int kCommandQueueCapacity = 16;

class LinkShared
{
public:
    void setWindow(quintptr window) { m_window.store(window, std::memory_order_release); }
    quintptr window() const { return m_window.load(std::memory_order_acquire); }

    void post(quint32 message, quintptr wParam = 0, quintptr lParam = 0) const;
    void post(quint32 message, quintptr wParam, const QByteArray &bytes) const;

    // Admits one command: the port is open and fewer than 16 wait. Posts
    // link state 1 for an admitted command before returning true.
    bool admitCommand();
    // The I/O thread took `count` admitted commands off the queue (to send
    // or to drop them).
    void commandsTaken(int count = 1);
    // The port opened or closed; a closed port admits nothing and forgets
    // the waiting commands.
    void setPortOpen(bool open);

private:
    std::atomic<quintptr> m_window{0};
    std::mutex m_mutex;
    bool m_portOpen = false;
    int m_waiting = 0;
};

} // namespace kxlink

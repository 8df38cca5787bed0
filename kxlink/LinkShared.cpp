#include "LinkShared.h"

#include "Posting.h"

namespace kxlink {

void LinkShared::post(quint32 message, quintptr wParam, quintptr lParam) const
{
    const quintptr target = window();
    if (target)
        platform::postMessage(target, message, wParam, lParam);
}

void LinkShared::post(quint32 message, quintptr wParam, const QByteArray &bytes) const
{
    const quintptr target = window();
    if (target)
        platform::postMessage(target, message, wParam, bytes);
}

bool LinkShared::admitCommand()
{
    std::lock_guard lock(m_mutex);
    if (!m_portOpen || m_waiting >= kCommandQueueCapacity)
        return false;
    ++m_waiting;
    post(KX_MSG_LINK_STATE, KX_STATE_WAITING_FOR_ACK);
    return true;
}

void LinkShared::commandsTaken(int count)
{
    std::lock_guard lock(m_mutex);
    m_waiting = qMax(0, m_waiting - count);
}

void LinkShared::setPortOpen(bool open)
{
    std::lock_guard lock(m_mutex);
    m_portOpen = open;
    if (!open)
        m_waiting = 0;
}

} // namespace kxlink

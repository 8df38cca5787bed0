#include "HeadlessLink.h"

#include <Timing.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>

HeadlessLinkView::HeadlessLinkView()
{
    for (LinkTimer which : {LinkTimer::AckNTimeOutTimer, LinkTimer::ReplyTimeOutTimer, LinkTimer::TimerAck}) {
        auto &t = m_timers[int(which)];
        t = std::make_unique<QTimer>();
        t->setInterval(platform::scaledInterval(linkTimerInterval(which)));
    }
}

HeadlessLinkView::~HeadlessLinkView() = default;

QTimer *HeadlessLinkView::timer(LinkTimer which) const
{
    return m_timers[int(which)].get();
}

int HeadlessLinkView::execConnectDialog()
{
    return connectDialog ? connectDialog() : int(QDialog::Rejected);
}

int HeadlessLinkView::execDialBackDialog()
{
    return dialBackDialog ? dialBackDialog() : int(QDialog::Rejected);
}

int HeadlessLinkView::execAccessCodeDialog(QString *accessCode)
{
    return accessCodeDialog ? accessCodeDialog(accessCode) : int(QDialog::Rejected);
}

HeadlessLink::HeadlessLink(KxLinkApi &api) : m_api(api)
{
    m_dispatch = std::make_unique<LinkDispatch>(Session, View, m_api, m_noDecoders);
    m_requests = std::make_unique<LinkRequests>(Session, View, m_api, ZoneMark);
    m_control = std::make_unique<SessionControl>(Session, View, m_api, *m_requests);
    m_window = std::make_unique<LinkMessageWindow>(*m_dispatch);
    View.MessageWindow = m_window->windowHandle();

    SessionControl *control = m_control.get();
    QObject::connect(View.timer(LinkTimer::AckNTimeOutTimer), &QTimer::timeout,
                     [control] { control->AckNTimeOutTimerTimer(); });
    QObject::connect(View.timer(LinkTimer::ReplyTimeOutTimer), &QTimer::timeout,
                     [control] { control->ReplyTimeOutTimerTimer(); });
    QObject::connect(View.timer(LinkTimer::TimerAck), &QTimer::timeout, [control] { control->TimerAckTimer(); });
}

HeadlessLink::~HeadlessLink()
{
    // The timers go with the view; stop them before the handlers they call.
    for (LinkTimer which : {LinkTimer::AckNTimeOutTimer, LinkTimer::ReplyTimeOutTimer, LinkTimer::TimerAck})
        View.timer(which)->disconnect();
}

void HeadlessLink::setDecoders(LinkDecoders *decoders)
{
    m_dispatch->setDecoders(decoders ? *decoders : m_noDecoders);
}

quintptr HeadlessLink::windowHandle() const
{
    return m_window->windowHandle();
}

bool HeadlessLink::waitFor(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // Wakes the loop at the deadline when the line stays silent.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The posting seam: messages from any thread reach their window on the GUI
// thread, in posting order, with their own copy of the bytes.

#include "Posting.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

using platform::WindowMessage;

namespace {

class RecordingWindow : public platform::MessageWindow
{
public:
    QList<WindowMessage> received;
    QList<QThread *> threads;

protected:
    void windowMessage(const WindowMessage &message) override
    {
        received.append(message);
        threads.append(QThread::currentThread());
    }
};

} // namespace

class TestPosting : public QObject
{
    Q_OBJECT

private slots:
    void orderAndCopiesFromAnotherThread()
    {
        RecordingWindow window;
        const platform::WindowHandle handle = window.windowHandle();
        QVERIFY(handle != 0);
        constexpr int kCount = 500;

        std::unique_ptr<QThread> poster(QThread::create([handle] {
            // One buffer, overwritten after every post, as a receive loop does.
            QByteArray buffer(3, '\0');
            for (int i = 0; i < kCount; ++i) {
                buffer[0] = char(i & 0xFF);
                buffer[1] = char(0x0D);
                buffer[2] = char(i >> 8);
                platform::postMessage(handle, platform::WM_USER + 0x0D, quintptr(i), buffer);
                buffer.fill('\xEE');
            }
            platform::postMessage(handle, platform::WM_USER + 0x04, 4, quintptr(0xABCD));
        }));
        poster->start();
        QVERIFY(poster->wait(10000));
        QTRY_COMPARE_WITH_TIMEOUT(window.received.size(), kCount + 1, 10000);

        for (int i = 0; i < kCount; ++i) {
            const WindowMessage &m = window.received.at(i);
            QCOMPARE(m.message, platform::WM_USER + 0x0D);
            QCOMPARE(m.wParam, quintptr(i));
            QByteArray expected(3, '\0');
            expected[0] = char(i & 0xFF);
            expected[1] = char(0x0D);
            expected[2] = char(i >> 8);
            QCOMPARE(m.bytes, expected);
            QCOMPARE(m.size(), 3);
            QCOMPARE(m.data()[1], quint8(0x0D));
            QCOMPARE(window.threads.at(i), QCoreApplication::instance()->thread());
        }
        const WindowMessage &last = window.received.last();
        QCOMPARE(last.message, platform::WM_USER + 0x04);
        QCOMPARE(last.wParam, quintptr(4));
        QCOMPARE(last.lParam, quintptr(0xABCD));
        QVERIFY(last.bytes.isEmpty());
    }

    void eachWindowGetsItsOwnMessages()
    {
        RecordingWindow a;
        RecordingWindow b;
        QVERIFY(a.windowHandle() != b.windowHandle());
        QVERIFY(platform::postMessage(b.windowHandle(), platform::WM_USER + 1, 2, QByteArray("b")));
        QVERIFY(platform::postMessage(a.windowHandle(), platform::WM_USER + 1, 1, QByteArray("a")));
        QTRY_COMPARE(a.received.size() + b.received.size(), 2);
        QCOMPARE(a.received.first().bytes, QByteArray("a"));
        QCOMPARE(b.received.first().bytes, QByteArray("b"));

        // Sending is synchronous.
        b.sendMessage(WindowMessage{platform::WM_USER + 7, 0, 5, {}});
        QCOMPARE(b.received.size(), 2);
        QCOMPARE(b.received.last().lParam, quintptr(5));
    }

    void messagesToADestroyedWindowAreDropped()
    {
        auto window = std::make_unique<RecordingWindow>();
        const platform::WindowHandle handle = window->windowHandle();
        QVERIFY(platform::postMessage(handle, platform::WM_USER + 1, 0, QByteArray("pending")));
        window.reset(); // the pending message dies with its window
        QVERIFY(!platform::postMessage(handle, platform::WM_USER + 1, 0, QByteArray("late")));
        QVERIFY(!platform::postMessage(0, platform::WM_USER + 1, 0, quintptr(0)));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();

        // A window that dies while another thread keeps posting to it.
        auto target = std::make_unique<RecordingWindow>();
        const platform::WindowHandle h = target->windowHandle();
        std::atomic<bool> stop{false};
        std::atomic<int> refused{0};
        std::unique_ptr<QThread> poster(QThread::create([&] {
            while (!stop.load()) {
                if (!platform::postMessage(h, platform::WM_USER + 2, 0, QByteArray(64, 'x')))
                    ++refused;
            }
        }));
        poster->start();
        QTRY_VERIFY(!target->received.isEmpty());
        target.reset();
        QTRY_VERIFY(refused.load() > 0);
        stop = true;
        QVERIFY(poster->wait(10000));
        QCoreApplication::sendPostedEvents();
    }
};

QTEST_GUILESS_MAIN(TestPosting)
#include "tst_posting.moc"

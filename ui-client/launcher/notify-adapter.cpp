#include "notify-adapter.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimerEvent>

namespace {

// About 60 deliveries a second: the dialog repaints no faster than a screen.
const qint64 kFrameMs = 16;

quint64 Pack(int total, int current)
{
    return (quint64(quint32(total)) << 32) | quint32(current);
}

int TotalOf(quint64 packed) { return int(quint32(packed >> 32)); }

int CurrentOf(quint64 packed) { return int(quint32(packed)); }

}  // namespace

// The relay belongs to the application's thread whichever thread asks for
// it first, so that coalesced counts always have an event loop to reach.
Notify_Adapter::Notify_Adapter()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
}

Notify_Adapter *Notify_Adapter::GetInstance()
{
    // Function-local static: built once, thread-safely, on the first call.
    static Notify_Adapter instance;
    return &instance;
}

// A queued call per entry would cost the GUI thread an event and a wake-up
// each, more than writing a small file. So a reporter on another thread only
// stores the newest count, and posts one delivery when none is pending; the
// delivery reads whatever is newest when it runs. Counts stored while one is
// pending ride on it. The sequentially consistent pair below (store, then
// exchange; clear, then load on the other side) guarantees that the last
// count is either seen by the pending delivery or posts a new one.
void Notify_Adapter::UpdateProgress(int total, int current)
{
    if (QThread::currentThread() == thread()) {
        FlushProgress();
        emit sigUpdateProgress(total, current);
        return;
    }
    newest.store(Pack(total, current));
    if (!pending.exchange(true))
        QMetaObject::invokeMethod(this, &Notify_Adapter::DeliverProgress, Qt::QueuedConnection);
}

void Notify_Adapter::UpdateDialogText(QString text)
{
    emit sigUpdateDialogText(text);
}

void Notify_Adapter::FlushProgress()
{
    if (frameEnd.isActive())
        EmitNewestProgress();
}

// Within a frame of the last delivery, the count waits for the frame's end
// with pending still set, so reporters keep posting nothing meanwhile; the
// one timer this needs runs only while an install reports.
void Notify_Adapter::DeliverProgress()
{
    const qint64 sinceLast = lastEmit.isValid() ? lastEmit.elapsed() : kFrameMs;
    if (sinceLast < kFrameMs)
        frameEnd.start(int(kFrameMs - sinceLast), Qt::PreciseTimer, this);
    else
        EmitNewestProgress();
}

void Notify_Adapter::EmitNewestProgress()
{
    frameEnd.stop();
    pending.store(false);
    const quint64 packed = newest.load();
    lastEmit.start();
    emit sigUpdateProgress(TotalOf(packed), CurrentOf(packed));
}

void Notify_Adapter::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == frameEnd.timerId())
        EmitNewestProgress();
    else
        QObject::timerEvent(event);
}

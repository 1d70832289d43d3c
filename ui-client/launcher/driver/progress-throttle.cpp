#include "driver/progress-throttle.h"

#include <QThread>
#include <QTimerEvent>

namespace {

// About 60 deliveries a second: the dialog repaints no faster than a screen.
const qint64 kFrameMs = 16;

quint64 Pack(int total, int current)
{
    return (quint64(quint32(total)) << 32) | quint32(current);
}

int TotalOf(quint64 packed)
{
    return int(quint32(packed >> 32));
}

int CurrentOf(quint64 packed)
{
    return int(quint32(packed));
}

}  // namespace

// A queued call per entry would cost the receiving thread an event and a
// wake-up each. So a reporter on another thread only stores the newest
// count, and posts one delivery when none is pending; the delivery reads
// whatever is newest when it runs. Counts stored while one is pending ride
// on it. The sequentially consistent pair below (store, then exchange;
// clear, then load on the other side) guarantees that the last count is
// either seen by the pending delivery or posts a new one.
void ProgressThrottle::Report(int total, int current)
{
    if (QThread::currentThread() == thread()) {
        Flush();
        emit sigProgress(total, current);
        return;
    }
    newest.store(Pack(total, current));
    if (!pending.exchange(true))
        QMetaObject::invokeMethod(this, &ProgressThrottle::Deliver, Qt::QueuedConnection);
}

void ProgressThrottle::Flush()
{
    if (frameEnd.isActive())
        EmitNewest();
}

// Within a frame of the last delivery, the count waits for the frame's end
// with pending still set, so reporters keep posting nothing meanwhile; the
// one timer this needs runs only while an install reports.
void ProgressThrottle::Deliver()
{
    const qint64 sinceLast = lastEmit.isValid() ? lastEmit.elapsed() : kFrameMs;
    if (sinceLast < kFrameMs)
        frameEnd.start(int(kFrameMs - sinceLast), Qt::PreciseTimer, this);
    else
        EmitNewest();
}

void ProgressThrottle::EmitNewest()
{
    frameEnd.stop();
    pending.store(false);
    const quint64 packed = newest.load();
    lastEmit.start();
    emit sigProgress(TotalOf(packed), CurrentOf(packed));
}

void ProgressThrottle::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == frameEnd.timerId())
        EmitNewest();
    else
        QObject::timerEvent(event);
}

#ifndef PROGRESS_THROTTLE_H
#define PROGRESS_THROTTLE_H

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

#include <atomic>

// Receives progress counts from any thread and passes the newest on to its
// own thread at most once a frame, and always the last one. The extractor
// reports once per entry; a repaint of the dialog per entry would cost more
// than writing the entry.
class ProgressThrottle : public QObject {
    Q_OBJECT

public:
    ProgressThrottle() = default;

    // Passes on at once a count that waits for the end of its frame, so that
    // it cannot arrive after what the caller is about to show (own thread).
    void Flush();

signals:
    void sigProgress(int total, int current);

public slots:
    // Any thread; meant for a direct connection. On the throttle's own
    // thread the count is passed on at once.
    void Report(int total, int current);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void Deliver();
    void EmitNewest();

    // total in the high half, current in the low half: read as one value.
    std::atomic<quint64> newest{0};
    // Set by the reporter that posts a delivery; cleared by the own thread
    // just before it reads newest. While set, reporters post nothing.
    std::atomic<bool> pending{false};
    QElapsedTimer lastEmit;
    QBasicTimer frameEnd;
};

#endif  // PROGRESS_THROTTLE_H

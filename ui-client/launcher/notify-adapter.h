#ifndef NOTIFY_ADAPTER_H
#define NOTIFY_ADAPTER_H

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <atomic>

// Process-wide relay: code deep in the upgrade service reports progress and
// label texts here without knowing the dialog; the launch driver connects the
// signals to its own slots, which run on the GUI thread.
//
// Progress from another thread is coalesced: the reporter may call once per
// entry, the relay's thread hears the newest count at most once a frame, and
// always hears the last one. Progress reported on the relay's own thread, and
// every text, is passed on at once, unchanged.
class Notify_Adapter : public QObject
{
    Q_OBJECT

public:
    static Notify_Adapter *GetInstance();

    void UpdateProgress(int total, int current);
    void UpdateDialogText(QString text);
    // Passes on at once a count that waits for the end of its frame, so that
    // it cannot arrive after what the caller is about to show (relay's thread).
    void FlushProgress();

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    Notify_Adapter();
    void DeliverProgress();
    void EmitNewestProgress();

    // total in the high half, current in the low half: read as one value.
    std::atomic<quint64> newest{0};
    // Set by the reporter that posts a delivery; cleared by the relay's thread
    // just before it reads newest. While set, reporters post nothing.
    std::atomic<bool> pending{false};
    QElapsedTimer lastEmit;
    QBasicTimer frameEnd;
};

#endif // NOTIFY_ADAPTER_H

#include "notify-adapter.h"

#include <QElapsedTimer>
#include <QSet>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <chrono>
#include <thread>
#include <vector>

namespace {

// Records what the relay delivers and the thread that ran each slot.
class Receiver : public QObject
{
    Q_OBJECT

public:
    QThread *progressThread = nullptr;
    QThread *textThread = nullptr;

public slots:
    void onProgress(int total, int current)
    {
        progressThread = QThread::currentThread();
        emit progressSeen(total, current);
    }

    void onText(QString text)
    {
        textThread = QThread::currentThread();
        emit textSeen(text);
    }

signals:
    void progressSeen(int total, int current);
    void textSeen(QString text);
};

void connectRelay(Receiver *receiver)
{
    Notify_Adapter *relay = Notify_Adapter::GetInstance();
    QObject::connect(relay, &Notify_Adapter::sigUpdateProgress, receiver, &Receiver::onProgress);
    QObject::connect(relay, &Notify_Adapter::sigUpdateDialogText, receiver, &Receiver::onText);
}

} // namespace

class NotifyAdapterTest : public QObject
{
    Q_OBJECT

private slots:
    void sameInstanceFromEveryThread();
    void signalsCarryArgumentsUnchanged();
    void workerReportsArriveQueuedAndCoalescedOnGuiThread();
    void workerReportsArriveOncePerFrameAndEndWithTheLast();
    void signalsArriveOnReceiverThread();
};

void NotifyAdapterTest::sameInstanceFromEveryThread()
{
    const int threadCount = 8;
    std::vector<Notify_Adapter *> seen(threadCount, nullptr);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i)
        threads.emplace_back([&seen, i] { seen[i] = Notify_Adapter::GetInstance(); });
    for (std::thread &thread : threads)
        thread.join();

    Notify_Adapter *mine = Notify_Adapter::GetInstance();
    QVERIFY(mine != nullptr);
    QCOMPARE(Notify_Adapter::GetInstance(), mine);
    for (Notify_Adapter *other : seen)
        QCOMPARE(other, mine);
}

void NotifyAdapterTest::signalsCarryArgumentsUnchanged()
{
    Notify_Adapter *relay = Notify_Adapter::GetInstance();
    QSignalSpy progress(relay, &Notify_Adapter::sigUpdateProgress);
    QSignalSpy text(relay, &Notify_Adapter::sigUpdateDialogText);

    relay->UpdateProgress(7, 3);
    relay->UpdateProgress(-1, 0);
    relay->UpdateDialogText(QString::fromUtf8("Velmora Drive \u5ba2\u6237\u7aef\n%1"));
    relay->UpdateDialogText(QString());

    QCOMPARE(progress.count(), 2);
    QCOMPARE(progress.at(0), QVariantList({7, 3}));
    QCOMPARE(progress.at(1), QVariantList({-1, 0}));
    QCOMPARE(text.count(), 2);
    QCOMPARE(text.at(0).at(0).toString(), QString::fromUtf8("Velmora Drive \u5ba2\u6237\u7aef\n%1"));
    QVERIFY(text.at(1).at(0).toString().isEmpty());
}

// The extractor reports every entry from the worker thread; the driver's
// slots must run on the GUI thread, after the emit, and hear only the newest
// count of what was reported while they could not run. (The relay was first
// asked for from another thread above; it still delivers here.)
void NotifyAdapterTest::workerReportsArriveQueuedAndCoalescedOnGuiThread()
{
    const int entries = 100000;
    Receiver receiver;
    connectRelay(&receiver);
    QSignalSpy progress(&receiver, &Receiver::progressSeen);
    QSignalSpy text(&receiver, &Receiver::textSeen);

    std::thread worker([] {
        Notify_Adapter *relay = Notify_Adapter::GetInstance();
        relay->UpdateDialogText("starting");
        for (int current = 1; current <= entries; ++current)
            relay->UpdateProgress(entries, current);
    });
    worker.join();
    // Nothing ran on the worker thread: every call is still queued.
    QCOMPARE(progress.count(), 0);
    QCOMPARE(text.count(), 0);

    QTRY_COMPARE(progress.count(), 1);
    QTest::qWait(100);  // several frames: nothing else may follow
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0), QVariantList({entries, entries}));
    QCOMPARE(text.count(), 1);
    QCOMPARE(text.at(0).at(0).toString(), QString("starting"));
    QCOMPARE(receiver.progressThread, QThread::currentThread());
    QCOMPARE(receiver.textThread, QThread::currentThread());
}

// With the GUI thread free to run while the worker reports, it still hears
// at most one count per frame of 16 ms, in rising order, and always the last
// one, even when that is not the total (an install that fails part-way).
void NotifyAdapterTest::workerReportsArriveOncePerFrameAndEndWithTheLast()
{
    const int reports = 2000;
    Receiver receiver;
    connectRelay(&receiver);
    QSignalSpy progress(&receiver, &Receiver::progressSeen);
    QElapsedTimer clock;
    clock.start();

    std::thread worker([] {
        for (int current = 1; current <= reports; ++current) {
            Notify_Adapter::GetInstance()->UpdateProgress(reports + 1, current);
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(1).toInt() == reports, 60000);
    const qint64 elapsedMs = clock.elapsed();
    worker.join();

    QVERIFY2(progress.count() <= 1 + elapsedMs / 15,
             qPrintable(QString("%1 deliveries in %2 ms").arg(progress.count()).arg(elapsedMs)));
    for (int i = 0; i < progress.count(); ++i) {
        QCOMPARE(progress.at(i).at(0).toInt(), reports + 1);
        if (i > 0)
            QVERIFY(progress.at(i).at(1).toInt() > progress.at(i - 1).at(1).toInt());
    }
}

void NotifyAdapterTest::signalsArriveOnReceiverThread()
{
    QThread thread;
    Receiver *receiver = new Receiver;
    receiver->moveToThread(&thread);
    connect(&thread, &QThread::finished, receiver, &QObject::deleteLater);
    connectRelay(receiver);
    // The far receiver echoes to one living here, so the spies record on this thread.
    Receiver echo;
    connect(receiver, &Receiver::progressSeen, &echo, &Receiver::onProgress);
    connect(receiver, &Receiver::textSeen, &echo, &Receiver::onText);
    QSignalSpy progress(&echo, &Receiver::progressSeen);
    QSignalSpy text(&echo, &Receiver::textSeen);
    thread.start();

    Notify_Adapter::GetInstance()->UpdateProgress(100, 100);
    Notify_Adapter::GetInstance()->UpdateDialogText("done");

    QTRY_COMPARE(text.count(), 1);
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0), QVariantList({100, 100}));
    QCOMPARE(text.at(0).at(0).toString(), QString("done"));
    QCOMPARE(receiver->progressThread, &thread);
    QCOMPARE(receiver->textThread, &thread);

    thread.quit();
    thread.wait();
}

QTEST_GUILESS_MAIN(NotifyAdapterTest)
#include "notify_adapter_test.moc"

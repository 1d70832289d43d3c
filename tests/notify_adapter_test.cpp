#include "texts/notify-adapter.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <thread>
#include <vector>

namespace {

// Records what the relay delivers and the thread that ran each slot.
class Receiver : public QObject {
    Q_OBJECT

public:
    QThread* progressThread = nullptr;
    QThread* textThread = nullptr;

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

void connectRelay(Receiver* receiver)
{
    Notify_Adapter* relay = Notify_Adapter::GetInstance();
    QObject::connect(relay, &Notify_Adapter::sigUpdateProgress, receiver, &Receiver::onProgress);
    QObject::connect(relay, &Notify_Adapter::sigUpdateDialogText, receiver, &Receiver::onText);
}

}  // namespace

class NotifyAdapterTest : public QObject {
    Q_OBJECT

private slots:
    void signalsCarryArgumentsUnchanged();
    void everyReportFromAWorkerThreadIsPassedOn();
    void signalsArriveOnReceiverThread();
};

void NotifyAdapterTest::signalsCarryArgumentsUnchanged()
{
    Notify_Adapter* relay = Notify_Adapter::GetInstance();
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

// The extractor reports every entry from the worker thread; each report is
// passed on there, at once and unchanged, whatever the receiver does with it.
void NotifyAdapterTest::everyReportFromAWorkerThreadIsPassedOn()
{
    const int entries = 100000;
    Notify_Adapter* relay = Notify_Adapter::GetInstance();
    QSignalSpy progress(relay, &Notify_Adapter::sigUpdateProgress);
    QSignalSpy text(relay, &Notify_Adapter::sigUpdateDialogText);
    std::thread worker([] {
        Notify_Adapter* relay = Notify_Adapter::GetInstance();
        relay->UpdateDialogText("starting");
        for (int current = 1; current <= entries; ++current)
            relay->UpdateProgress(entries, current);
    });
    worker.join();

    QCOMPARE(progress.count(), entries);
    for (int i = 0; i < entries; ++i) {
        if (progress.at(i) != QVariantList({entries, i + 1}))
            QFAIL(qPrintable(QString("report %1 arrived as %2/%3")
                                 .arg(i + 1)
                                 .arg(progress.at(i).at(1).toInt())
                                 .arg(progress.at(i).at(0).toInt())));
    }
    QCOMPARE(text.count(), 1);
    QCOMPARE(text.at(0).at(0).toString(), QString("starting"));
}

void NotifyAdapterTest::signalsArriveOnReceiverThread()
{
    QThread thread;
    Receiver* receiver = new Receiver;
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

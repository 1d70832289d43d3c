// The launch driver against a scripted service: what the dialog shows, what
// the service is asked, and what the log says, for the three ways a run goes.
#include "driver/launcher.h"
#include "driver/progress-dialog.h"
#include "driver/progress-throttle.h"
#include "driver_run.h"
#include "log.h"
#include "service/cloud-service.h"
#include "texts/notify-adapter.h"
#include "texts/strtable.h"
#include "uipathmanager.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QProgressBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

using driver_run::FindDialog;
using driver_run::RisesTo;

// Calls are recorded from the worker thread and read after it was joined.
struct Script {
    bool needUpgrade = false;
    int upgradeResult = 0;
    bool upgradeThrows = false;
    int postUpgradeMs = 0;
    bool reportsBeforeDecision = false;
    bool upgradeReports = true;
    int entries = 3;  // the upgrade reports entries 1 to entries - 1 of them
    QStringList calls;
    // When set, the upgrade waits for the test between two reports.
    QSemaphore* reported = nullptr;
    QSemaphore* resume = nullptr;
};

class ScriptedService : public Service {
public:
    explicit ScriptedService(Script* script) : script(script) {}

    void StopService() override { script->calls << "stop"; }
    void PreUpgrade() override
    {
        script->calls << "pre";
        if (script->reportsBeforeDecision) {
            Notify_Adapter::GetInstance()->UpdateDialogText("checking");
            Notify_Adapter::GetInstance()->UpdateProgress(4, 1);
        }
    }
    bool IsNeedUpgrade() override
    {
        script->calls << "decide";
        return script->needUpgrade;
    }
    // Reports like the extractor does, then succeeds or fails as scripted.
    int HandlePackageUpgrade() override
    {
        script->calls << "upgrade";
        if (!script->upgradeReports)
            return script->upgradeResult;
        Notify_Adapter* relay = Notify_Adapter::GetInstance();
        relay->UpdateDialogText("unpacking 3 entries");
        relay->UpdateProgress(script->entries, 1);
        if (script->reported != nullptr) {
            script->reported->release();
            script->resume->acquire();
        }
        for (int entry = 2; entry < script->entries; ++entry)
            relay->UpdateProgress(script->entries, entry);
        if (script->upgradeThrows)
            throw std::runtime_error("no space for the bundle");
        return script->upgradeResult;
    }
    void PostUpgrade() override
    {
        script->calls << "post";
        std::this_thread::sleep_for(std::chrono::milliseconds(script->postUpgradeMs));
    }

private:
    Script* script;
};

}  // namespace

class LauncherDriverTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void slowNoUpgradeRunNeverShowsTheDialog();
    void reportsBeforeTheDialogExistsAreKept_data();
    void reportsBeforeTheDialogExistsAreKept();
    void dialogShowsTheLastCountThenHundred_data();
    void dialogShowsTheLastCountThenHundred();
    void throttlePassesTheNewestCountOnceToItsThread();
    void throttlePassesAtMostOneCountPerFrameAndTheLast();
    void progressIsStepsTimesHundredOverTotal_data();
    void progressIsStepsTimesHundredOverTotal();
    void closingTheDialogDoesNotEndTheApplication();
    void throwingUpgradeCountsAsFailedAndStillLaunches();
    void deletingTheDriverMidInstallWaitsForTheWorker();

private:
    struct Outcome : driver_run::Outcome {
        Outcome(const driver_run::Outcome& run) : driver_run::Outcome(run) {}
        QStringList calls;
    };
    Outcome RunDriver(Script& script);
    Outcome RunDriver(bool needUpgrade, int upgradeResult, bool upgradeThrows = false, int postUpgradeMs = 0);
    QString LogText() const;

    QTemporaryDir home;
};

void LauncherDriverTest::initTestCase()
{
    QVERIFY(home.isValid());
    const QString resources = home.path() + "/bundle/Contents/Resources";
    QVERIFY(QDir().mkpath(resources + "/log"));
    QFile level(resources + "/log/launcher.debug");
    QVERIFY(level.open(QIODevice::WriteOnly));
    level.write("launcher_debug=7\n");
    level.close();
    UIPathManager* registry = UIPathManager::getInstance();
    registry->setPath("root_resource_path", resources);
    registry->setPath("user_velmora_drive_path", home.path() + "/.VelmoraDrive");
    registry->setPath("user_larkspan_path", home.path() + "/.Larkspan");
    QCOMPARE(Logger::Initialize(Logger::TYPE_FILE, (home.path() + "/launcher.log").toStdString(),
                                (resources + "/log/launcher.debug").toStdString(), 50, Logger::SCOPE_LOCK),
             0);
    StrTable::InitStrTable();
}

// Every run starts with an aged folder of the older product and an empty log.
void LauncherDriverTest::init()
{
    QVERIFY(QDir().mkpath(home.path() + "/.Larkspan/app/Contents"));
    QFile log(home.path() + "/launcher.log");
    QVERIFY(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
}

LauncherDriverTest::Outcome LauncherDriverTest::RunDriver(Script& script)
{
    Outcome outcome = driver_run::Run(new ScriptedService(&script));
    if (outcome.finished)
        outcome.calls = script.calls;
    return outcome;
}

LauncherDriverTest::Outcome LauncherDriverTest::RunDriver(bool needUpgrade, int upgradeResult, bool upgradeThrows,
                                                          int postUpgradeMs)
{
    Script script;
    script.postUpgradeMs = postUpgradeMs;
    script.needUpgrade = needUpgrade;
    script.upgradeResult = upgradeResult;
    script.upgradeThrows = upgradeThrows;
    return RunDriver(script);
}

QString LauncherDriverTest::LogText() const
{
    QFile log(home.path() + "/launcher.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// The toolkit shows a progress dialog on its own once a few seconds have
// passed; a run that needs no upgrade but starts the client slowly must
// still never show it.
void LauncherDriverTest::slowNoUpgradeRunNeverShowsTheDialog()
{
    const Outcome outcome = RunDriver(false, 0, false, 4500);
    QCOMPARE(outcome.calls, QStringList({"pre", "decide", "post"}));
    QCOMPARE(outcome.shown, 0);
}

void LauncherDriverTest::reportsBeforeTheDialogExistsAreKept_data()
{
    QTest::addColumn<bool>("needUpgrade");
    QTest::addColumn<int>("shown");
    QTest::newRow("then shown") << true << 1;
    QTest::newRow("never shown") << false << 0;
}

// A label or a count that arrives before the dialog exists builds it with
// them; a run that then ends closes it like any other.
void LauncherDriverTest::reportsBeforeTheDialogExistsAreKept()
{
    QFETCH(bool, needUpgrade);
    QFETCH(int, shown);
    Script script;
    script.reportsBeforeDecision = true;
    script.needUpgrade = needUpgrade;
    script.upgradeResult = -1;
    script.upgradeReports = false;
    const Outcome outcome = RunDriver(script);
    QVERIFY(outcome.built);
    QCOMPARE(outcome.shown, shown);
    if (shown > 0) {
        QCOMPARE(outcome.labelAtShow, QString("checking"));
        QCOMPARE(outcome.valueAtShow, 25);
    }
    QCOMPARE(outcome.finalLabel, QString("checking"));
    QCOMPARE(outcome.finalValue, 100);
    QVERIFY(!outcome.visibleAtEnd);
}

void LauncherDriverTest::dialogShowsTheLastCountThenHundred_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("upgradeResult");
    QTest::addColumn<int>("lastCount");
    // The relay may pass 33 on or let 66 replace it; 66 always shows.
    QTest::newRow("succeeding upgrade of 3 entries") << 3 << 0 << 66;
    QTest::newRow("failing upgrade of 100000 entries") << 100000 << -1 << 99;
}

// The extractor reports once per entry from the worker thread; the dialog
// is changed on the GUI thread only, and shows the last count before the
// run closes it with 100, whether the upgrade succeeds or fails.
void LauncherDriverTest::dialogShowsTheLastCountThenHundred()
{
    QFETCH(int, entries);
    QFETCH(int, upgradeResult);
    QFETCH(int, lastCount);
    Script script;
    script.needUpgrade = true;
    script.upgradeResult = upgradeResult;
    script.entries = entries;
    const Outcome outcome = RunDriver(script);
    QCOMPARE(outcome.shown, 1);
    QVERIFY2(RisesTo(outcome.values, {lastCount, 100}), qPrintable(QTest::toString(outcome.values)));
    QVERIFY(!outcome.offGuiThread);
}

// The relay's counts reach the dialog through a throttle: whatever a busy
// GUI thread missed arrives as one delivery of the newest count, on the
// throttle's thread.
void LauncherDriverTest::throttlePassesTheNewestCountOnceToItsThread()
{
    const int entries = 100000;
    ProgressThrottle throttle;
    QSignalSpy progress(&throttle, &ProgressThrottle::sigProgress);
    QThread* receiver = nullptr;
    connect(&throttle, &ProgressThrottle::sigProgress, [&receiver] { receiver = QThread::currentThread(); });
    std::thread worker([&throttle] {
        for (int current = 1; current <= entries; ++current)
            throttle.Report(entries, current);
    });
    worker.join();
    QCOMPARE(progress.count(), 0);

    QTRY_COMPARE(progress.count(), 1);
    QTest::qWait(100);  // several frames: nothing else may follow
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0), QVariantList({entries, entries}));
    QCOMPARE(receiver, QThread::currentThread());
}

// With its thread free while the worker reports, the throttle still passes
// on at most one count per frame of 16 ms, in rising order, and always the
// last one, even when that is not the total (an install that fails
// part-way).
void LauncherDriverTest::throttlePassesAtMostOneCountPerFrameAndTheLast()
{
    const int reports = 2000;
    ProgressThrottle throttle;
    QSignalSpy progress(&throttle, &ProgressThrottle::sigProgress);
    QElapsedTimer clock;
    clock.start();
    std::thread worker([&throttle] {
        for (int current = 1; current <= reports; ++current) {
            throttle.Report(reports + 1, current);
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

void LauncherDriverTest::progressIsStepsTimesHundredOverTotal_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("value");
    QTest::newRow("one of many") << 3000 << 1 << 0;
    QTest::newRow("single entry") << 1 << 1 << 100;
    QTest::newRow("no overflow") << 30000000 << 29999999 << 99;
    QTest::newRow("zero total ignored") << 0 << 5 << 0;
}

// The relay's reports reach the dialog through the driver's slot.
void LauncherDriverTest::progressIsStepsTimesHundredOverTotal()
{
    QFETCH(int, total);
    QFETCH(int, steps);
    QFETCH(int, value);
    Script script;
    Launcher launcher(new ScriptedService(&script));
    Notify_Adapter::GetInstance()->UpdateProgress(total, steps);
    ProcessingProgressDialog* dialog = FindDialog();
    QCOMPARE(dialog == nullptr ? 0 : dialog->value(), value);
}

// Closing the last window would quit the event loop and delete the driver
// under a running worker thread, in the middle of the installation. Only a
// running QApplication::exec() reacts to it, so this case runs one.
void LauncherDriverTest::closingTheDialogDoesNotEndTheApplication()
{
    QSemaphore reported, resume;
    Script script;
    script.needUpgrade = true;
    script.reported = &reported;
    script.resume = &resume;
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    auto* launcher = new Launcher(new ScriptedService(&script));
    int signalsAtClose = -1;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        ProcessingProgressDialog* dialog = FindDialog();
        if (signalsAtClose >= 0 || reported.available() != 1 || dialog == nullptr || !dialog->isVisible())
            return;
        dialog->close();
        signalsAtClose = lastWindowClosed.count();
        resume.release();
    });
    poll.start(1);
    launcher->Run();
    launcher->Start();
    QApplication::exec();  // ends with the driver's quit, or early on a fault
    poll.stop();
    QCOMPARE(signalsAtClose, 0);
    QCOMPARE(script.calls, QStringList({"pre", "decide", "upgrade", "post"}));
    QVERIFY(FindDialog() != nullptr);
    QCOMPARE(FindDialog()->value(), 100);
    delete launcher;
}

// An exception must not end the worker thread, and with it the process,
// before the clean-up and the client start.
void LauncherDriverTest::throwingUpgradeCountsAsFailedAndStillLaunches()
{
    const Outcome outcome = RunDriver(true, 0, true);
    QCOMPARE(outcome.calls, QStringList({"pre", "decide", "upgrade", "post"}));
    QCOMPARE(outcome.finalLabel, QString("unpacking 3 entries"));
    QVERIFY(!outcome.visibleAtEnd);
    QVERIFY(!QDir(home.path() + "/.Larkspan/app").exists());
    const QString log = LogText();
    QVERIFY2(log.contains("HandlePackageUpgrade threw: no space for the bundle\n"), qPrintable(log));
    QVERIFY2(log.contains("[ERROR] launcher(101): Failed to upgrade package\n"), qPrintable(log));
    QVERIFY2(log.contains("[DEBUG] launcher(117): done\n"), qPrintable(log));
}

// If the event loop ends before the run does (a quit from the system menu),
// deleting the driver must let the installation finish, not destroy its
// running thread (which aborts the process half-way through the bundle).
void LauncherDriverTest::deletingTheDriverMidInstallWaitsForTheWorker()
{
    QSemaphore reported, resume;
    Script script;
    script.needUpgrade = true;
    script.reported = &reported;
    script.resume = &resume;
    auto* launcher = new Launcher(new ScriptedService(&script));
    launcher->Run();
    launcher->Start();
    reported.acquire();
    // The pause only makes the delete come first; the outcome does not hang on it.
    std::thread release([&resume] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        resume.release();
    });
    delete launcher;
    release.join();
    QCOMPARE(script.calls, QStringList({"pre", "decide", "upgrade", "post"}));
}

QTEST_MAIN(LauncherDriverTest)
#include "launcher_driver_test.moc"

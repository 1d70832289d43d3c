// The launch driver against a scripted service: what the dialog shows, what
// the service is asked, and what the log says, for the three ways a run goes.
#include "cloud-service.h"
#include "launcher.h"
#include "log.h"
#include "notify-adapter.h"
#include "progress-dialog.h"
#include "strtable.h"
#include "uipathmanager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProgressBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

// Calls are recorded from the worker thread and read after it was joined.
struct Script {
    bool needUpgrade = false;
    int upgradeResult = 0;
    bool upgradeThrows = false;
    int postUpgradeMs = 0;
    QStringList calls;
    // When set, the upgrade waits for the test between two reports.
    QSemaphore *reported = nullptr;
    QSemaphore *resume = nullptr;
};

class ScriptedService : public Service
{
public:
    explicit ScriptedService(Script *script) : script(script) {}

    void StopService() override { script->calls << "stop"; }
    void PreUpgrade() override { script->calls << "pre"; }
    bool IsNeedUpgrade() override
    {
        script->calls << "decide";
        return script->needUpgrade;
    }
    // Reports like the extractor does, then succeeds or fails as scripted.
    int HandlePackageUpgrade() override
    {
        script->calls << "upgrade";
        Notify_Adapter *relay = Notify_Adapter::GetInstance();
        relay->UpdateDialogText("unpacking 3 entries");
        relay->UpdateProgress(3, 1);
        if (script->reported != nullptr) {
            script->reported->release();
            script->resume->acquire();
        }
        relay->UpdateProgress(3, 2);
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
    Script *script;
};

// What the dialog went through, seen from outside.
class DialogWatch : public QObject
{
public:
    explicit DialogWatch(ProcessingProgressDialog *dialog) : dialog(dialog)
    {
        dialog->installEventFilter(this);
        QObject::connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged,
                         [this](int value) { values << value; });
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shown;
        return false;
    }

    ProcessingProgressDialog *dialog;
    int shown = 0;
    QList<int> values;
};

ProcessingProgressDialog *FindDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<ProcessingProgressDialog *>(widget))
            return dialog;
    }
    return nullptr;
}

}  // namespace

class LauncherDriverTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void noUpgradeNeverShowsTheDialog();
    void slowNoUpgradeRunNeverShowsTheDialog();
    void successfulUpgradeEndsAtHundredAndReady();
    void failedUpgradeKeepsTheLastReportAndStillLaunches();
    void progressIsStepsTimesHundredOverTotal_data();
    void progressIsStepsTimesHundredOverTotal();
    void closingTheDialogDoesNotEndTheApplication();
    void throwingUpgradeCountsAsFailedAndStillLaunches();
    void deletingTheDriverMidInstallWaitsForTheWorker();

private:
    struct Outcome {
        QStringList calls;
        int shown = 0;
        QList<int> values;
        QString finalLabel;
        bool visibleAtEnd = true;
    };
    Outcome RunDriver(bool needUpgrade, int upgradeResult, bool upgradeThrows = false,
                      int postUpgradeMs = 0);
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
    UIPathManager *registry = UIPathManager::getInstance();
    registry->setPath("root_resource_path", resources);
    registry->setPath("user_velmora_drive_path", home.path() + "/.VelmoraDrive");
    registry->setPath("user_larkspan_path", home.path() + "/.Larkspan");
    QCOMPARE(Logger::Initialize(Logger::TYPE_FILE, (home.path() + "/launcher.log").toStdString(),
                                (resources + "/log/launcher.debug").toStdString(), 50,
                                Logger::SCOPE_LOCK),
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

LauncherDriverTest::Outcome LauncherDriverTest::RunDriver(bool needUpgrade, int upgradeResult,
                                                          bool upgradeThrows, int postUpgradeMs)
{
    Script script;
    script.postUpgradeMs = postUpgradeMs;
    script.needUpgrade = needUpgrade;
    script.upgradeResult = upgradeResult;
    script.upgradeThrows = upgradeThrows;
    Outcome outcome;
    auto *launcher = new Launcher(new ScriptedService(&script));
    ProcessingProgressDialog *dialog = FindDialog();
    if (dialog == nullptr) {
        delete launcher;
        return outcome;
    }
    DialogWatch watch(dialog);
    launcher->Run();
    launcher->Start();
    // The driver ends every run with the value 100 on a hidden dialog; the
    // generous limit only keeps a broken driver from hanging the suite.
    const bool done = QTest::qWaitFor([dialog] { return dialog->value() == 100 && !dialog->isVisible(); }, 60000);
    if (done) {
        outcome.calls = script.calls;
        outcome.shown = watch.shown;
        outcome.values = watch.values;
        outcome.finalLabel = dialog->labelText();
        outcome.visibleAtEnd = dialog->isVisible();
    }
    delete launcher;
    return outcome;
}

QString LauncherDriverTest::LogText() const
{
    QFile log(home.path() + "/launcher.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void LauncherDriverTest::noUpgradeNeverShowsTheDialog()
{
    const Outcome outcome = RunDriver(false, 0);
    QCOMPARE(outcome.calls, QStringList({"pre", "decide", "post"}));
    QCOMPARE(outcome.shown, 0);
    QCOMPARE(outcome.values, QList<int>({100}));  // only the driver's own final value
    QCOMPARE(outcome.finalLabel, QString("Velmora Drive Client is initializing..."));
    QVERIFY(!QDir(home.path() + "/.Larkspan/app").exists());
    const QString log = LogText();
    QVERIFY2(log.contains("[DEBUG] launcher(89): running\n"), qPrintable(log));
    QVERIFY2(log.contains("[DEBUG] launcher(94): no need to upgrade\n"), qPrintable(log));
    QVERIFY2(log.contains("[DEBUG] launcher(117): done\n"), qPrintable(log));
    QVERIFY(!log.contains("Failed to upgrade"));
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

void LauncherDriverTest::successfulUpgradeEndsAtHundredAndReady()
{
    const Outcome outcome = RunDriver(true, 0);
    QCOMPARE(outcome.calls, QStringList({"pre", "decide", "upgrade", "post"}));
    QCOMPARE(outcome.shown, 1);
    QCOMPARE(outcome.values, QList<int>({33, 66, 100}));
    QCOMPARE(outcome.finalLabel, QString("Velmora Drive Client is ready."));
    QVERIFY(!outcome.visibleAtEnd);
    QVERIFY(!QDir(home.path() + "/.Larkspan/app").exists());
    QVERIFY(!LogText().contains("no need to upgrade"));
}

void LauncherDriverTest::failedUpgradeKeepsTheLastReportAndStillLaunches()
{
    const Outcome outcome = RunDriver(true, -1);
    QCOMPARE(outcome.calls, QStringList({"pre", "decide", "upgrade", "post"}));
    QCOMPARE(outcome.shown, 1);
    // 33 and 66 from the relay; the last 100 is the driver closing the run.
    QCOMPARE(outcome.values, QList<int>({33, 66, 100}));
    QCOMPARE(outcome.finalLabel, QString("unpacking 3 entries"));
    QVERIFY(!QDir(home.path() + "/.Larkspan/app").exists());
    const QString log = LogText();
    QVERIFY2(log.contains("[ERROR] launcher(101): Failed to upgrade package\n"), qPrintable(log));
    QVERIFY(log.indexOf("Failed to upgrade") < log.indexOf("launcher(117): done"));
}

void LauncherDriverTest::progressIsStepsTimesHundredOverTotal_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("value");
    QTest::newRow("truncates") << 7 << 3 << 42;
    QTest::newRow("complete") << 100 << 100 << 100;
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
    ProcessingProgressDialog *dialog = FindDialog();
    QVERIFY(dialog != nullptr);
    Notify_Adapter::GetInstance()->UpdateProgress(total, steps);
    QCOMPARE(dialog->value(), value);
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
    auto *launcher = new Launcher(new ScriptedService(&script));
    ProcessingProgressDialog *dialog = FindDialog();
    QVERIFY(dialog != nullptr);
    int signalsAtClose = -1;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (signalsAtClose >= 0 || reported.available() != 1 || !dialog->isVisible())
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
    QCOMPARE(dialog->value(), 100);
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
    auto *launcher = new Launcher(new ScriptedService(&script));
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

#ifndef WORKER_H
#define WORKER_H

#include <QObject>
#include <QString>
#include <QThread>

#include "ustring.h"

class InstallLock;
struct InstallLayout;
class Service;

// The thread the upgrade service runs on: it only runs its event loop, so
// that queued calls to the worker execute there.
class HandlerThread : public QThread {
    Q_OBJECT

protected:
    void run() override;
};

// Runs the upgrade service sequence once, on its own thread, and reports to
// the launch driver by signals only.
class Worker : public QObject {
    Q_OBJECT

public:
    // Builds the platform's service and the install lock of the per-user
    // folder; the path registry must be filled.
    Worker();
    // Takes ownership of both (tests use fakes); without a lock the run is
    // not guarded against another launcher of the same home. The run's
    // record goes to lastRunPath (last-run.h); empty: none is written.
    explicit Worker(Service* service, InstallLock* installLock = nullptr, const ustring& lastRunPath = ustring());
    ~Worker() override;

    void StartThread();
    void QuitThread();
    void JoinThread();
    // The one way the thread ends, for the driver's end and the destructor
    // alike: its event loop is asked to quit, then the thread is joined.
    void FinishThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(const QString& text);

private slots:
    void HandleServicce();

private:
    // The service, the lock and the record of one installation.
    explicit Worker(const InstallLayout& layout);
    bool TakeInstallLock();
    void ReportNoLock();
    bool UpgradeIfNeeded();
    void ReportFailedUpgrade();

    HandlerThread* thread;
    Service* service;
    InstallLock* installLock;
    ustring lastRunPath;
};

#endif  // WORKER_H

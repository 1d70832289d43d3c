#include "driver/worker.h"

#include "install/install-layout.h"
#include "install/install-lock.h"
#include "install/last-run.h"
#include "log.h"
#include "service/cloud-service.h"
#include "service/mac/client-process.h"
#include "service/mac/mac-service.h"
#include "service/service-registry.h"
#include "texts/strtable.h"

#include <cstdio>
#include <exception>
#include <string>

#define LOG_TAG "launcher"
#define LOG_COMPONENT "launcher_debug"

namespace {

// Runs one service step. An exception must not leave the worker thread: Qt
// would end the process there, before the clean-up and the client start. It
// is logged, and the caller's default result stands.
template <typename Step>
void Guarded(const char* name, Step step)
{
    try {
        step();
    } catch (const std::exception& error) {
        VLOG_ERROR(__LINE__, "%s threw: %s\n", name, error.what());
    } catch (...) {
        VLOG_ERROR(__LINE__, "%s threw\n", name);
    }
}

}  // namespace

void HandlerThread::run()
{
    exec();
}

Worker::Worker() : Worker(InstallLayoutFromRegistry()) {}

Worker::Worker(const InstallLayout& layout)
    : Worker(new MacService(ClientProcess::System(), layout), new InstallLock(layout.drive), layout.LastRun())
{
}

Worker::Worker(Service* service, InstallLock* installLock, const ustring& lastRunPath)
    : QObject(nullptr), thread(nullptr), service(service), installLock(installLock), lastRunPath(lastRunPath)
{
    thread = new HandlerThread();
    moveToThread(thread);
}

// Normally LaunchDone has joined the thread already. If the event loop ended
// first (a quit from the system menu), the run is let finish: destroying a
// running thread aborts the process in the middle of the installation.
Worker::~Worker()
{
    FinishThread();
    delete thread;
    delete service;
    delete installLock;
}

void Worker::StartThread()
{
    thread->start(QThread::InheritPriority);
}

void Worker::QuitThread()
{
    thread->quit();
}

void Worker::JoinThread()
{
    thread->wait();
}

void Worker::FinishThread()
{
    QuitThread();
    JoinThread();
}

// No early exit: a failed upgrade still cleans up and starts the client, and
// the driver always hears that the run is over.
//
// The install lock is held from the decision to the client's start: a
// launcher that waited for it decides afresh from what the other one left,
// and no launcher replaces the bundle while another starts the client from
// it.
void Worker::HandleServicce()
{
    VLOG_DEBUG(89, "running\n");
    bool upgradeFailed = false;
    if (TakeInstallLock()) {
        upgradeFailed = !UpgradeIfNeeded();
    }
    Guarded("RemoveAgedFolders", [this] { service->RemoveAgedFolders(); });
    Guarded("PostUpgrade", [this] { service->PostUpgrade(); });
    Guarded("RecordRun", [this] { WriteLastRun(lastRunPath, service->Record()); });
    if (upgradeFailed) {
        ReportFailedUpgrade();
    }
    if (installLock != nullptr) {
        installLock->Release();
    }
    VLOG_DEBUG(117, "done\n");
    emit sigServiceDone();
}

// False when another launcher kept the lock past the bound, or when no lock
// can be had at all (the per-user folder cannot be made, neither flock nor
// the owner record works). Installing then could mix two builds in one
// bundle, so this run installs nothing and only starts the client, if there
// is a complete one.
bool Worker::TakeInstallLock()
{
    if (installLock == nullptr) {
        return true;
    }
    switch (installLock->Acquire()) {
        case InstallLock::kHeld:
            return true;
        case InstallLock::kUnusable:
            ReportNoLock();
            service->RecordNothingInstalled("no install lock can be had (" + installLock->Problem() +
                                            "); nothing was installed");
            return false;
        case InstallLock::kTimedOut:
            break;
    }
    VLOG_ERROR(__LINE__,
               "another launcher still holds the install lock, not installing; "
               "starting the client\n");
    service->RecordNothingInstalled("another launcher still held the install lock; nothing was installed");
    return false;
}

// Without a client to start the user sees nothing happen: a first
// installation also says why on standard error.
void Worker::ReportNoLock()
{
    const std::string& problem = installLock->Problem();
    VLOG_ERROR(__LINE__,
               "no install lock can be had (%s), not installing; starting the "
               "client\n",
               problem.c_str());
    if (!InstallLayoutFromRegistry().HoldsClient()) {
        fprintf(stderr, "velmora-launcher: nothing installed: no install lock can be had (%s)\n", problem.c_str());
    }
}

// False when an upgrade was needed and did not succeed. The service records
// what was decided and done.
bool Worker::UpgradeIfNeeded()
{
    Guarded("PreUpgrade", [this] { service->PreUpgrade(); });
    bool needUpgrade = false;
    Guarded("IsNeedUpgrade", [this, &needUpgrade] { needUpgrade = service->IsNeedUpgrade(); });
    if (!needUpgrade) {
        VLOG_DEBUG(94, "no need to upgrade\n");
        return true;
    }
    emit sigShowMsg();
    int result = -1;
    Guarded("HandlePackageUpgrade", [this, &result] { result = service->HandlePackageUpgrade(); });
    if (result != 0) {
        VLOG_ERROR(101, "Failed to upgrade package\n");
    } else {
        emit sigUpdateProgress(100, 100);
        emit sigSetLabelText(LoadStrWithAppName(kStrReadyId));
    }
    return result == 0;
}

// The last word of a failed run tells an operator what the user was left with.
void Worker::ReportFailedUpgrade()
{
    if (service->Record().client_started) {
        VLOG_WARNING(__LINE__, "upgrade failed; the old client was kept and started again\n");
    } else {
        VLOG_ERROR(__LINE__, "upgrade failed and no client could be started\n");
    }
}

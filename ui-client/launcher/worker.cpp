#include "worker.h"

#include "cloud-service.h"
#include "log.h"
#include "mac/mac-service.h"
#include "strtable.h"

#include <exception>

namespace {

const char kComponent[] = "launcher_debug";

// Runs one service step. An exception must not leave the worker thread: Qt
// would end the process there, before the clean-up and the client start. It
// is logged, and the caller's default result stands.
template <typename Step>
void Guarded(const char *name, Step step)
{
    try {
        step();
    } catch (const std::exception &error) {
        VLOG(3, kComponent, __LINE__, "(%5d:%5d) [ERROR] launcher(%d): %s threw: %s\n", name, error.what());
    } catch (...) {
        VLOG(3, kComponent, __LINE__, "(%5d:%5d) [ERROR] launcher(%d): %s threw\n", name);
    }
}

}  // namespace

void HandlerThread::run()
{
    exec();
}

Worker::Worker()
    : Worker(new MacService())
{
}

Worker::Worker(Service *service)
    : QObject(nullptr), thread(nullptr), service(service)
{
    thread = new HandlerThread();
    moveToThread(thread);
}

// Normally LaunchDone has joined the thread already. If the event loop ended
// first (a quit from the system menu), the run is let finish: destroying a
// running thread aborts the process in the middle of the installation.
Worker::~Worker()
{
    QuitThread();
    JoinThread();
    delete thread;
    delete service;
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

// No early exit: a failed upgrade still cleans up and starts the client, and
// the driver always hears that the run is over.
void Worker::HandleServicce()
{
    VLOG(7, kComponent, 89, "(%5d:%5d) [DEBUG] launcher(%d): running\n");
    Guarded("PreUpgrade", [this] { service->PreUpgrade(); });
    bool needUpgrade = false;
    Guarded("IsNeedUpgrade", [this, &needUpgrade] { needUpgrade = service->IsNeedUpgrade(); });
    if (needUpgrade) {
        emit sigShowMsg();
        int result = -1;
        Guarded("HandlePackageUpgrade", [this, &result] { result = service->HandlePackageUpgrade(); });
        if (result != 0) {
            VLOG(3, kComponent, 101, "(%5d:%5d) [ERROR] launcher(%d): Failed to upgrade package\n");
        } else {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(LoadStrWithAppName(kStrReadyId));
        }
    } else {
        VLOG(7, kComponent, 94, "(%5d:%5d) [DEBUG] launcher(%d): no need to upgrade\n");
    }
    Guarded("RemoveAgedFolders", [this] { service->RemoveAgedFolders(); });
    Guarded("PostUpgrade", [this] { service->PostUpgrade(); });
    VLOG(7, kComponent, 117, "(%5d:%5d) [DEBUG] launcher(%d): done\n");
    emit sigServiceDone();
}

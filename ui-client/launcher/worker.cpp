#include "worker.h"

#include "cloud-service.h"
#include "log.h"
#include "mac/mac-service.h"
#include "strtable.h"

namespace {

const char kComponent[] = "launcher_debug";
const int kReadyTextId = 532;  // "%1 is ready."
const int kAppNameId = 879;    // "Velmora Drive Client"

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

Worker::~Worker()
{
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
    service->PreUpgrade();
    if (service->IsNeedUpgrade()) {
        emit sigShowMsg();
        if (service->HandlePackageUpgrade() != 0) {
            VLOG(3, kComponent, 101, "(%5d:%5d) [ERROR] launcher(%d): Failed to upgrade package\n");
        } else {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(StrTable::LoadStr(kReadyTextId).arg(StrTable::LoadStr(kAppNameId)));
        }
    } else {
        VLOG(7, kComponent, 94, "(%5d:%5d) [DEBUG] launcher(%d): no need to upgrade\n");
    }
    service->RemoveAgedFolders();
    service->PostUpgrade();
    VLOG(7, kComponent, 117, "(%5d:%5d) [DEBUG] launcher(%d): done\n");
    emit sigServiceDone();
}

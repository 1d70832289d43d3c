#include "exit-during-install.h"

#include <atomic>
#include <cstdlib>

#include "cloud-service.h"
#include "log.h"

#define LOG_TAG "exit-during-install"
#define LOG_COMPONENT "service_debug"

namespace {

std::atomic<Service*> installing{nullptr};

void SettleAndStartClient()
{
    Service* service = installing.exchange(nullptr);
    if (service == nullptr) {
        return;
    }
    VLOG_ERROR(__LINE__,
               "the process is ending in the middle of the installation, putting the last complete bundle back\n");
    // Started unless what is in place may be partial, which PostUpgrade
    // asks itself: a marker that cannot be removed may stand beside the
    // complete bundle put back.
    service->SettleUnfinishedInstall();
    service->PostUpgrade();
}

}  // namespace

ExitDuringInstallGuard::ExitDuringInstallGuard(Service& service)
{
    static const bool registered = atexit(SettleAndStartClient) == 0;
    (void)registered;
    installing = &service;
}

ExitDuringInstallGuard::~ExitDuringInstallGuard()
{
    installing = nullptr;
}

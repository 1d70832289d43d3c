#include "install/exit-during-install.h"

#include <atomic>
#include <cstdlib>
#include <utility>

#include "log.h"

#define LOG_TAG "exit-during-install"
#define LOG_COMPONENT "service_debug"

namespace {

// The guard of the installation under way. exit() does not unwind the
// stack, so the guard is still alive when its handler runs.
std::atomic<ExitDuringInstallGuard*> installing{nullptr};

}  // namespace

void ExitDuringInstallGuard::OnExit()
{
    ExitDuringInstallGuard* guard = installing.exchange(nullptr);
    if (guard == nullptr) {
        return;
    }
    VLOG_ERROR(__LINE__,
               "the process is ending in the middle of the "
               "installation, putting the last complete bundle back\n");
    guard->settle_and_start_();
}

ExitDuringInstallGuard::ExitDuringInstallGuard(std::function<void()> settle_and_start)
    : settle_and_start_(std::move(settle_and_start))
{
    static const bool registered = atexit(OnExit) == 0;
    (void)registered;
    installing = this;
}

ExitDuringInstallGuard::~ExitDuringInstallGuard()
{
    installing = nullptr;
}

#ifndef VELMORA_LAUNCHER_MAC_SERVICE_H
#define VELMORA_LAUNCHER_MAC_SERVICE_H

#include <QString>

#include "service/cloud-service.h"

class ClientProcess;

// The platform upgrade service: decides whether the per-user client must be
// installed, runs the steps in order, and stops and starts the client.
// Construct it only after the path registry has been filled. It stops and
// starts the client through process, which must outlive it.
class MacService : public Service {
public:
    explicit MacService(ClientProcess& process);
    MacService(ClientProcess& process, const InstallLayout& layout);
    ~MacService() override;

    // A process-wide instance, made on first use.
    static MacService* GetInstace();

    void StopService() override;
    int HandlePackageUpgrade() override;
    void PostUpgrade() override;
    void PreUpgrade() override;
    bool IsNeedUpgrade() override;

    void LoadSourceVerInfo();
    void LoadTargetVerInfo();

    // True when the per-user client UI executable exists.
    bool PerUserBinPathExist();
    // Stops the client UI named by folder + "/ui.pid" (never a later process
    // that reused a stale pid): SIGTERM, probes for up to 15 seconds, then
    // SIGKILL.
    void StopServiceByPath(const QString& folder);
    // Goes on with a move of the older product's data that an earlier run
    // began, when the per-user client is installed (Service::PendingMigration).
    void RetryPendingMigration();
    // Starts the per-user client; 0 when started, -1 otherwise.
    int LaunchPerUserBin();

private:
    ClientProcess& client_process;
};

#endif  // VELMORA_LAUNCHER_MAC_SERVICE_H

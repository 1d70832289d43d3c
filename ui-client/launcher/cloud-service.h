#ifndef VELMORA_LAUNCHER_CLOUD_SERVICE_H
#define VELMORA_LAUNCHER_CLOUD_SERVICE_H

#include <QString>

#include "ustring.h"

// Version of a client bundle as its "INFO" file states it. Only
// build_version takes part in the upgrade decision.
struct VerInfo {
    ustring major_version;
    ustring minor_version;
    ustring build_version;
    ustring icon_overlay_version;
};

// Paths inside the launcher bundle and the user's home folder. Nothing on
// the upgrade road reads it: every step asks the path registry instead.
struct PackageInfo {
    PackageInfo();

    ustring images_path;
    ustring log_path;
    ustring debug_flag_path;
    ustring package_path;
    ustring conf_path;
};

// The upgrade service. Installs or upgrades the per-user client bundle from
// the package the launcher carries; platform steps (decision, order of the
// steps, stopping and starting the client) belong to the derived class.
// Results: int 0 success / negative failure; best-effort steps log and
// return nothing.
class Service {
public:
    Service();
    // The declaration order fixes the slots of the virtual table; keep it.
    virtual ~Service();
    virtual void StopService() = 0;
    virtual void SetTimeout(int value);
    virtual int HandlePackageUpgrade() = 0;
    virtual void PostUpgrade() = 0;
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    virtual int PrepareUserEnv();
    virtual void MigrateService();

    // The user's home folder, base of every per-user path.
    static QString GetUserInstallPath();
    // Copies a file or a folder tree; 0, or -1.
    int FSCopyPath(const ustring& src, const ustring& dst);
    // Removes the older product's aged "app" folder; runs on every launch.
    void RemoveAgedFolders();
    // Runs first in every run, before the versions are read: puts back the
    // last complete bundle of an installation that an earlier run left
    // unfinished and removes leftover backups (the table at the top of
    // cloud-service-install.cpp). Renames and removals only, so it needs no
    // free space. 0 when no installation is unsettled; -1 when the marker
    // stays and the bundle in place may be partial.
    int SettleUnfinishedInstall();
    // True while the installation marker stands: the bundle in place may be
    // partial, so nothing may be installed over it or started from it.
    bool IsInstallUnfinished();

    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

protected:
    int timeout;
    ustring user_app_path;
    VerInfo target_version;
    VerInfo source_version;
};

#endif  // VELMORA_LAUNCHER_CLOUD_SERVICE_H

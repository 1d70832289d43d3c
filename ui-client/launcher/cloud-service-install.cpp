// Installing the package: backup of the old bundle, extraction, rollback.
// Log lines carry the tag of the service class, "cloud-service".
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cloud-service.h"
#include "extractor.h"
#include "file-op.h"
#include "log.h"
#include "service-registry.h"

namespace {

const char kComponent[] = "service_debug";
const int kBackupNames = 10;

// Backup number 0 is app + "_tmp", number n is app + "_tmp" + n.
ustring GetAppBackupDir(const ustring& app, int n)
{
    ustring base = app + "_tmp";
    if (n == 0) {
        return base;
    }
    char postfix[8] = "";
    if (snprintf(postfix, sizeof(postfix), "%d", n) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): snprintf failed (continuing without postfix)");
        postfix[0] = '\0';
    }
    return base + postfix;
}

// Moves the bundle to the first free backup name; used receives its number.
int BackupApp(const ustring& app, ustring& backup, int& used)
{
    for (int i = 0; i < kBackupNames; ++i) {
        backup = GetAppBackupDir(app, i);
        if (FSRename(app, backup, false) == 0) {
            used = i;
            return 0;
        }
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s'\n",
             app.c_str(), backup.c_str());
    }
    VLOG(3, kComponent, __LINE__,
         "(%5d:%5d) [ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s' at max "
         "retries, exiting\n",
         app.c_str(), backup.c_str());
    return -1;
}

// Stands beside the bundle while an installation is under way. A run that
// ends before the installation is settled (logout, power loss) leaves it,
// together with a partial bundle that may already hold the client and its
// INFO; the next run then installs again instead of starting that bundle.
ustring InstallMarkPath(const ustring& app) { return app + "_installing"; }

void MarkInstallStarted(const ustring& app)
{
    ustring mark = InstallMarkPath(app);
    // A first installation may find no per-user folder yet.
    FSMKDir(FSParentPath(app), true);
    int fd = open(mark.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] cloud-service(%d): cannot create '%s': %s\n", mark.c_str(),
             strerror(errno));
        return;
    }
    close(fd);
}

void ClearInstallMark(const ustring& app) { FSRemove(InstallMarkPath(app), false); }

// Clears the bundle path of a failed extraction. A partial bundle that
// holds the client executable and its INFO would pass for a complete one
// in every later run and never be repaired, so one that cannot be removed
// (a read-only folder, a mount point inside) goes to a backup name that is
// free, where it harms nothing. 0 when the path is clear.
int DiscardPartialBundle(const ustring& app)
{
    if (FSRemove(app, false) == 0) {
        return 0;
    }
    for (int i = 0; i < kBackupNames; ++i) {
        ustring aside = GetAppBackupDir(app, i);
        if (!IsFileExist(aside, false) && FSRename(app, aside, false) == 0) {
            VLOG(4, kComponent, __LINE__,
                 "(%5d:%5d) [WARNING] cloud-service(%d): partly extracted '%s' could not be "
                 "removed, moved to '%s'\n",
                 app.c_str(), aside.c_str());
            return 0;
        }
    }
    VLOG(3, kComponent, __LINE__,
         "(%5d:%5d) [ERROR] cloud-service(%d): partly extracted '%s' could not be removed or "
         "moved aside\n",
         app.c_str());
    return -1;
}

// Puts the old bundle back; 0 when it is back. When it cannot be moved back
// it stays under its backup name, which no later step removes unless an
// installation succeeds.
int RollBack(const ustring& app, const ustring& backup)
{
    VLOG(3, kComponent, __LINE__,
         "(%5d:%5d) [ERROR] cloud-service(%d): Failed to extract package, rollback to old "
         "installation\n");
    DiscardPartialBundle(app);
    if (FSRename(backup, app, false) != 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): failed to move '%s' back to '%s', the old "
             "installation is kept there: %s\n",
             backup.c_str(), app.c_str(), strerror(errno));
        return -1;
    }
    return 0;
}

// Undoes a failed extraction; 0 when nothing partial is left at app.
int SettleFailedInstall(const ustring& app, const ustring& backup)
{
    if (!backup.empty()) {
        return RollBack(app, backup);
    }
    VLOG(3, kComponent, __LINE__,
         "(%5d:%5d) [ERROR] cloud-service(%d): Failed to extract package, and no old "
         "installation to rollback\n");
    return DiscardPartialBundle(app);
}

// A package that extracts cleanly but carries no client executable would
// replace a working installation with one that cannot start.
bool HoldsClient()
{
    if (ClientExecutableExists()) {
        return true;
    }
    VLOG(3, kComponent, __LINE__,
         "(%5d:%5d) [ERROR] cloud-service(%d): the package holds no client executable '%s'\n",
         RegistryPath("user_velmora_drive_ui_path").c_str());
    return false;
}

}  // namespace

int Service::PrepareUserEnv()
{
    const ustring app = user_app_path;
    // An empty bundle path would make the backup names relative to the
    // working folder.
    if (app.empty()) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): no per-user application path, nothing "
             "installed\n");
        return -1;
    }
    // After a run cut short, the bundle in place may itself be partial.
    const bool resumed = IsFileExist(InstallMarkPath(app), false);
    ustring backup;
    int used = 0;
    if (IsFileExist(app, false) && BackupApp(app, backup, used) != 0) {
        return -1;
    }
    MarkInstallStarted(app);
    if (ExtractPackage() == 0 && HoldsClient()) {
        VLOG(6, kComponent, __LINE__,
             "(%5d:%5d) [INFO] cloud-service(%d): user installation is ready, removing backup "
             "app\n");
        for (int j = 0; j <= used; ++j) {
            FSRemove(GetAppBackupDir(app, j), false);
        }
        ClearInstallMark(app);
        return 0;
    }
    // The mark stays while the bundle path may hold a partial bundle: one
    // that could not be cleared, or the one of a cut-short run that the
    // rollback put back. The next run then installs again.
    const bool restores_partial = resumed && !backup.empty();
    if (SettleFailedInstall(app, backup) == 0 && !restores_partial) {
        ClearInstallMark(app);
    }
    return -1;
}

bool Service::IsInstallUnfinished()
{
    if (user_app_path.empty() || !IsFileExist(InstallMarkPath(user_app_path), false)) {
        return false;
    }
    VLOG(5, kComponent, __LINE__,
         "(%5d:%5d) [NOTE] cloud-service(%d): the installation into '%s' did not finish, "
         "installing again\n",
         user_app_path.c_str());
    return true;
}

int Service::ExtractPackage()
{
    ustring archive = PackageArchivePath();
    ustring destination = RegistryPath("user_velmora_drive_app_path");
    if (FSMKDir(destination, true) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): failed to create folder: '%s'\n",
             destination.c_str());
        return -1;
    }
    VLOG(6, kComponent, __LINE__,
         "(%5d:%5d) [INFO] cloud-service(%d): extract package: '%s' -> '%s'\n", archive.c_str(),
         destination.c_str());
    Extractor extractor;
    extractor.archive_path = archive;
    extractor.dest_dir = destination;
    return extractor.Extract(package_entries);
}

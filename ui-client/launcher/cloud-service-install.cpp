// Installing the package: backup of the old bundle, extraction, rollback,
// and the settling of an installation that an earlier run left unfinished.
// Log lines carry the tag of the service class, "cloud-service".
//
// What an installation can leave on disk between two runs, and what the
// next run does with it first of all (SettleUnfinishedInstall, before the
// versions are read). B is the bundle ("VelmoraDrive.app"), K a backup
// ("VelmoraDrive.app_tmp", "_tmp1" to "_tmp9"), M the marker
// ("VelmoraDrive.app_installing", cloud-service-install-mark.h). The rule:
// while there is no M, B is complete or absent; while M stands, B may be
// partial and the last complete bundle is in the backup that M names.
//
//   M                | on disk                          | the next run
//   -----------------+----------------------------------+-------------------
//   none             | B complete, or no K complete;    | keeps B, removes
//                    | every K a leftover               | every K
//   none             | B absent or without its client   | writes "backup=K"
//                    | executable, a K complete (left   | for the K of the
//                    | by a launcher that keeps no M)   | highest build, then
//                    |                                  | as that row
//   "backup=K"       | K complete; B partial, absent,   | removes B, renames
//                    | or complete but not committed    | K to B, removes M
//   "backup=K"       | no K (cut short before the       | keeps B, removes M
//                    | backup, or after K was moved     |
//                    | back): B complete                |
//   "backup="        | no complete bundle (a first      | removes B and M; the
//                    | installation); B partial or      | client is missing,
//                    | absent                           | so it installs again
//   empty, written   | B may be partial; they moved B   | as "backup=K" with
//   by earlier       | to the first free K and the      | the first K there,
//   launchers        | partial B of a resumed run to a  | else as "backup="
//                    | later one                        |
//
// Complete means holding the client executable, as the upgrade decision
// sees it. A B that cannot be removed is renamed to a free K other than the
// one M names, and is a leftover from then on. Settling only renames and
// removes, so it works on a full disk and whatever the upgrade decision; it
// says at WARNING which build it puts back. Leftovers are removed once per
// run, when it first settles; one that cannot be removed is named at NOTE.
// While M stands (settling failed) nothing is installed and no client is
// started.
//
// An installation (PrepareUserEnv) passes through the same rows: M names a
// free K before B is renamed to it; the package is extracted into B; on
// success the volume is flushed and M removed (the commit), then K; on
// failure it settles as the table says.
//
// The first installation also moves the older product's data O
// ("~/.Larkspan/data") to the new data D ("~/.VelmoraDrive/data"), under
// the mark G ("data_migrating", cloud-service-migrate-mark.h), across
// volumes through the staging name S ("data_migrated"); the older folder L
// goes once D has arrived (cloud-service-migrate.cpp). A later run with the
// client installed (RetryPendingMigration, after settling) goes on:
//
//   G                | on disk                          | the later run
//   -----------------+----------------------------------+-------------------
//   none             | O whole, or no O                 | nothing (an older
//                    |                                  | product in use)
//   "state=copying", | O whole; D absent or an empty    | stops the clients,
//   no "failed="     | folder; S maybe partial          | removes S, moves O
//   "state=copying", | as above; the move failed then,  | the same, only once
//   "failed=..."     | with that room and that O        | the room grew to
//                    |                                  | hold O, O changed
//                    |                                  | or a day passed
//   "state=copying"  | O whole; D holds other data      | nothing: O is kept
//   "state=copying"  | no O (renamed on one volume)     | removes G, then L
//   "state=arrived"  | S whole, or D whole; O whole or  | puts S in place as
//                    | partly removed                   | D (clients stopped;
//                    |                                  | S waits while D
//                    |                                  | holds other data),
//                    |                                  | removes O, G, L
//
// All of it happens under the install lock of the per-user folder
// (install-lock.h), held from before settling to the client's start:
//
//   on disk          | means                            | the next run
//   -----------------+----------------------------------+-------------------
//   "install.lock",  | nothing: the lock is flock()'s,  | locks it, waiting
//   a regular file   | dropped with its holder          | while a live
//                    |                                  | launcher holds it
//   "install.lock" or| in the way of any lock           | moves it aside
//   ".owner" not a   |                                  | ("<name>.<random>
//   regular file     |                                  | .aside"), locks
//   "install.lock.   | held where flock() fails, by the | waits while that
//   owner": host,    | launcher named (a network home)  | holder lives;
//   pid, start time  |                                  | takes it over once
//                    |                                  | it is gone
//
// A run that gets no lock at all installs and settles nothing, and starts
// the client only if a complete one is in place.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cloud-service.h"
#include "cloud-service-install-mark.h"
#include "exit-during-install.h"
#include "extractor.h"
#include "file-op.h"
#include "log.h"
#include "service-registry.h"
#include "version-file.h"
#include "volume-flush.h"

namespace {

const char kComponent[] = "service_debug";
const int kBackupNames = 10;
// No backup holds a complete bundle: a first installation.
const int kNoBackup = -1;

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

bool BackupExists(const ustring& app, int n)
{
    return n != kNoBackup && IsFileExist(GetAppBackupDir(app, n), false);
}

// The path in the bundle folder `bundle` (the bundle itself or a backup)
// of what the registry names inside the bundle under key.
ustring InBundle(const ustring& app, const ustring& bundle, const char* key)
{
    const ustring inside = RegistryPath(key);
    return FSIsParentFolder(app, inside) ? bundle + inside.substr(app.length()) : ustring();
}

// Complete as the upgrade decision sees it: the client executable is there.
bool HoldsClientExecutable(const ustring& app, const ustring& bundle)
{
    const ustring client = InBundle(app, bundle, "user_velmora_drive_ui_path");
    return !client.empty() && access(client.c_str(), F_OK) == 0;
}

ustring BuildOf(const ustring& app, const ustring& bundle)
{
    VerInfo version;
    ReadVersionFile(InBundle(app, bundle, "user_velmora_drive_resource_path") + "/INFO", version);
    return version.build_version.empty() ? ustring("(none)") : version.build_version;
}

// The backup holding the complete bundle of the highest build (of equal
// builds the later backup), or kNoBackup.
int NewestCompleteBackup(const ustring& app)
{
    int newest = kNoBackup;
    int newest_build = 0;
    for (int i = 0; i < kBackupNames; ++i) {
        const ustring backup = GetAppBackupDir(app, i);
        if (!HoldsClientExecutable(app, backup)) {
            continue;
        }
        const int build = BuildNumber(BuildOf(app, backup));
        if (newest == kNoBackup || build >= newest_build) {
            newest = i;
            newest_build = build;
        }
    }
    return newest;
}

// The backup that the marker says holds the last complete bundle (see the
// table), or kNoBackup.
int MarkedBackup(const ustring& app)
{
    ustring name;
    InstallMarkKind kind = ReadInstallMark(app, name);
    if (kind == kMarkNoBackup) {
        return kNoBackup;
    }
    for (int i = 0; kind == kMarkNamesBackup && i < kBackupNames; ++i) {
        if (FSBaseName(GetAppBackupDir(app, i)) == name) {
            return i;
        }
    }
    // The old format, or a name that is none of ours.
    for (int i = 0; i < kBackupNames; ++i) {
        if (BackupExists(app, i)) {
            return i;
        }
    }
    return kNoBackup;
}

// Clears the bundle path of a bundle that may be partial. A partial bundle
// that holds the client executable and its INFO would pass for a complete
// one, so one that cannot be removed (a read-only folder, a mount point
// inside) goes to a free backup name other than keep, where it harms
// nothing. 0 when the path is clear.
int DiscardBundle(const ustring& app, int keep)
{
    if (FSRemove(app, false) == 0) {
        return 0;
    }
    for (int i = 0; i < kBackupNames; ++i) {
        ustring aside = GetAppBackupDir(app, i);
        if (i != keep && !IsFileExist(aside, false) && FSRename(app, aside, false) == 0) {
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

// Puts the complete bundle kept under backup number kept back in place;
// 0 when it is back.
int RestoreBackup(const ustring& app, int kept)
{
    const ustring backup = GetAppBackupDir(app, kept);
    if (DiscardBundle(app, kept) != 0 || FSRename(backup, app, false) != 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): failed to move '%s' back to '%s', the old "
             "installation is kept there: %s\n",
             backup.c_str(), app.c_str(), strerror(errno));
        return -1;
    }
    // On the disk before the marker goes, or a power loss could undo it.
    FSSyncFolder(FSParentPath(app));
    return 0;
}

// Brings an unsettled installation to a settled state as the table says;
// kept is the backup the marker names. 0 when the marker is cleared.
int Settle(const ustring& app, int kept)
{
    if (kept == kNoBackup) {
        if (DiscardBundle(app, kNoBackup) != 0) {
            return -1;
        }
    } else if (BackupExists(app, kept) && RestoreBackup(app, kept) != 0) {
        return -1;
    }
    return ClearInstallMark(app);
}

void LogUnfinished(const ustring& app, int kept)
{
    if (kept == kNoBackup) {
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] cloud-service(%d): the installation into '%s' did not finish and "
             "kept no complete bundle, removing what it left\n",
             app.c_str());
    } else if (BackupExists(app, kept)) {
        const ustring backup = GetAppBackupDir(app, kept);
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] cloud-service(%d): the installation into '%s' did not finish, "
             "putting back build %s from '%s'\n",
             app.c_str(), BuildOf(app, backup).c_str(), backup.c_str());
    } else {
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] cloud-service(%d): the installation into '%s' did not finish, "
             "keeping build %s in place\n",
             app.c_str(), BuildOf(app, app).c_str());
    }
}

// A launcher that kept no marker, cut short after its backup or in its
// extraction, leaves the last complete bundle under a backup name and none,
// or a partial one, in place. Marked as an installation of ours would be,
// settling puts it back instead of taking it for a leftover.
void MarkLostBundle(const ustring& app)
{
    if (IsFileExist(InstallMarkPath(app), false) || HoldsClientExecutable(app, app)) {
        return;
    }
    const int newest = NewestCompleteBackup(app);
    if (newest != kNoBackup) {
        WriteInstallMark(app, GetAppBackupDir(app, newest));
    }
}

// What sits under a backup name is a leftover only while a complete bundle
// is in place, or when none of them is complete: left by a run that could
// not remove it, or cut short after its commit. Ten of them would block
// every later backup.
void RemoveLeftovers(const ustring& app)
{
    ClearInstallMark(app);
    if (!HoldsClientExecutable(app, app) && NewestCompleteBackup(app) != kNoBackup) {
        return;
    }
    for (int i = 0; i < kBackupNames; ++i) {
        ustring backup = GetAppBackupDir(app, i);
        if (!IsFileExist(backup, false)) {
            continue;
        }
        VLOG(6, kComponent, __LINE__,
             "(%5d:%5d) [INFO] cloud-service(%d): removing leftover backup '%s'\n", backup.c_str());
        if (FSRemove(backup, false) != 0) {
            VLOG(5, kComponent, __LINE__,
                 "(%5d:%5d) [NOTE] cloud-service(%d): cannot remove leftover backup '%s'\n",
                 backup.c_str());
        }
    }
}

// Moves the bundle to the first free backup name; used receives its number.
// The marker names each name before the bundle moves there, and only a free
// one: a marker naming a backup that holds something else would have that
// put in place of the bundle.
int BackupApp(const ustring& app, int& used)
{
    ustring backup;
    for (int i = 0; i < kBackupNames; ++i) {
        backup = GetAppBackupDir(app, i);
        if (!IsFileExist(backup, false)) {
            if (WriteInstallMark(app, backup) != 0) {
                return -1;
            }
            if (FSRename(app, backup, false) == 0) {
                used = i;
                return 0;
            }
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

// Marks the installation as begun and moves the bundle, if any, aside;
// used receives the backup's number or kNoBackup. 0, or -1 with the bundle
// in place and no marker.
int BeginInstall(const ustring& app, int& used)
{
    used = kNoBackup;
    // A first installation may find no per-user folder yet.
    FSMKDir(FSParentPath(app), true);
    int result = IsFileExist(app, false) ? BackupApp(app, used) : WriteInstallMark(app, ustring());
    if (result != 0) {
        ClearInstallMark(app);
    }
    return result;
}

// Makes the new bundle the installation. Its files reach the disk before
// the marker goes, so not even a power loss leaves a partial bundle
// without the marker.
int CommitInstall(const ustring& app)
{
    if (FlushVolumeOf(app) != 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): cannot write '%s' to the disk: %s\n",
             app.c_str(), strerror(errno));
        return -1;
    }
    return ClearInstallMark(app);
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
    // Only a complete bundle may be backed up; a run settles at its start,
    // so this settles only when the installation is begun on its own.
    int used = kNoBackup;
    if ((IsInstallUnfinished() && SettleUnfinishedInstall() != 0) || BeginInstall(app, used) != 0) {
        return -1;
    }
    int extracted = -1;
    {
        ExitDuringInstallGuard guard(*this);
        extracted = ExtractPackage();
    }
    if (extracted == 0 && HoldsClient() && CommitInstall(app) == 0) {
        VLOG(6, kComponent, __LINE__,
             "(%5d:%5d) [INFO] cloud-service(%d): user installation is ready, removing backup "
             "app\n");
        const int last = used == kNoBackup ? 0 : used;
        for (int j = 0; j <= last; ++j) {
            FSRemove(GetAppBackupDir(app, j), false);
        }
        return 0;
    }
    if (used != kNoBackup) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to extract package, rollback to old "
             "installation\n");
    } else {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to extract package, and no old "
             "installation to rollback\n");
    }
    Settle(app, used);
    return -1;
}

int Service::SettleUnfinishedInstall()
{
    const ustring app = user_app_path;
    if (app.empty()) {
        return 0;
    }
    MarkLostBundle(app);
    if (IsInstallUnfinished()) {
        const int kept = MarkedBackup(app);
        LogUnfinished(app, kept);
        if (Settle(app, kept) != 0) {
            VLOG(3, kComponent, __LINE__,
                 "(%5d:%5d) [ERROR] cloud-service(%d): the installation into '%s' could not be "
                 "settled; no client is started until a later run settles it\n",
                 app.c_str());
            return -1;
        }
    }
    // Once per run: a leftover that cannot be removed now cannot a moment later.
    if (!leftovers_checked) {
        leftovers_checked = true;
        RemoveLeftovers(app);
    }
    return 0;
}

bool Service::IsInstallUnfinished()
{
    return !user_app_path.empty() && IsFileExist(InstallMarkPath(user_app_path), false);
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
    extractor.source = package_source.get();
    return extractor.Extract(package_entries);
}

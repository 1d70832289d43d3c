// Installing the package: backup of the old bundle, extraction, rollback,
// and the settling of an installation that an earlier run left unfinished.
// Log lines carry the tag of the service class, "cloud-service". What each
// state on disk means, and what settling does with it, is tabled in
// install-state.h.
#include <cerrno>
#include <cstring>

#include "extract/extractor.h"
#include "file-op.h"
#include "install/cloud-service-install-mark.h"
#include "install/exit-during-install.h"
#include "install/install-state.h"
#include "log.h"
#include "package/info-copy.h"
#include "package/version-file.h"
#include "platform/volume-flush.h"
#include "service/cloud-service.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

namespace {

// The build a bundle folder holds, for the log.
ustring BuildText(const ustring& bundle)
{
    const ustring build = VersionOf(bundle).build_version;
    return build.empty() ? ustring("(none)") : build;
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
            VLOG_WARNING(__LINE__, "partly extracted '%s' could not be removed, moved to '%s'\n", app.c_str(),
                         aside.c_str());
            return 0;
        }
    }
    VLOG_ERROR(__LINE__, "partly extracted '%s' could not be removed or moved aside\n", app.c_str());
    return -1;
}

// Puts the complete bundle kept under backup number kept back in place;
// 0 when it is back.
int RestoreBackup(const ustring& app, int kept)
{
    const ustring backup = GetAppBackupDir(app, kept);
    if (DiscardBundle(app, kept) != 0 || FSRename(backup, app, false) != 0) {
        VLOG_ERROR(__LINE__, "failed to move '%s' back to '%s', the old installation is kept there: %s\n",
                   backup.c_str(), app.c_str(), strerror(errno));
        return -1;
    }
    // On the disk before the marker goes, or a power loss could undo it.
    FSSyncFolder(FSParentPath(app));
    return 0;
}

// The complete bundle kept under backup number kept goes back in place,
// then the marker.
int PutBack(const ustring& app, int kept)
{
    return RestoreBackup(app, kept) == 0 ? ClearInstallMark(app) : -1;
}

// What a first installation left goes, then the marker.
int RemovePartial(const ustring& app)
{
    return DiscardBundle(app, kNoBackup) == 0 ? ClearInstallMark(app) : -1;
}

// What IsInstallUnfinished and MayBundleBePartial ask, asked of the disk.
bool IsMarked(const ustring& app)
{
    return !app.empty() && IsFileExist(InstallMarkPath(app), false);
}

bool MayBePartial(const ustring& app)
{
    return IsMarked(app) && ClassifyInstall(app).state != InstallState::kBackupGone;
}

void LogPuttingBack(const ustring& app, const ustring& backup)
{
    VLOG_WARNING(__LINE__,
                 "the installation into '%s' did not finish, "
                 "putting back build %s from '%s'\n",
                 app.c_str(), BuildText(backup).c_str(), backup.c_str());
}

// Brings the installation to a settled state as the table in
// install-state.h says for what was found, saying at WARNING what it puts
// back or removes. 0 when it is settled.
int Settle(const ustring& app, const InstallFound& found)
{
    const ustring backup = found.backup == kNoBackup ? ustring() : GetAppBackupDir(app, found.backup);
    switch (found.state) {
        case InstallState::kSettled:
            return 0;
        case InstallState::kLostBundle:
            // Marked as an installation of ours would be, so that a run cut
            // short while putting it back goes on with it. Unmarked it stays.
            if (WriteInstallMark(app, backup) != 0) {
                return 0;
            }
            LogPuttingBack(app, backup);
            return PutBack(app, found.backup);
        case InstallState::kBackupKept:
            LogPuttingBack(app, backup);
            return PutBack(app, found.backup);
        case InstallState::kBackupGone:
            VLOG_WARNING(__LINE__,
                         "the installation into '%s' did not finish, "
                         "keeping build %s in place\n",
                         app.c_str(), BuildText(app).c_str());
            return ClearInstallMark(app);
        case InstallState::kNoCompleteBundle:
            VLOG_WARNING(__LINE__,
                         "the installation into '%s' did not finish and "
                         "kept no complete bundle, removing what it left\n",
                         app.c_str());
            return RemovePartial(app);
    }
    return 0;
}

// What sits under a backup name is a leftover only while a complete bundle
// is in place, or when none of them is complete: left by a run that could
// not remove it, or cut short after its commit. Ten of them would block
// every later backup.
void RemoveLeftovers(const ustring& app)
{
    ClearInstallMark(app);
    if (!HoldsClientExecutable(app) && NewestCompleteBackup(app) != kNoBackup) {
        return;
    }
    for (int i = 0; i < kBackupNames; ++i) {
        ustring backup = GetAppBackupDir(app, i);
        if (!IsFileExist(backup, false)) {
            continue;
        }
        VLOG_INFO(__LINE__, "removing leftover backup '%s'\n", backup.c_str());
        if (FSRemove(backup, false) != 0) {
            VLOG_NOTE(__LINE__, "cannot remove leftover backup '%s'\n", backup.c_str());
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
        VLOG_ERROR(__LINE__, "failed to backup app from '%s' -> '%s'\n", app.c_str(), backup.c_str());
    }
    VLOG_ERROR(__LINE__, "failed to backup app from '%s' -> '%s' at max retries, exiting\n", app.c_str(),
               backup.c_str());
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

// Makes the new bundle the installation: nullptr, or what failed in a few
// words. Its files reach the disk before the marker goes, so not even a
// power loss leaves a partial bundle without the marker.
//
// Removing the marker is the commit. While it stands, the next run
// settles first thing, before it stops any client: it puts back the backup
// the marker names, or removes the bundle when it names none. So a new
// bundle whose marker cannot be removed is rolled back now, while the old
// bundle is known whole, and installed again by a later run.
const char* CommitInstall(const ustring& app)
{
    if (FlushVolumeOf(app) != 0) {
        VLOG_ERROR(__LINE__, "cannot write '%s' to the disk: %s\n", app.c_str(), strerror(errno));
        return "the new bundle could not be written to the disk";
    }
    return ClearInstallMark(app) == 0 ? nullptr : "the installation marker could not be removed";
}

// A package that extracts cleanly but carries no client executable would
// replace a working installation with one that cannot start.
bool NewBundleHoldsClient(const InstallLayout& layout)
{
    if (layout.HoldsClient()) {
        return true;
    }
    VLOG_ERROR(__LINE__, "the package holds no client executable '%s'\n", layout.client.c_str());
    return false;
}

// Makes an extracted bundle the installation: nullptr, or what failed in a
// few words.
const char* CompleteInstall(const InstallLayout& layout)
{
    if (!NewBundleHoldsClient(layout)) {
        return "the package holds no client executable";
    }
    return CommitInstall(layout.bundle);
}

// Undoes a begun installation whose new bundle did not become the
// installation: the backup it made goes back, or what it extracted goes.
void RollBack(const ustring& app, int used)
{
    if (used != kNoBackup) {
        VLOG_ERROR(__LINE__, "Failed to extract package, rollback to old installation\n");
        PutBack(app, used);
    } else {
        VLOG_ERROR(__LINE__, "Failed to extract package, and no old installation to rollback\n");
        RemovePartial(app);
    }
}

}  // namespace

int Service::PrepareUserEnv()
{
    const ustring app = user_app_path;
    // An empty bundle path would make the backup names relative to the
    // working folder.
    if (app.empty()) {
        VLOG_ERROR(__LINE__, "no per-user application path, nothing installed\n");
        NoteProblem("no per-user application path");
        return -1;
    }
    // Only a complete bundle may be backed up; a run settles at its start,
    // so this settles only when the installation is begun on its own.
    if (IsInstallUnfinished() && SettleUnfinishedInstall() != 0) {
        return -1;
    }
    // From here the disk is no longer what settling left.
    settled_install.reset();
    int used = kNoBackup;
    if (BeginInstall(app, used) != 0) {
        NoteProblem("the installation marker could not be written or the old bundle moved aside");
        return -1;
    }
    int extracted = -1;
    {
        // Started unless what is in place may be partial, which PostUpgrade
        // asks itself: a marker that cannot be removed may stand beside the
        // complete bundle put back.
        ExitDuringInstallGuard guard([this] {
            SettleUnfinishedInstall();
            PostUpgrade();
        });
        extracted = ExtractPackage();
    }
    const char* failed = extracted != 0 ? "the package could not be extracted" : CompleteInstall(layout);
    if (failed == nullptr) {
        VLOG_INFO(__LINE__, "user installation is ready, removing backup app\n");
        const int last = used == kNoBackup ? 0 : used;
        for (int j = 0; j <= last; ++j) {
            FSRemove(GetAppBackupDir(app, j), false);
        }
        return 0;
    }
    NoteProblem(failed);
    RollBack(app, used);
    return -1;
}

// Called first in every run; again only by the exit guard, when the process
// ends in the middle of the installation, and by PrepareUserEnv run on its
// own with a marker standing.
int Service::SettleUnfinishedInstall()
{
    const ustring app = user_app_path;
    if (app.empty()) {
        return 0;
    }
    if (Settle(app, ClassifyInstall(app)) != 0) {
        KeepSettledInstall();
        ReportUnsettled(app);
        return -1;
    }
    // Once per run: a leftover that cannot be removed now cannot a moment later.
    if (!leftovers_checked) {
        leftovers_checked = true;
        RemoveLeftovers(app);
        RemoveInfoCopies(layout.drive);
    }
    KeepSettledInstall();
    return 0;
}

bool Service::IsInstallUnfinished()
{
    return settled_install ? settled_install->unfinished : IsMarked(user_app_path);
}

bool Service::MayBundleBePartial()
{
    return settled_install ? settled_install->partial : MayBePartial(user_app_path);
}

void Service::KeepSettledInstall()
{
    settled_install = InstallLeft{IsMarked(user_app_path), MayBePartial(user_app_path)};
}

// Only a marker whose backup is gone can fail to be settled beside a
// complete bundle: its removal was all that was left to do.
void Service::ReportUnsettled(const ustring& app)
{
    if (!MayBundleBePartial()) {
        VLOG_ERROR(__LINE__,
                   "the installation into '%s' could not be "
                   "settled; its marker stays beside the complete bundle, whose client is started\n",
                   app.c_str());
        NoteProblem("the installation marker could not be removed");
        return;
    }
    VLOG_ERROR(__LINE__,
               "the installation into '%s' could not be settled; no client is started until a later run settles it\n",
               app.c_str());
    NoteProblem("an installation that did not finish could not be settled");
}

int Service::ExtractPackage()
{
    ustring archive = PackageArchivePath();
    const ustring destination = user_app_path;
    if (FSMKDir(destination, true) < 0) {
        VLOG_ERROR(__LINE__, "failed to create folder: '%s'\n", destination.c_str());
        return -1;
    }
    VLOG_INFO(__LINE__, "extract package: '%s' -> '%s'\n", archive.c_str(), destination.c_str());
    Extractor extractor;
    extractor.archive_path = archive;
    extractor.dest_dir = destination;
    extractor.source = package_source.get();
    return extractor.Extract(package_entries);
}

// Reading what an installation left between runs (install-state.h). Reads
// only: a start acts on the answer, the status reports it.
#include "install/install-state.h"

#include <unistd.h>

#include <cstdio>

#include "file-op.h"
#include "install/cloud-service-install-mark.h"
#include "log.h"
#include "package/bundle-layout.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

namespace {

bool BackupExists(const ustring& app, int n)
{
    return n != kNoBackup && IsFileExist(GetAppBackupDir(app, n), false);
}

int FirstBackup(const ustring& app)
{
    for (int i = 0; i < kBackupNames; ++i) {
        if (BackupExists(app, i)) {
            return i;
        }
    }
    return kNoBackup;
}

int BackupNamed(const ustring& app, const ustring& name)
{
    for (int i = 0; i < kBackupNames; ++i) {
        if (FSBaseName(GetAppBackupDir(app, i)) == name) {
            return i;
        }
    }
    return kNoBackup;
}

InstallFound Found(InstallState state, int backup)
{
    InstallFound found;
    found.state = state;
    found.backup = backup;
    return found;
}

// With no marker: a launcher that kept none, cut short after its backup or
// in its extraction, left the last complete bundle under a backup name and
// none, or a partial one, in place.
InstallFound WithoutMarker(const ustring& app)
{
    if (HoldsClientExecutable(app)) {
        return Found(InstallState::kSettled, kNoBackup);
    }
    const int newest = NewestCompleteBackup(app);
    return Found(newest == kNoBackup ? InstallState::kSettled : InstallState::kLostBundle, newest);
}

}  // namespace

ustring GetAppBackupDir(const ustring& app, int n)
{
    ustring base = app + "_tmp";
    if (n == 0) {
        return base;
    }
    char postfix[8] = "";
    if (snprintf(postfix, sizeof(postfix), "%d", n) < 0) {
        VLOG_ERROR(__LINE__, "snprintf failed (continuing without postfix)");
        postfix[0] = '\0';
    }
    return base + postfix;
}

bool HoldsClientExecutable(const ustring& bundle)
{
    const ustring client = bundle + "/" + kBundleClientExecutable;
    return access(client.c_str(), F_OK) == 0;
}

VerInfo VersionOf(const ustring& bundle)
{
    VerInfo version;
    ReadVersionFile(bundle + "/" + kBundleInfo, version);
    return version;
}

int NewestCompleteBackup(const ustring& app)
{
    int newest = kNoBackup;
    int newest_build = 0;
    for (int i = 0; i < kBackupNames; ++i) {
        const ustring backup = GetAppBackupDir(app, i);
        if (!HoldsClientExecutable(backup)) {
            continue;
        }
        const int build = BuildNumber(VersionOf(backup).build_version);
        if (newest == kNoBackup || build >= newest_build) {
            newest = i;
            newest_build = build;
        }
    }
    return newest;
}

InstallFound ClassifyInstall(const ustring& app)
{
    ustring name;
    switch (ReadInstallMark(app, name)) {
        case kNoInstallMark:
            return WithoutMarker(app);
        case kMarkNoBackup:
            return Found(InstallState::kNoCompleteBundle, kNoBackup);
        case kMarkNamesBackup: {
            const int named = BackupNamed(app, name);
            if (named != kNoBackup) {
                return Found(BackupExists(app, named) ? InstallState::kBackupKept : InstallState::kBackupGone, named);
            }
            break;  // a name that is none of ours: as an empty marker
        }
        case kMarkOldFormat:
            break;
    }
    const int first = FirstBackup(app);
    return Found(first == kNoBackup ? InstallState::kNoCompleteBundle : InstallState::kBackupKept, first);
}

ustring SettledBundle(const ustring& app, const InstallFound& found)
{
    switch (found.state) {
        case InstallState::kLostBundle:
        case InstallState::kBackupKept:
            return GetAppBackupDir(app, found.backup);
        case InstallState::kNoCompleteBundle:
            return ustring();
        case InstallState::kSettled:
        case InstallState::kBackupGone:
            break;
    }
    return app;
}

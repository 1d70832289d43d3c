// What carries over between runs in the per-user folder, and the one
// reading of it that both a start (which settles it first of all) and the
// status (which says what a start would do) go by. Reads only.
#ifndef VELMORA_LAUNCHER_INSTALL_STATE_H
#define VELMORA_LAUNCHER_INSTALL_STATE_H

#include "package/version-file.h"
#include "ustring.h"

// What an installation can leave on disk between two runs, and what the
// next run does with it first of all (Service::SettleUnfinishedInstall,
// before the versions are read). B is the bundle ("VelmoraDrive.app"), K a
// backup ("VelmoraDrive.app_tmp", "_tmp1" to "_tmp9"), M the marker
// ("VelmoraDrive.app_installing", cloud-service-install-mark.h). The rule:
// while there is no M, B is complete or absent; while M stands, B may be
// partial and the last complete bundle is in the backup that M names.
//
//   state              | M           | on disk                | the next run
//   -------------------+-------------+------------------------+----------------
//   kSettled           | none        | B complete, or no K    | keeps B, removes
//                      |             | complete; every K a    | every K
//                      |             | leftover               |
//   kLostBundle        | none        | B absent or without    | writes
//                      |             | its client executable, | "backup=K" for
//                      |             | a K complete (left by  | the K of the
//                      |             | a launcher that keeps  | highest build,
//                      |             | no M)                  | then as
//                      |             |                        | kBackupKept
//   kBackupKept        | "backup=K"  | K there; B partial,    | removes B,
//                      |             | absent, or complete    | renames K to B,
//                      |             | but not committed      | removes M
//   kBackupGone        | "backup=K"  | no K (cut short before | keeps B,
//                      |             | the backup, or after K | removes M
//                      |             | was moved back): B     |
//                      |             | complete               |
//   kNoCompleteBundle  | "backup="   | no complete bundle (a  | removes B and M;
//                      |             | first installation); B | the client is
//                      |             | partial or absent      | missing, so it
//                      |             |                        | installs again
//
// An M that is empty (written by earlier launchers, which moved B to the
// first free K and the partial B of a resumed run to a later one),
// unreadable, or names a backup none of ours reads as kBackupKept with the
// first K there, else as kNoCompleteBundle.
//
// Complete means holding the client executable, as the upgrade decision
// sees it. A B that cannot be removed is renamed to a free K other than the
// one M names, and is a leftover from then on. Settling only renames and
// removes, so it works on a full disk and whatever the upgrade decision; it
// says at WARNING which build it puts back. Leftovers are removed once per
// run, when it first settles; one that cannot be removed is named at NOTE.
// A copy of the package's INFO that the pre-flight left ("package-info.
// XXXXXX" in the per-user folder, info-copy.h) goes with them, unnamed.
// While M stands (settling failed) nothing is installed, and no client is
// started unless B is complete (kBackupGone).
//
// An installation (PrepareUserEnv) passes through the same rows: M names a
// free K before B is renamed to it; the package is extracted into B; on
// success the volume is flushed and M removed (the commit), then K; on
// failure, an M that cannot be removed included, it settles as the table
// says.
enum class InstallState {
    kSettled,
    kLostBundle,
    kBackupKept,
    kBackupGone,
    kNoCompleteBundle,
};
const int kInstallStates = 5;

// The first installation also moves the older product's data O
// ("~/.Larkspan/data") to the new data D ("~/.VelmoraDrive/data"), under
// the mark G ("data_migrating", cloud-service-migrate-mark.h), across
// volumes through the staging name S ("data_migrated"); the older folder L
// goes once D has arrived (cloud-service-migrate.cpp). A later run with the
// client in place once settled (MacService::RetryPendingMigration) goes on
// as Service::PendingMigration() reads G:
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
// the client only if a complete one is in place. At its end every run that
// decided anything leaves its record, "last-run" (last-run.h).

const int kBackupNames = 10;
// No backup holds a complete bundle: a first installation.
const int kNoBackup = -1;

// The state of the installation at the bundle path app, and the backup it
// concerns: for kLostBundle and kBackupKept the one settling puts back, for
// kBackupGone the one the marker names; kNoBackup otherwise.
struct InstallFound {
    InstallState state = InstallState::kSettled;
    int backup = kNoBackup;
};
InstallFound ClassifyInstall(const ustring& app);

// The folder whose content settling leaves at app: app itself, the backup
// it puts back, or empty when it removes what is there.
ustring SettledBundle(const ustring& app, const InstallFound& found);

// Backup number 0 is app + "_tmp", number n is app + "_tmp" + n.
ustring GetAppBackupDir(const ustring& app, int n);

// Complete as the upgrade decision sees it: the client executable is in the
// bundle folder `bundle` (app itself or a backup).
bool HoldsClientExecutable(const ustring& bundle);

// The version that the INFO in the bundle folder `bundle` states; empty
// fields when there is none.
VerInfo VersionOf(const ustring& bundle);

// The backup holding the complete bundle of the highest build (of equal
// builds the later backup), or kNoBackup.
int NewestCompleteBackup(const ustring& app);

#endif  // VELMORA_LAUNCHER_INSTALL_STATE_H

#ifndef VELMORA_LAUNCHER_CLOUD_SERVICE_H
#define VELMORA_LAUNCHER_CLOUD_SERVICE_H

#include <QString>

#include <memory>
#include <optional>
#include <string>

#include "install/install-layout.h"
#include "install/install-state.h"
#include "install/last-run.h"
#include "package/version-file.h"
#include "ustring.h"

class PackageSource;
struct PackageCheck;

// The upgrade service. Installs or upgrades the per-user client bundle from
// the package the launcher carries; platform steps (decision, order of the
// steps, stopping and starting the client) belong to the derived class.
// Results: int 0 success / negative failure; best-effort steps log and
// return nothing.
class Service {
public:
    // Reads the installation's layout from the path registry.
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

    // The user's home folder, base of every per-user path: cleaned, with
    // its links resolved when it exists.
    static QString GetUserInstallPath();
    // Copies a file or a folder tree; 0, or -1.
    int FSCopyPath(const ustring& src, const ustring& dst);
    // Removes the older product's aged "app" folder; runs on every launch.
    void RemoveAgedFolders();
    // The older product's data folder that a first installation moves
    // (MigrateService) before the package is extracted; empty when none.
    ustring DataToMigrate();
    // What a migration that an earlier run began still needs, with a NOTE
    // line: kMoveData when the older product's data still waits for a move
    // that may now succeed (one cut short, or one that failed, e.g. for lack
    // of room, once something changed or a day passed) and the new "data" is
    // absent or an empty folder, or when its arrived copy is still to be put
    // in place; kFinishMigration when only the old data's remains and the
    // older folder are left to remove. The caller stops the clients as the
    // step needs and calls MigrateService() again.
    enum MigrationStep { kNoMigration, kFinishMigration, kMoveData };
    MigrationStep PendingMigration();
    // Runs first in every run, before the versions are read: puts back the
    // last complete bundle of an installation that an earlier run left
    // unfinished and removes leftover backups (InstallState says how).
    // Renames and removals only, so it needs no free space. 0 when no
    // installation is unsettled; -1 when the marker stays.
    int SettleUnfinishedInstall();
    // True while the installation marker stands: nothing may be installed
    // over the bundle in place.
    bool IsInstallUnfinished();
    // True while the marker stands beside a bundle that may be partial:
    // nothing may be started from it. Beside a marker whose backup is gone
    // stands the complete bundle that settling keeps (install-state.h).
    bool MayBundleBePartial();
    // Surveys the package before anything is stopped or moved: 0 when it
    // can be installed (its entry count and its opened file are kept for
    // the extraction), -1 after one ERROR line naming the first problem
    // found. A package that merely cannot be read and carries no digest is
    // left to the extraction, which fails and puts the old bundle back.
    int PreflightPackage();
    // The package archive the launcher carries.
    ustring PackageArchivePath() const;
    // How the pre-flight checks the package, with or without a complete
    // client in place.
    PackageCheck PackageCheckFor(bool complete_client);
    // The upgrade decision on the numbers it compares: install when no
    // complete client is in place, or when the package's build is greater
    // and the launcher's INFO could be read (one that cannot be read pins
    // no build, so it replaces no client that is in place). why says which,
    // in a few words.
    struct Decision {
        bool install;
        const char* why;
    };
    Decision Decide(bool client_present, int source, int target) const;

    // What a start would do, asked without doing anything: what settling
    // would leave in place and what the decision and the retry of a data
    // move make of it. Reads only; settling is taken to succeed.
    struct StartForecast {
        InstallState state = InstallState::kSettled;
        ustring backup;     // the backup the state concerns; empty: none
        VerInfo installed;  // the version in place once settled; empty fields: none
        bool client_present = false;
        bool would_install = false;
        MigrationStep migration = kNoMigration;
    };
    StartForecast ForecastStart();

    const VerInfo& TargetVersion() const { return target_version; }
    // What the run decided and did so far (last-run.h). Until a client is
    // started the run is no-client, whatever it did before (a start that
    // threw included); after a failure its reason already names the cause.
    RunRecord Record() const;
    // The run installs nothing for a cause outside the service (no install
    // lock): it failed, for why.
    void RecordNothingInstalled(const std::string& why);

    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

protected:
    explicit Service(const InstallLayout& installation);

    int timeout;
    ustring user_app_path;
    // Where the installation lies, read from the registry once.
    InstallLayout layout;
    VerInfo target_version;
    VerInfo source_version;
    // Read with target_version: the package digest the launcher's INFO
    // records (empty: none), and whether that INFO could be read at all.
    // One that is there but cannot be read (a pipe, a device) gives the
    // package no build and no digest to be checked against.
    ustring target_package_sha256;
    bool target_info_readable = true;
    // Entries the pre-flight counted, so that the extraction does not read
    // the package once more to count them; 0 when it did not run.
    int package_entries = 0;
    // The package the pre-flight opened and checked, which the extraction
    // reads in turn; null when it did not run or could not open it.
    std::unique_ptr<PackageSource> package_source;
    // The first problem noted, in one line; empty when none.
    std::string problem;
    // Keeps what stands first: the cause, not what followed from it.
    void NoteProblem(const std::string& what);
    RunRecord record;
    // The decision, with why it went so: the builds it concerns and, when
    // nothing is to be installed, up-to-date, or failed while an
    // installation stays unsettled. An installation counts as failed until
    // RecordInstall says otherwise.
    void RecordDecision(const char* why, bool install);
    // A run that fell short with result, for the first problem noted.
    void RecordFailure(const char* result);
    // The installation's result, passed on: installed, or failed.
    int RecordInstall(int result);
    // A client was started; until then the record says none was.
    void RecordClientStarted() { record.client_started = true; }
    // Leftovers (backups, copies of the package's INFO) are looked at once
    // per run, when it first settles.
    bool leftovers_checked = false;
    // The ERROR line and the problem of a marker that could not be settled.
    void ReportUnsettled(const ustring& app);
    // What settling left, read once as it ends: IsInstallUnfinished and
    // MayBundleBePartial take it from here until the installation changes
    // the disk again, and ask the disk while it is unset.
    struct InstallLeft {
        bool unfinished;
        bool partial;
    };
    std::optional<InstallLeft> settled_install;
    void KeepSettledInstall();
};

#endif  // VELMORA_LAUNCHER_CLOUD_SERVICE_H

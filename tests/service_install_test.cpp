// Installing the package: backup names, extraction, rollback, FSCopyPath.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "file_kinds.h"
#include "file_op_test_util.h"
#include "install/install-state.h"
#include "named_rows.h"
#include "service/mac/mac-service.h"
#include "service_fixture.h"
#include "uipathmanager.h"

namespace {

using named_rows::operator<<;

class InstallTest : public ServiceFixture {};

TEST_F(InstallTest, FailedFirstInstallReportsNothingToRollBack)
{
    WriteFile(package, "not an archive");
    MacService service(*client_process);
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    EXPECT_EQ(LogCount("Failed to extract package, and no old installation to rollback"), 1);
}

// A first install that fails after writing the client and its INFO must not
// leave a bundle that later runs take for a complete one.
TEST_F(InstallTest, FailedFirstInstallLeavesNothingThatPassesForAClient)
{
    WriteFile(launcher_info, Info("5"));
    WriteArchive(package, {{"Contents/Resources/INFO", Info("5")},
                           {"Contents/MacOS/cloud-drive-ui", "new client 5"},
                           {"Contents/../../escape", "x"}});
    MacService service(*client_process);
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    EXPECT_FALSE(Exists(app));

    MacService next_run(*client_process);
    next_run.PreUpgrade();
    EXPECT_TRUE(next_run.IsNeedUpgrade());
}

// Records what the marker says while the package is extracted.
class MarkWatchingService : public MacService {
public:
    MarkWatchingService(ClientProcess& process, std::string mark) : MacService(process), mark(std::move(mark)) {}
    int ExtractPackage() override
    {
        ++extractions;
        seen = ServiceFixture::ReadFile(mark);
        return MacService::ExtractPackage();
    }

    std::string mark;
    std::string seen;
    int extractions = 0;
};

struct BackupNames {
    const char* name;
    bool road;  // the whole run, which settles first; else PrepareUserEnv() alone
    bool old_bundle;
    int stale;           // removable leftovers at the first backup names
    int stuck;           // mount points at the first backup names: cannot be removed or used
    const char* marked;  // what the marker says during extraction; nullptr: no extraction
    int failed_backups;  // "failed to backup" lines, the closing one included
    int leftovers;       // leftover backups the run tried to remove before its backup
};

class BackupNamesTest : public InstallTest, public ::testing::WithParamInterface<BackupNames> {};

// A taken backup name gets its ERROR line and the next one is tried; a run
// removes leftovers once, before its backup, so removable ones never block
// an upgrade; what cannot be removed is said at NOTE; the marker names the
// backup in use. No other line at ERROR or WARNING.
TEST_P(BackupNamesTest, MarkerNamesTheFirstFreeBackup)
{
    const BackupNames& row = GetParam();
    if (row.old_bundle) {
        InstallClient("1");
    }
    std::set<std::string> left = {"VelmoraDrive.app", "log"};
    for (int n = 0; n < row.stale + row.stuck; ++n) {
        const std::string name = "VelmoraDrive.app_tmp" + (n ? std::to_string(n) : "");
        if (n >= row.stale && !Mount(velmora + "/" + name, "64k")) {
            GTEST_SKIP() << "tmpfs cannot be mounted here";
        }
        WriteFile(velmora + "/" + name + "/stale", "stale");
        if (n >= row.stale || (!row.road && !row.marked)) {
            left.insert(name);
        }
    }
    WriteFile(launcher_info, Info("2"));
    WritePackage("2");
    Tree before = Snapshot(app);
    MarkWatchingService service(*client_process, app + "_installing");
    EXPECT_EQ(row.road ? RunRoad(service) : service.PrepareUserEnv(), row.marked ? 0 : -1);
    EXPECT_EQ(service.seen, row.marked ? row.marked : "");
    EXPECT_EQ(service.extractions, row.marked ? 1 : 0);
    EXPECT_EQ(ReadFile(ui), row.marked ? "new client 2" : "old client 1");
    EXPECT_EQ(LogCount("failed to backup app from"), row.failed_backups);
    EXPECT_EQ(LogCount("VelmoraDrive.app_tmp9' at max retries, exiting"), row.marked ? 0 : 1);
    EXPECT_EQ(LogCount("[ERROR]"), row.failed_backups);
    EXPECT_EQ(LogCount("[WARNING]"), 0);
    EXPECT_EQ(LogCount("removing leftover backup"), row.leftovers);
    EXPECT_EQ(LogCount("[NOTE] cloud-service("), row.road ? row.stuck : 0);
    EXPECT_EQ(TopLevel(velmora), left);
    if (!row.marked) {
        EXPECT_EQ(Snapshot(app), before);
    }
    EXPECT_EQ(recorder.started.size(), row.road ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Leftovers, BackupNamesTest,
    ::testing::Values(BackupNames{"first_install", false, false, 0, 0, "backup=\n", 0, 0},
                      BackupNames{"ten_stale_run", true, true, 10, 0, "backup=VelmoraDrive.app_tmp\n", 0, 10},
                      BackupNames{"first_stuck_run", true, true, 0, 1, "backup=VelmoraDrive.app_tmp1\n", 1, 1},
                      BackupNames{"all_stuck_run", true, true, 0, 10, nullptr, 11, 10}),
    named_rows::RowName());

class StuckBundleTest : public InstallTest {
public:
    using ServiceFixture::client_process;
    bool MountAt(const std::string& path) { return Mount(path, "64k"); }
};

// Extraction that leaves a mount point at the bundle path: the partial
// bundle cannot be removed, so the backup cannot be moved back.
class StuckBundleService : public MacService {
public:
    StuckBundleService(StuckBundleTest* test, std::string path)
        : MacService(*test->client_process), test(test), path(std::move(path))
    {
    }
    int ExtractPackage() override
    {
        mounted = test->MountAt(path);
        return -1;
    }

    StuckBundleTest* test;
    std::string path;
    bool mounted = false;
};

// The marker then stays: later runs neither install over nor start the
// bundle in place until one of them can put the old bundle back.
TEST_F(StuckBundleTest, OldBundleKeptWhenItCannotBeMovedBack)
{
    InstallClient("120");
    Tree before = Snapshot(app);
    StuckBundleService service(this, app);
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    if (!service.mounted) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    EXPECT_EQ(Snapshot(app + "_tmp"), before);
    EXPECT_EQ(LogCount("the old installation is kept there"), 1);
    EXPECT_EQ(ReadFile(app + "_installing"), "backup=VelmoraDrive.app_tmp\n");

    WriteFile(launcher_info, Info("121"));
    WritePackage("121");
    WriteFile(ui, "partial");
    MacService stuck_run(*client_process);
    EXPECT_EQ(RunRoad(stuck_run), 1);
    EXPECT_TRUE(recorder.started.empty());
    EXPECT_EQ(LogCount("could not be settled; no client is started"), 1);

    ASSERT_EQ(umount(app.c_str()), 0);
    MacService settled_run(*client_process);
    EXPECT_EQ(RunRoad(settled_run), 0);
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
    EXPECT_EQ(recorder.started.size(), 1u);
}

// Extraction that leaves a partial bundle with a mount point inside: it
// cannot be removed, but it can be moved as a whole.
class StuckPartialService : public MacService {
public:
    StuckPartialService(StuckBundleTest* test, std::string app)
        : MacService(*test->client_process), test(test), app(std::move(app))
    {
    }
    int ExtractPackage() override
    {
        ServiceFixture::WriteFile(app + "/Contents/MacOS/cloud-drive-ui", "partial");
        mounted = test->MountAt(app + "/Contents/Frameworks");
        return -1;
    }

    StuckBundleTest* test;
    std::string app;
    bool mounted = false;
};

struct StuckPartial {
    const char* name;
    bool old_bundle;
};

class StuckPartialTest : public StuckBundleTest, public ::testing::WithParamInterface<StuckPartial> {};

TEST_P(StuckPartialTest, UnremovablePartialBundleIsMovedAside)
{
    if (GetParam().old_bundle) {
        InstallClient("120");
    }
    Tree before = Snapshot(app);
    StuckPartialService service(this, app);
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    std::string aside = app + (GetParam().old_bundle ? "_tmp1" : "_tmp");
    umount((aside + "/Contents/Frameworks").c_str());
    if (!service.mounted) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    EXPECT_EQ(Snapshot(app), before);
    EXPECT_EQ(ReadFile(aside + "/Contents/MacOS/cloud-drive-ui"), "partial");
    EXPECT_EQ(LogCount("could not be removed, moved to '" + aside + "'"), 1);
    EXPECT_EQ(LogCount("the old installation is kept there"), 0);
}

INSTANTIATE_TEST_SUITE_P(Installs, StuckPartialTest,
                         ::testing::Values(StuckPartial{"upgrade", true}, StuckPartial{"first_install", false}),
                         named_rows::RowName());

// What a run finds after earlier runs were cut short: the marker, the last
// complete bundle (build 120) under one name, partial bundles (build 121,
// with a client executable) under others, and bundles without their client
// executable. Names are suffixes of the bundle's: "" is the bundle itself,
// "_tmp1" backup number 1.
struct Unsettled {
    const char* name;
    const char* marker;    // its content; nullptr: no marker
    const char* complete;  // nullptr: no complete bundle
    std::vector<std::string> partial;
    std::vector<std::string> without_client;
    const char* older;   // a complete bundle of build 119; nullptr: none
    bool draft;          // a half-written marker
    bool settles;        // the run says at WARNING what it puts back
    InstallState state;  // how settling reads it
};

class UnsettledTest : public InstallTest, public ::testing::WithParamInterface<std::tuple<Unsettled, bool>> {};

// Whether the retry succeeds or fails, it never keeps or starts a partial
// bundle, never removes the last complete one, and it leaves nothing beside
// the bundle.
TEST_P(UnsettledTest, NextRunEndsWithACompleteBundle)
{
    const Unsettled& row = std::get<0>(GetParam());
    const bool good_package = std::get<1>(GetParam());
    if (row.older) {
        WriteFile(app + row.older + "/Contents/Resources/INFO", Info("119"));
        WriteFile(app + row.older + "/Contents/MacOS/cloud-drive-ui", "old client 119");
    }
    if (row.complete) {
        WriteFile(app + row.complete + "/Contents/Resources/INFO", Info("120"));
        WriteFile(app + row.complete + "/Contents/MacOS/cloud-drive-ui", "old client 120");
    }
    for (const std::string& name : row.partial) {
        WriteFile(app + name + "/Contents/Resources/INFO", Info("121"));
        WriteFile(app + name + "/Contents/MacOS/cloud-drive-ui", "partial");
    }
    for (const std::string& name : row.without_client) {
        WriteFile(app + name + "/Contents/Resources/INFO", Info("121"));
    }
    if (row.marker) {
        WriteFile(app + "_installing", row.marker);
    }
    if (row.draft) {
        WriteFile(app + "_installing.new", "backup=Velmo");
    }
    WriteFile(launcher_info, Info("121"));
    if (good_package) {
        WritePackage("121");
    } else {
        WriteFile(package, "not an archive");
    }

    // The status reads it as settling does, and changes nothing.
    const Tree unsettled = Snapshot(velmora);
    EXPECT_EQ(ClassifyInstall(app).state, row.state);
    MacService status(*client_process);
    const Service::StartForecast forecast = status.ForecastStart();
    EXPECT_EQ(forecast.state, row.state);
    EXPECT_EQ(std::string(forecast.installed.build_version.c_str()), row.complete ? "120" : "");
    EXPECT_TRUE(forecast.would_install);
    EXPECT_EQ(Snapshot(velmora), unsettled);

    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), good_package ? 0 : -1);
    const char* client = good_package ? "new client 121" : row.complete ? "old client 120" : nullptr;
    if (client) {
        EXPECT_EQ(ReadFile(ui), client);
        EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
        ASSERT_EQ(recorder.started.size(), 1u);
        EXPECT_EQ(recorder.started[0][0].toStdString(), ui);
    } else {
        EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"log"}));
    }
    std::string said = "kept no complete bundle, removing what it left\n";
    if (row.complete && *row.complete) {
        said = "did not finish, putting back build 120 from '" + app + row.complete + "'\n";
    } else if (row.complete) {
        said = "did not finish, keeping build 120 in place\n";
    }
    // A package that is no archive adds the pre-flight's own WARNING.
    const int unreadable = good_package ? 0 : 1;
    EXPECT_EQ(LogCount("its extraction is tried as it is"), unreadable);
    EXPECT_EQ(LogCount("[WARNING] cloud-service("), (row.settles ? 1 : 0) + unreadable);
    EXPECT_EQ(LogCount(said), row.settles ? 1 : 0) << said;
}

const std::vector<std::string> kTenBackups = {"_tmp",  "_tmp1", "_tmp2", "_tmp3", "_tmp4",
                                              "_tmp5", "_tmp6", "_tmp7", "_tmp8", "_tmp9"};

const Unsettled kUnsettled[] = {
    {"extracting", "backup=VelmoraDrive.app_tmp\n", "_tmp", {""}, {}, nullptr, false, true, InstallState::kBackupKept},
    {"named_over_lowest",
     "backup=VelmoraDrive.app_tmp1\n",
     "_tmp1",
     {"", "_tmp"},
     {},
     nullptr,
     false,
     true,
     InstallState::kBackupKept},
    {"backed_up", "backup=VelmoraDrive.app_tmp\n", "_tmp", {}, {}, nullptr, false, true, InstallState::kBackupKept},
    {"marked_before_backup",
     "backup=VelmoraDrive.app_tmp\n",
     "",
     {},
     {},
     nullptr,
     false,
     true,
     InstallState::kBackupGone},
    {"first_install", "backup=\n", nullptr, {""}, {}, nullptr, false, true, InstallState::kNoCompleteBundle},
    {"older_marker", "", "_tmp", {"", "_tmp1", "_tmp2"}, {}, nullptr, false, true, InstallState::kBackupKept},
    {"older_marker_first_install", "", nullptr, {""}, {}, nullptr, false, true, InstallState::kNoCompleteBundle},
    {"foreign_name", "backup=../../elsewhere\n", "_tmp", {""}, {}, nullptr, false, true, InstallState::kBackupKept},
    {"ten_leftovers", nullptr, "", kTenBackups, {}, nullptr, false, false, InstallState::kSettled},
    {"marker_half_written", nullptr, "", {}, {}, nullptr, true, false, InstallState::kSettled},
    // Left by a launcher that keeps no marker, cut short after its backup or
    // in its extraction: the only complete bundle is a backup.
    {"unmarked_backed_up", nullptr, "_tmp", {}, {}, nullptr, false, true, InstallState::kLostBundle},
    {"unmarked_extracting", nullptr, "_tmp", {}, {""}, nullptr, false, true, InstallState::kLostBundle},
    {"unmarked_newest_of_two", nullptr, "_tmp1", {}, {"", "_tmp2"}, "_tmp", false, true, InstallState::kLostBundle},
};

// Every state settling knows has its rows.
TEST(UnsettledStates, EveryStateHasARow)
{
    for (int state = 0; state < kInstallStates; ++state) {
        EXPECT_TRUE(std::any_of(std::begin(kUnsettled), std::end(kUnsettled),
                                [state](const Unsettled& row) { return static_cast<int>(row.state) == state; }))
            << "no row for state " << state;
    }
}

INSTANTIATE_TEST_SUITE_P(States, UnsettledTest, ::testing::Combine(::testing::ValuesIn(kUnsettled), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_good" : "_bad");
                         });

// A marker that is a named pipe is read as one of unknown content, never
// waited on: the run that holds the install lock must not hang on it.
TEST_F(InstallTest, MarkerThatIsANamedPipeIsSettled)
{
    InstallClient("120");
    WriteFile(app + "_tmp/Contents/MacOS/cloud-drive-ui", "old client 119");
    ASSERT_EQ(mkfifo((app + "_installing").c_str(), 0644), 0);
    MacService service(*client_process);
    EXPECT_EQ(file_kinds::ReturnsInTime<int>("a run", [&service] { return RunRoad(service); }), 1);
    EXPECT_EQ(ReadFile(ui), "old client 119");
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
    EXPECT_EQ(recorder.started.size(), 1u);
}

// A marker that cannot be written would let a run cut short leave a
// partial bundle unmarked: the installation does not begin.
TEST_F(InstallTest, UncreatableBundleFolderFailsBeforeExtracting)
{
    WriteFile(root + "/file", "x");
    UIPathManager::getInstance()->setPath("user_velmora_drive_app_path",
                                          QString::fromStdString(root + "/file/VelmoraDrive.app"));
    WritePackage("2");
    MacService service(*client_process);
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    EXPECT_EQ(LogCount("cannot write the installation marker '" + root + "/file/VelmoraDrive.app_installing'"), 1);
    EXPECT_EQ(LogCount("extract package:"), 0);
    EXPECT_EQ(LogCount("cannot remove the installation marker"), 0);
}

TEST_F(InstallTest, CopyPathCopiesTreeAndRefusesBadInput)
{
    WriteFile(root + "/src/a.txt", "a");
    WriteFile(root + "/src/sub/b.txt", "b");
    MacService service(*client_process);
    EXPECT_EQ(service.FSCopyPath((root + "/src").c_str(), (root + "/dst").c_str()), 0);
    EXPECT_EQ(Snapshot(root + "/dst"), Snapshot(root + "/src"));

    EXPECT_EQ(service.FSCopyPath((root + "/none").c_str(), (root + "/x").c_str()), -1);
    EXPECT_EQ(service.FSCopyPath((root + "/src").c_str(), (root + "/src/sub/copy").c_str()), -1);
    EXPECT_FALSE(Exists(root + "/src/sub/copy"));
}

// A listing cut short by a read error is no complete copy.
TEST_F(InstallTest, CopyPathOfFolderWithReadErrorFails)
{
    REQUIRE_ROOT();
    fop_test::CorruptFolder corrupt(root + "/image", root + "/mnt");
    REQUIRE_CORRUPT_FOLDER(corrupt);
    MacService service(*client_process);
    EXPECT_EQ(service.FSCopyPath(corrupt.path().c_str(), (root + "/copy").c_str()), -1);
    EXPECT_EQ(LogCount("FSCopyPath: failed to list source folder '" + corrupt.path() + "'"), 1);
}

}  // namespace

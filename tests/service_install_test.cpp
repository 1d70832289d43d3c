// Installing the package: backup names, extraction, rollback, FSCopyPath.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_op_test_util.h"
#include "mac-service.h"
#include "uipathmanager.h"
#include "service_fixture.h"
#include "unprivileged.h"

namespace {

class InstallTest : public ServiceFixture {};

struct BadPackage {
    const char* name;
    Entries entries;  // empty: the package is not an archive at all
};

class BadPackageTest : public InstallTest, public ::testing::WithParamInterface<BadPackage> {};

TEST_P(BadPackageTest, RollsBackToIdenticalOldBundle)
{
    InstallClient("120");
    WriteFile(app + "/Contents/Resources/extra.bin", std::string("\0\1\2", 3));
    if (GetParam().entries.empty()) {
        WriteFile(package, "not an archive");
    } else {
        WriteArchive(package, GetParam().entries);
    }
    Tree before = Snapshot(app);
    MacService service;
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    EXPECT_EQ(Snapshot(app), before);
    EXPECT_FALSE(Exists(app + "_tmp"));
    EXPECT_EQ(LogCount("Failed to extract package, rollback to old installation"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Packages, BadPackageTest,
    ::testing::Values(BadPackage{"garbage", {}},
                      BadPackage{"dotdot", {{"Contents/MacOS/cloud-drive-ui", "new"},
                                            {"Contents/../../escape", "x"}}},
                      BadPackage{"no_client", {{"Contents/Resources/INFO", "[Version]\nbuild_version=121\n"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallTest, FailedFirstInstallReportsNothingToRollBack)
{
    WriteFile(package, "not an archive");
    MacService service;
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
    MacService service;
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    EXPECT_FALSE(Exists(app));

    MacService next_run;
    next_run.PreUpgrade();
    EXPECT_TRUE(next_run.IsNeedUpgrade());
}

TEST_F(InstallTest, BlockedFirstBackupNameUsesNextAndBothGo)
{
    InstallClient("1");
    WriteFile(app + "_tmp/stale", "stale");
    WritePackage("2");
    MacService service;
    EXPECT_EQ(service.PrepareUserEnv(), 0);
    EXPECT_EQ(ReadFile(ui), "new client 2");
    EXPECT_EQ(LogCount("failed to backup app from"), 1);
    EXPECT_FALSE(Exists(app + "_tmp"));
    EXPECT_FALSE(Exists(app + "_tmp1"));
}

TEST_F(InstallTest, AllBackupNamesBlockedChangesNothing)
{
    InstallClient("1");
    WriteFile(app + "_tmp/stale", "0");
    for (int n = 1; n <= 9; ++n) {
        WriteFile(app + "_tmp" + std::to_string(n) + "/stale", std::to_string(n));
    }
    WritePackage("2");
    Tree before = Snapshot(velmora);
    MacService service;
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    EXPECT_EQ(Snapshot(velmora), before);
    EXPECT_EQ(LogCount("failed to backup app from"), 11);
    EXPECT_EQ(LogCount("VelmoraDrive.app_tmp9' at max retries, exiting"), 1);
    EXPECT_EQ(LogCount("extract package:"), 0);
}

TEST_F(InstallTest, StaleBackupRemovedAfterFirstInstall)
{
    WriteFile(app + "_tmp/stale", "stale");
    WritePackage("2");
    MacService service;
    EXPECT_EQ(service.PrepareUserEnv(), 0);
    EXPECT_FALSE(Exists(app + "_tmp"));
}

class StuckBundleTest : public InstallTest {
public:
    bool MountAt(const std::string& path) { return Mount(path, "64k"); }
};

// Extraction that leaves a mount point at the bundle path: the partial
// bundle cannot be removed, so the backup cannot be moved back.
class StuckBundleService : public MacService {
public:
    StuckBundleService(StuckBundleTest* test, std::string path) : test(test), path(std::move(path)) {}
    int ExtractPackage() override
    {
        mounted = test->MountAt(path);
        return -1;
    }

    StuckBundleTest* test;
    std::string path;
    bool mounted = false;
};

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
}

// Extraction that leaves a partial bundle with a mount point inside: it
// cannot be removed, but it can be moved as a whole.
class StuckPartialService : public MacService {
public:
    StuckPartialService(StuckBundleTest* test, std::string app) : test(test), app(std::move(app)) {}
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

class StuckPartialTest : public StuckBundleTest,
                         public ::testing::WithParamInterface<StuckPartial> {};

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
                         ::testing::Values(StuckPartial{"upgrade", true},
                                           StuckPartial{"first_install", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallTest, UncreatableBundleFolderFailsBeforeExtracting)
{
    WriteFile(root + "/file", "x");
    UIPathManager::getInstance()->setPath("user_velmora_drive_app_path",
                                          QString::fromStdString(root + "/file/VelmoraDrive.app"));
    WritePackage("2");
    MacService service;
    EXPECT_EQ(service.PrepareUserEnv(), -1);
    EXPECT_EQ(LogCount("failed to create folder: '" + root + "/file/VelmoraDrive.app'"), 1);
    EXPECT_EQ(LogCount("extract package:"), 0);
}

TEST_F(InstallTest, CopyPathCopiesTreeAndRefusesBadInput)
{
    WriteFile(root + "/src/a.txt", "a");
    WriteFile(root + "/src/sub/b.txt", "b");
    MacService service;
    EXPECT_EQ(service.FSCopyPath((root + "/src").c_str(), (root + "/dst").c_str()), 0);
    EXPECT_EQ(Snapshot(root + "/dst"), Snapshot(root + "/src"));

    EXPECT_EQ(service.FSCopyPath((root + "/none").c_str(), (root + "/x").c_str()), -1);
    EXPECT_EQ(service.FSCopyPath((root + "/src/a.txt").c_str(), (root + "/no/dir/a").c_str()), -1);
    EXPECT_EQ(service.FSCopyPath((root + "/src").c_str(), (root + "/src/sub/copy").c_str()), -1);
    EXPECT_FALSE(Exists(root + "/src/sub/copy"));
}

// A listing cut short by a read error is no complete copy.
TEST_F(InstallTest, CopyPathOfFolderWithReadErrorFails)
{
    REQUIRE_ROOT();
    fop_test::CorruptFolder corrupt(root + "/image", root + "/mnt");
    REQUIRE_CORRUPT_FOLDER(corrupt);
    MacService service;
    EXPECT_EQ(service.FSCopyPath(corrupt.path().c_str(), (root + "/copy").c_str()), -1);
    EXPECT_EQ(LogCount("FSCopyPath: failed to list source folder '" + corrupt.path() + "'"), 1);
}

TEST_F(InstallTest, CopyPathOfUnreadableFolderMakesEmptyCopy)
{
    WriteFile(root + "/locked/secret", "s");
    chmod((root + "/locked").c_str(), 0);
    chmod(root.c_str(), 0777);
    // Root reads any folder: the unreadable case needs an ordinary user.
    int status = unprivileged::RunAsNobody([this] {
        MacService service;
        return service.FSCopyPath((root + "/locked").c_str(), (root + "/copy").c_str()) == 0 ? 0 : 1;
    });
    if (status == unprivileged::kCannotDrop) {
        GTEST_SKIP() << "cannot drop to uid 65534";
    }
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(Snapshot(root + "/copy").empty());
    EXPECT_EQ(LogCount("failed to create handle  for src"), 1);
}

}  // namespace

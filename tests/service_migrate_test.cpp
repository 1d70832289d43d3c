// Moving the older product's data, and removing its aged "app" folder.
#include <sys/mount.h>

#include <filesystem>

#include "mac-service.h"
#include "service_fixture.h"
#include "uipathmanager.h"

namespace {

namespace fs = std::filesystem;

class MigrateTest : public ServiceFixture {
protected:
    void OldProduct()
    {
        WriteFile(larkspan + "/data/db", "records");
        WriteFile(larkspan + "/data/sub/notes", "notes");
        WriteFile(larkspan + "/settings.ini", "x=1");
    }
    void Migrate()
    {
        MacService service;
        service.MigrateService();
    }
    const Tree old_data{{"db", "records"}, {"sub", "<dir>"}, {"sub/notes", "notes"}};
};

TEST_F(MigrateTest, DataMovesAndOldFolderGoesWhenNewFolderIsMissing)
{
    fs::remove_all(velmora);
    OldProduct();
    Migrate();
    EXPECT_EQ(Snapshot(velmora + "/data"), old_data);
    EXPECT_FALSE(Exists(larkspan));
    EXPECT_FALSE(Exists(velmora + "/data_migrating"));
    EXPECT_EQ(LogCount("[INFO] cloud-service(" ), 2);
    EXPECT_EQ(LogCount("moved the older product's data '" + larkspan + "/data' -> '" + velmora + "/data'\n"), 1);
    EXPECT_EQ(LogCount("removed the older product's folder '" + larkspan + "'\n"), 1);
}

TEST_F(MigrateTest, OldFolderWithoutDataIsRemoved)
{
    WriteFile(larkspan + "/settings.ini", "x=1");
    Migrate();
    EXPECT_FALSE(Exists(larkspan));
    EXPECT_FALSE(Exists(velmora + "/data"));
}

TEST_F(MigrateTest, EmptyNewDataFolderIsReplaced)
{
    OldProduct();
    fs::create_directories(velmora + "/data");
    Migrate();
    EXPECT_EQ(Snapshot(velmora + "/data"), old_data);
    EXPECT_FALSE(Exists(larkspan));
}

TEST_F(MigrateTest, ExistingNewDataKeepsBothCopies)
{
    OldProduct();
    WriteFile(velmora + "/data/db", "newer records");
    Migrate();
    EXPECT_EQ(Snapshot(velmora + "/data"), (Tree{{"db", "newer records"}}));
    EXPECT_EQ(Snapshot(larkspan + "/data"), old_data);
    EXPECT_TRUE(Exists(larkspan + "/settings.ini"));
    EXPECT_EQ(LogCount("already exists, keeping the old data at"), 1);
}

// Two runs as the launcher makes them: the first finds too little room on
// the new folder's volume and moves nothing; the second, once there is room,
// sees the migration pending and moves the data whole.
TEST_F(MigrateTest, MoveThatFailsHalfWayIsTriedAgainUntilTheDataArrives)
{
    if (!Mount(velmora, "64k")) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    for (int i = 0; i < 8; ++i) {
        WriteFile(larkspan + "/data/file" + std::to_string(i), std::string(20000, static_cast<char>('a' + i)));
    }
    const Tree data = Snapshot(larkspan + "/data");
    auto later_run = [] {
        MacService service;
        service.PreUpgrade();
    };
    Migrate();
    InstallClient("120");
    later_run();  // still no room
    EXPECT_EQ(LogCount("Failed to move data to Velmora Drive folder"), 2);
    EXPECT_EQ(Snapshot(larkspan + "/data"), data);
    const Tree client_only = Snapshot(velmora);
    EXPECT_EQ(client_only.count("data"), 0u) << "a partial copy is left";
    EXPECT_EQ(client_only.count("data_migrating"), 1u);
    EXPECT_EQ(client_only.size(), Snapshot(app).size() + 2) << "something beside the bundle";

    ASSERT_EQ(mount("tmpfs", velmora.c_str(), "tmpfs", MS_REMOUNT, "size=4m"), 0);
    later_run();
    EXPECT_EQ(Snapshot(velmora + "/data"), data);
    EXPECT_FALSE(Exists(larkspan));
    EXPECT_FALSE(Exists(velmora + "/data_migrating"));
    later_run();  // nothing pending any more
    EXPECT_EQ(LogCount("has not been moved to '" + velmora + "/data' yet, moving it again"), 2);
}

// Pending exactly while a begun migration's old data waits and nothing is
// in its way.
TEST_F(MigrateTest, MigrationIsPendingWhileTheOldDataWaits)
{
    const struct {
        const char* name;
        bool begun;
        bool old_data;
        const char* new_data;  // nullptr: absent, "": empty folder, else a file in it
        bool pending;
    } rows[] = {
        {"no old data", true, false, nullptr, false},
        {"old data, nothing new", true, true, nullptr, true},
        {"old data, empty new folder", true, true, "", true},
        {"old data, new data in the way", true, true, "db", false},
        {"no old data, new data", true, false, "db", false},
        {"old data of a product still in use", false, true, nullptr, false},
    };
    for (const auto& row : rows) {
        fs::remove_all(larkspan);
        fs::remove_all(velmora + "/data");
        fs::remove(velmora + "/data_migrating");
        if (row.begun) {
            WriteFile(velmora + "/data_migrating", "");
        }
        if (row.old_data) {
            OldProduct();
        }
        if (row.new_data != nullptr) {
            fs::create_directories(velmora + "/data");
            if (*row.new_data != '\0') {
                WriteFile(velmora + "/data/" + row.new_data, "newer");
            }
        }
        const int notes = LogCount("[NOTE]");
        MacService service;
        EXPECT_EQ(service.IsMigrationPending(), row.pending) << row.name;
        EXPECT_EQ(LogCount("[NOTE]") - notes, row.pending ? 1 : 0) << row.name;
    }
}

TEST_F(MigrateTest, UncreatableNewFolderTouchesNothing)
{
    WriteFile(root + "/file", "a file in the way");
    UIPathManager::getInstance()->setPath("user_velmora_drive_path",
                                          QString::fromStdString(root + "/file/.VelmoraDrive"));
    OldProduct();
    Tree before = Snapshot(larkspan);
    Migrate();
    EXPECT_EQ(Snapshot(larkspan), before);
    EXPECT_EQ(LogCount("Failed to create Velmora Drive folder"), 1);
}

struct Aged {
    const char* name;
    bool app_folder;
    bool app_link;
};

class AgedTest : public MigrateTest, public ::testing::WithParamInterface<Aged> {};

TEST_P(AgedTest, RemovesOnlyTheAppFolder)
{
    WriteFile(larkspan + "/data/db", "records");
    WriteFile(root + "/elsewhere/keep", "keep");
    if (GetParam().app_folder) {
        WriteFile(larkspan + "/app/bin", "old app");
    }
    if (GetParam().app_link) {
        fs::create_directory_symlink(root + "/elsewhere", larkspan + "/app");
    }
    MacService service;
    service.RemoveAgedFolders();
    EXPECT_FALSE(Exists(larkspan + "/app"));
    EXPECT_EQ(ReadFile(larkspan + "/data/db"), "records");
    EXPECT_EQ(ReadFile(root + "/elsewhere/keep"), "keep");
    EXPECT_EQ(LogCount("[INFO] cloud-service"), 1);
    EXPECT_EQ(LogCount("removing aged app folder " + larkspan + "/app\n"), 1);
}

INSTANTIATE_TEST_SUITE_P(Folders, AgedTest,
                         ::testing::Values(Aged{"absent", false, false},
                                           Aged{"folder", true, false},
                                           Aged{"link", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MigrateTest, UnregisteredOlderFolderIsNeverGuessed)
{
    UIPathManager::getInstance()->setPath("user_larkspan_path", QString());
    MacService service;
    service.MigrateService();
    service.RemoveAgedFolders();
    EXPECT_EQ(LogCount("are not registered, no migration"), 1);
    EXPECT_EQ(LogCount("is not registered, no aged folder removed"), 1);
    EXPECT_EQ(LogCount("removing aged app folder"), 0);
}

}  // namespace

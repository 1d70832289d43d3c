// Moving the older product's data, and removing its aged "app" folder.
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

TEST_F(MigrateTest, MoveThatFailsHalfWayLosesNothing)
{
    if (!Mount(velmora, "64k")) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    std::map<std::string, std::string> files;
    for (int i = 0; i < 8; ++i) {
        std::string name = "file" + std::to_string(i);
        files[name] = std::string(20000, static_cast<char>('a' + i));
        WriteFile(larkspan + "/data/" + name, files[name]);
    }
    Migrate();
    EXPECT_EQ(LogCount("Failed to move data to Velmora Drive folder"), 1);
    EXPECT_TRUE(Exists(larkspan + "/data"));
    for (const auto& [name, content] : files) {
        bool kept = ReadFile(larkspan + "/data/" + name) == content ||
                    ReadFile(velmora + "/data/" + name) == content;
        EXPECT_TRUE(kept) << name;
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

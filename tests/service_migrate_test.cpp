// Moving the older product's data, and removing its aged "app" folder.
#include <sys/mount.h>

#include <filesystem>
#include <functional>
#include <set>

#include "named_rows.h"
#include "service/mac/mac-service.h"
#include "service_fixture.h"
#include "uipathmanager.h"

namespace {

using named_rows::operator<<;

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
        MacService service(*client_process);
        service.MigrateService();
    }
    const Tree old_data{{"db", "records"}, {"sub", "<dir>"}, {"sub/notes", "notes"}};

public:
    const std::string& Velmora() const { return velmora; }
    const std::string& Larkspan() const { return larkspan; }
};

TEST_F(MigrateTest, EmptyNewDataFolderIsReplaced)
{
    OldProduct();
    fs::create_directories(velmora + "/data");
    Migrate();
    EXPECT_EQ(Snapshot(velmora + "/data"), old_data);
    EXPECT_FALSE(Exists(larkspan));
}

// What a later run does after a first install whose move failed for lack
// of room on the new folder's volume: it tries again, stopping the client
// for it, only when the move may now succeed, and says why.
struct Retry {
    const char* name;
    std::function<void(MigrateTest& test)> change;
    const char* reason;  // in the NOTE line; nullptr: not tried again
    bool arrives;
};

class RetryTest : public MigrateTest, public ::testing::WithParamInterface<Retry> {
public:
    // The mark as the failed move left it, with its time moved by shift.
    void ShiftFailure(long shift)
    {
        std::string mark = ReadFile(velmora + "/data_migrating");
        const size_t at = mark.find("failed=") + 7;
        const long failed = atol(mark.c_str() + at);
        mark.replace(at, mark.find('\n', at) - at, std::to_string(failed + shift));
        WriteFile(velmora + "/data_migrating", mark);
    }
};

TEST_P(RetryTest, TriedAgainOnlyWhenItMaySucceed)
{
    if (!Mount(velmora, "64k")) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    for (int i = 0; i < 8; ++i) {
        WriteFile(larkspan + "/data/file" + std::to_string(i), std::string(20000, static_cast<char>('a' + i)));
    }
    Migrate();
    ASSERT_EQ(LogCount("Failed to move data to Velmora Drive folder"), 1);
    ASSERT_NE(ReadFile(velmora + "/data_migrating").find("failed="), std::string::npos);
    InstallClient("120");
    GetParam().change(*this);
    const Tree data = Snapshot(larkspan + "/data");

    MacService service(*client_process);
    service.PreUpgrade();
    const std::string stop = "pid file '" + velmora + "/ui.pid' does not exist";
    const char* reason = GetParam().reason;
    EXPECT_EQ(LogCount(stop), reason ? 1 : 0) << "the client is stopped only for a try";
    EXPECT_EQ(
        LogCount("has not been moved to '" + velmora + "/data' yet, moving it again: " + (reason ? reason : "") + "\n"),
        reason ? 1 : 0);
    EXPECT_EQ(LogCount("nothing changed since the move failed, it is tried again once the data or the "
                       "room changes, or after "),
              reason ? 0 : 1);
    EXPECT_EQ(LogCount("Failed to move data to Velmora Drive folder"), reason && !GetParam().arrives ? 2 : 1);
    EXPECT_EQ(Snapshot(velmora + "/data"), GetParam().arrives ? data : Tree());
    EXPECT_EQ(Exists(larkspan), !GetParam().arrives);
    EXPECT_EQ(Exists(velmora + "/data_migrating"), !GetParam().arrives);
    EXPECT_EQ(TopLevel(velmora), GetParam().arrives ? (std::set<std::string>{"VelmoraDrive.app", "data"})
                                                    : (std::set<std::string>{"VelmoraDrive.app", "data_migrating"}));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RetryTest,
    ::testing::Values(
        Retry{"nothing_changed", [](MigrateTest&) {}, nullptr, false},
        Retry{"more_room",
              [](MigrateTest& test) {
                  ASSERT_EQ(mount("tmpfs", test.Velmora().c_str(), "tmpfs", MS_REMOUNT, "size=4m"), 0);
              },
              "there is more room for it now", true},
        Retry{"data_changed",
              [](MigrateTest& test) {
                  for (int i = 1; i < 8; ++i) {
                      fs::remove(test.Larkspan() + "/data/file" + std::to_string(i));
                  }
              },
              "the data changed since it failed", true},
        Retry{"a_day_passed", [](MigrateTest& test) { static_cast<RetryTest&>(test).ShiftFailure(-86400); },
              "a day has passed since it failed", false},
        Retry{"clock_set_back", [](MigrateTest& test) { static_cast<RetryTest&>(test).ShiftFailure(2 * 86400); },
              "a day has passed since it failed", false},
        Retry{"cut_short", [](MigrateTest& test) { ServiceFixture::WriteFile(test.Velmora() + "/data_migrating", ""); },
              "the last move was cut short", false}),
    named_rows::RowName());

// What a run cut short in the middle of a move leaves, and what the next
// run makes of it: the data whole at the new place, nothing of the older
// product left, and the client stopped only when the new data is touched.
struct CutShort {
    const char* name;
    const char* mark;
    bool old_data;      // whole at the old place
    bool old_half;      // partly removed
    const char* where;  // where the data is whole: "data", "data_migrated", or nullptr
    int stops;          // of the new client
};

class CutShortMoveTest : public MigrateTest, public ::testing::WithParamInterface<CutShort> {};

TEST_P(CutShortMoveTest, NextRunFinishesTheMove)
{
    const CutShort& row = GetParam();
    InstallClient("120");
    OldProduct();
    WriteFile(larkspan + "/app/bin", "old app");
    if (row.where) {
        fs::copy(larkspan + "/data", velmora + "/" + row.where, fs::copy_options::recursive);
    }
    if (!row.old_data) {
        fs::remove_all(larkspan + "/data");
    } else if (row.old_half) {
        fs::remove_all(larkspan + "/data/sub");
    }
    WriteFile(velmora + "/data_migrating", row.mark);

    MacService service(*client_process);
    service.PreUpgrade();
    EXPECT_EQ(Snapshot(velmora + "/data"), old_data);
    EXPECT_FALSE(Exists(larkspan));
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "data", "log"}));
    EXPECT_EQ(LogCount("pid file '" + velmora + "/ui.pid' does not exist"), row.stops);
    EXPECT_EQ(LogCount("[ERROR]"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    States, CutShortMoveTest,
    ::testing::Values(CutShort{"copied_not_marked", "state=copying\n", true, false, "data_migrated", 1},
                      CutShort{"arrived_not_in_place", "state=arrived\n", true, false, "data_migrated", 1},
                      CutShort{"in_place", "state=arrived\n", true, false, "data", 0},
                      CutShort{"old_data_half_removed", "state=arrived\n", true, true, "data", 0},
                      CutShort{"old_data_removed", "state=arrived\n", false, false, "data", 0},
                      CutShort{"renamed_on_one_volume", "state=copying\n", false, false, "data", 0},
                      CutShort{"older_mark_renamed", "", false, false, "data", 0}),
    named_rows::RowName());

// Across volumes the data arrives whole with its links as links, also when
// the old "data" is itself a mount point, which then stays, empty.
TEST_F(MigrateTest, DataOnAnotherVolumeArrivesWithItsLinks)
{
    for (const bool data_mounted : {false, true}) {
        SCOPED_TRACE(data_mounted ? "the older data is a mount point" : "the new folder is another volume");
        fs::remove_all(velmora + "/data");
        if (!Mount(data_mounted ? larkspan + "/data" : velmora, "4m")) {
            GTEST_SKIP() << "tmpfs cannot be mounted here";
        }
        OldProduct();
        fs::create_symlink("sub/notes", larkspan + "/data/link");
        fs::create_symlink("/etc/passwd", larkspan + "/data/outside");
        Tree with_links = old_data;
        with_links["link"] = "notes";
        with_links["outside"] = ReadFile("/etc/passwd");
        Migrate();
        EXPECT_EQ(Snapshot(velmora + "/data"), with_links);
        EXPECT_EQ(fs::read_symlink(velmora + "/data/outside"), "/etc/passwd");
        EXPECT_FALSE(Exists(velmora + "/data_migrating"));
        EXPECT_FALSE(Exists(velmora + "/data_migrated"));
        EXPECT_EQ(Exists(larkspan + "/data"), data_mounted);
        EXPECT_TRUE(Snapshot(larkspan + "/data").empty());
        EXPECT_EQ(LogCount("Failed to move data to Velmora Drive folder"), 0);
    }
    EXPECT_EQ(LogCount("the folder is a mount point and stays, empty\n"), 1);
}

// Pending exactly while a begun migration's old data waits and nothing is
// in its way, or its arrived data waits to be put in place or the old data
// to be removed.
TEST_F(MigrateTest, MigrationIsPendingWhileTheOldDataWaits)
{
    const struct {
        const char* name;
        const char* mark;  // nullptr: none
        bool old_data;
        const char* new_data;  // nullptr: absent, "": empty folder, else a file in it
        bool staged;
        Service::MigrationStep step;
    } rows[] = {
        {"no old data", "", false, nullptr, false, Service::kFinishMigration},
        {"old data, nothing new", "", true, nullptr, false, Service::kMoveData},
        {"old data, empty new folder", "", true, "", false, Service::kMoveData},
        {"old data, new data in the way", "", true, "db", false, Service::kNoMigration},
        {"no old data, new data", "", false, "db", false, Service::kFinishMigration},
        {"old data of a product still in use", nullptr, true, nullptr, false, Service::kNoMigration},
        {"arrived, old data left", "state=arrived\n", true, "db", false, Service::kFinishMigration},
        {"arrived, not in place", "state=arrived\n", true, nullptr, true, Service::kMoveData},
        {"arrived, new data in the way", "state=arrived\n", true, "db", true, Service::kNoMigration},
    };
    // A start goes on with the move beside a complete client, so the
    // status says the same.
    InstallClient("120");
    for (const auto& row : rows) {
        fs::remove_all(larkspan);
        fs::remove_all(velmora + "/data");
        fs::remove_all(velmora + "/data_migrated");
        fs::remove(velmora + "/data_migrating");
        if (row.mark != nullptr) {
            WriteFile(velmora + "/data_migrating", row.mark);
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
        if (row.staged) {
            WriteFile(velmora + "/data_migrated/db", "records");
        }
        const int notes = LogCount("[NOTE]");
        MacService service(*client_process);
        EXPECT_EQ(service.PendingMigration(), row.step) << row.name;
        EXPECT_EQ(LogCount("[NOTE]") - notes, row.step != Service::kNoMigration ? 1 : 0) << row.name;
        MacService status(*client_process);
        EXPECT_EQ(status.ForecastStart().migration, row.step) << row.name;
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
    MacService service(*client_process);
    service.RemoveAgedFolders();
    EXPECT_FALSE(Exists(larkspan + "/app"));
    EXPECT_EQ(ReadFile(larkspan + "/data/db"), "records");
    EXPECT_EQ(ReadFile(root + "/elsewhere/keep"), "keep");
    EXPECT_EQ(LogCount("[INFO] cloud-service"), 1);
    EXPECT_EQ(LogCount("removing aged app folder " + larkspan + "/app\n"), 1);
}

INSTANTIATE_TEST_SUITE_P(Folders, AgedTest,
                         ::testing::Values(Aged{"absent", false, false}, Aged{"folder", true, false},
                                           Aged{"link", false, true}),
                         named_rows::RowName());

TEST_F(MigrateTest, UnregisteredOlderFolderIsNeverGuessed)
{
    UIPathManager::getInstance()->setPath("user_larkspan_path", QString());
    MacService service(*client_process);
    service.MigrateService();
    service.RemoveAgedFolders();
    EXPECT_EQ(LogCount("are not registered, no migration"), 1);
    EXPECT_EQ(LogCount("is not registered, no aged folder removed"), 1);
    EXPECT_EQ(LogCount("removing aged app folder"), 0);
}

}  // namespace

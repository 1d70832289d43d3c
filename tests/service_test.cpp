// Version records, the upgrade decision and the whole upgrade road.
#include <archive.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>

#include "file_kinds.h"
#include "named_rows.h"
#include "package_test_util.h"
#include "service/mac/mac-service.h"
#include "service_fixture.h"
#include "test_archive_writer.h"

namespace {

using named_rows::operator<<;

// Exposes the version records the loaders fill.
class InspectedService : public MacService {
public:
    using MacService::MacService;
    using MacService::source_version;
    using MacService::target_version;
};

class ServiceTest : public ServiceFixture {
public:
    using ServiceFixture::app;
    using ServiceFixture::client_process;
    using ServiceFixture::launcher_info;
    using ServiceFixture::package;
    using ServiceFixture::ui;
    using ServiceFixture::WritePackage;
};

TEST_F(ServiceTest, FirstInstallLoadsTargetOnlyAndInstalls)
{
    WriteFile(launcher_info, Info("120"));
    WritePackage("120");
    InspectedService service(*client_process);
    EXPECT_EQ(RunRoad(service), 0);

    EXPECT_EQ(std::string(service.target_version.build_version.c_str()), "120");
    EXPECT_TRUE(service.source_version.build_version.empty());
    EXPECT_EQ(LogCount("target_version = (1, 2, 120, 3)"), 1);
    EXPECT_EQ(LogCount("source does not exist"), 1);
    EXPECT_EQ(ReadFile(ui), "new client 120");
    EXPECT_FALSE(Exists(app + "_tmp"));
    ASSERT_EQ(recorder.started.size(), 1u);
    EXPECT_EQ(recorder.started[0],
              (QStringList{QString::fromStdString(ui), QString::fromStdString(app + "/Contents/MacOS")}));
}

// Both INFO files and "ui.pid" are read so that a named pipe cannot block
// the run; anything but a regular file reads as an unreadable file.
TEST_F(ServiceTest, OnlyRegularFilesAreRead)
{
    const std::pair<std::string, std::string> files[] = {{launcher_info, Info("120")},
                                                         {app + "/Contents/Resources/INFO", Info("119")},
                                                         {velmora + "/ui.pid", "pid=abc\n"}};
    std::filesystem::create_directories(app + "/Contents/Resources");
    for (const file_kinds::KindRow& row : file_kinds::kAllKinds) {
        for (const auto& [file, content] : files) {
            file_kinds::Remove(file);
            ASSERT_TRUE(file_kinds::Make(row.kind, file, content)) << row.name;
        }
        const int unreadable_pid_files = LogCount("Failed to read pid file");
        auto service = std::make_shared<InspectedService>(*client_process);
        const std::string builds = file_kinds::ReturnsInTime<std::string>(
            std::string("reading the INFO files and ui.pid: ") + row.name, [service]() {
                service->LoadTargetVersion();
                service->LoadSourceVersion();
                service->StopService();
                return std::string(service->target_version.build_version.c_str()) + "/" +
                       service->source_version.build_version.c_str();
            });
        EXPECT_EQ(builds, row.kind == file_kinds::kRegular ? "120/119" : "/") << row.name;
        const bool present = row.kind != file_kinds::kRegular && row.kind != file_kinds::kMissing;
        EXPECT_EQ(LogCount("Failed to read pid file") - unreadable_pid_files, present ? 1 : 0) << row.name;
    }
    EXPECT_TRUE(recorder.sent.empty());
}

struct Decision {
    bool client_present;
    const char* source_build;  // nullptr: no per-user INFO
    const char* target_build;  // nullptr: no launcher INFO
    bool upgrade;
    bool target_unreadable = false;  // the launcher INFO is a named pipe
};

// Known by what it sets up, as it has no name.
void PrintTo(const Decision& row, std::ostream* out)
{
    const auto build = [](const char* number) { return number ? number : "none"; };
    *out << (row.client_present ? "client" : "no client") << ", installed build " << build(row.source_build)
         << ", packaged build " << (row.target_unreadable ? "unreadable" : build(row.target_build));
}

class DecisionTest : public ServiceTest, public ::testing::WithParamInterface<Decision> {};

TEST_P(DecisionTest, ComparesBuildsAndClientPresence)
{
    const Decision& d = GetParam();
    if (d.client_present) {
        WriteFile(ui, "client");
    }
    if (d.source_build) {
        WriteFile(app + "/Contents/Resources/INFO", Info(d.source_build));
    }
    if (d.target_build) {
        WriteFile(launcher_info, Info(d.target_build));
    }
    if (d.target_unreadable) {
        ASSERT_EQ(mkfifo(launcher_info.c_str(), 0644), 0);
    }
    MacService service(*client_process);
    service.PreUpgrade();
    EXPECT_EQ(service.IsNeedUpgrade(), d.upgrade);
}

// The decisions by the builds alone are rows of conformance_service_test.
INSTANTIATE_TEST_SUITE_P(Builds, DecisionTest,
                         // An unreadable launcher INFO pins nothing: it replaces no
                         // client in place, whatever the installed build says.
                         ::testing::Values(Decision{true, "-5", nullptr, false, true},
                                           Decision{false, "1", nullptr, true, true}));

TEST_F(ServiceTest, UpgradeReplacesBundleAndRemovesBackup)
{
    InstallClient("120");
    WriteFile(app + "/old-only.txt", "old");
    WriteFile(launcher_info, Info("121"));
    WritePackage("121");
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), 0);
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_FALSE(Exists(app + "/old-only.txt"));
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
    EXPECT_EQ(LogCount("local appdata exist"), 1);
    EXPECT_EQ(LogCount("ui.pid' does not exist"), 1);
}

TEST_F(ServiceTest, CurrentClientIsLeftAloneAndStarted)
{
    InstallClient("121");
    WriteFile(launcher_info, Info("121"));
    WritePackage("122");
    Tree before = Snapshot(app);
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), 1);
    EXPECT_EQ(Snapshot(app), before);
    EXPECT_EQ(recorder.started.size(), 1u);
}

// A package the pre-flight refuses: the running client is not stopped, the
// older product's client and data are left alone, no file moves, and the
// run ends as a failed upgrade does (client started). The next run refuses
// it the same way.
struct Refused {
    const char* name;
    std::function<void(ServiceTest&)> make;
    const char* problem;
};

class RefusedPackageTest : public ServiceTest, public ::testing::WithParamInterface<Refused> {};

// A client folder holding cafe.txt composed and decomposed, packed by the
// archive library, read with the launcher's UTF-8 character type.
void WriteNormalizationTwins(ServiceTest& t, const char* kind)
{
    ASSERT_NE(setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    ASSERT_EQ(0, WriteTestArchive(t.package, kind,
                                  {FileEntry("Contents/Resources/INFO", ServiceFixture::Info("121")),
                                   FileEntry("Contents/MacOS/cloud-drive-ui", "c", 0755),
                                   FileEntry("Contents/caf\xc3\xa9.txt", "composed"),
                                   FileEntry("Contents/cafe\xcc\x81.txt", "decomposed")}));
}
const char kNormalizationTwins[] =
    "entry 'Contents/cafe\xcc\x81.txt' collides with 'Contents/caf\xc3\xa9.txt' on a volume that ignores case and "
    "Unicode normalization\n";

TEST_P(RefusedPackageTest, StopsNothingMovesNothingTwice)
{
    WriteFile(launcher_info, Info("121"));
    InstallClient("120");
    WriteFile(velmora + "/ui.pid", "pid=4242\n");
    WriteFile(larkspan + "/ui.pid", "pid=4343\n");
    WriteFile(larkspan + "/data/db", "user data");
    GetParam().make(*this);
    const Tree before = Snapshot(home);
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        MacService service(*client_process);
        EXPECT_EQ(RunRoad(service), -1);
        EXPECT_TRUE(recorder.sent.empty());
        EXPECT_EQ(Snapshot(home), before);
        EXPECT_EQ(recorder.started.size(), static_cast<size_t>(run));
        EXPECT_EQ(LogCount("(build 121; installed build 120) refused before anything is stopped or moved: " +
                           std::string(GetParam().problem)),
                  run)
            << LogText();
        EXPECT_EQ(LogCount("[ERROR] cloud-service"), run);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Packages, RefusedPackageTest,
    ::testing::Values(
        Refused{"other_build", [](ServiceTest& t) { t.WritePackage("122"); },
                "the INFO 'Contents/Resources/INFO' states build 122, not the expected build 121\n"},
        Refused{"truncated",
                [](ServiceTest& t) {
                    ASSERT_EQ(0, WriteTestArchive(
                                     t.package, "tar",
                                     {FileEntry("Contents/Resources/INFO", ServiceFixture::Info("121")),
                                      FileEntry("Contents/MacOS/cloud-drive-ui", std::string(99999, 'c'), 0755)}));
                    // Inside the client's data, after two headers and the INFO.
                    std::filesystem::resize_file(t.package, 3 * 512 + 5000);
                    // A package made for the launcher carries its digest.
                    ServiceFixture::WriteFile(
                        t.launcher_info, ServiceFixture::Info("121") + "package_sha256=" + Sha256Of(t.package) + "\n");
                },
                "the package's entry list cannot be read after 2 entries: Truncated"},
        Refused{"wrong_digest",
                [](ServiceTest& t) {
                    t.WritePackage("121");
                    ServiceFixture::WriteFile(
                        t.launcher_info, ServiceFixture::Info("121") + "package_sha256=" + std::string(64, 'f') + "\n");
                },
                "the package's SHA-256 digest is "},
        Refused{"named_pipe",
                [](ServiceTest& t) {
                    ASSERT_EQ(0, WriteTestArchive(t.package, "tar",
                                                  {FileEntry("Contents/Resources/INFO", ServiceFixture::Info("121")),
                                                   FileEntry("Contents/MacOS/cloud-drive-ui", "c", 0755),
                                                   SpecialEntry("Contents/Resources/pipe", TestEntry::Fifo)}));
                },
                "entry 'Contents/Resources/pipe' is a named pipe; "},
        Refused{"normalization_twins_zip", [](ServiceTest& t) { WriteNormalizationTwins(t, "zip"); },
                kNormalizationTwins},
        Refused{"normalization_twins_tar_gz", [](ServiceTest& t) { WriteNormalizationTwins(t, "tar.gz"); },
                kNormalizationTwins}),
    named_rows::RowName());

// A package that merely cannot be read and carries no digest goes the
// ordinary way: the client is stopped, the bundle backed up, the failed
// extraction rolled back and the old client started again; on a first
// installation there is nothing to roll back and no client to start.
struct Damaged {
    const char* name;
    std::function<void(const std::string& package)> make;
    bool client_in_place;
};

class DamagedPackageTest : public ServiceTest, public ::testing::WithParamInterface<Damaged> {};

TEST_P(DamagedPackageTest, TakesTheOrdinaryWayWithoutADigest)
{
    const Damaged& row = GetParam();
    WriteFile(launcher_info, Info("121"));
    if (row.client_in_place) {
        InstallClient("120");
        WriteFile(velmora + "/ui.pid", "pid=4242\n");
        recorder.probes_alive = 0;
        recorder.exe_answers = {ui};
    }
    row.make(package);
    const Tree before = Snapshot(app);
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), -1);
    EXPECT_EQ(LogCount("cannot be read whole ("), 1) << LogText();
    if (row.client_in_place) {
        EXPECT_EQ(recorder.sent, (std::vector<std::pair<pid_t, int>>{{4242, SIGTERM}, {4242, 0}}));
        EXPECT_EQ(LogCount("Failed to extract package, rollback to old installation"), 1) << LogText();
        EXPECT_EQ(Snapshot(app), before);
        EXPECT_EQ(recorder.started.size(), 1u);
    } else {
        EXPECT_EQ(LogCount("Failed to extract package, and no old installation to rollback"), 1) << LogText();
        EXPECT_FALSE(Exists(ui));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Packages, DamagedPackageTest,
    ::testing::Values(
        Damaged{"truncated",
                [](const std::string& package) {
                    ASSERT_EQ(0, WriteTestArchive(
                                     package, "tar",
                                     {FileEntry("Contents/Resources/INFO", ServiceFixture::Info("121")),
                                      FileEntry("Contents/MacOS/cloud-drive-ui", std::string(99999, 'c'), 0755)}));
                    std::filesystem::resize_file(package, 3 * 512 + 5000);
                },
                true},
        Damaged{"not_an_archive", [](const std::string& package) { ServiceFixture::WriteFile(package, "garbage"); },
                true},
        Damaged{"missing", [](const std::string& package) { std::filesystem::remove(package); }, true},
        Damaged{"not_an_archive_on_a_first_install",
                [](const std::string& package) { ServiceFixture::WriteFile(package, "garbage"); }, false}),
    named_rows::RowName());

// With no complete client in place, a package whose INFO states another
// build (or none) still installs: a client is better than none. A WARNING
// names both builds.
TEST_F(ServiceTest, WithoutACompleteClientAnotherBuildInstallsWithAWarning)
{
    const struct {
        const char* name;
        std::function<void()> before;
        const char* package_build;
    } rows[] = {
        {"first_installation", [] {}, "122"},
        {"client_executable_missing", [this] { WriteFile(app + "/Contents/Resources/INFO", Info("120")); }, "122"},
        {"no_build_in_the_package", [] {}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(app);
        const std::string stated = *row.package_build ? row.package_build : "0";
        const std::string warning = "[WARNING] cloud-service(";
        const std::string builds = "is installed although the INFO 'Contents/Resources/INFO' states build " + stated +
                                   ", not the expected build 121: no complete client is in place";
        const int warnings = LogCount(warning), named = LogCount(builds);
        WriteFile(launcher_info, Info("121"));
        row.before();
        WritePackage(row.package_build);
        MacService service(*client_process);
        EXPECT_EQ(RunRoad(service), 0) << LogText();
        EXPECT_EQ(ReadFile(ui), std::string("new client ") + row.package_build);
        EXPECT_EQ(LogCount(warning) - warnings, 1) << LogText();
        EXPECT_EQ(LogCount(builds) - named, 1) << LogText();
    }
}

// A launcher INFO that is there but cannot be read pins no build and no
// digest: a first installation goes on, saying so.
TEST_F(ServiceTest, UnreadableLauncherInfoFirstInstallWarns)
{
    ASSERT_EQ(mkfifo(launcher_info.c_str(), 0644), 0);
    WritePackage("121");
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), 0) << LogText();
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_EQ(LogCount("[WARNING] cloud-service"), 1) << LogText();
    EXPECT_EQ(LogCount("the launcher's INFO cannot be read; with no complete client in place the package is "
                       "installed without a build or digest to check it against"),
              1);
}

// The older product's data that a first installation moves from another
// volume needs room beside the bundle too; without it nothing is stopped
// or moved.
TEST_F(ServiceTest, FirstInstallCountsTheDataItMovesAcrossVolumes)
{
    if (!Mount(velmora, "4m")) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    WriteFile(larkspan + "/ui.pid", "pid=4242\n");
    WriteFile(larkspan + "/data/big", std::string(3 << 20, 'd'));
    WriteFile(launcher_info, Info("121"));
    WritePackage("121");
    const Tree before = Snapshot(home);
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), -1);
    EXPECT_TRUE(recorder.sent.empty());
    EXPECT_EQ(Snapshot(home), before);
    EXPECT_EQ(LogCount("3145728 bytes (3.0 MiB) of the older product's data moved from '" + larkspan + "/data'"), 1)
        << LogText();
}

// The package changes on disk once it has been checked, as a launcher
// bundle copied over the running one changes it: the extraction reads the
// package that was checked through its descriptor, or fails and rolls back.
class ChangingPackageService : public MacService {
public:
    ChangingPackageService(ClientProcess& process, std::function<void()> change)
        : MacService(process), change(std::move(change))
    {
    }
    int ExtractPackage() override
    {
        change();
        return MacService::ExtractPackage();
    }

    std::function<void()> change;
};

struct Change {
    const char* name;
    bool digest;  // the launcher's INFO records the package's digest
    std::function<void(const std::string& package, const std::string& other)> change;
    int result;
    const char* client;  // the client in place afterwards
};

class ChangedPackageTest : public ServiceTest, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangedPackageTest, InstallsWhatWasCheckedOrRollsBack)
{
    const Change& row = GetParam();
    // Over a chunk of the digest, so that a change can lie past the first.
    const std::string filler(300 << 10, 'f');
    ASSERT_EQ(0, WriteTestArchive(
                     package, "tar",
                     {FileEntry("Contents/Resources/INFO", Info("121")), FileEntry("Contents/Resources/filler", filler),
                      FileEntry("Contents/MacOS/cloud-drive-ui", "new client 121", 0755)}));
    const std::string other = root + "/other.vpk";
    ASSERT_EQ(0, WriteTestArchive(
                     other, "tar",
                     {FileEntry("Contents/Resources/INFO", Info("121")), FileEntry("Contents/Resources/filler", filler),
                      FileEntry("Contents/MacOS/cloud-drive-ui", "rogue client 999", 0755)}));
    WriteFile(launcher_info, Info("121") + (row.digest ? "package_sha256=" + Sha256Of(package) + "\n" : ""));
    InstallClient("120");
    ChangingPackageService service(*client_process, [&] { row.change(package, other); });
    EXPECT_EQ(RunRoad(service), row.result) << LogText();
    EXPECT_EQ(ReadFile(ui), row.client);
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
    if (row.result != 0) {
        EXPECT_EQ(LogCount("the package changed after it was checked"), 1) << LogText();
        EXPECT_EQ(LogCount("Failed to extract package, rollback to old installation"), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedPackageTest,
    ::testing::Values(Change{"replaced_by_rename", true,
                             [](const std::string& package, const std::string& other) {
                                 ASSERT_EQ(0, rename(other.c_str(), package.c_str()));
                             },
                             0, "new client 121"},
                      Change{"replaced_by_rename_without_digest", false,
                             [](const std::string& package, const std::string& other) {
                                 ASSERT_EQ(0, rename(other.c_str(), package.c_str()));
                             },
                             0, "new client 121"},
                      Change{"rewritten_in_place", true,
                             [](const std::string& package, const std::string& other) {
                                 ServiceFixture::WriteFile(package, ServiceFixture::ReadFile(other));
                             },
                             -1, "old client 120"},
                      // The client's bytes lie past the first chunk; the headers before
                      // them are unchanged.
                      Change{"client_rewritten_in_place", true,
                             [](const std::string& package, const std::string& other) {
                                 const std::string bytes = ServiceFixture::ReadFile(other);
                                 std::fstream file(package, std::ios::in | std::ios::out | std::ios::binary);
                                 file.seekp(300 << 10);
                                 file.write(bytes.data() + (300 << 10), bytes.size() - (300 << 10));
                             },
                             -1, "old client 120"},
                      Change{"truncated", true,
                             [](const std::string& package, const std::string&) {
                                 std::filesystem::resize_file(package, 280 << 10);
                             },
                             -1, "old client 120"}),
    named_rows::RowName());

// For a zip, the format packages are made in, the pre-flight reads the
// headers and the digest the whole file once, and the survey's count goes to
// the extraction: twice in all, as counting and extracting did.
TEST_F(ServiceTest, SurveyAndExtractionReadThePackageTwiceInAll)
{
    std::mt19937 random(3);
    std::string noise(4 << 20, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    ASSERT_EQ(0, WriteTestArchive(package, "zip",
                                  {FileEntry("Contents/Resources/INFO", Info("121")),
                                   FileEntry("Contents/MacOS/cloud-drive-ui", "new client 121", 0755),
                                   FileEntry("Contents/Resources/noise", noise)}));
    const long long size = static_cast<long long>(std::filesystem::file_size(package));
    ASSERT_GT(size, 4 << 20);
    WriteFile(launcher_info, Info("121") + "package_sha256=" + Sha256Of(package) + "\n");
    InstallClient("120");
    MacService service(*client_process);
    service.PreUpgrade();
    const long long before = BytesRead();
    EXPECT_EQ(service.HandlePackageUpgrade(), 0) << LogText();
    const long long read = BytesRead() - before;
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_GE(read, 2 * size);
    EXPECT_LT(read, 2 * size + (1 << 20));
    const size_t unpacked = noise.size() + Info("121").size() + 14;
    EXPECT_EQ(LogCount("checked: 3 entries, " + std::to_string(unpacked) + " bytes (4.0 MiB) unpacked"), 1);
}

// Ends the process in the middle of extracting, after the new client and its
// INFO were written, as a logout or a power loss would.
class CutShortService : public MacService {
public:
    explicit CutShortService(ServiceTest* test) : MacService(*test->client_process), test(test) {}
    int ExtractPackage() override;

    ServiceTest* test;
};

class CutShortTest : public ServiceTest {
protected:
    // Client 120 installed, package 121 carried, and one run that ended
    // while extracting it.
    void SetUp() override
    {
        ServiceTest::SetUp();
        InstallClient("120");
        CutShort();
    }

    void CutShort()
    {
        WriteFile(launcher_info, Info("121"));
        WritePackage("121");
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CutShortService service(this);
            service.PrepareUserEnv();
            _exit(1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(ReadFile(ui), "partial");
    }
};

TEST_F(CutShortTest, NextRunInstallsAgain)
{
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), 0);
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
    EXPECT_EQ(LogCount("[WARNING] cloud-service("), 1);
    EXPECT_EQ(LogCount("did not finish, putting back build 120 from '" + app + "_tmp'"), 1);
}

// Each run cut short first puts the complete bundle back, so its backup
// always goes to the first name: backups never pile up.
TEST_F(CutShortTest, TenRunsCutShortInARowKeepOneBackup)
{
    for (int run = 2; run <= 10; ++run) {
        CutShort();
    }
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "VelmoraDrive.app_installing",
                                                        "VelmoraDrive.app_tmp", "log"}));
    EXPECT_EQ(ReadFile(app + "_tmp/Contents/MacOS/cloud-drive-ui"), "old client 120");
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), 0);
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
}

TEST_F(CutShortTest, FirstInstallWithoutPerUserFolderIsDoneAgain)
{
    std::filesystem::remove_all(velmora);
    CutShort();
    MacService service(*client_process);
    EXPECT_EQ(RunRoad(service), 0);
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app"}));
}

// A retry that fails puts back the last complete bundle, never the partial
// one, and starts the client from it; a later run installs.
// Records a client start in a file, so that a start made by a child that
// ends through exit() can be seen.
class FileRecordingProcess : public RecordingProcess {
public:
    explicit FileRecordingProcess(const std::string& file) : file(file) {}
    bool StartDetached(const QString& program, const QStringList&, const QString&) override
    {
        ServiceFixture::WriteFile(file, program.toStdString());
        return true;
    }

private:
    std::string file;
};

// Set in a forked child only: once this path is there (the old bundle moved
// aside), the archive library's next header read ends the process with
// exit(1), as the library does where an allocation it needs fails.
const char* g_exit_once_there = nullptr;

}  // namespace

extern "C" int archive_read_next_header(archive* reader, archive_entry** entry)
{
    if (g_exit_once_there && access(g_exit_once_there, F_OK) == 0)
        exit(1);
    using Real = int (*)(archive*, archive_entry**);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "archive_read_next_header"));
    return real(reader, entry);
}

namespace {

TEST_F(ServiceTest, LibraryEndingTheProcessMidExtractionRestoresAndStartsTheOldClient)
{
    InstallClient("120");
    const Tree before = Snapshot(app);
    WritePackage("121");
    const std::string started = root + "/started";
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string backup = app + "_tmp";
        g_exit_once_there = backup.c_str();
        FileRecordingProcess process(started);
        MacService service(process);
        service.PrepareUserEnv();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "the extraction never started: " << status;
    EXPECT_EQ(Snapshot(app), before);
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
    EXPECT_EQ(LogCount("the process is ending in the middle of the installation"), 1);
    EXPECT_EQ(ReadFile(started), ui);
}

TEST_F(CutShortTest, FailedRetryRestoresTheCompleteBundleAndStartsIt)
{
    WriteFile(package, "not an archive");
    MacService failing(*client_process);
    EXPECT_EQ(RunRoad(failing), -1);
    EXPECT_EQ(ReadFile(ui), "old client 120");
    EXPECT_EQ(ReadFile(app + "/Contents/Resources/INFO"), Info("120"));
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
    ASSERT_EQ(recorder.started.size(), 1u);
    EXPECT_EQ(recorder.started[0][0].toStdString(), ui);

    WritePackage("121");
    MacService later(*client_process);
    EXPECT_EQ(RunRoad(later), 0);
    EXPECT_EQ(ReadFile(ui), "new client 121");
    EXPECT_EQ(TopLevel(velmora), (std::set<std::string>{"VelmoraDrive.app", "log"}));
}

int CutShortService::ExtractPackage()
{
    ServiceFixture::WriteFile(test->app + "/Contents/Resources/INFO", ServiceFixture::Info("121"));
    ServiceFixture::WriteFile(test->ui, "partial");
    _exit(0);
}

}  // namespace

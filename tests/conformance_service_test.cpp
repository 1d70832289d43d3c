// The behaviour cases of the upgrade service: the version records, the
// installation with its backups, the move of the older product's data and
// its aged folder, the upgrade decision with the order of its steps, and
// stopping and starting the client. Each row runs the real MacService in a
// home of its own (shown as ~), with the process calls recorded where a real
// signal would be unsafe; what an outside eye sees runs the real launcher.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "conformance_table.h"
#include "launcher_e2e_fixture.h"
#include "real_client.h"
#include "service/mac/mac-service.h"
#include "service_fixture.h"
#include "unprivileged.h"

namespace {

namespace fs = std::filesystem;
using conformance::InOrder;
using conformance::LogLines;
using conformance::Replaced;
using conformance::Show;

class ServiceCases;
using Row = conformance::Row<std::function<std::string(ServiceCases&)>>;

// Opens the version records and counts the extractions, noting what the
// per-user folder holds while the package is extracted.
class WatchedService : public MacService {
public:
    using MacService::MacService;
    using MacService::source_version;
    using MacService::target_version;
    std::function<std::string()> watch = [] { return std::string(); };
    std::string during;
    int extractions = 0;

    int ExtractPackage() override
    {
        ++extractions;
        during = watch();
        return MacService::ExtractPackage();
    }
};

class ServiceCases : public ServiceFixture, public testing::WithParamInterface<Row> {
public:
    using ServiceFixture::app;
    using ServiceFixture::client_process;
    using ServiceFixture::home;
    using ServiceFixture::InstallClient;
    using ServiceFixture::larkspan;
    using ServiceFixture::launcher_info;
    using ServiceFixture::LogCount;
    using ServiceFixture::LogText;
    using ServiceFixture::package;
    using ServiceFixture::recorder;
    using ServiceFixture::root;
    using ServiceFixture::RunRoad;
    using ServiceFixture::ui;
    using ServiceFixture::velmora;
    using ServiceFixture::WritePackage;

    // The log's lines up to level most, the home folder written as ~.
    std::string Lines(int most) const { return Short(LogLines(LogText(), most)); }
    std::string Short(const std::string& text) const
    {
        return Replaced(Replaced(Replaced(text, app, "<app>"), home, "~"), root, "<root>");
    }
    std::string Top(const std::string& folder) const
    {
        std::string names;
        for (const std::string& name : TopLevel(folder))
            names += (names.empty() ? "" : " ") + name;
        return names.empty() ? "nothing" : names;
    }
    // The signals sent, in the order they go, the probes as a count:
    // "SIGTERM, 2 probes, SIGKILL".
    std::string Signals() const
    {
        int sent[3] = {};  // SIGTERM, probes, SIGKILL
        for (const auto& signal : recorder.sent)
            ++sent[signal.second == SIGTERM ? 0 : signal.second == 0 ? 1 : 2];
        std::string seen = sent[0] ? "SIGTERM" : "";
        if (sent[1])
            seen += ", " + std::to_string(sent[1]) + (sent[1] == 1 ? " probe" : " probes");
        if (sent[2])
            seen += ", SIGKILL";
        return seen.empty() ? "nothing signalled" : seen;
    }
    // A pid file naming 4242, written when the recorder's start times count from.
    void PidFile(const std::string& folder, const std::string& content = "pid=4242\n") const
    {
        WriteFile(folder + "/ui.pid", content);
        const struct timespec times[2] = {{RecordingProcess::kPidFileWritten, 0},
                                          {RecordingProcess::kPidFileWritten, 0}};
        utimensat(AT_FDCWD, (folder + "/ui.pid").c_str(), times, 0);
    }
};

TEST_P(ServiceCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe(*this));
}

std::string Fields(const VerInfo& version)
{
    return "'" + std::string(version.major_version.c_str()) + "' '" + version.minor_version.c_str() + "' '" +
           version.build_version.c_str() + "' '" + version.icon_overlay_version.c_str() + "'";
}

// The target record read from a launcher INFO of content, into a record
// whose minor version is already set when kept is.
std::string TargetOf(ServiceCases& t, const std::string& content, const char* kept = nullptr)
{
    t.WriteFile(t.launcher_info, content);
    WatchedService service(*t.client_process);
    if (kept)
        service.target_version.minor_version = kept;
    service.LoadTargetVersion();
    return Fields(service.target_version);
}

const Row kVersionRecordRows[] = {
    {"TargetOf120WithoutAPerUserBundle",
     [](auto& t) {
         t.WriteFile(t.launcher_info, "[Version]\nbuild_version=120\n");
         WatchedService service(*t.client_process);
         service.PreUpgrade();
         return t.Lines(6) + ", source " + Fields(service.source_version);
     },
     "[INFO] cloud-service: target_version = (, , 120, ) | [INFO] cloud-service: source does not exist, "
     "source '' '' '' ''"},
    {"KeyBeforeAnySectionOrInAnotherSectionIsNotRead",
     [](auto& t) {
         return TargetOf(t, "build_version=1\n[Other]\nbuild_version=2\nminor_version=9\n[Version]\nmajor_version=4\n");
     },
     "'4' '' '' ''"},
    // Quotes hold a comma; unquoted, the reader gives a list, which is no text.
    {"StoredTextIsWhatTheIniReaderGivesConvertedToText",
     [](auto& t) {
         return TargetOf(t, "[Version]\nmajor_version = 4 \nbuild_version=\"7, 8\"\nicon_overlay_version=7, 8\n");
     },
     "'4' '' '7, 8' ''"},
    {"MissingKeyKeepsTheTextAlreadyInTheRecord",
     [](auto& t) { return TargetOf(t, "[Version]\nmajor_version=4\n", "kept"); }, "'4' 'kept' '' ''"},
    {"SetTimeoutChangesNothingObservable",
     [](auto& t) {
         t.InstallClient("120");
         t.WriteFile(t.launcher_info, ServiceFixture::Info("121"));
         t.WritePackage("121");
         t.PidFile(t.velmora);
         t.recorder.start_answers = {"-60"};
         t.recorder.probes_alive = 1;
         WatchedService service(*t.client_process);
         service.SetTimeout(1);
         const int result = ServiceCases::RunRoad(service);
         return std::to_string(result) + ", " + t.Signals() + ", client '" + t.ReadFile(t.ui) + "', " +
                std::to_string(t.recorder.started.size()) + " start";
     },
     "0, SIGTERM, 2 probes, client 'new client 121', 1 start"},
};

INSTANTIATE_TEST_SUITE_P(VersionRecords, ServiceCases, testing::ValuesIn(kVersionRecordRows), conformance::RowName());

// Fills the first backup names with folders holding a file, which no rename
// can replace.
void TakeBackupNames(ServiceCases& t, int names)
{
    for (int n = 0; n < names; ++n)
        t.WriteFile(t.app + "_tmp" + (n ? std::to_string(n) : "") + "/stale", "stale");
}

// PrepareUserEnv alone over client 1, package 2: its result, what the
// per-user folder held during the extraction, the client afterwards and the
// lines at INFO and above.
std::string Installed(ServiceCases& t, bool old_bundle = true)
{
    if (old_bundle)
        t.InstallClient("1");
    t.WritePackage("2");
    const Tree before = ServiceFixture::Snapshot(t.app);
    WatchedService service(*t.client_process);
    service.watch = [&t] {
        return t.Top(t.velmora) + ", marker '" + ServiceFixture::ReadFile(t.app + "_installing") + "'";
    };
    const int result = service.PrepareUserEnv();
    const bool unchanged = ServiceFixture::Snapshot(t.app) == before;
    return std::to_string(result) + ", " + std::to_string(service.extractions) + " extraction" +
           (service.during.empty() ? "" : " with " + service.during) + ", then " + t.Top(t.velmora) + ", client '" +
           t.ReadFile(t.ui) + "'" + (unchanged && old_bundle ? " unchanged" : "") + ", " +
           std::to_string(t.recorder.started.size()) + " starts, " + t.Lines(6);
}

// PrepareUserEnv alone over client 120, with a package of these entries
// (none: no archive at all).
std::string RolledBack(ServiceCases& t, const Entries& entries)
{
    t.InstallClient("120");
    t.WriteFile(t.app + "/Contents/Resources/extra.bin", std::string("\0\1\2", 3));
    if (entries.empty())
        t.WriteFile(t.package, "not an archive");
    else
        ServiceFixture::WriteArchive(t.package, entries);
    const Tree before = ServiceFixture::Snapshot(t.app);
    MacService service(*t.client_process);
    const int result = service.PrepareUserEnv();
    const bool unchanged = ServiceFixture::Snapshot(t.app) == before;
    return std::to_string(result) + ", bundle " + (unchanged ? "as before" : "changed") + ", then " + t.Top(t.velmora) +
           ", " + t.Lines(3);
}

// The lines of a run that found every backup name taken: the names it
// tried, then the last line whole.
std::string TriedNames(const std::string& lines)
{
    const std::string tried = "[ERROR] cloud-service: failed to backup app from '<app>' -> '<app>";
    std::string names, last;
    for (size_t at = 0, end; at < lines.size(); at = end + 3) {
        end = std::min(lines.find(" | ", at), lines.size());
        const std::string line = lines.substr(at, end - at);
        if (line.rfind(tried, 0) == 0 && line.back() == '\'')
            names += " " + line.substr(tried.size(), line.size() - tried.size() - 1);
        else
            last += line;
    }
    return "tried" + names + ", then " + last;
}

const char kExtractedAndReady[] =
    "[INFO] cloud-service: extract package: '<root>/Launcher.app/Contents/Resources/package/larkspan.vpk' -> '<app>' "
    "| [INFO] cloud-service: user installation is ready, removing backup app";
const char kRolledBack[] = "[ERROR] cloud-service: Failed to extract package, rollback to old installation";

const Row kInstallationRows[] = {
    // The marker names the backup before the bundle moves there, so that a
    // run cut short puts it back.
    {"OldBundleGoesToBackupZeroNamedWithoutADigitAndGoesAfterSuccess_MarkedSoARunCutShortPutsItBack",
     [](auto& t) { return Installed(t); },
     std::string("0, 1 extraction with VelmoraDrive.app_installing VelmoraDrive.app_tmp log, marker "
                 "'backup=VelmoraDrive.app_tmp\n', then VelmoraDrive.app log, client 'new client 2', 0 starts, ") +
         kExtractedAndReady},
    {"BackupZeroTakenGoesToOneWithOneErrorLineAndBothGoAfterSuccess_MarkedSoARunCutShortPutsItBack",
     [](auto& t) {
         TakeBackupNames(t, 1);
         return Installed(t);
     },
     std::string("0, 1 extraction with VelmoraDrive.app_installing VelmoraDrive.app_tmp VelmoraDrive.app_tmp1 log, "
                 "marker 'backup=VelmoraDrive.app_tmp1\n', then VelmoraDrive.app log, client 'new client 2', 0 "
                 "starts, [ERROR] cloud-service: failed to backup app from '<app>' -> '<app>_tmp' | ") +
         kExtractedAndReady},
    {"AllTenNamesTakenFailsWithTenLinesAndTheMaxRetriesLineAndExtractsNothing",
     [](auto& t) {
         TakeBackupNames(t, 10);
         const std::string seen = Installed(t);
         const size_t lines = seen.find("[ERROR]");
         return seen.substr(0, lines) + TriedNames(seen.substr(lines));
     },
     "-1, 0 extraction, then VelmoraDrive.app VelmoraDrive.app_tmp VelmoraDrive.app_tmp1 VelmoraDrive.app_tmp2 "
     "VelmoraDrive.app_tmp3 VelmoraDrive.app_tmp4 VelmoraDrive.app_tmp5 VelmoraDrive.app_tmp6 "
     "VelmoraDrive.app_tmp7 VelmoraDrive.app_tmp8 VelmoraDrive.app_tmp9 log, client 'old client 1' unchanged, "
     "0 starts, tried _tmp _tmp1 _tmp2 _tmp3 _tmp4 _tmp5 _tmp6 _tmp7 _tmp8 _tmp9, then [ERROR] cloud-service: "
     "failed to backup app from '<app>' -> '<app>_tmp9' at max retries, exiting"},
    {"ExtractionFailureOfAPackageThatIsNoArchivePutsTheOldBundleBack", [](auto& t) { return RolledBack(t, {}); },
     std::string("-1, bundle as before, then VelmoraDrive.app log, [ERROR] extractor: archive_read_open_filename "
                 "failed: 'Unrecognized archive format' | [ERROR] extractor: Failed to calculate total file "
                 "numbers, ret: -1 | ") +
         kRolledBack},
    {"ExtractionFailureAtADotDotEntryAfterTheClientPutsTheOldBundleBack_AndASecondLineNamesTheEntry",
     [](auto& t) {
         return RolledBack(t, {{"Contents/MacOS/cloud-drive-ui", "new"}, {"Contents/../../escape", "x"}});
     },
     std::string("-1, bundle as before, then VelmoraDrive.app log, [ERROR] extractor: archive_read_extract2 "
                 "failed: 'Path contains '..'' | [ERROR] extractor: Failed to extract "
                 "'<root>/Launcher.app/Contents/Resources/package/larkspan.vpk' at entry 2 of 2: "
                 "'Contents/../../escape' | ") +
         kRolledBack},
    {"PackageWithoutTheClientExecutablePutsTheOldBundleBack_ElseNoClientCouldStart",
     [](auto& t) {
         return RolledBack(t, {{"Contents/Resources/INFO", "[Version]\nbuild_version=121\n"}});
     },
     std::string("-1, bundle as before, then VelmoraDrive.app log, [ERROR] cloud-service: the package holds no "
                 "client executable '<app>/Contents/MacOS/cloud-drive-ui' | ") +
         kRolledBack},
    {"NoOldBundleAndASuccessRemoveAStaleBackupZero_MarkedSoARunCutShortRemovesWhatItLeft",
     [](auto& t) {
         TakeBackupNames(t, 1);
         return Installed(t, false);
     },
     std::string("0, 1 extraction with VelmoraDrive.app_installing VelmoraDrive.app_tmp log, marker 'backup=\n', "
                 "then VelmoraDrive.app log, client 'new client 2', 0 starts, ") +
         kExtractedAndReady},
    {"CopyPathOfAFileThatCannotBeCopiedFails",
     [](auto& t) {
         t.WriteFile(t.root + "/src/a.txt", "a");
         MacService service(*t.client_process);
         return std::to_string(service.FSCopyPath((t.root + "/src/a.txt").c_str(), (t.root + "/no/dir/a").c_str()));
     },
     "-1"},
    // Root reads any folder: the unreadable one needs an ordinary user.
    {"CopyPathOfAnUnreadableFolderMakesAnEmptyCopyWithTheWarning",
     [](auto& t) {
         t.WriteFile(t.root + "/locked/secret", "s");
         chmod((t.root + "/locked").c_str(), 0);
         chmod(t.root.c_str(), 0777);
         const int status = unprivileged::RunAsNobody([&t] {
             MacService service(*t.client_process);
             return -service.FSCopyPath((t.root + "/locked").c_str(), (t.root + "/copy").c_str());
         });
         if (status == unprivileged::kCannotDrop)
             return conformance::Skipped("cannot drop to uid 65534");
         const std::string copy = t.root + "/copy";
         return InOrder(
             {std::to_string(-status), ServiceFixture::Exists(copy) ? "copy " + t.Top(copy) : "no copy", t.Lines(4)});
     },
     "0, copy nothing, [ERROR] file-op: FSOpenDir: Failed to open directory '<root>/locked'. Permission denied | "
     "[WARNING] cloud-service: FSCopyPath: failed to create handle  for src '<root>/locked' failed"},
};

INSTANTIATE_TEST_SUITE_P(Installation, ServiceCases, testing::ValuesIn(kInstallationRows), conformance::RowName());

// The older product with data and a settings file.
void OlderProduct(ServiceCases& t)
{
    t.WriteFile(t.larkspan + "/data/db", "records");
    t.WriteFile(t.larkspan + "/data/sub/notes", "notes");
    t.WriteFile(t.larkspan + "/settings.ini", "x=1");
}

std::string TreeText(const Tree& tree)
{
    std::string text;
    for (const auto& [name, content] : tree)
        text += (text.empty() ? "" : " ") + name + (content == "<dir>" ? "/" : "=" + content);
    return text.empty() ? "nothing" : text;
}

// MigrateService, then the new folder, the new and the old data, and the
// lines at INFO and above.
std::string Migrated(ServiceCases& t)
{
    MacService service(*t.client_process);
    service.MigrateService();
    return "new " + t.Top(t.velmora) + ", data " + TreeText(ServiceFixture::Snapshot(t.velmora + "/data")) +
           ", older " + (ServiceFixture::Exists(t.larkspan) ? t.Top(t.larkspan) : "gone") + ", " + t.Lines(6);
}

const char kMoved[] =
    "[INFO] cloud-service: moved the older product's data '~/.Larkspan/data' -> '~/.VelmoraDrive/data' | "
    "[INFO] cloud-service: removed the older product's folder '~/.Larkspan'";

const Row kMigrationRows[] = {
    {"OlderFolderWithDataAndMoreAndNoNewFolder_AndInfoLinesSayWhatMovedAndWhatWent",
     [](auto& t) {
         fs::remove_all(t.velmora);
         OlderProduct(t);
         return Migrated(t);
     },
     std::string("new data, data db=records sub/ sub/notes=notes, older gone, ") + kMoved},
    {"OlderFolderWithoutDataGoesWithNoMoveTried_AndAnInfoLineSaysItWent",
     [](auto& t) {
         t.WriteFile(t.larkspan + "/settings.ini", "x=1");
         return Migrated(t);
     },
     "new log, data nothing, older gone, [INFO] cloud-service: removed the older product's folder '~/.Larkspan'"},
    {"NewFolderAlreadyThereIsKeptAndTheMoveGoesAhead_AndInfoLinesSayWhatMovedAndWhatWent",
     [](auto& t) {
         t.WriteFile(t.velmora + "/log/launcher.log", "kept");
         OlderProduct(t);
         return InOrder({Migrated(t), "log '" + t.ReadFile(t.velmora + "/log/launcher.log") + "'"});
     },
     std::string("new data log, data db=records sub/ sub/notes=notes, older gone, ") + kMoved + ", log 'kept'"},
    // Data already at the new place cannot take the older data's place.
    {"OlderDataThatCannotBeMovedStaysWithTheErrorLine_AndASecondLineSaysWhy",
     [](auto& t) {
         OlderProduct(t);
         t.WriteFile(t.velmora + "/data/db", "newer records");
         return InOrder({Migrated(t), "older data " + TreeText(ServiceFixture::Snapshot(t.larkspan + "/data"))});
     },
     "new data log, data db=newer records, older data settings.ini, [ERROR] cloud-service: Failed to move data to "
     "Velmora Drive folder | [ERROR] cloud-service: '~/.VelmoraDrive/data' already exists, keeping the old data "
     "at '~/.Larkspan/data', older data db=records sub/ sub/notes=notes"},
    {"AgedFolderOfAMachineThatNeverHadTheOlderProduct",
     [](auto& t) {
         MacService service(*t.client_process);
         service.RemoveAgedFolders();
         return t.Lines(7) + ", home " + t.Top(t.home);
     },
     "[INFO] cloud-service: removing aged app folder ~/.Larkspan/app, home .VelmoraDrive"},
};

INSTANTIATE_TEST_SUITE_P(Migration, ServiceCases, testing::ValuesIn(kMigrationRows), conformance::RowName());

// The decision over a client present or not, and the per-user and the
// launcher INFO stating these builds (nullptr: no such file), with the
// numbers it read.
std::string Decision(ServiceCases& t, bool client, const char* source, const char* target)
{
    fs::remove_all(t.app);
    fs::remove(t.launcher_info);
    if (client)
        t.WriteFile(t.ui, "client");
    // The settings reader keeps a file whose size and time did not change:
    // each decision's files get a time of their own.
    static time_t written = 1000000000;
    written += 10;
    const struct timespec times[2] = {{written, 0}, {written, 0}};
    for (const auto& [path, build] :
         {std::make_pair(t.app + "/Contents/Resources/INFO", source), std::make_pair(t.launcher_info, target)}) {
        if (build) {
            t.WriteFile(path, ServiceFixture::Info(build));
            utimensat(AT_FDCWD, path.c_str(), times, 0);
        }
    }
    const size_t logged = t.LogText().size();
    MacService service(*t.client_process);
    service.PreUpgrade();
    const bool upgrade = service.IsNeedUpgrade();
    const std::string line = t.Short(LogLines(t.LogText().substr(logged), 7));
    const size_t numbers = line.find("source version = ");
    if (numbers == std::string::npos)
        return "no decision line";
    return std::string(upgrade ? "upgrade" : "none") + " (" +
           line.substr(numbers, line.find(" | ", numbers) - numbers) + ")";
}

// The road of a first installation of build 5, the older product's client
// named by its pid file: the result, what had happened when the package was
// extracted, and the data afterwards.
std::string FirstInstall(ServiceCases& t)
{
    t.WriteFile(t.launcher_info, ServiceFixture::Info("5"));
    t.WritePackage("5");
    t.recorder.probes_alive = 0;
    t.recorder.start_answers = {"-60"};
    WatchedService service(*t.client_process);
    service.watch = [&t] {
        return t.Signals() + ", data " + TreeText(ServiceFixture::Snapshot(t.velmora + "/data")) + ", older " +
               (ServiceFixture::Exists(t.larkspan) ? "there" : "gone");
    };
    const int result = ServiceCases::RunRoad(service);
    return std::to_string(result) + ", at the extraction: " + service.during + "; then client '" + t.ReadFile(t.ui) +
           "'";
}

const Row kUpgradeControlRows[] = {
    {"Source120Target121WithTheClientUpgrades", [](auto& t) { return Decision(t, true, "120", "121"); },
     "upgrade (source version = 120, target version = 121)"},
    {"Source121Target121DoesNotUpgrade", [](auto& t) { return Decision(t, true, "121", "121"); },
     "none (source version = 121, target version = 121)"},
    {"Source121Target119DoesNotDowngrade", [](auto& t) { return Decision(t, true, "121", "119"); },
     "none (source version = 121, target version = 119)"},
    {"MissingClientWithSource500Target100InstallsTheLowerBuild",
     [](auto& t) {
         const std::string decided = Decision(t, false, "500", "100");
         t.WritePackage("100");
         MacService service(*t.client_process);
         return InOrder(
             {decided, "road " + std::to_string(ServiceCases::RunRoad(service)), "client '" + t.ReadFile(t.ui) + "'"});
     },
     "upgrade (source version = 500, target version = 100), road 0, client 'new client 100'"},
    {"PerUserInfoMissingBesideTheClientReadsSourceZero", [](auto& t) { return Decision(t, true, nullptr, "1"); },
     "upgrade (source version = 0, target version = 1)"},
    {"LauncherInfoMissingReadsTargetZeroAndOnlyAMissingClientInstalls",
     [](auto& t) {
         return InOrder({Decision(t, true, "1", nullptr), Decision(t, false, "1", nullptr)});
     },
     "none (source version = 1, target version = 0), upgrade (source version = 1, target version = 0)"},
    {"BuildTextsReadAsAtoiReadsThem",
     [](auto& t) {
         return InOrder({Decision(t, true, "12", "12a"), Decision(t, true, "0", "a12"), Decision(t, true, "-3", ""),
                         Decision(t, true, "6", " 7"), Decision(t, true, "", "-3")});
     },
     "none (source version = 12, target version = 12), none (source version = 0, target version = 0), upgrade "
     "(source version = -3, target version = 0), upgrade (source version = 6, target version = 7), none (source "
     "version = 0, target version = -3)"},
    {"FirstInstallWithTheOlderFolderStopsItsClientAndMovesItsDataBeforeTheExtraction",
     [](auto& t) {
         t.PidFile(t.larkspan);
         t.WriteFile(t.larkspan + "/data/db", "user data");
         return InOrder({FirstInstall(t), "older " + Show(ServiceFixture::Exists(t.larkspan))});
     },
     "0, at the extraction: SIGTERM, 1 probe, data db=user data, older gone; then client 'new client 5', older "
     "false"},
    {"FirstInstallWithoutTheOlderFolderStopsAndMovesNothing",
     [](auto& t) {
         t.PidFile(t.velmora);
         return FirstInstall(t);
     },
     "0, at the extraction: nothing signalled, data nothing, older gone; then client 'new client 5'"},
    {"UpgradeOfAnInstallationLeavesTheOlderProductAlone",
     [](auto& t) {
         t.InstallClient("1");
         t.PidFile(t.larkspan);
         t.recorder.start_answers = {"-60"};
         t.WriteFile(t.larkspan + "/data/db", "user data");
         t.WriteFile(t.launcher_info, ServiceFixture::Info("2"));
         t.WritePackage("2");
         MacService service(*t.client_process);
         const int result = ServiceCases::RunRoad(service);
         return std::to_string(result) + ", " + t.Signals() + ", older data " +
                TreeText(ServiceFixture::Snapshot(t.larkspan + "/data"));
     },
     "0, nothing signalled, older data db=user data"},
    {"FailedUpgradeStillStartsTheClient",
     [](auto& t) {
         t.InstallClient("120");
         t.WriteFile(t.launcher_info, ServiceFixture::Info("121"));
         t.WriteFile(t.package, "not an archive");
         t.recorder.start_result = false;
         MacService service(*t.client_process);
         const int result = ServiceCases::RunRoad(service);
         return std::to_string(result) + ", client '" + t.ReadFile(t.ui) + "', then " + t.Top(t.velmora) + ", " +
                std::to_string(t.recorder.started.size()) + " start, " + t.Lines(3);
     },
     "-1, client 'old client 120', then VelmoraDrive.app log, 1 start, [ERROR] extractor: "
     "archive_read_open_filename failed: 'Unrecognized archive format' | [ERROR] extractor: Failed to calculate "
     "total file numbers, ret: -1 | "
     "[ERROR] cloud-service: Failed to extract package, rollback to old installation | [ERROR] mac/mac-service: "
     "Failed to launch Larkspan UI"},
};

INSTANTIATE_TEST_SUITE_P(UpgradeControl, ServiceCases, testing::ValuesIn(kUpgradeControlRows), conformance::RowName());

// What the seam answers about 4242: its start in seconds from when the pid
// file was written ("GONE": no such process), its program ("" may not be
// inspected), the error of SIGTERM (0: none), whether a signal of ours
// reaches it, and the probes that find it alive before it has ended.
struct Answers {
    const char* start;
    std::string program;
    int term_errno;
    bool reachable;
    int probes_alive;
};

// StopServiceByPath on the new folder, whose pid file names 4242: the
// signals, the pauses, and the lines at NOTE and above.
std::string Stopped(ServiceCases& t, const Answers& answers)
{
    t.PidFile(t.velmora);
    t.recorder.start_answers = {answers.start};
    t.recorder.exe_answers = {answers.program.empty() ? "?" : answers.program};
    t.recorder.term_errno = answers.term_errno;
    t.recorder.reachable = answers.reachable;
    t.recorder.probes_alive = answers.probes_alive;
    MacService service(*t.client_process);
    service.StopServiceByPath(QString::fromStdString(t.velmora));
    return InOrder({t.Signals(),
                    "slept " + std::to_string(t.recorder.slept.count()) + " ms in " + std::to_string(t.recorder.sleeps),
                    t.Lines(5)});
}

// A real process of the test's own named by the pid file, written now or
// an hour before it started, stopped for real.
void NamePid(ServiceCases& t, pid_t pid, bool stale)
{
    t.WriteFile(t.velmora + "/ui.pid", "pid=" + std::to_string(pid) + "\n");
    const time_t written = time(nullptr) - (stale ? 3600 : 0);
    const struct timespec times[2] = {{written, 0}, {written, 0}};
    utimensat(AT_FDCWD, (t.velmora + "/ui.pid").c_str(), times, 0);
    t.client_process = &ClientProcess::System();
}

void StopNewClient(ServiceCases& t)
{
    MacService service(*t.client_process);
    service.StopServiceByPath(QString::fromStdString(t.velmora));
}

const char kStopping[] =
    "[NOTE] mac/mac-service: stopping pid 4242 (<app>/Contents/MacOS/cloud-drive-ui): it was "
    "running when '~/.VelmoraDrive/ui.pid' was written";
const char kKilled[] = "[WARNING] mac/mac-service: pid 4242 did not end within 15 seconds of SIGTERM, sending SIGKILL";

const Row kStopRows[] = {
    {"ProcessEndingOnSigtermGetsOneSigtermAndOneProbeAndNoSigkill_AndNotesSayWhatIsStopped",
     [](auto& t) {
         return Stopped(t, {"-60", "/usr/bin/other", 0, true, 0});
     },
     "SIGTERM, 1 probe, slept 0 ms in 0, [NOTE] mac/mac-service: stopping pid 4242 (/usr/bin/other): it was "
     "running when '~/.VelmoraDrive/ui.pid' was written | [NOTE] mac/mac-service: pid 4242 ended after SIGTERM"},
    {"ProcessIgnoringSigtermIsKilledAfterFifteenSecondsOfProbes_ProbedEvery20msToSeeAnEndAtOnce_AndAWarningSaysSo",
     [](auto& t) {
         return Stopped(t, {"-60", t.ui, 0, true, 1000});
     },
     std::string("SIGTERM, 750 probes, SIGKILL, slept 15000 ms in 750, ") + kStopping + " | " + kKilled},
    {"RealProcessIgnoringSigtermIsKilled_AndAWarningSaysSo",
     [](auto& t) {
         fs::create_directories(fs::path(t.ui).parent_path());
         fs::copy_file("/bin/sleep", t.ui);
         RealClient client(t.ui, {"120"}, true);
         NamePid(t, client.pid, false);
         StopNewClient(t);
         return InOrder({client.Wait() == SIGKILL ? "killed" : "not killed",
                         std::to_string(t.LogCount("did not end within 15 seconds of SIGTERM, sending SIGKILL"))});
     },
     "killed, 1"},
    // A pid whose process ended may already name a later one.
    {"PidOfAProcessThatNoLongerExistsReturnsAtOnceSayingNothing_LookedUpBeforeAnySignal",
     [](auto& t) {
         return Stopped(t, {"GONE", t.ui, 0, true, 1000});
     },
     "nothing signalled, slept 0 ms in 0, no line"},
    {"ProcessEndingJustBeforeSigtermReturnsAtOnceSayingNothing_BeyondTheNoteOfWhatIsStopped",
     [](auto& t) {
         return Stopped(t, {"-60", t.ui, ESRCH, true, 1000});
     },
     std::string("SIGTERM, slept 0 ms in 0, ") + kStopping},
    {"OtherUsersProcessGetsTheEpermLineFifteenSecondsOfProbesAndASigkill_AndAWarningSaysSo",
     [](auto& t) {
         return Stopped(t, {"-60", "", EPERM, false, 1000});
     },
     "SIGTERM, 750 probes, SIGKILL, slept 15000 ms in 750, [NOTE] mac/mac-service: stopping pid 4242 (a program "
     "that cannot be inspected): it was running when '~/.VelmoraDrive/ui.pid' was written | [ERROR] "
     "mac/mac-service: kill: Operation not permitted (1) | " +
         std::string(kKilled)},
    // Root signals any process: the stop runs as uid 65534 against one of
    // root's, started after the pid file was written.
    {"RealProcessOfAnotherUserGetsTheWholeStop_AndAWarningSaysSo",
     [](auto& t) {
         RealClient other("/bin/sleep", {"120"}, false);
         NamePid(t, other.pid, true);
         chmod(t.root.c_str(), 0755);
         const int status = unprivileged::RunAsNobody([&t] { return StopNewClient(t), 0; });
         if (status == unprivileged::kCannotDrop)
             return conformance::Skipped("cannot drop to uid 65534");
         return InOrder({std::to_string(status), other.Running() ? "running" : "ended",
                         Replaced(t.Lines(5), std::to_string(other.pid), "<pid>")});
     },
     "0, running, [NOTE] mac/mac-service: stopping pid <pid> (a program that cannot be inspected): it is another "
     "user's process, which no signal of ours reaches | [ERROR] mac/mac-service: kill: Operation not permitted (1) "
     "| [WARNING] mac/mac-service: pid <pid> did not end within 15 seconds of SIGTERM, sending SIGKILL"},
    {"FolderWithoutUiPidOnlySaysSoAtDebug",
     [](auto& t) {
         StopNewClient(t);
         return InOrder({t.Signals(), t.Lines(7)});
     },
     "nothing signalled, [DEBUG] mac/mac-service: pid file '~/.VelmoraDrive/ui.pid' does not exist, no need to "
     "terminate"},
    {"ClientExecutableRemovedWhileTheRestOfTheBundleStays",
     [](auto& t) {
         t.InstallClient("120");
         MacService service(*t.client_process);
         const bool before = service.PerUserBinPathExist();
         fs::remove(t.ui);
         return InOrder({Show(before), Show(service.PerUserBinPathExist()), t.Top(t.app + "/Contents")});
     },
     "true, false, MacOS Resources"},
    {"MissingRegistrationToolIsLoggedAndTheOpenerStillStarts",
     []([[maybe_unused]] auto& t) {
#if defined(__APPLE__)
         t.recorder.execute_result = -2;
         MacService service(*t.client_process);
         return InOrder({std::to_string(service.LaunchPerUserBin()),
                         t.Short(t.recorder.started.front().join(' ').toStdString()), t.Lines(4)});
#else
         return conformance::Skipped("no registration tool here: the client executable is started directly");
#endif
     },
     "0, /usr/bin/open  -n <app>, [ERROR] mac/mac-service: Cannot unregister bundle, <app>"},
};

INSTANTIATE_TEST_SUITE_P(StoppingAndStarting, ServiceCases, testing::ValuesIn(kStopRows), conformance::RowName());

class LauncherCases;
using LauncherRow = conformance::Row<std::function<std::string(LauncherCases&)>>;

// The real launcher on demo bundles, against a home of the case's own.
class LauncherCases : public launcher_e2e::LauncherE2ETest, public testing::WithParamInterface<LauncherRow> {
public:
    using LauncherE2ETest::home;
    using LauncherE2ETest::MakeBundle;
    using LauncherE2ETest::Output;
    using LauncherE2ETest::Reap;
    using LauncherE2ETest::RunLauncher;
    using LauncherE2ETest::StopClients;
    using LauncherE2ETest::WaitForClient;

    // Installs build 100, then the upgrade to 101 with the client the
    // launcher started running, or a shell-script client of our own in its
    // place: what became of that client, and the stop's lines (its program
    // written as <program>).
    std::string Upgraded(bool script, bool aged = false)
    {
        if (RunLauncher(MakeBundle(100, launcher_e2e::kVerbose), "install") != 0)
            return "no first installation";
        pid_t client = WaitForClient();
        if (script) {
            StopClients();
            client = StartScriptClient(aged);
            Reap(client);
        }
        const std::string program = launcher_e2e::ExecutableOf(client);
        const int status = RunLauncher(MakeBundle(101, launcher_e2e::kVerbose), "upgrade");
        const std::string log = conformance::LogLines(Log(), 5);
        const bool built = InstalledInfo().find("build_version=101\n") != std::string::npos;
        const bool backup = launcher_e2e::Exists(App() + "_tmp");
        const bool stopped_as_installed = Log().find("local appdata exist") != std::string::npos;
        const pid_t started = WaitForClient(client);
        const std::string lines = Replaced(Replaced(log, program, "<program>"), std::to_string(client), "<pid>");
        return InOrder({std::to_string(status), Ended(client) ? "ended" : "still running",
                        built ? "build 101" : "not 101", backup ? "backup left" : "no backup",
                        stopped_as_installed ? "an installation's client" : "not as an installation's client",
                        started > 0 ? "new client started" : "no new client", Replaced(lines, home, "~")});
    }

    // A client that is a shell script writing its pid file, started with
    // our HOME; it runs as the shell, with the script as its argument. An
    // aged pid file is made an hour older once written.
    pid_t StartScriptClient(bool aged)
    {
        const std::string ui = App() + "/Contents/MacOS/cloud-drive-ui";
        launcher_e2e::WriteFile(ui,
                                "#!/bin/sh\necho pid=$$ > \"$HOME/.VelmoraDrive/ui.pid\"\n"
                                "while :; do sleep 1; done\n");
        chmod(ui.c_str(), 0755);
        unlink((Drive() + "/ui.pid").c_str());
        const pid_t script = child_process::Start(ui, {"HOME=" + home, "PATH=/usr/bin:/bin"}, "", "");
        const std::string named = "pid=" + std::to_string(script) + "\n";
        for (int i = 0; i < 600 && launcher_e2e::ReadFile(Drive() + "/ui.pid") != named; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const struct timespec hour_before[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
        if (aged)
            utimensat(AT_FDCWD, (Drive() + "/ui.pid").c_str(), hour_before, 0);
        return script;
    }
};

TEST_P(LauncherCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe(*this));
}

const char kStopped[] =
    "0, ended, build 101, no backup, an installation's client, new client started, [NOTE] "
    "mac/mac-service: stopping pid <pid> (<program>): ";
const char kEnded[] = " | [NOTE] mac/mac-service: pid <pid> ended after SIGTERM";
const char kWasRunning[] = "it was running when '~/.VelmoraDrive/ui.pid' was written";

const LauncherRow kStopThroughTheLauncherRows[] = {
    {"CompiledClientIsStoppedBeforeTheUpgrade_AndNotesSayWhatIsStopped", [](auto& t) { return t.Upgraded(false); },
     std::string(kStopped) + kWasRunning + kEnded},
    {"ShellScriptClientIsStoppedBeforeTheUpgrade_AndNotesSayWhatIsStopped", [](auto& t) { return t.Upgraded(true); },
     std::string(kStopped) + kWasRunning + kEnded},
    // A clock stepped back makes a pid file seem older than the client.
    {"ShellScriptClientStartedAfterItsPidFileIsStopped_ByTheScriptItRunsFromTheFolder",
     [](auto& t) { return t.Upgraded(true, true); },
     std::string(kStopped) +
         "its script '~/.VelmoraDrive/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui' lies in "
         "'~/.VelmoraDrive'" +
         kEnded},
};

INSTANTIATE_TEST_SUITE_P(StopThroughTheLauncher, LauncherCases, testing::ValuesIn(kStopThroughTheLauncherRows),
                         conformance::RowName());

}  // namespace

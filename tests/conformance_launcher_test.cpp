// The behaviour cases of the launcher application: start-up and its path
// registry, the launch driver, and the progress dialog with its relay.
// What an outside eye sees runs the real launcher on demo bundles against
// a home of the case's own (shown as ~); the rest runs the real driver,
// service and dialog in this process, the client's start recorded.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <future>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTranslator>

#include "conformance_table.h"
#include "dpiinfo.h"
#include "driver/app-font.h"
#include "driver/progress-dialog.h"
#include "driver_run.h"
#include "launcher_e2e_fixture.h"
#include "log.h"
#include "service/mac/mac-service.h"
#include "service_fixture.h"
#include "test_archive_writer.h"
#include "texts/notify-adapter.h"
#include "texts/strtable.h"

namespace {

namespace fs = std::filesystem;
using conformance::InOrder;
using conformance::LogLines;
using conformance::Replaced;
using launcher_e2e::CountOf;

// The numbers of the source lines of tag's lines ("main(106)" gives 106),
// of those with one of the texts when any are given: the numbers that the
// texts' own definitions fix.
std::string SourceLines(const std::string& log, const std::string& tag, const std::vector<std::string>& texts = {})
{
    std::string numbers;
    const std::regex line("\\] " + tag + "\\((\\d+)\\): ([^\n]*)");
    for (std::sregex_iterator it(log.begin(), log.end(), line), end; it != end; ++it) {
        if (texts.empty() || std::find(texts.begin(), texts.end(), (*it)[2].str()) != texts.end())
            numbers += (numbers.empty() ? "" : " ") + (*it)[1].str();
    }
    return numbers.empty() ? "none" : numbers;
}

// The driver's lines whose numbers its texts fix.
const std::vector<std::string> kDriverLines = {"running", "no need to upgrade", "Failed to upgrade package", "done"};

class LauncherCases;
using LauncherRow = conformance::Row<std::function<std::string(LauncherCases&)>>;

class LauncherCases : public launcher_e2e::LauncherE2ETest, public testing::WithParamInterface<LauncherRow> {
public:
    using LauncherE2ETest::App;
    using LauncherE2ETest::Drive;
    using LauncherE2ETest::Ended;
    using LauncherE2ETest::home;
    using LauncherE2ETest::InstalledInfo;
    using LauncherE2ETest::Log;
    using LauncherE2ETest::MakeBundle;
    using LauncherE2ETest::Output;
    using LauncherE2ETest::Reap;
    using LauncherE2ETest::root;
    using LauncherE2ETest::RunLauncher;
    using LauncherE2ETest::StartLauncher;
    using LauncherE2ETest::Wait;
    using LauncherE2ETest::WaitForClient;

    std::string Build() const
    {
        const std::string info = InstalledInfo();
        const size_t at = info.find("build_version=");
        return at == std::string::npos ? "none" : info.substr(at + 14, info.find('\n', at) - at - 14);
    }
    // Lines of the log text up to level most, this case's folders written
    // as ~ and <bundle>.
    std::string Lines(const std::string& log, int most, const std::string& bundle = "") const
    {
        return Replaced(Replaced(LogLines(log, most), bundle, "<bundle>"), home, "~");
    }

    // The launcher run with HOME set to that text: its exit status, the two
    // registry values it logs for the older product, and what it left.
    std::string RunWithHome(const std::string& value)
    {
        const std::string bundle = MakeBundle(100, {"launcher_debug=6"});
        const int status = Wait(StartLauncher(bundle, value, "home"));
        const std::string log = Log();
        const bool untidy = log.find("//") != std::string::npos || log.find("/./") != std::string::npos ||
                            log.find("/../") != std::string::npos;
        const bool installed = launcher_e2e::Exists(App() + "/Contents/MacOS/cloud-drive-ui");
        const bool started = WaitForClient() > 0;
        std::string values;
        for (const char* key : {"user_larkspan_path", "user_larkspan_resource_path"}) {
            const size_t at = log.find(std::string(">>> ") + key + " = ");
            values += std::string(values.empty() ? "" : ", ") + (at == std::string::npos
                                                                     ? key + std::string(" not logged")
                                                                     : log.substr(at + 4, log.find('\n', at) - at - 4));
        }
        return InOrder({std::to_string(status), Replaced(values, home, "~"), untidy ? "an untidy path" : "tidy",
                        installed ? "installed" : "not installed", started ? "started" : "not started"});
    }
};

TEST_P(LauncherCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe(*this));
}

// The first launcher is frozen while it holds the instance lock, so that the
// second meets it for certain: it is caught waiting for a stopped client
// (SIGSTOP holds the client's SIGTERM pending), then stopped itself.
std::string SecondStart(LauncherCases& t)
{
    const int installed = t.RunLauncher(t.MakeBundle(100, launcher_e2e::kVerbose), "install");
    const pid_t client = t.WaitForClient();
    const std::string bundle = t.MakeBundle(101, launcher_e2e::kVerbose);
    // Only processes of our own are signalled: never an id that failed.
    if (installed != 0 || client <= 0)
        return "no first installation";
    kill(client, SIGSTOP);
    const pid_t first = t.StartLauncher(bundle, t.home, "first");
    if (first <= 0)
        return "no first launcher";
    for (int i = 0; i < 600 && t.Log().find("local appdata exist") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(first, SIGSTOP);
    const pid_t second = t.StartLauncher(bundle, t.home, "second");
    const int status = t.Wait(second);
    const std::string lines = launcher_e2e::LinesOfPid(t.Log(), second);
    const std::string during =
        InOrder({std::to_string(status), t.Lines(lines, 7, bundle), "main(" + SourceLines(lines, "main") + ")",
                 "build " + t.Build(), t.Ended(client) ? "client ended" : "client running"});
    kill(client, SIGCONT);
    kill(first, SIGCONT);
    const int first_status = t.Wait(first);
    return InOrder({during, "then the first " + std::to_string(first_status),
                    t.Ended(client) ? "client ended" : "client running", "build " + t.Build()});
}

// The older product's client runs from its folder, a process of ours, with
// its data beside it; HOME is spelled through a link to the home folder
// ("link") or as the home folder itself ("home"), one way for the first
// start and the other for the second. planted: the older folder is a link
// below the home folder, to a folder elsewhere. What the first start did to
// the older product, and whether the second installed anything.
std::string OlderProductUnder(LauncherCases& t, const char* first, const char* second, bool planted)
{
    const std::string elsewhere = t.root + "/elsewhere";
    const std::string older = planted ? elsewhere : t.home + "/.Larkspan";
    fs::create_directories(older + "/app");
    fs::create_directories(older + "/data");
    launcher_e2e::WriteFile(older + "/data/notes", "notes");
    if (planted)
        fs::create_directory_symlink(elsewhere, t.home + "/.Larkspan");
    fs::create_directory_symlink(t.home, t.root + "/link");
    fs::copy_file("/bin/sleep", older + "/app/larkspan-ui");
    const pid_t client = child_process::Start(older + "/app/larkspan-ui", {"600"}, {}, "", "");
    if (client <= 0)
        return "no older client";
    t.Reap(client);
    launcher_e2e::WriteFile(older + "/ui.pid", "pid=" + std::to_string(client) + "\n");

    const std::string bundle = t.MakeBundle(100, launcher_e2e::kVerbose);
    const int status = t.Wait(t.StartLauncher(bundle, t.root + "/" + first, "first"));
    const bool started = t.WaitForClient() > 0;
    const std::string moved = launcher_e2e::ReadFile(t.Drive() + "/data/notes");
    const std::string done =
        InOrder({std::to_string(status), t.Ended(client) ? "older client stopped" : "older client running",
                 moved.empty() ? "data not moved" : "data moved",
                 launcher_e2e::Exists(t.home + "/.Larkspan") ? "older folder kept" : "older folder gone",
                 launcher_e2e::ReadFile(elsewhere + "/data/notes").empty() ? "nothing elsewhere" : "elsewhere kept",
                 "build " + t.Build(), started ? "started" : "not started"});
    const pid_t again = t.StartLauncher(bundle, t.root + "/" + second, "second");
    const int again_status = t.Wait(again);
    const std::string lines = launcher_e2e::LinesOfPid(t.Log(), again);
    return InOrder({done, "then " + std::to_string(again_status),
                    CountOf(lines, "no need to upgrade") == 1 ? "no need to upgrade" : "an upgrade",
                    CountOf(lines, "extract package") == 0 ? "nothing extracted" : "extracted"});
}

const char kStartupLines[] =
    "[INFO] main: >>> user_larkspan_path = ~/.Larkspan | [INFO] main: >>> user_larkspan_app_path =  | [INFO] main: "
    ">>> user_larkspan_resource_path = ~/.Larkspan/Larkspan.app/Contents/Resources | [INFO] main: >>> "
    "user_larkspan_data_path =  | [INFO] main: >>> user_larkspan_working_dir_path =  | [INFO] main: >>> "
    "user_larkspan_drive_ui_path =  | [INFO] main: >>> root_resource_path = <bundle>/Contents/Resources";

const LauncherRow kStartupRows[] = {
    {"SecondStartShowsNothingAndReturnsZeroAfterItsStartupLinesAndTheAlreadyLaunchedLine", SecondStart,
     std::string("0, ") + kStartupLines +
         " | [DEBUG] main: app has already launched, return, main(106 107 108 109 110 111 112 154), build 100, "
         "client running, then the first 0, client ended, build 101"},
    {"HomeWithADotDotSegmentGivesCleanValues", [](auto& t) { return t.RunWithHome(t.root + "/elsewhere/../home"); },
     "0, user_larkspan_path = ~/.Larkspan, user_larkspan_resource_path = ~/.Larkspan/Larkspan.app/Contents/Resources, "
     "tidy, installed, started"},
    {"HomeWithADoubledSeparatorGivesCleanValues", [](auto& t) { return t.RunWithHome(t.root + "//home"); },
     "0, user_larkspan_path = ~/.Larkspan, user_larkspan_resource_path = ~/.Larkspan/Larkspan.app/Contents/Resources, "
     "tidy, installed, started"},
    {"HomeWithATrailingSeparatorGivesCleanValues", [](auto& t) { return t.RunWithHome(t.root + "/home/"); },
     "0, user_larkspan_path = ~/.Larkspan, user_larkspan_resource_path = ~/.Larkspan/Larkspan.app/Contents/Resources, "
     "tidy, installed, started"},
    {"HomeWithDotSegmentsAndDoubledSeparatorsGivesCleanValues",
     [](auto& t) { return t.RunWithHome(t.root + "/./home//./"); },
     "0, user_larkspan_path = ~/.Larkspan, user_larkspan_resource_path = ~/.Larkspan/Larkspan.app/Contents/Resources, "
     "tidy, installed, started"},
    // Relative, every per-user path would name a folder wherever the
    // launcher was started.
    {"RelativeHomeGivesCleanValues_MadeAbsoluteFromTheWorkingFolder",
     [](auto& t) {
         char cwd[4096];
         if (getcwd(cwd, sizeof cwd) == nullptr)
             return std::string("no working folder");
         std::string relative;
         for (const char* c = cwd; *c != '\0'; ++c)
             relative += *c == '/' && c[1] != '\0' ? "../" : "";
         return t.RunWithHome(relative + t.home.substr(1));
     },
     "0, user_larkspan_path = ~/.Larkspan, user_larkspan_resource_path = ~/.Larkspan/Larkspan.app/Contents/Resources, "
     "tidy, installed, started"},
    // The exact name tests refuse a link below the home folder, not the
    // home folder's own.
    {"HomeThroughALinkStopsTheOlderClientAndMovesItsData_AStartThroughTheRealPathThenInstallsNothing",
     [](auto& t) { return OlderProductUnder(t, "link", "home", false); },
     "0, older client stopped, data moved, older folder gone, nothing elsewhere, build 100, started, then 0, no need "
     "to upgrade, nothing extracted"},
    {"HomeByItsRealPathLikewise_AStartThroughTheLinkThenInstallsNothing",
     [](auto& t) { return OlderProductUnder(t, "home", "link", false); },
     "0, older client stopped, data moved, older folder gone, nothing elsewhere, build 100, started, then 0, no need "
     "to upgrade, nothing extracted"},
    {"OlderFolderLinkedFromBelowAHomeThroughALinkGivesUpNoData",
     [](auto& t) { return OlderProductUnder(t, "link", "home", true); },
     "0, older client stopped, data not moved, older folder gone, elsewhere kept, build 100, started, then 0, no "
     "need to upgrade, nothing extracted"},
    {"MissingPerUserFolderGetsItsLogFolderBeforeAnythingElse",
     [](auto& t) {
         const int status = t.RunLauncher(t.MakeBundle(100, {"launcher_debug=6"}));
         const std::string log = t.Log();
         return InOrder({std::to_string(status), fs::is_directory(t.Drive() + "/log") ? "log folder" : "no log folder",
                         "first " + t.Lines(log.substr(0, log.find('\n') + 1), 7)});
     },
     "0, log folder, first [INFO] main: >>> user_larkspan_path = ~/.Larkspan"},
    // Without the per-user folder there is no install lock, and without one
    // two sessions could install into one bundle at once. The failed start
    // of the client says why it failed.
    {"FileInPlaceOfThePerUserFolderStillRunsWithoutALogFile_ButInstallsNothingWithoutAnInstallLock",
     [](auto& t) {
         launcher_e2e::WriteFile(t.Drive(), "in the way");
         const int status = t.RunLauncher(t.MakeBundle(100, launcher_e2e::kVerbose));
         const std::string err = t.Output("launcher", "err");
         const size_t said = err.find("velmora-launcher: ");
         return InOrder({std::to_string(status), "'" + launcher_e2e::ReadFile(t.Drive()) + "'", t.Lines(err, 7),
                         said == std::string::npos
                             ? "says nothing"
                             : Replaced(err.substr(said, err.find('\n', said) - said), t.home, "~")});
     },
     "0, 'in the way', [ERROR] file-op: FSMKDir: Create a folder but local file system is not directory "
     "'~/.VelmoraDrive' (1) | [WARNING] install-lock: no per-user folder '~/.VelmoraDrive': Not a directory | [ERROR] "
     "launcher: no install lock can be had (no per-user folder '~/.VelmoraDrive': Not a directory), not installing; "
     "starting the client | [ERROR] start-detached: Cannot start "
     "'~/.VelmoraDrive/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui': Not a directory | [ERROR] "
     "mac/mac-service: Failed to launch Larkspan UI, velmora-launcher: nothing "
     "installed: no install lock can be had (no per-user folder '~/.VelmoraDrive': Not a directory)"},
    {"SevenStartupLinesPrintEachValueInFull",
     [](auto& t) {
         const std::string long_home = t.root + "/" + std::string(200, 'h');
         fs::create_directories(long_home);
         const std::string bundle = t.MakeBundle(100, {"launcher_debug=6"});
         const int status = t.Wait(t.StartLauncher(bundle, long_home, "long"));
         t.home = long_home;
         const std::string log = launcher_e2e::ReadFile(t.Drive() + "/log/launcher.log");
         return InOrder({std::to_string(status), t.Lines(log, 7, bundle), "main(" + SourceLines(log, "main") + ")"});
     },
     std::string("0, ") + kStartupLines + ", main(106 107 108 109 110 111 112)"},
};

INSTANTIATE_TEST_SUITE_P(Startup, LauncherCases, testing::ValuesIn(kStartupRows), conformance::RowName());

const LauncherRow kDriverThroughTheLauncherRows[] = {
    {"NoUpgradeNeededLeavesTheInstallationAloneAndStillStartsTheClient",
     [](auto& t) {
         const std::string bundle = t.MakeBundle(100, launcher_e2e::kVerbose);
         t.RunLauncher(bundle, "first");
         const pid_t first = t.WaitForClient();
         launcher_e2e::WriteFile(t.App() + "/Contents/Resources/marker", "kept");
         const int status = t.RunLauncher(bundle, "second");
         const bool again = t.WaitForClient(first) > 0;
         return InOrder({std::to_string(status), launcher_e2e::ReadFile(t.App() + "/Contents/Resources/marker"),
                         t.Ended(first) ? "first client ended" : "first client running",
                         std::to_string(CountOf(t.Log(), "] launcher(94): no need to upgrade\n")) + " no need",
                         again ? "client started again" : "not started again"});
     },
     "0, kept, first client running, 1 no need, client started again"},
    // Without the digest velmora-pack records, a damaged package takes the
    // road of a failed extraction.
    {"FailedUpgradeRollsBackLogsItsErrorStartsTheClientAndEndsWithZero_WarningsNameTheDamageAndWhatRuns",
     [](auto& t) {
         t.RunLauncher(t.MakeBundle(100, launcher_e2e::kVerbose), "first");
         const pid_t old = t.WaitForClient();
         const std::string broken = t.MakeBundle(101, launcher_e2e::kVerbose);
         launcher_e2e::WriteFile(broken + "/Contents/Resources/package/larkspan.vpk", "not an archive");
         demo_bundle::ForgetPackageDigest(broken);
         const pid_t second = t.StartLauncher(broken, t.home, "second");
         const int status = t.Wait(second);
         const std::string log = launcher_e2e::LinesOfPid(t.Log(), second);
         const bool backup = launcher_e2e::Exists(t.App() + "_tmp");
         const bool started = t.WaitForClient(old) > 0;
         return InOrder({std::to_string(status), t.Ended(old) ? "old client stopped" : "old client running",
                         "build " + t.Build(), backup ? "backup left" : "no backup",
                         "launcher(" + SourceLines(log, "launcher", kDriverLines) + ")", t.Lines(log, 4, broken),
                         started ? "client started" : "no client started"});
     },
     "0, old client stopped, build 100, no backup, launcher(89 101 117), [WARNING] cloud-service: package "
     "'<bundle>/Contents/Resources/package/larkspan.vpk' cannot be read whole (the package "
     "'<bundle>/Contents/Resources/package/larkspan.vpk' cannot be read as an archive: Unrecognized archive format); "
     "its extraction is tried as it is | [ERROR] extractor: archive_read_open_filename failed: 'Unrecognized archive "
     "format' | [ERROR] extractor: Failed to calculate total file numbers, ret: -1 | [ERROR] cloud-service: Failed to "
     "extract package, rollback to old installation | [ERROR] launcher: Failed to upgrade package | [WARNING] "
     "launcher: upgrade failed; the old client was kept and started again, client started"},
};

INSTANTIATE_TEST_SUITE_P(DriverThroughTheLauncher, LauncherCases, testing::ValuesIn(kDriverThroughTheLauncherRows),
                         conformance::RowName());

class InProcessCases;
using Row = conformance::Row<std::function<std::string(InProcessCases&)>>;

// Records the steps the driver asks of the real service.
class RecordedService : public MacService {
public:
    RecordedService(ClientProcess& process, QStringList* calls) : MacService(process), calls(calls) {}
    void PreUpgrade() override { *calls << "pre", MacService::PreUpgrade(); }
    bool IsNeedUpgrade() override { return *calls << "decide", MacService::IsNeedUpgrade(); }
    int HandlePackageUpgrade() override { return *calls << "upgrade", MacService::HandlePackageUpgrade(); }
    void PostUpgrade() override { *calls << "post", MacService::PostUpgrade(); }

private:
    QStringList* calls;
};

class InProcessCases : public ServiceFixture, public testing::WithParamInterface<Row> {
public:
    using ServiceFixture::client_process;
    using ServiceFixture::InstallClient;
    using ServiceFixture::larkspan;
    using ServiceFixture::launcher_info;
    using ServiceFixture::package;
    using ServiceFixture::recorder;
    using ServiceFixture::root;
    using ServiceFixture::WritePackage;

    void SetUp() override
    {
        ServiceFixture::SetUp();
        WriteFile(root + "/launcher.debug", "service_debug=7\nlauncher_debug=7\n");
        Logger::Initialize(Logger::TYPE_FILE, root + "/launcher.log", root + "/launcher.debug", 50, Logger::SCOPE_LOCK);
    }
    void TearDown() override
    {
        DPIinfo::getInstance()->setDPI(0.0);
        ServiceFixture::TearDown();
    }

    std::string Resources() const { return root + "/Launcher.app/Contents/Resources"; }

    // The driver run over the real service as start-up runs it, with the
    // older product's aged folder in place: how the run ended, what the
    // dialog showed (its values as rising to tail when they did), the steps
    // asked of the service, and the driver's own lines with their numbers.
    std::string Driven(const QList<int>& tail)
    {
        WriteFile(larkspan + "/app/Contents/bin", "aged");
        QStringList calls;
        const driver_run::Outcome run = driver_run::Run(new RecordedService(*client_process, &calls));
        if (!run.finished)
            return "the run did not end";
        std::string dialog = run.built ? "built, never shown" : "never built";
        if (run.shown > 0) {
            const bool rising = driver_run::RisesTo(run.values, tail);
            std::string values;
            for (int value : rising ? tail : run.values)
                values += " " + std::to_string(value);
            dialog = "shown " + std::to_string(run.shown) + " with '" + run.labelAtShow.toStdString() + "' at " +
                     std::to_string(run.valueAtShow) + ", values" + (rising ? " rising to" : "") + values +
                     (run.offGuiThread ? " off the GUI thread" : "") + ", ending with '" +
                     run.finalLabel.toStdString() + "' at " + std::to_string(run.finalValue) +
                     (run.visibleAtEnd ? ", visible" : ", hidden");
        }
        const std::string log = LogText();
        return InOrder({"exit " + std::to_string(run.exitCode), dialog, calls.join(" ").toStdString(),
                        Exists(larkspan + "/app") ? "aged folder kept" : "aged folder gone",
                        std::to_string(recorder.started.size()) + " client start",
                        LogLines(log, 7, "launcher") + " (" + SourceLines(log, "launcher", kDriverLines) + ")"});
    }
};

TEST_P(InProcessCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe(*this));
}

// The font of a dialog built after start-up set the application font for
// the language.
std::string FontFor(const QString& language)
{
    const QFont previous = QApplication::font();
    QApplication::setFont(ApplicationFont(language), nullptr);
    ProcessingProgressDialog dialog;
    QApplication::setFont(previous);
    const QFont font = dialog.font();
    return font.family().toStdString() + " " + std::to_string(font.pointSize()) + (font.italic() ? " italic" : "");
}

// Client 120 in place, the launcher's INFO of build 121.
void InstalledAndPinned(InProcessCases& t)
{
    t.InstallClient("120");
    t.WriteFile(t.launcher_info, ServiceFixture::Info("121"));
}

// The dialog's value after the relay reported each count to a driver.
std::string ValuesAfter(InProcessCases& t, const std::vector<std::pair<int, int>>& reports)
{
    Launcher launcher(new MacService(*t.client_process));
    std::string values;
    for (const auto& [total, current] : reports) {
        Notify_Adapter::GetInstance()->UpdateProgress(total, current);
        const ProcessingProgressDialog* dialog = driver_run::FindDialog();
        values += (values.empty() ? "" : ", ") + (dialog ? std::to_string(dialog->value()) : "no dialog");
    }
    return values;
}

// The size of a dialog built at the scale factor.
std::string SizeAt(double scale)
{
    DPIinfo::getInstance()->setDPI(scale);
    ProcessingProgressDialog dialog;
    const QSize least = dialog.minimumSize();
    const QSize most = dialog.maximumSize();
    const auto text = [](const QSize& size) {
        return std::to_string(size.width()) + " x " + std::to_string(size.height());
    };
    return text(least) + (least == most ? ", fixed" : ", up to " + text(most));
}

const char kInitializing[] = "Velmora Drive Client is initializing...";

const Row kInProcessRows[] = {
    // Start-up.
    {"ThaiGetsMicrosoftSansSerifAt12Points", [](auto&) { return FontFor("tha"); }, "Microsoft Sans Serif 12"},
    {"ThaiInCapitalsOrAnyOtherCodeGetsArialAt12Points",
     [](auto&) {
         return InOrder({FontFor("THA"), FontFor("enu"), FontFor("jpn"), FontFor("")});
     },
     "Arial 12, Arial 12, Arial 12, Arial 12"},
    {"CodeWithoutATranslationLeavesTheTextsInEnglish",
     [](auto&) {
         QTranslator translator;
         translator.load(":/xyz.qm", "", "", "");
         return InOrder({translator.isEmpty() ? "empty translator" : "a translator",
                         LoadStrWithAppName(kStrReadyId).toStdString()});
     },
     "empty translator, Velmora Drive Client is ready."},
    // The launch driver.
    {"NoUpgradeNeededNeverShowsTheDialogAndStillCleansUpAndStartsTheClient_NorBuildsItLestSuchARunPayForFonts",
     [](auto& t) {
         t.InstallClient("121");
         t.WriteFile(t.launcher_info, ServiceFixture::Info("121"));
         return t.Driven({});
     },
     "exit 0, never built, pre decide post, aged folder gone, 1 client start, [DEBUG] launcher: running | [DEBUG] "
     "launcher: no need to upgrade | [DEBUG] launcher: done (89 94 117)"},
    {"SuccessfulUpgradeShowsTheDialogEndingAt100AndTheReadyTextThenHidesIt",
     [](auto& t) {
         InstalledAndPinned(t);
         t.WritePackage("121");
         return t.Driven({100});
     },
     std::string("exit 0, shown 1 with '") + kInitializing +
         "' at 0, values rising to 100, ending with 'Velmora "
         "Drive Client is ready.' at 100, hidden, pre decide upgrade post, aged folder gone, 1 client start, [DEBUG] "
         "launcher: running | [DEBUG] launcher: done (89 117)"},
    // Damaged in the client's data: the extraction writes two entries and
    // fails at the third.
    {"FailedUpgradeLogsItsErrorAndHidesTheDialogWithoutTheReadyTextAndStillStartsTheClient_AndAWarningSaysWhatRuns",
     [](auto& t) {
         InstalledAndPinned(t);
         WriteTestArchive(t.package, "tar",
                          {FileEntry("Contents/Resources/INFO", ServiceFixture::Info("121")),
                           FileEntry("Contents/Resources/filler", "f"),
                           FileEntry("Contents/MacOS/cloud-drive-ui", std::string(99999, 'c'), 0755)});
         fs::resize_file(t.package, 5 * 512 + 5000);
         return t.Driven({66, 100});
     },
     std::string("exit 0, shown 1 with '") + kInitializing + "' at 0, values rising to 66 100, ending with '" +
         kInitializing +
         "' at 100, hidden, pre decide upgrade post, aged folder gone, 1 client start, [DEBUG] "
         "launcher: running | [ERROR] launcher: Failed to upgrade package | [WARNING] launcher: upgrade failed; the "
         "old client was kept and started again | [DEBUG] launcher: done (89 101 117)"},
    {"ProgressOf3In7Is42And100In100Is100",
     [](auto& t) {
         return ValuesAfter(t, {{7, 3}, {100, 100}});
     },
     "42, 100"},
    // The progress dialog and the relay.
    {"ScaleOneGives400By80", [](auto&) { return SizeAt(1.0); }, "400 x 80, fixed"},
    {"ScaleOneAndAHalfGives600By120", [](auto&) { return SizeAt(1.5); }, "600 x 120, fixed"},
    {"Scale1Point33Gives532By106EachProductTruncated", [](auto&) { return SizeAt(1.33); }, "532 x 106, fixed"},
    {"BeforeAnyProgressTheDialogShowsZeroAndTheInitializingText",
     [](auto&) {
         ProcessingProgressDialog dialog;
         return InOrder({std::to_string(dialog.value()), dialog.labelText().toStdString()});
     },
     std::string("0, ") + kInitializing},
    {"RelayIsOneObjectFromEveryThreadAndEveryCall",
     [](auto&) {
         std::vector<std::future<Notify_Adapter*>> asked;
         for (int thread = 0; thread < 8; ++thread)
             asked.push_back(std::async(std::launch::async, &Notify_Adapter::GetInstance));
         std::set<Notify_Adapter*> seen = {Notify_Adapter::GetInstance(), Notify_Adapter::GetInstance()};
         for (auto& answer : asked)
             seen.insert(answer.get());
         return std::to_string(seen.size()) + (seen.count(nullptr) ? " of them null" : " object");
     },
     "1 object"},
    {"RelayProgressOf5In5EndsWithTheDialogAt100",
     [](auto& t) {
         return ValuesAfter(t, {{5, 5}});
     },
     "100"},
    {"MissingIconFileLeavesTheWindowWithoutAnIconAndNothingElseChanges",
     [](auto& t) {
         const auto seen = [] {
             ProcessingProgressDialog dialog;
             return InOrder({dialog.windowIcon().pixmap(72, 72).isNull() ? "no icon" : "an icon",
                             dialog.windowTitle().toStdString(), dialog.labelText().toStdString()});
         };
         const std::string missing = seen();
         QImage image(72, 72, QImage::Format_ARGB32);
         image.fill(Qt::blue);
         fs::create_directories(t.Resources() + "/images");
         image.save(QString::fromStdString(t.Resources() + "/images/ico_72_larkspan.png"));
         return missing + "; with the file: " + seen();
     },
     std::string("no icon, Velmora Drive Client, ") + kInitializing +
         "; with the file: an icon, Velmora Drive "
         "Client, " +
         kInitializing},
};

INSTANTIATE_TEST_SUITE_P(InProcess, InProcessCases, testing::ValuesIn(kInProcessRows), conformance::RowName());

}  // namespace

// The dialog's rows need a QApplication, made before the service fixture's
// environment would make a QCoreApplication; listing the cases needs none.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

// The built launcher run on demo bundles against a temp home folder: what
// lands on disk, what the log says, and which client it leaves running.
#include "launcher_e2e_fixture.h"

#include "named_rows.h"
#include "tmpfs_mount.h"
#include "tree_snapshot.h"

#include <fcntl.h>
#include <sys/statvfs.h>

#include <regex>
#include <set>

namespace {

using named_rows::operator<<;

using namespace launcher_e2e;

TEST_F(LauncherE2ETest, FirstInstallCreatesTheUserBundleAndStartsIt)
{
    const std::string bundle = MakeBundle(100, kVerbose);
    ASSERT_EQ(RunLauncher(bundle), 0) << Output("launcher", "err");

    EXPECT_NE(InstalledInfo().find("build_version=100"), std::string::npos);
    struct stat st;
    ASSERT_EQ(stat((App() + "/Contents/MacOS/cloud-drive-ui").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR);
    EXPECT_FALSE(Exists(App() + "_tmp"));
    EXPECT_NE(Output("launcher", "out").find("lib path = '" + bundle + "/Contents/Frameworks/plugins'"),
              std::string::npos);

    const std::string log = Log();
    EXPECT_NE(log.find("launcher(89): running"), std::string::npos);
    EXPECT_NE(log.find("launcher(117): done"), std::string::npos);
    EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
    EXPECT_GT(WaitForClient(), 0);
}

// A log reached through a link lands wherever the link leads: a log folder
// that is a link is no log folder, a log file that is a link is not opened,
// and the launcher still installs and starts the client.
TEST_F(LauncherE2ETest, LogIsNeverWrittenThroughALink)
{
    const std::string bundle = MakeBundle(100, kVerbose);
    const std::string elsewhere = root + "/elsewhere";
    ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
    WriteFile(elsewhere + "/theirs.log", "theirs\n");
    ASSERT_EQ(mkdir(Drive().c_str(), 0700), 0);
    const struct {
        const char* name;
        std::string link;
        std::string target;
    } rows[] = {
        {"log folder", Drive() + "/log", elsewhere},
        {"log file", Drive() + "/log/launcher.log", elsewhere + "/theirs.log"},
        {"dangling log file", Drive() + "/log/launcher.log", elsewhere + "/new.log"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(system(("rm -rf '" + Drive() + "/log'").c_str()), 0);
        if (row.link != Drive() + "/log") {
            ASSERT_EQ(mkdir((Drive() + "/log").c_str(), 0700), 0);
        }
        ASSERT_EQ(symlink(row.target.c_str(), row.link.c_str()), 0);
        ASSERT_EQ(RunLauncher(bundle), 0) << Output("launcher", "err");
        EXPECT_EQ(ReadFile(elsewhere + "/theirs.log"), "theirs\n");
        EXPECT_FALSE(Exists(elsewhere + "/launcher.log"));
        EXPECT_FALSE(Exists(elsewhere + "/new.log"));
        EXPECT_TRUE(Exists(App() + "/Contents/MacOS/cloud-drive-ui"));
        EXPECT_GT(WaitForClient(), 0);
        StopClients();
    }
}

TEST_F(LauncherE2ETest, LevelFileSwitchesDebugOnForOneComponentOnly)
{
    const struct {
        const char* level;
        const char* present;
        const char* absent;
    } rows[] = {
        {"service_debug=7", "[DEBUG] mac/mac-service(", "[DEBUG] launcher("},
        {"launcher_debug=7", "[DEBUG] launcher(89): running", "[DEBUG] mac/mac-service("},
        {"extractor_debug=7", "[DEBUG] extractor(", "[DEBUG] launcher("},
    };
    int build = 100;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.level);
        unlink((Drive() + "/log/launcher.log").c_str());
        // A newer build each time, so every run installs and extracts.
        ASSERT_EQ(RunLauncher(MakeBundle(build++, {row.level})), 0);
        const std::string log = Log();
        EXPECT_NE(log.find(row.present), std::string::npos) << log;
        EXPECT_EQ(log.find(row.absent), std::string::npos) << log;
        EXPECT_GT(WaitForClient(), 0);
        StopClients();
    }
}

// Files share log tags, so a line's "<tag>(<number>)" alone may not name
// its file: scripts/log-source.sh must name exactly one call for each kind
// of line an install and an upgrade write at every component's DEBUG level.
TEST_F(LauncherE2ETest, EveryLoggedLineLeadsBackToOneCall)
{
    const std::vector<std::string> levels = {"launcher_debug=7", "service_debug=7", "extractor_debug=7",
                                             "file_op_debug=7"};
    ASSERT_EQ(RunLauncher(MakeBundle(100, levels), "first"), 0);
    ASSERT_GT(WaitForClient(), 0);
    ASSERT_EQ(RunLauncher(MakeBundle(101, levels), "upgrade"), 0);
    ASSERT_GT(WaitForClient(), 0);

    const std::regex kind(R"(\[([A-Z]+)\] ([a-z/_-]+)\(([0-9]+)\): (.{0,12}))");
    std::set<std::string> seen;
    std::istringstream log(Log());
    std::string line;
    while (std::getline(log, line)) {
        std::smatch found;
        ASSERT_TRUE(std::regex_search(line, found, kind)) << line;
        if (!seen.insert(found.str(0)).second)
            continue;
        const std::string quoted = std::regex_replace(line, std::regex("'"), "'\\''");
        const std::string command = "bash " VELMORA_SOURCE_DIR "/scripts/log-source.sh '" + quoted + "'";
        FILE* out = popen(command.c_str(), "r");
        ASSERT_NE(out, nullptr);
        std::string calls;
        char buffer[512];
        while (fgets(buffer, sizeof(buffer), out) != nullptr)
            calls += buffer;
        EXPECT_EQ(pclose(out), 0) << line;
        EXPECT_EQ(CountOf(calls, "\n"), 1) << line << "\n" << calls;
    }
    EXPECT_GT(seen.size(), 20u) << Log();
}

// Packages mark their names as UTF-8; a session without a UTF-8 locale
// (these runs pass no LANG) must still install names outside ASCII.
TEST_F(LauncherE2ETest, NamesOutsideAsciiInstallWithoutAUtf8Locale)
{
    const std::string bundle = MakeBundle(100, kVerbose);
    const std::string stage = root + "/stage";
    const std::string package = bundle + "/Contents/Resources/package/larkspan.vpk";
    const std::string command = "export LC_ALL=C.UTF-8 && mkdir -p '" + stage + "/Contents/Resources/fr.lproj'" +
                                " && bsdtar -xf '" + package + "' -C '" + stage + "' && echo texte > '" + stage +
                                "/Contents/Resources/fr.lproj/G\303\251n\303\251ral.strings' && rm '" + package +
                                "' && bsdtar --format zip -C '" + stage + "' -cf '" + package + "' Contents";
    ASSERT_EQ(system(("bash -c \"" + command + "\"").c_str()), 0);
    ASSERT_EQ(demo_bundle::ForgetPackageDigest(bundle), 0);

    ASSERT_EQ(RunLauncher(bundle), 0) << Output("launcher", "err");
    EXPECT_EQ(ReadFile(App() + "/Contents/Resources/fr.lproj/G\303\251n\303\251ral.strings"), "texte\n") << Log();
    EXPECT_EQ(Log().find("[ERROR]"), std::string::npos) << Log();
    EXPECT_GT(WaitForClient(), 0);
}

// Without HOME the launcher installs into the account's home folder, never
// into the root folder. The account is uid 65534, which cannot write to the
// root folder; its home folder is ours through a copy of the password file
// seen only in the launcher's own mount namespace.
TEST_F(LauncherE2ETest, UnsetHomeInstallsIntoTheAccountsHomeFolder)
{
    if (getuid() != 0 || system("unshare --mount true >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs root and a private mount namespace";
    const std::string bundle = MakeBundle(100, kVerbose);
    const std::string run = home + "/run";
    ASSERT_EQ(mkdir(run.c_str(), 0700), 0);
    for (const std::string& path : {root, root + "/bundles"})
        ASSERT_EQ(chmod(path.c_str(), 0755), 0);
    for (const std::string& path : {home, run})
        ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);

    std::istringstream accounts(ReadFile("/etc/passwd"));
    std::string line, passwd = "nobody:x:65534:65534:nobody:" + home + ":/usr/sbin/nologin\n";
    while (std::getline(accounts, line)) {
        if (line.find(":x:65534:") == std::string::npos)
            passwd += line + "\n";
    }
    WriteFile(root + "/passwd", passwd);
    const std::string script = root + "/no-home.sh";
    WriteFile(script, "#!/bin/sh\nexec unshare --mount /bin/sh -c 'mount --bind " + root +
                          "/passwd /etc/passwd && exec setpriv --reuid=65534 --regid=65534 --clear-groups \"" + bundle +
                          "/Contents/MacOS/velmora-launcher\"'\n");
    ASSERT_EQ(chmod(script.c_str(), 0755), 0);

    const pid_t launcher = child_process::Start(
        script, {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + run, "PATH=/usr/bin:/bin:/usr/sbin:/sbin"},
        root + "/no-home.out", root + "/no-home.err");
    ASSERT_EQ(Wait(launcher), 0) << Output("no-home", "err");
    EXPECT_NE(InstalledInfo().find("build_version=100"), std::string::npos) << Output("no-home", "err");
    EXPECT_NE(Log().find(">>> user_larkspan_path = " + home + "/.Larkspan\n"), std::string::npos) << Log();
    EXPECT_GT(WaitForClient(), 0);
}

// The Qt plug-ins are looked up inside the bundle however the launcher was
// named: a path through a linked bundle, or a link to the executable kept
// outside any bundle.
TEST_F(LauncherE2ETest, PluginFolderIsTheBundlesWhenStartedThroughALink)
{
    const std::string bundle = MakeBundle(100, {});
    const std::string links = root + "/links";
    ASSERT_EQ(mkdir(links.c_str(), 0700), 0);
    ASSERT_EQ(symlink(bundle.c_str(), (links + "/Linked.app").c_str()), 0);
    ASSERT_EQ(symlink((bundle + "/Contents/MacOS/velmora-launcher").c_str(), (links + "/launch").c_str()), 0);
    const std::string rows[] = {links + "/Linked.app/Contents/MacOS/velmora-launcher", links + "/launch"};
    for (const std::string& exe : rows) {
        SCOPED_TRACE(exe);
        const pid_t launcher = child_process::Start(
            exe,
            {"HOME=" + home, "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + root + "/run", "PATH=/usr/bin:/bin"},
            root + "/link.out", root + "/link.err");
        ASSERT_EQ(Wait(launcher), 0) << Output("link", "err");
        EXPECT_NE(Output("link", "out").find("lib path = '" + bundle + "/Contents/Frameworks/plugins'\n"),
                  std::string::npos)
            << Output("link", "out");
        EXPECT_GT(WaitForClient(), 0);
        StopClients();
    }
}

// An upgrade without room for the package is refused before the running
// client is stopped: the old client runs on and the log says why, with the
// sizes. The home folder is a small tmpfs of our own, filled up after the
// first install. The package carries a hundred files besides the client,
// so that, whatever the size of the client's build, the new bundle takes
// far more than what is left.
TEST_F(LauncherE2ETest, UpgradeOnAFullDiskKeepsTheOldClient)
{
    if (mount("tmpfs", home.c_str(), "tmpfs", 0, "size=16m") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs of our own here: " << strerror(errno);
    const int files = 100;
    struct statvfs fs;
    ASSERT_EQ(statvfs(home.c_str(), &fs), 0);
    const long long empty = static_cast<long long>(fs.f_bavail) * fs.f_frsize;
    ASSERT_EQ(RunLauncher(MakeBundle(100, kVerbose, files), "first"), 0);
    const pid_t old = WaitForClient();
    ASSERT_GT(old, 0);
    ASSERT_EQ(statvfs(home.c_str(), &fs), 0);
    const long long left = static_cast<long long>(fs.f_bavail) * fs.f_frsize;
    const long long leave = 64 * 1024;
    // The new bundle has as many files as the old one.
    ASSERT_GT(empty - left, 4 * leave);
    WriteFile(home + "/filler", std::string(left - leave, 'f'));

    EXPECT_EQ(RunLauncher(MakeBundle(101, kVerbose, files), "second"), 0);
    EXPECT_FALSE(Ended(old));
    EXPECT_NE(InstalledInfo().find("build_version=100"), std::string::npos);
    const std::string log = Log();
    EXPECT_NE(log.find("refused before anything is stopped or moved: the volume of '" + home +
                       "/.VelmoraDrive/VelmoraDrive.app' has 65536 bytes (0.1 MiB) free, less than"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("rollback to old installation"), std::string::npos) << log;
    EXPECT_GT(WaitForClient(old), 0);
}

// The pre-flight reads the package's INFO through a copy of its own, in the
// per-user folder: a temporary folder that is full, or read-only, blocks
// neither a first installation nor an upgrade, and no copy stays behind.
TEST_F(LauncherE2ETest, UnusableTemporaryFolderBlocksNoInstallation)
{
    const struct {
        const char* name;
        unsigned long flags;
    } rows[] = {{"full", 0}, {"read-only", MS_RDONLY}};
    const std::string bundles[] = {MakeBundle(100, kVerbose), MakeBundle(101, kVerbose)};
    const long page = sysconf(_SC_PAGESIZE);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string tmp = root + "/tmp-" + row.name;
        ASSERT_EQ(mkdir(tmp.c_str(), 0777), 0);
        const TmpfsMount volume(tmp, "size=" + std::to_string(page), row.flags);
        if (!volume.mounted)
            GTEST_SKIP() << "cannot mount a tmpfs of our own here: " << strerror(errno);
        if (row.flags == 0)
            WriteFile(tmp + "/filler", std::string(page, 'f'));
        struct statvfs fs;
        ASSERT_EQ(statvfs(tmp.c_str(), &fs), 0);
        ASSERT_TRUE(fs.f_bavail == 0 || (fs.f_flag & ST_RDONLY) != 0) << "the temporary folder takes files";
        for (int build : {100, 101}) {
            const std::string run = row.name + std::to_string(build);
            ASSERT_EQ(Wait(StartLauncher(bundles[build - 100], home, run, std::string(), {"TMPDIR=" + tmp})), 0)
                << Output(run, "err");
            ASSERT_NE(InstalledInfo().find("build_version=" + std::to_string(build)), std::string::npos) << Log();
            EXPECT_GT(WaitForClient(), 0);
            StopClients();
        }
        EXPECT_EQ(NamesIn(Drive(), "package-info."), "");
        ASSERT_EQ(system(("rm -rf '" + Drive() + "'").c_str()), 0);
    }
}

// What --status says a start would do, and the record that start leaves.
// Each row installs a build with a run of its own launcher (0: none),
// arranges the per-user folder as an earlier run could have left it, and
// changes the launcher bundle of build 120 that then runs. The status before
// that run and after it are the objects written here, the record's time
// aside; the status changes nothing.
struct StatusRow {
    const char* name;
    int installed;
    const char* arrange;  // shell commands in the per-user folder
    const char* change;   // shell commands in the 120 bundle's resources
    const char* line;     // a line of the text status ({drive}: the per-user folder)
    std::string before;   // --status --json before the run
    std::string after;    // the same after it, the record's time written "T"
};

class StatusTest : public LauncherE2ETest, public ::testing::WithParamInterface<StatusRow> {
protected:
    static void Shell(const std::string& folder, const std::string& commands)
    {
        ASSERT_EQ(system(("cd '" + folder + "' && " + commands).c_str()), 0) << commands;
    }

    std::string Status(const std::string& bundle, const std::vector<std::string>& args)
    {
        EXPECT_EQ(Wait(StartLauncher(bundle, home, "status", std::string(), {}, args)), 0);
        EXPECT_EQ(Output("status", "err"), "");
        return Output("status", "out");
    }

    // The JSON status with the record's time, when it is one, written "T".
    std::string StatusJson(const std::string& bundle, const std::vector<std::string>& args)
    {
        const std::regex utc("\"time\":\"[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z\"");
        return std::regex_replace(Status(bundle, args), utc, "\"time\":\"T\"");
    }

    tree_snapshot::Tree Home() const
    {
        tree_snapshot::Tree tree;
        tree_snapshot::Add(home, "", tree_snapshot::kTimes, tree);
        return tree;
    }
};

TEST_P(StatusTest, StatusSaysWhatAStartDoesAndTheRecordWhatItDid)
{
    const StatusRow& row = GetParam();
    if (row.installed != 0) {
        ASSERT_EQ(RunLauncher(MakeBundle(row.installed, {}), "install"), 0);
        StopClients();
    }
    if (*row.arrange != '\0')
        Shell(Drive(), row.arrange);
    const std::string bundle = MakeBundle(120, {});
    if (*row.change != '\0')
        Shell(bundle + "/Contents/Resources", row.change);

    const tree_snapshot::Tree before = Home();
    EXPECT_EQ(StatusJson(bundle, {"--status", "--json"}), row.before + "\n");
    std::string line = std::string(row.line) + "\n";
    if (line.find("{drive}") != std::string::npos)
        line.replace(line.find("{drive}"), 7, Drive());
    const std::string text = Status(bundle, {"--status"});
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
    EXPECT_EQ(Home(), before);

    ASSERT_EQ(RunLauncher(bundle, "run"), 0) << Output("run", "err");
    StopClients();
    EXPECT_EQ(StatusJson(bundle, {"--json", "--status"}), row.after + "\n") << Log();
}

const char kInterruptedUpgrade[] =
    "mv VelmoraDrive.app VelmoraDrive.app_tmp && cp -a VelmoraDrive.app_tmp VelmoraDrive.app && "
    "sed -i s/=119/=120/ VelmoraDrive.app/Contents/Resources/INFO && "
    "echo backup=VelmoraDrive.app_tmp > VelmoraDrive.app_installing";
const char kDamagedWithoutDigest[] = "sed -i /^package_sha256=/d INFO && echo damaged > package/larkspan.vpk";

// The status after the runs of several rows.
const std::string kInstalledFirst =
    R"({"installed_build":120,"last_run":{"from_build":"","reason":"no complete client was in place",)"
    R"("result":"installed","time":"T","to_build":"120"},"packaged_build":120,"unfinished_install":false,)"
    R"("would_install":false})";
const std::string kUpToDate =
    R"({"installed_build":120,"last_run":{"from_build":"120","reason":"the installed build is as new as the )"
    R"(packaged one","result":"up-to-date","time":"T","to_build":"120"},"packaged_build":120,)"
    R"("unfinished_install":false,"would_install":false})";
const std::string kUpgradedFrom119 =
    R"({"installed_build":120,"last_run":{"from_build":"119","reason":"the packaged build is newer",)"
    R"("result":"installed","time":"T","to_build":"120"},"packaged_build":120,"unfinished_install":false,)"
    R"("would_install":false})";

INSTANTIATE_TEST_SUITE_P(
    States, StatusTest,
    ::testing::Values(
        StatusRow{"first_install", 0, "", "", "unfinished install:   no",
                  R"({"installed_build":null,"last_run":null,"packaged_build":120,"unfinished_install":false,)"
                  R"("would_install":true})",
                  kInstalledFirst},
        StatusRow{"up_to_date", 120, "", "", "installed build:     120", kInstalledFirst, kUpToDate},
        // The build a start finds is the one settling puts back, not the
        // partial bundle's.
        StatusRow{"interrupted_upgrade", 119, kInterruptedUpgrade, "",
                  "settling:             puts back build 119 from '{drive}/VelmoraDrive.app_tmp'",
                  R"({"installed_build":119,"last_run":{"from_build":"","reason":"no complete client was in place",)"
                  R"("result":"installed","time":"T","to_build":"119"},"packaged_build":120,)"
                  R"("unfinished_install":true,"would_install":true})",
                  kUpgradedFrom119},
        // An empty marker, as earlier launchers wrote, with no backup: the
        // bundle in place may be partial, so it goes.
        StatusRow{"marker_of_earlier_launchers", 120, ": > VelmoraDrive.app_installing && rm last-run", "",
                  "settling:             removes what an installation without a complete bundle left",
                  R"({"installed_build":null,"last_run":null,"packaged_build":120,"unfinished_install":true,)"
                  R"("would_install":true})",
                  kInstalledFirst},
        // Left by a launcher that keeps no marker.
        StatusRow{"bundle_left_in_a_backup", 120, "mv VelmoraDrive.app VelmoraDrive.app_tmp2 && rm last-run", "",
                  "settling:             puts back build 120 from '{drive}/VelmoraDrive.app_tmp2'",
                  R"({"installed_build":120,"last_run":null,"packaged_build":120,"unfinished_install":true,)"
                  R"("would_install":false})",
                  kUpToDate},
        // The marker names a backup that is gone: the bundle stays.
        StatusRow{"backup_gone", 119, "echo backup=VelmoraDrive.app_tmp3 > VelmoraDrive.app_installing", "",
                  "settling:             keeps build 119 in place",
                  R"({"installed_build":119,"last_run":{"from_build":"","reason":"no complete client was in place",)"
                  R"("result":"installed","time":"T","to_build":"119"},"packaged_build":120,)"
                  R"("unfinished_install":true,"would_install":true})",
                  kUpgradedFrom119},
        // A data move an earlier run began goes on beside the client.
        StatusRow{"data_move_pending", 120,
                  "mkdir -p ../.Larkspan/data && echo notes > ../.Larkspan/data/notes && "
                  "echo state=copying > data_migrating && rm last-run",
                  "", "pending data move:    yes (a start stops the client and moves the older product's data)",
                  R"({"installed_build":120,"last_run":null,"packaged_build":120,"unfinished_install":false,)"
                  R"("would_install":false})",
                  kUpToDate},
        // The record's text as it is, escaped: a quote, backslashes, control
        // bytes, a byte that is not UTF-8 (U+FFFD) and one that is.
        StatusRow{"record_of_any_bytes", 120,
                  R"(printf 'time=yesterday\nresult=failed\nfrom_build=1"2\nto_build=a\\b\n)"
                  R"(reason=tab\there \001 \377 \303\251 \\ end\n' > last-run)",
                  "", R"(last run builds:      1"2 -> a\b)",
                  R"({"installed_build":120,"last_run":{"from_build":"1\"2",)"
                  R"("reason":"tab\there \u0001 )"
                  "\xef\xbf\xbd \xc3\xa9"
                  R"( \\ end","result":"failed",)"
                  R"("time":"yesterday","to_build":"a\\b"},"packaged_build":120,"unfinished_install":false,)"
                  R"("would_install":false})",
                  kUpToDate},
        StatusRow{"refused", 119, "rm last-run", "sed -i s/build_version=120/build_version=121/ INFO",
                  "packaged build:      121",
                  R"({"installed_build":119,"last_run":null,"packaged_build":121,"unfinished_install":false,)"
                  R"("would_install":true})",
                  R"({"installed_build":119,"last_run":{"from_build":"119",)"
                  R"("reason":"the INFO 'Contents/Resources/INFO' states build 120, not the expected build 121",)"
                  R"("result":"refused","time":"T","to_build":"121"},"packaged_build":121,)"
                  R"("unfinished_install":false,"would_install":true})"},
        StatusRow{"failed", 119, "rm last-run", kDamagedWithoutDigest, "start would install:  yes",
                  R"({"installed_build":119,"last_run":null,"packaged_build":120,"unfinished_install":false,)"
                  R"("would_install":true})",
                  R"({"installed_build":119,"last_run":{"from_build":"119",)"
                  R"("reason":"the package could not be extracted","result":"failed","time":"T",)"
                  R"("to_build":"120"},"packaged_build":120,"unfinished_install":false,"would_install":true})"},
        StatusRow{"no_client", 0, "", kDamagedWithoutDigest, "last run:             none",
                  R"({"installed_build":null,"last_run":null,"packaged_build":120,"unfinished_install":false,)"
                  R"("would_install":true})",
                  R"({"installed_build":null,"last_run":{"from_build":"",)"
                  R"("reason":"the package could not be extracted","result":"no-client","time":"T",)"
                  R"("to_build":"120"},"packaged_build":120,"unfinished_install":false,"would_install":true})"}),
    named_rows::RowName());

// Two launchers of one user, one home: from two sessions, through a linked
// HOME, or both. Each row is the second launcher's session and HOME.
struct OtherLauncher {
    const char* name;
    const char* home;  // "home" or "link", a symbolic link to it
    const char* run;   // "run", ours, or "run2", another session's
};

const OtherLauncher kOtherLaunchers[] = {
    {"another session", "home", "run2"},
    {"linked home", "link", "run"},
    {"both", "link", "run2"},
};

const int kRaceFiles = 300;

class TwoLaunchersTest : public LauncherE2ETest {
protected:
    void SetUp() override
    {
        LauncherE2ETest::SetUp();
        ASSERT_EQ(symlink(home.c_str(), (root + "/link").c_str()), 0);
        ASSERT_EQ(mkdir((root + "/run2").c_str(), 0700), 0);
        older = MakeBundle(101, kVerbose, kRaceFiles);
        newer = MakeBundle(102, kVerbose, kRaceFiles);
    }

    pid_t StartOther(const std::string& bundle, const OtherLauncher& other)
    {
        return StartLauncher(bundle, root + "/" + other.home, "other", root + "/" + other.run);
    }

    // Waits for the launchers and reaps every other child as it ends: a
    // client one launcher stopped must not linger as our zombie, which the
    // other's probes would take for a running client.
    void WaitReaping(std::vector<pid_t> launchers)
    {
        while (!launchers.empty()) {
            int status = 0;
            const pid_t pid = waitpid(-1, &status, 0);
            ASSERT_GT(pid, 0) << strerror(errno);
            for (auto it = launchers.begin(); it != launchers.end(); ++it) {
                if (*it == pid) {
                    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
                    launchers.erase(it);
                    break;
                }
            }
        }
    }

    // One build whole: every packaged file of its own build, nothing beside
    // the bundle in the per-user folder (no marker, no backup).
    void ExpectWholeBuild(int build)
    {
        EXPECT_NE(InstalledInfo().find("build_version=" + std::to_string(build) + "\n"), std::string::npos);
        int files = 0, foreign = 0;
        const std::string tail = " of build " + std::to_string(build) + "\n";
        for (const auto& entry : std::filesystem::recursive_directory_iterator(App() + "/Contents/Resources/data")) {
            if (entry.is_regular_file()) {
                ++files;
                const std::string text = ReadFile(entry.path().string());
                foreign += text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0;
            }
        }
        EXPECT_EQ(foreign, 0);
        EXPECT_EQ(files, kRaceFiles);
        for (const auto& entry : std::filesystem::directory_iterator(Drive())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "VelmoraDrive.app" || name == "log" || name == "ui.pid" || name == "install.lock" ||
                        name == "last-run")
                << name;
        }
    }

    void ForgetInstallation()
    {
        StopClients();
        std::filesystem::remove_all(Drive());
    }

    std::string older, newer;
};

// The first launcher is caught holding the lock, after its decision: it is
// waiting for a stopped client, and is then stopped itself. The second must
// wait for it, then decide again from what it left.
TEST_F(TwoLaunchersTest, SecondLauncherWaitsAndDecidesAgain)
{
    const std::string installed = MakeBundle(100, kVerbose);
    const std::string bundles[] = {older, newer};
    for (const OtherLauncher& other : kOtherLaunchers) {
        for (int first = 0; first < 2; ++first) {
            SCOPED_TRACE(std::string(other.name) + (first == 0 ? ", older first" : ", newer first"));
            ASSERT_EQ(RunLauncher(installed, "install"), 0);
            const pid_t client = WaitForClient();
            ASSERT_GT(client, 0);
            ASSERT_EQ(kill(client, SIGSTOP), 0);

            const pid_t holder = StartLauncher(bundles[first], home, "holder");
            for (int i = 0; i < 600 && Log().find("local appdata exist") == std::string::npos; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ASSERT_NE(Log().find("local appdata exist"), std::string::npos) << Log();
            ASSERT_EQ(kill(holder, SIGSTOP), 0);
            const pid_t waiter = StartOther(bundles[1 - first], other);
            // Until it waits, or goes on to its own decision.
            const std::string waiting = "is held by another launcher, waiting up to";
            std::string lines;
            for (int i = 0; i < 3000 && lines.find(waiting) == std::string::npos &&
                            lines.find("Target version") == std::string::npos;
                 ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                lines = LinesOfPid(Log(), waiter);
            }
            EXPECT_NE(lines.find(waiting), std::string::npos) << lines;
            kill(holder, SIGCONT);
            kill(client, SIGCONT);
            WaitReaping({holder, waiter});
            ExpectWholeBuild(102);
            lines = LinesOfPid(Log(), waiter);
            EXPECT_NE(lines.find("the other launcher is done after"), std::string::npos) << lines;
            EXPECT_NE(lines.find(first == 0 ? "local appdata exist" : "launcher(94): no need to upgrade"),
                      std::string::npos)
                << lines;
            ForgetInstallation();
        }
    }
}

// Started together on an empty home, in either order, a few times over.
TEST_F(TwoLaunchersTest, RacingLaunchersLeaveOneBuildWhole)
{
    for (const OtherLauncher& other : kOtherLaunchers) {
        for (int round = 0; round < 4; ++round) {
            SCOPED_TRACE(std::string(other.name) + ", round " + std::to_string(round));
            const bool olderFirst = round % 2 == 0;
            const pid_t one = StartLauncher(olderFirst ? older : newer, home, "one");
            const pid_t two = StartOther(olderFirst ? newer : older, other);
            WaitReaping({one, two});
            ExpectWholeBuild(102);
            ForgetInstallation();
        }
    }
}

}  // namespace

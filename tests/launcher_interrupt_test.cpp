// Upgrades cut short by SIGKILL at spread-out points, on a roomy disk and
// on a full one, and first installations cut short in each step of the
// move of the older product's data. After each, plain runs must leave a bundle identical to a
// clean install, start its client, keep the user's data as it was, and
// leave nothing beside the bundle.
//
// The points are exact: the preloaded kill_at_op library ends the launcher
// just before its N-th call that changes a file or folder, or a given number
// of such calls after the disk ran full, and every trial asserts that the
// launcher died there. VELMORA_INTERRUPT_POINTS sets how many points are
// spread over an upgrade (a handful by default) and widens the full-disk
// grid likewise.
#include "launcher_e2e_fixture.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>

namespace {

using namespace launcher_e2e;

const int kPackageFiles = 3000;
const int kDefaultPoints = 6;
const int kKilled = 128 + SIGKILL;
// Left free on a full disk besides the share of the bundle a row asks for:
// room for the log lines and the client's pid file, far less than a bundle.
const long long kSlack = 64 * 1024;

int PointsAsked()
{
    const char* text = getenv("VELMORA_INTERRUPT_POINTS");
    return text != nullptr && atoi(text) > 0 ? atoi(text) : kDefaultPoints;
}

// Name below the folder -> permission bits, type, size and a hash of the
// content (or the link's target).
using Tree = std::map<std::string, std::string>;

uint64_t HashOf(const std::string& bytes)
{
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : bytes) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

Tree Snapshot(const std::string& folder)
{
    Tree tree;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        const std::string path = it->path().string();
        struct stat st;
        if (lstat(path.c_str(), &st) != 0)
            continue;
        std::ostringstream entry;
        entry << std::oct << (st.st_mode & 07777) << std::dec;
        if (S_ISDIR(st.st_mode))
            entry << " dir";
        else if (S_ISLNK(st.st_mode))
            entry << " link " << std::filesystem::read_symlink(path, error).string();
        else if (S_ISREG(st.st_mode))
            entry << " file " << st.st_size << " " << std::hex << HashOf(ReadFile(path));
        else
            entry << " other";
        tree[path.substr(folder.size() + 1)] = entry.str();
    }
    return tree;
}

// Empty when equal; otherwise the first few names that differ.
std::string Differences(const Tree& actual, const Tree& expected)
{
    std::string text;
    int shown = 0;
    std::set<std::string> names;
    for (const auto& entry : actual)
        names.insert(entry.first);
    for (const auto& entry : expected)
        names.insert(entry.first);
    for (const std::string& name : names) {
        auto a = actual.find(name), e = expected.find(name);
        const std::string got = a == actual.end() ? "(missing)" : a->second;
        const std::string want = e == expected.end() ? "(none)" : e->second;
        if (got != want && shown++ < 5)
            text += name + ": " + got + ", expected " + want + "\n";
    }
    return shown > 5 ? text + std::to_string(shown - 5) + " more\n" : text;
}

// What a run cut short left beside the bundle.
enum class Left { Nothing, Marker, BackupOnly };

// Runs of the launcher with the interruption library.
class CutShortRuns : public LauncherE2ETest {
protected:
    static void Shell(const std::string& command) { ASSERT_EQ(system(command.c_str()), 0) << command; }

    // A run of the bundle's launcher with the interruption library; its
    // exit status.
    int RunWithLibrary(const std::string& bundle, const std::string& run, std::vector<std::string> settings)
    {
        settings.push_back("LD_PRELOAD=" KILL_AT_OP_LIBRARY);
        // A sanitizer's run-time wants to come first; the library may.
        const char* asan = getenv("ASAN_OPTIONS");
        settings.push_back("ASAN_OPTIONS=" + (asan != nullptr ? std::string(asan) + ":" : std::string()) +
                           "verify_asan_link_order=0");
        return Wait(StartLauncher(bundle, home, run, std::string(), settings));
    }
};

class InterruptTest : public CutShortRuns {
protected:
    // Bundles of builds 100 and 101, a clean install of each as the
    // reference, and a home with 100 installed and the user's data, from
    // which every trial starts.
    void SetUp() override
    {
        CutShortRuns::SetUp();
        // A tmpfs of our own keeps the trials off the shared disk: there a
        // flushed bundle of thousands of files can take seconds to remove.
        // A full disk is only ever made there.
        onTmpfs = mount("tmpfs", home.c_str(), "tmpfs", 0, "size=256m") == 0;
        oldBundle = MakeBundle(100, kVerbose, kPackageFiles);
        newBundle = MakeBundle(101, kVerbose, kPackageFiles);
        ASSERT_FALSE(oldBundle.empty() || newBundle.empty());
        newTree = CleanInstall(newBundle);
        oldTree = CleanInstall(oldBundle);
        Shell("mkdir -p '" + Drive() + "/data/sync'");
        WriteFile(Drive() + "/data/notes.txt", "the user's notes");
        WriteFile(Drive() + "/data/sync/state.db", std::string(100000, 'd'));
        data = Snapshot(Drive() + "/data");
        unlink((Drive() + "/ui.pid").c_str());
        Shell("cp -a '" + home + "' '" + root + "/template'");
    }

    // The tree a plain run leaves in an empty home.
    Tree CleanInstall(const std::string& bundle)
    {
        ResetHome("");
        EXPECT_EQ(RunLauncher(bundle, "clean"), 0);
        EXPECT_GT(WaitForClient(), 0);
        StopClients();
        return Snapshot(App());
    }

    // Empties the home folder (it may be a mount point), then copies from.
    void ResetHome(const std::string& from)
    {
        StopClients();
        Shell("find '" + home + "' -mindepth 1 -delete");
        if (!from.empty())
            Shell("cp -a '" + from + "/.' '" + home + "'");
    }

    // The number of counted calls of an upgrade from the template that runs
    // to its end.
    long CountCalls()
    {
        ResetHome(root + "/template");
        const std::string count = root + "/calls";
        EXPECT_EQ(RunWithLibrary(newBundle, "count", {"VELMORA_OP_COUNT_FILE=" + count}), 0);
        StopClients();
        return atol(ReadFile(count).c_str());
    }

    Left WhatWasLeft() const
    {
        if (Exists(App() + "_installing"))
            return Left::Marker;
        return Exists(App() + "_tmp") ? Left::BackupOnly : Left::Nothing;
    }

    // Names beside the bundle that an installation made: backups, markers.
    std::string Beside() const
    {
        std::string names;
        for (const auto& entry : std::filesystem::directory_iterator(Drive())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("VelmoraDrive.app", 0) == 0 && name != "VelmoraDrive.app")
                names += name + " ";
        }
        return names;
    }

    // A plain run ends with the expected bundle, its client started, the
    // data as it was and nothing beside the bundle.
    void ExpectPlainRunEndsWith(const Tree& expected, const std::string& run)
    {
        ASSERT_EQ(RunLauncher(newBundle, run), 0) << Output(run, "err");
        EXPECT_EQ(Differences(Snapshot(App()), expected), "") << Log();
        EXPECT_EQ(Differences(Snapshot(Drive() + "/data"), data), "");
        EXPECT_EQ(Beside(), "");
        EXPECT_GT(WaitForClient(), 0);
        StopClients();
    }

    bool onTmpfs = false;
    std::string oldBundle, newBundle;
    Tree oldTree, newTree, data;
};

// Points spread evenly over a whole upgrade, each followed by a plain run.
// The points must hit the installation (marker standing) and the clean-up
// after it (a backup left, no marker), or they test less than they claim.
TEST_F(InterruptTest, UpgradeCutShortAnywhereIsCompletedByTheNextRun)
{
    const long calls = CountCalls();
    ASSERT_GT(calls, kPackageFiles);
    const int points = PointsAsked();
    std::map<Left, int> seen;
    for (int i = 1; i <= points; ++i) {
        const long point = calls * i / (points + 1);
        SCOPED_TRACE("cut short before call " + std::to_string(point) + " of " + std::to_string(calls));
        ResetHome(root + "/template");
        ASSERT_EQ(RunWithLibrary(newBundle, "cut", {"VELMORA_KILL_AT_OP=" + std::to_string(point)}), kKilled);
        ++seen[WhatWasLeft()];
        ExpectPlainRunEndsWith(newTree, "after");
        if (HasFailure())
            break;
    }
    printf("%d points over %ld calls left: a marker %d, a backup only %d, nothing %d\n", points, calls,
           seen[Left::Marker], seen[Left::BackupOnly], seen[Left::Nothing]);
    EXPECT_GT(seen[Left::Marker], 0);
    EXPECT_GT(seen[Left::BackupOnly], 0);
}

// Every run cut short at the same point, mid-extraction, ten times over:
// backups must not pile up, and one plain run completes the upgrade.
TEST_F(InterruptTest, TenRunsCutShortInARowAreCompletedByTheNext)
{
    const long point = CountCalls() / 2;
    ResetHome(root + "/template");
    for (int run = 1; run <= 10; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_EQ(RunWithLibrary(newBundle, "cut", {"VELMORA_KILL_AT_OP=" + std::to_string(point)}), kKilled);
        ASSERT_EQ(WhatWasLeft(), Left::Marker);
        EXPECT_FALSE(Exists(App() + "_tmp1"));
        StopClients();
    }
    ExpectPlainRunEndsWith(newTree, "after");
}

// Every removal of the marker fails (EIO), the commit's and the
// rollback's: the new bundle is rolled back, the record names the marker,
// and the complete old bundle put back beside the standing marker is
// started, by this run and by one that finds it so. A first installation
// rolled back so leaves no bundle to start. A plain run then installs.
TEST_F(InterruptTest, MarkerThatCannotBeRemovedRollsBackAndStartsWhatIsComplete)
{
    const struct {
        const char* name;
        bool first;  // no bundle installed before
        const char* record;
    } rows[] = {
        {"upgrade", false, "result=failed"},
        {"first installation", true, "result=no-client"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ResetHome(root + "/template");
        if (row.first)
            Shell("rm -r '" + App() + "'");
        const std::vector<std::string> eio = {"VELMORA_EIO_ON_REMOVE=VelmoraDrive.app_installing"};
        ASSERT_EQ(RunWithLibrary(newBundle, "eio", eio), 0);
        const std::string record = ReadFile(Drive() + "/last-run");
        EXPECT_NE(record.find(std::string(row.record) + "\nfrom_build="), std::string::npos) << record;
        EXPECT_NE(record.find("reason=the installation marker could not be removed\n"), std::string::npos) << record;
        EXPECT_EQ(WhatWasLeft(), Left::Marker);
        if (row.first) {
            EXPECT_FALSE(Exists(App()));
        } else {
            EXPECT_EQ(Differences(Snapshot(App()), oldTree), "") << Log();
            EXPECT_GT(WaitForClient(), 0) << Log();
            StopClients();
            ASSERT_EQ(RunWithLibrary(newBundle, "again", eio), 0);
            EXPECT_GT(WaitForClient(), 0) << Log();
            EXPECT_NE(ReadFile(Drive() + "/last-run").find("result=failed\n"), std::string::npos);
        }
        ExpectPlainRunEndsWith(newTree, "after");
        if (HasFailure())
            break;
    }
}

// A first installation cut short after the pre-flight wrote its copy of
// the package's INFO and before it removed it: the next plain run leaves no
// copy, neither in the per-user folder nor in the temporary folder.
TEST_F(CutShortRuns, CopyOfThePackagesInfoIsGoneAfterTheNextRun)
{
    const std::string bundle = MakeBundle(100, kVerbose);
    const std::string tmp = root + "/tmp", trace = root + "/trace";
    ASSERT_EQ(mkdir(tmp.c_str(), 0700), 0);
    ASSERT_EQ(RunWithLibrary(bundle, "trace", {"VELMORA_OP_TRACE_FILE=" + trace, "TMPDIR=" + tmp}), 0);
    StopClients();
    // The removal of the copy: the file the pre-flight made and removed.
    std::istringstream lines(ReadFile(trace));
    long n = 0, removal = 0;
    std::string call, path;
    while (removal == 0 && lines >> n >> call && std::getline(lines, path)) {
        const bool copy = path.find("/package-info.") != std::string::npos || path.find(tmp + "/") != std::string::npos;
        if (copy && (call == "unlink" || call == "unlinkat" || call == "remove"))
            removal = n;
    }
    ASSERT_GT(removal, 0) << ReadFile(trace);
    Shell("rm -rf '" + Drive() + "'");

    ASSERT_EQ(RunWithLibrary(bundle, "cut", {"VELMORA_KILL_AT_OP=" + std::to_string(removal), "TMPDIR=" + tmp}),
              kKilled);
    ASSERT_NE(NamesIn(Drive(), "package-info.") + NamesIn(tmp), "") << "the run was not cut short with a copy";
    ASSERT_EQ(Wait(StartLauncher(bundle, home, "after", std::string(), {"TMPDIR=" + tmp})), 0);
    EXPECT_GT(WaitForClient(), 0);
    EXPECT_EQ(NamesIn(Drive(), "package-info."), "");
    EXPECT_EQ(NamesIn(tmp), "");
}

struct FullDisk {
    double room;     // free space left once the disk fills, as a share of the new bundle's
    long afterFull;  // calls between the first that failed for want of space and the kill
};

// The rows of the grid; VELMORA_INTERRUPT_POINTS widens it.
std::vector<FullDisk> FullDiskRows()
{
    if (PointsAsked() <= kDefaultPoints)
        return {{0.0, 0}, {0.3, 0}, {0.7, 50}};
    std::vector<FullDisk> rows;
    for (int tenth = 0; tenth < 10; ++tenth) {
        for (long after : {0L, 1L, 10L, 50L}) {
            // Too few calls remain after a disk full at once.
            if (tenth > 0 || after <= 1)
                rows.push_back({tenth / 10.0, after});
        }
    }
    return rows;
}

// The home folder is a tmpfs of our own. Each trial starts with 100
// installed; the disk fills up once the new bundle's folder is made, and
// the launcher is killed while the disk is full. A run on the still full
// disk must end with the complete old bundle and start its client; a run
// once there is room, with the complete new one.
TEST_F(InterruptTest, CutShortOnAFullDiskKeepsTheOldBundleUntilThereIsRoom)
{
    if (!onTmpfs)
        GTEST_SKIP() << "cannot mount a tmpfs of our own here, and the shared disk is not ours to fill";
    ResetHome("");
    struct statvfs empty, installed;
    ASSERT_EQ(statvfs(home.c_str(), &empty), 0);
    ASSERT_EQ(RunLauncher(newBundle, "measure"), 0);
    StopClients();
    ASSERT_EQ(statvfs(home.c_str(), &installed), 0);
    const long long need = static_cast<long long>(empty.f_bavail - installed.f_bavail) * empty.f_frsize;
    ASSERT_GT(need, 4 * kSlack);

    const std::string filler = home + "/filler";
    for (const FullDisk& row : FullDiskRows()) {
        const long long leave = static_cast<long long>(row.room * need) + kSlack;
        SCOPED_TRACE("room " + std::to_string(leave) + " of " + std::to_string(need) + " bytes, killed " +
                     std::to_string(row.afterFull) + " calls after the disk was full");
        ResetHome(root + "/template");
        ASSERT_EQ(RunWithLibrary(newBundle, "cut",
                                 {"VELMORA_FILL_ON_MKDIR=/.VelmoraDrive/VelmoraDrive.app",
                                  "VELMORA_FILL_FILE=" + filler, "VELMORA_FILL_LEAVE=" + std::to_string(leave),
                                  "VELMORA_KILL_AFTER_ENOSPC=" + std::to_string(row.afterFull)}),
                  kKilled);
        ASSERT_EQ(WhatWasLeft(), Left::Marker);
        StopClients();

        ExpectPlainRunEndsWith(oldTree, "full");
        ASSERT_EQ(unlink(filler.c_str()), 0);
        ExpectPlainRunEndsWith(newTree, "room");
        if (HasFailure())
            break;
    }
}

// A first installation that moves the older product's data to another
// volume, cut short by SIGKILL in the middle of each step of the move: the
// copy, the renames into place, each removal of the older product's files.
// A plain run after each must leave the bundle of a clean install, the
// data as it was, nothing of the older product and nothing beside.
class MigrationInterruptTest : public CutShortRuns {
protected:
    void SetUp() override
    {
        CutShortRuns::SetUp();
        bundle = MakeBundle(101, kVerbose, 20);
        ASSERT_FALSE(bundle.empty());
        const std::string older = root + "/larkspan";
        Shell("mkdir -p '" + older + "/data/sync' '" + older + "/app'");
        WriteFile(older + "/data/notes.txt", "the user's notes");
        WriteFile(older + "/data/sync/state.db", std::string(100000, 'd'));
        ASSERT_EQ(symlink("sync/state.db", (older + "/data/latest").c_str()), 0);
        WriteFile(older + "/app/bin", "the older client");
        WriteFile(older + "/settings.ini", "x=1");
        data = Snapshot(older + "/data");
        ResetHome();
        if (!ownVolume)
            GTEST_SKIP() << "cannot mount a tmpfs of our own here for the per-user folder";
        ASSERT_EQ(RunLauncher(bundle, "clean"), 0);
        ASSERT_GT(WaitForClient(), 0);
        StopClients();
        appTree = Snapshot(App());
        ASSERT_EQ(Differences(Snapshot(Drive() + "/data"), data), "");
    }

    void TearDown() override
    {
        umount2(Drive().c_str(), MNT_DETACH);
        CutShortRuns::TearDown();
    }

    // The older product's folder in the home folder, and an empty per-user
    // folder on a tmpfs of its own: the data moves across volumes.
    void ResetHome()
    {
        StopClients();
        umount2(Drive().c_str(), MNT_DETACH);
        Shell("find '" + home + "' -mindepth 1 -delete");
        ASSERT_EQ(mkdir(Drive().c_str(), 0700), 0);
        ownVolume = mount("tmpfs", Drive().c_str(), "tmpfs", 0, "size=64m,mode=0700") == 0;
        Shell("cp -a '" + root + "/larkspan' '" + home + "/.Larkspan'");
    }

    // The calls of the move, from the trace of a whole run: a few of the
    // copy, every rename into place and write of the mark, every removal of
    // the older product's files.
    std::vector<long> MovePoints()
    {
        ResetHome();
        const std::string trace = root + "/trace";
        EXPECT_EQ(RunWithLibrary(bundle, "trace", {"VELMORA_OP_TRACE_FILE=" + trace}), 0);
        StopClients();
        std::istringstream lines(ReadFile(trace));
        std::vector<long> copy, points;
        long n = 0;
        std::string call, path;
        while (lines >> n >> call && std::getline(lines, path)) {
            const bool older = path.find("/.Larkspan") != std::string::npos;
            const bool removal = call == "unlinkat" || call == "unlink" || call == "rmdir" || call == "remove";
            if (path.find("/.data_migrated.") != std::string::npos)
                copy.push_back(n);
            else if (path.find("/data_migrat") != std::string::npos || (older && removal))
                points.push_back(n);
        }
        EXPECT_GT(copy.size(), 10u);
        EXPECT_GT(points.size(), 10u);
        if (!copy.empty())
            points.insert(points.end(), {copy.front(), copy[copy.size() / 2], copy.back()});
        std::sort(points.begin(), points.end());
        return points;
    }

    std::string bundle;
    bool ownVolume = false;
    Tree data, appTree;
};

TEST_F(MigrationInterruptTest, MoveCutShortAnywhereIsFinishedByTheNextRun)
{
    const std::vector<long> points = MovePoints();
    for (const long point : points) {
        SCOPED_TRACE("cut short before call " + std::to_string(point));
        ResetHome();
        ASSERT_EQ(RunWithLibrary(bundle, "cut", {"VELMORA_KILL_AT_OP=" + std::to_string(point)}), kKilled);
        StopClients();
        ASSERT_EQ(RunLauncher(bundle, "after"), 0) << Output("after", "err");
        EXPECT_EQ(Differences(Snapshot(App()), appTree), "") << Log();
        EXPECT_EQ(Differences(Snapshot(Drive() + "/data"), data), "") << Log();
        EXPECT_FALSE(Exists(home + "/.Larkspan"));
        for (const auto& entry : std::filesystem::directory_iterator(Drive())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "VelmoraDrive.app" || name == "data" || name == "log" || name == "ui.pid" ||
                        name == "install.lock" || name == "last-run")
                << name;
        }
        EXPECT_GT(WaitForClient(), 0);
        StopClients();
        if (HasFailure())
            break;
    }
    printf("%zu points in the move of the older product's data\n", points.size());
}

}  // namespace

// The built launcher's options and its refusal of an unusable home folder:
// what it prints, its exit status, and that it leaves every file and folder
// as it found them and starts nothing.
#include "child_process.h"
#include "demo_bundle.h"
#include "temp_folder_test.h"
#include "tree_snapshot.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <string>
#include <vector>

namespace {

using temp_folder::ReadFile;
using temp_folder::WriteFile;

class LauncherOptionsTest : public temp_folder::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(child_process::BecomeSubreaper());
        for (const char* folder : {"home", "run", "bundles"})
            ASSERT_EQ(mkdir(Path(folder).c_str(), 0700), 0);
        demo_bundle::Options options;
        options.build = 120;
        bundle_ = demo_bundle::Make(VELMORA_BIN_DIR, Path("bundles"), options);
        ASSERT_FALSE(bundle_.empty());
    }

    // A per-user bundle of the given build, as an earlier run left it, with
    // a log file of its own.
    void Install(int build)
    {
        const std::string app = Path("home/.VelmoraDrive/VelmoraDrive.app/Contents");
        ASSERT_EQ(
            system(("mkdir -p '" + app + "/MacOS' '" + app + "/Resources' '" + Path("home/.VelmoraDrive/log") + "'")
                       .c_str()),
            0);
        WriteFile(app + "/MacOS/cloud-drive-ui", "#!/bin/sh\n");
        ASSERT_EQ(chmod((app + "/MacOS/cloud-drive-ui").c_str(), 0755), 0);
        WriteFile(app + "/Resources/INFO", "[Version]\nbuild_version=" + std::to_string(build) + "\n");
        WriteFile(Path("home/.VelmoraDrive/log/launcher.log"), "earlier run\n");
    }

    // Runs the launcher with args and HOME; its status, output and error.
    int Run(const std::vector<std::string>& args, const std::string& home)
    {
        const pid_t launcher = child_process::Start(
            bundle_ + "/Contents/MacOS/velmora-launcher", args,
            {"HOME=" + home, "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + Path("run"), "PATH=/usr/bin:/bin"},
            Path("out"), Path("err"));
        const int status = child_process::Wait(launcher);
        out_ = ReadFile(Path("out"));
        err_ = ReadFile(Path("err"));
        return status;
    }

    // The home folder, the runtime folder (where an instance lock would
    // go) and the bundles; the launcher's output goes beside them.
    tree_snapshot::Tree Tree() const
    {
        tree_snapshot::Tree tree;
        for (const char* folder : {"home", "run", "bundles"})
            tree_snapshot::Add(Path(folder), std::string(folder) + "/", tree_snapshot::kTimes, tree);
        return tree;
    }

    std::string bundle_, out_, err_;
};

TEST_F(LauncherOptionsTest, OptionsPrintAndChangeNothingInEveryState)
{
    const std::string home = Path("home");
    const struct {
        int installed;  // 0: nothing installed
        bool unfinished;
        const char* installedLine;
        const char* decision;
    } states[] = {
        {0, false, "installed build:     none\n", "start would install:  yes\n"},
        {120, false, "installed build:     120\n", "start would install:  no\n"},
        {119, false, "installed build:     119\n", "start would install:  yes\n"},
        // A marker of earlier launchers with no backup: a start removes the
        // bundle, which may be partial, and installs.
        {120, true, "installed build:     none\n", "unfinished install:   yes (a start settles it first)\n"},
    };
    for (const auto& state : states) {
        if (state.installed != 0)
            Install(state.installed);
        if (state.unfinished)
            WriteFile(home + "/.VelmoraDrive/VelmoraDrive.app_installing", "");
        const struct {
            std::vector<std::string> args;
            std::vector<std::string> printed;
        } options[] = {
            {{"--help"}, {"Usage: velmora-launcher [--help | --version | --status]\n", "Exit status:"}},
            {{"-h"}, {"Usage: velmora-launcher"}},
            {{"--version"}, {"velmora-launcher 1.0.120 (overlay 3)\n"}},
            {{"--status"},
             {"packaged build:      120\n", state.installedLine, state.decision,
              "log file:            " + home + "/.VelmoraDrive/log/launcher.log\n",
              "client bundle:       " + home + "/.VelmoraDrive/VelmoraDrive.app\n"}},
            // An argument of the system's own before the option.
            {{"-psn_0_4711", "--status"}, {"packaged build:      120\n", state.decision}},
        };
        for (const auto& option : options) {
            SCOPED_TRACE("installed " + std::to_string(state.installed) + ", " + option.args.back());
            const auto before = Tree();
            ASSERT_EQ(Run(option.args, home), 0) << err_;
            for (const std::string& line : option.printed)
                EXPECT_NE(out_.find(line), std::string::npos) << out_;
            EXPECT_EQ(out_.find("lib path"), std::string::npos) << out_;
            EXPECT_EQ(err_, "");
            EXPECT_EQ(Tree(), before);
            EXPECT_TRUE(child_process::OwnChildren().empty());
        }
    }
}

// A home folder whose path is not UTF-8 cannot be held by the registry:
// decoded and encoded again it would name a new folder beside it. The
// launcher refuses with one line, creates nothing anywhere and starts
// nothing; a UTF-8 name outside ASCII is taken byte for byte.
TEST_F(LauncherOptionsTest, HomeThatIsNotUtf8IsRefusedAndNothingIsCreated)
{
    const struct {
        const char* name;
        int status;
    } homes[] = {
        {"h\xff\xfe", 1},          {"h\xc0\xaf", 1},  // an overlong "/"
        {"h\xed\xa0\x80", 1},                         // a surrogate
        {"h\xe9t\xe9", 1},                            // Latin-1
        {"h\xc3\xa9t\xc3\xa9", 0},
    };
    for (const auto& row : homes) {
        SCOPED_TRACE(row.name);
        const std::string home = Path("home/") + row.name;
        ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
        for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"--status"}}) {
            if (row.status == 0 && args.empty())
                continue;  // a real start; the status run shows the paths it would use
            const auto before = Tree();
            ASSERT_EQ(Run(args, home), row.status) << err_;
            EXPECT_EQ(Tree(), before);
            EXPECT_TRUE(child_process::OwnChildren().empty());
            if (row.status == 0) {
                EXPECT_NE(out_.find("per-user folder:     " + home + "/.VelmoraDrive\n"), std::string::npos) << out_;
            } else {
                EXPECT_EQ(err_,
                          "velmora-launcher: the home folder's path is not valid UTF-8; "
                          "nothing was installed or started\n");
                EXPECT_EQ(out_, "");
            }
        }
    }
}

// Root running with a user's HOME (as sudo keeping HOME does) must not
// follow that user's linked per-user folder, nor leave files the user
// cannot remove in one that is not its own: one line, status 1, nothing
// created, changed or started.
TEST_F(LauncherOptionsTest, PerUserFolderThatIsALinkOrAnothersIsRefused)
{
    const std::string home = Path("home");
    const std::string drive = home + "/.VelmoraDrive";
    const std::string theirs = home + "/theirs";
    ASSERT_EQ(mkdir(theirs.c_str(), 0755), 0);
    WriteFile(theirs + "/ui.pid", "pid=4242\n");
    const std::string uid = std::to_string(geteuid());
    const struct {
        const char* name;
        bool link;
        const char* target;
        std::string error;
    } rows[] = {
        {"link to a folder", true, "theirs", " is a symbolic link; nothing was installed or started\n"},
        {"dangling link", true, "gone", " is a symbolic link; nothing was installed or started\n"},
        {"folder of uid 65534", false, "",
         " belongs to uid 65534, not to uid " + uid + " running the launcher; nothing was installed or started\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.link) {
            ASSERT_EQ(symlink(row.target, drive.c_str()), 0);
        } else if (mkdir(drive.c_str(), 0755) != 0 || chown(drive.c_str(), 65534, 65534) != 0) {
            printf("[  SKIPPED ] %s: cannot give a folder to uid 65534 (needs root)\n", row.name);
            rmdir(drive.c_str());
            continue;
        }
        const auto before = Tree();
        EXPECT_EQ(Run({}, home), 1);
        EXPECT_EQ(err_, "velmora-launcher: the per-user folder " + drive + row.error);
        EXPECT_EQ(out_, "");
        EXPECT_EQ(Tree(), before);
        EXPECT_TRUE(child_process::OwnChildren().empty());
        ASSERT_EQ(row.link ? unlink(drive.c_str()) : rmdir(drive.c_str()), 0);
    }
}

}  // namespace

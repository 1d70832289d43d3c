// The fixture of the tests that run the built launcher on demo bundles
// against a temp home folder: what lands on disk, what the log says, and
// which client it leaves running.
//
// The test process is a child subreaper, so the clients the launcher starts
// detached become its own children: it can tell them apart by parent pid and
// stop and reap them without trusting a pid read from a file.
#ifndef VELMORA_TESTS_LAUNCHER_E2E_FIXTURE_H
#define VELMORA_TESTS_LAUNCHER_E2E_FIXTURE_H

#include "child_process.h"
#include "demo_bundle.h"
#include "temp_folder_test.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace launcher_e2e {

using child_process::OwnChildren;
using child_process::ParentOf;

using temp_folder::ReadFile;
using temp_folder::WriteFile;

inline bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

inline int CountOf(const std::string& text, const std::string& needle)
{
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

// The lines of the log written by one process.
inline std::string LinesOfPid(const std::string& log, pid_t pid)
{
    char tag[32];
    snprintf(tag, sizeof(tag), " (%5d:", pid);
    std::istringstream in(log);
    std::string line, lines;
    while (std::getline(in, line)) {
        if (line.find(tag) != std::string::npos)
            lines += line + "\n";
    }
    return lines;
}

inline std::string ExecutableOf(pid_t pid)
{
    char target[4096];
    ssize_t n = readlink(("/proc/" + std::to_string(pid) + "/exe").c_str(), target, sizeof(target) - 1);
    return n > 0 ? std::string(target, n) : std::string();
}

class LauncherE2ETest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(child_process::BecomeSubreaper()) << strerror(errno);
        char pattern[] = "/tmp/launcher-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        home = root + "/home";
        ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
        ASSERT_EQ(mkdir((root + "/run").c_str(), 0700), 0);
        ASSERT_EQ(mkdir((root + "/bundles").c_str(), 0700), 0);
    }

    void TearDown() override
    {
        StopClients();
        // A test may have mounted a tmpfs on the home folder.
        umount2(home.c_str(), MNT_DETACH);
        std::string command = "rm -rf '" + root + "'";
        ASSERT_EQ(system(command.c_str()), 0);
    }

    // A demo bundle of the given build, with the given level-file lines.
    std::string MakeBundle(int build, const std::vector<std::string>& levels, int extraFiles = 0)
    {
        demo_bundle::Options options;
        options.build = build;
        options.levels = levels;
        options.extraFiles = extraFiles;
        const std::string bundle = demo_bundle::Make(VELMORA_BIN_DIR, root + "/bundles", options);
        EXPECT_FALSE(bundle.empty());
        return bundle;
    }

    // Starts the bundle's launcher with HOME set to homeValue, in the session
    // of the given runtime folder (ours by default), with the further
    // variables and the arguments given; its output goes to files under the
    // temp folder, named by run.
    pid_t StartLauncher(const std::string& bundle, const std::string& homeValue, const std::string& run,
                        const std::string& runtime = std::string(), const std::vector<std::string>& moreEnv = {},
                        const std::vector<std::string>& args = {})
    {
        std::vector<std::string> env = {"HOME=" + homeValue, "QT_QPA_PLATFORM=offscreen",
                                        "XDG_RUNTIME_DIR=" + (runtime.empty() ? root + "/run" : runtime),
                                        "PATH=/usr/bin:/bin"};
        env.insert(env.end(), moreEnv.begin(), moreEnv.end());
        // A sanitizer build's settings for this run reach the launcher too,
        // unless the caller gave its own.
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            const std::string prefix = std::string(name) + "=";
            const bool given = std::any_of(moreEnv.begin(), moreEnv.end(),
                                           [&](const std::string& item) { return item.rfind(prefix, 0) == 0; });
            if (getenv(name) != nullptr && !given)
                env.push_back(prefix + getenv(name));
        }
        return child_process::Start(bundle + "/Contents/MacOS/velmora-launcher", args, env, root + "/" + run + ".out",
                                    root + "/" + run + ".err");
    }

    int Wait(pid_t pid) { return child_process::Wait(pid); }

    int RunLauncher(const std::string& bundle, const std::string& run = "launcher")
    {
        return Wait(StartLauncher(bundle, home, run));
    }

    std::string Drive() const { return home + "/.VelmoraDrive"; }
    std::string App() const { return Drive() + "/VelmoraDrive.app"; }
    std::string Log() const { return ReadFile(Drive() + "/log/launcher.log"); }
    std::string InstalledInfo() const { return ReadFile(App() + "/Contents/Resources/INFO"); }
    std::string Output(const std::string& run, const char* stream) const
    {
        return ReadFile(root + "/" + run + "." + stream);
    }

    // The names in folder that begin with prefix, each followed by a space.
    static std::string NamesIn(const std::string& folder, const std::string& prefix = std::string())
    {
        std::string names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0)
                names += name + " ";
        }
        return names;
    }

    // The client the launcher started: a child of ours running the installed
    // executable and named by its pid file. The bound only keeps a broken
    // launcher from hanging the suite.
    pid_t WaitForClient(pid_t notThisOne = 0)
    {
        const std::string client = App() + "/Contents/MacOS/cloud-drive-ui";
        for (int i = 0; i < 600; ++i) {
            std::string record = ReadFile(Drive() + "/ui.pid");
            pid_t pid = record.rfind("pid=", 0) == 0 ? atoi(record.c_str() + 4) : 0;
            if (pid > 0 && pid != notThisOne && ParentOf(pid) == getpid() && ExecutableOf(pid) == client) {
                Reap(pid);
                return pid;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

    // Reaps the client as soon as it ends, so that the launcher's probes of
    // a stopped client do not see a zombie of ours.
    void Reap(pid_t pid)
    {
        if (reapers.count(pid) == 0)
            reapers[pid] = std::thread([pid] { waitpid(pid, nullptr, 0); });
    }

    bool Ended(pid_t pid) { return ParentOf(pid) != getpid(); }

    void StopClients()
    {
        for (pid_t child : OwnChildren()) {
            kill(child, SIGKILL);
            if (reapers.count(child) == 0)
                waitpid(child, nullptr, 0);
        }
        for (auto& reaper : reapers)
            reaper.second.join();
        reapers.clear();
    }

    std::string root, home;
    std::map<pid_t, std::thread> reapers;
};

const std::vector<std::string> kVerbose = {"launcher_debug=7", "service_debug=7"};

}  // namespace launcher_e2e

#endif  // VELMORA_TESTS_LAUNCHER_E2E_FIXTURE_H

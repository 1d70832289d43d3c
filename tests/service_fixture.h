// Shared set-up of the upgrade service tests: a temp HOME, the path
// registry filled as start-up fills it, a log file with the service at
// DEBUG, a launcher bundle carrying a package, and a recording stand-in for
// the operating-system calls that stop and start the client.
#ifndef VELMORA_TESTS_SERVICE_FIXTURE_H
#define VELMORA_TESTS_SERVICE_FIXTURE_H

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <ctime>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "service/mac/client-process.h"

class MacService;

using Entries = std::vector<std::pair<std::string, std::string>>;
using Tree = std::map<std::string, std::string>;

// Records every call; answers as the test tells it.
class RecordingProcess : public ClientProcess {
public:
    std::vector<std::pair<pid_t, int>> sent;
    int sleeps = 0;
    std::chrono::milliseconds slept{0};
    int probes_alive = 1000;  // probes answered "alive" before ESRCH
    int term_errno = 0;       // errno of a failing SIGTERM, 0 = it succeeds
    // One per lookup, the last repeats; "?" may not be inspected, "GONE" has
    // ended; empty: every lookup answers "?".
    std::vector<std::string> exe_answers;
    // The same for start times, in seconds from kPidFileWritten ("-60",
    // "+3"), "?" or "GONE".
    std::vector<std::string> start_answers;
    static constexpr time_t kPidFileWritten = 1700000000;
    std::vector<std::string> arguments;  // empty: they may not be read
    bool reachable = true;               // whether a signal of ours reaches it
    bool start_result = true;
    int execute_result = 0;            // of the registration tool
    std::vector<QStringList> started;  // program, working folder, arguments...

    int Signal(pid_t pid, int sig) override;
    void Sleep(std::chrono::milliseconds span) override
    {
        ++sleeps;
        slept += span;
    }
    int ExecutablePath(pid_t pid, std::string& path) override;
    int StartTime(pid_t pid, struct timespec& started) override;
    int Arguments(pid_t pid, std::vector<std::string>& args) override;
    bool CanSignal(pid_t) override { return reachable; }
    int Execute(const QString&, const QStringList&) override { return execute_result; }
    bool StartDetached(const QString& program, const QStringList& args, const QString& working_dir) override;

private:
    size_t exe_lookups = 0;
    size_t start_lookups = 0;
};

class ServiceFixture : public ::testing::Test {
public:
    // File helpers, open to the stand-in services of the tests too.
    static void WriteArchive(const std::string& path, const Entries& entries);
    static std::string Info(const std::string& build);
    static void WriteFile(const std::string& path, const std::string& content);
    static std::string ReadFile(const std::string& path);
    static bool Exists(const std::string& path);
    static Tree Snapshot(const std::string& folder);                   // relative path -> content, "<dir>"
    static std::set<std::string> TopLevel(const std::string& folder);  // names in the folder

protected:
    void SetUp() override;
    void TearDown() override;

    std::string root;  // the test's temp folder, holds home and the launcher bundle
    std::string home;
    std::string velmora;        // home/.VelmoraDrive
    std::string app;            // the per-user bundle
    std::string ui;             // its client UI executable
    std::string larkspan;       // home/.Larkspan
    std::string package;        // the carried package archive
    std::string launcher_info;  // the INFO of the launcher bundle: the target version
    RecordingProcess recorder;
    // What the service stops and starts the client through: the recorder,
    // or the real calls where a case runs real processes.
    ClientProcess* client_process = &recorder;

    void InstallClient(const std::string& build);  // bundle with INFO and UI executable
    void WritePackage(const std::string& build);   // a good package of that build
    // The worker's sequence: decide, maybe upgrade, clean up, launch. The
    // result of the upgrade, 1 when none was needed.
    static int RunRoad(MacService& service);
    int LogCount(const std::string& needle) const;
    std::string LogText() const;
    bool Mount(const std::string& folder, const char* size);  // tmpfs; false when not allowed
    std::vector<std::string> mounts;
};

#endif  // VELMORA_TESTS_SERVICE_FIXTURE_H

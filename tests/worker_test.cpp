// The worker's install lock: which service steps run under it, and what a
// run does when another launcher keeps it or it cannot be used.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <future>
#include <memory>
#include <regex>
#include <stdexcept>

#include <QCoreApplication>
#include <QStringList>

#include "driver/worker.h"
#include "install/install-lock.h"
#include "log.h"
#include "named_rows.h"
#include "service/cloud-service.h"
#include "temp_folder_test.h"
#include "texts/strtable.h"

namespace {

using named_rows::operator<<;

using std::chrono::milliseconds;

// Records each step, marked when the lock file is locked at that moment;
// installed build 119, packaged 120.
class RecordingService : public Service {
public:
    RecordingService(const std::string& lock_file, QStringList* calls) : lock_file(lock_file), calls(calls) {}

    void StopService() override {}
    void PreUpgrade() override
    {
        Record("pre");
        source_version.build_version = "119";
        target_version.build_version = "120";
    }
    bool IsNeedUpgrade() override
    {
        Record("decide");
        RecordDecision(need ? "the packaged build is newer" : "the installed build is as new as the packaged one",
                       need);
        return need;
    }
    int HandlePackageUpgrade() override
    {
        Record("upgrade");
        if (upgrade_result != 0) {
            NoteProblem(problem_seen);
        }
        if (refused) {
            RecordFailure(kRunRefused);
            return upgrade_result;
        }
        return RecordInstall(upgrade_result);
    }
    void PostUpgrade() override
    {
        Record("post");
        if (start_throws) {
            throw std::runtime_error("no memory for the client's arguments");
        }
        if (!starts_client) {
            NoteProblem("the client could not be started");
        }
        if (starts_client) {
            RecordClientStarted();
        }
    }

    bool need = true;
    int upgrade_result = 0;
    bool refused = false;
    std::string problem_seen = "the package could not be extracted";
    bool starts_client = true;
    bool start_throws = false;

private:
    void Record(const char* step)
    {
        int fd = open(lock_file.c_str(), O_RDONLY | O_CLOEXEC);
        bool locked = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0;
        close(fd);
        *calls << QString(step) + (locked ? " locked" : "");
    }

    std::string lock_file;
    QStringList* calls;
};

struct Run {
    const char* name;
    // "lock": another holder; "folder": a folder at the lock's name; "file":
    // a file in place of the per-user folder
    const char* in_the_way;
    QStringList calls;
    const char* line;    // the line that says why, nullptr: no warning or error from the launcher
    const char* said;    // on standard error, nullptr: nothing
    const char* record;  // the run's record without its time; "(none)": none written
};

// The record a run left in folder, its time checked and left out.
std::string RecordIn(const std::string& folder)
{
    const std::string text = temp_folder::ReadFile(folder + "/last-run");
    if (text.empty()) {
        return "(none)";
    }
    const std::regex time("time=[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z\n");
    std::smatch found;
    EXPECT_TRUE(std::regex_search(text, found, time) && found.position(0) == 0) << text;
    return text.substr(text.find('\n') + 1);
}

class WorkerFixture : public temp_folder::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        app = std::make_unique<QCoreApplication>(argc, argv);
        StrTable::InitStrTable();
        Logger::Initialize(Logger::TYPE_FILE, Path("launcher.log"), Path("launcher.debug"), 50, Logger::SCOPE_LOCK);
    }

    int argc = 1;
    char name[12] = "worker_test";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
};

class WorkerLockTest : public WorkerFixture, public ::testing::WithParamInterface<Run> {};

// Runs the worker's whole sequence once on its thread.
void RunWorker(Worker* worker)
{
    std::promise<void> done;
    QObject::connect(worker, &Worker::sigServiceDone, [&done] { done.set_value(); });
    worker->StartThread();
    QMetaObject::invokeMethod(worker, "HandleServicce", Qt::QueuedConnection);
    done.get_future().wait();
    delete worker;
}

TEST_P(WorkerLockTest, StepsUnderTheLock)
{
    const std::string lock_file = Path(InstallLock::kFileName);
    InstallLock other(dir_);
    if (GetParam().in_the_way == std::string("lock")) {
        ASSERT_EQ(other.Acquire(), InstallLock::kHeld);
    } else if (GetParam().in_the_way == std::string("folder")) {
        ASSERT_EQ(mkdir(lock_file.c_str(), 0700), 0);
    } else if (GetParam().in_the_way == std::string("file")) {
        temp_folder::WriteFile(Path("home-file"), "in the way");
    }
    const std::string folder = GetParam().in_the_way == std::string("file") ? Path("home-file") : dir_;
    QStringList calls;
    fflush(stderr);
    const int saved_stderr = dup(2);
    const int said = open(Path("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    dup2(said, 2);
    RunWorker(new Worker(new RecordingService(lock_file, &calls), new InstallLock(folder, milliseconds(100)),
                         (folder + "/last-run").c_str()));
    fflush(stderr);
    dup2(saved_stderr, 2);
    close(saved_stderr);
    close(said);
    const std::string stderr_text = temp_folder::ReadFile(Path("stderr"));
    if (GetParam().said != nullptr) {
        EXPECT_NE(stderr_text.find(GetParam().said), std::string::npos) << stderr_text;
    } else {
        EXPECT_EQ(stderr_text.find("velmora-launcher:"), std::string::npos) << stderr_text;
    }

    EXPECT_EQ(calls, GetParam().calls);
    EXPECT_EQ(RecordIn(folder), GetParam().record);
    const std::string log = temp_folder::ReadFile(Path("launcher.log"));
    if (GetParam().line != nullptr) {
        EXPECT_NE(log.find(GetParam().line), std::string::npos) << log;
    } else {
        EXPECT_EQ(log.find("[WARNING] launcher("), std::string::npos) << log;
        EXPECT_EQ(log.find("[ERROR] launcher("), std::string::npos) << log;
    }
    other.Release();
    int fd = open(lock_file.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_TRUE(fd < 0 || flock(fd, LOCK_EX | LOCK_NB) == 0) << "left locked after the run";
    close(fd);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, WorkerLockTest,
    ::testing::Values(Run{"free",
                          "",
                          {"pre locked", "decide locked", "upgrade locked", "post locked"},
                          nullptr,
                          nullptr,
                          "result=installed\nfrom_build=119\nto_build=120\nreason=the packaged build is newer\n"},
                      Run{"kept_by_another_launcher",
                          "lock",
                          {"post locked"},
                          "): another launcher still holds the install lock, not installing; starting the client\n",
                          nullptr,
                          "result=failed\nfrom_build=\nto_build=\n"
                          "reason=another launcher still held the install lock; nothing was installed\n"},
                      Run{"folder_in_the_way",
                          "folder",
                          {"pre locked", "decide locked", "upgrade locked", "post locked"},
                          "' is not a regular file, moved aside to '",
                          nullptr,
                          "result=installed\nfrom_build=119\nto_build=120\nreason=the packaged build is newer\n"},
                      // Nowhere to write the record either.
                      Run{"no_lock_at_all",
                          "file",
                          {"post"},
                          "): no install lock can be had (no per-user folder '",
                          "velmora-launcher: nothing installed: no install lock can be had (no per-user folder '",
                          "(none)"}),
    named_rows::RowName());

// A client start that throws leaves no client, and the record says so.
TEST_F(WorkerFixture, StartThatThrowsIsRecordedAsNoClient)
{
    QStringList calls;
    auto* service = new RecordingService(Path(InstallLock::kFileName), &calls);
    service->start_throws = true;
    RunWorker(new Worker(service, new InstallLock(dir_), Path("last-run").c_str()));
    EXPECT_EQ(RecordIn(dir_), "result=no-client\nfrom_build=119\nto_build=120\nreason=no client was started\n");
}

struct Outcome {
    const char* name;
    bool need;
    int upgrade_result;
    bool refused;
    const char* problem;  // what the failed upgrade noted
    bool starts_client;
    const char* level;      // the last line's level and tag, nullptr: no such line
    const char* last_line;  // the last line's end, after its source line number
    const char* record;     // the run's record without its time
};

class WorkerOutcomeTest : public WorkerFixture, public ::testing::WithParamInterface<Outcome> {};

TEST_P(WorkerOutcomeTest, LastLineSaysWhatTheUserWasLeftWith)
{
    QStringList calls;
    auto* service = new RecordingService(Path(InstallLock::kFileName), &calls);
    service->need = GetParam().need;
    service->upgrade_result = GetParam().upgrade_result;
    service->refused = GetParam().refused;
    service->problem_seen = GetParam().problem;
    service->starts_client = GetParam().starts_client;
    RunWorker(new Worker(service, new InstallLock(dir_), Path("last-run").c_str()));

    EXPECT_EQ(RecordIn(dir_), GetParam().record);
    const std::string log = temp_folder::ReadFile(Path("launcher.log"));
    if (GetParam().level == nullptr) {
        EXPECT_EQ(log.find("upgrade failed"), std::string::npos) << log;
        return;
    }
    const size_t found = log.rfind(GetParam().last_line);
    ASSERT_NE(found, std::string::npos) << log;
    EXPECT_EQ(found + strlen(GetParam().last_line), log.size()) << "not the last line:\n" << log;
    EXPECT_NE(log.rfind(GetParam().level, found), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, WorkerOutcomeTest,
    ::testing::Values(
        Outcome{"failed_old_client_started", true, -1, false, "the package could not be extracted", true,
                "[WARNING] launcher(", "): upgrade failed; the old client was kept and started again\n",
                "result=failed\nfrom_build=119\nto_build=120\nreason=the package could not be extracted\n"},
        Outcome{"failed_no_client", true, -1, false, "the package could not be extracted", false, "[ERROR] launcher(",
                "): upgrade failed and no client could be started\n",
                "result=no-client\nfrom_build=119\nto_build=120\nreason=the package could not be extracted\n"},
        Outcome{"succeeded", true, 0, false, "", true, nullptr, nullptr,
                "result=installed\nfrom_build=119\nto_build=120\nreason=the packaged build is newer\n"},
        // A reason of more than one line is kept on one.
        Outcome{"refused", true, -1, true, "entry 'a\nb' is\r\nrefused", true, "[WARNING] launcher(",
                "): upgrade failed; the old client was kept and started again\n",
                "result=refused\nfrom_build=119\nto_build=120\nreason=entry 'a b' is  refused\n"},
        Outcome{"up_to_date", false, 0, false, "", true, nullptr, nullptr,
                "result=up-to-date\nfrom_build=119\nto_build=119\n"
                "reason=the installed build is as new as the packaged one\n"},
        Outcome{"installed_not_started", true, 0, false, "", false, nullptr, nullptr,
                "result=no-client\nfrom_build=119\nto_build=120\nreason=the client could not be started\n"},
        Outcome{"up_to_date_not_started", false, 0, false, "", false, nullptr, nullptr,
                "result=no-client\nfrom_build=119\nto_build=119\nreason=the client could not be started\n"}),
    named_rows::RowName());

}  // namespace

#include "file_kinds.h"
#include "log.h"
#include "temp_folder_test.h"
#include "tmpfs_mount.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

// The logger's thresholds are the whole process's: a case asks about the
// level of a component that no other case sets, so that every case passes
// alone (as CTest runs it) or after the others in one process.
namespace {

const char kPrefixPattern[] = "\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2} ";
const int kPrefixSize = 20;  // "2024-03-01T09:15:02 "

class LogTest : public temp_folder::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        log_ = dir_ + "/launcher.log";
    }
    void TearDown() override
    {
        Logger::Destroy();
        TempFolderTest::TearDown();
    }

    std::string WriteFile(const std::string& name, const std::string& content)
    {
        std::string path = Path(name);
        temp_folder::WriteFile(path, content);
        return path;
    }

    int InitFile(int rotate_count, const std::string& level_path = "")
    {
        return Logger::Initialize(Logger::TYPE_FILE, log_, level_path, rotate_count, Logger::SCOPE_LOCK);
    }

    std::string log_;
};

using temp_folder::ReadFile;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

size_t CountFiles(const std::string& dir)
{
    auto it = std::filesystem::directory_iterator(dir);
    return static_cast<size_t>(std::distance(it, std::filesystem::directory_iterator()));
}

// 20 characters of message; with the time prefix a line of 40.
void LogFortyCharacterLine(const char* tag)
{
    Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug", "line %-14s\n", tag);
}

TEST_F(LogTest, ThresholdsFromLevelFile)
{
    const struct {
        const char* name;
        std::string level_file;
        int level;
        const char* component;
        bool passes;
    } cases[] = {
        {"lowered to errors", "file_op_debug = 3 # quiet\n", 4, "file_op_debug", false},
        {"rejected file adds nothing", "service_debug=7\n[junk\n", 7, "service_debug", false},
        {"binary garbage", std::string("\x01\x02=\xff\0\x7f\n", 7), 4, "service_debug", true},
    };
    for (const auto& c : cases) {
        // Thresholds accumulate over initializations: a row never asks
        // about a component that an earlier row set.
        ASSERT_EQ(InitFile(50, WriteFile("launcher.debug", c.level_file)), 0) << c.name;
        EXPECT_EQ(Logger::IsNeedToLog(static_cast<Logger::Level>(c.level), c.component), c.passes) << c.name;
    }
}

TEST_F(LogTest, LineInTheFileHasTimePrefixAndCallerText)
{
    ASSERT_EQ(InitFile(50), 0);
    VLOG(3, "extractor_debug", 212, "(%5d:%5d) [ERROR] extractor(%d): Invalid Argument\n");
    std::string text = ReadFile(log_);
    ASSERT_GT(text.size(), static_cast<size_t>(kPrefixSize)) << text;

    char pid_tid[32];
    snprintf(pid_tid, sizeof(pid_tid), "(%5d:%5d)", static_cast<int>(getpid()),
             static_cast<int>((uintptr_t)pthread_self() % 100000));
    EXPECT_TRUE(std::regex_match(text.substr(0, kPrefixSize), std::regex(kPrefixPattern))) << text;
    EXPECT_EQ(text.substr(kPrefixSize), std::string(pid_tid) + " [ERROR] extractor(212): Invalid Argument\n");
}

TEST_F(LogTest, ForkedChildLogsItsOwnPid)
{
    ASSERT_EQ(InitFile(50), 0);
    VLOG(3, "launcher_debug", 1, "(%5d:%5d) [ERROR] main(%d): parent\n");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        VLOG(3, "launcher_debug", 2, "(%5d:%5d) [ERROR] main(%d): child\n");
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::vector<std::string> lines = Lines(ReadFile(log_));
    ASSERT_EQ(lines.size(), 2u);
    char expected[16];
    snprintf(expected, sizeof(expected), "(%5d:", static_cast<int>(child));
    EXPECT_EQ(lines[1].substr(kPrefixSize, strlen(expected)), expected) << lines[1];
}

TEST_F(LogTest, FailedInitializeSilencesEverything)
{
    std::filesystem::create_directory(dir_ + "/a_folder");
    const std::string unusable[] = {dir_ + "/missing/launcher.log", dir_ + "/a_folder", ""};
    for (const std::string& path : unusable) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(Logger::Initialize(Logger::TYPE_FILE, path, "", 50, Logger::SCOPE_LOCK), -1) << path;
        testing::internal::GetCapturedStderr();
        EXPECT_FALSE(Logger::IsNeedToLog(Logger::LEVEL_ERROR, "launcher_debug")) << path;
    }
}

// The log is opened so that a named pipe cannot block the start: it must be
// a regular file (a missing one is created), never reached through a link.
TEST_F(LogTest, OnlyARegularFileIsTheLog)
{
    const std::map<file_kinds::Kind, int> result = {
        {file_kinds::kRegular, 0}, {file_kinds::kMissing, 0},       {file_kinds::kFolder, -1},
        {file_kinds::kFifo, -1},   {file_kinds::kDanglingLink, -1}, {file_kinds::kLinkToFifo, -1},
    };
    for (const file_kinds::KindRow& row : file_kinds::kAllKinds) {
        const std::string log = Path(std::string("log ") + row.name);
        ASSERT_TRUE(file_kinds::Make(row.kind, log, "")) << row.name;
        testing::internal::CaptureStderr();
        EXPECT_EQ(file_kinds::ReturnsInTime<int>(
                      std::string("log file: ") + row.name,
                      [log]() { return Logger::Initialize(Logger::TYPE_FILE, log, "", 50, Logger::SCOPE_LOCK); }),
                  result.at(row.kind))
            << row.name;
        testing::internal::GetCapturedStderr();
    }
}

// A level file that is there but cannot be used is named once, with the
// line that does not parse, and sets no level; a named pipe must not block
// the start. No level file at all is the normal case. Thresholds outlive a
// case when the binary runs every case in one process, so the level asked
// about is of a component no other case sets.
TEST_F(LogTest, UnusableLevelFileIsReportedOnce)
{
    const struct {
        const char* name;
        file_kinds::Kind kind;
        std::string content;
        std::string warning;  // empty: none
    } cases[] = {
        {"good", file_kinds::kRegular, "good_debug=7\n", ""},
        {"missing", file_kinds::kMissing, "", ""},
        {"bad second line", file_kinds::kRegular, "# levels\nservice_debug=7 x\r\nrefused_debug=7\n",
         "': line 2 does not parse: 'service_debug=7 x'; no level of the file is used\n"},
        {"folder", file_kinds::kFolder, "", "' cannot be read: Is a directory; no level"},
        {"named pipe", file_kinds::kFifo, "", "' cannot be read: Invalid argument; no level"},
        {"link to a named pipe", file_kinds::kLinkToFifo, "", "' cannot be read: Invalid argument; no"},
        {"dangling link", file_kinds::kDanglingLink, "", "' cannot be read: No such file or directory; no"},
    };
    for (const auto& c : cases) {
        const std::string levels = Path(std::string("levels ") + c.name);
        const std::string log = Path(std::string("log ") + c.name);
        ASSERT_TRUE(file_kinds::Make(c.kind, levels, c.content)) << c.name;
        EXPECT_EQ(
            file_kinds::ReturnsInTime<int>(
                std::string("level file: ") + c.name,
                [log, levels]() { return Logger::Initialize(Logger::TYPE_FILE, log, levels, 50, Logger::SCOPE_LOCK); }),
            0)
            << c.name;
        const std::string text = ReadFile(log);
        EXPECT_EQ(Lines(text).size(), c.warning.empty() ? 0u : 1u) << c.name << ": " << text;
        if (!c.warning.empty()) {
            EXPECT_NE(text.find("[WARNING] log("), std::string::npos) << c.name << ": " << text;
            EXPECT_NE(text.find("level file '" + levels + c.warning), std::string::npos) << c.name << ": " << text;
        }
        EXPECT_EQ(Logger::GetCompLevel("refused_debug"), 4) << c.name;
    }
    EXPECT_EQ(Logger::GetCompLevel("good_debug"), 7);
}

// The count starts from the size of the file found at initialization.
TEST_F(LogTest, RotatesWhenCountedBytesReachTheLimit)
{
    const struct {
        int existing;
        bool rotates;
    } cases[] = {
        {Logger::kRotateSize - 41, false},  // 40 more bytes end one short
        {Logger::kRotateSize - 40, true},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directory(dir_);
        int fd = open(log_.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_EQ(ftruncate(fd, c.existing), 0);
        close(fd);

        ASSERT_EQ(InitFile(50), 0);
        LogFortyCharacterLine("first");
        EXPECT_EQ(std::filesystem::exists(log_ + "_0"), c.rotates) << c.existing;
        if (c.rotates) {
            EXPECT_EQ(std::filesystem::file_size(log_ + "_0"), static_cast<uintmax_t>(c.existing + 40));
            EXPECT_EQ(std::filesystem::file_size(log_), 0u);
        }
    }
}

// A live file that cannot be moved aside keeps receiving lines.
TEST_F(LogTest, FailedRotationKeepsLogging)
{
    std::filesystem::create_directories(log_ + "_0/occupied");
    ASSERT_EQ(InitFile(1), 0);
    LogFortyCharacterLine("before");
    EXPECT_EQ(Logger::Rotate(), -1);
    LogFortyCharacterLine("after");
    std::vector<std::string> lines = Lines(ReadFile(log_));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("line after"), std::string::npos);
}

// A line is written whole or not at all. The log shares a tmpfs of two
// pages with a filler of one page, and its own page has room for only the
// front of the next line: that front must not stay for the line after it
// to be glued to, once the filler is gone.
TEST_F(LogTest, LineThatDoesNotFitLeavesNothingOnAFullVolume)
{
    const std::string volume = Path("small");
    ASSERT_EQ(mkdir(volume.c_str(), 0755), 0);
    const long page = sysconf(_SC_PAGESIZE);
    const TmpfsMount small(volume, "size=" + std::to_string(2 * page));
    if (!small.mounted)
        GTEST_SKIP() << "cannot mount a small tmpfs of our own here (needs root): " << strerror(errno);
    log_ = volume + "/launcher.log";
    const std::string earlier = std::string(page - 30, 'e') + "\n";  // 29 bytes left in its page
    temp_folder::WriteFile(log_, earlier);
    temp_folder::WriteFile(volume + "/filler", std::string(page, 'f'));
    struct statvfs fs;
    ASSERT_EQ(statvfs(volume.c_str(), &fs), 0);
    ASSERT_EQ(fs.f_bavail, 0u) << "the volume is not full";

    ASSERT_EQ(InitFile(50), 0);
    LogFortyCharacterLine("cut");
    EXPECT_EQ(ReadFile(log_), earlier);
    ASSERT_EQ(unlink((volume + "/filler").c_str()), 0);
    LogFortyCharacterLine("whole");
    const std::string text = ReadFile(log_);
    ASSERT_EQ(text.substr(0, earlier.size()), earlier);
    EXPECT_TRUE(
        std::regex_match(text.substr(earlier.size()), std::regex(std::string(kPrefixPattern) + "line whole {9}\n")))
        << text.substr(earlier.size());
}

TEST_F(LogTest, RotateWithoutLogFileTouchesNothing)
{
    auto standard_streams_open = [] {
        return fcntl(STDOUT_FILENO, F_GETFD) != -1 && fcntl(STDERR_FILENO, F_GETFD) != -1;
    };
    EXPECT_EQ(Logger::Rotate(), -1);
    EXPECT_EQ(Logger::RotateIfFileBig(Logger::kRotateSize), 0);
    Logger::ReloadLogFile();
    EXPECT_TRUE(standard_streams_open());
    ASSERT_EQ(InitFile(50), 0);
    Logger::Destroy();
    EXPECT_EQ(Logger::Rotate(), -1);
    EXPECT_EQ(Logger::RotateIfFileBig(Logger::kRotateSize), 0);
    Logger::ReloadLogFile();
    EXPECT_TRUE(standard_streams_open());
    EXPECT_FALSE(Logger::IsNeedToLog(Logger::LEVEL_ERROR, "launcher_debug"));
}

// The started client must not inherit a descriptor of the launcher's log,
// neither the first one nor the one reopened by a rotation.
TEST_F(LogTest, LogFileIsClosedOnExec)
{
    auto log_descriptors_close_on_exec = [this] {
        int found = 0;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code unreadable;
            if (std::filesystem::read_symlink(entry.path(), unreadable).string() != log_)
                continue;
            const int fd = std::stoi(entry.path().filename().string());
            if ((fcntl(fd, F_GETFD) & FD_CLOEXEC) == 0)
                return -1;
            ++found;
        }
        return found;
    };
    ASSERT_EQ(InitFile(50), 0);
    EXPECT_EQ(log_descriptors_close_on_exec(), 1);
    ASSERT_EQ(Logger::Rotate(), 0);
    EXPECT_EQ(log_descriptors_close_on_exec(), 1);
}

TEST_F(LogTest, ReinitializeClosesTheEarlierFile)
{
    auto open_fds = [] { return CountFiles("/proc/self/fd"); };
    ASSERT_EQ(InitFile(50), 0);
    size_t fds = open_fds();
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(InitFile(50), 0);
    EXPECT_EQ(open_fds(), fds);
}

TEST_F(LogTest, TwoThreadsNeitherInterleaveNorLoseLines)
{
    const int kLines = 10000;
    ASSERT_EQ(InitFile(50), 0);
    auto writer = [](int thread) {
        for (int i = 0; i < kLines; ++i) {
            Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug", "thread %d line %05d end\n", thread, i);
        }
    };
    std::thread first(writer, 1);
    std::thread second(writer, 2);
    first.join();
    second.join();

    const std::regex line_pattern(std::string(kPrefixPattern) + "thread ([12]) line (\\d{5}) end");
    int next[3] = {0, 0, 0};
    for (const std::string& line : Lines(ReadFile(log_))) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, line_pattern)) << line;
        int thread = std::stoi(match[1]);
        ASSERT_EQ(std::stoi(match[2]), next[thread]) << line;
        ++next[thread];
    }
    EXPECT_EQ(next[1], kLines);
    EXPECT_EQ(next[2], kLines);
}

TEST_F(LogTest, ErrnoReachesPercentMAndSurvivesTheCall)
{
    ASSERT_EQ(InitFile(50), 0);
    errno = EACCES;
    Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug", "open: %m\n");
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(ReadFile(log_).substr(kPrefixSize), "open: Permission denied\n");
}

TEST_F(LogTest, StreamTextWithErrnoAndLineEnd)
{
    const struct {
        int flags;
        int err;
        const char* expected;
    } cases[] = {
        {Logger::FLAG_LINE_END | Logger::FLAG_ERRNO, ENOENT, "open failed, err=2:No such file or directory\n"},
        {Logger::FLAG_LINE_END | Logger::FLAG_ERRNO, 0, "open failed\n"},
        {Logger::FLAG_LINE_END, ENOENT, "open failed\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(log_);
        ASSERT_EQ(InitFile(50), 0);
        std::stringstream text;
        text << "open failed";
        errno = c.err;
        Logger::LogMsg3(Logger::LEVEL_ERROR, "launcher_debug", text, static_cast<Logger::ConfigFlag>(c.flags));
        EXPECT_EQ(ReadFile(log_).substr(kPrefixSize), c.expected);
    }
}

}  // namespace

// What the macOS twins compute on the system's answers, run here: the
// arguments in a KERN_PROCARGS2 answer, a start time, what a failed process
// query means, which flush failures are only the drive cache's, and the
// volume kinds by type name.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/process-answers.h"
#include "platform/process-query.h"
#include "platform/volume-flush.h"
#include "volume-kind.h"

namespace {

// argc, then the executable's path, padding and the strings.
std::string ProcArgs2(int argc, const std::string& strings)
{
    std::string answer(reinterpret_cast<const char*>(&argc), sizeof(argc));
    return answer + strings;
}

const std::string kNul(1, '\0');

struct ProcArgs2Row {
    const char* name;
    std::string answer;
    bool readable;
    std::vector<std::string> args;
};

TEST(PlatformAnswersTest, ArgumentsOfAProcArgs2Answer)
{
    const std::string path = "/Users/u/.VelmoraDrive/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui" + kNul;
    const ProcArgs2Row rows[] = {
        {"a script run by its interpreter, the environment left out",
         ProcArgs2(2, "/bin/sh" + kNul + kNul + kNul + "sh" + kNul + "/b/run.sh" + kNul + "HOME=/Users/u" + kNul),
         true,
         {"sh", "/b/run.sh"}},
        {"no padding after the path", ProcArgs2(1, path + "cloud-drive-ui" + kNul), true, {"cloud-drive-ui"}},
        {"an argument cut at the end is left out", ProcArgs2(2, path + "a" + kNul + "cut"), true, {"a"}},
        {"fewer arguments than argc", ProcArgs2(3, path + "a" + kNul), true, {"a"}},
        {"no arguments at all", ProcArgs2(0, path), true, {}},
        {"the path without its NUL", ProcArgs2(1, "/bin/sh"), false, {}},
        {"shorter than argc", std::string(2, '\1'), false, {}},
    };
    for (const ProcArgs2Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"stale"};
        EXPECT_EQ(ParseProcArgs2(row.answer.data(), row.answer.size(), args), row.readable);
        EXPECT_EQ(args, row.args);
    }
}

TEST(PlatformAnswersTest, StartTimeKeepsItsMicroseconds)
{
    const struct {
        struct timeval started;
        time_t seconds;
        long nanoseconds;
    } rows[] = {
        {{1700000000, 999999}, 1700000000, 999999000},
        {{1700000000, 1}, 1700000000, 1000},
        {{0, 0}, 0, 0},
    };
    for (const auto& row : rows) {
        const struct timespec when = StartTimeFromTimeval(row.started);
        EXPECT_EQ(when.tv_sec, row.seconds);
        EXPECT_EQ(when.tv_nsec, row.nanoseconds);
    }
}

// Only kill(pid, 0)'s "no such process" means gone: a query fails with ESRCH
// for a live process whose executable was deleted, and with EINVAL or EPERM
// for another user's.
TEST(PlatformAnswersTest, AFailedQueryMeansGoneOnlyWhenKillSaysSo)
{
    const struct {
        const char* name;
        int kill_result;
        int kill_errno;
        int expected;
    } rows[] = {
        {"alive, ours", 0, 0, kProcessUnknown},
        {"alive, another user's", -1, EPERM, kProcessUnknown},
        {"no such process", -1, ESRCH, kProcessGone},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ResultAfterFailedQuery(row.kill_result, row.kill_errno), row.expected);
    }
}

TEST(PlatformAnswersTest, OnlyAVolumeWithoutDriveCacheFlushIsFlushedWithoutIt)
{
    for (int error : {ENOTSUP, ENOTTY, EINVAL}) {
        EXPECT_TRUE(RefusesDriveCacheFlush(error)) << strerror(error);
    }
    for (int error : {EIO, ENOSPC, EROFS, EBADF, 0}) {
        EXPECT_FALSE(RefusesDriveCacheFlush(error)) << strerror(error);
    }
}

TEST(PlatformAnswersTest, VolumeKindsByTypeName)
{
    const struct {
        const char* name;
        bool network;
        bool fat;
    } rows[] = {
        {"apfs", false, false}, {"hfs", false, false},   {"nfs", true, false},   {"smbfs", true, false},
        {"afpfs", true, false}, {"webdav", true, false}, {"msdos", false, true}, {"exfat", false, true},
        {"", false, false},     {"NFS", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const VolumeKind kind = VolumeKindFromTypeName(row.name);
        EXPECT_EQ(kind.network, row.network);
        EXPECT_EQ(kind.fat, row.fat);
    }
}

}  // namespace

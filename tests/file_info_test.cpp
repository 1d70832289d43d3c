// Inspection, listing, path strings and metadata of the file-op library.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "file_op_test_util.h"

using fop_test::FileOpTest;
using fop_test::FilledRecord;
using fop_test::WriteFile;

namespace {

class FileInfoTest : public FileOpTest {};

TEST_F(FileInfoTest, TypesOfEveryKind)
{
    WriteFile(Path("file"), "12345");
    mkdir(Path("dir").c_str(), 0755);
    symlink("file", Path("link").c_str());
    mkfifo(Path("fifo").c_str(), 0644);
    int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    snprintf(addr.sun_path, sizeof(addr.sun_path), "%s", Path("sock").c_str());
    ASSERT_EQ(0, bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)));

    const std::map<std::string, int> expected = {
        {Path("file"), FS_TYPE_FILE}, {Path("dir"), FS_TYPE_DIR},     {Path("link"), FS_TYPE_LINK},
        {Path("fifo"), FS_TYPE_FIFO}, {Path("sock"), FS_TYPE_SOCKET}, {"/dev/null", FS_TYPE_DEVICE},
    };
    for (const auto& row : expected) {
        _FILE_INFO_tag info;
        ASSERT_EQ(0, GetFileInfo(row.first.c_str(), info)) << row.first;
        EXPECT_TRUE(info.exists) << row.first;
        EXPECT_EQ(row.second, info.type) << row.first;
    }
    close(sock);
}

TEST_F(FileInfoTest, RecordOfRegularFile)
{
    WriteFile(Path("file"), "12345");
    chmod(Path("file").c_str(), 0640);
    struct timeval times[2] = {{1000, 0}, {2000000000, 0}};
    utimes(Path("file").c_str(), times);
    _FILE_INFO_tag info;
    ASSERT_EQ(0, GetFileInfo(Path("file").c_str(), info));
    EXPECT_STREQ(Path("file").c_str(), info.path.c_str());
    EXPECT_STREQ("file", info.name.c_str());
    EXPECT_EQ(5, info.size);
    EXPECT_EQ(2000000000, info.mtime);
    EXPECT_EQ(static_cast<uint32_t>(S_IFREG | 0640), info.mode);
    EXPECT_EQ(geteuid(), info.uid);
    EXPECT_TRUE(Logged("[DEBUG] file-op("));
    EXPECT_TRUE(Logged("): Input file path = [" + Path("file") + "].\n"));
}

// A folder reached through a link: /l -> /real holding f.
TEST_F(FileInfoTest, ExactTestRejectsLinkInDirectoryPart)
{
    mkdir(Path("real").c_str(), 0755);
    WriteFile(Path("real/f"), "x");
    symlink(Path("real").c_str(), Path("l").c_str());

    EXPECT_TRUE(IsFileExist(Path("real/f").c_str(), true));
    EXPECT_TRUE(IsFileExist(Path("l").c_str(), true));  // the final link itself is canonical

    _FILE_INFO_tag stat = FilledRecord();
    ASSERT_EQ(0, FSStat(Path("l/f").c_str(), stat, true));
    EXPECT_FALSE(stat.exists);
    ASSERT_EQ(0, FSStat(Path("l/f").c_str(), stat, false));
    EXPECT_TRUE(stat.exists);
    EXPECT_STREQ(Path("real/f").c_str(), stat.path.c_str());
}

// Names that are not UTF-8 have no normal form; the link must still count.
TEST_F(FileInfoTest, ExactTestOfNonUtf8Names)
{
    mkdir(Path("real").c_str(), 0755);
    symlink(Path("real").c_str(), Path("l").c_str());
    WriteFile(Path("real/\xff"), "x");
    WriteFile(Path("real/\xfe"), "y");

    const std::vector<std::pair<std::string, bool>> rows = {
        {Path("real/\xff"), true},
        {Path("l/\xff"), false},
        {Path("real/\xfe"), true},
        {Path("l/\xfe"), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.second, IsFileExist(row.first.c_str(), true)) << row.first;
        EXPECT_TRUE(IsFileExist(row.first.c_str(), false)) << row.first;
    }
}

// Dot segments resolve to the canonical path, so they never pass the exact
// test.
TEST_F(FileInfoTest, ResolvedPaths)
{
    mkdir(Path("a").c_str(), 0755);
    mkdir(Path("a/b").c_str(), 0755);
    const std::vector<std::pair<std::string, std::string>> rows = {
        {Path("a/b/.."), Path("a")},
        {Path("a/./b"), Path("a/b")},
        {Path("a/b/."), Path("a/b")},
        {Path("a/b/"), Path("a/b")},
        {"/", "/"},
    };
    for (const auto& row : rows) {
        _FILE_INFO_tag info;
        EXPECT_EQ(0, GetFileInfo(row.first.c_str(), info)) << row.first;
        EXPECT_STREQ(row.second.c_str(), info.path.c_str()) << row.first;
        EXPECT_EQ(row.first == row.second, IsFileExist(row.first.c_str(), true)) << row.first;
        EXPECT_TRUE(IsFileExist(row.first.c_str(), false)) << row.first;
    }
}

TEST_F(FileInfoTest, EmptyPathIsRefusedBeforeAnyLookup)
{
    _FILE_INFO_tag info;
    EXPECT_EQ(-1, FSStat("", info, false));
    EXPECT_FALSE(IsFileExist("", false));
}

TEST_F(FileInfoTest, ListingLooksEntriesUpOnRequest)
{
    mkdir(Path("d").c_str(), 0755);
    WriteFile(Path("d/one"), "1");
    WriteFile(Path("d/two"), "22");
    struct timeval times[2] = {{5, 0}, {777, 0}};
    utimes(Path("d/two").c_str(), times);

    DIR_HANDLE handle;
    ASSERT_EQ(0, FSOpenDir(Path("d").c_str(), FS_DIR_FLAG_STAT, handle));
    std::map<std::string, DIR_ENTRY> seen;
    DIR_ENTRY entry;
    int status;
    while ((status = FSReadDir(handle, entry)) == 1)
        seen[entry.name.c_str()] = entry;
    EXPECT_EQ(0, status);
    FSCloseDir(handle);
    EXPECT_EQ(nullptr, handle.dir);
    EXPECT_TRUE(handle.path.empty());

    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ(FS_TYPE_DIR, seen["."].type);
    EXPECT_EQ(FS_TYPE_DIR, seen[".."].type);
    EXPECT_EQ(FS_TYPE_FILE, seen["one"].type);
    EXPECT_EQ(2, seen["two"].size);
    EXPECT_EQ(777, seen["two"].mtime);

    DIR_HANDLE missing;
    EXPECT_EQ(-1, FSOpenDir(Path("missing").c_str(), 0, missing));
    EXPECT_EQ(nullptr, missing.dir);
    EXPECT_TRUE(
        Logged("): FSOpenDir: Failed to open directory '" + Path("missing") + "'. No such file or directory\n"));
}

TEST(FilePathStringTest, ParentAndBaseName)
{
    struct Row {
        const char* path;
        const char* parent;
        const char* base;
    };
    const Row rows[] = {{"", "/", ""}, {"/", "/", ""}, {"a/b", "a", "b"}};
    for (const Row& row : rows) {
        EXPECT_STREQ(row.parent, FSParentPath(row.path).c_str()) << row.path;
        EXPECT_STREQ(row.base, FSBaseName(row.path).c_str()) << row.path;
    }
}

TEST(FilePathStringTest, IsParentFolder)
{
    struct Row {
        const char* parent;
        const char* child;
        bool expected;
    };
    const Row rows[] = {{"/a/b", "/a", false}, {"/b", "/a/b", false}, {"/a", "/a/", true}};
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, FSIsParentFolder(row.parent, row.child)) << row.parent << " " << row.child;
}

TEST_F(FileInfoTest, OwnerAndTimesOfLinkNotTarget)
{
    WriteFile(Path("target"), "x");
    symlink("target", Path("link").c_str());
    struct timeval times[2] = {{100, 0}, {200, 0}};
    utimes(Path("target").c_str(), times);

    ASSERT_EQ(0, FSUTime(Path("link").c_str(), 300, 400));
    _FILE_INFO_tag link;
    _FILE_INFO_tag target;
    GetFileInfo(Path("link").c_str(), link);
    GetFileInfo(Path("target").c_str(), target);
    EXPECT_EQ(400, link.mtime);
    EXPECT_EQ(200, target.mtime);
    EXPECT_EQ(-1, FSUTime(Path("missing").c_str(), 1, 1));

    if (geteuid() == 0) {
        ASSERT_EQ(0, FSChown(Path("link").c_str(), 65534, 65534));
        GetFileInfo(Path("link").c_str(), link);
        GetFileInfo(Path("target").c_str(), target);
        EXPECT_EQ(65534u, link.uid);
        EXPECT_EQ(0u, target.uid);
    }
    EXPECT_EQ(-1, FSChown(Path("missing").c_str(), 0, 0));
    EXPECT_TRUE(
        Logged("FSChown: Failed to chown '" + Path("missing") + "' (code: 2, msg: No such file or directory)\n"));
}

TEST_F(FileInfoTest, RealPathFollowsFinalLink)
{
    mkdir(Path("real").c_str(), 0755);
    WriteFile(Path("real/f"), "x");
    symlink("real", Path("l").c_str());
    symlink("f", Path("real/lf").c_str());
    const std::vector<std::pair<std::string, std::string>> rows = {
        {Path("l/f"), Path("real/f")},
        {Path("l/lf"), Path("real/f")},
        {Path("l"), Path("real")},
        {"/", "/"},
    };
    for (const auto& row : rows) {
        ustring path(row.first.c_str());
        ASSERT_EQ(0, FSGetRealPath(path)) << row.first;
        EXPECT_STREQ(row.second.c_str(), path.c_str());
    }
    ustring missing(Path("l/none").c_str());
    EXPECT_EQ(-1, FSGetRealPath(missing));
    EXPECT_STREQ(Path("l/none").c_str(), missing.c_str());
}

TEST_F(FileInfoTest, AccessTestsOfAnUnreadableFile)
{
    REQUIRE_ROOT();
    WriteFile(Path("secret"), "x");
    chmod(Path("secret").c_str(), 0600);
    chmod(dir_.c_str(), 0755);
    std::string secret = Path("secret");
    int child = fop_test::RunAsNobody([&secret]() {
        bool locked = isFileLocked(secret.c_str(), R_OK);
        bool permitted = hasFilePermission(secret.c_str(), R_OK);
        return locked && !permitted ? 0 : 1;
    });
    EXPECT_EQ(0, child);
}

TEST_F(FileInfoTest, VolumeKindOfLocalDisk)
{
    EXPECT_FALSE(isMountPoint(dir_.c_str()));
    EXPECT_FALSE(IsMSDOS(dir_.c_str()));
    EXPECT_FALSE(isMountPoint(Path("missing").c_str()));
    EXPECT_FALSE(IsMSDOS(Path("missing").c_str()));
    EXPECT_TRUE(
        Logged("isMountPoint: Failed to get file system info '" + Path("missing") + "'. No such file or directory\n"));
    EXPECT_TRUE(Logged("IsSupportLargeFile: Failed to get file system info '" + Path("missing") + "'."));
}

TEST(FileInfoRecordTest, EachComparedFieldTellsRecordsApart)
{
    const _FILE_INFO_tag a = FilledRecord();
    const std::vector<std::function<void(_FILE_INFO_tag&)>> changes = {
        [](_FILE_INFO_tag& r) { r.exists = false; },  [](_FILE_INFO_tag& r) { r.size = 1; },
        [](_FILE_INFO_tag& r) { r.mtime = 1; },       [](_FILE_INFO_tag& r) { r.type = 1; },
        [](_FILE_INFO_tag& r) { r.path = "/other"; }, [](_FILE_INFO_tag& r) { r.name = "other"; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        _FILE_INFO_tag c = FilledRecord();
        changes[i](c);
        EXPECT_FALSE(a == c) << "change " << i;
        EXPECT_TRUE(a != c) << "change " << i;
    }
}

}  // namespace

// Creating, copying, renaming and removing with the file-op library.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "file_kinds.h"
#include "file_op_test_util.h"

using fop_test::Exists;
using fop_test::FileOpTest;
using fop_test::ModeOf;
using fop_test::ReadFile;
using fop_test::WriteFile;

namespace {

class FileMutationTest : public FileOpTest {};

// Sets the umask for one scope.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : saved_(umask(mask)) {}
    ~ScopedUmask() { umask(saved_); }

private:
    mode_t saved_;
};

mode_t CurrentUmask()
{
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

TEST_F(FileMutationTest, MakeDirOfNoPathOrBelowAFile)
{
    WriteFile(Path("file"), "x");
    EXPECT_EQ(-1, FSMKDir("", true));
    EXPECT_EQ(-1, FSMKDir(Path("file/below").c_str(), true));
    EXPECT_TRUE(Logged("FSMKDir: Failed to to file info '" + Path("file/below") + "'\n"));
}

// Without a mode of their own, the folders get what the umask leaves.
TEST_F(FileMutationTest, MakeDirChainModes)
{
    struct Row {
        mode_t mask;
        mode_t expected;
    };
    const Row rows[] = {{022, 0755}, {077, 0700}};
    int n = 0;
    for (const Row& row : rows) {
        ScopedUmask mask(row.mask);
        std::string path = Path("m" + std::to_string(n++) + "/x/y");
        ASSERT_EQ(0, FSMKDirP(path.c_str(), nullptr, false, 0xFFFF)) << path;
        EXPECT_EQ(row.expected, ModeOf(path)) << path;
        EXPECT_EQ(row.expected, ModeOf(FSParentPath(path.c_str()).c_str())) << path;
        EXPECT_EQ(row.mask, CurrentUmask()) << path;
    }
    ScopedUmask mask(027);
    WriteFile(Path("file"), "x");
    EXPECT_EQ(-1, FSMKDirP(Path("file/x").c_str(), nullptr, false, 0700));
    EXPECT_EQ(027u, CurrentUmask());  // restored on failure too
}

// The umask is the whole process's: it is never changed, not even for the
// call. Here a file created meanwhile is the log reopened by a rotation that
// FSMKDirP's own INFO line sets off.
TEST_F(FileMutationTest, MakeDirChainLeavesTheUmaskAlone)
{
    ScopedUmask mask(077);
    WriteFile(log_, std::string(Logger::kRotateSize - 10, 'x'));
    ASSERT_EQ(0, Logger::Initialize(Logger::TYPE_FILE, log_, dir_ + "/.levels", 50, Logger::SCOPE_LOCK));
    WriteFile(Path("file"), "x");
    EXPECT_EQ(-1, FSMKDirP(Path("file/x").c_str(), nullptr, false, 0755));
    ASSERT_TRUE(Exists(log_ + "_0")) << "the INFO line did not rotate the log";
    EXPECT_EQ(0600u, ModeOf(log_));
    EXPECT_EQ(077u, CurrentUmask());
}

TEST_F(FileMutationTest, MakeDirChainStopPointer)
{
    WriteFile(Path("file"), "x");
    struct Row {
        std::string path;
        int expected;
        std::string stopsAt;  // the bytes before the stop pointer
    };
    const std::vector<Row> rows = {
        {Path("new/end"), 0, Path("new/end")},
        {Path("file"), -1, Path("file")},
    };
    for (const Row& row : rows) {
        ustring path(row.path.c_str());
        char* stop = nullptr;
        EXPECT_EQ(row.expected, FSMKDirP(path, &stop, false, 0xFFFF)) << row.path;
        ASSERT_NE(nullptr, stop);
        ASSERT_GE(stop, path.c_str());
        EXPECT_EQ(row.stopsAt, std::string(path.c_str(), static_cast<size_t>(stop - path.c_str()))) << row.path;
    }
    EXPECT_EQ(-1, FSMKDirP("", nullptr, false, 0xFFFF));
}

TEST_F(FileMutationTest, MakeDirFromRoot)
{
    mkdir(Path("root").c_str(), 0755);
    WriteFile(Path("root/file"), "x");
    std::string root = Path("root");

    EXPECT_EQ(0, FSMKDirFromRoot((root + "/a/b/c").c_str(), root.c_str()));
    EXPECT_TRUE(Exists(root + "/a/b/c"));
    EXPECT_TRUE(Logged("FSMKDirFromRoot: create /a/b\n"));
    EXPECT_EQ(0, FSMKDirFromRoot((root + "/a/b/d").c_str(), root.c_str()));  // existing levels accepted
    EXPECT_EQ(-1, FSMKDirFromRoot((root + "/file/x").c_str(), root.c_str()));
    EXPECT_EQ(-1, FSMKDirFromRoot(root.c_str(), (root + "/longer").c_str()));
    EXPECT_TRUE(Logged("Giving a root '" + root + "/longer' whose length is larger then target's '" + root + "'.\n"));
}

TEST_F(FileMutationTest, CopyContent)
{
    std::string big;
    for (int i = 0; i < 30000; ++i)
        big += static_cast<char>('a' + i % 23);
    struct Row {
        const char* name;
        std::string content;
    };
    const Row rows[] = {{"empty", ""}, {"small", "hello"}, {"chunk", std::string(8192, 'c')}, {"big", big}};
    for (const Row& row : rows) {
        std::string src = Path(std::string(row.name) + ".src");
        std::string dst = Path(std::string(row.name) + ".dst");
        WriteFile(src, row.content);
        WriteFile(dst, "old content that is longer than some sources");
        ASSERT_EQ(0, FSCopy(src.c_str(), dst.c_str(), false)) << row.name;
        EXPECT_EQ(row.content, ReadFile(dst)) << row.name;
        EXPECT_TRUE(Exists(src));
    }
}

TEST_F(FileMutationTest, CopyNewDestinationModeAndRemoveSource)
{
    ScopedUmask mask(027);
    WriteFile(Path("src"), "payload");
    chmod(Path("src").c_str(), 0755);
    ASSERT_EQ(0, FSCopy(Path("src").c_str(), Path("dst").c_str(), true));
    EXPECT_EQ("payload", ReadFile(Path("dst")));
    EXPECT_EQ(0640u, ModeOf(Path("dst")));
    EXPECT_FALSE(Exists(Path("src")));
}

TEST_F(FileMutationTest, CopyFailures)
{
    EXPECT_EQ(-1, FSCopy(Path("missing").c_str(), Path("dst").c_str(), true));
    EXPECT_TRUE(Logged("CopyFile: open(" + Path("missing") + "): No such file or directory (2)\n"));
    EXPECT_FALSE(Exists(Path("dst")));

    WriteFile(Path("src"), "keep me");
    EXPECT_EQ(-1, FSCopy(Path("src").c_str(), Path("no/dir/dst").c_str(), true));
    EXPECT_EQ("keep me", ReadFile(Path("src")));

    // Onto itself, directly or through a hard link: the content survives.
    link(Path("src").c_str(), Path("hard").c_str());
    EXPECT_EQ(-1, FSCopy(Path("src").c_str(), Path("src").c_str(), true));
    EXPECT_EQ(-1, FSCopy(Path("src").c_str(), Path("hard").c_str(), true));
    EXPECT_EQ("keep me", ReadFile(Path("src")));

    // Neither a link at the destination nor a folder as the source costs
    // a file its content.
    WriteFile(Path("victim"), "precious");
    symlink("victim", Path("to-victim").c_str());
    EXPECT_EQ(-1, FSCopy(Path("src").c_str(), Path("to-victim").c_str(), false));
    mkdir(Path("folder").c_str(), 0755);
    EXPECT_EQ(-1, FSCopy(Path("folder").c_str(), Path("victim").c_str(), false));
    EXPECT_TRUE(Logged("CopyFile: open(" + Path("folder") + "): Is a directory (21)\n"));
    EXPECT_EQ("precious", ReadFile(Path("victim")));
}

// Only regular files are read or written: a named pipe at either end must
// not block the copy, a link at the destination is not written through.
TEST_F(FileMutationTest, CopyOnlyBetweenRegularFiles)
{
    const std::map<file_kinds::Kind, int> onto = {
        {file_kinds::kRegular, 0}, {file_kinds::kMissing, 0},       {file_kinds::kFolder, -1},
        {file_kinds::kFifo, -1},   {file_kinds::kDanglingLink, -1}, {file_kinds::kLinkToFifo, -1},
    };
    WriteFile(Path("regular"), "bytes");
    int n = 0;
    for (const file_kinds::KindRow& row : file_kinds::kAllKinds) {
        const std::string kind = Path("kind" + std::to_string(n));
        const std::string copy = Path("copy" + std::to_string(n++));
        ASSERT_TRUE(file_kinds::Make(row.kind, kind, "bytes")) << row.name;
        int result = file_kinds::ReturnsInTime<int>(std::string("FSCopy from: ") + row.name, [kind, copy]() {
            return FSCopy(kind.c_str(), copy.c_str(), false);
        });
        EXPECT_EQ(result, row.kind == file_kinds::kRegular ? 0 : -1) << row.name;
        EXPECT_EQ(Exists(copy), row.kind == file_kinds::kRegular) << row.name;
        const std::string from = Path("regular");
        result = file_kinds::ReturnsInTime<int>(std::string("FSCopy onto: ") + row.name,
                                                [from, kind]() { return FSCopy(from.c_str(), kind.c_str(), false); });
        EXPECT_EQ(result, onto.at(row.kind)) << row.name;
    }
}

TEST_F(FileMutationTest, CopyOntoFullVolume)
{
    fop_test::OtherVolume small(Path("small"), "64k", false);
    REQUIRE_OTHER_VOLUME(small, dir_);
    WriteFile(Path("src"), std::string(256 * 1024, 'z'));
    FSCopy(Path("src").c_str(), small.Path("dst").c_str(), true);
    EXPECT_TRUE(Exists(small.Path("dst")));  // the partial copy stays
    EXPECT_EQ(-3, FSRename(Path("src").c_str(), small.Path("moved").c_str(), false));
    EXPECT_EQ(256u * 1024, ReadFile(Path("src")).size());
}

TEST_F(FileMutationTest, RenameResults)
{
    WriteFile(Path("src"), "x");
    mkdir(Path("real").c_str(), 0755);
    WriteFile(Path("real/f"), "y");
    symlink("real", Path("l").c_str());

    EXPECT_EQ(-1, FSRename("", Path("dst").c_str(), false));
    EXPECT_EQ(-1, FSRename(Path("src").c_str(), "", false));
    EXPECT_EQ(-100, FSRename(Path("src").c_str(), Path(std::string(300, 'n')).c_str(), false));
    EXPECT_EQ(-3, FSRename(Path("src").c_str(), Path("no/dir/dst").c_str(), false));

    EXPECT_EQ(-2, FSRename(Path("l/f").c_str(), Path("moved").c_str(), true));
    EXPECT_TRUE(Exists(Path("real/f")));
    EXPECT_EQ(0, FSRename(Path("l/f").c_str(), Path("moved").c_str(), false));
    EXPECT_EQ("y", ReadFile(Path("moved")));
    EXPECT_EQ(0, FSRename(Path("src").c_str(), Path("dst").c_str(), true));
    EXPECT_EQ("x", ReadFile(Path("dst")));
}

void MakeTree(const std::string& root)
{
    mkdir(root.c_str(), 0755);
    mkdir((root + "/sub").c_str(), 0755);
    mkdir((root + "/sub/deeper").c_str(), 0755);
    mkdir((root + "/empty").c_str(), 0755);
    WriteFile(root + "/top.txt", "top");
    WriteFile(root + "/sub/mid.txt", "mid");
    WriteFile(root + "/sub/deeper/low.txt", std::string(20000, 'l'));
}

void ExpectTree(const std::string& root)
{
    EXPECT_EQ("top", ReadFile(root + "/top.txt"));
    EXPECT_EQ("mid", ReadFile(root + "/sub/mid.txt"));
    EXPECT_EQ(std::string(20000, 'l'), ReadFile(root + "/sub/deeper/low.txt"));
    EXPECT_TRUE(Exists(root + "/empty"));
}

TEST_F(FileMutationTest, RenameTreeAcrossVolumes)
{
    fop_test::OtherVolume other(Path("other"), "4m", true);
    REQUIRE_OTHER_VOLUME(other, dir_);
    MakeTree(other.Path("moved"));
    ASSERT_EQ(0, FSRename(other.Path("moved").c_str(), Path("back").c_str(), true));
    ExpectTree(Path("back"));
    EXPECT_FALSE(Exists(other.Path("moved")));
    // As a rename would, the tree takes the place of an empty folder.
    mkdir(other.Path("empty").c_str(), 0755);
    ASSERT_EQ(0, FSRename(Path("back").c_str(), other.Path("empty").c_str(), false));
    ExpectTree(other.Path("empty"));
    WriteFile(Path("single"), "one");
    WriteFile(other.Path("single"), "replaced in one step");
    ASSERT_EQ(0, FSRename(Path("single").c_str(), other.Path("single").c_str(), false));
    EXPECT_EQ("one", ReadFile(other.Path("single")));
    EXPECT_FALSE(Exists(Path("single")));
}

// As a rename would: private stays private, programs stay runnable, times
// stay; set-id bits are never handed on.
TEST_F(FileMutationTest, RenameAcrossVolumesKeepsModesAndTimes)
{
    fop_test::OtherVolume other(Path("other"), "4m", true);
    REQUIRE_OTHER_VOLUME(other, dir_);
    ScopedUmask mask(022);
    struct Row {
        const char* name;
        bool folder;
        mode_t mode;
        mode_t expected;
        long mtime;
    };
    const Row rows[] = {
        {"private.txt", false, 0600, 0600, 1000000000},
        {"program", false, 0755, 0755, 1100000000},
        {"setuid", false, 04755, 0755, 1200000000},
        {"secret", true, 0700, 0700, 1300000000},
    };
    mkdir(Path("tree").c_str(), 0755);
    for (const Row& row : rows) {
        std::string path = Path("tree/") + row.name;
        if (row.folder) {
            mkdir(path.c_str(), 0755);
            WriteFile(path + "/inside", "i");
        } else {
            WriteFile(path, row.name);
        }
        chmod(path.c_str(), row.mode);
        struct timeval times[2] = {{row.mtime, 0}, {row.mtime, 0}};
        utimes(path.c_str(), times);
    }
    ASSERT_EQ(0, FSRename(Path("tree").c_str(), other.Path("tree").c_str(), false));
    for (const Row& row : rows) {
        std::string moved = other.Path("tree/") + row.name;
        EXPECT_EQ(row.expected, ModeOf(moved)) << row.name;
        _FILE_INFO_tag info;
        GetFileInfo(moved.c_str(), info);
        EXPECT_EQ(row.mtime, info.mtime) << row.name;
    }
    EXPECT_FALSE(Exists(Path("tree")));
}

// relative path -> content, "<dir>", "pipe" or "-> link text", for a whole
// tree.
std::map<std::string, std::string> Snapshot(const std::string& root)
{
    std::map<std::string, std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = entry.path().lexically_relative(root).string();
        if (entry.is_symlink())
            tree[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
        else if (entry.is_fifo())
            tree[name] = "pipe";
        else
            tree[name] = entry.is_directory() ? "<dir>" : ReadFile(entry.path().string());
    }
    return tree;
}

// A move to another volume arrives whole or not at all: whatever stops the
// copy, the source stays byte for byte as it was, and so does the volume of
// the destination, with nothing partial at or beside the destination.
TEST_F(FileMutationTest, MoveAcrossVolumesIsAllOrNothing)
{
    fop_test::OtherVolume other(Path("other"), "64k", false);
    REQUIRE_OTHER_VOLUME(other, dir_);
    const std::string big(256 * 1024, 'b');  // more than the volume holds
    const struct {
        const char* name;
        std::function<void(const std::string& src, const std::string& dst)> make;
    } rows[] = {
        {"file, volume full", [&](auto& src, auto&) { WriteFile(src, big); }},
        {"file onto a file, volume full", [&](auto& src, auto& dst) { WriteFile(src, big), WriteFile(dst, "old"); }},
        {"tree, volume full half-way", [&](auto& src, auto&) { MakeTree(src), WriteFile(src + "/sub/zz", big); }},
        {"tree with a link, volume full half-way",
         [&](auto& src, auto&) {
             MakeTree(src), symlink("/etc", (src + "/link").c_str()), WriteFile(src + "/zz", big);
         }},
        {"tree onto a file", [](auto& src, auto& dst) { MakeTree(src), WriteFile(dst, "a file"); }},
    };
    for (const auto& row : rows) {
        const std::string holder = Path(row.name);
        mkdir(holder.c_str(), 0755);
        const std::string dst = other.Path("moved");
        row.make(holder + "/src", dst);
        const auto source = Snapshot(holder);
        const auto volume = Snapshot(other.Path(""));
        EXPECT_EQ(-3, FSRename((holder + "/src").c_str(), dst.c_str(), false)) << row.name;
        EXPECT_TRUE(source == Snapshot(holder)) << row.name;
        EXPECT_TRUE(volume == Snapshot(other.Path(""))) << row.name;
        std::filesystem::remove_all(dst);
    }
}

// A copy left by a move killed part-way is removed by the next move to the
// same destination. The copy is cut short for real: the child's file-size
// limit ends it with SIGXFSZ in the middle of the write.
TEST_F(FileMutationTest, CopyOfAMoveKilledPartWayGoesWithTheNextMove)
{
    fop_test::OtherVolume other(Path("other"), "4m", false);
    REQUIRE_OTHER_VOLUME(other, dir_);
    const std::string big(1024 * 1024, 'b');
    WriteFile(Path("big"), big);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const struct rlimit limit = {64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        FSRename(Path("big").c_str(), other.Path("big").c_str(), false);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the move was not cut short";
    ASSERT_EQ(1u, Snapshot(other.Path("")).size()) << "no partial copy was left";
    EXPECT_EQ(0, FSRename(Path("big").c_str(), other.Path("big").c_str(), false));
    EXPECT_TRUE(Snapshot(other.Path("")) == (std::map<std::string, std::string>{{"big", big}}));
}

// Links are carried as links, never followed, their text unchanged; a
// named pipe is made again; sockets and devices, which hold no data, are
// left out and named.
TEST_F(FileMutationTest, RenameAcrossVolumesCarriesLinksAndLeavesOutSockets)
{
    fop_test::OtherVolume other(Path("other"), "4m", true);
    REQUIRE_OTHER_VOLUME(other, dir_);
    mkdir(Path("tree").c_str(), 0755);
    symlink("/etc", Path("tree/absolute").c_str());
    symlink("file", Path("tree/relative").c_str());
    symlink("absent", Path("tree/dangling").c_str());
    mkfifo(Path("tree/pipe").c_str(), 0640);
    WriteFile(Path("tree/file"), "f");
    const std::string socket = Path("tree/socket");
    ASSERT_EQ(0, mknod(socket.c_str(), S_IFSOCK | 0600, 0));
    EXPECT_EQ(0, FSRename(Path("tree").c_str(), other.Path("tree").c_str(), false));
    EXPECT_FALSE(Exists(Path("tree")));
    EXPECT_EQ(Snapshot(other.Path("tree")), (std::map<std::string, std::string>{{"absolute", "-> /etc"},
                                                                                {"relative", "-> file"},
                                                                                {"dangling", "-> absent"},
                                                                                {"file", "f"},
                                                                                {"pipe", "pipe"}}));
    EXPECT_EQ(static_cast<mode_t>(0640), ModeOf(other.Path("tree/pipe")));
    EXPECT_TRUE(Logged("FSRename: '" + socket + "' is a socket or a device, left out\n"));
    symlink("/etc", Path("link").c_str());
    EXPECT_EQ(0, FSRename(Path("link").c_str(), other.Path("link").c_str(), false));
    EXPECT_EQ("/etc", std::filesystem::read_symlink(other.Path("link")).string());
    ASSERT_EQ(0, mknod(Path("alone").c_str(), S_IFSOCK | 0600, 0));
    EXPECT_EQ(-3, FSRename(Path("alone").c_str(), other.Path("alone").c_str(), false));
    EXPECT_TRUE(Exists(Path("alone")));

    // A link at the destination is replaced, as by a rename, never
    // written through.
    WriteFile(other.Path("victim"), "precious");
    symlink("victim", other.Path("to-victim").c_str());
    WriteFile(Path("single"), "s");
    EXPECT_EQ(0, FSRename(Path("single").c_str(), other.Path("to-victim").c_str(), false));
    EXPECT_EQ("precious", ReadFile(other.Path("victim")));
    EXPECT_EQ("s", ReadFile(other.Path("to-victim")));
    EXPECT_EQ(fop_test::FileTypeOf(other.Path("to-victim")), FS_TYPE_FILE);
}

// A merge that runs out of room stops, and every file is whole at one
// place or the other: none is cut short by being written over.
TEST_F(FileMutationTest, MergeThatRunsOutOfRoomKeepsEveryFileWhole)
{
    fop_test::OtherVolume other(Path("other"), "64k", false);
    REQUIRE_OTHER_VOLUME(other, dir_);
    const std::string big(256 * 1024, 'b');
    mkdir(Path("tree").c_str(), 0755);
    WriteFile(Path("tree/small"), "new small");
    WriteFile(Path("tree/big"), big);
    mkdir(other.Path("tree").c_str(), 0755);
    WriteFile(other.Path("tree/small"), "old small");
    WriteFile(other.Path("tree/big"), "old big");
    EXPECT_EQ(-3, FSRename(Path("tree").c_str(), other.Path("tree").c_str(), false));
    EXPECT_EQ("old big", ReadFile(other.Path("tree/big")));
    EXPECT_EQ(big, ReadFile(Path("tree/big")));
    const std::string small = ReadFile(other.Path("tree/small"));
    EXPECT_TRUE(small == "new small" || small == "old small") << small;
    EXPECT_EQ(small == "old small", Exists(Path("tree/small")));
    EXPECT_EQ(3u, Snapshot(other.Path("")).size()) << "a partial copy is left";
}

// A folder whose listing fails part-way is neither listed, moved nor
// removed as if the part read were the whole.
TEST_F(FileMutationTest, FolderWithReadErrorIsNeverTakenForWhole)
{
    REQUIRE_ROOT();
    fop_test::CorruptFolder corrupt(Path("image"), Path("mnt"));
    REQUIRE_CORRUPT_FOLDER(corrupt);
    const std::string folder = corrupt.path();
    DIR_HANDLE handle;
    ASSERT_EQ(0, FSOpenDir(folder.c_str(), 0, handle));
    DIR_ENTRY entry;
    int read = 0;
    while ((read = FSReadDir(handle, entry)) == 1) {
    }
    FSCloseDir(handle);
    EXPECT_EQ(-2, read);
    EXPECT_TRUE(Logged("FSReadDir: Failed to read directory '" + folder + "'. Bad message\n"));
    EXPECT_EQ(-3, FSRename(folder.c_str(), Path("moved").c_str(), false));
    EXPECT_FALSE(Exists(Path("moved")));
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        EXPECT_NE(0u, entry.path().filename().string().find(".moved")) << "a partial copy is left";
    EXPECT_EQ(-3, FSRemove(folder.c_str(), false));
    EXPECT_TRUE(Exists(folder));
}

TEST_F(FileMutationTest, RemoveResults)
{
    EXPECT_EQ(-1, FSRemove("", false));
    WriteFile(Path("file"), "x");
    EXPECT_EQ(-1, FSRemove(Path("file/below").c_str(), false));
    EXPECT_EQ(0, FSRemove(Path("file").c_str(), false));
    EXPECT_FALSE(Exists(Path("file")));
    MakeTree(Path("tree"));
    EXPECT_EQ(0, FSRemove(Path("tree").c_str(), false));
    EXPECT_FALSE(Exists(Path("tree")));
}

TEST_F(FileMutationTest, RemoveNeverFollowsLinks)
{
    MakeTree(Path("outside"));
    mkdir(Path("tree").c_str(), 0755);
    mkdir(Path("tree/inner").c_str(), 0755);
    symlink(Path("outside").c_str(), Path("tree/inner/to-folder").c_str());
    symlink(Path("outside/top.txt").c_str(), Path("tree/to-file").c_str());

    EXPECT_EQ(0, FSRemove(Path("tree").c_str(), false));
    EXPECT_FALSE(Exists(Path("tree")));
    ExpectTree(Path("outside"));

    // A trailing "/" would name the link's target; the link alone goes.
    for (const char* suffix : {"/", "//"}) {
        symlink(Path("outside").c_str(), Path("link").c_str());
        EXPECT_EQ(0, FSRemove((Path("link") + suffix).c_str(), false)) << suffix;
        EXPECT_FALSE(Exists(Path("link"))) << suffix;
        ExpectTree(Path("outside"));
    }
    mkdir(Path("plain").c_str(), 0755);
    WriteFile(Path("plain/f"), "x");
    EXPECT_EQ(0, FSRemove(Path("plain/").c_str(), false));
    EXPECT_FALSE(Exists(Path("plain")));
}

// A folder of another owner that cannot be listed is not removed, and
// that is a failure, not "nothing to remove".
TEST_F(FileMutationTest, RemoveUnlistableFolderFails)
{
    REQUIRE_ROOT();
    ASSERT_EQ(0, chown(dir_.c_str(), 65534, 65534));
    std::string folder = Path("locked");
    ASSERT_EQ(0, mkdir(folder.c_str(), 0755));
    ASSERT_EQ(0, chown(folder.c_str(), 65534, 65534));
    ASSERT_EQ(0, mkdir((folder + "/inner").c_str(), 0755));
    WriteFile(folder + "/inner/f", "x");
    ASSERT_EQ(0, chmod((folder + "/inner").c_str(), 0773));  // others may search, not list
    int child = fop_test::RunAsNobody([&folder]() {
        int nested = FSRemove(folder.c_str(), false);
        int top = FSRemove((folder + "/inner").c_str(), false);
        return nested == -3 && top == -3 ? 0 : 1;
    });
    EXPECT_EQ(0, child);
    EXPECT_TRUE(Exists(folder + "/inner/f"));
    EXPECT_EQ(0773u, ModeOf(folder + "/inner"));
}

// A tree as a package installs it: files and a sub-folder in a folder, the
// modes set last, and links to a folder outside.
bool MakeLockedTree(const std::string& root, mode_t topMode, mode_t subMode, const std::string& outside)
{
    if (mkdir(root.c_str(), 0755) != 0 || mkdir((root + "/sub").c_str(), 0755) != 0)
        return false;
    WriteFile(root + "/a.txt", "a");
    WriteFile(root + "/sub/b.txt", "b");
    return symlink(outside.c_str(), (root + "/to-outside").c_str()) == 0 &&
           symlink(outside.c_str(), (root + "/sub/to-outside").c_str()) == 0 &&
           chmod((root + "/sub").c_str(), subMode) == 0 && chmod(root.c_str(), topMode) == 0;
}

bool Untouched(const std::string& folder)
{
    return ModeOf(folder) == 0555 && ReadFile(folder + "/kept.txt") == "kept";
}

// Folders without owner read, write or search are emptied when they are ours;
// a link's target and the folder holding the tree keep their modes.
TEST_F(FileMutationTest, RemoveOwnFoldersWithoutWriteOrSearch)
{
    REQUIRE_ROOT();
    ASSERT_EQ(0, chown(dir_.c_str(), 65534, 65534));
    const std::string outside = Path("outside");
    const std::string holder = Path("holder");
    const struct {
        mode_t top;
        mode_t sub;
    } rows[] = {{0555, 0555}, {0444, 0544}, {0655, 0500}, {0500, 0700}, {0000, 0000},
                {0100, 0200}, {0200, 0300}, {0300, 0100}, {0000, 0755}, {0755, 0000}};
    int child = fop_test::RunAsNobody([&]() {
        if (mkdir(outside.c_str(), 0755) != 0)
            return 2;
        WriteFile(outside + "/kept.txt", "kept");
        chmod(outside.c_str(), 0555);
        int code = 10;
        for (const auto& row : rows) {
            std::string tree = Path("tree");
            if (!MakeLockedTree(tree, row.top, row.sub, outside))
                return 3;
            if (FSRemove(tree.c_str(), false) != 0 || Exists(tree) || !Untouched(outside))
                return code;
            ++code;
        }
        // The folder above the tree is not ours to open up: the tree is
        // emptied but stays, and the failure is reported.
        if (mkdir(holder.c_str(), 0755) != 0 || !MakeLockedTree(holder + "/tree", 0555, 0555, outside))
            return 4;
        WriteFile(holder + "/kept.txt", "kept");
        chmod(holder.c_str(), 0555);
        if (FSRemove((holder + "/tree").c_str(), false) != -3 || !Untouched(holder) || !Untouched(outside))
            return 5;
        return Exists(holder + "/tree/sub") ? 6 : 0;
    });
    EXPECT_EQ(0, child) << "10 + row, or setup step";
}

// Folders of another owner are left as they are: the removal fails.
TEST_F(FileMutationTest, RemoveFolderOfOtherOwnerFails)
{
    REQUIRE_ROOT();
    ASSERT_EQ(0, chown(dir_.c_str(), 65534, 65534));
    const std::string folder = Path("root-owned");
    ASSERT_EQ(0, mkdir(folder.c_str(), 0755));
    WriteFile(folder + "/kept.txt", "kept");
    ASSERT_EQ(0, chmod(folder.c_str(), 0555));
    int child = fop_test::RunAsNobody([&folder]() { return FSRemove(folder.c_str(), false) == -3 ? 0 : 1; });
    EXPECT_EQ(0, child);
    EXPECT_TRUE(Untouched(folder));
}

TEST_F(FileMutationTest, TemporaryNames)
{
    ustring out;
    EXPECT_EQ(-1, FSMktemp(Path("missing").c_str(), out));
    // The six X may come back replaced even when mkstemp fails.
    EXPECT_TRUE(Logged("mkstemp(" + Path("missing") + "/"));
    EXPECT_TRUE(Logged("): No such file or directory\n"));

    ustring first;
    ustring second;
    ASSERT_EQ(0, FSCreateTempPath(dir_.c_str(), first));
    ASSERT_EQ(0, FSCreateTempPath(dir_.c_str(), second));
    EXPECT_STRNE(first.c_str(), second.c_str());
}

// A small file carried between runs is replaced as a whole, whatever kind
// of object is at its name or at its draft's; reading one never blocks and
// reads only a regular file.
TEST_F(FileMutationTest, SmallFileWhateverIsAtItsName)
{
    using namespace file_kinds;
    for (const KindRow& at : kAllKinds) {
        for (const bool atDraft : {false, true}) {
            SCOPED_TRACE(std::string(at.name) + (atDraft ? " at the draft's name" : " at the name"));
            const std::string path = Path("record");
            ASSERT_TRUE(Make(at.kind, atDraft ? path + ".new" : path, "old"));
            std::string read;
            const int before =
                ReturnsInTime<int>("FSReadSmallFile", [&] { return FSReadSmallFile(path.c_str(), 64, read); });
            EXPECT_EQ(!atDraft && at.kind == kRegular ? 0 : -1, before);
            const bool replaceable = atDraft || at.kind != kFolder;
            EXPECT_EQ(replaceable ? 0 : -1, ReturnsInTime<int>("FSWriteFileAtomic", [&] {
                          return FSWriteFileAtomic(path.c_str(), "new\n");
                      }));
            EXPECT_EQ(replaceable ? 0 : -1, FSReadSmallFile(path.c_str(), 64, read));
            EXPECT_EQ(replaceable ? "new\n" : "", read);
            EXPECT_FALSE(Exists(path + ".new"));
            EXPECT_EQ(0, FSRemoveFileAtomic(path.c_str()));
            EXPECT_FALSE(Exists(path));
            Remove(path);
            Remove(path + ".new");
        }
    }
    EXPECT_TRUE(Logged("FSWriteFileAtomic: cannot rename '" + Path("record") + "': Is a directory\n"));
}

TEST_F(FileMutationTest, SmallFileLimitsAndMissingFolders)
{
    std::string read;
    WriteFile(Path("big"), std::string(100, 'b'));
    EXPECT_EQ(-2, FSReadSmallFile(Path("big").c_str(), 99, read));
    EXPECT_EQ(std::string(99, 'b'), read);
    EXPECT_EQ(0, FSReadSmallFile(Path("big").c_str(), 100, read));
    EXPECT_EQ(0, FSWriteFileAtomic(Path("empty").c_str(), ""));
    EXPECT_EQ(0, FSReadSmallFile(Path("empty").c_str(), 0, read));
    EXPECT_EQ(-1, FSWriteFileAtomic(Path("missing/record").c_str(), "x"));
    EXPECT_TRUE(
        Logged("FSWriteFileAtomic: cannot write '" + Path("missing/record") + "': No such file or directory\n"));
    EXPECT_EQ(0, FSRemoveFileAtomic(Path("missing/record").c_str()));
    EXPECT_EQ(0, FSRemoveFileAtomic(Path("big/below").c_str()));
    EXPECT_EQ(0, FSSyncFolder(dir_.c_str()));
    EXPECT_EQ(-1, FSSyncFolder(Path("missing").c_str()));
}

}  // namespace

// The behaviour cases of the file layer: inspection and listing, mutation,
// and temporary names, each row through the real functions on real files
// in a folder of the case's own (shown as <dir>).
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <regex>
#include <set>
#include <string>

#include "conformance_table.h"
#include "file_op_test_util.h"
#include "tmp_name_gen.h"
#include "tmp_name_internal.h"
#include "tree_snapshot.h"

namespace {

using conformance::Show;
using conformance::Skipped;
using fop_test::Exists;
using fop_test::FilledRecord;
using fop_test::ModeOf;
using fop_test::ReadFile;
using fop_test::WriteFile;

class FileCases;
using Row = conformance::Row<std::function<std::string(FileCases&)>>;

class FileCases : public fop_test::FileOpTest, public testing::WithParamInterface<Row> {
public:
    std::string At(const std::string& name) const { return Path(name); }
    const std::string& Dir() const { return dir_; }

    // text with the case's folder written as <dir>.
    std::string Rel(std::string text) const
    {
        for (size_t at = text.find(dir_); at != std::string::npos; at = text.find(dir_, at))
            text.replace(at, dir_.size(), "<dir>");
        return text;
    }

    // The last line logged, from its level tag on, with its source line as N.
    std::string LastLine() const
    {
        const std::string log = Log();
        const size_t start = log.rfind('\n', log.size() < 2 ? 0 : log.size() - 2);
        const std::string line = log.substr(start == std::string::npos ? 0 : start + 1);
        const size_t tag = line.find('[');
        return Rel(std::regex_replace(line.substr(tag == std::string::npos ? 0 : tag), std::regex("\\(\\d+\\): "),
                                      "(N): "));
    }
};

TEST_P(FileCases, Holds) { EXPECT_ROW(GetParam(), GetParam().observe(*this)); }

std::string Fields(const FileCases& t, const _FILE_INFO_tag& info)
{
    return "exists " + Show(info.exists) + ", type " + std::to_string(info.type) + ", path " +
           t.Rel(info.path.c_str()) + ", name " + info.name.c_str() + ", mtime " + std::to_string(info.mtime) +
           ", size " + std::to_string(info.size) + ", uid " + std::to_string(info.uid) + ", gid " +
           std::to_string(info.gid) + ", mode " + std::to_string(info.mode) + ", dev " + std::to_string(info.dev);
}

// GetFileInfo of path into a record filled beforehand.
std::string InfoOf(const FileCases& t, const std::string& path)
{
    _FILE_INFO_tag info = FilledRecord();
    const int status = GetFileInfo(path.c_str(), info);
    return std::to_string(status) + ", " + Fields(t, info);
}

std::string Parents(std::initializer_list<const char*> paths)
{
    std::string seen;
    for (const char* path : paths)
        seen += std::string(seen.empty() ? "" : ", ") + path + " " + FSParentPath(path).c_str();
    return seen;
}

std::string BaseNames(std::initializer_list<const char*> paths)
{
    std::string seen;
    for (const char* path : paths)
        seen += std::string(seen.empty() ? "" : ", ") + path + " '" + FSBaseName(path).c_str() + "'";
    return seen;
}

// FSReadSymbolicLink of a link whose text has length bytes.
std::string ReadLinkOf(FileCases& t, size_t length)
{
    const std::string text(length, 'x');
    ustring target("before");
    if (FSCreateSymbolicLink(text.c_str(), t.At("link").c_str()) != 0)
        return "no link of " + std::to_string(length) + " bytes";
    const int status = FSReadSymbolicLink(t.At("link").c_str(), target);
    const bool whole = target.c_str() == text;
    return std::to_string(status) + ", target " + (whole ? "the whole text" : std::string("'") + target.c_str() + "'");
}

// The entries of a listing with their type, time and size, then the end.
std::string Listing(const std::string& folder, int flags)
{
    DIR_HANDLE handle;
    if (FSOpenDir(folder.c_str(), flags, handle) != 0)
        return "cannot open";
    std::set<std::string> entries;
    DIR_ENTRY entry;
    int status;
    while ((status = FSReadDir(handle, entry)) == 1)
        entries.insert(std::string(entry.name.c_str()) + " " + std::to_string(entry.type) + " " +
                       std::to_string(entry.mtime) + " " + std::to_string(entry.size));
    FSCloseDir(handle);
    std::string seen;
    for (const std::string& one : entries)
        seen += one + ", ";
    return seen + "then " + std::to_string(status);
}

// A folder whose name is stored decomposed and folded, on an ext4 volume
// of our own; empty when there is none here.
std::string CaseFoldingFolder(FileCases& t, std::unique_ptr<fop_test::Ext4LoopMount>& volume)
{
    if (geteuid() != 0)
        return "";
    volume.reset(new fop_test::Ext4LoopMount(t.At("ci.img"), t.At("ci"), "16M", "-O casefold"));
    const std::string folder = t.At("ci/folded");
    if (!volume->mounted() || mkdir(folder.c_str(), 0755) != 0)
        return "";
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool folded = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags |= FS_CASEFOLD_FL;
    folded = folded && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return folded ? folder : "";
}

const Row kFileInformationRows[] = {
    {"MissingPathInAnExistingFolderIsReportedNotFailed", [](auto& t) { return InfoOf(t, t.At("no-such")); },
     "0, exists false, type 0, path <dir>/no-such, name no-such, mtime 0, size 0, uid 0, gid 0, mode 0, dev 0"},
    {"PathBelowARegularFileFails",
     [](auto& t) {
         WriteFile(t.At("file"), "x");
         return InfoOf(t, t.At("file/below")).substr(0, 2);
     },
     "-1"},
    {"SymbolicLinkIsDescribedItselfNotItsTarget",
     [](auto& t) {
         mkdir(t.At("real").c_str(), 0755);
         symlink("real", t.At("l").c_str());
         FSUTime(t.At("l").c_str(), 1000, 1000);
         FSUTime(t.At("real").c_str(), 2000, 2000);
         _FILE_INFO_tag info;
         const int status = GetFileInfo(t.At("l").c_str(), info);
         return std::to_string(status) + ", type " + std::to_string(info.type) + ", size " +
                std::to_string(info.size) + ", mtime " + std::to_string(info.mtime) + ", path " +
                t.Rel(info.path.c_str()) + ", name " + info.name.c_str();
     },
     "0, type 3, size 4, mtime 1000, path <dir>/l, name l"},
    {"FileInAFolderReachedThroughALinkExistsOnlyWhenNotExact",
     [](auto& t) {
         mkdir(t.At("real").c_str(), 0755);
         WriteFile(t.At("real/f"), "x");
         symlink(t.At("real").c_str(), t.At("l").c_str());
         _FILE_INFO_tag info;
         GetFileInfo(t.At("l/f").c_str(), info);
         return Show(IsFileExist(t.At("l/f").c_str(), false)) + " " + Show(IsFileExist(t.At("l/f").c_str(), true)) +
                ", record " + t.Rel(info.path.c_str());
     },
     "true false, record <dir>/real/f"},
    {"OtherCaseOrNormalFormOfAStoredNameOnACaseFoldingVolume",
     [](auto& t) {
         std::unique_ptr<fop_test::Ext4LoopMount> volume;
         const std::string folder = CaseFoldingFolder(t, volume);
         if (folder.empty())
             return Skipped("no case-folding volume here (root and ext4 casefold, a kernel with CONFIG_UNICODE)");
         WriteFile(folder + "/Foo", "x");
         WriteFile(folder + "/e\xCC\x81t\xC3\xA9", "y");
         _FILE_INFO_tag info;
         GetFileInfo((folder + "/FOO").c_str(), info);
         return Show(IsFileExist((folder + "/foo").c_str(), false)) + " " +
                Show(IsFileExist((folder + "/foo").c_str(), true)) + ", record " + t.Rel(info.path.c_str()) +
                " named " + info.name.c_str() + ", as stored " + Show(IsFileExist((folder + "/Foo").c_str(), true)) +
                ", composed " + Show(IsFileExist((folder + "/\xC3\xA9t\xC3\xA9").c_str(), true));
     },
     "true false, record <dir>/ci/folded/Foo named Foo, as stored true, composed true"},
    {"RelativePathNeverPassesTheExactTest",
     [](auto& t) {
         mkdir(t.At("a").c_str(), 0755);
         WriteFile(t.At("a/f"), "x");
         char saved[4096];
         if (getcwd(saved, sizeof saved) == nullptr || chdir(t.At("a").c_str()) != 0)
             return std::string("cannot change to the folder");
         _FILE_INFO_tag info;
         GetFileInfo("f", info);
         const std::string seen = Show(IsFileExist("f", true)) + " " + Show(IsFileExist("f", false)) +
                                  ", record " + t.Rel(info.path.c_str());
         return chdir(saved) == 0 ? seen : "cannot change back";
     },
     "false true, record <dir>/a/f"},
    {"StatOfAMissingPathChangesOnlyExists",
     [](auto& t) {
         _FILE_INFO_tag info = FilledRecord();
         const int status = FSStat(t.At("missing").c_str(), info, false);
         return std::to_string(status) + ", " + Fields(t, info);
     },
     "0, exists false, type 99, path /junk/path, name junk, mtime 1234, size 5678, uid 7, gid 8, mode 511, dev 9"},
    {"ListingOfAFolderWithTwoFilesGivesFourEntriesThenTheEnd",
     [](auto& t) {
         mkdir(t.At("d").c_str(), 0755);
         WriteFile(t.At("d/one"), "1");
         WriteFile(t.At("d/two"), "22");
         return Listing(t.At("d"), 0);
     },
     ". 2 0 0, .. 2 0 0, one 1 0 0, two 1 0 0, then 0"},
    {"ParentPathOfEachForm", [](auto&) { return Parents({"abc", "/abc", "/a/b", "/a/b/"}); },
     "abc /, /abc /, /a/b /a, /a/b/ /a/b"},
    {"BaseNameOfEachForm", [](auto&) { return BaseNames({"abc", "/a/b", "/a/b/"}); }, "abc 'abc', /a/b 'b', /a/b/ ''"},
    {"ParentFolderPairs",
     [](auto&) {
         return Show(FSIsParentFolder("/a", "/a")) + " " + Show(FSIsParentFolder("/a", "/a/b")) + " " +
                Show(FSIsParentFolder("/a", "/ab")) + " " + Show(FSIsParentFolder("/a/", "/a/b")) + " " +
                Show(FSIsParentFolder("", "/x")) + " " + Show(FSIsParentFolder("", "x"));
     },
     "true true false false true false"},
    {"LinkTextOf1023BytesIsRead", [](auto& t) { return ReadLinkOf(t, 1023); }, "0, target the whole text"},
    {"LinkTextOf1024BytesFailsWithItsMessage",
     [](auto& t) {
         const std::string seen = ReadLinkOf(t, 1024);
         return seen + ", " + t.LastLine();
     },
     "-1, target 'before', [ERROR] file-op(N): FSReadSymbolicLink: path of '<dir>/link' is more than 1024\n"},
    {"MissingFileIsNeitherLockedNorForbidden",
     [](auto& t) {
         return "locked " + Show(isFileLocked(t.At("missing").c_str(), R_OK)) + ", permitted " +
                Show(hasFilePermission(t.At("missing").c_str(), R_OK));
     },
     "locked false, permitted true"},
    {"RecordsDifferingOnlyInModeOrOwnerAreEqual",
     [](auto&) {
         _FILE_INFO_tag mode = FilledRecord();
         _FILE_INFO_tag owner = FilledRecord();
         _FILE_INFO_tag all = FilledRecord();
         mode.mode = 0;
         owner.uid = 1;
         all.mode = 0, all.uid = 1, all.gid = 2, all.dev = 3;
         return Show(FilledRecord() == mode) + " " + Show(FilledRecord() == owner) + " " +
                Show(FilledRecord() == all) + ", differ " + Show(FilledRecord() != all);
     },
     "true true true, differ false"},
};

INSTANTIATE_TEST_SUITE_P(FileInformation, FileCases, testing::ValuesIn(kFileInformationRows), conformance::RowName());

// name with each character of the alphabet written as "c".
std::string Shape(const std::string& name)
{
    return std::regex_replace(name, std::regex("[0-9a-zA-Z_-]"), "c");
}

// path with a last component of eight characters of the alphabet written
// as "/NAME".
std::string NameAsWord(const std::string& path)
{
    return std::regex_replace(path, std::regex("/[0-9a-zA-Z_-]{8}$"), "/NAME");
}

std::string Octal(mode_t mode)
{
    char text[8];
    snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
    return text;
}

mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// What a tree holds, entry by entry: "a/" a folder, "f=text" a file,
// "l -> target" a link; "nothing" for an empty or missing folder.
std::string TreeText(const std::string& folder)
{
    std::string text;
    for (const auto& entry : tree_snapshot::Of(folder, tree_snapshot::kContents)) {
        const mode_t mode = static_cast<mode_t>(std::stoul(entry.second));
        const std::string rest = entry.second.substr(entry.second.find(' ') + 1);
        const std::string kind = S_ISDIR(mode) ? "/" : S_ISLNK(mode) ? " " + rest : "=" + rest;
        text += (text.empty() ? "" : " ") + entry.first + kind;
    }
    return text.empty() ? "nothing" : text;
}

void MakeTree(const std::string& root)
{
    mkdir(root.c_str(), 0755);
    mkdir((root + "/sub").c_str(), 0755);
    mkdir((root + "/sub/deeper").c_str(), 0755);
    WriteFile(root + "/top", "t");
    WriteFile(root + "/sub/mid", "m");
    WriteFile(root + "/sub/deeper/low", "l");
}

// The tree made by MakeTree, with add's entries, moved to another volume:
// the result, what the source still holds and what has arrived.
std::string MovedTree(FileCases& t, const std::function<void(const std::string& tree)>& add)
{
    fop_test::OtherVolume other(t.At("other"), "4m", true);
    if (!other.OtherDeviceThan(t.Dir()))
        return Skipped("no second volume (a tmpfs of our own needs root; /dev/shm missing or the same device)");
    MakeTree(t.At("tree"));
    add(t.At("tree"));
    const int status = FSRename(t.At("tree").c_str(), other.Path("tree").c_str(), false);
    return std::to_string(status) + ", source " + TreeText(t.At("tree")) + ", moved " + TreeText(other.Path("tree"));
}

// FSMKDirP of path with a stop pointer: the result and the bytes of the
// path before the stop and from it on.
std::string ChainStop(FileCases& t, const std::string& path)
{
    const ustring chain(path.c_str());
    char* stop = nullptr;
    const int status = FSMKDirP(chain, &stop, false, 0xFFFF);
    if (stop < chain.c_str() || stop > chain.c_str() + chain.length())
        return std::to_string(status) + ", stop outside the path";
    const std::string before(chain.c_str(), static_cast<size_t>(stop - chain.c_str()));
    return std::to_string(status) + ", stops after " + t.Rel(before) + " at '" + stop + "'";
}

// A copy of 256 KiB with its source to be removed, cut short at 64 KiB by
// the file-size limit of a child: its result, then the two sizes.
std::string CopyCutShort(FileCases& t)
{
    WriteFile(t.At("src"), std::string(256 * 1024, 's'));
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit = {64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(-FSCopy(t.At("src").c_str(), t.At("dst").c_str(), true));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return "the copy did not end";
    return std::to_string(-WEXITSTATUS(status)) + ", source " + std::to_string(ReadFile(t.At("src")).size()) +
           ", copy " + std::to_string(ReadFile(t.At("dst")).size());
}

const Row kFileMutationRows[] = {
    {"MakeDirOnAnExistingFolder",
     [](auto& t) {
         mkdir(t.At("dir").c_str(), 0755);
         return std::to_string(FSMKDir(t.At("dir").c_str(), false));
     },
     "0"},
    {"MakeDirOnARegularFile",
     [](auto& t) {
         WriteFile(t.At("file"), "x");
         const int status = FSMKDir(t.At("file").c_str(), true);
         return std::to_string(status) + ", " + t.LastLine();
     },
     "-1, [ERROR] file-op(N): FSMKDir: Create a folder but local file system is not directory '<dir>/file' (1)\n"},
    {"MakeDirOnALinkToAFolder",
     [](auto& t) {
         mkdir(t.At("dir").c_str(), 0755);
         symlink("dir", t.At("link").c_str());
         const int status = FSMKDir(t.At("link").c_str(), true);
         return std::to_string(status) + ", " + t.LastLine();
     },
     "-1, [ERROR] file-op(N): FSMKDir: Create a folder but local file system is not directory '<dir>/link' (3)\n"},
    {"MakeDirWithoutItsParent",
     [](auto& t) {
         const int status = FSMKDir(t.At("a/b").c_str(), false);
         return std::to_string(status) + ", " + TreeText(t.At("a"));
     },
     "-2, nothing"},
    {"MakeDirRecursiveCreatesEveryLevel",
     [](auto& t) {
         const int status = FSMKDir(t.At("a/b/c").c_str(), true);
         return std::to_string(status) + ", " + TreeText(t.At("a"));
     },
     "0, b/ b/c/"},
    {"ChainWithAModeGetsExactlyThatModeWhateverTheUmask",
     [](auto& t) {
         const mode_t saved = umask(027);
         const int status = FSMKDirP(t.At("m/x").c_str(), nullptr, false, 0775);
         const std::string umask_after = Octal(CurrentUmask());
         umask(saved);
         return std::to_string(status) + ", " + Octal(ModeOf(t.At("m"))) + " " + Octal(ModeOf(t.At("m/x"))) +
                ", umask " + umask_after;
     },
     "0, 0775 0775, umask 0027"},
    {"ChainOverAnExistingFile",
     [](auto& t) {
         WriteFile(t.At("file"), "x");
         errno = 0;
         const int status = FSMKDirP(t.At("file").c_str(), nullptr, false, 0xFFFF);
         const std::string err = errno == EEXIST ? "EEXIST" : "errno " + std::to_string(errno);
         return std::to_string(status) + ", " + err + ", file '" + ReadFile(t.At("file")) + "', " + t.LastLine();
     },
     "-1, EEXIST, file 'x', "
     "[INFO] file-op(N): FSMKDirP: path: <dir>/file is existing file or symbolic link pointed to file\n"},
    {"ChainOverAnExistingFileWithForce",
     [](auto& t) {
         WriteFile(t.At("file"), "x");
         const int status = FSMKDirP(t.At("file").c_str(), nullptr, true, 0xFFFF);
         return std::to_string(status) + ", type " + std::to_string(fop_test::FileTypeOf(t.At("file")));
     },
     "0, type 2"},
    {"ChainThroughAFileInTheMiddle",
     [](auto& t) {
         WriteFile(t.At("file"), "x");
         const std::string seen = ChainStop(t, t.At("file/x/y"));
         return seen + ", " + t.LastLine();
     },
     "-1, stops after <dir>/file/x at '/y', "
     "[INFO] file-op(N): FSMKDirP: path: <dir>/file is symbolic link pointed to folder\n"},
    {"ChainWithATrailingSlash", [](auto& t) { return ChainStop(t, t.At("new/trail/")); },
     "0, stops after <dir>/new/trail at '/'"},
    {"FromRootToTheRootItself",
     [](auto& t) {
         mkdir(t.At("root").c_str(), 0755);
         const int status = FSMKDirFromRoot(t.At("root").c_str(), t.At("root").c_str());
         return std::to_string(status) + ", " + TreeText(t.At("root"));
     },
     "0, nothing"},
    {"FromARootWithATrailingSlash",
     [](auto& t) {
         mkdir(t.At("a").c_str(), 0755);
         const int status = FSMKDirFromRoot(t.At("a/b").c_str(), t.At("a/").c_str());
         return std::to_string(status) + ", " + t.LastLine();
     },
     "-1, [ERROR] file-op(N): root '<dir>/a/' is not a parent folder of target '<dir>/a/b'\n"},
    {"CopyOfAnEmptyFile",
     [](auto& t) {
         WriteFile(t.At("empty"), "");
         const int status = FSCopy(t.At("empty").c_str(), t.At("copy").c_str(), false);
         return std::to_string(status) + ", copy exists " + Show(Exists(t.At("copy"))) + " with '" +
                ReadFile(t.At("copy")) + "'";
     },
     "0, copy exists true with ''"},
    {"CopyOntoAFullVolume",
     [](auto& t) {
         fop_test::OtherVolume small(t.At("small"), "64k", false);
         if (!small.OtherDeviceThan(t.Dir()))
             return Skipped("no tmpfs of our own to fill (needs root)");
         WriteFile(t.At("src"), std::string(256 * 1024, 'z'));
         const int status = FSCopy(t.At("src").c_str(), small.Path("dst").c_str(), false);
         return std::to_string(status) + ", " + t.LastLine();
     },
     "-2, [ERROR] file-op(N): CopyFile: write: No space left on device (28)\n"},
    {"CopyRemovesItsSourceOnlyOnceTheWholeContentIsWritten",
     [](auto& t) {
         const std::string cut = CopyCutShort(t);
         const int status = FSCopy(t.At("src").c_str(), t.At("dst").c_str(), true);
         return cut + "; then " + std::to_string(status) + ", source " + Show(Exists(t.At("src"))) + ", copy " +
                std::to_string(ReadFile(t.At("dst")).size());
     },
     "-1, source 262144, copy 65536; then 0, source false, copy 262144"},
    {"TreeMovesAcrossVolumesAndItsSourceFoldersGo", [](auto& t) { return MovedTree(t, [](auto&) {}); },
     "0, source nothing, moved sub/ sub/deeper/ sub/deeper/low=l sub/mid=m top=t"},
    // A half-moved tree would leave neither place whole.
    {"TreeHoldingALinkStopsAcrossVolumes_ButNothingIsLeftHalfMoved",
     [](auto& t) { return MovedTree(t, [](auto& tree) { symlink("/etc", (tree + "/sub/link").c_str()); }); },
     "-3, source sub/ sub/deeper/ sub/deeper/low=l sub/link -> /etc sub/mid=m top=t, moved nothing"},
    {"RenameOfAnAbsentSource",
     [](auto& t) {
         WriteFile(t.At("kept"), "k");
         const int status = FSRename(t.At("missing").c_str(), t.At("kept").c_str(), false);
         return std::to_string(status) + ", destination '" + ReadFile(t.At("kept")) + "'";
     },
     "-2, destination 'k'"},
    {"RemoveOfAnAbsentPath", [](auto& t) { return std::to_string(FSRemove(t.At("missing").c_str(), false)); }, "0"},
    {"RemoveOfALinkToAFolderTakesTheLinkOnly",
     [](auto& t) {
         MakeTree(t.At("tree"));
         symlink("tree", t.At("link").c_str());
         const int status = FSRemove(t.At("link").c_str(), false);
         return std::to_string(status) + ", link " + Show(Exists(t.At("link"))) + ", " + TreeText(t.At("tree"));
     },
     "0, link false, sub/ sub/deeper/ sub/deeper/low=l sub/mid=m top=t"},
    // Not "nothing to remove": the caller would take the folder for gone.
    {"RemoveOfAFolderThatCannotBeListedDeletesNothing_ButTheFailureIsReported",
     [](auto& t) {
         if (geteuid() != 0)
             return Skipped("needs root to make a folder that uid 65534 cannot list");
         chmod(t.Dir().c_str(), 0755);
         MakeTree(t.At("tree"));
         chmod(t.At("tree").c_str(), 0311);
         const std::string tree = t.At("tree");
         const int status = fop_test::RunAsNobody([&tree] { return -FSRemove(tree.c_str(), false); });
         return std::to_string(-status) + ", " + TreeText(tree);
     },
     "-3, sub/ sub/deeper/ sub/deeper/low=l sub/mid=m top=t"},
    {"TemporaryFileOfMode0644NamedWithSixCharacters",
     [](auto& t) {
         ustring out;
         const int status = FSMktemp(t.Dir().c_str(), out);
         const std::string name = std::regex_replace(t.Rel(out.c_str()), std::regex("/.{6}$"), "/XXXXXX");
         return std::to_string(status) + ", " + name + ", " + Octal(ModeOf(out.c_str())) + ", '" +
                ReadFile(out.c_str()) + "'";
     },
     "0, <dir>/XXXXXX, 0644, ''"},
    {"TemporaryPathOfEightCharactersCreatesNothing",
     [](auto& t) {
         ustring out;
         const std::string status = std::to_string(FSCreateTempPath(t.Dir().c_str(), out));
         return status + ", " + NameAsWord(t.Rel(out.c_str())) + ", exists " + Show(Exists(out.c_str()));
     },
     "0, <dir>/NAME, exists false"},
};

INSTANTIATE_TEST_SUITE_P(FileMutation, FileCases, testing::ValuesIn(kFileMutationRows), conformance::RowName());

// The name of six drawn bytes.
std::string NameOfDraw(unsigned char* state)
{
    unsigned char bytes[6];
    TmpNameGen::getInstance()->rc4_randomize(state, bytes, sizeof bytes);
    return EncodeTmpName(bytes);
}

const Row kTemporaryNameRows[] = {
    {"EveryNameIsEightCharactersOfTheAlphabet",
     [](auto&) {
         std::set<std::string> shapes;
         for (int i = 0; i < 1000; ++i)
             shapes.insert(Shape(TmpNameGen::getInstance()->getTmpName()));
         return *shapes.begin() + ", " + std::to_string(shapes.size()) + " shape";
     },
     "cccccccc, 1 shape"},
    // Standard RC4 keyed with 256 zero bytes begins de 18 89 41 a3 37, then
    // 5d 3a 8a 06 1e 67, which would be named njGa1xVD.
    {"WithAZeroKeyTheSecondNameRestartsTheOutputStep",
     [](auto&) {
         unsigned char key[256] = {};
         unsigned char state[256];
         TmpNameGen::getInstance()->rc4_init(state, key);
         const std::string first = NameOfDraw(state);
         return first + " then " + NameOfDraw(state);
     },
     "Txy9gqcT then skk0mLmt"},
    {"ConsecutiveNamesDiffer",
     [](auto&) {
         std::set<std::string> names;
         for (int i = 0; i < 1000; ++i)
             names.insert(TmpNameGen::getInstance()->getTmpName());
         return std::to_string(names.size()) + " different";
     },
     "1000 different"},
    {"PathInTmp", [](auto&) { return NameAsWord(TmpNameGen::getInstance()->getTmpPath("/tmp")); }, "/tmp/NAME"},
    {"PathInAnEmptyFolder", [](auto&) { return NameAsWord(TmpNameGen::getInstance()->getTmpPath("")); }, "/NAME"},
    {"WithoutARandomDeviceTheGeneratorIsStillBuilt",
     [](auto&) {
         return conformance::ObserveInFreshProcess(conformance::OwnEmptyDev, "needs root for a /dev of our own", [] {
             const bool device = access("/dev/urandom", F_OK) == 0;
             return "device " + Show(device) + ", " + Shape(TmpNameGen::getInstance()->getTmpName());
         });
     },
     "device false, cccccccc"},
};

INSTANTIATE_TEST_SUITE_P(TemporaryNames, FileCases, testing::ValuesIn(kTemporaryNameRows), conformance::RowName());

}  // namespace

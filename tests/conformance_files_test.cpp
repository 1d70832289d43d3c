// The behaviour cases of the file layer: inspection and listing, mutation,
// and temporary names, each row through the real functions on real files
// in a folder of the case's own (shown as <dir>).
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

    // Puts what layout names in the case's folder, in that order: "d/" a
    // folder, "f=text" a file, "l->target" a symbolic link; then gives each
    // the time kMadeAt.
    void Make(const std::string& layout) const
    {
        std::istringstream items(layout);
        std::vector<std::string> made;
        for (std::string item; items >> item;) {
            const size_t file = item.find('=');
            const size_t link = item.find("->");
            made.push_back(Path(item.substr(0, std::min(file, link))));
            if (link != std::string::npos)
                symlink(item.substr(link + 2).c_str(), made.back().c_str());
            else if (file != std::string::npos)
                WriteFile(made.back(), item.substr(file + 1));
            else
                mkdir(made.back().c_str(), 0755);
        }
        for (const std::string& path : made)
            FSUTime(path, kMadeAt, kMadeAt);
    }

    static const long kMadeAt = 1000000000;

    // text with the case's folder written as <dir>.
    std::string Rel(std::string text) const
    {
        for (size_t at = text.find(dir_); at != std::string::npos; at = text.find(dir_, at))
            text.replace(at, dir_.size(), "<dir>");
        return text;
    }

    // The last line logged, from its level tag on, its source line as N.
    std::string LastLine() const
    {
        const std::string log = Log();
        const size_t start = log.rfind('\n', log.size() < 2 ? 0 : log.size() - 2);
        const std::string line = log.substr(start == std::string::npos ? 0 : start + 1);
        const std::string tagged = line.substr(std::min(line.find('['), line.size()));
        return Rel(std::regex_replace(tagged, std::regex("\\(\\d+\\): "), "(N): "));
    }

    std::string WithLastLine(int status) const { return std::to_string(status) + ", " + LastLine(); }
};

TEST_P(FileCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe(*this));
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

std::string WithTree(int status, const std::string& folder)
{
    return std::to_string(status) + ", " + TreeText(folder);
}

const char kTree[] = "tree/ tree/sub/ tree/sub/deeper/ tree/top=t tree/sub/mid=m tree/sub/deeper/low=l";
const char kTreeText[] = "sub/ sub/deeper/ sub/deeper/low=l sub/mid=m top=t";

std::string Described(const FileCases& t, int status, const _FILE_INFO_tag& info)
{
    return std::to_string(status) + ", exists " + Show(info.exists) + ", type " + std::to_string(info.type) +
           ", path " + t.Rel(info.path.c_str()) + ", name " + info.name.c_str() + ", mtime " +
           std::to_string(info.mtime) + ", size " + std::to_string(info.size);
}

std::string Owner(const _FILE_INFO_tag& info)
{
    return ", uid " + std::to_string(info.uid) + ", gid " + std::to_string(info.gid) + ", mode " +
           std::to_string(info.mode) + ", dev " + std::to_string(info.dev);
}

// GetFileInfo of the case's name into a record filled beforehand.
std::string InfoOf(const FileCases& t, const std::string& name)
{
    _FILE_INFO_tag info = FilledRecord();
    const int status = GetFileInfo(t.At(name), info);
    return Described(t, status, info) + (info.exists ? "" : Owner(info));
}

// f of each path, after the path.
std::string Each(std::initializer_list<const char*> paths, ustring (*f)(const ustring&))
{
    std::string seen;
    for (const char* path : paths)
        seen += std::string(seen.empty() ? "" : ", ") + path + " '" + f(path).c_str() + "'";
    return seen;
}

// FSReadSymbolicLink of a link whose text has length bytes, and its
// message when it fails.
std::string ReadLinkOf(FileCases& t, size_t length)
{
    const std::string text(length, 'x');
    ustring target("before");
    if (FSCreateSymbolicLink(text, t.At("link")) != 0)
        return "no link of " + std::to_string(length) + " bytes";
    const int status = FSReadSymbolicLink(t.At("link"), target);
    const std::string seen = status == 0 ? "0" : t.WithLastLine(status);
    return seen + ", target " + (target.c_str() == text ? "whole" : target.c_str());
}

// The entries of a listing with their type, time and size, then the end.
std::string Listing(const std::string& folder)
{
    DIR_HANDLE handle;
    if (FSOpenDir(folder, 0, handle) != 0)
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

// A case-folding folder on an ext4 volume of our own, or empty.
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
    {"MissingPathInAnExistingFolderIsReportedNotFailed", [](auto& t) { return InfoOf(t, "no-such"); },
     "0, exists false, type 0, path <dir>/no-such, name no-such, mtime 0, size 0, uid 0, gid 0, mode 0, dev 0"},
    {"PathBelowARegularFileFails",
     [](auto& t) {
         _FILE_INFO_tag info;
         t.Make("file=x");
         return std::to_string(GetFileInfo(t.At("file/below"), info));
     },
     "-1"},
    {"SymbolicLinkIsDescribedItselfNotItsTarget",
     [](auto& t) {
         t.Make("real/ l->real");
         FSUTime(t.At("real"), 2000, 2000);
         return InfoOf(t, "l");
     },
     "0, exists true, type 3, path <dir>/l, name l, mtime 1000000000, size 4"},
    {"FileInAFolderReachedThroughALinkExistsOnlyWhenNotExact",
     [](auto& t) {
         t.Make("real/ real/f=x l->" + t.At("real"));
         return Show(IsFileExist(t.At("l/f"), false)) + " " + Show(IsFileExist(t.At("l/f"), true)) + ", " +
                InfoOf(t, "l/f");
     },
     "true false, 0, exists true, type 1, path <dir>/real/f, name f, mtime 1000000000, size 1"},
    {"OtherCaseOrNormalFormOfAStoredNameOnACaseFoldingVolume",
     [](auto& t) {
         std::unique_ptr<fop_test::Ext4LoopMount> volume;
         const std::string folder = CaseFoldingFolder(t, volume);
         if (folder.empty())
             return Skipped("no case-folding volume here (root and ext4 casefold, a kernel with CONFIG_UNICODE)");
         t.Make("ci/folded/Foo=x ci/folded/e\xCC\x81t\xC3\xA9=y");
         return Show(IsFileExist(folder + "/foo", false)) + " " + Show(IsFileExist(folder + "/foo", true)) + " " +
                Show(IsFileExist(folder + "/Foo", true)) + ", composed " +
                Show(IsFileExist(folder + "/\xC3\xA9t\xC3\xA9", true)) + ", " + InfoOf(t, "ci/folded/FOO");
     },
     "true false true, composed true, 0, exists true, type 1, path <dir>/ci/folded/Foo, name Foo, mtime 1000000000, "
     "size 1"},
    {"RelativePathNeverPassesTheExactTest",
     [](auto& t) {
         t.Make("a/ a/f=x");
         char saved[4096];
         if (getcwd(saved, sizeof saved) == nullptr || chdir(t.At("a").c_str()) != 0)
             return std::string("cannot change to the folder");
         _FILE_INFO_tag info;
         const int status = GetFileInfo("f", info);
         const std::string seen =
             Show(IsFileExist("f", true)) + " " + Show(IsFileExist("f", false)) + ", " + Described(t, status, info);
         return chdir(saved) == 0 ? seen : "cannot change back";
     },
     "false true, 0, exists true, type 1, path <dir>/a/f, name f, mtime 1000000000, size 1"},
    {"StatOfAMissingPathChangesOnlyExists",
     [](auto& t) {
         _FILE_INFO_tag info = FilledRecord();
         const int status = FSStat(t.At("missing"), info, false);
         return Described(t, status, info) + Owner(info);
     },
     "0, exists false, type 99, path /junk/path, name junk, mtime 1234, size 5678, uid 7, gid 8, mode 511, dev 9"},
    {"ListingOfAFolderWithTwoFilesGivesFourEntriesThenTheEnd",
     [](auto& t) {
         t.Make("d/ d/one=1 d/two=22");
         return Listing(t.At("d"));
     },
     ". 2 0 0, .. 2 0 0, one 1 0 0, two 1 0 0, then 0"},
    {"ParentPathOfEachForm",
     [](auto&) {
         return Each({"abc", "/abc", "/a/b", "/a/b/"}, FSParentPath);
     },
     "abc '/', /abc '/', /a/b '/a', /a/b/ '/a/b'"},
    {"BaseNameOfEachForm",
     [](auto&) {
         return Each({"abc", "/a/b", "/a/b/"}, FSBaseName);
     },
     "abc 'abc', /a/b 'b', /a/b/ ''"},
    {"ParentFolderPairs",
     [](auto&) {
         return Show(FSIsParentFolder("/a", "/a")) + " " + Show(FSIsParentFolder("/a", "/a/b")) + " " +
                Show(FSIsParentFolder("/a", "/ab")) + " " + Show(FSIsParentFolder("/a/", "/a/b")) + " " +
                Show(FSIsParentFolder("", "/x")) + " " + Show(FSIsParentFolder("", "x"));
     },
     "true true false false true false"},
    {"LinkTextOf1023BytesIsRead", [](auto& t) { return ReadLinkOf(t, 1023); }, "0, target whole"},
    {"LinkTextOf1024BytesFailsWithItsMessage", [](auto& t) { return ReadLinkOf(t, 1024); },
     "-1, [ERROR] file-op(N): FSReadSymbolicLink: path of '<dir>/link' is more than 1024\n, target before"},
    {"MissingFileIsNeitherLockedNorForbidden",
     [](auto& t) {
         return Show(isFileLocked(t.At("missing"), R_OK)) + " " + Show(hasFilePermission(t.At("missing"), R_OK));
     },
     "false true"},
    {"RecordsDifferingOnlyInModeOrOwnerAreEqual",
     [](auto&) {
         _FILE_INFO_tag mode = FilledRecord();
         _FILE_INFO_tag owner = FilledRecord();
         _FILE_INFO_tag all = FilledRecord();
         mode.mode = 0, owner.uid = 1;
         all.mode = 0, all.uid = 1, all.gid = 2, all.dev = 3;
         return Show(FilledRecord() == mode) + " " + Show(FilledRecord() == owner) + " " + Show(FilledRecord() == all) +
                ", differ " + Show(FilledRecord() != all);
     },
     "true true true, differ false"},
};

INSTANTIATE_TEST_SUITE_P(FileInformation, FileCases, testing::ValuesIn(kFileInformationRows), conformance::RowName());

std::string Octal(mode_t mode)
{
    char text[8];
    snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
    return text;
}

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

// FSMKDirP of path with a stop pointer: the result, and the bytes of the
// path before the stop and from it on.
std::string ChainStop(FileCases& t, const std::string& path)
{
    const ustring chain(path);
    char* stop = nullptr;
    const int status = FSMKDirP(chain, &stop, false, 0xFFFF);
    if (stop < chain.c_str() || stop > chain.c_str() + chain.length())
        return std::to_string(status) + ", stop outside the path";
    const std::string before(chain.c_str(), static_cast<size_t>(stop - chain.c_str()));
    return std::to_string(status) + ", " + t.Rel(before) + " | " + stop;
}

// The tree kTree, with add's entries, moved to another volume (mounted at
// "other", where there is made first): the result, what the source still
// holds and what has arrived.
std::string MovedTree(FileCases& t, const std::string& add, const std::string& there = "")
{
    fop_test::OtherVolume other(t.At("other"), "4m", true);
    if (!other.OtherDeviceThan(t.Dir()))
        return Skipped("no second volume (a tmpfs of our own needs root; /dev/shm missing or the same device)");
    t.Make(there);
    t.Make(kTree + (" " + add));
    const int status = FSRename(t.At("tree"), other.Path("tree"), false);
    return WithTree(status, t.At("tree")) + ", moved " + TreeText(other.Path("tree"));
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
        _exit(-FSCopy(t.At("src"), t.At("dst"), true));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return "the copy did not end";
    return std::to_string(-WEXITSTATUS(status)) + ", source " + std::to_string(ReadFile(t.At("src")).size()) +
           ", copy " + std::to_string(ReadFile(t.At("dst")).size());
}

const char kNotAFolder[] = "[ERROR] file-op(N): FSMKDir: Create a folder but local file system is not directory ";

const Row kFileMutationRows[] = {
    {"MakeDirOnAnExistingFolder",
     [](auto& t) {
         t.Make("dir/");
         return std::to_string(FSMKDir(t.At("dir"), false));
     },
     "0"},
    {"MakeDirOnARegularFile",
     [](auto& t) {
         t.Make("file=x");
         return t.WithLastLine(FSMKDir(t.At("file"), true));
     },
     std::string("-1, ") + kNotAFolder + "'<dir>/file' (1)\n"},
    {"MakeDirOnALinkToAFolder",
     [](auto& t) {
         t.Make("dir/ link->dir");
         return t.WithLastLine(FSMKDir(t.At("link"), true));
     },
     std::string("-1, ") + kNotAFolder + "'<dir>/link' (3)\n"},
    {"MakeDirWithoutItsParent",
     [](auto& t) { return t.WithLastLine(FSMKDir(t.At("a/b"), false)) + ", " + TreeText(t.At("a")); },
     "-2, [ERROR] file-op(N): path = <dir>/a/b errno : No such file or directory\n, nothing"},
    {"MakeDirRecursiveCreatesEveryLevelWithTheModeTheUmaskLeaves",
     [](auto& t) {
         const mode_t saved = umask(027);
         const int status = FSMKDir(t.At("a/b/c"), true);
         umask(saved);
         return WithTree(status, t.At("a")) + ", " + Octal(ModeOf(t.At("a/b/c")));
     },
     "0, b/ b/c/, 0750"},
    {"ChainWithAModeGetsExactlyThatModeWhateverTheUmask",
     [](auto& t) {
         const mode_t saved = umask(027);
         const int status = FSMKDirP(t.At("m/x"), nullptr, false, 0775);
         const mode_t after = umask(saved);
         return std::to_string(status) + ", " + Octal(ModeOf(t.At("m"))) + " " + Octal(ModeOf(t.At("m/x"))) +
                ", umask " + Octal(after);
     },
     "0, 0775 0775, umask 0027"},
    {"ChainOverAnExistingFile",
     [](auto& t) {
         t.Make("file=x");
         errno = 0;
         const int status = FSMKDirP(t.At("file"), nullptr, false, 0xFFFF);
         const std::string err = errno == EEXIST ? "EEXIST" : "errno " + std::to_string(errno);
         return err + ", file " + ReadFile(t.At("file")) + ", " + t.WithLastLine(status);
     },
     "EEXIST, file x, -1, [INFO] file-op(N): FSMKDirP: path: <dir>/file is existing file or symbolic link pointed to "
     "file\n"},
    {"ChainOverAnExistingFileWithForce",
     [](auto& t) {
         t.Make("file=x");
         const int status = FSMKDirP(t.At("file"), nullptr, true, 0xFFFF);
         return std::to_string(status) + ", type " + std::to_string(fop_test::FileTypeOf(t.At("file")));
     },
     "0, type 2"},
    {"ChainThroughAFileInTheMiddle",
     [](auto& t) {
         t.Make("file=x");
         const std::string seen = ChainStop(t, t.At("file/x/y"));
         return seen + ", " + t.LastLine();
     },
     "-1, <dir>/file/x | /y, [INFO] file-op(N): FSMKDirP: path: <dir>/file is symbolic link pointed to folder\n"},
    {"ChainWithATrailingSlash", [](auto& t) { return ChainStop(t, t.At("new/trail/")); }, "0, <dir>/new/trail | /"},
    {"FromRootToTheRootItself",
     [](auto& t) {
         t.Make("root/");
         return WithTree(FSMKDirFromRoot(t.At("root"), t.At("root")), t.At("root"));
     },
     "0, nothing"},
    {"FromARootWithATrailingSlash",
     [](auto& t) {
         t.Make("a/");
         return t.WithLastLine(FSMKDirFromRoot(t.At("a/b"), t.At("a/"))) + ", " + TreeText(t.At("a"));
     },
     "-1, [ERROR] file-op(N): root '<dir>/a/' is not a parent folder of target '<dir>/a/b'\n, nothing"},
    {"CopyOfAnEmptyFile",
     [](auto& t) {
         t.Make("empty=");
         const int status = FSCopy(t.At("empty"), t.At("copy"), false);
         return std::to_string(status) + ", copy " + Show(Exists(t.At("copy"))) + " '" + ReadFile(t.At("copy")) + "'";
     },
     "0, copy true ''"},
    {"CopyOntoAFullVolume",
     [](auto& t) {
         fop_test::OtherVolume small(t.At("small"), "64k", false);
         if (!small.OtherDeviceThan(t.Dir()))
             return Skipped("no tmpfs of our own to fill (needs root)");
         WriteFile(t.At("src"), std::string(256 * 1024, 'z'));
         const std::string seen = t.WithLastLine(FSCopy(t.At("src"), small.Path("dst"), true));
         return seen + ", source " + Show(Exists(t.At("src")));
     },
     "-2, [ERROR] file-op(N): CopyFile: write: No space left on device (28)\n, source true"},
    {"CopyRemovesItsSourceOnlyOnceTheWholeContentIsWritten",
     [](auto& t) {
         const std::string cut = CopyCutShort(t);
         const int status = FSCopy(t.At("src"), t.At("dst"), true);
         return cut + "; then " + std::to_string(status) + ", source " + Show(Exists(t.At("src"))) + ", copy " +
                std::to_string(ReadFile(t.At("dst")).size());
     },
     "-1, source 262144, copy 65536; then 0, source false, copy 262144"},
    {"TreeMovesAcrossVolumesAndItsSourceFoldersGo", [](auto& t) { return MovedTree(t, ""); },
     std::string("0, nothing, moved ") + kTreeText},
    // What only the destination holds stays; a file of both is replaced by
    // the source's.
    {"TreeMovesAcrossVolumesOntoAFolderWithEntriesAndMergesIntoIt",
     [](auto& t) {
         return MovedTree(t, "tree/empty/",
                          "other/tree/ other/tree/sub/ other/tree/kept=k other/tree/top=older other/tree/sub/kept=k2");
     },
     "0, nothing, moved empty/ kept=k sub/ sub/deeper/ sub/deeper/low=l sub/kept=k2 sub/mid=m top=t"},
    // A half-moved tree would leave neither place whole.
    {"TreeHoldingALinkMovesAcrossVolumes_ButTheLinkComesAsALinkSoDataWithLinksArrives",
     [](auto& t) { return MovedTree(t, "tree/sub/link->/etc"); },
     "0, nothing, moved sub/ sub/deeper/ sub/deeper/low=l sub/link -> /etc sub/mid=m top=t"},
    {"RenameOfAnAbsentSource",
     [](auto& t) {
         t.Make("kept=k");
         return std::to_string(FSRename(t.At("missing"), t.At("kept"), false)) + ", kept " + ReadFile(t.At("kept"));
     },
     "-2, kept k"},
    {"RemoveOfAnAbsentPath", [](auto& t) { return std::to_string(FSRemove(t.At("missing"), false)); }, "0"},
    {"RemoveOfALinkToAFolderTakesTheLinkOnly",
     [](auto& t) {
         t.Make(kTree + std::string(" link->tree"));
         const int status = FSRemove(t.At("link"), false);
         return "link " + Show(Exists(t.At("link"))) + ", " + WithTree(status, t.At("tree"));
     },
     std::string("link false, 0, ") + kTreeText},
    // Not "nothing to remove": the caller would take the folder for gone.
    {"RemoveOfAFolderThatCannotBeListedDeletesNothing_ButTheFailureIsReported",
     [](auto& t) {
         if (geteuid() != 0)
             return Skipped("needs root to make a folder that uid 65534 cannot list");
         t.Make(kTree);
         chmod(t.Dir().c_str(), 0755);
         chmod(t.At("tree").c_str(), 0311);
         const std::string tree = t.At("tree");
         return WithTree(-fop_test::RunAsNobody([&tree] { return -FSRemove(tree, false); }), tree);
     },
     std::string("-3, ") + kTreeText},
    {"TemporaryFileOfMode0644NamedWithSixCharacters",
     [](auto& t) {
         ustring out;
         const int status = FSMktemp(t.Dir(), out);
         const std::string name = std::regex_replace(t.Rel(out.c_str()), std::regex("/.{6}$"), "/XXXXXX");
         return std::to_string(status) + ", " + name + ", " + Octal(ModeOf(out.c_str())) + ", '" +
                ReadFile(out.c_str()) + "'";
     },
     "0, <dir>/XXXXXX, 0644, ''"},
    {"TemporaryPathOfEightCharactersCreatesNothing",
     [](auto& t) {
         ustring out;
         const std::string status = std::to_string(FSCreateTempPath(t.Dir(), out));
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

// The different values of f over a thousand fresh names.
std::set<std::string> OverAThousandNames(std::string (*f)(const std::string&))
{
    std::set<std::string> values;
    for (int i = 0; i < 1000; ++i)
        values.insert(f(TmpNameGen::getInstance()->getTmpName()));
    return values;
}

const Row kTemporaryNameRows[] = {
    {"EveryNameIsEightCharactersOfTheAlphabet",
     [](auto&) {
         const std::set<std::string> shapes = OverAThousandNames(Shape);
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
     [](auto&) { return std::to_string(OverAThousandNames([](const std::string& name) { return name; }).size()); },
     "1000"},
    {"PathInTmp", [](auto&) { return NameAsWord(TmpNameGen::getInstance()->getTmpPath("/tmp")); }, "/tmp/NAME"},
    {"PathInAnEmptyFolder", [](auto&) { return NameAsWord(TmpNameGen::getInstance()->getTmpPath("")); }, "/NAME"},
    {"WithoutARandomDeviceTheGeneratorIsStillBuilt",
     [](auto&) {
         return conformance::ObserveInFreshProcess([] {
             if (!conformance::OwnEmptyDev())
                 return Skipped("needs root for a /dev of our own");
             const bool device = access("/dev/urandom", F_OK) == 0;
             return "device " + Show(device) + ", " + Shape(TmpNameGen::getInstance()->getTmpName());
         });
     },
     "device false, cccccccc"},
};

INSTANTIATE_TEST_SUITE_P(TemporaryNames, FileCases, testing::ValuesIn(kTemporaryNameRows), conformance::RowName());

}  // namespace

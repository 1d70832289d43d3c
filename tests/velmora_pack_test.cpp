// The built velmora-pack: every client or launcher bundle the launcher would
// not install or start is refused, with every problem named, and a bundle it
// makes is installed by the launcher to a tree identical to the client.
#include "child_process.h"
#include "temp_folder_test.h"
#include "test_archive_writer.h"
#include "tree_snapshot.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using temp_folder::ReadFile;
using temp_folder::WriteFile;

const char kInfo[] = "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=120\nicon_overlay_version=3\n";

class VelmoraPackTest : public temp_folder::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(child_process::BecomeSubreaper());
        umask(022);
        client_ = Path("VelmoraDrive.app");
        bundle_ = Path("Velmora Drive.app");
        MakeClient();
    }

    void TearDown() override
    {
        // Clients the launcher started are ours as subreaper.
        for (pid_t child : child_process::OwnChildren()) {
            kill(child, SIGKILL);
            child_process::Wait(child);
        }
        TempFolderTest::TearDown();
    }

    void Shell(const std::string& command) { ASSERT_EQ(system(command.c_str()), 0) << command; }

    // A client bundle as a release engineer has it: the client, its INFO,
    // nested and empty folders, a private file, a link, a name outside ASCII.
    void MakeClient()
    {
        Shell("mkdir -p '" + client_ + "/Contents/MacOS' '" + client_ + "/Contents/Resources/fr.lproj' '" + client_ +
              "/Contents/Frameworks/empty' '" + client_ + "/Contents/Library'");
        WriteFile(client_ + "/Contents/MacOS/cloud-drive-ui", "#!/bin/sh\nexit 0\n");
        ASSERT_EQ(chmod((client_ + "/Contents/MacOS/cloud-drive-ui").c_str(), 0755), 0);
        WriteFile(client_ + "/Contents/Resources/INFO", kInfo);
        WriteFile(client_ + "/Contents/Resources/fr.lproj/G\303\251n\303\251ral.strings", "texte\n");
        WriteFile(client_ + "/Contents/Resources/secret", "mine");
        ASSERT_EQ(chmod((client_ + "/Contents/Resources/secret").c_str(), 0600), 0);
        ASSERT_EQ(chmod((client_ + "/Contents/Library").c_str(), 0700), 0);
        ASSERT_EQ(symlink("fr.lproj", (client_ + "/Contents/Resources/French.lproj").c_str()), 0);
    }

    // Runs a program with args; its status, and its output and error.
    int Run(const std::string& exe, const std::vector<std::string>& args, const std::vector<std::string>& env = {})
    {
        std::vector<std::string> environment = {"PATH=/usr/bin:/bin", "HOME=" + Path("home")};
        environment.insert(environment.end(), env.begin(), env.end());
        const int status =
            child_process::Wait(child_process::Start(exe, args, environment, Path("out.txt"), Path("err.txt")));
        out_ = ReadFile(Path("out.txt"));
        err_ = ReadFile(Path("err.txt"));
        return status;
    }

    int Pack(const std::vector<std::string>& args) { return Run(VELMORA_BIN_DIR "/velmora-pack", args, env_); }

    std::vector<std::string> BundleArgs() const
    {
        return {"bundle", "--client", client_, "--build", "120", "--launcher", VELMORA_BIN_DIR "/velmora-launcher",
                "--out",  bundle_};
    }

    // The temp folder but for the program's output files.
    tree_snapshot::Tree Inputs() const
    {
        tree_snapshot::Tree tree = tree_snapshot::Of(dir_, tree_snapshot::kTimes);
        tree.erase("out.txt");
        tree.erase("err.txt");
        return tree;
    }

    std::string Package() const { return bundle_ + "/Contents/Resources/package/larkspan.vpk"; }

    // A package of the given entries in place of the bundle's; the INFO
    // then records no digest (which the launcher accepts).
    void ReplacePackage(const std::string& kind, const std::vector<TestEntry>& entries)
    {
        ASSERT_EQ(unlink(Package().c_str()), 0);
        ASSERT_EQ(WriteTestArchive(Package(), kind, entries), 0);
        WriteFile(bundle_ + "/Contents/Resources/INFO", kInfo);
    }

    // A stand-in for the launcher at path.
    void FakeLauncher(const std::string& path, const std::string& script)
    {
        WriteFile(path, "#!/bin/sh\n" + script + "\n");
        ASSERT_EQ(chmod(path.c_str(), 0755), 0);
    }

    // Changes a byte inside the stored data of the named zip entry, and
    // records the package's new digest in the bundle's INFO.
    void DamageEntry(const std::string& name)
    {
        std::string bytes = ReadFile(Package());
        const size_t at = bytes.find(name);
        ASSERT_NE(at, std::string::npos);
        ASSERT_GE(at, 30u);
        const size_t extra = static_cast<unsigned char>(bytes[at - 2]) | static_cast<unsigned char>(bytes[at - 1]) << 8;
        bytes[at + name.size() + extra + 2] ^= 0x55;
        WriteFile(Package(), bytes);
        Shell("sed -i \"s/^package_sha256=.*/package_sha256=$(sha256sum '" + Package() + "' | cut -c1-64)/\" '" +
              bundle_ + "/Contents/Resources/INFO'");
    }

    std::string client_, bundle_, out_, err_;
    std::vector<std::string> env_;  // for velmora-pack, beyond PATH and HOME
};

// The names of a package's entries in their order, and the times they carry.
void ReadEntries(const std::string& package, std::vector<std::string>& names, std::set<time_t>& times)
{
    // The names are UTF-8; the reader gives them in the locale's encoding.
    const std::string locale = setlocale(LC_CTYPE, nullptr);
    ASSERT_NE(setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    archive* reader = archive_read_new();
    archive_read_support_format_zip(reader);
    archive_entry* header = nullptr;
    if (archive_read_open_filename(reader, package.c_str(), 10240) == ARCHIVE_OK) {
        while (archive_read_next_header(reader, &header) == ARCHIVE_OK) {
            names.push_back(archive_entry_pathname(header));
            times.insert(archive_entry_mtime(header));
        }
    }
    archive_read_free(reader);
    setlocale(LC_CTYPE, locale.c_str());
}

// The names whose entries differ between two trees, one per line; the
// entries themselves, a launcher among them, are too big to show.
std::string Differences(const tree_snapshot::Tree& a, const tree_snapshot::Tree& b)
{
    std::string names;
    for (const auto& entry : a) {
        if (b.count(entry.first) == 0 || b.at(entry.first) != entry.second)
            names += entry.first + "\n";
    }
    return a.size() == b.size() ? names : names + "(and entries only in the second)\n";
}

std::vector<TestEntry> GoodEntries(const std::string& root = "Contents/")
{
    return {DirEntry(root), FileEntry(root + "MacOS/cloud-drive-ui", "#!/bin/sh\n", 0755),
            FileEntry(root + "Resources/INFO", kInfo)};
}

std::vector<TestEntry> With(std::vector<TestEntry> entries, const TestEntry& extra)
{
    entries.push_back(extra);
    return entries;
}

struct Row {
    const char* what;
    std::function<void(std::vector<std::string>&)> setUp;  // changes the input, or the arguments
    int status;
    std::vector<std::string> problems;
};

TEST_F(VelmoraPackTest, BundleRefusesWhatTheLauncherWouldNotInstallOrStart)
{
    const std::string contents = client_ + "/Contents";
    const std::string ui = contents + "/MacOS/cloud-drive-ui";
    const auto set = [](const std::string& option, const std::string& value) {
        return [option, value](std::vector<std::string>& args) {
            for (size_t i = 0; i + 1 < args.size(); ++i) {
                if (args[i] == option)
                    args[i + 1] = value;
            }
            if (std::find(args.begin(), args.end(), option) == args.end())
                args.insert(args.end(), {option, value});
        };
    };
    const auto edit = [](std::function<void()> change) { return [change](std::vector<std::string>&) { change(); }; };
    const auto environment = [this](const std::string& variable) {
        return [this, variable](std::vector<std::string>&) { env_ = {variable}; };
    };
    const Row rows[] = {
        {"client folder rooted one level up",
         set("--client", dir_),
         1,
         {"client bundle '" + dir_ + "' has no Contents folder: did you mean " + client_ + "?",
          "'VelmoraDrive.app' lies outside Contents/",
          "the package holds no client executable 'Contents/MacOS/cloud-drive-ui'"}},
        {"client folder is the bundle's Contents",
         set("--client", contents + "/"),
         1,
         {"client bundle '" + contents + "' has no Contents folder: did you mean " + client_ + "?"}},
        {"INFO beside Resources",
         edit([=] { rename((contents + "/Resources/INFO").c_str(), (contents + "/INFO").c_str()); }),
         1,
         {"'Contents/INFO' looks like the client's INFO, which the launcher reads only at 'Contents/Resources/INFO'"}},
        {"launcher that is not velmora-launcher",
         set("--launcher", "/bin/true"),
         1,
         {"the launcher '/bin/true' is not velmora-launcher: --version printed '"}},
        {"SOURCE_DATE_EPOCH not a time",
         environment("SOURCE_DATE_EPOCH=yesterday"),
         2,
         {"SOURCE_DATE_EPOCH 'yesterday' is not a whole number of seconds"}},
        {"inner build differs",
         set("--build", "121"),
         1,
         {"the INFO 'Contents/Resources/INFO' states build 120, not the expected build 121"}},
        {"inner major differs", set("--major", "2"), 1, {"the client's INFO says major 1, not 2 (--major)"}},
        {"no INFO",
         edit([=] { unlink((contents + "/Resources/INFO").c_str()); }),
         1,
         {"the package holds no INFO 'Contents/Resources/INFO'"}},
        {"dotted build in INFO",
         edit([=] { WriteFile(contents + "/Resources/INFO", "[Version]\nbuild_version=2.1.300\n"); }),
         1,
         {"the package's INFO 'Contents/Resources/INFO': build_version '2.1.300' is not a whole number from 1 "
          "(the launcher would read 2)",
          "states build 2, not the expected build 120"}},
        {"client not executable",
         edit([=] { chmod(ui.c_str(), 0644); }),
         1,
         {"the client executable 'Contents/MacOS/cloud-drive-ui' has no execute permission (mode 0644)"}},
        {"no client",
         edit([=] { unlink(ui.c_str()); }),
         1,
         {"the package holds no client executable 'Contents/MacOS/cloud-drive-ui'"}},
        {"client is a folder",
         edit([=] { unlink(ui.c_str()), mkdir(ui.c_str(), 0755); }),
         1,
         {"the client executable 'Contents/MacOS/cloud-drive-ui' is not stored as a regular file"}},
        {"named pipe and a client without execute bit",
         edit([=] { mkfifo((contents + "/Resources/pipe").c_str(), 0644), chmod(ui.c_str(), 0600); }),
         1,
         {"'Contents/Resources/pipe' is a named pipe", "has no execute permission (mode 0600)"}},
        {"link climbing out",
         edit([=] { symlink("../../../etc", (contents + "/Resources/up").c_str()); }),
         1,
         {"link 'Contents/Resources/up' -> '../../../etc' climbs out of the bundle"}},
        {"absolute link",
         edit([=] { symlink("/etc/passwd", (contents + "/Resources/abs").c_str()); }),
         1,
         {"link 'Contents/Resources/abs' -> '/etc/passwd' leads out of the bundle (absolute target)"}},
        {"client reached through a link out",
         edit([=] { unlink(ui.c_str()), symlink("/bin/sh", ui.c_str()); }),
         1,
         {"is not stored as a regular file", "(absolute target)"}},
        {"file beside Contents", edit([=] { WriteFile(client_ + "/Icon", ""); }), 1, {"'Icon' lies outside Contents/"}},
        {"name not UTF-8",
         edit([=] { WriteFile(contents + "/Resources/\xff.txt", ""); }),
         1,
         {"'Contents/Resources/\xff.txt' is not valid UTF-8"}},
        {"names equal but for normalization",
         edit([=] {
             WriteFile(contents + "/Resources/caf\303\251.txt", "composed");
             WriteFile(contents + "/Resources/cafe\314\201.txt", "decomposed");
         }),
         1,
         {"entry 'Contents/Resources/caf\303\251.txt' collides with 'Contents/Resources/cafe\314\201.txt' on a "
          "volume that ignores case and Unicode normalization"}},
        {"launcher not executable", set("--launcher", client_ + "/Contents/Resources/INFO"), 1, {"is not executable"}},
        {"output exists", edit([=] { mkdir((dir_ + "/Velmora Drive.app").c_str(), 0755); }), 1, {"exists"}},
        {"dotted --build", set("--build", "2.1.300"), 2, {"--build '2.1.300' is not a whole number from 1"}},
        {"build 0", set("--build", "0"), 2, {"--build '0' is not a whole number"}},
        {"unknown option", set("--bulid", "120"), 2, {"unknown option '--bulid'"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Shell("rm -rf '" + client_ + "' '" + bundle_ + "'");
        MakeClient();
        env_.clear();
        std::vector<std::string> args = BundleArgs();
        row.setUp(args);
        const auto before = Inputs();
        EXPECT_EQ(Pack(args), row.status) << out_ << err_;
        for (const std::string& problem : row.problems)
            EXPECT_NE(err_.find(problem), std::string::npos) << err_;
        EXPECT_EQ(out_, "");
        // Nothing written: no bundle, nothing half-made beside it.
        EXPECT_EQ(Inputs(), before);
    }
}

TEST_F(VelmoraPackTest, VerifyListsEveryProblemOfALauncherBundle)
{
    const std::string resources = bundle_ + "/Contents/Resources";
    const auto package = [this](const std::string& kind, std::vector<TestEntry> entries) {
        return [this, kind, entries](std::vector<std::string>&) { ReplacePackage(kind, entries); };
    };
    const auto edit = [](std::function<void()> change) { return [change](std::vector<std::string>&) { change(); }; };
    const auto launcher = [this](const std::string& script) {
        return [this, script](std::vector<std::string>&) {
            FakeLauncher(bundle_ + "/Contents/MacOS/velmora-launcher", script);
        };
    };
    const Row rows[] = {
        {"as made", edit([] {}), 0, {}},
        {"launcher that is not velmora-launcher",
         launcher("echo 'cloud-drive-ui 1.0'"),
         1,
         {"the launcher 'Contents/MacOS/velmora-launcher' is not velmora-launcher: --version printed 'cloud-drive-ui "
          "1.0'"}},
        {"launcher of another bundle",
         launcher("echo 'velmora-launcher 1.0.121 (overlay 3)'"),
         1,
         {"the launcher 'Contents/MacOS/velmora-launcher' reports version 1.0.121, not the build 120 of its bundle's "
          "INFO"}},
        {"launcher that fails",
         launcher("echo 'velmora-launcher 1.0.120 (overlay 3)'; exit 3"),
         1,
         {"the launcher 'Contents/MacOS/velmora-launcher' failed on --version"}},
        {"launcher that never answers",
         launcher("exec sleep 600"),
         1,
         {"the launcher 'Contents/MacOS/velmora-launcher' did not answer --version within 10 seconds"}},
        // Whatever the program does, it does in a home folder of its own.
        {"launcher asked in a scratch home",
         launcher("[ \"$HOME\" != '" + Path("home") +
                  "' ] && [ \"$XDG_RUNTIME_DIR\" = \"$HOME\" ] && "
                  "echo 'velmora-launcher 1.0.120 (overlay 3)'"),
         0,
         {}},
        {"INFO beside Resources in the package",
         package("zip", {DirEntry("Contents/"), FileEntry("Contents/MacOS/cloud-drive-ui", "x", 0755),
                         FileEntry("Contents/INFO", kInfo)}),
         1,
         {"'Contents/INFO' looks like the client's INFO, which the launcher reads only at 'Contents/Resources/INFO'"}},
        {"a tar package without digest", package("tar.gz", GoodEntries()), 0, {}},
        // Packed with a UTF-8 character type, as a release engineer packs.
        {"names equal but for normalization",
         edit([=] {
             setlocale(LC_CTYPE, "C.UTF-8");
             ReplacePackage("tar.gz", With(With(GoodEntries(), FileEntry("Contents/caf\303\251", "composed")),
                                           FileEntry("Contents/cafe\314\201", "decomposed")));
             setlocale(LC_CTYPE, "C");
         }),
         1,
         {"entry 'Contents/cafe\314\201' collides with 'Contents/caf\303\251' on a volume that ignores case and "
          "Unicode normalization"}},
        {"not an archive",
         edit([=] { WriteFile(Package(), "not an archive"); }),
         1,
         {"cannot be read as an archive", "the package's SHA-256 digest is "}},
        {"digest differs",
         edit([=] { WriteFile(resources + "/INFO", std::string(kInfo) + "package_sha256=00\n"); }),
         1,
         {", not the expected 00"}},
        {"rooted at the bundle's folder",
         package("zip", GoodEntries("VelmoraDrive.app/Contents/")),
         1,
         {"'VelmoraDrive.app/Contents/' lies outside Contents/",
          "the package holds no client executable 'Contents/MacOS/cloud-drive-ui'",
          "the package holds no INFO 'Contents/Resources/INFO'"}},
        {"outer build differs",
         edit([=] { WriteFile(resources + "/INFO", "[Version]\nbuild_version=121\n"); }),
         1,
         {"the INFO 'Contents/Resources/INFO' states build 120, not the expected build 121"}},
        {"no INFO in the package",
         package("zip", {DirEntry("Contents/"), FileEntry("Contents/MacOS/cloud-drive-ui", "x", 0755)}),
         1,
         {"the package holds no INFO 'Contents/Resources/INFO'"}},
        {"dotted outer build",
         edit([=] { WriteFile(resources + "/INFO", "[Version]\nbuild_version=2.1.300\n"); }),
         1,
         {"the launcher bundle's INFO: build_version '2.1.300' is not a whole number"}},
        {"client without execute bit",
         package("zip", {DirEntry("Contents/"), FileEntry("Contents/MacOS/cloud-drive-ui", "x", 0644),
                         FileEntry("Contents/Resources/INFO", kInfo)}),
         1,
         {"has no execute permission (mode 0644)"}},
        // Placed below the bundle, as the launcher places it: outside Contents/ there.
        {"absolute name",
         package("tar", With(GoodEntries(), FileEntry("/tmp/evil", "x"))),
         1,
         {"'/tmp/evil' lies outside Contents/"}},
        // A damaged entry whose package digest was made again: the CRC tells.
        {"damaged entry, digest made again",
         edit([=] { DamageEntry("Contents/MacOS/cloud-drive-ui"); }),
         1,
         {"entry 'Contents/MacOS/cloud-drive-ui' is damaged: "}},
        // Read through one descriptor, never opened by name: no hang.
        {"package is a named pipe",
         edit([=] { unlink(Package().c_str()), mkfifo(Package().c_str(), 0644); }),
         1,
         {"cannot be opened: not a regular file"}},
        {"name climbing out",
         package("tar", With(GoodEntries(), FileEntry("Contents/../../evil", "x"))),
         1,
         {"entry 'Contents/../../evil' has a '..' component"}},
        {"dotted build in the package's INFO",
         package("zip", {DirEntry("Contents/"), FileEntry("Contents/MacOS/cloud-drive-ui", "x", 0755),
                         FileEntry("Contents/Resources/INFO", "[Version]\nbuild_version=120.1\n")}),
         1,
         {"the package's INFO 'Contents/Resources/INFO': build_version '120.1' is not a whole number"}},
        {"link to an absolute path",
         package("zip", With(GoodEntries(), LinkEntry("Contents/etc", "/etc"))),
         1,
         {"link 'Contents/etc' -> '/etc' leads out of the bundle"}},
        {"hard link out",
         package("tar", With(GoodEntries(), HardEntry("Contents/h", "../etc/passwd"))),
         1,
         {"entry 'Contents/h'"}},
        {"named pipe",
         edit([=] {
             Shell("rm -f '" + Package() + "' && mkdir -p '" + Path("stage") + "' && bsdtar -xf '" + Path("good.vpk") +
                   "' -C '" + Path("stage") + "' && mkfifo '" + Path("stage") + "/Contents/pipe' && bsdtar -cf '" +
                   Package() + "' -C '" + Path("stage") + "' Contents");
             WriteFile(resources + "/INFO", kInfo);
         }),
         1,
         {"entry 'Contents/pipe' is a named pipe"}},
        {"no launcher",
         edit([=] { unlink((bundle_ + "/Contents/MacOS/velmora-launcher").c_str()); }),
         1,
         {"no launcher at 'Contents/MacOS/velmora-launcher'"}},
        {"no package",
         edit([=] { unlink(Package().c_str()); }),
         1,
         {"no package at 'Contents/Resources/package/larkspan.vpk'"}},
        {"no outer INFO",
         edit([=] { unlink((resources + "/INFO").c_str()); }),
         1,
         {"no launcher bundle INFO at 'Contents/Resources/INFO'"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Shell("rm -rf '" + bundle_ + "' '" + Path("stage") + "'");
        ASSERT_EQ(Pack(BundleArgs()), 0) << err_;
        Shell("cp '" + Package() + "' '" + Path("good.vpk") + "'");
        std::vector<std::string> unused;
        row.setUp(unused);
        EXPECT_EQ(Pack({"verify", bundle_}), row.status) << out_ << err_;
        for (const std::string& problem : row.problems)
            EXPECT_NE(err_.find(problem), std::string::npos) << err_;
        if (row.status == 0) {
            EXPECT_EQ(out_.rfind(bundle_ + ": the launcher would install build 120 and start it (", 0), 0u) << out_;
        } else {
            EXPECT_NE(err_.find("velmora-pack: the launcher would not install '" + bundle_ + "'\n"), std::string::npos);
        }
    }
}

TEST_F(VelmoraPackTest, HelpAndUsageErrors)
{
    const struct {
        std::vector<std::string> args;
        int status;
        const char* printed;  // on standard output for 0, standard error otherwise
    } rows[] = {
        {{"--help"}, 0, "Usage: velmora-pack bundle --client"},
        {{"--version"}, 0, "velmora-pack 1.1 (libarchive "},
        {{"bundle", "--help"}, 0, "Exit status: 0 written; 1 refused"},
        {{"verify", "-h"}, 0, "Usage: velmora-pack verify [--json] PATH/Name.app"},
        {{}, 2, "velmora-pack: a command is needed"},
        {{"pack"}, 2, "velmora-pack: unknown command 'pack'"},
        {{"verify"}, 2, "one launcher bundle is needed"},
        {{"verify", "a.app", "b.app"}, 2, "one launcher bundle is needed"},
        {{"bundle", "--client"}, 2, "option '--client' needs a value"},
        {{"bundle", "--client=" + client_}, 2, "--client, --build, --launcher and --out are needed"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.empty() ? "(none)" : row.args.back());
        EXPECT_EQ(Pack(row.args), row.status);
        EXPECT_NE((row.status == 0 ? out_ : err_).find(row.printed), std::string::npos) << out_ << err_;
    }
}

// What velmora-pack makes, the launcher installs: the installed bundle is
// the client bundle, entry for entry, with its modes, links and contents.
TEST_F(VelmoraPackTest, BundleIsInstalledByTheLauncherAsTheClientItCameFrom)
{
    ASSERT_EQ(Pack(BundleArgs()), 0) << err_;
    struct stat package;
    ASSERT_EQ(stat(Package().c_str(), &package), 0);
    // Twelve entries: eight folders and links, four files of 17 + 83 + 6 + 4 bytes.
    EXPECT_EQ(out_, bundle_ + ": 12 entries, 110 bytes unpacked, " + std::to_string(package.st_size) +
                        " bytes packed, build 120 (version 1.0.120, overlay 3)\n");
    ASSERT_EQ(Pack({"verify", bundle_}), 0) << out_;
    // Folders 0755 whatever the umask: others may run the launcher.
    struct stat folder;
    ASSERT_EQ(stat(bundle_.c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 07777, 0755u);
    ASSERT_EQ(mkdir(Path("home").c_str(), 0700), 0);
    ASSERT_EQ(mkdir(Path("run").c_str(), 0700), 0);
    ASSERT_EQ(Run(bundle_ + "/Contents/MacOS/velmora-launcher", {},
                  {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + Path("run")}),
              0)
        << err_;
    EXPECT_EQ(tree_snapshot::Of(Path("home/.VelmoraDrive/VelmoraDrive.app"), tree_snapshot::kContents),
              tree_snapshot::Of(client_, tree_snapshot::kContents));
    EXPECT_EQ(ReadFile(Path("home/.VelmoraDrive/log/launcher.log")).find("[ERROR]"), std::string::npos);
}

// Two machines that pack the same folder get the same bundle, byte for
// byte, whatever their time zone and umask; with SOURCE_DATE_EPOCH also
// whatever the files' own times. Entries go in name order.
TEST_F(VelmoraPackTest, TheSameFolderMakesTheSameBundleEverywhere)
{
    WriteFile(client_ + "/Contents/Resources/fr.lproj.txt", "after fr.lproj, before what it holds\n");
    const auto pack = [this](const std::string& name, mode_t mask, const std::vector<std::string>& env) {
        std::vector<std::string> args = BundleArgs();
        args.back() = Path(name) + "/";  // --out with a trailing slash names the folder
        const mode_t old = umask(mask);
        env_ = env;
        EXPECT_EQ(Pack(args), 0) << err_;
        umask(old);
        return tree_snapshot::Of(Path(name), tree_snapshot::kContents);
    };
    const tree_snapshot::Tree utc = pack("utc.app", 022, {"TZ=UTC"});
    EXPECT_EQ(Differences(pack("tokyo.app", 077, {"TZ=Asia/Tokyo"}), utc), "");

    Shell("find '" + client_ + "' -exec touch -h -d @1500000000 {} +");
    const tree_snapshot::Tree epoch = pack("epoch.app", 022, {"TZ=UTC", "SOURCE_DATE_EPOCH=1700000000"});
    Shell("find '" + client_ + "' -exec touch -h -d @1600000000 {} +");
    EXPECT_EQ(Differences(pack("later.app", 022, {"TZ=Asia/Tokyo", "SOURCE_DATE_EPOCH=1700000000"}), epoch), "");

    std::vector<std::string> names;
    std::set<time_t> times;
    ReadEntries(Path("epoch.app/Contents/Resources/package/larkspan.vpk"), names, times);
    EXPECT_EQ(times, std::set<time_t>{1700000000});
    const std::vector<std::string> sorted = {"Contents/",
                                             "Contents/Frameworks/",
                                             "Contents/Frameworks/empty/",
                                             "Contents/Library/",
                                             "Contents/MacOS/",
                                             "Contents/MacOS/cloud-drive-ui",
                                             "Contents/Resources/",
                                             "Contents/Resources/French.lproj",
                                             "Contents/Resources/INFO",
                                             "Contents/Resources/fr.lproj.txt",
                                             "Contents/Resources/fr.lproj/",
                                             "Contents/Resources/fr.lproj/G\303\251n\303\251ral.strings",
                                             "Contents/Resources/secret"};
    EXPECT_EQ(names, sorted);
}

// --json: one object on standard output with the build, the digest the
// INFO records and every problem, which also go to standard error.
TEST_F(VelmoraPackTest, JsonTellsTheBuildTheDigestAndEveryProblem)
{
    std::vector<std::string> args = BundleArgs();
    args.push_back("--json");
    ASSERT_EQ(Pack(args), 0) << err_;
    const std::string info = ReadFile(bundle_ + "/Contents/Resources/INFO");
    const size_t digest = info.find("package_sha256=");
    ASSERT_NE(digest, std::string::npos);
    struct stat package;
    ASSERT_EQ(stat(Package().c_str(), &package), 0);
    const std::string made = "{\"build\":120,\"bundle\":\"" + bundle_ + "\",\"entries\":12,\"package_sha256\":\"" +
                             info.substr(digest + 15, 64) + "\",\"packed_bytes\":" + std::to_string(package.st_size) +
                             ",\"problems\":[],\"status\":0,\"unpacked_bytes\":110}\n";
    EXPECT_EQ(out_, made);
    EXPECT_EQ(Pack({"verify", "--json", bundle_}), 0) << err_;
    EXPECT_EQ(out_, made);

    FakeLauncher(Path("launcher"), "echo hello");
    args = BundleArgs();
    args[args.size() - 3] = Path("launcher");
    args.back() = Path("other.app");
    args.push_back("--json");
    EXPECT_EQ(Pack(args), 1);
    const std::string problem =
        "the launcher '" + Path("launcher") + "' is not velmora-launcher: --version printed 'hello'";
    EXPECT_EQ(out_, "{\"build\":120,\"bundle\":\"" + Path("other.app") +
                        "\",\"entries\":12,\"package_sha256\":null,\"packed_bytes\":0,\"problems\":[\"" + problem +
                        "\"],\"status\":1,\"unpacked_bytes\":110}\n");
    EXPECT_EQ(err_, "velmora-pack: " + problem + "\nvelmora-pack: refused, nothing written\n");
}

}  // namespace

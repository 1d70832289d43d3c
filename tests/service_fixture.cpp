#include "service_fixture.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include <QCoreApplication>
#include <QDir>

#include "log.h"
#include "service/mac/mac-service.h"
#include "temp_folder_test.h"
#include "test_archive_writer.h"
#include "texts/strtable.h"
#include "uipathmanager.h"

namespace fs = std::filesystem;

namespace {

// QSettings and QProcess want an application object, and the extractor its
// texts; both are made once per process, the application object unless the
// test program made its own (a QApplication for widgets).
class QtApp : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance() == nullptr)
            app = new QCoreApplication(argc, argv);
        StrTable::InitStrTable();
    }
    void TearDown() override { delete app; }

private:
    int argc = 1;
    char name[16] = "service_test";
    char* argv[2] = {name, nullptr};
    QCoreApplication* app = nullptr;
};

const auto* const qt_app = ::testing::AddGlobalTestEnvironment(new QtApp);

void Register(const char* key, const std::string& value)
{
    UIPathManager::getInstance()->setPath(QString::fromLatin1(key), QDir::cleanPath(QString::fromStdString(value)));
}

}  // namespace

int RecordingProcess::Signal(pid_t pid, int sig)
{
    sent.emplace_back(pid, sig);
    if (sig == SIGTERM && term_errno != 0) {
        errno = term_errno;
        return -1;
    }
    if (sig == 0 && probes_alive-- <= 0) {
        errno = ESRCH;
        return -1;
    }
    return 0;
}

namespace {

// The answer of one lookup, the last one repeating; "?" when none is given.
std::string Next(const std::vector<std::string>& answers, size_t& lookups)
{
    return answers.empty() ? "?" : answers[std::min(lookups++, answers.size() - 1)];
}

int Known(const std::string& answer)
{
    return answer == "?" ? ClientProcess::kUnknownExecutable : answer == "GONE" ? ClientProcess::kNoProcess : 0;
}

}  // namespace

int RecordingProcess::ExecutablePath(pid_t, std::string& path)
{
    const std::string answer = Next(exe_answers, exe_lookups);
    if (Known(answer) == 0) {
        path = answer;
    }
    return Known(answer);
}

int RecordingProcess::StartTime(pid_t, struct timespec& started)
{
    const std::string answer = Next(start_answers, start_lookups);
    if (Known(answer) == 0) {
        started = {kPidFileWritten + std::stol(answer), 0};
    }
    return Known(answer);
}

int RecordingProcess::Arguments(pid_t, std::vector<std::string>& args)
{
    args = arguments;
    return arguments.empty() ? kUnknownExecutable : 0;
}

bool RecordingProcess::StartDetached(const QString& program, const QStringList& args, const QString& working_dir)
{
    started.push_back(QStringList{program, working_dir} + args);
    return start_result;
}

void ServiceFixture::SetUp()
{
    char pattern[] = "/tmp/service_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
    home = root + "/home";
    velmora = home + "/.VelmoraDrive";
    app = velmora + "/VelmoraDrive.app";
    ui = app + "/Contents/MacOS/cloud-drive-ui";
    larkspan = home + "/.Larkspan";
    std::string launcher_resources = root + "/Launcher.app/Contents/Resources";
    package = launcher_resources + "/package/larkspan.vpk";
    launcher_info = launcher_resources + "/INFO";
    fs::create_directories(velmora + "/log");
    fs::create_directories(launcher_resources + "/package");
    setenv("HOME", home.c_str(), 1);

    Register("user_velmora_drive_path", home + "/.VelmoraDrive");
    Register("user_velmora_drive_app_path", home + "/.VelmoraDrive/VelmoraDrive.app");
    Register("user_velmora_drive_resource_path", app + "/Contents/Resources");
    Register("user_velmora_drive_data_path", velmora + "/data");
    Register("user_velmora_drive_working_dir_path", app + "/Contents/MacOS");
    Register("user_velmora_drive_ui_path", ui);
    Register("user_larkspan_path", larkspan);
    Register("user_larkspan_resource_path", larkspan + "/Larkspan.app/Contents/Resources");
    Register("root_resource_path", root + "/Launcher.app/Contents/MacOS/../Resources");

    WriteFile(root + "/launcher.debug", "service_debug=7\n");
    Logger::Initialize(Logger::TYPE_FILE, root + "/launcher.log", root + "/launcher.debug", 50, Logger::SCOPE_LOCK);
}

void ServiceFixture::TearDown()
{
    for (auto it = mounts.rbegin(); it != mounts.rend(); ++it) {
        umount(it->c_str());
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

std::string ServiceFixture::Info(const std::string& build)
{
    return "[Version]\nmajor_version=1\nminor_version=2\nbuild_version=" + build + "\nicon_overlay_version=3\n";
}

void ServiceFixture::InstallClient(const std::string& build)
{
    WriteFile(app + "/Contents/Resources/INFO", Info(build));
    WriteFile(ui, "old client " + build);
}

void ServiceFixture::WritePackage(const std::string& build)
{
    WriteArchive(package,
                 {{"Contents/Resources/INFO", Info(build)}, {"Contents/MacOS/cloud-drive-ui", "new client " + build}});
}

void ServiceFixture::WriteArchive(const std::string& path, const Entries& entries)
{
    std::vector<TestEntry> files;
    for (const auto& [name, content] : entries) {
        files.push_back(FileEntry(name, content, 0755));
    }
    ASSERT_EQ(WriteTestArchive(path, "tar.gz", files), 0);
}

void ServiceFixture::WriteFile(const std::string& path, const std::string& content)
{
    fs::create_directories(fs::path(path).parent_path());
    temp_folder::WriteFile(path, content);
}

std::string ServiceFixture::ReadFile(const std::string& path)
{
    return temp_folder::ReadFile(path);
}

bool ServiceFixture::Exists(const std::string& path)
{
    std::error_code ignored;
    return fs::symlink_status(path, ignored).type() != fs::file_type::not_found;
}

Tree ServiceFixture::Snapshot(const std::string& folder)
{
    Tree tree;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored)) {
        std::string name = entry.path().lexically_relative(folder).string();
        tree[name] = entry.is_directory() ? "<dir>" : ReadFile(entry.path().string());
    }
    return tree;
}

std::set<std::string> ServiceFixture::TopLevel(const std::string& folder)
{
    std::set<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

int ServiceFixture::RunRoad(MacService& service)
{
    service.PreUpgrade();
    int result = service.IsNeedUpgrade() ? service.HandlePackageUpgrade() : 1;
    service.RemoveAgedFolders();
    service.PostUpgrade();
    return result;
}

std::string ServiceFixture::LogText() const
{
    return ReadFile(root + "/launcher.log");
}

int ServiceFixture::LogCount(const std::string& needle) const
{
    std::string text = LogText();
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

bool ServiceFixture::Mount(const std::string& folder, const char* size)
{
    fs::create_directories(folder);
    std::string options = std::string("size=") + size;
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        return false;
    }
    mounts.push_back(folder);
    return true;
}

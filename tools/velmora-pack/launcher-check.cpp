#include "launcher-check.h"

#include <stdlib.h>  // mkdtemp on Linux
#include <unistd.h>  // mkdtemp on macOS

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "file-op.h"

namespace {

// --version reads one INFO file and takes far less than a second, also
// under a sanitizer; a program still running after this is not answering.
const int kAnswerSeconds = 10;
const char kIdentification[] = "velmora-launcher ";
const size_t kShownChars = 120;

// Removed with what the program may have left in it.
class ScratchHome {
public:
    ScratchHome()
    {
        const char* tmp = getenv("TMPDIR");
        std::string path = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/velmora-pack-home-XXXXXX";
        if (mkdtemp(&path[0]) != nullptr)
            path_ = path;
    }
    ~ScratchHome()
    {
        if (!path_.empty())
            FSRemove(path_);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

QProcessEnvironment Environment(const std::string& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QFile::decodeName(home.c_str()));
    environment.insert("XDG_RUNTIME_DIR", QFile::decodeName(home.c_str()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    return environment;
}

// The first line the program printed for --version; empty with the reason
// in why when it could not be run, did not end in time or failed.
std::string AskVersion(const std::string& path, std::string& why)
{
    ScratchHome home;
    if (home.Path().empty()) {
        why = std::string("cannot be tried without a scratch home folder: ") + strerror(errno);
        return std::string();
    }
    QProcess process;
    process.setProgram(QFile::decodeName(path.c_str()));
    process.setArguments({"--version"});
    process.setProcessEnvironment(Environment(home.Path()));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted()) {
        why = "cannot be run: " + process.errorString().toStdString();
        return std::string();
    }
    if (!process.waitForFinished(kAnswerSeconds * 1000) && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        why = "did not answer --version within " + std::to_string(kAnswerSeconds) + " seconds";
        return std::string();
    }
    const std::string output = process.readAllStandardOutput().toStdString();
    const std::string line = output.substr(0, std::min(output.find('\n'), kShownChars));
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        why = "failed on --version (printed '" + line + "')";
    else if (line.compare(0, sizeof(kIdentification) - 1, kIdentification) != 0)
        why = "is not velmora-launcher: --version printed '" + line + "'";
    return why.empty() ? line : std::string();
}

// The version of a line that names the launcher: "velmora-launcher
// 1.0.120 (overlay 3)" gives "1.0.120".
std::string VersionOf(const std::string& line)
{
    const size_t start = sizeof(kIdentification) - 1;
    const size_t end = line.find(' ', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

void CheckLauncherAnswers(const std::string& path, const std::string& shown, const ustring& build, Problems& problems)
{
    std::string why;
    const std::string line = AskVersion(path, why);
    if (why.empty() && !build.empty()) {
        // The build ends the version.
        const std::string version = VersionOf(line);
        const std::string tail = std::string(".") + build.c_str();
        if (version.size() < tail.size() || version.compare(version.size() - tail.size(), tail.size(), tail) != 0)
            why = "reports version " + version + ", not the build " + build.c_str() + " of its bundle's INFO";
    }
    if (!why.empty())
        problems.push_back("the launcher '" + shown + "' " + why);
}

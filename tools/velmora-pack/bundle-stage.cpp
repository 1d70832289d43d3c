#include "bundle-stage.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "bundle-info.h"
#include "file-op.h"
#include "package/bundle-layout.h"

namespace {

const mode_t kFolderMode = 0755;
const mode_t kLauncherMode = 0755;
const mode_t kFileMode = 0644;

int MakeFolder(const std::string& path, std::string& error)
{
    if (mkdir(path.c_str(), kFolderMode) != 0 || chmod(path.c_str(), kFolderMode) != 0) {
        error = "cannot create '" + path + "': " + strerror(errno);
        return -1;
    }
    return 0;
}

}  // namespace

Stage::Stage(const std::string& out) : out_(out), path_(out + ".partial-" + std::to_string(getpid())) {}

Stage::~Stage()
{
    if (!committed_)
        FSRemove(path_);
}

int Stage::Create(std::string& error)
{
    const std::string folders[] = {path_, path_ + "/Contents", FSParentPath(Launcher()).c_str(),
                                   path_ + "/Contents/Resources", FSParentPath(Package()).c_str()};
    for (const std::string& folder : folders) {
        if (MakeFolder(folder, error) != 0)
            return -1;
    }
    return 0;
}

int Stage::Assemble(const std::string& launcher, const VerInfo& version, const std::string& sha256, std::string& error)
{
    const std::string info = path_ + "/" + kBundleInfo;
    if (chmod(Package().c_str(), kFileMode) != 0)
        error = "cannot set the mode of '" + Package() + "': " + strerror(errno);
    else if (FSCopy(launcher, Launcher(), false) != 0 || chmod(Launcher().c_str(), kLauncherMode) != 0)
        error = "cannot copy the launcher to '" + Launcher() + "'";
    else if (sha256.empty() || WriteInfo(info, version, sha256) != 0 || chmod(info.c_str(), kFileMode) != 0)
        error = "cannot write '" + info + "'";
    return error.empty() ? 0 : -1;
}

int Stage::Commit(std::string& error)
{
    if (rename(path_.c_str(), out_.c_str()) != 0) {
        error = "cannot rename '" + path_ + "' to '" + out_ + "': " + strerror(errno);
        return -1;
    }
    committed_ = true;
    return 0;
}

std::string Stage::Package() const
{
    return path_ + "/" + kBundlePackage;
}

std::string Stage::Launcher() const
{
    return path_ + "/" + kBundleLauncherExecutable;
}

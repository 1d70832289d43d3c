#include "package-room.h"

#include <errno.h>
#include <string.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cstdio>

namespace {

// Beyond the bytes of its files, an installation takes: the unused end of
// each file's last block, and a block for every folder and link. One block
// of the volume per entry bounds that (no smaller than 4 KiB, the block of
// the usual volumes). The fixed mebibyte is for what the installation
// writes besides the package (the marker beside the bundle, the log lines)
// and for folders that outgrow their first block.
const long long kSmallestBlock = 4096;
const long long kFixedReserve = 1024 * 1024;

std::string ParentOf(const std::string& path)
{
    const size_t end = path.find_last_not_of('/');
    const size_t slash = end == std::string::npos ? std::string::npos : path.rfind('/', end);
    if (slash == std::string::npos)
        return end == std::string::npos ? "/" : ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// statvfs of the nearest existing ancestor of path; 0, or -1 with errno.
int VolumeOf(std::string path, struct statvfs& volume)
{
    for (;;) {
        if (statvfs(path.c_str(), &volume) == 0)
            return 0;
        if ((errno != ENOENT && errno != ENOTDIR) || path == "/" || path == ".")
            return -1;
        path = ParentOf(path);
    }
}

}  // namespace

std::string SizeFigure(long long bytes)
{
    char text[64];
    snprintf(text, sizeof text, "%lld bytes (%.1f MiB)", bytes, bytes / (1024.0 * 1024.0));
    return text;
}

void CheckRoom(const ustring& folder, PackageSurvey& survey)
{
    struct statvfs volume;
    if (VolumeOf(folder.c_str(), volume) != 0) {
        survey.problems.push_back("the free room on the volume of '" + std::string(folder.c_str())
                                  + "' cannot be found: " + strerror(errno));
        return;
    }
    const long long block = std::max<long long>(volume.f_frsize, kSmallestBlock);
    const long long margin = survey.entries * block + kFixedReserve;
    survey.needed_bytes = survey.unpacked_bytes + margin;
    survey.available_bytes = static_cast<long long>(volume.f_bavail) * volume.f_frsize;
    if (survey.available_bytes >= survey.needed_bytes)
        return;
    survey.problems.push_back("the volume of '" + std::string(folder.c_str()) + "' has "
                              + SizeFigure(survey.available_bytes) + " free, less than the "
                              + SizeFigure(survey.needed_bytes) + " the package needs: "
                              + SizeFigure(survey.unpacked_bytes) + " unpacked and "
                              + SizeFigure(margin) + " for metadata");
}

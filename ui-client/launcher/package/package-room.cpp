#include "package/package-room.h"

#include <dirent.h>
#include <errno.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <climits>
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

// statvfs and stat of the nearest existing ancestor of path; 0, or -1
// with errno.
int VolumeOf(std::string path, struct statvfs& volume, struct stat& place)
{
    for (;;) {
        if (statvfs(path.c_str(), &volume) == 0)
            return stat(path.c_str(), &place);
        if ((errno != ENOENT && errno != ENOTDIR) || path == "/" || path == ".")
            return -1;
        path = ParentOf(path);
    }
}

long long Sum(long long a, long long b)
{
    long long sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? LLONG_MAX : sum;
}

// What a copy of the tree at path takes: the bytes of its files, and the
// number of its entries for the margin. Links are not followed; what
// cannot be read is not counted.
void TreeSize(const std::string& path, long long& bytes, long long& entries)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return;
    entries = Sum(entries, 1);
    if (S_ISREG(st.st_mode))
        bytes = Sum(bytes, st.st_size);
    DIR* dir = S_ISDIR(st.st_mode) ? opendir(path.c_str()) : nullptr;
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            TreeSize(path + "/" + name, bytes, entries);
    }
    closedir(dir);
}

// The data moves by rename on its own volume and is copied across.
void MovedDataSize(const ustring& moved_data, dev_t volume, long long& bytes, long long& entries)
{
    struct stat st;
    if (moved_data.empty() || lstat(moved_data.c_str(), &st) != 0 || st.st_dev == volume)
        return;
    TreeSize(moved_data.c_str(), bytes, entries);
}

}  // namespace

std::string SizeFigure(long long bytes)
{
    char text[64];
    snprintf(text, sizeof text, "%lld bytes (%.1f MiB)", bytes, bytes / (1024.0 * 1024.0));
    return text;
}

void CheckRoom(const ustring& folder, const ustring& moved_data, PackageSurvey& survey)
{
    struct statvfs volume;
    struct stat place;
    if (VolumeOf(folder.c_str(), volume, place) != 0) {
        survey.problems.push_back("the free room on the volume of '" + std::string(folder.c_str()) +
                                  "' cannot be found: " + strerror(errno));
        return;
    }
    long long entries = survey.entries;
    MovedDataSize(moved_data, place.st_dev, survey.moved_bytes, entries);
    const long long block = std::max<long long>(volume.f_frsize, kSmallestBlock);
    long long margin = 0;
    if (__builtin_mul_overflow(entries, block, &margin))
        margin = LLONG_MAX;
    margin = Sum(margin, kFixedReserve);
    survey.needed_bytes = Sum(Sum(survey.unpacked_bytes, survey.moved_bytes), margin);
    if (__builtin_mul_overflow(static_cast<long long>(volume.f_bavail), static_cast<long long>(volume.f_frsize),
                               &survey.available_bytes))
        survey.available_bytes = LLONG_MAX;
    if (survey.available_bytes >= survey.needed_bytes)
        return;
    std::string parts = SizeFigure(survey.unpacked_bytes) + " unpacked";
    if (entries > survey.entries)
        parts += ", " + SizeFigure(survey.moved_bytes) + " of the older product's data moved from '" +
                 moved_data.c_str() + "'";
    survey.problems.push_back("the volume of '" + std::string(folder.c_str()) + "' has " +
                              SizeFigure(survey.available_bytes) + " free, less than the " +
                              SizeFigure(survey.needed_bytes) + " the package needs: " + parts + " and " +
                              SizeFigure(margin) + " for metadata");
}

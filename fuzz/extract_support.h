// Helpers shared by the fuzz targets that extract archives.
#ifndef VELMORA_FUZZ_EXTRACT_SUPPORT_H
#define VELMORA_FUZZ_EXTRACT_SUPPORT_H

#include <dirent.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <clocale>
#include <set>
#include <string>

#include "fuzz_support.h"
#include "texts/strtable.h"

namespace fuzz {

// As root, drops to uid/gid 65534: device nodes, owners and every path of
// the machine are then out of reach, as for a user's install.
inline void DropPrivileges()
{
    if (getuid() != 0)
        return;
    if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
        Fail("cannot drop to uid 65534");
}

// What an extraction needs around it: huge and sparse entries fail with
// EFBIG instead of filling the disk, names are UTF-8, and the string table
// gives the dialog's texts.
inline void PrepareExtraction()
{
    const rlimit limit{16 << 20, 16 << 20};
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_IGN);
    setlocale(LC_ALL, "C.UTF-8");
}

// The names in a folder, without "." and "..".
inline std::set<std::string> Names(const std::string& folder)
{
    std::set<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir))
            names.insert(entry->d_name);
        closedir(dir);
    }
    names.erase(".");
    names.erase("..");
    return names;
}

// Removes what an input left, whatever its modes, never following a link.
inline void RemoveTree(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        chmod(path.c_str(), 0700);
        for (const std::string& name : Names(path))
            RemoveTree(path + "/" + name);
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

// The start of a target that extracts: no privileges, the extraction's
// limits, the string table, and its log in a folder of its own (it
// rotates in a long run), whose path goes to log_path when given. The
// folder for its inputs.
inline std::string StartExtracting(const std::string& name, const std::string& log_name,
                                   std::string* log_path = nullptr)
{
    DropPrivileges();
    PrepareExtraction();
    StrTable::InitStrTable();
    const std::string log = TempFolder(name + "-log") + "/" + log_name;
    LogToFile(log);
    if (log_path)
        *log_path = log;
    return TempFolder(name);
}

}  // namespace fuzz

#endif  // VELMORA_FUZZ_EXTRACT_SUPPORT_H

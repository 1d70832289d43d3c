// Helpers shared by the libFuzzer targets.
#ifndef VELMORA_FUZZ_SUPPORT_H
#define VELMORA_FUZZ_SUPPORT_H

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "log.h"
#include "strtable.h"

namespace fuzz {

// A broken invariant is a crash to libFuzzer: it keeps the input.
[[noreturn]] inline void Fail(const std::string& what)
{
    fprintf(stderr, "INVARIANT BROKEN: %s\n", what.c_str());
    abort();
}

// A folder of the run's own under /tmp, removed when the run ends normally
// (after a finding it stays, with the input's traces).
inline std::string TempFolder(const std::string& name)
{
    std::string path = "/tmp/velmora-" + name + "-XXXXXX";
    if (!mkdtemp(path.data()))
        Fail("cannot create a temp folder");
    static std::vector<std::string> made;
    if (made.empty())
        atexit([] {
            for (const std::string& folder : made)
                std::filesystem::remove_all(folder);
        });
    made.push_back(path);
    return path;
}

// Writes the input as a file of its own, as the code under test reads one.
// Cut to size after writing: a file emptied first makes ext4 flush it on
// close, a disk write per input.
inline void WriteInput(const std::string& path, const uint8_t* data, size_t size)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const bool written = fd >= 0 && pwrite(fd, data, size, 0) == static_cast<ssize_t>(size) &&
                         ftruncate(fd, static_cast<off_t>(size)) == 0;
    if (fd < 0 || close(fd) != 0 || !written)
        Fail("cannot write the input to " + path);
}

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

// The code under test logs its errors; they go to a file of the run's own
// folder instead of flooding the fuzzer's output.
inline void LogToFile(const std::string& name)
{
    Logger::Initialize(Logger::TYPE_FILE, name, "", 1, Logger::SCOPE_LOCK);
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

#endif  // VELMORA_FUZZ_SUPPORT_H

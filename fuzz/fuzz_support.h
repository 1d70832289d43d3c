// Helpers shared by the libFuzzer targets.
#ifndef VELMORA_FUZZ_SUPPORT_H
#define VELMORA_FUZZ_SUPPORT_H

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "log.h"

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

// The code under test logs its errors; they go to a file of the run's own
// folder instead of flooding the fuzzer's output.
inline void LogToFile(const std::string& name)
{
    Logger::Initialize(Logger::TYPE_FILE, name, "", 1, Logger::SCOPE_LOCK);
}

}  // namespace fuzz

#endif  // VELMORA_FUZZ_SUPPORT_H

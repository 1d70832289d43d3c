// Helpers shared by the libFuzzer targets.
#ifndef VELMORA_FUZZ_SUPPORT_H
#define VELMORA_FUZZ_SUPPORT_H

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "log.h"

namespace fuzz {

// A broken invariant is a crash to libFuzzer: it keeps the input.
[[noreturn]] inline void Fail(const std::string& what)
{
    fprintf(stderr, "INVARIANT BROKEN: %s\n", what.c_str());
    abort();
}

// The input as a file that never touches the disk; path() opens it again.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("fuzz-input", 0))
    {
        if (fd_ < 0)
            Fail("memfd_create failed");
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void Fill(const uint8_t* data, size_t size) const
    {
        if (ftruncate(fd_, 0) != 0 || pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size))
            Fail("cannot write the input file");
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

// The code under test logs its errors; they go to a file of the run's own
// folder instead of flooding the fuzzer's output.
inline void LogToFile(const std::string& name)
{
    Logger::Initialize(Logger::TYPE_FILE, name, "", 1, Logger::SCOPE_LOCK);
}

}  // namespace fuzz

#endif  // VELMORA_FUZZ_SUPPORT_H

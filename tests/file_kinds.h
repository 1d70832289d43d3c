// The kinds of object a reader may meet where it expects a regular file,
// and a bounded run of the reader, so that one blocking on a named pipe
// fails its case instead of hanging it.
#ifndef VELMORA_TESTS_FILE_KINDS_H
#define VELMORA_TESTS_FILE_KINDS_H

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

namespace file_kinds {

enum Kind { kRegular, kMissing, kFolder, kFifo, kDanglingLink, kLinkToFifo };

struct KindRow {
    Kind kind;
    const char* name;
};

const KindRow kAllKinds[] = {
    {kRegular, "regular file"},
    {kMissing, "missing"},
    {kFolder, "folder"},
    {kFifo, "named pipe"},
    {kDanglingLink, "dangling link"},
    {kLinkToFifo, "link to a named pipe"},
};

// Puts an object of the kind at path; link targets lie beside it.
inline bool Make(Kind kind, const std::string& path, const std::string& content)
{
    const std::string fifo = kind == kLinkToFifo ? path + ".fifo" : path;
    switch (kind) {
        case kRegular:
            return static_cast<bool>(std::ofstream(path, std::ios::binary) << content);
        case kMissing:
            return true;
        case kFolder:
            return mkdir(path.c_str(), 0755) == 0;
        case kFifo:
            return mkfifo(path.c_str(), 0644) == 0;
        case kDanglingLink:
            return symlink((path + ".absent").c_str(), path.c_str()) == 0;
        case kLinkToFifo:
            return mkfifo(fifo.c_str(), 0644) == 0 && symlink(fifo.c_str(), path.c_str()) == 0;
    }
    return false;
}

// Takes away what Make put at path.
inline void Remove(const std::string& path)
{
    for (const std::string& name : {path, path + ".fifo"}) {
        if (unlink(name.c_str()) != 0)
            rmdir(name.c_str());
    }
}

// read's result, from a thread of its own. A read still blocked after 10
// seconds ends the process at once with a message: the blocked thread may
// hold locks that would hang the rest of the case and the exit.
template <typename Result>
Result ReturnsInTime(const std::string& what, std::function<Result()> read)
{
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(read));
    std::future<Result> done = task->get_future();
    std::thread([task]() { (*task)(); }).detach();
    if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        fprintf(stderr, "%s did not return within 10 seconds: blocked\n", what.c_str());
        _exit(1);
    }
    return done.get();
}

}  // namespace file_kinds

#endif  // VELMORA_TESTS_FILE_KINDS_H

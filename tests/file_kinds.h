// The kinds of object a reader may meet where it expects a regular file,
// and a bounded run of the reader, so that one that blocks on a named pipe
// fails its test instead of hanging it.
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
    {kRegular, "regular file"}, {kMissing, "missing"},            {kFolder, "folder"},
    {kFifo, "named pipe"},      {kDanglingLink, "dangling link"}, {kLinkToFifo, "link to a named pipe"},
};

// Puts an object of the kind at path (a regular file holds content); the
// targets of the links lie beside it.
inline bool Make(Kind kind, const std::string& path, const std::string& content)
{
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
        return mkfifo((path + ".fifo").c_str(), 0644) == 0 && symlink((path + ".fifo").c_str(), path.c_str()) == 0;
    }
    return false;
}

// Takes away what Make put at path, so the next kind can go there.
inline void Remove(const std::string& path)
{
    for (const std::string& name : {path, path + ".fifo"}) {
        if (unlink(name.c_str()) != 0)
            rmdir(name.c_str());
    }
}

// Runs read on a thread of its own and returns its result. A read that has
// not returned after 10 seconds is blocked for good: the process reports it
// and ends at once, since a blocked thread may hold locks that would hang
// the rest of the case and the process's exit.
template <typename Result>
Result ReturnsInTime(const std::string& what, std::function<Result()> read)
{
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(read));
    std::future<Result> done = task->get_future();
    std::thread([task]() { (*task)(); }).detach();
    if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        fprintf(stderr, "%s did not return within 10 seconds: blocked\n", what.c_str());
        fflush(stderr);
        _exit(1);
    }
    return done.get();
}

}  // namespace file_kinds

#endif  // VELMORA_TESTS_FILE_KINDS_H

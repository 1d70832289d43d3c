// The stream and file side of Logger: the time prefix, size accounting and
// rotation of the log file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if !defined(__APPLE__)
#include <stdio_ext.h>
#endif

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>

#include "log.h"
#include "regular_file.h"

namespace {

// Lines of one second share the prefix, so the local time is converted only
// when the second changes.
struct TimePrefix {
    time_t second = -1;
    char text[512] = "";
};

const char* FormatTimePrefix(time_t now)
{
    thread_local TimePrefix cache;
    if (now != cache.second) {
        struct tm local = {};
        localtime_r(&now, &local);
        strftime(cache.text, sizeof(cache.text), "%Y-%m-%dT%H:%M:%S ", &local);
        cache.second = now;
    }
    return cache.text;
}

// Drops what a failed flush left in the stream's buffer: the C library of
// macOS keeps the unwritten tail there, which the next flush would write in
// front of the next line.
void DiscardBuffered(FILE* fp)
{
#if defined(__APPLE__)
    fpurge(fp);
#else
    __fpurge(fp);
#endif
    clearerr(fp);
}

}  // namespace

int Logger::PrintToFilePointer(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int count = PrintToFilePointerV(format, args);
    va_end(args);
    return count;
}

int Logger::PrintToFilePointerV(const char* format, va_list args)
{
    if (log_fp == nullptr)
        return 0;
    const int saved_errno = errno;
    const char* prefix = FormatTimePrefix(time(nullptr));
    // Prefix and message go out as one piece even on the unlocked stream
    // destinations, where other threads write to the same FILE.
    flockfile(log_fp);
    const off_t start = LineStart();
    int head = fprintf(log_fp, "%s", prefix);
    errno = saved_errno;
    int body = vfprintf(log_fp, format, args);
    const bool flushed = fflush(log_fp) == 0;
    const bool whole = head >= 0 && body >= 0 && flushed;
    if (!whole)
        CutBack(start);
    funlockfile(log_fp);
    return whole ? head + body : -1;
}

// Where the next line begins in the log file: every line is flushed, so
// nothing waits in the buffer. -1 for the standard streams, which are not
// ours to cut.
off_t Logger::LineStart()
{
    struct stat info;
    if (log_path.empty() || fstat(fileno(log_fp), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return info.st_size;
}

// A line is in the log whole or not at all: on a full volume the front of
// a line would stay, and the next line would be glued to it. 0, or -1 when
// the file could not be cut.
int Logger::CutBack(off_t start)
{
    DiscardBuffered(log_fp);
    return start < 0 ? 0 : ftruncate(fileno(log_fp), start);
}

int Logger::FlushFileStream(long /*unused*/)
{
    return log_fp == nullptr ? 0 : fflush(log_fp);
}

int Logger::GetFileSize(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        int err = errno;
        PrintToFilePointer("stat(%s): %s (%d)\n", path.c_str(), strerror(err), err);
        return 0;
    }
    // A foreign file past INT_MAX counts as full, so the next line rotates it.
    return static_cast<int>(std::min<off_t>(info.st_size, INT_MAX));
}

int Logger::RotateIfFileBig(int written)
{
    if (written < 0 || config.log_type != TYPE_FILE || log_size == nullptr)
        return 0;
    long long total = static_cast<long long>(*log_size) + written;
    if (total < kRotateSize) {
        *log_size = static_cast<int>(total);
        return 0;
    }
    int result = Rotate();
    *log_size = 0;
    return result;
}

// A named pipe at the log's path would block the launcher in open() with
// nothing logged; the log is a regular file or nothing. A link is never
// followed, dangling or not: a launcher run by root with a user's home
// would create or append to whatever file the link names. The started
// client must not inherit the log.
FILE* Logger::OpenLogStream()
{
    return OpenRegularStream(log_path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW, "a");
}

std::string Logger::NumberedPath(int number)
{
    return log_path + "_" + std::to_string(number);
}

// With the count n: path_(n-2) -> path_(n-1), ..., path_0 -> path_1, then
// path_(n-1) is removed and the live file becomes path_0, e.g. for n = 3:
// log.txt_1 -> log.txt_2 (removed), log.txt_0 -> log.txt_1, log.txt -> log.txt_0.
int Logger::Rotate()
{
    if (config.log_type != TYPE_FILE || log_path.empty() || log_rotated_count_shared == nullptr) {
        return -1;
    }
    const int count = std::max(config.rotate_count, 1);
    for (int i = count - 2; i >= 0; --i)
        rename(NumberedPath(i).c_str(), NumberedPath(i + 1).c_str());
    remove(NumberedPath(count - 1).c_str());

    if (log_fp != nullptr)
        fclose(log_fp);
    log_fp = nullptr;
    int result = rename(log_path.c_str(), NumberedPath(0).c_str()) == 0 ? 0 : -1;
    // When the live file cannot be moved aside it is reopened all the same:
    // a grown file is better than losing every later line.
    log_fp = OpenLogStream();
    if (log_fp == nullptr || result != 0)
        return -1;
    ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

void Logger::ReloadLogFile()
{
    // Without a log file, log_fp is one of the standard streams, which must
    // not be closed.
    if (config.log_type != TYPE_FILE || log_path.empty() || log_size == nullptr)
        return;
    if (log_fp != nullptr)
        fclose(log_fp);
    log_fp = OpenLogStream();
    if (log_fp == nullptr)
        return;
    *log_size = GetFileSize(log_path);
    log_rotated_count_private = *log_rotated_count_shared;
}

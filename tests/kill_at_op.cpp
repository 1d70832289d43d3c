// Preloaded (LD_PRELOAD) into the launcher by the interruption tests: it
// counts the calls that change a file or folder and ends the process with
// SIGKILL just before one of them, so a run is cut short at an exact point
// that the next trial can hit again.
//
//   VELMORA_KILL_AT_OP=N        SIGKILL before the N-th such call (N >= 1)
//   VELMORA_KILL_AFTER_ENOSPC=K SIGKILL K calls after the first that failed
//                               for want of space (K = 0: right after it)
//   VELMORA_OP_COUNT_FILE=PATH  write the number of calls there at exit,
//                               through exit() or _exit()
//   VELMORA_FILL_ON_MKDIR=END   once a folder whose path ends with END is
//   VELMORA_FILL_FILE=PATH      made, fill its volume with the file PATH,
//   VELMORA_FILL_LEAVE=BYTES    leaving BYTES free: the disk fills up in the
//                               middle of the run, as another program would
//                               fill it
//   VELMORA_OP_TRACE_FILE=PATH  append a line "N call path" there for each
//                               counted call, path the full path it acts on
//                               (a descriptor's as the system names it), so
//                               that a test can pick the calls of one step
//   VELMORA_FLOCK_ERRNO=E       every flock() fails with errno E, as on a
//                               network home (not counted)
//   VELMORA_EIO_ON_REMOVE=END   every removal of a path (as the call is
//                               given it) that ends with END fails with
//                               EIO, as on a failing disk (counted)
//
// The calls are those an installation makes (the C library's own calls
// inside fopen and the like are not seen). Only calls on files and folders
// count: writes to pipes, sockets and the event descriptors of the
// toolkit's threads do not, so the count of a run does not depend on how
// its threads interleave. The settings, and the preload itself, are taken
// out of the environment at load, so the client the launcher starts runs
// untouched.
#undef _FORTIFY_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

using OpenFn = int (*)(const char*, int, ...);
using OpenAtFn = int (*)(int, const char*, int, ...);

std::atomic<long> calls{0};
std::atomic<long> kill_at{0};  // 0: never
long kill_after_enospc = -1;   // -1: not asked for
std::atomic<bool> enospc_seen{false};
char count_file[4096] = "";
char fill_on_mkdir[4096] = "";
char fill_file[4096] = "";
long long fill_leave = 0;
std::atomic<bool> filled{false};
char trace_file[4096] = "";
std::atomic<int> trace_fd{-1};
int flock_errno = 0;
char eio_on_remove[4096] = "";

void Setting(const char* name, char (&value)[4096])
{
    if (const char* text = getenv(name)) {
        snprintf(value, sizeof(value), "%s", text);
    }
}

long NumberFrom(const char* name, long fallback)
{
    const char* text = getenv(name);
    return text != nullptr && *text != '\0' ? strtol(text, nullptr, 10) : fallback;
}

__attribute__((constructor)) void ReadSettings()
{
    kill_at = NumberFrom("VELMORA_KILL_AT_OP", 0);
    kill_after_enospc = NumberFrom("VELMORA_KILL_AFTER_ENOSPC", -1);
    Setting("VELMORA_OP_COUNT_FILE", count_file);
    Setting("VELMORA_FILL_ON_MKDIR", fill_on_mkdir);
    Setting("VELMORA_FILL_FILE", fill_file);
    fill_leave = NumberFrom("VELMORA_FILL_LEAVE", 0);
    Setting("VELMORA_OP_TRACE_FILE", trace_file);
    flock_errno = static_cast<int>(NumberFrom("VELMORA_FLOCK_ERRNO", 0));
    Setting("VELMORA_EIO_ON_REMOVE", eio_on_remove);
    for (const char* name : {"VELMORA_KILL_AT_OP", "VELMORA_KILL_AFTER_ENOSPC", "VELMORA_OP_COUNT_FILE",
                             "VELMORA_FILL_ON_MKDIR", "VELMORA_FILL_FILE", "VELMORA_FILL_LEAVE",
                             "VELMORA_OP_TRACE_FILE", "VELMORA_FLOCK_ERRNO", "VELMORA_EIO_ON_REMOVE", "LD_PRELOAD"}) {
        unsetenv(name);
    }
}

__attribute__((destructor)) void WriteCount()
{
    if (count_file[0] == '\0') {
        return;
    }
    // fopen and fprintf reach the system inside the C library, not through
    // the calls counted here.
    if (FILE* out = fopen(count_file, "w")) {
        fprintf(out, "%ld\n", calls.load());
        fclose(out);
    }
}

// The name the system gives the object open on fd.
std::string PathOf(int fd)
{
    char target[4096];
    const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof(target) - 1);
    return n > 0 ? std::string(target, static_cast<size_t>(n)) : "?";
}

// What a call acts on: a path as given, one relative to a folder
// descriptor, or a descriptor.
std::string Where(int dir, const char* path)
{
    if (path == nullptr)
        return PathOf(dir);
    return path[0] == '/' || dir == AT_FDCWD ? std::string(path) : PathOf(dir) + "/" + path;
}

// Written straight to the system, neither counted nor through a lock a
// killed thread may hold.
void Trace(long n, const char* call, const std::string& where)
{
    if (trace_file[0] == '\0')
        return;
    if (trace_fd.load() < 0)
        trace_fd = static_cast<int>(
            syscall(SYS_openat, AT_FDCWD, trace_file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600));
    const std::string line = std::to_string(n) + " " + call + " " + where + "\n";
    syscall(SYS_write, trace_fd.load(), line.data(), line.size());
}

// Called before each counted call.
void Count(const char* call, int dir, const char* path)
{
    const long n = ++calls;
    Trace(n, call, trace_file[0] == '\0' ? std::string() : Where(dir, path));
    if (n == kill_at.load()) {
        kill(getpid(), SIGKILL);
    }
}

// Called after each counted call with its result.
template <typename R>
R Seen(R result)
{
    if (result < 0 && errno == ENOSPC && kill_after_enospc >= 0 && !enospc_seen.exchange(true)) {
        if (kill_after_enospc == 0) {
            kill(getpid(), SIGKILL);
        }
        kill_at = calls.load() + kill_after_enospc;
    }
    return result;
}

bool EndsWith(const char* text, const char* end)
{
    const size_t text_size = strlen(text);
    const size_t end_size = strlen(end);
    return end_size > 0 && text_size >= end_size && strcmp(text + text_size - end_size, end) == 0;
}

// Called after a folder was made; the calls it makes itself are not counted.
void FillIfAsked(const char* folder, OpenFn open_next)
{
    if (!EndsWith(folder, fill_on_mkdir) || filled.exchange(true)) {
        return;
    }
    struct statvfs volume;
    if (statvfs(folder, &volume) != 0) {
        return;
    }
    const long long free_bytes = static_cast<long long>(volume.f_bavail) * volume.f_frsize;
    const int fd = open_next(fill_file, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    if (free_bytes > fill_leave) {
        posix_fallocate(fd, 0, free_bytes - fill_leave);
    }
    close(fd);
}

// A removal that fails as on a failing disk: counted, never made.
bool RemovalFails(const char* call, int dir, const char* path)
{
    if (path == nullptr || !EndsWith(path, eio_on_remove)) {
        return false;
    }
    Count(call, dir, path);
    errno = EIO;
    return true;
}

bool OnFileOrFolder(int fd)
{
    struct stat st;
    return fstat(fd, &st) == 0 && (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode));
}

bool Writes(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0;
}

template <typename F>
F Next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

mode_t ModeOf(int flags, va_list args)
{
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, int) : 0;
}

}  // namespace

// Each interposed call: look up the next definition once, count (with what
// it acts on: a folder descriptor or AT_FDCWD, and a path or nullptr for
// the descriptor itself), call it.
#define FORWARD(name, type, counted, dir, path, ...) \
    static const auto next = Next<type>(name);       \
    if (!(counted)) {                                \
        return next(__VA_ARGS__);                    \
    }                                                \
    Count(name, dir, path);                          \
    return Seen(next(__VA_ARGS__))

// The opening calls take a mode only with O_CREAT or O_TMPFILE.
#define TAKE_MODE(flags)                     \
    va_list args;                            \
    va_start(args, flags);                   \
    const mode_t mode = ModeOf(flags, args); \
    va_end(args)

extern "C" {

// The launcher ends with _exit, which runs no destructor.
void _exit(int status)
{
    WriteCount();
    Next<void (*)(int)>("_exit")(status);
    __builtin_unreachable();
}

int open(const char* path, int flags, ...)
{
    TAKE_MODE(flags);
    FORWARD("open", OpenFn, Writes(flags), AT_FDCWD, path, path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    TAKE_MODE(flags);
    FORWARD("open64", OpenFn, Writes(flags), AT_FDCWD, path, path, flags, mode);
}

int openat(int dir, const char* path, int flags, ...)
{
    TAKE_MODE(flags);
    FORWARD("openat", OpenAtFn, Writes(flags), dir, path, dir, path, flags, mode);
}

ssize_t write(int fd, const void* data, size_t size)
{
    FORWARD("write", ssize_t(*)(int, const void*, size_t), OnFileOrFolder(fd), fd, nullptr, fd, data, size);
}

int ftruncate(int fd, off_t size)
{
    FORWARD("ftruncate", int (*)(int, off_t), true, fd, nullptr, fd, size);
}
int fsync(int fd)
{
    FORWARD("fsync", int (*)(int), true, fd, nullptr, fd);
}
int syncfs(int fd)
{
    FORWARD("syncfs", int (*)(int), true, fd, nullptr, fd);
}
int fchmod(int fd, mode_t mode)
{
    FORWARD("fchmod", int (*)(int, mode_t), true, fd, nullptr, fd, mode);
}

int mkdir(const char* path, mode_t mode)
{
    static const auto next = Next<int (*)(const char*, mode_t)>("mkdir");
    static const auto open_next = Next<OpenFn>("open");
    Count("mkdir", AT_FDCWD, path);
    const int result = Seen(next(path, mode));
    if (result == 0) {
        FillIfAsked(path, open_next);
    }
    return result;
}

int rename(const char* from, const char* to)
{
    FORWARD("rename", int (*)(const char*, const char*), true, AT_FDCWD, from, from, to);
}
int unlink(const char* path)
{
    if (RemovalFails("unlink", AT_FDCWD, path)) {
        return -1;
    }
    FORWARD("unlink", int (*)(const char*), true, AT_FDCWD, path, path);
}

int unlinkat(int dir, const char* path, int flags)
{
    if (RemovalFails("unlinkat", dir, path)) {
        return -1;
    }
    FORWARD("unlinkat", int (*)(int, const char*, int), true, dir, path, dir, path, flags);
}

int rmdir(const char* path)
{
    if (RemovalFails("rmdir", AT_FDCWD, path)) {
        return -1;
    }
    FORWARD("rmdir", int (*)(const char*), true, AT_FDCWD, path, path);
}
int remove(const char* path)
{
    if (RemovalFails("remove", AT_FDCWD, path)) {
        return -1;
    }
    FORWARD("remove", int (*)(const char*), true, AT_FDCWD, path, path);
}

int symlink(const char* target, const char* path)
{
    FORWARD("symlink", int (*)(const char*, const char*), true, AT_FDCWD, path, target, path);
}

int link(const char* target, const char* path)
{
    FORWARD("link", int (*)(const char*, const char*), true, AT_FDCWD, path, target, path);
}

int flock(int fd, int operation)
{
    static const auto next = Next<int (*)(int, int)>("flock");
    if (flock_errno != 0) {
        errno = flock_errno;
        return -1;
    }
    return next(fd, operation);
}

}  // extern "C"

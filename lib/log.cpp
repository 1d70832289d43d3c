#include "log.h"

#include <sys/stat.h>
#include <syslog.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

#include "config.h"

#define LOG_TAG "log"
// The logger's own lines go to the default component.
#define LOG_COMPONENT kDefaultComponent

namespace {

const int kDefaultThreshold = Logger::LEVEL_WARNING;
const char kDefaultComponent[] = "default_component";

std::atomic<int> cached_pid{0};

void ForgetPid()
{
    cached_pid.store(0, std::memory_order_relaxed);
}

[[maybe_unused]] const int fork_hook = pthread_atfork(nullptr, nullptr, ForgetPid);

}  // namespace

Logger::InitConfig Logger::config;
std::map<std::string, int> Logger::log_level;
FILE* Logger::log_fp = stderr;
int* Logger::log_size = nullptr;
std::string Logger::log_path;
pthread_mutex_t* Logger::log_lock = nullptr;
int64_t* Logger::log_rotated_count_shared = nullptr;
int64_t Logger::log_rotated_count_private = 0;
int Logger::log_flock = -1;
bool Logger::log_initialized = true;

int Logger::Initialize(Type type, const std::string& file_path, const std::string& level_path, int rotate_count,
                       SafetyScope scope)
{
    InitConfig cfg;
    cfg.log_type = type;
    cfg.file_path = file_path;
    cfg.level_path = level_path;
    cfg.rotate_count = rotate_count;
    cfg.safety_scope = scope;
    return Initialize(cfg);
}

int Logger::Initialize(const InitConfig& cfg)
{
    DestroySharedData();
    DestroyLock();
    log_initialized = false;
    // A second Initialize must not leak the stream of an earlier file
    // destination.
    CloseLogFile();

    config = cfg;
    log_path = cfg.file_path;
    if (config.log_type == TYPE_FILE) {
        if (config.safety_scope > SCOPE_NONE)
            InitializeLock();
    } else {
        config.safety_scope = SCOPE_NONE;
    }

    InitializeSharedData();
    if (log_size == nullptr || log_rotated_count_shared == nullptr)
        return -1;

    log_level[kDefaultComponent] = kDefaultThreshold;
    Config levels;
    int read_errno = 0;
    const bool level_file_refused = !config.level_path.empty() && !LoadLevelFile(config.level_path, levels, read_errno);
    const int result = OpenDestination();
    // Said once the destination is open, so an operator finds why a level
    // set in the file does not take.
    if (result == 0 && level_file_refused)
        WarnAboutLevelFile(levels, read_errno);
    return result;
}

// False when the file is there but cannot be read or does not parse; no
// level file at all is the normal case.
bool Logger::LoadLevelFile(const std::string& level_path, Config& levels, int& read_errno)
{
    if (levels.read(level_path) != 0) {
        read_errno = errno;
        struct stat st;
        return lstat(level_path.c_str(), &st) != 0 && errno == ENOENT;
    }
    for (const auto& entry : levels.entries)
        log_level[entry.first] = levels.get_int(entry.first);
    return true;
}

void Logger::WarnAboutLevelFile(const Config& levels, int read_errno)
{
    if (levels.bad_line_number > 0) {
        VLOG_WARNING(__LINE__, "level file '%s': line %d does not parse: '%.200s'; no level of the file is used\n",
                     config.level_path.c_str(), levels.bad_line_number, levels.bad_line.c_str());
    } else {
        VLOG_WARNING(__LINE__, "level file '%s' cannot be read: %s; no level of the file is used\n",
                     config.level_path.c_str(), strerror(read_errno));
    }
}

int Logger::OpenDestination()
{
    switch (config.log_type) {
        case TYPE_SYSLOG:
            log_fp = nullptr;
            break;
        case TYPE_STDOUT:
            log_fp = stdout;
            break;
        case TYPE_STDERR:
            log_fp = stderr;
            break;
        default:
            return OpenLogFile();
    }
    log_path.clear();
    *log_size = -1;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
    return 0;
}

int Logger::OpenLogFile()
{
    if (log_path.empty())
        return -1;
    FILE* fp = OpenLogStream();
    if (fp == nullptr) {
        int err = errno;
        fprintf(stderr, "fopen(%s): %s (%d)\n", log_path.c_str(), strerror(err), err);
        errno = err;
        return -1;
    }
    log_fp = fp;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    *log_size = GetFileSize(log_path);
    log_initialized = true;
    return 0;
}

void Logger::CloseLogFile()
{
    if (log_fp != nullptr && log_fp != stdout && log_fp != stderr) {
        fclose(log_fp);
        log_fp = nullptr;
    }
}

void Logger::Destroy()
{
    log_initialized = false;
    if (config.log_type == TYPE_FILE) {
        CloseLogFile();
        log_fp = stdout;
        log_path.clear();
    }
    DestroySharedData();
    DestroyLock();
}

int Logger::ProcessId()
{
    int pid = cached_pid.load(std::memory_order_relaxed);
    if (pid == 0) {
        pid = static_cast<int>(getpid());
        cached_pid.store(pid, std::memory_order_relaxed);
    }
    return pid;
}

int Logger::GetCompLevel(const std::string& component)
{
    auto found = log_level.find(component);
    return found == log_level.end() ? kDefaultThreshold : found->second;
}

bool Logger::IsNeedToLog(Level level, const std::string& component)
{
    return log_initialized && level <= GetCompLevel(component);
}

void Logger::LogMsg(Level level, const std::string& component, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    LogMsg2(level, component, format, args);
    va_end(args);
}

void Logger::LogMsg2(Level level, const std::string& component, const char* format, va_list args)
{
    if (format == nullptr || !IsNeedToLog(level, component))
        return;
    // Logging must not disturb the caller's errno, and "%m" must see it.
    const int saved_errno = errno;
    Lock();
    if (config.log_type == TYPE_FILE && config.safety_scope >= SCOPE_RELOAD &&
        log_rotated_count_private != *log_rotated_count_shared) {
        ReloadLogFile();
    }
    errno = saved_errno;
    int written = WriteLine(format, args);
    RotateIfFileBig(written);
    Unlock();
    errno = saved_errno;
}

int Logger::WriteLine(const char* format, va_list args)
{
    switch (config.log_type) {
        case TYPE_SYSLOG:
            vsyslog(LOG_ERR, format, args);
            return 0;
        case TYPE_STDOUT:
        case TYPE_STDERR:
        case TYPE_FILE:
            return PrintToFilePointerV(format, args);
        default:
            vfprintf(stderr, format, args);
            return 0;
    }
}

void Logger::LogMsg3(Level level, const std::string& component, std::stringstream& text, ConfigFlag flags)
{
    const int err = errno;
    std::string line;
    if ((flags & FLAG_ERRNO) && err != 0) {
        text << ", err=" << err << ":";
        line = text.str() + strerror(err);
    } else {
        line = text.str();
    }
    if (flags & FLAG_LINE_END)
        line += "\n";
    LogMsg(level, component, "%s", line.c_str());
}

void Logger::InitializeLock()
{
    if (log_lock != nullptr)
        return;
    log_lock = new (std::nothrow) pthread_mutex_t;
    if (log_lock != nullptr)
        pthread_mutex_init(log_lock, nullptr);
}

void Logger::DestroyLock()
{
    if (log_lock == nullptr)
        return;
    pthread_mutex_destroy(log_lock);
    delete log_lock;
    log_lock = nullptr;
}

void Logger::Lock()
{
    if (log_lock != nullptr)
        pthread_mutex_lock(log_lock);
}

void Logger::Unlock()
{
    if (log_lock != nullptr)
        pthread_mutex_unlock(log_lock);
}

void Logger::InitializeSharedData()
{
    if (log_size == nullptr) {
        log_size = static_cast<int*>(malloc(sizeof(int)));
        if (log_size != nullptr)
            *log_size = 0;
    }
    if (log_rotated_count_shared == nullptr) {
        log_rotated_count_shared = static_cast<int64_t*>(malloc(sizeof(int64_t)));
        if (log_rotated_count_shared != nullptr)
            *log_rotated_count_shared = 0;
    }
}

void Logger::DestroySharedData()
{
    free(log_size);
    log_size = nullptr;
    free(log_rotated_count_shared);
    log_rotated_count_shared = nullptr;
}

// Cross-process file locking is not used in this program.
void Logger::InitializeFileLock() {}
void Logger::DestroyFileLock() {}

extern "C" void LogMSG_c(int level, const char* component, const char* format, va_list args)
{
    Logger::LogMsg2(static_cast<Logger::Level>(level), component ? component : "", format, args);
}

#ifndef VELMORA_LIB_LOG_H
#define VELMORA_LIB_LOG_H

#include <pthread.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

class Config;

// Process-wide leveled log facility. Every member is static; the class is
// never instantiated. Callers put the level tag and source position into
// their own format strings (see VLOG_ERROR and kin below).
class Logger {
public:
    enum Type {
        TYPE_SYSLOG = 0,  // vsyslog at LOG_ERR whatever the level
        TYPE_STDOUT = 1,
        TYPE_STDERR = 2,
        TYPE_FILE = 3,  // appended to, rotated by size
    };

    // The syslog priorities; a line passes when level <= component threshold.
    enum Level {
        LEVEL_ERROR = 3,
        LEVEL_WARNING = 4,
        LEVEL_NOTE = 5,
        LEVEL_INFO = 6,
        LEVEL_DEBUG = 7,
    };

    enum SafetyScope {
        SCOPE_NONE = 0,    // no lock
        SCOPE_LOCK = 1,    // a mutex serializes writing (file destination only)
        SCOPE_RELOAD = 2,  // as 1, and reopen the file after a foreign rotation
    };

    // Bit flags for LogMsg3.
    enum ConfigFlag {
        FLAG_NONE = 0,
        FLAG_LINE_END = 2,  // append a line end
        FLAG_ERRNO = 4,     // append ", err=<errno>:<text>" when errno != 0
    };

    struct InitConfig {
        Type log_type = TYPE_STDOUT;
        std::string file_path;
        std::string level_path;
        int rotate_count = 50;
        SafetyScope safety_scope = SCOPE_LOCK;
    };

    // A file destination rotates once its counted bytes reach this size.
    static constexpr int kRotateSize = 0x500001;

    static int Initialize(Type type, const std::string& file_path, const std::string& level_path, int rotate_count,
                          SafetyScope scope);
    static int Initialize(const InitConfig& cfg);
    static void Destroy();

    // getpid() costs a system call per line; the value is cached and
    // forgotten in a forked child.
    static int ProcessId();

    static bool IsNeedToLog(Level level, const std::string& component);
    static int GetCompLevel(const std::string& component);

    // LogMsg and LogMsg2 leave errno as they found it; "%m" reads it.
    static void LogMsg(Level level, const std::string& component, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
    static void LogMsg2(Level level, const std::string& component, const char* format, va_list args)
        __attribute__((format(printf, 3, 0)));
    static void LogMsg3(Level level, const std::string& component, std::stringstream& text, ConfigFlag flags);

    static int PrintToFilePointer(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static int PrintToFilePointerV(const char* format, va_list args) __attribute__((format(printf, 1, 0)));
    static int FlushFileStream(long unused);

    static int GetFileSize(const std::string& path);
    static int RotateIfFileBig(int written);
    static int Rotate();
    static void ReloadLogFile();

    static void InitializeLock();
    static void DestroyLock();
    static void Lock();
    static void Unlock();
    static void InitializeSharedData();
    static void DestroySharedData();
    static void InitializeFileLock();
    static void DestroyFileLock();

private:
    static InitConfig config;
    static std::map<std::string, int> log_level;
    static FILE* log_fp;
    static int* log_size;
    static std::string log_path;
    static pthread_mutex_t* log_lock;
    static int64_t* log_rotated_count_shared;
    static int64_t log_rotated_count_private;
    static int log_flock;
    static bool log_initialized;

    static bool LoadLevelFile(const std::string& level_path, Config& levels, int& read_errno);
    static void WarnAboutLevelFile(const Config& levels, int read_errno);
    static int OpenDestination();
    static int OpenLogFile();
    static FILE* OpenLogStream();
    static void CloseLogFile();
    static int WriteLine(const char* format, va_list args) __attribute__((format(printf, 1, 0)));
    static std::string NumberedPath(int number);
    static off_t LineStart();
    static int CutBack(off_t start);
};

extern "C" void LogMSG_c(int level, const char* component, const char* format, va_list args);

// The start of a line's format: "(%5d:%5d) " for the pid and thread, the
// level tag, and "<source>(%d): " for the line, where the source is the
// LOG_TAG that the logging file defines once. Files may share a tag;
// scripts/log-source.sh goes from a line back to its file.
#define LOG_PREFIX(level) "(%5d:%5d) [" level "] " LOG_TAG "(%d): "

// Logs one line when the component's threshold lets the level pass; the
// format starts with LOG_PREFIX. Calls name their level through the
// VLOG_<LEVEL> macros below.
#define VLOG(level, component, line, format, ...)                                                        \
    do {                                                                                                 \
        if (Logger::IsNeedToLog(static_cast<Logger::Level>(level), (component))) {                       \
            Logger::LogMsg(static_cast<Logger::Level>(level), (component), format, Logger::ProcessId(),  \
                           static_cast<int>((uintptr_t)pthread_self() % 100000), static_cast<int>(line), \
                           ##__VA_ARGS__);                                                               \
        }                                                                                                \
    } while (0)

// One macro per level gives the level and its tag together, so a line's
// "[ERROR]" always comes with the error level. The logging file names its
// tag and component once, e.g.
//   #define LOG_TAG "extractor"
//   #define LOG_COMPONENT "extractor_debug"
//   VLOG_ERROR(__LINE__, "Invalid Argument\n");
// logs "( 4711:12345) [ERROR] extractor(212): Invalid Argument". line is
// usually __LINE__; a fixed number keeps a line's text where the number is
// part of it. (Not LOG_WARNING and kin: <syslog.h> owns those names.)
#define VLOG_ERROR(line, format, ...) \
    VLOG(Logger::LEVEL_ERROR, LOG_COMPONENT, line, LOG_PREFIX("ERROR") format, ##__VA_ARGS__)
#define VLOG_WARNING(line, format, ...) \
    VLOG(Logger::LEVEL_WARNING, LOG_COMPONENT, line, LOG_PREFIX("WARNING") format, ##__VA_ARGS__)
#define VLOG_NOTE(line, format, ...) \
    VLOG(Logger::LEVEL_NOTE, LOG_COMPONENT, line, LOG_PREFIX("NOTE") format, ##__VA_ARGS__)
#define VLOG_INFO(line, format, ...) \
    VLOG(Logger::LEVEL_INFO, LOG_COMPONENT, line, LOG_PREFIX("INFO") format, ##__VA_ARGS__)
#define VLOG_DEBUG(line, format, ...) \
    VLOG(Logger::LEVEL_DEBUG, LOG_COMPONENT, line, LOG_PREFIX("DEBUG") format, ##__VA_ARGS__)

#endif  // VELMORA_LIB_LOG_H

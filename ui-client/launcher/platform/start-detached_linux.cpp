// Starting a program that outlives the launcher, on Linux.
#include <signal.h>
#include <spawn.h>

#include <cstring>
#include <vector>

#include <QFile>

#include "log.h"
#include "platform/start-detached.h"

#define LOG_TAG "start-detached"
#define LOG_COMPONENT "service_debug"

extern char** environ;

namespace {

// The argument vector of one start: the encoded words and the pointers to
// them that posix_spawn reads.
class ArgumentVector {
public:
    ArgumentVector(const QString& program, const QStringList& args)
    {
        words.push_back(QFile::encodeName(program));
        for (const QString& arg : args)
            words.push_back(QFile::encodeName(arg));
        for (QByteArray& word : words)
            pointers.push_back(word.data());
        pointers.push_back(nullptr);
    }
    char* const* get() { return pointers.data(); }

private:
    std::vector<QByteArray> words;
    std::vector<char*> pointers;
};

// What the child gets besides its program: a session of its own, so that
// no hang-up or job-control signal of ours reaches it; the working folder;
// standard input, output and error only; no blocked or ignored signals.
class SpawnSettings {
public:
    explicit SpawnSettings(const QByteArray& folder)
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
        if (!folder.isEmpty())
            posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSettings()
    {
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

}  // namespace

// posix_spawn, not QProcess: a fork copies the page tables of the whole GUI
// process and QProcess forks twice, milliseconds in all, where the C
// library's spawn shares the memory until the exec. It returns once the
// program runs, or with the reason it could not (a missing file, a missing
// working folder), which is logged here, where it is known. The client
// stays our child until we exit a moment later; then init adopts it, as it
// would a detached QProcess.
bool StartDetachedProcess(const QString& program, const QStringList& args, const QString& working_dir)
{
    ArgumentVector argv(program, args);
    SpawnSettings settings(QFile::encodeName(working_dir));
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv.get()[0], &settings.actions, &settings.attributes, argv.get(), environ);
    if (error != 0) {
        VLOG_ERROR(__LINE__, "Cannot start '%s': %s\n", argv.get()[0], strerror(error));
    }
    return error == 0;
}

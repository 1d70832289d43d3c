#ifndef VELMORA_LAUNCHER_CLIENT_PROCESS_H
#define VELMORA_LAUNCHER_CLIENT_PROCESS_H

#include <sys/types.h>

#include <ctime>

#include <chrono>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/process-query.h"

// The operating-system calls that stop and start the client. The service is
// given the one it uses (MacService's constructor), so that tests can record
// signals addressed to hostile pids instead of sending them, skip the waits,
// and see which program would be started.
class ClientProcess {
public:
    virtual ~ClientProcess() = default;

    // kill(2): 0, or -1 with errno set.
    virtual int Signal(pid_t pid, int sig);
    // One pause between two probes of a process that is still alive.
    virtual void Sleep(std::chrono::milliseconds span);
    // The executable of a running process: 0 when it could be read, or one
    // of the two results below.
    virtual int ExecutablePath(pid_t pid, std::string& path);
    // The process exists but may not be inspected.
    static constexpr int kUnknownExecutable = kProcessUnknown;
    // There is no such process.
    static constexpr int kNoProcess = kProcessGone;
    // When a process started, on the wall clock: 0, or one of the two
    // results above.
    virtual int StartTime(pid_t pid, struct timespec& started);
    // The arguments a process was started with, argv[0] first: 0, or one of
    // the two results above.
    virtual int Arguments(pid_t pid, std::vector<std::string>& args);
    // False when no signal of ours can reach the process (another user's,
    // unless we are privileged).
    virtual bool CanSignal(pid_t pid);
    // Runs a program and waits for it: its exit status, or negative when it
    // could not start or crashed.
    virtual int Execute(const QString& program, const QStringList& args);
    // Starts a program that outlives us; true when it started.
    virtual bool StartDetached(const QString& program, const QStringList& args, const QString& working_dir);

    // The real calls.
    static ClientProcess& System();
};

#endif  // VELMORA_LAUNCHER_CLIENT_PROCESS_H

#include "service/mac/client-process.h"

#include <signal.h>

#include <cerrno>
#include <thread>

#include <QProcess>

#include "platform/start-detached.h"

int ClientProcess::Signal(pid_t pid, int sig)
{
    return kill(pid, sig);
}

void ClientProcess::Sleep(std::chrono::milliseconds span)
{
    std::this_thread::sleep_for(span);
}

int ClientProcess::ExecutablePath(pid_t pid, std::string& path)
{
    return ReadProcessExecutable(pid, path);
}

int ClientProcess::StartTime(pid_t pid, struct timespec& started)
{
    return ReadProcessStartTime(pid, started);
}

int ClientProcess::Arguments(pid_t pid, std::vector<std::string>& args)
{
    return ReadProcessArguments(pid, args);
}

// Signal 0 checks the permission without sending anything.
bool ClientProcess::CanSignal(pid_t pid)
{
    return kill(pid, 0) == 0 || errno != EPERM;
}

int ClientProcess::Execute(const QString& program, const QStringList& args)
{
    return QProcess::execute(program, args);
}

bool ClientProcess::StartDetached(const QString& program, const QStringList& args, const QString& working_dir)
{
    return StartDetachedProcess(program, args, working_dir);
}

ClientProcess& ClientProcess::System()
{
    static ClientProcess real;
    return real;
}

#ifndef TESTS_CHILD_PROCESS_H
#define TESTS_CHILD_PROCESS_H

// Starting the launcher and keeping track of what it leaves running, for
// the end-to-end tests and the benchmarks. A caller that is a child
// subreaper (BecomeSubreaper) adopts the clients the launcher starts
// detached, so it can stop them as its own children, never by a pid read
// from a file.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace child_process {

inline bool BecomeSubreaper()
{
    return prctl(PR_SET_CHILD_SUBREAPER, 1) == 0;
}

inline pid_t ParentOf(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::stringstream text;
    text << in.rdbuf();
    const std::string stat = text.str();
    const size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(stat.substr(close + 2));
    char state;
    pid_t parent = -1;
    rest >> state >> parent;
    return parent;
}

inline std::vector<pid_t> OwnChildren()
{
    std::vector<pid_t> children;
    DIR* proc = opendir("/proc");
    if (proc == nullptr)
        return children;
    while (dirent* entry = readdir(proc)) {
        const pid_t pid = atoi(entry->d_name);
        if (pid > 0 && ParentOf(pid) == getpid())
            children.push_back(pid);
    }
    closedir(proc);
    return children;
}

// Starts exe with exactly the given environment; standard output and error
// go to the given files (or /dev/null when empty). Everything is prepared
// before fork, so the caller may have threads.
// args follow the program's own name.
inline pid_t Start(const std::string& exe, std::vector<std::string> args, std::vector<std::string> env,
                   const std::string& outPath, const std::string& errPath)
{
    args.insert(args.begin(), exe);
    std::vector<char*> argv;
    for (std::string& item : args)
        argv.push_back(&item[0]);
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& item : env)
        envp.push_back(&item[0]);
    envp.push_back(nullptr);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
    const int out = open(outPath.empty() ? "/dev/null" : outPath.c_str(), flags, 0600);
    const int err = open(errPath.empty() ? "/dev/null" : errPath.c_str(), flags, 0600);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out, 1);
        dup2(err, 2);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(out);
    close(err);
    return child;
}

inline pid_t Start(const std::string& exe, std::vector<std::string> env, const std::string& outPath,
                   const std::string& errPath)
{
    return Start(exe, {}, std::move(env), outPath, errPath);
}

// The exit status, 128 + the signal number for a killed child, -1 on error.
inline int Wait(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace child_process

#endif  // TESTS_CHILD_PROCESS_H

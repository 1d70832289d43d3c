#ifndef VELMORA_TESTS_REAL_CLIENT_H
#define VELMORA_TESTS_REAL_CLIENT_H

// A client process of the test's own, the one kind a test may send a real
// signal to by a pid that it reads back from a pid file.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "service/mac/client-process.h"

// A real process, reaped by a thread so that its end shows to the probes
// at once. It runs exe with argv[0] "cloud-drive-ui" and the arguments
// given.
class RealClient {
public:
    RealClient(const std::string& exe, std::vector<std::string> args, bool ignore_term)
    {
        std::string self;
        ReadProcessExecutable(getpid(), self);
        args.insert(args.begin(), "cloud-drive-ui");
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(&arg[0]);
        }
        argv.push_back(nullptr);
        pid = fork();
        // A failed fork leaves nothing to wait for, and no id to signal.
        if (pid < 0) {
            return;
        }
        if (pid == 0) {
            if (ignore_term) {
                signal(SIGTERM, SIG_IGN);
            }
            execv(exe.c_str(), argv.data());
            _exit(127);
        }
        const pid_t child = pid;
        ended = std::async(std::launch::async, [child] {
            int status = 0;
            waitpid(child, &status, 0);
            return status;
        });
        // The checks below need the image replaced before the pid is named.
        std::string running = self;
        for (int i = 0; i < 1000 && running == self; ++i) {
            usleep(10000);
            ReadProcessExecutable(pid, running);
        }
    }
    ~RealClient()
    {
        if (ended.valid()) {
            kill(pid, SIGKILL);
            ended.get();
        }
    }
    // The signal that ended it within 30 seconds, -1 when it ended without
    // one, 0 when it still runs.
    int Wait()
    {
        if (!ended.valid() || ended.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            return 0;
        }
        const int status = ended.get();
        return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
    }
    bool Running() { return ended.valid() && ended.wait_for(std::chrono::seconds(0)) != std::future_status::ready; }

    pid_t pid = -1;

private:
    std::future<int> ended;
};

#endif  // VELMORA_TESTS_REAL_CLIENT_H

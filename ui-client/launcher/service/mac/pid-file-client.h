#ifndef VELMORA_LAUNCHER_PID_FILE_CLIENT_H
#define VELMORA_LAUNCHER_PID_FILE_CLIENT_H

#include <sys/types.h>

#include <ctime>
#include <string>

class ClientProcess;

// A pid file ("ui.pid") as the stop reads it.
struct PidFile {
    std::string path;
    std::string folder;  // as given
    std::string prefix;  // the folder's canonical path followed by "/"
    bool written_known = false;
    struct timespec written = {};  // when it was last written

    static PidFile Of(const std::string& folder);
};

// Whether the process a pid file names is the client. The file names the
// process that was running when it was last written, whatever program that
// runs; a process whose program or script lies inside the folder is a
// client too. Any other process holds a stale pid that was reused, and is
// not the client, unless no signal of ours can reach it anyway.
struct PidFileProcess {
    enum Kind { kClient, kGone, kOther };
    Kind kind = kOther;
    std::string program;  // its executable; empty when it may not be inspected
    std::string reason;   // for a client: why it is taken for one
    bool start_known = false;
    struct timespec started = {};

    // Asks process about pid.
    static PidFileProcess Judge(ClientProcess& process, pid_t pid, const PidFile& file);
    // True unless the start times tell that later is another process: a
    // pid reused in the meantime belongs to a process started later.
    bool IsSameProcess(const PidFileProcess& later) const;
};

#endif  // VELMORA_LAUNCHER_PID_FILE_CLIENT_H

// What the system says of a running process, by pid: its executable, when it
// started and its arguments. One implementation per system
// (process-query_linux.cpp, process-query_mac.cpp).
#ifndef VELMORA_LAUNCHER_PROCESS_QUERY_H
#define VELMORA_LAUNCHER_PROCESS_QUERY_H

#include <sys/types.h>

#include <ctime>
#include <string>
#include <vector>

// The results of the queries besides 0.
// The process exists but may not be inspected.
constexpr int kProcessUnknown = -1;
// There is no such process.
constexpr int kProcessGone = -2;

// The executable of a running process.
int ReadProcessExecutable(pid_t pid, std::string& path);
// When a process started, on the wall clock: tells a pid's owner apart from
// a later process that reused the pid.
int ReadProcessStartTime(pid_t pid, struct timespec& started);
// The arguments a process was started with, argv[0] first: a script run by
// an interpreter shows only there.
int ReadProcessArguments(pid_t pid, std::vector<std::string>& args);

#endif  // VELMORA_LAUNCHER_PROCESS_QUERY_H

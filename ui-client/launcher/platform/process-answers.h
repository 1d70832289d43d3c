// What the macOS process queries compute on the system's answers, kept apart
// from the calls (process-query_mac.cpp) so that every system's tests run it.
#ifndef VELMORA_LAUNCHER_PROCESS_ANSWERS_H
#define VELMORA_LAUNCHER_PROCESS_ANSWERS_H

#include <sys/time.h>

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

// The arguments in a KERN_PROCARGS2 answer: argc (an int), the executable's
// path, NULs up to an aligned place, then argc arguments each ended by a NUL,
// then the environment. False when the answer is cut before its first
// argument; arguments cut at the end are left out.
bool ParseProcArgs2(const char* answer, size_t size, std::vector<std::string>& args);

// A process's start (kp_proc.p_starttime) as a timespec.
struct timespec StartTimeFromTimeval(const struct timeval& started);

// What a query that failed says of the process, once kill(pid, 0) has
// answered: only "no such process" means gone. A process whose executable is
// gone, whose volume is going away, or that belongs to another user is alive.
int ResultAfterFailedQuery(int kill_result, int kill_errno);

#endif  // VELMORA_LAUNCHER_PROCESS_ANSWERS_H

// The record of the last run that decided anything, "last-run" in the
// per-user folder: key=value lines, replaced as a whole (written beside,
// synced, renamed over), written under the install lock as the run ends,
// before the client's start is reported. Runs that only print (--help,
// --version, --status) and a second launcher that returns at once leave
// none.
//
//   time=2024-03-01T09:15:02Z  when the run ended, UTC
//   result=failed              one of the results below
//   from_build=101             the build in place when the run decided,
//                              once settled; empty: none, or not read
//   to_build=102               the packaged build when the run tried to
//                              install it, else from_build
//   reason=...                 why, in one line
//
//   installed   the package was installed and its client started
//   up-to-date  nothing to install; the client in place was started
//   refused     the package was refused before anything was stopped or
//               moved; the client in place was started
//   failed      an installation began and did not finish, and the old
//               client was put back and started; or no install lock could
//               be had, or an earlier installation could not be settled,
//               nothing was installed, and the client in place was started
//   no-client   the run ended without a client started, whatever it did
//               before (the reason names the first thing that went wrong)
#ifndef VELMORA_LAUNCHER_LAST_RUN_H
#define VELMORA_LAUNCHER_LAST_RUN_H

#include <string>

#include "ustring.h"

extern const char kRunInstalled[];
extern const char kRunUpToDate[];
extern const char kRunRefused[];
extern const char kRunFailed[];
extern const char kRunNoClient[];

struct LastRun {
    std::string time;
    std::string result;
    std::string from_build;
    std::string to_build;
    std::string reason;
};

// One run as it goes: the service fills each fact at the step that learns
// it (the decision, the pre-flight's refusal, the installation's outcome,
// the client's start; the worker the install lock it could not have), and
// the worker writes it out as the run ends. Until anything is decided the
// run installs nothing.
struct RunRecord : LastRun {
    RunRecord() { result = kRunUpToDate; }
    const char* decided = "";  // why the upgrade decision went as it did; empty: none taken
    bool client_started = false;
};

// Stamps the record with the time now and replaces the file at path with
// it; line breaks in its values become spaces. 0; -1 when path is empty or
// its folder is not one (nothing to write into), or after the file layer's
// ERROR line.
int WriteLastRun(const ustring& path, LastRun record);

// The record at path; false when there is none, it cannot be read as a
// small regular file, or it names no result.
bool ReadLastRun(const ustring& path, LastRun& record);

#endif  // VELMORA_LAUNCHER_LAST_RUN_H

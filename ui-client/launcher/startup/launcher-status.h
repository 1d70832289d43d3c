#ifndef VELMORA_LAUNCHER_LAUNCHER_STATUS_H
#define VELMORA_LAUNCHER_LAUNCHER_STATUS_H

class VersionProbe;

// The launcher's status on standard output: the builds, what a start would
// do (settling included, from the same code as a start) and the record of
// the last run (last-run.h). Reads only.
void PrintStatus(VersionProbe& probe);

// The same as one JSON object on one line:
//   {"installed_build":120,"last_run":{"from_build":"119","reason":"...",
//    "result":"installed","time":"2024-03-01T09:15:02Z","to_build":"120"},
//    "packaged_build":120,"unfinished_install":false,"would_install":false}
// The builds are numbers as the upgrade decision reads them, or null when
// there is none; installed_build is the build in place once a start has
// settled; last_run holds the record's text as it is (bytes that are not
// UTF-8 become U+FFFD), or is null when there is no record.
void PrintStatusJson(VersionProbe& probe);

#endif  // VELMORA_LAUNCHER_LAUNCHER_STATUS_H

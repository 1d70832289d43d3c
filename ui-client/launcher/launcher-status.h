#ifndef VELMORA_LAUNCHER_LAUNCHER_STATUS_H
#define VELMORA_LAUNCHER_LAUNCHER_STATUS_H

class VersionProbe;

// The launcher's status on standard output: the builds, what a start would
// do (settling included, from the same code as a start) and the record of
// the last run (last-run.h). Reads only.
void PrintStatus(VersionProbe &probe);


#endif  // VELMORA_LAUNCHER_LAUNCHER_STATUS_H

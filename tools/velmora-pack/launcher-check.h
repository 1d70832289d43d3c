#ifndef VELMORA_PACK_LAUNCHER_CHECK_H
#define VELMORA_PACK_LAUNCHER_CHECK_H

#include <string>

#include "pack-entry.h"
#include "ustring.h"

// Whether the program at path (shown as shown) is a launcher that reads
// the bundle it lies in: asked for --version, which creates, locks and
// starts nothing, it must end with status 0 within a few seconds and name
// itself as "velmora-launcher M.m.<build> ..." with the build of that
// bundle's INFO (not compared when build is empty). It runs with a scratch
// home folder and no display, so that a program that is not the launcher
// touches nothing of the user's. Appends a problem line otherwise.
void CheckLauncherAnswers(const std::string& path, const std::string& shown, const ustring& build, Problems& problems);

#endif  // VELMORA_PACK_LAUNCHER_CHECK_H

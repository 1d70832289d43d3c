#ifndef VELMORA_LAUNCHER_HOME_FOLDER_H
#define VELMORA_LAUNCHER_HOME_FOLDER_H

#include "package/path-round-trip.h"

// Makes HOME an absolute path the registry can hold: set from the account
// when missing, made absolute when relative. Returns false, after one line
// on standard error, when there is none, or when its bytes would not
// survive the registry's round trip (not UTF-8); nothing may then be
// created or started, since every per-user path would name a folder beside
// the home folder (or below the root folder).
bool EnsureHome();

// False, after one line on standard error, when the per-user folder
// (~/.VelmoraDrive) is a link or belongs to another user than the one
// running the launcher; nothing may then be created or changed. A missing
// folder is the launcher's to make.
bool IsPerUserFolderOwn();

#endif  // VELMORA_LAUNCHER_HOME_FOLDER_H

#ifndef VELMORA_LAUNCHER_HOME_FOLDER_H
#define VELMORA_LAUNCHER_HOME_FOLDER_H

#include <QByteArray>

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

// True when bytes read as a path come back unchanged from the registry's
// text and the UTF-8 form that the file layer receives.
bool SurvivesPathRoundTrip(const QByteArray &bytes);

#endif  // VELMORA_LAUNCHER_HOME_FOLDER_H

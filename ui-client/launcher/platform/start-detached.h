// Starting a program that outlives the launcher. One implementation per
// system (start-detached_linux.cpp, start-detached_mac.cpp).
#ifndef VELMORA_LAUNCHER_START_DETACHED_H
#define VELMORA_LAUNCHER_START_DETACHED_H

#include <QString>
#include <QStringList>

// True when the program started.
bool StartDetachedProcess(const QString& program, const QStringList& args, const QString& working_dir);

#endif  // VELMORA_LAUNCHER_START_DETACHED_H

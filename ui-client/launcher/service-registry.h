#ifndef VELMORA_LAUNCHER_SERVICE_REGISTRY_H
#define VELMORA_LAUNCHER_SERVICE_REGISTRY_H

#include <QString>

#include "ustring.h"

// UTF-8 form of a Qt text, as the file layer takes paths.
ustring ToUstring(const QString& text);

// The path registered under key, as UTF-8; empty when the key was never
// registered.
ustring RegistryPath(const char* key);

// True when the client UI executable of the per-user bundle exists.
bool ClientExecutableExists();

// The path registered under key, with the platform's separators; empty when
// the key was never registered.
QString NativeRegistryPath(const char* key);

#endif  // VELMORA_LAUNCHER_SERVICE_REGISTRY_H

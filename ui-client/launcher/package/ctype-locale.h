#ifndef VELMORA_LAUNCHER_CTYPE_LOCALE_H
#define VELMORA_LAUNCHER_CTYPE_LOCALE_H

#include <cstddef>

// Package entry names are UTF-8. Under a C or POSIX locale (a process
// started from the Dock or Finder has one) the archive library cannot
// convert names outside ASCII and every install of such a package fails,
// so the character type alone falls back to the first of candidates that
// the system has; messages keep the user's locale. Returns true when the
// character type is UTF-8 afterwards; logs a WARNING when it is not.
bool UseUtf8CharacterType(const char* const* candidates, size_t count);

// The same, with the fallbacks that exist on this platform.
bool UseUtf8CharacterType();

#endif  // VELMORA_LAUNCHER_CTYPE_LOCALE_H

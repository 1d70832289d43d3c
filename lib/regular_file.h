#ifndef VELMORA_LIB_REGULAR_FILE_H
#define VELMORA_LIB_REGULAR_FILE_H

#include <sys/types.h>

#include <cstdio>

// Opens path as a regular file, without ever blocking and never to be
// inherited by a program we start. A named pipe would hold open() until a
// peer comes, a device may act on being opened, and a folder only fails
// later: all are refused, errno EISDIR for a folder and EINVAL for the
// other kinds. flags are open(2) flags; O_CLOEXEC is added, O_NONBLOCK
// only for the open itself. The descriptor, or -1 with errno set.
int OpenRegularFile(const char* path, int flags, mode_t mode = 0666);

// True when path opens as a regular file by OpenRegularFile, for a reader
// that can only open by name.
bool IsRegularFile(const char* path);

// The same as a stdio stream of the fdopen mode streamMode; null with
// errno set on failure.
FILE* OpenRegularStream(const char* path, int flags, const char* streamMode);

#endif  // VELMORA_LIB_REGULAR_FILE_H

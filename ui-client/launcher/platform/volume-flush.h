// Writing what is cached for a volume to the disk, so that a step taken
// after it (clearing the installation marker) is never seen without the
// files written before it, not even after a power loss. The platform's way
// is in volume-flush_linux.cpp and volume-flush_mac.cpp.
#ifndef VELMORA_LAUNCHER_VOLUME_FLUSH_H
#define VELMORA_LAUNCHER_VOLUME_FLUSH_H

#include "ustring.h"

// Flushes the volume that holds path; 0, or -1 with errno set.
int FlushVolumeOf(const ustring& path);

// Whether a full flush failed only because the volume cannot have its
// drive write its cache (an external disk, a network or disk-image volume):
// the files are then flushed without that step, as on Linux.
bool RefusesDriveCacheFlush(int error);

#endif  // VELMORA_LAUNCHER_VOLUME_FLUSH_H

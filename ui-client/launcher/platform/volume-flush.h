// Writing what is cached for a volume to the disk, so that a step taken
// after it (clearing the installation marker) is never seen without the
// files written before it, not even after a power loss. The platform's way
// is in volume-flush_linux.cpp and volume-flush_mac.cpp.
#ifndef VELMORA_LAUNCHER_VOLUME_FLUSH_H
#define VELMORA_LAUNCHER_VOLUME_FLUSH_H

#include "ustring.h"

// Flushes the volume that holds path; 0, or -1 with errno set.
int FlushVolumeOf(const ustring& path);

#endif  // VELMORA_LAUNCHER_VOLUME_FLUSH_H

// Stand-in for the macOS SDK header, for the syntax check only: statfs with
// the file system's type name.
#pragma once
#include <stdint.h>
#define MFSTYPENAMELEN 16
struct statfs {
    uint32_t f_bsize;
    uint64_t f_blocks;
    uint32_t f_type;
    uint32_t f_flags;
    char f_fstypename[MFSTYPENAMELEN];
    char f_mntonname[1024];
};
extern "C" int statfs(const char* path, struct statfs* buf);

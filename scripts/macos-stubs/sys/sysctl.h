// Stand-in for the macOS SDK header, for the syntax check only.
#pragma once
#include <stddef.h>
#define CTL_KERN 1
#define KERN_ARGMAX 8
#define KERN_PROCARGS2 49
extern "C" int sysctl(int* name, unsigned int namelen, void* oldp, size_t* oldlenp, void* newp, size_t newlen);

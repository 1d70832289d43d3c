// Stand-in for the macOS SDK header, for the syntax check only: the system's
// own, with the times under their macOS names.
#pragma once
#include_next <sys/stat.h>
#define st_atimespec st_atim
#define st_mtimespec st_mtim
#define st_ctimespec st_ctim

// Stand-in for the macOS SDK header, for the syntax check only.
#pragma once
#include <stdint.h>
#define PROC_PIDPATHINFO_MAXSIZE 4096
#define PROC_PIDTBSDINFO 3
struct proc_bsdinfo {
    uint32_t pbi_flags;
    uint32_t pbi_status;
    uint32_t pbi_pid;
    uint32_t pbi_ppid;
    uint64_t pbi_start_tvsec;
    uint64_t pbi_start_tvusec;
};
extern "C" {
int proc_pidpath(int pid, void* buffer, uint32_t buffersize);
int proc_pidinfo(int pid, int flavor, uint64_t arg, void* buffer, int buffersize);
}

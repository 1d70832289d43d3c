#include "startup/process-end.h"

#include <unistd.h>

#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_LEAK_CHECK 1
#endif
#endif
#if defined(VELMORA_LEAK_CHECK)
#include <sanitizer/lsan_interface.h>
#endif

void EndProcess(int status)
{
    fflush(nullptr);
#if defined(VELMORA_LEAK_CHECK)
    // _exit skips the leak check that sanitized builds run at exit.
    __lsan_do_leak_check();
#endif
    _exit(status);
}

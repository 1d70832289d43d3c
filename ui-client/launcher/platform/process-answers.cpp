#include "platform/process-answers.h"

#include <cerrno>
#include <cstring>

#include "platform/process-query.h"

bool ParseProcArgs2(const char* answer, size_t size, std::vector<std::string>& args)
{
    args.clear();
    int argc = 0;
    if (size < sizeof(argc)) {
        return false;
    }
    memcpy(&argc, answer, sizeof(argc));
    const char* end = answer + size;
    const char* at = static_cast<const char*>(memchr(answer + sizeof(argc), '\0', size - sizeof(argc)));
    if (at == nullptr) {
        return false;
    }
    // The path's NUL and the padding after it, as ps skips them.
    while (at < end && *at == '\0') {
        ++at;
    }
    for (int i = 0; i < argc && at < end; ++i) {
        const char* stop = static_cast<const char*>(memchr(at, '\0', end - at));
        if (stop == nullptr) {
            break;
        }
        args.emplace_back(at, stop);
        at = stop + 1;
    }
    return true;
}

struct timespec StartTimeFromTimeval(const struct timeval& started)
{
    struct timespec when;
    when.tv_sec = started.tv_sec;
    when.tv_nsec = static_cast<long>(started.tv_usec) * 1000;
    return when;
}

int ResultAfterFailedQuery(int kill_result, int kill_errno)
{
    return kill_result != 0 && kill_errno == ESRCH ? kProcessGone : kProcessUnknown;
}

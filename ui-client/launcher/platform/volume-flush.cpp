#include "platform/volume-flush.h"

#include <cerrno>

bool RefusesDriveCacheFlush(int error)
{
    return error == ENOTSUP || error == ENOTTY || error == EINVAL;
}

// Temporary files and names.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "file-op-internal.h"
#include "tmp_name_gen.h"

#define LOG_TAG "file-op"

int FSMktemp(const ustring& dir, ustring& out)
{
    char name[kFsPathBound];
    snprintf(name, sizeof(name), "%s/XXXXXX", dir.c_str());
    // Closed at once, but another thread may start a program meanwhile.
    int fd = mkostemp(name, O_CLOEXEC);
    if (fd < 0) {
        VLOG_ERROR(__LINE__, "mkstemp(%s): %s\n", name, strerror(errno));
        return -1;
    }
    close(fd);
    out = name;
    chmod(name, 0644);
    return 0;
}

int FSCreateTempPath(const ustring& dir, ustring& out)
{
    out = TmpNameGen::getInstance()->getTmpPath(std::string(dir.c_str(), dir.length()));
    return out.empty() ? -1 : 0;
}

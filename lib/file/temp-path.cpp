// Temporary files and names.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "file-op-internal.h"
#include "tmp_name_gen.h"

int FSMktemp(const ustring& dir, ustring& out)
{
    char name[kFsPathBound];
    snprintf(name, sizeof(name), "%s/XXXXXX", dir.c_str());
    int fd = mkstemp(name);
    if (fd < 0) {
        FOP_LOG(FOP_ERROR, "(%5d:%5d) [ERROR] file-op(%d): mkstemp(%s): %s\n", name, strerror(errno));
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

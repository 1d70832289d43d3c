// Path strings on UTF-8 bytes, "/" the only separator.
#include <cstring>

#include "file-op-internal.h"

ustring FSParentPath(const ustring& path)
{
    size_t slash = path.rfind('/');
    if (slash == ustring::npos || slash == 0)
        return ustring("/");
    return path.substr(0, slash);
}

ustring FSBaseName(const ustring& path)
{
    size_t slash = path.rfind('/');
    if (slash == ustring::npos)
        return path;
    return path.substr(slash + 1);
}

// A path is its own parent folder; "/a" is no parent of "/ab".
bool FSIsParentFolder(const ustring& parent, const ustring& child)
{
    size_t n = parent.length();
    if (child.length() < n)
        return false;
    if (child[n] != '\0' && child[n] != '/')
        return false;
    return memcmp(child.c_str(), parent.c_str(), n) == 0;
}

bool FSTimeEqual(long a, long b)
{
    return a == b;
}

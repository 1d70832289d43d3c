#include "package/ctype-locale.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <string>

#include "log.h"

#define LOG_TAG "ctype-locale"
#define LOG_COMPONENT "launcher_debug"

namespace {

#if defined(__APPLE__)
// "C.UTF-8" exists only on recent macOS releases; "UTF-8", a locale of the
// character type alone, exists on every release the launcher supports.
const char* const kUtf8Fallbacks[] = {"UTF-8", "C.UTF-8"};
#else
const char* const kUtf8Fallbacks[] = {"C.UTF-8"};
#endif

bool CharacterTypeIsUtf8()
{
    return strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

}  // namespace

bool UseUtf8CharacterType(const char* const* candidates, size_t count)
{
    if (CharacterTypeIsUtf8())
        return true;
    const std::string before = setlocale(LC_CTYPE, nullptr);
    for (size_t i = 0; i < count; ++i) {
        if (setlocale(LC_CTYPE, candidates[i]) != nullptr && CharacterTypeIsUtf8())
            return true;
    }
    setlocale(LC_CTYPE, before.c_str());
    VLOG_WARNING(__LINE__,
                 "no UTF-8 character type (locale '%s', codeset '%s'); "
                 "package names outside ASCII cannot be installed\n",
                 before.c_str(), nl_langinfo(CODESET));
    return false;
}

bool UseUtf8CharacterType()
{
    return UseUtf8CharacterType(kUtf8Fallbacks, sizeof(kUtf8Fallbacks) / sizeof(kUtf8Fallbacks[0]));
}

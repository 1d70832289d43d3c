#include "home-folder.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

// Without HOME the toolkit takes the root folder for the home folder and
// the per-user installation would go there, so the account's home folder
// is set instead. A relative HOME is made absolute: every registered path
// must be, and the client runs in another working folder. The bytes are
// joined as they are, never decoded and encoded again. Both are fixed in
// the environment, so that the client started later finds the same one.
void SetAbsoluteHome()
{
    const char *home = getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return;
    if (home != nullptr && home[0] != '\0') {
        char *cwd = getcwd(nullptr, 0);
        if (cwd != nullptr)
            setenv("HOME", (QByteArray(cwd) + "/" + home).constData(), 1);
        free(cwd);
        return;
    }
    const passwd *account = getpwuid(getuid());
    if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] != '\0')
        setenv("HOME", account->pw_dir, 1);
}

}  // namespace

bool SurvivesPathRoundTrip(const QByteArray &bytes)
{
    const QString text = QFile::decodeName(bytes);
    return text.toUtf8() == bytes && QFile::encodeName(text) == bytes;
}

bool EnsureHome()
{
    SetAbsoluteHome();
    const QByteArray home = qgetenv("HOME");
    if (home.isEmpty()) {
        fprintf(stderr, "velmora-launcher: no home folder (HOME is unset and the account names "
                        "none); nothing was installed or started\n");
        return false;
    }
    if (!SurvivesPathRoundTrip(home)) {
        fprintf(stderr, "velmora-launcher: the home folder's path is not valid UTF-8; "
                        "nothing was installed or started\n");
        return false;
    }
    return true;
}

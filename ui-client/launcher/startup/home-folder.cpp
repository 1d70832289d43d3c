#include "startup/home-folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
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
    const char* home = getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return;
    if (home != nullptr && home[0] != '\0') {
        char* cwd = getcwd(nullptr, 0);
        if (cwd != nullptr)
            setenv("HOME", (QByteArray(cwd) + "/" + home).constData(), 1);
        free(cwd);
        return;
    }
    const passwd* account = getpwuid(getuid());
    if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] != '\0')
        setenv("HOME", account->pw_dir, 1);
}

}  // namespace

bool EnsureHome()
{
    SetAbsoluteHome();
    const QByteArray home = qgetenv("HOME");
    if (home.isEmpty()) {
        fprintf(stderr,
                "velmora-launcher: no home folder (HOME is unset and the account names "
                "none); nothing was installed or started\n");
        return false;
    }
    if (!SurvivesPathRoundTrip(home)) {
        fprintf(stderr,
                "velmora-launcher: the home folder's path is not valid UTF-8; "
                "nothing was installed or started\n");
        return false;
    }
    return true;
}

// Root running with a user's HOME (as sudo keeping HOME does) would follow
// a linked per-user folder wherever it leads, and would leave a bundle and a
// log there that the user's own launcher can neither replace nor remove. A
// folder that cannot be examined is left to the steps that use it.
bool IsPerUserFolderOwn()
{
    const QString folder = QDir::cleanPath(QFile::decodeName(qgetenv("HOME")) + "/.VelmoraDrive");
    const QByteArray path = QFile::encodeName(folder);
    struct stat st;
    if (lstat(path.constData(), &st) != 0)
        return true;
    if (S_ISLNK(st.st_mode)) {
        fprintf(stderr,
                "velmora-launcher: the per-user folder %s is a symbolic link; nothing was "
                "installed or started\n",
                path.constData());
        return false;
    }
    if (st.st_uid != geteuid()) {
        fprintf(stderr,
                "velmora-launcher: the per-user folder %s belongs to uid %u, not to uid %u "
                "running the launcher; nothing was installed or started\n",
                path.constData(), static_cast<unsigned>(st.st_uid), static_cast<unsigned>(geteuid()));
        return false;
    }
    return true;
}

#include "app-font.h"
#include "cloud-service.h"
#include "launcher.h"
#include "log.h"
#include "mac/client-process.h"
#include "qtsingleapplication.h"
#include "service-registry.h"
#include "strtable.h"
#include "uipathmanager.h"
#include "velmoralocale.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <langinfo.h>
#include <pwd.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int qInitResources_texts();

namespace {

const char kComponent[] = "launcher_debug";

// Paths are UTF-8 throughout. Under a C or POSIX locale the archive library
// cannot convert names outside ASCII and every install would fail, so the
// character type falls back to UTF-8; messages keep the user's locale. The
// application object sets the locale from the environment again, so this
// runs after it is built.
void UseUtf8Names()
{
    if (strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        setlocale(LC_CTYPE, "C.UTF-8");
}

// Without HOME the toolkit takes the root folder for the home folder and
// the per-user installation would go there, so the account's home folder
// is set instead. A relative HOME is made absolute: every registered path
// must be, and the client runs in another working folder. Both are fixed
// in the environment, so that the client started later finds the same one.
void EnsureHome()
{
    const char *home = getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return;
    if (home != nullptr && home[0] != '\0') {
        const QByteArray absolute = QDir(QString::fromLocal8Bit(home)).absolutePath().toLocal8Bit();
        setenv("HOME", absolute.constData(), 1);
        return;
    }
    const passwd *account = getpwuid(getuid());
    if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] != '\0')
        setenv("HOME", account->pw_dir, 1);
}

// The bundle's own plug-ins come first so that the bundle runs with the Qt
// it carries. On Linux the system's plug-in folder follows, so a bundle
// without plug-ins still starts; on macOS the bundle is self-contained.
//
// argv[0] names the bundle only when it is a path to the executable itself:
// a name found through PATH, or a link to the executable kept elsewhere,
// would point outside it. The running image's own path is taken instead
// where the system tells it.
void SetPluginPath(const char *argv0)
{
    std::string executable;
    if (ReadProcessExecutable(getpid(), executable) != 0)
        executable = argv0;
    const QString plugins = QDir::cleanPath(QString::fromLocal8Bit(executable.c_str()) + "/../../Frameworks/plugins");
    QStringList paths{plugins};
#if !defined(__APPLE__)
    paths << QLibraryInfo::location(QLibraryInfo::PluginsPath);
#endif
    QCoreApplication::setLibraryPaths(paths);
    printf("lib path = '%s'\n", plugins.toLocal8Bit().constData());
}

void RegisterPaths()
{
    const QString user = Service::GetUserInstallPath();
    const QString bundle = QCoreApplication::applicationDirPath();
    const QString drive = user + "/.VelmoraDrive";
    const QString app = drive + "/VelmoraDrive.app";
    const struct {
        const char *key;
        QString value;
    } rows[] = {
        {"user_velmora_drive_path", drive},
        {"user_velmora_drive_app_path", app},
        {"user_velmora_drive_resource_path", app + "/Contents/Resources"},
        {"user_velmora_drive_data_path", drive + "/data"},
        {"user_velmora_drive_working_dir_path", app + "/Contents/MacOS"},
        {"user_velmora_drive_ui_path", app + "/Contents/MacOS/cloud-drive-ui"},
        {"user_larkspan_path", user + "/.Larkspan"},
        {"user_larkspan_resource_path", user + "/.Larkspan/Larkspan.app/Contents/Resources"},
        {"root_resource_path", bundle + "/../Resources"},
    };
    UIPathManager *registry = UIPathManager::getInstance();
    for (const auto &row : rows)
        registry->setPath(row.key, QDir::cleanPath(row.value));
}

std::string PathOf(const char *key)
{
    return RegistryPath(key).c_str();
}

void LogStartupPaths()
{
    VLOG(6, kComponent, 106, "(%5d:%5d) [INFO] main(%d): >>> user_larkspan_path = %s\n",
         PathOf("user_larkspan_path").c_str());
    VLOG(6, kComponent, 107, "(%5d:%5d) [INFO] main(%d): >>> user_larkspan_app_path = %s\n",
         PathOf("user_larkspan_app_path").c_str());
    VLOG(6, kComponent, 108, "(%5d:%5d) [INFO] main(%d): >>> user_larkspan_resource_path = %s\n",
         PathOf("user_larkspan_resource_path").c_str());
    VLOG(6, kComponent, 109, "(%5d:%5d) [INFO] main(%d): >>> user_larkspan_data_path = %s\n",
         PathOf("user_larkspan_data_path").c_str());
    VLOG(6, kComponent, 110, "(%5d:%5d) [INFO] main(%d): >>> user_larkspan_working_dir_path = %s\n",
         PathOf("user_larkspan_working_dir_path").c_str());
    VLOG(6, kComponent, 111, "(%5d:%5d) [INFO] main(%d): >>> user_larkspan_drive_ui_path = %s\n",
         PathOf("user_larkspan_drive_ui_path").c_str());
    VLOG(6, kComponent, 112, "(%5d:%5d) [INFO] main(%d): >>> root_resource_path = %s\n",
         PathOf("root_resource_path").c_str());
}

// Without a log folder the logger keeps its initial state: ERROR and
// WARNING lines on standard error, nothing else.
void OpenLog()
{
    const std::string levelFile = PathOf("root_resource_path") + "/log/launcher.debug";
    const std::string logDir = PathOf("user_velmora_drive_path") + "/log";
    if (!QDir().mkpath(QString::fromStdString(logDir)))
        return;
    Logger::Initialize(Logger::TYPE_FILE, logDir + "/launcher.log", levelFile, 50, Logger::SCOPE_LOCK);
    LogStartupPaths();
}

// An empty translator (unknown language, unreadable resource) is dropped and
// the English source texts show.
void InstallTranslator(const QString &language)
{
    QTranslator *translator = new QTranslator(nullptr);
    translator->load(":/" + language + ".qm", "", "", "");
    if (translator->isEmpty())
        delete translator;
    else
        QCoreApplication::installTranslator(translator);
}

}  // namespace

int main(int argc, char **argv)
{
    setlocale(LC_ALL, "");
    EnsureHome();
    qInitResources_texts();
    SetPluginPath(argv[0]);

    QtSingleApplication app(argc, argv, true);
    UseUtf8Names();
    RegisterPaths();
    OpenLog();
    if (app.isRunning()) {
        VLOG(7, kComponent, 154, "(%5d:%5d) [DEBUG] main(%d): app has already launched, return\n");
        return 0;
    }

    const QString language = VelmoraLocale::getInstance()->getDefaultLanguage();
    InstallTranslator(language);
    StrTable::InitStrTable();
    QApplication::setFont(ApplicationFont(language), nullptr);

    Launcher *launcher = new Launcher();
    launcher->Run();
    launcher->Start();
    const int result = QApplication::exec();
    delete launcher;
    return result;
}

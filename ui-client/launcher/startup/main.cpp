#include "driver/app-font.h"
#include "driver/launcher.h"
#include "log.h"
#include "package/ctype-locale.h"
#include "qtsingleapplication.h"
#include "service/mac/client-process.h"
#include "startup/home-folder.h"
#include "startup/launcher-options.h"
#include "startup/process-end.h"
#include "startup/startup-paths.h"
#include "texts/strtable.h"
#include "velmoralocale.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <string>

#define LOG_TAG "main"
#define LOG_COMPONENT "launcher_debug"

int qInitResources_texts();

namespace {

// Printed among the start-up paths but never registered: always empty.
constexpr RegistryKey kOldAppPath{"user_larkspan_app_path"};
constexpr RegistryKey kOldDataPath{"user_larkspan_data_path"};
constexpr RegistryKey kOldWorkingDirPath{"user_larkspan_working_dir_path"};
constexpr RegistryKey kOldUiPath{"user_larkspan_drive_ui_path"};

// The bundle's own plug-ins come first so that the bundle runs with the Qt
// it carries. On Linux the system's plug-in folder follows, so a bundle
// without plug-ins still starts; on macOS the bundle is self-contained.
//
// argv[0] names the bundle only when it is a path to the executable itself:
// a name found through PATH, or a link to the executable kept elsewhere,
// would point outside it. The running image's own path is taken instead
// where the system tells it.
void SetPluginPath(const char* argv0)
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

// Lines 106 to 112 of the start-up log, one a key, in this order.
void LogStartupPaths()
{
    const RegistryKey keys[] = {kOldProductPath,    kOldAppPath, kOldResourcePath, kOldDataPath,
                                kOldWorkingDirPath, kOldUiPath,  kRootResourcePath};
    int line = 106;
    for (const RegistryKey& key : keys)
        VLOG_INFO(line++, ">>> %s = %s\n", key.name, PathOf(key).c_str());
}

// A log folder that is a link is no log folder: lines would land wherever
// it leads, in a folder of another user when root runs with that user's
// home.
bool IsRealFolder(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Without a log folder the logger keeps its initial state: ERROR and
// WARNING lines on standard error, nothing else.
void OpenLog()
{
    const std::string folder = LogFolderPath();
    if (!QDir().mkpath(QString::fromStdString(folder)) || !IsRealFolder(folder))
        return;
    Logger::Initialize(Logger::TYPE_FILE, LogFilePath(), LevelFilePath(), 50, Logger::SCOPE_LOCK);
    LogStartupPaths();
}

// An empty translator (unknown language, unreadable resource) is dropped and
// the English source texts show.
void InstallTranslator(const QString& language)
{
    QTranslator* translator = new QTranslator(nullptr);
    translator->load(":/" + language + ".qm", "", "", "");
    if (translator->isEmpty())
        delete translator;
    else
        QCoreApplication::installTranslator(translator);
}

}  // namespace

// How the launcher ends, written down here only. A return before the run
// (an option, an unusable home, another launcher already running) leaves
// main the ordinary way: the application object, if there is one yet, is
// torn down, which costs little before a window or font has been loaded,
// and the functions registered with atexit run. After the run the process
// ends through EndProcess (process-end.h) instead: by then the dialog has
// loaded the font configuration, whose teardown would cost more than the
// rest of the start, and the run has left nothing for exit handlers to do.
int main(int argc, char** argv)
{
    // The options come before anything that could create a file, take the
    // instance lock or need a display.
    const LauncherOption option = FindLauncherOption(argc, argv);
    if (option != LauncherOption::None)
        return RunLauncherOption(option, argc, argv);

    setlocale(LC_ALL, "");
    if (!EnsureHome() || !IsPerUserFolderOwn())
        return kExitHomeUnusable;
    qInitResources_texts();
    SetPluginPath(argv[0]);

    QtSingleApplication app(argc, argv, true);
    RegisterPaths();
    OpenLog();
    // The application object set the locale from the environment again, so
    // this comes after it; after the log too, so that a warning lands there.
    UseUtf8CharacterType();
    if (app.isRunning()) {
        VLOG_DEBUG(154, "app has already launched, return\n");
        return kExitDone;
    }

    const QString language = VelmoraLocale::getInstance()->getDefaultLanguage();
    InstallTranslator(language);
    StrTable::InitStrTable();
    QApplication::setFont(ApplicationFont(language), nullptr);

    Launcher* launcher = new Launcher();
    launcher->Run();
    launcher->Start();
    const int result = QApplication::exec();
    delete launcher;
    EndProcess(result);
}

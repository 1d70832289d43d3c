// A stand-in for the client application that the launcher installs and
// starts: it records its pid where the launcher looks for it, shows a window
// naming its build, and ends cleanly on SIGTERM.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int termPipe[2] = {-1, -1};

void OnTerm(int)
{
    const char byte = 1;
    // Nothing to do if the pipe is full: a quit is already pending.
    ssize_t ignored = write(termPipe[1], &byte, 1);
    (void)ignored;
}

// Both ends closed on exec and never blocking; pipe2 is Linux's alone.
bool OpenTermPipe()
{
    if (pipe(termPipe) != 0)
        return false;
    for (int fd : termPipe) {
        if (fcntl(fd, F_SETFD, FD_CLOEXEC) != 0 || fcntl(fd, F_SETFL, O_NONBLOCK) != 0)
            return false;
    }
    return true;
}

// A signal handler may only do async-signal-safe work; the pipe hands the
// signal to the event loop, which quits normally.
bool WatchSigterm(QObject* owner)
{
    if (!OpenTermPipe()) {
        fprintf(stderr, "cloud-drive-ui: pipe: %s\n", strerror(errno));
        return false;
    }
    auto* notifier = new QSocketNotifier(termPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &QCoreApplication::quit);
    struct sigaction action {};
    action.sa_handler = OnTerm;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGTERM, &action, nullptr) == 0;
}

QString PidFilePath()
{
    return QDir::homePath() + "/.VelmoraDrive/ui.pid";
}

bool WritePidFile()
{
    QFile file(PidFilePath());
    if (!QDir().mkpath(QDir::homePath() + "/.VelmoraDrive") || !file.open(QIODevice::WriteOnly)) {
        fprintf(stderr, "cloud-drive-ui: cannot write '%s'\n", qPrintable(file.fileName()));
        return false;
    }
    file.write(QString("pid=%1\n").arg(getpid()).toLatin1());
    return true;
}

// Only our own record is removed: a newer client may have replaced it.
void RemovePidFile()
{
    QFile file(PidFilePath());
    if (file.open(QIODevice::ReadOnly) && file.readAll().trimmed() == QString("pid=%1").arg(getpid()).toLatin1())
        file.remove();
}

// The build number of the bundle this executable belongs to.
QString BundleBuild()
{
    QSettings info(QCoreApplication::applicationDirPath() + "/../Resources/INFO", QSettings::IniFormat);
    return info.value("Version/build_version", "?").toString();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!WatchSigterm(&app) || !WritePidFile())
        return 1;
    const QString build = BundleBuild();
    QLabel window(QString("Velmora Drive Client (demo), build %1").arg(build));
    window.setWindowTitle("Velmora Drive Client");
    window.setMinimumSize(360, 120);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    printf("cloud-drive-ui: build %s running as pid %d\n", qPrintable(build), getpid());
    fflush(stdout);
    const int result = app.exec();
    RemovePidFile();
    return result;
}

// The peer of the launcher's start-up benchmark: a Qt widgets program that
// creates its application object and quits. With --no-teardown it ends with
// _exit instead of destroying the application object, as the launcher does,
// which shows the launcher's own cost apart from that saving.
#include <QApplication>
#include <QTimer>

#include <unistd.h>

#include <cstring>

int main(int argc, char** argv)
{
    const bool teardown = !(argc > 1 && strcmp(argv[1], "--no-teardown") == 0);
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int status = QApplication::exec();
    if (!teardown)
        _exit(status);
    return status;
}

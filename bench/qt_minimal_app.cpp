// The peer of the launcher's start-up benchmark: a Qt widgets program that
// creates its application object and quits.
#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}

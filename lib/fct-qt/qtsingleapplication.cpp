#include "qtsingleapplication.h"

#include "instancelock.h"

#include <QDir>

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool GUIenabled)
    : QApplication(argc, argv, GUIenabled), instanceLock(new InstanceLock(instanceLockName(QDir::homePath())))
{
    lockResult = instanceLock->tryLock();
}

QtSingleApplication::~QtSingleApplication()
{
    delete instanceLock;
}

bool QtSingleApplication::isRunning() const
{
    // A lock that cannot be used at all does not stop the launcher: it is
    // better to run unguarded than never to start.
    return lockResult == InstanceLock::HeldElsewhere;
}

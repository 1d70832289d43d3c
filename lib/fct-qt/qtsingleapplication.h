#ifndef QTSINGLEAPPLICATION_H
#define QTSINGLEAPPLICATION_H

#include <QApplication>

#include "instancelock.h"

// The application object of the launcher, which also knows whether another
// launcher of the same user and home folder is running. The first instance
// holds a lock for its whole life; the operating system drops it when the
// process ends, so a crashed instance never blocks the next start.
class QtSingleApplication : public QApplication {
    Q_OBJECT

public:
    QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True while another instance holds the lock.
    bool isRunning() const;

private:
    InstanceLock* instanceLock;
    InstanceLock::Result lockResult;
};

#endif  // QTSINGLEAPPLICATION_H

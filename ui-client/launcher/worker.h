#ifndef WORKER_H
#define WORKER_H

#include <QObject>
#include <QString>
#include <QThread>

class Service;

// The thread the upgrade service runs on: it only runs its event loop, so
// that queued calls to the worker execute there.
class HandlerThread : public QThread
{
    Q_OBJECT

protected:
    void run() override;
};

// Runs the upgrade service sequence once, on its own thread, and reports to
// the launch driver by signals only.
class Worker : public QObject
{
    Q_OBJECT

public:
    // Builds the platform's service; the path registry must be filled.
    Worker();
    // Takes ownership of the given service (tests use a fake one).
    explicit Worker(Service *service);
    ~Worker() override;

    void StartThread();
    void QuitThread();
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(const QString &text);

private slots:
    void HandleServicce();

private:
    HandlerThread *thread;
    Service *service;
};

#endif // WORKER_H

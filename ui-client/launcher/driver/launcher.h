#ifndef LAUNCHER_H
#define LAUNCHER_H

#include <QObject>
#include <QString>

#include "driver/progress-throttle.h"

class ProcessingProgressDialog;
class Service;
class Worker;

// The launch driver: runs the upgrade service on the worker's thread and
// mirrors its progress in the progress dialog, on the GUI thread.
class Launcher : public QObject {
    Q_OBJECT

public:
    Launcher();
    // Takes ownership of the given service (tests use a fake one).
    explicit Launcher(Service* service);
    ~Launcher() override;

    // Starts the worker's thread.
    void Run();
    // Queues the service sequence to the worker's thread.
    void Start();

signals:
    void sigStart();

private slots:
    void LaunchDone();
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString& text);
    void ShowMsgBox();

private:
    void Setup();
    ProcessingProgressDialog* Dialog();

    Worker* worker;
    ProcessingProgressDialog* dialog;
    // The relay's counts, one per entry from the worker thread, reach the
    // dialog through it at most once a frame.
    ProgressThrottle progress;
};

#endif  // LAUNCHER_H

#include "driver/launcher.h"

#include "driver/progress-dialog.h"
#include "driver/worker.h"
#include "texts/notify-adapter.h"

#include <QCoreApplication>

Launcher::Launcher() : QObject(nullptr), worker(new Worker()), dialog(nullptr)
{
    Setup();
}

Launcher::Launcher(Service* service) : QObject(nullptr), worker(new Worker(service)), dialog(nullptr)
{
    Setup();
}

Launcher::~Launcher()
{
    delete worker;
    delete dialog;
}

// The worker lives on its own thread, so every connection below is
// delivered queued: the service runs there, the dialog is fed here. The
// relay's counts are the exception: they go directly, on the worker
// thread, into the throttle, which hands the newest to this thread.
void Launcher::Setup()
{
    Notify_Adapter* relay = Notify_Adapter::GetInstance();
    connect(this, SIGNAL(sigStart()), worker, SLOT(HandleServicce()));
    connect(worker, SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()));
    connect(worker, SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()));
    connect(worker, SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
    connect(worker, SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)));
    connect(relay, SIGNAL(sigUpdateProgress(int, int)), &progress, SLOT(Report(int, int)), Qt::DirectConnection);
    connect(&progress, SIGNAL(sigProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
    connect(relay, SIGNAL(sigUpdateDialogText(QString)), this, SLOT(SetLabelText(QString)));
}

// Built when first needed, not with the driver: a run with nothing to
// install never shows it, and building it loads the fonts and the icon's
// image plug-ins, which cost as much as the whole of such a run.
ProcessingProgressDialog* Launcher::Dialog()
{
    if (dialog != nullptr)
        return dialog;
    dialog = new ProcessingProgressDialog();
    return dialog;
}

void Launcher::Run()
{
    worker->StartThread();
}

void Launcher::Start()
{
    emit sigStart();
}

// The throttle may hold back its newest count until the end of a frame;
// each slot passes it on first, so that the dialog sees everything in the
// order it was sent.
void Launcher::ShowMsgBox()
{
    progress.Flush();
    Dialog()->show();
}

void Launcher::UpdateProgress(int total, int steps)
{
    progress.Flush();
    // Every sender passes total >= 1; a zero would trap on the division.
    // 64 bits keep steps * 100 from overflowing for huge archives.
    if (total < 1)
        return;
    Dialog()->setValue(static_cast<int>(static_cast<qint64>(steps) * 100 / total));
}

void Launcher::SetLabelText(const QString& text)
{
    progress.Flush();
    Dialog()->setLabelText(text);
}

// The worker has returned from its sequence, so the join is short. A run
// that installed nothing has no dialog to close.
void Launcher::LaunchDone()
{
    progress.Flush();
    if (dialog != nullptr) {
        dialog->setValue(100);
        dialog->hide();
    }
    worker->FinishThread();
    QCoreApplication::quit();
}

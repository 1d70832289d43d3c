#include "launcher.h"

#include "notify-adapter.h"
#include "progress-dialog.h"
#include "worker.h"

#include <QCoreApplication>

Launcher::Launcher()
    : QObject(nullptr), worker(new Worker()), dialog(nullptr)
{
    Setup();
}

Launcher::Launcher(Service *service)
    : QObject(nullptr), worker(new Worker(service)), dialog(nullptr)
{
    Setup();
}

Launcher::~Launcher()
{
    delete worker;
    delete dialog;
}

// The worker lives on its own thread, so every connection below is
// delivered queued: the service runs there, the dialog is fed here.
void Launcher::Setup()
{
    dialog = new ProcessingProgressDialog();

    Notify_Adapter *relay = Notify_Adapter::GetInstance();
    connect(this, SIGNAL(sigStart()), worker, SLOT(HandleServicce()));
    connect(worker, SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()));
    connect(worker, SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()));
    connect(worker, SIGNAL(sigUpdateProgress(int,int)), this, SLOT(UpdateProgress(int,int)));
    connect(worker, SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)));
    connect(relay, SIGNAL(sigUpdateProgress(int,int)), this, SLOT(UpdateProgress(int,int)));
    connect(relay, SIGNAL(sigUpdateDialogText(QString)), this, SLOT(SetLabelText(QString)));
}

void Launcher::Run()
{
    worker->StartThread();
}

void Launcher::Start()
{
    emit sigStart();
}

void Launcher::ShowMsgBox()
{
    dialog->show();
}

void Launcher::UpdateProgress(int total, int steps)
{
    // Every sender passes total >= 1; a zero would trap on the division.
    // 64 bits keep steps * 100 from overflowing for huge archives.
    if (total < 1)
        return;
    dialog->setValue(static_cast<int>(static_cast<qint64>(steps) * 100 / total));
}

void Launcher::SetLabelText(const QString &text)
{
    dialog->setLabelText(text);
}

// The worker has returned from its sequence, so the join is short.
void Launcher::LaunchDone()
{
    dialog->setValue(100);
    dialog->hide();
    worker->QuitThread();
    worker->JoinThread();
    QCoreApplication::quit();
}

#include "texts/notify-adapter.h"

Notify_Adapter* Notify_Adapter::GetInstance()
{
    // Function-local static: built once, thread-safely, on the first call.
    static Notify_Adapter instance;
    return &instance;
}

void Notify_Adapter::UpdateProgress(int total, int current)
{
    emit sigUpdateProgress(total, current);
}

void Notify_Adapter::UpdateDialogText(QString text)
{
    emit sigUpdateDialogText(text);
}

// Starting the per-user client on Linux: there is no registration step and
// no opener, the client UI executable itself is started detached in its
// working folder.
#include "client-process.h"
#include "mac-service.h"
#include "uipathmanager.h"

int MacService::LaunchPerUserBin()
{
    UIPathManager* registry = UIPathManager::getInstance();
    QString program = registry->getPath(QStringLiteral("user_velmora_drive_ui_path"));
    QString working_dir = registry->getPath(QStringLiteral("user_velmora_drive_working_dir_path"));
    if (program.isEmpty()) {
        return -1;
    }
    return client_process.StartDetached(program, QStringList(), working_dir) ? 0 : -1;
}

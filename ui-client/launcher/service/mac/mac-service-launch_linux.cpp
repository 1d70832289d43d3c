// Starting the per-user client on Linux: there is no registration step and
// no opener, the client UI executable itself is started detached in its
// working folder.
#include "service/mac/client-process.h"
#include "service/mac/mac-service.h"
#include "service/service-registry.h"

int MacService::LaunchPerUserBin()
{
    QString program = ToQString(layout.client);
    QString working_dir = ToQString(layout.working_dir);
    if (program.isEmpty()) {
        return -1;
    }
    return client_process.StartDetached(program, QStringList(), working_dir) ? 0 : -1;
}

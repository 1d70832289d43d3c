// Starting the per-user client on macOS: the bundle is unregistered from
// Launch Services, then opened as a new instance. Log lines carry the tag of
// the class, "mac/mac-service".
#include "log.h"
#include "service/mac/client-process.h"
#include "service/mac/mac-service.h"
#include "service/service-registry.h"

#define LOG_TAG "mac/mac-service"
#define LOG_COMPONENT "service_debug"

namespace {

const char kRegisterTool[] =
    "/System/Library/Frameworks/CoreServices.framework/Frameworks/LaunchServices.framework/"
    "Support/lsregister";
const char kOpener[] = "/usr/bin/open";

}  // namespace

int MacService::LaunchPerUserBin()
{
    QString bundle = ToQString(layout.bundle);
    if (client_process.Execute(QString::fromLatin1(kRegisterTool), {QStringLiteral("-u"), bundle}) != 0) {
        VLOG_ERROR(__LINE__, "Cannot unregister bundle, %s", ToUstring(bundle).c_str());
    }
    bool started =
        client_process.StartDetached(QString::fromLatin1(kOpener), {QStringLiteral("-n"), bundle}, QString());
    return started ? 0 : -1;
}

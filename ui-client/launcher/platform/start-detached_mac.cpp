// Starting a program that outlives the launcher, on macOS.
#include <QProcess>

#include "platform/start-detached.h"

// The opener returns at once and the client is started by the system, so
// the toolkit's own detached start is kept here.
bool StartDetachedProcess(const QString& program, const QStringList& args, const QString& working_dir)
{
    return QProcess::startDetached(program, args, working_dir);
}

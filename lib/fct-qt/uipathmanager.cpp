#include "uipathmanager.h"

#include <QReadLocker>
#include <QWriteLocker>

UIPathManager* UIPathManager::getInstance()
{
    static UIPathManager instance;
    return &instance;
}

int UIPathManager::setPath(const QString& key, const QString& value)
{
    if (key.isEmpty())
        return -1;
    QWriteLocker locker(&lock);
    paths.insert(key, value);
    return 0;
}

QString UIPathManager::getPath(const QString& key) const
{
    QReadLocker locker(&lock);
    return paths.value(key);
}

#include "service-registry.h"

#include <QByteArray>
#include <QDir>

#include "uipathmanager.h"

ustring ToUstring(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    return ustring(std::string(utf8.constData(), static_cast<size_t>(utf8.size())));
}

ustring RegistryPath(const char* key)
{
    return ToUstring(UIPathManager::getInstance()->getPath(QString::fromLatin1(key)));
}

QString NativeRegistryPath(const char* key)
{
    return QDir::toNativeSeparators(UIPathManager::getInstance()->getPath(QString::fromLatin1(key)));
}

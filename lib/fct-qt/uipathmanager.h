#ifndef UIPATHMANAGER_H
#define UIPATHMANAGER_H

#include <QHash>
#include <QReadWriteLock>
#include <QString>

// Process-wide registry of named, absolute paths ("root_resource_path",
// "user_velmora_drive_path", ...). Start-up stores them before any worker
// thread exists; afterwards any thread may read them.
class UIPathManager {
public:
    static UIPathManager* getInstance();

    // Stores or replaces the path of a key. Returns 0, or -1 for an empty key.
    int setPath(const QString& key, const QString& value);

    // The value last stored for the key, unchanged; empty for a key never stored.
    QString getPath(const QString& key) const;

    UIPathManager(const UIPathManager&) = delete;
    UIPathManager& operator=(const UIPathManager&) = delete;

private:
    UIPathManager() = default;

    // Writes happen once at start-up, but a lock keeps a late writer from
    // corrupting the table under concurrent readers.
    mutable QReadWriteLock lock;
    QHash<QString, QString> paths;
};

#endif  // UIPATHMANAGER_H

#include "package/version-file.h"

#include <cerrno>
#include <cstdlib>

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

#include "regular_file.h"

namespace {

ustring ValueText(const QSettings& settings, const QString& key)
{
    return ustring(settings.value(key, QVariant()).toString().toUtf8().toStdString());
}

}  // namespace

// QSettings opens the file by name and would wait forever on a named pipe
// for a writer: only a regular file is handed to it, anything else reads as
// a file without keys. Whoever could swap it for a pipe in between owns the
// file and could stop the launcher anyway.
int ReadVersionFile(const ustring& path, VerInfo& info, ustring* package_sha256)
{
    if (!IsRegularFile(path.c_str())) {
        return errno == ENOENT ? 0 : -1;
    }
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Version"));
    struct Field {
        const char* key;
        ustring* value;
    } fields[] = {
        {"major_version", &info.major_version},
        {"minor_version", &info.minor_version},
        {"build_version", &info.build_version},
        {"icon_overlay_version", &info.icon_overlay_version},
    };
    for (const Field& field : fields) {
        QString key = QString::fromLatin1(field.key);
        if (settings.contains(key)) {
            *field.value = ValueText(settings, key);
        }
    }
    if (package_sha256) {
        *package_sha256 = ValueText(settings, QString::fromLatin1(kPackageSha256Key));
    }
    return settings.status() == QSettings::NoError ? 0 : -1;
}

ustring ReadVersionKey(const ustring& path, const char* key)
{
    if (!IsRegularFile(path.c_str())) {
        return ustring();
    }
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Version"));
    return ValueText(settings, QString::fromLatin1(key));
}

const char kPackageSha256Key[] = "package_sha256";

int BuildNumber(const ustring& build_version)
{
    return build_version.empty() ? 0 : atoi(build_version.c_str());
}

#include "bundle-info.h"

#include <QSettings>
#include <QString>

#include <cstdlib>

int WriteInfo(const std::string& path, const VerInfo& version, const std::string& sha256)
{
    QSettings info(QString::fromStdString(path), QSettings::IniFormat);
    info.beginGroup("Version");
    const struct {
        const char* key;
        const ustring& value;
    } fields[] = {
        {"major_version", version.major_version},
        {"minor_version", version.minor_version},
        {"build_version", version.build_version},
        {"icon_overlay_version", version.icon_overlay_version},
    };
    for (const auto& field : fields) {
        if (!field.value.empty())
            info.setValue(field.key, QString::fromUtf8(field.value.c_str()));
    }
    info.setValue(kPackageSha256Key, QString::fromStdString(sha256));
    info.endGroup();
    info.sync();
    return info.status() == QSettings::NoError ? 0 : -1;
}

bool IsWholeBuildNumber(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const size_t first = text.find_first_not_of('0');
    if (first == std::string::npos)
        return false;
    const std::string digits = text.substr(first);
    return digits.size() < 10 || (digits.size() == 10 && digits <= "2147483647");
}

void CheckBuild(const VerInfo& version, const std::string& where, Problems& problems)
{
    const std::string build = version.build_version.c_str();
    if (build.empty())
        problems.push_back(where + " has no build_version (or cannot be read)");
    else if (!IsWholeBuildNumber(build))
        problems.push_back(where + ": build_version '" + build +
                           "' is not a whole number from 1 (the launcher would read " +
                           std::to_string(atoi(build.c_str())) + ")");
}

#include "report.h"

#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>

#include "bundle-info.h"
#include "package-writer.h"

namespace {

// Names that are not UTF-8 cannot be JSON text; they show with U+FFFD.
QJsonValue Text(const std::string& text)
{
    return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
}

void PrintJson(const Report& report)
{
    QJsonArray problems;
    for (const std::string& problem : report.problems)
        problems.append(QString::fromStdString(problem));
    const std::string build = report.build.c_str();
    QJsonObject object;
    object["bundle"] = QString::fromStdString(report.bundle);
    object["status"] = report.status;
    object["build"] = IsWholeBuildNumber(build) ? QJsonValue(atoi(build.c_str())) : QJsonValue();
    object["package_sha256"] = Text(report.package_sha256);
    object["entries"] = report.entries;
    object["unpacked_bytes"] = static_cast<double>(report.unpacked_bytes);
    object["packed_bytes"] = static_cast<double>(report.packed_bytes);
    object["problems"] = problems;
    printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
}

}  // namespace

void DescribePackageFile(const std::string& package, Report& report)
{
    struct stat st;
    if (stat(package.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    report.packed_bytes = st.st_size;
    if (report.package_sha256.empty())
        report.package_sha256 = FileSha256(package);
}

int Tell(const Report& report, bool json, const std::string& done, const std::string& verdict)
{
    for (const std::string& problem : report.problems)
        fprintf(stderr, "velmora-pack: %s\n", problem.c_str());
    if (report.status != 0)
        fprintf(stderr, "velmora-pack: %s\n", verdict.c_str());
    if (json)
        PrintJson(report);
    else if (report.status == 0)
        printf("%s\n", done.c_str());
    return report.status;
}

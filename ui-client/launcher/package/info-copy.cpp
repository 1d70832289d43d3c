#include "package/info-copy.h"

#include <memory>

#include <QDir>
#include <QTemporaryFile>

#include "package/version-file.h"

namespace {

// Each copy has a name of its own: the reader keeps what it read under a
// name, and would take a copy of the same size and time under that name
// for the one it read before.
const char kCopyPrefix[] = "package-info.";
const char kCopyRandom[] = "XXXXXX";

bool Fill(QTemporaryFile& file, const std::string& bytes)
{
    return file.open() && file.write(bytes.data(), bytes.size()) == static_cast<qint64>(bytes.size()) && file.flush();
}

// A full or read-only per-user folder falls back to the system's temporary
// folder, so that the refusal on a full home names the room, as it does
// without a copy to make.
std::unique_ptr<QTemporaryFile> CopyOf(const std::string& bytes, const ustring& folder, std::string& error)
{
    if (!folder.empty()) {
        auto file =
            std::make_unique<QTemporaryFile>(QString::fromUtf8(folder.c_str()) + "/" + kCopyPrefix + kCopyRandom);
        if (Fill(*file, bytes))
            return file;
    }
    auto file = std::make_unique<QTemporaryFile>();
    if (Fill(*file, bytes))
        return file;
    error = file->errorString().toStdString();
    return nullptr;
}

}  // namespace

int ReadInfoBuild(const std::string& bytes, const ustring& folder, ustring& build, std::string& error)
{
    const std::unique_ptr<QTemporaryFile> copy = CopyOf(bytes, folder, error);
    if (!copy)
        return -1;
    VerInfo info;
    ReadVersionFile(ustring(copy->fileName().toUtf8().toStdString()), info);
    build = info.build_version;
    return 0;
}

void RemoveInfoCopies(const ustring& folder)
{
    if (folder.empty())
        return;
    QDir dir(QString::fromUtf8(folder.c_str()));
    const QString pattern = QString::fromLatin1(kCopyPrefix) + QString(sizeof(kCopyRandom) - 1, QChar('?'));
    for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::NoSymLinks))
        dir.remove(name);
}

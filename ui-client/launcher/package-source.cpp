#include "package-source.h"

#include <archive.h>
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

#include <QCryptographicHash>

#include "regular_file.h"

namespace {

// The block size every reader of the package uses.
const size_t kBlockSize = 10240;
// Larger reads for the digest: fewer calls, the same bytes. Larger than
// this hashes no faster and only adds to the launcher's memory.
const size_t kDigestBlock = 256 << 10;

}  // namespace

PackageSource::PackageSource() : block_(kBlockSize) {}

PackageSource::~PackageSource()
{
    StopHashing();
    if (fd_ >= 0)
        close(fd_);
}

void PackageSource::StopHashing()
{
    stop_hashing_ = true;
    if (hashing_.joinable())
        hashing_.join();
}

int PackageSource::Open(const ustring& path, bool digest, std::string& error)
{
    fd_ = OpenRegularFile(path.c_str(), O_RDONLY);
    struct stat st;
    if (fd_ < 0 && (errno == EISDIR || errno == EINVAL))
        error = "not a regular file";
    else if (fd_ < 0 || fstat(fd_, &st) != 0)
        error = strerror(errno);
    if (!error.empty()) {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
        return -1;
    }
    size_ = st.st_size;
    digest_wanted_ = digest;
    if (digest) {
        try {
            hashing_ = std::thread(&PackageSource::HashFile, this);
        } catch (const std::system_error&) {
            HashFile();  // no thread to be had: hashed here, before the survey
        }
    }
    return 0;
}

int PackageSource::Attach(archive* reader)
{
    archive_read_set_callback_data(reader, this);
    archive_read_set_read_callback(reader, Read);
    archive_read_set_skip_callback(reader, Skip);
    archive_read_set_seek_callback(reader, Seek);
    return archive_read_open1(reader);
}

void PackageSource::HashFile()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::vector<char> block(kDigestBlock);
    for (int64_t at = 0; at < size_; ) {
        if (stop_hashing_)
            return;
        const ssize_t got = pread(fd_, block.data(), block.size(), at);
        if (got <= 0) {
            digest_errno_ = got < 0 ? errno : EIO;
            return;
        }
        hash.addData(block.data(), static_cast<int>(got));
        at += got;
    }
    digest_ = hash.result().toHex().toStdString();
}

ssize_t PackageSource::Read(archive* reader, void* self, const void** buffer)
{
    PackageSource* source = static_cast<PackageSource*>(self);
    const ssize_t got = pread(source->fd_, source->block_.data(), kBlockSize, source->position_);
    if (got < 0) {
        archive_set_error(reader, errno, "Read error: %s", strerror(errno));
        return -1;
    }
    source->position_ += got;
    *buffer = source->block_.data();
    return got;
}

int64_t PackageSource::Skip(archive*, void* self, int64_t request)
{
    PackageSource* source = static_cast<PackageSource*>(self);
    const int64_t skipped = std::max<int64_t>(0, std::min(request, source->size_ - source->position_));
    source->position_ += skipped;
    return skipped;
}

int64_t PackageSource::Seek(archive*, void* self, int64_t offset, int whence)
{
    PackageSource* source = static_cast<PackageSource*>(self);
    const int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? source->position_ : source->size_;
    if (base + offset < 0)
        return ARCHIVE_FATAL;
    source->position_ = base + offset;
    return source->position_;
}

std::string PackageSource::Digest(std::string& error)
{
    if (!digest_wanted_)
        return std::string();
    if (hashing_.joinable())
        hashing_.join();
    if (digest_.empty())
        error = strerror(digest_errno_);
    return digest_;
}

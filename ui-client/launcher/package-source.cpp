#include "package-source.h"

#include <archive.h>
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <QCryptographicHash>

#include "regular_file.h"

namespace {

// The block size every reader of the package uses.
const size_t kBlockSize = 10240;

}  // namespace

PackageSource::PackageSource() : block_(kBlockSize) {}

PackageSource::~PackageSource()
{
    if (fd_ >= 0)
        close(fd_);
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
    if (digest)
        hash_.reset(new QCryptographicHash(QCryptographicHash::Sha256));
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

int PackageSource::HashUpTo(int64_t end)
{
    while (hash_ && hashed_ < end) {
        const size_t want = static_cast<size_t>(std::min<int64_t>(end - hashed_, kBlockSize));
        const ssize_t got = pread(fd_, block_.data(), want, hashed_);
        if (got <= 0) {
            read_errno_ = got < 0 ? errno : EIO;
            return -1;
        }
        hash_->addData(block_.data(), static_cast<int>(got));
        hashed_ += got;
    }
    return 0;
}

ssize_t PackageSource::Read(archive* reader, void* self, const void** buffer)
{
    PackageSource* source = static_cast<PackageSource*>(self);
    // The bytes before the block first, so the digest stays in file order.
    if (source->HashUpTo(source->position_) != 0) {
        archive_set_error(reader, source->read_errno_, "Read error: %s", strerror(source->read_errno_));
        return -1;
    }
    const ssize_t got = pread(source->fd_, source->block_.data(), kBlockSize, source->position_);
    if (got < 0) {
        archive_set_error(reader, errno, "Read error: %s", strerror(errno));
        return -1;
    }
    const int64_t end = source->position_ + got;
    if (source->hash_ && source->hashed_ < end) {
        const int64_t from = source->hashed_ - source->position_;
        source->hash_->addData(source->block_.data() + from, static_cast<int>(got - from));
        source->hashed_ = end;
    }
    source->position_ = end;
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
    if (!hash_)
        return std::string();
    if (HashUpTo(size_) != 0) {
        error = strerror(read_errno_);
        return std::string();
    }
    return hash_->result().toHex().toStdString();
}

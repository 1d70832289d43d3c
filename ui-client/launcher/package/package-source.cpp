#include "package/package-source.h"

#include <archive.h>
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

#include "regular_file.h"

namespace {

// The block an unverified read gives: what the library reads at a time
// from a regular file it opens by name, whatever block size it is asked for
// (the 10240 bytes of the extractor become 64 KiB). Smaller blocks cost the
// survey and the extraction of a package without a digest a system call,
// and a write for stored data, every 10 KiB.
const size_t kBlockSize = 64 << 10;
// The digest reads, and verified reads hash again, a chunk at a time: few
// calls, one saved hash state per chunk. Larger chunks hash no faster and
// only add to the launcher's memory.
const int64_t kChunk = 256 << 10;

}  // namespace

PackageSource::PackageSource() : block_(kBlockSize) {}

PackageSource::~PackageSource()
{
    StopHashing();
    StopReadingAhead();
    if (fd_ >= 0)
        close(fd_);
}

void PackageSource::StopHashing()
{
    stop_hashing_ = true;
    if (hashing_.joinable())
        hashing_.join();
}

int PackageSource::Open(const ustring& path, bool digest, std::string& error, bool* not_regular)
{
    fd_ = OpenRegularFile(path.c_str(), O_RDONLY);
    struct stat st;
    const bool other_kind = fd_ < 0 && (errno == EISDIR || errno == EINVAL);
    if (other_kind)
        error = "not a regular file";
    else if (fd_ < 0 || fstat(fd_, &st) != 0)
        error = strerror(errno);
    if (not_regular)
        *not_regular = other_kind;
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
    position_ = 0;
    archive_read_set_callback_data(reader, this);
    archive_read_set_read_callback(reader, Read);
    archive_read_set_skip_callback(reader, Skip);
    archive_read_set_seek_callback(reader, Seek);
    return archive_read_open1(reader);
}

// Reads the whole chunk, or what the file still holds of it; 0, or errno.
int PackageSource::ReadChunk(int64_t chunk, std::vector<char>& into, size_t& got) const
{
    const int64_t start = chunk * kChunk;
    const size_t want = static_cast<size_t>(std::min(kChunk, size_ - start));
    into.resize(kChunk);
    const ssize_t n = ReadAt(start, into.data(), want);
    got = n < 0 ? 0 : static_cast<size_t>(n);
    return n < 0 ? errno : 0;
}

ssize_t PackageSource::ReadAt(int64_t offset, void* into, size_t size) const
{
    size_t got = 0;
    while (got < size) {
        const ssize_t n = pread(fd_, static_cast<char*>(into) + got, size - got, offset + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += n;
    }
    return static_cast<ssize_t>(got);
}

void PackageSource::HashFile()
{
    Sha256 hash;
    std::vector<char> chunk;
    for (int64_t j = 0; j * kChunk < size_; ++j) {
        if (stop_hashing_)
            return;
        size_t got = 0;
        digest_errno_ = ReadChunk(j, chunk, got);
        if (digest_errno_ == 0 && got < static_cast<size_t>(std::min(kChunk, size_ - j * kChunk)))
            digest_errno_ = EIO;  // the file shrank
        if (digest_errno_ != 0)
            return;
        chunk_starts_.push_back(hash);
        hash.Add(chunk.data(), got);
    }
    digest_ = hash.Hex();
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

bool PackageSource::VerifyReads()
{
    std::string error;
    verify_ = IsOpen() && !Digest(error).empty();
    if (verify_ && !reading_ahead_.joinable()) {
        try {
            reading_ahead_ = std::thread(&PackageSource::ReadAhead, this);
        } catch (const std::system_error&) {
            // No thread to be had: each chunk is read and checked when asked for.
        }
    }
    return verify_;
}

// Reads chunk j into `into` and checks it against the state the digest
// went through at its end: a later chunk's start, or the digest itself.
PackageSource::Checked PackageSource::CheckChunk(int64_t chunk, std::vector<char>& into) const
{
    Checked checked;
    checked.error = ReadChunk(chunk, into, checked.size);
    if (checked.error != 0)
        return checked;
    Sha256 hash = chunk_starts_[chunk];
    hash.Add(into.data(), checked.size);
    const size_t next = static_cast<size_t>(chunk) + 1;
    checked.changed = hash.Hex() != (next < chunk_starts_.size() ? chunk_starts_[next].Hex() : digest_);
    return checked;
}

void PackageSource::ReadAhead()
{
    std::unique_lock<std::mutex> lock(ahead_mutex_);
    for (;;) {
        ahead_changed_.wait(lock, [this] { return stop_reading_ahead_ || (ahead_wanted_ >= 0 && !ahead_ready_); });
        if (stop_reading_ahead_)
            return;
        const int64_t chunk = ahead_wanted_;
        lock.unlock();
        const Checked checked = CheckChunk(chunk, ahead_block_);
        lock.lock();
        ahead_ = checked;
        ahead_ready_ = true;
        ahead_changed_.notify_all();
    }
}

void PackageSource::StopReadingAhead()
{
    {
        std::lock_guard<std::mutex> lock(ahead_mutex_);
        stop_reading_ahead_ = true;
    }
    ahead_changed_.notify_all();
    if (reading_ahead_.joinable())
        reading_ahead_.join();
}

void PackageSource::AskAhead(int64_t chunk)
{
    if (!reading_ahead_.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(ahead_mutex_);
        ahead_wanted_ = chunk;
        ahead_ready_ = false;
    }
    ahead_changed_.notify_all();
}

// The chunk read ahead into block_, when it is the one asked for. Whatever
// was read ahead is done with either way: a reader that went elsewhere
// does not come back for it.
bool PackageSource::TakeAhead(int64_t chunk, Checked& checked)
{
    std::unique_lock<std::mutex> lock(ahead_mutex_);
    if (ahead_wanted_ < 0)
        return false;
    ahead_changed_.wait(lock, [this] { return ahead_ready_; });
    const bool wanted = ahead_wanted_ == chunk;
    if (wanted) {
        block_.swap(ahead_block_);
        checked = ahead_;
    }
    ahead_wanted_ = -1;
    ahead_ready_ = false;
    return wanted;
}

// Puts chunk j into block_, checked, and has the next one read meanwhile.
int PackageSource::LoadChunk(archive* reader, int64_t chunk)
{
    loaded_chunk_ = -1;
    Checked checked;
    if (!TakeAhead(chunk, checked))
        checked = CheckChunk(chunk, block_);
    if (checked.error != 0) {
        archive_set_error(reader, checked.error, "Read error: %s", strerror(checked.error));
        return -1;
    }
    if (checked.changed) {
        archive_set_error(reader, EIO, "the package changed after it was checked: bytes %lld to %lld differ",
                          static_cast<long long>(chunk * kChunk),
                          static_cast<long long>(std::min(size_, (chunk + 1) * kChunk) - 1));
        return -1;
    }
    loaded_chunk_ = chunk;
    loaded_size_ = checked.size;
    if ((chunk + 1) * kChunk < size_)
        AskAhead(chunk + 1);
    return 0;
}

ssize_t PackageSource::ReadVerified(archive* reader, const void** buffer)
{
    if (position_ >= size_)
        return 0;
    const int64_t chunk = position_ / kChunk;
    if (chunk != loaded_chunk_ && LoadChunk(reader, chunk) != 0)
        return -1;
    const size_t offset = static_cast<size_t>(position_ - chunk * kChunk);
    *buffer = block_.data() + offset;
    position_ += loaded_size_ - offset;
    return static_cast<ssize_t>(loaded_size_ - offset);
}

ssize_t PackageSource::Read(archive* reader, void* self, const void** buffer)
{
    PackageSource* source = static_cast<PackageSource*>(self);
    if (source->verify_)
        return source->ReadVerified(reader, buffer);
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

int ReadNextHeader(archive* reader, archive_entry** entry)
{
    errno = 0;
    return archive_read_next_header(reader, entry);
}

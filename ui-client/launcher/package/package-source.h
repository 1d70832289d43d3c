#ifndef VELMORA_LAUNCHER_PACKAGE_SOURCE_H
#define VELMORA_LAUNCHER_PACKAGE_SOURCE_H

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/sha256.h"
#include "ustring.h"

struct archive;
struct archive_entry;

// archive_read_next_header from a cleared errno. Where the library cannot
// convert an entry's name it ends the whole process when errno says ENOMEM,
// even an ENOMEM left over from an earlier, handled failure (a package that
// asked it for a huge buffer): a hostile package must fail, not end the
// launcher.
int ReadNextHeader(archive* reader, archive_entry** entry);

// The package file, opened once and read by every reader of it (the
// survey, the extraction, the packaging tool's checks) through callbacks
// that let the archive library skip and seek as it likes (so zip and plain
// tar are read header by header). Replacing the file by name afterwards
// changes nothing for them.
//
// When a digest is asked for, a thread of its own hashes the whole file
// meanwhile: the digest is the slower of the two reads, and on a second
// core it no longer adds to the survey's time. On the way it keeps the
// hash state at the start of every chunk, so that once reads are verified
// (VerifyReads) each chunk a reader is given is hashed again from that
// state and must end in the state the checked digest went through: a byte
// rewritten or cut off after the check fails the read, in whatever order
// the library reads. Another thread reads and checks the chunk after the
// one the reader was last given while the reader works through that one,
// so the second hashing no longer adds to the extraction's time either.
class PackageSource {
public:
    PackageSource();
    ~PackageSource();
    PackageSource(const PackageSource&) = delete;
    PackageSource& operator=(const PackageSource&) = delete;

    // Opens a regular file without blocking (a named pipe in its place must
    // not hang the caller); 0, or -1 with the reason in `error` and
    // `not_regular` set when something other than a regular file is there.
    int Open(const ustring& path, bool digest, std::string& error, bool* not_regular = nullptr);
    bool IsOpen() const { return fd_ >= 0; }
    int64_t Size() const { return size_; }
    // Reads up to `size` bytes at `offset`, beside any reader (a zip's
    // directory at the file's end); the bytes read, fewer only at the end
    // of the file, or -1 with errno set.
    ssize_t ReadAt(int64_t offset, void* into, size_t size) const;
    // Hands the file, from its start, to a reader made by archive_read_new;
    // the library's status of archive_read_open1.
    int Attach(archive* reader);
    // The digest in lowercase hex once the whole file is hashed; empty
    // with the reason in `error` when the file cannot be read.
    std::string Digest(std::string& error);
    // From now on a reader gets only bytes that hash as they did for the
    // digest; false when there is no digest to verify against.
    bool VerifyReads();

private:
    // A chunk read and checked against the digest.
    struct Checked {
        size_t size = 0;
        int error = 0;         // errno of the read
        bool changed = false;  // it no longer hashes as it did for the digest
    };

    static ssize_t Read(archive* reader, void* self, const void** buffer);
    static int64_t Skip(archive* reader, void* self, int64_t request);
    static int64_t Seek(archive* reader, void* self, int64_t offset, int whence);
    ssize_t ReadVerified(archive* reader, const void** buffer);
    int LoadChunk(archive* reader, int64_t chunk);
    Checked CheckChunk(int64_t chunk, std::vector<char>& into) const;
    int ReadChunk(int64_t chunk, std::vector<char>& into, size_t& got) const;
    void HashFile();
    void StopHashing();
    void ReadAhead();
    void StopReadingAhead();
    void AskAhead(int64_t chunk);
    bool TakeAhead(int64_t chunk, Checked& checked);

    int fd_ = -1;
    int64_t size_ = 0;
    int64_t position_ = 0;
    std::vector<char> block_;
    bool digest_wanted_ = false;
    std::thread hashing_;
    std::atomic<bool> stop_hashing_{false};
    // Written by the hashing thread, read after it is joined.
    std::string digest_;
    int digest_errno_ = 0;
    std::vector<Sha256> chunk_starts_;  // the hash state at the start of each chunk
    bool verify_ = false;
    int64_t loaded_chunk_ = -1;  // the verified chunk block_ holds
    size_t loaded_size_ = 0;
    // The chunk read ahead of verified reads, on a thread of its own.
    std::thread reading_ahead_;
    std::mutex ahead_mutex_;
    std::condition_variable ahead_changed_;
    bool stop_reading_ahead_ = false;
    int64_t ahead_wanted_ = -1;  // the chunk asked for; -1: none
    bool ahead_ready_ = false;   // ahead_ and ahead_block_ hold it
    Checked ahead_;
    std::vector<char> ahead_block_;
};

#endif  // VELMORA_LAUNCHER_PACKAGE_SOURCE_H

#ifndef VELMORA_LAUNCHER_PACKAGE_SOURCE_H
#define VELMORA_LAUNCHER_PACKAGE_SOURCE_H

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "ustring.h"

struct archive;
class QCryptographicHash;

// The package file as the archive library reads it, through callbacks that
// let it skip and seek as it likes (so zip and plain tar are read header by
// header) and that can, at the same time, feed every byte of the file to a
// SHA-256 digest once and in order: what the library skips or jumps over
// is read for the digest only. One pass over the file serves both.
class PackageSource {
public:
    PackageSource();
    ~PackageSource();
    PackageSource(const PackageSource&) = delete;
    PackageSource& operator=(const PackageSource&) = delete;

    // Opens a regular file without blocking (a named pipe in its place must
    // not hang the caller); 0, or -1 with the reason in `error`.
    int Open(const ustring& path, bool digest, std::string& error);
    bool IsOpen() const { return fd_ >= 0; }
    // Hands the file to a reader made by archive_read_new; the library's
    // status of archive_read_open1.
    int Attach(archive* reader);
    // The digest in lowercase hex once the rest of the file is hashed;
    // empty with the reason in `error` when the file cannot be read.
    std::string Digest(std::string& error);

private:
    static ssize_t Read(archive* reader, void* self, const void** buffer);
    static int64_t Skip(archive* reader, void* self, int64_t request);
    static int64_t Seek(archive* reader, void* self, int64_t offset, int whence);
    // Hashes the file up to byte `end`, reading what was not hashed yet.
    int HashUpTo(int64_t end);

    int fd_ = -1;
    int64_t size_ = 0;
    int64_t position_ = 0;
    int64_t hashed_ = 0;
    int read_errno_ = 0;
    std::vector<char> block_;
    std::unique_ptr<QCryptographicHash> hash_;
};

#endif  // VELMORA_LAUNCHER_PACKAGE_SOURCE_H

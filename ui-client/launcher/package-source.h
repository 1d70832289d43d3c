#ifndef VELMORA_LAUNCHER_PACKAGE_SOURCE_H
#define VELMORA_LAUNCHER_PACKAGE_SOURCE_H

#include <sys/types.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ustring.h"

struct archive;

// The package file as the archive library reads it, through callbacks that
// let it skip and seek as it likes (so zip and plain tar are read header by
// header). When a digest is asked for, a thread of its own hashes the whole
// file meanwhile: the digest is the slower of the two reads, and on a
// second core it no longer adds to the survey's time.
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
    // The digest in lowercase hex once the whole file is hashed; empty
    // with the reason in `error` when the file cannot be read.
    std::string Digest(std::string& error);

private:
    static ssize_t Read(archive* reader, void* self, const void** buffer);
    static int64_t Skip(archive* reader, void* self, int64_t request);
    static int64_t Seek(archive* reader, void* self, int64_t offset, int whence);
    void HashFile();
    void StopHashing();

    int fd_ = -1;
    int64_t size_ = 0;
    int64_t position_ = 0;
    std::vector<char> block_;
    bool digest_wanted_ = false;
    std::thread hashing_;
    std::atomic<bool> stop_hashing_{false};
    std::string digest_;  // written by the hashing thread, read after it is joined
    int digest_errno_ = 0;
};

#endif  // VELMORA_LAUNCHER_PACKAGE_SOURCE_H

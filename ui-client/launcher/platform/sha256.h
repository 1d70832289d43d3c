#ifndef VELMORA_LAUNCHER_SHA256_H
#define VELMORA_LAUNCHER_SHA256_H

#include <cstddef>
#include <new>
#include <string>

// SHA-256 through the platform's own library, which uses the CPU's SHA
// instructions where it has them (platform/sha256_linux.cpp and
// platform/sha256_mac.cpp). A value: a copy carries the bytes added so far,
// so a digest of a prefix can be taken and the hashing go on.
class Sha256 {
public:
    Sha256();
    void Add(const void* data, size_t size);
    // The digest of the bytes added so far, in lowercase hex; more may be
    // added afterwards.
    std::string Hex() const;

private:
    // The raw digest of the bytes added so far; the platform's part.
    void Digest(unsigned char (&digest)[32]) const;
    // The platform library's context, which lives in state_.
    template <typename Context>
    Context* As()
    {
        static_assert(sizeof(Context) <= sizeof state_, "the state buffer holds the library's context");
        return std::launder(reinterpret_cast<Context*>(state_));
    }

    // Either library's context is a plain structure of at most this size.
    alignas(16) unsigned char state_[128];
};

#endif  // VELMORA_LAUNCHER_SHA256_H

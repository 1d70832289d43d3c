#include "sha256.h"

#include <nettle/sha2.h>

#include <new>

namespace {

sha256_ctx* Context(unsigned char* state) { return std::launder(reinterpret_cast<sha256_ctx*>(state)); }

}  // namespace

static_assert(sizeof(sha256_ctx) <= 128, "the state buffer holds nettle's context");

Sha256::Sha256() { sha256_init(new (state_) sha256_ctx); }

void Sha256::Add(const void* data, size_t size)
{
    sha256_update(Context(state_), size, static_cast<const uint8_t*>(data));
}

void Sha256::Digest(unsigned char (&digest)[32]) const
{
    // Nettle's digest call resets its context: it works on a copy.
    Sha256 copy = *this;
    sha256_digest(Context(copy.state_), sizeof digest, digest);
}

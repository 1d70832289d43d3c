#include "platform/sha256.h"

#include <nettle/sha2.h>

Sha256::Sha256()
{
    sha256_init(new (state_) sha256_ctx);
}

void Sha256::Add(const void* data, size_t size)
{
    sha256_update(As<sha256_ctx>(), size, static_cast<const uint8_t*>(data));
}

// Nettle's digest call resets its context: it works on a copy.
void Sha256::Digest(unsigned char (&digest)[32]) const
{
    Sha256 copy = *this;
    sha256_digest(copy.As<sha256_ctx>(), sizeof digest, digest);
}

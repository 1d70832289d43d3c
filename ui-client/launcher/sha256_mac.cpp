#include "sha256.h"

#include <CommonCrypto/CommonDigest.h>

#include <new>

namespace {

CC_SHA256_CTX* Context(unsigned char* state) { return std::launder(reinterpret_cast<CC_SHA256_CTX*>(state)); }

}  // namespace

static_assert(sizeof(CC_SHA256_CTX) <= 128, "the state buffer holds CommonCrypto's context");

Sha256::Sha256() { CC_SHA256_Init(new (state_) CC_SHA256_CTX); }

void Sha256::Add(const void* data, size_t size)
{
    // CC_LONG is 32 bits: a larger block goes in parts.
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const CC_LONG part = size > (1u << 30) ? (1u << 30) : static_cast<CC_LONG>(size);
        CC_SHA256_Update(Context(state_), bytes, part);
        bytes += part;
        size -= part;
    }
}

void Sha256::Digest(unsigned char (&digest)[32]) const
{
    Sha256 copy = *this;
    CC_SHA256_Final(digest, Context(copy.state_));
}

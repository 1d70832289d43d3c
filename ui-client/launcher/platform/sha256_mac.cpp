#include "platform/sha256.h"

#include <CommonCrypto/CommonDigest.h>

Sha256::Sha256()
{
    CC_SHA256_Init(new (state_) CC_SHA256_CTX);
}

// CC_LONG is 32 bits: a larger block goes in parts.
void Sha256::Add(const void* data, size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const CC_LONG part = size > (1u << 30) ? (1u << 30) : static_cast<CC_LONG>(size);
        CC_SHA256_Update(As<CC_SHA256_CTX>(), bytes, part);
        bytes += part;
        size -= part;
    }
}

void Sha256::Digest(unsigned char (&digest)[32]) const
{
    Sha256 copy = *this;
    CC_SHA256_Final(digest, copy.As<CC_SHA256_CTX>());
}

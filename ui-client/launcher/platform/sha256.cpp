#include "platform/sha256.h"

std::string Sha256::Hex() const
{
    unsigned char digest[32];
    Digest(digest);
    static const char kHex[] = "0123456789abcdef";
    std::string hex(2 * sizeof digest, '0');
    for (size_t i = 0; i < sizeof digest; ++i) {
        hex[2 * i] = kHex[digest[i] >> 4];
        hex[2 * i + 1] = kHex[digest[i] & 15];
    }
    return hex;
}

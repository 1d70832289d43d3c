// Stand-in for the macOS SDK header, for the syntax check only.
#pragma once
#include <stdint.h>
typedef uint32_t CC_LONG;
typedef struct CC_SHA256state_st {
    uint32_t count[2];
    uint32_t hash[8];
    uint32_t wbuf[16];
} CC_SHA256_CTX;
extern "C" {
int CC_SHA256_Init(CC_SHA256_CTX* c);
int CC_SHA256_Update(CC_SHA256_CTX* c, const void* data, CC_LONG len);
int CC_SHA256_Final(unsigned char* md, CC_SHA256_CTX* c);
}

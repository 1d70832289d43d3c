#ifndef VELMORA_LIB_TMP_NAME_INTERNAL_H
#define VELMORA_LIB_TMP_NAME_INTERNAL_H

#include <string>

// Building blocks of TmpNameGen, apart so they can be checked on their own.

// Reads size bytes from device; when it cannot be opened or gives fewer,
// writes the time of day as "<seconds>-<microseconds>" over the start of
// buffer, keeping the bytes after the text.
void FillTmpNameSeed(const char* device, unsigned char* buffer, unsigned long size);

// Six bytes as eight characters: Base64 bit order over the file-name-safe
// alphabet [0-9a-zA-Z-_], no padding.
std::string EncodeTmpName(const unsigned char* bytes);

#endif  // VELMORA_LIB_TMP_NAME_INTERNAL_H

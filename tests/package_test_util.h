// Helpers of the tests that watch how a package is read: its digest, as
// sha256sum gives it, and how many bytes this process has read so far.
#ifndef VELMORA_TESTS_PACKAGE_TEST_UTIL_H
#define VELMORA_TESTS_PACKAGE_TEST_UTIL_H

#include <cstdlib>
#include <string>

#include <QByteArray>
#include <QCryptographicHash>

#include "temp_folder_test.h"

inline std::string Sha256Of(const std::string& path)
{
    const QByteArray bytes = QByteArray::fromStdString(temp_folder::ReadFile(path));
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

// Bytes read through read(2) and its kin (pread included), from the
// kernel's own account.
inline long long BytesRead()
{
    const std::string io = temp_folder::ReadFile("/proc/self/io");
    const size_t at = io.find("rchar: ");
    return at == std::string::npos ? -1 : atoll(io.c_str() + at + 7);
}

#endif  // VELMORA_TESTS_PACKAGE_TEST_UTIL_H

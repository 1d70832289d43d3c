// The speed of SHA-256 through every implementation at hand, a line the
// install comparison prints first: the platform library as the launcher
// uses it, Qt's (the peer the launcher no longer uses) and OpenSSL's
// libcrypto where its headers were found when the project was configured.
// Each hashes the same bytes in memory, one thread, in alternating rounds;
// a program of its own, so that the libraries it loads do not raise the
// comparison's own resident set, which the children it spawns inherit as
// the floor of their peaks.
#include <time.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <QCryptographicHash>

#ifdef VELMORA_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

#include "bench_support.h"
#include "platform/sha256.h"

namespace {

const size_t kBytes = 64 << 20;
const int kRounds = 7;

#ifdef VELMORA_BENCH_OPENSSL
std::string Hex(const unsigned char* digest, size_t size)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (size_t i = 0; i < size; ++i)
        hex += std::string{kDigits[digest[i] >> 4], kDigits[digest[i] & 15]};
    return hex;
}
#endif

struct Implementation {
    const char* name;
    std::function<std::string(const std::string&)> hex;
};

std::vector<Implementation> Implementations()
{
    std::vector<Implementation> all = {
        {"nettle (the launcher's Sha256)",
         [](const std::string& bytes) {
             Sha256 hash;
             hash.Add(bytes.data(), bytes.size());
             return hash.Hex();
         }},
        {"Qt",
         [](const std::string& bytes) {
             return QCryptographicHash::hash(QByteArray::fromRawData(bytes.data(), static_cast<int>(bytes.size())),
                                             QCryptographicHash::Sha256)
                 .toHex()
                 .toStdString();
         }},
    };
#ifdef VELMORA_BENCH_OPENSSL
    all.push_back({"OpenSSL", [](const std::string& bytes) {
                       unsigned char digest[EVP_MAX_MD_SIZE];
                       unsigned int size = 0;
                       EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha256(), nullptr);
                       return Hex(digest, size);
                   }});
#endif
    return all;
}

double Seconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

}  // namespace

int main()
{
    std::string bytes(kBytes, '\0');
    std::mt19937 random(11);
    for (char& c : bytes)
        c = static_cast<char>(random());
    const std::vector<Implementation> all = Implementations();
    std::vector<std::vector<double>> speeds(all.size());
    std::vector<std::string> digests(all.size());
    for (int round = 0; round < kRounds; ++round) {
        for (size_t i = 0; i < all.size(); ++i) {
            const double start = Seconds();
            digests[i] = all[i].hex(bytes);
            speeds[i].push_back(kBytes / 1e6 / (Seconds() - start));
        }
    }
    printf("SHA-256 of %zu MiB in memory, MB/s:", kBytes >> 20);
    for (size_t i = 0; i < all.size(); ++i) {
        const bench::Spread speed = bench::SpreadOf(speeds[i]);
        printf("  %s %.0f [%.0f-%.0f]", all[i].name, speed.median, speed.low, speed.high);
    }
    bool agree = true;
    for (const std::string& digest : digests)
        agree = agree && digest == digests[0];
    printf("%s\n", agree ? "" : "  (the digests differ!)");
    return 0;
}

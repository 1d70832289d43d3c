// The speed of SHA-256 through every implementation at hand, for the
// install comparison: the platform library as the launcher uses it, Qt's
// (the peer the launcher no longer uses) and OpenSSL's libcrypto where its
// headers were found when the project was configured.
#ifndef BENCH_DIGEST_SPEED_H
#define BENCH_DIGEST_SPEED_H

namespace bench {

// One line: each implementation's MB/s on the same bytes in memory, one
// thread, in alternating rounds, as the median with its minimum and
// maximum; and whether they all agree on the digest.
void PrintDigestSpeeds();

}  // namespace bench

#endif  // BENCH_DIGEST_SPEED_H

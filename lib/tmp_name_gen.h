#ifndef VELMORA_LIB_TMP_NAME_GEN_H
#define VELMORA_LIB_TMP_NAME_GEN_H

#include <pthread.h>

#include <string>

// Process-wide source of short random names for temporary files, drawn from
// an RC4 keystream seeded once from /dev/urandom. Only meant to make name
// collisions unlikely; nothing is enciphered with it.
class TmpNameGen {
public:
    // Built on the first call (thread-safe), never destroyed.
    static TmpNameGen* getInstance();

    // dir + "/" + getTmpName(); nothing is created on disk.
    std::string getTmpPath(const std::string& dir);
    // Eight characters of [0-9a-zA-Z-_].
    std::string getTmpName();

    void lock();
    void unlock();

    // Fills buffer (at least 256 bytes) with a seed from /dev/urandom, or
    // the time of day when the device fails.
    void get_key(unsigned char* buffer, unsigned long size);
    // The RC4 key schedule over a 256-byte key.
    void rc4_init(unsigned char* state, unsigned char* key);
    // Draws count bytes; every draw restarts at i = 1, j = 0.
    void rc4_randomize(unsigned char* state, unsigned char* out, int count);

    TmpNameGen(const TmpNameGen&) = delete;
    TmpNameGen& operator=(const TmpNameGen&) = delete;

private:
    TmpNameGen();

    pthread_mutex_t mutex;
    unsigned char state[256];
    unsigned char key[256];
    unsigned char rand_bytes[6];
};

#endif  // VELMORA_LIB_TMP_NAME_GEN_H

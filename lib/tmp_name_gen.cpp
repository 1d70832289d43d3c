#include "tmp_name_gen.h"

#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "tmp_name_internal.h"

namespace {

// Never inherited by a program started meanwhile from another thread.
unsigned long ReadSeed(const char* device, unsigned char* buffer, unsigned long size)
{
    const int fd = open(device, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    unsigned long got = 0;
    while (got < size) {
        const ssize_t count = read(fd, buffer + got, size - got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        got += static_cast<unsigned long>(count);
    }
    close(fd);
    return got;
}

}  // namespace

void FillTmpNameSeed(const char* device, unsigned char* buffer, unsigned long size)
{
    const unsigned long got = ReadSeed(device, buffer, size);
    if (got >= size || size == 0)
        return;
    struct timeval now = {};
    gettimeofday(&now, nullptr);
    snprintf(reinterpret_cast<char*>(buffer), size, "%lu-%lu", static_cast<unsigned long>(now.tv_sec),
             static_cast<unsigned long>(now.tv_usec));
}

std::string EncodeTmpName(const unsigned char* bytes)
{
    static const char map[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
    std::string name;
    name.reserve(8);
    for (int group = 0; group < 6; group += 3) {
        const unsigned char b0 = bytes[group];
        const unsigned char b1 = bytes[group + 1];
        const unsigned char b2 = bytes[group + 2];
        name += map[b0 >> 2];
        name += map[((b0 & 3) << 4) | (b1 >> 4)];
        name += map[((b1 & 15) << 2) | (b2 >> 6)];
        name += map[b2 & 63];
    }
    return name;
}

TmpNameGen* TmpNameGen::getInstance()
{
    // Never destroyed, so threads still running at exit can draw names.
    static TmpNameGen* tmp_name = new TmpNameGen();
    return tmp_name;
}

TmpNameGen::TmpNameGen() : key{}, rand_bytes{}
{
    pthread_mutex_init(&mutex, nullptr);
    get_key(key, sizeof(key));
    rc4_init(state, key);
}

std::string TmpNameGen::getTmpPath(const std::string& dir)
{
    return dir + "/" + getTmpName();
}

std::string TmpNameGen::getTmpName()
{
    lock();
    rc4_randomize(state, rand_bytes, sizeof(rand_bytes));
    std::string name = EncodeTmpName(rand_bytes);
    unlock();
    return name;
}

void TmpNameGen::lock()
{
    pthread_mutex_lock(&mutex);
}

void TmpNameGen::unlock()
{
    pthread_mutex_unlock(&mutex);
}

void TmpNameGen::get_key(unsigned char* buffer, unsigned long size)
{
    FillTmpNameSeed("/dev/urandom", buffer, size);
}

void TmpNameGen::rc4_init(unsigned char* state, unsigned char* key)
{
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<unsigned char>(i);
    unsigned char j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<unsigned char>(j + state[i] + key[i]);
        std::swap(state[i], state[j]);
    }
}

// Unlike a keystream cipher, i and j are not kept between draws: each draw
// starts over at i = 1, j = 0 on the permutation the last one left.
void TmpNameGen::rc4_randomize(unsigned char* state, unsigned char* out, int count)
{
    unsigned char j = 0;
    for (int k = 0; k < count; ++k) {
        const unsigned char i = static_cast<unsigned char>(k + 1);
        j = static_cast<unsigned char>(j + state[i]);
        std::swap(state[i], state[j]);
        out[k] = state[static_cast<unsigned char>(state[i] + state[j])];
    }
}

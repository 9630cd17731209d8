#include "tmp_name_gen.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/time.h>

namespace {

// Safe in one path component: no "/" and no ".".
const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

void EncodeThreeBytes(const unsigned char* b, char* out)
{
    out[0] = kAlphabet[b[0] >> 2];
    out[1] = kAlphabet[((b[0] & 3) << 4) | (b[1] >> 4)];
    out[2] = kAlphabet[((b[1] & 15) << 2) | (b[2] >> 6)];
    out[3] = kAlphabet[b[2] & 63];
}

}  // namespace

void EncodeTmpName(const unsigned char bytes[6], char name[9])
{
    EncodeThreeBytes(bytes, name);
    EncodeThreeBytes(bytes + 3, name + 4);
    name[8] = '\0';
}

pthread_mutex_t TmpNameGen::m_lock = PTHREAD_MUTEX_INITIALIZER;

TmpNameGen& TmpNameGen::getInstance()
{
    static TmpNameGen instance;
    return instance;
}

TmpNameGen::TmpNameGen()
{
    get_key(m_key, sizeof(m_key));
    rc4_init(m_s_box, m_key);
}

ustring TmpNameGen::getTmpName()
{
    char name[9];
    lock();
    rc4_randomize(m_s_box, m_buffer, sizeof(m_buffer));
    EncodeTmpName(m_buffer, name);
    unlock();
    return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring& prefix)
{
    return prefix + "/" + getTmpName();
}

void TmpNameGen::get_key(unsigned char* key, size_t len)
{
    struct timeval now;
    gettimeofday(&now, nullptr);
    snprintf(reinterpret_cast<char*>(key), len, "%lu-%lu", static_cast<unsigned long>(now.tv_sec),
             static_cast<unsigned long>(now.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char* S, unsigned char* key)
{
    for (int i = 0; i < 256; ++i)
        S[i] = static_cast<unsigned char>(i);

    if (key[0] == 0) {
        srand(static_cast<unsigned>(time(nullptr)));
        for (int i = 0; i < 256; ++i)
            key[i] = static_cast<unsigned char>(rand() & 0xff);
    }

    // All 256 key bytes in order: the text, its terminator, then zeros.
    unsigned j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + S[i] + key[i]) & 0xff;
        unsigned char t = S[i];
        S[i] = S[j];
        S[j] = t;
    }
}

// Only the permutation carries over between calls; both indices restart.
void TmpNameGen::rc4_randomize(unsigned char* S, unsigned char* buffer, int length)
{
    unsigned j = 0;
    for (int k = 0; k < length; ++k) {
        unsigned i = static_cast<unsigned>(k + 1) & 0xff;
        j = (j + S[i]) & 0xff;
        unsigned char t = S[i];
        S[i] = S[j];
        S[j] = t;
        buffer[k] = S[(S[i] + S[j]) & 0xff];
    }
}

void TmpNameGen::lock()
{
    pthread_mutex_lock(&m_lock);
}

void TmpNameGen::unlock()
{
    pthread_mutex_unlock(&m_lock);
}

// TmpNameGen: short random names for temporary paths.
//
// Eight characters from a 64-character alphabet, taken from an RC4 keystream
// keyed once per process from the time of day. Unlikely to collide, not
// secret, and nothing checks that a generated path is free.
#ifndef TMP_NAME_GEN_H
#define TMP_NAME_GEN_H

#include <cstddef>
#include <pthread.h>

#include "ustring/ustring.h"

class TmpNameGen {
public:
    static TmpNameGen& getInstance();

    ustring getTmpName();
    ustring getTmpPath(const ustring& prefix);

    ~TmpNameGen() {}

private:
    TmpNameGen();
    TmpNameGen(const TmpNameGen&) = delete;
    TmpNameGen& operator=(const TmpNameGen&) = delete;

    void get_key(unsigned char* key, size_t len);
    void rc4_init(unsigned char* S, unsigned char* key);
    void rc4_randomize(unsigned char* S, unsigned char* buffer, int length);
    static void lock();
    static void unlock();

    static pthread_mutex_t m_lock;
    unsigned char m_s_box[256];
    unsigned char m_key[256] = {};
    unsigned char m_buffer[6];
};

// Encodes six bytes as eight characters of the alphabet
// "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_", three
// bytes to four characters as in base64 (no padding). `name` receives the
// eight characters and a terminating zero byte.
void EncodeTmpName(const unsigned char bytes[6], char name[9]);

#endif

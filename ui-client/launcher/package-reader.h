// PackageReader: the package file as the extractor reads it.
//
// Feeds the package file to libarchive through a read callback, so that
// every byte of the file passes through here exactly once, in order: it is
// hashed as it is read, and a gzip-compressed file is inflated here by zlib,
// which checks each member's CRC-32 and length against its trailer. libarchive
// then sees the inflated stream and inflates nothing itself. There is no skip
// or seek callback, so nothing can be stepped over.
#ifndef LAUNCHER_PACKAGE_READER_H
#define LAUNCHER_PACKAGE_READER_H

#include <archive.h>
#include <nettle/sha2.h>
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class PackageReader {
public:
    explicit PackageReader(bool hash) : hashing(hash) { sha256_init(&sha); }
    ~PackageReader();
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;

    // Opens the file and reads its first block to tell gzip from the rest.
    bool Open(const char* path);

    // Hands the file to `ar` through the read callback; libarchive's result.
    int Attach(archive* ar);
    // For a package that libarchive is to read by itself after all.
    void Close();
    bool Inflating() const { return inflating; }
    size_t BlockSize() const { return block_size; }

    // Reads what is left of the file after libarchive has seen the end of
    // the archive (tar's end blocks, the last gzip trailer, anything else),
    // so that the hash covers the whole file and every trailer is checked.
    bool Drain();

    bool Failed() const { return !error.empty(); }
    const std::string& Error() const { return error; }
    // Whether a failure lies in the package's bytes, not in reading them.
    bool DataFault() const { return data_fault; }
    std::string Sha256();

private:
    static la_ssize_t Callback(archive* ar, void* self, const void** buffer);

    // The file's blocks as they are.
    la_ssize_t Pass(const void** buffer);

    // The next piece of the inflated stream; 0 once the last member has
    // ended at the end of the file. A new member may follow a finished one.
    la_ssize_t Inflate(const void** buffer);

    // Reads the next block of the file into `raw` and hashes it; at the end
    // of the file `raw_len` is 0.
    bool Fill();

    // Both record the first failure and give false.
    bool IoFailure(const char* what, int err);
    bool DataFailure(const std::string& what);

    const bool hashing;
    // The SHA-256 of the library the archive library itself links: it uses
    // the processor's SHA instructions where they exist.
    sha256_ctx sha;
    int fd = -1;
    std::unique_ptr<unsigned char[]> raw;
    size_t block_size = 0;
    size_t raw_len = 0;
    uint64_t bytes_read = 0;
    bool at_eof = false;
    bool first_block_pending = false;
    bool attached = false;

    bool inflating = false;
    z_stream zs;
    std::unique_ptr<unsigned char[]> inflated;
    int member = 1;
    bool member_done = false;
    bool stream_done = false;

    std::string error;
    int error_number = 0;
    bool data_fault = false;
};

#endif

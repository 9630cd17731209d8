// PackageReader: the package file as the extractor reads it.
//
// Feeds the package to libarchive through callbacks of its own, so that the
// extractor sees how far the reading has come and reads exactly the file it
// was given (an open descriptor, when the caller holds one).
//
// Two ways of reading, chosen from the file's first bytes:
// - A gzip-compressed file is a stream: every byte passes through here
//   once, in order, is hashed as it is read and inflated here by zlib, which
//   checks each member's CRC-32 and length against its trailer. libarchive
//   then sees the inflated stream and inflates nothing itself.
// - Anything else is handed over seekable (read, skip and seek), as formats
//   such as zip and 7z need; its hash, when one is wanted, is taken in a
//   sequential pass of its own before libarchive reads it.
//   A gzip file can be handed over seekable as well (libarchive then
//   inflates it), for a reading that does not need the trailers checked
//   again.
#ifndef LAUNCHER_PACKAGE_READER_H
#define LAUNCHER_PACKAGE_READER_H

#include <archive.h>
#include <nettle/sha2.h>
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

// Told whenever a reading advances: bytes of the package not read before,
// wherever they lie (re-reading what was read before does not count, so a
// reader that loops over the same records makes no progress), entry data
// inflated or written, or another entry.
class ReadProgress {
public:
    virtual ~ReadProgress() {}
    virtual void Moved() = 0;
};

class PackageReader {
public:
    explicit PackageReader(bool hash, ReadProgress* progress = nullptr)
        : hashing(hash), progress(progress)
    {
        sha256_init(&sha);
    }
    ~PackageReader();
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;

    // Opens `path`, or reads the open descriptor `fd` from its start when
    // it is not negative (the descriptor stays the caller's), and reads the
    // first block to tell gzip from the rest. Without gzip and with hashing,
    // the whole file is hashed here.
    bool Open(const char* path, int fd = -1);

    // Hands the file to `ar`: inflated as a stream when it is gzip and
    // `seekable` is false, seekable otherwise. libarchive's result.
    int Attach(archive* ar, bool seekable);

    // Reads what is left of the file after libarchive has seen the end of
    // the archive (tar's end blocks, the last gzip trailer, anything else),
    // so that the hash covers the whole file and every trailer is checked.
    bool Drain();
    // Bytes after the last gzip member that are not another member; gzip
    // itself ignores them with a warning.
    uint64_t TrailingBytes() const { return trailing_bytes; }

    bool Failed() const { return !error.empty(); }
    const std::string& Error() const { return error; }
    // Whether a failure lies in the package's bytes, not in reading them.
    bool DataFault() const { return data_fault; }
    std::string Sha256();

private:
    static la_ssize_t StreamCallback(archive* ar, void* self, const void** buffer);
    static la_ssize_t SeekableRead(archive* ar, void* self, const void** buffer);
    static la_int64_t SeekableSkip(archive* ar, void* self, la_int64_t request);
    static la_int64_t SeekableSeek(archive* ar, void* self, la_int64_t offset, int whence);

    // The file's blocks as they are.
    la_ssize_t Pass(const void** buffer);

    // The next piece of the inflated stream; 0 once the last member has
    // ended at the end of the file. A new member may follow a finished one.
    la_ssize_t Inflate(const void** buffer);
    // After a member has ended: whether another member follows. Bytes that
    // are no gzip member end the stream and are counted as trailing.
    bool NextMemberFollows();

    // Reads the next block of the file into `raw` after its first `keep`
    // bytes (the new bytes are hashed when the hash is taken on the way);
    // at the end of the file `raw_len` is `keep`.
    bool Fill(size_t keep = 0);
    // Hashes the whole file in one sequential pass, from its start.
    bool HashWholeFile();
    // Tells `progress` when the bytes from `start` to `end` were not all
    // read before.
    void Advanced(uint64_t start, uint64_t end);

    // Both record the first failure and give false.
    bool IoFailure(const char* what, int err);
    bool DataFailure(const std::string& what);

    const bool hashing;
    ReadProgress* const progress;
    bool hash_on_the_way = false;
    // The SHA-256 of the library the archive library itself links: it uses
    // the processor's SHA instructions where they exist.
    sha256_ctx sha;
    int fd = -1;
    std::unique_ptr<unsigned char[]> raw;
    size_t block_size = 0;
    size_t raw_len = 0;
    uint64_t position = 0;  // offset of the next read
    // The stretches of the file read so far: start -> end, disjoint and
    // apart.
    std::map<uint64_t, uint64_t> read_so_far;
    bool at_eof = false;
    bool first_block_pending = false;
    bool attached = false;

    bool gzip = false;
    bool inflating = false;
    z_stream zs;
    std::unique_ptr<unsigned char[]> inflated;
    int member = 1;
    bool member_done = false;
    bool stream_done = false;
    uint64_t trailing_bytes = 0;

    std::string error;
    int error_number = 0;
    bool data_fault = false;
};

#endif

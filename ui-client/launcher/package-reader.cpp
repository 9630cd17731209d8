#include "package-reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace {

// The package is read in pieces of this size (or of its own size, when it is
// smaller) and a gzip package is inflated in pieces of INFLATE_BLOCK_SIZE:
// large enough that the per-call costs of read(), zlib and libarchive vanish.
const size_t PACKAGE_BLOCK_SIZE = 1 << 20;
const size_t INFLATE_BLOCK_SIZE = 256 << 10;

bool IsGzipMagic(const unsigned char* bytes)
{
    return bytes[0] == 0x1f && bytes[1] == 0x8b;
}

}  // namespace

PackageReader::~PackageReader()
{
    if (inflating) {
        inflateEnd(&zs);
    }
    if (fd >= 0) {
        close(fd);
    }
}

bool PackageReader::Open(const char* path, int given_fd)
{
    if (given_fd >= 0) {
        // A descriptor of our own for the same open file: the caller's
        // stays open whatever happens here.
        fd = fcntl(given_fd, F_DUPFD_CLOEXEC, 0);
        if (fd < 0 || lseek(fd, 0, SEEK_SET) != 0) {
            return IoFailure("cannot read the package", errno);
        }
    } else {
        fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return IoFailure("cannot open the package", errno);
        }
    }
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    struct stat st;
    block_size = PACKAGE_BLOCK_SIZE;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) < block_size) {
        // One byte more, so that the first read already meets the end.
        block_size = static_cast<size_t>(st.st_size) + 1;
    }
    raw.reset(new unsigned char[block_size]);
    if (!Fill()) {
        return false;
    }
    first_block_pending = true;
    gzip = raw_len >= 2 && IsGzipMagic(raw.get());
    if (!hashing) {
        return true;
    }
    if (gzip) {
        hash_on_the_way = true;
        sha256_update(&sha, raw_len, raw.get());
        return true;
    }
    return HashWholeFile();
}

int PackageReader::Attach(archive* ar, bool seekable)
{
    attached = true;
    if (gzip && !seekable) {
        memset(&zs, 0, sizeof(zs));
        // 16 + MAX_WBITS: a gzip wrapper, whose trailer zlib verifies.
        int r = inflateInit2(&zs, 16 + MAX_WBITS);
        if (r != Z_OK) {
            IoFailure("cannot set up zlib", r == Z_MEM_ERROR ? ENOMEM : EINVAL);
            archive_set_error(ar, error_number, "%s", error.c_str());
            return ARCHIVE_FATAL;
        }
        inflating = true;
        zs.next_in = raw.get();
        zs.avail_in = static_cast<uInt>(raw_len);
        first_block_pending = false;
        inflated.reset(new unsigned char[INFLATE_BLOCK_SIZE]);
        return archive_read_open(ar, this, nullptr, &PackageReader::StreamCallback, nullptr);
    }
    if (hash_on_the_way) {
        // Seeks would break a hash taken on the way.
        hash_on_the_way = false;
        sha256_init(&sha);
        if (!HashWholeFile()) {
            archive_set_error(ar, error_number, "%s", error.c_str());
            return ARCHIVE_FATAL;
        }
    }
    archive_read_set_seek_callback(ar, &PackageReader::SeekableSeek);
    return archive_read_open2(ar, this, nullptr, &PackageReader::SeekableRead, nullptr, nullptr);
}

bool PackageReader::Drain()
{
    if (Failed()) {
        return false;
    }
    if (!attached || !inflating) {
        return true;
    }
    const void* ignored = nullptr;
    la_ssize_t n;
    while ((n = Inflate(&ignored)) > 0) {
    }
    return n == 0;
}

std::string PackageReader::Sha256()
{
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&sha, sizeof(digest), digest);
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : digest) {
        text += hex[byte >> 4];
        text += hex[byte & 15];
    }
    return text;
}

la_ssize_t PackageReader::StreamCallback(archive* ar, void* self, const void** buffer)
{
    PackageReader* reader = static_cast<PackageReader*>(self);
    la_ssize_t n = reader->Failed() ? -1 : reader->Inflate(buffer);
    if (n < 0) {
        archive_set_error(ar, reader->error_number, "%s", reader->error.c_str());
    }
    return n;
}

la_ssize_t PackageReader::SeekableRead(archive* ar, void* self, const void** buffer)
{
    PackageReader* reader = static_cast<PackageReader*>(self);
    la_ssize_t n = reader->Failed() ? -1 : reader->Pass(buffer);
    if (n < 0) {
        archive_set_error(ar, reader->error_number, "%s", reader->error.c_str());
    }
    return n;
}

la_int64_t PackageReader::SeekableSeek(archive* ar, void* self, la_int64_t offset, int whence)
{
    PackageReader* reader = static_cast<PackageReader*>(self);
    off_t at = lseek(reader->fd, static_cast<off_t>(offset), whence);
    if (at < 0) {
        reader->IoFailure("cannot seek in the package", errno);
        archive_set_error(ar, reader->error_number, "%s", reader->error.c_str());
        return ARCHIVE_FATAL;
    }
    reader->first_block_pending = false;
    reader->at_eof = false;
    reader->position = static_cast<uint64_t>(at);
    return at;
}

la_ssize_t PackageReader::Pass(const void** buffer)
{
    if (!first_block_pending && !Fill()) {
        return -1;
    }
    first_block_pending = false;
    *buffer = raw.get();
    return static_cast<la_ssize_t>(raw_len);
}

bool PackageReader::NextMemberFollows()
{
    if (zs.avail_in == 1 && !at_eof) {
        // The magic may straddle two blocks: keep the byte and read on.
        raw[0] = *zs.next_in;
        if (!Fill(1)) {
            return false;
        }
        zs.next_in = raw.get();
        zs.avail_in = static_cast<uInt>(raw_len);
    }
    if (zs.avail_in >= 2 && IsGzipMagic(zs.next_in)) {
        return true;
    }
    // Whatever is left is no member: count it, and read it for the hash.
    trailing_bytes = zs.avail_in;
    zs.avail_in = 0;
    while (!at_eof) {
        if (!Fill()) {
            return false;
        }
        trailing_bytes += raw_len;
    }
    stream_done = true;
    return false;
}

la_ssize_t PackageReader::Inflate(const void** buffer)
{
    zs.next_out = inflated.get();
    zs.avail_out = static_cast<uInt>(INFLATE_BLOCK_SIZE);
    while (zs.avail_out == INFLATE_BLOCK_SIZE && !stream_done) {
        if (zs.avail_in == 0 && !at_eof) {
            if (!Fill()) {
                return -1;
            }
            zs.next_in = raw.get();
            zs.avail_in = static_cast<uInt>(raw_len);
        }
        if (member_done) {
            if (zs.avail_in == 0) {
                stream_done = true;
                break;
            }
            if (!NextMemberFollows()) {
                if (Failed()) {
                    return -1;
                }
                break;
            }
            inflateReset(&zs);
            member_done = false;
            ++member;
        }
        int r = inflate(&zs, Z_NO_FLUSH);
        if (r == Z_STREAM_END) {
            member_done = true;
        } else if (r == Z_MEM_ERROR) {
            IoFailure("cannot inflate the package", ENOMEM);
            return -1;
        } else if (r == Z_BUF_ERROR && zs.avail_in == 0 && at_eof) {
            DataFailure("the file ends inside gzip member " + std::to_string(member));
            return -1;
        } else if (r != Z_OK && r != Z_BUF_ERROR) {
            const uint64_t offset = position - zs.avail_in;
            const std::string why = zs.msg ? zs.msg : "zlib error " + std::to_string(r);
            DataFailure("damaged gzip member " + std::to_string(member) + " near byte " +
                        std::to_string(offset) + ": " + why);
            return -1;
        }
    }
    *buffer = inflated.get();
    return static_cast<la_ssize_t>(INFLATE_BLOCK_SIZE - zs.avail_out);
}

bool PackageReader::Fill(size_t keep)
{
    raw_len = keep;
    if (at_eof) {
        return true;
    }
    ssize_t n;
    do {
        n = read(fd, raw.get() + keep, block_size - keep);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        return IoFailure("cannot read the package", errno);
    }
    if (n == 0) {
        at_eof = true;
        return true;
    }
    raw_len = keep + static_cast<size_t>(n);
    if (hash_on_the_way) {
        sha256_update(&sha, static_cast<size_t>(n), raw.get() + keep);
    }
    Advanced(position, position + static_cast<uint64_t>(n));
    position += static_cast<uint64_t>(n);
    return true;
}

bool PackageReader::HashWholeFile()
{
    std::unique_ptr<unsigned char[]> block(new unsigned char[block_size]);
    off_t offset = 0;
    for (;;) {
        ssize_t n = pread(fd, block.get(), block_size, offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return IoFailure("cannot read the package", errno);
        }
        if (n == 0) {
            return true;
        }
        sha256_update(&sha, static_cast<size_t>(n), block.get());
        offset += n;
        if (progress) {
            progress->Moved();
        }
    }
}

void PackageReader::Advanced(uint64_t start, uint64_t end)
{
    // The first stretch that ends at or after `start`, with the one before
    // it when that one touches `start`.
    auto it = read_so_far.upper_bound(start);
    if (it != read_so_far.begin() && std::prev(it)->second >= start) {
        --it;
    }
    if (it != read_so_far.end() && it->first <= start && it->second >= end) {
        return;  // read before, every byte of it
    }
    // Merge every stretch this one touches into one.
    while (it != read_so_far.end() && it->first <= end) {
        start = std::min(start, it->first);
        end = std::max(end, it->second);
        it = read_so_far.erase(it);
    }
    read_so_far.emplace(start, end);
    if (progress) {
        progress->Moved();
    }
}

bool PackageReader::IoFailure(const char* what, int err)
{
    if (!Failed()) {
        error = std::string(what) + ": " + strerror(err);
        error_number = err;
    }
    return false;
}

bool PackageReader::DataFailure(const std::string& what)
{
    if (!Failed()) {
        error = what;
        error_number = EILSEQ;  // what libarchive uses for a bad format
        data_fault = true;
    }
    return false;
}

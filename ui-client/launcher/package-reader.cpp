#include "package-reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// The package is read in pieces of this size (or of its own size, when it is
// smaller) and a gzip package is inflated in pieces of INFLATE_BLOCK_SIZE:
// large enough that the per-call costs of read(), zlib and libarchive vanish.
const size_t PACKAGE_BLOCK_SIZE = 1 << 20;
const size_t INFLATE_BLOCK_SIZE = 256 << 10;

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

int PackageReader::Attach(archive* ar)
{
    attached = true;
    return archive_read_open(ar, this, nullptr, &PackageReader::Callback, nullptr);
}

void PackageReader::Close()
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

bool PackageReader::Open(const char* path)
{
    fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return IoFailure("cannot open the package", errno);
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
    if (raw_len >= 2 && raw[0] == 0x1f && raw[1] == 0x8b) {
        memset(&zs, 0, sizeof(zs));
        // 16 + MAX_WBITS: a gzip wrapper, whose trailer zlib verifies.
        int r = inflateInit2(&zs, 16 + MAX_WBITS);
        if (r != Z_OK) {
            return IoFailure("cannot set up zlib", r == Z_MEM_ERROR ? ENOMEM : EINVAL);
        }
        inflating = true;
        zs.next_in = raw.get();
        zs.avail_in = static_cast<uInt>(raw_len);
        inflated.reset(new unsigned char[INFLATE_BLOCK_SIZE]);
    }
    return true;
}

bool PackageReader::Drain()
{
    if (Failed()) {
        return false;
    }
    if (!attached) {
        return true;
    }
    if (inflating) {
        const void* ignored = nullptr;
        la_ssize_t n;
        while ((n = Inflate(&ignored)) > 0) {
        }
        return n == 0;
    }
    while (!at_eof) {
        if (!Fill()) {
            return false;
        }
    }
    return true;
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

la_ssize_t PackageReader::Callback(archive* ar, void* self, const void** buffer)
{
    PackageReader* reader = static_cast<PackageReader*>(self);
    la_ssize_t n = -1;
    if (!reader->Failed()) {
        n = reader->inflating ? reader->Inflate(buffer) : reader->Pass(buffer);
    }
    if (n < 0) {
        archive_set_error(ar, reader->error_number, "%s", reader->error.c_str());
    }
    return n;
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
            const uint64_t offset = bytes_read - zs.avail_in;
            const std::string why = zs.msg ? zs.msg : "zlib error " + std::to_string(r);
            DataFailure("damaged gzip member " + std::to_string(member) + " near byte " +
                        std::to_string(offset) + ": " + why);
            return -1;
        }
    }
    *buffer = inflated.get();
    return static_cast<la_ssize_t>(INFLATE_BLOCK_SIZE - zs.avail_out);
}

bool PackageReader::Fill()
{
    raw_len = 0;
    if (at_eof) {
        return true;
    }
    ssize_t n;
    do {
        n = read(fd, raw.get(), block_size);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        return IoFailure("cannot read the package", errno);
    }
    if (n == 0) {
        at_eof = true;
        return true;
    }
    raw_len = static_cast<size_t>(n);
    bytes_read += raw_len;
    if (hashing) {
        sha256_update(&sha, raw_len, raw.get());
    }
    return true;
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

#include "package-check.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "config.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "service_debug";
const size_t SHA256_HEX_LENGTH = 64;

bool IsHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

ustring Text(int64_t value)
{
    return ustring(std::to_string(value).c_str());
}

// The hex digest at `at`, exactly 64 digits long and ending where `end`
// allows; lower-cased into `sha256`.
bool TakeHex(const std::string& text, size_t at, const char* ends, std::string& sha256)
{
    size_t length = 0;
    while (at + length < text.size() && IsHex(text[at + length])) {
        ++length;
    }
    const size_t after = at + length;
    if (length != SHA256_HEX_LENGTH ||
        (after < text.size() && strchr(ends, text[after]) == nullptr)) {
        return false;
    }
    for (size_t i = at; i < after; ++i) {
        sha256 += static_cast<char>(tolower(static_cast<unsigned char>(text[i])));
    }
    return true;
}

bool SameStamp(Config& config, const PackageStamp& stamp)
{
    return config["size"] == Text(static_cast<int64_t>(stamp.size)) &&
           config["mtime"] == Text(stamp.mtime_sec) && config["mtime_ns"] == Text(stamp.mtime_nsec) &&
           config["sha256"] == ustring(stamp.sha256.c_str());
}

int WriteRecord(const ustring& record, const PackageStamp& stamp)
{
    Config config;
    config["size"] = Text(static_cast<int64_t>(stamp.size));
    config["mtime"] = Text(stamp.mtime_sec);
    config["mtime_ns"] = Text(stamp.mtime_nsec);
    config["sha256"] = ustring(stamp.sha256.c_str());
    // Written beside and renamed, so that a run killed meanwhile leaves the
    // old record or the new one, never half of one.
    ustring part = record + ".part";
    if (config.write(part) != 0 || rename(part.c_str(), record.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] package-check(%d): cannot record the rejected package in '%s': %s\n",
                       __LINE__, record.c_str(), strerror(err));
        unlink(part.c_str());
        return -1;
    }
    return 0;
}

}  // namespace

const char* const CHECKSUM_UNREADABLE = "unreadable";

int ReadChecksumFile(const ustring& path, std::string& sha256)
{
    sha256.clear();
    std::string text;
    int code = FSReadStateFile(path, STATE_FILE_MAX_BYTES, text);
    if (code == -2) {
        return -2;
    }
    if (code != 0) {
        return -1;
    }
    // "<hash>  <name>" or "<hash> *<name>"; the name is not needed.
    if (TakeHex(text, 0, " \n", sha256)) {
        return 0;
    }
    // "SHA256 (<name>) = <hash>", as `sha256sum --tag` writes it.
    const std::string tag = "SHA256 (";
    const size_t equals = text.find(") = ");
    if (text.compare(0, tag.size(), tag) == 0 && equals != std::string::npos &&
        text.find('\n') > equals && TakeHex(text, equals + 4, "\n", sha256)) {
        return 0;
    }
    sha256.clear();
    return -1;
}

std::string ChecksumStampOf(const ustring& path)
{
    std::string sha256;
    const int code = ReadChecksumFile(path, sha256);
    return code == 0 ? sha256 : code == -2 ? std::string() : std::string(CHECKSUM_UNREADABLE);
}

PackageStamp StampOf(const struct stat& st, const std::string& sha256)
{
    PackageStamp stamp;
    stamp.size = static_cast<uint64_t>(st.st_size);
    stamp.mtime_sec = st.st_mtim.tv_sec;
    stamp.mtime_nsec = st.st_mtim.tv_nsec;
    stamp.sha256 = sha256;
    return stamp;
}

int StampPackage(const ustring& package, const std::string& sha256, PackageStamp& stamp)
{
    struct stat st;
    if (stat(package.c_str(), &st) != 0) {
        return -1;
    }
    stamp = StampOf(st, sha256);
    return 0;
}

bool IsRejectedPackage(const ustring& record, const PackageStamp& stamp)
{
    Config config;
    if (config.read(record) != 0 || !SameStamp(config, stamp)) {
        return false;
    }
    // An earlier version also noted checks that merely began; that is no
    // evidence against the package.
    return config["checks_begun"].empty();
}

int RememberRejectedPackage(const ustring& record, const PackageStamp& stamp)
{
    return WriteRecord(record, stamp);
}

void ForgetRejectedPackage(const ustring& record)
{
    unlink(record.c_str());
}

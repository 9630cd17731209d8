// The state-file reader of file/file-op.h, apart from the other file
// operations because it logs nothing: Config reads through it and the logger
// reads its level file through Config, so this file must not reach the
// logger (see the order in file/file-op.h).
#include "file/file-op.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

int FSCheckStateFile(const ustring& path, size_t max_bytes)
{
    if (path.empty()) return -1;
    struct stat named;
    if (stat(path.c_str(), &named) != 0) return errno == ENOENT || errno == ENOTDIR ? -2 : -5;
    if (!S_ISREG(named.st_mode)) return -3;
    return static_cast<uint64_t>(named.st_size) > max_bytes ? -4 : 0;
}

int FSReadStateFile(const ustring& path, size_t max_bytes, std::string& contents, struct stat* st)
{
    contents.clear();
    // Decide from the name first, so that nothing but a regular file is ever
    // opened (opening a FIFO blocks, opening some devices has effects)...
    const int checked = FSCheckStateFile(path, max_bytes);
    if (checked != 0) return checked;
    // ... and again from the open file, which is what is read: non-blocking,
    // in case a FIFO took the name's place in between.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? -2 : -5;
    struct stat opened;
    int result = 0;
    if (fstat(fd, &opened) != 0) {
        result = -5;
    } else if (!S_ISREG(opened.st_mode)) {
        result = -3;
    } else if (static_cast<uint64_t>(opened.st_size) > max_bytes) {
        result = -4;
    } else {
        // Read one byte past the bound: a file that grew since fstat is too
        // large all the same.
        std::vector<char> buf(max_bytes + 1);
        size_t len = 0;
        while (len < buf.size()) {
            ssize_t n = read(fd, buf.data() + len, buf.size() - len);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                result = -5;
                break;
            }
            if (n == 0) break;
            len += static_cast<size_t>(n);
        }
        if (result == 0 && len > max_bytes) result = -4;
        if (result == 0) contents.assign(buf.data(), len);
    }
    close(fd);
    if (result == 0 && st != nullptr) *st = opened;
    return result;
}

const char* FSStateFileError(int code)
{
    switch (code) {
    case 0: return "read";
    case -1: return "no path given";
    case -2: return "missing";
    case -3: return "not a regular file";
    case -4: return "larger than the limit";
    default: return "cannot be read";
    }
}

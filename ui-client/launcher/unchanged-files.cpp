#include "unchanged-files.h"

#include <archive_entry.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "entry-path.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "extractor_debug";
const uint64_t DISK_BLOCK = 4096;

uint64_t Blocks(uint64_t bytes)
{
    return (bytes + DISK_BLOCK - 1) / DISK_BLOCK * DISK_BLOCK;
}

// The path the writer gives an entry, as the key of the notes; empty for
// one it refuses.
std::string KeyOf(const char* name)
{
    std::vector<std::string> parts;
    return name && SplitEntryPath(name, parts) && !parts.empty() ? JoinParts(parts, parts.size()) : std::string();
}

// Reads `size` bytes at `offset`, short only at the end of the file.
bool ReadAt(int fd, char* into, size_t size, int64_t offset)
{
    while (size > 0) {
        const ssize_t n = pread(fd, into, size, offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        into += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

// Links `name` in `dir` at `to`, where the writer would put the entry: in
// place of what an earlier entry left there, and in folders it makes when
// the package lists none.
bool LinkAt(int dir, const std::string& name, const std::string& to)
{
    if (linkat(dir, name.c_str(), AT_FDCWD, to.c_str(), 0) == 0) {
        return true;
    }
    if (errno == EEXIST ? unlink(to.c_str()) != 0
                        : errno != ENOENT || FSMKDir(FSParentPath(ustring(to.c_str())), true) != 0) {
        return false;
    }
    return linkat(dir, name.c_str(), AT_FDCWD, to.c_str(), 0) == 0;
}

}  // namespace

UnchangedFiles::~UnchangedFiles()
{
    End(false);
}

UnchangedFiles::Identity UnchangedFiles::IdentityOf(const struct stat& st, int number)
{
    Identity identity;
    memset(&identity, 0, sizeof(identity));  // padding too: the notes are written as they lie
    identity.number = number;
    identity.dev = static_cast<uint64_t>(st.st_dev);
    identity.ino = static_cast<uint64_t>(st.st_ino);
    identity.size = static_cast<uint64_t>(st.st_size);
    identity.mtime_sec = st.st_mtim.tv_sec;
    identity.mtime_nsec = st.st_mtim.tv_nsec;
    identity.ctime_sec = st.st_ctim.tv_sec;
    identity.ctime_nsec = st.st_ctim.tv_nsec;
    return identity;
}

bool UnchangedFiles::Same(const Identity& a, const Identity& b)
{
    return a.dev == b.dev && a.ino == b.ino && a.size == b.size && a.mtime_sec == b.mtime_sec &&
           a.mtime_nsec == b.mtime_nsec && a.ctime_sec == b.ctime_sec && a.ctime_nsec == b.ctime_nsec;
}

int UnchangedFiles::OpenParent(const std::string& path, std::string& last) const
{
    // Every folder below the copy is taken as it is, never through a link: a
    // link in the old copy must not lead the comparison, or a hard link,
    // to a file outside it.
    int dir = open(copy.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    size_t start = 0;
    for (size_t slash; dir >= 0 && (slash = path.find('/', start)) != std::string::npos; start = slash + 1) {
        const int next = openat(dir, path.substr(start, slash - start).c_str(),
                                O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        close(dir);
        dir = next;
    }
    last = path.substr(start);
    return dir;
}

void UnchangedFiles::Begin(archive_entry* entry, int number, mode_t umask)
{
    End(false);
    current = KeyOf(archive_entry_pathname(entry));
    Forget(archive_entry_pathname(entry));  // a later entry of a path replaces an earlier one
    std::string last;
    const int dir = current.empty() || !archive_entry_size_is_set(entry) ? -1 : OpenParent(current, last);
    if (dir < 0) {
        return;
    }
    fd = openat(dir, last.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    close(dir);
    // The writer makes a file with the entry's permissions less the umask.
    const mode_t mode = archive_entry_perm(entry) & 0777 & ~umask;
    if (fd >= 0 && (fstat(fd, &before) != 0 || !S_ISREG(before.st_mode) ||
                    before.st_size != archive_entry_size(entry) || (before.st_mode & 07777) != mode)) {
        End(false);
    }
    current_number = number;
    next_offset = 0;
}

void UnchangedFiles::Compare(const void* block, size_t size, int64_t offset)
{
    if (fd < 0) {
        return;
    }
    if (buffer.size() < size) {
        buffer.resize(size);
    }
    // Blocks come in order; a hole (a sparse entry) is left to the writer.
    if (offset != next_offset || !ReadAt(fd, buffer.data(), size, offset) ||
        memcmp(buffer.data(), block, size) != 0) {
        End(false);
        return;
    }
    next_offset += static_cast<int64_t>(size);
}

void UnchangedFiles::End(bool complete)
{
    if (fd < 0) {
        return;
    }
    struct stat after;
    const bool same = complete && next_offset == before.st_size && fstat(fd, &after) == 0 &&
                      Same(IdentityOf(before, 0), IdentityOf(after, 0));
    close(fd);
    fd = -1;
    if (same) {
        noted[current] = IdentityOf(after, current_number);
        space += Blocks(static_cast<uint64_t>(after.st_size));
    }
}

void UnchangedFiles::Forget(const char* name)
{
    auto it = noted.find(KeyOf(name));
    if (it != noted.end()) {
        space -= Blocks(it->second.size);
        noted.erase(it);
    }
}

bool UnchangedFiles::Save(int out) const
{
    std::string bytes;
    for (const auto& note : noted) {
        const uint32_t length = static_cast<uint32_t>(note.first.size());
        bytes.append(reinterpret_cast<const char*>(&note.second), sizeof(Identity));
        bytes.append(reinterpret_cast<const char*>(&length), sizeof(length));
        bytes += note.first;
    }
    if (ftruncate(out, 0) != 0) {
        return false;
    }
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = pwrite(out, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool UnchangedFiles::Load(int in)
{
    struct stat st;
    if (fstat(in, &st) != 0) {
        return false;
    }
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    if (!bytes.empty() && !ReadAt(in, &bytes[0], bytes.size(), 0)) {
        return false;
    }
    for (size_t at = 0; at < bytes.size();) {
        Identity identity;
        uint32_t length = 0;
        if (bytes.size() - at < sizeof(identity) + sizeof(length)) {
            return false;
        }
        memcpy(&identity, bytes.data() + at, sizeof(identity));
        memcpy(&length, bytes.data() + at + sizeof(identity), sizeof(length));
        at += sizeof(identity) + sizeof(length);
        if (bytes.size() - at < length) {
            return false;
        }
        noted[bytes.substr(at, length)] = identity;
        at += length;
    }
    return true;
}

bool UnchangedFiles::Link(const std::string& name, int number, const std::string& to)
{
    const std::string key = KeyOf(name.c_str());
    const auto it = noted.find(key);
    if (it == noted.end() || it->second.number != number) {
        return false;
    }
    std::string last;
    const int dir = OpenParent(key, last);
    struct stat st, now;
    std::string doubt;
    if (dir < 0 || fstatat(dir, last.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        doubt = "it is gone from the old copy";
    } else if (!Same(IdentityOf(st, number), it->second)) {
        doubt = "the old copy's file changed after the check";
    } else if (!LinkAt(dir, last, to)) {
        doubt = strerror(errno);
    } else if (lstat(to.c_str(), &now) != 0 || now.st_dev != st.st_dev || now.st_ino != st.st_ino) {
        unlink(to.c_str());
        doubt = "it changed while it was linked";
    }
    if (dir >= 0) {
        close(dir);
    }
    if (!doubt.empty()) {
        Logger::LogMsg(Logger::L_DEBUG, LOG_COMP,
                       "[DEBUG] unchanged-files(%d): '%s' is written, not linked from '%s': %s\n", __LINE__,
                       key.c_str(), copy.c_str(), doubt.c_str());
        return false;
    }
    ++linked;
    return true;
}

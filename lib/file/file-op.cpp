// File operations over POSIX calls. See file/file-op.h for the contracts.
#include "file/file-op.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/time.h>
#include <unistd.h>
#include <vector>

#include "log.h"
#include "tmp_name_gen.h"

namespace {

const char* const kComp = "file_op_debug";

const size_t kCopyBlockSize = 33554432; // 32 MiB, allocated once per copy
const unsigned long kNfsMagic = 0x6969UL;
const unsigned long kCifsMagic = 0xFF534D42UL;
const unsigned long kMsdosMagic = 0x4D44UL;

FILE_TYPE TypeFromMode(mode_t mode)
{
    if (S_ISFIFO(mode)) return FT_FIFO;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FT_DEV;
    if (S_ISDIR(mode)) return FT_DIR;
    if (S_ISREG(mode)) return FT_FILE;
    if (S_ISLNK(mode)) return FT_SLINK;
    if (S_ISSOCK(mode)) return FT_SOCK;
    return FT_ERR;
}

FILE_TYPE TypeFromDirent(unsigned char d_type)
{
    switch (d_type) {
    case DT_FIFO: return FT_FIFO;
    case DT_CHR:
    case DT_BLK: return FT_DEV;
    case DT_DIR: return FT_DIR;
    case DT_REG: return FT_FILE;
    case DT_LNK: return FT_SLINK;
    case DT_SOCK: return FT_SOCK;
    default: return FT_ERR; // DT_UNKNOWN included: some file systems never tell
    }
}

bool IsDotOrDotDot(const char* name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

// Reads the next entry of a stream that only this call uses. Returns the
// entry, or null at the end or on an error (errno tells them apart: 0 at the
// end).
struct dirent* NextEntry(DIR* dp)
{
    errno = 0;
    return readdir(dp);
}

// Writes the whole block, continuing after short writes. 0, or the errno of
// the write that made no progress (EIO when it wrote nothing without one).
int WriteAll(int fd, const char* buf, size_t len)
{
    size_t done = 0;
    while (done < len) {
        ssize_t n = write(fd, buf + done, len - done);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) continue;
            return n < 0 ? errno : EIO;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

// Empties the opened destination of a copy, unless it is the source itself.
// 0, or -1 (logged).
int EmptyCopyDestination(int in, int out, const ustring& src, const ustring& dst)
{
    struct stat inSt;
    struct stat outSt;
    const bool outKnown = fstat(in, &inSt) == 0 && fstat(out, &outSt) == 0;
    if (outKnown && inSt.st_dev == outSt.st_dev && inSt.st_ino == outSt.st_ino) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): CopyFile: '%s' and '%s' are the same file\n",
                       __LINE__, src.c_str(), dst.c_str());
        return -1;
    }
    // Only regular files take a truncation; pipes and devices refuse it.
    if ((!outKnown || S_ISREG(outSt.st_mode)) && ftruncate(out, 0) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): CopyFile: truncate(%s): %s (%d)\n", __LINE__,
                       dst.c_str(), strerror(err), err);
        return -1;
    }
    return 0;
}

// Copies the rest of `in` to `out` through one block of kCopyBlockSize.
// 0; -1; -2 when the destination's disk or quota is full. Logged.
int CopyBytes(int in, int out)
{
    char* buf = static_cast<char*>(malloc(kCopyBlockSize));
    if (buf == nullptr) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSCopy: malloc(%d): %s (%d)\n",
                       __LINE__, static_cast<int>(kCopyBlockSize), strerror(err), err);
        return -1;
    }
    int result = 0;
    for (;;) {
        ssize_t n = read(in, buf, kCopyBlockSize);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int err = errno;
            Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: read: %s (%d)\n",
                           __LINE__, strerror(err), err);
            result = -1;
            break;
        }
        if (n == 0) break;
        int err = WriteAll(out, buf, static_cast<size_t>(n));
        if (err != 0) {
            Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: write: %s (%d)\n",
                           __LINE__, strerror(err), err);
            result = (err == EDQUOT || err == ENOSPC) ? -2 : -1;
            break;
        }
    }
    free(buf);
    return result;
}

// Moves a symbolic link to another file system by making a new one with the
// same target; the old one goes only once the new one stands.
int MoveLinkAcrossDevices(const ustring& from, const ustring& to)
{
    ustring target;
    if (FSReadSymbolicLink(from, target) != 0) return -3;
    if (FSCreateSymbolicLink(target, to) != 0) return -3;
    if (unlink(from.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRename: Failed to remove moved link '%s'. %s\n",
                       __LINE__, from.c_str(), strerror(err));
        // Don't leave the link in two places.
        unlink(to.c_str());
        return -3;
    }
    return 0;
}

int MoveDirAcrossDevices(const ustring& from, const ustring& to, bool do_case_check)
{
    if (FSMKDir(to, true) != 0) return -3;
    DIR* dp = opendir(from.c_str());
    if (dp == nullptr) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRename: Failed to open directory '%s'. %s\n",
                       __LINE__, from.c_str(), strerror(err));
        return -3;
    }
    // A read error ends the walk like the end of the listing; the final
    // rmdir then fails on whatever is left.
    while (struct dirent* de = NextEntry(dp)) {
        if (IsDotOrDotDot(de->d_name)) continue;
        ustring name(de->d_name);
        if (FSRename(from + "/" + name, to + "/" + name, do_case_check) != 0) {
            closedir(dp);
            return -3;
        }
    }
    closedir(dp);
    if (rmdir(from.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRename: Failed to remove moved directory '%s'. %s\n",
                       __LINE__, from.c_str(), strerror(err));
        return -3;
    }
    return 0;
}

// Parents this close to the top keep their listing open while a child is
// emptied. Deeper ones are closed and found again through "..", so that a
// tree of any depth costs at most this many descriptors (plus two).
const size_t kRemoveOpenLevels = 64;

// One folder on the way down from the top of a removal.
struct RemoveLevel {
    std::string name; // in the parent folder; empty for the top
    DIR* dp;          // null while closed for a deep child
    dev_t dev;
    ino_t ino;
};

// The full path of `leaf` in the deepest level, for log lines only: it may
// be longer than any system call accepts.
std::string RemovePath(const ustring& top, const std::vector<RemoveLevel>& levels,
                       const char* leaf)
{
    std::string path(top.c_str());
    for (size_t i = 1; i < levels.size(); ++i) path += "/" + levels[i].name;
    if (leaf != nullptr) path += std::string("/") + leaf;
    return path;
}

void CloseLevels(std::vector<RemoveLevel>& levels)
{
    for (RemoveLevel& level : levels)
        if (level.dp != nullptr) closedir(level.dp);
    levels.clear();
}

// Opens folder `name` below dirfd without following a link, as a listing.
// Null with errno set on failure.
DIR* OpenLevel(int dirfd, const char* name, struct stat& st)
{
    int fd = openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return nullptr;
    DIR* dp = fstat(fd, &st) == 0 ? fdopendir(fd) : nullptr;
    if (dp == nullptr) {
        int err = errno;
        close(fd);
        errno = err;
    }
    return dp;
}

// Whether `st` is a folder of ours that its owner cannot list, search or
// change. A package may ship folders like that (0555, even 0000); root never
// notices, anyone else could not empty them.
bool LacksOwnerAccess(const struct stat& st)
{
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
           (st.st_mode & S_IRWXU) != S_IRWXU;
}

// OpenLevel for a folder about to be emptied: one of ours also gets read,
// write and search for its owner (the other bits stay), so that its own mode
// never stops the removal. Nothing but a folder opened without following a
// link is ever changed. Null with errno set on failure.
DIR* OpenLevelToEmpty(int parent, const char* name, struct stat& st)
{
    DIR* dp = OpenLevel(parent, name, st);
    if (dp != nullptr) {
        // When this fails, the unlink it was for fails and is logged.
        if (LacksOwnerAccess(st)) fchmod(dirfd(dp), (st.st_mode & 07777) | S_IRWXU);
        return dp;
    }
    if (errno != EACCES) return nullptr;

    // Not even readable. A path handle reaches the folder itself without
    // reading it; the mode is changed and the listing opened through that
    // handle, so a link or another folder put under the name meanwhile is
    // never the one changed or emptied. A handle like that has no fchmod;
    // its /proc entry stands for exactly the inode it holds. Without /proc
    // the name is changed, once it is seen to be that very folder still
    // (only a process of the owner could swap it, the owner's own file).
    int pathFd = openat(parent, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (pathFd < 0) {
        errno = EACCES;
        return nullptr;
    }
    struct stat pst;
    struct stat named;
    char proc[32];
    snprintf(proc, sizeof proc, "/proc/self/fd/%d", pathFd);
    if (fstat(pathFd, &pst) == 0 && LacksOwnerAccess(pst)) {
        const mode_t mode = (pst.st_mode & 07777) | S_IRWXU;
        if (chmod(proc, mode) == 0 ||
            (errno == ENOENT && fstatat(parent, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
             S_ISDIR(named.st_mode) && named.st_dev == pst.st_dev && named.st_ino == pst.st_ino &&
             fchmodat(parent, name, mode, 0) == 0)) {
            dp = OpenLevel(pathFd, ".", st);
        }
    }
    int err = dp == nullptr ? EACCES : 0;
    close(pathFd);
    errno = err;
    return dp;
}

// Logs `what` for `leaf` in the deepest level (the level itself when null)
// with errno's text, and gives up the walk: -3.
int GiveUpRemoval(int line, const char* what, const ustring& top,
                  std::vector<RemoveLevel>& levels, const char* leaf)
{
    int err = errno;
    Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): FSRemove: %s '%s'. %s\n", line,
                   what, RemovePath(top, levels, leaf).c_str(), strerror(err));
    CloseLevels(levels);
    return -3;
}

// Removes entry `de` of the deepest level; a folder is not removed but
// opened as the next level down, to be emptied first. An entry that went
// away meanwhile is no failure. 0, or -3 once the walk is given up.
int RemoveOrDescend(const ustring& top, std::vector<RemoveLevel>& levels, const dirent* de)
{
    RemoveLevel& cur = levels.back();
    const int fd = dirfd(cur.dp);
    struct stat st;
    bool isDir = de->d_type == DT_DIR;
    if (de->d_type == DT_UNKNOWN) {
        if (fstatat(fd, de->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT) return 0;
            return GiveUpRemoval(__LINE__, "Failed to get info for", top, levels, de->d_name);
        }
        isDir = S_ISDIR(st.st_mode);
    }
    if (!isDir) {
        if (unlinkat(fd, de->d_name, 0) != 0 && errno != ENOENT) {
            return GiveUpRemoval(__LINE__, "Failed to remove", top, levels, de->d_name);
        }
        return 0;
    }
    DIR* child = OpenLevelToEmpty(fd, de->d_name, st);
    if (child == nullptr) {
        if (errno == ENOENT) return 0;
        return GiveUpRemoval(__LINE__, "Failed to open directory", top, levels, de->d_name);
    }
    // Copied before a closedir below ends the life of `de`.
    std::string name(de->d_name);
    if (levels.size() >= kRemoveOpenLevels) {
        // Everything listed so far is gone; the listing starts over
        // when this folder is reopened.
        closedir(cur.dp);
        cur.dp = nullptr;
    }
    levels.push_back(RemoveLevel{std::move(name), child, st.st_dev, st.st_ino});
    return 0;
}

// Removes the deepest level, emptied, from its parent and leaves it. 0, or
// -3 once the walk is given up.
int RemoveEmptiedLevel(const ustring& top, std::vector<RemoveLevel>& levels)
{
    RemoveLevel& cur = levels.back();
    RemoveLevel& parent = levels[levels.size() - 2];
    if (parent.dp == nullptr) {
        // Back up through "..", and make sure it is still the folder we
        // came down from, not one the tree was moved into meanwhile. Its
        // mode was opened up on the way down, so nothing is changed here
        // before it is known to be that folder.
        struct stat st;
        parent.dp = OpenLevel(dirfd(cur.dp), "..", st);
        if (parent.dp == nullptr || st.st_dev != parent.dev || st.st_ino != parent.ino) {
            int err = parent.dp == nullptr ? errno : 0;
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] file-op(%d): FSRemove: Lost the parent of '%s'. %s\n",
                           __LINE__, RemovePath(top, levels, nullptr).c_str(),
                           err != 0 ? strerror(err) : "It was moved during the removal.");
            CloseLevels(levels);
            return -3;
        }
    }
    closedir(cur.dp);
    cur.dp = nullptr;
    if (unlinkat(dirfd(parent.dp), cur.name.c_str(), AT_REMOVEDIR) != 0) {
        return GiveUpRemoval(__LINE__, "Failed to remove directory", top, levels, nullptr);
    }
    levels.pop_back();
    return 0;
}

// Empties and removes the folder `top` through descriptors, one level at a
// time, so neither PATH_MAX nor the descriptor limit bounds the depth. Links
// are removed, never entered. Stops at the first entry that cannot go.
int RemoveTree(const ustring& top)
{
    std::vector<RemoveLevel> levels;
    struct stat st;
    DIR* topDp = OpenLevelToEmpty(AT_FDCWD, top.c_str(), st);
    if (topDp == nullptr) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRemove: Failed to open directory '%s'. %s\n",
                       __LINE__, top.c_str(), strerror(err));
        return -3;
    }
    levels.push_back(RemoveLevel{std::string(), topDp, st.st_dev, st.st_ino});

    for (;;) {
        // A read error ends the listing like its end; removing the folder
        // then fails on whatever is left.
        if (struct dirent* de = NextEntry(levels.back().dp)) {
            if (IsDotOrDotDot(de->d_name)) continue;
            if (RemoveOrDescend(top, levels, de) != 0) return -3;
            continue;
        }
        if (levels.size() == 1) break;
        if (RemoveEmptiedLevel(top, levels) != 0) return -3;
    }
    CloseLevels(levels);

    if (rmdir(top.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRemove: Failed to remove directory '%s'. %s\n",
                       __LINE__, top.c_str(), strerror(err));
        return -3;
    }
    return 0;
}

} // namespace

bool _FILE_INFO_tag::operator==(const _FILE_INFO_tag& o) const
{
    return isExist == o.isExist && size == o.size && mtime == o.mtime && type == o.type &&
           path == o.path && name == o.name;
}

int GetFileInfo(const ustring& path, FILE_INFO& info)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return -1;
        info.isExist = false;
        info.mtime = 0;
        info.size = 0;
        info.uid = 0;
        info.gid = 0;
        info.mode = 0;
        info.dev_id = 0;
        info.type = FT_ERR;
        info.name = FSBaseName(path);
        info.path = path;
        return 0;
    }
    info.isExist = true;
    info.mtime = static_cast<uint32_t>(st.st_mtime);
    info.name = FSBaseName(path);
    info.path = path;
    info.size = static_cast<uint64_t>(st.st_size);
    info.dev_id = static_cast<uint64_t>(st.st_dev);
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.mode = st.st_mode;
    info.type = TypeFromMode(st.st_mode);
    return info.type == FT_ERR ? -1 : 0;
}

int FSStat(const ustring& path, FILE_INFO& info, bool /*do_case_check*/)
{
    if (path.empty()) return -1;
    return GetFileInfo(path, info) == 0 ? 0 : -2;
}

bool IsFileExist(const ustring& path, bool /*do_case_check*/)
{
    if (path.empty()) return false;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) return false;
    return info.isExist;
}

ustring FSBaseName(const ustring& path)
{
    size_t slash = path.rfind('/', ustring::npos);
    if (slash == ustring::npos) return path;
    return path.substr(slash + 1, ustring::npos);
}

ustring FSParentPath(const ustring& path)
{
    size_t slash = path.rfind('/', ustring::npos);
    if (slash == ustring::npos || slash == 0) return ustring("/");
    return path.substr(0, slash);
}

int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, mode_t mode)
{
    if (path.empty()) return -1;
    std::vector<char> copy(path.c_str(), path.c_str() + path.length() + 1);
    const bool explicitMode = mode != static_cast<mode_t>(-1);
    const mode_t dirMode = explicitMode ? mode : 0777;
    mode_t oldMask = 0;
    if (explicitMode) oldMask = umask(0);

    int result = 0;
    int savedErrno = 0;
    char* p = copy.data();
    if (*p == '/') ++p;
    for (;; ++p) {
        if (*p != '/' && *p != '\0') continue;
        const char saved = *p;
        const bool last = saved == '\0' || p[1] == '\0';
        *p = '\0';
        struct stat st;
        if (stat(copy.data(), &st) != 0) {
            if (mkdir(copy.data(), dirMode) != 0) {
                savedErrno = errno;
                Logger::LogMsg(Logger::L_DEBUG, kComp,
                               "[DEBUG] file-op(%d): FSMKDirP: mkdir '%s' failed. %s\n", __LINE__,
                               copy.data(), strerror(savedErrno));
                result = -1;
            }
        } else if (S_ISDIR(st.st_mode)) {
            // Already there (possibly through a link).
        } else if (blForceCreate) {
            if (remove(copy.data()) != 0 || mkdir(copy.data(), dirMode) != 0) {
                savedErrno = errno;
                Logger::LogMsg(Logger::L_DEBUG, kComp,
                               "[DEBUG] file-op(%d): FSMKDirP: replacing '%s' failed. %s\n",
                               __LINE__, copy.data(), strerror(savedErrno));
                result = -1;
            }
        } else if (last) {
            savedErrno = EEXIST;
            Logger::LogMsg(Logger::L_INFO, kComp,
                           "[INFO] file-op(%d): FSMKDirP: path: %s is existing file or symbolic "
                           "link pointed to file\n",
                           __LINE__, copy.data());
            result = -1;
        } else {
            Logger::LogMsg(Logger::L_INFO, kComp,
                           "[INFO] file-op(%d): FSMKDirP: path: %s is symbolic link pointed to "
                           "folder\n",
                           __LINE__, copy.data());
        }
        *p = saved;
        if (result != 0 || last) break;
    }

    if (endptr != nullptr) {
        *endptr = const_cast<char*>(path.c_str()) + (p - copy.data());
    }
    if (explicitMode) umask(oldMask);
    if (result != 0) errno = savedErrno;
    return result;
}

int FSMKDir(const ustring& path, bool isCreateParent)
{
    if (path.empty()) return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n", __LINE__,
                       path.c_str());
        return -1;
    }
    if (info.isExist) {
        if (info.type == FT_DIR) return 0;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is "
                       "not directory '%s' (%d)\n",
                       __LINE__, path.c_str(), static_cast<int>(info.type));
        return -1;
    }
    int rc = isCreateParent ? FSMKDirP(path, nullptr, false, static_cast<mode_t>(-1))
                            : mkdir(path.c_str(), 0777);
    if (rc != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): path = %s errno : %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return -2;
    }
    return 0;
}

int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin)
{
    int in = open(src.c_str(), O_RDONLY);
    if (in < 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n",
                       __LINE__, src.c_str(), strerror(err), err);
        return -1;
    }
    // Open without truncating first: if the destination is the source
    // itself, truncating would destroy the very bytes we are about to read.
    int out = open(dst.c_str(), O_WRONLY | O_CREAT, 0666);
    if (out < 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n",
                       __LINE__, dst.c_str(), strerror(err), err);
        close(in);
        return -1;
    }
    if (EmptyCopyDestination(in, out, src, dst) != 0) {
        close(in);
        close(out);
        return -1;
    }

    int result = CopyBytes(in, out);
    close(in);
    if (result == 0 && isDelOrigin && unlink(src.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSCopy: Failed to remove source '%s'. %s (%d)\n",
                       __LINE__, src.c_str(), strerror(err), err);
        result = -1;
    }
    fsync(out);
    close(out);
    return result;
}

int FSRename(const ustring& from, const ustring& to, bool do_case_check)
{
    if (from.empty() || to.empty()) return -1;
    FILE_INFO info;
    if (FSStat(from, info, do_case_check) != 0 || !info.isExist) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRename: Source '%s' does not exist or cannot be "
                       "examined\n",
                       __LINE__, from.c_str());
        return -2;
    }
    if (rename(from.c_str(), to.c_str()) == 0) return 0;
    int err = errno;
    if (err != EXDEV) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRename: Failed to rename '%s' to '%s'. %s\n",
                       __LINE__, from.c_str(), to.c_str(), strerror(err));
        return err == ENAMETOOLONG ? -100 : -3;
    }

    switch (info.type) {
    case FT_FILE:
        return FSCopy(from, to, true) < 0 ? -3 : 0;
    case FT_DIR:
        return MoveDirAcrossDevices(from, to, do_case_check);
    case FT_SLINK:
        return MoveLinkAcrossDevices(from, to);
    default:
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRename: Cannot move '%s' (type %d) to another "
                       "file system\n",
                       __LINE__, from.c_str(), static_cast<int>(info.type));
        return -3;
    }
}

int FSRemove(const ustring& path, bool /*allowundo*/)
{
    if (path.empty()) return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSRemove: Failed to get info for '%s'. %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return -1;
    }
    if (!info.isExist) return 0;

    if (info.type != FT_DIR) {
        // A link goes by itself; whatever it points at stays.
        if (unlink(path.c_str()) != 0) {
            int err = errno;
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] file-op(%d): FSRemove: Failed to remove '%s'. %s\n", __LINE__,
                           path.c_str(), strerror(err));
            return -3;
        }
        return 0;
    }
    return RemoveTree(path);
}

int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh)
{
    DIR* dp = opendir(path.c_str());
    if (dp == nullptr) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return -1;
    }
    dh.dp = dp;
    dh.path = path;
    dh.flag = flag;
    return 0;
}

int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry)
{
    if (dh.dp == nullptr) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSOpenDir: Directory '%s' is not open\n", __LINE__,
                       dh.path.c_str());
        return -1;
    }
    struct dirent* de = NextEntry(dh.dp);
    if (de == nullptr) {
        if (errno == 0) return 0;
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
                       __LINE__, dh.path.c_str(), strerror(err));
        return -1;
    }
    if (dh.flag & 1) {
        ustring full = dh.path + "/" + de->d_name;
        FILE_INFO info;
        if (FSStat(full, info, false) != 0) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n",
                           __LINE__, full.c_str());
            return -1;
        }
        entry.mtime = info.mtime;
        entry.size = info.size;
    } else {
        entry.mtime = 0;
        entry.size = 0;
    }
    entry.name = de->d_name;
    entry.type = TypeFromDirent(de->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE& dh)
{
    if (dh.dp != nullptr) closedir(dh.dp);
    dh.dp = nullptr;
    dh.path.clear();
}

int FSMktemp(const ustring& prefix, ustring& path)
{
    // Built at its full length: a cut template would no longer end in the
    // XXXXXX that mkstemp needs.
    ustring templ = prefix + "/XXXXXX";
    std::vector<char> buf(templ.c_str(), templ.c_str() + templ.length() + 1);
    int fd = mkstemp(buf.data());
    if (fd < 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] file-op(%d): mkstemp(%s): %s\n", __LINE__,
                       templ.c_str(), strerror(err));
        return -1;
    }
    fchmod(fd, 0644);
    close(fd);
    path = buf.data();
    return 0;
}

int FSUTime(const ustring& path, time_t atime, time_t mtime)
{
    struct timeval tv[2];
    tv[0].tv_sec = atime;
    tv[0].tv_usec = 0;
    tv[1].tv_sec = mtime;
    tv[1].tv_usec = 0;
    if (lutimes(path.c_str(), tv) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSUTime: Failed to set times of '%s'. %s\n", __LINE__,
                       path.c_str(), strerror(err));
        return -1;
    }
    return 0;
}

int FSCreateTempPath(const ustring& prefix, ustring& path)
{
    path = TmpNameGen::getInstance().getTmpPath(prefix);
    return path.empty() ? -1 : 0;
}

bool FSTimeEqual(time_t a, time_t b)
{
    return a == b;
}

bool isFileLocked(const ustring& path, int flag)
{
    if (access(path.c_str(), flag) == 0) return false;
    return errno == EPERM || errno == EACCES;
}

bool hasFilePermission(const ustring& path, int flag)
{
    return !isFileLocked(path, flag);
}

bool isMountPoint(const ustring& path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. "
                       "%s\n",
                       __LINE__, path.c_str(), strerror(err));
        return false;
    }
    unsigned long type = static_cast<unsigned long>(fs.f_type);
    return type == kNfsMagic || type == kCifsMagic;
}

bool IsMSDOS(const ustring& path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info "
                       "'%s'. %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return false;
    }
    if (static_cast<unsigned long>(fs.f_type) != kMsdosMagic) return false;
    Logger::LogMsg(Logger::L_WARNING, kComp,
                   "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n", __LINE__,
                   path.c_str());
    return true;
}

int FSGetRealPath(ustring& path)
{
    Logger::LogMsg(Logger::L_DEBUG, kComp, "[DEBUG] file-op(%d):  org path [%s]\n", __LINE__,
                   path.c_str());
    std::vector<char> resolved(8192, '\0');
    if (realpath(path.c_str(), resolved.data()) == nullptr) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSGetRealPath: Failed to resolve '%s'. %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return -1;
    }
    path = resolved.data();
    Logger::LogMsg(Logger::L_DEBUG, kComp, "[DEBUG] file-op(%d):  get full path [%s]\n", __LINE__,
                   path.c_str());
    return 0;
}

bool FSIsParentFolder(const ustring& parent, const ustring& child)
{
    const size_t n = parent.length();
    if (child.length() < n) return false;
    if (child.length() > n && child[n] != '/') return false;
    return child.compare(parent, n) == 0;
}

int FSMKDirFromRoot(const ustring& path, const ustring& from)
{
    if (from.length() > path.length()) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then "
                       "target's '%s'.\n",
                       __LINE__, from.c_str(), path.c_str());
        return -1;
    }
    if (!FSIsParentFolder(from, path)) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
                       __LINE__, from.c_str(), path.c_str());
        return -1;
    }
    const ustring rest = path.substr(from.length(), ustring::npos);
    ustring current;
    while (current != rest) {
        const size_t start = current.length() + 1;
        const size_t slash = start < rest.length() ? rest.find('/', start) : ustring::npos;
        current = slash == ustring::npos ? rest : rest.substr(0, slash);
        Logger::LogMsg(Logger::L_DEBUG, kComp, "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n",
                       __LINE__, current.c_str());
        if (FSMKDir(from + current, false) < 0) return -1;
    }
    return 0;
}

int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path)
{
    if (symlink(target_path.c_str(), link_path.c_str()) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link "
                       "'%s' -> '%s' (code: %d, msg: %s)\n",
                       __LINE__, target_path.c_str(), link_path.c_str(), err, strerror(err));
        return -1;
    }
    return 0;
}

int FSReadSymbolicLink(const ustring& link_path, ustring& target_path)
{
    // readlink does not terminate and cuts silently, so grow the buffer
    // until the target fits with room to spare.
    size_t cap = 4096;
    for (;;) {
        std::vector<char> buf(cap, '\0');
        ssize_t n = readlink(link_path.c_str(), buf.data(), cap);
        if (n < 0) {
            int err = errno;
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link "
                           "'%s' (code: %d, msg: %s)\n",
                           __LINE__, link_path.c_str(), err, strerror(err));
            return -1;
        }
        if (static_cast<size_t>(n) < cap) {
            target_path.assign(buf.data(), static_cast<size_t>(n));
            return 0;
        }
        cap *= 2;
    }
}

int FSChown(const ustring& path, uid_t owner, gid_t group)
{
    if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
                       __LINE__, path.c_str(), err, strerror(err));
        return -1;
    }
    return 0;
}

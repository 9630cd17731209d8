// File operations: free functions over POSIX calls.
//
// Place in the foundation: above the string type. The state-file reader at
// the end (lib/file/state-file.cpp) logs nothing and is all that Config, and
// through Config the logger, use of this file; everything else here logs,
// so it sits above the logger and nothing below the logger may call it.
//
// Paths are ustrings, used unchanged ("/" separator, no normalisation).
// Results are 0 for success and negative codes per function; every failure
// is logged once under "file_op_debug". Nothing here throws, keeps state, or
// rolls back partial work. All functions may run on any thread, except that
// FSMKDirP with an explicit mode changes the process umask for its duration.
#ifndef FILE_FILE_OP_H
#define FILE_FILE_OP_H

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

#include "ustring/ustring.h"

typedef enum _FILE_TYPE_tag {
    FT_ERR = 0,   // missing path, or an entry whose kind is not reported
    FT_FILE = 1,
    FT_DIR = 2,
    FT_SLINK = 3, // the link itself, never its target
    FT_HLINK = 4, // never produced
    FT_DEV = 5,
    FT_FIFO = 6,
    FT_SOCK = 7,
} FILE_TYPE;

typedef struct _FILE_INFO_tag {
    ustring path;
    ustring name;
    FILE_TYPE type = FT_ERR;
    uint32_t mtime = 0;
    uint64_t size = 0;
    bool isExist = false;
    uint32_t uid = 0;
    uint32_t gid = 0;
    uint32_t mode = 0;
    uint64_t dev_id = 0;

    // Compares existence, size, time, type, path and name only.
    bool operator==(const _FILE_INFO_tag& o) const;
    bool operator!=(const _FILE_INFO_tag& o) const { return !(*this == o); }
} FILE_INFO;

// An open directory enumeration. The destructor does not close dp: pair every
// successful FSOpenDir with FSCloseDir.
struct DIR_HANDLE {
    ustring path;
    int flag = 0; // bit 0: fill mtime and size of each entry
    DIR* dp = nullptr;
};

struct DIR_ENTRY {
    ustring name;
    FILE_TYPE type = FT_ERR;
    uint32_t mtime = 0;
    uint64_t size = 0;
};

// lstat-based; a missing entry is a successful answer with isExist false.
// 0, or -1 for any other failure (record untouched).
int GetFileInfo(const ustring& path, FILE_INFO& info);
// 0; -1 for an empty path; -2 when no information could be had.
int FSStat(const ustring& path, FILE_INFO& info, bool do_case_check = false);
// A dangling symbolic link exists.
bool IsFileExist(const ustring& path, bool do_case_check = false);
ustring FSBaseName(const ustring& path);
ustring FSParentPath(const ustring& path);

// Creates path and its missing parents. mode (mode_t)-1 means 0777 less umask.
int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, mode_t mode);
// 0 (created or already a directory); -1 (empty path, not a directory, no
// info); -2 (mkdir failed).
int FSMKDir(const ustring& path, bool isCreateParent);
// Copies one file's bytes (fsync'd). 0; -1; -2 on a full disk or quota.
// Refuses to copy a file onto itself.
int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin);
// Moves an entry, also across file systems. 0; -1 (empty path); -2 (source
// missing); -3 (failed); -100 (name too long). Across file systems files are
// copied, folders walked and links recreated; pipes, devices and sockets are
// refused (-3) and stay where they are.
int FSRename(const ustring& from, const ustring& to, bool do_case_check = false);
// Removes an entry and everything below it, however deep, never following
// links out of the tree. A folder of the user's that lacks read, write or
// search permission for its owner gets them before it is emptied, so the
// modes a package gave its folders never keep them from going. 0 (also for a
// missing path); -1; -3 (failed part-way, or a folder that cannot be listed).
int FSRemove(const ustring& path, bool allowundo = false);

int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh);
// 1 entry read; 0 end; -1 error. "." and ".." are delivered too.
int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry);
void FSCloseDir(DIR_HANDLE& dh);

int FSMktemp(const ustring& prefix, ustring& path);
int FSUTime(const ustring& path, time_t atime, time_t mtime);
int FSCreateTempPath(const ustring& prefix, ustring& path);
bool FSTimeEqual(time_t a, time_t b);
bool isFileLocked(const ustring& path, int flag);
bool hasFilePermission(const ustring& path, int flag);
bool isMountPoint(const ustring& path);
bool IsMSDOS(const ustring& path);
int FSGetRealPath(ustring& path);
bool FSIsParentFolder(const ustring& parent, const ustring& child);
int FSMKDirFromRoot(const ustring& path, const ustring& from);
int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path);
// The whole target, however long.
int FSReadSymbolicLink(const ustring& link_path, ustring& target_path);
// The entry itself, not a link's target; relative paths from the working folder.
int FSChown(const ustring& path, uid_t owner, gid_t group);

// Upper bound for the small state files a user, the client or a package
// controls (pid file, INFO records, the level file).
const size_t STATE_FILE_MAX_BYTES = 64 * 1024;

// Reads such a state file whole without ever blocking: a FIFO, device,
// socket or folder at the path is never opened, and the file is opened
// non-blocking, so a FIFO swapped in after the check cannot hang the caller
// either. On success `st` (when given) describes
// the file that was read. 0; -1 (empty path); -2 (missing); -3 (not a regular
// file); -4 (larger than max_bytes); -5 (cannot be opened or read).
// Unlike the other functions here it logs nothing: only the caller knows
// whether a missing file is news. FSStateFileError names a code for the log.
int FSReadStateFile(const ustring& path, size_t max_bytes, std::string& contents,
                    struct stat* st = nullptr);
// The same verdict from the name alone, without opening or reading the file.
int FSCheckStateFile(const ustring& path, size_t max_bytes);
const char* FSStateFileError(int code);

#endif

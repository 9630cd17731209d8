#include "user-copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file/file-op.h"
#include "log.h"
#include "version-record.h"

namespace {

const char* const LOG_COMP = "service_debug";

// Whether `path` is a folder that holds nothing.
bool IsEmptyFolder(const ustring& path)
{
    DIR_HANDLE handle;
    if (FSOpenDir(path, 0, handle) != 0) {
        return false;
    }
    DIR_ENTRY entry;
    bool empty = true;
    while (empty && FSReadDir(handle, entry) > 0) {
        empty = entry.name == "." || entry.name == "..";
    }
    FSCloseDir(handle);
    return empty;
}

}  // namespace

ustring GetAppBackupDir(const ustring& app_dir, int tries)
{
    ustring dir = app_dir + "_tmp";
    if (tries == 0) {
        return dir;
    }
    char postfix[8];
    snprintf(postfix, sizeof(postfix), "%d", tries);
    return dir + postfix;
}

bool UserCopy::Check(const ustring& dir, int& build, std::string& why)
{
    VersionRecord info;
    ReadVersionRecord(dir + "/INFO", info);
    build = BuildNumber(info.build_version);
    if (build <= 0) {
        why = "its INFO names no build";
        return false;
    }
    if (!HasExecutable(dir)) {
        why = "bin/skylet-backup-ui is no regular file with an execute bit";
        return false;
    }
    return true;
}

bool UserCopy::IsWhole(const ustring& dir)
{
    int build = 0;
    std::string why;
    return Check(dir, build, why);
}

bool UserCopy::HasExecutable(const ustring& dir)
{
    // A link to a regular file counts, as it starts the client all the same.
    struct stat st;
    const ustring exe = dir + "/bin/skylet-backup-ui";
    return stat(exe.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0111) != 0;
}

bool UserCopy::WarnIfNoexec(const ustring& dir)
{
    struct statvfs vfs;
    if (statvfs(dir.c_str(), &vfs) != 0 || (vfs.f_flag & ST_NOEXEC) == 0) {
        return false;
    }
    Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                   "[WARNING] user-copy(%d): '%s' lies on a file system mounted with the option noexec; "
                   "the client cannot run from it until it is mounted without noexec\n",
                   __LINE__, dir.c_str());
    return true;
}

std::vector<ustring> UserCopy::TakenBackups() const
{
    std::vector<ustring> taken;
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        const ustring backup = GetAppBackupDir(app, i);
        if (IsFileExist(backup)) {
            taken.push_back(backup);
        }
    }
    return taken;
}

ustring UserCopy::WholeBackup() const
{
    for (const ustring& backup : TakenBackups()) {
        if (IsWhole(backup)) {
            return backup;
        }
    }
    return ustring("");
}

bool UserCopy::IsFirstInstallMarker(const ustring& backup) const
{
    return backup == GetAppBackupDir(app, 0) && IsEmptyFolder(backup);
}

int UserCopy::MarkFirstInstall()
{
    // A first install has no old copy to keep, yet a run killed during it
    // leaves a partial copy that may already hold the new INFO and
    // executable. The marker keeps the install under way until it succeeds,
    // so the next run redoes it; without the marker it is not begun.
    const ustring marker = GetAppBackupDir(app, 0);
    if (FSMKDir(marker, true) != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] user-copy(%d): cannot mark the first install in '%s'\n",
                       __LINE__, marker.c_str());
        return -1;
    }
    return 0;
}

ustring UserCopy::MoveAside()
{
    for (int tries = 0; tries < MAX_RENAME_COUNT; ++tries) {
        const ustring candidate = GetAppBackupDir(app, tries);
        // A name already taken is never replaced: it may be the marker of a
        // first install under way, which must outlive this run's backup, or
        // a backup an interrupted run left.
        if (!IsFileExist(candidate) && FSRename(app, candidate) == 0) {
            return candidate;
        }
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] user-copy(%d): failed to backup app from '%s' -> '%s'\n",
                       __LINE__, app.c_str(), candidate.c_str());
    }
    Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                   "[ERROR] user-copy(%d): failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                   __LINE__, app.c_str(), GetAppBackupDir(app, MAX_RENAME_COUNT - 1).c_str());
    return ustring("");
}

int UserCopy::Sync()
{
    int fd = open(app.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || syncfs(fd) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] user-copy(%d): failed to flush '%s' to storage: %s (%d)\n",
                       __LINE__, app.c_str(), strerror(err), err);
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    close(fd);
    return 0;
}

int UserCopy::Retire(const ustring& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 && errno == ENOENT) {
        return 0;
    }
    const ustring retired = RetiredPath();
    // A folder is renamed over only when it is empty, so what an earlier
    // removal left goes first.
    if (RemoveRetired() != 0 || rename(path.c_str(), retired.c_str()) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] user-copy(%d): cannot move '%s' out of the way to remove it: %s\n", __LINE__,
                       path.c_str(), strerror(err));
        return -1;
    }
    RemoveRetired();
    return 0;
}

int UserCopy::PutBack(const ustring& backup)
{
    // The copy in place could pass for a complete one. If it cannot be moved
    // away, the backup stays beside it, which makes the next run install
    // again.
    if (Retire(app) != 0) {
        return -1;
    }
    if (!backup.empty() && FSRename(backup, app) != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] user-copy(%d): cannot move the backup '%s' back to '%s'; the next run installs "
                       "again\n",
                       __LINE__, backup.c_str(), app.c_str());
        return -1;
    }
    return 0;
}

void UserCopy::RetireBackups(bool keep_marker)
{
    for (const ustring& backup : TakenBackups()) {
        if (!(keep_marker && IsFirstInstallMarker(backup))) {
            Retire(backup);
        }
    }
}

int UserCopy::RemoveRetired()
{
    if (FSRemove(RetiredPath()) == 0) {
        return 0;
    }
    Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                   "[WARNING] user-copy(%d): cannot remove all of '%s'; a later run removes the rest\n",
                   __LINE__, RetiredPath().c_str());
    return -1;
}

bool UserCopy::HasRetired() const
{
    return IsFileExist(RetiredPath());
}

int UserCopy::Recover(const std::function<void()>& before_change)
{
    if (TakenBackups().empty()) {
        return 0;  // no upgrade was cut short
    }
    const ustring whole = WholeBackup();
    if (!whole.empty()) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] user-copy(%d): restoring '%s', the last whole copy an interrupted upgrade "
                       "left, in place of the copy beside it\n",
                       __LINE__, whole.c_str());
        if (before_change) {
            before_change();
        }
        if (PutBack(whole) != 0) {
            return -1;
        }
        // The others are copies cut short, or the marker of a first install.
        RetireBackups(false);
        return 0;
    }
    if (IsWhole(app)) {
        // What lies under a backup name is a removal cut short or a copy
        // cut short. A first install's marker stays: the copy in place may
        // be one cut short itself, which the next run with a package to
        // install redoes.
        Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                       "[NOTE] user-copy(%d): keeping '%s'; no backup beside it is a whole copy\n", __LINE__,
                       app.c_str());
        RetireBackups(true);
        return 0;
    }
    Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                   "[WARNING] user-copy(%d): neither '%s' nor any backup beside it is a whole copy; they are "
                   "left as they are, and the next run installs again\n",
                   __LINE__, app.c_str());
    return -1;
}

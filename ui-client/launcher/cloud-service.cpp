#include "cloud-service.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/quota.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>
#include <QVariant>

#include "adapter.h"
#include "extractor.h"
#include "package-check.h"
#include "reading-process.h"
#include "file/file-op.h"
#include "log.h"
#include "texts/strtab.h"

namespace {

const char* const LOG_COMP = "service_debug";
// How long a launcher waits for another one, on another machine sharing the
// home folder, to finish its upgrade of the same tree.
const int USER_TREE_LOCK_WAIT_SECONDS = 300;

ustring ToUstring(const QString& text)
{
    return ustring(text.toUtf8().constData());
}

// What tells one file from another that took its name: device, inode,
// size and modification time.
std::string Identity(const struct stat& st)
{
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
           std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec);
}

// The identity of the file at `path`; empty when it cannot be looked at.
std::string FileIdentity(const ustring& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? Identity(st) : std::string();
}

// Fills the fields of `info` whose keys the INFO file's "Version" group holds;
// the others keep their value. The record is read only when it is a regular
// file of bounded size: a FIFO or a folder in its place counts as missing, so
// the run never hangs on it. The file stays checked while Qt's INI reader
// reads it: a file swapped in meanwhile is not taken either.
void ReadVersionRecord(const ustring& path, Service::VersionInfo& info)
{
    std::string checked_text;
    struct stat checked;
    int code = FSReadStateFile(path, STATE_FILE_MAX_BYTES, checked_text, &checked);
    if (code != 0) {
        if (code != -2) {
            Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                           "[WARNING] cloud-service(%d): version record '%s' is %s, read as "
                           "missing\n",
                           __LINE__, path.c_str(), FSStateFileError(code));
        }
        return;
    }
    Service::VersionInfo read = info;
    QSettings settings(QString::fromUtf8(path.c_str_utf8()), QSettings::IniFormat);
    settings.beginGroup("Version");
    struct Field {
        const char* key;
        ustring* value;
    } fields[] = {
        {"major_version", &read.major_version},
        {"minor_version", &read.minor_version},
        {"build_version", &read.build_version},
        {"icon_overlay_version", &read.icon_overlay_version},
    };
    for (const Field& field : fields) {
        if (settings.contains(field.key)) {
            *field.value = ToUstring(settings.value(field.key).toString());
        }
    }
    settings.endGroup();

    if (FileIdentity(path) != Identity(checked)) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] cloud-service(%d): version record '%s' changed while it was "
                       "read, read as missing\n",
                       __LINE__, path.c_str());
        return;
    }
    info = read;
}

// The SHA-256 the packaging side wrote beside the package: 0 with it, or
// with an empty `sha256` when there is no such file (one L_NOTICE: the
// package is then taken as it is); -1 for a checksum file that holds none.
int ExpectedChecksum(const ustring& path, std::string& sha256)
{
    int result = ReadChecksumFile(path, sha256);
    if (result == -2) {
        Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                       "[NOTE] cloud-service(%d): no checksum file '%s', the package is not checked "
                       "against one\n",
                       __LINE__, path.c_str());
        return 0;
    }
    if (result != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): checksum file '%s' holds no SHA-256\n", __LINE__,
                       path.c_str());
        return -1;
    }
    return 0;
}

// Flushes the file system holding `folder`, so that a fresh copy is on
// storage before the backup that could replace it is thrown away.
int SyncFolder(const ustring& folder)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || syncfs(fd) != 0) {
        int err = errno;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): failed to flush '%s' to storage: %s (%d)\n",
                       __LINE__, folder.c_str(), strerror(err), err);
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    close(fd);
    return 0;
}

// Room on a file system, in bytes and in entries (inodes), and what limits
// each.
struct Room {
    uint64_t bytes = UINT64_MAX;
    uint64_t files = UINT64_MAX;
    const char* bytes_limit = "free";
    const char* files_limit = "free";

    void Limit(uint64_t more_bytes, uint64_t more_files, const char* what)
    {
        if (more_bytes < bytes) {
            bytes = more_bytes;
            bytes_limit = what;
        }
        if (more_files < files) {
            files = more_files;
            files_limit = what;
        }
    }
};

uint64_t Left(uint64_t limit, uint64_t used)
{
    return limit == 0 ? UINT64_MAX : limit > used ? limit - used : 0;
}

// Narrows `room` to what the disk quotas of the user, the user's group and
// the folder's project leave on the file system holding the open folder
// `fd`; quotas not in use change nothing.
void LimitByQuotas(int fd, Room& room)
{
#ifdef SYS_quotactl_fd
    struct fsxattr attributes;
    memset(&attributes, 0, sizeof(attributes));
    const bool has_project = ioctl(fd, FS_IOC_FSGETXATTR, &attributes) == 0;
    const struct {
        int type;
        unsigned id;
        bool known;
        const char* what;
    } quotas[] = {
        {USRQUOTA, static_cast<unsigned>(getuid()), true, "left in the user's disk quota"},
        {GRPQUOTA, static_cast<unsigned>(getgid()), true, "left in the group's disk quota"},
        {PRJQUOTA, attributes.fsx_projid, has_project, "left in the project's disk quota"},
    };
    for (const auto& quota : quotas) {
        struct if_dqblk limits;
        memset(&limits, 0, sizeof(limits));
        if (!quota.known ||
            syscall(SYS_quotactl_fd, fd, QCMD(Q_GETQUOTA, quota.type), quota.id, &limits) != 0) {
            continue;
        }
        const bool blocks = (limits.dqb_valid & QIF_BLIMITS) != 0;
        const bool inodes = (limits.dqb_valid & QIF_ILIMITS) != 0;
        room.Limit(blocks ? Left(limits.dqb_bhardlimit * QIF_DQBLKSIZE, limits.dqb_curspace) : UINT64_MAX,
                   inodes ? Left(limits.dqb_ihardlimit, limits.dqb_curinodes) : UINT64_MAX, quota.what);
    }
#else
    (void)fd;
    (void)room;
#endif
}

// Whether `now` is still the very file `then` described, unwritten since.
// Not its change time: that moves when the file is only renamed over, which
// leaves its bytes as they were.
bool SameFile(const struct stat& then, const struct stat& now)
{
    return then.st_dev == now.st_dev && then.st_ino == now.st_ino && then.st_size == now.st_size &&
           then.st_mtim.tv_sec == now.st_mtim.tv_sec && then.st_mtim.tv_nsec == now.st_mtim.tv_nsec;
}

}  // namespace

ustring GetAppBackupDir(const ustring& app_dir, int tries)
{
    ustring dir = app_dir + "_tmp";
    if (tries == 0) {
        return dir;
    }
    char postfix[8];
    if (snprintf(postfix, sizeof(postfix), "%d", tries) < 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): snprintf failed (continuing without postfix)\n",
                       __LINE__);
        postfix[0] = '\0';
    }
    return dir + postfix;
}

int BuildNumber(const ustring& build_version)
{
    return build_version.empty() ? 0 : atoi(build_version.c_str());
}

bool IsRegularExecutable(const ustring& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

Service::Service()
    : timeout(0),
      user_tree_busy(false),
      package_entries(0),
      package_at_fault(false),
      package_fd(-1),
      checked_package()
{
}

Service::~Service()
{
    ClosePackage();
}

void Service::SetTimeout(int timeout)
{
    this->timeout = timeout;
}

void Service::SetStallLimit(int seconds)
{
    reading_limits.stall_seconds = seconds;
}

void Service::SetWaitLimit(int seconds)
{
    reading_limits.wait_seconds = seconds;
}

void Service::LockUserTree(const std::function<void()>& on_wait)
{
    FSMKDir(GetUserSkyletInstallPath(), true);
    user_tree_busy = user_tree_lock.Take(GetUserTreeLockPath(), USER_TREE_LOCK_WAIT_SECONDS, on_wait) ==
                     UserTreeLock::Busy;
}

ustring Service::GetUserInstallPath()
{
    return ToUstring(QDir::homePath());
}

ustring Service::GetRootSkyletInstallPath()
{
    return ToUstring(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + ".."));
}

ustring Service::GetRootSkyletResourceInstallPath()
{
    return GetRootSkyletInstallPath() + "";
}

ustring Service::GetUserSkyletInstallPath()
{
    return GetUserInstallPath() + "/" + ".SkyletBackup";
}

ustring Service::GetUserSkyletAppInstallPath()
{
    return GetUserSkyletInstallPath() + "/" + "Skylet.app";
}

ustring Service::GetUserSkyletDataInstallPath()
{
    return GetUserSkyletInstallPath() + "/" + "data";
}

ustring Service::GetPackagePath()
{
    return GetRootSkyletResourceInstallPath() + "/package/skylet.vpk";
}

ustring Service::GetPackageChecksumPath()
{
    return GetPackagePath() + ".sha256";
}

ustring Service::GetRejectedPackageRecordPath()
{
    return GetUserSkyletInstallPath() + "/package.rejected";
}

ustring Service::GetUserTreeLockPath()
{
    return GetUserSkyletInstallPath() + "/upgrade.lock";
}

void Service::LoadSourceVersion()
{
    ustring path = GetUserSkyletAppInstallPath() + "/" + "INFO";
    if (!IsFileExist(path)) {
        Logger::LogMsg(Logger::L_INFO, LOG_COMP, "[INFO] cloud-service(%d): source does not exist\n",
                       __LINE__);
        return;
    }
    ReadVersionRecord(path, source_version);
    Logger::LogMsg(Logger::L_INFO, LOG_COMP,
                   "[INFO] cloud-service(%d): source_version = (%s, %s, %s, %s)\n", __LINE__,
                   source_version.major_version.c_str(), source_version.minor_version.c_str(),
                   source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
}

void Service::LoadTargetVersion()
{
    ustring path = GetRootSkyletResourceInstallPath() + "/" + "INFO";
    ReadVersionRecord(path, target_version);
    Logger::LogMsg(Logger::L_INFO, LOG_COMP,
                   "[INFO] cloud-service(%d): target_version = (%s, %s, %s, %s)\n", __LINE__,
                   target_version.major_version.c_str(), target_version.minor_version.c_str(),
                   target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

int Service::PrepareUserEnv()
{
    const ustring app_dir = per_user_install_path;
    ustring backup_dir;
    int rename_count = 0;
    package_at_fault = false;
    // After an interrupted upgrade the copy in place may be cut short (a
    // power cut before it reached the disk leaves every file empty); the
    // backup beside it holds the last copy known to be whole, and is what a
    // failed upgrade puts back.
    const bool interrupted = !TakenBackupName().empty();
    const ustring whole = InterruptedUpgradeBackup();

    if (IsFileExist(app_dir)) {
        for (;;) {
            ustring candidate = GetAppBackupDir(app_dir, rename_count);
            // A name already taken is never replaced: it may be the marker of
            // a first install under way, which must outlive this run's
            // backup, or a backup an interrupted run left.
            if (!IsFileExist(candidate) && FSRename(app_dir, candidate) == 0) {
                backup_dir = candidate;
                break;
            }
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s'\n",
                           __LINE__, app_dir.c_str(), candidate.c_str());
            ++rename_count;
            if (rename_count >= MAX_RENAME_COUNT) {
                Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                               "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s' at "
                               "max retries, exiting\n",
                               __LINE__, app_dir.c_str(), candidate.c_str());
                return -1;
            }
        }
    } else if (whole.empty() && FSMKDir(GetAppBackupDir(app_dir, 0), true) != 0) {
        // A first install has no old copy to keep, yet a run killed during it
        // leaves a partial copy that may already hold the new INFO and
        // executable. An empty folder under the first backup name marks the
        // install as under way until it succeeds, so the next run redoes it;
        // without the marker the install is not begun.
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): cannot mark the first install in '%s'\n",
                       __LINE__, GetAppBackupDir(app_dir, 0).c_str());
        return -1;
    }

    int result = ExtractPackage();
    if (result == 0) {
        result = ValidateNewCopy();
    }
    if (result == 0) {
        result = SyncFolder(app_dir);
    }
    if (result == 0) {
        Logger::LogMsg(Logger::L_INFO, LOG_COMP,
                       "[INFO] cloud-service(%d): user installation is ready, removing backup app\n",
                       __LINE__);
        // Every backup name goes, not only the ones tried in this run: a
        // leftover of an interrupted earlier run under any of them would
        // otherwise make each later run upgrade again.
        RemoveBackups();
        ForgetRejectedPackage(GetRejectedPackageRecordPath());
        ClosePackage();
        return 0;
    }

    const ustring restore = interrupted ? whole : backup_dir;
    if (restore.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): Failed to extract package, and no old installation "
                       "to rollback\n",
                       __LINE__);
    } else {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): Failed to extract package, rollback to old "
                       "installation\n",
                       __LINE__);
    }
    RollBack(restore, interrupted ? backup_dir : ustring(""));
    if (package_at_fault) {
        RememberRejectedPackage();
    }
    ClosePackage();
    return -1;
}

ustring Service::TakenBackupName() const
{
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        const ustring backup = GetAppBackupDir(per_user_install_path, i);
        if (IsFileExist(backup)) {
            return backup;
        }
    }
    return ustring("");
}

void Service::RemoveBackups()
{
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        FSRemove(GetAppBackupDir(per_user_install_path, i));
    }
}

ustring Service::InterruptedUpgradeBackup() const
{
    // Each run takes the first free name, so the lowest name taken is the
    // oldest; the empty marker of a first install holds no copy.
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        const ustring backup = GetAppBackupDir(per_user_install_path, i);
        DIR_HANDLE handle;
        if (!IsFileExist(backup) || FSOpenDir(backup, 0, handle) != 0) {
            continue;
        }
        DIR_ENTRY entry;
        bool holds_anything = false;
        while (!holds_anything && FSReadDir(handle, entry) > 0) {
            holds_anything = entry.name != "." && entry.name != "..";
        }
        FSCloseDir(handle);
        if (holds_anything) {
            return backup;
        }
    }
    return ustring("");
}

int Service::RestoreInterruptedUpgradeBackup()
{
    const ustring whole = InterruptedUpgradeBackup();
    Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                   "[WARNING] cloud-service(%d): restoring '%s', the last whole copy an interrupted "
                   "upgrade left, in place of the copy beside it\n",
                   __LINE__, whole.c_str());
    if (RollBack(whole, ustring("")) != 0) {
        return -1;
    }
    // The others are copies cut short, or the marker of a first install.
    RemoveBackups();
    return 0;
}

int Service::RollBack(const ustring& restore, const ustring& suspect)
{
    const ustring app_dir = per_user_install_path;
    // The partial copy could pass for a complete one, and so could the copy
    // an interrupted upgrade left. Whatever of them cannot be removed stays
    // beside the backup (or the first install's marker), and a leftover
    // backup makes the next run install again.
    if (FSRemove(app_dir) != 0 || (!suspect.empty() && FSRemove(suspect) != 0)) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): cannot remove the partial copy '%s'; the next run "
                       "installs again\n",
                       __LINE__, app_dir.c_str());
        return -1;
    }
    if (!restore.empty() && FSRename(restore, app_dir) != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): cannot move the backup '%s' back to '%s'; the next "
                       "run installs again\n",
                       __LINE__, restore.c_str(), app_dir.c_str());
        return -1;
    }
    return 0;
}

int Service::ValidateNewCopy()
{
    VersionInfo fresh;
    ReadVersionRecord(per_user_install_path + "/INFO", fresh);
    const int build = BuildNumber(fresh.build_version);
    const int target = BuildNumber(target_version.build_version);
    if (build < target) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): the package's copy holds build %d, not build %d "
                       "that the installation's INFO announces\n",
                       __LINE__, build, target);
        package_at_fault = true;
        return -1;
    }
    const ustring exe = per_user_install_path + "/bin/skylet-backup-ui";
    if (!IsRegularExecutable(exe)) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): the package's copy has no executable file '%s'\n",
                       __LINE__, exe.c_str());
        package_at_fault = true;
        return -1;
    }
    return 0;
}

int Service::VerifyPackage()
{
    package_at_fault = false;
    package_entries = 0;
    ClosePackage();
    // The checksum file first: when the package and its checksum file are
    // being replaced, a package newer than its checksum is refused, and the
    // record of it names the very pair that was compared.
    std::string expected;
    const bool checksum_readable = ExpectedChecksum(GetPackageChecksumPath(), expected) == 0;
    if (OpenPackage(checksum_readable ? expected : CHECKSUM_UNREADABLE) != 0) {
        if (package_at_fault) {
            RememberRejectedPackage();
        }
        return -1;
    }
    const ustring record = GetRejectedPackageRecordPath();
    if (!checksum_readable) {
        // The checksum file comes with the package.
        package_at_fault = true;
    } else if (ScanPackage(expected) == 0) {
        ForgetRejectedPackage(record);
        return 0;
    }
    // Only a fault of the package itself is remembered; after a failure of
    // the machine the next run tries again.
    if (package_at_fault) {
        RememberRejectedPackage();
    } else {
        ForgetRejectedPackage(record);
    }
    ClosePackage();
    return -1;
}

int Service::OpenPackage(const std::string& checksum_word)
{
    const ustring package = GetPackagePath();
    // Non-blocking, so that a FIFO in the package's place cannot hang the
    // run; for a regular file the flag changes nothing.
    int fd = open(package.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] cloud-service(%d): cannot open package '%s': %s\n",
                       __LINE__, package.c_str(), strerror(err));
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    checked_stamp = StampOf(st, checksum_word);
    if (!S_ISREG(st.st_mode)) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] cloud-service(%d): package '%s' is not a regular file\n",
                       __LINE__, package.c_str());
        close(fd);
        package_at_fault = true;
        return -1;
    }
    package_fd = fd;
    checked_package = st;
    return 0;
}

void Service::ClosePackage()
{
    if (package_fd >= 0) {
        close(package_fd);
        package_fd = -1;
    }
}

int Service::CheckedPackageUnchanged(const char* when)
{
    struct stat now;
    if (package_fd >= 0 && fstat(package_fd, &now) == 0 && SameFile(checked_package, now)) {
        return 0;
    }
    Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                   "[NOTE] cloud-service(%d): package '%s' was written to %s; it is left for the next "
                   "run to check\n",
                   __LINE__, GetPackagePath().c_str(), when);
    return -1;
}

int Service::ScanPackage(const std::string& expected_sha256)
{
    const ustring package = GetPackagePath();
    Extractor::ScanResult scan;
    ReadingProcess reading(package_fd, package, reading_limits);
    const ReadingProcess::Outcome outcome = reading.Scan(!expected_sha256.empty(), scan);
    PackageChecked();
    if (outcome != ReadingProcess::Done) {
        package_at_fault = reading.PackageAtFault();
        return -1;
    }
    if (CheckedPackageUnchanged("while it was checked") != 0) {
        return -1;
    }
    package_at_fault = true;
    if (!expected_sha256.empty() && scan.sha256 != expected_sha256) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): package '%s' does not match its checksum: "
                       "expected %s, actual %s\n",
                       __LINE__, package.c_str(), expected_sha256.c_str(), scan.sha256.c_str());
        return -1;
    }
    if (scan.entries <= 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] cloud-service(%d): package '%s' is empty\n",
                       __LINE__, package.c_str());
        return -1;
    }
    package_at_fault = false;
    package_entries = scan.entries;
    return CheckRoomFor(scan.space_needed, static_cast<uint64_t>(scan.entries));
}

int Service::CheckRoomFor(uint64_t bytes, uint64_t files)
{
    // The user tree, or the nearest folder above it that exists yet.
    ustring folder = GetUserSkyletInstallPath();
    struct statvfs vfs;
    while (statvfs(folder.c_str(), &vfs) != 0) {
        const ustring parent = FSParentPath(folder);
        if (errno != ENOENT || parent.empty() || parent == folder) {
            return 0;  // nothing to tell; the extraction will say if it fails
        }
        folder = parent;
    }
    Room room;
    // A file system that counts no inodes (f_files 0) has no limit on them.
    room.Limit(static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize,
               vfs.f_files == 0 ? UINT64_MAX : static_cast<uint64_t>(vfs.f_favail), "free");
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        LimitByQuotas(fd, room);
        close(fd);
    }
    const struct {
        uint64_t needed, left;
        const char* what;
        const char* limit;
    } kinds[] = {{bytes, room.bytes, "bytes", room.bytes_limit},
                 {files, room.files, "files and folders", room.files_limit}};
    for (const auto& kind : kinds) {
        if (kind.needed > kind.left) {
            Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                           "[WARNING] cloud-service(%d): not enough room for the new copy in '%s': it needs "
                           "%llu %s, %llu are %s; the copy is left as it is\n",
                           __LINE__, folder.c_str(), static_cast<unsigned long long>(kind.needed), kind.what,
                           static_cast<unsigned long long>(kind.left), kind.limit);
            return -1;
        }
    }
    return 0;
}

void Service::RememberRejectedPackage()
{
    ::RememberRejectedPackage(GetRejectedPackageRecordPath(), checked_stamp);
}

bool Service::IsRejectedPackageInstalled()
{
    const ustring record = GetRejectedPackageRecordPath();
    PackageStamp stamp;
    return IsFileExist(record) &&
           StampPackage(GetPackagePath(), ChecksumStampOf(GetPackageChecksumPath()), stamp) == 0 &&
           IsRejectedPackage(record, stamp);
}

int Service::ExtractPackage()
{
    ustring source = GetPackagePath();
    ustring target = GetUserSkyletAppInstallPath();
    if (FSMKDir(target, true) != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] cloud-service(%d): failed to create folder: '%s'\n",
                       __LINE__, target.c_str());
        return -1;
    }
    Logger::LogMsg(Logger::L_INFO, LOG_COMP, "[INFO] cloud-service(%d): extract package: '%s' -> '%s'\n",
                   __LINE__, source.c_str(), target.c_str());
    // Without a check before (a caller of its own), the package is opened
    // here and counted by the extraction.
    if (package_fd < 0 && OpenPackage(ChecksumStampOf(GetPackageChecksumPath())) != 0) {
        return -1;
    }
    if (CheckedPackageUnchanged("after it was checked") != 0) {
        return -1;
    }
    Notify_Adapter::GetInstance().UpdateDialogText(StrTable::LoadStr(StrTable::desc_skyl_env_preparing));
    ReadingProcess reading(package_fd, source, reading_limits);
    if (reading.Extract(target, package_entries) != ReadingProcess::Done) {
        package_at_fault = reading.PackageAtFault();
        return -1;
    }
    return CheckedPackageUnchanged("while it was installed");
}

void Service::RemoveAgedFolders()
{
    ustring aged = GetUserSkyletInstallPath() + "/app";
    Logger::LogMsg(Logger::L_INFO, LOG_COMP, "[INFO] cloud-service(%d): removing aged app folder %s\n",
                   __LINE__, aged.c_str());
    FSRemove(aged);
}

int Service::FSCopyPath(const ustring& src, const ustring& dest)
{
    Logger::LogMsg(Logger::L_DEBUG, LOG_COMP, "[DEBUG] cloud-service(%d): copy from '%s' to '%s'\n",
                   __LINE__, src.c_str(), dest.c_str());
    FILE_INFO info;
    if (FSStat(src, info) != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): FSCopyPath: failed to stat source '%s'\n", __LINE__,
                       src.c_str());
        return -1;
    }
    if (!info.isExist) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): FSCopyPath: source path '%s' does not exist\n",
                       __LINE__, src.c_str());
        return -1;
    }
    if (info.type != FT_DIR) {
        return FSCopy(src, dest, false) == 0 ? 0 : -1;
    }
    if (FSMKDir(dest, true) != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): FSCopyPath: failed to create dest folder '%s'\n",
                       __LINE__, dest.c_str());
        return -1;
    }
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) != 0) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] cloud-service(%d): FSCopyPath: failed to create handle  for src '%s' "
                       "failed\n",
                       __LINE__, src.c_str());
        return 0;
    }
    int result = 0;
    DIR_ENTRY entry;
    while (FSReadDir(handle, entry) > 0) {
        if (entry.name == ".." || entry.name == ".") {
            continue;
        }
        ustring child_src = src + "/" + entry.name;
        ustring child_dest = dest + "/" + entry.name;
        int r = entry.type == FT_DIR ? FSCopyPath(child_src, child_dest)
                                     : FSCopy(child_src, child_dest, false);
        if (r < 0) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] cloud-service(%d): FSCopyPath: failed to copy from '%s' to '%s'\n",
                           __LINE__, child_src.c_str(), child_dest.c_str());
            result = -1;
            break;
        }
    }
    FSCloseDir(handle);
    return result;
}

#include "cloud-service.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include "adapter.h"
#include "extractor.h"
#include "package-check.h"
#include "reading-process.h"
#include "room-check.h"
#include "file/file-op.h"
#include "log.h"
#include "texts/strtab.h"

namespace {

const char* const LOG_COMP = "service_debug";
// How long a launcher waits for another one (of another installation, or on
// another machine sharing the home folder) to finish its upgrade of the same
// tree.
const int USER_TREE_LOCK_WAIT_SECONDS = 300;

ustring ToUstring(const QString& text)
{
    return ustring(text.toUtf8().constData());
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

// Whether `now` is still the very file `then` described, unwritten since.
// Not its change time: that moves when the file is only renamed over, which
// leaves its bytes as they were.
bool SameFile(const struct stat& then, const struct stat& now)
{
    return then.st_dev == now.st_dev && then.st_ino == now.st_ino && then.st_size == now.st_size &&
           then.st_mtim.tv_sec == now.st_mtim.tv_sec && then.st_mtim.tv_nsec == now.st_mtim.tv_nsec;
}

}  // namespace

Service::Service()
    : timeout(0),
      package_entries(0),
      package_at_fault(false),
      package_fd(-1),
      checked_package(),
      unchanged_notes(-1)
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

void Service::SetUserTreeWaitHandler(const std::function<void()>& on_wait)
{
    on_user_tree_wait = on_wait;
}

bool Service::LockUserTree()
{
    if (user_tree_lock.IsHeld()) {
        return true;
    }
    FSMKDir(GetUserSkyletInstallPath(), true);
    if (user_tree_lock.Take(GetUserTreeLockPath(), USER_TREE_LOCK_WAIT_SECONDS, on_user_tree_wait) ==
        UserTreeLock::Busy) {
        return false;
    }
    // Another launcher may have upgraded the copy while this one waited.
    VersionInfo now;
    ReadVersionRecord(GetUserSkyletAppInstallPath() + "/INFO", now, true);
    if (now.build_version != source_version.build_version) {
        source_version = VersionInfo();
        LoadSourceVersion();
    }
    return true;
}

void Service::UnlockUserTree()
{
    user_tree_lock.Release();
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
    UserCopy copy = Copy();
    package_at_fault = false;
    ustring backup;
    if (IsFileExist(copy.Path())) {
        backup = copy.MoveAside();
        if (backup.empty()) {
            return -1;
        }
    } else if (copy.TakenBackups().empty() && copy.MarkFirstInstall() != 0) {
        return -1;
    }

    // The copy the check compared with is this backup now.
    link_source = backup;
    int result = ExtractPackage();
    link_source = ustring("");
    if (result == 0) {
        result = ValidateNewCopy();
    }
    if (result == 0) {
        result = copy.Sync();
    }
    if (result == 0) {
        Logger::LogMsg(Logger::L_INFO, LOG_COMP,
                       "[INFO] cloud-service(%d): user installation is ready, removing backup app\n",
                       __LINE__);
        // Every backup name goes, not only the one taken in this run: a
        // leftover of an interrupted earlier run under any of them would
        // otherwise make each later run upgrade again.
        copy.RetireBackups(false);
        ForgetRejectedPackage(GetRejectedPackageRecordPath());
        ClosePackage();
        return 0;
    }
    RollBack(backup);
    if (package_at_fault) {
        RememberRejectedPackage();
    }
    ClosePackage();
    return -1;
}

void Service::RollBack(const ustring& backup)
{
    UserCopy copy = Copy();
    if (backup.empty()) {
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
    // What this run moved aside goes back; when an interrupted upgrade left a
    // whole copy beside it, that is the one to keep.
    if (copy.PutBack(backup) == 0) {
        copy.Recover(nullptr);
    }
}

int Service::RecoverInterruptedUpgrade()
{
    return Copy().Recover([this] { StopService(); });
}

int Service::ValidateNewCopy()
{
    int build = 0;
    std::string why;
    const bool whole = UserCopy::Check(per_user_install_path, build, why);
    const int target = BuildNumber(target_version.build_version);
    if (build < target) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] cloud-service(%d): the package's copy holds build %d, not build %d "
                       "that the installation's INFO announces\n",
                       __LINE__, build, target);
        package_at_fault = true;
        return -1;
    }
    if (!whole) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] cloud-service(%d): the package's copy cannot start: %s\n",
                       __LINE__, why.c_str());
        package_at_fault = true;
        return -1;
    }
    // Not the package's fault, and nothing to keep the copy from: the
    // administrator learns why the client does not run.
    UserCopy::WarnIfNoexec(per_user_install_path);
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
    for (int* fd : {&package_fd, &unchanged_notes}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
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
    // What the copy already holds is linked, not written, by the extraction.
    unchanged_notes = IsFileExist(per_user_install_path) ? memfd_create("unchanged-files", MFD_CLOEXEC) : -1;
    reading.SetUnchanged(unchanged_notes, per_user_install_path);
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
    // Linked files take a name in a folder, not room.
    return CheckRoomFor(GetUserSkyletInstallPath(), scan.space_needed - scan.unchanged_space,
                        static_cast<uint64_t>(scan.entries - scan.unchanged_files));
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
    if (!link_source.empty()) {
        reading.SetUnchanged(unchanged_notes, link_source);
    }
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
    // What a removal cut short left is no copy of anything. While another
    // launcher holds the user tree, it may be removing it just now.
    UserCopy copy = Copy();
    const bool held = user_tree_lock.IsHeld();
    if (copy.HasRetired() &&
        (held || user_tree_lock.Take(GetUserTreeLockPath(), 0, nullptr) != UserTreeLock::Busy)) {
        copy.RemoveRetired();
        if (!held) {
            user_tree_lock.Release();
        }
    }
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

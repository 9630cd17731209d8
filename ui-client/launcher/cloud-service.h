// Service: the upgrade service on which the worker thread runs one launcher
// run, and the install layout it works on.
//
// Two trees take part: the install root (parent of the folder holding the
// running executable) with INFO and package/skylet.vpk, and the user tree
// (~/.SkyletBackup) with the application folder Skylet.app, the client's
// pid file ui.pid and the launcher's log folder. "Source" is always the
// user's copy, "target" the installed package.
//
// Operations return 0 / -1 (or a bool); failures are logged once under
// "service_debug". The path getters recompute their result on every call and
// need the Qt application object to exist.
#ifndef LAUNCHER_CLOUD_SERVICE_H
#define LAUNCHER_CLOUD_SERVICE_H

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <string>

#include "package-check.h"
#include "reading-process.h"
#include "user-copy.h"
#include "user-tree-lock.h"
#include "ustring/ustring.h"
#include "version-record.h"

class Service {
public:
    typedef VersionRecord VersionInfo;

    Service();
    virtual ~Service();

    virtual void StopService() = 0;
    virtual void SetTimeout(int timeout);
    // How long a reading of the package may make no progress while it keeps
    // the processor busy (30 s), and while it waits (600 s), before it is
    // stopped.
    void SetStallLimit(int seconds);
    void SetWaitLimit(int seconds);
    // Called when an upgrade has to wait for the user tree's lock, which
    // another launcher holds.
    void SetUserTreeWaitHandler(const std::function<void()>& on_wait);
    // Lets go of the user tree's lock, once the copy is decided and changed.
    void UnlockUserTree();
    virtual int HandlePackageUpgrade() = 0;
    virtual void PostUpgrade() = 0;
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;

    // Removes the user tree's "app" folder of an earlier layout, and what a
    // removal of a copy cut short left.
    void RemoveAgedFolders();

    static ustring GetUserInstallPath();
    static ustring GetRootSkyletInstallPath();
    static ustring GetRootSkyletResourceInstallPath();
    static ustring GetUserSkyletInstallPath();
    static ustring GetUserSkyletAppInstallPath();
    static ustring GetUserSkyletDataInstallPath();
    // The package archive, its checksum file, and the record of a package
    // found defective.
    static ustring GetPackagePath();
    static ustring GetPackageChecksumPath();
    static ustring GetRejectedPackageRecordPath();
    static ustring GetUserTreeLockPath();

protected:
    // Opens the package and reads it whole before anything of the user's is
    // touched: every entry as the extraction will read it, a compressed
    // stream's trailers and, when the checksum file is there, its SHA-256;
    // then makes sure the new copy has room. 0, or -1 for a package that must
    // not be installed now. The extraction reads the very file checked here.
    virtual int VerifyPackage();
    // True while the installed package is one found defective before.
    bool IsRejectedPackageInstalled();
    // Takes the user tree's lock for an upgrade, waiting for another launcher
    // that holds it, and reads the copy's version again under it; false when
    // the lock could not be had (logged).
    bool LockUserTree();
    UserCopy Copy() const { return UserCopy(per_user_install_path); }
    // After an interrupted upgrade, leaves the best copy there is in place
    // (the client is stopped first when that replaces the copy); 0 when a
    // whole copy is in place.
    int RecoverInterruptedUpgrade();

    // Extracts the package archive into a (re)created application folder.
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // Replaces the application folder with a fresh copy of the package,
    // keeping the old one as a backup until the new one is whole and on
    // storage, and leaving the best copy there is in place when it fails.
    virtual int PrepareUserEnv();

    // Called once the check has read the package, before its result is
    // judged; a point where tests change the installation.
    virtual void PackageChecked() {}

    // Copies a file or a whole folder tree; 0 or -1.
    int FSCopyPath(const ustring& src, const ustring& dest);

    int timeout;
    ReadingProcess::Limits reading_limits;
    ustring per_user_install_path;
    // Entries counted by VerifyPackage, so that the extraction need not
    // count again; 0 when unknown.
    int package_entries;
    // Set when the last failure was the package's own, not the machine's.
    bool package_at_fault;
    // The package file VerifyPackage opened and read, held open so that the
    // extraction reads that file and no other, and what it looked like then.
    int package_fd;
    struct stat checked_package;
    // The check's notes of the files the current copy holds byte for byte
    // (a memory file; -1 without), and the backup the extraction links them
    // from (empty: every file is written).
    int unchanged_notes;
    ustring link_source;
    // What the check compared: the package's identity and the checksum
    // file's word. A rejection records exactly this.
    PackageStamp checked_stamp;
    VersionInfo target_version;
    VersionInfo source_version;

private:
    // Checks that the fresh copy is whole and would not be upgraded again by
    // the next run: its build is at least the package's.
    int ValidateNewCopy();
    // Opens the package and stamps it with `checksum_word` (what the
    // checksum file says); 0 or -1 (logged; package_at_fault when something
    // else than a file stands in the package's place).
    int OpenPackage(const std::string& checksum_word);
    void ClosePackage();
    // Whether the open package is still what the check read: 0, or -1 with a
    // NOTE (the next run checks what is there then).
    int CheckedPackageUnchanged(const char* when);
    // Reads the package once (entries, gzip trailers and, with an expected
    // SHA-256, its hash); 0, or -1 with package_at_fault telling whose fault.
    int ScanPackage(const std::string& expected_sha256);
    // After a failed extraction: removes the new copy, puts `backup` (this
    // run's, or empty) back and leaves the best copy there is in place.
    void RollBack(const ustring& backup);
    // Records the package as checked (checked_stamp) as one not to install.
    void RememberRejectedPackage();

    UserTreeLock user_tree_lock;
    std::function<void()> on_user_tree_wait;

    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;
};

#endif

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

#include "ustring/ustring.h"

// Number of backup names tried for the old application folder (tries 0-9).
const int MAX_RENAME_COUNT = 10;

// The backup name of app_dir for try `tries`: app_dir + "_tmp" for try 0,
// app_dir + "_tmp" + tries otherwise.
ustring GetAppBackupDir(const ustring& app_dir, int tries);

class Service {
public:
    // One INFO record, text exactly as read; only build_version is ever
    // taken as a number.
    struct VersionInfo {
        ustring major_version;
        ustring minor_version;
        ustring build_version;
        ustring icon_overlay_version;
    };

    Service();
    virtual ~Service();

    virtual void StopService() = 0;
    virtual void SetTimeout(int timeout);
    virtual int HandlePackageUpgrade() = 0;
    virtual void PostUpgrade() = 0;
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;

    // Removes the user tree's "app" folder of an earlier layout.
    void RemoveAgedFolders();

    static ustring GetUserInstallPath();
    static ustring GetRootSkyletInstallPath();
    static ustring GetRootSkyletResourceInstallPath();
    static ustring GetUserSkyletInstallPath();
    static ustring GetUserSkyletAppInstallPath();
    static ustring GetUserSkyletDataInstallPath();

protected:
    // Extracts the package archive into a (re)created application folder.
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // Replaces the application folder with a fresh copy of the package,
    // keeping the old one as a backup until the new one is complete and
    // restoring it when extraction fails.
    virtual int PrepareUserEnv();

    // Copies a file or a whole folder tree; 0 or -1.
    int FSCopyPath(const ustring& src, const ustring& dest);

    int timeout;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;

private:
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;
};

#endif

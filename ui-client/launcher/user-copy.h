// UserCopy: the user's copy of the client (the application folder) and the
// backups an upgrade keeps of it.
//
// An upgrade renames the copy to the first free backup name (the folder's
// name followed by "_tmp", then by "_tmp1" to "_tmp9"), extracts the package
// into a fresh folder and, once that is whole and on storage, removes the
// backups. A run cut short anywhere (a logout, a power cut) leaves a backup
// name taken, which the next run reads as an upgrade that did not finish.
// What is then kept, put back or removed is decided by what each copy holds,
// never by a name or by a folder merely not being empty:
// - a copy is whole when its INFO names a build and its executable is a
//   regular file with an execute bit;
// - a backup, or a copy cut short, is renamed to a name no run takes for a
//   copy before it is removed, so that a removal cut short leaves nothing
//   that looks like one;
// - an empty folder under the first backup name marks a first install under
//   way, and is never taken for a copy.
#ifndef LAUNCHER_USER_COPY_H
#define LAUNCHER_USER_COPY_H

#include <functional>
#include <string>
#include <vector>

#include "ustring/ustring.h"

// Number of backup names tried for the old application folder (tries 0-9).
const int MAX_RENAME_COUNT = 10;

// The backup name of app_dir for try `tries`: app_dir + "_tmp" for try 0,
// app_dir + "_tmp" + tries otherwise.
ustring GetAppBackupDir(const ustring& app_dir, int tries);

class UserCopy {
public:
    explicit UserCopy(const ustring& app_dir) : app(app_dir) {}

    // Whether the copy in `dir` can be started: its INFO readable with a
    // build (given in `build`, 0 without one), and bin/skylet-backup-ui a
    // regular file with an execute bit in its mode. The mode, not access():
    // a file system mounted noexec refuses that for every file, which says
    // nothing about the copy. `why` says what is missing.
    static bool Check(const ustring& dir, int& build, std::string& why);
    static bool IsWhole(const ustring& dir);
    static bool HasExecutable(const ustring& dir);
    // Logs a WARNING and gives true when `dir` lies on a file system mounted
    // noexec, from which the client cannot be started.
    static bool WarnIfNoexec(const ustring& dir);

    const ustring& Path() const { return app; }
    // The backup names that are taken, in the order runs take them.
    std::vector<ustring> TakenBackups() const;
    // The first backup that is whole: the copy an interrupted upgrade moved
    // aside, or a copy put back after it. Empty when there is none.
    ustring WholeBackup() const;

    // Marks a first install as under way; 0 or -1 (logged).
    int MarkFirstInstall();
    // Renames the copy to the first free backup name and gives that name; a
    // name already taken is never replaced. Empty when no name was free
    // (logged).
    ustring MoveAside();
    // Flushes the file system holding the copy to storage; 0 or -1 (logged).
    int Sync();
    // Moves `path` (the copy, or one of its backups) to the name that no run
    // takes for a copy, then removes it. 0 once the name `path` is free, even
    // when part of what it held is left for a later run to remove; -1 when it
    // could not be moved (logged), and it is left as it was.
    int Retire(const ustring& path);
    // Puts `backup` (empty: nothing) in place of the copy, which is retired;
    // 0, or -1 when either step failed (logged).
    int PutBack(const ustring& backup);
    // Retires every backup; `keep_marker` leaves a first install's marker.
    void RetireBackups(bool keep_marker);
    // Removes what a removal cut short left; 0, or -1 when some is left.
    int RemoveRetired();
    bool HasRetired() const;

    // After an interrupted upgrade, leaves the best copy in place: the first
    // whole backup (its copy was moved aside whole, while the one in place
    // may be cut short), else the copy in place when it is whole; what is
    // not whole goes. When nothing is whole, everything stays as it is, for
    // the next run to install. `before_change` runs before the copy in place
    // is replaced (to stop the client). 0 when a whole copy is in place or
    // no upgrade was cut short, -1 otherwise (logged).
    int Recover(const std::function<void()>& before_change);

private:
    bool IsFirstInstallMarker(const ustring& backup) const;
    ustring RetiredPath() const { return app + "_removing"; }

    const ustring app;
};

#endif

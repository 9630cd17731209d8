// UserTreeLock: one upgrade of a user tree at a time, across installations
// and machines.
//
// The single-instance guard is per user and executable: launchers of two
// installations of one user run side by side. A home folder shared between
// machines (a network home) lets a user log in on two of them at once, and
// each machine's guard lives in its own runtime folder. The lock is held
// only while the copy is decided and changed, never while the client starts.
// It is a file in the user tree itself, taken with flock, which network file
// systems carry to the server as a byte-range lock that every client sees.
// A launcher that dies holding it holds it no longer: the kernel, or the
// server, lets go.
#ifndef LAUNCHER_USER_TREE_LOCK_H
#define LAUNCHER_USER_TREE_LOCK_H

#include <functional>

#include "ustring/ustring.h"

class UserTreeLock {
public:
    enum Result {
        Held,       // this process holds it
        Busy,       // another held it for the whole wait (logged)
        Unlockable  // the file system takes no lock (logged); go on without
    };

    UserTreeLock() = default;
    ~UserTreeLock();
    UserTreeLock(const UserTreeLock&) = delete;
    UserTreeLock& operator=(const UserTreeLock&) = delete;

    // Takes the lock file `path` (made when missing), waiting up to
    // `wait_seconds` while another process holds it; `on_wait` is called
    // once, before the wait begins. With no time to wait, a lock another
    // process holds is Busy without a word.
    Result Take(const ustring& path, int wait_seconds, const std::function<void()>& on_wait);
    bool IsHeld() const { return fd >= 0; }
    // Lets go of the lock, so that other launchers need not wait for what
    // follows.
    void Release();

private:
    int fd = -1;
};

#endif

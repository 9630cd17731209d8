#include "user-tree-lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "log.h"

namespace {

const char* const LOG_COMP = "service_debug";
// How often a waiting launcher tries again.
const long RETRY_NANOSECONDS = 250 * 1000 * 1000;

double Now()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// flock without waiting: 0, or the errno.
int TryLock(int fd)
{
    int r;
    do {
        r = flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    return r == 0 ? 0 : errno;
}

}  // namespace

UserTreeLock::~UserTreeLock()
{
    Release();
}

void UserTreeLock::Release()
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

UserTreeLock::Result UserTreeLock::Take(const ustring& path, int wait_seconds,
                                        const std::function<void()>& on_wait)
{
    if (fd < 0) {
        fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0600);
    }
    int err = fd < 0 ? errno : TryLock(fd);
    if (err == EWOULDBLOCK && wait_seconds > 0) {
        Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                       "[NOTE] user-tree-lock(%d): another launcher is upgrading this user's copy (one of "
                       "another installation, or on another machine sharing the home folder); waiting up "
                       "to %d s for it\n",
                       __LINE__, wait_seconds);
        if (on_wait) {
            on_wait();
        }
        const double give_up = Now() + wait_seconds;
        const struct timespec pause = {0, RETRY_NANOSECONDS};
        while ((err = TryLock(fd)) == EWOULDBLOCK && Now() < give_up) {
            nanosleep(&pause, nullptr);
        }
    }
    if (err == 0) {
        return Held;
    }
    Release();
    if (err == EWOULDBLOCK && wait_seconds <= 0) {
        return Busy;
    }
    if (err == EWOULDBLOCK) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] user-tree-lock(%d): '%s' was still held after %d s; no upgrade in this "
                       "run, the next one tries again\n",
                       __LINE__, path.c_str(), wait_seconds);
        return Busy;
    }
    Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                   "[NOTE] user-tree-lock(%d): cannot lock '%s' (%s); going on without the lock\n", __LINE__,
                   path.c_str(), strerror(err));
    return Unlockable;
}

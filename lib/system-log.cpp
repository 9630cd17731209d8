#include "system-log.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <syslog.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace systemlog {

const char* const kIdentifier = "skylet-launcher";

namespace {

std::string socket_path = "/dev/log";
int socket_fd = -1;
bool stream = false;
// After a failed connection, when to try again: a system log that is missing
// (or too busy to take a connection) stays so for a while, and every warning
// would otherwise look for it once more.
double retry_at = 0;
const double RETRY_SECONDS = 10;

double Now()
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

void Disconnect()
{
    if (socket_fd >= 0)
        close(socket_fd);
    socket_fd = -1;
}

bool ConnectAs(int type, const struct sockaddr_un& address)
{
    socket_fd = socket(AF_UNIX, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket_fd < 0)
        return false;
    if (connect(socket_fd, reinterpret_cast<const struct sockaddr*>(&address), sizeof(address)) != 0) {
        const int error = errno;
        Disconnect();
        errno = error;
        return false;
    }
    stream = type == SOCK_STREAM;
    return true;
}

// Connecting a datagram socket only names its peer: it never waits. Where
// the system log listens on a stream socket (EPROTOTYPE), as some daemons'
// configurations have it, a stream is connected instead, as syslog(3) does;
// a local stream connects at once or not at all (EAGAIN with a full
// backlog), so that never waits either.
bool Connect()
{
    if (socket_fd >= 0)
        return true;
    if (Now() < retry_at)
        return false;
    struct sockaddr_un address;
    memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    if (socket_path.size() >= sizeof(address.sun_path))
        return false;
    memcpy(address.sun_path, socket_path.c_str(), socket_path.size());
    if (ConnectAs(SOCK_DGRAM, address) || (errno == EPROTOTYPE && ConnectAs(SOCK_STREAM, address)))
        return true;
    retry_at = Now() + RETRY_SECONDS;
    return false;
}

}  // namespace

void Send(int priority, const char* fmt, va_list args)
{
    if (!Connect())
        return;
    // The header the system log reads the time, the name and the process
    // from: "<priority>Mmm dd hh:mm:ss name[pid]: ".
    char stamp[32];
    const time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) == nullptr || strftime(stamp, sizeof(stamp), "%b %e %H:%M:%S", &local) == 0)
        stamp[0] = '\0';
    char entry[4096];
    int size = snprintf(entry, sizeof(entry), "<%d>%s %s[%d]: ", LOG_USER | (priority & LOG_PRIMASK), stamp,
                        kIdentifier, static_cast<int>(getpid()));
    if (size < 0 || static_cast<size_t>(size) >= sizeof(entry))
        return;
    const int message = vsnprintf(entry + size, sizeof(entry) - size, fmt, args);
    if (message < 0)
        return;
    size = message < static_cast<int>(sizeof(entry)) - size ? size + message : static_cast<int>(sizeof(entry)) - 1;
    // The log's lines end in a line feed; the system log's entries do not.
    while (size > 0 && entry[size - 1] == '\n')
        --size;
    // On a stream each entry ends in a NUL, as syslog(3) ends it there, which
    // is what a daemon that reads /dev/log as a stream must take: syslog-ng's
    // unix-stream() source ends a message at a NUL or a line feed (rsyslog's
    // imuxsock reads datagrams only).
    entry[size] = '\0';
    const size_t length = static_cast<size_t>(size) + (stream ? 1 : 0);
    const ssize_t sent = send(socket_fd, entry, length, MSG_DONTWAIT | MSG_NOSIGNAL);
    // The system log went away or restarted: connect again next time. Part
    // of an entry on a stream would run into the next one: that connection
    // ends there too. A full log drops the entry.
    if ((sent < 0 && errno != EAGAIN) || (sent >= 0 && static_cast<size_t>(sent) < length))
        Disconnect();
}

void SetSocketPath(const std::string& path)
{
    Disconnect();
    retry_at = 0;
    socket_path = path;
}

}  // namespace systemlog

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

void Disconnect()
{
    if (socket_fd >= 0)
        close(socket_fd);
    socket_fd = -1;
}

// Connecting a datagram socket only names its peer: it never waits.
bool Connect()
{
    if (socket_fd >= 0)
        return true;
    struct sockaddr_un address;
    memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    if (socket_path.size() >= sizeof(address.sun_path))
        return false;
    memcpy(address.sun_path, socket_path.c_str(), socket_path.size());
    socket_fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket_fd < 0)
        return false;
    if (connect(socket_fd, reinterpret_cast<const struct sockaddr*>(&address), sizeof(address)) != 0) {
        Disconnect();
        return false;
    }
    return true;
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
    if (send(socket_fd, entry, static_cast<size_t>(size), MSG_DONTWAIT | MSG_NOSIGNAL) < 0 && errno != EAGAIN)
        Disconnect();  // the system log went away or restarted: connect again next time
}

void SetSocketPath(const std::string& path)
{
    Disconnect();
    socket_path = path;
}

}  // namespace systemlog

// The system log's copy of the log's warnings and errors.
//
// An administrator of a machine with many users, or of a fleet with central
// logging, learns there that a package was refused or an upgrade rolled back,
// without opening every home folder. Entries go straight to the system log's
// socket (a datagram socket, or a stream where the log listens on one)
// without waiting: a system log that is missing, stopped or full costs a run
// nothing, and the entry is dropped.
#ifndef LIB_SYSTEM_LOG_H
#define LIB_SYSTEM_LOG_H

#include <cstdarg>
#include <string>

namespace systemlog {

// The name the entries carry (`journalctl -t skylet-launcher`).
extern const char* const kIdentifier;

// Sends the message `fmt` and `args` format, with `priority` in the syslog
// numbering, from the user facility. The caller serialises calls.
void Send(int priority, const char* fmt, va_list args);

// The socket entries go to: "/dev/log", unless a test names its own.
void SetSocketPath(const std::string& path);

}  // namespace systemlog

#endif

// ClientProcess: the running client as the launcher stops it.
//
// The pid in the client's pid file is only a hint: the file outlives the
// client, also across a reboot, and its pid may by now belong to any other
// process of the user (the desktop shell, an editor, the launcher's own
// parent). So a pid is signalled only after it has been identified as the
// client, and through a pidfd taken before the check, so that the check and
// the signals refer to the same process even if the pid is reused in
// between. Kernels without pidfds fall back to plain kill() with the same
// check.
#ifndef LAUNCHER_LINUX_CLIENT_PROCESS_H
#define LAUNCHER_LINUX_CLIENT_PROCESS_H

#include <sys/types.h>

#include <string>
#include <vector>

class ClientProcess {
public:
    enum Identity {
        IS_CLIENT,  // a process of this user that runs the client
        GONE,       // no such process (any more)
        NOT_CLIENT, // some other process: never signal it
    };

    explicit ClientProcess(pid_t pid);
    ~ClientProcess();
    ClientProcess(const ClientProcess&) = delete;
    ClientProcess& operator=(const ClientProcess&) = delete;

    // Takes hold of the process. false when it does not exist.
    bool Hold();

    // Whether the held process is this user's client: its executable lies
    // in one of `folders` (also when it has been deleted since it started),
    // or, for a script run through its interpreter, the program its command
    // line names does. For NOT_CLIENT, `why` says what the process is.
    Identity Identify(const std::vector<std::string>& folders, std::string& why) const;

    // 0, or the errno of the failed signal (ESRCH: the process is gone).
    int Signal(int sig) const;

    // Waits at most `seconds` for the end of the process; true when it ended.
    bool WaitForEnd(int seconds) const;

private:
    pid_t pid;
    int pidfd;
};

#endif

#include "linux/client-process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

namespace {

// Bound for what is read of /proc: a command line can be long, but the
// program argument is near its start.
const size_t kProcReadLimit = 64 * 1024;

int PidfdOpen(pid_t pid)
{
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
}

int PidfdSendSignal(int pidfd, int sig)
{
    return static_cast<int>(syscall(SYS_pidfd_send_signal, pidfd, sig, nullptr, 0));
}

std::string ProcPath(pid_t pid, const char* entry)
{
    return "/proc/" + std::to_string(pid) + "/" + entry;
}

// 0, or the errno of the failure. Not FSReadStateFile: the caller needs the
// errno (ESRCH: the process ended while being looked at), and a long command
// line is cut at the bound rather than refused.
int ReadProcFile(const std::string& path, std::string& text)
{
    text.clear();
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    char buf[4096];
    int err = 0;
    while (text.size() < kProcReadLimit) {
        ssize_t n = read(fd, buf, sizeof(buf));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            err = errno;
            break;
        }
        if (n == 0) {
            break;
        }
        text.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return err;
}

// 0, or the errno of the failure. The link target in full, however long.
// Not FSReadSymbolicLink, which logs every failure as an error: a link that
// cannot be read (another user's process, a kernel thread) is an answer here.
int ReadProcLink(const std::string& path, std::string& target)
{
    for (size_t cap = 256;; cap *= 2) {
        std::vector<char> buf(cap);
        ssize_t n = readlink(path.c_str(), buf.data(), cap);
        if (n < 0) {
            return errno;
        }
        if (static_cast<size_t>(n) < cap) {
            target.assign(buf.data(), static_cast<size_t>(n));
            return 0;
        }
    }
}

// Resolves "." and ".." and repeated slashes without asking the file system,
// so that "<folder>/../elsewhere" does not pass for a path inside <folder>.
std::string Normalise(const std::string& path)
{
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t slash = path.find('/', pos);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        std::string part = path.substr(pos, slash - pos);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = slash + 1;
    }
    std::string result;
    for (const std::string& part : parts) {
        result += "/" + part;
    }
    return result.empty() ? "/" : result;
}

bool IsInside(const std::string& path, const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders) {
        if (!folder.empty() && path.size() > folder.size() &&
            path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/') {
            return true;
        }
    }
    return false;
}

// The real user id from /proc/<pid>/status; -1 when there is none.
long RealUid(const std::string& status)
{
    size_t line = status.find("\nUid:");
    if (line == std::string::npos) {
        return -1;
    }
    const char* p = status.c_str() + line + 5;
    char* end = nullptr;
    errno = 0;
    long uid = strtol(p, &end, 10);
    return (end == p || errno != 0) ? -1 : uid;
}

// The program a command line runs through an interpreter: the first
// argument after the interpreter's own name that is not an option (a
// "#!/bin/sh -e" script gets "-e" before its path).
std::string ScriptArgument(const std::string& cmdline)
{
    size_t pos = cmdline.find('\0');
    while (pos != std::string::npos && pos + 1 < cmdline.size()) {
        size_t end = cmdline.find('\0', pos + 1);
        std::string arg = cmdline.substr(pos + 1, end == std::string::npos ? std::string::npos
                                                                           : end - pos - 1);
        if (!arg.empty() && arg[0] != '-') {
            return arg;
        }
        pos = end;
    }
    return std::string();
}

}  // namespace

ClientProcess::ClientProcess(pid_t pid) : pid(pid), pidfd(-1) {}

ClientProcess::~ClientProcess()
{
    if (pidfd >= 0) {
        close(pidfd);
    }
}

bool ClientProcess::Hold()
{
    pidfd = PidfdOpen(pid);
    if (pidfd >= 0) {
        return true;
    }
    // Without pidfds (ENOSYS and the like) the check below and kill() by
    // pid have to do.
    return errno != ESRCH;
}

ClientProcess::Identity ClientProcess::Identify(const std::vector<std::string>& folders,
                                                std::string& why) const
{
    std::string status;
    int err = ReadProcFile(ProcPath(pid, "status"), status);
    if (err == ENOENT || err == ESRCH) {
        return GONE;
    }
    long uid = RealUid(status);
    if (err != 0 || uid < 0) {
        why = "its owner cannot be read";
        return NOT_CLIENT;
    }
    if (uid != static_cast<long>(getuid())) {
        why = "it belongs to user " + std::to_string(uid);
        return NOT_CLIENT;
    }

    std::string exe;
    if (ReadProcLink(ProcPath(pid, "exe"), exe) != 0) {
        // A process without an executable is a kernel thread or a zombie.
        why = "it runs no executable";
        return NOT_CLIENT;
    }
    const char deleted[] = " (deleted)";
    const size_t deleted_len = sizeof(deleted) - 1;
    std::string exe_path = exe;
    if (exe_path.size() > deleted_len &&
        exe_path.compare(exe_path.size() - deleted_len, deleted_len, deleted) == 0) {
        exe_path.resize(exe_path.size() - deleted_len);
    }
    if (IsInside(exe_path, folders)) {
        return IS_CLIENT;
    }

    std::string cmdline;
    std::string script;
    if (ReadProcFile(ProcPath(pid, "cmdline"), cmdline) == 0) {
        script = ScriptArgument(cmdline);
    }
    if (!script.empty() && script[0] != '/') {
        std::string cwd;
        script = ReadProcLink(ProcPath(pid, "cwd"), cwd) == 0 ? cwd + "/" + script : std::string();
    }
    if (!script.empty() && IsInside(Normalise(script), folders)) {
        return IS_CLIENT;
    }
    why = "it runs '" + exe + "'";
    return NOT_CLIENT;
}

int ClientProcess::Signal(int sig) const
{
    int result = pidfd >= 0 ? PidfdSendSignal(pidfd, sig) : kill(pid, sig);
    return result == 0 ? 0 : errno;
}

bool ClientProcess::WaitForEnd(int seconds) const
{
    if (pidfd >= 0) {
        // The pidfd turns readable when the process ends, whoever its
        // parent is and whether or not it has been reaped.
        struct timespec start;
        clock_gettime(CLOCK_MONOTONIC, &start);
        const long long budget_ms = seconds * 1000LL;
        for (;;) {
            struct timespec now;
            clock_gettime(CLOCK_MONOTONIC, &now);
            long long spent_ms = (now.tv_sec - start.tv_sec) * 1000LL +
                                 (now.tv_nsec - start.tv_nsec) / 1000000;
            long long left_ms = budget_ms - spent_ms;
            struct pollfd pfd = {pidfd, POLLIN, 0};
            int ready = poll(&pfd, 1, left_ms > 0 ? static_cast<int>(left_ms) : 0);
            if (ready > 0) {
                return true;
            }
            if (ready == 0 || errno != EINTR) {
                return false;
            }
        }
    }
    // By pid: one probe a second. A process of another user answers EPERM
    // and counts as running.
    for (int i = 0; i < seconds; ++i) {
        if (kill(pid, 0) != 0 && errno == ESRCH) {
            return true;
        }
        sleep(1);
    }
    return false;
}

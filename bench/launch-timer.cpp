// launch-timer: runs one or more commands one after the other, as a user's
// session would, and reports how long they took, when the client came up and
// how much memory the largest of them needed.
//
//   launch-timer [--watch FILE] [--wait-ms N] [--end-pid PID] -- CMD [ARGS...] [--then CMD [ARGS...]]...
//
// Prints one line:
//   wall_us=<until the last command ended> client_us=<until FILE was written, or -1>
//   maxrss_kb=<largest peak RSS of a command and its reaped children> rc=<first non-zero exit, or 0>
//   ended_us=<until process PID ended, or -1>
//
// FILE is watched with inotify from before the first command starts: the
// client writes its pid file as soon as its executable runs, so the moment
// that file is created, renamed into place or closed after writing is the
// moment the user gets the client. When the commands end before that, the
// timer keeps watching for up to --wait-ms (default 5000). Standard output
// and error of the commands go to /dev/null: printing is not what is timed.
// PID is the running client an upgrade stops: client_us - ended_us is how
// long the user was without one.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long NowUs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

int Usage()
{
    fprintf(stderr, "usage: launch-timer [--watch FILE] [--wait-ms N] [--end-pid PID] -- CMD [ARGS...] [--then CMD [ARGS...]]...\n");
    return 2;
}

// True when one of the events in buf names `name` as written or moved in.
bool NamesFile(const char* buf, ssize_t len, const std::string& name)
{
    for (const char* p = buf; p < buf + len;) {
        const inotify_event* ev = reinterpret_cast<const inotify_event*>(p);
        if (ev->len > 0 && name == ev->name &&
            (ev->mask & (IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE)) != 0)
            return true;
        p += sizeof(inotify_event) + ev->len;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string watch;
    long long wait_ms = 5000;
    int end_fd = -1;
    int i = 1;
    for (; i < argc; ++i) {
        if (strcmp(argv[i], "--watch") == 0 && i + 1 < argc) {
            watch = argv[++i];
        } else if (strcmp(argv[i], "--wait-ms") == 0 && i + 1 < argc) {
            wait_ms = atoll(argv[++i]);
        } else if (strcmp(argv[i], "--end-pid") == 0 && i + 1 < argc) {
            end_fd = static_cast<int>(syscall(SYS_pidfd_open, atoi(argv[++i]), 0));
        } else if (strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        } else {
            return Usage();
        }
    }
    std::vector<std::vector<char*>> commands(1);
    for (; i < argc; ++i) {
        if (strcmp(argv[i], "--then") == 0) {
            commands.emplace_back();
        } else {
            commands.back().push_back(argv[i]);
        }
    }
    for (auto& command : commands) {
        if (command.empty())
            return Usage();
        command.push_back(nullptr);
    }

    int notify_fd = -1;
    std::string watch_name;
    if (!watch.empty()) {
        const size_t slash = watch.rfind('/');
        const std::string dir = slash == std::string::npos ? "." : watch.substr(0, slash);
        watch_name = slash == std::string::npos ? watch : watch.substr(slash + 1);
        notify_fd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        if (notify_fd < 0 ||
            inotify_add_watch(notify_fd, dir.c_str(), IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE) < 0) {
            fprintf(stderr, "launch-timer: cannot watch '%s': %s\n", dir.c_str(), strerror(errno));
            return 2;
        }
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    char events[sizeof(inotify_event) + NAME_MAX + 1] __attribute__((aligned(8)));
    long long client_us = -1, ended_us = -1;
    long maxrss_kb = 0;
    int rc = 0;
    const long long start = NowUs();
    auto drain = [&](long long now) {
        ssize_t len;
        while ((len = read(notify_fd, events, sizeof(events))) > 0) {
            if (client_us < 0 && NamesFile(events, len, watch_name))
                client_us = now - start;
        }
    };

    for (auto& command : commands) {
        pid_t pid;
        const int err = posix_spawnp(&pid, command[0], &actions, nullptr, command.data(), environ);
        if (err != 0) {
            fprintf(stderr, "launch-timer: cannot run '%s': %s\n", command[0], strerror(err));
            return 2;
        }
        const int pid_fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if (pid_fd < 0) {
            fprintf(stderr, "launch-timer: pidfd_open: %s\n", strerror(errno));
            return 2;
        }
        for (;;) {
            // poll() skips the negative descriptors.
            pollfd fds[3] = {{pid_fd, POLLIN, 0}, {notify_fd, POLLIN, 0}, {end_fd, POLLIN, 0}};
            const int n = poll(fds, 3, -1);
            if (n < 0 && errno == EINTR)
                continue;
            const long long now = NowUs();
            if (end_fd >= 0 && (fds[2].revents & POLLIN)) {
                ended_us = now - start;
                close(end_fd);
                end_fd = -1;
            }
            if (notify_fd >= 0 && (fds[1].revents & POLLIN))
                drain(now);
            if (fds[0].revents & POLLIN)
                break;
        }
        close(pid_fd);
        int status = 0;
        rusage usage;
        if (wait4(pid, &status, 0, &usage) < 0) {
            fprintf(stderr, "launch-timer: wait4: %s\n", strerror(errno));
            return 2;
        }
        if (usage.ru_maxrss > maxrss_kb)
            maxrss_kb = usage.ru_maxrss;
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (rc == 0)
            rc = code;
    }
    const long long wall_us = NowUs() - start;

    if (notify_fd >= 0) {
        drain(NowUs());
        const long long deadline = NowUs() + wait_ms * 1000;
        while (client_us < 0) {
            const long long left = deadline - NowUs();
            if (left <= 0)
                break;
            pollfd fd = {notify_fd, POLLIN, 0};
            if (poll(&fd, 1, static_cast<int>(left / 1000) + 1) > 0)
                drain(NowUs());
        }
    }

    printf("wall_us=%lld client_us=%lld maxrss_kb=%ld rc=%d ended_us=%lld\n", wall_us, client_us, maxrss_kb, rc,
           ended_us);
    return 0;
}

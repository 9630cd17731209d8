// A stand-in for the Skylet Backup client, for demos and tests of the
// launcher. It records its pid in ~/.SkyletBackup/ui.pid (the file the
// launcher reads to stop it), then waits for SIGTERM or SIGINT. On the way
// out it removes the pid file only if the file still names this process, and
// touches nothing else of the user tree.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string UserTree()
{
    const char* home = getenv("HOME");
    if (home == nullptr || home[0] == '\0')
        return std::string();
    return std::string(home) + "/.SkyletBackup";
}

bool WritePidFile(const std::string& path, pid_t pid)
{
    // Write beside it and rename, so that a reader never sees half a line.
    const std::string tmp = path + ".tmp." + std::to_string(pid);
    FILE* fp = fopen(tmp.c_str(), "w");
    if (fp == nullptr)
        return false;
    const bool written = fprintf(fp, "pid=%d\n", static_cast<int>(pid)) > 0;
    if (fclose(fp) != 0 || !written || rename(tmp.c_str(), path.c_str()) != 0) {
        unlink(tmp.c_str());
        return false;
    }
    return true;
}

bool PidFileNames(const std::string& path, pid_t pid)
{
    FILE* fp = fopen(path.c_str(), "r");
    if (fp == nullptr)
        return false;
    int stored = -1;
    const bool parsed = fscanf(fp, "pid=%d", &stored) == 1;
    fclose(fp);
    return parsed && stored == static_cast<int>(pid);
}

}  // namespace

int main()
{
    const std::string tree = UserTree();
    if (tree.empty()) {
        fprintf(stderr, "skylet-backup-ui: HOME is not set\n");
        return 1;
    }
    if (mkdir(tree.c_str(), 0755) != 0 && errno != EEXIST) {
        fprintf(stderr, "skylet-backup-ui: cannot create %s: %s\n", tree.c_str(), strerror(errno));
        return 1;
    }

    // Block the stop signals before the pid is published, so that a stop
    // request arriving right after it is not lost.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGTERM);
    sigaddset(&stop_signals, SIGINT);
    sigprocmask(SIG_BLOCK, &stop_signals, nullptr);

    const std::string pid_path = tree + "/ui.pid";
    const pid_t self = getpid();
    if (!WritePidFile(pid_path, self)) {
        fprintf(stderr, "skylet-backup-ui: cannot write %s: %s\n", pid_path.c_str(), strerror(errno));
        return 1;
    }

    int received = 0;
    while (sigwait(&stop_signals, &received) != 0) {
    }

    if (PidFileNames(pid_path, self))
        unlink(pid_path.c_str());
    return 0;
}

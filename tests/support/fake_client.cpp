#include "fake_client.h"

#include <errno.h>
#include <linux/sched.h>
#include <sys/syscall.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <sstream>

#include "temp_dir.h"

namespace testsupport {

const char* FakeClientPath()
{
    return SKYLET_FAKE_CLIENT_PATH;
}

bool CopyFakeClient(const std::string& path)
{
    return WriteFile(path, ReadFile(FakeClientPath()), 0755);
}

FakeClient::~FakeClient()
{
    if (pid > 0 && Running()) {
        kill(pid, SIGKILL);
    }
    if (reaper.joinable()) {
        reaper.join();
    }
}

namespace {

// fork(), or clone3() with the child's pid chosen by the caller.
pid_t ForkWithPid(pid_t wanted_pid)
{
    if (wanted_pid <= 0) {
        return fork();
    }
    pid_t tid = wanted_pid;
    struct clone_args args;
    memset(&args, 0, sizeof(args));
    args.exit_signal = SIGCHLD;
    args.set_tid = reinterpret_cast<uintptr_t>(&tid);
    args.set_tid_size = 1;
    return static_cast<pid_t>(syscall(SYS_clone3, &args, sizeof(args)));
}

}  // namespace

bool FakeClient::Start(const std::string& pid_file, const std::string& record_file, bool ignore_term,
                       const std::string& executable, pid_t wanted_pid)
{
    if (pid > 0) {
        return false;
    }
    record = record_file;
    unlink(pid_file.c_str());
    std::vector<std::string> args{executable, "--pid-file", pid_file, "--record", record_file};
    if (ignore_term) {
        args.push_back("--ignore-term");
    }
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(&a[0]);
    }
    argv.push_back(nullptr);

    pid_t child = ForkWithPid(wanted_pid);
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (child < 0) {
        return false;
    }
    pid = child;
    reaper = std::thread([this] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        std::lock_guard<std::mutex> guard(lock);
        ended = true;
        end_signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        ended_cv.notify_all();
    });

    for (int i = 0; i < 1000; ++i) {
        if (PathExists(pid_file)) {
            return true;
        }
        if (!Running()) {
            return false;
        }
        usleep(10000);
    }
    return false;
}

bool FakeClient::Running()
{
    std::lock_guard<std::mutex> guard(lock);
    return pid > 0 && !ended;
}

int FakeClient::WaitForEnd(int timeout_seconds)
{
    std::unique_lock<std::mutex> guard(lock);
    if (!ended_cv.wait_for(guard, std::chrono::seconds(timeout_seconds), [this] { return ended; })) {
        return -1;
    }
    return end_signal;
}

std::vector<int> FakeClient::RecordedSignals() const
{
    std::vector<int> signals;
    std::istringstream lines(ReadFile(record));
    int sig = 0;
    while (lines >> sig) {
        signals.push_back(sig);
    }
    return signals;
}

}  // namespace testsupport

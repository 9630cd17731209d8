// A stand-in for the running client, for tests of code that stops it.
//
//   skylet_fake_client --pid-file PATH --record PATH [--ignore-term]
//                      [--lifetime SECONDS]
//
// Appends the number of every SIGTERM, SIGHUP, SIGINT, SIGUSR1 and SIGUSR2
// it receives, one per line, to the record file; then writes "pid=<pid>"
// to the pid file (through a rename, so readers never see half a file).
// It exits on SIGTERM unless --ignore-term is given. SIGKILL cannot be
// recorded by the process itself: the parent sees it in the wait status.
// It never outlives --lifetime seconds (default 60), so a failed test
// cannot leave it behind for long.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int record_fd = -1;
volatile sig_atomic_t ignore_term = 0;

void Record(int sig)
{
    char buf[16];
    int len = 0;
    char digits[12];
    int n = 0;
    unsigned value = static_cast<unsigned>(sig);
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value && n < 11);
    while (n) {
        buf[len++] = digits[--n];
    }
    buf[len++] = '\n';
    if (record_fd >= 0) {
        ssize_t ignored = write(record_fd, buf, static_cast<size_t>(len));
        (void)ignored;
    }
}

void OnSignal(int sig)
{
    Record(sig);
    if (sig == SIGTERM && !ignore_term) {
        _exit(0);
    }
}

int Usage()
{
    fprintf(stderr,
            "usage: skylet_fake_client --pid-file PATH --record PATH [--ignore-term] "
            "[--lifetime SECONDS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string pid_file;
    std::string record_file;
    unsigned lifetime = 60;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--pid-file" && i + 1 < argc) {
            pid_file = argv[++i];
        } else if (arg == "--record" && i + 1 < argc) {
            record_file = argv[++i];
        } else if (arg == "--ignore-term") {
            ignore_term = 1;
        } else if (arg == "--lifetime" && i + 1 < argc) {
            lifetime = static_cast<unsigned>(atoi(argv[++i]));
        } else {
            return Usage();
        }
    }
    if (pid_file.empty() || record_file.empty()) {
        return Usage();
    }
    record_fd = open(record_file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (record_fd < 0) {
        perror("record file");
        return 1;
    }

    struct sigaction sa;
    memset(&sa, 0, sizeof(sa));
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGHUP, SIGINT, SIGUSR1, SIGUSR2}) {
        sigaction(sig, &sa, nullptr);
    }
    alarm(lifetime);

    const std::string tmp = pid_file + ".tmp";
    FILE* out = fopen(tmp.c_str(), "w");
    if (!out || fprintf(out, "pid=%d\n", static_cast<int>(getpid())) < 0 || fclose(out) != 0 ||
        rename(tmp.c_str(), pid_file.c_str()) != 0) {
        perror("pid file");
        return 1;
    }
    for (;;) {
        pause();
    }
}

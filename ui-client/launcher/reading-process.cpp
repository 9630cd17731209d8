#include "reading-process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <new>

#include "adapter.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "extractor_debug";
// How often the launcher looks at the child's progress; also how soon the
// dialog hears of a finished entry.
const int WATCH_INTERVAL_MS = 50;

double Now()
{
    struct timespec ts;
    // CLOCK_MONOTONIC stands still while the machine sleeps, so a reading
    // interrupted by a suspend is not taken for a stalled one.
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// Signals that say the reading crashed on what it read rather than being
// ended from outside (SIGKILL by the out-of-memory killer, a SIGTERM of the
// whole session).
bool IsCrashSignal(int sig)
{
    return sig == SIGSEGV || sig == SIGBUS || sig == SIGABRT || sig == SIGFPE || sig == SIGILL ||
           sig == SIGSYS;
}

}  // namespace

// Lives in memory shared with the child; only lock-free atomics and plain
// fields the child writes before it ends.
struct ReadingProcess::Shared {
    std::atomic<uint64_t> moves{0};
    std::atomic<int> total{0};
    std::atomic<int> step{0};
    int result = -1;
    bool package_at_fault = false;
    bool finished = false;
    // Extractor::ScanResult, in a form that needs no heap of the child's.
    int entries = 0;
    uint64_t space_needed = 0;
    char sha256[65] = {};

    void SetScan(const Extractor::ScanResult& result)
    {
        entries = result.entries;
        space_needed = result.space_needed;
        strncpy(sha256, result.sha256.c_str(), sizeof(sha256) - 1);
    }
    void GetScan(Extractor::ScanResult& result) const
    {
        result.entries = entries;
        result.space_needed = space_needed;
        result.sha256 = sha256;
    }
};

class ReadingProcess::Sink : public ExtractProgress {
public:
    explicit Sink(Shared& shared) : shared(shared) {}
    void Moved() override { shared.moves.fetch_add(1, std::memory_order_relaxed); }
    void EntryDone(int total, int step) override
    {
        shared.total.store(total, std::memory_order_relaxed);
        shared.step.store(step, std::memory_order_release);
    }

private:
    Shared& shared;
};

ReadingProcess::ReadingProcess(const ustring& package, int stall_limit_seconds)
    : package(package), stall_limit_seconds(stall_limit_seconds)
{
}

ReadingProcess::Outcome ReadingProcess::Scan(Extractor& extractor, bool hash,
                                             Extractor::ScanResult& scan)
{
    return Run(extractor, ScanJob, hash, &scan);
}

ReadingProcess::Outcome ReadingProcess::Extract(Extractor& extractor)
{
    return Run(extractor, ExtractJob, false, nullptr);
}

ReadingProcess::Outcome ReadingProcess::Run(Extractor& extractor, Job job, bool hash,
                                            Extractor::ScanResult* scan)
{
    package_at_fault = false;
    void* memory = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    int done_pipe[2] = {-1, -1};
    if (memory == MAP_FAILED || pipe2(done_pipe, O_CLOEXEC) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): cannot set up the reading of '%s': %s\n", __LINE__,
                       package.c_str(), strerror(err));
        if (memory != MAP_FAILED) {
            munmap(memory, sizeof(Shared));
        }
        return Crashed;
    }
    Shared* shared = new (memory) Shared;
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // The reading must not outlive the thread that watches it, whatever
        // ends that thread.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(1);
        }
        close(done_pipe[0]);
        Sink sink(*shared);
        extractor.SetProgress(&sink);
        if (job == ScanJob) {
            Extractor::ScanResult result;
            shared->result = extractor.Scan(result, hash);
            shared->SetScan(result);
        } else {
            shared->result = extractor.Extract();
        }
        shared->package_at_fault = extractor.PackageAtFault();
        shared->finished = true;
        // No exit handlers or destructors of the launcher's: they belong to
        // the parent. The pipe closes with the process.
        _exit(0);
    }
    close(done_pipe[1]);
    Outcome outcome;
    if (child < 0) {
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): cannot start the reading of '%s': %s\n", __LINE__,
                       package.c_str(), strerror(err));
        outcome = Crashed;
    } else {
        outcome = Watch(child, done_pipe[0], *shared, job);
    }
    if (outcome == Done && scan) {
        shared->GetScan(*scan);
    }
    close(done_pipe[0]);
    shared->~Shared();
    munmap(memory, sizeof(Shared));
    return outcome;
}

ReadingProcess::Outcome ReadingProcess::Watch(int child, int done_fd, Shared& shared, Job job)
{
    uint64_t seen = 0;
    int relayed = 0;
    double last_progress = Now();
    bool stalled = false;
    auto relay = [&]() {
        const int step = shared.step.load(std::memory_order_acquire);
        const int total = shared.total.load(std::memory_order_relaxed);
        while (job == ExtractJob && relayed < step) {
            Notify_Adapter::GetInstance().UpdateProgress(total, ++relayed);
        }
        return static_cast<uint64_t>(step);
    };
    for (;;) {
        struct pollfd pfd = {done_fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, WATCH_INTERVAL_MS);
        const uint64_t now_seen = shared.moves.load(std::memory_order_relaxed) + relay();
        if (ready > 0) {
            break;  // the child has ended: its end of the pipe is closed
        }
        if (now_seen != seen) {
            seen = now_seen;
            last_progress = Now();
        } else if (Now() - last_progress >= stall_limit_seconds) {
            kill(child, SIGKILL);
            stalled = true;
            break;
        }
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    relay();
    const char* what = job == ScanJob ? "checked" : "extracted";
    if (stalled) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): package '%s' made no progress for %d s while it was "
                       "%s; the reading was stopped\n",
                       __LINE__, package.c_str(), stall_limit_seconds, what);
        package_at_fault = true;
        return Stalled;
    }
    if (WIFSIGNALED(status) || !shared.finished) {
        const int sig = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): the reading of package '%s' ended before it was %s "
                       "(%s)\n",
                       __LINE__, package.c_str(), what, sig ? strsignal(sig) : "no result");
        package_at_fault = IsCrashSignal(sig);
        return Crashed;
    }
    package_at_fault = shared.package_at_fault;
    return shared.result == 0 ? Done : Failed;
}

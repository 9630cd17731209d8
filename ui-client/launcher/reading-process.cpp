#include "reading-process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "adapter.h"
#include "log.h"

extern char** environ;

namespace {

const char* const LOG_COMP = "extractor_debug";
const char* const ROLE = "--read-package";
// Where the reading finds the package and its report pipe.
const int PACKAGE_FD = 3;
const int REPORT_FD = 4;
// How often the launcher looks at the reading; also how soon the dialog
// hears of finished entries, which the reading reports at most this often.
const int WATCH_INTERVAL_MS = 50;
const double REPORT_INTERVAL_SECONDS = 0.05;

double Now()
{
    struct timespec ts;
    // CLOCK_MONOTONIC stands still while the machine sleeps, so a reading
    // interrupted by a suspend is not taken for a stalled one.
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// Signals that say the reading crashed on what it read, rather than being
// ended from outside (the out-of-memory killer's SIGKILL, a session's
// SIGTERM).
bool IsCrashSignal(int sig)
{
    return sig == SIGSEGV || sig == SIGBUS || sig == SIGABRT || sig == SIGFPE || sig == SIGILL ||
           sig == SIGSYS;
}

// A descriptor of `fd` numbered above the ones the reading gets its files
// at, so that placing them there cannot overwrite one with the other.
int AboveFixedNumbers(int fd)
{
    return fcntl(fd, F_DUPFD_CLOEXEC, 10);
}

// One report of the reading, written whole (well below PIPE_BUF, so a
// write is never split).
struct Report {
    char kind = 0;  // 'm' moved on, 'e' entries done, 'r' the result
    int32_t total = 0;
    int32_t step = 0;
    int32_t result = -1;
    int32_t package_at_fault = 0;
    int32_t entries = 0;
    uint64_t space_needed = 0;
    char sha256[65] = {};
};

// The reading's side of the report pipe.
class PipeReporter : public ExtractProgress {
public:
    explicit PipeReporter(int fd) : fd(fd) {}

    void Moved() override
    {
        const double now = Now();
        if (now - last_sent >= REPORT_INTERVAL_SECONDS) {
            last_sent = now;
            report.kind = 'm';
            Send();
        }
    }
    void EntryDone(int total, int step) override
    {
        const double now = Now();
        report.total = total;
        report.step = step;
        if (now - last_sent >= REPORT_INTERVAL_SECONDS || step == total) {
            last_sent = now;
            report.kind = 'e';
            Send();
        }
    }
    void Finish(int result, bool at_fault, const Extractor::ScanResult& scan)
    {
        report.kind = 'r';
        report.result = result;
        report.package_at_fault = at_fault ? 1 : 0;
        report.entries = scan.entries;
        report.space_needed = scan.space_needed;
        strncpy(report.sha256, scan.sha256.c_str(), sizeof(report.sha256) - 1);
        Send();
    }

private:
    void Send()
    {
        ssize_t n;
        do {
            n = write(fd, &report, sizeof(report));
        } while (n < 0 && errno == EINTR);
    }

    const int fd;
    double last_sent = 0;
    Report report;
};

}  // namespace

int ReadingProcess::RunIfAsked(int argc, char** argv)
{
    if (argc < 2 || strcmp(argv[1], ROLE) != 0) {
        return -1;
    }
    // role job parent-pid source target hash known-total log-type log-path
    // level-path rotate-count
    if (argc != 12) {
        fprintf(stderr, "%s: the reading role is started by the launcher itself\n", argv[0]);
        return 2;
    }
    // The reading must not outlive the launcher thread that watches it,
    // whatever ends that; a launcher gone already is not waited for.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != static_cast<pid_t>(atol(argv[3]))) {
        return 1;
    }
    Logger::Initialize(static_cast<Logger::Type>(atoi(argv[8])), ustring(argv[9]), ustring(argv[10]),
                       atoi(argv[11]));
    const std::string job = argv[2];
    Extractor extractor;
    extractor.SetSource(ustring(argv[4]));
    extractor.SetSourceFd(PACKAGE_FD);
    extractor.SetTarget(ustring(argv[5]));
    extractor.SetKnownTotal(atoi(argv[7]));
    PipeReporter reporter(REPORT_FD);
    extractor.SetProgress(&reporter);
    Extractor::ScanResult scan;
    const int result =
        job == "scan" ? extractor.Scan(scan, strcmp(argv[6], "1") == 0) : extractor.Extract();
    reporter.Finish(result, extractor.PackageAtFault(), scan);
    // Nothing of the launcher's to tear down: the process ends here.
    _exit(0);
}

ReadingProcess::ReadingProcess(int package, const ustring& source, int stall_limit_seconds)
    : package(package), source(source), stall_limit_seconds(stall_limit_seconds)
{
}

ReadingProcess::Outcome ReadingProcess::Scan(bool hash, Extractor::ScanResult& scan)
{
    return Run("scan", ustring(""), hash, 0, &scan);
}

ReadingProcess::Outcome ReadingProcess::Extract(const ustring& target, int known_total)
{
    return Run("extract", target, false, known_total, nullptr);
}

ReadingProcess::Outcome ReadingProcess::Run(const char* job, const ustring& target, bool hash,
                                            int known_total, Extractor::ScanResult* scan)
{
    package_at_fault = false;
    int report[2] = {-1, -1};
    int package_copy = -1;
    int report_copy = -1;
    pid_t child = -1;
    int err = 0;
    if (pipe2(report, O_CLOEXEC) != 0 || (package_copy = AboveFixedNumbers(package)) < 0 ||
        (report_copy = AboveFixedNumbers(report[1])) < 0) {
        err = errno;
    } else {
        const Logger::Setup log = Logger::CurrentSetup();
        const std::vector<std::string> args = {
            "skylet-launcher", ROLE, job, std::to_string(getpid()), source.c_str(),
            target.empty() ? "-" : target.c_str(), hash ? "1" : "0", std::to_string(known_total),
            std::to_string(static_cast<int>(log.type)), log.log_path.c_str(), log.level_path.c_str(),
            std::to_string(log.rotate_cnt)};
        std::vector<char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, package_copy, PACKAGE_FD);
        posix_spawn_file_actions_adddup2(&actions, report_copy, REPORT_FD);
        err = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
    }
    for (int fd : {report[1], package_copy, report_copy}) {
        if (fd >= 0) {
            close(fd);
        }
    }
    Outcome outcome = Crashed;
    if (err != 0 || child <= 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): cannot start reading package '%s': %s\n", __LINE__,
                       source.c_str(), strerror(err));
    } else {
        outcome = Watch(child, report[0], job, scan);
    }
    if (report[0] >= 0) {
        close(report[0]);
    }
    return outcome;
}

ReadingProcess::Outcome ReadingProcess::Watch(int child, int report_fd, const char* job,
                                              Extractor::ScanResult* scan)
{
    const bool extracting = strcmp(job, "extract") == 0;
    Report result;
    std::vector<char> pending;
    int relayed = 0;
    double last_progress = Now();
    bool stalled = false;
    for (;;) {
        struct pollfd pfd = {report_fd, POLLIN, 0};
        if (poll(&pfd, 1, WATCH_INTERVAL_MS) > 0) {
            char buffer[64 * sizeof(Report)];
            const ssize_t n = read(report_fd, buffer, sizeof(buffer));
            if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
                break;  // the reading has ended: its end of the pipe is closed
            }
            if (n > 0) {
                last_progress = Now();
                pending.insert(pending.end(), buffer, buffer + n);
            }
            size_t used = 0;
            for (; pending.size() - used >= sizeof(Report); used += sizeof(Report)) {
                Report report;
                memcpy(&report, pending.data() + used, sizeof(Report));
                if (report.kind == 'r') {
                    result = report;
                }
                while (extracting && report.kind == 'e' && relayed < report.step) {
                    Notify_Adapter::GetInstance().UpdateProgress(report.total, ++relayed);
                }
            }
            pending.erase(pending.begin(), pending.begin() + static_cast<long>(used));
        } else if (Now() - last_progress >= stall_limit_seconds) {
            kill(child, SIGKILL);
            stalled = true;
            break;
        }
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const char* what = extracting ? "extracted" : "checked";
    if (stalled) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): package '%s' made no progress for %d s while it was "
                       "%s; the reading was stopped\n",
                       __LINE__, source.c_str(), stall_limit_seconds, what);
        package_at_fault = true;
        return Stalled;
    }
    if (result.kind != 'r') {
        const int sig = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): the reading of package '%s' ended before it was %s "
                       "(%s)\n",
                       __LINE__, source.c_str(), what,
                       sig ? strsignal(sig) : ("exit code " + std::to_string(WEXITSTATUS(status))).c_str());
        package_at_fault = IsCrashSignal(sig);
        return Crashed;
    }
    if (scan) {
        scan->entries = result.entries;
        scan->space_needed = result.space_needed;
        scan->sha256 = result.sha256;
    }
    package_at_fault = result.package_at_fault != 0;
    return result.result == 0 ? Done : Failed;
}

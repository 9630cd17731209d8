#include "reading-process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/auxv.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "adapter.h"
#include "log.h"
#include "unchanged-files.h"

extern char** environ;

namespace {

const char* const LOG_COMP = "extractor_debug";
const char* const ROLE = "--read-package";
// Where the reading finds the package, its report pipe and the log file.
const int PACKAGE_FD = 3;
const int REPORT_FD = 4;
const int LOG_FD = 5;
const int NOTES_FD = 6;
// How often the launcher looks at the reading; also how soon the dialog
// hears of finished entries, which the reading reports at most this often.
const int WATCH_INTERVAL_MS = 50;
const double REPORT_INTERVAL_SECONDS = 0.05;
// A longer gap between two looks means the watcher itself did not run (its
// session was stopped); only this much of it counts.
const double LONGEST_COUNTED_GAP_SECONDS = 1.0;
// The share of the last stall limit of watching a reading without progress
// must have spent on the processor to count as looping. Over a window, not
// since the last progress: a reading held back by a busy machine or a slow
// disk runs in bursts, and those add up to any share given time.
const double LOOP_CPU_SHARE = 0.5;

// This executable, opened at start-up; -1 when it could not be, or when a
// reading started from it did not get to the package.
int executable = -1;
// Why the package is then read here, for the log.
const char* why_read_here = "this executable could not be opened";

// Opens the running executable where the kernel says it is, else by the
// name it was started under (resolved now, before anything changes the
// working folder) when /proc is not mounted. A path handle is enough to
// start it from and needs no read permission.
int OpenThisExecutable()
{
    int fd = open("/proc/self/exe", O_PATH | O_CLOEXEC);
    const char* name = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    if (fd < 0 && name != nullptr) {
        fd = open(name, O_PATH | O_CLOEXEC);
    }
    struct stat st;
    if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        close(fd);
        fd = -1;
    }
    // Above the numbers the reading gets its files at, where it would be
    // overwritten before it is started.
    const int kept = fd >= 0 ? fcntl(fd, F_DUPFD_CLOEXEC, 10) : -1;
    if (fd >= 0) {
        close(fd);
    }
    return kept;
}

// The processor time the reading has used, in seconds; -1 when it cannot be
// told.
double CpuSeconds(pid_t child)
{
    clockid_t clock;
    struct timespec ts;
    if (clock_getcpuclockid(child, &clock) != 0 || clock_gettime(clock, &ts) != 0) {
        return -1;
    }
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

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

// One report of the reading, written whole (well below PIPE_BUF, so a
// write is never split).
struct Report {
    char kind = 0;  // 's' started, 'm' moved on, 'e' entries done, 'r' the result
    int32_t total = 0;
    int32_t step = 0;
    int32_t result = -1;
    int32_t package_at_fault = 0;
    int32_t entries = 0;
    uint64_t space_needed = 0;
    int32_t unchanged_files = 0;
    uint64_t unchanged_space = 0;
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
    void Started()
    {
        report.kind = 's';
        Send();
    }
    void Finish(int result, bool at_fault, const Extractor::ScanResult& scan)
    {
        report.kind = 'r';
        report.result = result;
        report.package_at_fault = at_fault ? 1 : 0;
        report.entries = scan.entries;
        report.space_needed = scan.space_needed;
        report.unchanged_files = scan.unchanged_files;
        report.unchanged_space = scan.unchanged_space;
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

// One reading, in whichever process runs it. With a copy to compare with,
// the check notes into `notes` the files it holds byte for byte and the
// extraction links them; notes that cannot be read or written leave every
// file to be written.
int ReadPackage(Extractor& extractor, bool scan_job, bool hash, Extractor::ScanResult& scan, int notes,
                const std::string& copy)
{
    std::unique_ptr<UnchangedFiles> unchanged;
    if (notes >= 0 && !copy.empty()) {
        unchanged.reset(new UnchangedFiles(copy));
        if (!scan_job && !unchanged->Load(notes)) {
            unchanged.reset();
        }
        extractor.SetUnchanged(unchanged.get());
    }
    const int result = scan_job ? extractor.Scan(scan, hash) : extractor.Extract();
    if (scan_job && unchanged && result == 0 && !unchanged->Save(notes)) {
        scan.unchanged_files = 0;
        scan.unchanged_space = 0;
    }
    return result;
}

}  // namespace

int ReadingProcess::RunIfAsked(int argc, char** argv)
{
    if (argc < 2 || strcmp(argv[1], ROLE) != 0) {
        if (executable < 0) {
            executable = OpenThisExecutable();
        }
        return -1;
    }
    // role job parent-pid source target hash known-total log-type log-path
    // level-path rotate-count copy
    if (argc != 13) {
        fprintf(stderr, "%s: the reading role is started by the launcher itself\n", argv[0]);
        return 2;
    }
    // The reading must not outlive the launcher thread that watches it,
    // whatever ends that; a launcher gone already is not waited for.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != static_cast<pid_t>(atol(argv[3]))) {
        return 1;
    }
    // The parent's log file when it has one: rotating it is the parent's
    // business, once per run.
    const Logger::Type log_type = static_cast<Logger::Type>(atoi(argv[8]));
    if (log_type != Logger::FILE_LOGGER || Logger::InitializeAppending(LOG_FD, ustring(argv[10])) != 0) {
        Logger::Initialize(log_type, ustring(argv[9]), ustring(argv[10]), atoi(argv[11]));
    }
    const std::string job = argv[2];
    Extractor extractor;
    extractor.SetSource(ustring(argv[4]));
    extractor.SetSourceFd(PACKAGE_FD);
    extractor.SetTarget(ustring(argv[5]));
    extractor.SetKnownTotal(atoi(argv[7]));
    PipeReporter reporter(REPORT_FD);
    extractor.SetProgress(&reporter);
    Extractor::ScanResult scan;
    // Whatever ends the reading before this (a security policy, a library
    // that cannot be loaded) is no verdict on the package.
    reporter.Started();
    const std::string copy = strcmp(argv[12], "-") == 0 ? "" : argv[12];
    const int result = ReadPackage(extractor, job == "scan", strcmp(argv[6], "1") == 0, scan,
                                   copy.empty() ? -1 : NOTES_FD, copy);
    reporter.Finish(result, extractor.PackageAtFault(), scan);
    // Nothing of the launcher's to tear down: the process ends here.
    _exit(0);
}

ReadingProcess::ReadingProcess(int package, const ustring& source, const Limits& limits)
    : package(package), source(source), limits(limits)
{
}

void ReadingProcess::SetUnchanged(int notes, const ustring& copy)
{
    unchanged_notes = notes;
    unchanged_copy = copy;
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
    if (executable < 0) {
        return RunHere(job, target, hash, known_total, scan);
    }
    int report[2] = {-1, -1};
    pid_t child = -1;
    int err = 0;
    if (pipe2(report, O_CLOEXEC) != 0) {
        err = errno;
    } else {
        const Logger::Setup log = Logger::CurrentSetup();
        child = Start({"skylet-launcher", ROLE, job, std::to_string(getpid()), source.c_str(),
                       target.empty() ? "-" : target.c_str(), hash ? "1" : "0", std::to_string(known_total),
                       std::to_string(static_cast<int>(log.type)), log.log_path.c_str(),
                       log.level_path.c_str(), std::to_string(log.rotate_cnt),
                       unchanged_notes >= 0 && !unchanged_copy.empty() ? unchanged_copy.c_str() : "-"},
                      report[1]);
        err = errno;
        close(report[1]);
    }
    Outcome outcome = Crashed;
    if (child <= 0) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] reading-process(%d): cannot start reading package '%s': %s\n", __LINE__,
                       source.c_str(), strerror(err));
    } else {
        outcome = Watch(child, report[0], job, scan);
    }
    if (report[0] >= 0) {
        close(report[0]);
    }
    if (child > 0 && outcome == Crashed && !started) {
        // Started the same way, every reading of this run would end so.
        close(executable);
        executable = -1;
        why_read_here = "a reading in a process of its own could not be started";
        return RunHere(job, target, hash, known_total, scan);
    }
    return outcome;
}

pid_t ReadingProcess::Start(const std::vector<std::string>& args, int report_fd)
{
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    // Numbered above the places the reading gets them at, so that putting
    // one there cannot overwrite another; the log's is -1 without a file.
    const int log_fd = Logger::CurrentSetup().fd;
    const int from[] = {package, report_fd, log_fd, unchanged_notes};
    int copies[] = {-1, -1, -1, -1};
    pid_t child = -1;
    int err = 0;
    for (int i = 0; i < 4 && err == 0; ++i) {
        if (from[i] >= 0 && (copies[i] = fcntl(from[i], F_DUPFD_CLOEXEC, 10)) < 0) {
            err = errno;
        }
    }
    if (err == 0) {
        child = fork();
        err = errno;
    }
    if (child == 0) {
        // Only calls that take no lock from here to the new program.
        const int places[] = {PACKAGE_FD, REPORT_FD, LOG_FD, NOTES_FD};
        for (int i = 0; i < 4; ++i) {
            if (copies[i] >= 0 && dup2(copies[i], places[i]) < 0) {
                _exit(127);
            }
        }
        fexecve(executable, argv.data(), environ);
        _exit(127);
    }
    for (int fd : copies) {
        if (fd >= 0) {
            close(fd);
        }
    }
    errno = err;
    return child;
}

ReadingProcess::Outcome ReadingProcess::RunHere(const char* job, const ustring& target, bool hash,
                                                int known_total, Extractor::ScanResult* scan)
{
    Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                   "[NOTE] reading-process(%d): %s; package '%s' is read here, without a watch on "
                   "its progress\n",
                   __LINE__, why_read_here, source.c_str());
    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetSourceFd(package);
    extractor.SetTarget(target);
    extractor.SetKnownTotal(known_total);
    Extractor::ScanResult ignored;
    const int result = ReadPackage(extractor, strcmp(job, "scan") == 0, hash, scan ? *scan : ignored,
                                   unchanged_notes, unchanged_copy.c_str());
    package_at_fault = result != 0 && extractor.PackageAtFault();
    return result == 0 ? Done : Failed;
}

ReadingProcess::Outcome ReadingProcess::Watch(int child, int report_fd, const char* job,
                                              Extractor::ScanResult* scan)
{
    const bool extracting = strcmp(job, "extract") == 0;
    Report result;
    std::vector<char> pending;
    int relayed = 0;
    // Seconds of watching, without the time the watcher itself stood still.
    double watched = 0;
    double last_look = Now();
    double last_progress = 0;
    started = false;
    // (watched, processor time of the reading) since the last progress,
    // from the last one at or before the stall limit's start on.
    std::deque<std::pair<double, double>> samples{{0.0, CpuSeconds(child)}};
    Outcome ended = Done;
    for (;;) {
        struct pollfd pfd = {report_fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, WATCH_INTERVAL_MS);
        const double now = Now();
        watched += std::min(now - last_look, LONGEST_COUNTED_GAP_SECONDS);
        last_look = now;
        if (ready > 0) {
            char buffer[64 * sizeof(Report)];
            const ssize_t n = read(report_fd, buffer, sizeof(buffer));
            if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
                break;  // the reading has ended: its end of the pipe is closed
            }
            if (n > 0) {
                last_progress = watched;
                samples.assign(1, {watched, CpuSeconds(child)});
                pending.insert(pending.end(), buffer, buffer + n);
            }
            size_t used = 0;
            for (; pending.size() - used >= sizeof(Report); used += sizeof(Report)) {
                Report report;
                memcpy(&report, pending.data() + used, sizeof(Report));
                started = true;
                if (report.kind == 'r') {
                    result = report;
                }
                while (extracting && report.kind == 'e' && relayed < report.step) {
                    Notify_Adapter::GetInstance().UpdateProgress(report.total, ++relayed);
                }
            }
            pending.erase(pending.begin(), pending.begin() + static_cast<long>(used));
            continue;
        }
        const double cpu = CpuSeconds(child);
        samples.emplace_back(watched, cpu);
        while (samples.size() > 1 && samples[1].first <= watched - limits.stall_seconds) {
            samples.pop_front();
        }
        const double quiet = watched - last_progress;
        if (quiet < limits.stall_seconds) {
            continue;
        }
        const double cpu_at_start = samples.front().second;
        if (cpu >= 0 && cpu_at_start >= 0 && cpu - cpu_at_start >= LOOP_CPU_SHARE * limits.stall_seconds) {
            ended = Stalled;
        } else if (quiet >= limits.wait_seconds) {
            ended = Waited;
        } else {
            continue;
        }
        kill(child, SIGKILL);
        break;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const char* what = extracting ? "extracted" : "checked";
    if (ended == Stalled) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] reading-process(%d): package '%s' made no progress for %d s while it was "
                       "%s, and kept the processor busy meanwhile; the reading was stopped\n",
                       __LINE__, source.c_str(), limits.stall_seconds, what);
        package_at_fault = true;
        return Stalled;
    }
    if (ended == Waited) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] reading-process(%d): package '%s' made no progress for %d s while it was "
                       "%s, waiting on the disk or stopped; the reading was stopped, the next run tries "
                       "again\n",
                       __LINE__, source.c_str(), limits.wait_seconds, what);
        return Waited;
    }
    const int sig = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    const std::string how = sig ? strsignal(sig) : "exit code " + std::to_string(WEXITSTATUS(status));
    if (!started) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] reading-process(%d): the reading of package '%s' could not be started in "
                       "a process of its own (%s)\n",
                       __LINE__, source.c_str(), how.c_str());
        return Crashed;
    }
    if (result.kind != 'r') {
        // A fault of its own is what the same bytes would cause again; a
        // reading killed from outside (a logout, the out-of-memory killer)
        // says nothing about the package.
        package_at_fault = IsCrashSignal(sig);
        Logger::LogMsg(package_at_fault ? Logger::L_ERR : Logger::L_WARNING, LOG_COMP,
                       "%s reading-process(%d): the reading of package '%s' ended before it was %s (%s)\n",
                       package_at_fault ? "[ERROR]" : "[WARNING]", __LINE__, source.c_str(), what, how.c_str());
        return Crashed;
    }
    if (scan) {
        scan->entries = result.entries;
        scan->space_needed = result.space_needed;
        scan->unchanged_files = result.unchanged_files;
        scan->unchanged_space = result.unchanged_space;
        scan->sha256 = result.sha256;
    }
    package_at_fault = result.package_at_fault != 0;
    return result.result == 0 ? Done : Failed;
}

#include "log.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <exception>
#include <new>
#include <string>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include "config.h"
#include "system-log.h"

namespace {

const char* const kDefaultComponent = "default_component";
// The level file's key that turns the system log's copy off with 0.
const char* const kSystemLogKey = "system_log";
const int kRotateThreshold = 1048576;

// Numbered file i of the rotation: "<log path>_<i>". Built as a std::string
// so that a long log path is never cut short.
std::string NumberedFile(const ustring& log_path, int i)
{
    return std::string(log_path.c_str()) + "_" + std::to_string(i);
}

// Opens the log file for appending, created when missing. Close-on-exec, so
// that the processes the program starts (the client above all) do not keep
// the log file open for their whole life.
FILE* OpenLogFile(const char* path)
{
    return fopen(path, "ae");
}

// A stream the logger opened itself (not one of the standard streams).
bool IsOwnStream(FILE* fp)
{
    return fp != nullptr && fp != stdout && fp != stderr;
}

// What the log file already holds from earlier runs counts towards rotation;
// every run is a new process, so starting at 0 would let the file grow
// forever. Anything past the threshold only has to trigger the rotation, so
// a file too large for an int is pinned just above it.
int InitialLogSize(FILE* fp)
{
    struct stat st;
    if (fstat(fileno(fp), &st) != 0 || st.st_size <= 0)
        return 0;
    return st.st_size > kRotateThreshold ? kRotateThreshold + 1 : static_cast<int>(st.st_size);
}

// One write() per entry: the file is opened for appending, so the kernel puts
// each entry whole at the end even when other launchers append to the same
// file. Only an error (a full disk) cuts a write short; the rest is retried.
// Returns the bytes written.
size_t WriteEntry(int fd, const char* entry, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, entry + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

// Time stamp and message in one heap buffer of the exact size, so an entry
// of any length goes out in a single write. nullptr on a format error or
// when memory runs out.
char* FormatEntry(const char* fmt, va_list args, size_t* size)
{
    char stamp[64];
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) == nullptr ||
        strftime(stamp, sizeof(stamp), "%b %d %H:%M:%S ", &local) == 0)
        stamp[0] = '\0';
    const size_t stamp_bytes = strlen(stamp);

    va_list sizing;
    va_copy(sizing, args);
    const int message_bytes = vsnprintf(nullptr, 0, fmt, sizing);
    va_end(sizing);
    if (message_bytes < 0 || static_cast<size_t>(message_bytes) > INT_MAX - stamp_bytes - 1)
        return nullptr;

    char* entry = static_cast<char*>(malloc(stamp_bytes + message_bytes + 1));
    if (entry == nullptr)
        return nullptr;
    memcpy(entry, stamp, stamp_bytes);
    if (vsnprintf(entry + stamp_bytes, message_bytes + 1, fmt, args) != message_bytes) {
        free(entry);
        return nullptr;
    }
    *size = stamp_bytes + message_bytes;
    return entry;
}

char* FormatNote(size_t* size, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
char* FormatNote(size_t* size, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    char* note = FormatEntry(fmt, args, size);
    va_end(args);
    return note;
}

// Entries the log file did not take. On a full disk the lines that explain a
// failed upgrade are logged before the rollback frees the space; dropped,
// only the last line would survive. They wait here, time stamps and all, for
// the next entry that finds space. Bounded, as the space may never come back.
// Guarded by the logger's lock.
const size_t kKeptEntriesMax = 64;
const size_t kKeptBytesMax = 256 * 1024;

struct KeptEntries {
    std::deque<std::string> entries;
    size_t first_done = 0;  // bytes of the first entry the file already holds
    size_t bytes = 0;
    unsigned long lost = 0;  // dropped beyond the bound, not yet reported
};
KeptEntries kept;

void ForgetKept()
{
    kept.entries.clear();
    kept.first_done = 0;
    kept.bytes = 0;
    kept.lost = 0;
}

// Keeps an entry of which the file took only the first `done` bytes. With
// done > 0 nothing else is kept: entries are written only when none wait.
void Keep(const char* entry, size_t size, size_t done)
{
    try {
        kept.entries.emplace_back(entry, size);
    } catch (const std::exception&) {
        ++kept.lost;
        return;
    }
    kept.bytes += size;
    if (done > 0)
        kept.first_done = done;
    // The oldest go first, but not the rest of an entry whose start is in the
    // file: the next entry would continue its line.
    while (kept.entries.size() > kKeptEntriesMax || kept.bytes > kKeptBytesMax) {
        const size_t oldest = kept.first_done > 0 ? 1 : 0;
        if (oldest >= kept.entries.size())
            break;
        kept.bytes -= kept.entries[oldest].size();
        kept.entries.erase(kept.entries.begin() + oldest);
        ++kept.lost;
    }
}

// Writes the kept entries in order, each in one write(), with a line that
// counts the dropped ones where they would have been. Adds the bytes the file
// took to *written; true once nothing waits.
bool WriteKept(int fd, size_t* written)
{
    for (;;) {
        if (kept.lost > 0 && kept.first_done == 0) {
            size_t size = 0;
            char* note = FormatNote(&size,
                                    "[WARNING] log(%d): %lu log entries were lost while the log "
                                    "file could not be written\n",
                                    __LINE__, kept.lost);
            if (note != nullptr) {
                const size_t n = WriteEntry(fd, note, size);
                *written += n;
                if (n == 0) {
                    free(note);
                    return false;
                }
                if (n < size) {
                    try {
                        kept.entries.emplace_front(note, size);
                        kept.bytes += size;
                        kept.first_done = n;
                    } catch (const std::exception&) {
                    }
                }
                free(note);
            }
            kept.lost = 0;
        }
        if (kept.entries.empty())
            return true;
        const std::string& first = kept.entries.front();
        const size_t n =
            WriteEntry(fd, first.data() + kept.first_done, first.size() - kept.first_done);
        *written += n;
        kept.first_done += n;
        if (kept.first_done < first.size())
            return false;
        kept.bytes -= first.size();
        kept.entries.pop_front();
        kept.first_done = 0;
    }
}

// The level up to which entries of `comp` are logged; L_WARNING for a
// component the level file does not name.
int ComponentLevel(const std::map<ustring, int>& levels, const ustring& comp)
{
    auto it = levels.find(comp);
    return it != levels.end() ? it->second : Logger::L_WARNING;
}

// Formats an entry and writes it to a stream in one write. The log file
// first gets the entries it could not take before, and keeps what it cannot
// take now. Returns the bytes the log file took (only they count towards
// rotation; 0 for the standard streams), or -1 on a format error.
int WriteToStream(bool is_log_file, FILE* fp, const char* fmt, va_list args)
{
    size_t size = 0;
    char* entry = FormatEntry(fmt, args, &size);
    if (entry == nullptr)
        return -1;
    // Whatever the program printed to the stream itself goes out first.
    fflush(fp);
    const int fd = fileno(fp);
    int written = 0;
    if (!is_log_file) {
        WriteEntry(fd, entry, size);
    } else {
        size_t out = 0;
        const size_t n = WriteKept(fd, &out) ? WriteEntry(fd, entry, size) : 0;
        if (n < size)
            Keep(entry, size, n);
        out += n;
        written = out > INT_MAX ? INT_MAX : static_cast<int>(out);
    }
    free(entry);
    return written;
}

// Sends an entry to the destination of `type`. What WriteToStream returns;
// 0 for syslog and for a stream that is gone.
int WriteToDestination(Logger::Type type, FILE* fp, const char* fmt, va_list args)
{
    switch (type) {
    case Logger::SYSLOG_LOGGER:
        vsyslog(LOG_ERR, fmt, args);
        return 0;
    case Logger::STDOUT_LOGGER:
    case Logger::STDERR_LOGGER:
    case Logger::FILE_LOGGER:
        return fp != nullptr ? WriteToStream(type == Logger::FILE_LOGGER, fp, fmt, args) : 0;
    default:
        vfprintf(stderr, fmt, args);
        return 0;
    }
}

}  // namespace

// Start state: enabled, console-like destination on standard error, every
// component at L_WARNING, no size counting.
std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE* Logger::log_fp = stderr;
int* Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
ustring Logger::log_level_path;
pthread_mutex_t* Logger::log_lock = nullptr;
uint64_t* Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;
bool Logger::system_log_mirror = true;

int Logger::Initialize(Logger::Type type, const ustring& new_log_path, const ustring& level_path,
                       int new_rotate_cnt)
{
    if (!Prepare(level_path))
        return -1;

    FILE* old_fp = log_fp;
    switch (type) {
    case SYSLOG_LOGGER:
        log_fp = nullptr;
        log_path.clear();
        *log_size = -1;
        break;
    case STDOUT_LOGGER:
        log_fp = stdout;
        log_path.clear();
        *log_size = -1;
        break;
    case STDERR_LOGGER:
        log_fp = stderr;
        log_path.clear();
        *log_size = -1;
        break;
    default: {
        if (new_log_path.empty())
            return -1;
        FILE* fp = OpenLogFile(new_log_path.c_str());
        if (fp == nullptr)
            return -1;
        log_fp = fp;
        *log_size = InitialLogSize(fp);
        log_path = new_log_path;
        rotate_cnt = new_rotate_cnt;
        break;
    }
    }
    Start(type, old_fp, level_path);
    return 0;
}

int Logger::InitializeAppending(int fd, const ustring& level_path)
{
    FILE* fp = Prepare(level_path) ? fdopen(fd, "a") : nullptr;
    if (fp == nullptr)
        return -1;
    FILE* old_fp = log_fp;
    log_fp = fp;
    log_path.clear();
    // No count, so no rotation.
    *log_size = -1;
    Start(FILE_LOGGER, old_fp, level_path);
    return 0;
}

bool Logger::Prepare(const ustring& level_path)
{
    DestroySharedData();
    DestroyLock();
    InitializeLock();
    InitializeSharedData();
    if (log_size == nullptr || log_rotated_count_shared == nullptr)
        return false;

    log_level[ustring(kDefaultComponent)] = L_WARNING;

    system_log_mirror = true;
    if (!level_path.empty()) {
        Config levels;
        levels.read(level_path);
        for (auto& entry : levels)
            log_level[entry.first] = levels.get_int(entry.first);
        system_log_mirror = levels[kSystemLogKey].empty() || levels.get_int(kSystemLogKey) != 0;
    }
    return true;
}

void Logger::Start(Logger::Type type, FILE* old_fp, const ustring& level_path)
{
    // A log file of an earlier Initialize would otherwise stay open for good.
    if (old_fp != log_fp && IsOwnStream(old_fp))
        fclose(old_fp);

    ForgetKept();
    log_type = type;
    log_level_path = level_path;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
}

void Logger::SetSystemLogSocket(const ustring& path)
{
    InitializeLock();
    Lock();
    systemlog::SetSocketPath(path.c_str());
    Unlock();
}

Logger::Setup Logger::CurrentSetup()
{
    Setup setup;
    setup.type = log_type;
    setup.log_path = log_path;
    setup.level_path = log_level_path;
    setup.rotate_cnt = rotate_cnt;
    if (log_type == FILE_LOGGER && IsOwnStream(log_fp))
        setup.fd = fileno(log_fp);
    return setup;
}

void Logger::Destroy()
{
    log_initialized = false;
    if (log_type == FILE_LOGGER) {
        if (IsOwnStream(log_fp))
            fclose(log_fp);
        log_fp = nullptr;
        log_path.clear();
        log_type = STDERR_LOGGER;
    }
    ForgetKept();
    DestroySharedData();
    DestroyLock();
}

void Logger::LogMsg(Logger::Level level, const ustring& comp, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    LogMsg2(level, comp, fmt, args);
    va_end(args);
}

void Logger::LogMsg2(Logger::Level level, const ustring& comp, const char* fmt, va_list args)
{
    if (!log_initialized)
        return;
    InitializeLock();
    InitializeSharedData();
    if (log_lock == nullptr)
        return;
    if (log_type != SYSLOG_LOGGER && log_fp == nullptr)
        return;

    Lock();

    if (log_rotated_count_shared != nullptr &&
        log_rotated_count_private != *log_rotated_count_shared) {
        ReloadLogFile();
        log_rotated_count_private = *log_rotated_count_shared;
    }

    if (static_cast<int>(level) > ComponentLevel(log_level, comp)) {
        Unlock();
        return;
    }

    // A log that was already over the threshold when it was opened.
    if (log_type == FILE_LOGGER && log_size != nullptr && *log_size > kRotateThreshold) {
        Rotate();
        *log_size = 0;
    }

    va_list copy;
    va_copy(copy, args);
    const int written = WriteToDestination(log_type, log_fp, fmt, args);
    // What the log file says of failures, the system log says too.
    if (log_type == FILE_LOGGER && system_log_mirror && level <= L_WARNING)
        systemlog::Send(level, fmt, copy);
    va_end(copy);

    if (log_type == FILE_LOGGER && log_size != nullptr && written >= 0 && *log_size >= 0) {
        *log_size = written > INT_MAX - *log_size ? kRotateThreshold + 1 : *log_size + written;
        if (*log_size > kRotateThreshold) {
            Rotate();
            *log_size = 0;
        }
    }

    Unlock();
}

int Logger::Rotate()
{
    // Fewer than one file makes no sense; keep at least the newest numbered one.
    const int n = rotate_cnt < 1 ? 1 : rotate_cnt;
    for (int i = n - 2; i >= 0; --i)
        rename(NumberedFile(log_path, i).c_str(), NumberedFile(log_path, i + 1).c_str());
    remove(NumberedFile(log_path, n - 1).c_str());

    if (IsOwnStream(log_fp))
        fclose(log_fp);
    log_fp = nullptr;

    if (rename(log_path.c_str(), NumberedFile(log_path, 0).c_str()) != 0)
        return -1;
    FILE* fp = OpenLogFile(log_path.c_str());
    if (fp == nullptr)
        return -1;
    log_fp = fp;
    if (log_rotated_count_shared != nullptr)
        ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

void Logger::ReloadLogFile()
{
    if (log_type == SYSLOG_LOGGER || log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER)
        return;
    if (IsOwnStream(log_fp))
        fclose(log_fp);
    log_fp = nullptr;
    FILE* fp = OpenLogFile(log_path.c_str());
    if (fp != nullptr) {
        log_fp = fp;
        if (log_size != nullptr)
            *log_size = InitialLogSize(fp);
    }
}

void Logger::InitializeLock()
{
    if (log_lock != nullptr)
        return;
    log_lock = new (std::nothrow) pthread_mutex_t;
    if (log_lock != nullptr)
        pthread_mutex_init(log_lock, nullptr);
}

void Logger::DestroyLock()
{
    if (log_lock == nullptr)
        return;
    pthread_mutex_destroy(log_lock);
    delete log_lock;
    log_lock = nullptr;
}

void Logger::Lock()
{
    pthread_mutex_lock(log_lock);
}

void Logger::Unlock()
{
    pthread_mutex_unlock(log_lock);
}

void Logger::InitializeSharedData()
{
    if (log_size != nullptr && log_rotated_count_shared != nullptr)
        return;
    DestroySharedData();
    log_size = new (std::nothrow) int(0);
    log_rotated_count_shared = new (std::nothrow) uint64_t(0);
    if (log_size == nullptr || log_rotated_count_shared == nullptr)
        DestroySharedData();
}

void Logger::DestroySharedData()
{
    delete log_size;
    log_size = nullptr;
    delete log_rotated_count_shared;
    log_rotated_count_shared = nullptr;
}

// Processes are not coordinated: each counts and rotates on its own.
void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

extern "C" void LogMSG_c(int level, char* comp, const char* fmt, va_list args)
{
    // Levels outside the syslog range have no enumerator; pin them to it.
    if (level < Logger::L_EMERG)
        level = Logger::L_EMERG;
    if (level > Logger::L_DEBUG)
        level = Logger::L_DEBUG;
    Logger::LogMsg2(static_cast<Logger::Level>(level), ustring(comp != nullptr ? comp : ""), fmt,
                    args);
}

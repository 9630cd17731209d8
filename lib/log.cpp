#include "log.h"

#include <cstdio>
#include <ctime>
#include <new>
#include <string>
#include <syslog.h>

#include "config.h"

namespace {

const char* const kDefaultComponent = "default_component";
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

}  // namespace

// Start state: enabled, console-like destination on standard error, every
// component at L_WARNING, no size counting.
std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE* Logger::log_fp = stderr;
int* Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
pthread_mutex_t* Logger::log_lock = nullptr;
uint64_t* Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;

int Logger::Initialize(Logger::Type type, const ustring& new_log_path, const ustring& level_path,
                       int new_rotate_cnt)
{
    DestroySharedData();
    DestroyLock();
    InitializeLock();
    InitializeSharedData();
    if (log_size == nullptr || log_rotated_count_shared == nullptr)
        return -1;

    log_level[ustring(kDefaultComponent)] = L_WARNING;

    if (!level_path.empty()) {
        Config levels;
        levels.read(level_path);
        for (auto& entry : levels)
            log_level[entry.first] = levels.get_int(entry.first);
    }

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
        *log_size = 0;
        log_path = new_log_path;
        rotate_cnt = new_rotate_cnt;
        break;
    }
    }
    // A log file of an earlier Initialize would otherwise stay open for good.
    if (old_fp != log_fp && IsOwnStream(old_fp))
        fclose(old_fp);

    log_type = type;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
    return 0;
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

    int comp_level = L_WARNING;
    auto it = log_level.find(comp);
    if (it != log_level.end())
        comp_level = it->second;
    if (static_cast<int>(level) > comp_level) {
        Unlock();
        return;
    }

    int written = 0;
    switch (log_type) {
    case SYSLOG_LOGGER:
        vsyslog(LOG_ERR, fmt, args);
        break;
    case STDOUT_LOGGER:
    case STDERR_LOGGER:
    case FILE_LOGGER:
        if (log_fp != nullptr) {
            char stamp[512];
            time_t now = time(nullptr);
            struct tm local;
            if (localtime_r(&now, &local) == nullptr ||
                strftime(stamp, sizeof(stamp), "%b %d %H:%M:%S ", &local) == 0)
                stamp[0] = '\0';
            int stamp_bytes = fprintf(log_fp, "%s", stamp);
            int message_bytes = vfprintf(log_fp, fmt, args);
            fflush(log_fp);
            written = stamp_bytes + message_bytes;
            if (stamp_bytes < 0 || message_bytes < 0)
                written = -1;
        }
        break;
    default:
        vfprintf(stderr, fmt, args);
        break;
    }

    if (log_type == FILE_LOGGER && log_size != nullptr && written >= 0 && *log_size >= 0) {
        *log_size += written;
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
            *log_size = 0;
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

// Logger: the process-wide logger (static members only, never instantiated).
//
// Place in the foundation: above the string type and Config, through which
// it reads its level file; the logging file operations sit above it.
//
// One destination at a time, a per-component level filter read from a level
// file, a local time stamp in front of every entry, byte-counted rotation of
// the log file, and a process-private mutex so that entries never interleave.
// Entries the log file cannot take (a full disk) are kept, within a bound, and
// written before the next entry that finds space; a new destination drops them.
// Before Initialize it is already enabled: standard error, every component at
// L_WARNING. Callers put the level tag, source and line into their format:
//   Logger::LogMsg(Logger::L_ERR, "launcher_debug",
//                  "[ERROR] launcher(%d): Failed to upgrade package\n", __LINE__);
#ifndef LOG_H
#define LOG_H

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <pthread.h>

#include "ustring/ustring.h"

class Logger {
public:
    enum Type {
        ANDROID_LOGGER = 0,
        SYSLOG_LOGGER = 1,
        STDOUT_LOGGER = 2,
        STDERR_LOGGER = 3,
        FILE_LOGGER = 4,
    };

    enum Level {
        L_EMERG = 0,
        L_ALERT = 1,
        L_CRIT = 2,
        L_ERR = 3,
        L_WARNING = 4,
        L_NOTICE = 5,
        L_INFO = 6,
        L_DEBUG = 7,
    };

    // Not safe against concurrent logging: call before other threads log.
    static int Initialize(Logger::Type type, const ustring& log_path, const ustring& level_path,
                          int rotate_cnt);
    // Appends to the log file open as `fd` (another process's, inherited)
    // with the levels of `level_path`, and never rotates it: that file is
    // the other process's to rotate, once per run. Takes `fd` over.
    static int InitializeAppending(int fd, const ustring& level_path);
    static void Destroy();

    // How this process logs: what a helper process it starts passes to its
    // own Initialize, so that both write one log with the same levels.
    struct Setup {
        Type type = STDERR_LOGGER;
        ustring log_path;
        ustring level_path;
        int rotate_cnt = 50;
        // The open log file, for a helper process to append to; -1 when the
        // log is no file.
        int fd = -1;
    };
    static Setup CurrentSetup();

    // Entries of a log file at L_WARNING and above are also copied to the
    // system log (identifier "skylet-launcher"), unless the level file says
    // "system_log=0". Its socket is "/dev/log"; a test names its own here.
    static void SetSystemLogSocket(const ustring& path);

    static void LogMsg(Logger::Level level, const ustring& comp, const char* fmt, ...)
        __attribute__((format(printf, 3, 4)));
    static void LogMsg2(Logger::Level level, const ustring& comp, const char* fmt, va_list args)
        __attribute__((format(printf, 3, 0)));

private:
    Logger() = delete;

    // Levels, lock and counters of a new destination; false without memory.
    static bool Prepare(const ustring& level_path);
    // Makes the destination just set the current one.
    static void Start(Logger::Type type, FILE* old_fp, const ustring& level_path);
    static int Rotate();
    static void ReloadLogFile();
    static void InitializeLock();
    static void DestroyLock();
    static void Lock();
    static void Unlock();
    static void InitializeSharedData();
    static void DestroySharedData();
    static void InitializeFileLock();
    static void DestroyFileLock();

    static std::map<ustring, int> log_level;
    static Logger::Type log_type;
    static FILE* log_fp;
    static int* log_size;
    static int rotate_cnt;
    static ustring log_path;
    static ustring log_level_path;
    static pthread_mutex_t* log_lock;
    static uint64_t* log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static bool log_initialized;
    static bool system_log_mirror;
};

// Plain-C entry point for code that has no ustring.
extern "C" void LogMSG_c(int level, char* comp, const char* fmt, va_list args);

#endif

/* Preloaded into a program under test, makes one reading of the package
 * stall, loop, or crawl, as a decompressor stuck in its own loop or a slow
 * disk would.
 *
 * The launcher reads the package in a child process and must tell a reading
 * that loops from one that waits. A test needs that reading to misbehave at
 * a known point, the check or the extraction, without depending on timing.
 * So every process that reads a file whose path ends in "/skylet.vpk" counts
 * as one pass, in the order in which they first read it; the pass named by
 * the test misbehaves in every read of the package, the others go through.
 *
 *   SKYLET_STALL_PASS     the pass that misbehaves, counted from 1; 0 for
 *                         every pass
 *   SKYLET_STALL_COUNTER  a file shared by all the processes; each pass
 *                         appends one byte, its size is the pass number
 *   SKYLET_STALL_HOW      "block" (the default: waits for good), "spin"
 *                         (keeps the processor busy for good), "spin:B:I"
 *                         (B ms on the processor, then I < 1000 ms asleep,
 *                         for good) or "slow:MS" (reads wait MS ms first)
 *   SKYLET_EXEC_REFUSE    "EPERM" or "SIGSYS": how fexecve fails, as under
 *                         a security policy
 *   SKYLET_CALL_LOG       a file that gets a line for each syncfs and each
 *                         rmdir of the process, in their order
 *   SKYLET_KILL_ON_REMOVE a path prefix: the process kills itself with
 *                         SIGKILL right after it has removed an entry of a
 *                         folder whose path starts with it (a removal cut
 *                         short after its first entry)
 *
 * Without the first two variables, and for every other file, reads go
 * through. Only read and pread, the calls the launcher reads its package
 * with, are wrapped: a copy made inside the kernel (copy_file_range,
 * sendfile, as cat does into a regular file) is not seen, nor are stdio's
 * own reads inside the C library. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

static const char package_suffix[] = "/skylet.vpk";

/* A forked child inherits these, so they are only believed when counted_pid
 * is the calling process: a child that reads the package is a pass of its
 * own even if its parent was counted before the fork. */
static pid_t counted_pid;
static int stalls;

/* By hand rather than snprintf: this runs inside every read, possibly in a
 * signal handler. */
static void proc_fd_path(char out[64], int fd)
{
    static const char prefix[] = "/proc/self/fd/";
    char digits[16];
    int n = 0;
    unsigned int v = (unsigned int)fd;

    do {
        digits[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v);
    memcpy(out, prefix, sizeof(prefix) - 1);
    out += sizeof(prefix) - 1;
    while (n)
        *out++ = digits[--n];
    *out = '\0';
}

static int is_package(int fd)
{
    char link[64];
    char path[4096];
    struct stat st;
    ssize_t n;
    size_t suffix_len = sizeof(package_suffix) - 1;

    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    proc_fd_path(link, fd);
    n = readlink(link, path, sizeof(path));
    if (n <= 0 || (size_t)n >= sizeof(path) || (size_t)n < suffix_len)
        return 0;
    return memcmp(path + n - suffix_len, package_suffix, suffix_len) == 0;
}

/* Counts this process as a pass the first time it reads the package and
 * tells whether it is the pass that stalls. errno is kept, the caller's read
 * has not happened yet. */
static int this_pass_stalls(void)
{
    const char *pass_text = getenv("SKYLET_STALL_PASS");
    const char *counter = getenv("SKYLET_STALL_COUNTER");
    pid_t self = getpid();
    int saved_errno = errno;
    long pass;
    char *end;
    struct stat st;
    int fd;

    if (counted_pid == self)
        return stalls;
    if (!pass_text || !counter || !*counter)
        return 0;
    pass = strtol(pass_text, &end, 10);
    if (end == pass_text || *end || pass < 0)
        return 0;

    counted_pid = self;
    stalls = 0;
    fd = open(counter, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
        /* With O_APPEND the byte lands at the end and fstat after it sees
         * this pass's own byte; concurrent readers could still race, which
         * the launcher's sequential checks and extractions never do. */
        if (write(fd, "x", 1) == 1 && fstat(fd, &st) == 0)
            stalls = pass == 0 || st.st_size == pass;
        close(fd);
    }
    errno = saved_errno;
    return stalls;
}

static void stall_if_asked(int fd)
{
    int saved_errno = errno;
    const char *how = getenv("SKYLET_STALL_HOW");
    struct timespec idle = {0, 0};
    long busy = -1;
    char *end;

    if (is_package(fd) && this_pass_stalls()) {
        if (how && strncmp(how, "slow:", 5) == 0) {
            /* In steps, so that a read interrupted by a stop of the session
             * still takes most of its time after the session goes on. */
            long steps = strtol(how + 5, NULL, 10) / 10;
            struct timespec step = {0, 10 * 1000000L};
            while (steps-- > 0)
                nanosleep(&step, NULL);
        } else if (how && strncmp(how, "spin", 4) == 0) {
            if (how[4] == ':') {
                busy = strtol(how + 5, &end, 10);
                idle.tv_nsec = strtol(end + 1, NULL, 10) * 1000000L;
            }
            for (;;) {
                clock_t from = clock();
                while (busy < 0 || clock() - from < busy * (CLOCKS_PER_SEC / 1000))
                    ;
                nanosleep(&idle, NULL);
            }
        } else {
            for (;;)
                pause();
        }
    }
    errno = saved_errno;
}

static void log_call(const char *what, const char *path)
{
    const char *log = getenv("SKYLET_CALL_LOG");
    int saved_errno = errno;
    int fd = log ? open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644) : -1;

    if (fd >= 0) {
        dprintf(fd, "%s%s\n", what, path);
        close(fd);
    }
    errno = saved_errno;
}

int syncfs(int fd)
{
    static int (*real)(int);

    if (!real)
        real = (int (*)(int))dlsym(RTLD_NEXT, "syncfs");
    log_call("syncfs", "");
    return real(fd);
}

int rmdir(const char *path)
{
    static int (*real)(const char *);

    if (!real)
        real = (int (*)(const char *))dlsym(RTLD_NEXT, "rmdir");
    log_call("rmdir ", path);
    return real(path);
}

int unlinkat(int dirfd, const char *name, int flags)
{
    static int (*real)(int, const char *, int);
    const char *prefix = getenv("SKYLET_KILL_ON_REMOVE");
    char link[64], folder[4096];
    ssize_t n;
    int result;

    if (!real)
        real = (int (*)(int, const char *, int))dlsym(RTLD_NEXT, "unlinkat");
    result = real(dirfd, name, flags);
    proc_fd_path(link, dirfd);
    if (result == 0 && prefix && (n = readlink(link, folder, sizeof(folder))) > 0 &&
        (size_t)n >= strlen(prefix) && strncmp(folder, prefix, strlen(prefix)) == 0)
        raise(SIGKILL);
    return result;
}

typedef ssize_t (*read_fn)(int, void *, size_t);
typedef ssize_t (*pread_fn)(int, void *, size_t, off_t);

ssize_t read(int fd, void *buf, size_t count)
{
    static read_fn real;

    if (!real)
        real = (read_fn)dlsym(RTLD_NEXT, "read");
    stall_if_asked(fd);
    return real(fd, buf, count);
}

ssize_t pread(int fd, void *buf, size_t count, off_t offset)
{
    static pread_fn real;

    if (!real)
        real = (pread_fn)dlsym(RTLD_NEXT, "pread");
    stall_if_asked(fd);
    return real(fd, buf, count, offset);
}

/* Runs between fork and exec: only calls that take no lock. */
int fexecve(int fd, char *const argv[], char *const envp[])
{
    static const char name[] = "SKYLET_EXEC_REFUSE=";
    char *const *env = envp;

    while (*env && strncmp(*env, name, sizeof(name) - 1) != 0)
        ++env;
    if (!*env)
        return (int)syscall(SYS_execveat, fd, "", argv, envp, AT_EMPTY_PATH);
    if (strcmp(*env + sizeof(name) - 1, "SIGSYS") == 0)
        raise(SIGSYS);
    errno = EPERM;
    return -1;
}

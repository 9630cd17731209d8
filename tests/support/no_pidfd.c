/* Preloaded into a program under test, makes the kernel look as if it had
 * no pidfds: pidfd_open and pidfd_send_signal fail with ENOSYS, every other
 * syscall() goes through. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdarg.h>
#include <sys/syscall.h>

long syscall(long number, ...)
{
    static long (*real)(long, ...);
    va_list ap;
    long a[6];
    int i;

    if (number == SYS_pidfd_open || number == SYS_pidfd_send_signal) {
        errno = ENOSYS;
        return -1;
    }
    va_start(ap, number);
    for (i = 0; i < 6; ++i)
        a[i] = va_arg(ap, long);
    va_end(ap);
    if (!real)
        real = (long (*)(long, ...))dlsym(RTLD_NEXT, "syscall");
    return real(number, a[0], a[1], a[2], a[3], a[4], a[5]);
}

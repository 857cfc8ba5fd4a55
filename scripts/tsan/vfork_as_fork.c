// Preloaded into the test programs of the ThreadSanitizer run. Qt's QProcess starts a child with
// clone(CLONE_VM | CLONE_VFORK): the child runs on the parent's memory, ThreadSanitizer's shadow
// state included, until it execs, and the sanitizer then reports nonsense or hangs. Here such a
// clone becomes a plain fork; every other clone goes to the C library unchanged. The child only
// execs or reports a failure through its pipe, so nothing it writes is missed by the parent.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <sched.h>
#include <stdarg.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

#ifndef CLONE_PIDFD
#define CLONE_PIDFD 0x00001000
#endif

typedef int (*CloneFunction)(int (*)(void*), void*, int, void*, ...);

int clone(int (*fn)(void*), void* stack, int flags, void* arg, ...)
{
    va_list args;
    va_start(args, arg);
    pid_t* parentTid = va_arg(args, pid_t*);
    void* tls = va_arg(args, void*);
    pid_t* childTid = va_arg(args, pid_t*);
    va_end(args);

    if ((flags & (CLONE_VM | CLONE_VFORK)) == (CLONE_VM | CLONE_VFORK))
    {
        const pid_t pid = fork();
        if (pid == 0)
            _exit(fn(arg));
        // The caller waits on a process descriptor when it asked for one.
        if (pid > 0 && (flags & CLONE_PIDFD) && parentTid)
            *(int*)parentTid = (int)syscall(SYS_pidfd_open, pid, 0);
        return pid;
    }
    static CloneFunction next;
    if (!next)
        next = (CloneFunction)dlsym(RTLD_NEXT, "clone");
    return next(fn, stack, flags, arg, parentTid, tls, childTid);
}

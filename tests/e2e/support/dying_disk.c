/* A stand-in for a disk that dies under the player's saves, loaded with LD_PRELOAD.
   FELUX_KILL_AT_STEP=N: the Nth save step (a write, fsync or rename of a temporary) kills the
   process; a write is cut in half first. FELUX_FAIL_SAVES=full|readonly: every save fails as on
   a full disk (writes) or a read-only one (renames). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int steps;

static int IsTemporary(const char* path) { return path && strstr(path, ".tmp") != NULL; }

static int TemporaryFd(int fd) {
    char link[64];
    char path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0) return 0;
    path[n] = '\0';
    return IsTemporary(path);
}

static int FailMode(const char* mode) {
    const char* v = getenv("FELUX_FAIL_SAVES");
    return v && strcmp(v, mode) == 0;
}

static int DiesNow(void) {
    const char* v = getenv("FELUX_KILL_AT_STEP");
    return v && ++steps == atoi(v);
}

ssize_t write(int fd, const void* buf, size_t n) {
    static ssize_t (*real)(int, const void*, size_t);
    if (!real) real = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    if (fd > 2 && TemporaryFd(fd)) {
        if (FailMode("full")) {
            errno = ENOSPC;
            return -1;
        }
        if (DiesNow()) {
            if (n > 1) real(fd, buf, n / 2);
            kill(getpid(), SIGKILL);
        }
    }
    return real(fd, buf, n);
}

int fsync(int fd) {
    static int (*real)(int);
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    if (TemporaryFd(fd) && DiesNow()) kill(getpid(), SIGKILL);
    return real(fd);
}

int rename(const char* from, const char* to) {
    static int (*real)(const char*, const char*);
    if (!real) real = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
    if (IsTemporary(from)) {
        if (FailMode("readonly")) {
            errno = EROFS;
            return -1;
        }
        if (DiesNow()) kill(getpid(), SIGKILL);
    }
    return real(from, to);
}

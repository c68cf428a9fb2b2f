/* A stand-in for a disk that stalls, loaded with LD_PRELOAD: while the file named by
   FELUX_STALL_WHEN exists, flushing a temporary file takes a minute. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int fsync(int fd) {
    static int (*real)(int);
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    const char* marker = getenv("FELUX_STALL_WHEN");
    char link[64];
    char path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (marker && n > 0 && access(marker, F_OK) == 0) {
        path[n] = '\0';
        if (strstr(path, ".tmp")) sleep(60);
    }
    return real(fd);
}

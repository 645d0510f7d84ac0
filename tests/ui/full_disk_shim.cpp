// SPDX-License-Identifier: MIT
// Loaded with LD_PRELOAD into the desktop program by the profile matrix: a file system
// that cannot reserve space (fallocate is not supported, as on ext3 or NFSv3) and runs
// full while the profile is rewritten. The first write to a file named "tevrimo.INI"
// stops half way, the next one fails with ENOSPC; later ones (putting the old text back,
// within the blocks the file has) go through.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int g_writes = 0;

bool IsProfile(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    if (n <= 0) return false;
    path[n] = '\0';
    const char* slash = std::strrchr(path, '/');
    return std::strcmp(slash ? slash + 1 : path, "tevrimo.INI") == 0;
}

using Pwrite = ssize_t (*)(int, const void*, size_t, off_t);

ssize_t Write(const char* name, int fd, const void* data, size_t size, off_t offset) {
    static const auto real = reinterpret_cast<Pwrite>(::dlsym(RTLD_NEXT, name));
    if (g_writes < 2 && size > 1 && IsProfile(fd)) {
        if (g_writes++ == 0) return real(fd, data, size / 2, offset);
        errno = ENOSPC;
        return -1;
    }
    return real(fd, data, size, offset);
}

}  // namespace

extern "C" {

int fallocate(int, int, off_t, off_t) {
    errno = EOPNOTSUPP;
    return -1;
}
int fallocate64(int, int, off_t, off_t) {
    errno = EOPNOTSUPP;
    return -1;
}
ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    return Write("pwrite", fd, data, size, offset);
}
ssize_t pwrite64(int fd, const void* data, size_t size, off_t offset) {
    return Write("pwrite64", fd, data, size, offset);
}
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the program, makes the system refuse or hide what a sandbox, a
// seccomp filter, an odd kernel or a sparse install would:
//   ORBALUNE_REFUSE=timerfd_create|timerfd_settime  that call fails
//   ORBALUNE_HIDE=PREFIX                            directory entries so named are not there
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <sys/timerfd.h>

namespace {

bool refused(const char* call)
{
    const char* which = std::getenv("ORBALUNE_REFUSE");  // NOLINT(concurrency-mt-unsafe)
    return which != nullptr && std::strcmp(which, call) == 0;
}

bool hidden(const char* name)
{
    const char* prefix = std::getenv("ORBALUNE_HIDE");  // NOLINT(concurrency-mt-unsafe)
    return prefix != nullptr && std::strncmp(name, prefix, std::strlen(prefix)) == 0;
}

template <typename Function>
Function* real(const char* name)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int timerfd_create(int clock, int flags)
{
    if (refused("timerfd_create")) {
        errno = EMFILE;
        return -1;
    }
    static auto* next = real<int(int, int)>("timerfd_create");
    return next(clock, flags);
}

extern "C" int timerfd_settime(int fd, int flags, const itimerspec* value, itimerspec* old)
{
    if (refused("timerfd_settime")) {
        errno = EINVAL;
        return -1;
    }
    static auto* next = real<int(int, int, const itimerspec*, itimerspec*)>("timerfd_settime");
    return next(fd, flags, value, old);
}

extern "C" dirent64* readdir64(DIR* dir)
{
    static auto* next = real<dirent64*(DIR*)>("readdir64");
    dirent64* entry = next(dir);
    while (entry != nullptr && hidden(entry->d_name)) {
        entry = next(dir);
    }
    return entry;
}

extern "C" dirent* readdir(DIR* dir)
{
    static auto* next = real<dirent*(DIR*)>("readdir");
    dirent* entry = next(dir);
    while (entry != nullptr && hidden(entry->d_name)) {
        entry = next(dir);
    }
    return entry;
}

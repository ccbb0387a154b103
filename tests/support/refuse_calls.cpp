// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the program, makes the system refuse or hide what a sandbox, a seccomp filter, an odd
// kernel or a sparse install would:
//   ORBALUNE_REFUSE=timerfd_create|timerfd_settime  that call fails
//   ORBALUNE_HIDE=PREFIX                            directory entries so named are not there
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <sys/timerfd.h>

namespace {

// The definition the program would have called.
template <typename Function>
Function* next(const char* call)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, call));
}

template <typename Function, typename... Arguments>
int refusedOr(const char* call, int error, Arguments... arguments)
{
    const char* refused = std::getenv("ORBALUNE_REFUSE");  // NOLINT(concurrency-mt-unsafe)
    if (refused != nullptr && std::strcmp(refused, call) == 0) {
        errno = error;
        return -1;
    }
    return next<Function>(call)(arguments...);
}

template <typename Entry>
Entry* unhidden(const char* call, DIR* dir)
{
    const char* hidden = std::getenv("ORBALUNE_HIDE");  // NOLINT(concurrency-mt-unsafe)
    Entry* entry = next<Entry*(DIR*)>(call)(dir);
    while (entry != nullptr && hidden != nullptr && std::strncmp(entry->d_name, hidden, std::strlen(hidden)) == 0) {
        entry = next<Entry*(DIR*)>(call)(dir);
    }
    return entry;
}

}  // namespace

extern "C" int timerfd_create(int clock, int flags)
{
    return refusedOr<int(int, int)>("timerfd_create", EMFILE, clock, flags);
}

extern "C" int timerfd_settime(int fd, int flags, const itimerspec* value, itimerspec* old)
{
    return refusedOr<int(int, int, const itimerspec*, itimerspec*)>("timerfd_settime", EINVAL, fd, flags, value, old);
}

extern "C" dirent* readdir(DIR* dir) { return unhidden<dirent>("readdir", dir); }
extern "C" dirent64* readdir64(DIR* dir) { return unhidden<dirent64>("readdir64", dir); }

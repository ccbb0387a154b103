// Preloaded into the program, refuses one call of the kernel's timer as a sandbox,
// a seccomp filter or an odd kernel would: ORBALUNE_REFUSE names the call.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/timerfd.h>

namespace {

bool refused(const char* call)
{
    const char* which = std::getenv("ORBALUNE_REFUSE");  // NOLINT(concurrency-mt-unsafe)
    return which != nullptr && std::strcmp(which, call) == 0;
}

}  // namespace

extern "C" int timerfd_create(int clock, int flags)
{
    if (refused("timerfd_create")) {
        errno = EMFILE;
        return -1;
    }
    static auto* real = reinterpret_cast<int (*)(int, int)>(dlsym(RTLD_NEXT, "timerfd_create"));
    return real(clock, flags);
}

extern "C" int timerfd_settime(int fd, int flags, const itimerspec* value, itimerspec* old)
{
    if (refused("timerfd_settime")) {
        errno = EINVAL;
        return -1;
    }
    static auto* real =
        reinterpret_cast<int (*)(int, int, const itimerspec*, itimerspec*)>(dlsym(RTLD_NEXT, "timerfd_settime"));
    return real(fd, flags, value, old);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the program by the benchmark (`run_benchmarks.py --phases`), it notes when start-up passes
// a few calls that cross from one library into another, where the dynamic linker lets a preloaded library
// stand in: the program's own build stays as users run it. Times are milliseconds since the benchmark's
// exec (ORBALUNE_PROBE_T0, CLOCK_MONOTONIC nanoseconds); at the first repaint sent to the X server they are
// written to ORBALUNE_PROBE_OUT, one "phase milliseconds" a line, with the processor time taken so far ("cpu").

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>

namespace {

enum Mark : std::uint8_t {
    Loaded,            // every library loaded and relocated, before any of them initialises
    ApplicationBegin,  // main creates QApplication
    PluginLoaded,      // the platform plugin opens its X connection
    Connected,         // that connection is set up
    BridgeBegin,       // the accessibility bridge is created
    BridgeEnd,
    BusConnected,  // connected to the accessibility bus
    ApplicationEnd,
    FontconfigBegin,  // the fontconfig warm-up thread
    FontconfigEnd,
    ControlsBegin,  // main builds the window
    ShowBegin,      // main shows it
    Shown,
    FirstPaint,  // its first repaint leaves for the X server
    Count
};

constexpr std::array<const char*, Count> kNames{
    "loaded",           "application", "plugin",          "connected", "bridge", "bridge-made", "a11y-bus",
    "application-made", "fontconfig",  "fontconfig-done", "controls",  "show",   "shown",       "first-paint"};

std::array<std::atomic<std::int64_t>, Count> marks{};
std::atomic<int> showDepth{0};

std::int64_t nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

void note(Mark mark)
{
    std::int64_t unset = 0;
    marks.at(mark).compare_exchange_strong(unset, nowNs());
}

void writeMarks()
{
    // Read once, from the thread that paints, while nothing changes the environment.
    const char* out = std::getenv("ORBALUNE_PROBE_OUT");    // NOLINT(concurrency-mt-unsafe)
    const char* t0Text = std::getenv("ORBALUNE_PROBE_T0");  // NOLINT(concurrency-mt-unsafe)
    if (out == nullptr || t0Text == nullptr) {
        return;
    }
    const std::int64_t t0 = std::strtoll(t0Text, nullptr, 10);
    if (FILE* file = std::fopen(out, "w")) {
        for (int m = 0; m < Count; ++m) {
            if (const std::int64_t at = marks.at(m).load(); at != 0) {
                std::fprintf(file, "%s %.3f\n", kNames.at(m), static_cast<double>(at - t0) / 1e6);
            }
        }
        // What the start cost the processors, all threads together: on two processors shared with the X server
        // and the window manager, work moved onto a thread of its own is not free.
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::fprintf(file, "cpu %.3f\n",
                     static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6);
        std::fclose(file);
    }
}

template <typename F>
F next(const char* symbol, const char* library = nullptr)
{
    void* found = dlsym(RTLD_NEXT, symbol);
    // A library that only the platform plugin loads is not in the global scope that RTLD_NEXT searches.
    if (found == nullptr && library != nullptr) {
        if (void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD)) {
            found = dlsym(handle, symbol);
            dlclose(handle);
        }
    }
    return reinterpret_cast<F>(found);  // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
}

__attribute__((constructor)) void loaded() { note(Loaded); }

// The first image sent once the window is shown is its first paint (an icon may go before).
void firstPaintOnceShown()
{
    if (marks.at(Shown).load() != 0 && marks.at(FirstPaint).load() == 0) {
        note(FirstPaint);
        writeMarks();
    }
}

}  // namespace

// The stand-ins: each notes its mark and calls what it stands in for.
extern "C" {

void applicationCtor(void* self, int& argc, char** argv, int flags) __asm__("_ZN12QApplicationC1ERiPPci");
void applicationCtor(void* self, int& argc, char** argv, int flags)
{
    static auto real = next<void (*)(void*, int&, char**, int)>("_ZN12QApplicationC1ERiPPci");
    note(ApplicationBegin);
    real(self, argc, argv, flags);
    note(ApplicationEnd);
}

void bridgeCtor(void* self) __asm__("_ZN20QSpiAccessibleBridgeC1Ev");
void bridgeCtor(void* self)
{
    static auto real = next<void (*)(void*)>("_ZN20QSpiAccessibleBridgeC1Ev");
    note(BridgeBegin);
    real(self);
    note(BridgeEnd);
}

void setCacheLimit(int kiB) __asm__("_ZN12QPixmapCache13setCacheLimitEi");
void setCacheLimit(int kiB)
{
    static auto real = next<void (*)(int)>("_ZN12QPixmapCache13setCacheLimitEi");
    note(ControlsBegin);  // the application's set-up closes the cache last, and main builds the window
    real(kiB);
}

void widgetShow(void* self) __asm__("_ZN7QWidget4showEv");
void widgetShow(void* self)
{
    static auto real = next<void (*)(void*)>("_ZN7QWidget4showEv");
    // Either program shows its one window from main, and it is shown once that call returns.
    const bool outermost = showDepth++ == 0;
    if (outermost) {
        note(ShowBegin);
    }
    real(self);
    if (--showDepth == 0 && outermost) {
        note(Shown);
    }
}

void* xcb_connect(const char* display, int* screen)
{
    static auto real = next<void* (*)(const char*, int*)>("xcb_connect");
    note(PluginLoaded);
    void* connection = real(display, screen);
    note(Connected);
    return connection;
}

struct Cookie {
    unsigned int sequence;
};
Cookie xcb_put_image(void* c, std::uint8_t format, std::uint32_t drawable, std::uint32_t gc, std::uint16_t width,
                     std::uint16_t height, std::int16_t x, std::int16_t y, std::uint8_t leftPad, std::uint8_t depth,
                     std::uint32_t length, const std::uint8_t* data)
{
    static auto real =
        next<Cookie (*)(void*, std::uint8_t, std::uint32_t, std::uint32_t, std::uint16_t, std::uint16_t, std::int16_t,
                        std::int16_t, std::uint8_t, std::uint8_t, std::uint32_t, const std::uint8_t*)>("xcb_put_image");
    const Cookie cookie = real(c, format, drawable, gc, width, height, x, y, leftPad, depth, length, data);
    firstPaintOnceShown();
    return cookie;
}

// A program that keeps Qt's shared-memory repaints (the minimal window) sends its first one here.
Cookie xcb_shm_put_image(void* c, std::uint32_t drawable, std::uint32_t gc, std::uint16_t totalWidth,
                         std::uint16_t totalHeight, std::uint16_t srcX, std::uint16_t srcY, std::uint16_t srcWidth,
                         std::uint16_t srcHeight, std::int16_t dstX, std::int16_t dstY, std::uint8_t depth,
                         std::uint8_t format, std::uint8_t sendEvent, std::uint32_t shmseg, std::uint32_t offset)
{
    static auto real =
        next<Cookie (*)(void*, std::uint32_t, std::uint32_t, std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t,
                        std::uint16_t, std::uint16_t, std::int16_t, std::int16_t, std::uint8_t, std::uint8_t,
                        std::uint8_t, std::uint32_t, std::uint32_t)>("xcb_shm_put_image", "libxcb-shm.so.0");
    const Cookie cookie = real(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, srcWidth, srcHeight, dstX, dstY,
                               depth, format, sendEvent, shmseg, offset);
    firstPaintOnceShown();
    return cookie;
}

int FcInit()
{
    static auto real = next<int (*)()>("FcInit");
    note(FontconfigBegin);
    const int ok = real();
    note(FontconfigEnd);
    return ok;
}

int busConnect(int fd, const sockaddr* address, socklen_t length) __asm__("connect");
int busConnect(int fd, const sockaddr* address, socklen_t length)
{
    static auto real = next<int (*)(int, const sockaddr*, socklen_t)>("connect");
    const int result = real(fd, address, length);
    const auto* unix = reinterpret_cast<const sockaddr_un*>(address);  // NOLINT
    if (address != nullptr && address->sa_family == AF_UNIX && std::strstr(unix->sun_path, "at-spi") != nullptr) {
        note(BusConnected);
    }
    return result;
}
}

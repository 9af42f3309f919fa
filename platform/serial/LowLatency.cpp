#include "platform/serial/LowLatency.h"

#if defined(__linux__)
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace LowLatency {

namespace {

int RealIoctl(int fd, unsigned long request, void* arg) {
#if defined(__linux__)
    return ::ioctl(fd, request, arg);
#else
    (void)fd;
    (void)request;
    (void)arg;
    return -1;
#endif
}

IoctlCall g_ioctl = &RealIoctl;

}  // namespace

void SetIoctl(IoctlCall call) { g_ioctl = call ? call : &RealIoctl; }

bool Request(int fd) {
#if defined(__linux__)
    if (fd < 0) return false;
    serial_struct settings{};
    if (g_ioctl(fd, TIOCGSERIAL, &settings) != 0) return false;
    if (settings.flags & ASYNC_LOW_LATENCY) return true;
    settings.flags |= ASYNC_LOW_LATENCY;
    return g_ioctl(fd, TIOCSSERIAL, &settings) == 0;
#else
    (void)fd;
    return false;
#endif
}

}  // namespace LowLatency

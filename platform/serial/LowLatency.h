#pragma once
// Low-latency delivery of received bytes on a serial device.
//
// Many USB serial adapters hold received bytes for up to 16 ms (their latency timer) before
// passing them on; with short replies that is a large part of every exchange. On Linux the
// driver is asked to pass bytes on at once: the ASYNC_LOW_LATENCY flag of the device's
// serial settings (TIOCGSERIAL, then TIOCSSERIAL with the flag added, every other field as
// read). Ordinary users may set this flag. Devices that have no serial settings
// (pseudo-terminals) or refuse the flag are left as they are.
namespace LowLatency {

// Asks the driver of the open device fd for low-latency delivery. True when the driver
// took the request (or its settings already held the flag); the flag is not read back.
// False when the device or driver refused (nothing changed then), and always false off
// Linux. The flag belongs to the device, not to this open: it stays set after the port
// closes, until the device goes away.
bool Request(int fd);

// The device control call Request() makes (ioctl); tests replace it with a recorder.
// nullptr restores the real call.
using IoctlCall = int (*)(int fd, unsigned long request, void* arg);
void SetIoctl(IoctlCall call);

}  // namespace LowLatency

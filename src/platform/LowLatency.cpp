#include "LowLatency.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>

namespace {

int systemIoctl(int fd, unsigned long request, void* argument) { return ::ioctl(fd, request, argument); }

}  // namespace

SerialIoctl SystemSerialIoctl() { return systemIoctl; }

std::optional<int> RequestLowLatency(int fd, SerialIoctl ioctlFn)
{
    serial_struct serial{};
    if (fd < 0 || ioctlFn(fd, TIOCGSERIAL, &serial) != 0) return std::nullopt;
    const int previous = serial.flags;
    if (previous & ASYNC_LOW_LATENCY) return std::nullopt;
    serial.flags |= ASYNC_LOW_LATENCY;
    if (ioctlFn(fd, TIOCSSERIAL, &serial) != 0) return std::nullopt;
    return previous;
}

void RestoreSerialFlags(int fd, int flags, SerialIoctl ioctlFn)
{
    serial_struct serial{};
    if (ioctlFn(fd, TIOCGSERIAL, &serial) != 0) return;
    serial.flags = flags;
    ioctlFn(fd, TIOCSSERIAL, &serial);
}

#else

SerialIoctl SystemSerialIoctl() { return nullptr; }
std::optional<int> RequestLowLatency(int, SerialIoctl) { return std::nullopt; }
void RestoreSerialFlags(int, int, SerialIoctl) {}

#endif

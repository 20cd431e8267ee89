#pragma once

#include <optional>

// Low-latency mode of a serial driver (Linux): USB adapters otherwise hold
// received bytes for their latency timer (often 16 ms) before passing them on,
// which adds up over the hundreds of short replies of a transfer.

// The ioctl to use; tests pass their own.
using SerialIoctl = int (*)(int fd, unsigned long request, void* argument);
[[nodiscard]] SerialIoctl SystemSerialIoctl();

// Asks the driver of `fd` for low latency. Returns the flags to give back to
// RestoreSerialFlags(), or nothing where the driver has no such setting (a
// pseudo-terminal, some adapters) or refused: the line then works as before.
[[nodiscard]] std::optional<int> RequestLowLatency(int fd, SerialIoctl ioctlFn = SystemSerialIoctl());
// Puts back the flags RequestLowLatency() returned. Failure is ignored.
void RestoreSerialFlags(int fd, int flags, SerialIoctl ioctlFn = SystemSerialIoctl());

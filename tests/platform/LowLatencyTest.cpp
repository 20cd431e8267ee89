#include <gtest/gtest.h>

#include <QtGlobal>

#include "platform/LowLatency.h"

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <vector>

namespace {

// A driver that keeps flags, or refuses some requests.
struct FakeDriver {
    int flags = 0x40;
    bool supportsSerialInfo = true;
    bool refusesSet = false;
    std::vector<unsigned long> requests;
};
FakeDriver* g_driver = nullptr;

int FakeIoctl(int, unsigned long request, void* argument)
{
    g_driver->requests.push_back(request);
    auto* serial = static_cast<serial_struct*>(argument);
    if (!g_driver->supportsSerialInfo) return -1;
    if (request == TIOCGSERIAL) {
        serial->flags = g_driver->flags;
        return 0;
    }
    if (g_driver->refusesSet) return -1;
    g_driver->flags = serial->flags;
    return 0;
}

TEST(LowLatency, IsAskedForAndGivenBackOnClose)
{
    FakeDriver driver;
    g_driver = &driver;
    const std::optional<int> saved = RequestLowLatency(3, FakeIoctl);
    ASSERT_EQ(saved, 0x40);
    EXPECT_EQ(driver.requests, (std::vector<unsigned long>{TIOCGSERIAL, TIOCSSERIAL}));
    EXPECT_EQ(driver.flags, 0x40 | ASYNC_LOW_LATENCY);
    RestoreSerialFlags(3, *saved, FakeIoctl);
    EXPECT_EQ(driver.flags, 0x40);
}

TEST(LowLatency, DriverWithoutItChangesNothing)
{
    FakeDriver noSetting{.supportsSerialInfo = false};
    g_driver = &noSetting;
    EXPECT_EQ(RequestLowLatency(3, FakeIoctl), std::nullopt);

    FakeDriver refusing{.refusesSet = true};
    g_driver = &refusing;
    EXPECT_EQ(RequestLowLatency(3, FakeIoctl), std::nullopt);
    EXPECT_EQ(refusing.flags, 0x40);
}

}  // namespace
#endif

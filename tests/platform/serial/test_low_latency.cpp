// The low-latency request the QSerialPort backend makes on a device it opens.
#include "platform/serial/LowLatency.h"
#include "platform/serial/QtSerialBackend.h"
#include "tests/platform/serial/SerialTestSupport.h"
#include "tests/support/emulator/RadioEmulator.h"
#include "tests/support/emulator/RadioEmulatorPty.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <vector>

namespace {

struct Call {
    int fd;
    unsigned long request;
    serial_struct settings;  // as handed to the driver (TIOCSSERIAL) or returned by it
    int result;
    int error;
    QString device;
};

std::vector<Call> g_calls;

// A driver that knows the flag: answers with settings of its own and takes any change.
constexpr int kDriverFlags = ASYNC_SKIP_TEST | ASYNC_SPD_HI;
int AcceptingDriver(int fd, unsigned long request, void* arg) {
    auto* settings = static_cast<serial_struct*>(arg);
    if (request == TIOCGSERIAL) {
        *settings = serial_struct{};
        settings->flags = kDriverFlags;
        settings->baud_base = 921600;
        settings->close_delay = 50;
    }
    g_calls.push_back({fd, request, *settings, 0, 0, QString::fromLocal8Bit(ttyname(fd))});
    return 0;
}

// The real call, recorded.
int RealDriver(int fd, unsigned long request, void* arg) {
    const int result = ::ioctl(fd, request, arg);
    const int error = errno;
    g_calls.push_back({fd, request, *static_cast<serial_struct*>(arg), result, error, QString::fromLocal8Bit(ttyname(fd))});
    return result;
}

class LowLatencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        SerialTest::EnsureApp();
        g_calls.clear();
        QString error;
        ASSERT_TRUE(pty.Open(&error)) << qPrintable(error);
    }
    void TearDown() override { LowLatency::SetIoctl(nullptr); }

    RadioEmulator radio;
    RadioEmulatorPty pty{&radio};
    QtSerialBackend port;
};

TEST_F(LowLatencyTest, OpeningAPortAsksItsDriverForLowLatencyKeepingTheOtherSettings) {
    LowLatency::SetIoctl(&AcceptingDriver);
    ASSERT_TRUE(port.Open(pty.SlavePath(), {}, SerialSettings::FlowControl::None, nullptr));
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].request, static_cast<unsigned long>(TIOCGSERIAL));
    EXPECT_EQ(g_calls[1].request, static_cast<unsigned long>(TIOCSSERIAL));
    EXPECT_EQ(g_calls[0].device, pty.SlavePath());  // the open port's own descriptor
    EXPECT_EQ(g_calls[1].fd, g_calls[0].fd);
    const serial_struct& set = g_calls[1].settings;
    EXPECT_EQ(set.flags, kDriverFlags | ASYNC_LOW_LATENCY);
    EXPECT_EQ(set.baud_base, 921600);
    EXPECT_EQ(set.close_delay, 50);
}

TEST_F(LowLatencyTest, APseudoTerminalRefusesTheRequestAndStillCarriesBytesBothWays) {
    LowLatency::SetIoctl(&RealDriver);
    ASSERT_TRUE(port.Open(pty.SlavePath(), {}, SerialSettings::FlowControl::None, nullptr));
    ASSERT_EQ(g_calls.size(), 1u);  // refused at the first step: nothing is changed
    EXPECT_EQ(g_calls[0].request, static_cast<unsigned long>(TIOCGSERIAL));
    EXPECT_EQ(g_calls[0].device, pty.SlavePath());
    EXPECT_EQ(g_calls[0].result, -1);
    EXPECT_TRUE(g_calls[0].error == ENOTTY || g_calls[0].error == EINVAL) << g_calls[0].error;

    SerialTest::Collector received(&port);
    ASSERT_TRUE(port.Write("PROGRAM"));
    ASSERT_TRUE(SerialTest::WaitUntil([&] { return received.All().size() >= 3; }));
    EXPECT_EQ(received.All(), QByteArray("ZR\x06"));
    EXPECT_TRUE(port.IsOpen());
}

}  // namespace

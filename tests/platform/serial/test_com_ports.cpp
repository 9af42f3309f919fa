// COM numbers, device paths, overrides and the port list.
#include "platform/serial/ComPorts.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "platform/serial/QtSerialBackend.h"
#include "tests/platform/serial/SerialTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ComPortsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SerialTest::EnsureApp();
        SerialTest::ClearComOverrides();
        ComPorts::ClearInProcessLines();
    }
    void TearDown() override {
        SerialTest::ClearComOverrides();
        ComPorts::ClearInProcessLines();
    }
};

TEST_F(ComPortsTest, MapsNumbersToDevicesAndBack) {
    const std::pair<int, const char*> cases[] = {
        {1, "/dev/ttyS0"},    {2, "/dev/ttyS1"},     {32, "/dev/ttyS31"},   {33, "/dev/ttyUSB0"},
        {34, "/dev/ttyUSB1"}, {64, "/dev/ttyUSB31"}, {65, "/dev/ttyACM0"},  {96, "/dev/ttyACM31"},
    };
    for (const auto& [com, path] : cases) {
        EXPECT_EQ(ComPorts::DevicePath(com), QString::fromLatin1(path)) << com;
        EXPECT_EQ(ComPorts::ComNumber(QString::fromLatin1(path)), com) << path;
    }
}

TEST_F(ComPortsTest, NumbersAndPathsOutsideTheMapLeadNowhere) {
    for (int com : {-1, 0, 97, 255, 256}) EXPECT_TRUE(ComPorts::DevicePath(com).isEmpty()) << com;
    const char* const paths[] = {"", "/dev/ttyS32", "/dev/ttyUSB32", "/dev/ttyUSB01", "/dev/ttyACM",
                                 "/dev/ttyS1x", "/dev/pts/3", "ttyS0", "/dev/ttyS-1"};
    for (const char* path : paths) EXPECT_EQ(ComPorts::ComNumber(QString::fromLatin1(path)), 0) << path;
}

TEST_F(ComPortsTest, OverrideVariableWinsBothWays) {
    qputenv("ZR7310N_COM1", "/dev/pts/7");
    qputenv("ZR7310N_COM150", "/tmp/radio");
    EXPECT_EQ(ComPorts::DevicePath(1), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(ComPorts::DevicePath(150), QStringLiteral("/tmp/radio"));
    EXPECT_EQ(ComPorts::ComNumber(QStringLiteral("/dev/pts/7")), 1);
    EXPECT_EQ(ComPorts::ComNumber(QStringLiteral("/tmp/radio")), 150);
    // COM1 no longer leads to the first standard port.
    EXPECT_EQ(ComPorts::ComNumber(QStringLiteral("/dev/ttyS0")), 0);
    EXPECT_EQ(ComPorts::ComNumber(QStringLiteral("/dev/ttyS1")), 2);
}

TEST_F(ComPortsTest, OnlyWellFormedNonEmptyOverridesCount) {
    qputenv("ZR7310N_COM3", "/dev/pts/1");
    qputenv("ZR7310N_COM4", "");
    qputenv("ZR7310N_COM0", "/dev/pts/2");
    qputenv("ZR7310N_COM007", "/dev/pts/3");
    qputenv("ZR7310N_COM256", "/dev/pts/4");
    qputenv("ZR7310N_COM9X", "/dev/pts/5");
    EXPECT_EQ(ComPorts::OverriddenPorts(), QList<int>({3}));
    EXPECT_EQ(ComPorts::DevicePath(4), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(ComPorts::DevicePath(7), QStringLiteral("/dev/ttyS6"));
}

TEST_F(ComPortsTest, PortListIsSortedUniqueAndHoldsOverridesAndInProcessLines) {
    qputenv("ZR7310N_COM5", "/dev/pts/4");
    InProcessSerialLine line;
    ComPorts::RegisterInProcessLine(70, &line);
    const QStringList system = {"/dev/ttyUSB0", "/dev/ttyS2", "/dev/pts/4", "/dev/ttyS2", "/dev/serial/odd"};
    EXPECT_EQ(ComPorts::PortsFor(system), QList<int>({3, 5, 33, 70}));
}

TEST_F(ComPortsTest, DestroyedInProcessLineDropsOut) {
    {
        InProcessSerialLine line;
        ComPorts::RegisterInProcessLine(8, &line);
        EXPECT_EQ(ComPorts::InProcessLine(8), &line);
    }
    EXPECT_EQ(ComPorts::InProcessLine(8), nullptr);
    EXPECT_TRUE(ComPorts::PortsFor({}).isEmpty());
}

TEST_F(ComPortsTest, BackendFollowsWhatIsBehindTheNumber) {
    InProcessSerialLine line;
    ComPorts::RegisterInProcessLine(2, &line);
    QString path;
    auto inProcess = ComPorts::CreateBackend(2, &path);
    EXPECT_NE(dynamic_cast<InProcessSerialBackend*>(inProcess.get()), nullptr);

    auto real = ComPorts::CreateBackend(33, &path);
    EXPECT_NE(dynamic_cast<QtSerialBackend*>(real.get()), nullptr);
    EXPECT_EQ(path, QStringLiteral("/dev/ttyUSB0"));

    EXPECT_EQ(ComPorts::CreateBackend(120, &path), nullptr);
}

}  // namespace

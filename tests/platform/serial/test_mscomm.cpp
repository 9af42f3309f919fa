// The serial control over the in-process line: opening, receive threshold and events,
// buffer discarding, loss of the port.
#include "platform/serial/ComPorts.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "platform/serial/MSComm.h"
#include "tests/platform/serial/SerialTestSupport.h"

#include <QEventLoop>

#include <gtest/gtest.h>

namespace {

using SerialTest::Spin;
using SerialTest::WaitUntil;

constexpr int kCom = 7;

struct Event {
    int commEvent;
    int inBufferCount;
};

class MSCommTest : public ::testing::Test {
protected:
    void SetUp() override {
        SerialTest::EnsureApp();
        SerialTest::ClearComOverrides();
        ComPorts::RegisterInProcessLine(kCom, &line);
        ASSERT_TRUE(device.Open({}, {}, {}, nullptr));
        QObject::connect(&comm, &MSComm::OnComm, [this] { events.push_back({comm.CommEvent(), comm.InBufferCount()}); });
        ASSERT_TRUE(comm.SetCommPort(kCom));
        ASSERT_TRUE(comm.SetSettings(QStringLiteral("9600,N,8,1")));
        ASSERT_TRUE(comm.SetInputMode(MSComm::comInputModeBinary));
    }
    void TearDown() override { ComPorts::ClearInProcessLines(); }

    // The device sends data; returns once the control has it in its buffer.
    void DeviceSends(const QByteArray& data) {
        const int before = comm.InBufferCount();
        device.Write(data);
        ASSERT_TRUE(WaitUntil([&] { return comm.InBufferCount() >= before + data.size(); }));
    }

    InProcessSerialLine line;
    InProcessSerialBackend device{&line, InProcessSerialLine::Device};
    MSComm comm;
    std::vector<Event> events;
};

TEST_F(MSCommTest, OpensAndClosesTheNumberedPort) {
    EXPECT_FALSE(comm.PortOpen());
    ASSERT_TRUE(comm.SetPortOpen(true));
    EXPECT_TRUE(comm.PortOpen());
    EXPECT_TRUE(line.IsOpen(InProcessSerialLine::Host));
    EXPECT_FALSE(comm.SetPortOpen(true));
    EXPECT_EQ(comm.LastError(), MSComm::Error::PortAlreadyOpen);
    EXPECT_FALSE(comm.SetCommPort(8));
    EXPECT_EQ(comm.LastError(), MSComm::Error::NotWhileOpen);
    EXPECT_TRUE(comm.SetPortOpen(false));
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_FALSE(line.IsOpen(InProcessSerialLine::Host));
    EXPECT_TRUE(comm.SetPortOpen(false));  // closing a closed port is fine
}

TEST_F(MSCommTest, OpenFailuresAreReportedAndLeaveThePortClosed) {
    MSComm other;
    ASSERT_TRUE(other.SetCommPort(kCom));
    ASSERT_TRUE(comm.SetPortOpen(true));
    EXPECT_FALSE(other.SetPortOpen(true));  // in use
    EXPECT_EQ(other.LastError(), MSComm::Error::PortOpenFailed);
    EXPECT_FALSE(other.PortOpen());

    comm.SetPortOpen(false);
    line.Unplug();
    EXPECT_FALSE(comm.SetPortOpen(true));
    EXPECT_EQ(comm.LastError(), MSComm::Error::PortOpenFailed);

    ASSERT_TRUE(other.SetCommPort(200));  // nothing behind COM200
    EXPECT_FALSE(other.SetPortOpen(true));
    EXPECT_EQ(other.LastError(), MSComm::Error::InvalidPortNumber);

    EXPECT_FALSE(other.SetCommPort(0));
    EXPECT_EQ(other.LastError(), MSComm::Error::InvalidPropertyValue);
    EXPECT_EQ(other.CommPort(), 200);
}

TEST_F(MSCommTest, InvalidPropertyValuesAreRefusedAndKeepTheOldValue) {
    EXPECT_FALSE(comm.SetSettings(QStringLiteral("9600,N,8,3")));
    EXPECT_EQ(comm.LastError(), MSComm::Error::InvalidPropertyValue);
    EXPECT_EQ(comm.Settings(), QStringLiteral("9600,N,8,1"));
    EXPECT_TRUE(comm.SetSettings(QStringLiteral("9600,N,8,2")));
    EXPECT_EQ(comm.LastError(), MSComm::Error::None);
    EXPECT_FALSE(comm.SetHandshaking(4));
    EXPECT_EQ(comm.Handshaking(), 0);
    EXPECT_TRUE(comm.SetHandshaking(3));
    EXPECT_FALSE(comm.SetRThreshold(-1));
    EXPECT_FALSE(comm.SetInputMode(2));
    EXPECT_EQ(comm.InputMode(), MSComm::comInputModeBinary);
    EXPECT_FALSE(comm.SetInputLen(-1));
    ASSERT_TRUE(comm.SetPortOpen(true));
    EXPECT_FALSE(comm.SetInBufferCount(5));
    EXPECT_FALSE(comm.SetOutBufferCount(1));
}

TEST_F(MSCommTest, ClosedPortRefusesTraffic) {
    EXPECT_FALSE(comm.Output("PROGRAM"));
    EXPECT_EQ(comm.LastError(), MSComm::Error::PortNotOpen);
    EXPECT_TRUE(comm.Input().isEmpty());
    EXPECT_EQ(comm.LastError(), MSComm::Error::PortNotOpen);
    EXPECT_FALSE(comm.SetInBufferCount(0));
}

TEST_F(MSCommTest, EventComesWhenTheBufferReachesTheThreshold) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    comm.SetRThreshold(3);
    DeviceSends("Z");
    EXPECT_TRUE(events.empty());
    DeviceSends("R\x06");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].commEvent, MSComm::comEvReceive);
    EXPECT_EQ(events[0].inBufferCount, 3);
    EXPECT_EQ(comm.Input(), QByteArray("ZR\x06"));
    EXPECT_EQ(comm.InBufferCount(), 0);

    DeviceSends(QByteArray("ZR\x06\x00", 4));
    ASSERT_EQ(events.size(), 2u);  // more than the threshold in one arrival: one event
    EXPECT_EQ(events[1].inBufferCount, 4);
}

TEST_F(MSCommTest, EveryArrivalAtOrAboveTheThresholdRaisesOneEvent) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    comm.SetRThreshold(1);
    DeviceSends("A");
    DeviceSends("B");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].inBufferCount, 1);
    EXPECT_EQ(events[1].inBufferCount, 2);  // not read in between: still above
}

TEST_F(MSCommTest, ThresholdZeroRaisesNothing) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    comm.SetRThreshold(0);
    DeviceSends("ZR\x06");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(comm.InBufferCount(), 3);
}

TEST_F(MSCommTest, InputTakesInputLenBytesOrAll) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    DeviceSends("ABCDE");
    comm.SetInputLen(2);
    EXPECT_EQ(comm.Input(), QByteArray("AB"));
    comm.SetInputLen(10);
    EXPECT_EQ(comm.Input(), QByteArray("CDE"));
    EXPECT_TRUE(comm.Input().isEmpty());
}

TEST_F(MSCommTest, ZeroInBufferCountDiscardsBufferedAndUndeliveredBytes) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    comm.SetRThreshold(1);
    DeviceSends("old");
    events.clear();
    device.Write("late");  // on the line, not yet handed over
    ASSERT_TRUE(comm.SetInBufferCount(0));
    EXPECT_EQ(comm.InBufferCount(), 0);
    Spin(20);
    EXPECT_EQ(comm.InBufferCount(), 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(MSCommTest, ZeroOutBufferCountDiscardsUnsentBytes) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    SerialTest::Collector received(&device);
    ASSERT_TRUE(comm.Output("PROGRAM"));
    EXPECT_EQ(comm.OutBufferCount(), 7);
    ASSERT_TRUE(comm.SetOutBufferCount(0));
    EXPECT_EQ(comm.OutBufferCount(), 0);
    ASSERT_TRUE(comm.Output("END"));
    ASSERT_TRUE(WaitUntil([&] { return !received.chunks.isEmpty(); }));
    Spin(10);
    EXPECT_EQ(received.All(), QByteArray("END"));
}

TEST_F(MSCommTest, OutputIsDeliveredFromTheEventLoopNotInsideTheCall) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    SerialTest::Collector received(&device);
    comm.Output("PROGRAM");
    EXPECT_TRUE(received.chunks.isEmpty());
    ASSERT_TRUE(WaitUntil([&] { return !received.chunks.isEmpty(); }));
    EXPECT_EQ(received.All(), QByteArray("PROGRAM"));
}

TEST_F(MSCommTest, HandlerRunningANestedLoopIsNotReentered) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    comm.SetRThreshold(1);
    int depth = 0, maxDepth = 0, calls = 0;
    QObject::connect(&comm, &MSComm::OnComm, [&] {
        ++calls;
        maxDepth = std::max(maxDepth, ++depth);
        if (calls == 1) {  // like a message box opened from the handler
            device.Write("more");
            Spin(30);
        }
        --depth;
    });
    DeviceSends("x");
    ASSERT_TRUE(WaitUntil([&] { return calls >= 2; }));
    Spin(20);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(comm.InBufferCount(), 5);
}

TEST_F(MSCommTest, HandlerMayCloseThePort) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    comm.SetRThreshold(1);
    QObject::connect(&comm, &MSComm::OnComm, [&] { comm.SetPortOpen(false); });
    device.Write("xy");
    ASSERT_TRUE(WaitUntil([&] { return !events.empty(); }));
    device.Write("z");
    Spin(20);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(MSCommTest, OverflowKeepsInBufferSizeBytesAndSaysSo) {
    ASSERT_TRUE(comm.SetInBufferSize(8));
    ASSERT_TRUE(comm.SetPortOpen(true));
    device.Write("0123456789");
    ASSERT_TRUE(WaitUntil([&] { return !events.empty(); }));
    EXPECT_EQ(comm.Input(), QByteArray("01234567"));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].commEvent, MSComm::comEventRxOver);
}

TEST_F(MSCommTest, LostPortClosesAndIsReportedOnce) {
    ASSERT_TRUE(comm.SetPortOpen(true));
    comm.SetRThreshold(3);
    DeviceSends("Z");
    line.Unplug();
    ASSERT_TRUE(WaitUntil([&] { return !events.empty(); }));
    Spin(30);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].commEvent, MSComm::comEventPortLost);
    EXPECT_EQ(events[0].inBufferCount, 0);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(comm.LastError(), MSComm::Error::PortLost);
    EXPECT_FALSE(comm.Output("PROGRAM"));

    line.Plug();
    EXPECT_TRUE(comm.SetPortOpen(true));  // the device is back
}

}  // namespace

// The serial control through QSerialPort on a pseudo-terminal with the emulator on the
// other side, and the emulator program itself.
#include "platform/serial/MSComm.h"
#include "platform/serial/QtSerialBackend.h"
#include "tests/platform/serial/SerialTestSupport.h"
#include "tests/support/emulator/RadioEmulator.h"
#include "tests/support/emulator/RadioEmulatorPty.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using SerialTest::Spin;
using SerialTest::WaitUntil;

constexpr int kCom = 40;

class SerialPtyTest : public ::testing::Test {
protected:
    void SetUp() override {
        SerialTest::EnsureApp();
        SerialTest::ClearComOverrides();
        QObject::connect(&comm, &MSComm::OnComm, [this] {
            events.push_back(comm.CommEvent());
            if (comm.CommEvent() == MSComm::comEvReceive) replies.push_back(comm.Input());
        });
    }
    void TearDown() override { SerialTest::ClearComOverrides(); }

    void OpenOn(const QString& path) {
        qputenv("ZR7310N_COM40", path.toLocal8Bit());
        ASSERT_TRUE(comm.SetCommPort(kCom));
        ASSERT_TRUE(comm.SetSettings(QStringLiteral("9600,N,8,1")));
        ASSERT_TRUE(comm.SetInputMode(MSComm::comInputModeBinary));
        ASSERT_TRUE(comm.SetRThreshold(1));
        ASSERT_TRUE(comm.SetPortOpen(true)) << qPrintable(comm.LastErrorText());
        EXPECT_EQ(comm.DevicePath(), path);
    }

    // Sends a frame the way the link does and waits for the reply of expectLen bytes.
    QByteArray Exchange(const QByteArray& frame, int expectLen) {
        const size_t before = replies.size();
        comm.SetRThreshold(expectLen);
        comm.SetOutBufferCount(0);
        comm.SetInBufferCount(0);
        comm.Output(frame);
        if (!WaitUntil([&] { return replies.size() > before; })) return {};
        return replies.back();
    }

    MSComm comm;
    std::vector<int> events;
    std::vector<QByteArray> replies;
};

TEST_F(SerialPtyTest, HandshakeThenThePulledCableIsReportedOnce) {
    RadioEmulator radio;
    radio.SetPacing(true);  // replies trickle in; the threshold still gives them whole
    RadioEmulatorPty pty(&radio);
    QString error;
    ASSERT_TRUE(pty.Open(&error)) << qPrintable(error);
    OpenOn(pty.SlavePath());

    EXPECT_EQ(Exchange("PROGRAM", 3), QByteArray("ZR\x06"));
    const QByteArray block = Exchange(QByteArray("R\x1F\x00\x10", 4), 22);
    ASSERT_EQ(block.size(), 22);
    EXPECT_EQ(block.left(4), QByteArray("W\x1F\x00\x10", 4));

    events.clear();
    pty.Close();
    ASSERT_TRUE(WaitUntil([&] { return !events.empty(); }));
    Spin(200);  // an error storm or a second report would show here
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], MSComm::comEventPortLost);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(comm.LastError(), MSComm::Error::PortLost);
}

TEST_F(SerialPtyTest, BackendClosesAtOnceAndReportsTheLossOnlyOnce) {
    RadioEmulator radio;
    RadioEmulatorPty pty(&radio);
    ASSERT_TRUE(pty.Open(nullptr));
    QtSerialBackend port;
    ASSERT_TRUE(port.Open(pty.SlavePath(), {}, SerialSettings::FlowControl::None, nullptr));
    int losses = 0;
    QObject::connect(&port, &SerialBackend::fatalError, [&] { ++losses; });
    pty.Close();
    ASSERT_TRUE(WaitUntil([&] { return losses > 0; }));
    EXPECT_FALSE(port.IsOpen());
    Spin(200);
    EXPECT_EQ(losses, 1);
}

TEST_F(SerialPtyTest, MissingDeviceCannotBeOpened) {
    qputenv("ZR7310N_COM40", "/dev/zr7310n-no-such-port");
    ASSERT_TRUE(comm.SetCommPort(kCom));
    EXPECT_FALSE(comm.SetPortOpen(true));
    EXPECT_EQ(comm.LastError(), MSComm::Error::PortOpenFailed);
    EXPECT_FALSE(comm.PortOpen());
}

TEST_F(SerialPtyTest, EmulatorProgramServesAnImageAndDumpsWhatWasWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray image = RadioEmulator::DefaultImage();
    image[0x0100] = 0x12;
    QFile in(dir.filePath(QStringLiteral("in.bin")));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(image);
    in.close();

    QProcess program;
    program.start(QStringLiteral(ZR_RADIO_EMULATOR_PROGRAM),
                  {QStringLiteral("--image"), in.fileName(), QStringLiteral("--dump"), dir.filePath(QStringLiteral("out.bin")),
                   QStringLiteral("--firmware"), QStringLiteral("V201")});
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(WaitUntil([&] { return program.canReadLine(); }));
    OpenOn(QString::fromLocal8Bit(program.readLine()).trimmed());

    EXPECT_EQ(Exchange("PROGRAM", 3), QByteArray("ZR\x06"));
    EXPECT_EQ(Exchange(QByteArray(1, 0x02), 16).mid(9, 4), QByteArray("V201"));
    EXPECT_EQ(Exchange(QByteArray("R\x01\x00\x10", 4), 22).at(4), 0x12);
    // 0x0200 <- 00 01 .. 0F: sum 0x02 + 0x00 + 0x10 + 0x78 = 0x8A.
    QByteArray write("W\x02\x00\x10", 4);
    for (int i = 0; i < 16; ++i) write += static_cast<char>(i);
    write += QByteArray("\x8A\x06", 2);
    EXPECT_EQ(Exchange(write, 1), QByteArray(1, 0x06));
    EXPECT_EQ(Exchange("END", 1), QByteArray(1, 0x06));
    comm.SetPortOpen(false);

    program.closeWriteChannel();  // end of its standard input: it dumps and ends
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 0);
    QFile out(dir.filePath(QStringLiteral("out.bin")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray dumped = out.readAll();
    ASSERT_EQ(dumped.size(), 0x6600);
    EXPECT_EQ(dumped.mid(0x0200, 16), write.mid(4, 16));
    EXPECT_EQ(dumped.at(0x0100), 0x12);
}

}  // namespace

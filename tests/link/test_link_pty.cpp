// Whole transfers through the QSerialPort backend on a pseudo-terminal, with the emulator
// on its master side, and the cable pulled in the middle of one.
#include "tests/link/LinkTestSupport.h"

#include "platform/serial/ComPorts.h"
#include "platform/serial/MSComm.h"
#include "tests/link/ImageTestSupport.h"
#include "tests/support/emulator/RadioEmulatorPty.h"

#include <QTimer>

namespace {

using namespace LinkTest;

class PtyTransferTest : public LinkFixture {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        radio.Detach();
        ComPorts::ClearInProcessLines();
        pty = std::make_unique<RadioEmulatorPty>(&radio);
        QString error;
        ASSERT_TRUE(pty->Open(&error)) << qPrintable(error);
        qputenv(kOverride, pty->SlavePath().toLocal8Bit());
    }
    void TearDown() override {
        LinkFixture::TearDown();
        pty.reset();
        qunsetenv(kOverride);
    }

    static constexpr const char* kOverride = "ZR7310N_COM5";
    std::unique_ptr<RadioEmulatorPty> pty;
};

TEST_F(PtyTransferTest, ReadGivesTheRadioImage) {
    const QByteArray image = RandomImage(9);
    radio.SetImage(image);
    ClearWorkingData();
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(Transferred(), image);
    EXPECT_EQ(DifferencesFromUnpacked(radio.Image()), "");
    EXPECT_EQ(boxes.prompts(), QStringList{QStringLiteral("Read Data Completed.")});
    EXPECT_EQ(radio.GetCounters().blocksRead, 1632);
}

TEST_F(PtyTransferTest, WriteLeavesThePackedDataInTheRadio) {
    radio.SetImage(QByteArray(0x6600, '\x42'));
    ImageTest::AddChannel(1, 2, 5, "29123400");
    ASSERT_TRUE(Transfer(2));
    EXPECT_EQ(radio.Image(), Transferred());
    // HAM group B, channel 5: slot 0x2D00 + (60 + 4) * 16
    EXPECT_EQ(radio.Image().mid(0x3100, 3), QByteArray::fromHex("341229"));
    EXPECT_EQ(boxes.prompts(), QStringList{QStringLiteral("Write Data Completed.")});
}

TEST_F(PtyTransferTest, APulledCableEndsTheReadOnceAndSaysSo) {
    int blocks = 0;
    QObject::connect(&radio, &RadioEmulator::frameSeen, &radio, [&](const QByteArray& frame) {
        if (frame[0] == 'R' && ++blocks == 50) QTimer::singleShot(0, pty.get(), [this] { pty->Close(); });
    });
    const QByteArray before = WorkingData();
    ASSERT_TRUE(Transfer(1));
    Spin(200);  // an error storm or a second report would show here
    EXPECT_EQ(boxes.prompts(), QStringList{QStringLiteral("Cannot Open Communication Port.")});
    EXPECT_EQ(CallsOf(QStringLiteral("Unload")), QStringList{QStringLiteral("UnloadProgressWindow")});
    EXPECT_EQ(WorkingData(), before);
    EXPECT_FALSE(ModComm::MSComm1().PortOpen());
}

}  // namespace

// Whole transfers against the emulator in process: read, write, the identity check, the
// radio-information read and the log they leave.
#include "tests/link/LinkTestSupport.h"

#include "link/ModCommFun.h"
#include "tests/link/RandomData.h"
#include "tests/support/RecordingProcess.h"

#include "platform/serial/MSComm.h"

namespace {

using namespace LinkTest;

const QString kReadDone = QStringLiteral("Read Data Completed.");
const QString kWriteDone = QStringLiteral("Write Data Completed.");
const QString kModelWrong = QStringLiteral("Model type is wrong.");

// The start-up data with one channel of our own: HF group C, channel 7 at 28.7654 MHz.
void LoadWorkingData() {
    ClearWorkingData();
    ImageTest::StartupChannels();
    ImageTest::StartupOptions();
    ImageTest::StartupTones();
    ImageTest::AddChannel(0, 3, 7, "28765400");
}

class TransferTest : public LinkFixture {};

QList<int> OneToHundred() {
    QList<int> out;
    for (int i = 1; i <= 100; ++i) out << i;
    return out;
}

TEST_F(TransferTest, ReadFillsTheImageAndTakesItOverAsNewData) {
    LoadWorkingData();
    ModComm::InitImage();
    ModCommFun::PackImage();
    QByteArray image = Transferred();
    image[0x4EC0] = 0x33;  // bytes the program neither packs nor unpacks come in as they are
    image[0x65FF] = 0x5A;
    radio.SetImage(image);
    ClearWorkingData();
    Link::RadioImage.fill(0);

    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(Transferred(), image);
    // the whole working data is the radio's image unpacked, and nothing else
    EXPECT_EQ(DifferencesFromUnpacked(radio.Image()), "");
    EXPECT_EQ(Link::RadioImage[0x6600], 0);
    const auto counters = radio.GetCounters();
    EXPECT_EQ(counters.programFrames, 1);
    EXPECT_EQ(counters.identRequests, 1);
    EXPECT_EQ(counters.blocksRead, 1632);
    EXPECT_EQ(counters.endFrames, 1);

    int found = 0;
    for (int slot = 1; slot <= Prog::RadioData.ChCountAt(0, 3); ++slot) {
        const ChannelRecord& c = Prog::ChInfo(0, slot, 3);
        if (c.ChNo == 7) found += c.Freq.Str() == "28765400" ? 1 : 100;
    }
    EXPECT_EQ(found, 1);
    EXPECT_EQ(Prog::DataFileName, QStringLiteral("new.dat"));
    EXPECT_EQ(Prog::IsNewData, -1);
    EXPECT_EQ(ProgressShown(), OneToHundred());
    EXPECT_EQ(CallsBesideProgress(), (QStringList{"UnloadProgressWindow", "UnloadChildForms", "SetMainCaption", "ChangeLanguage",
                                         "ShowChannelEditor", "Arrange 0", "Box " + kReadDone}));
    EXPECT_EQ(boxes.unscriptedCount(), 1);  // the completion message, OK only
    EXPECT_EQ(boxes.shown()[0].style, 0);
    EXPECT_FALSE(ModComm::MSComm1().PortOpen());
    EXPECT_FALSE(ModComm::IsWaitTimerOn());
    EXPECT_EQ(Prog::ReadState + Prog::WriteState + Prog::MultiWrite, 0);
}

TEST_F(TransferTest, WriteLeavesThePackedWorkingDataInTheRadio) {
    radio.SetImage(RandomImage(3));
    LoadWorkingData();
    Link::RadioImage.fill(0);  // nothing read yet

    ASSERT_TRUE(Transfer(2));
    const QByteArray written = radio.Image();
    EXPECT_EQ(written, Transferred());
    EXPECT_EQ(radio.GetCounters().blocksWritten, 1632);
    // HF group C, channel 7: slot (2 * 60 + 6) * 16; presence of channels 1, 7 and M1..M6
    EXPECT_EQ(written.mid(0x07E0, 3), QByteArray::fromHex("547628"));
    EXPECT_EQ(written.mid(0x5F30, 6), QByteArray::fromHex("41000000003F"));
    EXPECT_EQ(static_cast<quint8>(written[0x4EC0]), 0xFF);  // unused region, filled
    EXPECT_EQ(written[0x65FF], '\0');                        // passed through: nothing read yet
    EXPECT_EQ(FramesSeen().first(), QStringLiteral("50524F4752414D"));
    EXPECT_EQ(FramesSeen()[1], QStringLiteral("02"));
    EXPECT_TRUE(FramesSeen()[2].startsWith(QLatin1String("57000010")));
    EXPECT_EQ(FramesSeen().last(), QStringLiteral("454E44"));
    EXPECT_EQ(ProgressShown(), OneToHundred());
    EXPECT_EQ(CallsBesideProgress(), (QStringList{"UnloadProgressWindow", "Box " + kWriteDone}));
    EXPECT_EQ(Prog::CommType, 0);
}

TEST_F(TransferTest, AWriteAfterAReadSendsTheUnpackedBytesBackAsRead) {
    const QByteArray original = RandomImage(5);
    radio.SetImage(original);
    ASSERT_TRUE(Transfer(1));
    radio.SetImage(RadioEmulator::DefaultImage());
    ASSERT_TRUE(Transfer(2));
    const QByteArray written = radio.Image();
    for (int at : {0x636A, 0x637F, 0x6386, 0x63FF, 0x643C, 0x643F, 0x6500, 0x6529, 0x657F, 0x658A, 0x6595, 0x65FF})
        EXPECT_EQ(written[at], original[at]) << at;
    EXPECT_EQ(written, Transferred());
}

// The weather channels' scan and presence bits and the weather VFO go back as the radio held
// them, the VFO's scan bit included.
TEST_F(TransferTest, AWriteAfterAReadSendsTheWeatherBitsAndTheVfoBackAsRead) {
    QByteArray original = RadioEmulator::DefaultImage();
    const auto put = [&original](int at, const char* hex) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        original.replace(at, bytes.size(), bytes);
    };
    put(0x6343, "0101000080010000");  // scan: 1, 9, 40, VFO
    put(0x634B, "030101008001");      // presence: 1, 2, 9, 17, 40, VFO
    for (int k : {1, 2, 9, 17, 40}) put(0x6200 + (k - 1) * 8, k % 2 ? "1625500001" : "1624000000");
    put(0x6590, "1625250001");
    radio.SetImage(original);
    ASSERT_TRUE(Transfer(1));
    radio.SetImage(RadioEmulator::DefaultImage());
    ASSERT_TRUE(Transfer(2));
    const QByteArray written = radio.Image();
    EXPECT_EQ(written.mid(0x6343, 14).toHex().toStdString(), original.mid(0x6343, 14).toHex().toStdString());
    EXPECT_EQ(written.mid(0x6590, 5).toHex().toStdString(), original.mid(0x6590, 5).toHex().toStdString());
}

TEST_F(TransferTest, TheLogHasOneLinePerFrameAndPerReply) {
    ASSERT_TRUE(Transfer(1));
    const QStringList lines = LogLines();
    ASSERT_EQ(lines.size(), 2 * (3 + 1632));
    const QString sent = QStringLiteral("\"2026/12/8 9:05:03---发送数据: ");
    const QString got = QStringLiteral("\"2026/12/8 9:05:03---接收数据: ");
    EXPECT_EQ(lines[0], sent + "50524F4752414D\"");
    EXPECT_EQ(lines[1], got + "5A5206\"");
    EXPECT_EQ(lines[2], sent + "02\"");
    EXPECT_EQ(lines[3], got + "495A5237333130330056323030000000\"");
    EXPECT_EQ(lines[4], sent + "52000010\"");
    EXPECT_EQ(lines[5], got + "57000010" + QString(32, QLatin1Char('F')) + "0006\"");  // sum 0x1000
    EXPECT_EQ(lines[6], sent + "52001010\"");
    EXPECT_EQ(lines[lines.size() - 4], sent + "5265F010\"");
    EXPECT_EQ(lines[lines.size() - 2], sent + "454E44\"");
    EXPECT_EQ(lines[lines.size() - 1], got + "06\"");
    for (int i = 0; i < lines.size(); ++i) ASSERT_TRUE(lines[i].startsWith(i % 2 == 0 ? sent : got)) << i;
}

TEST_F(TransferTest, AnotherModelIsToldAfterTheWindowClosedAndNothingIsTakenOver) {
    for (int16 type : {1, 2}) {
        SCOPED_TRACE(type);
        radio.SetModel("ZR7310X");
        radio.ResetCounters();
        LoadWorkingData();
        ModCommFun::PackImage();  // a write packs before it checks: let the texts take their packed form
        const QByteArray before = WorkingData();
        ModComm::InitImage();
        const Link::Image cleared = Link::RadioImage;
        windows.calls.clear();
        frames.clear();
        ASSERT_TRUE(Transfer(type));
        EXPECT_EQ(FramesSeen(), (QStringList{"50524F4752414D", "02", "454E44"}));
        EXPECT_EQ(windows.calls, (QStringList{"UnloadProgressWindow", "Box " + kModelWrong}));
        EXPECT_EQ(WorkingData(), before);
        if (type == 1) {
            EXPECT_EQ(Link::RadioImage, cleared);
        }
        EXPECT_EQ(radio.GetCounters().blocksWritten, 0);
        EXPECT_EQ(Prog::MsgQueue.count, 0);
    }
}

const QString kVersionQuestion = QStringLiteral(
    "incompatible version. It may cause unknown error.To start the corresponding software version, or not?\r\n"
    "Firmware version is V3.01\r\nprogramming software is V2.00");

TEST_F(TransferTest, UnlistedFirmwareAsksAndNoEndsTheTransferAsFailed) {
    radio.SetFirmwareVersion("V301");
    LoadWorkingData();
    const QByteArray before = WorkingData();
    boxes.Answer(MsgBox::No);
    ASSERT_TRUE(Transfer(1));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, kVersionQuestion);
    EXPECT_EQ(boxes.shown()[0].style, 4);  // Yes / No
    EXPECT_EQ(FramesSeen(), (QStringList{"50524F4752414D", "02", "454E44"}));
    EXPECT_EQ(windows.calls, (QStringList{"Box " + kVersionQuestion, "UnloadProgressWindow"}));
    EXPECT_EQ(WorkingData(), before);
}

TEST_F(TransferTest, UnlistedFirmwareAnsweredYesHandsOverToTheVersionThatSupportsIt) {
    RecordingProcess process;
    radio.SetFirmwareVersion("V301");
    boxes.Answer(MsgBox::Yes);
    ASSERT_TRUE(Transfer(2));
    EXPECT_EQ(process.started(), QStringList{env->Path(QStringLiteral("root/V300/ZRW7310N_II"))});
    EXPECT_EQ(process.terminations(), std::vector<int>{0});
    EXPECT_TRUE(windows.calls.contains(QStringLiteral("CloseCommPort")));
    EXPECT_EQ(radio.GetCounters().blocksWritten, 0);
    EXPECT_FALSE(CallsOf(QStringLiteral("Box ")).contains("Box " + kWriteDone));
}

TEST_F(TransferTest, ARadioOfTheProgramsOwnVersionIsAcceptedWithoutAVersionTable) {
    QFile::remove(env->Path(QStringLiteral("root/Version.ini")));
    ModVerionMana::InitVersionManage();
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(boxes.prompts(), QStringList{kReadDone});
    EXPECT_EQ(radio.GetCounters().blocksRead, 1632);
}

TEST_F(TransferTest, AMissingEndAcknowledgeCountsAsSuccess) {
    TimeOutWhenQuiet();
    RadioEmulatorFaults faults;
    faults.noEndAck = true;
    radio.SetFaults(faults);
    for (int16 type : {1, 2}) {
        SCOPED_TRACE(type);
        boxes.Clear();
        ASSERT_TRUE(Transfer(type));
        EXPECT_EQ(boxes.prompts(), QStringList{type == 1 ? kReadDone : kWriteDone});
    }
    EXPECT_EQ(radio.GetCounters().endFrames, 2);
}

TEST_F(TransferTest, TheRadioInformationReadEndsWithTheHandshake) {
    StartTransfer(3);
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(FramesSeen(), QStringList{"50524F4752414D"});
    EXPECT_TRUE(windows.calls.isEmpty());  // no progress window to close, nothing to say
    EXPECT_FALSE(ModComm::MSComm1().PortOpen());

    // Unanswered, it ends at the first time-out instead of staying open.
    TimeOutWhenQuiet();
    radio.Detach();
    StartTransfer(3);
    ASSERT_TRUE(RunToEnd());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(ModComm::MSComm1().PortOpen());
}

}  // namespace

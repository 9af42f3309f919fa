// Missing and faulty replies, the questions they lead to, a port that goes away, and the
// group write that the program never offers.
#include "tests/link/LinkTestSupport.h"

#include "core/Log.h"
#include "link/ModCommFun.h"
#include "platform/serial/MSComm.h"

#include <QFile>
#include <QTimer>

namespace {

using namespace LinkTest;

const QString kRetry = QStringLiteral("Check Connection. Retry or Cancel?");
const QString kPortError = QStringLiteral("Cannot Open Communication Port.");
const QString kReadDone = QStringLiteral("Read Data Completed.");
const QString kWriteDone = QStringLiteral("Write Data Completed.");
const QString kProgram = QStringLiteral("50524F4752414D");

// Reply numbers of the emulator: 1 the handshake answer, 2 the identity, then block k
// (counted from 1) is reply k + 2.
constexpr int BlockReply(int block) { return block + 2; }

class TimeoutTest : public LinkFixture {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        TimeOutWhenQuiet();
    }
    int LoggedSends(const QString& hex) const {
        return static_cast<int>(LogLines().filter(QStringLiteral("发送数据: ") + hex + QLatin1Char('"')).size());
    }
    // Frames seen from the first one equal to hex on.
    QStringList FramesFrom(const QString& hex) const {
        const auto at = frames.indexOf(hex);
        return at < 0 ? QStringList() : frames.mid(at);
    }
};

TEST_F(TimeoutTest, ARadioThatNeverAnswersGetsTwoHandshakesThenTheQuestion) {
    radio.Detach();
    struct Case {
        std::initializer_list<MsgBox::Result> answers;
        int handshakes;
    };
    for (const Case& c : {Case{{MsgBox::Cancel}, 2}, Case{{MsgBox::Retry, MsgBox::Cancel}, 4}}) {
        SCOPED_TRACE(c.handshakes);
        QFile::remove(Log::LogFilePath(FixedNow().date()));
        boxes.Clear();
        windows.calls.clear();
        boxes.Answer(c.answers);
        ASSERT_TRUE(Transfer(1));
        EXPECT_EQ(LoggedSends(kProgram), c.handshakes);
        EXPECT_EQ(LogLines().size(), c.handshakes);  // nothing else sent, nothing received
        ASSERT_EQ(boxes.shown().size(), c.answers.size());
        for (const auto& box : boxes.shown()) {
            EXPECT_EQ(box.prompt, kRetry);
            EXPECT_EQ(box.style, 5);  // Retry / Cancel, no icon
        }
        EXPECT_EQ(windows.calls.last(), QStringLiteral("UnloadProgressWindow"));
        EXPECT_FALSE(ModComm::MSComm1().PortOpen());
        EXPECT_FALSE(ModComm::IsWaitTimerOn());
    }
}

// The other tests run the time-outs themselves; here the program's timer runs out on its
// own. Nothing ever answers, so there is no reply it could take for lost.
TEST_F(TimeoutTest, WithoutTheTestTheTimerRunsOutByItself) {
    timeouts.reset();
    radio.Detach();
    boxes.Answer(MsgBox::Cancel);
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(LoggedSends(kProgram), 2);
    EXPECT_EQ(boxes.prompts(), QStringList{kRetry});
}

TEST_F(TimeoutTest, RetryStartsAgainAtTheHandshake) {
    radio.Detach();
    timeline.whileShown = [this] { radio.Attach(&line); };  // the cable is plugged in meanwhile
    boxes.Answer(MsgBox::Retry);
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(LoggedSends(kProgram), 3);
    EXPECT_EQ(boxes.prompts(), (QStringList{kRetry, kReadDone}));
    EXPECT_EQ(Transferred(), radio.Image());
}

TEST_F(TimeoutTest, AnIdentityLostOnceIsAskedForAgain) {
    radio.SetFaults(DropReplies({2}));
    ASSERT_TRUE(Transfer(2));
    EXPECT_EQ(frames.mid(0, 3), (QStringList{kProgram, "02", "02"}));
    EXPECT_TRUE(frames[3].startsWith(QLatin1String("57000010")));
    EXPECT_EQ(boxes.prompts(), QStringList{kWriteDone});
    EXPECT_EQ(radio.Image(), Transferred());
}

TEST_F(TimeoutTest, AnIdentityLostTwiceAsksAndRetryStartsAtTheHandshake) {
    radio.SetFaults(DropReplies({2, 3}));
    boxes.Answer(MsgBox::Retry);
    ASSERT_TRUE(Transfer(2));
    EXPECT_EQ(frames.mid(0, 5), (QStringList{kProgram, "02", "02", kProgram, "02"}));
    EXPECT_EQ(boxes.prompts(), (QStringList{kRetry, kWriteDone}));
    EXPECT_EQ(boxes.shown()[0].style, 5);
    EXPECT_EQ(radio.Image(), Transferred());
}

TEST_F(TimeoutTest, ABlockTimeOutAsksAtOnceAndOkStartsTheReadAgain) {
    radio.SetImage([] {
        QByteArray image = RadioEmulator::DefaultImage();
        for (int i = 0; i < image.size(); i += 7) image[i] = static_cast<char>(i / 7);
        return image;
    }());
    struct Case {
        int block;
        QString request;  // the block's read request
        int lastPercent;  // shown before the restart
    };
    // Block 1100 lies past the retry table; it asks like every other block.
    for (const Case& c : {Case{100, "52063010", 6}, Case{1100, "5244B010", 67}}) {
        SCOPED_TRACE(c.block);
        radio.ResetCounters();
        radio.SetFaults(DropReplies({BlockReply(c.block)}));
        boxes.Clear();
        windows.calls.clear();
        frames.clear();
        boxes.Answer(MsgBox::OK);
        ASSERT_TRUE(Transfer(1));
        ASSERT_EQ(boxes.shown().size(), 2u);
        EXPECT_EQ(boxes.shown()[0].prompt, kRetry);
        EXPECT_EQ(boxes.shown()[0].style, 33);  // OK / Cancel, question icon
        EXPECT_EQ(FramesFrom(c.request).mid(0, 4), (QStringList{c.request, kProgram, "02", "52000010"}));
        QList<int> expected;
        for (int p = 1; p <= c.lastPercent; ++p) expected << p;
        expected << 0;
        for (int p = 1; p <= 100; ++p) expected << p;
        EXPECT_EQ(ProgressShown(), expected);
        EXPECT_EQ(Transferred(), radio.Image());
        EXPECT_EQ(boxes.shown()[1].prompt, kReadDone);
    }
}

TEST_F(TimeoutTest, ACancelledReadLeavesTheWorkingDataAsItWas) {
    const QByteArray image(0x6600, '\x42');
    radio.SetImage(image);
    radio.SetFaults(DropReplies({BlockReply(100)}));
    Prog::RadioData.OptFeatures.MicGain = 9;
    Prog::DataFileName = QStringLiteral("/data/mine.dat");
    const QByteArray before = WorkingData();
    boxes.Answer(MsgBox::Cancel);
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(WorkingData(), before);
    EXPECT_EQ(CallsBesideProgress(), (QStringList{"Box " + kRetry, "UnloadProgressWindow"}));
    EXPECT_EQ(boxes.shown().size(), 1u);
    // The image holds the blocks read so far over the cleared fill.
    EXPECT_EQ(Transferred().left(0x0630), image.left(0x0630));
    EXPECT_EQ(Link::RadioImage[0x0630], 0xFF);
    EXPECT_EQ(Link::RadioImage[0x5F20], 0x00);
    EXPECT_FALSE(ModComm::MSComm1().PortOpen());
}

TEST_F(TimeoutTest, AnUnacknowledgedWriteBlockAsksAndOkWritesEverythingAgain) {
    radio.SetImage(QByteArray(0x6600, '\x42'));
    radio.SetFaults(DropReplies({BlockReply(50)}));
    boxes.Answer(MsgBox::OK);
    ASSERT_TRUE(Transfer(2));
    EXPECT_EQ(boxes.prompts(), (QStringList{kRetry, kWriteDone}));
    EXPECT_EQ(radio.GetCounters().blocksWritten, 50 + 1632);  // the 50th was stored, its answer lost
    EXPECT_EQ(radio.Image(), Transferred());
}

TEST_F(TimeoutTest, AGrantedBlockBudgetResendsTheBlockWithoutAsking) {
    radio.SetFaults(DropReplies({BlockReply(100)}));
    ASSERT_TRUE(ModComm::PrepareTransfer(1));
    ModComm::InitImage();
    Link::BlockRetries[99] = 1;
    ModComm::StartComm();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(FramesFrom("52063010").mid(0, 2), (QStringList{"52063010", "52063010"}));
    EXPECT_EQ(boxes.prompts(), QStringList{kReadDone});
    EXPECT_EQ(Link::BlockRetries[99], 0);
}

TEST_F(TimeoutTest, FaultyBlockRepliesAreDroppedAndTheTimeOutAsks) {
    struct Case {
        const char* what;
        std::function<void(RadioEmulatorFaults&)> fault;
        int questions;
    };
    const Case cases[] = {
        {"checksum one too high", [](RadioEmulatorFaults& f) { f.badChecksumReplies = {BlockReply(3)}; }, 1},
        {"an extra byte", [](RadioEmulatorFaults& f) { f.extraByteReplies = {BlockReply(3)}; }, 1},
        {"handshake answer with an extra byte", [](RadioEmulatorFaults& f) { f.extraByteReplies = {1}; }, 0},
        {"split in two writes", [](RadioEmulatorFaults& f) {
             f.splitReplies = {BlockReply(3)};
             f.splitGapMs = 5;
         }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RadioEmulatorFaults faults;
        c.fault(faults);
        radio.ResetCounters();
        radio.SetFaults(faults);
        boxes.Clear();
        boxes.Answer(MsgBox::OK);
        ASSERT_TRUE(Transfer(1));
        EXPECT_EQ(boxes.shown().size(), static_cast<std::size_t>(c.questions + 1));
        EXPECT_EQ(boxes.prompts().last(), kReadDone);
        EXPECT_EQ(Transferred(), radio.Image());
    }
}

TEST_F(TimeoutTest, AnUnacknowledgedEndAfterARejectedRadioEndsTheTransfer) {
    RadioEmulatorFaults faults;
    faults.noEndAck = true;
    radio.SetFaults(faults);
    radio.SetModel("ZR7310X");
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(frames, (QStringList{kProgram, "02", "454E44"}));
    EXPECT_EQ(CallsBesideProgress(), (QStringList{"UnloadProgressWindow", "Box Model type is wrong."}));
}

TEST_F(TimeoutTest, AReplyArrivingWhileTheQuestionIsUpIsNotActedOn) {
    // The radio runs on the test's clock: the second half of block 20's reply stays back
    // until the test moves the clock on, with the question up.
    qint64 radioNs = 0;
    radio.SetClock([&radioNs] { return radioNs; });
    RadioEmulatorFaults faults;
    faults.splitReplies = {BlockReply(20)};
    radio.SetFaults(faults);
    timeouts->SetReplyMissing([] { return ModComm::MSComm1().InBufferCount() > 0; });  // half a reply in
    qsizetype framesWhenAsked = -1;
    qsizetype framesWhenAnswered = -1;
    timeline.whileShown = [&] {
        if (framesWhenAsked >= 0) return;
        framesWhenAsked = frames.size();
        radioNs += 1000000000;
        radio.SendDue();
        EXPECT_TRUE(WaitUntil([this] { return LineQuiet(line, radio); }));
        framesWhenAnswered = frames.size();
    };
    boxes.Answer(MsgBox::OK);
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(framesWhenAnswered, framesWhenAsked);
    EXPECT_EQ(LogLines().filter(QStringLiteral("接收数据: 57013010")).size(), 2);  // logged, then read again
    EXPECT_EQ(boxes.prompts(), (QStringList{kRetry, kReadDone}));
    EXPECT_EQ(Transferred(), radio.Image());
}

TEST_F(TimeoutTest, AStrayByteBeforeTheFirstFrameIsIgnored) {
    radio.Detach();
    InProcessSerialBackend device(&line, InProcessSerialLine::Device);
    ASSERT_TRUE(device.Open({}, {}, {}, nullptr));
    ASSERT_TRUE(ModComm::PrepareTransfer(1));  // the confirmation question is up
    device.Write(QByteArray(1, '\x06'));
    Spin(60);
    EXPECT_EQ(Prog::CommType, 1);
    EXPECT_TRUE(ModComm::MSComm1().PortOpen());
    EXPECT_TRUE(windows.calls.isEmpty());
    ModComm::AbandonTransfer();
    EXPECT_EQ(Prog::CommType, 0);
    EXPECT_FALSE(ModComm::MSComm1().PortOpen());
    EXPECT_TRUE(boxes.shown().empty());
}

// --- A port that goes away ------------------------------------------------------------------

TEST_F(TimeoutTest, APortLostMidTransferEndsItOnceAndSaysSo) {
    int blocks = 0;
    QObject::connect(&radio, &RadioEmulator::frameSeen, &radio, [&](const QByteArray& frame) {
        if ((frame[0] == 'R' || frame[0] == 'W') && ++blocks == 50) line.Unplug();
    });
    for (int16 type : {1, 2}) {
        SCOPED_TRACE(type);
        blocks = 0;
        line.Plug();
        boxes.Clear();
        windows.calls.clear();
        ModCommFun::PackImage();  // the texts in their packed form, as a write leaves them
        const QByteArray before = WorkingData();
        ASSERT_TRUE(Transfer(type));
        Spin(150);  // a second report would show here
        EXPECT_EQ(CallsBesideProgress(), (QStringList{"UnloadProgressWindow", "Box " + kPortError}));
        EXPECT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(WorkingData(), before);
        EXPECT_FALSE(ModComm::MSComm1().PortOpen());
        EXPECT_FALSE(ModComm::IsWaitTimerOn());
    }
}

TEST_F(TimeoutTest, APortLostWhileTheQuestionIsUpEndsWhenItIsAnswered) {
    radio.SetFaults(DropReplies({BlockReply(10)}));
    qsizetype framesWhenAsked = -1;
    timeline.whileShown = [&] {
        if (framesWhenAsked >= 0) return;
        framesWhenAsked = frames.size();
        line.Unplug();
        Spin(60);
    };
    boxes.Answer(MsgBox::OK);
    ASSERT_TRUE(Transfer(1));
    EXPECT_EQ(frames.size(), framesWhenAsked);  // OK did not start again on a dead port
    EXPECT_EQ(boxes.prompts(), (QStringList{kRetry, kPortError}));
    EXPECT_EQ(CallsBesideProgress().last(), "Box " + kPortError);
}

TEST_F(TimeoutTest, APortLostBeforeTheFirstFrameEndsAtTheFirstTimeOut) {
    ASSERT_TRUE(ModComm::PrepareTransfer(1));
    line.Unplug();  // while the confirmation question is up
    Spin(60);
    EXPECT_EQ(Prog::CommType, 1);  // the progress window has yet to open
    ModComm::InitImage();
    ModComm::StartComm();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(windows.calls, (QStringList{"UnloadProgressWindow", "Box " + kPortError}));
}

// --- Group write (never offered) --------------------------------------------------------------

class GroupWriteTest : public TimeoutTest {
protected:
    // What the group-write command and its window do.
    void StartGroupWrite() {
        ASSERT_TRUE(ModComm::PrepareTransfer(2));
        ModComm::InitImage();
        ModCommFun::PackImage();
        Prog::MultiWrite = -1;
        Prog::AskOnNoAnswer = -1;
        ModComm::StartComm();
    }
};

TEST_F(GroupWriteTest, WritesAnyRadioAndEndsAfterTheFirstWhenNoCountIsGiven) {
    radio.SetModel("OTHER");  // the identity is not checked
    StartGroupWrite();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(radio.GetCounters().blocksWritten, 1632);
    EXPECT_EQ(CallsBesideProgress(), (QStringList{"UnloadProgressWindow group", "Box " + kWriteDone}));
    EXPECT_EQ(CallsOf("SetProgressValue").first(), QStringLiteral("SetProgressValue 1 group"));
    EXPECT_EQ(Prog::MultiWrite, 0);
    EXPECT_EQ(Link::RadiosDone, 1);
}

TEST_F(GroupWriteTest, TakesTheNextRadioAtItsThirdAnswerAfterTheLastWentSilent) {
    Link::RadioCount = 1;
    QObject::connect(&radio, &RadioEmulator::frameSeen, &radio, [this](const QByteArray& frame) {
        if (frame == "END") QTimer::singleShot(0, &radio, [this] { radio.Detach(); });  // unplugged after its END
    });
    StartGroupWrite();
    ASSERT_TRUE(WaitUntil([] { return Link::PollCount >= 2; }));
    EXPECT_EQ(Link::PollNextRadio, -1);
    radio.ResetCounters();
    ASSERT_TRUE(radio.Attach(&line));  // the next radio
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(radio.GetCounters().programFrames, 3);
    EXPECT_EQ(radio.GetCounters().blocksWritten, 1632);
    EXPECT_TRUE(windows.calls.contains(QStringLiteral("SetProgressRadio 1")));
    EXPECT_EQ(boxes.prompts(), QStringList{kWriteDone});  // the silence was never asked about
    EXPECT_EQ(Link::RadiosDone, 2);
}

TEST_F(GroupWriteTest, CancelAtABlockTimeOutClosesTheGroupWindow) {
    radio.SetFaults(DropReplies({BlockReply(10)}));
    boxes.Answer(MsgBox::Cancel);
    StartGroupWrite();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(CallsBesideProgress(), (QStringList{"Box " + kRetry, "UnloadProgressWindow group"}));
    EXPECT_EQ(Prog::MultiWrite, 0);
}

}  // namespace

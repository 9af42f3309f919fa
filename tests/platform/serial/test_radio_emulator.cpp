// The radio emulator, byte for byte, over the in-process line. Expected replies are
// worked out by hand from the frame layouts.
#include "platform/serial/InProcessSerialBackend.h"
#include "tests/platform/serial/SerialTestSupport.h"
#include "tests/support/emulator/RadioEmulator.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using SerialTest::Spin;
using SerialTest::WaitUntil;

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

QByteArray Repeat(int value, int count) {
    return QByteArray(count, static_cast<char>(value));
}

const QByteArray kProgram = "PROGRAM";
const QByteArray kProgramAck = Bytes({0x5A, 0x52, 0x06});
const QByteArray kAck = Bytes({0x06});
const QByteArray kIdentRequest = Bytes({0x02});
const QByteArray kIdentity = Bytes({0x49, 0x5A, 0x52, 0x37, 0x33, 0x31, 0x30, 0x33, 0x00, 0x56, 0x32, 0x30, 0x30, 0x00, 0x00, 0x00});
// Write block for 0x1F00 with sixteen 0xFF: sum 0x1F + 0x00 + 0x10 + 16 x 0xFF = 0x101F.
const QByteArray kWrite1F00 = Bytes({0x57, 0x1F, 0x00, 0x10}) + Repeat(0xFF, 16) + Bytes({0x1F, 0x06});
const QByteArray kRead1F00 = Bytes({0x52, 0x1F, 0x00, 0x10});

class RadioEmulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        SerialTest::EnsureApp();
        ASSERT_TRUE(radio.Attach(&line));
        ASSERT_TRUE(host.Open({}, {}, {}, nullptr));
    }

    // Sends frame and returns what comes back: once expect bytes are there and a moment
    // later (so that surplus bytes show), or after a moment when nothing is expected.
    QByteArray Send(const QByteArray& frame, int expect) {
        received.chunks.clear();
        host.Write(frame);
        if (expect > 0) WaitUntil([&] { return received.All().size() >= expect; });
        Spin(expect > 0 ? 10 : 40);
        return received.All();
    }

    void StartSession() { ASSERT_EQ(Send(kProgram, 3), kProgramAck); }

    InProcessSerialLine line;
    RadioEmulator radio;
    InProcessSerialBackend host{&line, InProcessSerialLine::Host};
    SerialTest::Collector received{&host};
};

TEST_F(RadioEmulatorTest, HandshakeIdentityAndEnd) {
    EXPECT_EQ(Send(kProgram, 3), kProgramAck);
    EXPECT_TRUE(radio.InSession());
    EXPECT_EQ(Send(kIdentRequest, 16), kIdentity);
    EXPECT_EQ(Send("END", 1), kAck);
    EXPECT_FALSE(radio.InSession());
}

TEST_F(RadioEmulatorTest, WrittenBlockIsStoredAndReadBack) {
    QByteArray image = RadioEmulator::DefaultImage();
    std::fill(image.begin() + 0x1F00, image.begin() + 0x1F10, '\0');
    ASSERT_TRUE(radio.SetImage(image));
    StartSession();
    EXPECT_EQ(Send(kWrite1F00, 1), kAck);
    EXPECT_EQ(radio.Image().mid(0x1F00, 16), Repeat(0xFF, 16));
    EXPECT_EQ(Send(kRead1F00, 22), kWrite1F00);  // the reply has the write frame's layout
}

TEST_F(RadioEmulatorTest, BlockNearTheEndWithItsChecksum) {
    StartSession();
    // 0x6590, data 01..10: 0x65 + 0x90 + 0x10 + (1 + ... + 16) = 0x18D.
    QByteArray frame = Bytes({0x57, 0x65, 0x90, 0x10});
    for (int i = 1; i <= 16; ++i) frame += static_cast<char>(i);
    frame += Bytes({0x8D, 0x06});
    EXPECT_EQ(Send(frame, 1), kAck);
    EXPECT_EQ(Send(Bytes({0x52, 0x65, 0x90, 0x10}), 22), frame);
    // Last block of the default image: zeros, sum 0x65 + 0xF0 + 0x10 = 0x165.
    EXPECT_EQ(Send(Bytes({0x52, 0x65, 0xF0, 0x10}), 22),
              Bytes({0x57, 0x65, 0xF0, 0x10}) + Repeat(0, 16) + Bytes({0x65, 0x06}));
}

TEST_F(RadioEmulatorTest, FaultyOrOutOfRangeBlocksGetNoAnswer) {
    StartSession();
    const QByteArray before = radio.Image();
    QByteArray badSum = kWrite1F00;
    badSum[20] = 0x20;
    QByteArray badEnd = kWrite1F00;
    badEnd[21] = 0x05;
    std::fill(badSum.begin() + 4, badSum.begin() + 8, '\x11');
    EXPECT_TRUE(Send(badSum, 0).isEmpty());
    EXPECT_TRUE(Send(badEnd, 0).isEmpty());
    EXPECT_TRUE(Send(Bytes({0x52, 0x66, 0x00, 0x01}), 0).isEmpty());  // beyond the image
    EXPECT_TRUE(Send(Bytes({0x52, 0x65, 0xF0, 0x11}), 0).isEmpty());  // one byte too long
    EXPECT_EQ(radio.Image(), before);
    EXPECT_EQ(radio.GetCounters().badFrames, 4);
    EXPECT_EQ(Send(kRead1F00, 22).size(), 22);  // still talking
}

TEST_F(RadioEmulatorTest, OnlyTheHandshakeIsAnsweredOutsideASession) {
    EXPECT_TRUE(Send(kIdentRequest, 0).isEmpty());
    EXPECT_TRUE(Send(kRead1F00, 0).isEmpty());
    StartSession();
    EXPECT_EQ(Send("END", 1), kAck);
    EXPECT_TRUE(Send(kRead1F00, 0).isEmpty());
    EXPECT_EQ(Send(kProgram, 3), kProgramAck);
}

TEST_F(RadioEmulatorTest, FramesSplitAcrossArrivals) {
    host.Write("PRO");
    Spin(10);
    EXPECT_EQ(Send("GRAM", 3), kProgramAck);
    for (char byte : kWrite1F00.left(21)) {
        host.Write(QByteArray(1, byte));
        Spin(1);
    }
    EXPECT_TRUE(received.All().isEmpty() || received.All() == kProgramAck);
    EXPECT_EQ(Send(kWrite1F00.right(1), 1), kAck);
    EXPECT_EQ(radio.GetCounters().blocksWritten, 1);
}

TEST_F(RadioEmulatorTest, FramesRunTogetherAreEachAnswered) {
    EXPECT_EQ(Send(kProgram + kIdentRequest + kRead1F00, 3 + 16 + 22), kProgramAck + kIdentity + kWrite1F00);
}

TEST_F(RadioEmulatorTest, BytesThatStartNoFrameAreSkipped) {
    EXPECT_EQ(Send(Bytes({0x00, 0xFF, 0x06}) + kProgram, 3), kProgramAck);
    EXPECT_EQ(radio.GetCounters().junkBytes, 3);
}

TEST_F(RadioEmulatorTest, StalePartialFrameIsThrownAway) {
    radio.SetInterByteTimeoutMs(5);
    StartSession();
    EXPECT_TRUE(Send(kWrite1F00.left(10), 0).isEmpty());  // cut off, then silence
    EXPECT_EQ(Send(kRead1F00, 22), kWrite1F00);
    EXPECT_EQ(radio.GetCounters().junkBytes, 10);
}

TEST_F(RadioEmulatorTest, CountersFollowTheTraffic) {
    StartSession();
    Send(kIdentRequest, 16);
    Send(kRead1F00, 22);
    Send(kRead1F00, 22);
    Send(kWrite1F00, 1);
    Send("END", 1);
    const RadioEmulator::Counters c = radio.GetCounters();
    EXPECT_EQ(c.framesSeen, 6);
    EXPECT_EQ(c.programFrames, 1);
    EXPECT_EQ(c.identRequests, 1);
    EXPECT_EQ(c.blocksRead, 2);
    EXPECT_EQ(c.blocksWritten, 1);
    EXPECT_EQ(c.endFrames, 1);
    EXPECT_EQ(c.replies, 6);
    EXPECT_EQ(c.badFrames, 0);
}

TEST_F(RadioEmulatorTest, DroppedReply) {
    RadioEmulatorFaults faults;
    faults.dropReplies = {2};
    radio.SetFaults(faults);
    StartSession();
    EXPECT_TRUE(Send(kIdentRequest, 0).isEmpty());
    EXPECT_EQ(Send(kIdentRequest, 16), kIdentity);
}

TEST_F(RadioEmulatorTest, WrongChecksumOnABlockReply) {
    RadioEmulatorFaults faults;
    faults.badChecksumReplies = {1, 3};
    radio.SetFaults(faults);
    EXPECT_EQ(Send(kProgram, 3), kProgramAck);  // reply 1 has no checksum: unchanged
    EXPECT_EQ(Send(kRead1F00, 22), kWrite1F00);
    QByteArray corrupted = kWrite1F00;
    corrupted[20] = 0x20;
    EXPECT_EQ(Send(kRead1F00, 22), corrupted);
}

TEST_F(RadioEmulatorTest, SplitReplyComesInTwoWrites) {
    RadioEmulatorFaults faults;
    faults.splitReplies = {2};
    faults.splitGapMs = 15;
    radio.SetFaults(faults);
    StartSession();
    EXPECT_EQ(Send(kIdentRequest, 16), kIdentity);
    ASSERT_EQ(received.chunks.size(), 2);
    EXPECT_EQ(received.chunks[0], kIdentity.left(8));
}

TEST_F(RadioEmulatorTest, ExtraByteAfterAReply) {
    RadioEmulatorFaults faults;
    faults.extraByteReplies = {1};
    faults.extraByte = 0x55;
    radio.SetFaults(faults);
    EXPECT_EQ(Send(kProgram, 4), Bytes({0x5A, 0x52, 0x06, 0x55}));
}

TEST_F(RadioEmulatorTest, SilentFromTheNthBlockOn) {
    RadioEmulatorFaults faults;
    faults.silentFromBlock = 2;
    radio.SetFaults(faults);
    StartSession();
    EXPECT_EQ(Send(kRead1F00, 22).size(), 22);
    const QByteArray before = radio.Image();
    QByteArray write = kWrite1F00;
    std::fill(write.begin() + 4, write.begin() + 20, '\0');
    write[20] = 0x2F;  // 0x1F + 0x00 + 0x10
    EXPECT_TRUE(Send(write, 0).isEmpty());
    EXPECT_EQ(radio.Image(), before);
    EXPECT_TRUE(Send(kRead1F00, 0).isEmpty());
    EXPECT_TRUE(Send("END", 0).isEmpty());
    EXPECT_TRUE(Send(kProgram, 0).isEmpty());
}

TEST_F(RadioEmulatorTest, IdentityCarriesTheModelAndFirmwareGiven) {
    radio.SetModel("ZR73999");
    radio.SetFirmwareVersion("V300");
    StartSession();
    EXPECT_EQ(Send(kIdentRequest, 16),
              Bytes({0x49, 0x5A, 0x52, 0x37, 0x33, 0x39, 0x39, 0x39, 0x00, 0x56, 0x33, 0x30, 0x30, 0x00, 0x00, 0x00}));
    radio.SetModel("AB");                // short: padded with NUL
    radio.SetFirmwareVersion("V20012");  // long: cut
    EXPECT_EQ(Send(kIdentRequest, 16),
              Bytes({0x49, 0x41, 0x42, 0, 0, 0, 0, 0, 0x00, 0x56, 0x32, 0x30, 0x30, 0x00, 0x00, 0x00}));
}

TEST_F(RadioEmulatorTest, EndNeverAcknowledged) {
    RadioEmulatorFaults faults;
    faults.noEndAck = true;
    radio.SetFaults(faults);
    StartSession();
    EXPECT_TRUE(Send("END", 0).isEmpty());
    EXPECT_FALSE(radio.InSession());
    EXPECT_EQ(radio.GetCounters().endFrames, 1);
}

TEST(RadioEmulatorImage, DefaultImageAndItsChecks) {
    const QByteArray image = RadioEmulator::DefaultImage();
    ASSERT_EQ(image.size(), 0x6600);
    EXPECT_EQ(static_cast<quint8>(image[0x0000]), 0xFF);
    EXPECT_EQ(static_cast<quint8>(image[0x5F1F]), 0xFF);
    EXPECT_EQ(static_cast<quint8>(image[0x5F20]), 0x00);
    EXPECT_EQ(static_cast<quint8>(image[0x65FF]), 0x00);
    RadioEmulator radio;
    EXPECT_FALSE(radio.SetImage(QByteArray(0x6601, 0)));
    EXPECT_FALSE(radio.SetImage(QByteArray(0x65FF, 0)));
    EXPECT_EQ(radio.Image(), image);
}

// Pacing against a clock of the test's own: no wall time involved.
class RadioEmulatorPacing : public ::testing::Test {
protected:
    void SetUp() override {
        SerialTest::EnsureApp();
        radio.SetPacing(true);
        radio.SetClock([this] { return now; });
        radio.SetWriter([this](const QByteArray& data) { writes.append(data); });
    }
    QByteArray Written() const {
        QByteArray all;
        for (const QByteArray& w : writes) all += w;
        return all;
    }
    void At(qint64 t) {
        now = t;
        radio.SendDue();
    }

    static constexpr qint64 T = RadioEmulator::kByteNs;
    qint64 now = 1000 * T;
    RadioEmulator radio;
    QList<QByteArray> writes;
};

TEST_F(RadioEmulatorPacing, ByteTimeIsOneTenthOf9600) {
    EXPECT_EQ(T, 1041666);
}

TEST_F(RadioEmulatorPacing, ReplyWaitsForTheFrameThenGoesOutByteByByte) {
    const qint64 t0 = now;
    radio.Receive(kProgram);
    // "PROGRAM" takes 7 byte times to arrive; 'Z' is through one byte time later.
    At(t0 + 8 * T - 1);
    EXPECT_TRUE(writes.isEmpty());
    At(t0 + 8 * T);
    EXPECT_EQ(Written(), QByteArray("Z"));
    At(t0 + 9 * T);
    EXPECT_EQ(Written(), QByteArray("ZR"));
    At(t0 + 10 * T);
    EXPECT_EQ(Written(), kProgramAck);
    EXPECT_FALSE(radio.IsSending());
}

TEST_F(RadioEmulatorPacing, FrameArrivingInPiecesCountsFromItsLastPiece) {
    const qint64 t0 = now;
    radio.Receive("PRO");       // on the wire until t0 + 3T
    now = t0 + 10 * T;
    radio.Receive("GRAM");      // arrives later: until t0 + 14T
    At(t0 + 15 * T - 1);
    EXPECT_TRUE(writes.isEmpty());
    At(t0 + 17 * T);
    EXPECT_EQ(Written(), kProgramAck);
}

TEST_F(RadioEmulatorPacing, RepliesQueueBehindEachOther) {
    const qint64 t0 = now;
    radio.Receive(kProgram + kIdentRequest);
    // "PROGRAM" is through at 7T, its answer at 8T..10T; the identity request is through
    // at 8T but its answer must wait for the line: 11T..26T.
    At(t0 + 10 * T);
    EXPECT_EQ(Written(), kProgramAck);
    At(t0 + 26 * T - 1);
    EXPECT_EQ(Written(), kProgramAck + kIdentity.left(15));
    At(t0 + 26 * T);
    EXPECT_EQ(Written(), kProgramAck + kIdentity);
}

}  // namespace

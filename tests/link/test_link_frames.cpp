// Opening the port, the frames on the wire, the checksum, the reply classifiers, the
// identity and the progress percentage.
#include "tests/link/LinkTestSupport.h"

#include "platform/serial/MSComm.h"

#include <QByteArray>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>

namespace {

using namespace LinkTest;

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

// The transfer variables as the open step leaves them for a read or a write.
void ReadyForBlocks(int16 curAddr) {
    Link::ImageEnd = 0x6600;
    Link::BlockLen = 16;
    Link::CurAddr = curAddr;
}

class FrameTest : public LinkFixture {};

TEST_F(FrameTest, OpenUsesThePortSettingsAndPreparesTheTransfer) {
    Prog::StopBit = 2;
    Prog::Handshaking = 2;
    Link::LastPercent = 40;
    Link::BlockRetries[1024] = 3;
    Link::ProgramRetries = {1, 1};
    ASSERT_TRUE(ModComm::PrepareTransfer(1));
    MSComm& comm = ModComm::MSComm1();
    EXPECT_TRUE(comm.PortOpen());
    EXPECT_EQ(comm.CommPort(), kCom);
    EXPECT_EQ(comm.Handshaking(), 2);
    EXPECT_EQ(comm.Settings(), QStringLiteral("9600,N,8,2"));
    EXPECT_EQ(comm.InputMode(), MSComm::comInputModeBinary);
    EXPECT_EQ(comm.InputLen(), 0);
    EXPECT_EQ(comm.RThreshold(), 1);
    EXPECT_EQ(Link::ImageEnd, 0x6600);
    EXPECT_EQ(Link::BlockLen, 16);
    EXPECT_EQ(Link::CurAddr, -16);
    EXPECT_EQ(Link::LastPercent, 0);
    EXPECT_EQ(Link::BlockRetries[1024], 0);
    EXPECT_EQ(Link::ProgramRetries[0] + Link::ProgramRetries[1], 0);
    EXPECT_EQ(Link::MultiFormShown, -1);
    EXPECT_TRUE(boxes.shown().empty());

    ModComm::AbandonTransfer();
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(Prog::CommType, 0);
}

TEST_F(FrameTest, RadioInformationStartsAtBlock0x1F00) {
    ASSERT_TRUE(ModComm::PrepareTransfer(3));
    EXPECT_EQ(Link::CurAddr + Link::BlockLen, 0x1F00);
    ModComm::AbandonTransfer();
}

TEST_F(FrameTest, APortThatCannotOpenIsReportedAndTheCommandGoesBackToIdle) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
    };
    InProcessSerialBackend other(&line, InProcessSerialLine::Host);
    const auto noOverride = qScopeGuard([] { qunsetenv("ZR7310N_COM41"); });
    const Case cases[] = {
        {"no port chosen", [] { Prog::ComPort = 0; }},
        {"stop bits the line cannot take", [] { Prog::StopBit = 3; }},
        {"port in use", [&] { ASSERT_TRUE(other.Open({}, {}, {}, nullptr)); }},
        {"device removed", [&] { other.Close(); line.Unplug(); }},
        {"no such device", [] {
             Prog::ComPort = 41;
             qputenv("ZR7310N_COM41", "/dev/zr7310n-no-such-port");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Prog::ComPort = kCom;
        Prog::StopBit = 1;
        boxes.Clear();
        const qsizetype logged = LogLines().size();
        c.arrange();
        EXPECT_FALSE(ModComm::PrepareTransfer(2));
        EXPECT_EQ(Prog::CommType, 0);
        EXPECT_FALSE(ModComm::MSComm1().PortOpen());
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Cannot Open Communication Port."));
        EXPECT_EQ(boxes.shown()[0].style, 16);  // OK only, critical icon
        EXPECT_EQ(Link::CurAddr, -16);          // the variables keep their new values
        // The box says nothing more; the log keeps the reason.
        ASSERT_EQ(LogLines().size(), logged + 1);
        EXPECT_TRUE(LogLines().back().contains(QStringLiteral("---串口错误: COM"))) << qPrintable(LogLines().back());
    }
    EXPECT_TRUE(LogLines().back().contains(QStringLiteral("COM41: /dev/zr7310n-no-such-port: ") +
                                           QString::fromLocal8Bit(std::strerror(ENOENT))))
        << qPrintable(LogLines().back());
    EXPECT_TRUE(FramesSeen().isEmpty());
}

TEST_F(FrameTest, EveryFrameGoesOutByteForByteWithItsReplyLength) {
    Prog::CommType = 2;
    Prog::WriteState = 4;
    ASSERT_TRUE(ModComm::OpenCommPort());
    MSComm& comm = ModComm::MSComm1();
    radio.SetFaults(DropReplies({1, 2, 3, 4, 5, 6}));  // no answers: only the frames count here

    // Each send discards what is still queued for the line: let every frame through first.
    const auto sent = [&](int n) { return WaitUntil([&] { return FramesSeen().size() == n; }); };
    ReadyForBlocks(0x1EF0);
    for (int i = 0; i < 16; ++i) Link::RadioImage[0x1F00 + i] = 0xFF;
    ModComm::WriteNextBlock();
    EXPECT_EQ(Link::CurAddr, 0x1F00);
    EXPECT_EQ(comm.RThreshold(), 1);
    ASSERT_TRUE(sent(1));
    ModComm::ReadCurBlock();
    EXPECT_EQ(comm.RThreshold(), 22);
    ASSERT_TRUE(sent(2));
    ModComm::SendIdentRequest();
    EXPECT_EQ(comm.RThreshold(), 16);
    ASSERT_TRUE(sent(3));
    ModComm::SendEndFrame();
    EXPECT_EQ(comm.RThreshold(), 1);
    ASSERT_TRUE(sent(4));
    ModComm::StartComm();
    EXPECT_EQ(comm.RThreshold(), 3);
    EXPECT_TRUE(ModComm::IsWaitTimerOn());

    ASSERT_TRUE(WaitUntil([&] { return FramesSeen().size() == 5; }));
    EXPECT_EQ(FramesSeen(), (QStringList{
                                "571F0010" + QString(32, QLatin1Char('F')) + "1F06",  // sum 0x101F
                                "521F0010",
                                "02",
                                "454E44",
                                "50524F4752414D",
                            }));
    ModComm::EndComm(false);
}

TEST_F(FrameTest, TheBlockStepPastTheImageSendsTheEndFrame) {
    Prog::CommType = 1;
    Prog::ReadState = 5;
    ASSERT_TRUE(ModComm::OpenCommPort());
    radio.SetFaults(DropReplies({1}));
    ReadyForBlocks(0x65F0);
    ModComm::ReadNextBlock();
    EXPECT_EQ(Prog::ReadState, 69);
    ASSERT_TRUE(WaitUntil([&] { return !FramesSeen().isEmpty(); }));
    EXPECT_EQ(FramesSeen(), QStringList{QStringLiteral("454E44")});
    ModComm::EndComm(false);
}

TEST(Checksum, SumsFromTheGivenByteUpToTheSumItself) {
    QByteArray frame = Hex("57001010") + QByteArray(16, '\x01') + Hex("0006");
    ModComm::SetChecksum(frame, 1, 1);
    EXPECT_EQ(static_cast<quint8>(frame[20]), 0x30);  // 0x00 + 0x10 + 0x10 + 16
    EXPECT_EQ(static_cast<quint8>(frame[21]), 0x06);
    EXPECT_TRUE(ModComm::CheckChecksum(frame, 1, 1));
    frame[20] = 0x31;
    EXPECT_FALSE(ModComm::CheckChecksum(frame, 1, 1));
    QByteArray tiny(1, '\0');
    ModComm::SetChecksum(tiny, 1, 1);  // nothing to sum, nowhere to put it
    EXPECT_EQ(tiny, QByteArray(1, '\0'));
    EXPECT_FALSE(ModComm::CheckChecksum(QByteArray(), 1, 1));
}

// A read reply for block addr, len bytes of value fill, with a correct sum.
QByteArray BlockReply(int addr, int len, char fill) {
    QByteArray r;
    r += 'W';
    r += static_cast<char>(addr >> 8);
    r += static_cast<char>(addr & 0xFF);
    r += static_cast<char>(len);
    r += QByteArray(len, fill);
    r += '\0';
    r += '\x06';
    ModComm::SetChecksum(r, 1, 1);
    return r;
}

TEST(ReplyClassifiers, AcceptExactlyTheirReplies) {
    ReadyForBlocks(0x0020);
    QByteArray goodBlock = BlockReply(0x0020, 16, '\x11');
    QByteArray badSum = goodBlock;
    badSum[20] = static_cast<char>(static_cast<quint8>(badSum[20]) + 1);
    QByteArray noClose = goodBlock;
    noClose[21] = 0x07;
    const QByteArray ident = QByteArray("I") + QByteArray(15, '\xEE');
    struct Case {
        const char* what;
        QByteArray reply;
        bool ack, program, identity, block;
    };
    const Case cases[] = {
        {"ack", Hex("06"), true, false, false, false},
        {"two acks", Hex("0606"), false, false, false, false},
        {"handshake answer", Hex("5A5206"), false, true, false, false},
        {"handshake answer and one more byte", Hex("5A520600"), false, false, false, false},
        {"lower-case tag", Hex("7A7206"), false, false, false, false},
        {"identity, any content", ident, false, false, true, false},
        {"identity one byte short", ident.left(15), false, false, false, false},
        {"identity with another start", QByteArray("J") + ident.mid(1), false, false, false, false},
        {"the block asked for", goodBlock, false, false, false, true},
        {"checksum one too high", badSum, false, false, false, false},
        {"no closing 06", noClose, false, false, false, false},
        {"block of another address", BlockReply(0x0010, 16, '\x11'), false, false, false, false},
        {"block of another length", BlockReply(0x0020, 8, '\x11'), false, false, false, false},
        {"block and an extra byte", goodBlock + Hex("00"), false, false, false, false},
        {"block cut short", goodBlock.left(21), false, false, false, false},
        {"header only", Hex("570020"), false, false, false, false},
        {"nothing", QByteArray(), false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ModComm::IsAck(c.reply), c.ack);
        EXPECT_EQ(ModComm::IsProgramAck(c.reply), c.program);
        EXPECT_EQ(ModComm::IsIdentReply(c.reply), c.identity);
        EXPECT_EQ(ModComm::IsReadBlockReply(c.reply), c.block);
    }
    Link::Reset();
}

TEST(IdentityReply, GivesModelAndFirmwareVersion) {
    Prog::Reset();
    struct Case {
        QByteArray reply;
        QString model, version;
    };
    const Case cases[] = {
        {QByteArray("IZR73103") + '\0' + "V200" + QByteArray(3, '\0'), "ZR73103", "V200"},
        {QByteArray("IZR73") + '\0' + "03" + 'x' + "V301" + "abc", "ZR73", "V301"},
        {QByteArray("IAB     ") + 'x' + "V2" + QByteArray(2, '\0') + "zzz", "AB", QString("V2") + QChar(0) + QChar(0)},
        {QByteArray("I") + QByteArray(15, '\xC4'), QString(7, QChar(0xC4)), QString(4, QChar(0xC4))},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.reply.size(), 16);
        ModComm::ParseIdentReply(c.reply);
        EXPECT_EQ(Link::RadioModel, c.model);
        EXPECT_EQ(Prog::RadioVersion, c.version);
    }
    Link::Reset();
}

TEST(ReadBlock, StoresItsDataAtTheCurrentAddress) {
    Prog::Reset();
    ReadyForBlocks(0x65F0);
    Link::RadioImage.fill(0);
    ModComm::StoreReadBlock(BlockReply(0x65F0, 16, '\x5A'));
    EXPECT_EQ(Link::RadioImage[0x65EF], 0);
    EXPECT_EQ(Link::RadioImage[0x65F0], 0x5A);
    EXPECT_EQ(Link::RadioImage[0x65FF], 0x5A);
    EXPECT_EQ(Link::RadioImage[0x6600], 0);  // never transferred
    Link::CurAddr = 0x65F8;                  // a block that would run past the image is not stored
    ModComm::StoreReadBlock(BlockReply(0x65F8, 16, '\x77'));
    EXPECT_EQ(Link::RadioImage[0x6600], 0);
    Link::Reset();
}

TEST(Progress, RoundsHalfToEvenAndNeverGoesBack) {
    Prog::Reset();
    FakeWindowServices windows;
    struct Case {
        int curAddr;
        int lastPercent;
        bool group;
        QString shown;  // empty: nothing shown
    };
    const Case cases[] = {
        {0x0000, 0, false, ""},
        {0x0010, 0, false, ""},  // 0.06
        {0x0CC0, 0, false, "SetProgressValue 12"},  // 12.5
        {0x0CD0, 0, false, "SetProgressValue 13"},  // 12.56
        {0x2640, 0, false, "SetProgressValue 38"},  // 37.5
        {0x3FC0, 0, false, "SetProgressValue 62"},  // 62.5
        {0x65F0, 0, false, "SetProgressValue 100"},  // 99.94: the last block of a read
        {0x0CC0, 12, false, ""},
        {0x0CC0, 13, false, ""},
        {0x0CD0, 12, true, "SetProgressValue 13 group"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.curAddr);
        ReadyForBlocks(static_cast<int16>(c.curAddr));
        Link::LastPercent = static_cast<int16>(c.lastPercent);
        Prog::MultiWrite = c.group ? -1 : 0;
        windows.calls.clear();
        ModComm::ShowCommProgress();
        EXPECT_EQ(windows.calls, c.shown.isEmpty() ? QStringList() : QStringList{c.shown});
        const int expectedLast = c.shown.isEmpty() ? c.lastPercent : c.shown.section(QLatin1Char(' '), 1, 1).toInt();
        EXPECT_EQ(Link::LastPercent, expectedLast);
    }
    Prog::Reset();
    Link::Reset();
}

}  // namespace

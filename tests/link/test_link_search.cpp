// The automatic port search, which the program never starts: driven here the way an entry
// would drive it, over three in-process lines.
#include "tests/link/LinkTestSupport.h"

#include "link/ModTestComm.h"
#include "platform/ProfileIni.h"
#include "platform/serial/ComPorts.h"
#include "platform/serial/MSComm.h"

#include <QPair>

namespace {

using namespace LinkTest;

constexpr int kSilent = 11;  // a port with nothing on it
constexpr int kOther = 12;   // a radio of another model
constexpr int kRight = 13;   // a radio of the data's model (the fixture's)

class SearchTest : public LinkFixture {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        timeouts->SetReplyMissing(
            [this] { return LineQuiet(line, radio) && LineQuiet(otherLine, otherRadio) && silentLine.IsIdle(); });
        ModTestComm::Search = {};
        ComPorts::RegisterInProcessLine(kSilent, &silentLine);
        ComPorts::RegisterInProcessLine(kOther, &otherLine);
        ComPorts::RegisterInProcessLine(kRight, &line);
        ASSERT_TRUE(silentEnd.Open({}, {}, {}, nullptr));
        QObject::connect(&silentEnd, &SerialBackend::bytesArrived, &silentEnd,
                         [this](const QByteArray& data) { silentHeard += data; });
        ASSERT_TRUE(otherRadio.Attach(&otherLine));
        otherRadio.SetModel("ZR9999X");
        QObject::connect(&otherRadio, &RadioEmulator::frameSeen, &otherRadio, [this](const QByteArray& frame) {
            if (frame == "PROGRAM")
                candidatesHeard << qMakePair(ModComm::MSComm1().Handshaking(), ModComm::MSComm1().Settings());
        });
    }
    void TearDown() override {
        LinkFixture::TearDown();
        otherRadio.Detach();
        silentEnd.Close();
        ModTestComm::Search = {};
    }

    // An entry would open the pending operation's transfer and hand over to the search.
    void StartSearch(std::initializer_list<int> ports, int16 pending) {
        auto& s = ModTestComm::Search;
        for (int p : ports) s.Ports[static_cast<std::size_t>(s.PortCount++)] = static_cast<int16>(p);
        s.PendingCommType = pending;
        s.ProgressCaption = QStringLiteral("Read data from radio");
        Link::ImageEnd = 0x6600;
        Link::BlockLen = 16;
        Link::CurAddr = -16;
        ModComm::InitImage();
        Prog::CommType = 9;
        ModTestComm::TestNextComm(false);
    }

    QString Setting(const QString& key) const {
        return ProfileIni::GetPrivateProfileString(QStringLiteral("language"), key, QStringLiteral("-"),
                                                   env->Path(QStringLiteral("root/language/mysetup.ini")));
    }

    InProcessSerialLine silentLine;
    InProcessSerialBackend silentEnd{&silentLine, InProcessSerialLine::Device};
    QByteArray silentHeard;
    InProcessSerialLine otherLine;
    RadioEmulator otherRadio;
    QList<QPair<int, QString>> candidatesHeard;
};

TEST_F(SearchTest, TriesEveryCandidateUntilTheRightModelAnswersThenGoesOnWithTheRead) {
    StartSearch({kSilent, kOther, kRight}, 1);
    ASSERT_TRUE(RunToEnd());

    EXPECT_EQ(silentHeard.count("PROGRAM"), 8 * 3);  // three handshakes for each of the 8 settings
    const QString one = QStringLiteral("9600,N,8,1"), two = QStringLiteral("9600,N,8,2");
    EXPECT_EQ(candidatesHeard, (QList<QPair<int, QString>>{{0, one}, {1, one}, {2, one}, {3, one},
                                                           {0, two}, {1, two}, {2, two}, {3, two}}));
    EXPECT_EQ(otherRadio.GetCounters().identRequests, 8);

    EXPECT_EQ(Prog::ComPort, kRight);
    EXPECT_EQ(Prog::Handshaking, 0);
    EXPECT_EQ(Prog::StopBit, 1);
    EXPECT_EQ(Setting("comPort"), QStringLiteral("13"));
    EXPECT_EQ(Setting("Handshaking"), QStringLiteral("0"));
    EXPECT_EQ(Setting("StopBit"), QStringLiteral("1"));
    EXPECT_EQ(ModTestComm::Search.Found, -1);
    EXPECT_EQ(ModTestComm::Search.FallbackPort, kOther);
    EXPECT_TRUE(windows.calls.contains(QStringLiteral("SetStatusPanelText 3 COM13")));
    EXPECT_TRUE(windows.calls.contains(QStringLiteral("SetProgressCaption Read data from radio")));

    EXPECT_EQ(radio.GetCounters().programFrames, 1);
    EXPECT_EQ(radio.GetCounters().identRequests, 1);  // the search's; the read goes on from there
    EXPECT_EQ(Transferred(), radio.Image());
    EXPECT_EQ(boxes.prompts(), QStringList{QStringLiteral("Read Data Completed.")});
    // The search's own handshakes are not logged; everything from the identity request on is.
    EXPECT_TRUE(LogLines().filter(QStringLiteral("50524F4752414D")).isEmpty());
    EXPECT_EQ(LogLines().filter(QStringLiteral("发送数据: 02\"")).size(), 8 + 1);
}

TEST_F(SearchTest, FallsBackToTheFirstRadioThatAnswered) {
    StartSearch({kSilent, kOther}, 1);
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(Prog::ComPort, kOther);
    EXPECT_EQ(Setting("comPort"), QStringLiteral("12"));
    EXPECT_EQ(ModTestComm::Search.Found, 0);
    // The read on the fallback meets the other model and ends as failed.
    EXPECT_EQ(boxes.prompts(), QStringList{QStringLiteral("Model type is wrong.")});
}

TEST_F(SearchTest, WithoutAnyRadioTheUserIsAsked) {
    for (auto ports : {std::initializer_list<int>{kSilent}, std::initializer_list<int>{}}) {
        SCOPED_TRACE(ports.size());
        ModTestComm::Search = {};
        boxes.Clear();
        boxes.Answer(MsgBox::Cancel);
        StartSearch(ports, 2);
        ASSERT_TRUE(RunToEnd());
        EXPECT_EQ(boxes.prompts(), QStringList{QStringLiteral("Check Connection. Retry or Cancel?")});
        EXPECT_EQ(Prog::ComPort, kCom);  // nothing stored
        EXPECT_EQ(Setting("comPort"), QStringLiteral("-"));
        EXPECT_FALSE(ModComm::MSComm1().PortOpen());
    }
}

}  // namespace

// The preview of a tone set on a fake clock: which tones sound when and for how long, the
// silences and pauses, repetitions, and what stopping or switching sets does.
#include "FakeBeep.h"
#include "RogerBeepTestData.h"
#include "features/rogerbeep/ModBeep.h"

#include <gtest/gtest.h>

namespace {

using ModBeep::BeepState;
using Tone = FakeToneOutput::Tone;

class Preview : public ::testing::Test {
protected:
    void SetUp() override { RBTest::ResetData(); }
    void TearDown() override { ModBeep::ResetBeepState(); }

    // Play as the editor does, for the set of the selected tab.
    bool Play(int n) {
        BeepState.CurRBSet = static_cast<int16>(n);
        if (!ModBeep::InitRBPlay(n)) return false;
        ModBeep::PlayRB(BeepState.CurRBSet, [this] {
            finishedAt = clock.now;
            ++finishedCalls;
        });
        return true;
    }

    FakeBeepTimer clock;
    FakeToneOutput out{clock};
    std::int64_t finishedAt = -1;
    int finishedCalls = 0;
};

TEST_F(Preview, TotalTimeDecidesWhetherThereIsAnythingToPlay) {
    EXPECT_EQ(ModBeep::GetRBTotalTime(4), 300);  // five tones of 60 ms
    EXPECT_EQ(ModBeep::GetRBTotalTime(6), 0);
    EXPECT_FALSE(ModBeep::InitRBPlay(6)) << "every length 0";
    RBTest::Write(6, 0, 7, {{0, 0}, {0, 1}});
    EXPECT_EQ(ModBeep::GetRBTotalTime(6), 10);
    BeepState.RBStopFlag = -1;
    EXPECT_TRUE(ModBeep::InitRBPlay(6)) << "one length of 10 ms; the repeat count is not asked";
    EXPECT_EQ(BeepState.RBStopFlag, 0);
    EXPECT_EQ(BeepState.RBRepeatCount, 0);
    EXPECT_EQ(BeepState.RBPauseMs, 70);
    for (int n : {0, 9, -1}) {
        EXPECT_EQ(ModBeep::GetRBTotalTime(n), 0) << n;
        EXPECT_FALSE(ModBeep::InitRBPlay(n)) << n;
    }
}

// 400 Hz for 10 ms; 100 ms silent (frequency 0); 100 ms silent (40 Hz is below 50); 50 Hz
// for 10 ms; 1000 Hz for 50 ms; a pause of 500 ms; three times.
TEST_F(Preview, TonesSilencesAndPausesInOrder) {
    RBTest::Write(7, 3, 50, {{40, 1}, {0, 10}, {4, 10}, {5, 1}, {100, 5}});
    ASSERT_TRUE(Play(7));
    clock.RunOut();
    std::vector<Tone> expected;
    for (int r = 0; r < 3; ++r)
        for (const Tone& t : {Tone{0, 400, 10}, Tone{210, 50, 10}, Tone{220, 1000, 50}})
            expected.push_back({t.at + 770 * r, t.freqHz, t.ms});
    EXPECT_EQ(out.tones, expected);
    EXPECT_EQ(finishedAt, 3 * 770) << "the pause follows the last repetition too";
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_FALSE(ModBeep::IsPlaying());
}

TEST_F(Preview, RepeatCountZeroPlaysNothing) {
    RBTest::Write(6, 0, 10, {{100, 10}});
    ASSERT_TRUE(Play(6));
    EXPECT_EQ(finishedCalls, 1) << "ends at once";
    EXPECT_TRUE(out.tones.empty());
    EXPECT_FALSE(clock.Pending());
}

TEST_F(Preview, StopDuringThePauseEndsAtTheNextTone) {
    RBTest::Write(7, 3, 50, {{40, 1}, {0, 10}, {4, 10}, {5, 1}, {100, 5}});
    ASSERT_TRUE(Play(7));
    clock.Advance(300);  // inside the first pause (270..770)
    BeepState.RBStopFlag = -1;
    clock.RunOut();
    EXPECT_EQ(out.tones.size(), 3u);
    EXPECT_EQ(finishedAt, 770) << "the pause runs to its end";
}

TEST_F(Preview, StopDuringAToneLetsItEnd) {
    RBTest::Write(7, 2, 0, {{100, 10}, {200, 10}});
    ASSERT_TRUE(Play(7));
    clock.Advance(40);
    BeepState.RBStopFlag = -1;
    clock.RunOut();
    EXPECT_EQ(out.tones, (std::vector<Tone>{{0, 1000, 100}}));
    EXPECT_EQ(finishedAt, 100);
}

// The set is read again before every tone: a tab switch makes the remaining tones come
// from the newly shown set, while the repeat count and pause stay those of the start.
TEST_F(Preview, TabSwitchChangesTheTonesStillToCome) {
    RBTest::Write(7, 2, 20, {{100, 10}, {110, 10}});
    RBTest::Write(8, 5, 0, {{200, 10}, {210, 10}, {220, 10}});
    ASSERT_TRUE(Play(7));
    clock.Advance(50);
    BeepState.CurRBSet = 8;
    clock.RunOut();
    const std::vector<Tone> expected = {{0, 1000, 100},   {100, 2100, 100}, {200, 2200, 100},
                                        {500, 2000, 100}, {600, 2100, 100}, {700, 2200, 100}};
    EXPECT_EQ(out.tones, expected);
    EXPECT_EQ(finishedAt, 1000) << "two repetitions with 200 ms pauses";
}

TEST_F(Preview, EditsReachTheTonesStillToCome) {
    RBTest::Write(7, 1, 0, {{100, 10}, {110, 10}});
    ASSERT_TRUE(Play(7));
    RBTest::Set(7).Tone[2] = {150, 3};
    clock.RunOut();
    EXPECT_EQ(out.tones, (std::vector<Tone>{{0, 1000, 100}, {100, 1500, 30}}));
}

// Values only a damaged file holds: nothing overflows, lengths below 0 are skipped,
// frequencies below 0 are silences, and a repeat count above 256 still ends.
TEST_F(Preview, ValuesOutsideTheListsPlayWithoutFault) {
    RBTest::Write(7, 1, 3000, {{5000, 4000}, {-10, 2}, {100, -3}, {32767, 32767}});
    ASSERT_TRUE(Play(7));
    clock.RunOut();
    EXPECT_EQ(out.tones, (std::vector<Tone>{{0, 50000, 40000}, {40020, 327670, 327670}}));
    EXPECT_EQ(finishedAt, 40020 + 327670 + 30000);

    RBTest::Write(7, 300, 0, {{100, 1}});
    out.tones.clear();
    ASSERT_TRUE(Play(7));
    clock.RunOut();
    EXPECT_EQ(out.tones.size(), 300u);
    EXPECT_EQ(finishedCalls, 2);
}

TEST_F(Preview, ANewPreviewDropsTheOldOneWithoutItsEnd) {
    RBTest::Write(7, 1, 100, {{100, 10}});
    ASSERT_TRUE(Play(7));
    clock.Advance(500);  // in the pause
    int newEnds = 0;
    BeepState.CurRBSet = 4;
    ASSERT_TRUE(ModBeep::InitRBPlay(4));
    ModBeep::PlayRB(BeepState.CurRBSet, [&] { ++newEnds; });
    clock.RunOut();
    EXPECT_EQ(finishedCalls, 0);
    EXPECT_EQ(newEnds, 1);
    EXPECT_EQ(out.tones.size(), 1u + 5u);
    EXPECT_EQ(clock.now, 500 + 300);
}

TEST_F(Preview, ASetNumberOutsideTheSetsPlaysOnlyPauses) {
    RBTest::Write(7, 2, 10, {{100, 10}});
    ASSERT_TRUE(Play(7));
    BeepState.CurRBSet = 9;  // before the first step is read again
    clock.RunOut();
    EXPECT_EQ(out.tones.size(), 1u);
    EXPECT_EQ(finishedAt, 100 + 100 + 100);
}

}  // namespace

// The editor's lists and the rules for storing a choice: positions and stored values, the
// guards that keep the last valid set, and re-pointing the users of a set number.
#include "FakeWindowServices.h"
#include "RogerBeepTestData.h"
#include "features/rogerbeep/ToneSetEdit.h"

#include <gtest/gtest.h>

namespace {

using namespace ToneSetEdit;
using RBTest::Set;

TEST(ToneSetLists, ItemsInBothLanguages) {
    RBTest::ResetData();
    const QStringList repeat = RepeatItems();
    ASSERT_EQ(repeat.size(), 11);
    EXPECT_EQ(repeat.front(), QStringLiteral("Off"));
    EXPECT_EQ(repeat[1], QStringLiteral("1"));
    EXPECT_EQ(repeat.back(), QStringLiteral("10"));
    const QStringList times = TimeItems();
    ASSERT_EQ(times.size(), 256);
    EXPECT_EQ(times[0], QStringLiteral("0"));
    EXPECT_EQ(times[1], QStringLiteral("10"));
    EXPECT_EQ(times[100], QStringLiteral("1000"));
    EXPECT_EQ(times.back(), QStringLiteral("2550"));
    const QStringList freqs = FreqItems();
    ASSERT_EQ(freqs.size(), 217);
    EXPECT_EQ(freqs[0], QStringLiteral("None"));
    EXPECT_EQ(freqs[1], QStringLiteral("400"));
    EXPECT_EQ(freqs[2], QStringLiteral("410"));
    EXPECT_EQ(freqs.back(), QStringLiteral("2550"));
    Prog::CurLanguage = 2;
    EXPECT_EQ(RepeatItems().front(), QStringLiteral("关"));
    EXPECT_EQ(FreqItems().front(), QStringLiteral("无"));
    EXPECT_EQ(FreqItems()[1], QStringLiteral("400"));
    Prog::CurLanguage = 1;
}

TEST(ToneSetLists, PositionsOfStoredValues) {
    struct Case {
        int stored, position;
    };
    // Frequencies: "None" is 0, "400" Hz is 40, "2550" Hz is 255.
    for (const Case& c : std::initializer_list<Case>{{0, 0}, {40, 1}, {41, 2}, {210, 171}, {255, 216},
                                                     {25, -1}, {1, -1}, {39, -1}, {256, -1}, {-4, -1}}) {
        EXPECT_EQ(FreqPosition(c.stored), c.position) << c.stored;
        if (c.position >= 0) {
            EXPECT_EQ(FreqOfPosition(c.position), c.stored) << c.position;
        }
    }
    for (int p : {-1, 217, 1000}) EXPECT_EQ(FreqOfPosition(p), -1) << p;
    // Repeat count (11 items) and times (256 items): the position is the value.
    for (const Case& c : std::initializer_list<Case>{{0, 0}, {10, 10}, {11, -1}, {-1, -1}})
        EXPECT_EQ(ListPosition(c.stored, kRepeatItems), c.position) << c.stored;
    for (const Case& c : std::initializer_list<Case>{{0, 0}, {255, 255}, {256, -1}, {300, -1}, {-7, -1}})
        EXPECT_EQ(ListPosition(c.stored, kTimeItems), c.position) << c.stored;
}

class ToneSetChoice : public ::testing::Test {
protected:
    void SetUp() override { RBTest::ResetData(); }

    // Channels and the public setting that point at set n.
    static void PointAt(int n) {
        Prog::RadioData.ChCountAt(0, 12) = 1;  // HF "L", beyond the ten groups of old
        Prog::ChInfo(0, 1, 12).RBSet = static_cast<int16>(n);
        Prog::RadioData.ChCountAt(1, 3) = 2;
        Prog::ChInfo(1, 2, 3).RBSet = static_cast<int16>(n);
        Prog::RadioData.OptFeatures.RBSet = static_cast<int16>(n);
    }

    FakeWindowServices windows;
};

TEST_F(ToneSetChoice, RepeatCount) {
    EXPECT_EQ(ChooseRepeatTimes(2, 1), Outcome::Unchanged);
    EXPECT_EQ(ChooseRepeatTimes(2, 10), Outcome::Stored);
    EXPECT_EQ(Set(2).RepeatTimes, 10);
    EXPECT_EQ(windows.calls, QStringList{QStringLiteral("RefreshRBUse")});
}

TEST_F(ToneSetChoice, SwitchingOneOfTwoValidSetsOffRepointsItsUsers) {
    RBTest::OnlyValid(1);
    Set(2).RepeatTimes = 1;
    PointAt(2);
    EXPECT_EQ(ChooseRepeatTimes(2, 0), Outcome::Stored);
    EXPECT_EQ(Set(2).RepeatTimes, 0);
    EXPECT_EQ(Prog::ChInfo(0, 1, 12).RBSet, 1);
    EXPECT_EQ(Prog::ChInfo(1, 2, 3).RBSet, 1);
    EXPECT_EQ(Prog::RadioData.OptFeatures.RBSet, 1);
    EXPECT_EQ(windows.calls, QStringList{QStringLiteral("RefreshRBUse")});
}

// With one valid set, "Off" is refused on every set that has a count, valid or not.
TEST_F(ToneSetChoice, TheLastValidSetCannotBeSwitchedOff) {
    RBTest::OnlyValid(3);
    Set(6).RepeatTimes = 3;  // no lengths: not valid
    EXPECT_EQ(ChooseRepeatTimes(3, 0), Outcome::Refused);
    EXPECT_EQ(ChooseRepeatTimes(6, 0), Outcome::Refused);
    EXPECT_EQ(Set(3).RepeatTimes, 1);
    EXPECT_EQ(Set(6).RepeatTimes, 3);
    EXPECT_EQ(ChooseRepeatTimes(3, 4), Outcome::Stored);
    EXPECT_EQ(Set(3).RepeatTimes, 4);
}

TEST_F(ToneSetChoice, TheLastLengthOfTheLastValidSetStays) {
    RBTest::OnlyValid(4);
    RBTest::Write(4, 1, 0, {{64, 0}, {94, 6}});
    EXPECT_EQ(ChooseToneLen(4, 2, 0), Outcome::Refused);
    EXPECT_EQ(Set(4).Tone[2].ToneLen, 6);
    EXPECT_TRUE(windows.calls.isEmpty());
    EXPECT_EQ(ChooseToneLen(4, 2, 9), Outcome::Stored);
    EXPECT_EQ(Set(4).Tone[2].ToneLen, 9);
    EXPECT_EQ(ChooseToneLen(4, 2, 9), Outcome::Unchanged);
    EXPECT_EQ(windows.calls, QStringList{QStringLiteral("RefreshRBUse")});
    // Another length of the set keeps it valid: now the first may go.
    EXPECT_EQ(ChooseToneLen(4, 1, 3), Outcome::Stored);
    EXPECT_EQ(ChooseToneLen(4, 2, 0), Outcome::Stored);
    // A stored length beyond the list (from a file) counts as a length.
    Set(4).Tone[5].ToneLen = 300;
    EXPECT_EQ(ChooseToneLen(4, 1, 0), Outcome::Stored);
    EXPECT_EQ(ChooseToneLen(4, 5, 0), Outcome::Refused);
}

TEST_F(ToneSetChoice, TheGuardAppliesToWhicheverSetIsShown) {
    RBTest::OnlyValid(1);
    RBTest::Write(6, 0, 0, {{100, 0}});
    EXPECT_EQ(ChooseToneLen(6, 1, 5), Outcome::Stored) << "a length on a set that is off";
    EXPECT_EQ(ChooseToneLen(6, 1, 0), Outcome::Refused) << "and taking it away again";
    RBTest::Write(1, 1, 0, {{100, 5}, {100, 5}});
    EXPECT_EQ(ChooseToneLen(1, 1, 0), Outcome::Stored);
}

TEST_F(ToneSetChoice, FrequencyAndPauseAreStoredAsChosen) {
    EXPECT_EQ(ChooseToneFreq(1, 1, 0), Outcome::Stored);
    EXPECT_EQ(Set(1).Tone[1].ToneFreq, 0);
    EXPECT_EQ(ChooseToneFreq(1, 14, 216), Outcome::Stored);
    EXPECT_EQ(Set(1).Tone[14].ToneFreq, 255);
    EXPECT_EQ(ChooseToneFreq(1, 2, 1), Outcome::Stored);
    EXPECT_EQ(Set(1).Tone[2].ToneFreq, 40);
    EXPECT_EQ(ChooseInterTime(5, 255), Outcome::Stored);
    EXPECT_EQ(Set(5).InterTime, 255);
    EXPECT_TRUE(windows.calls.isEmpty()) << "neither changes which sets are valid";
}

TEST_F(ToneSetChoice, NumbersOutsideTheirRangesChangeNothing) {
    const auto before = Prog::RadioData.ToneTips;
    for (int n : {0, 9, -1}) {
        EXPECT_EQ(ChooseRepeatTimes(n, 1), Outcome::Refused);
        EXPECT_EQ(ChooseInterTime(n, 1), Outcome::Refused);
        EXPECT_EQ(ChooseToneFreq(n, 1, 1), Outcome::Refused);
        EXPECT_EQ(ChooseToneLen(n, 1, 1), Outcome::Refused);
    }
    for (int k : {0, 15}) {
        EXPECT_EQ(ChooseToneFreq(1, k, 1), Outcome::Refused);
        EXPECT_EQ(ChooseToneLen(1, k, 1), Outcome::Refused);
    }
    EXPECT_EQ(ChooseRepeatTimes(1, 11), Outcome::Refused);
    EXPECT_EQ(ChooseInterTime(1, 256), Outcome::Refused);
    EXPECT_EQ(ChooseToneFreq(1, 1, 217), Outcome::Refused);
    EXPECT_EQ(ChooseToneLen(1, 1, -1), Outcome::Refused);
    EXPECT_TRUE(Prog::RadioData.ToneTips == before);
    EXPECT_TRUE(windows.calls.isEmpty());
}

}  // namespace

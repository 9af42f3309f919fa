// The editor's list positions of stored values, and the choices that the window's tests
// cannot reach: lengths beyond the list, the guard on a set that is off, numbers out of range.
#include "FakeWindowServices.h"
#include "RogerBeepTestData.h"
#include "features/rogerbeep/ToneSetEdit.h"

#include <gtest/gtest.h>

namespace {

using namespace ToneSetEdit;
using RBTest::Set;

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

    FakeWindowServices windows;
};

// The last-length rule looks at the stored set: a length beyond the list (from a file),
// which the editor shows as no item, still keeps the set valid.
TEST_F(ToneSetChoice, ALengthBeyondTheListCountsForTheLastValidSet) {
    RBTest::OnlyValid(4);
    RBTest::Write(4, 1, 0, {{64, 6}, {94, 0}, {134, 300}});
    EXPECT_EQ(ChooseToneLen(4, 1, 0), Outcome::Stored);
    EXPECT_EQ(ChooseToneLen(4, 3, 0), Outcome::Refused);
    EXPECT_EQ(Set(4).Tone[3].ToneLen, 300);
    EXPECT_EQ(windows.calls, QStringList{QStringLiteral("RefreshRBUse")});
}

TEST_F(ToneSetChoice, TheGuardAppliesToWhicheverSetIsShown) {
    RBTest::OnlyValid(1);
    RBTest::Write(6, 0, 0, {{100, 0}});
    EXPECT_EQ(ChooseToneLen(6, 1, 5), Outcome::Stored) << "a length on a set that is off";
    EXPECT_EQ(ChooseToneLen(6, 1, 0), Outcome::Refused) << "and taking it away again";
    RBTest::Write(1, 1, 0, {{100, 5}, {100, 5}});
    EXPECT_EQ(ChooseToneLen(1, 1, 0), Outcome::Stored);
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

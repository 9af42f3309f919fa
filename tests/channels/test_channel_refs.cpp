// Channel counts of a group and the five per-group channel references.
#include "ChannelTestEnv.h"
#include "FakeWindowServices.h"
#include "channels/ModShowOptFun.h"

#include <gtest/gtest.h>

using namespace ModShowOptFun;

namespace {

class ChannelRefs : public ::testing::Test {
protected:
    void SetUp() override {
        ChTest::ResetData();
        ChTest::Show(0, 1);
    }
    OptFeatRec& o = Prog::RadioData.OptFeatures;
};

TEST_F(ChannelRefs, SameKind) {
    struct Case { int n, ref, result; };
    const Case cases[] = {{5, 7, 5}, {45, 7, 0}, {45, 41, 45}, {40, 1, 40}, {41, 40, 0}, {3, 0, 3}, {0, 60, 0}};
    for (const Case& c : cases) EXPECT_EQ(GetSameKindCHID(c.n, c.ref), c.result) << c.n << " " << c.ref;
}

TEST_F(ChannelRefs, CountsByKind) {
    ChTest::Lay(0, 1, {{41, "28.0"}, {3, "28.0"}, {40, "28.0"}, {60, "28.0"}, {1, "28.0"}});
    EXPECT_EQ(CountNormalChannels(0, 1), 3);
    EXPECT_EQ(CountSameKindChannels(0, 1, 7), 3);
    EXPECT_EQ(CountSameKindChannels(0, 1, 50), 2);
    EXPECT_EQ(CountNormalChannels(0, 5), 0);
    EXPECT_EQ(CountNormalChannels(0, 15), 0);  // outside the table
    EXPECT_EQ(CountNormalChannels(2, 1), 0);
}

TEST_F(ChannelRefs, OrdinaryChannelsOfOtherSwitchedOnGroups) {
    ChTest::Lay(0, 1, {{40, "28.0"}, {41, "28.0"}});
    ChTest::Lay(0, 2, {{1, "28.0"}, {2, "28.0"}});
    ChTest::Lay(0, 3, {{1, "28.0"}});
    ChTest::GroupValid(0, 3) = 0;                 // off: not counted
    ChTest::Lay(0, 11, {{1, "28.0"}});            // K: not counted
    ChTest::Lay(0, 13, {{1, "28.0"}});            // MEM: not counted
    EXPECT_EQ(CountNormalChannelsExcept(0, 1, 40), 2);
    EXPECT_EQ(CountNormalChannelsExcept(0, 2, 1), 2);  // leaves out B's channel 1 only
    EXPECT_EQ(CountNormalChannelsExcept(0, 1, 41), 3);
    ChTest::Lay(1, 9, {{1, "28.0"}});
    ChTest::Lay(1, 10, {{1, "28.0"}});            // HAM MEM: not counted
    EXPECT_EQ(CountNormalChannelsExcept(1, 1, 0), 1);
}

TEST_F(ChannelRefs, PickedReferenceByTheExamples) {
    // Channels added in the order 41, 3, 5, 7, then 5 deleted.
    ChTest::Lay(0, 1, {{41, "28.0"}, {3, "28.0"}, {5, "28.0"}, {7, "28.0"}});
    ModShowFreFun::DeleteChannel(3, 0, 1);
    struct Case { int ref, result; };
    const Case cases[] = {{5, 3}, {45, 41}, {7, 7}, {41, 41}, {3, 3}, {0, 3}, {-2, 3}};
    for (const Case& c : cases) EXPECT_EQ(PickChannelRef(0, 1, c.ref), c.result) << c.ref;
    ChTest::Lay(0, 2, {{45, "28.0"}});
    EXPECT_EQ(PickChannelRef(0, 2, 0), 0);   // no ordinary channel
    EXPECT_EQ(PickChannelRef(0, 2, 60), 45);
    ChTest::Lay(0, 3, {});
    EXPECT_EQ(PickChannelRef(0, 3, 1), 0);
}

TEST_F(ChannelRefs, FirstInSlotOrderNotTheLowestNumber) {
    ChTest::Lay(0, 1, {{9, "28.0"}, {2, "28.0"}});
    EXPECT_EQ(PickChannelRef(0, 1, 5), 9);
}

TEST_F(ChannelRefs, RefreshRepointsAllFiveAndAsksTheOpenEditorToShowThem) {
    FakeWindowServices windows;
    ChTest::Lay(0, 4, {{41, "28.0"}, {3, "28.0"}, {7, "28.0"}});
    ChTest::Ref(o.EmgCh1, 0, 4) = 5;
    ChTest::Ref(o.EmgCh2, 0, 4) = 7;
    ChTest::Ref(o.MemCh1, 0, 4) = 50;
    ChTest::Ref(o.DwCh1, 0, 4) = 0;
    ChTest::Ref(o.DwCh2, 0, 4) = 41;
    RefreshChannelRefs(0, 4);
    EXPECT_EQ(ChTest::Ref(o.EmgCh1, 0, 4), 3);
    EXPECT_EQ(ChTest::Ref(o.EmgCh2, 0, 4), 7);
    EXPECT_EQ(ChTest::Ref(o.MemCh1, 0, 4), 41);
    EXPECT_EQ(ChTest::Ref(o.DwCh1, 0, 4), 3);
    EXPECT_EQ(ChTest::Ref(o.DwCh2, 0, 4), 41);
    EXPECT_EQ(ChTest::Ref(o.EmgCh1, 1, 4), 1);  // the other mode is left alone
    EXPECT_TRUE(windows.calls.isEmpty());       // no editor open
    ChannelGlobals::ChInfoShown = -1;
    RefreshChannelRefs(0, 4);
    EXPECT_EQ(windows.calls, QStringList{"RefreshChannelRefs"});
}

TEST_F(ChannelRefs, GroupsWithoutReferencesAreLeftAlone) {
    ChTest::Lay(0, kHfVfoGroup, {{1, "28.0"}});
    const OptFeatRec before = o;
    RefreshChannelRefs(0, kHfVfoGroup);
    RefreshChannelRefs(0, 0);
    RefreshChannelRefs(3, 1);
    EXPECT_EQ(o, before);
}

}  // namespace

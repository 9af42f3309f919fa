// One committed grid edit: adding, changing and deleting channels, with the guards on the
// last ordinary channel of a group and the mended faults.
#include "ChannelTestEnv.h"
#include "FakeWindowServices.h"
#include "ScriptedMessageBoxes.h"
#include "channels/ModShowOptFun.h"

#include <gtest/gtest.h>

using ChTest::Edit;
using ChTest::Numbers;

namespace {

const QString kRangeError = QStringLiteral("Frequency is out of range.");
using Nums = std::vector<int>;

class EditCell : public ::testing::Test {
protected:
    void SetUp() override {
        ChTest::ResetData();
        ChTest::Show(0, 1);
        // Every lettered group is on; group B holds channel 1, so A's last one may go.
        for (int mode = 0; mode < 2; ++mode) ChTest::Lay(mode, 2, {{1, "28.5000"}});
    }
    ScriptedMessageBoxes boxes;
};

TEST_F(EditCell, FrequencyOnAnEmptyRowAddsAChannelAsStored) {
    ChTest::Lay(0, 1, {});
    EXPECT_EQ(Edit(5, 1, "30.105"), QStringLiteral("30.1050"));
    EXPECT_EQ(Edit(6, 1, "28.015"), QStringLiteral("28.0150"));
    EXPECT_EQ(Numbers(0, 1), (Nums{5, 6}));
    EXPECT_EQ(ChTest::Find(0, 1, 5)->Freq.Str(), "301050  ");
    EXPECT_EQ(ChTest::Find(0, 1, 6)->Freq.Str(), "280150  ");
    EXPECT_EQ(ChTest::Find(0, 1, 6)->FreqCopy.Str(), "280150  ");
    EXPECT_EQ(ModShowFreFun::ShowFre(ChTest::Find(0, 1, 6)->Freq.ToQString()), QStringLiteral("28.0150"));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(EditCell, OutOfBandOnAnEmptyRowWarnsAndAddsNothing) {
    ChTest::Lay(0, 1, {});
    EXPECT_EQ(Edit(5, 1, "24.7149"), QString());
    EXPECT_EQ(boxes.prompts(), QStringList{kRangeError});
    EXPECT_TRUE(Numbers(0, 1).empty());
    Edit(5, 2, "28.0000");  // an init frequency on a row without a channel
    EXPECT_TRUE(Numbers(0, 1).empty());
}

TEST_F(EditCell, InitFrequencyIsClampedToTheBand) {
    ChTest::Show(1, 1);
    ChTest::Lay(1, 1, {{1, "28.1000"}});
    EXPECT_EQ(Edit(1, 2, "30"), QStringLiteral("29.7000"));
    EXPECT_EQ(Prog::ChInfo(1, 1, 1).InitFreq.Str(), "297000  ");
    EXPECT_EQ(Edit(1, 2, "27"), QStringLiteral("28.0000"));
    EXPECT_EQ(Prog::ChInfo(1, 1, 1).InitFreq.Str(), "280000  ");
    EXPECT_EQ(boxes.prompts(), (QStringList{kRangeError, kRangeError}));
    EXPECT_EQ(Prog::ChInfo(1, 1, 1).Freq.Str(), "281000  ");
}

// A refused frequency typed over a channel used to delete it like a cleared cell.
TEST_F(EditCell, RefusedFrequencyOverAChannelLeavesItUnchanged) {
    ChTest::Lay(0, 1, {{1, "28.1000"}, {3, "28.3000"}});
    const ChannelRecord before = *ChTest::Find(0, 1, 3);
    for (const char* typed : {"30.2", "24", "abc", "."}) {
        boxes.Clear();
        EXPECT_EQ(Edit(3, 1, typed), QString()) << typed;
        EXPECT_EQ(boxes.prompts(), QStringList{kRangeError}) << typed;
        EXPECT_EQ(Numbers(0, 1), (Nums{1, 3})) << typed;
        EXPECT_EQ(*ChTest::Find(0, 1, 3), before) << typed;
    }
    EXPECT_EQ(ChTest::GroupValid(0, 1), 1);
}

TEST_F(EditCell, ClearedInitFrequencyTakesTheChannelsOwn) {
    ChTest::Lay(0, 1, {{1, "28.015000"}});  // six decimals, as the defaults store it
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).Freq.Str(), "28015000");
    EXPECT_EQ(Edit(1, 2, ""), QStringLiteral("28.0150"));
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).InitFreq.Str(), "280150  ");
    // Re-committing the unchanged frequency stores it in the editor's four-decimal form.
    Edit(1, 1, "28.0150");
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).Freq.Str(), "280150  ");
}

TEST_F(EditCell, ClearingOneOfSeveralOrdinaryChannelsDeletesIt) {
    ChTest::Lay(0, 1, {{1, "28.1000"}, {3, "28.3000"}, {5, "28.5000"}});
    Edit(3, 1, "");
    EXPECT_EQ(Numbers(0, 1), (Nums{1, 5}));
    EXPECT_EQ(Prog::RadioData.ChCountAt(0, 1), 2);
    EXPECT_EQ(Prog::ChInfo(0, 3, 1).ChNo, 5);  // the freed slot keeps the old last record
    EXPECT_EQ(ChTest::GroupValid(0, 1), 1);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(EditCell, LastOrdinaryChannelGoesWithTheGroupFlagWhileAnotherGroupHasOne) {
    ChTest::Lay(0, 1, {{7, "28.1000"}, {45, "28.2000"}});
    Edit(7, 1, "");
    EXPECT_EQ(Numbers(0, 1), (Nums{45}));
    EXPECT_EQ(ChTest::GroupValid(0, 1), 0);
}

TEST_F(EditCell, LastOrdinaryChannelOfTheRadioStays) {
    ChTest::Lay(0, 1, {{7, "28.1000"}});
    ChTest::Lay(0, 2, {});
    // K and L, switched-off groups and M channels do not count as another group's channel.
    ChTest::Lay(0, 11, {{1, "28.0000"}});
    ChTest::Lay(0, 3, {{1, "28.0000"}});
    ChTest::GroupValid(0, 3) = 0;
    ChTest::Lay(0, 4, {{41, "28.0000"}});
    Edit(7, 1, "");
    EXPECT_EQ(Numbers(0, 1), (Nums{7}));
    EXPECT_EQ(ChTest::GroupValid(0, 1), 1);
    ChTest::GroupValid(0, 3) = 1;  // now another switched-on group has one
    Edit(7, 1, "");
    EXPECT_TRUE(Numbers(0, 1).empty());
    EXPECT_EQ(ChTest::GroupValid(0, 1), 0);
}

// Deleting channel 41 used to switch the group off although channel 1 stays.
TEST_F(EditCell, ClearingAnMChannelNeverSwitchesTheGroupOff) {
    ChTest::Lay(0, 1, {{1, "28.1000"}, {41, "28.2000"}});
    Edit(41, 1, "");
    EXPECT_EQ(Numbers(0, 1), (Nums{1}));
    EXPECT_EQ(ChTest::GroupValid(0, 1), 1);
    ChTest::Lay(0, 2, {});  // no other group keeps an ordinary channel: an M channel still goes
    ChTest::Lay(0, 1, {{1, "28.1000"}, {41, "28.2000"}});
    Edit(41, 1, "");
    EXPECT_EQ(Numbers(0, 1), (Nums{1}));
}

// A channel added into a freed slot used to inherit the deleted channel's tones and init
// frequency.
TEST_F(EditCell, NewChannelStartsAsInANeverUsedSlot) {
    ChTest::Lay(0, 1, {{1, "28.1000"}, {7, "28.7000"}});
    ChannelRecord& seven = Prog::ChInfo(0, 2, 1);
    seven.RxTone = 39;
    seven.TxTone = 5;
    seven.RxToneType = 2;
    seven.TxToneType = 1;
    seven.SpareWord = 77;
    seven.InitFreq.Set("290000  ");
    Edit(7, 1, "");
    ASSERT_EQ(Prog::ChInfo(0, 2, 1).ChNo, 7);  // the freed slot still holds the old record
    Edit(9, 1, "29.9");
    const ChannelRecord& nine = *ChTest::Find(0, 1, 9);
    EXPECT_EQ(nine.RxTone, 0);
    EXPECT_EQ(nine.TxTone, 0);
    EXPECT_EQ(nine.RxToneType, 0);
    EXPECT_EQ(nine.TxToneType, 0);
    EXPECT_EQ(nine.SpareWord, 0);
    EXPECT_EQ(ModShowFreFun::ShowFre(nine.InitFreq.ToQString()), QString());
    EXPECT_EQ(nine.InUse, 1);
    EXPECT_EQ(nine.ScanAdd, 1);
    EXPECT_EQ(nine.NbAnl, 1);
    EXPECT_EQ(nine.RBSet, 1);
    EXPECT_EQ(nine.RepDir, 1);
    EXPECT_EQ(nine.Public, 1);
    EXPECT_EQ(nine.ToneFlag, 0);
    EXPECT_EQ(nine.Mode, 0);
}

TEST_F(EditCell, ReferencesFollowAddsAndDeletes) {
    ChTest::Lay(0, 1, {{41, "28.0000"}, {3, "28.3000"}, {5, "28.5000"}});
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    ChTest::Ref(o.EmgCh1, 0, 1) = 5;
    Edit(5, 1, "");
    EXPECT_EQ(ChTest::Ref(o.EmgCh1, 0, 1), 3);
    ChTest::Lay(0, 1, {{41, "28.0000"}});
    ChTest::Ref(o.EmgCh1, 0, 1) = 0;
    Edit(9, 1, "28.9");
    EXPECT_EQ(ChTest::Ref(o.EmgCh1, 0, 1), 9);
}

// The last ordinary channel used to go without its references following it.
TEST_F(EditCell, ReferencesFollowTheLastOrdinaryChannel) {
    ChTest::Lay(0, 1, {{41, "28.0000"}, {3, "28.3000"}});
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    ChTest::Ref(o.EmgCh1, 0, 1) = 3;
    ChTest::Ref(o.DwCh1, 0, 1) = 41;
    Edit(3, 1, "");
    EXPECT_EQ(Numbers(0, 1), (Nums{41}));
    EXPECT_EQ(ChTest::Ref(o.EmgCh1, 0, 1), 0);
    EXPECT_EQ(ChTest::Ref(o.DwCh1, 0, 1), 41);
}

TEST_F(EditCell, HfVfoNeverTouchesThePerGroupArrays) {
    ChTest::Show(0, kHfVfoGroup);
    ChTest::Lay(0, kHfVfoGroup, {});
    const OptFeatRec before = Prog::RadioData.OptFeatures;
    Edit(1, 1, "27.5");
    Edit(2, 1, "27.6");  // the VFO group has one row only
    EXPECT_EQ(Numbers(0, kHfVfoGroup), (Nums{1}));
    Edit(1, 2, "");
    EXPECT_EQ(Prog::ChInfo(0, 1, kHfVfoGroup).InitFreq.Str(), "275000  ");
    Edit(1, 1, "");
    EXPECT_TRUE(Numbers(0, kHfVfoGroup).empty());
    EXPECT_EQ(Prog::RadioData.OptFeatures, before);
}

// Every channel record of the table, in one list.
std::vector<ChannelRecord> AllChannels() {
    std::vector<ChannelRecord> out;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int slot = 1; slot <= kSlotCount; ++slot)
            for (int group = 1; group <= kGroupCount; ++group) out.push_back(Prog::ChInfo(mode, slot, group));
    return out;
}

TEST_F(EditCell, StoredPlacesOutsideTheTableChangeNothing) {
    ChTest::Lay(0, 1, {{1, "28.1000"}});
    const auto rowsBefore = Numbers(0, 1);
    Edit(61, 1, "28.5");  // beyond the lettered group's rows
    Edit(0, 1, "28.5");
    Edit(-3, 1, "28.5");
    EXPECT_EQ(Numbers(0, 1), rowsBefore);

    // Neither the table nor the counts and references change.
    const auto tableBefore = AllChannels();
    const DataFileRec dataBefore = Prog::RadioData;
    Prog::RadioData.CurMode = 5;
    Edit(2, 1, "28.5");
    Prog::RadioData.CurMode = 1;
    for (int16 group : {0, 12, 15, -1}) {
        Prog::RadioData.CurGroup[1] = group;  // HAM has no group 12
        Edit(2, 1, "28.5");
    }
    Prog::RadioData.CurMode = dataBefore.CurMode;
    Prog::RadioData.CurGroup = dataBefore.CurGroup;
    EXPECT_EQ(Prog::RadioData, dataBefore);
    EXPECT_EQ(AllChannels(), tableBefore);

    Prog::RadioData.ChCountAt(0, 1) = 120;  // a count no group can hold
    ChTest::Show(0, 1);
    const DataFileRec badCount = Prog::RadioData;
    Edit(2, 1, "28.5");
    Edit(1, 1, "");
    EXPECT_EQ(Prog::RadioData, badCount);
    EXPECT_EQ(AllChannels(), tableBefore);
}

TEST_F(EditCell, OpenEditorReShowsTheRowAndTheReferencesEveryTime) {
    FakeWindowServices windows;
    ChannelGlobals::ChInfoShown = -1;
    ChTest::Lay(0, 1, {{1, "28.1000"}, {3, "28.3000"}});
    Edit(3, 1, "28.4");   // changed: row only
    Edit(3, 1, "31");     // refused: row only
    Edit(5, 1, "28.5");   // added
    Edit(5, 1, "");       // deleted
    EXPECT_EQ(windows.calls, (QStringList{"ReShowGrid 3", "ReShowGrid 3", "RefreshChannelRefs", "ReShowGrid 5",
                                          "RefreshChannelRefs", "ReShowGrid 5"}));
    ChannelGlobals::ChInfoShown = 0;
    windows.calls.clear();
    Edit(7, 1, "28.7");
    EXPECT_TRUE(windows.calls.isEmpty());
}

}  // namespace

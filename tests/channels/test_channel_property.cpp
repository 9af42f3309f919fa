// Random sequences of adds, edits and deletes over every group of both modes, as a user
// would make them in the grid, checked against the invariants of the channel table.
#include "ChannelTestEnv.h"
#include "ScriptedMessageBoxes.h"
#include "channels/ModShowOptFun.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

int LastGroup(int mode) { return mode == 0 ? kHfVfoGroup : kHamVfoGroup; }

bool IsInBand(int mode, const std::string& stored) {
    const int hundredHz = std::stoi(stored.substr(0, 6));
    return mode == 0 ? (hundredHz >= 247150 && hundredHz <= 301050) : (hundredHz >= 280000 && hundredHz <= 297000);
}

// Dense used slots, unique numbers within the group's rows, counts within capacity, every
// stored frequency in the band, and references that name an existing channel (or 0 while
// the group has no ordinary channel).
::testing::AssertionResult GroupIsSound(int mode, int group) {
    const int count = Prog::RadioData.ChCountAt(mode, group);
    const int capacity = GroupCapacity(mode, group);
    if (count < 0 || count > capacity) return ::testing::AssertionFailure() << "count " << count;
    std::set<int> seen;
    for (int slot = 1; slot <= count; ++slot) {
        const ChannelRecord& rec = Prog::ChInfo(mode, slot, group);
        if (rec.ChNo < 1 || rec.ChNo > capacity || !seen.insert(rec.ChNo).second || rec.InUse != 1)
            return ::testing::AssertionFailure() << "slot " << slot << " ChNo " << rec.ChNo;
        if (!IsInBand(mode, rec.Freq.Str())) return ::testing::AssertionFailure() << "Freq " << rec.Freq.Str();
    }
    if (group > kOptGroupCount) return ::testing::AssertionSuccess();
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    const bool hasOrdinary = ModShowOptFun::CountNormalChannels(mode, group) > 0;
    for (PerGroup<int16>* refs : {&o.EmgCh1, &o.EmgCh2, &o.MemCh1, &o.DwCh1, &o.DwCh2}) {
        const int ref = ChTest::Ref(*refs, mode, group);
        if (ref == 0 ? hasOrdinary : seen.count(ref) == 0)
            return ::testing::AssertionFailure() << "reference " << ref << " in group " << group;
    }
    return ::testing::AssertionSuccess();
}

// Some switched-on group among A..J (HF) or A..I (HAM) keeps an ordinary channel.
bool RadioKeepsAnOrdinaryChannel(int mode) { return ModShowOptFun::CountNormalChannelsExcept(mode, 0, 0) > 0; }

class Property : public ::testing::TestWithParam<unsigned> {};

TEST_P(Property, RandomEditsKeepTheTableSound) {
    ChTest::ResetData();
    ScriptedMessageBoxes boxes;
    ModShowOptFun::InitDefaultChannels();
    for (int mode = 0; mode < 2; ++mode)
        for (int group = 1; group <= kOptGroupCount; ++group) ModShowOptFun::RefreshChannelRefs(mode, group);
    std::mt19937 rng(GetParam());
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int adds = 0, deletes = 0, groupsOff = 0;
    for (int op = 0; op < 20000; ++op) {
        const int mode = pick(0, 1);
        const int group = pick(1, LastGroup(mode));
        ChTest::Show(mode, group);
        const int n = pick(0, GroupCapacity(mode, group) + 2);
        const int column = pick(1, 4) == 1 ? 2 : 1;
        QString text;
        switch (pick(0, 9)) {
        case 0: case 1: case 2: case 3: break;                                 // cleared
        case 4: text = QStringLiteral("31.5"); break;                          // out of both bands
        case 5: text = QStringLiteral("2a.1"); break;                          // no number
        default: text = QString::number(pick(280000, 297000) / 10000.0, 'f', 4);  // in both bands
        }
        if (pick(0, 50) == 0) ChTest::GroupValid(mode, pick(1, 12)) = 1;  // a group switched on
        const int countBefore = Prog::RadioData.ChCountAt(mode, group);
        const int16 validBefore = group <= kOptGroupCount ? ChTest::GroupValid(mode, group) : 0;
        ModShowFreFun::EditChannelCell(n, column, text);
        const int countAfter = Prog::RadioData.ChCountAt(mode, group);
        adds += countAfter > countBefore;
        deletes += countAfter < countBefore;
        groupsOff += group <= kOptGroupCount && validBefore == 1 && ChTest::GroupValid(mode, group) == 0;
        ASSERT_TRUE(GroupIsSound(mode, group)) << "op " << op;
        ASSERT_TRUE(RadioKeepsAnOrdinaryChannel(mode)) << "op " << op;
    }
    // The sequence reached every path: adds, deletes, and groups switched off by a delete.
    EXPECT_GT(adds, 1000);
    EXPECT_GT(deletes, 1000);
    EXPECT_GT(groupsOff, 0);
    for (int mode = 0; mode < 2; ++mode)
        for (int group = 1; group <= LastGroup(mode); ++group) EXPECT_TRUE(GroupIsSound(mode, group)) << group;
}

INSTANTIATE_TEST_SUITE_P(Seeds, Property, ::testing::Values(1u, 7310u, 20240611u));

}  // namespace

// The option panel's store rules and tone views, channel modes by name and their
// revalidation, and roger-beep set validity with the re-pointing of every user of a set.
#include "ChannelTestEnv.h"
#include "FakeWindowServices.h"
#include "channels/ChannelGlobals.h"
#include "channels/ModChOption.h"
#include "channels/ModRBTone.h"
#include "channels/ModSetComm2.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace ModChOption;

// A channel with tones, shift and roger beep set, ToneFlag 1.
ChannelRecord SampleChannel() {
    ChannelRecord r;
    r.ChNo = 4;
    r.InUse = 1;
    r.RxTone = 5;
    r.TxTone = 48;
    r.RxToneType = 1;
    r.TxToneType = 2;
    r.ToneFlag = 1;
    r.RepDir = 2;
    r.RBSet = 3;
    r.RBEnable = 1;
    r.Mode = 1;
    r.Public = 1;
    r.ScanAdd = 1;
    return r;
}

struct ChoiceCase {
    const char* what;
    std::function<void(ChannelRecord&)> before;  // on top of SampleChannel
    int list, position;
    const char* text;
    std::function<void(ChannelRecord&)> after;   // the expected changes
};

void Check(const ChoiceCase& c) {
    ChannelRecord rec = SampleChannel();
    if (c.before) c.before(rec);
    ChannelRecord expected = rec;
    if (c.after) c.after(expected);
    Choose(rec, c.list, c.position, QString::fromUtf8(c.text));
    EXPECT_EQ(rec, expected) << c.what;
}

auto FlagOff = [](ChannelRecord& r) { r.ToneFlag = 0; };

TEST(ChannelOptionChoice, ToneKindsAndTones) {
    const ChoiceCase cases[] = {
        {"kind Off clears the flag, keeps the word", nullptr, RxKind, 0, "Off",
         [](ChannelRecord& r) { r.RxToneType = 0; r.ToneFlag = 0; }},
        {"kind CTC shows Off: the flag ends at 0, words kept", nullptr, RxKind, 1, "CTC",
         [](ChannelRecord& r) { r.RxToneType = 1; r.ToneFlag = 0; }},
        {"kind DCS takes the first code, other direction kept", FlagOff, RxKind, 2, "DCS",
         [](ChannelRecord& r) { r.RxToneType = 2; r.RxTone = 39; r.ToneFlag = 1; }},
        {"transmit kind DCS", FlagOff, TxKind, 2, "DCS",
         [](ChannelRecord& r) { r.TxToneType = 2; r.TxTone = 39; r.ToneFlag = 1; }},
        {"DCS code 10 is tone 48", nullptr, RxDcs, 9, "D_010(053N)", [](ChannelRecord& r) { r.RxTone = 48; }},
        {"last DCS code is tone 142", nullptr, TxDcs, 103, "D_104(754N)", [](ChannelRecord& r) { r.TxTone = 142; }},
        {"tone while the flag is 0 clears the other direction", FlagOff, RxCtc, 5, "C_005(79.7Hz)",
         [](ChannelRecord& r) { r.RxTone = 5; r.TxTone = 0; r.ToneFlag = 1; }},
        {"tone while the flag is 1 keeps the other direction", nullptr, RxCtc, 38, "C_038(250.3Hz)",
         [](ChannelRecord& r) { r.RxTone = 38; }},
        {"transmit tone while the flag is 0", FlagOff, TxCtc, 1, "C_001(67.0Hz)",
         [](ChannelRecord& r) { r.TxTone = 1; r.RxTone = 0; r.ToneFlag = 1; }},
        {"Off in a CTCSS list clears the flag only", nullptr, TxCtc, 0, "Off", FlagOff},
        {"hidden combined list", FlagOff, RxToneAll, 100, "", [](ChannelRecord& r) { r.RxTone = 100; r.TxTone = 0; r.ToneFlag = 1; }},
        {"kind outside the list", nullptr, RxKind, 3, "", nullptr},
        {"no entry", nullptr, RxDcs, -1, "", nullptr},
        {"CTCSS list position beyond its 39 entries", nullptr, RxCtc, 39, "", nullptr},
    };
    for (const ChoiceCase& c : cases) Check(c);
}

TEST(ChannelOptionChoice, SwitchesShiftRogerAndMode) {
    const ChoiceCase cases[] = {
        {"HI-CUT ON", nullptr, HiCut, 1, "ON", [](ChannelRecord& r) { r.HiCut = 1; }},
        {"NB/ANL ON", nullptr, NbAnl, 1, "ON", [](ChannelRecord& r) { r.NbAnl = 1; }},
        {"ECHO ON", nullptr, Echo, 1, "ON", [](ChannelRecord& r) { r.Echo = 1; }},
        {"+10KHz ON", nullptr, Plus10K, 1, "ON", [](ChannelRecord& r) { r.Plus10K = 1; }},
        {"BUSY ON", nullptr, Busy, 1, "ON", [](ChannelRecord& r) { r.Busy = 1; }},
        {"Public OFF", nullptr, Public, 0, "OFF", [](ChannelRecord& r) { r.Public = 0; }},
        {"Scan Del", nullptr, Scan, 0, "Del", [](ChannelRecord& r) { r.ScanAdd = 0; }},
        {"REP OFF keeps the direction", [](ChannelRecord& r) { r.RepEnable = 1; }, Rep, 0, "OFF",
         [](ChannelRecord& r) { r.RepEnable = 0; }},
        {"REP -", nullptr, Rep, 2, "-", [](ChannelRecord& r) { r.RepEnable = 1; r.RepDir = 2; }},
        {"REP +", nullptr, Rep, 1, "+", [](ChannelRecord& r) { r.RepEnable = 1; r.RepDir = 1; }},
        {"Roger OFF keeps the set", nullptr, Roger, 0, "OFF", [](ChannelRecord& r) { r.RBEnable = 0; }},
        {"Roger 5", [](ChannelRecord& r) { r.RBEnable = 0; }, Roger, 2, "5",
         [](ChannelRecord& r) { r.RBEnable = 1; r.RBSet = 5; }},
        {"mode USB", nullptr, Mode, 2, "USB", [](ChannelRecord& r) { r.Mode = 2; }},
        {"mode PA", nullptr, Mode, 4, "PA", [](ChannelRecord& r) { r.Mode = 4; }},
        {"CW has no channel code: nothing stored", nullptr, Mode, 5, "CW", nullptr},
        {"an empty mode list stores nothing", nullptr, Mode, -1, "", nullptr},
        {"the hidden roger switch changes nothing", nullptr, RogerEnable, 0, "Off", nullptr},
        {"the hidden shift switch changes nothing", nullptr, RepEnable, 1, "On", nullptr},
        {"a list the panel does not have", nullptr, 20, 1, "ON", nullptr},
    };
    for (const ChoiceCase& c : cases) Check(c);
}

TEST(ChannelOptionView, TonesAsTheListsShowThem) {
    struct Case {
        int kind, tone, flag;
        ToneView view;  // kind, CTCSS position, DCS position, combined position
    };
    const Case cases[] = {
        {1, 5, 1, {1, 5, -1, 5}},
        {1, 5, 0, {1, 0, -1, 0}},        // no tone set: "Off"
        {2, 48, 1, {2, -1, 9, 48}},
        {2, 48, 0, {2, -1, -1, 0}},      // DCS kind without a code: no entry
        {1, 45, 1, {1, -1, -1, 45}},     // a DCS word under kind CTC (as a radio read can give)
        {0, 45, 1, {0, -1, -1, 45}},
        {7, 5, 1, {0, -1, -1, 5}},       // kind outside the list shows "Off"
        {2, 200, 1, {2, -1, -1, -1}},    // tone outside the list
        {1, -3, 1, {1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        ChannelRecord r;
        r.RxToneType = static_cast<int16>(c.kind);
        r.RxTone = static_cast<int16>(c.tone);
        r.ToneFlag = static_cast<int16>(c.flag);
        const ToneView v = RxToneView(r);
        EXPECT_EQ(v.kind, c.view.kind) << c.kind << " " << c.tone << " " << c.flag;
        EXPECT_EQ(v.ctcPosition, c.view.ctcPosition) << c.kind << " " << c.tone << " " << c.flag;
        EXPECT_EQ(v.dcsPosition, c.view.dcsPosition) << c.kind << " " << c.tone << " " << c.flag;
        EXPECT_EQ(v.allPosition, c.view.allPosition) << c.kind << " " << c.tone << " " << c.flag;
    }
    ChannelRecord r;
    r.TxToneType = 2;
    r.TxTone = 39;
    r.ToneFlag = 1;
    EXPECT_EQ(TxToneView(r).dcsPosition, 0);
}

TEST(ChannelOptionView, PublicGreysItsSixSettingsAndTheHiddenRogerSwitch) {
    for (int list = 0; list < ListCount; ++list) {
        const bool greyed = list == 1 || (list >= 2 && list <= 5) || list == 11 || list == 13;
        EXPECT_EQ(IsGreyedByPublic(list), greyed) << list;
    }
    EXPECT_TRUE(PublicOptionsEnabled(0));
    EXPECT_TRUE(PublicOptionsEnabled(-1));
    EXPECT_FALSE(PublicOptionsEnabled(1));
}

class ChannelModes : public ::testing::Test {
protected:
    void SetUp() override { ChTest::ResetData(); }
    void TearDown() override { ChannelGlobals::RevalidateShownMode = nullptr; }
    OptFeatRec& o = Prog::RadioData.OptFeatures;
};

TEST_F(ChannelModes, NamesAndCodes) {
    const char* names[] = {"FM", "AM", "USB", "LSB", "PA"};
    for (int code = 0; code < 5; ++code) {
        EXPECT_EQ(ModSetComm2::GetModeNameByCode(code), QLatin1String(names[code]));
        EXPECT_EQ(ModSetComm2::GetModeCodeByName(QLatin1String(names[code])), code);
        EXPECT_TRUE(ModSetComm2::IsChannelModeName(QLatin1String(names[code])));
    }
    for (int code : {-1, 5, 6, 300}) EXPECT_EQ(ModSetComm2::GetModeNameByCode(code), QLatin1String("FM"));
    for (const char* text : {"CW", "", "fm", "PA "}) {
        EXPECT_EQ(ModSetComm2::GetModeCodeByName(QLatin1String(text)), 0);
        EXPECT_FALSE(ModSetComm2::IsChannelModeName(QLatin1String(text)));
    }
}

TEST_F(ChannelModes, OfferedNamesNeverIncludeCw) {
    o.FmEnable = o.AmEnable = o.UsbEnable = o.LsbEnable = o.PaEnable = o.CwEnable = 1;
    EXPECT_EQ(ModSetComm2::ChannelModeNames(false), (QStringList{"FM", "AM", "USB", "LSB", "PA"}));
    EXPECT_EQ(ModSetComm2::ChannelModeNames(true), (QStringList{"FM", "AM", "USB", "LSB"}));
    o.FmEnable = o.UsbEnable = 0;
    EXPECT_EQ(ModSetComm2::ChannelModeNames(false), (QStringList{"AM", "LSB", "PA"}));
    o.AmEnable = o.LsbEnable = o.PaEnable = 0;
    EXPECT_TRUE(ModSetComm2::ChannelModeNames(false).isEmpty());  // only CW allowed
}

TEST_F(ChannelModes, RevalidationWalksGroupsOneToTen) {
    // Channel 1 in USB in every group of both modes; then USB is no longer allowed.
    for (int mode = 0; mode < 2; ++mode)
        for (int group = 1; group <= (mode == 0 ? 14 : 11); ++group) {
            ChTest::Lay(mode, group, {{1, "28.5"}});
            Prog::ChInfo(mode, 1, group).Mode = 2;
        }
    Prog::ChInfo(1, 2, 3) = Prog::ChInfo(1, 1, 3);  // beyond the count: not a channel
    o.UsbEnable = 0;
    o.FmEnable = 0;  // the first allowed mode is AM
    int shown = 0;
    ChannelGlobals::RevalidateShownMode = [&shown] { ++shown; };
    ModSetComm2::RevalidateChannelModes();
    EXPECT_EQ(shown, 0);  // no editor open
    for (int mode = 0; mode < 2; ++mode)
        for (int group = 1; group <= (mode == 0 ? 14 : 11); ++group)
            EXPECT_EQ(Prog::ChInfo(mode, 1, group).Mode, group <= 10 ? 1 : 2) << mode << " " << group;
    EXPECT_EQ(Prog::ChInfo(1, 2, 3).Mode, 2);

    ChannelGlobals::ChInfoShown = -1;
    ModSetComm2::RevalidateChannelModes();
    EXPECT_EQ(shown, 1);
}

class RogerBeepSets : public ::testing::Test {
protected:
    void SetUp() override {
        ChTest::ResetData();
        ModInitV::InitToneDefaults();
    }
    static void Disable(int n) { Prog::RadioData.ToneTips[static_cast<std::size_t>(n)].RepeatTimes = 0; }
};

TEST_F(RogerBeepSets, StartUpSetsOneToFiveAreValid) {
    EXPECT_EQ(ModRBTone::GetValidRBCount(), 5);
    EXPECT_EQ(ModRBTone::GetFirstValidRB(), 1);
    for (int n = -1; n <= 10; ++n) EXPECT_EQ(ModRBTone::IsValidRB(n), n >= 1 && n <= 5 ? n : 0) << n;
}

TEST_F(RogerBeepSets, CheckRBNoFallsBackToTheFirstValidSet) {
    for (int n : {1, 2, 4}) Disable(n);  // sets 3 and 5 stay
    const std::pair<int, int> cases[] = {{4, 3}, {5, 5}, {0, 3}, {9, 3}, {-2, 3}, {15, 3}, {3, 3}};
    for (const auto& [n, result] : cases) EXPECT_EQ(ModRBTone::CheckRBNo(n), result) << n;
    EXPECT_EQ(ModRBTone::GetValidRBCount(), 2);
}

TEST_F(RogerBeepSets, ASetNeedsRepeatsAndSomeToneLength) {
    RBToneSet& six = Prog::RadioData.ToneTips[6];
    six.RepeatTimes = 2;  // every length 0
    EXPECT_EQ(ModRBTone::IsValidRB(6), 0);
    six.RepeatTimes = 0;
    for (int k = 1; k <= kRBToneCount; ++k) six.Tone[static_cast<std::size_t>(k)].ToneLen = 100;
    EXPECT_EQ(ModRBTone::IsValidRB(6), 0);
    six.RepeatTimes = 1;
    EXPECT_EQ(ModRBTone::IsValidRB(6), 6);
}

TEST_F(RogerBeepSets, NoValidSetPointsEverythingAtSetOne) {
    for (int n = 1; n <= kRBSetCount; ++n) Disable(n);
    EXPECT_EQ(ModRBTone::GetFirstValidRB(), 1);
    EXPECT_EQ(ModRBTone::CheckRBNo(4), 1);
    EXPECT_EQ(ModRBTone::GetValidRBCount(), 0);
}

// Every group of both modes is covered, so that no channel that a write packs keeps a set
// that is gone.
TEST_F(RogerBeepSets, RefreshRepointsEveryChannelAndThePublicSet) {
    FakeWindowServices windows;
    for (int mode = 0; mode < 2; ++mode)
        for (int group = 1; group <= (mode == 0 ? 14 : 11); ++group) {
            ChTest::Lay(mode, group, {{1, "28.5"}, {2, "28.6"}});
            Prog::ChInfo(mode, 1, group).RBSet = 2;
            Prog::ChInfo(mode, 1, group).RBEnable = 1;
            Prog::ChInfo(mode, 2, group).RBSet = 4;
        }
    Prog::ChInfo(0, 3, 5).RBSet = 2;  // a free slot
    Prog::RadioData.OptFeatures.RBSet = 2;
    Prog::RadioData.OptFeatures.RBEnable = 1;
    Disable(1);
    Disable(2);
    ModRBTone::RefreshRBUse();
    for (int mode = 0; mode < 2; ++mode)
        for (int group = 1; group <= (mode == 0 ? 14 : 11); ++group) {
            EXPECT_EQ(Prog::ChInfo(mode, 1, group).RBSet, 3) << mode << " " << group;
            EXPECT_EQ(Prog::ChInfo(mode, 1, group).RBEnable, 1) << mode << " " << group;
            EXPECT_EQ(Prog::ChInfo(mode, 2, group).RBSet, 4) << mode << " " << group;
        }
    EXPECT_EQ(Prog::ChInfo(0, 3, 5).RBSet, 2);
    EXPECT_EQ(Prog::RadioData.OptFeatures.RBSet, 3);
    EXPECT_EQ(Prog::RadioData.OptFeatures.RBEnable, 1);
    EXPECT_EQ(windows.calls, QStringList{"RefreshRBUse"});
}

}  // namespace

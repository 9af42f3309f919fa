// What the optional-features editor's lists and check boxes store and show. Each save is
// checked against the whole record: the code's field(s) change, nothing else does.
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"
#include "features/optfeatures/OptFeatSave.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using ModOptFeat::Choice;
using ModOptFeat::SaveEffect;

class OptFeatSave : public ::testing::Test {
protected:
    void SetUp() override {
        Prog::Reset();
        ModEnglish::LoadLanguageStrings();
        ModInitV::InitData();  // the built-in defaults (no template in the test folder)
    }
    DataFileRec& d = Prog::RadioData;
    OptFeatRec& o = Prog::RadioData.OptFeatures;
};

struct SaveCase {
    int code;
    int position;
    const char* text;
    std::function<void(DataFileRec&)> expect;  // the change to the record
};

TEST_F(OptFeatSave, EveryCodeStoresExactlyItsField) {
    using D = DataFileRec;
    const SaveCase cases[] = {
        {3, 1, "FAST", [](D& r) { r.OptFeatures.Agc = 1; }},
        {8, 19, "20", [](D& r) { r.OptFeatures.MicGain = 20; }},
        {9, 1, "LO-3K", [](D& r) { r.OptFeatures.ToneHiLo = 1; }},
        {10, 3, "3", [](D& r) { r.OptFeatures.Nog = 3; }},
        {11, 4, "120", [](D& r) { r.OptFeatures.Tot = 4; }},
        {18, 4, "CW", [](D& r) { r.OptFeatures.Mode = 5; }},
        {18, -1, "", [](D& r) { r.OptFeatures.Mode = 0; }},    // an empty mode list stores FM
        {19, 0, "CB", [](D& r) { r.OptFeatures.WorkMode = 0; }},
        {21, 4, "5", [](D& r) { r.OptFeatures.MenuPage9 = 4; }},
        {22, 1, "MEM", [](D& r) { r.OptFeatures.ChMem = 1; }},
        {23, 1, "Frequency", [](D& r) { r.FreqChOpt = 1; }},
        {24, 6, "7", [](D& r) { r.AsqLevel = 7; }},
        {25, 1, "DY", [](D& r) { r.MicType = 1; }},
        {26, 3, "3", [](D& r) { r.RxNrc = 3; }},
        {27, 1, "ON", [](D& r) { r.TxGate = 1; }},
        {28, 1, "ON", [](D& r) { r.RxComp = 1; }},
        {29, 9, "9", [](D& r) { r.VoxLevel = 9; }},
        {30, 8, "9", [](D& r) { r.VoxTime = 8; }},
        {31, 31, "32", [](D& r) { r.EchoVol = 31; }},
        {32, 5, "6", [](D& r) { r.EchoTime = 5; }},
        {33, 1, "ON", [](D& r) { r.Tdc = 1; }},
        {34, 98, "99", [](D& r) { r.HfCurMem = 98; }},
        {35, 5, "5", [](D& r) { r.TxNrc = 5; }},
        {36, 7, "8", [](D& r) { r.HamCurMem = 7; }},
        {37, 63, "63", [](D& r) { r.OptFeatures.CwBeep = 63; }},
        {38, 0, "300", [](D& r) { r.OptFeatures.CwFreq = 30; }},
        {38, 270, "3000", [](D& r) { r.OptFeatures.CwFreq = 300; }},
        {39, 1, "TI", [](D& r) { r.OptFeatures.ScanType = 1; }},
        {40, 3, "RT", [](D& r) { r.OptFeatures.Fin = 3; }},
        {41, 1, "Frequency", [](D& r) { r.OptFeatures.FreqCh = 1; }},
        {42, 28, "29", [](D& r) { r.OptFeatures.MenuPage = 29; }},
        {43, 5, "5", [](D& r) { r.OptFeatures.Dim = 5; }},
        {44, 1, "4K", [](D& r) { r.OptFeatures.FmDev = 1; }},
        {45, 1, "ON", [](D& r) { r.OptFeatures.RfgDisplay = 1; }},
        {46, 1, "ON", [](D& r) { r.OptFeatures.PowerDisplay = 1; }},
        {47, 1, "ON", [](D& r) { r.OptFeatures.WxDisplay = 1; }},
        {48, 1, "ON", [](D& r) { r.SqlDisplay = 1; }},
        {49, 1, "ON", [](D& r) { r.VolDisplay = 1; }},
        {50, 1, "ON", [](D& r) { r.VoxSpk = 1; }},
        {51, 11, "L", [](D& r) { r.HfDwBand = 11; }},
        {52, 59, "60", [](D& r) { r.HfDwChan = 59; }},
        {53, 4, "CW", [](D& r) { r.HfDwMode = 5; }},  // the fifth entry, stored as CW's code
        {54, 8, "I", [](D& r) { r.HamDwBand = 8; }},
        {55, 30, "31", [](D& r) { r.HamDwChan = 30; }},
        {56, 1, "AM", [](D& r) { r.HamDwMode = 1; }},
        {57, 1, "5000Hz", [](D& r) { r.FinRange = 1; }},
        {58, 2, "BOTH", [](D& r) { r.VolPath = 2; }},
        {100, 1, "", [](D& r) { r.OptFeatures.VoxOn = 1; }},
        {102, 0, "", [](D& r) { r.OptFeatures.BeepOn = 0; }},
        {103, 0, "", [](D& r) { r.OptFeatures.SwrProtect = 0; }},
        {105, 0, "", [](D& r) { r.OptFeatures.FmEnable = 0; }},
        {106, 0, "", [](D& r) { r.OptFeatures.AmEnable = 0; }},
        {107, 0, "", [](D& r) { r.OptFeatures.UsbEnable = 0; }},
        {108, 0, "", [](D& r) { r.OptFeatures.LsbEnable = 0; }},
        {109, 0, "", [](D& r) { r.OptFeatures.PaEnable = 0; }},
        {110, 1, "", [](D& r) { r.OptFeatures.CwEnable = 1; }},
        {111, 1, "", [](D& r) { r.OptFeatures.ResetOpt = 1; }},
        {112, 1, "", [](D& r) { r.FlagByte = 1; }},
        {200, 1, "ON", [](D& r) { r.OptFeatures.HiCut = 1; }},
        {201, 0, "OFF", [](D& r) { r.OptFeatures.NbAnl = 0; }},
        {202, 1, "ON", [](D& r) { r.OptFeatures.Echo = 1; }},
        {203, 1, "ON", [](D& r) { r.OptFeatures.Plus10K = 1; }},
        {204, 0, "OFF", [](D& r) { r.OptFeatures.RBEnable = 0; }},
        {205, 2, "5", [](D& r) { r.OptFeatures.RBSet = 5, r.OptFeatures.RBEnable = 1; }},
        {205, 0, "OFF", [](D& r) { r.OptFeatures.RBEnable = 0; }},  // the set is kept
        {205, 0, "关", [](D& r) { r.OptFeatures.RBEnable = 0; }},
        {206, 2, "DCS", [](D& r) { r.OptFeatures.TxCdt = 2; }},
    };
    o.RBSet = 3;
    for (const SaveCase& c : cases) {
        const DataFileRec before = d;
        DataFileRec expected = before;
        c.expect(expected);
        ASSERT_NE(expected, before) << "case of code " << c.code << " changes nothing";
        const auto effect = ModOptFeat::SaveOptFeat(d, Prog::ChInfo, c.code, {c.position, QString::fromUtf8(c.text)});
        EXPECT_EQ(effect, SaveEffect::None);
        EXPECT_TRUE(d == expected) << "code " << c.code << " " << c.text;
        d = before;
    }
}

TEST_F(OptFeatSave, CodesOfControlsWithoutFieldStoreNothing) {
    const DataFileRec before = d;
    for (int code : {0, 1, 2, 4, 5, 6, 7, 12, 13, 14, 15, 16, 17, 20, 61, 101, 104, 113, 207, -1, 999})
        ModOptFeat::SaveOptFeat(d, Prog::ChInfo, code, {1, QStringLiteral("1")});
    // A list without a selection stores nothing either.
    for (int code : {3, 8, 38, 53, 59, 200})
        ModOptFeat::SaveOptFeat(d, Prog::ChInfo, code, {-1, QString()});
    EXPECT_TRUE(d == before);
}

TEST_F(OptFeatSave, PublicSettingSetsEverySlotOfItsModeWhenItChanges) {
    Prog::ChInfo.Clear();
    d.HamPublic = 0;
    const auto effect = ModOptFeat::SaveOptFeat(d, Prog::ChInfo, ModOptFeat::kHamPublicCode, {1, QStringLiteral("On")});
    EXPECT_EQ(effect, SaveEffect::PublicChanged);
    EXPECT_EQ(d.HamPublic, 1);
    for (int group = 1; group <= 14; ++group)
        for (int slot = 1; slot <= 99; ++slot) {
            // HAM: A..I slots 1..60, MEM 1..99, VFO 1. Every channel of the mode gets the
            // setting whatever its slot, so a lettered group's upper slots (47..60) too.
            const int last = group <= 9 ? 60 : group == 10 ? 99 : group == 11 ? 1 : 0;
            ASSERT_EQ(Prog::ChInfo(1, slot, group).Public, slot <= last ? 1 : 0) << group << "/" << slot;
            ASSERT_EQ(Prog::ChInfo(0, slot, group).Public, 0);
        }

    // The same value again touches no channel.
    Prog::ChInfo.Clear();
    EXPECT_EQ(ModOptFeat::SaveOptFeat(d, Prog::ChInfo, ModOptFeat::kHamPublicCode, {1, QStringLiteral("On")}),
              SaveEffect::None);
    EXPECT_EQ(d.HamPublic, 1);
    EXPECT_EQ(Prog::ChInfo(1, 1, 1).Public, 0);
    EXPECT_EQ(Prog::ChInfo(1, 99, 10).Public, 0);

    // HF Off after On: groups A..L, MEM 1..99, VFO.
    d.HfPublic = 1;
    Prog::ChInfo(0, 60, 12).Public = 1;
    Prog::ChInfo(0, 99, 13).Public = 1;
    Prog::ChInfo(0, 1, 14).Public = 1;
    EXPECT_EQ(ModOptFeat::SaveOptFeat(d, Prog::ChInfo, ModOptFeat::kHfPublicCode, {0, QStringLiteral("Off")}),
              SaveEffect::PublicChanged);
    EXPECT_EQ(d.HfPublic, 0);
    EXPECT_EQ(Prog::ChInfo(0, 60, 12).Public, 0);
    EXPECT_EQ(Prog::ChInfo(0, 99, 13).Public, 0);
    EXPECT_EQ(Prog::ChInfo(0, 1, 14).Public, 0);
}

}  // namespace

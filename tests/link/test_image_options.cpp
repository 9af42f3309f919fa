// Options, tone sets, weather channels and display codes in the image, with addresses and
// bytes worked out by hand.
#include "ImageTestSupport.h"
#include "link/LcdCode.h"
#include "link/ModCommFun.h"
#include "link/ModCommImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace {

using namespace ImageTest;

class ImageOptions : public ::testing::Test {
protected:
    void SetUp() override { ResetAll(); }
};

DataFileRec& RD() { return Prog::RadioData; }
OptFeatRec& OF() { return Prog::RadioData.OptFeatures; }

void PackOptions() {
    ModComm::InitImage();
    ModCommFun::PackOptFeat(OF());
}

struct OptCase {
    const char* name;
    std::function<void()> set;
    std::map<std::size_t, int> bytes;  // address -> expected byte
};

// Each case changes one field of a zero record; exactly the listed bytes may change.
const std::vector<OptCase>& OptCases() {
    static const std::vector<OptCase> cases = {
        {"GroupValid(0,1)", [] { OF().GroupValid[0][1] = 1; }, {{0x6360, 0x01}}},
        {"GroupValid(0,12)", [] { OF().GroupValid[0][12] = 1; }, {{0x6361, 0x08}}},
        {"GroupValid(1,9)", [] { OF().GroupValid[1][9] = 1; }, {{0x6363, 0x01}}},
        {"GroupValid(1,2) = 3", [] { OF().GroupValid[1][2] = 3; }, {{0x6362, 0x02}}},
        {"EmgCh1(0,1)", [] { OF().EmgCh1[0][1] = 1; }, {{0x6120, 0x00}}},
        {"EmgCh2(0,1)", [] { OF().EmgCh2[0][1] = 5; }, {{0x6121, 0x04}}},
        {"EmgCh1(0,12)", [] { OF().EmgCh1[0][12] = 40; }, {{0x6136, 0x27}}},
        {"EmgCh1(1,1)", [] { OF().EmgCh1[1][1] = 2; }, {{0x6140, 0x01}}},
        {"EmgCh2(1,10)", [] { OF().EmgCh2[1][10] = 60; }, {{0x6153, 0x3B}}},
        {"EmgMode1(0,1)", [] { OF().EmgMode1[0][1] = 5; }, {{0x6160, 0x05}}},
        {"EmgMode2(0,12)", [] { OF().EmgMode2[0][12] = 2; }, {{0x6177, 0x02}}},
        {"EmgMode2(1,10)", [] { OF().EmgMode2[1][10] = 3; }, {{0x6193, 0x03}}},
        {"MemCh1(0,1)", [] { OF().MemCh1[0][1] = 7; }, {{0x6100, 0x06}}},
        {"MemCh1(0,12)", [] { OF().MemCh1[0][12] = 3; }, {{0x610B, 0x02}}},
        {"MemCh1(1,12)", [] { OF().MemCh1[1][12] = 99; }, {{0x611B, 0x62}}},
        {"CurMode 1, OptSpare1 2", [] { RD().CurMode = 1; OF().OptSpare1 = 2; }, {{0x6364, 0x31}}},
        {"WorkGroup(0)", [] { OF().WorkGroup[0] = 3; }, {{0x6365, 0x02}}},
        {"WorkGroup(1)", [] { OF().WorkGroup[1] = 10; }, {{0x6366, 0x09}}},
        {"ChMem", [] { OF().ChMem = 1; }, {{0x6367, 0x01}}},
        {"ResetOpt", [] { OF().ResetOpt = 1; }, {{0x6367, 0x02}}},
        {"OptSpare2", [] { OF().OptSpare2 = 1; }, {{0x6367, 0x04}}},
        {"HfCurMem", [] { RD().HfCurMem = 98; }, {{0x6368, 0x62}}},
        {"HamCurMem", [] { RD().HamCurMem = 5; }, {{0x6369, 0x05}}},
        {"HfDwBand", [] { RD().HfDwBand = 11; }, {{0x6380, 0x0B}}},
        {"HfDwChan", [] { RD().HfDwChan = 59; }, {{0x6381, 0x3B}}},
        {"HfDwMode", [] { RD().HfDwMode = 5; }, {{0x6382, 0x05}}},
        {"HamDwBand", [] { RD().HamDwBand = 8; }, {{0x6383, 0x08}}},
        {"HamDwChan", [] { RD().HamDwChan = 1; }, {{0x6384, 0x01}}},
        {"HamDwMode", [] { RD().HamDwMode = 3; }, {{0x6385, 0x03}}},
        {"CwBeep", [] { OF().CwBeep = 63; }, {{0x6501, 0x3F}}},
        {"CwFreq", [] { OF().CwFreq = 300; }, {{0x6502, 0x2C}, {0x6503, 0x01}}},
        {"MaxVolt", [] { OF().MaxVolt = 160; }, {{0x6504, 0xA0}}},
        {"Mode", [] { OF().Mode = 5; }, {{0x6505, 0x05}}},
        {"FmEnable", [] { OF().FmEnable = 1; }, {{0x6506, 0x01}}},
        {"AmEnable", [] { OF().AmEnable = 1; }, {{0x6506, 0x02}}},
        {"UsbEnable", [] { OF().UsbEnable = 1; }, {{0x6506, 0x04}}},
        {"LsbEnable", [] { OF().LsbEnable = 1; }, {{0x6506, 0x08}}},
        {"PaEnable", [] { OF().PaEnable = 1; }, {{0x6506, 0x10}}},
        {"CwEnable", [] { OF().CwEnable = 1; }, {{0x6506, 0x20}}},
        {"HiCut", [] { OF().HiCut = 1; }, {{0x6507, 0x01}}},
        {"NbAnl", [] { OF().NbAnl = 1; }, {{0x6507, 0x02}}},
        {"Echo", [] { OF().Echo = 1; }, {{0x6507, 0x04}}},
        {"Plus10K", [] { OF().Plus10K = 1; }, {{0x6507, 0x08}}},
        {"RBSet 5, RBEnable, TxCdt 2", [] { OF().RBSet = 5; OF().RBEnable = 1; OF().TxCdt = 2; }, {{0x6508, 0x55}}},
        {"RBSet 8", [] { OF().RBSet = 8; }, {{0x6508, 0x08}}},
        {"BeepOn", [] { OF().BeepOn = 1; }, {{0x6509, 0x01}}},
        {"MicGain", [] { OF().MicGain = 36; }, {{0x650A, 0x24}}},
        {"Nog", [] { OF().Nog = 32; }, {{0x650B, 0x20}}},
        {"Tot 4", [] { OF().Tot = 4; }, {{0x650C, 0x0C}}},
        {"Tot 20", [] { OF().Tot = 20; }, {{0x650C, 0x3C}}},
        {"SwrProtect", [] { OF().SwrProtect = 1; }, {{0x650D, 0x01}}},
        {"ScanType", [] { OF().ScanType = 1; }, {{0x650E, 0x01}}},
        {"Fin", [] { OF().Fin = 3; }, {{0x650F, 0x03}}},
        {"FreqCh", [] { OF().FreqCh = 1; }, {{0x6511, 0x01}}},
        {"AsqLevel", [] { RD().AsqLevel = 9; }, {{0x6512, 0x09}}},
        {"TxOffset", [] { RD().TxOffset = 50000; }, {{0x6513, 0x50}, {0x6514, 0xC3}}},
        {"MenuPage", [] { OF().MenuPage = 29; }, {{0x6515, 0x1D}}},
        {"MicType", [] { RD().MicType = 1; }, {{0x6516, 0x01}}},
        {"RxNrc", [] { RD().RxNrc = 5; }, {{0x6517, 0x05}}},
        {"Dim", [] { OF().Dim = 4; }, {{0x6518, 0x04}}},
        {"FmDev", [] { OF().FmDev = 1; }, {{0x6519, 0x01}}},
        {"VoxLevel", [] { RD().VoxLevel = 9; }, {{0x651A, 0x09}}},
        {"VoxTime", [] { RD().VoxTime = 8; }, {{0x651B, 0x08}}},
        {"EchoVol", [] { RD().EchoVol = 31; }, {{0x651C, 0x1F}}},
        {"EchoTime", [] { RD().EchoTime = 30; }, {{0x651D, 0x1E}}},
        {"Tdc", [] { RD().Tdc = 1; }, {{0x651E, 0x01}}},
        {"TxNrc", [] { RD().TxNrc = 4; }, {{0x651F, 0x04}}},
        {"ToneHiLo", [] { OF().ToneHiLo = 1; }, {{0x6520, 0x01}}},
        {"Agc", [] { OF().Agc = 1; }, {{0x6521, 0x01}}},
        {"RfgDisplay", [] { OF().RfgDisplay = 1; }, {{0x6522, 0x01}}},
        {"PowerDisplay", [] { OF().PowerDisplay = 1; }, {{0x6523, 0x01}}},
        {"SqlDisplay", [] { RD().SqlDisplay = 1; }, {{0x6524, 0x01}}},
        {"VolDisplay", [] { RD().VolDisplay = 1; }, {{0x6525, 0x01}}},
        {"VoxSpk", [] { RD().VoxSpk = 1; }, {{0x6526, 0x01}}},
        {"FinRange", [] { RD().FinRange = 1; }, {{0x6527, 0x01}}},
        {"VolPath", [] { RD().VolPath = 2; }, {{0x6528, 0x02}}},
        {"WxDisplay", [] { OF().WxDisplay = 1; }, {{0x6354, 0x01}}},
        {"WxSql", [] { RD().WxSql = 9; }, {{0x6355, 0x09}}},
        // "7310N": 0x0098, 0x12B8, 0x0090, 0x1598, 0x4591, low byte first
        {"StartChar", [] { OF().StartChar.Set("7310N"); },
         {{0x6580, 0x98}, {0x6581, 0x00}, {0x6582, 0xB8}, {0x6583, 0x12}, {0x6584, 0x90}, {0x6585, 0x00},
          {0x6586, 0x98}, {0x6587, 0x15}, {0x6588, 0x91}, {0x6589, 0x45}}},
    };
    return cases;
}

// A zero record but for the two values whose zero is not carried.
void BaseRecord() {
    ResetAll();
    OF().StartChar.Set("     ");  // zero characters would read back as blanks
    OF().WorkGroup = {1, 1};      // 0 names no group and would read back as 256
}

TEST_F(ImageOptions, EveryFieldPacksAtItsAddressAndReadsBack) {
    BaseRecord();
    PackOptions();
    const Link::Image zeroRecord = Link::RadioImage;
    for (const OptCase& c : OptCases()) {
        BaseRecord();
        c.set();
        const DataFileRec packed = RD();
        PackOptions();
        for (const auto& [at, value] : c.bytes) EXPECT_EQ(Link::RadioImage[at], value) << c.name << " at " << at;
        for (std::size_t at : Differences(zeroRecord, Link::RadioImage))
            EXPECT_TRUE(c.bytes.count(at)) << c.name << " also wrote " << at;
        ModCommFun::UnpackOptFeat(OF());
        DataFileRec expected = packed;
        expected.OptFeatures.GroupValid[1][2] = packed.OptFeatures.GroupValid[1][2] & 1;
        EXPECT_EQ(RD().OptFeatures, expected.OptFeatures) << c.name;
        EXPECT_EQ(RD(), expected) << c.name;
    }
}

TEST_F(ImageOptions, UnusedAndUntouchedBytes) {
    Link::RadioImage.fill(0xAA);
    PackOptions();
    EXPECT_EQ(Link::RadioImage[0x6500], 0xAA);
    EXPECT_EQ(Link::RadioImage[0x6510], 0x00);  // written as 0 whatever the radio sent
    EXPECT_EQ(Link::RadioImage[0x6529], 0xAA);
    EXPECT_EQ(Link::RadioImage[0x6386], 0xAA);
    EXPECT_EQ(Link::RadioImage[0x636A], 0xAA);
    EXPECT_EQ(Link::RadioImage[0x658A], 0xAA);
    EXPECT_EQ(Link::RadioImage[0x6154], 0x00);  // after the ten HAM pairs: only zeroed by the fill
}

TEST_F(ImageOptions, HamGroupsTenToTwelveAreSwitchedOffByPacking) {
    for (int g = 1; g <= 12; ++g) OF().GroupValid[1][static_cast<std::size_t>(g)] = 1;
    PackOptions();
    EXPECT_EQ(Link::RadioImage[0x6362], 0xFF);
    EXPECT_EQ(Link::RadioImage[0x6363], 0x01);
    EXPECT_EQ(OF().GroupValid[1][10], 0);
    EXPECT_EQ(OF().GroupValid[1][12], 0);
    EXPECT_EQ(OF().GroupValid[1][9], 1);
}

TEST_F(ImageOptions, UnpackRules) {
    struct Case {
        const char* name;
        std::map<std::size_t, int> bytes;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"mode byte 0x35: CurMode above 1 reads as HF", {{0x6364, 0x35}}, [] {
             EXPECT_EQ(RD().CurMode, 0);
             EXPECT_EQ(OF().OptSpare1, 2);
             EXPECT_EQ(Prog::BandRangeText, QStringLiteral("24.7150 - 30.1050 MHz"));
             EXPECT_DOUBLE_EQ(Prog::BandLowMHz, 24.715);
             EXPECT_DOUBLE_EQ(Prog::BandHighMHz, 30.105);
         }},
        {"mode byte 0x01: HAM", {{0x6364, 0x01}}, [] {
             EXPECT_EQ(RD().CurMode, 1);
             EXPECT_EQ(OF().OptSpare1, -1);
             EXPECT_EQ(Prog::BandRangeText, QStringLiteral("28.0000 - 29.7000 MHz"));
             EXPECT_DOUBLE_EQ(Prog::BandHighMHz, 29.7);
         }},
        {"Tot rounds to the nearest", {{0x650C, 13}}, [] { EXPECT_EQ(OF().Tot, 4); }},
        {"Tot 14 / 3", {{0x650C, 14}}, [] { EXPECT_EQ(OF().Tot, 5); }},
        {"TxOffset full 16 bits", {{0x6513, 0xFF}, {0x6514, 0xFF}}, [] { EXPECT_EQ(RD().TxOffset, 65535); }},
        {"TxOffset 50000", {{0x6513, 0x50}, {0x6514, 0xC3}}, [] { EXPECT_EQ(RD().TxOffset, 50000); }},
        {"CwFreq", {{0x6502, 0x2C}, {0x6503, 0x01}}, [] { EXPECT_EQ(OF().CwFreq, 300); }},
        {"roger byte", {{0x6508, 0x55}}, [] {
             EXPECT_EQ(OF().RBSet, 5);
             EXPECT_EQ(OF().RBEnable, 1);
             EXPECT_EQ(OF().TxCdt, 2);
         }},
        {"channel references", {{0x6120, 0x00}, {0x6121, 0x3B}, {0x6100, 0xFF}, {0x6153, 0xFE}}, [] {
             EXPECT_EQ(OF().EmgCh1[0][1], 1);
             EXPECT_EQ(OF().EmgCh2[0][1], 60);
             EXPECT_EQ(OF().MemCh1[0][1], 0);     // 0xFF is "none", not channel 256
             EXPECT_EQ(OF().EmgCh2[1][10], 255);
         }},
        {"mode codes are kept as the radio holds them", {{0x6160, 4}, {0x6161, 5}, {0x6162, 6}, {0x6193, 0xFF}, {0x6505, 7}}, [] {
             EXPECT_EQ(OF().EmgMode1[0][1], 4);
             EXPECT_EQ(OF().EmgMode2[0][1], 5);
             EXPECT_EQ(OF().EmgMode1[0][2], 6);
             EXPECT_EQ(OF().EmgMode2[1][10], 255);
             EXPECT_EQ(OF().Mode, 7);
         }},
        {"public mode 0xFF", {{0x6505, 0xFF}}, [] { EXPECT_EQ(OF().Mode, 255); }},
        {"work groups", {{0x6365, 0x00}, {0x6366, 0xFF}}, [] {
             EXPECT_EQ(OF().WorkGroup[0], 1);
             EXPECT_EQ(OF().WorkGroup[1], 256);
         }},
        {"group-valid bits of both modes", {{0x6360, 0x81}, {0x6361, 0xF8}, {0x6362, 0x00}, {0x6363, 0x0E}}, [] {
             EXPECT_EQ(OF().GroupValid[0][1], 1);
             EXPECT_EQ(OF().GroupValid[0][2], 0);
             EXPECT_EQ(OF().GroupValid[0][8], 1);
             EXPECT_EQ(OF().GroupValid[0][12], 1);
             EXPECT_EQ(OF().GroupValid[1][9], 0);
             EXPECT_EQ(OF().GroupValid[1][10], 1);
             EXPECT_EQ(OF().GroupValid[1][12], 1);
         }},
        {"start characters: O reads as 0, unknown codes as blanks",
         {{0x6580, 0x98}, {0x6581, 0x15}, {0x6582, 0x34}, {0x6583, 0x12}, {0x6584, 0x20}, {0x6585, 0x02},
          {0x6586, 0x00}, {0x6587, 0x00}, {0x6588, 0x48}, {0x6589, 0x30}},
         [] { EXPECT_EQ(OF().StartChar.Str(), "0 - Z"); }},
    };
    for (const Case& c : cases) {
        ResetAll();
        ModComm::InitImage();
        for (const auto& [at, value] : c.bytes) Link::RadioImage[at] = static_cast<byte8>(value);
        ModCommFun::UnpackOptFeat(OF());
        SCOPED_TRACE(c.name);
        c.check();
    }
}

TEST_F(ImageOptions, StartCharactersOutsideTheTable) {
    OF().StartChar.Set("O7a-.");
    PackOptions();
    EXPECT_EQ(Bytes(0x6580, 10), (std::vector<int>{0x98, 0x15, 0x98, 0x00, 0x00, 0x00, 0x20, 0x02, 0x00, 0x00}));
    ModCommFun::UnpackOptFeat(OF());
    EXPECT_EQ(OF().StartChar.Str(), "07 - ");
}

struct LcdRow {
    char c;
    int hi, lo;
};

const LcdRow kLcdTable[] = {
    {' ', 0x00, 0x00}, {'0', 0x15, 0x98}, {'1', 0x00, 0x90}, {'2', 0x13, 0xA8}, {'3', 0x12, 0xB8},
    {'4', 0x06, 0xB0}, {'5', 0x16, 0x38}, {'6', 0x17, 0x38}, {'7', 0x00, 0x98}, {'8', 0x17, 0xB8},
    {'9', 0x16, 0xB8}, {'A', 0x07, 0xB8}, {'B', 0x10, 0xBE}, {'C', 0x15, 0x08}, {'D', 0x10, 0x9E},
    {'E', 0x17, 0x28}, {'F', 0x07, 0x28}, {'G', 0x15, 0x38}, {'H', 0x07, 0xB0}, {'I', 0x10, 0x0E},
    {'J', 0x21, 0x48}, {'K', 0x07, 0x41}, {'L', 0x15, 0x00}, {'M', 0x45, 0xD0}, {'N', 0x45, 0x91},
    {'O', 0x15, 0x98}, {'P', 0x07, 0xA8}, {'Q', 0x15, 0x99}, {'R', 0x07, 0xA9}, {'S', 0x50, 0x38},
    {'T', 0x00, 0x0E}, {'U', 0x15, 0x90}, {'V', 0x25, 0x40}, {'W', 0x25, 0x91}, {'X', 0x60, 0x41},
    {'Y', 0x40, 0x42}, {'Z', 0x30, 0x48}, {'-', 0x02, 0x20},
};

TEST(LcdCodes, TableBothWays) {
    for (const LcdRow& r : kLcdTable) {
        EXPECT_EQ(ModFun::GetLcdCodeByChar(QLatin1Char(r.c), 1), r.hi) << r.c;
        EXPECT_EQ(ModFun::GetLcdCodeByChar(QLatin1Char(r.c), 0), r.lo) << r.c;
        EXPECT_EQ(ModFun::GetLcdCodeByChar(QLatin1Char(r.c), -1), r.hi) << r.c;
        const QString back = ModFun::GetCharByLcdCode(r.hi, r.lo);
        EXPECT_EQ(back, QString(QLatin1Char(r.c == 'O' ? '0' : r.c))) << r.c;
    }
}

// Of all 65536 byte pairs, 36 decode to a character ("O" shares the code of "0"), each to a
// different one; every other pair decodes to the blank.
TEST(LcdCodes, EveryOtherCodeDecodesToTheBlank) {
    QString decoded;
    for (int hi = 0; hi <= 255; ++hi)
        for (int lo = 0; lo <= 255; ++lo) {
            const QString c = ModFun::GetCharByLcdCode(hi, lo);
            ASSERT_EQ(c.size(), 1) << hi << " " << lo;
            if (c != QStringLiteral(" ")) decoded += c;
        }
    std::sort(decoded.begin(), decoded.end());
    EXPECT_EQ(decoded, QStringLiteral("-0123456789ABCDEFGHIJKLMNPQRSTUVWXYZ"));
}

TEST(LcdCodes, OtherCharactersAndCodes) {
    for (QChar c : {QChar('a'), QChar('z'), QChar('.'), QChar(0), QChar(0x00C4), QChar(0x4E2D)}) {
        EXPECT_EQ(ModFun::GetLcdCodeByChar(c, 0), 0);
        EXPECT_EQ(ModFun::GetLcdCodeByChar(c, 1), 0);
    }
    EXPECT_EQ(ModFun::GetCharByLcdCode(0x00, 0x00), QStringLiteral(" "));
    EXPECT_EQ(ModFun::GetCharByLcdCode(0x00, 0x01), QStringLiteral(" "));
    EXPECT_EQ(ModFun::GetCharByLcdCode(0x98, 0x15), QStringLiteral(" "));  // bytes swapped
}

TEST_F(ImageOptions, ToneSetsLieInTheirBlocks) {
    const std::size_t starts[] = {0, 0x6400, 0x641E, 0x6440, 0x645E, 0x6480, 0x649E, 0x64C0, 0x64DE};
    for (int n = 1; n <= 8; ++n) {
        RBToneSet& s = RD().ToneTips[static_cast<std::size_t>(n)];
        s.RepeatTimes = static_cast<int16>(n);
        s.InterTime = static_cast<int16>(0x10 + n);
        for (int k = 1; k <= 14; ++k) {
            s.Tone[static_cast<std::size_t>(k)].ToneFreq = static_cast<int16>(0x40 + k);
            s.Tone[static_cast<std::size_t>(k)].ToneLen = static_cast<int16>(n * 16 + k);
        }
    }
    Link::RadioImage.fill(0xEE);
    const Link::Image before = Link::RadioImage;
    ModCommFun::PackRBTone(RD().ToneTips);
    EXPECT_EQ(Differences(before, Link::RadioImage).size(), 8u * 30u);
    for (int n = 1; n <= 8; ++n) {
        const std::size_t at = starts[n];
        EXPECT_EQ(Link::RadioImage[at], n);
        EXPECT_EQ(Link::RadioImage[at + 1], 0x10 + n);
        EXPECT_EQ(Link::RadioImage[at + 2], 0x41);   // ToneFreq of tone 1
        EXPECT_EQ(Link::RadioImage[at + 15], 0x4E);  // ToneFreq of tone 14
        EXPECT_EQ(Link::RadioImage[at + 16], n * 16 + 1);
        EXPECT_EQ(Link::RadioImage[at + 29], n * 16 + 14);
    }
    EXPECT_EQ(Link::RadioImage[0x647B], 4 * 16 + 14);  // set 4, ToneLen of tone 14
    EXPECT_EQ(Bytes(0x643C, 4), (std::vector<int>{0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(Link::RadioImage[0x64FC], 0xEE);
    const auto packed = RD().ToneTips;
    RD().ToneTips = {};
    ModCommFun::UnpackRBTone(RD().ToneTips);
    EXPECT_EQ(RD().ToneTips, packed);
}

TEST_F(ImageOptions, WeatherChannelsAndSettings) {
    auto& tv = RD().TVChannel;
    tv[1] = {1, 162.55, 0, 1, 1};
    tv[40] = {1, 136.00625, 0, 0, 0};
    tv[41] = {1, 174.0, 0, 1, 1};
    tv[2] = {0, 150.0, 0, 1, 1};  // not valid: nothing written
    OF().CurWxCh = 39;
    OF().WxAlert = 1;
    OF().WxScanState = 1;
    OF().WxVfo = 1;
    ModComm::InitImage();
    ModCommFun::PackTVChannel();
    EXPECT_EQ(Bytes(0x6200, 5), (std::vector<int>{0x16, 0x25, 0x50, 0x00, 0x01}));
    EXPECT_EQ(Bytes(0x6208, 5), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(0x6338, 5), (std::vector<int>{0x13, 0x60, 0x06, 0x25, 0x00}));
    EXPECT_EQ(Bytes(0x6590, 5), (std::vector<int>{0x17, 0x40, 0x00, 0x00, 0x01}));
    EXPECT_EQ(Bytes(0x634B, 6), (std::vector<int>{0x01, 0, 0, 0, 0x80, 0x01}));  // presence: 1, 40, VFO
    EXPECT_EQ(Bytes(0x6343, 6), (std::vector<int>{0x01, 0, 0, 0, 0x00, 0x01}));  // scan: 1, VFO
    EXPECT_EQ(Bytes(0x6340, 3), (std::vector<int>{0x27, 0x01, 0x01}));
    EXPECT_EQ(Link::RadioImage[0x6353], 0x01);

    RD().TVChannel = {};
    RD().OptFeatures = {};
    tv[41].ScanAdd = 7;
    ModCommFun::UnpackTVChannel();
    EXPECT_EQ(tv[1].Valid, 1);
    EXPECT_DOUBLE_EQ(tv[1].FreqMHz, 162.55);
    EXPECT_EQ(tv[1].Bandwidth, 1);
    EXPECT_EQ(tv[1].ScanAdd, 1);
    EXPECT_DOUBLE_EQ(tv[40].FreqMHz, 136.00625);
    EXPECT_EQ(tv[40].ScanAdd, 0);
    EXPECT_EQ(tv[2].Valid, 0);
    EXPECT_EQ(tv[41].Valid, 1);
    EXPECT_DOUBLE_EQ(tv[41].FreqMHz, 174.0);
    EXPECT_EQ(tv[41].ScanAdd, 1);  // the VFO's scan bit is read like the others
    EXPECT_EQ(OF().CurWxCh, 39);
    EXPECT_EQ(OF().WxVfo, 1);
}

TEST_F(ImageOptions, WeatherUnpackRules) {
    ModComm::InitImage();
    Link::RadioImage[0x634B] = 0x03;                      // channels 1 and 2 present
    PutBytes(0x6200, {0x16, 0x2A, 0x50, 0x00, 0x03});    // not BCD
    PutBytes(0x6208, {0x16, 0x24, 0x00, 0x00, 0x02});    // BCD, bandwidth bit 0
    PutBytes(0x6590, {0xFF, 0xFF, 0xFF, 0xFF, 0x01});    // VFO not BCD
    auto& tv = RD().TVChannel;
    tv[1] = {0, 140.0, 1, 1, 1};
    tv[3] = {1, 140.0, 1, 1, 1};
    ModCommFun::UnpackTVChannel();
    EXPECT_EQ(tv[1].Valid, 0);
    EXPECT_DOUBLE_EQ(tv[1].FreqMHz, 140.0);
    EXPECT_EQ(tv[1].OnOff, 1);
    EXPECT_EQ(tv[2].Valid, 1);
    EXPECT_DOUBLE_EQ(tv[2].FreqMHz, 162.4);
    EXPECT_EQ(tv[2].Bandwidth, 0);
    EXPECT_EQ(tv[3].Valid, 0);
    EXPECT_EQ(tv[3].ScanAdd, 0);
    EXPECT_EQ(tv[41].Valid, 0);
}

TEST_F(ImageOptions, WeatherFrequencyThatEightDigitsCannotHoldGoesOutEmpty) {
    RD().TVChannel[5] = {1, 1000.0, 0, 1, 1};
    RD().TVChannel[6] = {1, -1.0, 0, 1, 1};
    RD().TVChannel[kTVChannelCount] = {0, 162.55, 0, 1, 1};  // an emptied VFO goes out empty too
    ModComm::InitImage();
    const Link::Image before = Link::RadioImage;
    ModCommFun::PackTVChannel();
    for (std::size_t at : Differences(before, Link::RadioImage)) EXPECT_TRUE(at >= 0x6340 && at <= 0x6342) << at;
}

}  // namespace

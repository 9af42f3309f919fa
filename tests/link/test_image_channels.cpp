// The image fill before a transfer, frequency texts, and channel slots and bits, with bytes
// worked out from the image layout by hand.
#include "ImageTestSupport.h"
#include "link/ModCommFun.h"
#include "link/ModCommImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

namespace {

using namespace ImageTest;

class ImageChannels : public ::testing::Test {
protected:
    void SetUp() override { ResetAll(); }
};

TEST_F(ImageChannels, InitImageFillsSlotsAndBitmapsAndKeepsTheRest) {
    Link::RadioImage.fill(0x5A);
    ModComm::InitImage();
    const auto& img = Link::RadioImage;
    EXPECT_EQ(img[0x0000], 0xFF);
    EXPECT_EQ(img[0x4EC0], 0xFF);  // the unused HAM room goes out as 0xFF
    EXPECT_EQ(img[0x527F], 0xFF);
    EXPECT_EQ(img[0x5F1F], 0xFF);
    EXPECT_EQ(img[0x5F20], 0x00);
    EXPECT_EQ(img[0x6200], 0x00);
    EXPECT_EQ(img[0x6360], 0x00);
    EXPECT_EQ(img[0x6361], 0x5A);
    EXPECT_EQ(img[0x65FF], 0x5A);
    EXPECT_EQ(img[0x6600], 0x5A);
    EXPECT_EQ(std::count(img.begin(), img.end(), 0xFF), 0x5F20);
    EXPECT_EQ(std::count(img.begin(), img.end(), 0x00), 0x6361 - 0x5F20);
}

TEST(PadFreDigits, NormalisesFrequencyTexts) {
    struct Case { std::string in; const char* out; };
    const Case cases[] = {
        {"", "FFFFFFFF"},
        {"FFFFFFFF", "FFFFFFFF"},
        {"        ", "FFFFFFFF"},
        {std::string(8, '\0'), "FFFFFFFF"},
        {"280150  ", "28015000"},
        {"28015000", "28015000"},
        {"2801", "28010000"},
        {std::string("28\0" "15000", 8), "28000000"},
        {"28 1    ", "28 10000"},
        {"FF      ", "FF000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(ModComm::PadFreDigits(std::string_view(c.in), 8), c.out) << '"' << c.in << '"';
}

struct SlotCase {
    const char* name;
    int mode, group, n;
    std::size_t slot;
    std::optional<std::size_t> presence, scan;  // byte of the bit; none for the VFO
    int mask;
};

// Slot = base + ((g - 1) * 60 + n - 1) * 16 for lettered groups, base + (n - 1) * 16 for MEM;
// bit (n - 1) & 7 of byte base + (g - 1) * 8 + (n - 1) / 8.
const SlotCase kSlots[] = {
    {"HF A 1", 0, 1, 1, 0x0000, 0x5F20, 0x6000, 0x01},
    {"HF B 9", 0, 2, 9, 0x0440, 0x5F29, 0x6009, 0x01},
    {"HF G M1", 0, 7, 41, 0x1900, 0x5F55, 0x6035, 0x01},
    {"HF L 60", 0, 12, 60, 0x2CF0, 0x5F7F, 0x605F, 0x08},
    {"HF MEM 1", 0, 13, 1, 0x5280, 0x61A0, 0x61C0, 0x01},
    {"HF MEM 99", 0, 13, 99, 0x58A0, 0x61AC, 0x61CC, 0x04},
    {"HF VFO", 0, 14, 1, 0x5F00, std::nullopt, std::nullopt, 0},
    {"HAM A 1", 1, 1, 1, 0x2D00, 0x5F80, 0x6060, 0x01},
    {"HAM E 17", 1, 5, 17, 0x3D00, 0x5FA2, 0x6082, 0x01},
    {"HAM I 60", 1, 9, 60, 0x4EB0, 0x5FC7, 0x60A7, 0x08},
    {"HAM MEM 1", 1, 10, 1, 0x58C0, 0x61B0, 0x61D0, 0x01},
    {"HAM MEM 99", 1, 10, 99, 0x5EE0, 0x61BC, 0x61DC, 0x04},
    {"HAM VFO", 1, 11, 1, 0x5F10, std::nullopt, std::nullopt, 0},
};

TEST_F(ImageChannels, EachGroupKindPacksIntoItsSlotAndBitsAndNowhereElse) {
    for (const SlotCase& c : kSlots) {
        ResetAll();
        ModComm::InitImage();
        const Link::Image before = Link::RadioImage;
        ChannelRecord& r = AddChannel(c.mode, c.group, c.n, "29123400");
        ModCommFun::PackChannel(r, r.ChNo, c.group, c.mode);
        EXPECT_EQ(Bytes(c.slot, 3), (std::vector<int>{0x34, 0x12, 0x29})) << c.name;
        std::set<std::size_t> allowed;
        for (std::size_t i = 0; i < 16; ++i) allowed.insert(c.slot + i);
        if (c.presence) {
            EXPECT_EQ(Link::RadioImage[*c.presence], c.mask) << c.name;
            EXPECT_EQ(Link::RadioImage[*c.scan], c.mask) << c.name;
            allowed.insert({*c.presence, *c.scan});
        }
        for (std::size_t at : Differences(before, Link::RadioImage)) EXPECT_TRUE(allowed.count(at)) << c.name << " wrote " << at;

        Prog::RadioData.ChCountAt(c.mode, c.group) = 0;
        EXPECT_TRUE(ModCommFun::UnpackChannel(c.mode, c.n, c.group)) << c.name;
        EXPECT_EQ(Prog::RadioData.ChCountAt(c.mode, c.group), 1) << c.name;
        EXPECT_EQ(Text(Prog::ChInfo(c.mode, 1, c.group).Freq), "29123400") << c.name;
    }
}

TEST_F(ImageChannels, SlotBytesCarryEveryField) {
    ModComm::InitImage();
    ChannelRecord& r = AddChannel(0, 1, 1, "28015000");
    r.InitFreq.Set("29690000");
    r.RxTone = 39;  // DCS 023: number 1, kind 2
    r.TxTone = 38;  // CTCSS 250.3: number 38, kind 1
    r.Mode = 3;
    r.HiCut = 1, r.NbAnl = 0, r.Echo = 1, r.Plus10K = 0, r.Busy = 1;       // 1 + 4 + 16
    r.RBSet = 5, r.RBEnable = 1;                                          // 5 + 16 + (1 << 5)
    r.RepEnable = 1, r.RepDir = 2, r.ToneFlag = 1, r.Public = 1;          // 1 + 4 + 8 + (2 << 4) + 128
    ModCommFun::PackImage();
    EXPECT_EQ(Bytes(0x0000, 16), (std::vector<int>{0x50, 0x01, 0x28, 0, 0, 0x01, 0x03, 0x26, 0, 0x15, 0x35, 0xAD,
                                                   0x00, 0x69, 0x29, 0}));
}

TEST_F(ImageChannels, OutOfRangeFieldsStayInsideTheirBits) {
    ModComm::InitImage();
    ChannelRecord& r = AddChannel(1, 10, 5, "28015000");
    r.RBSet = 17;   // 4 bits: 1
    r.RBEnable = 0;
    r.RepDir = 5;   // 2 bits: 1
    r.RepEnable = 0;
    r.Public = 0;
    r.HiCut = 2;    // 1 bit: 0
    r.NbAnl = 0;
    r.RxTone = 143; // past the tone list: no tone
    r.TxTone = -4;
    r.ScanAdd = 3;  // only 1 adds to the scan list
    ModCommFun::PackImage();
    // HAM MEM channel 5: 0x58C0 + 4 * 16
    EXPECT_EQ(Bytes(0x5900 + 5, 7), (std::vector<int>{0, 0, 0, 0, 0x00, 0x01, 0x02}));
    EXPECT_EQ(Link::RadioImage[0x61B0], 0x10);
    EXPECT_EQ(Link::RadioImage[0x61D0], 0x00);
}

TEST_F(ImageChannels, ChannelNumbersOutsideTheGroupWriteNothing) {
    ModComm::InitImage();
    const Link::Image before = Link::RadioImage;
    AddChannel(0, 12, 0);
    AddChannel(0, 12, 61);  // would land in HAM group A
    AddChannel(0, 13, 100); // past HF MEM
    AddChannel(1, 10, -3);
    for (int slot = 1; slot <= 2; ++slot) {
        ChannelRecord& r = Prog::ChInfo(0, slot, 12);
        ModCommFun::PackChannel(r, r.ChNo, 12, 0);
    }
    ModCommFun::PackChannel(Prog::ChInfo(0, 1, 13), 100, 13, 0);
    ModCommFun::PackChannel(Prog::ChInfo(1, 1, 10), -3, 10, 1);
    EXPECT_TRUE(Differences(before, Link::RadioImage).empty());
}

TEST_F(ImageChannels, PackImageClampsCountsToTheGroupCapacity) {
    AddChannel(0, 14, 1, "27000000");
    Prog::RadioData.ChCountAt(0, 14) = 40;  // a VFO holds one channel
    Prog::RadioData.ChCountAt(1, 3) = -2;
    Prog::RadioData.ChCountAt(1, 13) = 5;   // HAM has no group 13
    ModComm::InitImage();
    ModCommFun::PackImage();
    EXPECT_EQ(Bytes(0x5F00, 3), (std::vector<int>{0x00, 0x00, 0x27}));
    EXPECT_EQ(Bytes(0x2D00 + 2 * 60 * 16, 3), (std::vector<int>{0xFF, 0xFF, 0xFF}));
}

TEST_F(ImageChannels, EmptyGroupsLeaveTheFill) {
    ModComm::InitImage();
    ModCommFun::PackImage();
    const auto& img = Link::RadioImage;
    EXPECT_TRUE(std::all_of(img.begin(), img.begin() + 0x5F20, [](byte8 b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(img.begin() + 0x5F20, img.begin() + 0x60A8, [](byte8 b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(img.begin() + 0x61A0, img.begin() + 0x61DD, [](byte8 b) { return b == 0; }));
}

TEST_F(ImageChannels, FrequencyTextsAreNormalisedByPacking) {
    ChannelRecord& r = AddChannel(0, 2, 9, "280150  ");
    r.InitFreq.Set("");
    ModComm::InitImage();
    ModCommFun::PackImage();
    EXPECT_EQ(Bytes(0x0440, 3), (std::vector<int>{0x50, 0x01, 0x28}));
    EXPECT_EQ(Bytes(0x0440 + 12, 3), (std::vector<int>{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Text(r.Freq), "28015000");
    EXPECT_EQ(Text(r.InitFreq), "FFFFFFFF");
    EXPECT_EQ(Link::RadioImage[0x5F29], 0x01);
    ModCommFun::UnpackImage();
    EXPECT_EQ(Text(Prog::ChInfo(0, 1, 2).Freq), "28015000");
    EXPECT_EQ(Text(Prog::ChInfo(0, 1, 2).InitFreq), "FFFFFFFF");
}

TEST_F(ImageChannels, ScanBitFollowsScanAdd) {
    AddChannel(0, 1, 3).ScanAdd = 0;
    AddChannel(0, 1, 4).ScanAdd = 1;
    ModComm::InitImage();
    ModCommFun::PackImage();
    EXPECT_EQ(Link::RadioImage[0x5F20], 0x0C);
    EXPECT_EQ(Link::RadioImage[0x6000], 0x08);
    ModCommFun::UnpackImage();
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).ScanAdd, 0);
    EXPECT_EQ(Prog::ChInfo(0, 2, 1).ScanAdd, 1);
}

// A slot built by hand: frequency 28.0150, then bytes 5 to 11 as given.
void PutSlot(std::size_t at, int rxNumber, int mode, int txNumber, int b9, int b10, int b11) {
    PutBytes(at, {0x50, 0x01, 0x28, 0, 0, rxNumber, mode, txNumber, 0, b9, b10, b11, 0x00, 0x70, 0x29, 0});
}

TEST_F(ImageChannels, UnpackDecodesSlotBytes) {
    struct Case {
        const char* name;
        int rx, mode, tx, b9, b10, b11;
        int RxTone, TxTone, RxType, TxType, RepEnable, RepDir, ToneFlag, Public, RBSet, RBEnable;
    };
    const Case cases[] = {
        // b10: RBSet | RBEnable << 4 | tx kind << 5; b11: RepEnable | RepDir << 1 | ToneFlag << 3 | rx kind << 4 | Public << 7
        {"DCS 023 / CTCSS 250.3", 1, 2, 38, 0, 0x33, 0xAD, 39, 38, 2, 1, 1, 2, 1, 1, 3, 1},
        {"last DCS", 104, 0, 104, 0, 0x40, 0x28, 142, 142, 2, 2, 0, 0, 1, 0, 0, 0},
        {"tone flag off hides the kinds", 5, 0, 7, 0, 0x20, 0x10, 5, 7, 0, 0, 0, 0, 0, 0, 0, 0},
        {"kind 3 is no tone", 5, 0, 7, 0, 0x60, 0x38, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0},
        {"DCS number 0 is no tone", 0, 0, 0, 0, 0x40, 0x28, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0},
        {"CTCSS number past 38", 39, 0, 200, 0, 0x20, 0x18, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0},
        {"DCS number past 104", 105, 0, 255, 0, 0x40, 0x28, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0},
        {"RepDir 3 is kept", 0, 0, 0, 0, 0x0F, 0x07, 0, 0, 0, 0, 1, 3, 0, 0, 15, 0},
    };
    for (const Case& c : cases) {
        ResetAll();
        ModComm::InitImage();
        PutSlot(0x0000, c.rx, c.mode, c.tx, c.b9, c.b10, c.b11);
        Link::RadioImage[0x5F20] = 0x01;
        ModCommFun::UnpackImage();
        ASSERT_EQ(Prog::RadioData.ChCountAt(0, 1), 1) << c.name;
        const ChannelRecord& r = Prog::ChInfo(0, 1, 1);
        EXPECT_EQ(r.RxTone, c.RxTone) << c.name;
        EXPECT_EQ(r.TxTone, c.TxTone) << c.name;
        EXPECT_EQ(r.RxToneType, c.RxType) << c.name;
        EXPECT_EQ(r.TxToneType, c.TxType) << c.name;
        EXPECT_EQ(r.RepEnable, c.RepEnable) << c.name;
        EXPECT_EQ(r.RepDir, c.RepDir) << c.name;
        EXPECT_EQ(r.ToneFlag, c.ToneFlag) << c.name;
        EXPECT_EQ(r.Public, c.Public) << c.name;
        EXPECT_EQ(r.RBSet, c.RBSet) << c.name;
        EXPECT_EQ(r.RBEnable, c.RBEnable) << c.name;
        EXPECT_EQ(r.Mode, c.mode) << c.name;
        EXPECT_EQ(Text(r.InitFreq), "29700000") << c.name;
    }
}

TEST_F(ImageChannels, UnpackDecodesTheOptionFlags) {
    ModComm::InitImage();
    PutSlot(0x5280, 0, 4, 0, 0x1F, 0, 0);  // HF MEM 1: every flag of byte 9 on
    PutSlot(0x5290, 0, 0, 0, 0x0A, 0, 0);  // HF MEM 2: NbAnl and Plus10K
    Link::RadioImage[0x61A0] = 0x03;
    ModCommFun::UnpackImage();
    const ChannelRecord& a = Prog::ChInfo(0, 1, 13);
    const ChannelRecord& b = Prog::ChInfo(0, 2, 13);
    EXPECT_EQ((std::vector<int>{a.HiCut, a.NbAnl, a.Echo, a.Plus10K, a.Busy, a.Mode}), (std::vector<int>{1, 1, 1, 1, 1, 4}));
    EXPECT_EQ((std::vector<int>{b.HiCut, b.NbAnl, b.Echo, b.Plus10K, b.Busy}), (std::vector<int>{0, 1, 0, 1, 0}));
}

TEST_F(ImageChannels, PresentSlotsRefillDenselyInChannelOrder) {
    ModComm::InitImage();
    PutSlot(0x0020, 0, 0, 0, 0, 0, 0);  // HF A 3
    PutSlot(0x0060, 0, 0, 0, 0, 0, 0);  // HF A 7
    PutSlot(0x0050, 0, 0, 0, 0, 0, 0);  // HF A 6: bytes but no presence bit
    Link::RadioImage[0x5F20] = 0x44 | 0x02;  // 3 and 7, and 2 whose slot is 0xFF
    ModCommFun::UnpackImage();
    EXPECT_EQ(Prog::RadioData.ChCountAt(0, 1), 2);
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).ChNo, 3);
    EXPECT_EQ(Prog::ChInfo(0, 2, 1).ChNo, 7);
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).InUse, 1);
}

TEST_F(ImageChannels, NonBcdFrequencyBytesDropTheChannel) {
    ModComm::InitImage();
    PutSlot(0x0000, 0, 0, 0, 0, 0, 0);
    Link::RadioImage[0x0001] = 0x1A;
    Link::RadioImage[0x5F20] = 0x01;
    ModCommFun::UnpackImage();
    EXPECT_EQ(Prog::RadioData.ChCountAt(0, 1), 0);
}

TEST_F(ImageChannels, TheVfoIsAlwaysLookedAt) {
    ModComm::InitImage();
    ModCommFun::UnpackImage();
    EXPECT_EQ(Prog::RadioData.ChCountAt(0, 14), 0);  // 0xFF bytes
    PutBytes(0x5F10, {0x00, 0x50, 0x27});
    ModCommFun::UnpackImage();
    EXPECT_EQ(Prog::RadioData.ChCountAt(1, 11), 1);
    EXPECT_EQ(Prog::ChInfo(1, 1, 11).ChNo, 1);
    EXPECT_EQ(Prog::ChInfo(1, 1, 11).ScanAdd, 1);
    EXPECT_EQ(Text(Prog::ChInfo(1, 1, 11).Freq), "27500000");
}

TEST_F(ImageChannels, UnpackReplacesEveryCountAndMarksOnlyPresentChannels) {
    for (int g = 1; g <= 14; ++g) Prog::RadioData.ChCountAt(1, g) = 3;
    Prog::RadioData.ChCountAt(0, 13) = 99;
    ModComm::InitImage();
    ModCommFun::UnpackImage();
    for (int mode = 0; mode < 2; ++mode)
        for (int g = 1; g <= 14; ++g) EXPECT_EQ(Prog::RadioData.ChCountAt(mode, g), 0) << mode << "/" << g;
}

TEST_F(ImageChannels, SpecialFrequencyAndInitFrequency) {
    ModComm::InitImage();
    PutSlot(0x0000, 0, 0, 0, 0, 0, 0);
    PutBytes(0x0000, {0x90, 0x80, 0x02});  // 02809000
    PutBytes(0x000C, {0xFF, 0xFF, 0xFF});
    Link::RadioImage[0x5F20] = 0x01;
    Prog::ChInfo(0, 1, 1).InitFreq.Set("27777700");  // left from other data
    ModCommFun::UnpackImage();
    EXPECT_EQ(Text(Prog::ChInfo(0, 1, 1).Freq), "28      ");
    EXPECT_EQ(Text(Prog::ChInfo(0, 1, 1).InitFreq), "FFFFFFFF");
    ModComm::InitImage();
    ModCommFun::PackImage();
    EXPECT_EQ(Bytes(0x0000, 3), (std::vector<int>{0x00, 0x00, 0x28}));
}

TEST_F(ImageChannels, UnpackChannelNeverDuplicatesANumber) {
    ModComm::InitImage();
    PutSlot(0x0000, 0, 0, 0, 0, 0, 0);
    Link::RadioImage[0x5F20] = 0x01;
    EXPECT_TRUE(ModCommFun::UnpackChannel(0, 1, 1));
    EXPECT_FALSE(ModCommFun::UnpackChannel(0, 1, 1));
    EXPECT_FALSE(ModCommFun::UnpackChannel(0, 61, 1));
    EXPECT_FALSE(ModCommFun::UnpackChannel(1, 1, 12));
    EXPECT_EQ(Prog::RadioData.ChCountAt(0, 1), 1);
}

}  // namespace

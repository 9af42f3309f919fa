// Whole-image properties: start-up data packs to known bytes, packing twice changes nothing,
// the fill keeps the tail of the image, and random working data survives pack and unpack
// apart from what the image does not carry.
#include "RandomData.h"
#include "link/ModCommFun.h"
#include "link/ModCommImage.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace ImageTest;

TEST(ImageStartup, StartupDataPacksToKnownBytes) {
    StartupData();
    ModComm::InitImage();
    ModCommFun::PackImage();
    // HF A: channel 1 at 0x0000, M1 (41) at 40 * 16 = 0x0280, M6 (46) at 0x02D0; bits 0 and 40..45
    EXPECT_EQ(Bytes(0x0000, 3), (std::vector<int>{0x50, 0x01, 0x28}));
    EXPECT_EQ(Bytes(0x0280, 3), (std::vector<int>{0x50, 0x01, 0x28}));
    EXPECT_EQ(Bytes(0x02D0, 3), (std::vector<int>{0x50, 0x02, 0x28}));
    EXPECT_EQ(Bytes(0x5F20, 8), (std::vector<int>{0x01, 0, 0, 0, 0, 0x3F, 0, 0}));
    // HF K (11): M channels only; HF MEM and both VFOs empty
    EXPECT_EQ(Bytes(0x5F70, 8), (std::vector<int>{0, 0, 0, 0, 0, 0x3F, 0, 0}));
    EXPECT_EQ(Bytes(0x61A0, 13), std::vector<int>(13, 0));
    EXPECT_EQ(Bytes(0x5F00, 32), std::vector<int>(32, 0xFF));
    // HAM MEM: channel 1 at 28.085 MHz, M channels at 0x58C0 + 40 * 16
    EXPECT_EQ(Bytes(0x58C0, 3), (std::vector<int>{0x50, 0x08, 0x28}));
    EXPECT_EQ(Bytes(0x5B40, 3), (std::vector<int>{0x50, 0x01, 0x28}));
    EXPECT_EQ(Bytes(0x61B0, 13), (std::vector<int>{0x01, 0, 0, 0, 0, 0x3F, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(0x61D0, 13), (std::vector<int>{0x01, 0, 0, 0, 0, 0x3F, 0, 0, 0, 0, 0, 0, 0}));
    // a default channel: NbAnl, RBSet 1, RepDir 1, Public; no tones
    EXPECT_EQ(Bytes(0x0005, 7), (std::vector<int>{0, 0, 0, 0, 0x02, 0x01, 0x82}));
    EXPECT_EQ(Bytes(0x6360, 10), (std::vector<int>{0xFF, 0x0F, 0xFF, 0x01, 0x31, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Bytes(0x6120, 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(Bytes(0x6504, 12), (std::vector<int>{0xA0, 0x01, 0x1F, 0x02, 0x10, 0x01, 0x0F, 0x0F, 0x00, 0x01, 0, 0}));
    EXPECT_EQ(Bytes(0x6512, 3), (std::vector<int>{0x01, 0x64, 0x00}));
    EXPECT_EQ(Bytes(0x6580, 10), (std::vector<int>{0x98, 0x00, 0xB8, 0x12, 0x90, 0x00, 0x98, 0x15, 0x91, 0x45}));
    // tone set 1: once, no pause, 2100 Hz / silence alternating, 100 ms each
    EXPECT_EQ(Bytes(0x6400, 10), (std::vector<int>{1, 0, 0xD2, 0, 0xD2, 0, 0xD2, 0, 0xD2, 0}));
    EXPECT_EQ(Bytes(0x6410, 8), (std::vector<int>{10, 10, 10, 10, 10, 10, 10, 0}));
    EXPECT_EQ(Bytes(0x64C0, 30), std::vector<int>(30, 0));  // set 7 unused
}

TEST(ImageStartup, TheTailIsPassedThroughFromTheLastRead) {
    StartupData();
    ModComm::InitImage();
    ModCommFun::PackImage();
    const std::size_t gaps[] = {0x636A, 0x637F, 0x6386, 0x63FF, 0x643C, 0x643F, 0x6500, 0x6529,
                                0x657F, 0x658A, 0x6595, 0x6597, 0x65FF, 0x6600};
    for (std::size_t at : gaps) EXPECT_EQ(Link::RadioImage[at], 0) << at;  // no read yet: zeros

    Rng r(7);
    for (auto& b : Link::RadioImage) b = r.B8(0, 255);
    const Link::Image read = Link::RadioImage;
    ModComm::InitImage();
    for (std::size_t at = 0x6361; at <= 0x6600; ++at) ASSERT_EQ(Link::RadioImage[at], read[at]) << at;
    ModCommFun::PackImage();
    for (std::size_t at : gaps) EXPECT_EQ(Link::RadioImage[at], read[at]) << at;
}

TEST(ImageStartup, PackingTwiceGivesTheSameBytes) {
    for (unsigned seed = 0; seed < 20; ++seed) {
        if (seed == 0)
            StartupData();
        else
            RandomData(seed);
        ModComm::InitImage();
        ModCommFun::PackImage();
        const Link::Image first = Link::RadioImage;
        const DataFileRec data = Prog::RadioData;
        ModCommFun::PackImage();
        EXPECT_TRUE(Differences(first, Link::RadioImage).empty()) << "seed " << seed;
        EXPECT_EQ(Prog::RadioData, data) << "seed " << seed;
    }
}

// ---- round trip ------------------------------------------------------------------------

// Fields the image does not carry: the unpacked value is whatever the working data held.
void CopyNotCarried(const DataFileRec& from, DataFileRec& to) {
    to.DataVersion = from.DataVersion;
    to.CurGroup = from.CurGroup;
    to.CurChRow = from.CurChRow;
    to.RadioInfo = from.RadioInfo;
    to.FreqChOpt = from.FreqChOpt;
    to.RssiPoint = from.RssiPoint;
    to.TxGate = from.TxGate, to.RxComp = from.RxComp;
    to.ExtraByte1 = from.ExtraByte1, to.ExtraByte2 = from.ExtraByte2, to.FlagByte = from.FlagByte;
    to.HfPublic = from.HfPublic, to.HamPublic = from.HamPublic;
    const OptFeatRec& a = from.OptFeatures;
    OptFeatRec& b = to.OptFeatures;
    b.GroupName = a.GroupName;
    b.WorkMode = a.WorkMode, b.VoxOn = a.VoxOn;
    b.DwCh1 = a.DwCh1, b.DwCh2 = a.DwCh2;
    b.OptSpare3 = a.OptSpare3, b.OptSpare4 = a.OptSpare4, b.OptSpare5 = a.OptSpare5;
    b.Rtix = a.Rtix, b.Ttix = a.Ttix, b.MenuPage9 = a.MenuPage9;
    // per-group elements past the groups the image has room for
    for (std::size_t m = 0; m < 2; ++m) {
        b.GroupValid[m][13] = a.GroupValid[m][13];
        b.MemCh1[m][13] = a.MemCh1[m][13];
        for (std::size_t g = m == 0 ? 13 : 11; g <= 13; ++g) {
            b.EmgCh1[m][g] = a.EmgCh1[m][g], b.EmgCh2[m][g] = a.EmgCh2[m][g];
            b.EmgMode1[m][g] = a.EmgMode1[m][g], b.EmgMode2[m][g] = a.EmgMode2[m][g];
        }
    }
    for (std::size_t k = 1; k <= 41; ++k) {
        to.TVChannel[k].OnOff = from.TVChannel[k].OnOff;
        if (to.TVChannel[k].Valid != 1) {  // an empty weather channel keeps its old values
            to.TVChannel[k].FreqMHz = from.TVChannel[k].FreqMHz;
            to.TVChannel[k].Bandwidth = from.TVChannel[k].Bandwidth;
            to.TVChannel[k].ScanAdd = 0;  // and is taken out of the scan list
        }
    }
}

// A channel as it comes back: FreqCopy and SpareWord are not carried, digits 7 and 8 of
// the frequencies are "00", and a VFO is in the scan list. The tone kinds are not carried
// either but worked out again on unpacking (the slot-decoding cases in the channel tests
// check them), so they are taken from the unpacked record.
ChannelRecord Expected(ChannelRecord packed, const ChannelRecord& unpacked, bool vfo) {
    packed.FreqCopy = unpacked.FreqCopy;
    packed.SpareWord = unpacked.SpareWord;
    packed.RxToneType = unpacked.RxToneType;
    packed.TxToneType = unpacked.TxToneType;
    for (FixedText<8>* t : {&packed.Freq, &packed.InitFreq})
        if (t->Str() != "FFFFFFFF") t->bytes[6] = t->bytes[7] = '0';
    if (vfo) packed.ScanAdd = 1;
    return packed;
}

TEST(ImageRoundTrip, RandomWorkingDataComesBack) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        RandomData(seed);
        ModComm::InitImage();
        ModCommFun::PackImage();
        const DataFileRec packed = Prog::RadioData;
        const ChannelTable packedChannels = Prog::ChInfo;
        const Link::Image image = Link::RadioImage;

        RandomData(seed + 100000);  // other data in the records the read replaces
        Link::RadioImage = image;
        const DataFileRec before = Prog::RadioData;
        ModCommFun::UnpackImage();

        DataFileRec expected = packed;
        CopyNotCarried(before, expected);
        ASSERT_EQ(Prog::RadioData, expected) << "seed " << seed << " " << DiffOffsets(Prog::RadioData, expected);
        for (int mode = 0; mode < 2; ++mode)
            for (int g = 1; g <= 14; ++g) {
                const int count = packed.ChCountAt(mode, g);
                ASSERT_EQ(Prog::RadioData.ChCountAt(mode, g), count) << seed << " " << mode << "/" << g;
                std::map<int, ChannelRecord> byNumber;
                for (int slot = 1; slot <= count; ++slot) byNumber[packedChannels(mode, slot, g).ChNo] = packedChannels(mode, slot, g);
                int slot = 0;
                for (const auto& [chNo, rec] : byNumber) {
                    const ChannelRecord& got = Prog::ChInfo(mode, ++slot, g);
                    ASSERT_EQ(got, Expected(rec, got, g == (mode == 0 ? 14 : 11))) << seed << " " << mode << "/" << g << " ch " << chNo << " " << DiffOffsets(got, Expected(rec, got, false));
                }
            }
    }
}

}  // namespace

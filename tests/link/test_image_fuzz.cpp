// Unpacking untrusted images: random bytes, all 0x00, all 0xFF, random bitmaps over random
// slots and bit-flipped valid images. Nothing may crash, nothing outside the carried fields
// may change, and every value a reader uses as a count or a number stays in range. Codes
// kept as the radio holds them (RepDir, the emergency and public modes) stay within their
// bits; their readers show a code outside their lists as no entry or a fallback.
#include "RandomData.h"
#include "core/ModFun.h"
#include "link/ModCommFun.h"
#include "link/ModCommImage.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace ImageTest;

bool IsDigits(const std::string& s) {
    return s.size() == 8 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void CheckChannels(const ChannelTable& before, const std::string& what) {
    for (int mode = 0; mode < 2; ++mode)
        for (int g = 1; g <= 14; ++g) {
            const int count = Prog::RadioData.ChCountAt(mode, g);
            ASSERT_GE(count, 0) << what;
            ASSERT_LE(count, GroupCapacity(mode, g)) << what << " " << mode << "/" << g;
            std::set<int> numbers;
            for (int slot = 1; slot <= count; ++slot) {
                const ChannelRecord& c = Prog::ChInfo(mode, slot, g);
                ASSERT_TRUE(c.ChNo >= 1 && c.ChNo <= GroupCapacity(mode, g)) << what;
                ASSERT_TRUE(numbers.insert(c.ChNo).second) << what << " duplicate " << c.ChNo;
                ASSERT_EQ(c.InUse, 1);
                ASSERT_TRUE(c.RxTone >= 0 && c.RxTone <= 142 && c.TxTone >= 0 && c.TxTone <= 142) << what;
                ASSERT_TRUE(c.RxToneType >= 0 && c.RxToneType <= 2 && c.TxToneType >= 0 && c.TxToneType <= 2) << what;
                ASSERT_TRUE(c.RepDir >= 0 && c.RepDir <= 3) << what;
                ASSERT_TRUE(c.RBSet >= 0 && c.RBSet <= 15) << what;  // readers take only valid sets 1..8
                ASSERT_TRUE(c.Mode >= 0 && c.Mode <= 255) << what;   // readers name codes past PA "FM"
                for (int16 flag : {c.ScanAdd, c.HiCut, c.NbAnl, c.Echo, c.Plus10K, c.Busy, c.RBEnable, c.RepEnable,
                                   c.ToneFlag, c.Public})
                    ASSERT_TRUE(flag == 0 || flag == 1) << what;
                ASSERT_TRUE(IsDigits(c.Freq.Str()) || c.Freq.Str() == "28      ") << what;
                ASSERT_TRUE(IsDigits(c.InitFreq.Str()) || c.InitFreq.Str() == "FFFFFFFF") << what;
            }
        }
    for (int mode = 0; mode < 2; ++mode)
        for (int slot = 1; slot <= 99; ++slot)
            for (int g = 1; g <= 14; ++g) {  // never written by unpacking
                ASSERT_EQ(Prog::ChInfo(mode, slot, g).FreqCopy, before(mode, slot, g).FreqCopy) << what;
                ASSERT_EQ(Prog::ChInfo(mode, slot, g).SpareWord, before(mode, slot, g).SpareWord) << what;
            }
}

void CheckOptions(const DataFileRec& before, const std::string& what) {
    const DataFileRec& d = Prog::RadioData;
    const OptFeatRec& o = d.OptFeatures;
    ASSERT_TRUE(d.CurMode == 0 || d.CurMode == 1) << what;
    ASSERT_TRUE(Prog::BandRangeText == QStringLiteral("24.7150 - 30.1050 MHz") ||
                Prog::BandRangeText == QStringLiteral("28.0000 - 29.7000 MHz"));
    ASSERT_TRUE(o.Mode >= 0 && o.Mode <= 255) << what;
    for (std::size_t m = 0; m < 2; ++m) {
        for (std::size_t g = 1; g <= 12; ++g) {
            ASSERT_TRUE(o.GroupValid[m][g] == 0 || o.GroupValid[m][g] == 1) << what;
            ASSERT_TRUE(o.EmgMode1[m][g] >= 0 && o.EmgMode1[m][g] <= 255 && o.EmgMode2[m][g] >= 0 && o.EmgMode2[m][g] <= 255);
            ASSERT_TRUE(o.EmgCh1[m][g] >= 0 && o.EmgCh1[m][g] <= 255 && o.MemCh1[m][g] >= 0 && o.MemCh1[m][g] <= 255);
        }
        // a work group past the mode's groups is shown through its name, which falls back to "A"
        ASSERT_FALSE(ModFun::GetGroupName(o.WorkGroup[m], static_cast<int>(m)).isEmpty());
        ASSERT_TRUE(o.WorkGroup[m] >= 1 && o.WorkGroup[m] <= 256);
    }
    ASSERT_TRUE(o.RBSet >= 0 && o.RBSet <= 15 && o.TxCdt >= 0 && o.TxCdt <= 3 && o.Tot >= 0 && o.Tot <= 85) << what;
    ASSERT_TRUE(d.TxOffset >= 0 && d.TxOffset <= 65535);
    for (char c : o.StartChar.bytes) ASSERT_NE(std::string(" 0123456789ABCDEFGHIJKLMNPQRSTUVWXYZ-").find(c), std::string::npos);
    for (std::size_t k = 1; k <= 41; ++k) {
        const TVChannelRec& ch = d.TVChannel[k];
        ASSERT_TRUE(ch.Valid == 0 || ch.Valid == 1) << what;
        if (ch.Valid == 1) {
            ASSERT_TRUE(ch.FreqMHz >= 0 && ch.FreqMHz < 1000 && (ch.Bandwidth == 0 || ch.Bandwidth == 1)) << what;
        }
        ASSERT_EQ(ch.OnOff, before.TVChannel[k].OnOff);
    }
    // fields the image does not carry are left alone
    ASSERT_EQ(d.RadioInfo, before.RadioInfo) << what;
    ASSERT_EQ(d.RssiPoint, before.RssiPoint) << what;
    ASSERT_EQ(d.CurChRow, before.CurChRow) << what;
    ASSERT_EQ(o.GroupName, before.OptFeatures.GroupName) << what;
    ASSERT_EQ(o.DwCh1, before.OptFeatures.DwCh1) << what;
    ASSERT_EQ(o.DwCh2, before.OptFeatures.DwCh2) << what;
    ASSERT_EQ(o.MenuPage9, before.OptFeatures.MenuPage9) << what;
    ASSERT_EQ(d.HfPublic, before.HfPublic) << what;
}

// Unpacks the image over random working data and checks the invariants; then packing the
// result and unpacking that again must reach a fixed point.
void UnpackAndCheck(const Link::Image& image, const std::string& what, unsigned seed) {
    RandomData(seed);
    const DataFileRec before = Prog::RadioData;
    const ChannelTable beforeChannels = Prog::ChInfo;
    Link::RadioImage = image;
    ModCommFun::UnpackImage();
    CheckChannels(beforeChannels, what);
    CheckOptions(before, what);

    ModComm::InitImage();
    ModCommFun::PackImage();
    const Link::Image once = Link::RadioImage;
    ModCommFun::UnpackImage();
    ModComm::InitImage();
    ModCommFun::PackImage();
    ASSERT_TRUE(Differences(once, Link::RadioImage).empty()) << what;
}

Link::Image ValidImage(unsigned seed) {
    RandomData(seed);
    ModComm::InitImage();
    ModCommFun::PackImage();
    return Link::RadioImage;
}

TEST(ImageFuzz, FixedPatterns) {
    Link::Image image{};
    UnpackAndCheck(image, "all 0x00", 1);
    image.fill(0xFF);
    UnpackAndCheck(image, "all 0xFF", 2);
    image.fill(0x99);
    UnpackAndCheck(image, "all 0x99", 3);
}

TEST(ImageFuzz, RandomBytes) {
    Rng r(2024);
    Link::Image image{};
    for (int i = 0; i < 400; ++i) {
        for (auto& b : image) b = r.B8(0, 255);
        UnpackAndCheck(image, "random " + std::to_string(i), static_cast<unsigned>(i));
        if (HasFatalFailure()) return;
    }
}

// Every presence bit set over slots of mostly BCD bytes: full groups of arbitrary channels.
TEST(ImageFuzz, FullBitmapsOverRandomSlots) {
    Rng r(77);
    Link::Image image{};
    for (int i = 0; i < 300; ++i) {
        for (auto& b : image) b = r.Int(0, 7) == 0 ? r.B8(0, 255) : static_cast<byte8>(r.Int(0, 9) * 16 + r.Int(0, 9));
        for (std::size_t at = 0x5F20; at < 0x60A8; ++at) image[at] = r.Int(0, 3) == 0 ? r.B8(0, 255) : 0xFF;
        for (std::size_t at = 0x61A0; at < 0x61DD; ++at) image[at] = 0xFF;
        for (std::size_t at = 0x6343; at < 0x6351; ++at) image[at] = 0xFF;
        UnpackAndCheck(image, "full bitmaps " + std::to_string(i), static_cast<unsigned>(i) + 500);
        if (HasFatalFailure()) return;
    }
}

TEST(ImageFuzz, BitFlipsOfValidImages) {
    Rng r(99);
    Link::Image valid{};
    for (int i = 0; i < 1500; ++i) {
        if (i % 50 == 0) valid = ValidImage(static_cast<unsigned>(i / 50) + 1000);
        Link::Image image = valid;
        const int flips = r.Int(1, 16);
        for (int f = 0; f < flips; ++f) {
            // half over the whole transferred range, half over bitmaps, options, tones and weather
            const std::size_t at = r.Flag() ? static_cast<std::size_t>(r.Int(0, 0x65FF)) : static_cast<std::size_t>(r.Int(0x5F20, 0x65FF));
            image[at] ^= static_cast<byte8>(1u << r.Int(0, 7));
        }
        UnpackAndCheck(image, "flips " + std::to_string(i), static_cast<unsigned>(i) + 3000);
        if (HasFatalFailure()) return;
    }
}

}  // namespace

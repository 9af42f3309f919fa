// Roger-beep tone sets and weather channels in the image.
#include "core/ProgramData.h"
#include "link/ImageCodec.h"
#include "link/ImageLayout.h"
#include "link/ModCommFun.h"

#include <cmath>

namespace ModCommFun {

namespace {

using namespace ImageLayout;
using ImageCodec::Field;

constexpr std::int64_t kWxMaxUnits = 99999999;  // eight BCD digits of 10 Hz

// The frequency in units of 10 Hz (halves to even), or -1 when eight digits cannot hold it.
std::int64_t WxUnits(double mhz) {
    const double units = std::nearbyint(mhz * 100000.0);
    if (!std::isfinite(units) || units < 0 || units > static_cast<double>(kWxMaxUnits)) return -1;
    return static_cast<std::int64_t>(units);
}

void PutWxFreq(Link::Image& image, Addr at, std::int64_t units) {
    for (int j = 3; j >= 0; --j) {
        const auto pair = static_cast<int>(units % 100);
        image[at + static_cast<Addr>(j)] = static_cast<byte8>(((pair / 10) << 4) | (pair % 10));
        units /= 100;
    }
}

bool GetWxFreq(const Link::Image& image, Addr at, double& mhz) {
    std::int64_t units = 0;
    for (Addr j = 0; j < 4; ++j) {
        const byte8 b = image[at + j];
        if (!ImageCodec::IsBcd(b)) return false;
        units = units * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    mhz = static_cast<double>(units) / 100000.0;
    return true;
}

}  // namespace

void PackRBTone(ToneSets& toneSets) {
    Link::Image& image = Link::RadioImage;
    for (int n = 1; n <= kRBSetCount; ++n) {
        const RBToneSet& set = toneSets[static_cast<std::size_t>(n)];
        const Addr at = ToneSetAddress(n);
        image[at] = Field(set.RepeatTimes, 8, 0);
        image[at + 1] = Field(set.InterTime, 8, 0);
        for (int k = 1; k <= kRBToneCount; ++k) {
            const RBTone& tone = set.Tone[static_cast<std::size_t>(k)];
            image[at + 1 + static_cast<Addr>(k)] = Field(tone.ToneFreq, 8, 0);
            image[at + 15 + static_cast<Addr>(k)] = Field(tone.ToneLen, 8, 0);
        }
    }
}

void UnpackRBTone(ToneSets& toneSets) {
    const Link::Image& image = Link::RadioImage;
    for (int n = 1; n <= kRBSetCount; ++n) {
        RBToneSet& set = toneSets[static_cast<std::size_t>(n)];
        const Addr at = ToneSetAddress(n);
        set.RepeatTimes = image[at];
        set.InterTime = image[at + 1];
        for (int k = 1; k <= kRBToneCount; ++k) {
            RBTone& tone = set.Tone[static_cast<std::size_t>(k)];
            tone.ToneFreq = image[at + 1 + static_cast<Addr>(k)];
            tone.ToneLen = image[at + 15 + static_cast<Addr>(k)];
        }
    }
}

void PackTVChannel() {
    Link::Image& image = Link::RadioImage;
    const OptFeatRec& o = Prog::RadioData.OptFeatures;
    image[kCurWxCh] = Field(o.CurWxCh, 8, 0);
    image[kWxAlert] = Field(o.WxAlert, 8, 0);
    image[kWxScanState] = Field(o.WxScanState, 8, 0);
    image[kWxVfo] = Field(o.WxVfo, 8, 0);
    for (int k = 1; k <= kTVChannelCount; ++k) {
        const TVChannelRec& ch = Prog::RadioData.TVChannel[static_cast<std::size_t>(k)];
        const std::int64_t units = WxUnits(ch.FreqMHz);
        if (ch.Valid != 1 || units < 0) continue;  // no digits for it: goes out as an empty channel
        SetBit(image, BitOf(kWxPresenceBase, k));
        if (ch.ScanAdd == 1) SetBit(image, BitOf(kWxScanBase, k));
        PutWxFreq(image, WxEntryAddress(k), units);
        image[WxEntryAddress(k) + 4] = Field(ch.Bandwidth, 8, 0);
    }
}

void UnpackTVChannel() {
    const Link::Image& image = Link::RadioImage;
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    o.CurWxCh = image[kCurWxCh];
    o.WxAlert = image[kWxAlert];
    o.WxScanState = image[kWxScanState];
    o.WxVfo = image[kWxVfo];
    for (int k = 1; k <= kTVChannelCount; ++k) {
        TVChannelRec& ch = Prog::RadioData.TVChannel[static_cast<std::size_t>(k)];
        // The weather VFO always exists, whatever its presence bit says.
        ch.Valid = (k == kTVChannelCount || TestBit(image, BitOf(kWxPresenceBase, k))) ? 1 : 0;
        ch.ScanAdd = TestBit(image, BitOf(kWxScanBase, k)) ? 1 : 0;
        if (ch.Valid != 1) continue;
        double mhz = 0.0;
        if (!GetWxFreq(image, WxEntryAddress(k), mhz)) {
            ch.Valid = 0;
            continue;
        }
        ch.FreqMHz = mhz;
        ch.Bandwidth = image[WxEntryAddress(k) + 4] & 1;
    }
}

}  // namespace ModCommFun

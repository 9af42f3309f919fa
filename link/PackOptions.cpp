// Options in the image: per-group bytes, the mode byte and work groups, the radio settings
// at 0x6501..0x6528, dual watch, two weather settings and the start characters.
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "link/ImageCodec.h"
#include "link/ImageLayout.h"
#include "link/LcdCode.h"
#include "link/ModCommFun.h"

#include <cmath>

namespace ModCommFun {

namespace {

using namespace ImageLayout;
using ImageCodec::Bits;
using ImageCodec::Field;

// A setting stored as one byte, the same value both ways.
struct ByteSetting {
    Addr addr;
    int (*get)(const OptFeatRec&, const DataFileRec&);
    void (*set)(OptFeatRec&, DataFileRec&, byte8);
};

template <auto M>
int GetOpt(const OptFeatRec& o, const DataFileRec&) { return o.*M; }
template <auto M>
void SetOpt(OptFeatRec& o, DataFileRec&, byte8 v) { o.*M = v; }
template <auto M>
int GetData(const OptFeatRec&, const DataFileRec& d) { return d.*M; }
template <auto M>
void SetData(OptFeatRec&, DataFileRec& d, byte8 v) { d.*M = v; }
template <auto M>
constexpr ByteSetting Opt(Addr a) { return {a, &GetOpt<M>, &SetOpt<M>}; }
template <auto M>
constexpr ByteSetting Data(Addr a) { return {a, &GetData<M>, &SetData<M>}; }

using O = OptFeatRec;
using D = DataFileRec;

const ByteSetting kByteSettings[] = {
    Opt<&O::CwBeep>(0x6501),     Opt<&O::MaxVolt>(0x6504),     Opt<&O::BeepOn>(0x6509),
    Opt<&O::MicGain>(0x650A),    Opt<&O::Nog>(0x650B),         Opt<&O::SwrProtect>(0x650D),
    Opt<&O::ScanType>(0x650E),   Opt<&O::Fin>(0x650F),         Opt<&O::FreqCh>(0x6511),
    Data<&D::AsqLevel>(0x6512),  Opt<&O::MenuPage>(0x6515),    Data<&D::MicType>(0x6516),
    Data<&D::RxNrc>(0x6517),     Opt<&O::Dim>(0x6518),         Opt<&O::FmDev>(0x6519),
    Data<&D::VoxLevel>(0x651A),  Data<&D::VoxTime>(0x651B),    Data<&D::EchoVol>(0x651C),
    Data<&D::EchoTime>(0x651D),  Data<&D::Tdc>(0x651E),        Data<&D::TxNrc>(0x651F),
    Opt<&O::ToneHiLo>(0x6520),   Opt<&O::Agc>(0x6521),         Opt<&O::RfgDisplay>(0x6522),
    Opt<&O::PowerDisplay>(0x6523), Data<&D::SqlDisplay>(0x6524), Data<&D::VolDisplay>(0x6525),
    Data<&D::VoxSpk>(0x6526),    Data<&D::FinRange>(0x6527),   Data<&D::VolPath>(0x6528),
    Data<&D::HfDwBand>(kDualWatch),      Data<&D::HfDwChan>(kDualWatch + 1),  Data<&D::HfDwMode>(kDualWatch + 2),
    Data<&D::HamDwBand>(kDualWatch + 3), Data<&D::HamDwChan>(kDualWatch + 4), Data<&D::HamDwMode>(kDualWatch + 5),
    Opt<&O::WxDisplay>(kWxDisplay),      Data<&D::WxSql>(kWxSql),             Data<&D::HfCurMem>(kHfCurMem),
    Data<&D::HamCurMem>(kHamCurMem),
};

constexpr Addr kCwFreq = 0x6502;
constexpr Addr kPublicMode = 0x6505;
constexpr Addr kModeEnables = 0x6506;
constexpr Addr kPublicFlags = 0x6507;
constexpr Addr kRogerBeep = 0x6508;
constexpr Addr kTot = 0x650C;
constexpr Addr kAlwaysZero = 0x6510;
constexpr Addr kTxOffset = 0x6513;

int EmgGroups(int mode) { return mode == 0 ? kHfEmgGroups : kHamEmgGroups; }
Addr EmgChAt(int mode, int g) { return kEmgChBase + static_cast<Addr>(mode * 32 + (g - 1) * 2); }
Addr EmgModeAt(int mode, int g) { return kEmgModeBase + static_cast<Addr>(mode * 32 + (g - 1) * 2); }
Addr MemCh1At(int mode, int g) { return kMemCh1Base + static_cast<Addr>(mode * 16 + g - 1); }

// A channel reference is stored as number - 1, so "none" (0) goes out as 0xFF; reading
// 0xFF back as 0 keeps "none" instead of turning it into channel 256.
int16 ReadChannelRef(byte8 b) { return b == 0xFF ? 0 : static_cast<int16>(b + 1); }

void Put16(Link::Image& image, Addr at, unsigned value) {
    image[at] = static_cast<byte8>(value & 0xFF);
    image[at + 1] = static_cast<byte8>((value >> 8) & 0xFF);
}
unsigned Get16(const Link::Image& image, Addr at) { return image[at] | (static_cast<unsigned>(image[at + 1]) << 8); }

void PackGroupBytes(OptFeatRec& o, Link::Image& image) {
    for (int g = 10; g <= 12; ++g) o.GroupValid[1][static_cast<std::size_t>(g)] = 0;
    for (int mode = 0; mode < kModeCount; ++mode) {
        const auto m = static_cast<std::size_t>(mode);
        unsigned bits = 0;
        for (int g = 1; g <= kGroupValidGroups; ++g)
            bits |= (static_cast<unsigned>(o.GroupValid[m][static_cast<std::size_t>(g)]) & 1u) << (g - 1);
        Put16(image, kGroupValidBase + m * 2, bits);
        for (int g = 1; g <= EmgGroups(mode); ++g) {
            const auto gi = static_cast<std::size_t>(g);
            image[EmgChAt(mode, g)] = Field(o.EmgCh1[m][gi] - 1, 8, 0);
            image[EmgChAt(mode, g) + 1] = Field(o.EmgCh2[m][gi] - 1, 8, 0);
            image[EmgModeAt(mode, g)] = Field(o.EmgMode1[m][gi], 8, 0);
            image[EmgModeAt(mode, g) + 1] = Field(o.EmgMode2[m][gi], 8, 0);
        }
        for (int g = 1; g <= kMemCh1Groups; ++g) image[MemCh1At(mode, g)] = Field(o.MemCh1[m][static_cast<std::size_t>(g)] - 1, 8, 0);
    }
}

void UnpackGroupBytes(OptFeatRec& o, const Link::Image& image) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        const auto m = static_cast<std::size_t>(mode);
        const unsigned bits = Get16(image, kGroupValidBase + m * 2);
        for (int g = 1; g <= kGroupValidGroups; ++g) o.GroupValid[m][static_cast<std::size_t>(g)] = (bits >> (g - 1)) & 1u;
        for (int g = 1; g <= EmgGroups(mode); ++g) {
            const auto gi = static_cast<std::size_t>(g);
            o.EmgCh1[m][gi] = ReadChannelRef(image[EmgChAt(mode, g)]);
            o.EmgCh2[m][gi] = ReadChannelRef(image[EmgChAt(mode, g) + 1]);
            // Mode codes are kept as the radio holds them, also those no list offers, so
            // that a write sends them back; the editors show such a code as no entry.
            o.EmgMode1[m][gi] = image[EmgModeAt(mode, g)];
            o.EmgMode2[m][gi] = image[EmgModeAt(mode, g) + 1];
        }
        for (int g = 1; g <= kMemCh1Groups; ++g) o.MemCh1[m][static_cast<std::size_t>(g)] = ReadChannelRef(image[MemCh1At(mode, g)]);
    }
}

void PackModeAndFlags(const OptFeatRec& o, const DataFileRec& d, Link::Image& image) {
    image[kModeByte] = Field(d.CurMode, 4, 0) | Field(o.OptSpare1 + 1, 4, 4);
    image[kWorkGroup] = Field(o.WorkGroup[0] - 1, 8, 0);
    image[kWorkGroup + 1] = Field(o.WorkGroup[1] - 1, 8, 0);
    image[kFlagsByte] = Field(o.ChMem, 1, 0) | Field(o.ResetOpt, 1, 1) | Field(o.OptSpare2, 1, 2);
}

void UnpackModeAndFlags(OptFeatRec& o, DataFileRec& d, const Link::Image& image) {
    const int16 mode = Bits(image[kModeByte], 4, 0);
    d.CurMode = mode > 1 ? 0 : mode;
    Prog::BandRangeText = d.CurMode == 0 ? ModFreFile::kHfBandText : ModFreFile::kHamBandText;
    ModFun::ParseBandRange();
    o.OptSpare1 = static_cast<int16>(Bits(image[kModeByte], 4, 4) - 1);
    o.WorkGroup[0] = static_cast<int16>(image[kWorkGroup] + 1);
    o.WorkGroup[1] = static_cast<int16>(image[kWorkGroup + 1] + 1);
    o.ChMem = Bits(image[kFlagsByte], 1, 0);
    o.ResetOpt = Bits(image[kFlagsByte], 1, 1);
    o.OptSpare2 = Bits(image[kFlagsByte], 1, 2);
}

void PackRadioSettings(const OptFeatRec& o, const DataFileRec& d, Link::Image& image) {
    for (const ByteSetting& s : kByteSettings) image[s.addr] = Field(s.get(o, d), 8, 0);
    Put16(image, kCwFreq, static_cast<unsigned>(o.CwFreq));
    image[kPublicMode] = Field(o.Mode, 8, 0);
    image[kModeEnables] = Field(o.FmEnable, 1, 0) | Field(o.AmEnable, 1, 1) | Field(o.UsbEnable, 1, 2) |
                          Field(o.LsbEnable, 1, 3) | Field(o.PaEnable, 1, 4) | Field(o.CwEnable, 1, 5);
    image[kPublicFlags] = Field(o.HiCut, 1, 0) | Field(o.NbAnl, 1, 1) | Field(o.Echo, 1, 2) | Field(o.Plus10K, 1, 3);
    image[kRogerBeep] = Field(o.RBSet, 4, 0) | Field(o.RBEnable, 1, 4) | Field(o.TxCdt, 2, 5);
    image[kTot] = Field(o.Tot * 3, 8, 0);
    image[kAlwaysZero] = 0;
    Put16(image, kTxOffset, static_cast<unsigned>(d.TxOffset));
}

void UnpackRadioSettings(OptFeatRec& o, DataFileRec& d, const Link::Image& image) {
    for (const ByteSetting& s : kByteSettings) s.set(o, d, image[s.addr]);
    o.CwFreq = static_cast<int16>(Get16(image, kCwFreq));  // above 32767 keeps its bits
    o.Mode = image[kPublicMode];  // kept as read, like the emergency modes
    const byte8 en = image[kModeEnables];
    o.FmEnable = Bits(en, 1, 0);
    o.AmEnable = Bits(en, 1, 1);
    o.UsbEnable = Bits(en, 1, 2);
    o.LsbEnable = Bits(en, 1, 3);
    o.PaEnable = Bits(en, 1, 4);
    o.CwEnable = Bits(en, 1, 5);
    const byte8 pub = image[kPublicFlags];
    o.HiCut = Bits(pub, 1, 0);
    o.NbAnl = Bits(pub, 1, 1);
    o.Echo = Bits(pub, 1, 2);
    o.Plus10K = Bits(pub, 1, 3);
    o.RBSet = Bits(image[kRogerBeep], 4, 0);
    o.RBEnable = Bits(image[kRogerBeep], 1, 4);
    o.TxCdt = Bits(image[kRogerBeep], 2, 5);
    o.Tot = static_cast<int16>(std::lround(image[kTot] / 3.0));
    d.TxOffset = static_cast<int32>(Get16(image, kTxOffset));
}

void PackStartChar(const OptFeatRec& o, Link::Image& image) {
    for (std::size_t k = 0; k < 5; ++k) Put16(image, kStartChar + 2 * k, ModFun::LcdCodeOf(o.StartChar.bytes[k]));
}

void UnpackStartChar(OptFeatRec& o, const Link::Image& image) {
    for (std::size_t k = 0; k < 5; ++k)
        o.StartChar.bytes[k] = ModFun::CharOfLcdCode(static_cast<std::uint16_t>(Get16(image, kStartChar + 2 * k)));
}

}  // namespace

void PackOptFeat(OptFeatRec& optFeatures) {
    Link::Image& image = Link::RadioImage;
    PackGroupBytes(optFeatures, image);
    PackModeAndFlags(optFeatures, Prog::RadioData, image);
    PackRadioSettings(optFeatures, Prog::RadioData, image);
    PackStartChar(optFeatures, image);
}

void UnpackOptFeat(OptFeatRec& optFeatures) {
    const Link::Image& image = Link::RadioImage;
    UnpackGroupBytes(optFeatures, image);
    UnpackModeAndFlags(optFeatures, Prog::RadioData, image);
    UnpackRadioSettings(optFeatures, Prog::RadioData, image);
    UnpackStartChar(optFeatures, image);
}

}  // namespace ModCommFun

#include "core/DataFileCodec.h"

#include <cstring>

namespace {

// Writes fields one after another, little-endian.
class Writer {
public:
    QByteArray out;
    void operator()(int16& v) { PutLE(static_cast<std::uint16_t>(v), 2); }
    void operator()(int32& v) { PutLE(static_cast<std::uint32_t>(v), 4); }
    void operator()(byte8& v) { out.append(static_cast<char>(v)); }
    void operator()(double& v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        PutLE(bits, 8);
    }
    template <std::size_t N>
    void operator()(FixedText<N>& t) { out.append(t.bytes.data(), static_cast<int>(N)); }

private:
    void PutLE(std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
};

// Reads fields one after another from a buffer the caller has checked to be long enough.
class Reader {
public:
    Reader(const QByteArray& in, int pos) : in_(in), pos_(pos) {}
    void operator()(int16& v) { v = static_cast<int16>(GetLE(2)); }
    void operator()(int32& v) { v = static_cast<int32>(static_cast<std::uint32_t>(GetLE(4))); }
    void operator()(byte8& v) { v = static_cast<byte8>(GetLE(1)); }
    void operator()(double& v) {
        const std::uint64_t bits = GetLE(8);
        std::memcpy(&v, &bits, sizeof v);
    }
    template <std::size_t N>
    void operator()(FixedText<N>& t) {
        std::memcpy(t.bytes.data(), in_.constData() + pos_, N);
        pos_ += static_cast<int>(N);
    }

private:
    std::uint64_t GetLE(int n) {
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<std::uint64_t>(static_cast<unsigned char>(in_[pos_ + i])) << (8 * i);
        pos_ += n;
        return v;
    }
    const QByteArray& in_;
    int pos_;
};

// Per-mode arrays [mode][first..last] in file order: the mode varies fastest.
template <typename Array, typename V>
void VisitPerMode(Array& a, int first, int last, V& v) {
    for (int i = first; i <= last; ++i)
        for (int m = 0; m < kModeCount; ++m) v(a[static_cast<std::size_t>(m)][static_cast<std::size_t>(i)]);
}

template <typename Array, typename V>
void VisitRange(Array& a, int first, int last, V& v) {
    for (int i = first; i <= last; ++i) v(a[static_cast<std::size_t>(i)]);
}

template <typename V>
void VisitChannel(ChannelRecord& c, V& v) {
    v(c.ChNo); v(c.InUse); v(c.ScanAdd); v(c.Freq); v(c.FreqCopy); v(c.SpareWord); v(c.Mode);
    v(c.RxTone); v(c.TxTone); v(c.HiCut); v(c.NbAnl); v(c.Echo); v(c.Plus10K); v(c.Busy);
    v(c.RBSet); v(c.RBEnable); v(c.RepEnable); v(c.RepDir); v(c.ToneFlag); v(c.Public);
    v(c.TxToneType); v(c.RxToneType); v(c.InitFreq);
}

template <typename V>
void VisitRadioInfo(RadioInfoRec& r, V& v) {
    v(r.ModelType); v(r.BandCode); v(r.IsBandRange); v(r.DataDate); v(r.FwVersion); v(r.Model);
    v(r.BandValid); v(r.TypeLetter);
}

template <typename V>
void VisitOptFeat(OptFeatRec& o, V& v) {
    const int g = kOptGroupCount;
    VisitPerMode(o.GroupValid, 1, g, v);
    VisitPerMode(o.GroupName, 1, g, v);
    VisitPerMode(o.EmgCh1, 1, g, v);
    VisitPerMode(o.EmgCh2, 1, g, v);
    v(o.OptSpare1); v(o.WorkMode);
    VisitRange(o.WorkGroup, 0, 1, v);
    v(o.VoxOn); v(o.ChMem); v(o.ResetOpt); v(o.OptSpare2);
    VisitPerMode(o.MemCh1, 1, g, v);
    VisitPerMode(o.DwCh1, 1, g, v);
    VisitPerMode(o.DwCh2, 1, g, v);
    VisitPerMode(o.EmgMode1, 1, g, v);
    VisitRange(o.OptSpare3, 0, 1, v);
    VisitPerMode(o.EmgMode2, 1, g, v);
    VisitRange(o.OptSpare4, 0, 1, v);
    v(o.Rtix); v(o.Ttix); v(o.HiCut); v(o.NbAnl); v(o.Echo); v(o.Plus10K); v(o.RBSet);
    v(o.RBEnable); v(o.CwBeep); v(o.CwFreq); v(o.BeepOn); v(o.MicGain); v(o.Nog); v(o.Tot);
    v(o.SwrProtect); v(o.ScanType); v(o.OptSpare5); v(o.MenuPage9); v(o.StartChar); v(o.MaxVolt);
    v(o.Mode); v(o.FmEnable); v(o.AmEnable); v(o.UsbEnable); v(o.LsbEnable); v(o.CwEnable);
    v(o.PaEnable); v(o.CurWxCh); v(o.WxAlert); v(o.WxScanState); v(o.WxVfo); v(o.Fin); v(o.FreqCh);
    v(o.MenuPage); v(o.Dim); v(o.FmDev); v(o.ToneHiLo); v(o.Agc); v(o.TxCdt); v(o.RfgDisplay);
    v(o.PowerDisplay); v(o.WxDisplay);
}

template <typename V>
void VisitToneSet(RBToneSet& s, V& v) {
    for (int k = 1; k <= kRBToneCount; ++k) {
        v(s.Tone[static_cast<std::size_t>(k)].ToneFreq);
        v(s.Tone[static_cast<std::size_t>(k)].ToneLen);
    }
    v(s.RepeatTimes); v(s.InterTime);
}

template <typename V>
void VisitTVChannel(TVChannelRec& t, V& v) {
    v(t.Valid); v(t.FreqMHz); v(t.OnOff); v(t.Bandwidth); v(t.ScanAdd);
}

template <typename V>
void VisitDataFile(DataFileRec& d, V& v) {
    v(d.DataVersion);
    v(d.CurMode);
    VisitRange(d.CurGroup, 0, 1, v);
    VisitPerMode(d.CurChRow, 1, kGroupCount, v);
    VisitPerMode(d.ChCount, 1, kGroupCount, v);
    VisitRadioInfo(d.RadioInfo, v);
    VisitOptFeat(d.OptFeatures, v);
    for (int n = 1; n <= kRBSetCount; ++n) VisitToneSet(d.ToneTips[static_cast<std::size_t>(n)], v);
    v(d.FreqChOpt); v(d.AsqLevel);
    VisitRange(d.RssiPoint, 1, kRssiCount, v);
    v(d.TxOffset); v(d.MicType); v(d.RxNrc); v(d.TxGate); v(d.RxComp); v(d.VoxLevel); v(d.VoxTime);
    v(d.EchoVol); v(d.EchoTime); v(d.Tdc); v(d.TxNrc); v(d.ExtraByte1); v(d.ExtraByte2); v(d.FlagByte);
    for (int k = 1; k <= kTVChannelCount; ++k) VisitTVChannel(d.TVChannel[static_cast<std::size_t>(k)], v);
    v(d.HfCurMem); v(d.HamCurMem); v(d.SqlDisplay); v(d.VolDisplay); v(d.WxSql); v(d.VoxSpk);
    v(d.HfDwBand); v(d.HfDwChan); v(d.HfDwMode); v(d.HamDwBand); v(d.HamDwChan); v(d.HamDwMode);
    v(d.FinRange); v(d.VolPath); v(d.HfPublic); v(d.HamPublic);
}

}  // namespace

namespace DataFileCodec {

QByteArray EncodeDataFileRec(const DataFileRec& rec) {
    Writer w;
    w.out.reserve(kDataFileRecSize);
    DataFileRec copy = rec;
    VisitDataFile(copy, w);
    return w.out;
}

bool DecodeDataFileRec(const QByteArray& bytes, DataFileRec& rec) {
    if (bytes.size() < kDataFileRecSize) return false;
    DataFileRec decoded;
    Reader r(bytes, 0);
    VisitDataFile(decoded, r);
    rec = decoded;
    return true;
}

QByteArray EncodeChannelRecord(const ChannelRecord& rec) {
    Writer w;
    ChannelRecord copy = rec;
    VisitChannel(copy, w);
    return w.out;
}

bool DecodeChannelRecord(const QByteArray& bytes, int offset, ChannelRecord& rec) {
    if (offset < 0 || bytes.size() - offset < kChannelRecordSize) return false;
    ChannelRecord decoded;
    Reader r(bytes, offset);
    VisitChannel(decoded, r);
    rec = decoded;
    return true;
}

}  // namespace DataFileCodec

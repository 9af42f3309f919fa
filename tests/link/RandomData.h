#pragma once
// Working data for the property tests: the start-up defaults, and seeded random data whose
// values stay within what the editors can store.
#include "ImageTestSupport.h"
#include "channels/ModShowOptFun.h"
#include "core/startup/ModInitV.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace ImageTest {

class Rng {
public:
    explicit Rng(unsigned seed) : gen_(seed) {}
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
    int16 I16(int lo, int hi) { return static_cast<int16>(Int(lo, hi)); }
    byte8 B8(int lo, int hi) { return static_cast<byte8>(Int(lo, hi)); }
    int16 Flag() { return I16(0, 1); }
    std::string Digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + Int(0, 9)));
        return s;
    }
    std::mt19937& Gen() { return gen_; }

private:
    std::mt19937 gen_;
};

inline int LastGroupOf(int mode) { return mode == 0 ? 14 : 11; }

// ---- start-up data ---------------------------------------------------------------------

// The working data as start-up leaves it when no template is read: the default channels,
// options and tone sets, and the HAM mode that reading the settings file sets.
inline void StartupChannels() { ModShowOptFun::InitDefaultChannels(); }

inline void StartupOptions() {
    ModInitV::InitOptFeatDefaults(Prog::RadioData.OptFeatures);
    Prog::RadioData.CurMode = 1;
}

inline void StartupTones() { ModInitV::InitToneDefaults(); }

inline void StartupData() {
    ResetAll();
    StartupChannels();
    StartupOptions();
    StartupTones();
}

// ---- random valid data -----------------------------------------------------------------

inline std::string RandomFreqText(Rng& r) {
    std::string six;
    do six = r.Digits(6);
    while (six == "028090");  // read back as "28", see the channel tests
    switch (r.Int(0, 2)) {
    case 0: return six + "  ";   // as the channel editor stores it
    case 1: return six + "00";   // as the defaults and a read store it
    default: return six + r.Digits(2);  // the last two digits do not reach the radio
    }
}

inline void RandomChannel(Rng& r, ChannelRecord& c, int chNo) {
    c.ChNo = static_cast<int16>(chNo);
    c.InUse = 1;
    c.ScanAdd = r.Flag();
    c.Freq.Set(RandomFreqText(r));
    c.FreqCopy.Set(r.Digits(8));
    c.SpareWord = r.I16(-32768, 32767);
    c.Mode = r.I16(0, 4);
    c.RxTone = r.I16(0, 142);
    c.TxTone = r.I16(0, 142);
    c.HiCut = r.Flag(), c.NbAnl = r.Flag(), c.Echo = r.Flag(), c.Plus10K = r.Flag(), c.Busy = r.Flag();
    c.RBSet = r.I16(1, 8), c.RBEnable = r.Flag();
    c.RepEnable = r.Flag(), c.RepDir = r.I16(1, 2);
    c.ToneFlag = r.Flag(), c.Public = r.Flag();
    c.TxToneType = r.I16(0, 2), c.RxToneType = r.I16(0, 2);
    const int init = r.Int(0, 2);
    c.InitFreq.Set(init == 0 ? std::string("") : init == 1 ? std::string("FFFFFFFF") : RandomFreqText(r));
}

inline void RandomChannels(Rng& r) {
    for (int mode = 0; mode < 2; ++mode)
        for (int g = 1; g <= LastGroupOf(mode); ++g) {
            const int cap = GroupCapacity(mode, g);
            const int pick = r.Int(0, 3);
            const int count = pick == 0 ? 0 : pick == 1 ? cap : r.Int(0, cap);
            std::vector<int> numbers(static_cast<std::size_t>(cap));
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), r.Gen());  // slots are in adding order
            Prog::RadioData.ChCountAt(mode, g) = static_cast<int16>(count);
            for (int slot = 1; slot <= count; ++slot)
                RandomChannel(r, Prog::ChInfo(mode, slot, g), numbers[static_cast<std::size_t>(slot - 1)]);
        }
}

inline char RandomStartChar(Rng& r) {
    static const std::string kChars = " 0123456789ABCDEFGHIJKLMNPQRSTUVWXYZ-";  // no "O": it reads back as "0"
    return kChars[static_cast<std::size_t>(r.Int(0, static_cast<int>(kChars.size()) - 1))];
}

inline void RandomPerGroup(Rng& r, OptFeatRec& o) {
    for (std::size_t m = 0; m < 2; ++m)
        for (std::size_t g = 1; g <= 13; ++g) {
            o.GroupValid[m][g] = r.Flag();
            o.GroupName[m][g].Set(std::string{static_cast<char>('A' + r.Int(0, 11)), '\0'});
            o.EmgCh1[m][g] = r.I16(0, 60), o.EmgCh2[m][g] = r.I16(0, 60);
            o.MemCh1[m][g] = r.I16(0, 99);
            o.DwCh1[m][g] = r.I16(0, 60), o.DwCh2[m][g] = r.I16(0, 60);
            o.EmgMode1[m][g] = r.I16(0, 5), o.EmgMode2[m][g] = r.I16(0, 5);
        }
    o.OptSpare3 = {r.I16(0, 5), r.I16(0, 5)};
    o.OptSpare4 = {r.I16(0, 5), r.I16(0, 5)};
}

inline void RandomOptFeat(Rng& r, OptFeatRec& o) {
    RandomPerGroup(r, o);
    o.OptSpare1 = r.I16(-1, 14), o.WorkMode = r.Flag(), o.WorkGroup = {r.I16(1, 13), r.I16(1, 10)};
    o.VoxOn = r.Flag(), o.ChMem = r.Flag(), o.ResetOpt = r.Flag(), o.OptSpare2 = r.Flag();
    o.Rtix = r.I16(-1000, 1000), o.Ttix = r.I16(-1000, 1000);
    o.HiCut = r.Flag(), o.NbAnl = r.Flag(), o.Echo = r.Flag(), o.Plus10K = r.Flag();
    o.RBSet = r.I16(0, 8), o.RBEnable = r.Flag(), o.TxCdt = r.I16(0, 2);
    o.CwBeep = r.I16(0, 63), o.CwFreq = r.I16(30, 300), o.BeepOn = r.Flag(), o.MicGain = r.I16(1, 36);
    o.Nog = r.I16(0, 32), o.Tot = r.I16(0, 20), o.SwrProtect = r.Flag(), o.ScanType = r.Flag();
    o.OptSpare5 = r.I16(0, 9), o.MenuPage9 = r.I16(1, 9);
    std::string start;
    for (int k = 0; k < 5; ++k) start.push_back(RandomStartChar(r));
    o.StartChar.Set(start);
    o.MaxVolt = r.I16(12, 200), o.Mode = r.I16(0, 5);
    o.FmEnable = r.Flag(), o.AmEnable = r.Flag(), o.UsbEnable = r.Flag(), o.LsbEnable = r.Flag();
    o.CwEnable = r.Flag(), o.PaEnable = r.Flag();
    o.CurWxCh = r.I16(0, 39), o.WxAlert = r.Flag(), o.WxScanState = r.Flag(), o.WxVfo = r.Flag();
    o.Fin = r.I16(0, 3), o.FreqCh = r.Flag(), o.MenuPage = r.I16(1, 29), o.Dim = r.I16(0, 5);
    o.FmDev = r.Flag(), o.ToneHiLo = r.Flag(), o.Agc = r.Flag();
    o.RfgDisplay = r.Flag(), o.PowerDisplay = r.Flag(), o.WxDisplay = r.Flag();
}

inline void RandomRadioData(Rng& r, DataFileRec& d) {
    d.DataVersion.Set("V200");
    d.CurMode = r.Flag();
    d.CurGroup = {r.I16(1, 14), r.I16(1, 11)};
    for (std::size_t m = 0; m < 2; ++m)
        for (std::size_t g = 1; g <= 14; ++g) d.CurChRow[m][g] = r.I16(0, 99);
    d.RadioInfo.ModelType.Set(r.Digits(7));
    d.RadioInfo.BandCode = r.I16(0, 300);
    d.FreqChOpt = r.Flag(), d.AsqLevel = r.I16(1, 9);
    for (std::size_t i = 1; i <= 14; ++i) d.RssiPoint[i] = r.I16(1, 36);
    d.TxOffset = r.Int(1, 50000);
    d.MicType = r.B8(0, 1), d.RxNrc = r.B8(0, 5), d.TxGate = r.B8(0, 1), d.RxComp = r.B8(0, 1);
    d.VoxLevel = r.B8(0, 9), d.VoxTime = r.B8(0, 8), d.EchoVol = r.B8(0, 31), d.EchoTime = r.B8(0, 31);
    d.Tdc = r.B8(0, 1), d.TxNrc = r.B8(0, 5), d.ExtraByte1 = r.B8(0, 255), d.ExtraByte2 = r.B8(0, 255);
    d.FlagByte = r.B8(0, 1), d.HfCurMem = r.B8(0, 98), d.HamCurMem = r.B8(0, 98);
    d.SqlDisplay = r.B8(0, 1), d.VolDisplay = r.B8(0, 1), d.WxSql = r.I16(0, 9), d.VoxSpk = r.B8(0, 1);
    d.HfDwBand = r.B8(0, 11), d.HfDwChan = r.B8(0, 59), d.HfDwMode = r.B8(0, 5);
    d.HamDwBand = r.B8(0, 8), d.HamDwChan = r.B8(0, 59), d.HamDwMode = r.B8(0, 5);
    d.FinRange = r.B8(0, 1), d.VolPath = r.B8(0, 2), d.HfPublic = r.B8(0, 1), d.HamPublic = r.B8(0, 1);
}

inline void RandomTones(Rng& r, DataFileRec& d) {
    for (std::size_t n = 1; n <= 8; ++n) {
        RBToneSet& s = d.ToneTips[n];
        s.RepeatTimes = r.I16(0, 10);
        s.InterTime = r.I16(0, 255);
        for (std::size_t k = 1; k <= 14; ++k) {
            s.Tone[k].ToneFreq = r.Int(0, 4) == 0 ? 0 : r.I16(40, 255);
            s.Tone[k].ToneLen = r.I16(0, 255);
        }
    }
}

inline void RandomWeather(Rng& r, DataFileRec& d) {
    for (std::size_t k = 1; k <= 41; ++k) {
        TVChannelRec& ch = d.TVChannel[k];
        ch.Valid = k == 41 ? 1 : r.Flag();  // the weather VFO always reads back as valid
        const int raster = r.Flag() ? 500 : 625;
        ch.FreqMHz = static_cast<double>(r.Int(13600000 / raster, 17400000 / raster) * raster) / 100000.0;
        ch.OnOff = r.Flag();
        ch.Bandwidth = r.Flag();
        ch.ScanAdd = r.Flag();
    }
}

inline void RandomData(unsigned seed) {
    ResetAll();
    Rng r(seed);
    RandomRadioData(r, Prog::RadioData);
    RandomOptFeat(r, Prog::RadioData.OptFeatures);
    RandomTones(r, Prog::RadioData);
    RandomWeather(r, Prog::RadioData);
    RandomChannels(r);
}

}  // namespace ImageTest

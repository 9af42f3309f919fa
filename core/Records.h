#pragma once
// The radio data records: one channel (ChannelRecord), the channel table (ChannelTable),
// and the record of all other radio data (DataFileRec) with its sub-records.
//
// Arrays are indexed as the data is numbered: an array indexed 1..n is sized n + 1 and
// element 0 is unused; per-mode arrays are indexed [mode][...] with mode 0 (HF) and 1 (HAM).
// Integers are 16-bit signed, long integers 32-bit signed, bytes 8-bit unsigned.
// File layouts are written by explicit encoders (DataFileCodec), never from memory.
#include "core/FixedText.h"

#include <array>
#include <cstdint>
#include <stdexcept>

using int16 = std::int16_t;
using int32 = std::int32_t;
using byte8 = std::uint8_t;

constexpr int kModeCount = 2;       // 0 HF, 1 HAM
constexpr int kSlotCount = 99;      // slots 1..99 of a group
constexpr int kGroupCount = 14;     // groups 1..14 (HAM uses 1..11)
constexpr int kOptGroupCount = 13;  // per-group option arrays cover groups 1..13
constexpr int kRBSetCount = 8;      // roger-beep tone sets 1..8
constexpr int kRBToneCount = 14;    // tones 1..14 of a set
constexpr int kTVChannelCount = 41; // weather channels 1..40 and the weather VFO (41)
constexpr int kRssiCount = 14;

// One channel; 64 bytes on file.
struct ChannelRecord {
    int16 ChNo = 0;
    int16 InUse = 0;
    int16 ScanAdd = 0;
    FixedText<8> Freq;
    FixedText<8> FreqCopy;
    int16 SpareWord = 0;
    int16 Mode = 0;
    int16 RxTone = 0;
    int16 TxTone = 0;
    int16 HiCut = 0;
    int16 NbAnl = 0;
    int16 Echo = 0;
    int16 Plus10K = 0;
    int16 Busy = 0;
    int16 RBSet = 0;
    int16 RBEnable = 0;
    int16 RepEnable = 0;
    int16 RepDir = 0;
    int16 ToneFlag = 0;
    int16 Public = 0;
    int16 TxToneType = 0;
    int16 RxToneType = 0;
    FixedText<8> InitFreq;

    bool operator==(const ChannelRecord&) const = default;
};

// ChInfo / FileChInfo: records by (mode 0..1, slot 1..99, group 1..14). Every access is
// range-checked; an index outside those ranges throws std::out_of_range instead of
// touching memory that is not a record.
class ChannelTable {
public:
    static bool IsValidIndex(int mode, int slot, int group) {
        return mode >= 0 && mode < kModeCount && slot >= 1 && slot <= kSlotCount && group >= 1 &&
               group <= kGroupCount;
    }
    ChannelRecord& operator()(int mode, int slot, int group) { return records_[Index(mode, slot, group)]; }
    const ChannelRecord& operator()(int mode, int slot, int group) const {
        return records_[Index(mode, slot, group)];
    }
    void Clear() { records_.fill(ChannelRecord{}); }

private:
    static std::size_t Index(int mode, int slot, int group) {
        if (!IsValidIndex(mode, slot, group)) throw std::out_of_range("channel table index");
        return (static_cast<std::size_t>(mode) * kSlotCount + static_cast<std::size_t>(slot - 1)) * kGroupCount +
               static_cast<std::size_t>(group - 1);
    }
    std::array<ChannelRecord, kModeCount * kSlotCount * kGroupCount> records_{};
};

// Radio information; 34 bytes on file.
struct RadioInfoRec {
    FixedText<7> ModelType;
    int16 BandCode = 0;
    int16 IsBandRange = 0;
    FixedText<8> DataDate;
    FixedText<5> FwVersion;
    FixedText<6> Model;
    int16 BandValid = 0;
    int16 TypeLetter = 0;

    bool operator==(const RadioInfoRec&) const = default;
};

// A per-group option array: [mode][group], groups 1..13 (element 0 unused).
template <typename T>
using PerGroup = std::array<std::array<T, kOptGroupCount + 1>, kModeCount>;

// Optional features; 631 bytes on file.
struct OptFeatRec {
    PerGroup<int16> GroupValid{};
    PerGroup<FixedText<4>> GroupName{};
    PerGroup<int16> EmgCh1{};
    PerGroup<int16> EmgCh2{};
    int16 OptSpare1 = 0;
    int16 WorkMode = 0;
    std::array<int16, kModeCount> WorkGroup{};
    int16 VoxOn = 0;
    int16 ChMem = 0;
    int16 ResetOpt = 0;
    int16 OptSpare2 = 0;
    PerGroup<int16> MemCh1{};
    PerGroup<int16> DwCh1{};
    PerGroup<int16> DwCh2{};
    PerGroup<int16> EmgMode1{};
    std::array<int16, kModeCount> OptSpare3{};  // the group-14 elements of EmgMode1
    PerGroup<int16> EmgMode2{};
    std::array<int16, kModeCount> OptSpare4{};  // the group-14 elements of EmgMode2
    int16 Rtix = 0;
    int16 Ttix = 0;
    int16 HiCut = 0;
    int16 NbAnl = 0;
    int16 Echo = 0;
    int16 Plus10K = 0;
    int16 RBSet = 0;
    int16 RBEnable = 0;
    int16 CwBeep = 0;
    int16 CwFreq = 0;
    int16 BeepOn = 0;
    int16 MicGain = 0;
    int16 Nog = 0;
    int16 Tot = 0;
    int16 SwrProtect = 0;
    int16 ScanType = 0;
    int16 OptSpare5 = 0;
    int16 MenuPage9 = 0;
    FixedText<5> StartChar;
    int16 MaxVolt = 0;
    int16 Mode = 0;
    int16 FmEnable = 0;
    int16 AmEnable = 0;
    int16 UsbEnable = 0;
    int16 LsbEnable = 0;
    int16 CwEnable = 0;
    int16 PaEnable = 0;
    int16 CurWxCh = 0;
    int16 WxAlert = 0;
    int16 WxScanState = 0;
    int16 WxVfo = 0;
    int16 Fin = 0;
    int16 FreqCh = 0;
    int16 MenuPage = 0;
    int16 Dim = 0;
    int16 FmDev = 0;
    int16 ToneHiLo = 0;
    int16 Agc = 0;
    int16 TxCdt = 0;
    int16 RfgDisplay = 0;
    int16 PowerDisplay = 0;
    int16 WxDisplay = 0;

    bool operator==(const OptFeatRec&) const = default;

    // EmgMode1 / EmgMode2 as the channel editor indexes them: groups 1..14, where group 14
    // is the spare pair stored after the per-group array. Out-of-range groups throw.
    int16& EmgMode1At(int mode, int group);
    int16& EmgMode2At(int mode, int group);
};

struct RBTone {
    int16 ToneFreq = 0;  // units of 10 Hz, 0 = silence
    int16 ToneLen = 0;   // units of 10 ms
    bool operator==(const RBTone&) const = default;
};

// One roger-beep tone set; 60 bytes on file.
struct RBToneSet {
    std::array<RBTone, kRBToneCount + 1> Tone{};  // tones 1..14
    int16 RepeatTimes = 0;
    int16 InterTime = 0;
    bool operator==(const RBToneSet&) const = default;
};

// One weather channel; 16 bytes on file.
struct TVChannelRec {
    int16 Valid = 0;
    double FreqMHz = 0.0;
    int16 OnOff = 0;
    int16 Bandwidth = 0;
    int16 ScanAdd = 0;
    bool operator==(const TVChannelRec&) const = default;
};

// All radio data except the channels; 1989 bytes on file.
struct DataFileRec {
    FixedText<4> DataVersion;
    int16 CurMode = 0;
    std::array<int16, kModeCount> CurGroup{};
    std::array<std::array<int16, kGroupCount + 1>, kModeCount> CurChRow{};  // [mode][group 1..14]
    std::array<std::array<int16, kGroupCount + 1>, kModeCount> ChCount{};   // [mode][group 1..14]
    RadioInfoRec RadioInfo;
    OptFeatRec OptFeatures;
    std::array<RBToneSet, kRBSetCount + 1> ToneTips{};  // sets 1..8
    int16 FreqChOpt = 0;
    int16 AsqLevel = 0;
    std::array<int16, kRssiCount + 1> RssiPoint{};  // 1..14
    int32 TxOffset = 0;
    byte8 MicType = 0;
    byte8 RxNrc = 0;
    byte8 TxGate = 0;
    byte8 RxComp = 0;
    byte8 VoxLevel = 0;
    byte8 VoxTime = 0;
    byte8 EchoVol = 0;
    byte8 EchoTime = 0;
    byte8 Tdc = 0;
    byte8 TxNrc = 0;
    byte8 ExtraByte1 = 0;
    byte8 ExtraByte2 = 0;
    byte8 FlagByte = 0;
    std::array<TVChannelRec, kTVChannelCount + 1> TVChannel{};  // 1..41
    byte8 HfCurMem = 0;
    byte8 HamCurMem = 0;
    byte8 SqlDisplay = 0;
    byte8 VolDisplay = 0;
    int16 WxSql = 0;
    byte8 VoxSpk = 0;
    byte8 HfDwBand = 0;
    byte8 HfDwChan = 0;
    byte8 HfDwMode = 0;
    byte8 HamDwBand = 0;
    byte8 HamDwChan = 0;
    byte8 HamDwMode = 0;
    byte8 FinRange = 0;
    byte8 VolPath = 0;
    byte8 HfPublic = 0;
    byte8 HamPublic = 0;

    bool operator==(const DataFileRec&) const = default;

    // ChCount(mode, group) with a range check; throws std::out_of_range outside 0..1 / 1..14.
    int16& ChCountAt(int mode, int group);
    int16 ChCountAt(int mode, int group) const;
};

// Group numbers of the two modes.
constexpr int kHfMemGroup = 13, kHfVfoGroup = 14, kHfLetteredGroups = 12;
constexpr int kHamMemGroup = 10, kHamVfoGroup = 11, kHamLetteredGroups = 9;

// The number of channels a group can hold: lettered groups 60 (1..40 and the "M" channels
// 41..60), MEM 99, VFO 1; the HAM mode's unused groups 12..14 hold none.
int GroupCapacity(int mode, int group);
bool IsValidModeGroup(int mode, int group);  // mode 0..1 and a group that mode has
// The used slots of (mode, group): ChCount held to the group's capacity, 0 for a group the
// mode does not have, so a damaged count never leads a reader past the table.
int UsedSlots(const DataFileRec& rec, int mode, int group);

#pragma once
// Where things live in the radio's memory image: channel slots, presence and scan bitmaps,
// and the fixed regions of options, tone sets and weather channels. Every address the
// packers and unpackers use comes from here.
#include "core/Records.h"
#include "link/LinkData.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace ImageLayout {

using Addr = std::size_t;

// Channel slots: 16 bytes each.
constexpr Addr kSlotSize = 16;
constexpr int kLetteredSlots = 60;
constexpr int kMemSlots = 99;
constexpr Addr kHfLetteredBase = 0x0000;
constexpr Addr kHamLetteredBase = 0x2D00;
constexpr Addr kHfMemBase = 0x5280;
constexpr Addr kHamMemBase = 0x58C0;
constexpr Addr kHfVfoSlot = 0x5F00;
constexpr Addr kHamVfoSlot = 0x5F10;

// Bitmaps: channel n is bit (n - 1) & 7 of byte base + (n - 1) / 8; 8 bytes per lettered group.
constexpr Addr kGroupBitmapBytes = 8;
constexpr Addr kHfPresenceBase = 0x5F20;
constexpr Addr kHamPresenceBase = 0x5F80;
constexpr Addr kHfScanBase = 0x6000;
constexpr Addr kHamScanBase = 0x6060;
constexpr Addr kHfMemPresence = 0x61A0;
constexpr Addr kHamMemPresence = 0x61B0;
constexpr Addr kHfMemScan = 0x61C0;
constexpr Addr kHamMemScan = 0x61D0;

// Per-group option bytes.
constexpr Addr kMemCh1Base = 0x6100;    // + mode * 16 + (g - 1)
constexpr Addr kEmgChBase = 0x6120;     // + mode * 32 + (g - 1) * 2, EmgCh1 then EmgCh2
constexpr Addr kEmgModeBase = 0x6160;   // + mode * 32 + (g - 1) * 2, EmgMode1 then EmgMode2
constexpr Addr kGroupValidBase = 0x6360;  // + mode * 2, 16 bits low byte first
constexpr int kHfEmgGroups = 12;
constexpr int kHamEmgGroups = 10;
constexpr int kMemCh1Groups = 12;
constexpr int kGroupValidGroups = 12;

// Single options.
constexpr Addr kModeByte = 0x6364;      // low nibble CurMode, high nibble OptSpare1 + 1
constexpr Addr kWorkGroup = 0x6365;     // + mode
constexpr Addr kFlagsByte = 0x6367;     // ChMem, ResetOpt, OptSpare2
constexpr Addr kHfCurMem = 0x6368;
constexpr Addr kHamCurMem = 0x6369;
constexpr Addr kDualWatch = 0x6380;     // HfDwBand .. HamDwMode, six bytes
constexpr Addr kStartChar = 0x6580;     // five 16-bit display codes, low byte first

// Roger-beep tone sets: two 30-byte sets in each 64-byte block.
constexpr Addr kToneSetBase = 0x6400;
constexpr Addr kToneSetBlock = 64;
constexpr Addr kToneSetSize = 30;

// Weather channels.
constexpr Addr kWxEntryBase = 0x6200;   // channel k at + (k - 1) * 8
constexpr Addr kWxEntrySize = 8;
constexpr Addr kWxVfoEntry = 0x6590;
constexpr Addr kWxScanBase = 0x6343;
constexpr Addr kWxPresenceBase = 0x634B;
constexpr Addr kCurWxCh = 0x6340;
constexpr Addr kWxAlert = 0x6341;
constexpr Addr kWxScanState = 0x6342;
constexpr Addr kWxVfo = 0x6353;
constexpr Addr kWxDisplay = 0x6354;
constexpr Addr kWxSql = 0x6355;

// The fill before a transfer: slots read as empty, bitmaps and option bytes start at zero,
// everything from kInitKeepFrom up is passed through from the last read.
constexpr Addr kInitFfEnd = 0x5F20;
constexpr Addr kInitKeepFrom = 0x6361;

enum class GroupKind { None, Lettered, Mem, Vfo };

constexpr GroupKind KindOf(int mode, int group) {
    const int lettered = mode == 0 ? kHfLetteredGroups : kHamLetteredGroups;
    if ((mode != 0 && mode != 1) || group < 1 || group > lettered + 2) return GroupKind::None;
    if (group <= lettered) return GroupKind::Lettered;
    return group == lettered + 1 ? GroupKind::Mem : GroupKind::Vfo;
}

// One bit of the image.
struct BitRef {
    Addr byte = 0;
    byte8 mask = 0;
};

constexpr BitRef BitOf(Addr base, int n) {
    return {base + static_cast<Addr>((n - 1) / 8), static_cast<byte8>(1u << ((n - 1) & 7))};
}

// The highest channel number whose slot and bits lie inside the group's own region.
constexpr int SlotLimit(GroupKind kind) {
    return kind == GroupKind::Lettered ? kLetteredSlots : kind == GroupKind::Mem ? kMemSlots : 0;
}

// Slot address of channel n. The VFO slot is fixed and does not depend on n; other
// groups give nothing for a number outside 1..capacity.
constexpr std::optional<Addr> SlotAddress(int mode, int group, int n) {
    const GroupKind kind = KindOf(mode, group);
    if (kind == GroupKind::Vfo) return mode == 0 ? kHfVfoSlot : kHamVfoSlot;
    if (kind == GroupKind::None || n < 1 || n > SlotLimit(kind)) return std::nullopt;
    if (kind == GroupKind::Mem) return (mode == 0 ? kHfMemBase : kHamMemBase) + static_cast<Addr>(n - 1) * kSlotSize;
    const Addr base = mode == 0 ? kHfLetteredBase : kHamLetteredBase;
    return base + static_cast<Addr>((group - 1) * kLetteredSlots + n - 1) * kSlotSize;
}

// Presence or scan bit of channel n; nothing for the VFO (always present, no scan bit) and
// for numbers outside the group's capacity.
constexpr std::optional<BitRef> ChannelBit(int mode, int group, int n, bool scan) {
    const GroupKind kind = KindOf(mode, group);
    if (kind != GroupKind::Lettered && kind != GroupKind::Mem) return std::nullopt;
    if (n < 1 || n > SlotLimit(kind)) return std::nullopt;
    if (kind == GroupKind::Mem) {
        const Addr base = mode == 0 ? (scan ? kHfMemScan : kHfMemPresence) : (scan ? kHamMemScan : kHamMemPresence);
        return BitOf(base, n);
    }
    const Addr base = mode == 0 ? (scan ? kHfScanBase : kHfPresenceBase) : (scan ? kHamScanBase : kHamPresenceBase);
    return BitOf(base + static_cast<Addr>(group - 1) * kGroupBitmapBytes, n);
}

constexpr Addr ToneSetAddress(int set) {
    return kToneSetBase + static_cast<Addr>((set - 1) / 2) * kToneSetBlock + static_cast<Addr>((set - 1) % 2) * kToneSetSize;
}

constexpr Addr WxEntryAddress(int k) {
    return k == kTVChannelCount ? kWxVfoEntry : kWxEntryBase + static_cast<Addr>(k - 1) * kWxEntrySize;
}

inline void SetBit(Link::Image& image, BitRef bit) { image[bit.byte] |= bit.mask; }
inline bool TestBit(const Link::Image& image, BitRef bit) { return (image[bit.byte] & bit.mask) != 0; }

}  // namespace ImageLayout

// Channels: 16-byte slots plus presence and scan bits per lettered group and "MEM".
#include "core/ProgramData.h"
#include "link/ImageCodec.h"
#include "link/ImageLayout.h"
#include "link/ImageParts.h"
#include "link/ModCommFun.h"
#include "link/ModCommImage.h"

#include <algorithm>
#include <string_view>

namespace ModCommFun {

namespace {

using namespace ImageCodec;
using ImageLayout::Addr;

// Normalises the text in place and writes its first six digits as BCD, least significant
// pair first; 0xFF 0xFF 0xFF when it is not eight decimal digits.
void PackFreq(FixedText<8>& text, Link::Image& image, Addr at) {
    if (!AllDecimalDigits(text.bytes))  // eight digits are already in normal form
        text.Set(ModComm::PadFreDigits(std::string_view(text.bytes.data(), text.bytes.size()), 8));
    const auto& d = text.bytes;
    if (!AllDecimalDigits(d)) {
        image[at] = image[at + 1] = image[at + 2] = 0xFF;
        return;
    }
    image[at + 2] = BcdByte(d[0], d[1]);
    image[at + 1] = BcdByte(d[2], d[3]);
    image[at] = BcdByte(d[4], d[5]);
}

// The eight-digit text of a slot's frequency bytes (six digits and "00"); false when a byte
// is not two decimal digits (an empty slot holds 0xFF).
bool UnpackFreq(const byte8* b, std::array<char, 8>& out) {
    if (!IsBcd(b[0]) || !IsBcd(b[1]) || !IsBcd(b[2])) return false;
    PutBcdDigits(b[2], &out[0]);
    PutBcdDigits(b[1], &out[2]);
    PutBcdDigits(b[0], &out[4]);
    out[6] = out[7] = '0';
    return true;
}

void SetText(FixedText<8>& field, const std::array<char, 8>& digits) {
    field.Set(std::string_view(digits.data(), digits.size()));
}

int UsedSlots(int mode, int group) { return ::UsedSlots(Prog::RadioData, mode, group); }

int LastGroup(int mode) { return mode == 0 ? kHfVfoGroup : kHamVfoGroup; }

bool HasChannelNumber(int mode, int group, int count, int n) {
    for (int slot = 1; slot <= count; ++slot)
        if (Prog::ChInfo(mode, slot, group).ChNo == n) return true;
    return false;
}

void PackOptionBytes(const ChannelRecord& r, byte8* slot) {
    const ImageTone rx = ToImageTone(r.RxTone);
    const ImageTone tx = ToImageTone(r.TxTone);
    slot[3] = slot[4] = 0;
    slot[5] = rx.number;
    slot[6] = Field(r.Mode, 8, 0);
    slot[7] = tx.number;
    slot[8] = 0;
    slot[9] = Field(r.HiCut, 1, 0) | Field(r.NbAnl, 1, 1) | Field(r.Echo, 1, 2) | Field(r.Plus10K, 1, 3) |
              Field(r.Busy, 1, 4);
    slot[10] = Field(r.RBSet, 4, 0) | Field(r.RBEnable, 1, 4) | Field(tx.kind, 2, 5);
    slot[11] = Field(r.RepEnable, 1, 0) | Field(r.RepDir, 2, 1) | Field(r.ToneFlag, 1, 3) | Field(rx.kind, 2, 4) |
               Field(r.Public, 1, 7);
    slot[15] = 0;
}

void UnpackOptionBytes(const byte8* slot, ChannelRecord& r) {
    r.Mode = slot[6];
    r.HiCut = Bits(slot[9], 1, 0);
    r.NbAnl = Bits(slot[9], 1, 1);
    r.Echo = Bits(slot[9], 1, 2);
    r.Plus10K = Bits(slot[9], 1, 3);
    r.Busy = Bits(slot[9], 1, 4);
    r.RBSet = Bits(slot[10], 4, 0);
    r.RBEnable = Bits(slot[10], 1, 4);
    r.RepEnable = Bits(slot[11], 1, 0);
    r.RepDir = Bits(slot[11], 2, 1);  // 3 has no entry in the REP list; kept so a write sends it back
    r.ToneFlag = Bits(slot[11], 1, 3);
    r.Public = Bits(slot[11], 1, 7);
    r.RxTone = FromImageTone(Bits(slot[11], 2, 4), slot[5]);
    r.TxTone = FromImageTone(Bits(slot[10], 2, 5), slot[7]);
    r.RxToneType = ToneTypeOf(r.ToneFlag, r.RxTone);
    r.TxToneType = ToneTypeOf(r.ToneFlag, r.TxTone);
}

}  // namespace

void PackChannel(ChannelRecord& record, int chNo, int group, int mode) {
    if (chNo < 1) return;
    const auto at = ImageLayout::SlotAddress(mode, group, chNo);
    if (!at) return;
    Link::Image& image = Link::RadioImage;
    PackFreq(record.Freq, image, *at);
    PackOptionBytes(record, &image[*at]);
    PackFreq(record.InitFreq, image, *at + 12);
    if (const auto presence = ImageLayout::ChannelBit(mode, group, chNo, false)) ImageLayout::SetBit(image, *presence);
    if (const auto scan = ImageLayout::ChannelBit(mode, group, chNo, true); scan && record.ScanAdd == 1)
        ImageLayout::SetBit(image, *scan);
}

namespace {

// A used slot's record from the slot bytes; freq holds the already checked frequency digits.
void FillRecord(ChannelRecord& r, int chNo, int16 scanAdd, const std::array<char, 8>& freq, const byte8* slot) {
    r.InUse = 1;
    r.ChNo = static_cast<int16>(chNo);
    r.ScanAdd = scanAdd;
    if (std::string_view(freq.data(), freq.size()) == "02809000")
        r.Freq.Set("28");
    else
        SetText(r.Freq, freq);
    UnpackOptionBytes(slot, r);
    std::array<char, 8> init{};
    if (UnpackFreq(slot + 12, init))
        SetText(r.InitFreq, init);
    else
        r.InitFreq.Set("FFFFFFFF");  // not the leftover of whatever this slot held before
}

// Appends channel n of (mode, group) when the image holds it. UnpackImage empties each group
// and goes up through the channel numbers, so only a direct call can meet a number that is
// already in use; checkDuplicates guards that case.
bool AppendChannel(int mode, int n, int group, bool checkDuplicates) {
    const auto at = ImageLayout::SlotAddress(mode, group, n);
    if (!at) return false;
    const Link::Image& image = Link::RadioImage;
    const bool isVfo = ImageLayout::KindOf(mode, group) == ImageLayout::GroupKind::Vfo;
    const auto presence = ImageLayout::ChannelBit(mode, group, n, false);
    if (!isVfo && !(presence && ImageLayout::TestBit(image, *presence))) return false;
    std::array<char, 8> freq{};
    if (!UnpackFreq(&image[*at], freq)) return false;
    const int chNo = isVfo ? 1 : n;
    int16& count = Prog::RadioData.ChCountAt(mode, group);
    const int capacity = GroupCapacity(mode, group);
    const int used = std::clamp<int>(count, 0, capacity);
    if (used >= capacity || (checkDuplicates && HasChannelNumber(mode, group, used, chNo))) return false;
    count = static_cast<int16>(used + 1);
    const auto scan = ImageLayout::ChannelBit(mode, group, n, true);
    const int16 scanAdd = scan ? (ImageLayout::TestBit(image, *scan) ? 1 : 0) : 1;  // the VFO has no scan bit
    FillRecord(Prog::ChInfo(mode, count, group), chNo, scanAdd, freq, &image[*at]);
    return true;
}

}  // namespace

bool UnpackChannel(int mode, int n, int group) { return AppendChannel(mode, n, group, true); }

void PackChannels() {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= LastGroup(mode); ++group)
            for (int slot = 1; slot <= UsedSlots(mode, group); ++slot) {
                ChannelRecord& r = Prog::ChInfo(mode, slot, group);
                PackChannel(r, r.ChNo, group, mode);
            }
}

void UnpackChannels() {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group) {
            Prog::RadioData.ChCountAt(mode, group) = 0;
            for (int n = 1; n <= GroupCapacity(mode, group); ++n) AppendChannel(mode, n, group, false);
        }
}

}  // namespace ModCommFun

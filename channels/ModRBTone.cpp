#include "channels/ModRBTone.h"

#include "channels/ModShowOptFun.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"

namespace ModRBTone {

namespace {

bool IsValidSet(const RBToneSet& set) {
    if (set.RepeatTimes < 1) return false;
    for (int k = 1; k <= kRBToneCount; ++k)
        if (set.Tone[static_cast<std::size_t>(k)].ToneLen > 0) return true;
    return false;
}

// HF has 14 groups (A..L, MEM, VFO), HAM 11 (A..I, MEM, VFO).
int GroupsOfMode(int mode) { return mode == 0 ? kHfVfoGroup : kHamVfoGroup; }

}  // namespace

int16 IsValidRB(int n) {
    if (n < 1 || n > kRBSetCount) return 0;
    return IsValidSet(Prog::RadioData.ToneTips[static_cast<std::size_t>(n)]) ? static_cast<int16>(n) : 0;
}

int16 GetValidRBCount() {
    int16 count = 0;
    for (int n = 1; n <= kRBSetCount; ++n)
        if (IsValidRB(n) > 0) ++count;
    return count;
}

int16 GetFirstValidRB() {
    for (int n = 1; n <= kRBSetCount; ++n)
        if (IsValidRB(n) > 0) return static_cast<int16>(n);
    return 1;
}

int16 CheckRBNo(int n) { return IsValidRB(n) > 0 ? static_cast<int16>(n) : GetFirstValidRB(); }

void RefreshRBUse() {
    // Every group, so that no stored channel keeps a set that is gone; a radio write packs
    // all of them.
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= GroupsOfMode(mode); ++group)
            for (int slot = 1; slot <= ModShowOptFun::UsedSlots(mode, group); ++slot) {
                ChannelRecord& rec = Prog::ChInfo(mode, slot, group);
                rec.RBSet = CheckRBNo(rec.RBSet);
            }
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    o.RBSet = CheckRBNo(o.RBSet);
    Windows().RefreshRBUse();
}

}  // namespace ModRBTone

#include "channels/ModShowOptFun.h"

#include "channels/ChannelGlobals.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"

namespace ModShowOptFun {

namespace {

constexpr int kLastOrdinaryChNo = 40;

bool IsOrdinary(int n) { return n <= kLastOrdinaryChNo; }

int ChNoAt(int mode, int slot, int group) { return Prog::ChInfo(mode, slot, group).ChNo; }

// The groups whose ordinary channels keep the radio usable: A..J in HF, A..I in HAM.
int LastCountedGroup(int mode) { return mode == 0 ? 10 : 9; }

bool IsGroupOn(int mode, int group) {
    return Prog::RadioData.OptFeatures.GroupValid[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)] == 1;
}

}  // namespace

int UsedSlots(int mode, int group) { return ::UsedSlots(Prog::RadioData, mode, group); }

int16 GetSameKindCHID(int n, int ref) { return IsOrdinary(n) == IsOrdinary(ref) ? static_cast<int16>(n) : 0; }

int16 CountNormalChannels(int mode, int group) { return CountSameKindChannels(mode, group, 0); }

int16 CountSameKindChannels(int mode, int group, int n) {
    int16 count = 0;
    for (int slot = 1; slot <= UsedSlots(mode, group); ++slot)
        if (IsOrdinary(ChNoAt(mode, slot, group)) == IsOrdinary(n)) ++count;
    return count;
}

int16 CountNormalChannelsExcept(int mode, int group, int n) {
    if (mode < 0 || mode >= kModeCount) return 0;
    int16 count = 0;
    for (int g = 1; g <= LastCountedGroup(mode); ++g) {
        if (!IsGroupOn(mode, g)) continue;
        for (int slot = 1; slot <= UsedSlots(mode, g); ++slot) {
            const int chNo = ChNoAt(mode, slot, g);
            if (IsOrdinary(chNo) && !(g == group && chNo == n)) ++count;
        }
    }
    return count;
}

int16 PickChannelRef(int mode, int group, int ref) {
    int16 first = 0;
    for (int slot = 1; slot <= UsedSlots(mode, group); ++slot) {
        const int chNo = ChNoAt(mode, slot, group);
        if (chNo == ref) return static_cast<int16>(ref);
        if (first == 0) first = GetSameKindCHID(chNo, ref);
    }
    return first;
}

void RefreshChannelRefs(int mode, int group) {
    if (mode < 0 || mode >= kModeCount || group < 1 || group > kOptGroupCount) return;
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    const auto m = static_cast<std::size_t>(mode);
    const auto g = static_cast<std::size_t>(group);
    for (PerGroup<int16>* refs : {&o.EmgCh1, &o.EmgCh2, &o.MemCh1, &o.DwCh1, &o.DwCh2}) {
        int16& ref = (*refs)[m][g];
        ref = PickChannelRef(mode, group, ref);
    }
    if (ChannelGlobals::ChInfoShown == -1) Windows().RefreshChannelRefs();
}

}  // namespace ModShowOptFun

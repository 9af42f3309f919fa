#include "core/Records.h"

namespace {
void CheckMode(int mode) {
    if (mode < 0 || mode >= kModeCount) throw std::out_of_range("mode");
}
}  // namespace

int16& OptFeatRec::EmgMode1At(int mode, int group) {
    CheckMode(mode);
    if (group == kGroupCount) return OptSpare3[static_cast<std::size_t>(mode)];
    if (group < 1 || group > kOptGroupCount) throw std::out_of_range("EmgMode1 group");
    return EmgMode1[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)];
}

int16& OptFeatRec::EmgMode2At(int mode, int group) {
    CheckMode(mode);
    if (group == kGroupCount) return OptSpare4[static_cast<std::size_t>(mode)];
    if (group < 1 || group > kOptGroupCount) throw std::out_of_range("EmgMode2 group");
    return EmgMode2[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)];
}

int16& DataFileRec::ChCountAt(int mode, int group) {
    CheckMode(mode);
    if (group < 1 || group > kGroupCount) throw std::out_of_range("ChCount group");
    return ChCount[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)];
}

int16 DataFileRec::ChCountAt(int mode, int group) const {
    return const_cast<DataFileRec*>(this)->ChCountAt(mode, group);
}

bool IsValidModeGroup(int mode, int group) {
    if (mode == 0) return group >= 1 && group <= kHfVfoGroup;
    if (mode == 1) return group >= 1 && group <= kHamVfoGroup;
    return false;
}

int GroupCapacity(int mode, int group) {
    if (!IsValidModeGroup(mode, group)) return 0;
    const int mem = mode == 0 ? kHfMemGroup : kHamMemGroup;
    const int vfo = mode == 0 ? kHfVfoGroup : kHamVfoGroup;
    if (group == mem) return 99;
    if (group == vfo) return 1;
    return 60;
}

int UsedSlots(const DataFileRec& rec, int mode, int group) {
    if (!IsValidModeGroup(mode, group)) return 0;
    const int count = rec.ChCountAt(mode, group);
    return count < 0 ? 0 : (count > GroupCapacity(mode, group) ? GroupCapacity(mode, group) : count);
}

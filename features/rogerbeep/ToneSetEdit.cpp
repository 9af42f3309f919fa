#include "features/rogerbeep/ToneSetEdit.h"

#include "channels/ModRBTone.h"
#include "core/lang/ModBeepText.h"
#include "features/rogerbeep/ModBeep.h"

namespace ToneSetEdit {

namespace {

constexpr int kOffText = 29200;
constexpr int kNoneText = 29201;

RBTone* ToneOf(RBToneSet* set, int k) {
    if (!set || k < 1 || k > kRBToneCount) return nullptr;
    return &set->Tone[static_cast<std::size_t>(k)];
}

bool HasLength(const RBToneSet& set) {
    for (int k = 1; k <= kRBToneCount; ++k)
        if (set.Tone[static_cast<std::size_t>(k)].ToneLen > 0) return true;
    return false;
}

bool InList(int position, int items) { return position >= 0 && position < items; }

QStringList Tens(int first, int last) {
    QStringList items;
    for (int v = first; v <= last; ++v) items << QString::number(v * 10);
    return items;
}

}  // namespace

QStringList RepeatItems() {
    QStringList items{ModBeep::GetRBText(kOffText)};
    for (int v = 1; v < kRepeatItems; ++v) items << QString::number(v);
    return items;
}

QStringList TimeItems() { return Tens(0, kTimeItems - 1); }

QStringList FreqItems() { return QStringList{ModBeep::GetRBText(kNoneText)} + Tens(1 + kFreqOffset, kFreqItems - 1 + kFreqOffset); }

int ListPosition(int stored, int items) { return InList(stored, items) ? stored : -1; }

int FreqPosition(int stored) {
    if (stored == 0) return 0;
    const int position = stored - kFreqOffset;
    return position >= 1 && position < kFreqItems ? position : -1;
}

int FreqOfPosition(int position) {
    if (!InList(position, kFreqItems)) return -1;
    return position == 0 ? 0 : position + kFreqOffset;
}

Outcome ChooseRepeatTimes(int n, int position) {
    RBToneSet* set = ModBeep::ToneSet(n);
    if (!set || !InList(position, kRepeatItems)) return Outcome::Refused;
    if (position == set->RepeatTimes) return Outcome::Unchanged;
    if (ModRBTone::GetValidRBCount() == 1 && position == 0) return Outcome::Refused;
    set->RepeatTimes = static_cast<int16>(position);
    ModRBTone::RefreshRBUse();
    return Outcome::Stored;
}

Outcome ChooseInterTime(int n, int position) {
    RBToneSet* set = ModBeep::ToneSet(n);
    if (!set || !InList(position, kTimeItems)) return Outcome::Refused;
    set->InterTime = static_cast<int16>(position);
    return Outcome::Stored;
}

Outcome ChooseToneFreq(int n, int k, int position) {
    RBTone* tone = ToneOf(ModBeep::ToneSet(n), k);
    const int freq = FreqOfPosition(position);
    if (!tone || freq < 0) return Outcome::Refused;
    tone->ToneFreq = static_cast<int16>(freq);
    return Outcome::Stored;
}

// The last-length rule looks at the set as it would be after the change, so that a stored
// length that no list item shows (above 2550 ms) still counts as a length.
Outcome ChooseToneLen(int n, int k, int position) {
    RBToneSet* set = ModBeep::ToneSet(n);
    RBTone* tone = ToneOf(set, k);
    if (!tone || !InList(position, kTimeItems)) return Outcome::Refused;
    if (position == tone->ToneLen) return Outcome::Unchanged;
    RBToneSet after = *set;
    after.Tone[static_cast<std::size_t>(k)].ToneLen = static_cast<int16>(position);
    if (ModRBTone::GetValidRBCount() == 1 && !HasLength(after)) return Outcome::Refused;
    tone->ToneLen = static_cast<int16>(position);
    ModRBTone::RefreshRBUse();
    return Outcome::Stored;
}

}  // namespace ToneSetEdit

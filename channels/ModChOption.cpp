#include "channels/ModChOption.h"

#include "channels/ModChText.h"
#include "channels/ModSetComm2.h"
#include "core/ModFun.h"

namespace ModChOption {

namespace {

constexpr int kFirstDcsIndex = ModChText::kCtcssCount + 1;  // tone index of "D_001(023N)"

// A tone index chosen for one direction. Choosing a tone while no tone was set clears the
// other direction; choosing "Off" (0) clears the flag and keeps both words.
void ChooseTone(ChannelRecord& rec, bool rx, int toneIndex) {
    if (toneIndex < 0 || toneIndex >= ModChText::kToneIndexCount) return;
    int16& own = rx ? rec.RxTone : rec.TxTone;
    int16& other = rx ? rec.TxTone : rec.RxTone;
    ModFun::SetOptValueFlag(own, rec.ToneFlag, toneIndex, other);
}

// A kind chosen for one direction. "CTC" shows its list at "Off", which clears the flag;
// "DCS" shows its list at the first code, which becomes the tone.
void ChooseKind(ChannelRecord& rec, bool rx, int position) {
    if (position < 0 || position > 2) return;
    (rx ? rec.RxToneType : rec.TxToneType) = static_cast<int16>(position);
    if (position == 0) {
        rec.ToneFlag = 0;
        return;
    }
    rec.ToneFlag = 1;
    ChooseTone(rec, rx, position == 1 ? 0 : kFirstDcsIndex);
}

void ChooseSwitch(int16& field, int position) {
    if (position == 0 || position == 1) field = static_cast<int16>(position);
}

ToneView ViewOf(int kind, int tone, int toneFlag) {
    ToneView v;
    v.kind = kind >= 0 && kind <= 2 ? kind : 0;
    const int shown = toneFlag != 0 ? tone : 0;
    const bool inList = shown >= 0 && shown < ModChText::kToneIndexCount;
    v.allPosition = inList ? shown : -1;
    if (v.kind == 1 && shown >= 0 && shown < kFirstDcsIndex) v.ctcPosition = shown;
    if (v.kind == 2 && shown >= kFirstDcsIndex && inList) v.dcsPosition = shown - kFirstDcsIndex;
    return v;
}

}  // namespace

void Choose(ChannelRecord& rec, int list, int position, const QString& text) {
    switch (list) {
    case HiCut: ChooseSwitch(rec.HiCut, position); break;
    case NbAnl: ChooseSwitch(rec.NbAnl, position); break;
    case Echo: ChooseSwitch(rec.Echo, position); break;
    case Plus10K: ChooseSwitch(rec.Plus10K, position); break;
    case Busy: ChooseSwitch(rec.Busy, position); break;
    case Public: ChooseSwitch(rec.Public, position); break;
    case Scan: ChooseSwitch(rec.ScanAdd, position); break;
    case Rep:
        // "OFF" keeps the direction for the next time the shift is switched on.
        if (position >= 0 && position <= 2) ModFun::SplitOptValue(rec.RepDir, rec.RepEnable, position);
        break;
    case Roger: {
        // "OFF" keeps the set number; a number selects that set.
        const int v = ModFun::GetIntOrDefault(text, 0);
        if (v >= 0 && v <= kRBSetCount) ModFun::SplitOptValue(rec.RBSet, rec.RBEnable, v);
        break;
    }
    case Mode:
        // A name without a channel code (CW, or nothing) stores nothing.
        if (ModSetComm2::IsChannelModeName(text)) rec.Mode = ModSetComm2::GetModeCodeByName(text);
        break;
    case RxKind: ChooseKind(rec, true, position); break;
    case TxKind: ChooseKind(rec, false, position); break;
    case RxToneAll: ChooseTone(rec, true, position); break;
    case TxToneAll: ChooseTone(rec, false, position); break;
    case RxCtc:
        if (position < kFirstDcsIndex) ChooseTone(rec, true, position);
        break;
    case TxCtc:
        if (position < kFirstDcsIndex) ChooseTone(rec, false, position);
        break;
    case RxDcs:
        if (position >= 0) ChooseTone(rec, true, kFirstDcsIndex + position);
        break;
    case TxDcs:
        if (position >= 0) ChooseTone(rec, false, kFirstDcsIndex + position);
        break;
    default: break;  // RogerEnable, RepEnable
    }
}

ToneView RxToneView(const ChannelRecord& rec) { return ViewOf(rec.RxToneType, rec.RxTone, rec.ToneFlag); }

ToneView TxToneView(const ChannelRecord& rec) { return ViewOf(rec.TxToneType, rec.TxTone, rec.ToneFlag); }

bool IsGreyedByPublic(int list) {
    switch (list) {
    case RogerEnable:
    case HiCut:
    case NbAnl:
    case Echo:
    case Plus10K:
    case Roger:
    case Mode: return true;
    default: return false;
    }
}

bool PublicOptionsEnabled(int publicPosition) { return publicPosition < 1; }

}  // namespace ModChOption

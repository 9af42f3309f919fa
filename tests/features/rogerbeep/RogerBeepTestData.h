#pragma once
// The working data of a roger-beep test: the caption tables and the start-up tone sets
// (sets 1..5 valid, 6..8 empty), a fresh preview state, and helpers to write sets.
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"
#include "features/rogerbeep/ModBeep.h"

#include <initializer_list>

namespace RBTest {

inline void ResetData() {
    Prog::Reset();
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitToneDefaults();
    ModBeep::ResetBeepState();
}

inline RBToneSet& Set(int n) { return Prog::RadioData.ToneTips[static_cast<std::size_t>(n)]; }

// Set n := the tones (frequency, length in stored units) from tone 1 on, the rest zero.
inline void Write(int n, int repeat, int pause, std::initializer_list<RBTone> tones) {
    RBToneSet set;
    int k = 1;
    for (const RBTone& t : tones) set.Tone[static_cast<std::size_t>(k++)] = t;
    set.RepeatTimes = static_cast<int16>(repeat);
    set.InterTime = static_cast<int16>(pause);
    Set(n) = set;
}

// Leaves only set keep valid (the others lose their repeat count).
inline void OnlyValid(int keep) {
    for (int n = 1; n <= kRBSetCount; ++n)
        if (n != keep) Set(n).RepeatTimes = 0;
}

}  // namespace RBTest

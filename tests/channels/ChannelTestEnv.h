#pragma once
// The working data of a channel test: the caption tables, the option defaults with every
// lettered group switched on or a whole new document, the band of a mode, and helpers to lay
// out and read groups.
#include "channels/ChannelGlobals.h"
#include "channels/ModShowFreFun.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"

#include <QString>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace ChTest {

inline void ResetData() {
    Prog::Reset();
    ChannelGlobals::ChInfoShown = 0;
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitOptFeatDefaults(Prog::RadioData.OptFeatures);
}

// A new document in HAM from the built-in defaults (the test tree has no template), captions
// in language: every lettered group holds channel 1 and M1..M6 (41..46), all public, and
// roger-beep sets 1..5 are valid.
inline void NewHamData(int language = 1) {
    Prog::Reset();
    ChannelGlobals::ChInfoShown = 0;
    Prog::CurLanguage = static_cast<int16>(language);
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitData();
    Prog::RadioData.CurMode = 1;
    Prog::BandRangeText = ModFreFile::kHamBandText;
    ModFun::ParseBandRange();
}

// The current mode with its band limits, and the group shown in it.
inline void Show(int mode, int group) {
    Prog::RadioData.CurMode = static_cast<int16>(mode);
    Prog::RadioData.CurGroup[static_cast<std::size_t>(mode)] = static_cast<int16>(group);
    Prog::BandRangeText = ModFreFile::GetBandRangeText(mode);
    ModFun::ParseBandRange();
}

// Empties (mode, group) and adds the channels in this order; frequencies as shown texts.
inline void Lay(int mode, int group, std::initializer_list<std::pair<int, const char*>> channels) {
    Prog::RadioData.ChCountAt(mode, group) = 0;
    for (const auto& [n, f] : channels) ModShowFreFun::AddChannel(n, mode, group, QString::fromLatin1(f));
}

inline std::vector<int> Numbers(int mode, int group) {
    std::vector<int> out;
    for (int slot = 1; slot <= Prog::RadioData.ChCountAt(mode, group); ++slot) out.push_back(Prog::ChInfo(mode, slot, group).ChNo);
    return out;
}

inline const ChannelRecord* Find(int mode, int group, int n) {
    const int slot = ModFreFile::FindChannelByCHID(n, mode, group);
    return slot > 0 ? &Prog::ChInfo(mode, slot, group) : nullptr;
}

inline int16& GroupValid(int mode, int group) {
    return Prog::RadioData.OptFeatures.GroupValid[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)];
}

inline int16& Ref(PerGroup<int16>& refs, int mode, int group) {
    return refs[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)];
}

// Commits a cell edit the way the window does and returns the committed text.
inline QString Edit(int n, int column, const char* text) {
    QString t = QString::fromLatin1(text);
    ModShowFreFun::EditChannelCell(n, column, t);
    return t;
}

}  // namespace ChTest

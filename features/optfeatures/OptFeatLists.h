#pragma once
// The entries of the optional-features editor's lists, in the current language.
//
// Lists are numbered as the window numbers them: Combo1(0..60) one setting each,
// Combo2(0..6) the public settings. "OFF"/"ON" are the shared on/off pair, "Off" the
// editor's own "Off" text; the fixed lists of the window's design read the same in every
// language.
#include <QStringList>

namespace ModOptFeat {

constexpr int kCombo1Count = 61;  // Combo1(0..60)
constexpr int kCombo2Count = 7;   // Combo2(0..6)
constexpr int kPublicModeList = 18;
constexpr int kRogerList = 5;     // Combo2(5)

// The entries of Combo1(index). Combo1(18), the public mode, is built from the mode enables
// (ModPubFun::FillModeCombo) and has none here; an index outside 0..60 has none either.
QStringList Combo1Items(int index);

// The entries of Combo2(index); Combo2(5) is RogerItems().
QStringList Combo2Items(int index);

// "OFF", then the number of every valid roger-beep set, ascending.
QStringList RogerItems();

// "FM", "AM", "USB", "LSB", "PA", "CW": the position is the mode code of the public and the
// dual-watch modes (the hidden lookup lists Combo3 and Combo4).
QStringList ModeCodeItems();

}  // namespace ModOptFeat

#pragma once
// Small shared operations on groups, option value pairs, texts, the band range and file
// titles. The ones that act on combo boxes live in core/widgets.
#include "core/Records.h"

#include <QString>

namespace ModFun {

// The letters of groups 1 to 12 in order: the names of the lettered groups (HAM uses the first
// nine) and the default group names stored for groups 1 to 12 of both modes.
inline constexpr char kGroupLetters[] = "ABCDEFGHIJKL";

// Group number <-> name of a mode: HF "A".."L", "MEM" 13, "VFO" 14; HAM "A".."I", "MEM" 10,
// "VFO" 11. Unknown numbers give "A"; unknown names or modes give 0 (and "" for a name).
QString GetGroupName(int group, int mode);
int16 GetGroupIndex(const QString& name, int mode);

// An option kept as a value and an on/off flag. v != 0: flag := 1, value := v; v == 0:
// flag := 0 and the value is kept.
void SplitOptValue(int16& value, int16& flag, int v);
// The tone pair: as SplitOptValue, but choosing a value while the flag is 0 first clears
// the other direction's value.
void SetOptValueFlag(int16& value, int16& flag, int v, int16& other);

// The text as an integer when it is numeric (and fits 16 bits), else def.
int16 GetIntOrDefault(const QString& text, int16 def);

// Trailing blanks removed, then cut before the first zero character.
QString TrimAtNull(const QString& s);

// BandLowMHz / BandHighMHz from BandRangeText ("28.0000 - 29.7000 MHz"); 100 / 500 for the
// parts that cannot be read.
void ParseBandRange();

// The part of path after its last "/" (the whole path when it has none).
QString GetFileTitle(const QString& path);

// Child windows of the main window, through the registered window services: close every
// window but the main window; focus a loaded window of that name or load, show and cascade.
void UnloadChildForms();
void ShowChildForm(const QString& formName);

}  // namespace ModFun

namespace ModPubFun {

// The mode itself (0 FM .. 4 PA) when it is allowed by the mode enables of OptFeatures,
// else the lowest allowed mode (0 when none is).
int16 GetValidModeIndex(int mode);

// v when v is 0 or 1, else def.
int16 CheckOnOffValue(int v, int16 def);

// Two upper-case hexadecimal digits.
QString GetHex2(byte8 b);

// -1 when the texts are equal, else 0.
int16 IsStrEqual(const QString& a, const QString& b);

}  // namespace ModPubFun

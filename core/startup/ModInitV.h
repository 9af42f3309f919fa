#pragma once
// The built-in defaults of the working data and the start-up template loaded over them.
#include "core/Records.h"

namespace ModInitV {

// All defaults, then the template; the data then counts as unmodified.
void InitData();

// The model and band that data has before a file or a radio gives its own: model "ZR73103"
// in the HAM mode with its band text and limits, and RadioVersion ModVersion::kSoftVersion.
// Start-up's settings step sets them, and so does a reload that falls back to the defaults.
void InitModelDefaults();

// New: the template over the working data. When it cannot be used, the working data and
// its file copy become the built-in defaults, exactly as at start-up without a template.
// Either way the data then counts as unmodified; DataFileName and IsNewData are kept.
// False when the defaults were taken.
bool LoadTemplateOrDefaults();

// Channel 1 of a group at the group's default frequency (groups 1..10 only).
void AddDefaultChannel(int mode, int group);

void InitOptFeatDefaults(OptFeatRec& rec);
void InitRadioInfoDefaults();
void InitToneDefaults();

// Loads Init/ZR7310N_New.dat (+ .fre) of the program folder over the working data, quietly.
bool LoadInitTemplate();

// The path of the start-up template's data file.
QString TemplatePath();

}  // namespace ModInitV

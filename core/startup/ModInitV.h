#pragma once
// The built-in defaults of the working data and the start-up template loaded over them.
#include "core/Records.h"

namespace ModInitV {

// All defaults, then the template; the data then counts as unmodified.
void InitData();

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

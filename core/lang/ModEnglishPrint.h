#pragma once
// The "File Name" caption of the main window and the two pair tables of two-valued
// settings. (The print texts of the same filler are not built: the program has no print
// window.)
#include "core/lang/LangText.h"

namespace ModEnglishPrint {

inline LangText FileName;    // "File Name"  main window caption
inline PairText OnOffText;   // item 0 "OFF", item 1 "ON"   Off/On lists of the editors
inline PairText DelAddText;  // item 0 "Del", item 1 "Add"  scan list of the weather editor

void LoadPrintStrings();

}  // namespace ModEnglishPrint

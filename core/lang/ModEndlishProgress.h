#pragma once
// Captions of the progress windows (FrmProgress, frmMProgress).
#include "core/lang/LangText.h"

namespace ModEndlishProgress {

// Window title by operation (CommType): item 1 "Read data from radio", item 2 "Write data
// to radio"; any other operation reads the empty text.
inline LangList<2> Title;
inline LangText CompletionPercentage;  // "Completion percentage:"  Label1

void LoadProgressStrings();

}  // namespace ModEndlishProgress

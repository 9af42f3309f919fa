#pragma once
// Which roger-beep tone sets are valid, and keeping every set number that points at one
// (the channels' RBSet and the public RBSet) on a valid set after the sets changed.
//
// Set n (1..8) is valid when it repeats at least once and at least one of its tones has a
// length. A set number outside 1..8 is never valid. Everything reads the current ToneTips.
#include "core/Records.h"

namespace ModRBTone {

// n when set n is valid, else 0.
int16 IsValidRB(int n);

// The number of valid sets among 1..8.
int16 GetValidRBCount();

// The lowest valid set number; 1 when no set is valid.
int16 GetFirstValidRB();

// n when set n is valid, else GetFirstValidRB().
int16 CheckRBNo(int n);

// Re-points the RBSet of every stored channel of every group of both modes and the public
// RBSet with CheckRBNo (the on/off words stay), then asks the open editors to rebuild their
// roger-beep lists (Windows().RefreshRBUse()).
void RefreshRBUse();

}  // namespace ModRBTone

#pragma once
// The lists of the roger-beep editor and the rules for storing a choice into a tone set.
//
// A stored value is the position of its item, except for tone frequencies: their list holds
// "None" (0) and 400..2550 Hz, so item p > 0 is the stored value p + 39 (10 Hz units).
// A stored value that no item stands for (from a file or a radio) has no position (-1): the
// editor shows no item for it and leaves it stored until the user picks another.
//
// Choices that could leave no valid set are refused while exactly one set is valid:
// switching a repeat count to "Off", and a length that would leave the shown set with no
// length at all. Accepted changes of a repeat count or a length re-point every user of a
// set number (ModRBTone::RefreshRBUse).
#include "core/Records.h"

#include <QStringList>

namespace ToneSetEdit {

constexpr int kRepeatItems = 11;  // "Off", 1..10
constexpr int kTimeItems = 256;   // 0..2550 ms in 10 ms steps
constexpr int kFreqItems = 217;   // "None", 400..2550 Hz in 10 Hz steps
constexpr int kFreqOffset = 39;   // stored frequency of item p > 0

// The items, texts in the current language.
QStringList RepeatItems();  // "Off" (29200), "1" .. "10"
QStringList TimeItems();    // "0", "10", .. "2550"
QStringList FreqItems();    // "None" (29201), "400", "410", .. "2550"

// The item position of a stored value; -1 when no item stands for it.
int ListPosition(int stored, int items);  // repeat count, pause, length
int FreqPosition(int stored);
// The stored frequency of item position; -1 for a position outside the list.
int FreqOfPosition(int position);

enum class Outcome {
    Unchanged,  // the choice equals what is stored
    Stored,
    Refused,    // the editor shows the stored value again
};

// A choice from the lists of set n (1..8) for tone k (1..14). A set, tone or position
// outside its range is refused without touching anything.
Outcome ChooseRepeatTimes(int n, int position);
Outcome ChooseInterTime(int n, int position);
Outcome ChooseToneFreq(int n, int k, int position);
Outcome ChooseToneLen(int n, int k, int position);

}  // namespace ToneSetEdit

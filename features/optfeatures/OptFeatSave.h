#pragma once
// What the optional-features editor's lists and check boxes show and store, without the
// widgets.
//
// Save codes: i for Combo1(i), 100 + i for Check1(i), 200 + i for Combo2(i). A list shows
// and stores its field by one of these codings:
//   index      stored value = list position
//   number     the entry whose text is the stored number ("Mic", "ASQ Level", menu page)
//   CW         position + 30 (CwFreq in 10 Hz, list from 300 Hz)
//   mode code  the position of the entry's text in "FM", "AM", "USB", "LSB", "PA", "CW"
//              (the public mode and the two dual-watch modes)
//   roger      "OFF" or a set number: RBSet with RBEnable
// Each store writes only its own field(s) straight into the record, so nothing that other
// code changed in between (the channel editor reopened by the public settings, nested
// choices) is overwritten.
#include "core/Records.h"

#include <QString>
#include <QStringList>
#include <span>

namespace ModOptFeat {

constexpr int kCheckCode = 100;
constexpr int kCombo2Code = 200;
constexpr int kCheckCount = 12;                 // Check1(0..11)
constexpr int kFirstModeEnable = 5, kLastModeEnable = 10;  // Check1(5..10): FM, AM, USB, LSB, PA, CW
constexpr int kHfPublicCode = 59, kHamPublicCode = 60;

// A choice in a list (its position and shown text) or a check box (position = its value).
struct Choice {
    int position = -1;
    QString text;
};

enum class SaveEffect {
    None,
    PublicChanged,  // a mode's public setting changed: the channel editor is to be reopened
};

// Stores the choice made in the control of that code (the table of save codes). Codes of
// controls that change nothing, and unknown codes, store nothing. A list without a
// selection (position -1) stores nothing, except for the public mode (FM) and roger beep
// ("OFF"), which take their text. Codes 59 and 60 also set Public of every channel slot of
// their mode in channels when the setting changes.
SaveEffect SaveOptFeat(DataFileRec& data, ChannelTable& channels, int code, const Choice& choice);

// Public := value in every channel slot of the mode (HF groups 1..14, HAM 1..11), used or
// not: 1..60 of a lettered group, 1..99 of MEM, 1 of VFO.
void SetPublicOfMode(ChannelTable& channels, int mode, int value);

// The position list code shows for the stored value, given the list's entries; -1 for no
// entry (an empty list, or a dual-watch mode the list does not hold). Index and number
// codings show entry 0 for a value that the list does not hold. Code 18 is the public
// mode in a list of the enabled modes: the stored mode when listed, else entry 0.
int ShownPosition(const DataFileRec& data, int code, const QStringList& items);

// Whether the list of that code shows a field (every list of the field map).
bool ShowsField(int code);

// The text of the stored public mode in ModeCodeItems (item 0 for a code outside 0..5).
QString PublicModeText(const DataFileRec& data);

// What Check1(index) shows: the stored value when 0 or 1, else the box's default; -1 for
// boxes that show nothing (4 and 11).
int ShownCheckValue(const DataFileRec& data, int index);

// The minimum rule of the mode enables: value when it is 1 or more; otherwise 1 when
// fewer than minimum of the other boxes (boxValues without position excluded) are checked,
// else 0.
int CheckEnoughChecked(int value, int minimum, std::span<const int> boxValues, int excluded);

}  // namespace ModOptFeat

#pragma once
// Channel names and tone texts of the channel editor: a channel number as the name the
// editor shows and back, the four-character tone codes and their display texts, the entries
// of the tone lists (whose position is the tone index of a channel) and the channel-number
// lists of the per-group row.
#include <QString>
#include <QStringList>

namespace ModChText {

constexpr int kCtcssCount = 38;   // tone index 1..38
constexpr int kDcsCount = 104;    // tone index 39..142
constexpr int kToneIndexCount = 1 + kCtcssCount + kDcsCount;

// The name of channel n. Group 13 adds 40 to n up to 40. Kind 0: "7"; kind 1: "M45";
// any other kind: "".
QString GetCHName(int n, int kind, int group);

// The number of a channel name: "M5" gives 5, "12" gives 12, anything else 0.
int GetCHID(const QString& name);

// "8023" gives "D023N", "0670" gives "67.0"; any other text the current language's "Off".
QString ShowCTCSS_DCS(const QString& code);

// The reverse: the current language's "Off" gives "0", "D023N" gives "8023", "67.0" gives
// "0670"; anything else "0".
QString GetCTCSS_DCSByShow(const QString& text);

// CTCSS frequency of tone n (1..38) in tenths of Hz, and DCS code of number k (1..104) as
// its octal digits read as a decimal number (23 for 023); 0 outside the ranges.
int CtcssTenthsHz(int n);
int DcsCode(int k);

// The list entry of tone index k: "Off", "C_001(67.0Hz)" .. "C_038(250.3Hz)",
// "D_001(023N)" .. "D_104(754N)"; "" outside 0..142.
QString ToneEntry(int k);
// Every entry in tone-index order (143 entries).
QStringList ToneList();
// "Off" and the 38 CTCSS entries; the 104 DCS entries.
QStringList CtcssList();
QStringList DcsList();

// The channel numbers of (mode, group) for a channel list, ascending: kind 0 the numbers up
// to 40 ("7"), kind 1 those above 40 as "M" + (n - 40).
QStringList ChannelIdItems(int mode, int group, int kind);

}  // namespace ModChText

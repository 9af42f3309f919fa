#pragma once
// The option panel of the channel editor without its widgets: what a choice in one of its
// lists stores in the channel, and what the tone lists show for a channel.
//
// Lists are numbered as the panel numbers them (Combo8(i)). A choice is given as the chosen
// entry's position and text; choices that a list cannot offer store nothing.
//
// Tones: RxTone / TxTone hold a tone index (0 none, 1..38 CTCSS, 39..142 DCS); the kind
// lists set RxToneType / TxToneType; ToneFlag is one flag for both directions, and while it
// is 0 both directions show "Off" whatever the tone words hold.
#include "core/Records.h"

#include <QString>

namespace ModChOption {

enum List : int {
    RxToneAll = 0,   // hidden combined tone list, receive (position = tone index)
    RogerEnable = 1, // hidden, shows RBEnable; a choice changes nothing
    HiCut = 2,
    NbAnl = 3,
    Echo = 4,
    Plus10K = 5,
    Busy = 6,
    Rep = 7,         // "OFF", "+", "-"
    TxKind = 8,      // "Off", "CTC", "DCS"
    Public = 9,
    Scan = 10,       // "Del", "Add"
    Roger = 11,      // "OFF" and the valid set numbers
    RepEnable = 12,  // hidden, shows RepEnable; a choice changes nothing
    Mode = 13,       // the offered mode names
    TxToneAll = 14,  // hidden combined tone list, transmit
    RxKind = 15,
    RxCtc = 16,      // "Off" and the 38 CTCSS tones (position = tone index)
    TxCtc = 17,
    RxDcs = 18,      // the 104 DCS codes (position + 39 = tone index)
    TxDcs = 19,
    ListCount = 20
};

// The channel after the entry at position (with that text) was chosen in list.
void Choose(ChannelRecord& rec, int list, int position, const QString& text);

// What a direction's tone lists show: the kind list's position (a stored kind outside 0..2
// shows "Off"), the position in the CTCSS list and in the DCS list (-1: that list shows
// no entry, for a tone that list does not hold), and the position in the combined list.
struct ToneView {
    int kind = 0;
    int ctcPosition = -1;
    int dcsPosition = -1;
    int allPosition = 0;
};
ToneView RxToneView(const ChannelRecord& rec);
ToneView TxToneView(const ChannelRecord& rec);

// The lists that Public "ON" greys (HI-CUT, NB/ANL, ECHO, +10KHz, Roger, Mode and the
// hidden roger switch): their public counterparts apply instead.
bool IsGreyedByPublic(int list);
// Whether those lists are available for a Public list position.
bool PublicOptionsEnabled(int publicPosition);

}  // namespace ModChOption

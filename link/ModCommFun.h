#pragma once
// Packing the working data (Prog::RadioData, Prog::ChInfo) into the radio's memory image
// (Link::RadioImage) before a write, and unpacking the image into the working data after a
// read. Every byte of an image that came from the radio is treated as untrusted: unpacking
// never indexes outside a record and keeps each group's slots dense with unique channel
// numbers within the group's capacity. Codes that the program's lists do not offer (RepDir 3,
// emergency and public mode codes past CW) are kept as read, so that a write after a read
// sends the radio's bytes back; their readers range-check them (see the notes at each
// function).
//
// The model-text helpers GetSoftModelFromRadioInfo / PutSoftModelToRadioInfo of the same
// module live in core/ModelInfo.h, since the data files use them.
#include "core/Records.h"

#include <array>

namespace ModCommFun {

using ToneSets = std::array<RBToneSet, kRBSetCount + 1>;  // sets 1..8

// All channels of both modes in slot order, then options, tone sets and weather channels.
// Packing the same data twice without ModComm::InitImage in between gives the same bytes.
void PackImage();

// Options first (they restore CurMode and the band range), then all channels (ChCount is
// rebuilt from the presence bitmaps), then tone sets and weather channels.
void UnpackImage();

// One channel into its slot and bits. Rewrites Freq and InitFreq with their normalised form
// (ModComm::PadFreDigits). Writes nothing for chNo < 1 and, in lettered and "MEM" groups, for
// a chNo above the group's capacity (its slot would lie in another group's region). Every
// field is masked to its bit width so that an out-of-range value cannot spill into a
// neighbouring field; a tone index outside 0..142 is packed as no tone.
void PackChannel(ChannelRecord& record, int chNo, int group, int mode);

// Channel n of (mode, group) from the image: when present (the VFO always is) and its
// frequency bytes are BCD, it is appended to the group's used slots (ChCount + 1) and true is
// returned. A number outside the group, a full group or a number already in use is refused.
// Tone numbers outside their list and tone kind 3 read as no tone, the tone kinds follow the
// tone read back (while ToneFlag is 1), RepDir keeps its two bits (0..3), a VFO is in the scan
// list, and an InitFreq whose bytes are not BCD reads as eight "F".
bool UnpackChannel(int mode, int n, int group);

// Options, single-byte settings, dual watch, start characters. Also reads or writes the
// DataFileRec fields of Prog::RadioData that the image carries. Packing sets GroupValid of
// HAM groups 10..12 to 0. Unpacking sets CurMode (above 1 reads as 0), BandRangeText and the
// band limits; a channel reference byte 0xFF reads as 0 ("none"). Emergency, public and
// dual-watch mode codes, work groups and roger-beep set numbers are kept as read (0..255):
// their readers map values outside their lists.
void PackOptFeat(OptFeatRec& optFeatures);
void UnpackOptFeat(OptFeatRec& optFeatures);

// The eight roger-beep tone sets, 30 bytes each.
void PackRBTone(ToneSets& toneSets);
void UnpackRBTone(ToneSets& toneSets);

// Prog::RadioData.TVChannel (40 weather channels and the weather VFO) and the weather settings.
// A valid entry whose frequency eight BCD digits cannot hold goes out as an empty channel.
void PackTVChannel();
void UnpackTVChannel();

}  // namespace ModCommFun

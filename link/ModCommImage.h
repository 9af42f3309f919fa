#pragma once
// The image-side part of ModComm: the fill that precedes every transfer and the
// normalised form of a channel frequency text.
#include <string>
#include <string_view>

namespace ModComm {

// 0x0000..0x5F1F := 0xFF (every slot reads as empty), 0x5F20..0x6360 := 0x00 (bitmaps and
// per-group option bytes); 0x6361..0x6600 keep what the last read brought in.
void InitImage();

// A frequency text as packing needs it: the empty text (also after cutting at the first
// zero character and dropping trailing blanks) and eight "F" give eight "F"; any other text
// is cut at its first zero character, stripped of trailing blanks and filled up with "0" to
// n characters ("280150  " gives "28015000").
std::string PadFreDigits(std::string_view text, int n);

}  // namespace ModComm

#pragma once
// The chart of a tone set: one box per tone with a length, side by side on a base line 50
// units above the bottom edge. The boxes share the width less 100 in proportion to the tone
// lengths; a box is as high as the tone's stored frequency value over 256 of the height
// less 100. Odd tones are red, even tones blue. Units are the picture's (twips here).
#include "core/Records.h"

#include <cstdint>
#include <vector>

namespace ModBeep {

constexpr std::uint32_t kOddToneRgb = 0xFF0000;   // red
constexpr std::uint32_t kEvenToneRgb = 0x0000FF;  // blue

struct RBChartBox {
    int tone = 0;           // 1..14
    int32 x1 = 0, y1 = 0;   // the corner on the base line
    int32 x2 = 0, y2 = 0;   // the opposite corner
    std::uint32_t rgb = 0;
    bool operator==(const RBChartBox&) const = default;
};

// The boxes of set in a picture of scaleWidth x scaleHeight, in tone order; none when the
// set has no length. Widths and heights are rounded to the nearest whole unit, halves to
// even. Tones with a length of 0 or less (the latter only from a damaged file) take no room
// and do not count towards the total length.
std::vector<RBChartBox> RBChart(const RBToneSet& set, double scaleWidth, double scaleHeight);

}  // namespace ModBeep

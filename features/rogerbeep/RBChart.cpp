#include "features/rogerbeep/RBChart.h"

#include <cmath>

namespace ModBeep {

namespace {
// Nearest whole number, halves to even (the default rounding mode).
int32 Round(double v) { return static_cast<int32>(std::nearbyint(v)); }
}  // namespace

std::vector<RBChartBox> RBChart(const RBToneSet& set, double scaleWidth, double scaleHeight) {
    std::vector<RBChartBox> boxes;
    const int32 width = Round(scaleWidth - 100);
    const int32 height = Round(scaleHeight - 100);
    const int32 base = Round(scaleHeight) - 50;
    int32 total = 0;
    for (int j = 1; j <= kRBToneCount; ++j) total += std::max<int32>(set.Tone[static_cast<std::size_t>(j)].ToneLen, 0);
    if (total < 1) return boxes;
    int32 x = 50;
    for (int j = 1; j <= kRBToneCount; ++j) {
        const RBTone& tone = set.Tone[static_cast<std::size_t>(j)];
        if (tone.ToneLen <= 0) continue;
        const int32 w = Round(static_cast<double>(tone.ToneLen) * width / total);
        const int32 h = Round(static_cast<double>(tone.ToneFreq) * height / 256);
        boxes.push_back({j, x, base, x + w, base - h, j % 2 == 1 ? kOddToneRgb : kEvenToneRgb});
        x += w;
    }
    return boxes;
}

}  // namespace ModBeep

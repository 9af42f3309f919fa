#pragma once
// The frequencies of the default channels (six decimals).
#include <QString>

#include <array>

namespace DefaultFrequencies {

// M1..M6 of a group, in this order; also the default frequency of groups 1..6 (and 7..10
// repeat the first four).
inline constexpr std::array<const char*, 6> kTable = {"28.015000", "28.145000", "28.115000",
                                                      "28.085000", "28.055000", "28.025000"};

// The frequency of a group's default channel 1 (groups 1..10); "" for other groups.
inline QString GroupDefaultFrequency(int group) {
    if (group < 1 || group > 10) return QString();
    return QLatin1String(kTable[static_cast<std::size_t>((group - 1) % 6)]);
}

}  // namespace DefaultFrequencies

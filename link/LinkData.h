#pragma once
// Program-wide state of the radio link. The radio's memory image is indexed by the radio's
// own addresses: 0x0000..0x65FF travel over the wire, the last element 0x6600 never does.
#include "core/Records.h"

#include <array>
#include <cstddef>

namespace Link {

constexpr std::size_t kImageEnd = 0x6600;          // first address past the transferred range
constexpr std::size_t kImageSize = kImageEnd + 1;  // elements 0x0000..0x6600

using Image = std::array<byte8, kImageSize>;

// All zero at program start; a read leaves in it what the radio sent.
inline Image RadioImage{};

// Back to the state at program start.
void Reset();

}  // namespace Link

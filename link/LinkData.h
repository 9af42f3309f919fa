#pragma once
// Program-wide state of the radio link: the radio's memory image and the variables of a
// transfer. The image is indexed by the radio's own addresses: 0x0000..0x65FF travel over
// the wire, the last element 0x6600 never does. The operation and its states (CommType,
// ReadState, WriteState, MultiWrite, AskOnNoAnswer) live in Prog:: since start-up and the
// data reset clear them.
#include "core/Records.h"

#include <QString>

#include <array>
#include <cstddef>

namespace Link {

constexpr std::size_t kImageEnd = 0x6600;          // first address past the transferred range
constexpr std::size_t kImageSize = kImageEnd + 1;  // elements 0x0000..0x6600

using Image = std::array<byte8, kImageSize>;

// All zero at program start; a read leaves in it what the radio sent.
inline Image RadioImage{};

// --- Transfer variables (OpenCommPort prepares them) ---------------------------------------
inline int16 ImageEnd = 0;     // end address of the transfer (0x6600)
inline int16 BlockLen = 0;     // bytes per block frame (16)
inline int16 CurAddr = 0;      // address of the block being read or written
inline int16 LastPercent = 0;  // last progress percentage shown

// Reply time-outs counted per step: [0] the handshake, [1] the identity request.
inline std::array<int16, 2> ProgramRetries{};
// Retry budgets by block index CurAddr / BlockLen. Nothing grants one, so every block
// time-out asks; indexes past the end simply have no budget.
constexpr int kBlockRetryLast = 1024;
inline std::array<int16, kBlockRetryLast + 1> BlockRetries{};

inline QString RadioModel;  // model text of the last identity reply

// Group write (never offered by the program). RadioCount is never given a value.
inline int16 RadioCount = 0;
inline int16 RadiosDone = 0;
inline int16 PollNextRadio = 0;   // -1 while waiting for the next radio
inline int16 MultiFormShown = 0;  // -1 while frmMProgress still has to be closed
inline int32 PollCount = 0;
inline int32 PollConfirm = 0;

// Back to the state at program start.
void Reset();

}  // namespace Link

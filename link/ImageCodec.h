#pragma once
// Small value codings shared by the packers: BCD frequency digits, tone kind and number,
// and masking a record value into a bit field.
#include "core/Records.h"

#include <array>
#include <cstddef>

namespace ImageCodec {

// A value masked to `bits` bits and moved to bit `shift`.
constexpr byte8 Field(int value, int bits, int shift) {
    return static_cast<byte8>((static_cast<unsigned>(value) & ((1u << bits) - 1u)) << shift);
}
constexpr int16 Bits(byte8 b, int bits, int shift) {
    return static_cast<int16>((b >> shift) & ((1u << bits) - 1u));
}

constexpr bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

template <std::size_t N>
constexpr bool AllDecimalDigits(const std::array<char, N>& text) {
    for (char c : text)
        if (!IsDecimalDigit(c)) return false;
    return true;
}

// Two decimal digits as one BCD byte ("28" gives 0x28).
constexpr byte8 BcdByte(char hi, char lo) { return static_cast<byte8>(((hi - '0') << 4) | (lo - '0')); }

// The two hexadecimal digits of a byte are decimal digits.
constexpr bool IsBcd(byte8 b) { return (b >> 4) <= 9 && (b & 0x0F) <= 9; }

constexpr void PutBcdDigits(byte8 b, char* out) {
    out[0] = static_cast<char>('0' + (b >> 4));
    out[1] = static_cast<char>('0' + (b & 0x0F));
}

// A tone index (0 none, 1..38 CTCSS, 39..142 DCS) as the image holds it: kind 0 none, 1 CTCSS,
// 2 DCS, and the number within its list. An index outside 0..142 names no tone.
struct ImageTone {
    byte8 number = 0;
    byte8 kind = 0;
};

constexpr int kCtcssCount = 38;
constexpr int kDcsCount = 104;
constexpr int kLastToneIndex = kCtcssCount + kDcsCount;  // 142

constexpr ImageTone ToImageTone(int index) {
    if (index >= 1 && index <= kCtcssCount) return {static_cast<byte8>(index), 1};
    if (index > kCtcssCount && index <= kLastToneIndex) return {static_cast<byte8>(index - kCtcssCount), 2};
    return {};
}

// Back to a tone index. A number outside its kind's list (a CTCSS number above 38, a DCS
// number 0 or above 104) or kind 3 gives no tone rather than an index of another kind or
// past the end of the tone list.
constexpr int16 FromImageTone(int kind, int number) {
    if (kind == 1 && number >= 1 && number <= kCtcssCount) return static_cast<int16>(number);
    if (kind == 2 && number >= 1 && number <= kDcsCount) return static_cast<int16>(number + kCtcssCount);
    return 0;
}

// The kind of a tone index as the channel editor lists it: 0 "Off", 1 "CTC", 2 "DCS".
constexpr int16 ToneTypeOf(int16 toneFlag, int16 index) {
    if (toneFlag == 0 || index <= 0) return 0;
    return index <= kCtcssCount ? 1 : 2;
}

}  // namespace ImageCodec

#include "link/LcdCode.h"

#include <array>

namespace ModFun {

namespace {

struct LcdEntry {
    char c;
    std::uint16_t code;
};

// "O" comes after "0", so a reverse lookup finds "0" first.
constexpr std::array<LcdEntry, 38> kLcdTable = {{
    {' ', 0x0000}, {'0', 0x1598}, {'1', 0x0090}, {'2', 0x13A8}, {'3', 0x12B8}, {'4', 0x06B0}, {'5', 0x1638},
    {'6', 0x1738}, {'7', 0x0098}, {'8', 0x17B8}, {'9', 0x16B8}, {'A', 0x07B8}, {'B', 0x10BE}, {'C', 0x1508},
    {'D', 0x109E}, {'E', 0x1728}, {'F', 0x0728}, {'G', 0x1538}, {'H', 0x07B0}, {'I', 0x100E}, {'J', 0x2148},
    {'K', 0x0741}, {'L', 0x1500}, {'M', 0x45D0}, {'N', 0x4591}, {'O', 0x1598}, {'P', 0x07A8}, {'Q', 0x1599},
    {'R', 0x07A9}, {'S', 0x5038}, {'T', 0x000E}, {'U', 0x1590}, {'V', 0x2540}, {'W', 0x2591}, {'X', 0x6041},
    {'Y', 0x4042}, {'Z', 0x3048}, {'-', 0x0220},
}};

}  // namespace

std::uint16_t LcdCodeOf(char c) {
    for (const LcdEntry& e : kLcdTable)
        if (e.c == c) return e.code;
    return 0;
}

char CharOfLcdCode(std::uint16_t code) {
    if (code == 0) return ' ';
    for (const LcdEntry& e : kLcdTable)
        if (e.code == code) return e.c;
    return ' ';
}

byte8 GetLcdCodeByChar(QChar c, int hiFlag) {
    const std::uint16_t code = c.unicode() < 128 ? LcdCodeOf(static_cast<char>(c.unicode())) : 0;
    return static_cast<byte8>(hiFlag != 0 ? code >> 8 : code & 0xFF);
}

QString GetCharByLcdCode(int hiByte, int loByte) {
    const auto code = static_cast<std::uint16_t>(((hiByte & 0xFF) << 8) | (loByte & 0xFF));
    return QString(QLatin1Char(CharOfLcdCode(code)));
}

}  // namespace ModFun

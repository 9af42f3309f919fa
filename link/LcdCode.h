#pragma once
// The radio display's 16-bit character codes, used for the five start characters.
#include "core/Records.h"

#include <QChar>
#include <QString>

#include <cstdint>

namespace ModFun {

// One byte of the character's display code: the high byte when hiFlag is not 0, else the
// low byte. Only "0".."9", "A".."Z", "-" and the blank have a code; any other character
// (lower-case letters included) gives 0.
byte8 GetLcdCodeByChar(QChar c, int hiFlag);

// The one-character text whose display code is hiByte * 256 + loByte; " " for any code that
// no character has (0 included). "O" shares the code of "0" and reads back as "0".
QString GetCharByLcdCode(int hiByte, int loByte);

// The same on single-byte characters, for the packers.
std::uint16_t LcdCodeOf(char c);
char CharOfLcdCode(std::uint16_t code);

}  // namespace ModFun

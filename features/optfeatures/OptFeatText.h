#pragma once
// The rules of the optional-features editor's text boxes, without the widgets: which keys
// each kind of box takes, and what a box's text becomes (clamped, replaced or reverted)
// and stores when it is checked. Decimals are read and written with "." whatever the
// user's locale.
#include "core/Records.h"

#include <QString>
#include <array>

namespace ModOptFeat {

enum class TextKind {
    StartChar,  // Text3(0..4): one character each of StartChar
    Volt,       // Text2(0) "Max" (MaxVolt) and the hidden Text2(1..2) "Min[V]"/"Max[V]"
    TxOffset,   // Text5 (TxOffset)
    Trim,       // hidden Text1(0..1): Rtix, Ttix
    Rssi,       // hidden Text4(0..13): RssiPoint(1..14)
};

// The longest text a box of that kind takes; 0 for no limit.
int MaxLength(TextKind kind);

// The character code a box takes for the typed code k: k itself, its capital (small
// letters in the start characters), or 0 when the key is dropped. Ctrl+C, Ctrl+V and
// Ctrl+X and every code above 127 are dropped; other control codes pass (Backspace).
char16_t FilterKey(TextKind kind, char16_t k);

// A checked box: the text it then shows and the value stored from it.
struct CheckedText {
    QString text;
    int stored = 0;
};

// "Max": 1.2 to 20 V shown "#0.0" ("20.0" for a text that is not a number); MaxVolt in
// 0.1 V, 12 to 200.
CheckedText CheckMaxVolt(const QString& text);

// "Tx Offset": 0.0001 to 5 MHz shown "#0.0000" ("5.0000" for a text that is not a
// number); TxOffset in 0.0001 MHz, 1 to 50000.
CheckedText CheckTxOffset(const QString& text);

// A hidden voltage limit: 9.0 to 17.0 shown "#0.0", "9.0" for a text that is not a number.
QString CheckVoltLimit(const QString& text);
// Whether the hidden limits are to be exchanged: both numbers and the maximum below the
// minimum.
bool VoltLimitsReversed(const QString& minText, const QString& maxText);

// A trim in kHz: above 100 shows "100.0", below -100 "-100.0", a text that is not a number
// "0"; stored in 0.1 kHz (-1000 to 1000) from the text shown.
CheckedText CheckTrim(const QString& text);

// StartChar from the five boxes: their texts joined, an empty box counting as a blank,
// cut or padded to five characters.
QString StartCharOf(const std::array<QString, 5>& boxes);
// What the five boxes show: the stored text up to its first zero character, without
// trailing blanks, one character per box (a blank shows as an empty box).
std::array<QString, 5> StartCharBoxes(const FixedText<5>& stored);

// The RSSI point that box (0..13) stores for its text. The boxes form two runs, 0..6 and
// 7..13, each strictly increasing within 1..36 and checked against the stored points of
// the neighbours in its run. A text that is not a number, or a value that would break the
// order, gives the stored point back.
int16 CheckStepValue(const std::array<int16, kRssiCount + 1>& points, int box, const QString& text);

// Stored values as the boxes show them: "#0.0" of value / 10 and "#0.0000" of value / 10000.
QString TenthsText(int value);
QString TxOffsetText(int32 value);

}  // namespace ModOptFeat

#pragma once
// Decimal numbers as texts. The program reads and writes every decimal with "." whatever
// the user's locale, accepts the texts a user or a file may hold (surrounding blanks, a
// sign, an exponent) and formats with a fixed number of decimals without binary drift:
// 28.01505 formats with four decimals as 28.0151, as a person would round it.
#include <QString>
#include <optional>

namespace NumText {

// A number in the usual decimal notation: optional blanks, optional sign, digits with at
// most one ".", optional exponent, optional blanks. "", ".", "-", "1e" and "1,5" are not.
bool IsNumeric(const QString& text);

// The value of a numeric text; nullopt when the text is not numeric.
std::optional<double> ToDouble(const QString& text);

// The value rounded to a 16-bit integer (halves to the even neighbour); nullopt when the text
// is not numeric or the value does not fit.
std::optional<short> ToInt16(const QString& text);

// value with exactly `decimals` decimals and at least one digit before the point ("#0.0000"
// for 4), halves rounded away from zero on the shortest decimal form of the value.
QString FormatFixed(double value, int decimals);

// Rounds to the nearest integer with halves to the even neighbour.
double RoundHalfEven(double value);

}  // namespace NumText

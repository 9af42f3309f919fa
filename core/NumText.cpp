#include "core/NumText.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace NumText {

namespace {
const QRegularExpression& NumberPattern() {
    static const QRegularExpression re(
        QStringLiteral(R"(^[ \t]*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?[ \t]*$)"));
    return re;
}

// Adds one unit in the last place of a string of decimal digits (no sign, no point).
QString IncrementDigits(QString digits) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0) {
        if (digits[i] == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            --i;
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
    }
    return QLatin1Char('1') + digits;
}
}  // namespace

bool IsNumeric(const QString& text) { return NumberPattern().match(text).hasMatch(); }

std::optional<double> ToDouble(const QString& text) {
    if (!IsNumeric(text)) return std::nullopt;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);  // QString::toDouble always uses "."
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

double RoundHalfEven(double value) { return std::nearbyint(value); }  // default mode: to even

std::optional<short> ToInt16(const QString& text) {
    const auto v = ToDouble(text);
    if (!v) return std::nullopt;
    const double r = RoundHalfEven(*v);
    if (r < std::numeric_limits<short>::min() || r > std::numeric_limits<short>::max()) return std::nullopt;
    return static_cast<short>(r);
}

QString FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    if (decimals < 0) decimals = 0;
    // The shortest decimal form that reads back as the same double ("28.01505", not
    // "28.015049999..."), then rounded as text. to_chars ignores the C locale, which a Qt
    // application sets from the user's environment (snprintf would write "2,8015e+01").
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::scientific);
    *written.ptr = '\0';
    // buf now holds d.ddddde±x; split into digits and exponent.
    QString s = QString::fromLatin1(buf);
    const bool negative = s.startsWith(QLatin1Char('-'));
    if (negative) s.remove(0, 1);
    const int ePos = static_cast<int>(s.indexOf(QLatin1Char('e')));
    const int exponent = s.mid(ePos + 1).toInt();
    QString digits = s.left(ePos).remove(QLatin1Char('.'));
    // Value = 0.digits x 10^(exponent + 1): place the point.
    int pointPos = exponent + 1;  // digits before the point
    if (pointPos <= 0) {
        digits = QString(-pointPos, QLatin1Char('0')) + digits;
        pointPos = 0;
    }
    if (digits.size() < pointPos + decimals + 1) digits += QString(pointPos + decimals + 1 - digits.size(), QLatin1Char('0'));
    QString kept = digits.left(pointPos + decimals);
    const bool roundUp = digits[pointPos + decimals] >= QLatin1Char('5');
    if (kept.isEmpty()) {  // no digit kept (0 decimals, value below 1): keep a whole "0"
        kept = QStringLiteral("0");
        pointPos = 1;
    }
    if (roundUp) {
        const int before = static_cast<int>(kept.size());
        kept = IncrementDigits(kept);
        if (kept.size() > before) ++pointPos;
    }
    QString intPart = kept.left(pointPos);
    QString fracPart = kept.mid(pointPos);
    while (intPart.size() > 1 && intPart.startsWith(QLatin1Char('0'))) intPart.remove(0, 1);
    if (intPart.isEmpty()) intPart = QStringLiteral("0");
    QString out = intPart;
    if (decimals > 0) out += QLatin1Char('.') + fracPart;
    const bool allZero =
        std::none_of(out.cbegin(), out.cend(), [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); });
    if (negative && !allZero) out.prepend(QLatin1Char('-'));
    return out;
}

}  // namespace NumText

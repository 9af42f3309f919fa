#include "features/optfeatures/OptFeatText.h"

#include "core/ModFun.h"
#include "core/NumText.h"

#include <algorithm>

namespace ModOptFeat {

namespace {

constexpr char16_t kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kDel = 127;

bool IsDigit(char16_t k) { return k >= u'0' && k <= u'9'; }
bool IsCapital(char16_t k) { return k >= u'A' && k <= u'Z'; }
bool IsSmall(char16_t k) { return k >= u'a' && k <= u'z'; }

char16_t Accepted(TextKind kind, char16_t k) {
    switch (kind) {
    case TextKind::StartChar:
        if (IsSmall(k)) return static_cast<char16_t>(k - u'a' + u'A');
        return IsDigit(k) || IsCapital(k) || k == u'-' ? k : 0;
    case TextKind::Volt:
    case TextKind::TxOffset: return IsDigit(k) || k == u'.' ? k : 0;
    case TextKind::Trim: return IsDigit(k) || k == u'-' ? k : 0;
    case TextKind::Rssi: return IsDigit(k) ? k : 0;
    }
    return 0;
}

// The box's text clamped into low..high and formatted with that many decimals, or the
// replacement for a text that is not a number.
QString Clamped(const QString& text, double low, double high, int decimals, const QString& replacement) {
    const auto v = NumText::ToDouble(text);
    if (!v) return replacement;
    return NumText::FormatFixed(std::clamp(*v, low, high), decimals);
}

// A shown text (always a number here) times scale, to the nearest whole number.
int Scaled(const QString& shown, double scale) {
    return static_cast<int>(NumText::RoundHalfEven(NumText::ToDouble(shown).value_or(0.0) * scale));
}

}  // namespace

int MaxLength(TextKind kind) {
    switch (kind) {
    case TextKind::StartChar: return 1;
    case TextKind::Volt: return 0;
    case TextKind::TxOffset:
    case TextKind::Trim: return 6;
    case TextKind::Rssi: return 2;
    }
    return 0;
}

char16_t FilterKey(TextKind kind, char16_t k) {
    if (k == kCtrlC || k == kCtrlV || k == kCtrlX || k > 127) return 0;
    if (k < 32 || k == kDel) return k;
    return Accepted(kind, k);
}

CheckedText CheckMaxVolt(const QString& text) {
    const QString shown = Clamped(text, 1.2, 20.0, 1, QStringLiteral("20.0"));
    return {shown, Scaled(shown, 10)};
}

CheckedText CheckTxOffset(const QString& text) {
    const QString shown = Clamped(text, 0.0001, 5.0, 4, QStringLiteral("5.0000"));
    return {shown, Scaled(shown, 10000)};
}

QString CheckVoltLimit(const QString& text) { return Clamped(text, 9.0, 17.0, 1, QStringLiteral("9.0")); }

bool VoltLimitsReversed(const QString& minText, const QString& maxText) {
    const auto low = NumText::ToDouble(minText);
    const auto high = NumText::ToDouble(maxText);
    return low && high && *high < *low;
}

// The tenths of the shown text are kept: a stored 125 shows "12.5" and stores 125 again.
CheckedText CheckTrim(const QString& text) {
    QString shown = text;
    if (const auto v = NumText::ToDouble(text)) {
        if (*v > 100) shown = QStringLiteral("100.0");
        else if (*v < -100) shown = QStringLiteral("-100.0");
    } else {
        shown = QStringLiteral("0");
    }
    return {shown, Scaled(shown, 10)};
}

QString StartCharOf(const std::array<QString, 5>& boxes) {
    QString s;
    for (const QString& box : boxes) s += box.isEmpty() ? QStringLiteral(" ") : box;
    return s.left(5).leftJustified(5, QLatin1Char(' '));
}

std::array<QString, 5> StartCharBoxes(const FixedText<5>& stored) {
    const QString s = ModFun::TrimAtNull(stored.ToQString()).leftJustified(5, QLatin1Char(' '));
    std::array<QString, 5> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = ModFun::TrimAtNull(s.mid(static_cast<int>(i), 1));
    return boxes;
}

int16 CheckStepValue(const std::array<int16, kRssiCount + 1>& points, int box, const QString& text) {
    if (box < 0 || box >= kRssiCount) return 0;
    const auto at = [&points](int point) { return static_cast<int>(points[static_cast<std::size_t>(point)]); };
    const int stored = at(box + 1);
    const auto number = NumText::ToDouble(text);
    if (!number) return static_cast<int16>(stored);
    const int v = static_cast<int>(std::clamp(NumText::RoundHalfEven(*number), 1.0, 36.0));
    const int first = box < 7 ? 0 : 7;
    const int last = first + 6;
    // Box i holds point i + 1, so its neighbours hold points i and i + 2.
    bool valid = true;
    if (box != first) valid = valid && v > at(box);
    if (box != last) valid = valid && v < at(box + 2);
    return static_cast<int16>(valid ? v : stored);
}

QString TenthsText(int value) { return NumText::FormatFixed(value / 10.0, 1); }

QString TxOffsetText(int32 value) { return NumText::FormatFixed(value / 10000.0, 4); }

}  // namespace ModOptFeat

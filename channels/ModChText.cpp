#include "channels/ModChText.h"

#include "channels/ModShowOptFun.h"
#include "core/ModFun.h"
#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglishOpt.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>

namespace ModChText {

namespace {

constexpr std::array<int, kCtcssCount> kCtcssTenths = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622,
    1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

constexpr std::array<int, kDcsCount> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

bool AllDigits(const QString& s) {
    static const QRegularExpression re(QStringLiteral("^[0-9]+$"));
    return re.match(s).hasMatch();
}

QString ThreeDigits(int v) { return QStringLiteral("%1").arg(v, 3, 10, QLatin1Char('0')); }

// The "Off" text the tone codes are compared with, in the current language.
QString OffText() { return ModEnglishOpt::Off.Text(); }

// The number a channel-list entry stands for ("M5" counts as 5 within its own list).
int EntryNumber(const QString& entry) { return GetCHID(entry); }

}  // namespace

QString GetCHName(int n, int kind, int group) {
    if (group == 13 && n <= 40) n += 40;
    if (kind == 0) return QString::number(n);
    if (kind == 1) return QLatin1Char('M') + QString::number(n);
    return QString();
}

int GetCHID(const QString& name) {
    const QString s = ModFun::TrimAtNull(name);
    if (s.startsWith(QLatin1Char('M'))) {
        const QString rest = s.mid(1);
        return AllDigits(rest) && rest.size() <= 5 ? std::min(rest.toInt(), 32767) : 0;
    }
    const auto v = NumText::ToInt16(s);
    return v ? *v : 0;
}

QString ShowCTCSS_DCS(const QString& code) {
    const QString s = ModFun::TrimAtNull(code);
    if (s.size() != 4) return OffText();
    if (s.startsWith(QLatin1Char('8'))) {
        const QString digits = s.mid(1);
        return AllDigits(digits) ? QLatin1Char('D') + ThreeDigits(digits.toInt()) + QLatin1Char('N') : OffText();
    }
    if (s[0].isDigit()) {
        const auto v = NumText::ToDouble(s);
        return v ? NumText::FormatFixed(*v / 10.0, 1) : OffText();
    }
    return OffText();
}

QString GetCTCSS_DCSByShow(const QString& text) {
    if (text == OffText()) return QStringLiteral("0");
    if (text.startsWith(QLatin1Char('D'))) {
        const QString digits = text.mid(1, 3);
        return AllDigits(digits) ? QLatin1Char('8') + ThreeDigits(digits.toInt()) : QStringLiteral("0");
    }
    const auto v = NumText::ToDouble(text);
    if (!v || std::fabs(*v) > 1e9) return QStringLiteral("0");
    const auto tenths = static_cast<long long>(NumText::RoundHalfEven(*v * 10.0));
    const QString digits = QStringLiteral("%1").arg(std::llabs(tenths), 4, 10, QLatin1Char('0'));
    return tenths < 0 ? QLatin1Char('-') + digits : digits;
}

int CtcssTenthsHz(int n) { return n >= 1 && n <= kCtcssCount ? kCtcssTenths[static_cast<std::size_t>(n - 1)] : 0; }

int DcsCode(int k) { return k >= 1 && k <= kDcsCount ? kDcsCodes[static_cast<std::size_t>(k - 1)] : 0; }

QString ToneEntry(int k) {
    if (k == 0) return QStringLiteral("Off");
    if (k >= 1 && k <= kCtcssCount) {
        const int t = CtcssTenthsHz(k);
        return QStringLiteral("C_%1(%2.%3Hz)").arg(ThreeDigits(k)).arg(t / 10).arg(t % 10);
    }
    const int d = k - kCtcssCount;
    if (d >= 1 && d <= kDcsCount) return QStringLiteral("D_%1(%2N)").arg(ThreeDigits(d), ThreeDigits(DcsCode(d)));
    return QString();
}

QStringList ToneList() {
    QStringList out;
    for (int k = 0; k < kToneIndexCount; ++k) out << ToneEntry(k);
    return out;
}

QStringList CtcssList() {
    QStringList out;
    for (int k = 0; k <= kCtcssCount; ++k) out << ToneEntry(k);
    return out;
}

QStringList DcsList() {
    QStringList out;
    for (int k = kCtcssCount + 1; k < kToneIndexCount; ++k) out << ToneEntry(k);
    return out;
}

QStringList ChannelIdItems(int mode, int group, int kind) {
    QStringList out;
    for (int slot = 1; slot <= ModShowOptFun::UsedSlots(mode, group); ++slot) {
        const int n = Prog::ChInfo(mode, slot, group).ChNo;
        if (kind == 0 && n <= 40) out << QString::number(n);
        else if (kind == 1 && n > 40) out << QLatin1Char('M') + QString::number(n - 40);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const QString& a, const QString& b) { return EntryNumber(a) < EntryNumber(b); });
    return out;
}

}  // namespace ModChText

#include "core/ModFun.h"

#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"

namespace ModFun {

namespace {
int LetteredGroups(int mode) { return mode == 0 ? kHfLetteredGroups : kHamLetteredGroups; }
}  // namespace

QString GetGroupName(int group, int mode) {
    if (mode != 0 && mode != 1) return QString();
    const int lettered = LetteredGroups(mode);
    if (group >= 2 && group <= lettered) return QString(QLatin1Char(kGroupLetters[group - 1]));
    if (group == lettered + 1) return QStringLiteral("MEM");
    if (group == lettered + 2) return QStringLiteral("VFO");
    return QStringLiteral("A");
}

int16 GetGroupIndex(const QString& name, int mode) {
    if (mode != 0 && mode != 1) return 0;
    const int lettered = LetteredGroups(mode);
    if (name == QLatin1String("MEM")) return static_cast<int16>(lettered + 1);
    if (name == QLatin1String("VFO")) return static_cast<int16>(lettered + 2);
    if (name.size() == 1) {
        const int idx = name[0].unicode() - 'A' + 1;
        if (idx >= 1 && idx <= lettered) return static_cast<int16>(idx);
    }
    return 0;
}

void SplitOptValue(int16& value, int16& flag, int v) {
    if (v != 0) {
        flag = 1;
        value = static_cast<int16>(v);
    } else {
        flag = 0;
    }
}

void SetOptValueFlag(int16& value, int16& flag, int v, int16& other) {
    if (v != 0) {
        if (flag == 0) other = 0;
        flag = 1;
        value = static_cast<int16>(v);
    } else {
        flag = 0;
    }
}

int16 GetIntOrDefault(const QString& text, int16 def) {
    const auto v = NumText::ToInt16(text);
    return v ? *v : def;
}

QString TrimAtNull(const QString& s) {
    QString t = s;
    while (!t.isEmpty() && t.back() == QLatin1Char(' ')) t.chop(1);
    const auto nul = t.indexOf(QChar(0));
    if (nul >= 0) t.truncate(nul);
    return t;
}

void ParseBandRange() {
    const QString& text = Prog::BandRangeText;
    const auto p = text.indexOf(QLatin1String(" - "));
    if (p < 0) {
        Prog::BandLowMHz = 100;
        Prog::BandHighMHz = 500;
        return;
    }
    auto q = text.indexOf(QLatin1String(" MHz"), p);
    if (q < 0) q = text.size();
    const auto low = NumText::ToDouble(text.left(p));
    const auto high = NumText::ToDouble(text.mid(p + 3, q - (p + 3)));
    Prog::BandLowMHz = low ? *low : 100;
    Prog::BandHighMHz = high ? *high : 500;
}

QString GetFileTitle(const QString& path) {
    const auto slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

void UnloadChildForms() { Windows().UnloadChildForms(); }

void ShowChildForm(const QString& formName) { Windows().ShowChildForm(formName); }

}  // namespace ModFun

namespace ModPubFun {

int16 GetValidModeIndex(int mode) {
    const OptFeatRec& o = Prog::RadioData.OptFeatures;
    const int16 enables[5] = {o.FmEnable, o.AmEnable, o.UsbEnable, o.LsbEnable, o.PaEnable};
    int16 first = 0;
    for (int m = 0; m < 5; ++m) {
        if (enables[m] > 0) {
            first = static_cast<int16>(m);
            break;
        }
    }
    if (mode >= 0 && mode <= 4 && enables[mode] > 0) return static_cast<int16>(mode);
    return first;
}

int16 CheckOnOffValue(int v, int16 def) { return (v == 0 || v == 1) ? static_cast<int16>(v) : def; }

QString GetHex2(byte8 b) { return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper(); }

int16 IsStrEqual(const QString& a, const QString& b) { return a == b ? -1 : 0; }

}  // namespace ModPubFun

#include "channels/ModShowFreFun.h"

#include "channels/ChannelGlobals.h"
#include "channels/ModShowOptFun.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModMsg.h"
#include "platform/MessageBox.h"

#include <cmath>

namespace ModShowFreFun {

namespace {

constexpr int kLastOrdinaryChNo = 40;

void WarnOutOfRange() { MsgBox::Show(ModMsg::RangeError.Text(), MsgBox::OKOnly + MsgBox::Exclamation); }

// Deletes the channel in slot whose frequency was cleared. The group's last channel numbered
// 1 to 40 may only go while another switched-on group still has such a channel; the group
// is then switched off. Any other channel simply goes.
void DeleteClearedChannel(int slot, int mode, int group) {
    const int chNo = Prog::ChInfo(mode, slot, group).ChNo;
    const bool lastOrdinary =
        chNo <= kLastOrdinaryChNo && ModShowOptFun::CountNormalChannels(mode, group) <= 1;
    if (lastOrdinary) {
        if (ModShowOptFun::CountNormalChannelsExcept(mode, group, chNo) < 1) return;
        // HF's VFO (group 14) has no group flag.
        if (group <= kOptGroupCount)
            Prog::RadioData.OptFeatures.GroupValid[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)] = 0;
    }
    DeleteChannel(slot, mode, group);
    ModShowOptFun::RefreshChannelRefs(mode, group);
}

// The table side of a committed cell edit. refused: a typed frequency was not accepted, so
// an existing channel stays as it is.
void ApplyCellEdit(int n, int column, QString& t, bool refused) {
    const int mode = Prog::RadioData.CurMode;
    if (mode != 0 && mode != 1) return;
    const int group = Prog::RadioData.CurGroup[static_cast<std::size_t>(mode)];
    if (!IsValidModeGroup(mode, group)) return;
    const int slot = ModFreFile::FindChannelByCHID(n, mode, group);
    if (slot > 0) {
        ChannelRecord& rec = Prog::ChInfo(mode, slot, group);
        if (column == 1 && t.isEmpty()) {
            if (!refused) DeleteClearedChannel(slot, mode, group);
            return;
        }
        if (column == 2 && t.isEmpty()) t = ShowFre(rec.Freq.ToQString());  // init := own frequency
        SetChannelFreField(rec, column, t);
        return;
    }
    if (column != 1 || t.isEmpty() || n < 1 || n > GroupCapacity(mode, group)) return;
    if (AddChannel(n, mode, group, t)) ModShowOptFun::RefreshChannelRefs(mode, group);
}

}  // namespace

QString ShowFre(const QString& stored) {
    const QString s = ModFun::TrimAtNull(stored);
    if (s.isEmpty() || s == QLatin1String("FFFFFFFF")) return QString();
    if (NumText::IsNumeric(s)) {
        if (const auto v = NumText::ToDouble(s.left(2) + QLatin1Char('.') + s.mid(2))) return NumText::FormatFixed(*v, 4);
    }
    MsgBox::Show(QStringLiteral("Not IsNumeric"), MsgBox::OKOnly);
    return QString::number(Prog::BandLowMHz, 'g', 15);
}

double SnapFreStep(double f) {
    const double lowHz = NumText::RoundHalfEven(Prog::BandLowMHz * 1e6);
    const double hz = NumText::RoundHalfEven(f * 1e6);
    // Far outside any band the raster means nothing (and would not fit an integer).
    if (!std::isfinite(hz) || !std::isfinite(lowHz) || std::fabs(hz) > 1e15 || std::fabs(lowHz) > 1e15) return f;
    const long long r = (static_cast<long long>(hz) - static_cast<long long>(lowHz)) % 10;
    return (hz - static_cast<double>(r)) / 1e6;
}

double CheckFreRange(double f, bool clamp, bool warn) {
    double result = 0;
    if (f < Prog::BandLowMHz) {
        result = clamp ? Prog::BandLowMHz : 0;
    } else if (f <= Prog::BandHighMHz) {
        return SnapFreStep(f);
    } else {
        result = clamp ? Prog::BandHighMHz : 0;
    }
    if (warn) WarnOutOfRange();
    return result;
}

double CheckFreNotNumeric(bool clamp, bool warn) {
    if (warn) WarnOutOfRange();
    return clamp ? Prog::BandLowMHz : 0;
}

QString ValidateFreText(const QString& value, bool clamp, bool warn) {
    const auto v = NumText::ToDouble(value);
    const double f = v ? CheckFreRange(*v, clamp, warn) : CheckFreNotNumeric(clamp, warn);
    return f == 0 ? QString() : NumText::FormatFixed(f, 4);
}

void SetChannelFreField(ChannelRecord& rec, int column, const QString& shown) {
    if (column == 1) rec.Freq.Set(GetFreByShow(shown));
    else if (column == 2) rec.InitFreq.Set(GetFreByShow(shown));
}

void EditChannelCell(int n, int column, QString& t) {
    const bool typed = !t.isEmpty();
    if (typed && (column == 1 || column == 2)) t = ValidateFreText(t, column != 1, true);
    ApplyCellEdit(n, column, t, typed && t.isEmpty());
    if (ChannelGlobals::ChInfoShown == -1) Windows().ReShowGrid(n);
}

}  // namespace ModShowFreFun

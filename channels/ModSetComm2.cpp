#include "channels/ModSetComm2.h"

#include "channels/ChannelGlobals.h"
#include "channels/ModShowOptFun.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"

#include <array>

namespace ModSetComm2 {

namespace {

constexpr std::array<const char*, 5> kModeNames = {"FM", "AM", "USB", "LSB", "PA"};

// The last group RevalidateChannelModes walks in each mode.
constexpr int kLastRevalidatedGroup = 10;

}  // namespace

QString GetModeNameByCode(int code) {
    return QString::fromLatin1(kModeNames[code >= 1 && code <= 4 ? static_cast<std::size_t>(code) : 0]);
}

int16 GetModeCodeByName(const QString& name) {
    for (std::size_t code = 0; code < kModeNames.size(); ++code)
        if (name == QLatin1String(kModeNames[code])) return static_cast<int16>(code);
    return 0;
}

bool IsChannelModeName(const QString& name) {
    for (const char* mode : kModeNames)
        if (name == QLatin1String(mode)) return true;
    return false;
}

QStringList ChannelModeNames(bool noPA) {
    const OptFeatRec& o = Prog::RadioData.OptFeatures;
    const std::array<int16, 5> enables = {o.FmEnable, o.AmEnable, o.UsbEnable, o.LsbEnable, o.PaEnable};
    QStringList names;
    for (std::size_t code = 0; code < kModeNames.size(); ++code)
        if (enables[code] > 0 && !(noPA && code == 4)) names << QString::fromLatin1(kModeNames[code]);
    return names;
}

void RevalidateChannelModes() {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kLastRevalidatedGroup; ++group)
            for (int slot = 1; slot <= ModShowOptFun::UsedSlots(mode, group); ++slot) {
                ChannelRecord& rec = Prog::ChInfo(mode, slot, group);
                rec.Mode = ModPubFun::GetValidModeIndex(rec.Mode);
            }
    if (ChannelGlobals::ChInfoShown == -1 && ChannelGlobals::RevalidateShownMode) ChannelGlobals::RevalidateShownMode();
}

}  // namespace ModSetComm2

#include "core/ChannelSlots.h"

#include "core/DefaultFrequencies.h"
#include "core/ProgramData.h"

namespace ChannelSlots {

QString GetFreByShow(const QString& shown) {
    if (shown.isEmpty()) return QString();
    QString t = shown;
    auto p = t.indexOf(QLatin1Char('.'));  // 0-based
    if (p < 0) return t;
    while (p < 2) {  // "8.5" is taken as "08.5"
        t.prepend(QLatin1Char('0'));
        ++p;
    }
    return t.left(2) + t.mid(p + 1);
}

bool AddChannel(int n, int mode, int group, const QString& t) {
    if (!IsValidModeGroup(mode, group)) return false;
    int16& count = Prog::RadioData.ChCountAt(mode, group);
    if (count < 0 || count >= GroupCapacity(mode, group)) return false;
    ++count;
    ChannelRecord& c = Prog::ChInfo(mode, count, group);
    c = ChannelRecord{};
    const QString stored = GetFreByShow(t);
    c.ChNo = static_cast<int16>(n);
    c.InUse = 1;
    c.ScanAdd = 1;
    c.Freq.Set(stored);
    c.FreqCopy.Set(stored);
    c.InitFreq.Set("");
    c.HiCut = 0;
    c.NbAnl = 1;
    c.Echo = 0;
    c.Plus10K = 0;
    c.Busy = 0;
    c.RBSet = 1;
    c.RepDir = 1;
    c.Public = 1;
    c.RepEnable = 0;
    c.RBEnable = 0;
    c.ToneFlag = 0;
    c.Mode = 0;
    return true;
}

void DeleteChannel(int slot, int mode, int group) {
    if (!IsValidModeGroup(mode, group)) return;
    int16& count = Prog::RadioData.ChCountAt(mode, group);
    if (slot < 1 || slot > count || count > kSlotCount) return;
    --count;
    for (int i = slot; i <= count; ++i) Prog::ChInfo(mode, i, group) = Prog::ChInfo(mode, i + 1, group);
}

void InitDefaultChannels() {
    for (int mode = 0; mode < kModeCount; ++mode) {
        // HF: groups A..L; HAM: groups A..I and its MEM group (10).
        const int lastGroup = mode == 0 ? kHfLetteredGroups : kHamMemGroup;
        for (int group = 1; group <= lastGroup; ++group)
            for (int k = 0; k < 6; ++k) AddChannel(41 + k, mode, group, QLatin1String(DefaultFrequencies::kTable[k]));
        for (int group = 1; group <= 10; ++group)
            AddChannel(1, mode, group, DefaultFrequencies::GroupDefaultFrequency(group));
    }
}

}  // namespace ChannelSlots

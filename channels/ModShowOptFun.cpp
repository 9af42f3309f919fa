#include "channels/ModShowOptFun.h"

#include "channels/ModShowFreFun.h"
#include "core/DefaultFrequencies.h"
#include "core/Records.h"

namespace ModShowOptFun {

void InitDefaultChannels() {
    for (int mode = 0; mode < kModeCount; ++mode) {
        // HF: groups A..L; HAM: groups A..I and its MEM group (10).
        const int lastGroup = mode == 0 ? kHfLetteredGroups : kHamMemGroup;
        for (int group = 1; group <= lastGroup; ++group)
            for (int k = 0; k < 6; ++k) ModShowFreFun::AddChannel(41 + k, mode, group, QLatin1String(DefaultFrequencies::kTable[k]));
        for (int group = 1; group <= 10; ++group)
            ModShowFreFun::AddChannel(1, mode, group, DefaultFrequencies::GroupDefaultFrequency(group));
    }
}

}  // namespace ModShowOptFun

#include "link/LinkData.h"

namespace Link {

void Reset() {
    RadioImage.fill(0);
    ImageEnd = BlockLen = CurAddr = LastPercent = 0;
    ProgramRetries.fill(0);
    BlockRetries.fill(0);
    RadioModel.clear();
    RadioCount = RadiosDone = PollNextRadio = MultiFormShown = 0;
    PollCount = PollConfirm = 0;
}

}  // namespace Link

// The two entry points of image packing.
#include "core/ProgramData.h"
#include "link/ImageParts.h"
#include "link/ModCommFun.h"

namespace ModCommFun {

void PackImage() {
    PackChannels();
    PackOptFeat(Prog::RadioData.OptFeatures);
    PackRBTone(Prog::RadioData.ToneTips);
    PackTVChannel();
}

void UnpackImage() {
    UnpackOptFeat(Prog::RadioData.OptFeatures);
    UnpackChannels();
    UnpackRBTone(Prog::RadioData.ToneTips);
    UnpackTVChannel();
}

}  // namespace ModCommFun

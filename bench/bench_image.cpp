// Time of a full pack and a full unpack of the radio memory image, with every channel slot
// of both modes in use (the most work either can have). Prints mean microseconds.
#include "core/ProgramData.h"
#include "link/LinkData.h"
#include "link/ModCommFun.h"
#include "link/ModCommImage.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

void FillEveryGroup() {
    Prog::Reset();
    Link::Reset();
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= (mode == 0 ? kHfVfoGroup : kHamVfoGroup); ++group) {
            const int capacity = GroupCapacity(mode, group);
            Prog::RadioData.ChCountAt(mode, group) = static_cast<int16>(capacity);
            for (int n = 1; n <= capacity; ++n) {
                ChannelRecord& c = Prog::ChInfo(mode, n, group);
                c.ChNo = static_cast<int16>(capacity + 1 - n);  // not in number order
                c.InUse = c.ScanAdd = 1;
                c.Freq.Set("280150  ");
                c.InitFreq.Set("29" + std::to_string(100000 + n));
                c.RxTone = static_cast<int16>(n % 143);
                c.TxTone = static_cast<int16>((n * 7) % 143);
                c.RBSet = c.RepDir = c.ToneFlag = 1;
            }
        }
    for (int k = 1; k <= kTVChannelCount; ++k)
        Prog::RadioData.TVChannel[static_cast<std::size_t>(k)] = {1, 162.4 + k * 0.025, 0, 1, 1};
    Prog::RadioData.OptFeatures.StartChar.Set("7310N");
    Prog::RadioData.OptFeatures.WorkGroup = {1, 1};
}

template <typename F>
double MeanMicroseconds(int iterations, F&& work) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i) work();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / iterations;
}

}  // namespace

int main() {
    constexpr int kIterations = 2000;
    FillEveryGroup();
    ModComm::InitImage();
    ModCommFun::PackImage();  // normalises the frequency texts once, as the first write would

    const double initUs = MeanMicroseconds(kIterations, [] { ModComm::InitImage(); });
    const double packUs = MeanMicroseconds(kIterations, [] {
        ModComm::InitImage();
        ModCommFun::PackImage();
    }) - initUs;
    const Link::Image packed = Link::RadioImage;
    const double unpackUs = MeanMicroseconds(kIterations, [&] {
        Link::RadioImage = packed;
        ModCommFun::UnpackImage();
    });
    int channels = 0;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group) channels += Prog::RadioData.ChCountAt(mode, group);

    std::printf("channels: %d\n", channels);
    std::printf("init_us: %.2f\n", initUs);
    std::printf("pack_us: %.2f\n", packUs);
    std::printf("unpack_us: %.2f\n", unpackUs);
    return 0;
}

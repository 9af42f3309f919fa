#include "platform/tone/SineTone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Tone {

SineTone::SineTone(int freqHz, int ms, int sampleRate, int amplitude)
    : step_(0.0), amplitude_(std::clamp(amplitude, 0, 32767)), count_(0), silent_(true) {
    if (sampleRate <= 0) return;
    count_ = ms > 0 ? static_cast<std::int64_t>(sampleRate) * ms / 1000 : 0;
    silent_ = freqHz <= 0 || 2LL * freqHz >= sampleRate;
    if (!silent_) step_ = 2.0 * std::numbers::pi * freqHz / sampleRate;
}

std::int16_t SineTone::Sample(std::int64_t n) const {
    if (silent_ || n < 0 || n >= count_) return 0;
    // The phase from the sample number itself, so that long tones do not drift.
    return static_cast<std::int16_t>(std::lround(amplitude_ * std::sin(step_ * static_cast<double>(n))));
}

void SineTone::Fill(std::int64_t first, std::span<std::int16_t> out) const {
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = Sample(first + static_cast<std::int64_t>(i));
}

std::vector<std::int16_t> SineTone::Samples() const {
    std::vector<std::int16_t> out(static_cast<std::size_t>(count_));
    Fill(0, out);
    return out;
}

}  // namespace Tone

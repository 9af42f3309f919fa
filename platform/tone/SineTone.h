#pragma once
// A sine tone as 16-bit samples: frequency in Hz, duration in ms. The samples are computed
// on demand, so a long tone costs no memory until it is read.
#include <cstdint>
#include <span>
#include <vector>

namespace Tone {

constexpr int kSampleRate = 48000;
constexpr int kAmplitude = 8192;  // a quarter of full scale: audible without clipping

class SineTone {
public:
    // A frequency of 0 or less, or at or above half the sample rate (which no sine at this
    // rate can carry), gives silence of the same length. A duration below 0 counts as 0.
    SineTone(int freqHz, int ms, int sampleRate = kSampleRate, int amplitude = kAmplitude);

    // sampleRate x ms / 1000, rounded down.
    std::int64_t SampleCount() const { return count_; }
    bool IsSilent() const { return silent_; }

    // Sample n (0 .. SampleCount() - 1); 0 outside.
    std::int16_t Sample(std::int64_t n) const;
    // Samples first, first + 1, ... into out; positions past the end give 0.
    void Fill(std::int64_t first, std::span<std::int16_t> out) const;
    // All samples.
    std::vector<std::int16_t> Samples() const;

private:
    double step_;  // phase advance per sample, radians
    int amplitude_;
    std::int64_t count_;
    bool silent_;
};

}  // namespace Tone

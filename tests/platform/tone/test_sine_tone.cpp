// The tone generator: how many samples, which frequency, how loud, and silence.
#include "platform/tone/SineTone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using Tone::SineTone;

// Places where the wave goes from below zero to zero or above.
std::vector<std::size_t> RisingCrossings(const std::vector<std::int16_t>& s) {
    std::vector<std::size_t> at;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i - 1] < 0 && s[i] >= 0) at.push_back(i);
    return at;
}

TEST(SineTone, LengthIsRateTimesDuration) {
    struct Case {
        int rate, ms;
        std::int64_t samples;
    };
    const Case cases[] = {{48000, 10, 480}, {48000, 2550, 122400}, {44100, 7, 308},
                          {8000, 1000, 8000}, {48000, 0, 0},       {48000, -5, 0}};
    for (const Case& c : cases) {
        SineTone tone(1000, c.ms, c.rate);
        EXPECT_EQ(tone.SampleCount(), c.samples) << c.rate << " Hz, " << c.ms << " ms";
        EXPECT_EQ(static_cast<std::int64_t>(tone.Samples().size()), c.samples);
        EXPECT_EQ(SineTone(0, c.ms, c.rate).SampleCount(), c.samples) << "silence keeps the length";
    }
}

// One second of tone has as many rising zero crossings as the frequency, spaced one
// period (rate / frequency samples) apart.
TEST(SineTone, FrequencyByZeroCrossings) {
    for (int f : {50, 400, 1000, 2100, 2550}) {
        const auto s = SineTone(f, 1000, 48000).Samples();
        const auto up = RisingCrossings(s);
        EXPECT_NEAR(static_cast<double>(up.size()), f, 1.0) << f << " Hz";
        ASSERT_GE(up.size(), 2u);
        const double period = static_cast<double>(up.back() - up.front()) / static_cast<double>(up.size() - 1);
        EXPECT_NEAR(period, 48000.0 / f, 0.05) << f << " Hz";
    }
}

TEST(SineTone, AmplitudeAndStart) {
    // 400 Hz and 1000 Hz at 48 kHz have samples exactly on their crests.
    for (int f : {400, 1000}) {
        const auto s = SineTone(f, 100, 48000, 8192).Samples();
        EXPECT_EQ(s.front(), 0) << "starts on the zero line";
        EXPECT_EQ(*std::max_element(s.begin(), s.end()), 8192);
        EXPECT_EQ(*std::min_element(s.begin(), s.end()), -8192);
    }
    const auto s = SineTone(2550, 100, 44100, 8192).Samples();
    const auto peak = std::abs(*std::max_element(s.begin(), s.end(), [](int a, int b) { return std::abs(a) < std::abs(b); }));
    EXPECT_LE(peak, 8192);
    EXPECT_GT(peak, 8100);
    // An amplitude beyond the sample range is held to it.
    const auto loud = SineTone(1000, 10, 48000, 100000).Samples();
    EXPECT_EQ(*std::max_element(loud.begin(), loud.end()), 32767);
}

TEST(SineTone, SilenceForFrequenciesThatCannotSound) {
    // 0 and below, and half the sample rate or more.
    for (int f : {0, -400, 24000, 30000}) {
        SineTone tone(f, 20, 48000);
        EXPECT_TRUE(tone.IsSilent()) << f;
        const auto s = tone.Samples();
        EXPECT_EQ(s.size(), 960u);
        EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](std::int16_t v) { return v == 0; })) << f;
    }
    EXPECT_FALSE(SineTone(23999, 20, 48000).IsSilent());
}

}  // namespace

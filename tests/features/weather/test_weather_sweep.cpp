// Every frequency of the band with five decimals (10 Hz steps), typed into a weather channel:
// what is stored, shown and packed into the radio image is the frequency the rules give,
// digit for digit, without binary drift.
#include "core/ProgramData.h"
#include "features/weather/TVCHLogic.h"
#include "link/LinkData.h"
#include "link/ModCommFun.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

using namespace TVCHLogic;

namespace {

constexpr std::int64_t kLowUnits = 13600000, kHighUnits = 17400000;  // 136 and 174 MHz in 10 Hz

// The frequency of units (10 Hz) as typed: "162.41250".
QString Typed(std::int64_t units) {
    return QString::number(units / 100000) + QLatin1Char('.') + QString::number(units % 100000).rightJustified(5, QLatin1Char('0'));
}

// The rules in whole units: on either raster as typed, otherwise cut to the 5 kHz raster.
std::int64_t Expected(std::int64_t units) { return units % 500 == 0 || units % 625 == 0 ? units : units - units % 500; }

// The eight BCD digits of a weather entry of the image (channel k, 41 the VFO).
std::int64_t PackedUnits(int k) {
    const std::size_t at = k == kVfoRow ? 0x6590 : 0x6200 + static_cast<std::size_t>(k - 1) * 8;
    std::int64_t units = 0;
    for (std::size_t j = 0; j < 4; ++j) {
        const int b = Link::RadioImage[at + j];
        units = units * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return units;
}

class WeatherSweep : public ::testing::Test {
protected:
    void SetUp() override {
        Prog::Reset();
        Link::Reset();
    }

    // Types the frequencies into channels 1..41 one after the other, packs after every 41 and
    // compares; reports the first few differences.
    void Sweep(std::int64_t from, std::int64_t to, std::int64_t step, bool rasterOnly) {
        std::int64_t pending[kTVChannelCount + 1] = {};
        int k = 0;
        int failures = 0;
        auto packAndCompare = [&] {
            ModCommFun::PackTVChannel();
            for (int j = 1; j <= k && failures < 5; ++j)
                if (PackedUnits(j) != Expected(pending[j])) {
                    ADD_FAILURE() << Typed(pending[j]).toStdString() << " packed as " << PackedUnits(j);
                    ++failures;
                }
            k = 0;
        };
        for (std::int64_t units = from; units <= to && failures < 5; units += step) {
            if (rasterOnly && units % 500 != 0 && units % 625 != 0) continue;
            ++k;
            TVChannelRec& ch = Prog::RadioData.TVChannel[static_cast<std::size_t>(k)];
            ch.Valid = 0;
            const QString typed = Typed(units);
            if (StoreFrequency(ch, typed, QString()) != FreqCommit::Stored ||
                FreqText(ch.FreqMHz) != Typed(Expected(units))) {
                ADD_FAILURE() << typed.toStdString() << " stored as " << FreqText(ch.FreqMHz).toStdString();
                ++failures;
            }
            pending[k] = units;
            if (k == kTVChannelCount) packAndCompare();
        }
        if (k > 0) packAndCompare();
    }
};

// Both rasters, every channel: kept exactly as typed.
TEST_F(WeatherSweep, EveryRasterFrequencyIsKeptExactly) { Sweep(kLowUnits, kHighUnits, 1, true); }

// Off-raster frequencies all over the band (every 97th step of 10 Hz) are cut to the 5 kHz
// raster, stored, shown and packed as that.
TEST_F(WeatherSweep, OffRasterFrequenciesAcrossTheBandAreCutExactly) { Sweep(kLowUnits, kHighUnits, 97, false); }

// Every 10 Hz step of the band through the raster rule alone: the typed digits, read as a
// double, land on the raster value the rule gives in whole units.
TEST(WeatherRaster, EveryTenHertzStepOfTheBand) {
    int failures = 0;
    for (std::int64_t units = kLowUnits; units <= kHighUnits && failures < 5; ++units) {
        const std::string typed = Typed(units).toStdString();
        double mhz = 0;
        std::from_chars(typed.data(), typed.data() + typed.size(), mhz);
        const double stepped = TV_CH_Step(mhz);
        if (std::nearbyint(stepped * 100000.0) != static_cast<double>(Expected(units)) ||
            (Expected(units) == units && stepped != mhz)) {
            ADD_FAILURE() << typed << " stepped to " << stepped;
            ++failures;
        }
    }
}

}  // namespace

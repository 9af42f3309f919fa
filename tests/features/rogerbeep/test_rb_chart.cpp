// The chart geometry of a tone set: box corners, widths shared by length, heights by
// frequency, colours by tone number, rounding.
#include "RogerBeepTestData.h"
#include "features/rogerbeep/RBChart.h"

#include <gtest/gtest.h>

namespace {

using ModBeep::RBChart;
using ModBeep::RBChartBox;
constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

RBToneSet Tones(std::initializer_list<RBTone> tones) {
    RBToneSet set;
    int k = 1;
    for (const RBTone& t : tones) set.Tone[static_cast<std::size_t>(k++)] = t;
    set.RepeatTimes = 1;
    return set;
}

// Start-up set 4 (five tones of 60 ms at 640 .. 1920 Hz) in a picture of 1100 x 356:
// width 1000 and height 256 to share, base line at 306.
TEST(RBChart, StartUpSetFourRisesInFiveEqualBoxes) {
    RBTest::ResetData();
    const auto boxes = RBChart(RBTest::Set(4), 1100, 356);
    const std::vector<RBChartBox> expected = {{1, 50, 306, 250, 306 - 64, kRed},
                                              {2, 250, 306, 450, 306 - 94, kBlue},
                                              {3, 450, 306, 650, 306 - 134, kRed},
                                              {4, 650, 306, 850, 306 - 163, kBlue},
                                              {5, 850, 306, 1050, 306 - 192, kRed}};
    EXPECT_EQ(boxes, expected);
}

// In the editor's picture (8235 x 1515 twips inside its border): width 8135, height 1415.
TEST(RBChart, EditorPicture) {
    const auto boxes = RBChart(Tones({{255, 1}, {0, 3}}), 8235, 1515);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], (RBChartBox{1, 50, 1465, 50 + 2034, 1465 - 1409, kRed}));  // 2033.75; 1409.47
    EXPECT_EQ(boxes[1], (RBChartBox{2, 2084, 1465, 2084 + 6101, 1465, kBlue}))      // 6101.25; frequency 0
        << "a silence is a box of no height";
}

TEST(RBChart, ToneNumbersNotPlacesGiveTheColour) {
    const auto boxes = RBChart(Tones({{100, 0}, {100, 2}, {100, 0}, {100, 0}, {100, 2}}), 500, 356);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].tone, 2);
    EXPECT_EQ(boxes[0].rgb, kBlue);
    EXPECT_EQ(boxes[1].tone, 5);
    EXPECT_EQ(boxes[1].rgb, kRed);
    EXPECT_EQ(boxes[0].x2, boxes[1].x1) << "lengths of 0 take no room";
    EXPECT_EQ(boxes[1].x2, 450);
}

TEST(RBChart, HalvesRoundToEven) {
    // Width 5 shared by two equal tones: 2.5 each, so 2; heights 0.5 -> 0 and 1.5 -> 2.
    const auto boxes = RBChart(Tones({{1, 1}, {3, 1}}), 105, 228);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], (RBChartBox{1, 50, 178, 52, 178, kRed}));
    EXPECT_EQ(boxes[1], (RBChartBox{2, 52, 178, 54, 176, kBlue}));
}

TEST(RBChart, NothingWithoutLength) {
    EXPECT_TRUE(RBChart(RBToneSet{}, 8235, 1515).empty());
    EXPECT_TRUE(RBChart(Tones({{100, 0}, {200, -5}}), 8235, 1515).empty());
}

// Only a damaged file holds these: a negative length takes no room and does not shrink the
// total that the others share; the boxes still end at the width's end.
TEST(RBChart, ValuesOutsideTheListsStayInTheirPlaces) {
    const auto boxes = RBChart(Tones({{100, 10}, {100, -5}, {300, 30}}), 1100, 356);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].x2, 300);
    EXPECT_EQ(boxes[1].tone, 3);
    EXPECT_EQ(boxes[1].x2, 1050);
    EXPECT_EQ(boxes[1].y2, 306 - 300) << "a frequency above 255 reaches above the height";
}

}  // namespace

// The control's settings text and handshaking value.
#include "platform/serial/SerialSettings.h"

#include <gtest/gtest.h>

using namespace SerialSettings;

namespace {

struct ValidCase {
    const char* text;
    LineSettings expected;
};

TEST(SerialSettingsParse, AcceptsEveryFieldForm) {
    const ValidCase cases[] = {
        {"9600,N,8,1", {9600, Parity::None, 8, StopBits::One}},
        {"9600,N,8,2", {9600, Parity::None, 8, StopBits::Two}},
        {"19200,e,7,1", {19200, Parity::Even, 7, StopBits::One}},
        {"110,O,5,1.5", {110, Parity::Odd, 5, StopBits::OneAndHalf}},
        {"115200,M,6,2", {115200, Parity::Mark, 6, StopBits::Two}},
        {"4800,s,8,1", {4800, Parity::Space, 8, StopBits::One}},
        {" 9600 , N , 8 , 1 ", {9600, Parity::None, 8, StopBits::One}},
    };
    for (const ValidCase& c : cases) {
        LineSettings got{1, Parity::Odd, 5, StopBits::Two};
        EXPECT_TRUE(Parse(QString::fromLatin1(c.text), &got)) << c.text;
        EXPECT_EQ(got, c.expected) << c.text;
    }
}

TEST(SerialSettingsParse, RefusesMalformedTextsAndLeavesTheResultAlone) {
    const char* const cases[] = {
        "",            "9600",        "9600,N,8",   "9600,N,8,1,1", "9601,N,8,1",  "0,N,8,1",
        "-9600,N,8,1", "abc,N,8,1",   "9600,X,8,1", "9600,NN,8,1",  "9600,,8,1",   "9600,N,9,1",
        "9600,N,4,1",  "9600,N,8,3",  "9600,N,8,0", "9600,N,8,1.0", "9600;N;8;1",  "9600,N,8,",
    };
    const LineSettings before{2400, Parity::Even, 7, StopBits::Two};
    for (const char* text : cases) {
        LineSettings got = before;
        EXPECT_FALSE(Parse(QString::fromLatin1(text), &got)) << text;
        EXPECT_EQ(got, before) << text;
    }
}

TEST(SerialSettingsHandshaking, MapsTheFourValuesAndRefusesOthers) {
    const std::pair<int, FlowControl> cases[] = {
        {0, FlowControl::None}, {1, FlowControl::Software}, {2, FlowControl::Hardware}, {3, FlowControl::Hardware}};
    for (const auto& [value, flow] : cases) {
        FlowControl got = FlowControl::Software;
        EXPECT_TRUE(FlowFromHandshaking(value, &got)) << value;
        EXPECT_EQ(got, flow) << value;
    }
    FlowControl got = FlowControl::Software;
    EXPECT_FALSE(FlowFromHandshaking(-1, &got));
    EXPECT_FALSE(FlowFromHandshaking(4, &got));
    EXPECT_EQ(got, FlowControl::Software);
}

}  // namespace

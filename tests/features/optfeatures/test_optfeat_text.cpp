// The text boxes of the optional-features editor: key filters, ranges, replacement texts,
// the start characters and the order rule of the RSSI steps.
#include "features/optfeatures/OptFeatText.h"

#include <gtest/gtest.h>

namespace {

using ModOptFeat::TextKind;

TEST(OptFeatKeys, EachBoxTakesItsOwnCharacters) {
    struct Case {
        TextKind kind;
        const char* taken;    // passed unchanged
        const char* dropped;
    };
    const Case cases[] = {
        {TextKind::StartChar, "09AZ-", ".+ _*/#"},
        {TextKind::Volt, "0123456789.", "-+eE, a"},
        {TextKind::TxOffset, "05.", "-+eE, a"},
        {TextKind::Trim, "09-", ".+eE a"},
        {TextKind::Rssi, "0123456789", ".-+ a"},
    };
    for (const Case& c : cases) {
        for (const char* k = c.taken; *k; ++k) EXPECT_EQ(ModOptFeat::FilterKey(c.kind, *k), *k) << *k;
        for (const char* k = c.dropped; *k; ++k) EXPECT_EQ(ModOptFeat::FilterKey(c.kind, *k), 0) << *k;
        // Every box: Ctrl+C, Ctrl+V, Ctrl+X and codes above 127 dropped; other control codes pass.
        for (char16_t k : {char16_t(3), char16_t(22), char16_t(24), char16_t(128), char16_t(u'é'), char16_t(u'关')})
            EXPECT_EQ(ModOptFeat::FilterKey(c.kind, k), 0) << int(k);
        for (char16_t k : {char16_t(8), char16_t(1), char16_t(13), char16_t(26), char16_t(127)})
            EXPECT_EQ(ModOptFeat::FilterKey(c.kind, k), k) << int(k);
    }
    EXPECT_EQ(ModOptFeat::FilterKey(TextKind::StartChar, u'a'), u'A');
    EXPECT_EQ(ModOptFeat::FilterKey(TextKind::StartChar, u'z'), u'Z');
    EXPECT_EQ(ModOptFeat::FilterKey(TextKind::Volt, u'a'), 0);
}

struct Checked {
    const char* typed;
    const char* shown;
    int stored;
};

TEST(OptFeatText, MaxVoltIsClampedOrReplaced) {
    const Checked cases[] = {{"0.5", "1.2", 12}, {"25", "20.0", 200},  {"13.8", "13.8", 138}, {"", "20.0", 200},
                             {"1.2", "1.2", 12}, {"20", "20.0", 200},  {"12", "12.0", 120},   {".", "20.0", 200},
                             {"1..2", "20.0", 200}, {"13.85", "13.9", 139}, {"0", "1.2", 12}};
    for (const Checked& c : cases) {
        const auto r = ModOptFeat::CheckMaxVolt(QString::fromLatin1(c.typed));
        EXPECT_EQ(r.text, QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(r.stored, c.stored) << c.typed;
    }
}

TEST(OptFeatText, TxOffsetIsClampedOrReplaced) {
    const Checked cases[] = {{"0", "0.0001", 1},         {"7", "5.0000", 50000},    {"1.5", "1.5000", 15000},
                             {"", "5.0000", 50000},      {"abc", "5.0000", 50000},  {"5", "5.0000", 50000},
                             {"0.0001", "0.0001", 1},    {"0.01", "0.0100", 100},   {"4.9999", "4.9999", 49999},
                             {"0.00004", "0.0001", 1},   {"2.34567", "2.3457", 23457}};
    for (const Checked& c : cases) {
        const auto r = ModOptFeat::CheckTxOffset(QString::fromLatin1(c.typed));
        EXPECT_EQ(r.text, QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(r.stored, c.stored) << c.typed;
    }
}

TEST(OptFeatText, TrimsKeepTheirTenths) {
    const Checked cases[] = {{"150", "100.0", 1000}, {"-", "0", 0},       {"-150", "-100.0", -1000}, {"", "0", 0},
                             {"12", "12", 120},      {"-7", "-7", -70},   {"12.5", "12.5", 125},     {"100", "100", 1000},
                             {"-3.7", "-3.7", -37},  {"--5", "0", 0}};
    for (const Checked& c : cases) {
        const auto r = ModOptFeat::CheckTrim(QString::fromLatin1(c.typed));
        EXPECT_EQ(r.text, QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(r.stored, c.stored) << c.typed;
    }
    // What the window shows for a stored trim reads back as the same value.
    for (int stored : {125, -37, 0, 1000, -1000, 5})
        EXPECT_EQ(ModOptFeat::CheckTrim(ModOptFeat::TenthsText(stored)).stored, stored) << stored;
}

TEST(OptFeatText, HiddenVoltLimits) {
    EXPECT_EQ(ModOptFeat::CheckVoltLimit("5"), "9.0");
    EXPECT_EQ(ModOptFeat::CheckVoltLimit("20"), "17.0");
    EXPECT_EQ(ModOptFeat::CheckVoltLimit(""), "9.0");
    EXPECT_EQ(ModOptFeat::CheckVoltLimit("12.34"), "12.3");
    EXPECT_TRUE(ModOptFeat::VoltLimitsReversed("12.0", "10.0"));
    EXPECT_FALSE(ModOptFeat::VoltLimitsReversed("10.0", "12.0"));
    EXPECT_FALSE(ModOptFeat::VoltLimitsReversed("10.0", "10.0"));
    EXPECT_FALSE(ModOptFeat::VoltLimitsReversed("12.0", ""));
}

TEST(OptFeatText, StartCharacters) {
    EXPECT_EQ(ModOptFeat::StartCharOf({"A", "B", "", "", ""}), "AB   ");
    EXPECT_EQ(ModOptFeat::StartCharOf({"7", "3", "", "1", "0"}), "73 10");
    EXPECT_EQ(ModOptFeat::StartCharOf({"", "", "", "", ""}), "     ");

    FixedText<5> stored;
    stored.Set(std::string("AB\0\0\0", 5));
    EXPECT_EQ(ModOptFeat::StartCharBoxes(stored), (std::array<QString, 5>{"A", "B", "", "", ""}));
    stored.Set("7310N");
    EXPECT_EQ(ModOptFeat::StartCharBoxes(stored), (std::array<QString, 5>{"7", "3", "1", "0", "N"}));
    stored.Set("7 1");  // padded with blanks
    EXPECT_EQ(ModOptFeat::StartCharBoxes(stored), (std::array<QString, 5>{"7", "", "1", "", ""}));
    stored.Set(std::string("A\0B  ", 5));  // nothing after a zero character is shown
    EXPECT_EQ(ModOptFeat::StartCharBoxes(stored), (std::array<QString, 5>{"A", "", "", "", ""}));
    EXPECT_EQ(ModOptFeat::StartCharBoxes(FixedText<5>{}), (std::array<QString, 5>{"", "", "", "", ""}));
}

TEST(OptFeatText, RssiStepsStayInOrderWithinTheirRun) {
    // Points 1..7 (boxes 0..6) and 8..14 (boxes 7..13).
    const std::array<int16, kRssiCount + 1> points = {0, 1, 3, 5, 7, 9, 20, 30, 2, 4, 6, 8, 10, 12, 14};
    struct Case {
        int box;
        const char* text;
        int stored;
    };
    const Case cases[] = {
        {4, "10", 10}, {4, "6", 9},  {4, "7", 9},    {4, "19", 19}, {4, "20", 9}, {6, "40", 36}, {6, "20", 30},
        {0, "0", 1},   {0, "2", 2},  {0, "3", 1},    {0, "", 1},    {0, "x", 1},  {5, "25", 25}, {7, "1", 1},
        {7, "5", 2},   {13, "15", 15}, {13, "12", 14}, {13, "99", 36},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ModOptFeat::CheckStepValue(points, c.box, QString::fromLatin1(c.text)), c.stored) << c.box << " " << c.text;

    // 0 in box 0 becomes 1, which is kept only while it lies below the point of box 1.
    auto tight = points;
    tight[1] = 2;
    tight[2] = 1;
    EXPECT_EQ(ModOptFeat::CheckStepValue(tight, 0, "0"), 2);
    for (int outside : {-1, 14}) EXPECT_EQ(ModOptFeat::CheckStepValue(points, outside, "5"), 0);
}

}  // namespace

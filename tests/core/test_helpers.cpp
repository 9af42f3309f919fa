// Shared helpers: number texts, group names, option pairs, band range, small text helpers.
#include "core/ModFun.h"
#include "core/NumText.h"
#include "core/ProgramData.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>

namespace {

TEST(NumText, WhatCountsAsANumber) {
    struct Case { const char* text; bool numeric; };
    const Case cases[] = {
        {"28.015", true},  {" 28.015 ", true}, {"28.015  ", true}, {"-1", true},   {"+2.5", true},
        {"1e3", true},     {".5", true},       {"5.", true},       {"0", true},    {"", false},
        {" ", false},      {".", false},       {"-", false},       {"1e", false},  {"1,5", false},
        {"28.01.5", false}, {"abc", false},    {"2 8", false},     {"0x10", false},
    };
    for (const Case& c : cases) EXPECT_EQ(NumText::IsNumeric(QString::fromLatin1(c.text)), c.numeric) << c.text;
}

TEST(NumText, FormatFixedRoundsTheDecimalFormNotTheBinaryOne) {
    struct Case { double v; int d; const char* out; };
    const Case cases[] = {
        {28.015, 4, "28.0150"},   {28.01505, 4, "28.0151"}, {28.01504999, 4, "28.0150"},
        {30.105, 4, "30.1050"},   {24.715, 4, "24.7150"},   {9.99995, 4, "10.0000"},
        {0.00005, 4, "0.0001"},   {0, 4, "0.0000"},         {1.25, 1, "1.3"},
        {20, 1, "20.0"},          {-1.5, 0, "-2"},          {-0.00001, 4, "0.0000"},
        {29.7, 4, "29.7000"},     {162.55, 3, "162.550"},   {5, 4, "5.0000"},
        {0.7, 0, "1"},            {0.5, 0, "1"},            {0.4, 0, "0"},
        {9.5, 0, "10"},           {0.05, 1, "0.1"},
    };
    for (const Case& c : cases) EXPECT_EQ(NumText::FormatFixed(c.v, c.d), QString::fromLatin1(c.out)) << c.v;
}

TEST(NumText, ParsingIgnoresTheUserLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(NumText::ToDouble(QStringLiteral("28.015")), 28.015);
    EXPECT_FALSE(NumText::ToDouble(QStringLiteral("28,015")).has_value());
    EXPECT_EQ(NumText::FormatFixed(28.015, 4), QStringLiteral("28.0150"));
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(QLocale::c());
}

TEST(NumText, Int16ConversionRoundsHalvesToEvenAndRefusesOverflow) {
    EXPECT_EQ(NumText::ToInt16(QStringLiteral("2.5")), 2);
    EXPECT_EQ(NumText::ToInt16(QStringLiteral("3.5")), 4);
    EXPECT_EQ(NumText::ToInt16(QStringLiteral("-32768")), -32768);
    EXPECT_FALSE(NumText::ToInt16(QStringLiteral("32768")).has_value());
    EXPECT_FALSE(NumText::ToInt16(QStringLiteral("x")).has_value());
}

TEST(GroupNames, BothDirectionsForBothModes) {
    struct Case { int group; int mode; const char* name; };
    const Case cases[] = {
        {1, 0, "A"}, {2, 0, "B"}, {12, 0, "L"}, {13, 0, "MEM"}, {14, 0, "VFO"},
        {1, 1, "A"}, {9, 1, "I"}, {10, 1, "MEM"}, {11, 1, "VFO"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModFun::GetGroupName(c.group, c.mode), QLatin1String(c.name)) << c.group << "/" << c.mode;
        EXPECT_EQ(ModFun::GetGroupIndex(QLatin1String(c.name), c.mode), c.group) << c.name << "/" << c.mode;
    }
    EXPECT_EQ(ModFun::GetGroupName(13, 1), QStringLiteral("A"));  // HAM has no group 13
    EXPECT_EQ(ModFun::GetGroupName(0, 0), QStringLiteral("A"));
    EXPECT_EQ(ModFun::GetGroupName(1, 2), QString());
    EXPECT_EQ(ModFun::GetGroupIndex(QStringLiteral("J"), 1), 0);
    EXPECT_EQ(ModFun::GetGroupIndex(QStringLiteral("a"), 0), 0);
    EXPECT_EQ(ModFun::GetGroupIndex(QStringLiteral("A"), 3), 0);
}

TEST(OptionPairs, SplitAndToneRules) {
    int16 value = 5, flag = 1;
    ModFun::SplitOptValue(value, flag, 0);  // off keeps the value
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(value, 5);
    ModFun::SplitOptValue(value, flag, 3);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(value, 3);

    int16 rx = 0, toneFlag = 0, tx = 12;
    ModFun::SetOptValueFlag(rx, toneFlag, 7, tx);  // first tone clears the other direction
    EXPECT_EQ(rx, 7);
    EXPECT_EQ(toneFlag, 1);
    EXPECT_EQ(tx, 0);
    tx = 9;
    ModFun::SetOptValueFlag(rx, toneFlag, 8, tx);  // flag already set: other kept
    EXPECT_EQ(tx, 9);
    ModFun::SetOptValueFlag(rx, toneFlag, 0, tx);
    EXPECT_EQ(toneFlag, 0);
    EXPECT_EQ(rx, 8);
}

TEST(TextHelpers, TrimAtNullFileTitleAndInts) {
    EXPECT_EQ(ModFun::TrimAtNull(QString::fromLatin1("A\0  ", 4)), QStringLiteral("A"));
    EXPECT_EQ(ModFun::TrimAtNull(QString::fromLatin1("V200\0 ", 6)), QStringLiteral("V200"));
    EXPECT_EQ(ModFun::TrimAtNull(QStringLiteral(" AB  ")), QStringLiteral(" AB"));
    EXPECT_EQ(ModFun::GetFileTitle(QStringLiteral("/data/my.dat")), QStringLiteral("my.dat"));
    EXPECT_EQ(ModFun::GetFileTitle(QStringLiteral("new.dat")), QStringLiteral("new.dat"));
    EXPECT_EQ(ModFun::GetIntOrDefault(QStringLiteral("7"), 0), 7);
    EXPECT_EQ(ModFun::GetIntOrDefault(QStringLiteral("OFF"), 0), 0);
    EXPECT_EQ(ModFun::GetIntOrDefault(QStringLiteral("99999"), -1), -1);
}

TEST(BandRange, ParsedWithFallbacks) {
    struct Case { const char* text; double low; double high; };
    const Case cases[] = {
        {"24.7150 - 30.1050 MHz", 24.715, 30.105},
        {"28.0000 - 29.7000 MHz", 28.0, 29.7},
        {"28.0000 29.7000 MHz", 100, 500},
        {"x - 29.7 MHz", 100, 29.7},
        {"28 - y MHz", 28, 500},
        {"28 - 29", 28, 29},
    };
    for (const Case& c : cases) {
        Prog::BandRangeText = QLatin1String(c.text);
        ModFun::ParseBandRange();
        EXPECT_DOUBLE_EQ(Prog::BandLowMHz, c.low) << c.text;
        EXPECT_DOUBLE_EQ(Prog::BandHighMHz, c.high) << c.text;
    }
}

TEST(Modes, ValidModeIndexFollowsTheEnables) {
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    o.FmEnable = 0; o.AmEnable = 1; o.UsbEnable = 0; o.LsbEnable = 1; o.PaEnable = 1;
    EXPECT_EQ(ModPubFun::GetValidModeIndex(2), 1);
    EXPECT_EQ(ModPubFun::GetValidModeIndex(3), 3);
    EXPECT_EQ(ModPubFun::GetValidModeIndex(5), 1);
    EXPECT_EQ(ModPubFun::GetValidModeIndex(-1), 1);
    o.AmEnable = o.LsbEnable = o.PaEnable = 0;
    EXPECT_EQ(ModPubFun::GetValidModeIndex(4), 0);
    Prog::Reset();
}

TEST(SmallHelpers, OnOffHexAndEquality) {
    EXPECT_EQ(ModPubFun::CheckOnOffValue(-1, 0), 0);
    EXPECT_EQ(ModPubFun::CheckOnOffValue(1, 0), 1);
    EXPECT_EQ(ModPubFun::CheckOnOffValue(2, 1), 1);
    EXPECT_EQ(ModPubFun::GetHex2(10), QStringLiteral("0A"));
    EXPECT_EQ(ModPubFun::GetHex2(255), QStringLiteral("FF"));
    EXPECT_EQ(ModPubFun::IsStrEqual(QStringLiteral("a"), QStringLiteral("a")), -1);
    EXPECT_EQ(ModPubFun::IsStrEqual(QStringLiteral("a"), QStringLiteral("A")), 0);
}

}  // namespace

// Channel names, tone codes and the entries of the tone lists.
#include "ChannelTestEnv.h"
#include "channels/ModChText.h"

#include <gtest/gtest.h>

using namespace ModChText;

namespace {

class ToneNames : public ::testing::Test {
protected:
    void SetUp() override { ChTest::ResetData(); }
    void TearDown() override { Prog::CurLanguage = 1; }
};

TEST_F(ToneNames, ChannelNames) {
    struct Case { int n, kind, group; const char* name; };
    const Case cases[] = {{7, 0, 0, "7"},   {7, 0, 13, "47"}, {45, 0, 13, "45"}, {45, 1, 0, "M45"},
                          {7, 2, 0, ""},    {40, 0, 13, "80"}, {0, 0, 0, "0"},    {3, 1, 13, "M43"}};
    for (const Case& c : cases) EXPECT_EQ(GetCHName(c.n, c.kind, c.group), QLatin1String(c.name)) << c.n;
}

TEST_F(ToneNames, ChannelNumbersOfNames) {
    struct Case { QString name; int n; };
    const Case cases[] = {{"12", 12}, {"M3", 3}, {"", 0},   {"abc", 0}, {"12  ", 12},
                          {QStringLiteral("7") + QChar(0) + "zz", 7},  {"M", 0}, {"Mx", 0}, {"99999", 0}};
    for (const Case& c : cases) EXPECT_EQ(GetCHID(c.name), c.n) << c.name.toStdString();
}

TEST_F(ToneNames, ToneCodesAsShown) {
    struct Case { const char* code; const char* shown; };
    const Case cases[] = {{"0885", "88.5"}, {"8754", "D754N"}, {"885", "Off"},   {"A885", "Off"},
                          {"0670", "67.0"}, {"1000", "100.0"}, {"8023", "D023N"}, {"8abc", "Off"},
                          {"12a4", "Off"},  {"", "Off"}};
    for (const Case& c : cases) EXPECT_EQ(ShowCTCSS_DCS(QLatin1String(c.code)), QLatin1String(c.shown)) << c.code;
    Prog::CurLanguage = 2;
    EXPECT_EQ(ShowCTCSS_DCS(QStringLiteral("885")), QStringLiteral("关"));
}

TEST_F(ToneNames, ShownTonesAsCodes) {
    struct Case { const char* shown; const char* code; };
    const Case cases[] = {{"Off", "0"},     {"D023N", "8023"}, {"D754N", "8754"}, {"67.0", "0670"},
                          {"250.3", "2503"}, {"100.0", "1000"}, {"88.45", "0884"}, {"abc", "0"},
                          {"Dxyz", "0"},    {"D", "0"}};
    for (const Case& c : cases) EXPECT_EQ(GetCTCSS_DCSByShow(QLatin1String(c.shown)), QLatin1String(c.code)) << c.shown;
    Prog::CurLanguage = 2;  // "Off" is not the Chinese off text, and no number either
    EXPECT_EQ(GetCTCSS_DCSByShow(QStringLiteral("Off")), QStringLiteral("0"));
    EXPECT_EQ(GetCTCSS_DCSByShow(QStringLiteral("关")), QStringLiteral("0"));
}

// The standard sets, written out here independently of the code's tables.
const char* const kCtcss =
    "67.0 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 114.8 118.8 123.0 127.3 "
    "131.8 136.5 141.3 146.2 151.4 156.7 162.2 167.9 173.8 179.9 186.2 192.8 203.5 210.7 218.1 225.7 233.6 "
    "241.8 250.3";
const char* const kDcs =
    "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 131 132 134 143 145 "
    "152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 251 252 255 261 263 265 266 271 274 306 "
    "311 315 325 331 332 343 346 351 356 364 365 371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 "
    "466 503 506 516 523 526 532 546 565 606 612 624 627 631 632 654 662 664 703 712 723 731 732 734 743 754";

TEST_F(ToneNames, EveryToneListEntryByItsIndex) {
    const QStringList ctcss = QString::fromLatin1(kCtcss).split(QLatin1Char(' '));
    const QStringList dcs = QString::fromLatin1(kDcs).split(QLatin1Char(' '));
    ASSERT_EQ(ctcss.size(), 38);
    ASSERT_EQ(dcs.size(), 104);
    const QStringList all = ToneList();
    ASSERT_EQ(all.size(), 143);
    EXPECT_EQ(all[0], QStringLiteral("Off"));
    for (int n = 1; n <= 38; ++n)
        EXPECT_EQ(all[n], QStringLiteral("C_%1(%2Hz)").arg(n, 3, 10, QLatin1Char('0')).arg(ctcss[n - 1])) << n;
    for (int k = 1; k <= 104; ++k)
        EXPECT_EQ(all[38 + k], QStringLiteral("D_%1(%2N)").arg(k, 3, 10, QLatin1Char('0')).arg(dcs[k - 1])) << k;
    EXPECT_EQ(all[1], QStringLiteral("C_001(67.0Hz)"));
    EXPECT_EQ(all[39], QStringLiteral("D_001(023N)"));
    EXPECT_EQ(all[48], QStringLiteral("D_010(053N)"));
    EXPECT_EQ(all[142], QStringLiteral("D_104(754N)"));
    EXPECT_EQ(ToneEntry(143), QString());
    EXPECT_EQ(ToneEntry(-1), QString());
}

TEST_F(ToneNames, ReceiveAndTransmitListsShareTheEntries) {
    const QStringList all = ToneList();
    EXPECT_EQ(CtcssList(), all.mid(0, 39));
    EXPECT_EQ(DcsList(), all.mid(39));
}

TEST_F(ToneNames, EveryToneCodeRoundTrips) {
    const QStringList ctcss = QString::fromLatin1(kCtcss).split(QLatin1Char(' '));
    for (const QString& hz : ctcss) {
        const QString code = QStringLiteral("%1").arg(QString(hz).remove(QLatin1Char('.')), 4, QLatin1Char('0'));
        EXPECT_EQ(ShowCTCSS_DCS(code), hz);
        EXPECT_EQ(GetCTCSS_DCSByShow(hz), code);
    }
    for (const QString& d : QString::fromLatin1(kDcs).split(QLatin1Char(' '))) {
        EXPECT_EQ(ShowCTCSS_DCS(QLatin1Char('8') + d), QLatin1Char('D') + d + QLatin1Char('N'));
        EXPECT_EQ(GetCTCSS_DCSByShow(QLatin1Char('D') + d + QLatin1Char('N')), QLatin1Char('8') + d);
    }
}

TEST_F(ToneNames, ChannelListsOfAGroupAscend) {
    ChTest::Lay(0, 1, {{41, "28.0"}, {12, "28.0"}, {7, "28.0"}, {3, "28.0"}, {45, "28.0"}, {40, "28.0"}});
    EXPECT_EQ(ChannelIdItems(0, 1, 0), (QStringList{"3", "7", "12", "40"}));
    EXPECT_EQ(ChannelIdItems(0, 1, 1), (QStringList{"M1", "M5"}));
    EXPECT_TRUE(ChannelIdItems(0, 2, 0).isEmpty());
    EXPECT_TRUE(ChannelIdItems(0, 20, 0).isEmpty());
}

}  // namespace

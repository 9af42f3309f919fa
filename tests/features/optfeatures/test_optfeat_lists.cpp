// The entries of every list of the optional-features editor, in both languages.
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"
#include "features/optfeatures/OptFeatLists.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using ModOptFeat::Combo1Items;

// "OFF"/"ON" of the shared pair and the editor's own "Off", written as markers and read in
// the language under test.
QStringList List(int language, std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items) {
        const QString s = QString::fromUtf8(item);
        if (s == QLatin1String("@OFF") || s == QLatin1String("@Off")) out << (language == 1 ? s.mid(1) : QStringLiteral("关"));
        else if (s == QLatin1String("@ON")) out << (language == 1 ? QStringLiteral("ON") : QStringLiteral("开"));
        else out << s;
    }
    return out;
}

QStringList Count(int first, int last, int step = 1) {
    QStringList out;
    for (int n = first; n <= last; n += step) out << QString::number(n);
    return out;
}

class OptFeatLists : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        Prog::Reset();
        Prog::CurLanguage = static_cast<int16>(GetParam());
        ModEnglish::LoadLanguageStrings();
        ModInitV::InitToneDefaults();
    }
};

TEST_P(OptFeatLists, EveryListHoldsExactlyItsEntries) {
    const int lang = GetParam();
    const QStringList letters12 = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"};
    const std::pair<int, QStringList> expected[] = {
        {0, letters12.mid(0, 10)},
        {2, lang == 1 ? QStringList{"Tx Frequency Display", "SWR LCD Display", "TOT Remain Time Display",
                                    "Battery Voltage Display"}
                      : QStringList{"发射频率显示", "SWR驻波LCD显示", "TOT剩余时间显示", "电池电压显示"}},
        {3, {"SLOW", "FAST"}},
        {5, Count(50, 1000, 50)},
        {8, Count(1, 36)},
        {9, {"HI-4K", "LO-3K"}},
        {10, List(lang, {"@Off"}) + Count(1, 32)},
        {11, List(lang, {"@Off"}) + Count(30, 600, 30)},
        {13, Count(1, 9)},
        {16, Count(1, 32)},
        {17, lang == 1 ? QStringList{"White", "Blue", "Green", "Red", "Yellow", "Purple", "Cyan"}
                       : QStringList{"白", "蓝", "绿", "红", "黄", "紫", "青"}},
        {18, {}},
        {19, {"CB", "HF"}},
        {22, {"CH", "MEM"}},
        {23, {"Channel", "Frequency"}},
        {24, Count(1, 9)},
        {25, {"EL", "DY"}},
        {26, List(lang, {"@OFF"}) + Count(1, 5)},
        {28, List(lang, {"@OFF", "@ON"})},
        {29, List(lang, {"@OFF"}) + Count(1, 9)},
        {30, Count(1, 9)},
        {31, Count(1, 32)},
        {33, List(lang, {"@OFF", "@ON"})},
        {34, Count(1, 99)},
        {35, List(lang, {"@OFF"}) + Count(1, 5)},
        {37, List(lang, {"@OFF"}) + Count(1, 63)},
        {39, {"SQ", "TI"}},
        {40, List(lang, {"@OFF", "R", "T", "RT"})},
        {41, {"Channel", "Frequency"}},
        {42, Count(1, 29)},
        {43, {"Off", "1", "2", "3", "4", "5"}},  // fixed in the design, English in both languages
        {44, {"2.5K", "4K"}},
        {46, List(lang, {"@OFF", "@ON"})},
        {50, List(lang, {"@OFF", "@ON"})},
        {51, letters12},
        {52, Count(1, 60)},
        {53, {"FM", "AM", "USB", "LSB", "CW"}},
        {54, letters12.mid(0, 9)},
        {55, Count(1, 60)},
        {56, {"FM", "AM", "USB", "LSB", "CW"}},
        {57, {"500Hz", "5000Hz"}},
        {58, {"MAIN", "MIC", "BOTH"}},
        {59, {"Off", "On"}},
        {60, {"Off", "On"}},
    };
    for (const auto& [index, items] : expected) EXPECT_EQ(Combo1Items(index), items) << "Combo1(" << index << ")";
    EXPECT_EQ(ModOptFeat::Combo2Items(0), List(lang, {"@OFF", "@ON"}));
    EXPECT_EQ(ModOptFeat::Combo2Items(4), List(lang, {"@OFF", "@ON"}));
    EXPECT_EQ(ModOptFeat::Combo2Items(6), (QStringList{"Off", "CTCSS", "DCS"}));
    EXPECT_EQ(ModOptFeat::ModeCodeItems(), (QStringList{"FM", "AM", "USB", "LSB", "PA", "CW"}));
    EXPECT_TRUE(Combo1Items(61).isEmpty());
    EXPECT_TRUE(Combo1Items(-1).isEmpty());
}

TEST_P(OptFeatLists, CwFrequencyItemKIsKPlus30TimesTen) {
    const QStringList items = Combo1Items(38);
    ASSERT_EQ(items.size(), 271);
    for (int k = 0; k < items.size(); ++k) ASSERT_EQ(items[k], QString::number((k + 30) * 10)) << k;
    EXPECT_EQ(Combo1Items(4), items);  // the hidden lists of the same range
}

TEST_P(OptFeatLists, RogerListOffersTheValidSetsOnly) {
    // Start-up sets: 1..5 valid.
    EXPECT_EQ(ModOptFeat::RogerItems(), List(GetParam(), {"@OFF", "1", "2", "3", "4", "5"}));
    for (int n : {1, 3, 4}) Prog::RadioData.ToneTips[static_cast<std::size_t>(n)].RepeatTimes = 0;
    Prog::RadioData.ToneTips[8] = Prog::RadioData.ToneTips[2];
    EXPECT_EQ(ModOptFeat::Combo2Items(5), List(GetParam(), {"@OFF", "2", "5", "8"}));
    for (auto& set : Prog::RadioData.ToneTips) set.RepeatTimes = 0;
    EXPECT_EQ(ModOptFeat::RogerItems(), List(GetParam(), {"@OFF"}));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, OptFeatLists, ::testing::Values(1, 2));

TEST(OptFeatListsVisible, ThirtyEightListsAreShown) {
    const int visible[] = {37, 38, 39, 41, 24, 42, 26, 35, 43, 44, 29, 30, 50, 31, 32, 33, 9,  3,  10,
                           11, 45, 46, 48, 49, 59, 60, 40, 57, 8,  25, 58, 51, 52, 53, 54, 55, 56, 18};
    int shown = 0;
    for (int i = 0; i < ModOptFeat::kCombo1Count; ++i) shown += ModOptFeat::IsVisibleCombo1(i) ? 1 : 0;
    EXPECT_EQ(shown, 38);
    for (int i : visible) EXPECT_TRUE(ModOptFeat::IsVisibleCombo1(i)) << i;
}

}  // namespace

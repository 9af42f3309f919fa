// The entries of every list of the optional-features editor, in both languages.
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"
#include "features/optfeatures/OptFeatLists.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

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
    const bool en = lang == 1;
    const QStringList letters = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"};
    const QStringList offOn = List(lang, {"@OFF", "@ON"});
    const QStringList modes = {"FM", "AM", "USB", "LSB", "CW"};
    const std::pair<std::vector<int>, QStringList> expected[] = {
        {{0, 1}, letters.mid(0, 10)},
        {{2}, en ? QStringList{"Tx Frequency Display", "SWR LCD Display", "TOT Remain Time Display", "Battery Voltage Display"}
                 : QStringList{"发射频率显示", "SWR驻波LCD显示", "TOT剩余时间显示", "电池电压显示"}},
        {{3}, {"SLOW", "FAST"}},
        {{4, 6, 7, 38}, Count(300, 3000, 10)},  // item k is (k + 30) x 10, 271 items
        {{5}, Count(50, 1000, 50)},
        {{8}, Count(1, 36)},
        {{9}, {"HI-4K", "LO-3K"}},
        {{10}, List(lang, {"@Off"}) + Count(1, 32)},
        {{11}, List(lang, {"@Off"}) + Count(30, 600, 30)},
        {{12, 13, 14, 20, 21, 24, 30}, Count(1, 9)},
        {{15, 16, 31, 32}, Count(1, 32)},
        {{17}, en ? QStringList{"White", "Blue", "Green", "Red", "Yellow", "Purple", "Cyan"}
                  : QStringList{"白", "蓝", "绿", "红", "黄", "紫", "青"}},
        {{18}, {}},
        {{19}, {"CB", "HF"}},
        {{22}, {"CH", "MEM"}},
        {{23, 41}, {"Channel", "Frequency"}},
        {{25}, {"EL", "DY"}},
        {{26, 35}, List(lang, {"@OFF"}) + Count(1, 5)},
        {{27, 28, 33, 45, 46, 47, 48, 49, 50}, offOn},
        {{29}, List(lang, {"@OFF"}) + Count(1, 9)},
        {{34, 36}, Count(1, 99)},
        {{37}, List(lang, {"@OFF"}) + Count(1, 63)},
        {{39}, {"SQ", "TI"}},
        {{40}, List(lang, {"@OFF", "R", "T", "RT"})},
        {{42}, Count(1, 29)},
        {{43}, {"Off", "1", "2", "3", "4", "5"}},  // fixed in the design, English in both languages
        {{44}, {"2.5K", "4K"}},
        {{51}, letters},
        {{52, 55}, Count(1, 60)},
        {{53, 56}, modes},
        {{54}, letters.mid(0, 9)},
        {{57}, {"500Hz", "5000Hz"}},
        {{58}, {"MAIN", "MIC", "BOTH"}},
        {{59, 60}, {"Off", "On"}},
    };
    int lists = 0;
    for (const auto& [indexes, items] : expected)
        for (int i : indexes) {
            EXPECT_EQ(Combo1Items(i), items) << "Combo1(" << i << ")";
            ++lists;
        }
    EXPECT_EQ(lists, 61);
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(ModOptFeat::Combo2Items(i), offOn);
    EXPECT_EQ(ModOptFeat::Combo2Items(6), (QStringList{"Off", "CTCSS", "DCS"}));
    EXPECT_EQ(ModOptFeat::ModeCodeItems(), (QStringList{"FM", "AM", "USB", "LSB", "PA", "CW"}));
    EXPECT_TRUE(Combo1Items(61).isEmpty());
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

}  // namespace

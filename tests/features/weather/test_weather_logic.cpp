// The weather-channel rules without widgets: frequency check and text, row texts, the list of
// channels that can be current, committed edits and the settings lists.
#include "core/ProgramData.h"
#include "features/weather/TVCHLogic.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace TVCHLogic;

namespace {

TVChannelRec Channel(int16 valid, double mhz, int16 onOff, int16 bandwidth, int16 scanAdd) {
    TVChannelRec ch;
    ch.Valid = valid;
    ch.FreqMHz = mhz;
    ch.OnOff = onOff;
    ch.Bandwidth = bandwidth;
    ch.ScanAdd = scanAdd;
    return ch;
}

// ---- Frequencies ----

struct StepCase {
    double in, out;
};

TEST(WeatherFrequency, StepKeepsEitherRasterAndCutsTheRestToFiveKilohertz) {
    const StepCase cases[] = {
        {162.4125, 162.4125},    // 6.25 kHz raster
        {162.40625, 162.40625},  // 6.25 kHz raster, five decimals
        {150.00625, 150.00625},
        {162.55, 162.55},        // 5 kHz raster
        {136.0, 136.0},
        {174.0, 174.0},
        {162.4137, 162.41},      // cut down, not rounded
        {162.556, 162.555},
        {173.99999, 173.995},
        {162.4062, 162.405},
        {150.0031, 150.0},
    };
    for (const StepCase& c : cases) EXPECT_EQ(TV_CH_Step(c.in), c.out) << c.in;
}

struct CheckCase {
    const char* typed;
    const char* result;
};

TEST(WeatherFrequency, CheckClampsToTheBandAndGivesTheShortestText) {
    const CheckCase cases[] = {
        {"150", "150"},           {"100", "136"},         {"200", "174"},          {"136", "136"},
        {"174", "174"},           {"135.99999", "136"},   {"174.00001", "174"},    {"-150", "136"},
        {"162.4125", "162.4125"}, {"162.4137", "162.41"}, {"162.556", "162.555"},  {"173.99999", "173.995"},
        {"162.55000", "162.55"},  {"0162.5", "162.5"},    {"150.00625", "150.00625"},
        // not numbers
        {"", ""},                 {".", ""},              {"1.2.3", ""},           {"162,55", ""},
        {"abc", ""},              {"..", ""},
    };
    for (const CheckCase& c : cases) EXPECT_EQ(TV_CH_CheckFre(QString::fromLatin1(c.typed)), QString::fromLatin1(c.result)) << c.typed;
}

TEST(WeatherFrequency, CellTextHasThreeIntegerDigitsAndFiveDecimals) {
    const std::pair<double, const char*> cases[] = {
        {150.0, "150.00000"},     {162.4125, "162.41250"},  {136.0, "136.00000"},  {173.995, "173.99500"},
        {99.5, "099.50000"},      {0.0, "000.00000"},       {1234.5, "1234.50000"}, {-3.0, "-003.00000"},
        {162.412345, "162.41235"},  // more decimals than shown: rounded as written
        {std::numeric_limits<double>::quiet_NaN(), "000.00000"},
        {std::numeric_limits<double>::infinity(), "000.00000"},
    };
    for (const auto& [mhz, text] : cases) EXPECT_EQ(FreqText(mhz), QString::fromLatin1(text)) << mhz;
}

#ifdef ZR_TEST_LOCPATH
// A user whose numbers use a decimal comma: checks and texts still use ".".
TEST(WeatherFrequency, DecimalPointUnderACommaLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    setenv("LOCPATH", ZR_TEST_LOCPATH, 1);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale could be built";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(TV_CH_CheckFre(QStringLiteral("162.4137")), QStringLiteral("162.41"));
    EXPECT_EQ(TV_CH_CheckFre(QStringLiteral("162,4137")), QString());
    EXPECT_EQ(FreqText(162.4125), QStringLiteral("162.41250"));
    TVChannelRec ch;
    EXPECT_EQ(StoreFrequency(ch, QStringLiteral("162.55"), QString()), FreqCommit::Stored);
    EXPECT_EQ(ch.FreqMHz, 162.55);
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(QLocale::c());
}
#endif

// ---- Rows ----

TEST(WeatherRows, OnlyAValidChannelShowsAndValuesOutsideTheListsShowEmpty) {
    const QStringList wn = {QStringLiteral("Narrow"), QStringLiteral("Wide")};
    const QStringList scan = {QStringLiteral("Del"), QStringLiteral("Add")};
    const struct {
        TVChannelRec ch;
        RowTexts texts;
    } cases[] = {
        {Channel(1, 162.55, 0, 0, 1), {"162.55000", "Narrow", "Add"}},
        {Channel(1, 162.4, 1, 1, 0), {"162.40000", "Wide", "Del"}},
        {Channel(1, 162.55, 0, 5, 3), {"162.55000", "", ""}},
        {Channel(1, 500.0, 0, -1, -2), {"500.00000", "", ""}},  // outside the band: shown as stored
        {Channel(0, 162.55, 1, 1, 1), {}},
        {Channel(2, 162.55, 1, 1, 1), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ShowRow(c.ch, wn, scan), c.texts) << c.ch.Valid << " " << c.ch.Bandwidth;
}

// ---- Current weather channel ----

TEST(WeatherCurrentChannel, ListHoldsTheValidChannelsOneToForty) {
    TVChannelTable table{};
    for (int n : {40, 7, 3}) table[static_cast<std::size_t>(n)].Valid = 1;
    table[5].Valid = 2;      // only 1 counts
    table[kVfoRow].Valid = 1;  // the VFO is never listed
    EXPECT_EQ(ValidChannels(table), (std::vector<int>{3, 7, 40}));
    EXPECT_EQ(ChannelItems({3, 7, 40}), (QStringList{"3", "7", "40"}));

    const std::pair<int, int> shown[] = {{2, 0}, {6, 1}, {39, 2}, {59, -1}, {0, -1}, {-1, -1}, {40, -1}};
    for (const auto& [cur, index] : shown) EXPECT_EQ(CurrentIndex({3, 7, 40}, cur), index) << cur;

    EXPECT_EQ(CurWxChFromText(QStringLiteral("7")), 6);
    EXPECT_EQ(CurWxChFromText(QString()), 0);
    EXPECT_EQ(CurWxChFromText(QStringLiteral("x")), 0);
}

// ---- Committed edits ----

struct CommitCase {
    const char* what;
    TVChannelRec start;
    const char* typed;
    const char* opened;
    FreqCommit result;
    TVChannelRec end;
};

TEST(WeatherEdits, FrequencyCommits) {
    const CommitCase cases[] = {
        {"new channel", Channel(0, 0, 1, 0, 1), "150", "", FreqCommit::Stored, Channel(1, 150.0, 0, 1, 1)},
        {"emptied before", Channel(0, 162.4, 1, 0, 1), "162.5", "", FreqCommit::Stored, Channel(1, 162.5, 0, 1, 1)},
        {"odd Valid", Channel(2, 162.4, 1, 0, 1), "162.5", "", FreqCommit::Stored, Channel(1, 162.5, 0, 1, 1)},
        {"below band", Channel(0, 0, 0, 0, 0), "100", "", FreqCommit::Stored, Channel(1, 136.0, 0, 1, 0)},
        {"above band", Channel(0, 0, 0, 0, 0), "200", "", FreqCommit::Stored, Channel(1, 174.0, 0, 1, 0)},
        {"off raster", Channel(0, 0, 0, 0, 0), "162.556", "", FreqCommit::Stored, Channel(1, 162.555, 0, 1, 0)},
        {"changed resets on/off and W/N", Channel(1, 162.4, 1, 0, 1), "162.55", "162.40000", FreqCommit::Stored,
         Channel(1, 162.55, 0, 1, 1)},
        {"changed resets odd W/N, keeps scan", Channel(1, 162.4, 0, 5, 3), "162.55", "162.40000", FreqCommit::Stored,
         Channel(1, 162.55, 0, 1, 3)},
        {"same frequency retyped", Channel(1, 162.4, 1, 0, 0), "162.4", "162.40000", FreqCommit::Stored,
         Channel(1, 162.4, 0, 1, 0)},
        {"as opened: passing through keeps Narrow", Channel(1, 162.4, 1, 0, 1), "162.40000", "162.40000", FreqCommit::Unchanged,
         Channel(1, 162.4, 1, 0, 1)},
        {"out of band as opened", Channel(1, 500.0, 1, 0, 1), "500.00000", "500.00000", FreqCommit::Unchanged,
         Channel(1, 500.0, 1, 0, 1)},
        {"cleared", Channel(1, 162.4, 1, 0, 1), "", "162.40000", FreqCommit::Emptied, Channel(0, 162.4, 1, 0, 1)},
        {"not a number", Channel(1, 162.4, 1, 0, 1), "1.2.3", "162.40000", FreqCommit::Kept, Channel(1, 162.4, 1, 0, 1)},
        {"a point", Channel(1, 162.4, 1, 0, 1), ".", "162.40000", FreqCommit::Kept, Channel(1, 162.4, 1, 0, 1)},
    };
    for (const auto& c : cases) {
        TVChannelRec ch = c.start;
        EXPECT_EQ(StoreFrequency(ch, QString::fromLatin1(c.typed), QString::fromLatin1(c.opened)), c.result) << c.what;
        EXPECT_EQ(ch, c.end) << c.what;
    }
}

class WeatherData : public ::testing::Test {
protected:
    void SetUp() override { Prog::Reset(); }
    DataFileRec& d = Prog::RadioData;
    void Valid(std::initializer_list<int> rows) {
        for (int n : rows) d.TVChannel[static_cast<std::size_t>(n)] = Channel(1, 162.0 + n / 100.0, 0, 1, 1);
    }
};

TEST_F(WeatherData, EmptyingChannelsKeepsTheirFrequenciesBehindEmptyRows) {
    Valid({3, 7, 9});
    for (int row : {3, 7, 9})
        EXPECT_EQ(CommitFrequency(d, row, QString(), FreqText(162.0 + row / 100.0)), FreqCommit::Emptied) << row;
    EXPECT_TRUE(ValidChannels(d.TVChannel).empty());
    EXPECT_EQ(d.TVChannel[9].FreqMHz, 162.09);
}

// The radio always has a weather VFO: a cleared VFO cell keeps its frequency, while a VFO
// the data never had stays empty until one is entered; channels still empty. The VFO is
// never listed as a current channel.
TEST_F(WeatherData, TheVfoKeepsItsFrequencyOnceItHasOne) {
    const struct {
        int row;
        CommitCase c;
    } cases[] = {
        {kVfoRow, {"VFO cleared", Channel(1, 162.4, 0, 1, 1), "", "162.40000", FreqCommit::Kept, Channel(1, 162.4, 0, 1, 1)}},
        {kVfoRow, {"VFO refused", Channel(1, 162.4, 0, 0, 1), "1.2.3", "162.40000", FreqCommit::Kept, Channel(1, 162.4, 0, 0, 1)}},
        {kVfoRow, {"VFO never had one", Channel(0, 0, 0, 0, 0), "", "", FreqCommit::Unchanged, Channel(0, 0, 0, 0, 0)}},
        {kVfoRow, {"VFO entered", Channel(0, 0, 0, 0, 0), "162.55", "", FreqCommit::Stored, Channel(1, 162.55, 0, 1, 0)}},
        {40, {"channel 40 cleared", Channel(1, 162.4, 0, 1, 1), "", "162.40000", FreqCommit::Emptied, Channel(0, 162.4, 0, 1, 1)}},
    };
    for (const auto& [row, c] : cases) {
        Valid({3});
        TVChannelRec& ch = d.TVChannel[static_cast<std::size_t>(row)];
        ch = c.start;
        EXPECT_EQ(CommitFrequency(d, row, QString::fromLatin1(c.typed), QString::fromLatin1(c.opened)), c.result) << c.what;
        EXPECT_EQ(ch, c.end) << c.what;
        EXPECT_EQ(ValidChannels(d.TVChannel), std::vector<int>{3}) << c.what;
    }
}

TEST_F(WeatherData, CommitsOutsideTheTableStoreNothing) {
    Valid({1});
    const DataFileRec before = d;
    for (int row : {0, -1, kVfoRow + 1, 1000})
        EXPECT_EQ(CommitFrequency(d, row, QStringLiteral("150"), QString()), FreqCommit::Unchanged) << row;
    EXPECT_TRUE(d == before);
}

}  // namespace

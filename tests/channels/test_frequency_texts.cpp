// Stored and shown frequency texts, the 10 Hz raster and the band checks of an entry.
#include "ChannelTestEnv.h"
#include "ScriptedMessageBoxes.h"
#include "channels/ModShowFreFun.h"

#include <QLocale>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace ModShowFreFun;

namespace {

const QString kRangeError = QStringLiteral("Frequency is out of range.");

class FrequencyTexts : public ::testing::Test {
protected:
    void SetUp() override {
        ChTest::ResetData();
        ChTest::Show(0, 1);
    }
    ScriptedMessageBoxes boxes;
};

TEST_F(FrequencyTexts, StoredTextsAsShown) {
    struct Case { QByteArray stored; const char* shown; };
    const Case cases[] = {
        {"280150  ", "28.0150"}, {"28015000", "28.0150"}, {"30105000", "30.1050"},
        {"2471500 ", "24.7150"}, {"28      ", "28.0000"},  // a radio read's "28"
        {"28015050", "28.0151"}, {"28014950", "28.0150"},  // the fifth decimal rounds half up
        {"29700000", "29.7000"}, {"", ""}, {"        ", ""}, {"FFFFFFFF", ""},
        {QByteArray(8, '\0'), ""},  // a slot that never held a channel
    };
    for (const Case& c : cases) EXPECT_EQ(ShowFre(QString::fromLatin1(c.stored)), QLatin1String(c.shown)) << c.stored.constData();
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FrequencyTexts, AStoredTextThatIsNoNumberShowsTheLowerLimit) {
    EXPECT_EQ(ShowFre(QStringLiteral("28AB0000")), QStringLiteral("24.715"));
    ASSERT_EQ(boxes.prompts(), QStringList{QStringLiteral("Not IsNumeric")});
    EXPECT_EQ(boxes.shown()[0].style, MsgBox::OKOnly);
}

TEST_F(FrequencyTexts, ShownTextsAsStored) {
    struct Case { const char* shown; const char* stored; };
    const Case cases[] = {{"28.0150", "280150"}, {"28.015000", "28015000"}, {"8.5", "085"},
                          {".5", "005"},         {"28", "28"},              {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(GetFreByShow(QLatin1String(c.shown)), QLatin1String(c.stored)) << c.shown;
}

TEST_F(FrequencyTexts, RasterOfTenHertzCountedFromTheLowerLimit) {
    EXPECT_DOUBLE_EQ(SnapFreStep(28.01234), 28.01234);
    EXPECT_DOUBLE_EQ(SnapFreStep(28.012345), 28.01234);  // 5 Hz over the raster
    EXPECT_DOUBLE_EQ(SnapFreStep(28.012349), 28.01234);
    EXPECT_DOUBLE_EQ(SnapFreStep(24.715), 24.715);
    ChTest::Show(1, 1);
    EXPECT_DOUBLE_EQ(SnapFreStep(28.0000099), 28.00001);
    EXPECT_DOUBLE_EQ(SnapFreStep(1e300), 1e300);  // far outside: left as it is
}

TEST_F(FrequencyTexts, RangeCheckClampsOrRefusesAndWarns) {
    struct Case { double f; bool clamp; double result; bool warned; };
    const Case cases[] = {
        {24.7149, false, 0, true},       {24.7149, true, 24.715, true}, {24.715, false, 24.715, false},
        {30.105, false, 30.105, false},  {30.1051, false, 0, true},    {30.1051, true, 30.105, true},
        {28.015, false, 28.015, false},  {-5, true, 24.715, true},
    };
    for (const Case& c : cases) {
        boxes.Clear();
        EXPECT_DOUBLE_EQ(CheckFreRange(c.f, c.clamp, true), c.result) << c.f;
        EXPECT_EQ(boxes.prompts(), c.warned ? QStringList{kRangeError} : QStringList{}) << c.f;
    }
    boxes.Clear();
    EXPECT_DOUBLE_EQ(CheckFreRange(31, true, false), 30.105);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_DOUBLE_EQ(CheckFreNotNumeric(true, true), 24.715);
    EXPECT_DOUBLE_EQ(CheckFreNotNumeric(false, false), 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].style, MsgBox::OKOnly + MsgBox::Exclamation);
}

struct EntryCase { int mode; const char* typed; bool clamp; const char* result; bool warned; };

TEST_F(FrequencyTexts, EnteredTextsOfBothBands) {
    const EntryCase cases[] = {
        {0, "24.7149", false, "", true},      {0, "24.715", false, "24.7150", false},
        {0, "30.105", false, "30.1050", false}, {0, "30.1051", false, "", true},
        {0, "28.015", false, "28.0150", false}, {0, "28.01505", false, "28.0151", false},
        {0, "28.01504", false, "28.0150", false}, {0, "abc", false, "", true},
        {0, "abc", true, "24.7150", true},    {0, "31", true, "30.1050", true},
        {0, "20", true, "24.7150", true},     {0, "  28.5  ", false, "28.5000", false},
        {0, "2.8e1", false, "28.0000", false}, {0, "-28", false, "", true},
        {0, "28,5", false, "", true},         {0, ".", true, "24.7150", true},
        {1, "30", true, "29.7000", true},     {1, "27", true, "28.0000", true},
        {1, "28", false, "28.0000", false},   {1, "29.7", false, "29.7000", false},
        {1, "29.70001", false, "", true},     {1, "27.9999", false, "", true},
    };
    for (const EntryCase& c : cases) {
        ChTest::Show(c.mode, 1);
        boxes.Clear();
        EXPECT_EQ(ValidateFreText(QLatin1String(c.typed), c.clamp, true), QLatin1String(c.result)) << c.mode << " " << c.typed;
        EXPECT_EQ(boxes.prompts(), c.warned ? QStringList{kRangeError} : QStringList{}) << c.typed;
    }
}

TEST_F(FrequencyTexts, FieldOfTheColumn) {
    ChannelRecord rec;
    SetChannelFreField(rec, 1, QStringLiteral("28.0150"));
    SetChannelFreField(rec, 2, QStringLiteral("29.1230"));
    SetChannelFreField(rec, 3, QStringLiteral("27.0000"));
    EXPECT_EQ(rec.Freq.Str(), "280150  ");
    EXPECT_EQ(rec.InitFreq.Str(), "291230  ");
    EXPECT_EQ(rec.FreqCopy.Str(), std::string(8, '\0'));
}

#ifdef ZR_TEST_LOCPATH
// A user whose numbers use a decimal comma: a Qt program takes LC_NUMERIC from the
// environment, so formatting must not go through the C library's locale.
TEST_F(FrequencyTexts, DecimalPointUnderACommaLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    setenv("LOCPATH", ZR_TEST_LOCPATH, 1);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale could be built";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ValidateFreText(QStringLiteral("28.015"), false, true), QStringLiteral("28.0150"));
    EXPECT_EQ(ValidateFreText(QStringLiteral("28,015"), false, true), QString());  // a comma is no number here
    EXPECT_EQ(ShowFre(QStringLiteral("28015050")), QStringLiteral("28.0151"));
    QString t = QStringLiteral("29.1234");
    ChTest::Lay(0, 1, {{1, "28.0000"}});
    EditChannelCell(1, 1, t);
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).Freq.Str(), "291234  ");
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(QLocale::c());
}
#endif

}  // namespace

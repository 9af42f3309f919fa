// The defaults of the working data when no start-up template can be read, and start-up
// with the settings file.
#include "CoreTestEnv.h"
#include "FakeWindowServices.h"
#include "ScriptedMessageBoxes.h"
#include "channels/ModRBTone.h"
#include "core/ModFreFile.h"
#include "core/startup/ModInitV.h"
#include "core/startup/ModMain.h"
#include "platform/ProfileIni.h"

#include <QDate>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> ChannelNumbers(int mode, int group) {
    std::vector<int> out;
    for (int slot = 1; slot <= Prog::RadioData.ChCountAt(mode, group); ++slot)
        out.push_back(Prog::ChInfo(mode, slot, group).ChNo);
    return out;
}

QByteArray Freq(int mode, int slot, int group) {
    const auto& bytes = Prog::ChInfo(mode, slot, group).Freq.bytes;
    return QByteArray(bytes.data(), 8);
}

class Defaults : public ::testing::Test {
protected:
    void SetUp() override { ModMain::Main(nullptr); }  // no template in the test tree
    CoreTestEnv env;
    ScriptedMessageBoxes boxes;
};

TEST_F(Defaults, ChannelsOfEveryGroup) {
    const std::vector<int> mAndOne = {41, 42, 43, 44, 45, 46, 1};
    const std::vector<int> mOnly = {41, 42, 43, 44, 45, 46};
    for (int group = 1; group <= 10; ++group) EXPECT_EQ(ChannelNumbers(0, group), mAndOne) << "HF " << group;
    EXPECT_EQ(ChannelNumbers(0, 11), mOnly);
    EXPECT_EQ(ChannelNumbers(0, 12), mOnly);
    EXPECT_TRUE(ChannelNumbers(0, 13).empty());
    EXPECT_TRUE(ChannelNumbers(0, 14).empty());
    for (int group = 1; group <= 10; ++group) EXPECT_EQ(ChannelNumbers(1, group), mAndOne) << "HAM " << group;
    for (int group = 11; group <= 14; ++group) EXPECT_TRUE(ChannelNumbers(1, group).empty()) << group;
}

TEST_F(Defaults, FrequenciesAndOptionsOfTheDefaultChannels) {
    const char* m[] = {"28015000", "28145000", "28115000", "28085000", "28055000", "28025000"};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(Freq(0, k + 1, 1), QByteArray(m[k])) << k;
    EXPECT_EQ(Freq(0, 7, 1), QByteArray("28015000"));   // group A: 1 and 7 share 28.015
    EXPECT_EQ(Freq(0, 7, 2), QByteArray("28145000"));
    EXPECT_EQ(Freq(0, 7, 6), QByteArray("28025000"));
    EXPECT_EQ(Freq(0, 7, 7), QByteArray("28015000"));
    EXPECT_EQ(Freq(0, 7, 10), QByteArray("28085000"));
    EXPECT_EQ(Freq(1, 7, 10), QByteArray("28085000"));  // HAM MEM channel 1
    const ChannelRecord& c = Prog::ChInfo(0, 1, 1);
    EXPECT_EQ(c.InUse, 1);
    EXPECT_EQ(c.ScanAdd, 1);
    EXPECT_EQ(c.NbAnl, 1);
    EXPECT_EQ(c.RBSet, 1);
    EXPECT_EQ(c.RepDir, 1);
    EXPECT_EQ(c.Public, 1);
    EXPECT_EQ(c.Mode, 0);
    EXPECT_EQ(c.RBEnable, 0);
    EXPECT_EQ(c.ToneFlag, 0);
    EXPECT_EQ(c.FreqCopy, c.Freq);
}

TEST_F(Defaults, ToneSetsOneToFiveValidSixToEightNot) {
    const auto& sets = Prog::RadioData.ToneTips;
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(ModRBTone::IsValidRB(n), n) << n;
    for (int n = 6; n <= 8; ++n) EXPECT_EQ(ModRBTone::IsValidRB(n), 0) << n;
    EXPECT_EQ(sets[1].Tone[1].ToneFreq, 210);
    EXPECT_EQ(sets[1].Tone[1].ToneLen, 10);
    EXPECT_EQ(sets[1].Tone[8].ToneLen, 0);
    EXPECT_EQ(sets[2].Tone[14].ToneFreq, 0);
    EXPECT_EQ(sets[2].Tone[13].ToneFreq, 80);
    EXPECT_EQ(sets[2].Tone[14].ToneLen, 4);
    EXPECT_EQ(sets[4].Tone[5].ToneFreq, 192);
    EXPECT_EQ(sets[5].Tone[6].ToneFreq, 70);
    EXPECT_EQ(sets[5].Tone[6].ToneLen, 20);
}

TEST_F(Defaults, OptionalFeaturesAndRadioInformation) {
    const OptFeatRec& o = Prog::RadioData.OptFeatures;
    EXPECT_EQ(o.GroupValid[0][12], 1);
    EXPECT_EQ(o.GroupValid[1][12], 1);
    EXPECT_EQ(o.GroupValid[0][13], 0);
    EXPECT_EQ(o.GroupName[1][12].Str(), std::string("L\0  ", 4));
    EXPECT_EQ(o.MemCh1[0][5], 1);
    EXPECT_EQ(o.OptSpare1, 2);
    EXPECT_EQ(o.MicGain, 15);
    EXPECT_EQ(o.StartChar.Str(), "7310N");
    EXPECT_EQ(o.MaxVolt, 160);
    EXPECT_EQ(o.CwEnable, 0);
    EXPECT_EQ(o.PaEnable, 1);
    EXPECT_EQ(o.RBSet, 0);
    EXPECT_EQ(Prog::RadioData.RssiPoint[8], 1);
    EXPECT_EQ(Prog::RadioData.RssiPoint[14], 36);
    EXPECT_EQ(Prog::RadioData.TxOffset, 100);
    const RadioInfoRec& r = Prog::RadioData.RadioInfo;
    EXPECT_EQ(r.BandValid, 1);
    EXPECT_EQ(r.Model.Str(), "ZR7310");
    EXPECT_EQ(r.TypeLetter, 67);
    EXPECT_EQ(r.FwVersion.Str(), "V1.00");
    EXPECT_EQ(QString::fromStdString(r.DataDate.Str()), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
}

TEST_F(Defaults, StartUpValuesAndUnmodifiedData) {
    EXPECT_EQ(Prog::IsNewData, -1);
    EXPECT_EQ(Prog::DataFileName, QStringLiteral("new.dat"));
    EXPECT_EQ(Prog::RadioData.CurMode, 1);
    EXPECT_EQ(Prog::RadioData.CurChRow[0][13], 1);
    EXPECT_EQ(Prog::RadioData.CurChRow[0][14], 0);
    EXPECT_DOUBLE_EQ(Prog::BandLowMHz, 28.0);
    EXPECT_DOUBLE_EQ(Prog::BandHighMHz, 29.7);
    EXPECT_FALSE(ModFreFile::IsDataModified());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Defaults, AddDefaultChannelOnlyForGroupsOneToTen) {
    FakeWindowServices windows;
    const int before = Prog::RadioData.ChCountAt(0, 11);
    ModInitV::AddDefaultChannel(0, 11);
    EXPECT_EQ(Prog::RadioData.ChCountAt(0, 11), before);
    Prog::RadioData.ChCountAt(0, 7) = 0;
    ModInitV::AddDefaultChannel(0, 7);
    ASSERT_EQ(Prog::RadioData.ChCountAt(0, 7), 1);
    EXPECT_EQ(Prog::ChInfo(0, 1, 7).ChNo, 1);
    EXPECT_EQ(Freq(0, 1, 7), QByteArray("28015000"));
    EXPECT_EQ(windows.calls, QStringList({QStringLiteral("ReShowGrid 1"), QStringLiteral("ReShowGrid 1")}));
}

TEST(StartUp, SettingsFileOnFirstAndLaterRuns) {
    CoreTestEnv env;
    const QString ini = env.Path(QStringLiteral("root/language/mysetup.ini"));
    env.WriteFile(QStringLiteral("root/language/mysetup.ini"),
                  "; settings\r\n[language]\r\nCurrentLanguage=2\r\nIsFirstRun=1\r\ncomPort=3\r\n"
                  "Handshaking=2\r\nStopBit=2\r\n");
    ModMain::LoadSetupIni();
    EXPECT_EQ(Prog::ComPort, 3);
    EXPECT_EQ(Prog::Handshaking, 2);
    EXPECT_EQ(Prog::StopBit, 2);
    EXPECT_EQ(Prog::CurLanguage, 1);  // the stored language is not applied
    EXPECT_EQ(Prog::EnglishOnly, 1);
    EXPECT_EQ(Prog::IsFirstRun, 0);
    EXPECT_EQ(env.ReadFile(QStringLiteral("root/language/mysetup.ini")),
              QByteArray("; settings\r\n[language]\r\nCurrentLanguage=2\r\nIsFirstRun=0\r\ncomPort=3\r\n"
                         "Handshaking=2\r\nStopBit=2\r\n"));
    EXPECT_EQ(Prog::SoftModel, QStringLiteral("ZR73103"));
    EXPECT_EQ(Prog::BandRangeText, QStringLiteral("28.0000 - 29.7000 MHz"));
}

TEST(StartUp, MissingOrBadSettingsTakeUsualValues) {
    CoreTestEnv env;
    env.WriteFile(QStringLiteral("root/language/mysetup.ini"),
                  "[language]\r\ncomPort=abc\r\nHandshaking=7\r\nStopBit=\r\n");
    ModMain::LoadSetupIni();
    EXPECT_EQ(Prog::ComPort, 1);
    EXPECT_EQ(Prog::Handshaking, 0);
    EXPECT_EQ(Prog::StopBit, 1);
    const QString ini = env.Path(QStringLiteral("root/language/mysetup.ini"));
    EXPECT_EQ(ProfileIni::GetPrivateProfileString(QStringLiteral("language"), QStringLiteral("comPort"), {}, ini),
              QStringLiteral("1"));
    EXPECT_EQ(ProfileIni::GetPrivateProfileString(QStringLiteral("language"), QStringLiteral("IsFirstRun"), {}, ini),
              QStringLiteral("0"));
}

TEST(StartUp, SettingsFileLivesBesideTheProgramFolder) {
    Prog::ProgramDir = QStringLiteral("/opt/Tools/Radio/Prog");
    EXPECT_EQ(ModVersion::SetupIniPath(), QStringLiteral("/opt/Tools/Radio/language/mysetup.ini"));
    Prog::Reset();
}

}  // namespace

namespace {

// The template shipped with the program holds the defaults (made on another day).
TEST(StartUpTemplate, ShippedTemplateLoadsAsTheDefaults) {
    DataFileRec defaults;
    ChannelTable defaultChannels;
    {
        CoreTestEnv env;
        ModMain::Main(nullptr);
        defaults = Prog::RadioData;
        defaultChannels = Prog::ChInfo;
    }
    CoreTestEnv env;
    const QString resources = qEnvironmentVariable("ZR_RESOURCES_DIR");
    ASSERT_FALSE(resources.isEmpty());
    for (const char* ext : {"dat", "fre"})
        ASSERT_TRUE(QFile::copy(resources + QStringLiteral("/Init/ZR7310N_New.") + QLatin1String(ext),
                                env.Path(QStringLiteral("root/V200/Init/ZR7310N_New.")) + QLatin1String(ext)));
    FakeWindowServices windows;
    ModMain::Main(nullptr);
    EXPECT_EQ(windows.calls, QStringList(QStringLiteral("SetMainCaption")));  // the template re-captions
    DataFileRec loaded = Prog::RadioData;
    loaded.RadioInfo.DataDate = defaults.RadioInfo.DataDate;
    defaults.RadioInfo.ModelType = loaded.RadioInfo.ModelType;  // set when the template was saved
    EXPECT_EQ(loaded, defaults);
    for (int m = 0; m < 2; ++m)
        for (int g = 1; g <= 14; ++g)
            for (int slot = 1; slot <= Prog::RadioData.ChCountAt(m, g); ++slot)
                EXPECT_EQ(Prog::ChInfo(m, slot, g), defaultChannels(m, slot, g)) << m << "/" << g << "/" << slot;
    EXPECT_EQ(Prog::DataFileName, QStringLiteral("new.dat"));
    EXPECT_EQ(Prog::IsNewData, -1);
    EXPECT_FALSE(ModFreFile::IsDataModified());
}

}  // namespace

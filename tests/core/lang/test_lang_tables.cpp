// The caption and message tables: a sample of texts in both languages checked against the
// wording they must have (typos, access keys and trailing blanks included), the list and
// pair tables, the language names, the roger-beep texts, and language values out of range.
#include "core/ProgramData.h"
#include "core/lang/LanguageTables.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class LangTables : public ::testing::Test {
protected:
    void SetUp() override {
        Prog::Reset();
        ModEnglish::LoadLanguageStrings();
        ModShowFreFun::LoadTVCHStrings();
    }
    void TearDown() override { Prog::Reset(); }
};

struct TextCase {
    const char* name;
    const LangText* table;
    QString english;
    QString chinese;
};

std::vector<TextCase> TextCases() {
    return {
        {"NewDataWarning", &ModMsg::NewDataWarning, "All data will be cleared.", "所有数据将被清空。"},
        {"FileError", &ModMsg::FileError, "file error.", "文件错误。"},
        {"PortError", &ModMsg::PortError, "Cannot Open Communication Port.", "无法打开通信端口。"},
        {"WriteQuestion", &ModMsg::WriteQuestion, "Write data to radio.\r\nDo you wish continue?",
         "向对讲机写入数据。\r\n是否继续？"},
        {"SaveQuestion", &ModMsg::SaveQuestion, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
        {"OverwriteQuestion", &ModMsg::OverwriteQuestion, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
        {"RetryQuestion", &ModMsg::RetryQuestion, "Check Connection. Retry or Cancel?", "检测连接。重试或取消？"},
        {"ModelError", &ModMsg::ModelError, "Model type is wrong.", "机型类型错误。"},
        {"OkCaption", &ModMsg::OkCaption, "&OK", "确定(&O)"},
        {"CancelCaption", &ModMsg::CancelCaption, "&Cancel", "取消(&C)"},
        {"RangeError", &ModMsg::RangeError, "Frequency is out of range.", "频率超出范围。"},
        {"Com", &ModEnglish::Com, "COM", "通信口"},
        {"LanguageSetup", &ModEnglish::LanguageSetup, "Language Setup", "语言设置"},
        {"MenuFile", &ModEnglish::MenuFile, "&File", "文件&F"},
        {"MenuSaveAs", &ModEnglish::MenuSaveAs, "Save &As", "另存为(&A)"},
        {"MenuExit", &ModEnglish::MenuExit, "E&xit", "退出(&X)"},
        {"MenuFleetSync", &ModEnglish::MenuFleetSync, "&Fleet Sync", "Fleet Sync(队列同步)(&F)"},
        {"MenuTestFrequence", &ModEnglish::MenuTestFrequence, "&Test FreQuence", "测试频率(&T)"},
        {"MenuCommunicationPort", &ModEnglish::MenuCommunicationPort, "&Communication Port", "通讯端口(&C)"},
        {"MenuHelpTopics", &ModEnglish::MenuHelpTopics, "&Help topics", "帮助主题(&H)"},
        {"MenuAbout", &ModEnglish::MenuAbout, "&About ZRW7310N_II", "关于 ZRW7310N_II(&A)"},
        {"CloseCaption", &ModEnglish::CloseCaption, "&Close", "关闭(&C)"},
        {"FileName", &ModEnglishPrint::FileName, "File Name", "文件名"},
        {"CheckRadioBand", &ModEnglishChannelInfo::CheckRadioBand, "Check Radio &Band", "检查机器频段(&B)"},
        {"Band", &ModEnglishChannelInfo::Band, "Band", "组"},
        {"ChNo", &ModEnglishChannelInfo::ChNo, "CH No.", "信道"},
        {"Txcdt", &ModEnglishChannelInfo::Txcdt, "TXCDT", "TXCDT"},
        {"TxcdtEncode", &ModEnglishChannelInfo::TxcdtEncode, "TXCDT", "编码"},
        {"Plus10KHz", &ModEnglishChannelInfo::Plus10KHz, "+10KHz", "+10KHz"},
        {"Channel", &ModEnglishChannelInfo::Channel, "Channel", "信道编辑"},
        {"MenuWeatherChannel", &ModEnglishOpt::MenuWeatherChannel, "&Weather Channel", "气象信道(&W)"},
        {"InitFreq", &ModEnglishOpt::InitFreq, "init Freq", "初始频率"},
        {"MicType", &ModEnglishOpt::MicType, "MicType", "Mic类型"},
        {"FreqCh", &ModEnglishOpt::FreqCh, "FREQ CH ", "FREQ CH "},
        {"CurrentMenuPage", &ModEnglishOpt::CurrentMenuPage, "Current Menu Page", "Current Menu Page"},
        {"CurrentMenuPage9", &ModEnglishOpt::CurrentMenuPage9, "Current Menu Page", "当前菜单页"},
        {"PowerDisplay", &ModEnglishOpt::PowerDisplay, "Power Display", "Power Displaye"},
        {"RbFrequencyHz", &ModEnglishOpt::RbFrequencyHz, "RB Frequecy[Hz]", "RB 频率[Hz]"},
        {"CwFrequencyHz", &ModEnglishOpt::CwFrequencyHz, "CW Frequecy[Hz]", "CW 频率[Hz]"},
        {"VoxDelayTimeS", &ModEnglishOpt::VoxDelayTimeS, "VOX Delay Time[s]", "VOX延迟时间[秒]"},
        {"Public", &ModEnglishOpt::Public, "Public", "信道设置公共信道"},
        {"Off", &ModEnglishOpt::Off, "Off", "关"},
        {"DwChx", &ModEnglishOpt::DwChx, "DW CHX", "DW信道"},
        {"OptionalFeatures", &ModEnglishOpt::OptionalFeatures, "Optional Features", "可选功能"},
        {"Emg", &ModEnglishOpt::Emg, "EMG ", "紧急信道"},
        {"Tot", &ModEnglishOpt::Tot, "TOT", "超时定时器预警[秒]"},
        {"WeatherChannel", &ModEnglishOpt::WeatherChannel, "Weather Channel", "气象信道"},
        {"CurrentWeatherChannel", &ModShowFreFun::CurrentWeatherChannel, "Current Weather Channel", "当前气象信道"},
        {"WxScanState", &ModShowFreFun::WxScanState, "Wx Scan State", "Wx Scan State"},
        {"CompletionPercentage", &ModEndlishProgress::CompletionPercentage, "Completion percentage:", "完成进度:"},
        {"AboutDescription", &AboutText::Description, "ZRW7310N RADIO PROGRAMMING SOFTWARE", "ZRW7310N 对讲机编程软件 "},
        {"AboutVersionPrefix", &AboutText::VersionPrefix, "Version ", "版本 "},
    };
}

TEST_F(LangTables, TextsReadInTheCurrentLanguage) {
    for (const TextCase& c : TextCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.table->lang[0].isEmpty());
        Prog::CurLanguage = 1;
        EXPECT_EQ(c.table->Text(), c.english);
        Prog::CurLanguage = 2;
        EXPECT_EQ(c.table->Text(), c.chinese);
    }
}

TEST_F(LangTables, ReadQuestionIsTwoSentencesOnTwoLines) {
    EXPECT_EQ(ModMsg::ReadQuestion.Text(1).split("\r\n"),
              (QStringList{"Read data from radio.", "Do you wish continue?"}));
    EXPECT_EQ(ModMsg::ReadQuestion.Text(2).split("\r\n"), (QStringList{"从对讲机读取数据。", "是否继续？"}));
}

struct ItemCase {
    const char* name;
    std::function<QString(int language, int item)> read;
    int language;
    int item;
    QString expected;
};

template <typename Table>
std::function<QString(int, int)> Reader(const Table& t) {
    return [&t](int language, int item) { return t.Item(language, item); };
}

TEST_F(LangTables, PairAndListItems) {
    const std::vector<ItemCase> cases = {
        {"OnOffText zh 1", Reader(ModEnglishPrint::OnOffText), 2, 1, "开"},
        {"OnOffText zh 0", Reader(ModEnglishPrint::OnOffText), 2, 0, "关"},
        {"OnOffText en 0", Reader(ModEnglishPrint::OnOffText), 1, 0, "OFF"},
        {"DelAddText en 0", Reader(ModEnglishPrint::DelAddText), 1, 0, "Del"},
        {"DelAddText zh 1", Reader(ModEnglishPrint::DelAddText), 2, 1, "添加"},
        {"TransferDone en read", Reader(ModMsg::TransferDone), 1, 1, "Read Data Completed."},
        {"TransferDone en write", Reader(ModMsg::TransferDone), 1, 2, "Write Data Completed."},
        {"TransferDone zh write", Reader(ModMsg::TransferDone), 2, 2, "写入数据完成。"},
        {"Progress title en read", Reader(ModEndlishProgress::Title), 1, 1, "Read data from radio"},
        {"Progress title zh write", Reader(ModEndlishProgress::Title), 2, 2, "向对讲机写入数据"},
        {"Backlight en 1", Reader(ModEnglishOpt::BacklightColorList), 1, 1, "White"},
        {"Backlight en 8", Reader(ModEnglishOpt::BacklightColorList), 1, 8, "Loop"},
        {"Backlight zh 8", Reader(ModEnglishOpt::BacklightColorList), 2, 8, "循环"},
        {"LcdDisplay zh 2", Reader(ModEnglishOpt::LcdDisplayInTxList), 2, 2, "SWR驻波LCD显示"},
        {"LcdDisplay en 3", Reader(ModEnglishOpt::LcdDisplayInTxList), 1, 3, "TOT Remain Time Display"},
        {"DelAddList zh 1", Reader(ModEnglishOpt::DelAddList), 2, 1, "删除"},
        {"ModeList 5", Reader(ModEnglishChannelInfo::ModeList), 2, 5, "PA"},
        {"ModeListNoPa 5", Reader(ModEnglishChannelInfo::ModeListNoPa), 1, 5, "CW"},
        {"NarrowWide 0", Reader(ModEnglishChannelInfo::NarrowWide), 1, 0, "Narrow"},
        // Item numbers outside a table read as the empty text.
        {"pair item 2", Reader(ModEnglishPrint::OnOffText), 1, 2, ""},
        {"pair item -1", Reader(ModEnglishPrint::OnOffText), 1, -1, ""},
        {"list item 0", Reader(ModEnglishOpt::BacklightColorList), 1, 0, ""},
        {"list item 9", Reader(ModEnglishOpt::BacklightColorList), 2, 9, ""},
        {"progress title for port search", Reader(ModEndlishProgress::Title), 1, 9, ""},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.read(c.language, c.item), c.expected);
    }
    for (const QString& s : ModEnglishOpt::BacklightColorList.lang[0]) EXPECT_TRUE(s.isEmpty());
    for (const QString& s : ModEnglishPrint::OnOffText.lang[0]) EXPECT_TRUE(s.isEmpty());
}

TEST_F(LangTables, ItemsGiveTheListOfTheCurrentLanguage) {
    Prog::CurLanguage = 2;
    EXPECT_EQ(ModEnglishPrint::OnOffText.Items(), (QStringList{"关", "开"}));
    EXPECT_EQ(ModEnglishChannelInfo::ShiftList.Items(), (QStringList{"OFF", "+", "-"}));
}

TEST_F(LangTables, LanguageNames) {
    EXPECT_EQ(ModEnglish::LanguageNameAt((1 - 1) * 2 + 1), "English");
    EXPECT_EQ(ModEnglish::LanguageNameAt((2 - 1) * 2 + 2), "中文");
    EXPECT_TRUE(ModEnglish::LanguageNames[0].isEmpty());
    for (int bad : {0, 5, -1, 100}) EXPECT_TRUE(ModEnglish::LanguageNameAt(bad).isEmpty()) << bad;

    Prog::CurLanguage = 1;
    EXPECT_EQ(ModEnglish::LanguageName(1), "English");
    EXPECT_EQ(ModEnglish::LanguageName(2), "Chinese");
    Prog::CurLanguage = 2;
    EXPECT_EQ(ModEnglish::LanguageName(1), "英语");
    EXPECT_EQ(ModEnglish::LanguageName(2), "中文");
    EXPECT_TRUE(ModEnglish::LanguageName(0).isEmpty());
    EXPECT_TRUE(ModEnglish::LanguageName(3).isEmpty());
}

TEST_F(LangTables, RogerBeepTextsByNumber) {
    struct RBCase {
        int id;
        QString english;
        QString chinese;
    };
    const std::vector<RBCase> cases = {
        {10221, "&Roger Beep", "RB音(&R)"},   {12014, "Roger Beep", "RB音"},
        {29001, "RB Tone", "RB音"},           {29003, "Inter Time[ms]", "间隔时间[ms]"},
        {29005, "Tone Long[ms]", "音长[ms]"}, {29007, "&Stop", "停止(&S)"},
        {29100, "First Tone", "第一个音"},    {29113, "Fourteenth Tone", "第十四个音"},
        {29200, "Off", "关"},                 {29201, "None", "无"},
        {12345, "", ""},                      {0, "", ""},
        {-1, "", ""},                         {29114, "", ""},
    };
    for (const RBCase& c : cases) {
        SCOPED_TRACE(c.id);
        Prog::CurLanguage = 1;
        EXPECT_EQ(ModBeep::GetRBText(c.id), c.english);
        Prog::CurLanguage = 2;
        EXPECT_EQ(ModBeep::GetRBText(c.id), c.chinese);
    }
}

TEST_F(LangTables, LanguageOutsideOneAndTwoReadsEnglish) {
    for (int language : {0, 3, -1, 32767, -32768}) {
        SCOPED_TRACE(language);
        Prog::CurLanguage = static_cast<int16>(language);
        EXPECT_EQ(ModMsg::RangeError.Text(), "Frequency is out of range.");
        EXPECT_EQ(ModEnglish::HelpCaption.Text(), "&Help");
        EXPECT_EQ(ModEnglishPrint::OnOffText.Item(1), "ON");
        EXPECT_EQ(ModEnglishOpt::BacklightColorList.Item(8), "Loop");
        EXPECT_EQ(ModEndlishProgress::Title.Item(2), "Write data to radio");
        EXPECT_EQ(ModEnglish::LanguageName(2), "Chinese");
        EXPECT_EQ(ModBeep::GetRBText(29006), "&Play");
    }
}

}  // namespace

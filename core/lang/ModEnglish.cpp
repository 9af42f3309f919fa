#include "core/lang/ModEnglish.h"

#include "core/lang/ModEndlishProgress.h"
#include "core/lang/ModEnglishChannelInfo.h"
#include "core/lang/ModEnglishOpt.h"
#include "core/lang/ModEnglishPrint.h"
#include "core/lang/ModMsg.h"

namespace ModEnglish {

namespace {

void LoadSharedStrings() {
    CommunicationPort.Set(u"Communication Port", u"通信端口");
    Com.Set(u"COM", u"通信口");
    LanguageMode.Set(u"Language Mode", u"语言模式");
    LanguageSetup.Set(u"Language Setup", u"语言设置");
    MenuFile.Set(u"&File", u"文件&F");
    MenuNew.Set(u"&New", u"新建(&N)");
    MenuOpen.Set(u"&Open", u"打开(&O)");
    MenuSave.Set(u"&Save", u"保存(&S)");
    MenuSaveAs.Set(u"Save &As", u"另存为(&A)");
    MenuPrint.Set(u"&Print", u"打印(&P)");
    MenuExit.Set(u"E&xit", u"退出(&X)");
    MenuModel.Set(u"&Model", u"机型(&M)");
    MenuModelInformation.Set(u"&Model Information", u"机型信息(&M)");
    MenuBand.Set(u"&Band", u"频段(&B)");
    MenuCheckAllChannelFrequency.Set(u"Check All Channel &Frequency", u"有效频率检测(&F)");
    MenuEdit.Set(u"&Edit", u"编辑(&E)");
    MenuChannelInformation.Set(u"&Channel Information", u"信道信息(&C)");
    MenuOptionFeatures.Set(u"&Option Features", u"可选功能(&O)");
    MenuKeyAssignment.Set(u"&Key Assignment", u"键设置(&K)");
    MenuScanInformation.Set(u"&Scan Information", u"扫描信息(&S)");
    MenuDtmf.Set(u"&DTMF", u"DTMF(双音多频)(&D)");
    MenuFleetSync.Set(u"&Fleet Sync", u"Fleet Sync(队列同步)(&F)");
    MenuTestFrequence.Set(u"&Test FreQuence", u"测试频率(&T)");
    MenuLocalInformation.Set(u"Local &Information", u"本机信息(&I)");
    MenuEmbeddedMessage.Set(u"Embedded &Message", u"嵌入信息(&M)");
    MenuProgram.Set(u"&Program", u"编程(&P)");
    MenuReadFromRadio.Set(u"&Read from Radio", u"从对讲机读取数据(&R)");
    MenuWriteToRadio.Set(u"&Write to Radio", u"向对讲机写入数据(&W)");
    MenuWriteToGroupOfRadios.SetBoth(u"Write to &Group of Radios");
    MenuTestMode.Set(u"&Test Mode", u"测试模式(&T)");
    MenuTools.Set(u"&Tools", u"工具(&T)");
    MenuRadioInformation.Set(u"&Radio Information", u"对讲机信息(&R)");
    MenuSetRadioInformation.Set(u"&Set Radio Information", u"设置对讲机信息(&S)");
    MenuSetup.Set(u"&Setup", u"设置(&S)");
    MenuCommunicationPort.Set(u"&Communication Port", u"通讯端口(&C)");
    MenuLanguageSetup.Set(u"&Language Setup", u"语言设置(&L)");
    MenuView.Set(u"&View", u"视图(&V)");
    MenuTreeView.Set(u"Tree &View", u"树视图(&V)");
    MenuToolbar.Set(u"&Toolbar", u"工具栏(&T)");
    MenuStatusBar.Set(u"&Status Bar", u"状态栏(&S)");
    MenuWindow.Set(u"&Window", u"窗口(&W)");
    MenuCascade.Set(u"&Cascade", u"层叠(&C)");
    MenuTileWindowsVertically.Set(u"Tile Windows &Vertically", u"纵向平铺窗口(&V)");
    MenuTileWindowsHorizontally.Set(u"Tile Windows &Horizontally", u"横向平铺窗口(&H)");
    MenuArrangeIcons.Set(u"&Arrange Icons", u"排列图标(&A)");
    MenuCloseAllWindows.Set(u"Close All &Windows", u"关闭所有窗口(&W)");
    MenuHelp.Set(u"&Help", u"帮助(&H)");
    MenuHelpTopics.Set(u"&Help topics", u"帮助主题(&H)");
    MenuAbout.Set(u"&About ZRW7310N_II", u"关于 ZRW7310N_II(&A)");
    MenuInitialSetting.Set(u"&Initial Setting", u"初始化设置(&I)");
    CloseCaption.Set(u"&Close", u"关闭(&C)");
    HelpCaption.Set(u"&Help", u"帮助(&H)");
}

void LoadLanguageNames() {
    LanguageNames = {QString(), QStringLiteral("English"), QStringLiteral("Chinese"),
                     QStringLiteral("英语"), QStringLiteral("中文")};
}

}  // namespace

QString LanguageNameAt(int index) {
    if (index < 1 || index >= static_cast<int>(LanguageNames.size())) return {};
    return LanguageNames[static_cast<std::size_t>(index)];
}

QString LanguageName(int k) {
    if (k != Lang::kEnglish && k != Lang::kChinese) return {};
    return LanguageNameAt((Lang::Current() - 1) * 2 + k);
}

void LoadLanguageStrings() {
    ModMsg::LoadMessageStrings();
    LoadSharedStrings();
    LoadLanguageNames();
    ModEnglishPrint::LoadPrintStrings();
    ModEnglishChannelInfo::LoadChannelInfoStrings();
    ModEnglishOpt::LoadOptStrings();
    // The scan, DTMF, test-frequency, test-mode, FleetSync and radio-information tables are
    // not built: no window of the program shows them.
    ModEndlishProgress::LoadProgressStrings();
}

}  // namespace ModEnglish

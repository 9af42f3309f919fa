#include "shell/MenuTable.h"

#include "core/lang/ModBeepText.h"
#include "core/lang/ModEnglish.h"
#include "core/lang/ModEnglishChannelInfo.h"
#include "core/lang/ModEnglishOpt.h"

#include <QRegularExpression>

namespace MenuTable {

namespace {

using namespace ModEnglish;

#define ZR_TEXT(table) [] { return table.Text(); }

constexpr bool kHidden = true;
constexpr bool kShown = false;

const Entry kEntries[] = {
    {"mnuFile", 1, ZR_TEXT(MenuFile), "", kShown, false},
    {"mnuFileNew", 2, ZR_TEXT(MenuNew), "Ctrl+N", kShown, false},
    {"mnuFileOpen", 2, ZR_TEXT(MenuOpen), "Ctrl+O", kShown, false},
    {"mnuFileSave", 2, ZR_TEXT(MenuSave), "", kShown, false},
    {"mnuFileSaveAs", 2, ZR_TEXT(MenuSaveAs), "", kShown, false},
    {"mnuFileBar0", 2, nullptr, "", kHidden, false},
    {"mnuFilePrint", 2, ZR_TEXT(MenuPrint), "", kHidden, false},
    {"mnuFileBar1", 2, nullptr, "", kHidden, false},
    {"mnuFileExit", 2, ZR_TEXT(MenuExit), "", kShown, false},
    {"mnuModel", 1, ZR_TEXT(MenuModel), "", kHidden, false},
    {"mnuModelInfo", 2, ZR_TEXT(MenuModelInformation), "", kShown, false},
    {"MnuBand", 1, ZR_TEXT(MenuBand), "", kHidden, false},
    {"MnuCheckRadioBand", 2, ZR_TEXT(ModEnglishChannelInfo::CheckRadioBand), "", kShown, false},
    {"MnuFrequencyCheck", 2, ZR_TEXT(MenuCheckAllChannelFrequency), "", kShown, false},
    {"mnuEdit", 1, ZR_TEXT(MenuEdit), "", kShown, false},
    {"mnuChannelInfo", 2, ZR_TEXT(MenuChannelInformation), "", kShown, false},
    {"mnuEditBar01", 2, nullptr, "", kShown, false},
    {"mnuTVChannel", 2, ZR_TEXT(ModEnglishOpt::MenuWeatherChannel), "", kShown, false},
    {"mnuEditBar0", 2, nullptr, "", kShown, false},
    {"mnuOptFeature", 2, ZR_TEXT(MenuOptionFeatures), "", kShown, false},
    {"mnuToneTips", 2, [] { return ModBeep::GetRBText(10221); }, "", kShown, false},
    {"mnuKeyAssignm", 2, ZR_TEXT(MenuKeyAssignment), "", kHidden, false},
    {"mnuScanInfo", 2, ZR_TEXT(MenuScanInformation), "", kHidden, false},
    {"mnuEditBar1", 2, nullptr, "", kHidden, false},
    {"mnuDTMF", 2, ZR_TEXT(MenuDtmf), "", kShown, false},
    {"mnuFleetSync", 2, ZR_TEXT(MenuFleetSync), "", kShown, false},
    {"mnuEditBar2", 2, nullptr, "", kHidden, false},
    {"mnuTestFre", 2, ZR_TEXT(MenuTestFrequence), "", kShown, false},
    {"mnuEmbeddedMsg", 2, ZR_TEXT(MenuEmbeddedMessage), "", kShown, false},
    {"mnuEMG", 2, ZR_TEXT(MenuLocalInformation), "", kShown, false},
    {"mnuProgram", 1, ZR_TEXT(MenuProgram), "", kShown, false},
    {"mnuReadFromRadio", 2, ZR_TEXT(MenuReadFromRadio), "", kShown, false},
    {"mnuWriteToRadio", 2, ZR_TEXT(MenuWriteToRadio), "", kShown, false},
    {"mnuTest", 2, ZR_TEXT(MenuTestMode), "", kShown, false},
    {"mnuMWriteToRadio", 2, ZR_TEXT(MenuWriteToGroupOfRadios), "", kShown, false},
    {"mnuTools", 1, ZR_TEXT(MenuTools), "", kShown, false},
    {"mnuRadioInfo", 2, ZR_TEXT(MenuRadioInformation), "", kShown, false},
    {"mnuSetRadioInfo", 2, ZR_TEXT(MenuSetRadioInformation), "", kShown, false},
    {"mnuSet", 1, ZR_TEXT(MenuSetup), "", kShown, false},
    {"mnuComm", 2, ZR_TEXT(MenuCommunicationPort), "", kShown, false},
    {"mnuLanguage", 2, ZR_TEXT(MenuLanguageSetup), "", kShown, false},
    {"MnuInitial", 2, ZR_TEXT(MenuInitialSetting), "", kShown, false},
    {"MnuInitialBand1", 2, [] { return QStringLiteral("Band1"); }, "", kHidden, false},
    {"MnuInitialBand2", 2, [] { return QStringLiteral("Band2"); }, "", kHidden, false},
    {"mnuView", 1, ZR_TEXT(MenuView), "", kShown, false},
    {"mnuTreeView", 2, ZR_TEXT(MenuTreeView), "", kShown, true},
    {"mnuViewBar0", 2, nullptr, "", kShown, false},
    {"mnuViewToolbar", 2, ZR_TEXT(MenuToolbar), "", kShown, true},
    {"mnuViewStatusBar", 2, ZR_TEXT(MenuStatusBar), "", kShown, true},
    {"mnuWindow", 1, ZR_TEXT(MenuWindow), "", kShown, false},
    {"mnuWindowCascade", 2, ZR_TEXT(MenuCascade), "", kShown, false},
    {"mnuWindowTileHorizontal", 2, ZR_TEXT(MenuTileWindowsHorizontally), "", kShown, false},
    {"mnuWindowTileVertical", 2, ZR_TEXT(MenuTileWindowsVertically), "", kShown, false},
    {"mnuWindowArrangeIcons", 2, ZR_TEXT(MenuArrangeIcons), "", kShown, false},
    {"mnuWindowBar0", 2, nullptr, "", kShown, false},
    {"mnuCloseAll", 2, ZR_TEXT(MenuCloseAllWindows), "", kShown, false},
    {"mnuWindowBar1", 2, nullptr, "", kShown, false},
    {"mnuHelp", 1, ZR_TEXT(MenuHelp), "", kShown, false},
    {"mnuHelpTopic", 2, ZR_TEXT(MenuHelpTopics), "", kHidden, false},
    {"mnuHelpBar0", 2, nullptr, "", kShown, false},
    {"mnuHelpAbout", 2, ZR_TEXT(MenuAbout), "", kShown, false},
};

#undef ZR_TEXT

}  // namespace

std::span<const Entry> Entries() { return kEntries; }

QStringList HiddenAtLoad() {
    return {QStringLiteral("mnuWindowTileHorizontal"), QStringLiteral("mnuWindowTileVertical"),
            QStringLiteral("mnuWindowArrangeIcons"),   QStringLiteral("mnuTools"),
            QStringLiteral("mnuFleetSync"),            QStringLiteral("mnuTestFre"),
            QStringLiteral("mnuTest"),                 QStringLiteral("mnuDTMF"),
            QStringLiteral("mnuEmbeddedMsg"),          QStringLiteral("mnuEMG")};
}

QString WithoutAccessKey(const QString& caption) {
    static const QRegularExpression bracketedKey(QStringLiteral("\\(&[^&)]\\)"));
    QString text = caption;
    text.remove(bracketedKey);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;  // "&x" shows x, "&&" shows "&"
        else if (text[i] == u'&') continue;
        out += text[i];
    }
    return out;
}

}  // namespace MenuTable

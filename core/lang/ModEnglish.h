#pragma once
// The shared caption tables (port dialog, language dialog, main menu, editor buttons), the
// language names, and the start-up procedure that fills every caption and message table.
//
// Naming: a table is named after its English text in CamelCase, without the "&" access
// key and punctuation ("Language Setup" -> LanguageSetup). Menu texts carry the prefix
// Menu ("Save &As" -> MenuSaveAs); the comment names the menu entry that shows it. The
// Close/Help captions of the editor windows are CloseCaption and HelpCaption.
#include "core/lang/LangText.h"

#include <array>

namespace ModEnglish {

inline LangText CommunicationPort;  // "Communication Port"  port dialog caption
inline LangText Com;                // "COM"  port label (status bar, port dialog)
inline LangText LanguageMode;       // "Language Mode"   language dialog label
inline LangText LanguageSetup;      // "Language Setup"  language dialog caption

inline LangText MenuFile;                     // "&File"                mnuFile
inline LangText MenuNew;                      // "&New"                 mnuFileNew
inline LangText MenuOpen;                     // "&Open"                mnuFileOpen
inline LangText MenuSave;                     // "&Save"                mnuFileSave
inline LangText MenuSaveAs;                   // "Save &As"             mnuFileSaveAs
inline LangText MenuPrint;                    // "&Print"               mnuFilePrint
inline LangText MenuExit;                     // "E&xit"                mnuFileExit
inline LangText MenuModel;                    // "&Model"               mnuModel
inline LangText MenuModelInformation;         // "&Model Information"   mnuModelInfo
inline LangText MenuBand;                     // "&Band"                MnuBand
inline LangText MenuCheckAllChannelFrequency; // "Check All Channel &Frequency"  MnuFrequencyCheck
inline LangText MenuEdit;                     // "&Edit"                mnuEdit
inline LangText MenuChannelInformation;       // "&Channel Information" mnuChannelInfo
inline LangText MenuOptionFeatures;           // "&Option Features"     mnuOptFeature
inline LangText MenuKeyAssignment;            // "&Key Assignment"      mnuKeyAssignm
inline LangText MenuScanInformation;          // "&Scan Information"    mnuScanInfo
inline LangText MenuDtmf;                     // "&DTMF"                mnuDTMF
inline LangText MenuFleetSync;                // "&Fleet Sync"          mnuFleetSync
inline LangText MenuTestFrequence;            // "&Test FreQuence"      mnuTestFre
inline LangText MenuLocalInformation;         // "Local &Information"   mnuEMG
inline LangText MenuEmbeddedMessage;          // "Embedded &Message"    mnuEmbeddedMsg
inline LangText MenuProgram;                  // "&Program"             mnuProgram
inline LangText MenuReadFromRadio;            // "&Read from Radio"     mnuReadFromRadio
inline LangText MenuWriteToRadio;             // "&Write to Radio"      mnuWriteToRadio
// "Write to &Group of Radios"  mnuMWriteToRadio (never shown); no Chinese text of its own,
// so both languages read the English one.
inline LangText MenuWriteToGroupOfRadios;
inline LangText MenuTestMode;                 // "&Test Mode"           mnuTest
inline LangText MenuTools;                    // "&Tools"               mnuTools
inline LangText MenuRadioInformation;         // "&Radio Information"   mnuRadioInfo
inline LangText MenuSetRadioInformation;      // "&Set Radio Information"  mnuSetRadioInfo
inline LangText MenuSetup;                    // "&Setup"               mnuSet
inline LangText MenuCommunicationPort;        // "&Communication Port"  mnuComm
inline LangText MenuLanguageSetup;            // "&Language Setup"      mnuLanguage
inline LangText MenuView;                     // "&View"                mnuView
inline LangText MenuTreeView;                 // "Tree &View"           mnuTreeView
inline LangText MenuToolbar;                  // "&Toolbar"             mnuViewToolbar
inline LangText MenuStatusBar;                // "&Status Bar"          mnuViewStatusBar
inline LangText MenuWindow;                   // "&Window"              mnuWindow
inline LangText MenuCascade;                  // "&Cascade"             mnuWindowCascade
inline LangText MenuTileWindowsVertically;    // "Tile Windows &Vertically"    mnuWindowTileVertical
inline LangText MenuTileWindowsHorizontally;  // "Tile Windows &Horizontally"  mnuWindowTileHorizontal
inline LangText MenuArrangeIcons;             // "&Arrange Icons"       mnuWindowArrangeIcons
inline LangText MenuCloseAllWindows;          // "Close All &Windows"   mnuCloseAll
inline LangText MenuHelp;                     // "&Help"                mnuHelp
inline LangText MenuHelpTopics;               // "&Help topics"         mnuHelpTopic
inline LangText MenuAbout;                    // "&About ZRW7310N_II"   mnuHelpAbout
inline LangText MenuInitialSetting;           // "&Initial Setting"     MnuInitial
// Other menu captions: "&Weather Channel" ModEnglishOpt::MenuWeatherChannel, "&Roger Beep"
// ModBeep::GetRBText(10221), "Check Radio &Band" ModEnglishChannelInfo::CheckRadioBand.

inline LangText CloseCaption;  // "&Close"  CommandClose of the editor windows
inline LangText HelpCaption;   // "&Help"   CommandHelp of the editor windows

// The language names: element (language - 1) * 2 + k is the name of language k (1 English,
// 2 Chinese) written in language. Elements 1, 2 "English", "Chinese"; 3, 4 "英语", "中文".
inline std::array<QString, 5> LanguageNames;

// Element index of LanguageNames; empty outside 1..4.
QString LanguageNameAt(int index);
// The name of language k (1 or 2) in the current language; empty for any other k.
QString LanguageName(int k);

// Fills every caption and message table, in this order: messages, the tables above,
// print, channel editor, optional features, progress windows. Run once at start-up,
// before any window is loaded. The weather window fills its own captions when it loads
// (ModShowFreFun::LoadTVCHStrings) and the roger-beep texts are looked up by number
// (ModBeep::GetRBText).
void LoadLanguageStrings();

// (Caption setters for CommandClose/CommandHelp: core/widgets/CaptionSetters.h.)

}  // namespace ModEnglish

#pragma once
// Captions and lists of the optional-features editor (FrmOptFeatures), with the texts of
// this table that the channel editor, the weather editor and the main menu read.
//
// Naming: the English text in CamelCase without "&", blanks and punctuation, abbreviations
// written like words ("TX NRC" -> TxNrc, "HF Current MEM" -> HfCurrentMem); a unit in
// brackets becomes a suffix ("RB Time[ms]" -> RbTimeMs) and a misspelt word in the text is
// spelt right in the name ("RB Frequecy[Hz]" -> RbFrequencyHz); lists end in List. Where
// two tables share an English text, the second carries the field it labels or a 2.
// The comment gives the control that shows the text (Label1(i) is the label of Combo1(i)).
#include "core/lang/LangText.h"

namespace ModEnglishOpt {

inline LangText MenuWeatherChannel;  // "&Weather Channel"  main menu mnuTVChannel
inline LangText WeatherChannel;      // "Weather Channel"   weather editor caption
inline LangText Frequency;           // "Frequency"  channel editor grid header, column 1
inline LangText InitFreq;            // "init Freq"  channel editor grid header, column 2
inline LangText MicType;             // "MicType"     Label1(25)
inline LangText RxNrc;               // "RX NRC"      Label1(26)
inline LangText TxGate;              // "TxGate"      Label1(27)
inline LangText RxComp;              // "RxComp"      Label1(28)
inline LangText VoxLevel;            // "VoxLevel"    Label1(29)
inline LangText VoxTime;             // "VoxTime"     Label1(30)
inline LangText EchoVol;             // "Echo Vol"    Label1(31)
inline LangText EchoTime;            // "Echo Time"   Label1(32), field EchoTime
inline LangText Tdc;                 // "TDC"         Label1(33)
inline LangText TxNrc;               // "TX NRC"      Label1(35)
inline LangText HfCurrentMem;        // "HF Current MEM"   Label1(34)
inline LangText HamCurrentMem;       // "HAM Current MEM"  Label1(36)
inline LangText ScanType;            // "Scan Type"   Label1(39)
inline LangText Fin;                 // "FIN"         Label1(40)
inline LangText FreqCh;              // "FREQ CH " (trailing blank)  Label1(41), field FreqCh
inline LangText CurrentMenuPage;     // "Current Menu Page"  Label1(42), field MenuPage
inline LangText Dim;                 // "Dim"         Label1(43)
inline LangText FmDev;               // "FM DEV"      Label1(44)
inline LangText RfgDisplay;          // "RFG Display" Label1(45)
inline LangText PowerDisplay;        // "Power Display"  Label1(46)
inline LangText WxDisplay;           // "WX Display"  Label1(47); weather editor Label5
inline LangText SqlDisplay;          // "SQL Display" Label1(48)
inline LangText VolDisplay;          // "VOL Display" Label1(49)
inline LangText VoxSpk;              // "Vox Spk"     Label1(50)
inline LangText HfDwBand;            // "HF Dw Band"  Label1(51)
inline LangText HfDwChan;            // "HF Dw Chan"  Label1(52)
inline LangText HfDwMode;            // "HF DW Mode"  Label1(53)
inline LangText HamDwBand;           // "HAM Dw Band" Label1(54)
inline LangText HamDwChan;           // "HAM Dw Chan" Label1(55)
inline LangText HamDwMode;           // "HAM DW Mode" Label1(56)
inline LangText FinRange;            // "FinRange"    Label1(57)
inline LangText VolPath;             // "Vol Path"    Label1(58)
inline LangText FreqChOpt;           // "Freq_CH"     Label1(23), field FreqChOpt
inline LangText AsqLevel;            // "ASQ Level"   Label1(24)
inline LangText WorkMode;            // "Work Mode"   Label1(19)
inline LangText WorkGroup;           // "Work Group"  channel editor Label6
inline LangText CurrentCbGroup;      // "Current CB Group"   hidden label
inline LangText CurrentHfGroup;      // "Current HF Group"   hidden label
inline LangText LcdDisplayInTx;      // "LCD Display In Tx"  hidden label
inline LangText Agc;                 // "AGC"         Label1(3)
inline LangText RbFrequencyHz;       // "RB Frequecy[Hz]"    hidden label
inline LangText RbTimeMs;            // "RB Time[ms]"        hidden label
inline LangText CwFrequencyHz;       // "CW Frequecy[Hz]"    Label1(38)
inline LangText CwBeep;              // "CW Beep"     Label1(37)
inline LangText CallFrequencyHz;     // "Call Frequecy[Hz]"  hidden label
inline LangText Mic;                 // "Mic"         Label1(8)
inline LangText Tone;                // "Tone"        Label1(9)
inline LangText Nog;                 // "NOG"         Label1(10)
inline LangText VoxSensi;            // "VOX Sensi"   hidden label
inline LangText VoxAnti;             // "VOX Anti"    hidden label
inline LangText VoxDelayTimeS;       // "VOX Delay Time[s]"  hidden label
inline LangText EchoDelay;           // "Echo Delay"  hidden label
inline LangText EchoTime2;           // "Echo Time"   hidden label (the second "Echo Time")
inline LangText BacklightColor;      // "Backlight Color"     hidden label
inline LangText BacklightContrast;   // "Backlight Contrast"  hidden label
inline LangText CurrentMenuPage9;    // "Current Menu Page" / "当前菜单页"  Label1(21), field MenuPage9
inline LangText Public;              // "Public"      Frame2
inline LangText VoxFunction;         // "VOX Function"  Check1(0)
inline LangText MemMenu;             // "MEM Menu"      Check1(1)
inline LangText Beep;                // "Beep"          Check1(2)
inline LangText SwrProtect;          // "SWR Protect"   Check1(3)
inline LangText BatteryVoltageProtect;  // "Battery Voltage Protect"  Check1(4)
inline LangText Off;                 // "Off"  lists whose first item is Off; tone list "Off"
inline LangList<2> DelAddList;       // "Del", "Add"  channel editor
inline LangText GroupName;           // "Group Name"  channel editor Label4
inline LangText GroupValid;          // "Group Valid" channel editor Check1, Label2(6)
inline LangText DwChx;               // "DW CHX"      channel editor Label2(3), Label2(4) + digit
inline LangText EmgMode;             // "EMG Mode"    channel editor Label2(2), Label2(5) + digit
inline LangList<8> BacklightColorList;  // "White" .. "Loop"  Combo1(17)
inline LangText OptionalFeatures;    // "Optional Features"  window caption
inline LangText Emg;                 // "EMG " (trailing blank)  channel editor Label2(0), Label2(1) + digit
inline LangText Tot;                 // "TOT"         Label1(11)
inline LangList<4> LcdDisplayInTxList;  // "Tx Frequency Display" .. "Battery Voltage Display"  Combo1(2)

// Fills the tables above; start-up runs it once (ModEnglish::LoadLanguageStrings).
void LoadOptStrings();

}  // namespace ModEnglishOpt

#pragma once
// Captions and fixed lists of the channel editor (frmCommChInfo), also read by the
// optional-features editor (HiCut .. Plus10KHz) and the weather editor (ChNo, Scan, WN,
// NarrowWide).
//
// Naming: the English text in CamelCase without "&" and punctuation ("CH No." -> ChNo,
// "+10KHz" -> Plus10KHz); lists end in List. Texts of the channel editor that live in
// ModEnglishOpt: Frequency, InitFreq, GroupName, GroupValid, Emg, EmgMode, DwChx, WorkGroup.
// Its OFF/ON and Del/Add lists are ModEnglishPrint::OnOffText and DelAddText.
#include "core/lang/LangText.h"

namespace ModEnglishChannelInfo {

inline LangText CheckRadioBand;      // "Check Radio &Band"    CommandCheckBand (and MnuCheckRadioBand)
inline LangText SelectHfHam;         // "Select HF/HAM"        Label3
inline LangText ChannelInformation;  // "Channel Information"  window caption
inline LangText Band;                // "Band"                 Label1
inline LangText ChNo;                // "CH No."               grid header, column 0
inline LangText Txcdt;               // "TXCDT" (both languages)  Label5(0), Label5(8)
inline LangText TxcdtEncode;         // "TXCDT" / "编码"        Label5(14)
inline LangText Rxcdt;               // "RXCDT"   Label5(15)
inline LangText HiCut;               // "HI-CUT"  Label5(2)
inline LangText NbAnl;               // "NB/ANL"  Label5(3)
inline LangText Echo;                // "ECHO"    Label5(4)
inline LangText Plus10KHz;           // "+10KHz"  Label5(5)
inline LangText Busy;                // "BUSY"    Label5(6)
inline LangText Scan;                // "Scan"    Label5(10)
inline LangText Channel;             // "Channel" CommandCHInfoEdit
inline LangText WN;                  // "W/N"     weather grid header
inline PairText NarrowWide;          // item 0 "Narrow", item 1 "Wide"  weather W/N list

inline LangList<6> ModeList;      // "FM", "AM", "USB", "LSB", "PA", "CW"  Combo4
inline LangList<5> ModeListNoPa;  // "FM", "AM", "USB", "LSB", "CW"        Combo1(2), Combo1(5)
inline LangList<3> ShiftList;     // "OFF", "+", "-"                       Combo8(7)

void LoadChannelInfoStrings();

}  // namespace ModEnglishChannelInfo

#pragma once
// Captions of the weather-channel editor (FrmTVCH), filled by the window each time it
// loads. Its caption is ModEnglishOpt::WeatherChannel (filled here again with the same
// texts) and its Label5 reads ModEnglishOpt::WxDisplay.
#include "core/lang/LangText.h"

namespace ModShowFreFun {

inline LangText CurrentWeatherChannel;  // "Current Weather Channel"  Label1
inline LangText Alert;                  // "Alert"          Label2
inline LangText WxScanState;            // "Wx Scan State"  Label3
inline LangText WxVfo;                  // "Wx Vfo"         Label4
inline LangText WxSql;                  // "Wx Sql"         Label6

void LoadTVCHStrings();

}  // namespace ModShowFreFun

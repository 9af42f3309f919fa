#include "core/lang/ModShowFreFunText.h"

#include "core/lang/ModEnglishOpt.h"

namespace ModShowFreFun {

void LoadTVCHStrings() {
    ModEnglishOpt::WeatherChannel.Set(u"Weather Channel", u"气象信道");
    CurrentWeatherChannel.Set(u"Current Weather Channel", u"当前气象信道");
    Alert.SetBoth(u"Alert");
    WxScanState.SetBoth(u"Wx Scan State");
    WxVfo.SetBoth(u"Wx Vfo");
    WxSql.SetBoth(u"Wx Sql");
}

}  // namespace ModShowFreFun

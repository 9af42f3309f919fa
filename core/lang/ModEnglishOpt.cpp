#include "core/lang/ModEnglishOpt.h"

namespace ModEnglishOpt {

namespace {

void LoadLabelTexts() {
    MenuWeatherChannel.Set(u"&Weather Channel", u"气象信道(&W)");
    WeatherChannel.Set(u"Weather Channel", u"气象信道");
    Frequency.Set(u"Frequency", u"频率");
    InitFreq.Set(u"init Freq", u"初始频率");
    MicType.Set(u"MicType", u"Mic类型");
    RxNrc.SetBoth(u"RX NRC");
    TxGate.Set(u"TxGate", u"发射NG");
    RxComp.Set(u"RxComp", u"接收NC");
    VoxLevel.Set(u"VoxLevel", u"声控等级");
    VoxTime.Set(u"VoxTime", u"声控延时");
    EchoVol.SetBoth(u"Echo Vol");
    EchoTime.SetBoth(u"Echo Time");
    Tdc.Set(u"TDC", u"电压保护");
    TxNrc.SetBoth(u"TX NRC");
    HfCurrentMem.SetBoth(u"HF Current MEM");
    HamCurrentMem.SetBoth(u"HAM Current MEM");
    ScanType.SetBoth(u"Scan Type");
    Fin.SetBoth(u"FIN");
    FreqCh.SetBoth(u"FREQ CH ");
    CurrentMenuPage.SetBoth(u"Current Menu Page");
    Dim.SetBoth(u"Dim");
    FmDev.SetBoth(u"FM DEV");
    RfgDisplay.SetBoth(u"RFG Display");
    PowerDisplay.Set(u"Power Display", u"Power Displaye");
    WxDisplay.SetBoth(u"WX Display");
    SqlDisplay.Set(u"SQL Display", u"SQL Displaye");
    VolDisplay.Set(u"VOL Display", u"VOL Displaye");
    VoxSpk.SetBoth(u"Vox Spk");
    HfDwBand.SetBoth(u"HF Dw Band");
    HfDwChan.SetBoth(u"HF Dw Chan");
    HfDwMode.SetBoth(u"HF DW Mode");
    HamDwBand.SetBoth(u"HAM Dw Band");
    HamDwChan.SetBoth(u"HAM Dw Chan");
    HamDwMode.SetBoth(u"HAM DW Mode");
    FinRange.SetBoth(u"FinRange");
    VolPath.SetBoth(u"Vol Path");
    FreqChOpt.SetBoth(u"Freq_CH");
}

void LoadMoreLabelTexts() {
    AsqLevel.Set(u"ASQ Level", u"ASQ等级");
    WorkMode.Set(u"Work Mode", u"工作模式");
    WorkGroup.Set(u"Work Group", u"工作组");
    CurrentCbGroup.Set(u"Current CB Group", u"当前CB组");
    CurrentHfGroup.Set(u"Current HF Group", u"当前HF组");
    LcdDisplayInTx.Set(u"LCD Display In Tx", u"发射时LCD显示");
    Agc.SetBoth(u"AGC");
    RbFrequencyHz.Set(u"RB Frequecy[Hz]", u"RB 频率[Hz]");
    RbTimeMs.Set(u"RB Time[ms]", u"RB 时间[ms]");
    CwFrequencyHz.Set(u"CW Frequecy[Hz]", u"CW 频率[Hz]");
    CwBeep.SetBoth(u"CW Beep");
    CallFrequencyHz.Set(u"Call Frequecy[Hz]", u"Call 频率[Hz]");
    Mic.SetBoth(u"Mic");
    Tone.SetBoth(u"Tone");
    Nog.SetBoth(u"NOG");
    VoxSensi.SetBoth(u"VOX Sensi");
    VoxAnti.SetBoth(u"VOX Anti");
    VoxDelayTimeS.Set(u"VOX Delay Time[s]", u"VOX延迟时间[秒]");
    EchoDelay.SetBoth(u"Echo Delay");
    EchoTime2.SetBoth(u"Echo Time");
    BacklightColor.Set(u"Backlight Color", u"背光灯颜色");
    BacklightContrast.Set(u"Backlight Contrast", u"背光灯对比度");
    CurrentMenuPage9.Set(u"Current Menu Page", u"当前菜单页");
    Public.Set(u"Public", u"信道设置公共信道");
    VoxFunction.Set(u"VOX Function", u"VOX功能");
    MemMenu.Set(u"MEM Menu", u"MEM菜单");
    Beep.Set(u"Beep", u"提示音");
    SwrProtect.Set(u"SWR Protect", u"驻波保护");
    BatteryVoltageProtect.Set(u"Battery Voltage Protect", u"电池电压保护");
    Off.Set(u"Off", u"关");
}

void LoadListsAndEditorTexts() {
    DelAddList.Set(Lang::kEnglish, {u"Del", u"Add"});
    DelAddList.Set(Lang::kChinese, {u"删除", u"添加"});
    GroupName.Set(u"Group Name", u"组名称");
    GroupValid.Set(u"Group Valid", u"组有效");
    DwChx.Set(u"DW CHX", u"DW信道");
    EmgMode.SetBoth(u"EMG Mode");
    BacklightColorList.Set(Lang::kEnglish,
                           {u"White", u"Blue", u"Green", u"Red", u"Yellow", u"Purple", u"Cyan", u"Loop"});
    BacklightColorList.Set(Lang::kChinese, {u"白", u"蓝", u"绿", u"红", u"黄", u"紫", u"青", u"循环"});
    OptionalFeatures.Set(u"Optional Features", u"可选功能");
    Emg.Set(u"EMG ", u"紧急信道");
    Tot.Set(u"TOT", u"超时定时器预警[秒]");
    LcdDisplayInTxList.Set(Lang::kEnglish, {u"Tx Frequency Display", u"SWR LCD Display",
                                            u"TOT Remain Time Display", u"Battery Voltage Display"});
    LcdDisplayInTxList.Set(Lang::kChinese, {u"发射频率显示", u"SWR驻波LCD显示", u"TOT剩余时间显示", u"电池电压显示"});
}

}  // namespace

void LoadOptStrings() {
    LoadLabelTexts();
    LoadMoreLabelTexts();
    LoadListsAndEditorTexts();
}

}  // namespace ModEnglishOpt

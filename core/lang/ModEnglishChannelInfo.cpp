#include "core/lang/ModEnglishChannelInfo.h"

namespace ModEnglishChannelInfo {

namespace {

void LoadCaptions() {
    CheckRadioBand.Set(u"Check Radio &Band", u"检查机器频段(&B)");
    SelectHfHam.Set(u"Select HF/HAM", u"模式选择");
    ChannelInformation.Set(u"Channel Information", u"信道信息");
    Band.Set(u"Band", u"组");
    ChNo.Set(u"CH No.", u"信道");
    Txcdt.SetBoth(u"TXCDT");
    TxcdtEncode.Set(u"TXCDT", u"编码");
    Rxcdt.SetBoth(u"RXCDT");
    HiCut.SetBoth(u"HI-CUT");
    NbAnl.SetBoth(u"NB/ANL");
    Echo.SetBoth(u"ECHO");
    Plus10KHz.SetBoth(u"+10KHz");
    Busy.SetBoth(u"BUSY");
    Scan.Set(u"Scan", u"扫描");
    Channel.Set(u"Channel", u"信道编辑");
    // No Chinese wording exists for these two; the English stands in both languages.
    WN.SetBoth(u"W/N");
    NarrowWide.SetBoth({u"Narrow", u"Wide"});
}

void LoadLists() {
    ModeList.SetBoth({u"FM", u"AM", u"USB", u"LSB", u"PA", u"CW"});
    ModeListNoPa.SetBoth({u"FM", u"AM", u"USB", u"LSB", u"CW"});
    ShiftList.SetBoth({u"OFF", u"+", u"-"});
}

}  // namespace

void LoadChannelInfoStrings() {
    LoadCaptions();
    LoadLists();
}

}  // namespace ModEnglishChannelInfo

#include "core/startup/ModInitV.h"

#include "core/ChannelSlots.h"
#include "core/DefaultFrequencies.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ModVersion.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"

#include <QDate>
#include <QDir>

#include <initializer_list>

namespace ModInitV {

namespace {

void SetTones(RBToneSet& set, std::initializer_list<RBTone> tones) {
    int k = 1;
    for (const RBTone& t : tones) set.Tone[static_cast<std::size_t>(k++)] = t;
    set.RepeatTimes = 1;
    set.InterTime = 0;
}

// The built-in defaults of the working data, over an empty channel table and a record
// whose other values are zero (CurMode and the model values are set before).
void SetDataDefaults() {
    DataFileRec& d = Prog::RadioData;
    d.DataVersion.Set(ModVersion::kSoftVersion);
    d.CurGroup = {1, 1};
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= 13; ++group) d.CurChRow[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)] = 1;
    ChannelSlots::InitDefaultChannels();
    InitOptFeatDefaults(d.OptFeatures);
    InitRadioInfoDefaults();
    InitToneDefaults();
}

}  // namespace

void InitData() {
    Prog::IsNewData = -1;
    Prog::DataFileName = QStringLiteral("new.dat");
    Prog::DataFileName2 = Prog::DataFileName;
    Prog::CommType = Prog::ReadState = Prog::WriteState = 0;
    SetDataDefaults();
    LoadInitTemplate();
    ModFreFile::CopyToFileDataBuf();
}

void InitModelDefaults() {
    Prog::SoftModel = QStringLiteral("ZR73103");
    Prog::RadioData.CurMode = 1;
    Prog::BandRangeText = ModFreFile::kHamBandText;
    Prog::RadioVersion = ModVersion::kSoftVersion;
    ModFun::ParseBandRange();
}

bool LoadTemplateOrDefaults() {
    if (LoadInitTemplate()) return true;
    // The data in memory must not pass for the template: start again from what start-up
    // has before its template, with empty records.
    Prog::RadioData = DataFileRec{};
    Prog::FileDataBuf = DataFileRec{};
    Prog::ChInfo.Clear();
    Prog::FileChInfo.Clear();
    InitModelDefaults();
    SetDataDefaults();
    ModFreFile::CopyToFileDataBuf();
    return false;
}

void AddDefaultChannel(int mode, int group) {
    if (group >= 1 && group <= 10)
        ChannelSlots::AddChannel(1, mode, group, DefaultFrequencies::GroupDefaultFrequency(group));
    Windows().ReShowGrid(1);
}

void InitOptFeatDefaults(OptFeatRec& o) {
    for (std::size_t mode = 0; mode < kModeCount; ++mode)
        for (std::size_t group = 1; group <= 12; ++group) {
            o.GroupValid[mode][group] = 1;
            o.GroupName[mode][group].Set(std::string{ModFun::kGroupLetters[group - 1], '\0'});
            o.EmgCh1[mode][group] = o.EmgCh2[mode][group] = 1;
            o.DwCh1[mode][group] = o.DwCh2[mode][group] = 1;
            o.MemCh1[mode][group] = 1;
        }
    o.OptSpare1 = 2;
    o.WorkMode = 1;
    o.WorkGroup = {1, 1};
    o.NbAnl = 1;
    o.RBEnable = 1;
    o.BeepOn = 1;
    o.MicGain = 15;
    o.Nog = 15;
    o.SwrProtect = 1;
    o.MenuPage9 = 1;
    o.StartChar.Set("7310N");
    o.MaxVolt = 160;
    o.Mode = 1;
    o.FmEnable = o.AmEnable = o.UsbEnable = o.LsbEnable = 1;
    o.CwEnable = 0;
    o.PaEnable = 1;

    DataFileRec& d = Prog::RadioData;
    d.FreqChOpt = 0;
    d.AsqLevel = 1;
    const int16 rssi[7] = {1, 3, 11, 16, 26, 31, 36};
    for (int i = 0; i < kRssiCount; ++i) d.RssiPoint[static_cast<std::size_t>(i + 1)] = rssi[i % 7];
    d.TxOffset = 100;
}

void InitRadioInfoDefaults() {
    RadioInfoRec& r = Prog::RadioData.RadioInfo;
    r.BandValid = ModFreFile::GetBandRangeFlag(Prog::BandRangeText, Prog::SoftModel);
    r.Model.Set((Prog::SoftModel + QChar(0)).left(6));
    r.TypeLetter = 67;
    r.DataDate.Set(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    r.FwVersion.Set("V1.00");
}

void InitToneDefaults() {
    auto& sets = Prog::RadioData.ToneTips;
    SetTones(sets[1], {{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}});
    SetTones(sets[2], {{80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4},
                       {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}});
    SetTones(sets[3], {{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}});
    SetTones(sets[4], {{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}});
    SetTones(sets[5], {{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}});
    for (int n = 6; n <= kRBSetCount; ++n) sets[static_cast<std::size_t>(n)] = RBToneSet{};
}

QString TemplatePath() { return QDir(Prog::ProgramDir).filePath(QStringLiteral("Init/ZR7310N_New.dat")); }

bool LoadInitTemplate() { return ModFreFile::LoadDataFileQuiet(TemplatePath()); }

}  // namespace ModInitV

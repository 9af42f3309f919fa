#include "core/ModelInfo.h"

#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"

namespace ModCommFun {

namespace {
// Cut at the first zero character, then trailing blanks removed: "ZR731 " followed by a
// zero character is "ZR731".
QString CleanModelText(const QString& text) {
    QString model = ModFun::TrimAtNull(text);
    while (!model.isEmpty() && model.back() == QLatin1Char(' ')) model.chop(1);
    return model;
}
}  // namespace

void GetSoftModelFromRadioInfo(const FixedText<7>& modelType) {
    QString model = CleanModelText(modelType.ToQString());
    if (model.isEmpty()) model = QStringLiteral("ZR73103");
    if (model == QLatin1String("ZR7310N")) model = QStringLiteral("ZR73103");
    Prog::SoftModel = model;
}

void PutSoftModelToRadioInfo(RadioInfoRec& radioInfo) {
    radioInfo.ModelType.Set((Prog::SoftModel + QChar(0)).left(7));
    radioInfo.IsBandRange = ModFreFile::GetBandRangeFlag(Prog::BandRangeText, Prog::SoftModel);
    radioInfo.BandCode = ModFreFile::GetBandCode(Prog::SoftModel);
    // Taken after the two calls above have trimmed SoftModel.
    radioInfo.Model.Set((Prog::SoftModel + QChar(0)).left(6));
}

}  // namespace ModCommFun

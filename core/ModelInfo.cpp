#include "core/ModelInfo.h"

#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"

namespace ModCommFun {

void GetSoftModelFromRadioInfo(const FixedText<7>& modelType) {
    QString model = ModFun::TrimAtNull(modelType.ToQString());
    if (model.isEmpty()) model = QStringLiteral("ZR73103");
    if (model == QLatin1String("ZR7310N")) model = QStringLiteral("ZR73103");
    Prog::SoftModel = model;
}

void PutSoftModelToRadioInfo(RadioInfoRec& radioInfo) {
    const QString withNul = Prog::SoftModel + QChar(0);
    radioInfo.ModelType.Set(withNul.left(7));
    radioInfo.IsBandRange = ModFreFile::GetBandRangeFlag(Prog::BandRangeText, Prog::SoftModel);
    radioInfo.BandCode = ModFreFile::GetBandCode(Prog::SoftModel);
    radioInfo.Model.Set(withNul.left(6));
}

}  // namespace ModCommFun

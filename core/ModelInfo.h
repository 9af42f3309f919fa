#pragma once
// The model and band information kept in RadioInfo of a data file.
#include "core/Records.h"

#include <QString>

namespace ModCommFun {

// SoftModel from the 7-character model text of a RadioInfoRec: cut at the first zero
// character, trailing blanks removed; empty gives "ZR73103", and "ZR7310N" is taken as
// "ZR73103". The record's own text is left as loaded: rewriting it would make data that was
// just opened differ from its file copy and count as modified.
void GetSoftModelFromRadioInfo(const FixedText<7>& modelType);

// ModelType, IsBandRange, BandCode and Model from SoftModel and BandRangeText. The band calls
// trim SoftModel, so Model is taken from the trimmed text.
void PutSoftModelToRadioInfo(RadioInfoRec& radioInfo);

}  // namespace ModCommFun

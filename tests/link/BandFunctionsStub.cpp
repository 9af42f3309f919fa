// The two band helpers of the data-file module, for building the model-text test while the
// caption tables that module needs are not part of the build.
#include "core/ModFreFile.h"

namespace ModFreFile {

int16 GetBandCode(QString& text) {
    text = text.trimmed();
    return 248;
}

int16 GetBandRangeFlag(const QString& bandText, QString& s) {
    s = s.trimmed();
    return bandText == kHfBandText ? 0 : 1;
}

}  // namespace ModFreFile

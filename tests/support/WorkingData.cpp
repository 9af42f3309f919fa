#include "WorkingData.h"

#include "core/DataFileCodec.h"
#include "core/ProgramData.h"

namespace TestData {

QByteArray WorkingRecords() {
    QByteArray bytes = DataFileCodec::EncodeDataFileRec(Prog::RadioData);
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int slot = 1; slot <= kSlotCount; ++slot)
            for (int group = 1; group <= kGroupCount; ++group)
                bytes += DataFileCodec::EncodeChannelRecord(Prog::ChInfo(mode, slot, group));
    return bytes;
}

QByteArray WorkingData() { return WorkingRecords() + Prog::DataFileName.toUtf8() + QByteArray::number(Prog::IsNewData); }

}  // namespace TestData

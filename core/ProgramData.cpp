#include "core/ProgramData.h"

namespace Prog {

void Reset() {
    RadioData = DataFileRec{};
    FileDataBuf = DataFileRec{};
    ChInfo.Clear();
    FileChInfo.Clear();
    IsNewData = 0;
    DataFileName.clear();
    DataFileName2.clear();
    ModelName.clear();
    SoftModel.clear();
    RadioVersion.clear();
    BandRangeText.clear();
    BandLowMHz = BandHighMHz = 0.0;
    CurLanguage = PreLanguage = EnglishOnly = 1;
    IsFirstRun = 0;
    ComPort = 1;
    Handshaking = 0;
    StopBit = 1;
    LocaleState = {};
    MultiWriteEnabled = SpecialMode = 0;
    CommType = ReadState = WriteState = MultiWrite = AskOnNoAnswer = 0;
    MsgQueue.count = 0;
    for (QString& s : MsgQueue.text) s.clear();
    ProgramDir.clear();
}

}  // namespace Prog

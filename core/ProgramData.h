#pragma once
// The program-wide values of the application core: the working data and its file copy,
// the names of the current data file, the model and band texts, language and serial
// settings, and the message queue. Every window and module reads and writes them here;
// Prog::Reset() puts them back to their state before start-up (tests start from it).
#include "core/Records.h"
#include "platform/DecimalSeparator.h"

#include <QString>
#include <array>

namespace Prog {

inline DataFileRec RadioData;      // what the editors show and change
inline DataFileRec FileDataBuf;    // the data file's image
inline ChannelTable ChInfo;        // channels of RadioData
inline ChannelTable FileChInfo;    // channels of the data file

inline int16 IsNewData = 0;        // -1 while the data has no file of its own
inline QString DataFileName;       // current ".dat" path; "new.dat" for data without a file
inline QString DataFileName2;      // the previous path, kept by File Open

inline QString ModelName;          // the served radio model
inline QString SoftModel;          // the model the data belongs to
inline QString RadioVersion;       // data or firmware version last met
inline QString BandRangeText;      // band range of the current mode
inline double BandLowMHz = 0.0;
inline double BandHighMHz = 0.0;

inline int16 CurLanguage = 1;      // 1 English, 2 Chinese
inline int16 PreLanguage = 1;
inline int16 EnglishOnly = 1;
inline int16 IsFirstRun = 0;

inline int16 ComPort = 1;
inline int16 Handshaking = 0;
inline int16 StopBit = 1;

inline DecimalSeparator::LocaleState LocaleState;  // the user's locale as found at start-up

inline int16 MultiWriteEnabled = 0;
inline int16 SpecialMode = 0;

// The radio link's operation and its states; start-up and the data reset clear them.
inline int16 CommType = 0;         // 0 idle, 1 read, 2 write, 3 radio information, 9 port search
inline int16 ReadState = 0;
inline int16 WriteState = 0;
inline int16 MultiWrite = 0;       // group write in progress
inline int16 AskOnNoAnswer = 0;

// Messages queued during a transfer, shown when it ends.
constexpr int kMsgQueueSize = 1001;
struct MsgQueueRec {
    int16 count = 0;
    std::array<QString, kMsgQueueSize> text;
};
inline MsgQueueRec MsgQueue;

// The program's own folder (where Init/, PIC/ and the log files are) and its file name.
inline QString ProgramDir;
inline QString ProgramFileName = QStringLiteral("ZRW7310N_II");

void Reset();

}  // namespace Prog

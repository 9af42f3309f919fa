#pragma once
// The data file pair: "<name>.dat" holds one 1989-byte DataFileRec, "<name>.fre" beside it
// the used channels as 64-byte records (mode 0..1, group 1..14, slot 1..ChCount). Moves data
// between the working copy (RadioData, ChInfo) and the file copy (FileDataBuf, FileChInfo)
// and tells whether the working data was modified.
#include "core/Records.h"

#include <QString>

namespace ModFreFile {

// The band-range texts of the two modes.
inline const QString kHfBandText = QStringLiteral("24.7150 - 30.1050 MHz");
inline const QString kHamBandText = QStringLiteral("28.0000 - 29.7000 MHz");

QString GetBandRangeText(int mode);                           // HF text for mode 0, else HAM
int16 GetBandCode(QString& text);                             // trims text; always 248
int16 GetBandRangeFlag(const QString& bandText, QString& s);  // trims s; 0 for the HF text, else 1

// "a.dat" gives "a.fre": the last three characters replaced.
QString ChannelFilePath(const QString& dataPath);

// The slot (1..ChCount) of channel chNo in ChInfo(mode, ., group), or 0.
int16 FindChannelByCHID(int chNo, int mode, int group);

void CopyToFileDataBuf();
void CopyFromFileDataBuf();

// Saves the working data under DataFileName. Both files are written completely beside their
// final names before either replaces the old one, so a failed write leaves the previous pair
// as it was (only a failure between the two final renames could part them). On any failure
// "file error." is shown and the data still counts as modified.
bool SaveDataFile();
// Opens the pair at path into the working data, with the version and length checks. Only an
// accepted pair renames the data: DataFileName := path, the previous name in DataFileName2.
// Until then DataFileName is the name of the data in memory, which is what a hand-over to
// another program version saves under.
bool OpenDataFile(const QString& path);
// Loads a pair without checks or messages (the start-up template). On failure the working
// data is unchanged and the file copy takes it.
bool LoadDataFileQuiet(const QString& path);

bool IsDataUnchanged();
bool IsDataModified();

}  // namespace ModFreFile

#include "core/ModFreFile.h"

#include "core/DataFileCodec.h"
#include "core/ModFun.h"
#include "core/ModVersion.h"
#include "core/ModelInfo.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModMsg.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace ModFreFile {

namespace {

// A data file pair read into memory and checked, not yet applied.
struct LoadedPair {
    DataFileRec rec;
    ChannelTable channels;
};

// Opens a file to be replaced and writes all of bytes to it. QSaveFile::commit overlooks a
// failed final flush, so the flush is checked here before anyone commits.
bool WriteComplete(QSaveFile& f, const QByteArray& bytes) {
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

void ShowFileError() { MsgBox::Show(ModMsg::FileError.Text(), MsgBox::OKOnly); }

// The first `limit` bytes of a regular file and the file's whole size. A folder, a device or
// a pipe is no data file (reading one could block or never end), and no more than the
// program needs is ever read.
struct FileHead {
    QByteArray bytes;
    qint64 size = 0;
};

std::optional<FileHead> ReadFileHead(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    FileHead head{f.read(limit), info.size()};
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return head;
}

int TotalChannels(const DataFileRec& rec) {
    int total = 0;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group) total += UsedSlots(rec, mode, group);
    return total;
}

// Counts outside a group's capacity would make every reader of the channel table index
// slots that do not exist; such a file is not one this program wrote.
bool CountsAreValid(const DataFileRec& rec) {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group) {
            const int count = rec.ChCountAt(mode, group);
            if (count < 0 || count > GroupCapacity(mode, group)) return false;
        }
    return true;
}

// Every channel number within its group's range and unique within the group.
bool ChannelNumbersAreValid(const DataFileRec& rec, const ChannelTable& channels) {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group) {
            const int count = rec.ChCountAt(mode, group);
            const int capacity = GroupCapacity(mode, group);
            std::array<bool, 100> seen{};
            for (int slot = 1; slot <= count; ++slot) {
                const int chNo = channels(mode, slot, group).ChNo;
                if (chNo < 1 || chNo > capacity || seen[static_cast<std::size_t>(chNo)]) return false;
                seen[static_cast<std::size_t>(chNo)] = true;
            }
        }
    return true;
}

// Reads the channel file of dataPath for the counts of rec into channels.
bool ReadChannels(const QString& dataPath, const DataFileRec& rec, ChannelTable& channels) {
    const auto head = ReadFileHead(ChannelFilePath(dataPath),
                                   qint64{TotalChannels(rec)} * DataFileCodec::kChannelRecordSize);
    if (!head) return false;
    const QByteArray& bytes = head->bytes;
    int offset = 0;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= UsedSlots(rec, mode, group); ++slot) {
                if (!DataFileCodec::DecodeChannelRecord(bytes, offset, channels(mode, slot, group))) return false;
                offset += DataFileCodec::kChannelRecordSize;
            }
    return true;
}

QByteArray EncodeChannels(const DataFileRec& rec, const ChannelTable& channels) {
    QByteArray out;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= UsedSlots(rec, mode, group); ++slot)
                out += DataFileCodec::EncodeChannelRecord(channels(mode, slot, group));
    return out;
}

// The record and channels of a pair, checked; nullopt when anything is unreadable or invalid.
std::optional<LoadedPair> ReadPair(const QString& dataPath, const QByteArray& dataBytes) {
    LoadedPair pair;
    pair.channels = Prog::FileChInfo;  // slots beyond the counts keep what they held
    if (!DataFileCodec::DecodeDataFileRec(dataBytes, pair.rec) || !CountsAreValid(pair.rec)) return std::nullopt;
    if (!ReadChannels(dataPath, pair.rec, pair.channels)) return std::nullopt;
    if (!ChannelNumbersAreValid(pair.rec, pair.channels)) return std::nullopt;
    return pair;
}

// A mode that a file names out of range becomes HAM (1, the start-up mode), a group out of
// range the first one; these values only say where the editor stands and are not part of the
// compared data. (Grid rows are checked by the editor that shows them.)
void NormaliseViewState(DataFileRec& rec) {
    if (rec.CurMode != 0 && rec.CurMode != 1) rec.CurMode = 1;
    for (int mode = 0; mode < kModeCount; ++mode) {
        int16& group = rec.CurGroup[static_cast<std::size_t>(mode)];
        if (!IsValidModeGroup(mode, group)) group = 1;
    }
}

void ApplyPair(LoadedPair& pair) {
    NormaliseViewState(pair.rec);
    Prog::FileDataBuf = pair.rec;
    Prog::FileChInfo = pair.channels;
}

void CaptionMainWindow() {
    if (Windows().IsMainWindowLoaded()) Windows().SetMainCaption();
}

bool ChannelsUnchanged() {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group) {
            const int count = UsedSlots(Prog::FileDataBuf, mode, group);
            if (Prog::RadioData.ChCountAt(mode, group) != Prog::FileDataBuf.ChCountAt(mode, group)) return false;
            for (int k = 1; k <= count; ++k) {
                const ChannelRecord& fileCh = Prog::FileChInfo(mode, k, group);
                int slot = k;
                if (Prog::ChInfo(mode, k, group).ChNo != fileCh.ChNo) slot = FindChannelByCHID(fileCh.ChNo, mode, group);
                if (slot == 0 || !(Prog::ChInfo(mode, slot, group) == fileCh)) return false;
            }
        }
    return true;
}

bool OptFeaturesUnchanged(const OptFeatRec& a, const OptFeatRec& b) {
    OptFeatRec x = a, y = b;
    // Group names compare as texts: "A", a zero and blanks equals "A" and blanks.
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int g = 1; g <= kOptGroupCount; ++g) {
            auto& nx = x.GroupName[static_cast<std::size_t>(mode)][static_cast<std::size_t>(g)];
            auto& ny = y.GroupName[static_cast<std::size_t>(mode)][static_cast<std::size_t>(g)];
            if (ModFun::TrimAtNull(nx.ToQString()) != ModFun::TrimAtNull(ny.ToQString())) return false;
            nx = ny;
        }
    return x == y;
}

// Every field after ToneTips, compared as the file holds them (a weather frequency that is
// not a number still equals itself there).
bool TailUnchanged(const DataFileRec& a, const DataFileRec& b) {
    // File offset of FreqChOpt, the first field after the tone sets: DataVersion, CurMode,
    // CurGroup, CurChRow and ChCount, then RadioInfo, OptFeatures and the tone sets.
    constexpr int kHeadSize = 4 + 2 + kModeCount * 2 + 2 * (kModeCount * kGroupCount * 2);
    constexpr int kRadioInfoSize = 34, kOptFeaturesSize = 631, kToneSetSize = 60;
    constexpr int kTail = kHeadSize + kRadioInfoSize + kOptFeaturesSize + kRBSetCount * kToneSetSize;
    static_assert(kTail == 1267 && kTail < DataFileCodec::kDataFileRecSize);
    return DataFileCodec::EncodeDataFileRec(a).mid(kTail) == DataFileCodec::EncodeDataFileRec(b).mid(kTail);
}

}  // namespace

QString GetBandRangeText(int mode) { return mode == 0 ? kHfBandText : kHamBandText; }

int16 GetBandCode(QString& text) {
    text = text.trimmed();
    return 248;
}

int16 GetBandRangeFlag(const QString& bandText, QString& s) {
    s = s.trimmed();
    return bandText == kHfBandText ? 0 : 1;
}

QString ChannelFilePath(const QString& dataPath) { return dataPath.left(dataPath.size() - 3) + QStringLiteral("fre"); }

int16 FindChannelByCHID(int chNo, int mode, int group) {
    if (mode < 0 || mode >= kModeCount || group < 1 || group > kGroupCount) return 0;
    const int count = UsedSlots(Prog::RadioData, mode, group);
    for (int slot = 1; slot <= count; ++slot)
        if (Prog::ChInfo(mode, slot, group).ChNo == chNo) return static_cast<int16>(slot);
    return 0;
}

void CopyToFileDataBuf() {
    ModCommFun::PutSoftModelToRadioInfo(Prog::RadioData.RadioInfo);
    Prog::RadioData.DataVersion.Set(ModVersion::kSoftVersion);
    Prog::FileDataBuf = Prog::RadioData;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= UsedSlots(Prog::RadioData, mode, group); ++slot)
                Prog::FileChInfo(mode, slot, group) = Prog::ChInfo(mode, slot, group);
}

void CopyFromFileDataBuf() {
    Prog::RadioData = Prog::FileDataBuf;
    Prog::RadioVersion = Prog::RadioData.DataVersion.ToQString();
    ModCommFun::GetSoftModelFromRadioInfo(Prog::RadioData.RadioInfo.ModelType);
    Prog::BandRangeText = GetBandRangeText(Prog::RadioData.CurMode);
    ModFun::ParseBandRange();
    CaptionMainWindow();
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= UsedSlots(Prog::RadioData, mode, group); ++slot)
                Prog::ChInfo(mode, slot, group) = Prog::FileChInfo(mode, slot, group);
}

bool SaveDataFile() {
    const QString path = Prog::DataFileName;
    const QString frePath = ChannelFilePath(path);
    const DataFileRec oldBuf = Prog::FileDataBuf;
    const ChannelTable oldChannels = Prog::FileChInfo;
    CopyToFileDataBuf();
    // Both files are written beside their final names first and only then put in place,
    // so a failure leaves the previous pair as it was.
    QSaveFile dat(path), fre(frePath);
    bool ok = frePath != path && WriteComplete(dat, DataFileCodec::EncodeDataFileRec(Prog::FileDataBuf)) &&
              WriteComplete(fre, EncodeChannels(Prog::FileDataBuf, Prog::FileChInfo));
    ok = ok && fre.commit() && dat.commit();
    if (!ok) {
        dat.cancelWriting();
        fre.cancelWriting();
        Prog::FileDataBuf = oldBuf;  // the data on disk did not change: it is still modified
        Prog::FileChInfo = oldChannels;
        ShowFileError();
        return false;
    }
    Prog::IsNewData = 0;
    CaptionMainWindow();
    return true;
}

bool OpenDataFile(const QString& path) {
    const auto head = ReadFileHead(path, DataFileCodec::kDataFileRecSize);
    if (!head) {
        ShowFileError();
        return false;
    }
    const QString version = QString::fromLatin1(head->bytes.left(4));
    if (!ModVersion::IsValidVersion(version)) {
        MsgBox::Show(ModVerionMana::UnknownDataVersionText(), MsgBox::OKOnly);
        return false;
    }
    if (!ModVerionMana::IsVersionMatch(ModVersion::kSoftVersion, version)) {
        const auto answer =
            MsgBox::Show(ModVerionMana::GetVersionErrMsg(ModVersion::kSoftVersion, version, 1), MsgBox::YesNo);
        if (answer == MsgBox::Yes) ModVerionMana::StartVersionSoft(version);
        return false;
    }
    if (head->size != DataFileCodec::kDataFileRecSize) {
        MsgBox::Show(ModVerionMana::NoSuchVersionText(), MsgBox::OKOnly);
        return false;
    }
    auto pair = ReadPair(path, head->bytes);
    if (!pair) {
        ShowFileError();
        return false;
    }
    pair->rec.DataVersion.Set(ModVersion::kSoftVersion);
    Prog::DataFileName2 = Prog::DataFileName;
    Prog::DataFileName = path;
    ApplyPair(*pair);
    CopyFromFileDataBuf();
    Windows().ShowChannelEditor();
    CaptionMainWindow();
    Windows().ChangeLanguage();
    Windows().Arrange(0);
    Prog::IsNewData = 0;
    return true;
}

bool LoadDataFileQuiet(const QString& path) {
    const auto head = ReadFileHead(path, DataFileCodec::kDataFileRecSize);
    std::optional<LoadedPair> pair;
    if (head) pair = ReadPair(path, head->bytes);
    if (!pair) {
        CopyToFileDataBuf();
        return false;
    }
    ApplyPair(*pair);
    CopyFromFileDataBuf();
    return true;
}

bool IsDataUnchanged() {
    const DataFileRec& w = Prog::RadioData;
    const DataFileRec& f = Prog::FileDataBuf;
    if (!ChannelsUnchanged()) return false;
    if (!(w.RadioInfo == f.RadioInfo)) return false;
    if (!OptFeaturesUnchanged(w.OptFeatures, f.OptFeatures)) return false;
    if (!(w.ToneTips == f.ToneTips)) return false;
    return TailUnchanged(w, f);
}

bool IsDataModified() { return !IsDataUnchanged(); }

}  // namespace ModFreFile

// The data file pair: layout on disk, save / open round trip, the modified test, every
// refusal of Open, and files that are damaged or hostile.
#include "CoreTestEnv.h"
#include "FakeWindowServices.h"
#include "FileSizeLimit.h"
#include "RecordingProcess.h"
#include "ScriptedMessageBoxes.h"
#include "core/DataFileCodec.h"
#include "core/ModFreFile.h"
#include "core/startup/ModMain.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>

namespace {

class DataFile : public ::testing::Test {
protected:
    void SetUp() override {
        ModMain::Main(nullptr);  // defaults; the test tree has no template
        Prog::DataFileName = env.Path(QStringLiteral("my.dat"));
    }
    QByteArray Read(const QString& name) const { return env.ReadFile(name); }
    QString Dat(const QString& name) const { return env.Path(name); }
    bool SaveAs(const QString& name) {
        Prog::DataFileName = Dat(name);
        return ModFreFile::SaveDataFile();
    }
    bool OpenFile(const QString& name) { return ModFreFile::OpenDataFile(Dat(name)); }
    // A snapshot of everything an Open may change.
    struct Snapshot {
        DataFileRec radio, file;
        QByteArray channels;
        bool operator==(const Snapshot&) const = default;
    };
    static Snapshot Take() {
        Snapshot s{Prog::RadioData, Prog::FileDataBuf, {}};
        for (int m = 0; m < 2; ++m)
            for (int g = 1; g <= 14; ++g)
                for (int slot = 1; slot <= 99; ++slot) s.channels += DataFileCodec::EncodeChannelRecord(Prog::ChInfo(m, slot, g));
        return s;
    }

    CoreTestEnv env;
    ScriptedMessageBoxes boxes;
    FakeWindowServices windows;
};

TEST_F(DataFile, SavedDataFileIsTheRecordAtItsOffsets) {
    Prog::RadioData.TVChannel[1].FreqMHz = 162.55;
    Prog::RadioData.HamPublic = 1;
    ASSERT_TRUE(ModFreFile::SaveDataFile());
    const QByteArray dat = Read(QStringLiteral("my.dat"));
    ASSERT_EQ(dat.size(), 1989);
    EXPECT_EQ(dat.left(4), QByteArray("V200"));
    EXPECT_EQ(dat.mid(122, 7), QByteArray("ZR73103"));                  // ModelType, zero cut off
    EXPECT_EQ(dat.mid(129, 4), QByteArray("\xF8\x00\x01\x00", 4));      // BandCode 248, IsBandRange 1
    EXPECT_EQ(dat.mid(146, 6), QByteArray("ZR7310"));                   // Model
    EXPECT_EQ(dat.mid(208, 4), QByteArray("A\0  ", 4));                 // GroupName of HF group A
    EXPECT_EQ(dat.mid(1318, 8), QByteArray("\x9A\x99\x99\x99\x99\x51\x64\x40", 8));
    EXPECT_EQ(dat[1988], '\x01');
    EXPECT_TRUE(windows.calls.contains(QStringLiteral("SetMainCaption")));
    EXPECT_EQ(Prog::IsNewData, 0);
}

TEST_F(DataFile, ChannelFileHoldsUsedChannelsInModeGroupSlotOrder) {
    ASSERT_TRUE(ModFreFile::SaveDataFile());
    const QByteArray fre = Read(QStringLiteral("my.fre"));
    // HF: 12 groups x M1..M6 + channel 1 of groups 1..10; HAM: A..I and MEM x 7.
    ASSERT_EQ(fre.size(), (72 + 10 + 70) * 64);
    EXPECT_EQ(fre.mid(0, 2), QByteArray("\x29\x00", 2));        // HF A slot 1 is channel 41
    EXPECT_EQ(fre.mid(6, 8), QByteArray("28015000"));           // its Freq
    EXPECT_EQ(fre.mid(56, 8), QByteArray("        "));          // its InitFreq
    EXPECT_EQ(fre.mid(6 * 64, 2), QByteArray("\x01\x00", 2));   // slot 7: channel 1
    EXPECT_EQ(fre.mid(7 * 64, 2), QByteArray("\x29\x00", 2));   // HF B slot 1
    EXPECT_EQ(fre.mid(82 * 64, 2), QByteArray("\x29\x00", 2));  // first HAM record
}

TEST_F(DataFile, SaveThenOpenGivesBackTheWorkingData) {
    Prog::ChInfo(1, 3, 2).TxTone = 45;
    Prog::RadioData.OptFeatures.WorkGroup[1] = 4;
    Prog::RadioData.ToneTips[7].RepeatTimes = 3;
    ASSERT_TRUE(ModFreFile::SaveDataFile());
    const Snapshot saved = Take();
    Prog::ChInfo(1, 3, 2).TxTone = 0;
    Prog::RadioData.OptFeatures.WorkGroup[1] = 1;
    Prog::RadioData.ChCountAt(0, 1) = 2;
    windows.calls.clear();
    ASSERT_TRUE(ModFreFile::OpenDataFile(Prog::DataFileName));
    EXPECT_EQ(Prog::RadioData, saved.radio);
    EXPECT_EQ(Prog::ChInfo(1, 3, 2).TxTone, 45);
    EXPECT_FALSE(ModFreFile::IsDataModified());
    EXPECT_EQ(Prog::IsNewData, 0);
    EXPECT_EQ(windows.calls, QStringList({"SetMainCaption", "ShowChannelEditor", "SetMainCaption", "ChangeLanguage",
                                          "Arrange 0"}));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DataFile, ModifiedTestMatchesChannelsByNumberAndIgnoresTheView) {
    ASSERT_TRUE(ModFreFile::SaveDataFile());
    EXPECT_FALSE(ModFreFile::IsDataModified());
    Prog::ChInfo(0, 2, 3).TxTone = 7;
    EXPECT_TRUE(ModFreFile::IsDataModified());
    Prog::ChInfo(0, 2, 3).TxTone = 0;
    EXPECT_FALSE(ModFreFile::IsDataModified());
    // the same channels in another slot order
    std::swap(Prog::ChInfo(0, 1, 3), Prog::ChInfo(0, 7, 3));
    EXPECT_FALSE(ModFreFile::IsDataModified());
    Prog::RadioData.CurMode = 0;
    Prog::RadioData.CurGroup[0] = 5;
    Prog::RadioData.CurChRow[1][4] = 30;
    EXPECT_FALSE(ModFreFile::IsDataModified());
    // group names compare as texts
    Prog::RadioData.OptFeatures.GroupName[0][1].Set("A");
    EXPECT_FALSE(ModFreFile::IsDataModified());
    Prog::RadioData.OptFeatures.GroupName[0][1].Set("Z");
    EXPECT_TRUE(ModFreFile::IsDataModified());
    Prog::RadioData.OptFeatures.GroupName[0][1].Set("A");
    Prog::RadioData.TVChannel[41].ScanAdd = 1;
    EXPECT_TRUE(ModFreFile::IsDataModified());
    Prog::RadioData.TVChannel[41].ScanAdd = 0;
    Prog::RadioData.ChCountAt(1, 1) -= 1;
    EXPECT_TRUE(ModFreFile::IsDataModified());
}

struct Refusal {
    const char* name;
    QByteArray datBytes;
    const char* message;
};

TEST_F(DataFile, EveryRefusalLeavesTheDataWithItsMessage) {
    ASSERT_TRUE(SaveAs(QStringLiteral("good.dat")));
    const QByteArray good = Read(QStringLiteral("good.dat"));
    auto withVersion = [&](const char* v) { return QByteArray(v, 4) + good.mid(4); };
    const std::vector<Refusal> cases = {
        {"1988 bytes", good.left(1988), "Fail to start the software. This version does not exist."},
        {"1990 bytes", good + '\0', "Fail to start the software. This version does not exist."},
        {"lower-case v", withVersion("v200"), "Unknown version Of DataFile!"},
        {"not a number", withVersion("V20A"), "Unknown version Of DataFile!"},
        {"other letter", withVersion("X200"), "Unknown version Of DataFile!"},
        {"empty file", QByteArray(), "Unknown version Of DataFile!"},
    };
    for (const Refusal& c : cases) {
        env.WriteFile(QStringLiteral("bad.dat"), c.datBytes);
        QFile::copy(Dat(QStringLiteral("good.fre")), Dat(QStringLiteral("bad.fre")));
        Prog::ChInfo(0, 1, 1).Busy = 1;  // working data differs from the file copy
        const Snapshot before = Take();
        boxes.Clear();
        EXPECT_FALSE(OpenFile(QStringLiteral("bad.dat"))) << c.name;
        EXPECT_EQ(boxes.prompts(), QStringList(QString::fromUtf8(c.message))) << c.name;
        EXPECT_TRUE(Take() == before) << c.name;
        EXPECT_EQ(Prog::DataFileName, Dat(QStringLiteral("good.dat"))) << c.name;  // not renamed
        QFile::remove(Dat(QStringLiteral("bad.fre")));
    }
}

TEST_F(DataFile, UnpairedVersionAsksAndYesStartsTheOtherVersion) {
    ASSERT_TRUE(SaveAs(QStringLiteral("good.dat")));
    env.WriteFile(QStringLiteral("v301.dat"), "V301" + Read(QStringLiteral("good.dat")).mid(4));
    const Snapshot before = Take();
    RecordingProcess process;
    boxes.Answer(MsgBox::No);
    EXPECT_FALSE(OpenFile(QStringLiteral("v301.dat")));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt,
              QStringLiteral("incompatible version. It may cause unknown error.To start the corresponding software "
                             "version, or not?\r\nDataFile version is V3.01\r\nprogramming software is V2.00"));
    EXPECT_EQ(boxes.shown()[0].style, MsgBox::YesNo);
    EXPECT_TRUE(process.started().isEmpty());
    boxes.Answer(MsgBox::Yes);
    EXPECT_FALSE(OpenFile(QStringLiteral("v301.dat")));
    EXPECT_EQ(process.started(), QStringList(env.Path(QStringLiteral("root/V300/ZRW7310N_II"))));
    EXPECT_EQ(process.terminations(), std::vector<int>{0});
    EXPECT_EQ(windows.calls.mid(windows.calls.indexOf(QStringLiteral("PrepareToEnd"))),
              QStringList({"PrepareToEnd", "CloseCommPort"}));
    EXPECT_TRUE(Take() == before);
    EXPECT_EQ(Prog::DataFileName, Dat(QStringLiteral("good.dat")));  // the exit steps saved under it
}

TEST_F(DataFile, HandOverWaitsForTheExitStepsAndCancelKeepsThisProgram) {
    ASSERT_TRUE(SaveAs(QStringLiteral("good.dat")));
    env.WriteFile(QStringLiteral("v301.dat"), "V301" + Read(QStringLiteral("good.dat")).mid(4));
    RecordingProcess process;
    windows.endAllowed = false;  // the user cancelled the save question
    boxes.Answer(MsgBox::Yes);
    EXPECT_FALSE(OpenFile(QStringLiteral("v301.dat")));
    EXPECT_TRUE(process.started().isEmpty());
    EXPECT_TRUE(process.terminations().empty());
    EXPECT_FALSE(windows.calls.contains(QStringLiteral("CloseCommPort")));
}

// Without pairs the program still opens its own files; any other version is asked about
// and Yes finds no version to start.
TEST(DataFileVersions, WithoutPairsOnlyTheOwnVersionOpens) {
    CoreTestEnv env("[Version]\r\n");
    ScriptedMessageBoxes boxes;
    FakeWindowServices windows;
    ModMain::Main(nullptr);
    Prog::DataFileName = env.Path(QStringLiteral("a.dat"));
    ASSERT_TRUE(ModFreFile::SaveDataFile());
    EXPECT_TRUE(ModFreFile::OpenDataFile(Prog::DataFileName));
    EXPECT_TRUE(boxes.shown().empty());

    env.WriteFile(QStringLiteral("v301.dat"), "V301" + env.ReadFile(QStringLiteral("a.dat")).mid(4));
    env.WriteFile(QStringLiteral("v301.fre"), env.ReadFile(QStringLiteral("a.fre")));
    Prog::DataFileName = env.Path(QStringLiteral("v301.dat"));
    RecordingProcess process;
    boxes.Answer({MsgBox::Yes, MsgBox::OK});
    EXPECT_FALSE(ModFreFile::OpenDataFile(Prog::DataFileName));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[0].prompt.contains(QStringLiteral("DataFile version is V3.01")));
    EXPECT_EQ(boxes.shown()[1].prompt, QStringLiteral("Fail to start the software. This version does not exist."));
    EXPECT_TRUE(process.started().isEmpty());
}

TEST_F(DataFile, ShortChannelFileOrBadCountsAreAFileErrorAndChangeNothing) {
    ASSERT_TRUE(SaveAs(QStringLiteral("good.dat")));
    const QByteArray dat = Read(QStringLiteral("good.dat"));
    const QByteArray fre = Read(QStringLiteral("good.fre"));
    QByteArray overfull = dat;
    overfull[66] = 61;  // HF group A claims 61 channels
    QByteArray negative = dat;
    negative[66] = '\xFF';
    negative[67] = '\xFF';
    QByteArray hamGroup12 = dat;
    hamGroup12[66 + 2 * (2 * 11 + 1)] = 1;  // ChCount(1, 12)
    QByteArray duplicate = fre;
    duplicate[64] = 41;  // slot 2 of HF A becomes a second channel 41
    struct Case { const char* name; QByteArray dat, fre; };
    const Case cases[] = {
        {"short channel file", dat, fre.left(fre.size() - 1)},
        {"no channel file", dat, QByteArray()},
        {"count above capacity", overfull, fre},
        {"negative count", negative, fre},
        {"channels in HAM group 12", hamGroup12, fre + QByteArray(64, '\0')},
        {"duplicate channel number", dat, duplicate},
    };
    for (const Case& c : cases) {
        env.WriteFile(QStringLiteral("bad.dat"), c.dat);
        QFile::remove(Dat(QStringLiteral("bad.fre")));
        if (QByteArrayView(c.name) != "no channel file") env.WriteFile(QStringLiteral("bad.fre"), c.fre);
        Prog::ChInfo(0, 1, 1).Busy = 1;
        const Snapshot before = Take();
        boxes.Clear();
        EXPECT_FALSE(OpenFile(QStringLiteral("bad.dat"))) << c.name;
        EXPECT_EQ(boxes.prompts(), QStringList(QStringLiteral("file error."))) << c.name;
        EXPECT_TRUE(Take() == before) << c.name;
    }
}

TEST_F(DataFile, FoldersDevicesAndHugeFilesAreRefusedWithoutReadingThem) {
    ASSERT_TRUE(SaveAs(QStringLiteral("good.dat")));
    // a sparse file of 4 GiB that starts like a good data file
    QFile huge(Dat(QStringLiteral("huge.dat")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(Read(QStringLiteral("good.dat")));
    ASSERT_TRUE(huge.resize(qint64{1} << 32));
    huge.close();
    QDir(env.Path(QString())).mkdir(QStringLiteral("folder.dat"));
    struct Case { QString path; const char* message; };
    const Case cases[] = {
        {Dat(QStringLiteral("huge.dat")), "Fail to start the software. This version does not exist."},
        {Dat(QStringLiteral("folder.dat")), "file error."},
        {QStringLiteral("/dev/zero"), "file error."},
        {Dat(QStringLiteral("missing.dat")), "file error."},
    };
    for (const Case& c : cases) {
        const Snapshot before = Take();
        boxes.Clear();
        EXPECT_FALSE(ModFreFile::OpenDataFile(c.path)) << c.path.toStdString();
        EXPECT_EQ(boxes.prompts(), QStringList(QString::fromUtf8(c.message))) << c.path.toStdString();
        EXPECT_TRUE(Take() == before);
        EXPECT_FALSE(ModFreFile::LoadDataFileQuiet(c.path));
    }
}

TEST_F(DataFile, AWeatherFrequencyThatIsNotANumberStillCountsAsSaved) {
    Prog::RadioData.TVChannel[3].FreqMHz = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(ModFreFile::SaveDataFile());
    EXPECT_FALSE(ModFreFile::IsDataModified());
    ASSERT_TRUE(ModFreFile::OpenDataFile(Prog::DataFileName));
    EXPECT_FALSE(ModFreFile::IsDataModified());
}

// A file size limit makes one of the two writes fail as a full disk would, while the
// previous pair is in place: the data file is 1989 bytes, the channel file of the defaults
// (72 + 10 + 70) x 64 = 9728 bytes, so 1000 bytes stop the data file and 4096 bytes let it
// through and stop the channel file.
class FailedSave : public DataFile {
protected:
    void SaveFailsAndKeepsThePair(rlim_t limit) {
        ASSERT_TRUE(ModFreFile::SaveDataFile());
        const QByteArray oldDat = Read(QStringLiteral("my.dat")), oldFre = Read(QStringLiteral("my.fre"));
        ASSERT_EQ(oldDat.size(), 1989);
        ASSERT_EQ(oldFre.size(), 9728);
        // a change in each file, so that a replaced file would show
        Prog::ChInfo(0, 1, 1).Busy = 1;
        Prog::RadioData.TVChannel[1].FreqMHz = 162.4;
        bool saved = true;
        {
            const FileSizeLimit small(limit);
            ASSERT_TRUE(small.Active());
            saved = ModFreFile::SaveDataFile();
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(boxes.prompts(), QStringList(QStringLiteral("file error.")));
        EXPECT_EQ(Read(QStringLiteral("my.dat")), oldDat);
        EXPECT_EQ(Read(QStringLiteral("my.fre")), oldFre);
        EXPECT_EQ(QDir(env.Path(QString())).entryList(QDir::Files), QStringList({"my.dat", "my.fre"}));
        EXPECT_TRUE(ModFreFile::IsDataModified());
        // with room on the disk again the same data saves
        EXPECT_TRUE(ModFreFile::SaveDataFile());
        EXPECT_FALSE(ModFreFile::IsDataModified());
        EXPECT_NE(Read(QStringLiteral("my.dat")), oldDat);
        EXPECT_NE(Read(QStringLiteral("my.fre")), oldFre);
    }
};

TEST_F(FailedSave, AFailedSaveKeepsThePreviousPairAndTheModifiedState) { SaveFailsAndKeepsThePair(1000); }

TEST_F(FailedSave, AFailureOnTheChannelFileSideKeepsThePreviousPairToo) { SaveFailsAndKeepsThePair(4096); }

TEST_F(DataFile, SavingUnderAChannelFileNameIsRefused) {
    EXPECT_FALSE(SaveAs(QStringLiteral("x.fre")));
    EXPECT_EQ(boxes.prompts(), QStringList(QStringLiteral("file error.")));
    EXPECT_FALSE(QFile::exists(Dat(QStringLiteral("x.fre"))));
}

TEST_F(DataFile, QuietLoadOfAMissingTemplateKeepsTheDataAndSyncsTheFileCopy) {
    Prog::ChInfo(0, 1, 1).Busy = 1;
    EXPECT_TRUE(ModFreFile::IsDataModified());
    EXPECT_FALSE(ModFreFile::LoadDataFileQuiet(Dat(QStringLiteral("missing.dat"))));
    EXPECT_EQ(Prog::ChInfo(0, 1, 1).Busy, 1);
    EXPECT_FALSE(ModFreFile::IsDataModified());
    EXPECT_TRUE(boxes.shown().empty());
}

// Random and mutated files: each is refused or loaded; a loaded one keeps every count within
// its group's capacity and channel numbers unique and in range.
TEST_F(DataFile, DamagedFilesAreRefusedOrLoadedSafely) {
    ASSERT_TRUE(SaveAs(QStringLiteral("good.dat")));
    const QByteArray dat = Read(QStringLiteral("good.dat"));
    const QByteArray fre = Read(QStringLiteral("good.fre"));
    std::mt19937 rng(1234);
    auto mutate = [&](QByteArray b, int flips) {
        for (int i = 0; i < flips && !b.isEmpty(); ++i) b[static_cast<int>(rng() % b.size())] = static_cast<char>(rng());
        return b;
    };
    for (int round = 0; round < 400; ++round) {
        QByteArray d, f;
        switch (round % 4) {
        case 0: d = mutate(dat, 1 + round % 7); f = fre; break;
        case 1: d = "V200" + mutate(dat.mid(4), 3); f = mutate(fre, 20); break;
        case 2: d = dat; f = fre.left(static_cast<int>(rng() % (fre.size() + 1))); break;
        default:
            d = "V200" + QByteArray(1985, '\0');
            for (int i = 4; i < d.size(); ++i) d[i] = static_cast<char>(rng());
            f = QByteArray(static_cast<int>(rng() % 20000), '\0');
            for (char& c : f) c = static_cast<char>(rng());
        }
        env.WriteFile(QStringLiteral("fuzz.dat"), d);
        env.WriteFile(QStringLiteral("fuzz.fre"), f);
        boxes.Clear();
        boxes.Answer(MsgBox::No);
        ModFreFile::OpenDataFile(Dat(QStringLiteral("fuzz.dat")));
        ModFreFile::LoadDataFileQuiet(Dat(QStringLiteral("fuzz.dat")));
        for (int m = 0; m < 2; ++m)
            for (int g = 1; g <= 14; ++g) {
                const int count = Prog::RadioData.ChCountAt(m, g);
                ASSERT_GE(count, 0);
                ASSERT_LE(count, GroupCapacity(m, g));
                std::set<int> numbers;
                for (int slot = 1; slot <= count; ++slot) {
                    const int n = Prog::ChInfo(m, slot, g).ChNo;
                    ASSERT_TRUE(n >= 1 && n <= GroupCapacity(m, g));
                    ASSERT_TRUE(numbers.insert(n).second);
                }
            }
        ASSERT_TRUE(Prog::RadioData.CurMode == 0 || Prog::RadioData.CurMode == 1);
        (void)ModFreFile::IsDataModified();
    }
}

}  // namespace

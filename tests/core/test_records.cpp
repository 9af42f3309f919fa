// File layouts of the records, pinned at offsets worked out by hand.
#include "core/DataFileCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct FieldCase {
    const char* name;
    std::function<void(DataFileRec&)> set;
    int offset;
    std::vector<unsigned char> bytes;
};

std::vector<unsigned char> At(const QByteArray& b, int offset, std::size_t n) {
    std::vector<unsigned char> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back(static_cast<unsigned char>(b[offset + static_cast<int>(i)]));
    return out;
}

TEST(DataFileLayout, RecordIsExactly1989Bytes) {
    EXPECT_EQ(DataFileCodec::EncodeDataFileRec(DataFileRec{}).size(), 1989);
}

TEST(DataFileLayout, EveryFieldLandsAtItsOffset) {
    const std::vector<FieldCase> cases = {
        {"DataVersion", [](DataFileRec& d) { d.DataVersion.Set("V200"); }, 0, {'V', '2', '0', '0'}},
        {"CurMode", [](DataFileRec& d) { d.CurMode = 0x0102; }, 4, {0x02, 0x01}},
        {"CurGroup(1)", [](DataFileRec& d) { d.CurGroup[1] = 9; }, 8, {9, 0}},
        // (mode, group) arrays: mode varies fastest
        {"CurChRow(0,1)", [](DataFileRec& d) { d.CurChRow[0][1] = 0x1234; }, 10, {0x34, 0x12}},
        {"CurChRow(1,1)", [](DataFileRec& d) { d.CurChRow[1][1] = 5; }, 12, {5, 0}},
        {"CurChRow(0,2)", [](DataFileRec& d) { d.CurChRow[0][2] = 6; }, 14, {6, 0}},
        {"ChCount(0,1)", [](DataFileRec& d) { d.ChCount[0][1] = 7; }, 66, {7, 0}},
        {"ChCount(1,14)", [](DataFileRec& d) { d.ChCount[1][14] = -2; }, 120, {0xFE, 0xFF}},
        {"ModelType", [](DataFileRec& d) { d.RadioInfo.ModelType.Set("ZR73103"); }, 122, {'Z', 'R', '7', '3', '1', '0', '3'}},
        {"BandCode", [](DataFileRec& d) { d.RadioInfo.BandCode = 248; }, 129, {248, 0}},
        {"IsBandRange", [](DataFileRec& d) { d.RadioInfo.IsBandRange = 1; }, 131, {1, 0}},
        {"DataDate", [](DataFileRec& d) { d.RadioInfo.DataDate.Set("20261209"); }, 133, {'2', '0', '2', '6', '1', '2', '0', '9'}},
        {"FwVersion", [](DataFileRec& d) { d.RadioInfo.FwVersion.Set("V1.00"); }, 141, {'V', '1', '.', '0', '0'}},
        {"Model", [](DataFileRec& d) { d.RadioInfo.Model.Set("ZR7310"); }, 146, {'Z', 'R', '7', '3', '1', '0'}},
        {"BandValid", [](DataFileRec& d) { d.RadioInfo.BandValid = 1; }, 152, {1, 0}},
        {"TypeLetter", [](DataFileRec& d) { d.RadioInfo.TypeLetter = 67; }, 154, {67, 0}},
        {"GroupValid(0,1)", [](DataFileRec& d) { d.OptFeatures.GroupValid[0][1] = 1; }, 156, {1, 0}},
        {"GroupValid(1,13)", [](DataFileRec& d) { d.OptFeatures.GroupValid[1][13] = 3; }, 206, {3, 0}},
        {"GroupName(0,1)", [](DataFileRec& d) { d.OptFeatures.GroupName[0][1].Set(std::string_view("A\0", 2)); }, 208, {'A', 0, ' ', ' '}},
        {"GroupName(1,1)", [](DataFileRec& d) { d.OptFeatures.GroupName[1][1].Set("B"); }, 212, {'B', ' ', ' ', ' '}},
        {"EmgCh1(0,1)", [](DataFileRec& d) { d.OptFeatures.EmgCh1[0][1] = 41; }, 312, {41, 0}},
        {"EmgCh2(0,1)", [](DataFileRec& d) { d.OptFeatures.EmgCh2[0][1] = 42; }, 364, {42, 0}},
        {"OptSpare1", [](DataFileRec& d) { d.OptFeatures.OptSpare1 = 2; }, 416, {2, 0}},
        {"WorkMode", [](DataFileRec& d) { d.OptFeatures.WorkMode = 1; }, 418, {1, 0}},
        {"WorkGroup(1)", [](DataFileRec& d) { d.OptFeatures.WorkGroup[1] = 4; }, 422, {4, 0}},
        {"OptSpare2", [](DataFileRec& d) { d.OptFeatures.OptSpare2 = 8; }, 430, {8, 0}},
        {"MemCh1(0,1)", [](DataFileRec& d) { d.OptFeatures.MemCh1[0][1] = 3; }, 432, {3, 0}},
        {"DwCh1(0,1)", [](DataFileRec& d) { d.OptFeatures.DwCh1[0][1] = 3; }, 484, {3, 0}},
        {"DwCh2(0,1)", [](DataFileRec& d) { d.OptFeatures.DwCh2[0][1] = 3; }, 536, {3, 0}},
        {"EmgMode1(0,1)", [](DataFileRec& d) { d.OptFeatures.EmgMode1[0][1] = 2; }, 588, {2, 0}},
        {"EmgMode1 group 14 of HAM", [](DataFileRec& d) { d.OptFeatures.EmgMode1At(1, 14) = 4; }, 642, {4, 0}},
        {"EmgMode2(0,1)", [](DataFileRec& d) { d.OptFeatures.EmgMode2[0][1] = 3; }, 644, {3, 0}},
        {"EmgMode2 group 14 of HF", [](DataFileRec& d) { d.OptFeatures.EmgMode2At(0, 14) = 1; }, 696, {1, 0}},
        {"Rtix", [](DataFileRec& d) { d.OptFeatures.Rtix = -1000; }, 700, {0x18, 0xFC}},
        {"Ttix", [](DataFileRec& d) { d.OptFeatures.Ttix = 1000; }, 702, {0xE8, 0x03}},
        {"public RBSet", [](DataFileRec& d) { d.OptFeatures.RBSet = 5; }, 712, {5, 0}},
        {"StartChar", [](DataFileRec& d) { d.OptFeatures.StartChar.Set("7310N"); }, 736, {'7', '3', '1', '0', 'N'}},
        {"MaxVolt", [](DataFileRec& d) { d.OptFeatures.MaxVolt = 160; }, 741, {160, 0}},
        {"public Mode", [](DataFileRec& d) { d.OptFeatures.Mode = 5; }, 743, {5, 0}},
        {"PaEnable", [](DataFileRec& d) { d.OptFeatures.PaEnable = 1; }, 755, {1, 0}},
        {"WxDisplay", [](DataFileRec& d) { d.OptFeatures.WxDisplay = 1; }, 785, {1, 0}},
        {"ToneTips(1) tone 1", [](DataFileRec& d) { d.ToneTips[1].Tone[1] = {210, 10}; }, 787, {210, 0, 10, 0}},
        {"ToneTips(1) RepeatTimes", [](DataFileRec& d) { d.ToneTips[1].RepeatTimes = 1; }, 843, {1, 0}},
        {"ToneTips(8) InterTime", [](DataFileRec& d) { d.ToneTips[8].InterTime = 30; }, 1265, {30, 0}},
        {"FreqChOpt", [](DataFileRec& d) { d.FreqChOpt = 1; }, 1267, {1, 0}},
        {"AsqLevel", [](DataFileRec& d) { d.AsqLevel = 9; }, 1269, {9, 0}},
        {"RssiPoint(14)", [](DataFileRec& d) { d.RssiPoint[14] = 36; }, 1297, {36, 0}},
        {"TxOffset", [](DataFileRec& d) { d.TxOffset = 50000; }, 1299, {0x50, 0xC3, 0x00, 0x00}},
        {"MicType", [](DataFileRec& d) { d.MicType = 1; }, 1303, {1}},
        {"FlagByte", [](DataFileRec& d) { d.FlagByte = 0xAB; }, 1315, {0xAB}},
        {"TVChannel(1) Valid", [](DataFileRec& d) { d.TVChannel[1].Valid = 1; }, 1316, {1, 0}},
        // 162.55 as an IEEE double is 0x406451999999999A
        {"TVChannel(1) FreqMHz", [](DataFileRec& d) { d.TVChannel[1].FreqMHz = 162.55; }, 1318,
         {0x9A, 0x99, 0x99, 0x99, 0x99, 0x51, 0x64, 0x40}},
        {"TVChannel(1) ScanAdd", [](DataFileRec& d) { d.TVChannel[1].ScanAdd = 1; }, 1330, {1, 0}},
        {"TVChannel(41) Valid", [](DataFileRec& d) { d.TVChannel[41].Valid = 1; }, 1956, {1, 0}},
        {"HfCurMem", [](DataFileRec& d) { d.HfCurMem = 98; }, 1972, {98}},
        {"WxSql", [](DataFileRec& d) { d.WxSql = 9; }, 1976, {9, 0}},
        {"VoxSpk", [](DataFileRec& d) { d.VoxSpk = 1; }, 1978, {1}},
        {"VolPath", [](DataFileRec& d) { d.VolPath = 2; }, 1986, {2}},
        {"HfPublic", [](DataFileRec& d) { d.HfPublic = 1; }, 1987, {1}},
        {"HamPublic", [](DataFileRec& d) { d.HamPublic = 1; }, 1988, {1}},
    };
    for (const FieldCase& c : cases) {
        DataFileRec rec;
        c.set(rec);
        const QByteArray bytes = DataFileCodec::EncodeDataFileRec(rec);
        ASSERT_EQ(bytes.size(), 1989) << c.name;
        EXPECT_EQ(At(bytes, c.offset, c.bytes.size()), c.bytes) << c.name;
        // nothing else is touched: every other byte stays zero
        int nonZero = 0;
        for (int i = 0; i < bytes.size(); ++i)
            if (bytes[i] != 0 && (i < c.offset || i >= c.offset + static_cast<int>(c.bytes.size()))) ++nonZero;
        EXPECT_EQ(nonZero, 0) << c.name;
    }
}

TEST(DataFileLayout, DecodeGivesBackWhatWasEncoded) {
    DataFileRec rec;
    rec.DataVersion.Set("V200");
    rec.ChCount[1][10] = 7;
    rec.OptFeatures.GroupName[1][9].Set("I");
    rec.ToneTips[3].Tone[14] = {170, 3};
    rec.TVChannel[41].FreqMHz = 174.0;
    rec.TxOffset = -5;
    rec.HamPublic = 255;
    DataFileRec back;
    ASSERT_TRUE(DataFileCodec::DecodeDataFileRec(DataFileCodec::EncodeDataFileRec(rec), back));
    EXPECT_EQ(back, rec);
}

TEST(DataFileLayout, ShortBufferIsRefusedAndLeavesTheRecord) {
    DataFileRec rec;
    rec.CurMode = 1;
    EXPECT_FALSE(DataFileCodec::DecodeDataFileRec(QByteArray(1988, '\x01'), rec));
    EXPECT_EQ(rec.CurMode, 1);
}

TEST(ChannelRecordLayout, FieldsAtTheirOffsets) {
    ChannelRecord c;
    c.ChNo = 41;
    c.InUse = 1;
    c.ScanAdd = 1;
    c.Freq.Set("280150");
    c.FreqCopy.Set("28015000");
    c.SpareWord = 0x0A0B;
    c.Mode = 4;
    c.RxTone = 142;
    c.TxTone = 39;
    c.RBSet = 8;
    c.RepDir = 2;
    c.Public = 1;
    c.TxToneType = 2;
    c.RxToneType = 1;
    c.InitFreq.Set("29700000");
    const QByteArray b = DataFileCodec::EncodeChannelRecord(c);
    ASSERT_EQ(b.size(), 64);
    EXPECT_EQ(At(b, 0, 6), (std::vector<unsigned char>{41, 0, 1, 0, 1, 0}));
    EXPECT_EQ(b.mid(6, 8), QByteArray("280150  "));
    EXPECT_EQ(b.mid(14, 8), QByteArray("28015000"));
    EXPECT_EQ(At(b, 22, 8), (std::vector<unsigned char>{0x0B, 0x0A, 4, 0, 142, 0, 39, 0}));
    EXPECT_EQ(At(b, 40, 2), (std::vector<unsigned char>{8, 0}));
    EXPECT_EQ(At(b, 46, 2), (std::vector<unsigned char>{2, 0}));
    EXPECT_EQ(At(b, 50, 6), (std::vector<unsigned char>{1, 0, 2, 0, 1, 0}));
    EXPECT_EQ(b.mid(56, 8), QByteArray("29700000"));
    ChannelRecord back;
    ASSERT_TRUE(DataFileCodec::DecodeChannelRecord(b, 0, back));
    EXPECT_EQ(back, c);
}

TEST(ChannelTableAccess, OutOfRangeIndexesThrowInsteadOfTouchingMemory) {
    ChannelTable t;
    EXPECT_NO_THROW(t(1, 99, 14));
    EXPECT_THROW(t(2, 1, 1), std::out_of_range);
    EXPECT_THROW(t(0, 0, 1), std::out_of_range);
    EXPECT_THROW(t(0, 100, 1), std::out_of_range);
    EXPECT_THROW(t(0, 1, 15), std::out_of_range);
    EXPECT_THROW(t(-1, 1, 1), std::out_of_range);
}

TEST(GroupCapacity, ByKindOfGroup) {
    EXPECT_EQ(GroupCapacity(0, 1), 60);
    EXPECT_EQ(GroupCapacity(0, 12), 60);
    EXPECT_EQ(GroupCapacity(0, 13), 99);
    EXPECT_EQ(GroupCapacity(0, 14), 1);
    EXPECT_EQ(GroupCapacity(1, 9), 60);
    EXPECT_EQ(GroupCapacity(1, 10), 99);
    EXPECT_EQ(GroupCapacity(1, 11), 1);
    EXPECT_EQ(GroupCapacity(1, 12), 0);
    EXPECT_EQ(GroupCapacity(1, 14), 0);
    EXPECT_EQ(GroupCapacity(2, 1), 0);
}

}  // namespace

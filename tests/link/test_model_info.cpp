// The model text between RadioInfo and SoftModel.
#include "core/ModFreFile.h"
#include "core/ModelInfo.h"
#include "core/ProgramData.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ModelInfo, SoftModelFromTheModelText) {
    struct Case { std::string text; const char* model; };
    const Case cases[] = {
        {"ZR73103", "ZR73103"},
        {"ZR7310N", "ZR73103"},
        {"ZR7310X", "ZR7310X"},
        {"       ", "ZR73103"},
        {std::string(7, '\0'), "ZR73103"},
        {std::string("\0ZR7310", 7), "ZR73103"},
        {std::string("ZR731\0 ", 7), "ZR731"},
        {std::string("ZR731 \0", 7), "ZR731"},
        {std::string("ZR 31\0X", 7), "ZR 31"},
    };
    for (const Case& c : cases) {
        Prog::Reset();
        FixedText<7> text;
        text.Set(std::string_view(c.text));
        ModCommFun::GetSoftModelFromRadioInfo(text);
        EXPECT_EQ(Prog::SoftModel, QString::fromLatin1(c.model)) << c.model;
    }
}

TEST(ModelInfo, ModelTextsIntoRadioInfo) {
    struct Case {
        const char* softModel;
        const QString* band;
        std::string modelType, model;
        int isBandRange;
        const char* trimmed;
    };
    const Case cases[] = {
        {"ZR73103", &ModFreFile::kHfBandText, "ZR73103", "ZR7310", 0, "ZR73103"},
        {"ZR731", &ModFreFile::kHamBandText, std::string("ZR731\0 ", 7), std::string("ZR731\0", 6), 1, "ZR731"},
        {" ZR73103 ", &ModFreFile::kHamBandText, " ZR7310", "ZR7310", 1, "ZR73103"},
    };
    for (const Case& c : cases) {
        Prog::Reset();
        Prog::SoftModel = QString::fromLatin1(c.softModel);
        Prog::BandRangeText = *c.band;
        RadioInfoRec info;
        ModCommFun::PutSoftModelToRadioInfo(info);
        EXPECT_EQ(info.ModelType.Str(), c.modelType) << c.softModel;
        EXPECT_EQ(info.Model.Str(), c.model) << c.softModel;
        EXPECT_EQ(info.BandCode, 248);
        EXPECT_EQ(info.IsBandRange, c.isBandRange) << c.softModel;
        EXPECT_EQ(Prog::SoftModel, QString::fromLatin1(c.trimmed));
    }
}

}  // namespace

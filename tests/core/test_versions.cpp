// Version texts, the version table and the question text.
#include "CoreTestEnv.h"
#include "core/ModVersion.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionText, Validity) {
    struct Case { QString text; int valid; };
    const Case cases[] = {
        {QStringLiteral("V200"), -1}, {QString::fromLatin1("V200\0  ", 7), -1}, {QStringLiteral("V200  "), -1},
        {QStringLiteral("V2000"), 0}, {QStringLiteral("X200"), 0},             {QStringLiteral("V20A"), 0},
        {QStringLiteral("v200"), 0},  {QStringLiteral("V20"), 0},              {QString(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ModVersion::IsValidVersion(c.text), c.valid) << c.text.toStdString();
}

TEST(VersionText, ParentPathAndShownForm) {
    EXPECT_EQ(ModVersion::GetParentPath(QStringLiteral("/opt/Radio/Prog")), QStringLiteral("/opt/Radio"));
    EXPECT_EQ(ModVersion::GetParentPath(QStringLiteral("Prog")), QStringLiteral("Prog"));
    EXPECT_EQ(ModVersion::GetAppRootPath(QStringLiteral("/r/V200")), QStringLiteral("/r"));
    EXPECT_EQ(ModVersion::ShowVersion(QStringLiteral("V301")), QStringLiteral("V3.01"));
}

TEST(VersionTable, PairsFromTheFile) {
    CoreTestEnv env("[Version]\r\nCurrentVersion=V200\r\nSoftVersionCount=2\r\nFirmVersionCount=3\r\n"
                    "[Soft]\r\nVersion0=V200\r\nVersion1=V300\r\n"
                    "[Firm]\r\nFirm0=V200V200\r\nFirm1=V300V301\r\nFirm2=V300V302\r\n");
    EXPECT_EQ(ModVerionMana::IsVersionMatch(QStringLiteral("V200"), QStringLiteral("V200")), -1);
    EXPECT_EQ(ModVerionMana::IsVersionMatch(QStringLiteral("V200"), QStringLiteral("V301")), 0);
    EXPECT_EQ(ModVerionMana::GetSoftVersionByFirm(QStringLiteral("V302")), QStringLiteral("V300"));
    EXPECT_EQ(ModVerionMana::GetSoftVersionByFirm(QStringLiteral("V999")), QString());
    EXPECT_EQ(ModVerionMana::Tables().SoftVersions, QStringList({"V200", "V300"}));
    EXPECT_EQ(Prog::RadioData.DataVersion.Str(), "V200");
}

// Without a usable table no pair is listed, yet the program's own version still pairs with
// itself: its own files and a radio of its own version must not be refused.
TEST(VersionTable, OwnVersionPairsWithItselfWhateverTheTableHolds) {
    struct Case { const char* name; QByteArray ini; bool writeIni; };
    const Case cases[] = {
        {"no Version.ini", QByteArray(), false},
        {"no FirmVersionCount", "[Firm]\r\nFirm0=V200V200\r\n", true},
        {"non-numeric count", "[Version]\r\nFirmVersionCount=x\r\n[Firm]\r\nFirm0=V200V200\r\n", true},
        {"count 0", "[Version]\r\nFirmVersionCount=0\r\n[Firm]\r\nFirm0=V200V200\r\n", true},
        {"no V200V200 pair", "[Version]\r\nFirmVersionCount=1\r\n[Firm]\r\nFirm0=V300V301\r\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CoreTestEnv env(c.ini);
        if (!c.writeIni) {
            QFile::remove(env.Path(QStringLiteral("root/Version.ini")));
            ModVerionMana::InitVersionManage();
        }
        const bool listsV301 = QByteArray(c.ini).contains("V300V301");
        EXPECT_EQ(ModVerionMana::Tables().FirmVersionCount(), listsV301 ? 1 : 0);
        EXPECT_EQ(ModVerionMana::IsVersionMatch(QStringLiteral("V200"), QStringLiteral("V200")), -1);
        EXPECT_EQ(ModVerionMana::IsVersionMatch(QStringLiteral("V200"), QStringLiteral("V301")), 0);
        EXPECT_EQ(ModVerionMana::IsVersionMatch(QStringLiteral("V300"), QStringLiteral("V301")), listsV301 ? -1 : 0);
        // only the exact own pair is implied
        EXPECT_EQ(ModVerionMana::IsVersionMatch(QStringLiteral("V300"), QStringLiteral("V300")), 0);
        EXPECT_EQ(ModVerionMana::IsVersionMatch(QStringLiteral("V200"), QStringLiteral("V200 ")), 0);
    }
}

TEST(VersionTable, QuestionTextInBothLanguages) {
    CoreTestEnv env;
    EXPECT_EQ(ModVerionMana::GetVersionErrMsg(QStringLiteral("V200"), QStringLiteral("V201"), 0),
              QStringLiteral("incompatible version. It may cause unknown error.To start the corresponding software "
                             "version, or not?\r\nFirmware version is V2.01\r\nprogramming software is V2.00"));
    Prog::CurLanguage = 2;
    EXPECT_EQ(ModVerionMana::GetVersionErrMsg(QStringLiteral("V200"), QStringLiteral("V301"), 1),
              QStringLiteral("版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n数据文件版本为 V3.01\r\n写频软件版本为 V2.00"));
}

}  // namespace

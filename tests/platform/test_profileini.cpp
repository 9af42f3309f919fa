#include "platform/ProfileIni.h"
#include "tests/support/FileSizeLimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProfileIniTest : public ::testing::Test {
protected:
    QString Path(const QString& name = QStringLiteral("mysetup.ini")) const { return dir_.filePath(name); }

    void Put(const QByteArray& content, const QString& name = QStringLiteral("mysetup.ini")) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray Content(const QString& name = QStringLiteral("mysetup.ini")) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir_;
};

struct ReadCase {
    const char* what;
    QByteArray content;
    QString section;
    QString key;
    QString expected;  // the default is "dflt"
};

const QString kLong600 = QString(600, u'a');

const ReadCase kReadCases[] = {
    {"section and key without regard to case", "[Language]\r\ncomPort=3\r\n", "LANGUAGE", "COMPORT", "3"},
    {"value trimmed of blanks and tabs", "[s]\r\nk= \t 12 \t \r\n", "s", "k", "12"},
    {"blanks around the key name", "[s]\r\n  k  =v\r\n", "s", "k", "v"},
    {"blanks inside the brackets", "[ s ]\r\nk=v\r\n", "s", "k", "v"},
    {"inner blanks of a value kept", "[s]\r\nk=a  b\r\n", "s", "k", "a  b"},
    {"everything after the first =", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
    {"empty value is not the default", "[s]\r\nk=\r\n", "s", "k", ""},
    {"missing key", "[s]\r\nother=1\r\n", "s", "k", "dflt"},
    {"missing section", "[t]\r\nk=1\r\n", "s", "k", "dflt"},
    {"key of the following section", "[s]\r\nx=1\r\n[t]\r\nk=2\r\n", "s", "k", "dflt"},
    {"key before any section", "k=1\r\n[s]\r\nx=2\r\n", "s", "k", "dflt"},
    {"commented-out key", "[s]\r\n;k=5\r\n", "s", "k", "dflt"},
    {"first of two equal keys", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
    {"LF line endings", "[s]\nk=7\n", "s", "k", "7"},
    {"last line without line ending", "[s]\r\nk=7", "s", "k", "7"},
    {"byte-order mark before the first section", "\xEF\xBB\xBF[s]\r\nk=7\r\n", "s", "k", "7"},
    {"UTF-8 value", "[s]\r\nk=\xE6\x96\x87\r\n", "s", "k", QString(QChar(0x6587))},
    {"long value cut at 511", "[s]\r\nk=" + kLong600.toLatin1() + "\r\n", "s", "k", QString(511, u'a')},
    {"blanks at the cut removed",
     "[s]\r\nk=" + QByteArray(509, 'a') + "    zz\r\n", "s", "k", QString(509, u'a')},
};

TEST_F(ProfileIniTest, ReadsValuesLikeTheProfileCalls)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        Put(c.content);
        EXPECT_EQ(ProfileIni::GetPrivateProfileString(c.section, c.key, "dflt", Path()), c.expected);
    }
}

TEST_F(ProfileIniTest, MissingFileGivesTheDefault)
{
    EXPECT_EQ(ProfileIni::GetPrivateProfileString("s", "k", "1", Path("none.ini")), "1");
    EXPECT_EQ(ProfileIni::GetPrivateProfileString("s", "k", QString(), Path("none.ini")), "");
}

struct WriteCase {
    const char* what;
    QByteArray before;
    QString section;
    QString key;
    QString value;
    QByteArray after;
};

const WriteCase kWriteCases[] = {
    {"replaced in place, comments and blank lines kept",
     "; settings\r\n[language]\r\nIsFirstRun=1\r\n\r\n; the port\r\ncomPort = 1 \r\nStopBit=1\r\n",
     "Language", "COMPORT", "3",
     "; settings\r\n[language]\r\nIsFirstRun=1\r\n\r\n; the port\r\ncomPort=3\r\nStopBit=1\r\n"},
    {"appended after the section's last line, before the blank line",
     "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "5",
     "[a]\r\nx=1\r\nz=5\r\n\r\n[b]\r\ny=2\r\n"},
    {"appended after a trailing comment of the section",
     "[a]\r\nx=1\r\n; end of a\r\n[b]\r\n", "a", "z", "5",
     "[a]\r\nx=1\r\n; end of a\r\nz=5\r\n[b]\r\n"},
    {"empty section", "[a]\r\n[b]\r\n", "A", "k", "1", "[a]\r\nk=1\r\n[b]\r\n"},
    {"missing section appended", "[a]\r\nx=1\r\n", "b", "k", "v", "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
    {"LF file stays LF", "[a]\nx=1\n", "a", "y", "2", "[a]\nx=1\ny=2\n"},
    {"last line without ending", "[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
    {"replacing a last line without ending", "[a]\r\nx=1", "a", "x", "2", "[a]\r\nx=2"},
    {"section missing, file without ending", "[a]\nx=1", "b", "k", "v", "[a]\nx=1\n[b]\nk=v\n"},
    {"empty file", "", "language", "comPort", "1", "[language]\r\ncomPort=1\r\n"},
    {"only the first of two equal sections", "[a]\r\nx=1\r\n[A]\r\nk=1\r\n", "a", "k", "2",
     "[a]\r\nx=1\r\nk=2\r\n[A]\r\nk=1\r\n"},
};

TEST_F(ProfileIniTest, WritesLikeTheProfileCalls)
{
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.what);
        Put(c.before);
        EXPECT_TRUE(ProfileIni::WritePrivateProfileString(c.section, c.key, c.value, Path()));
        EXPECT_EQ(Content(), c.after);
    }
}

TEST_F(ProfileIniTest, WriteCreatesAMissingFileWithCrLf)
{
    EXPECT_TRUE(ProfileIni::WritePrivateProfileString("language", "IsFirstRun", "0", Path()));
    EXPECT_TRUE(ProfileIni::WritePrivateProfileString("language", "comPort", "2", Path()));
    EXPECT_EQ(Content(), "[language]\r\nIsFirstRun=0\r\ncomPort=2\r\n");
    EXPECT_EQ(ProfileIni::GetPrivateProfileString("language", "comport", "", Path()), "2");
}

TEST_F(ProfileIniTest, WriteIntoAMissingFolderFails)
{
    const QString path = Path("absent/mysetup.ini");
    EXPECT_FALSE(ProfileIni::WritePrivateProfileString("language", "comPort", "1", path));
    EXPECT_FALSE(QDir(Path("absent")).exists());
}

TEST_F(ProfileIniTest, NamesAndValuesThatWouldNotReadBackAreRefused)
{
    const QByteArray before = "[a]\r\nx=1\r\n";
    Put(before);
    EXPECT_FALSE(ProfileIni::WritePrivateProfileString("a", "x", "1\r\n[b]", Path()));
    EXPECT_FALSE(ProfileIni::WritePrivateProfileString("a", "x=y", "1", Path()));
    EXPECT_FALSE(ProfileIni::WritePrivateProfileString("a", " ", "1", Path()));
    EXPECT_FALSE(ProfileIni::WritePrivateProfileString("a]", "x", "1", Path()));
    EXPECT_FALSE(ProfileIni::WritePrivateProfileString("", "x", "1", Path()));
    EXPECT_EQ(Content(), before);
}

// A write whose result equals the file's bytes leaves the file alone (start-up writes the
// port every run); one that changes a byte replaces it. The file is dated in the past
// beforehand, so a replacement shows as a new modification time.
struct RewriteCase {
    const char* what;
    QString key;
    QString value;
    bool replaced;
    QByteArray after;
};

TEST_F(ProfileIniTest, OnlyAChangedFileIsRewritten)
{
    const QByteArray before = "[language]\r\ncomPort=1\r\nStopBit = 2\r\n";
    const RewriteCase cases[] = {
        {"same value", "comPort", "1", false, before},
        {"same value, key in other case", "COMPORT", "1", false, before},
        {"same value, blanks around the old line's =", "StopBit", "2", true,
         "[language]\r\ncomPort=1\r\nStopBit=2\r\n"},
        {"other value", "comPort", "3", true, "[language]\r\ncomPort=3\r\nStopBit = 2\r\n"},
        {"new key", "IsFirstRun", "0", true, "[language]\r\ncomPort=1\r\nStopBit = 2\r\nIsFirstRun=0\r\n"},
    };
    const QDateTime past(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    for (const RewriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        Put(before);
        {
            QFile file(Path());
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
        }
        EXPECT_TRUE(ProfileIni::WritePrivateProfileString("Language", c.key, c.value, Path()));
        EXPECT_EQ(Content(), c.after);
        EXPECT_EQ(QFileInfo(Path()).lastModified() != past, c.replaced);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"mysetup.ini"});
    }
}

// A file size limit makes the write fail half way, as a full disk would.
TEST_F(ProfileIniTest, FailedWriteLeavesTheOldFileIntact)
{
    const QByteArray before = "[language]\r\ncomPort=1\r\n";
    Put(before);
    bool written = true;
    {
        const FileSizeLimit limit(64);
        ASSERT_TRUE(limit.Active());
        written = ProfileIni::WritePrivateProfileString("language", "comPort", QString(200, u'9'), Path());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(Content(), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"mysetup.ini"});
}

}  // namespace

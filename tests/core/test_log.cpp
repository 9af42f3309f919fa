// The daily log file of the serial traffic.
#include "core/Log.h"
#include "core/ProgramData.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QDateTime g_fakeNow;
QDateTime FakeNow() { return g_fakeNow; }

TEST(Log, HexText) {
    EXPECT_EQ(Log::GetHexText(QByteArray("\x06\x57\xFF", 3)), QStringLiteral("0657FF"));
    EXPECT_EQ(Log::GetHexText(QByteArray()), QString());
}

TEST(Log, OneQuotedLinePerCallAndOneFilePerDay) {
    QTemporaryDir dir;
    Prog::ProgramDir = dir.path();
    Log::SetClock(&FakeNow);
    g_fakeNow = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 58));
    Log::WriteLog(QStringLiteral("发送数据"), QStringLiteral("02"));
    Log::WriteLog(QStringLiteral("接收数据"), QStringLiteral("06"));
    g_fakeNow = QDateTime(QDate(2026, 12, 9), QTime(0, 0, 1));
    Log::WriteLog(QStringLiteral("发送数据"), QStringLiteral("454E44"));
    Log::SetClock(nullptr);

    QFile first(dir.filePath(QStringLiteral("log20261208.txt")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(first.readAll());
    EXPECT_EQ(text, QStringLiteral("\"2026/12/8 23:59:58---发送数据: 02\"\r\n"
                                   "\"2026/12/8 23:59:58---接收数据: 06\"\r\n"));
    QFile second(dir.filePath(QStringLiteral("log20261209.txt")));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(second.readAll()), QStringLiteral("\"2026/12/9 0:00:01---发送数据: 454E44\"\r\n"));
    Prog::Reset();
}

TEST(Log, AFolderThatCannotBeWrittenIsSkippedQuietly) {
    QTemporaryDir dir;
    Prog::ProgramDir = dir.filePath(QStringLiteral("missing"));
    Log::WriteLog(QStringLiteral("x"), QStringLiteral("y"));  // no exception, no folder made
    EXPECT_FALSE(QFileInfo::exists(Prog::ProgramDir));
    Prog::Reset();
}

}  // namespace

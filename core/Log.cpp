#include "core/Log.h"

#include "core/ProgramData.h"

#include <QDir>
#include <QFile>

namespace Log {

namespace {
QDateTime RealNow() { return QDateTime::currentDateTime(); }
QDateTime (*g_now)() = &RealNow;
}  // namespace

void SetClock(QDateTime (*now)()) { g_now = now ? now : &RealNow; }

QString LogFilePath(const QDate& day) {
    return QDir(Prog::ProgramDir).filePath(QStringLiteral("log") + day.toString(QStringLiteral("yyyyMMdd")) +
                                           QStringLiteral(".txt"));
}

QString FormatLine(const QDateTime& at, const QString& label, const QString& text) {
    // The date and time in one fixed numeric form, whatever the user's locale, so that log
    // files read alike on every machine.
    const QString stamp = at.toString(QStringLiteral("yyyy/M/d H:mm:ss"));
    return QLatin1Char('"') + stamp + QStringLiteral("---") + label + QStringLiteral(": ") + text +
           QLatin1Char('"') + QStringLiteral("\r\n");
}

void WriteLog(const QString& label, const QString& text) {
    const QDateTime now = g_now();
    QFile file(LogFilePath(now.date()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    file.write(FormatLine(now, label, text).toUtf8());
}

QString GetHexText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

}  // namespace Log

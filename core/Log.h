#pragma once
// The daily log of the serial traffic and of ports that would not open: "log" + YYYYMMDD +
// ".txt" in the program's folder, one quoted line per entry: "<date time>---<label>: <text>"
// followed by CR LF.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace Log {

// Appends one line to the day's file. A log that cannot be written is skipped silently:
// logging never disturbs a transfer.
void WriteLog(const QString& label, const QString& text);

// Two upper-case hexadecimal digits per byte, no separator.
QString GetHexText(const QByteArray& bytes);

// The file of the given day in the program's folder, and the line written at a moment.
QString LogFilePath(const QDate& day);
QString FormatLine(const QDateTime& at, const QString& label, const QString& text);

// Replaces the clock (tests); nullptr restores the real one.
void SetClock(QDateTime (*now)());

}  // namespace Log

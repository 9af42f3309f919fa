#pragma once
// A fresh installation tree for a core test: <tmp>/root/V200 as the program folder, with
// Version.ini and language/mysetup.ini in the root, and the program-wide values reset.
#include "core/ProgramData.h"
#include "core/ModVersion.h"
#include "core/lang/ModEnglish.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class CoreTestEnv {
public:
    explicit CoreTestEnv(const QByteArray& versionIni = "[Version]\r\nFirmVersionCount=2\r\n[Firm]\r\n"
                                                        "Firm0=V200V200\r\nFirm1=V300V301\r\n") {
        Prog::Reset();
        QDir(dir_.path()).mkpath(QStringLiteral("root/V200/Init"));
        QDir(dir_.path()).mkpath(QStringLiteral("root/language"));
        Prog::ProgramDir = dir_.filePath(QStringLiteral("root/V200"));
        WriteFile(QStringLiteral("root/Version.ini"), versionIni);
        ModEnglish::LoadLanguageStrings();
        ModVerionMana::InitVersionManage();
    }
    ~CoreTestEnv() { Prog::Reset(); }

    QString Path(const QString& relative) const { return dir_.filePath(relative); }
    void WriteFile(const QString& relative, const QByteArray& bytes) const {
        QFile f(Path(relative));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QByteArray ReadFile(const QString& relative) const {
        QFile f(Path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

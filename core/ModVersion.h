#pragma once
// Version texts ("V" and three digits), the version table "Version.ini" of the installation
// root, and handing over to the installed program version that supports a data file or a
// radio firmware this version does not.
#include <QString>
#include <QStringList>

namespace ModVersion {

// This program's own version: the version its data files carry and the software side of
// every version pair it checks.
inline const QString kSoftVersion = QStringLiteral("V200");

// -1 when s (trailing blanks removed, cut at the first zero character) is "V" followed by
// three characters that form a number; else 0.
int IsValidVersion(const QString& s);

// The path without its last "/" component; unchanged when it has none (or only a leading one).
QString GetParentPath(const QString& path);
// The installation root of a program folder: its parent folder.
QString GetAppRootPath(const QString& programDir);
// The settings file language/mysetup.ini of the installation root of the running program.
QString SetupIniPath();

// "V200" is shown as "V2.00".
QString ShowVersion(const QString& v);

}  // namespace ModVersion

namespace ModVerionMana {

// The table read from Version.ini.
struct VersionTables {
    QString CurrentVersion;
    QStringList SoftVersions;
    QStringList FirmPairs;  // 2 entries per pair: software version, supported version
    int FirmVersionCount() const { return static_cast<int>(FirmPairs.size() / 2); }
};
const VersionTables& Tables();

// Reads the version table (and sets DataVersion of RadioData to kSoftVersion). A missing
// table or count reads as no pairs.
void InitVersionManage();

// -1 when the table pairs soft with other; kSoftVersion always pairs with itself.
int IsVersionMatch(const QString& soft, const QString& other);
QString GetSoftVersionByFirm(const QString& v);

// kind 0: firmware, 1: data file.
QString GetVersionErrMsg(const QString& soft, const QString& other, int kind);

// Starts the program of the version that supports v and ends this one; shows
// "Fail to start the software. This version does not exist." when there is none.
void StartVersionSoft(const QString& v);

// The version messages in the current language.
QString NoSuchVersionText();
QString UnknownDataVersionText();

}  // namespace ModVerionMana

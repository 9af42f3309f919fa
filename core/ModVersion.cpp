#include "core/ModVersion.h"

#include "core/ModFun.h"
#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/LangText.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/ProfileIni.h"

namespace ModVersion {

int IsValidVersion(const QString& s) {
    const QString t = ModFun::TrimAtNull(s);
    if (t.size() != 4 || t[0] != QLatin1Char('V')) return 0;
    return NumText::IsNumeric(t.mid(1)) ? -1 : 0;
}

QString GetParentPath(const QString& path) {
    const auto p = path.lastIndexOf(QLatin1Char('/'));  // a separator after the first character
    return p > 0 ? path.left(p) : path;
}

QString GetAppRootPath(const QString& programDir) { return GetParentPath(programDir); }

QString SetupIniPath() { return GetAppRootPath(Prog::ProgramDir) + QStringLiteral("/language/mysetup.ini"); }

QString ShowVersion(const QString& v) { return v.left(2) + QLatin1Char('.') + v.right(2); }

}  // namespace ModVersion

namespace ModVerionMana {

namespace {

struct VersionMessages {
    LangText FirmwareLabel, SoftwareLabel, Question, NoSuchVersion, DataFileLabel, UnknownDataVersion;
};

VersionMessages LoadVersionStrings() {
    VersionMessages m;
    m.FirmwareLabel.Set(u"Firmware version is", u"固件版本为");
    m.SoftwareLabel.Set(u"programming software is", u"写频软件版本为");
    m.Question.Set(u"incompatible version. It may cause unknown error.To start the corresponding software version, "
                   u"or not?",
                   u"版本不兼容，有可能引起未知错误，是否启动对应版本软件？");
    m.NoSuchVersion.Set(u"Fail to start the software. This version does not exist.", u"未能启动，不存在此版本软件！");
    m.DataFileLabel.Set(u"DataFile version is", u"数据文件版本为");
    m.UnknownDataVersion.Set(u"Unknown version Of DataFile!", u"未能识别的数据版本!");
    return m;
}

const VersionMessages& Messages() {
    static const VersionMessages messages = LoadVersionStrings();
    return messages;
}

QString Text(const LangText& t) { return t.Text(); }

VersionTables g_tables;

QString ReadKey(const QString& file, const QString& section, const QString& key) {
    return ProfileIni::GetPrivateProfileString(section, key, QString(), file).trimmed();
}

int ReadCount(const QString& file, const QString& key) {
    const auto n = NumText::ToInt16(ReadKey(file, QStringLiteral("Version"), key));
    // A table with more entries than this is not one we wrote; treat it as damaged.
    return (n && *n > 0 && *n <= 1000) ? *n : 0;
}

}  // namespace

const VersionTables& Tables() { return g_tables; }

void InitVersionManage() {
    Prog::RadioData.DataVersion.Set(ModVersion::kSoftVersion);
    const QString file = ModVersion::GetAppRootPath(Prog::ProgramDir) + QStringLiteral("/Version.ini");
    g_tables = VersionTables{};
    g_tables.CurrentVersion = ReadKey(file, QStringLiteral("Version"), QStringLiteral("CurrentVersion"));
    const int softCount = ReadCount(file, QStringLiteral("SoftVersionCount"));
    const int firmCount = ReadCount(file, QStringLiteral("FirmVersionCount"));
    for (int i = 0; i < softCount; ++i)
        g_tables.SoftVersions << ReadKey(file, QStringLiteral("Soft"), QStringLiteral("Version%1").arg(i));
    for (int i = 0; i < firmCount; ++i) {
        const QString value = ReadKey(file, QStringLiteral("Firm"), QStringLiteral("Firm%1").arg(i));
        g_tables.FirmPairs << value.left(4) << value.right(4);
    }
}

int IsVersionMatch(const QString& soft, const QString& other) {
    // This program always reads its own files and radios of its own version, also when the
    // table is missing or damaged.
    const QString& own = ModVersion::kSoftVersion;
    if (soft == own && other == own) return -1;
    for (int i = 0; i < g_tables.FirmVersionCount(); ++i)
        if (g_tables.FirmPairs[2 * i] == soft && g_tables.FirmPairs[2 * i + 1] == other) return -1;
    return 0;
}

QString GetSoftVersionByFirm(const QString& v) {
    for (int i = 0; i < g_tables.FirmVersionCount(); ++i)
        if (g_tables.FirmPairs[2 * i + 1] == v) return g_tables.FirmPairs[2 * i];
    return QString();
}

QString GetVersionErrMsg(const QString& soft, const QString& other, int kind) {
    const VersionMessages& m = Messages();
    const QString crlf = QStringLiteral("\r\n");
    return Text(m.Question) + crlf + Text(kind == 0 ? m.FirmwareLabel : m.DataFileLabel) + QLatin1Char(' ') +
           ModVersion::ShowVersion(other) + crlf + Text(m.SoftwareLabel) + QLatin1Char(' ') +
           ModVersion::ShowVersion(soft);
}

QString NoSuchVersionText() { return Text(Messages().NoSuchVersion); }
QString UnknownDataVersionText() { return Text(Messages().UnknownDataVersion); }

void StartVersionSoft(const QString& v) {
    const QString sv = GetSoftVersionByFirm(v);
    if (sv.isEmpty()) {
        MsgBox::Show(NoSuchVersionText(), MsgBox::OKOnly);
        return;
    }
    const QString path = ModVersion::GetAppRootPath(Prog::ProgramDir) + QLatin1Char('/') + sv + QLatin1Char('/') +
                         Prog::ProgramFileName;
    // The program ends without its usual exit steps, so they run here: unsaved data is
    // offered for saving, and Cancel keeps this program running.
    if (!Windows().PrepareToEnd()) return;
    Windows().CloseCommPort();
    if (!Process::StartDetached(path)) {
        // The other version is not installed where the table says: say so and keep running
        // rather than ending with nothing started.
        MsgBox::Show(NoSuchVersionText(), MsgBox::OKOnly);
        return;
    }
    Process::TerminateCurrentProcess(0);
}

}  // namespace ModVerionMana

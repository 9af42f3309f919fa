#include "core/startup/ModMain.h"

#include "core/ModFun.h"
#include "core/ModVersion.h"
#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"
#include "platform/DecimalSeparator.h"
#include "platform/ProfileIni.h"

namespace ModMain {

namespace {

const QString kSection = QStringLiteral("language");

QString ReadKey(const QString& key) {
    return ProfileIni::GetPrivateProfileString(kSection, key, QString(), ModVersion::SetupIniPath()).trimmed();
}

void WriteKey(const QString& key, const QString& value) {
    ProfileIni::WritePrivateProfileString(kSection, key, value, ModVersion::SetupIniPath());
}

// A missing or unreadable flag counts as a first run, so the file gets its flag written.
int16 ReadBool(const QString& key) {
    const QString v = ReadKey(key);
    if (v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return -1;
    if (v.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return 0;
    const auto n = NumText::ToDouble(v);
    return (!n || *n != 0) ? -1 : 0;
}

int16 ReadInt(const QString& key, int16 def) { return ModFun::GetIntOrDefault(ReadKey(key), def); }

}  // namespace

void LoadSetupIni() {
    Prog::ComPort = 1;
    Prog::CurLanguage = Prog::EnglishOnly = Prog::PreLanguage = 1;
    Prog::MsgQueue.count = 0;
    Prog::IsFirstRun = ReadBool(QStringLiteral("IsFirstRun"));
    Prog::ModelName = QStringLiteral("ZR7310N");
    ModInitV::InitModelDefaults();
    Prog::ComPort = ReadInt(QStringLiteral("comPort"), 1);
    // Values the serial line cannot take are read as the usual ones.
    Prog::Handshaking = ReadInt(QStringLiteral("Handshaking"), 0);
    if (Prog::Handshaking < 0 || Prog::Handshaking > 3) Prog::Handshaking = 0;
    Prog::StopBit = ReadInt(QStringLiteral("StopBit"), 1);
    if (Prog::StopBit != 1 && Prog::StopBit != 2) Prog::StopBit = 1;
    if (Prog::IsFirstRun) {
        Prog::IsFirstRun = 0;
        WriteKey(QStringLiteral("IsFirstRun"), QStringLiteral("0"));
    }
    WriteKey(QStringLiteral("comPort"), QString::number(Prog::ComPort));
    Prog::MultiWrite = 0;
    Prog::AskOnNoAnswer = 0;
}

void Main(const std::function<void()>& createMainWindow) {
    ModVerionMana::InitVersionManage();
    Prog::MultiWriteEnabled = 0;
    Prog::SpecialMode = 0;
    Prog::LocaleState = DecimalSeparator::ReadUserLocale();
    LoadSetupIni();
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitData();
    if (createMainWindow) createMainWindow();
}

}  // namespace ModMain

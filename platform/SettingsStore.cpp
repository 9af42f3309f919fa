#include "platform/SettingsStore.h"

#include <QSettings>

// On Linux the native format is an INI file: $XDG_CONFIG_HOME/<appName>/<appName>.conf
// (HOME/.config when XDG_CONFIG_HOME is unset); a section is a group of it.
namespace SettingsStore {

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    settings.beginGroup(section);
    settings.setValue(key, value);
}

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& def)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    settings.beginGroup(section);
    return settings.value(key, def).toString();
}

}  // namespace SettingsStore

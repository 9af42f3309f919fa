#pragma once
// The per-user application settings store (values by application, section and key),
// kept by QSettings in its native format. HOME / XDG_CONFIG_HOME decide where it writes.
#include <QString>

namespace SettingsStore {

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& def = QString());

}  // namespace SettingsStore

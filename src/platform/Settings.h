// The per-user settings store (QSettings, application name = the executable's
// name, here "varnolt").
#pragma once

#include <QString>

namespace vrn {

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);

}  // namespace vrn

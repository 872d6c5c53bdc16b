#include "platform/Settings.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace vrn {

namespace {
std::unique_ptr<QSettings> store() {
    QString app = QCoreApplication::applicationName();
    if (app.isEmpty()) app = "varnolt";
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, app, app);
}
}  // namespace

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    return store()->value(section + "/" + key, defaultValue).toString();
}

void SaveSetting(const QString& section, const QString& key, const QString& value) {
    auto s = store();
    s->setValue(section + "/" + key, value);
    s->sync();
}

}  // namespace vrn

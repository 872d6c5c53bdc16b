#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/PlainFile.h"
#include "base/SafeSave.h"
#include "platform/Paths.h"

namespace vrn {

namespace {

// A settings file holds a few lines; anything much larger is not one of ours.
constexpr std::uintmax_t kMaxSettingsBytes = 1024u * 1024u;

QString& folderOverride() {
    static QString folder;
    return folder;
}

QString appName() {
    const QString app = QCoreApplication::applicationName();
    return app.isEmpty() ? QStringLiteral("varnolt") : app;
}

// The bytes of the store's file; empty when there is none yet. Refused with
// the reason: anything but a plain file, a file that cannot be read, one far
// too large.
bool readStore(const QString& path, QByteArray& bytes, std::string& error) {
    bytes.clear();
    const std::string p = toStd(path);
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0 && errno == ENOENT) return true;  // nothing stored yet
    std::uintmax_t size = 0;
    std::FILE* f = openPlainFile(p, error, &size);
    if (!f) return false;
    if (size > kMaxSettingsBytes) {
        std::fclose(f);
        error = fileErrorText(EFBIG, p);
        return false;
    }
    bytes.resize(static_cast<qsizetype>(size));
    const std::size_t got = std::fread(bytes.data(), 1, static_cast<std::size_t>(size), f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = fileErrorText(EIO, p);
        return false;
    }
    bytes.resize(static_cast<qsizetype>(got));
    return true;
}

// QSettings reads and changes the INI text on a private copy, so that the
// store's own file is touched only by the checks above and the safe save.
class IniCopy {
public:
    bool open(const QByteArray& bytes, std::string& error) {
        if (!dir_.isValid()) {
            error = "Im Ordner für temporäre Dateien lässt sich kein Ordner anlegen: " + toStd(QDir::tempPath());
            return false;
        }
        const std::string path = toStd(file());
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        std::string_view rest(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        int err = fd < 0 ? errno : 0;
        while (err == 0 && !rest.empty()) {
            const ssize_t put = ::write(fd, rest.data(), rest.size());
            if (put < 0 && errno != EINTR) err = errno;
            if (put > 0) rest.remove_prefix(static_cast<std::size_t>(put));
        }
        if (fd >= 0 && ::close(fd) != 0 && err == 0) err = errno;
        if (err != 0) {
            error = fileErrorText(err, path);
            return false;
        }
        settings_ = std::make_unique<QSettings>(file(), QSettings::IniFormat);
        return true;
    }
    QSettings& settings() { return *settings_; }
    // The changed text, once QSettings has written it.
    bool changed(QByteArray& bytes, std::string& error) {
        settings_->sync();
        QFile f(file());
        if (settings_->status() != QSettings::NoError || !f.open(QIODevice::ReadOnly)) {
            error = fileErrorText(EIO, toStd(file()));
            return false;
        }
        bytes = f.readAll();
        return true;
    }

private:
    QString file() const { return dir_.filePath("settings.ini"); }
    QTemporaryDir dir_{QDir::tempPath() + "/varnolt-settings-XXXXXX"};
    std::unique_ptr<QSettings> settings_;
};

}  // namespace

QString settingsFilePath() {
    // Where QSettings keeps the user's INI file: <folder>/<organisation>/<application>.ini.
    QString folder = folderOverride();
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + "/" + appName() + "/" + appName() + ".ini";
}

void setSettingsFolder(const QString& folder) {
    folderOverride() = folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    QByteArray bytes;
    std::string error;
    if (!readStore(settingsFilePath(), bytes, error) || bytes.isEmpty()) return defaultValue;
    IniCopy copy;
    if (!copy.open(bytes, error)) return defaultValue;
    return copy.settings().value(section + "/" + key, defaultValue).toString();
}

bool SaveSetting(const QString& section, const QString& key, const QString& value, std::string* error) {
    const QString path = settingsFilePath();
    const QString name = section + "/" + key;
    QByteArray bytes;
    std::string why;
    IniCopy copy;
    bool ok = readStore(path, bytes, why) && copy.open(bytes, why);
    if (ok && copy.settings().contains(name) && copy.settings().value(name).toString() == value) return true;
    if (ok) {
        copy.settings().setValue(name, value);
        ok = copy.changed(bytes, why);
    }
    if (ok) {
        // The folder is made when missing, as QSettings would.
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::path(toStd(path)).parent_path();
        std::filesystem::create_directories(folder, ec);
        if (ec) why = fileErrorText(ec.value(), folder.string());
        const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        ok = !ec && saveFileSafely(toStd(path), text, why);
    }
    if (!ok && error) *error = why;
    return ok;
}

}  // namespace vrn

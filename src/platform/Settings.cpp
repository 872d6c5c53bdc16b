#include "platform/Settings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include <sys/stat.h>

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

// The store's text, read and changed in memory as QSettings keeps an INI
// file: "[section]" lines, "key=value" lines, keys with "%XX" and "%UXXXX"
// for characters beyond letters, digits, "_", "-" and "." ("\" for "/"),
// values in double quotes when they hold ",", ";" or "=" or begin or end
// with a blank, with backslash escapes. Lines that are neither (a line of
// stray words or bytes) are damaged: they are left out, and everything else
// is read and written again as it stands.
class IniText {
public:
    explicit IniText(const QByteArray& bytes) {
        QString section;
        for (QByteArray line : bytes.split('\n')) {
            if (line.endsWith('\r')) line.chop(1);
            const QByteArray t = line.trimmed();
            if (t.isEmpty() || t.startsWith(';')) {
                lines_.push_back({t, section, {}, {}});
                continue;
            }
            if (damaged(t)) continue;
            if (t.startsWith('[')) {
                if (!t.endsWith(']') || t.size() < 3) continue;
                section = unescapedKey(t.mid(1, t.size() - 2));
                if (section == "General") section.clear();
                lines_.push_back({t, section, {}, {}});
                continue;
            }
            const qsizetype eq = t.indexOf('=');
            const QByteArray rawKey = eq > 0 ? t.left(eq).trimmed() : QByteArray();
            if (rawKey.isEmpty()) continue;
            const QString key = unescapedKey(rawKey);
            lines_.push_back({rawKey, section, section.isEmpty() ? key : section + "/" + key, t.mid(eq + 1).trimmed()});
        }
        while (!lines_.empty() && lines_.back().raw.isEmpty() && lines_.back().key.isEmpty()) lines_.pop_back();
    }

    // The value stored under section/key (the last one when the file holds it twice).
    std::optional<QString> value(const QString& name) const {
        for (auto it = lines_.rbegin(); it != lines_.rend(); ++it)
            if (!it->key.isEmpty() && it->key == name) return unescapedValue(it->value);
        return std::nullopt;
    }

    // The text with value stored under section/key.
    QByteArray with(const QString& section, const QString& key, const QString& value) const {
        const QString name = section.isEmpty() ? key : section + "/" + key;
        const QByteArray stored = escapedValue(value);
        std::vector<Line> lines = lines_;
        bool set = false;
        for (Line& l : lines)
            if (l.key == name) {
                l.value = stored;
                set = true;
            }
        if (!set) {
            // After the last line of the section, or in a new section at the end.
            std::size_t at = lines.size();
            bool found = false;
            for (std::size_t i = 0; i < lines.size(); ++i)
                if (lines[i].section == section && (!lines[i].key.isEmpty() || lines[i].raw.startsWith('['))) {
                    at = i + 1;
                    found = true;
                }
            if (!found) {
                if (!lines.empty()) lines.push_back({{}, {}, {}, {}});
                lines.push_back({"[" + escapedKey(section.isEmpty() ? QStringLiteral("General") : section) + "]",
                                 section, {}, {}});
                at = lines.size();
            }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), {escapedKey(key), section, name, stored});
        }
        QByteArray out;
        for (const Line& l : lines) out += (l.key.isEmpty() ? l.raw : l.raw + "=" + l.value) + "\n";
        return out;
    }

private:
    struct Line {
        QByteArray raw;  // the whole line; of an entry, its key as written
        QString section;
        QString key;     // section/key of an entry, else empty
        QByteArray value;
    };

    static bool damaged(const QByteArray& line) {
        return std::any_of(line.begin(), line.end(), [](char ch) {
            const auto c = static_cast<unsigned char>(ch);
            return (c < 0x20 && c != '\t') || c == 0x7F;
        });
    }

    static QString unescapedKey(const QByteArray& raw) {
        const QString s = QString::fromUtf8(raw);
        QString out;
        for (qsizetype i = 0; i < s.size();) {
            const QChar ch = s.at(i);
            if (ch == '\\') {
                out += '/';
                ++i;
                continue;
            }
            const int digits = ch == '%' && i + 1 < s.size() && s.at(i + 1) == 'U' ? 4 : 2;
            const qsizetype first = i + (digits == 4 ? 2 : 1);
            bool ok = false;
            const ushort code = ch == '%' && first + digits <= s.size() ? s.mid(first, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                out += QChar(code);
                i = first + digits;
            } else {
                out += ch;
                ++i;
            }
        }
        return out;
    }

    static QByteArray escapedKey(const QString& key) {
        QByteArray out;
        for (const QChar ch : key) {
            const char16_t c = ch.unicode();
            if (c == '/') out += '\\';
            else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                     c == '-' || c == '.')
                out += static_cast<char>(c);
            else if (c <= 0xFF) out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
            else out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
        return out;
    }

    // A value as QSettings reads it: quoted parts kept as they stand, escapes
    // resolved, "@@" for a leading "@"; a list (commas outside quotes) is no
    // single text and reads as the empty text.
    static QString unescapedValue(const QByteArray& raw) {
        const QString s = QString::fromUtf8(raw);
        QString item;
        int items = 1;
        bool quoted = false;
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar ch = s.at(i);
            if (ch == '"') {
                quoted = !quoted;
            } else if (ch == ',' && !quoted) {
                ++items;
            } else if (ch == '\\' && i + 1 < s.size()) {
                const QChar e = s.at(++i);
                static const QString from = "abfnrtv\"?'\\", to = "\a\b\f\n\r\t\v\"?'\\";
                if (const qsizetype k = from.indexOf(e); k >= 0) {
                    item += to.at(k);
                } else if (e == 'x') {
                    qsizetype j = i + 1;
                    while (j < s.size() && isxdigit(s.at(j).toLatin1())) ++j;
                    item += QChar(s.mid(i + 1, j - i - 1).toUShort(nullptr, 16));
                    i = j - 1;
                } else if (e >= '0' && e <= '7') {
                    qsizetype j = i;
                    while (j < s.size() && j < i + 3 && s.at(j) >= '0' && s.at(j) <= '7') ++j;
                    item += QChar(s.mid(i, j - i).toUShort(nullptr, 8));
                    i = j - 1;
                } else {
                    item += e;
                }
            } else {
                item += ch;
            }
        }
        if (items > 1) return {};
        if (item.startsWith("@@")) item.remove(0, 1);
        return item;
    }

    static QByteArray escapedValue(QString value) {
        if (value.startsWith('@')) value.prepend('@');
        QByteArray out;
        QString plain;  // characters written as they are, in UTF-8 (pairs of surrogates whole)
        const auto flush = [&] {
            out += plain.toUtf8();
            plain.clear();
        };
        bool quotes = false;
        bool hexBefore = false;  // a hex digit right after "\x.." is written as "\x.." too
        for (const QChar ch : value) {
            const char16_t c = ch.unicode();
            if (c == ';' || c == ',' || c == '=') quotes = true;
            const bool hexDigit = c < 0x80 && std::isxdigit(static_cast<int>(c));
            if (c < 0x20 || (hexBefore && hexDigit) || c == '"' || c == '\\') flush();
            if (c < 0x20 || (hexBefore && hexDigit)) {
                static const QByteArray named = "\a\b\f\n\r\t\v", letters = "abfnrtv";
                if (const qsizetype k = named.indexOf(static_cast<char>(c)); k >= 0 && c != 0) {
                    out += '\\';
                    out += letters.at(k);
                    hexBefore = false;
                } else {
                    out += "\\x" + QByteArray::number(c, 16);
                    hexBefore = true;
                }
                continue;
            }
            hexBefore = false;
            if (c == '"' || c == '\\') out += '\\';
            plain += ch;
        }
        flush();
        if (quotes || value.startsWith(' ') || value.endsWith(' ')) out = '"' + out + '"';
        return out;
    }

    std::vector<Line> lines_;
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
    if (!readStore(settingsFilePath(), bytes, error)) return defaultValue;
    return IniText(bytes).value(section + "/" + key).value_or(defaultValue);
}

bool SaveSetting(const QString& section, const QString& key, const QString& value, std::string* error) {
    const QString path = settingsFilePath();
    QByteArray bytes;
    std::string why;
    bool ok = readStore(path, bytes, why);
    if (ok) {
        const IniText ini(bytes);
        if (ini.value(section + "/" + key) == value) return true;
        bytes = ini.with(section, key, value);
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

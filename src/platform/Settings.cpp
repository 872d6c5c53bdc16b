#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QVariant>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <fcntl.h>
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

QString settingName(const QString& section, const QString& key) {
    return section.isEmpty() ? key : section + "/" + key;
}

// Why the bytes of a settings file are no UTF-8 text ("" when they are one):
// UTF-16 and UTF-32 (a byte-order mark, or a first character of which one
// byte is NUL) are named as such; any other bytes that are not UTF-8 (Latin-1
// letters, binary data) are no text QSettings can read and save unchanged.
std::string encodingRefusal(const QByteArray& bytes, const std::string& path) {
    const auto b = [&](qsizetype i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u; };
    const bool bom32 = (b(0) == 0 && b(1) == 0 && b(2) == 0xFE && b(3) == 0xFF) ||
                       (b(0) == 0xFF && b(1) == 0xFE && b(2) == 0 && b(3) == 0);
    const bool bom16 = (b(0) == 0xFF && b(1) == 0xFE) || (b(0) == 0xFE && b(1) == 0xFF);
    const bool wide = bytes.size() >= 2 && (b(0) == 0) != (b(1) == 0);
    const std::string lesen =
        "\r\nEinstellungen werden aus einer Textdatei in UTF-8 gelesen; die Datei bleibt unverändert.";
    if (bom32) return "Die Datei ist in UTF-32 kodiert: " + path + lesen;
    if (bom16 || wide) return "Die Datei ist in UTF-16 kodiert: " + path + lesen;
    // Stateless: the bytes are the whole file. A decoder that keeps state
    // holds an unfinished sequence at the end (a Latin-1 letter as the last
    // byte, "name=Jos\xE9") for input that never comes, and reports no error.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);  // the decoder works when its result is taken
    if (utf8.hasError()) return "Die Datei ist keine Textdatei in UTF-8: " + path + lesen;
    return std::string();
}

// Whether QSettings may be given the store's file: true when there is none
// yet (exists false) or when it is a plain file of a settings file's size
// that opens for reading and holds UTF-8 text. Refused with the reason
// otherwise: a pipe (which QSettings would wait on for a writer), a folder, a
// loop of links, a file that cannot be read or is far too large, a file in
// another encoding (QSettings would read UTF-16 as keys full of NUL
// characters, and its save would turn the file into them).
bool checkStore(const QString& path, bool& exists, std::string& error) {
    exists = false;
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
    QByteArray bytes(static_cast<qsizetype>(size) + 1, '\0');
    const std::size_t read = std::fread(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = fileErrorText(EIO, p);
        return false;
    }
    bytes.truncate(static_cast<qsizetype>(read));
    error = encodingRefusal(bytes, p);
    if (!error.empty()) return false;
    exists = true;
    return true;
}

// The text of the store as QSettings (Qt 6.4, IniFormat) writes it for these
// keys and values: the keys without a section under "[General]" first, then
// one section per name with its keys, each in the order of their names, as
// QSettings orders keys it writes anew; names with "%XX" and "%UXXXX" for
// characters beyond letters, digits, "_", "-" and "." ("\" for "/"); values
// with backslash escapes, in double quotes when they hold ",", ";" or "=" or
// begin or end with a blank; types other than text in QSettings' "@Type(...)"
// forms. QSettings reads from this text what it read from the file, as after
// a save of its own.
class IniWriter {
public:
    static QByteArray text(const QMap<QString, QVariant>& entries) {
        QMap<QString, QList<std::pair<QString, QVariant>>> sections;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const qsizetype slash = it.key().indexOf('/');
            sections[slash < 0 ? QString() : it.key().left(slash)].append(
                {slash < 0 ? it.key() : it.key().mid(slash + 1), it.value()});
        }
        QByteArray out;
        for (auto s = sections.cbegin(); s != sections.cend(); ++s) {
            QByteArray header;
            escapedKey(s.key(), header);
            if (header.isEmpty()) header = "[General]";
            else if (header.compare("general", Qt::CaseInsensitive) == 0) header = "[%General]";
            else header = '[' + header + ']';
            if (s != sections.cbegin()) out += '\n';
            out += header + '\n';
            for (const auto& [key, value] : s.value()) {
                escapedKey(key, out);
                out += '=';
                const int type = value.metaType().id();
                if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1))
                    escapedStringList(value.toList(), out);
                else
                    escapedString(variantText(value), out);
                out += '\n';
            }
        }
        return out;
    }

private:
    static bool isHexDigit(char16_t c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }

    static void escapedKey(const QString& key, QByteArray& out) {
        static const char hex[] = "0123456789ABCDEF";
        for (const QChar ch : key) {
            const char16_t c = ch.unicode();
            if (c == '/') {
                out += '\\';
            } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                       c == '-' || c == '.') {
                out += static_cast<char>(c);
            } else if (c <= 0xFF) {
                out += '%';
                out += hex[c / 16];
                out += hex[c % 16];
            } else {
                out += "%U";
                for (int shift = 12; shift >= 0; shift -= 4) out += hex[(c >> shift) & 0xF];
            }
        }
    }

    // A value as text before escaping: QSettings' "@Invalid()", "@ByteArray(...)",
    // "@String(...)" (text holding a NUL), "@@" for a text that begins with "@",
    // "@Rect", "@Size", "@Point", and "@DateTime(...)" or "@Variant(...)" with
    // the value's bytes from QDataStream for every other type.
    static QString variantText(const QVariant& v) {
        switch (v.metaType().id()) {
            case QMetaType::UnknownType: return QStringLiteral("@Invalid()");
            case QMetaType::QByteArray: return "@ByteArray(" + QString::fromLatin1(v.toByteArray()) + ')';
            case QMetaType::QKeySequence:
            case QMetaType::QString:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Bool:
            case QMetaType::Float:
            case QMetaType::Double: {
                QString s = v.toString();
                if (s.contains(QChar::Null)) return "@String(" + s + ')';
                if (s.startsWith('@')) s.prepend('@');
                return s;
            }
            case QMetaType::QRect: {
                const QRect r = v.toRect();
                return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
            }
            case QMetaType::QSize: {
                const QSize s = v.toSize();
                return QString::asprintf("@Size(%d %d)", s.width(), s.height());
            }
            case QMetaType::QPoint: {
                const QPoint p = v.toPoint();
                return QString::asprintf("@Point(%d %d)", p.x(), p.y());
            }
            default: {
                const bool dateTime = v.metaType().id() == QMetaType::QDateTime;
                QByteArray bytes;
                {
                    QDataStream stream(&bytes, QIODevice::WriteOnly);
                    stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
                    stream << v;
                }
                return QString::fromLatin1(dateTime ? "@DateTime(" : "@Variant(") + QString::fromLatin1(bytes) + ')';
            }
        }
    }

    static void escapedString(const QString& s, QByteArray& out) {
        // Text of a type's bytes is written byte for byte, everything else in UTF-8.
        const bool utf8 = !(s.startsWith("@ByteArray(") || s.startsWith("@Variant(") || s.startsWith("@DateTime("));
        QStringEncoder toUtf8(QStringEncoder::Utf8);  // keeps the first half of a surrogate pair for the second
        const qsizetype start = out.size();
        bool quotes = false;
        bool hexBefore = false;  // a hex digit right after "\x.." or "\0" is written as "\x.." too
        for (const QChar ch : s) {
            const char16_t c = ch.unicode();
            if (c == ';' || c == ',' || c == '=') quotes = true;
            if (hexBefore && isHexDigit(c)) {
                out += "\\x" + QByteArray::number(c, 16);
                continue;
            }
            hexBefore = false;
            static const QByteArray named = QByteArray("\0\a\b\f\n\r\t\v", 8), letters = "0abfnrtv";
            if (const qsizetype k = named.indexOf(static_cast<char>(c)); c < 0x20 && k >= 0) {
                out += '\\';
                out += letters.at(k);
                hexBefore = c == 0;
            } else if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c <= 0x1F || (c >= 0x7F && !utf8)) {
                out += "\\x" + QByteArray::number(c, 16);
                hexBefore = true;
            } else if (utf8) {
                out += toUtf8(QStringView(&ch, 1));
            } else {
                out += static_cast<char>(c);
            }
        }
        if (quotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
            out.insert(start, '"');
            out += '"';
        }
    }

    static void escapedStringList(const QVariantList& items, QByteArray& out) {
        if (items.isEmpty()) {
            out += "@Invalid()";
            return;
        }
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i != 0) out += ", ";
            escapedString(variantText(items.at(i)), out);
        }
    }
};

std::int64_t milliseconds(const timespec& t) { return std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000; }

// QSettings keeps what it read of a file and takes the file for unchanged
// while its size and its time stamp to the millisecond are as they were. The
// file system's clock ticks coarser than that, so a save of a text of the
// same size right after the read may carry the old time stamp: it is then
// given one a millisecond later, and the next reader reads it anew.
void stampAsChanged(const std::string& path, const struct stat& read) {
    struct stat now {};
    if (::stat(path.c_str(), &now) != 0 || now.st_size != read.st_size ||
        milliseconds(now.st_mtim) != milliseconds(read.st_mtim))
        return;
    timespec times[2] = {{0, UTIME_OMIT}, read.st_mtim};
    times[1].tv_nsec += 1000000;
    if (times[1].tv_nsec >= 1000000000) {
        times[1].tv_nsec -= 1000000000;
        ++times[1].tv_sec;
    }
    (void)::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

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

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue, std::string* error) {
    const QString path = settingsFilePath();
    bool exists = false;
    std::string why;
    if (!checkStore(path, exists, why)) {
        if (error) *error = why;
        return defaultValue;
    }
    if (!exists) return defaultValue;
    // A damaged line (QSettings' FormatError) leaves every other key readable.
    const QSettings qt(path, QSettings::IniFormat);
    return qt.value(settingName(section, key), defaultValue).toString();
}

bool SaveSetting(const QString& section, const QString& key, const QString& value, std::string* error) {
    const QString path = settingsFilePath();
    const std::string p = toStd(path);
    const QString name = settingName(section, key);
    std::string why;
    bool exists = false;
    bool ok = checkStore(path, exists, why);
    if (ok) {
        // Every key QSettings reads stays, with the value it reads.
        QMap<QString, QVariant> entries;
        struct stat read {};
        if (exists) {
            const QSettings qt(path, QSettings::IniFormat);
            const QVariant held = qt.value(name);
            if (held.metaType().id() == QMetaType::QString && held.toString() == value) return true;
            // Not every name QSettings lists can be asked for (an empty one, one that begins with "/").
            for (const QString& k : qt.allKeys())
                if (!k.isEmpty() && qt.contains(k)) entries.insert(k, qt.value(k));
            exists = ::stat(p.c_str(), &read) == 0;
        }
        entries.insert(name, value);
        const QByteArray bytes = IniWriter::text(entries);
        // The folder is made when missing, as QSettings would.
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::path(p).parent_path();
        std::filesystem::create_directories(folder, ec);
        if (ec) why = fileErrorText(ec.value(), folder.string());
        const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        ok = !ec && saveFileSafely(p, text, why);
        if (ok && exists) stampAsChanged(p, read);
    }
    if (!ok && error) *error = why;
    return ok;
}

}  // namespace vrn

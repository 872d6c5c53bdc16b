// The settings store: what is stored comes back, in the file QSettings keeps;
// a store that cannot be written keeps its old file and names the reason;
// nothing waits on a pipe in its place.
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>

#include <algorithm>
#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Paths.h"
#include "platform/Settings.h"
#include "support/GuiTestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

const char* const kSection = "Options";
const char* const kKey = "Show Tips at Startup";
const std::string kAlt = "[Options]\nShow%20Tips%20at%20Startup=1\n";

// The names in a folder, whatever they are.
std::vector<std::string> names(const std::string& folder) {
    std::vector<std::string> all;
    for (const auto& e : std::filesystem::directory_iterator(folder)) all.push_back(e.path().filename().string());
    std::sort(all.begin(), all.end());
    return all;
}

mode_t modus(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// The store in a folder of the test (reachable by every user, for the run as
// another user below).
class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() : saved_(QFileInfo(QFileInfo(settingsFilePath()).absolutePath()).absolutePath()) {
        ::chmod(dir.str().c_str(), 0755);
        setSettingsFolder(QString::fromStdString(dir.str()));
        folder = dir.file("varnolt");
        file = folder + "/varnolt.ini";
    }
    ~SettingsStore() override {
        ::chmod(folder.c_str(), 0755);
        setSettingsFolder(saved_);
    }
    // Saves "0" and returns the reason it failed ("" when saved).
    static std::string speichern() {
        std::string why;
        return SaveSetting(kSection, kKey, "0", &why) ? std::string() : why;
    }
    GuiTest env;
    TempFolder dir;
    std::string folder, file;

private:
    QString saved_;
};

}  // namespace

TEST_F(SettingsStore, StoredValuesComeBackFromTheFileQSettingsKeeps) {
    EXPECT_EQ(toStd(settingsFilePath()), file);
    EXPECT_EQ(GetSetting(kSection, kKey, "1"), QString("1"));  // nothing stored yet: the default
    ASSERT_EQ(speichern(), "");
    EXPECT_EQ(GetSetting(kSection, kKey, "1"), QString("0"));
    // The file is the one QSettings keeps for the program, in its format;
    // another key of the file stays when the switch is stored again.
    {
        QSettings qt(QSettings::IniFormat, QSettings::UserScope, "varnolt", "varnolt");
        EXPECT_EQ(toStd(qt.fileName()), file);
        EXPECT_EQ(qt.value("Options/Show Tips at Startup").toString(), QString("0"));
    }
    writeFile(file, readFile(file) + "[Fremd]\nSchl%FCssel=\"Wert, mit Komma\"\n");
    ASSERT_TRUE(SaveSetting(kSection, kKey, "1"));
    QSettings qt(QString::fromStdString(file), QSettings::IniFormat);
    EXPECT_EQ(std::tuple(qt.value("Options/Show Tips at Startup").toString(), qt.value("Fremd/Schlüssel").toString()),
              std::tuple(QString("1"), QString("Wert, mit Komma")));
    // Storing the value the file holds writes nothing: a read-only file is fine then.
    ::chmod(file.c_str(), 0444);
    EXPECT_TRUE(SaveSetting(kSection, kKey, "1"));
    // Nothing is left beside the file.
    EXPECT_EQ(names(folder), std::vector<std::string>{"varnolt.ini"});
}

TEST_F(SettingsStore, WhatCannotBeWrittenKeepsItsOldFileAndSaysWhy) {
    std::filesystem::create_directories(folder);
    // what, how the store's place is made, the reason, what must stay
    struct Row {
        const char* what;
        std::function<void()> make;
        std::string reason;
        std::function<void()> stays;
    };
    const std::vector<Row> rows = {
        {"read-only file",
         [&] {
             writeFile(file, kAlt);
             ::chmod(file.c_str(), 0444);
         },
         "Die Datei ist schreibgeschützt: " + file + "\r\nSie wurde nicht verändert.",
         [&] {
             EXPECT_EQ(std::tuple(readFile(file), modus(file)), std::tuple(kAlt, 0444u));
             EXPECT_EQ(GetSetting(kSection, kKey, "x"), QString("1"));
         }},
        {"loop of symbolic links", [&] { std::filesystem::create_symlink("varnolt.ini", file); },
         "Die symbolischen Verknüpfungen des Pfads bilden eine Schleife: " + file,
         [&] {
             std::error_code ec;
             EXPECT_EQ(std::filesystem::read_symlink(file, ec), "varnolt.ini");
         }},
        {"folder", [&] { std::filesystem::create_directory(file); }, "Das ist ein Ordner, keine Datei: " + file,
         [&] { EXPECT_TRUE(std::filesystem::is_directory(file)); }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        std::filesystem::remove_all(file);
        r.make();
        EXPECT_EQ(speichern(), r.reason);
        r.stays();
        EXPECT_EQ(GetSetting(kSection, kKey, "x"), QString(std::string(r.what) == "read-only file" ? "1" : "x"));
        EXPECT_EQ(names(folder), std::vector<std::string>{"varnolt.ini"});
    }
}

TEST_F(SettingsStore, APipeInTheStoresPlaceIsNeverWaitedFor) {
    std::filesystem::create_directories(folder);
    Fifo rohr(file);
    std::string why;
    QString read;
    EXPECT_TRUE(rohr.endsAlone([&] {
        read = GetSetting(kSection, kKey, "1");
        why = speichern();
    })) << "the store waited for a writer";
    EXPECT_EQ(std::tuple(read, why), std::tuple(QString("1"), "Das ist keine gewöhnliche Datei: " + file));
    EXPECT_EQ(std::filesystem::status(file).type(), std::filesystem::file_type::fifo);
}

TEST_F(SettingsStore, AFullDiskKeepsTheOldFile) {
    std::filesystem::create_directories(folder);
    writeFile(file, kAlt);
    // No file may grow beyond 8 bytes: every write of the store fails as on a full disk.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string why = speichern();
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(why.find("Die Datei ist zu groß: "), std::string::npos) << why;
    EXPECT_EQ(readFile(file), kAlt);
    EXPECT_EQ(GetSetting(kSection, kKey, "x"), QString("1"));
    EXPECT_EQ(names(folder), std::vector<std::string>{"varnolt.ini"});
}

// A folder where no file may be made, with a file that may be written: the
// store is never written in place. Run as an unprivileged user (root may write anywhere).
TEST_F(SettingsStore, AReadOnlyFolderKeepsTheOldFile) {
    std::filesystem::create_directories(folder);
    writeFile(file, kAlt);
    ::chmod(file.c_str(), 0666);
    ::chmod(folder.c_str(), 0555);
    const test::Unprivileged u = test::runUnprivileged([] {
        const std::string why = speichern();
        return std::pair(!why.empty(), why);
    });
    const std::string& why = u.text;
    ASSERT_TRUE(u.exited);
    EXPECT_TRUE(u.refused) << "the save must be refused";
    const std::string says = "Im Ordner der Datei lässt sich keine neue Datei anlegen (Zugriff verweigert: " + folder;
    EXPECT_EQ(why.rfind(says + ")", 0), 0u) << why;
    EXPECT_EQ(readFile(file), kAlt);
}

// Settings files with a letter that is no UTF-8 (a Latin-1 "é" or "ü") or a
// UTF-8 sequence cut short: as the file's last byte, before its final line
// end, in the middle. Each is refused as no UTF-8 text for reading and saving
// alike, with the same reason, and stays byte for byte as it was. The same
// letter in UTF-8, at the very end of the file too, is read, and a save keeps it.
TEST_F(SettingsStore, ALetterThatIsNoUtf8IsRefusedWhereverItStands) {
    std::filesystem::create_directories(folder);
    const std::string head = "[Options]\nShow%20Tips%20at%20Startup=0\n[Fenster]\n";
    const std::string refused = "Die Datei ist keine Textdatei in UTF-8: " + file +
                                "\r\nEinstellungen werden aus einer Textdatei in UTF-8 gelesen; die Datei bleibt unverändert.";
    // what, the file, the name read from it ("" when the file is refused)
    const std::tuple<const char*, std::string, QString> rows[] = {
        {"Latin-1 é as the last byte", head + "name=Jos\xE9", ""},
        {"Latin-1 é before a final LF", head + "name=Jos\xE9\n", ""},
        {"Latin-1 é before a final CR LF", head + "name=Jos\xE9\r\n", ""},
        {"Latin-1 é in the middle", "[Fenster]\nname=Jos\xE9\n[Options]\nShow%20Tips%20at%20Startup=0\n", ""},
        {"Latin-1 ü, the whole value, as the last byte", head + "name=\xFC", ""},
        {"a file of one Latin-1 letter", "\xE9", ""},
        {"UTF-8 é cut after its first byte at the end", head + "name=Jos\xC3", ""},
        {"UTF-8 € cut after two bytes at the end", head + "name=\xE2\x82", ""},
        {"UTF-8 😀 cut after three bytes at the end", head + "name=\xF0\x9F\x98", ""},
        {"UTF-8 é cut short before the line end", head + "name=Jos\xC3\n", ""},
        {"UTF-8 é as the last bytes", head + "name=Jos\xC3\xA9", QString::fromUtf8("José")},
        {"UTF-8 é before a final LF", head + "name=Jos\xC3\xA9\n", QString::fromUtf8("José")},
    };
    for (const auto& [what, bytes, name] : rows) {
        SCOPED_TRACE(what);
        writeFile(file, bytes);
        std::string readWhy, saveWhy;
        const QString read = GetSetting("Fenster", "name", "?", &readWhy);
        const bool saved = SaveSetting(kSection, kKey, "1", &saveWhy);
        if (name.isEmpty()) {
            EXPECT_EQ(std::tuple(read, readWhy, saved, saveWhy), std::tuple(QString("?"), refused, false, refused));
            EXPECT_TRUE(readFile(file) == bytes) << "the file was changed";
        } else {
            EXPECT_EQ(std::tuple(read, readWhy, saved, saveWhy), std::tuple(name, std::string(), true, std::string()));
            EXPECT_EQ(std::tuple(GetSetting("Fenster", "name", "?"), GetSetting(kSection, kKey, "?")),
                      std::tuple(name, QString("1")));
            EXPECT_NE(readFile(file).find("name=Jos\xC3\xA9\n"), std::string::npos) << readFile(file);
        }
        EXPECT_EQ(names(folder), std::vector<std::string>{"varnolt.ini"});
    }
}

// Reading and storing work on the store's own file: a temporary folder that
// cannot be made changes nothing.
TEST_F(SettingsStore, NoTemporaryFolderIsNeeded) {
    std::filesystem::create_directories(folder);
    writeFile(file, kAlt);
    // The temporary folder named is a file: nothing can be made in it, not even by root.
    writeFile(dir.file("keinordner"), "");
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(dir.file("keinordner")));
    const QString read = GetSetting(kSection, kKey, "x");
    const std::string why = speichern();
    const QString now = GetSetting(kSection, kKey, "x");
    if (before.isNull()) qunsetenv("TMPDIR");
    else qputenv("TMPDIR", before);
    EXPECT_EQ(std::tuple(read, why, now), std::tuple(QString("1"), std::string(), QString("0")));
    EXPECT_EQ(names(dir.str()), (std::vector<std::string>{"keinordner", "varnolt"}));
}

// The file stays one that QSettings reads and writes: every kind of key and
// value stored comes back through QSettings, and what QSettings stored comes
// back through the store.
TEST_F(SettingsStore, KeysAndValuesAsQSettingsReadsAndWritesThem) {
    // section, key, value
    const std::tuple<QString, QString, QString> rows[] = {
        {"Options", "Show Tips at Startup", "0"},
        {"Options", "Größe", "Wert, mit Komma"},
        {"Options", "a=b;c", " vorn und hinten blank "},
        {"Fenster", "Pfad", "C:\\Programme\\\"VARNOLT\"\\x"},
        {"Fenster", "Zeilen", "eins\r\nzwei\tdrei\x01" "4a"},
        {"Fenster", "at", "@String(kein Typ)"},
        {"Fenster", "leer", ""},
        {"Ωmega", "€uro", "Grüße ∑ 😀"},
        {"Gruppe/Untergruppe", "100%", "=;,"},
    };
    for (const auto& [section, key, value] : rows) {
        SCOPED_TRACE(toStd(section + "/" + key + " = " + value));
        ASSERT_TRUE(SaveSetting(section, key, value));
        EXPECT_EQ(GetSetting(section, key, "?"), value);
        QSettings qt(QString::fromStdString(file), QSettings::IniFormat);
        EXPECT_EQ(std::tuple(qt.value(section + "/" + key, "?").toString(), qt.status()),
                  std::tuple(value, QSettings::NoError));
    }
    // Every earlier key is still there, as QSettings reads it.
    QSettings qt(QString::fromStdString(file), QSettings::IniFormat);
    for (const auto& [section, key, value] : rows) EXPECT_EQ(qt.value(section + "/" + key).toString(), value);

    // What QSettings writes, the store reads.
    std::filesystem::remove(file);
    {
        QSettings writer(QString::fromStdString(file), QSettings::IniFormat);
        for (const auto& [section, key, value] : rows) writer.setValue(section + "/" + key, value);
    }
    for (const auto& [section, key, value] : rows) EXPECT_EQ(GetSetting(section, key, "?"), value) << toStd(key);
}

// QSettings takes a file whose size and time stamp are as it last read them
// for unchanged; saves of texts of the same size in quick succession (within
// one tick of the file system's clock) still read back at once, through the
// store and through QSettings.
TEST_F(SettingsStore, EverySaveReadsBackAtOnce) {
    int stale = 0;
    for (int i = 0; i < 200; ++i) {
        const QString value = i % 2 ? "1" : "0";
        ASSERT_TRUE(SaveSetting(kSection, kKey, value));
        const QSettings qt(QString::fromStdString(file), QSettings::IniFormat);
        if (GetSetting(kSection, kKey, "?") != value || qt.value("Options/Show Tips at Startup") != value) ++stale;
    }
    EXPECT_EQ(stale, 0);
}

namespace {

// What QSettings reads of these bytes, from a file of their own (so that
// nothing it kept of another file stands in): every key that can be asked
// for, with its value, and the status of the reading.
struct QtRead {
    QMap<QString, QVariant> values;
    QSettings::Status status = QSettings::NoError;
};
QtRead readByQSettings(const std::string& bytes, const std::string& folder) {
    static int count = 0;
    const std::string copy = folder + "/qt" + std::to_string(++count) + ".ini";
    writeFile(copy, bytes);
    const QSettings qt(QString::fromStdString(copy), QSettings::IniFormat);
    QtRead read;
    for (const QString& k : qt.allKeys())
        if (!k.isEmpty() && qt.contains(k)) read.values.insert(k, qt.value(k));  // QSettings refuses to look up ""
    read.status = qt.status();
    return read;
}


// The name QSettings lists, as the store is asked for it.
std::pair<QString, QString> sectionAndKey(const QString& name) {
    const qsizetype slash = name.indexOf('/');
    return slash < 0 ? std::pair(QString(), name) : std::pair(name.left(slash), name.mid(slash + 1));
}

}  // namespace

// Settings files written by hand and by QSettings itself: the program reads
// every key as QSettings reads it, and after a save (and the next one) every
// key QSettings read before is still there with its value; the file the store
// writes is one QSettings reads without a fault. A file QSettings wrote comes
// out of a save byte for byte as QSettings' own save writes it.
TEST_F(SettingsStore, FilesWrittenByHandReadAsQSettingsReadsThemAndKeepEveryKey) {
    using namespace std::string_literals;
    const QString tips = "Options/Show Tips at Startup";
    const auto hand = [](std::string bytes) { return [bytes](const std::string& path) { writeFile(path, bytes); }; };
    // what, how the file is made, keys with the text the user means (by hand), saved by QSettings
    struct Row {
        const char* what;
        std::function<void(const std::string& path)> make;
        std::vector<std::pair<QString, QString>> means;
        bool byQSettings = false;
    };
    const std::vector<Row> rows = {
        {"CR-only line ends", hand("[Options]\rShow%20Tips%20at%20Startup=0\r[Fenster]\rBreite=800\r"),
         {{tips, "0"}, {"Fenster/Breite", "800"}}},
        {"a UTF-8 BOM", hand("\xEF\xBB\xBF[Options]\nShow%20Tips%20at%20Startup=0\n[Fenster]\nBreite=800\n"),
         {{tips, "0"}, {"Fenster/Breite", "800"}}},
        {"blanks in the section line", hand("[ Options ]\nShow%20Tips%20at%20Startup=0\n\n[ Fenster ]\nBreite=800\n"),
         {{tips, "0"}, {"Fenster/Breite", "800"}}},
        {"a comment after the section", hand("[Options] ; Kommentar\nShow%20Tips%20at%20Startup=0\n"), {{tips, "0"}}},
        {"a comment after the value", hand("[Options]\nShow%20Tips%20at%20Startup=0 ; aus\n"), {{tips, "0"}}},
        {"a section line without ]", hand("[Options\nShow%20Tips%20at%20Startup=0\n[Fenster]\nBreite=800\n"),
         {{tips, "0"}, {"Fenster/Breite", "800"}}},
        {"a control byte in a value", hand("[Options]\nShow%20Tips%20at%20Startup=0\nZeichen=x\x01y\n"),
         {{tips, "0"}, {"Options/Zeichen", "x\x01y"}}},
        {"a DEL byte in a value", hand("[Options]\nShow%20Tips%20at%20Startup=0\nZeichen=x\x7fy\n"),
         {{tips, "0"}, {"Options/Zeichen", "x\x7fy"}}},
        {"a NUL byte in a value", hand("[Options]\nShow%20Tips%20at%20Startup=0\nZeichen=x\0y\n"s),
         {{tips, "0"}, {"Options/Zeichen", QString::fromUtf8("x\0y", 3)}}},
        {"a quoted value over two lines", hand("[Options]\nText=\"zwei\nZeilen\"\nShow%20Tips%20at%20Startup=0\n"),
         {{tips, "0"}, {"Options/Text", "zwei\nZeilen"}}},
        {"a line ending in a backslash",
         hand("[Options]\nShow%20Tips%20at%20Startup=0\nZeile=ende\\\nweiter=1\n[Fenster]\nBreite=800\n"),
         {{tips, "0"}, {"Options/Zeile", "endeweiter=1"}, {"Fenster/Breite", "800"}}},
        {"a value the store wrote with a DEL character",
         [](const std::string&) {
             ASSERT_TRUE(SaveSetting("Fenster", "Titel", "a\x7f" "b"));
             ASSERT_TRUE(SaveSetting(kSection, kKey, "0"));
         },
         {{tips, "0"}, {"Fenster/Titel", "a\x7f" "b"}}},
        {"every kind of value QSettings writes",
         [](const std::string& path) {
             QSettings qt(QString::fromStdString(path), QSettings::IniFormat);
             qt.setValue("Options/Show Tips at Startup", "0");
             qt.setValue("oben", "ohne Abschnitt");
             qt.setValue("General/Abschnitt", "General");
             qt.setValue("Fenster/Titel", QString::fromUtf8("\"VARNOLT\" ; Grüße, =€ 😀 \\ \x01" "1\x7f"));
             qt.setValue("Fenster/Null", QString::fromUtf8("0\0" "1a", 4));
             qt.setValue("Fenster/at", "@String(kein Typ)");
             qt.setValue("Fenster/blank", " vorn und hinten ");
             qt.setValue("Fenster/Liste", QStringList{"eins", "zwei, drei", ""});
             qt.setValue("Fenster/Bytes", QByteArray("\x00\xff" "abc", 5));
             qt.setValue("Fenster/Rechteck", QRect(-3, 4, 500, 600));
             qt.setValue("Fenster/Groesse", QSize(1000, 720));
             qt.setValue("Fenster/Punkt", QPoint(7, -8));
             qt.setValue("Fenster/Zeit", QDateTime(QDate(2024, 2, 29), QTime(13, 5, 7), Qt::UTC));
             qt.setValue("Fenster/Zahl", 42);
             qt.setValue("Gruppe/Unter/Schlüssel", "tief");
         },
         {{tips, "0"},
          {"oben", "ohne Abschnitt"},
          {"General/Abschnitt", "General"},
          {"Gruppe/Unter/Schlüssel", "tief"}},
         true},
    };
    int n = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        // A folder of its own for every file.
        const std::string folder = dir.file("fall" + std::to_string(++n));
        setSettingsFolder(QString::fromStdString(folder));
        const std::string path = toStd(settingsFilePath());
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        r.make(path);
        const std::string before = readFile(path);
        const QtRead qt = readByQSettings(before, folder);

        // The program reads what the user means, and every key as QSettings reads it.
        for (const auto& [name, text] : r.means) {
            const auto [section, key] = sectionAndKey(name);
            EXPECT_EQ(GetSetting(section, key, "?"), text) << toStd(name);
        }
        for (auto it = qt.values.cbegin(); it != qt.values.cend(); ++it) {
            const auto [section, key] = sectionAndKey(it.key());
            EXPECT_EQ(GetSetting(section, key, "?"), it.value().toString()) << toStd(it.key());
        }

        // Two saves: every key QSettings read before is still there, with its value.
        for (const char* value : {"1", "0"}) {
            std::string why;
            ASSERT_TRUE(SaveSetting(kSection, kKey, value, &why)) << why;
            EXPECT_EQ(GetSetting(kSection, kKey, "?"), QString(value));
            QtRead after = readByQSettings(readFile(path), folder);
            EXPECT_EQ(after.status, QSettings::NoError);
            EXPECT_EQ(after.values.take(tips), QVariant(QString(value)));
            QMap<QString, QVariant> expected = qt.values;
            expected.remove(tips);
            EXPECT_EQ(test::listedSettings(after.values), test::listedSettings(expected));
        }
        EXPECT_EQ(names(std::filesystem::path(path).parent_path().string()), std::vector<std::string>{"varnolt.ini"});

        if (r.byQSettings) {
            // The same change made by QSettings writes the same bytes.
            const std::string copy = folder + "/qt-save.ini";
            writeFile(copy, before);
            {
                QSettings theirs(QString::fromStdString(copy), QSettings::IniFormat);
                theirs.setValue(tips, "1");
            }
            ASSERT_TRUE(SaveSetting(kSection, kKey, "1"));
            EXPECT_EQ(readFile(path), readFile(copy));
        }
    }
}

// Seeded random files of the pieces an INI file is made of (section
// brackets, "=", line ends of every kind, quotes, backslashes, "%XX" names,
// comments, "@" forms, a BOM, stray bytes): the program reads the switch as
// QSettings reads it, and a save keeps every key QSettings can be asked for
// with the value QSettings' own save of the same change keeps; a file that is
// no UTF-8 text is refused with its name and left as it is.
TEST_F(SettingsStore, RandomHandEditedFilesAsQSettingsReadsAndSavesThem) {
    const char* const pieces[] = {"[", "]", "=", "\n", "\r", "\r\n", ";", "\"", "\\", " ", "\t", ",", "/", "%20",
                                  "%U00e9", "%General", "General", "@", "@@", "@String(", "@ByteArray(", ")",
                                  "Options", "Show%20Tips%20at%20Startup", "0", "1", "a", "x", "\xEF\xBB\xBF",
                                  "\xC3\xA9", "\xFF"};
    const int kinds = static_cast<int>(std::size(pieces));
    std::mt19937 random(46);
    const QString tips = "Options/Show Tips at Startup";
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int count = std::uniform_int_distribution(1, 40)(random);
        for (int i = 0; i < count; ++i) {
            const int k = std::uniform_int_distribution(0, kinds + 2)(random);
            bytes += k < kinds ? std::string(pieces[k])
                               : std::string(1, char(std::uniform_int_distribution(0, 127)(random)));
        }
        SCOPED_TRACE(::testing::PrintToString(bytes));
        const std::string folder = dir.file("zufall" + std::to_string(round));
        setSettingsFolder(QString::fromStdString(folder));
        const std::string path = toStd(settingsFilePath());
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        writeFile(path, bytes);
        // A file that is no UTF-8 text (a byte 0xFF, or a first character
        // with one NUL byte, as UTF-16 has) is refused and left untouched.
        std::string refused;
        const QString read = GetSetting(kSection, kKey, "?", &refused);
        const bool utf16 = bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0');
        if (bytes.find('\xFF') != std::string::npos || utf16) {
            EXPECT_EQ(read, QString("?"));
            EXPECT_NE(refused.find(path), std::string::npos) << refused;
            std::string why;
            EXPECT_FALSE(SaveSetting(kSection, kKey, "7", &why));
            EXPECT_EQ(why, refused);
            EXPECT_TRUE(readFile(path) == bytes);
            continue;
        }
        EXPECT_EQ(refused, "");
        const QtRead before = readByQSettings(bytes, folder);
        const QString held = before.values.value(tips, "?").toString();
        EXPECT_EQ(read, held);

        // The same change saved by QSettings itself, and by the store.
        const QString value = held == "7" ? "8" : "7";
        const std::string copy = folder + "/qt-save.ini";
        writeFile(copy, bytes);
        {
            QSettings theirs(QString::fromStdString(copy), QSettings::IniFormat);
            theirs.setValue(tips, value);
        }
        std::string why;
        ASSERT_TRUE(SaveSetting(kSection, kKey, value, &why)) << why;
        const QtRead ours = readByQSettings(readFile(path), folder);
        const QtRead qts = readByQSettings(readFile(copy), folder);
        EXPECT_EQ(ours.status, QSettings::NoError);
        for (auto it = before.values.cbegin(); it != before.values.cend(); ++it) {
            if (it.key() == tips) continue;
            EXPECT_TRUE(ours.values.contains(it.key())) << toStd(it.key());
            EXPECT_EQ(test::listedSettings({{it.key(), ours.values.value(it.key())}}),
                      test::listedSettings({{it.key(), qts.values.value(it.key())}}));
        }
        EXPECT_EQ(ours.values.value(tips), QVariant(value));
    }
}

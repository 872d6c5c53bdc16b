#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/FileItems.h"
#include "shell/TextFile.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

TEST(TextEncoding, Utf8IsTakenWhenValidElseLatin1) {
    // bytes, text
    const std::pair<std::string, std::string> cases[] = {
        {"plain ascii", "plain ascii"},
        {"Gr\xC3\xB6\xC3\x9F" "e", "Größe"},          // valid UTF-8 stays
        {"Gr\xF6\xDF" "e", "Größe"},                  // Latin-1 is converted
        {"\xEF\xBB\xBF" "mit BOM", "mit BOM"},        // the byte-order mark goes
        {"\xEF\xBB\xBF\xEF\xBB\xBF" "2", "2"},           // every one of them
        {"\xEF\xBB\xBF" "Gr\xF6\xDF" "e", "ï»¿Größe"},  // not UTF-8: Latin-1 letters
        {"\xC3\x28", "\xC3\x83("},                    // broken UTF-8 reads as Latin-1
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"}, // a surrogate is not UTF-8
        {"\xE2\x82\xAC 5", "€ 5"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(decodeText(bytes), text) << bytes;
}

TEST(TextEncoding, WrittenInLatin1UnlessACharacterIsMissing) {
    EXPECT_EQ(encodeText("Ätzkali über 5 °C"), "\xC4tzkali \xFC" "ber 5 \xB0" "C");
    EXPECT_EQ(encodeText("Preis 5 €"), "Preis 5 €");  // no Latin-1 form: stays UTF-8
    EXPECT_EQ(decodeText(encodeText("Ätzkali über 5 °C")), "Ätzkali über 5 °C");
    EXPECT_EQ(decodeText(encodeText("Preis 5 €, Größe")), "Preis 5 €, Größe");
    // Latin-1 bytes that would read back as UTF-8: written in UTF-8.
    EXPECT_EQ(std::tuple(encodeText("Ã¤"), decodeText(encodeText("Ã¤"))), std::tuple("Ã¤", "Ã¤"));
    EXPECT_EQ(encodeLines({"Ã¤", "ÿ"}), "\xC3\xA4\r\n\xFF\r\n");  // the file as a whole is not UTF-8
}

TEST(TextLines, EveryLineEndIsRead) {
    using V = std::vector<std::string>;
    for (const auto& [text, lines] : {std::pair<const char*, V>{"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}},
                                      {"a\rb\r", {"a", "b"}}, {"a\r\n\r\nb", {"a", "", "b"}}, {"", {}}, {"\r\n", {""}}})
        EXPECT_EQ(splitLines(text), lines) << text;
}

TEST(TextFiles, WriteReadBackAndFailures) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(writeTextLines(dir.file("a.txt"), {"Zeile Ä", "zwei\r\nTeile", ""}, error)) << error;
    EXPECT_EQ(readFile(dir.file("a.txt")), "Zeile \xC4\r\nzwei  Teile\r\n\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(readTextLines(dir.file("a.txt"), lines, error));
    EXPECT_EQ(lines, (std::vector<std::string>{"Zeile Ä", "zwei  Teile", ""}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no file left beside it";

    const std::pair<std::string, const char*> readFailures[] = {
        {dir.file("fehlt.txt"), "nicht gefunden"}, {dir.str(), "Ordner"}, {dir.file("big.txt"), "zu groß"},
        {dir.file("utf16.txt"), "Die Datei ist in UTF-16 kodiert"}, {dir.file("utf16be.txt"), "UTF-16"},
        {dir.file("ohne-bom.txt"), "UTF-16"}, {dir.file("binaer.txt"), "Zeile 2 enthält ein NUL-Zeichen"},
        {dir.file("lang.txt"), "Zeile 2 ist zu lang"},
    };
    writeFile(dir.file("big.txt"), std::string(2000, 'x'));
    writeFile(dir.file("utf16.txt"), std::string("\xFF\xFEk\0o\0m\0\r\0\n\0", 12));
    writeFile(dir.file("utf16be.txt"), std::string("\xFE\xFF\0k\0o", 6));
    writeFile(dir.file("ohne-bom.txt"), std::string("k\0o\0", 4));
    writeFile(dir.file("binaer.txt"), std::string("Text\r\nmit\0Null", 14));
    writeFile(dir.file("lang.txt"), "kurz\n" + std::string(kMaxTextLineBytes + 1, 'x'));
    for (const auto& [path, says] : readFailures) {
        lines = {"bleibt"};
        EXPECT_FALSE(readTextLines(path, lines, error, 1000 + kMaxTextLineBytes * 2 * (path == dir.file("lang.txt"))));
        EXPECT_NE(error.find(says), std::string::npos) << error;
        EXPECT_EQ(lines, std::vector<std::string>{"bleibt"});
    }
    for (const std::string& path : {dir.file("nix/a.txt"), dir.str()}) EXPECT_FALSE(writeTextLines(path, {"x"}, error));
    EXPECT_NE(error.find("Ordner"), std::string::npos);
}

TEST(TextFiles, FirstLinesOnlyLookAtTheStart) {
    TempFolder dir;
    writeFile(dir.file("b.txt"), "eins\r\nzwei\nKommentar \xE4\r\n" + std::string(100000, '\xFF'));
    std::vector<std::string> lines;
    std::string error;
    ASSERT_TRUE(readFirstLines(dir.file("b.txt"), 2, lines, error));
    EXPECT_EQ(lines, (std::vector<std::string>{"eins", "zwei"}));
    ASSERT_TRUE(readFirstLines(dir.file("b.txt"), 3, lines, error));
    EXPECT_EQ(lines.back(), "Kommentar ä");
}

TEST(TextFiles, LinesComeOneAtATimeOverChunkEnds) {
    // CR LF split between two chunks of 64 KiB, LF alone, CR alone, no final line end.
    std::string text = std::string(65535, 'a') + "\r\nb\nc\rd";
    TextLineReader r;
    std::string error, line;
    ASSERT_TRUE(r.openBytes(text, error));
    std::vector<std::string> got;
    while (r.next(line)) got.push_back(line);
    EXPECT_EQ(std::tuple(r.error().empty(), got, r.lineNumber()),
              std::tuple(true, (std::vector<std::string>{std::string(65535, 'a'), "b", "c", "d"}), 4u));
}

TEST(TextFiles, APipeAFolderADeviceOrALinkLoopIsRefusedAtOnce) {
    TempFolder dir;
    Fifo rohr(dir.file("rohr.txt"));
    std::filesystem::create_symlink("rohr.txt", dir.file("zum-rohr.txt"));
    std::filesystem::create_symlink("schleife-b.txt", dir.file("schleife-a.txt"));
    std::filesystem::create_symlink("schleife-a.txt", dir.file("schleife-b.txt"));
    // path, failure text
    const std::pair<std::string, std::string> cases[] = {
        {rohr.path(), "Das ist keine gewöhnliche Datei: " + rohr.path()},
        {dir.file("zum-rohr.txt"), "Das ist keine gewöhnliche Datei: " + dir.file("zum-rohr.txt")},
        {"/dev/null", "Das ist keine gewöhnliche Datei: /dev/null"},
        {dir.str(), "Das ist ein Ordner, keine Datei: " + dir.str()},
        {dir.file("schleife-a.txt"),
         "Die symbolischen Verknüpfungen des Pfads bilden eine Schleife: " + dir.file("schleife-a.txt")}};
    for (const auto& [path, says] : cases) {
        std::vector<std::string> lines{"bleibt"}, first{"bleibt"};
        std::string error, firstError;
        bool read = true, previewed = true;
        EXPECT_TRUE(rohr.endsAlone([&] {
            read = readTextLines(path, lines, error);
            previewed = readFirstLines(path, 2, first, firstError);
        })) << path << ": the reader waited for a writer";
        EXPECT_EQ(std::tuple(read, error, lines), std::tuple(false, says, std::vector<std::string>{"bleibt"}));
        EXPECT_EQ(std::tuple(previewed, firstError, first), std::tuple(false, says, std::vector<std::string>{"bleibt"}));
    }
    EXPECT_EQ(std::filesystem::status(rohr.path()).type(), std::filesystem::file_type::fifo);
}

namespace {

// Saves "neu" over path and tells whether it worked; the failure text in error.
bool speichere(const std::string& path, std::string& error) { return writeTextLines(path, {"neu"}, error); }

mode_t modus(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(SafeSaving, LinksPermissionsAndLeftOvers) {
    TempFolder dir;
    std::string error;
    // Through a symbolic link: the target gets the text, the link stays a link.
    writeFile(dir.file("ziel.VRD"), "alt");
    std::filesystem::create_symlink("ziel.VRD", dir.file("link.VRD"));
    ASSERT_TRUE(speichere(dir.file("link.VRD"), error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.VRD")));
    EXPECT_EQ(readFile(dir.file("ziel.VRD")), "neu\r\n");
    // The file keeps its permissions; a new file gets the usual ones.
    ::chmod(dir.file("ziel.VRD").c_str(), 0640);
    ASSERT_TRUE(speichere(dir.file("ziel.VRD"), error)) << error;
    EXPECT_EQ(modus(dir.file("ziel.VRD")), 0640u);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(speichere(dir.file("frisch.VRD"), error));
    EXPECT_EQ(modus(dir.file("frisch.VRD")), 0666u & ~mask);
    // A folder named as a fixed temporary name would be, and a name of 250
    // bytes, do not block saving.
    std::filesystem::create_directory(dir.file("p.VRD.vrn-tmp"));
    EXPECT_TRUE(speichere(dir.file("p.VRD"), error)) << error;
    const std::string lang(246, 'n');
    ASSERT_TRUE(speichere(dir.file(lang + ".VRD"), error)) << error;
    EXPECT_EQ(readFile(dir.file(lang + ".VRD")), "neu\r\n");
    // Nothing is left beside the files.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 6);
}

TEST(SafeSaving, ReadOnlyFileAndFolderAreRefusedAndTheOldFileStaysWhole) {
    TempFolder dir;
    std::string error;
    writeFile(dir.file("fest.VRD"), "alt");
    ::chmod(dir.file("fest.VRD").c_str(), 0444);
    EXPECT_FALSE(speichere(dir.file("fest.VRD"), error));
    EXPECT_EQ(error, "Die Datei ist schreibgeschützt: " + dir.file("fest.VRD") + "\r\nSie wurde nicht verändert.");
    EXPECT_EQ(std::tuple(readFile(dir.file("fest.VRD")), modus(dir.file("fest.VRD"))), std::tuple("alt", 0444u));

    // A folder where no file may be made, with a file that may be written:
    // never written in place. Run as an unprivileged user (root may write anywhere).
    std::filesystem::create_directory(dir.file("zu"));
    writeFile(dir.file("zu/d.VRD"), "alt");
    ::chmod(dir.file("zu/d.VRD").c_str(), 0666);
    ::chmod(dir.file("zu").c_str(), 0555);
    ::chmod(dir.str().c_str(), 0755);
    const test::Unprivileged u = test::runUnprivileged([&dir] {
        std::string e;
        const bool ok = speichere(dir.file("zu/d.VRD"), e);
        return std::pair(!ok, e);
    });
    ::chmod(dir.file("zu").c_str(), 0755);
    ASSERT_TRUE(u.exited);
    EXPECT_TRUE(u.refused) << "the save must be refused";
    EXPECT_NE(u.text.find("Im Ordner der Datei lässt sich keine neue Datei anlegen"), std::string::npos);
    EXPECT_EQ(readFile(dir.file("zu/d.VRD")), "alt");
}

TEST(FileItems, NumberItemsAreReadStrictly) {
    const double inf = std::numeric_limits<double>::infinity();
    // item, error, value
    const std::tuple<const char*, ItemError, double> cases[] = {
        {"0", ItemError::None, 0},          {".5", ItemError::None, 0.5},      {"-.5", ItemError::None, -0.5},
        {"5.", ItemError::None, 5},         {"+2", ItemError::None, 2},        {" 298.15 ", ItemError::None, 298.15},
        {"1.5E-05", ItemError::None, 1.5e-5}, {"1e3", ItemError::None, 1000}, {"2.5D+2", ItemError::None, 250},
        // a number other than 0 that reads 0 is refused; zeros are 0 however written
        {"1E-400", ItemError::TooNearZero, 0}, {"0.000e999999", ItemError::None, 0},
        {"1e400", ItemError::OutOfRange, 0}, {"1.8e308", ItemError::OutOfRange, 0},
        {"", ItemError::NotANumber, 0},     {"abc", ItemError::NotANumber, 0}, {"1,5", ItemError::NotANumber, 0},
        {"NaN", ItemError::NotANumber, 0},  {"inf", ItemError::NotANumber, 0}, {"-", ItemError::NotANumber, 0},
        {".", ItemError::NotANumber, 0},    {"1e", ItemError::NotANumber, 0},  {"1 2", ItemError::NotANumber, 0},
        {"0x10", ItemError::NotANumber, 0}, {"\"5\"", ItemError::NotANumber, 0}, {"1.2.3", ItemError::NotANumber, 0},
        {"1e99999999999999999999", ItemError::OutOfRange, 0}, {"1e-99999999999999999999", ItemError::TooNearZero, 0},
    };
    for (const auto& [item, error, value] : cases) {
        double v = inf;
        EXPECT_EQ(readDoubleItem(item, v), error) << item;
        EXPECT_EQ(v, error == ItemError::None ? value : inf) << item;  // a refusal leaves it untouched
    }
    // Exponents beyond any count of digits: 0.(9 million zeros)1E88000000 is
    // 10^78999999, no 0; 1(9 million zeros)E-88000000 is 10^-79000000, too near 0.
    const std::string zeros(9'000'000, '0');
    double v = inf;
    EXPECT_EQ(readDoubleItem("0." + zeros + "1E88000000", v), ItemError::OutOfRange);
    EXPECT_EQ(v, inf);
    EXPECT_EQ(readDoubleItem("1" + zeros + "E-88000000", v), ItemError::TooNearZero);
    EXPECT_EQ(v, inf);
    EXPECT_EQ(readDoubleItem("1" + zeros + "E-8999990", v), ItemError::None);
    EXPECT_DOUBLE_EQ(v, 1e10);
}

TEST(FileItems, SinglesAndIntegersKeepTheirRange) {
    Single f = 0;
    for (auto [text, e] :
         {std::pair{"3.4e38", ItemError::None}, {"1e39", ItemError::OutOfRange}, {"-1e39", ItemError::OutOfRange}})
        EXPECT_EQ(readSingleItem(text, f), e) << text;
    // text, error, the value read (a refusal leaves the variable as it was)
    for (auto [text, e, value] : {std::tuple{"32767", ItemError::None, 32767L}, {"1e3", ItemError::None, 1000L},
                                  {"32768", ItemError::OutOfRange, 0L}, {"-1", ItemError::OutOfRange, 0L},
                                  {"2.5", ItemError::NotANumber, 0L}}) {
        long n = 0;
        EXPECT_EQ(readIntegerItem(text, 0, 32767, n), e) << text;
        EXPECT_EQ(n, value) << text;
    }
}

TEST(FileItems, WrittenInThePlainFormWithoutBlank) {
    const std::pair<std::string, const char*> items[] = {
        {numberItem(0.15), ".15"}, {numberItem(-2.5), "-2.5"}, {numberItem(1.5e-5), "1.5E-05"}, {numberItem(0.0), "0"},
        {numberItem(1.0 / 3.0), ".333333333333333"}, {numberItem(1.0f / 3.0f), ".3333333"}, {numberItem(-1), "-1"},
        {numberItem(32767), "32767"}};
    for (const auto& [item, text] : items) EXPECT_EQ(item, text);
    // Whatever the locale.
    test::NumberLocaleGuard comma(',', '.');
    EXPECT_EQ(numberItem(298.15), "298.15");
}

TEST(FileItems, TextItemsAndSplitting) {
    for (auto [item, text] : {std::pair{"  min  ", "min"}, {"s, weiteres", "s"}, {"\"h\"", "\"h\""}, {"\t", ""}})
        EXPECT_EQ(readTextItem(item), text) << item;
    EXPECT_EQ(readTextItem("  \xEF\xBB\xBF 1.2.2024 \xEF\xBB\xBF, x"), "1.2.2024");  // byte-order marks go with the blanks
    using V = std::vector<std::string_view>;
    EXPECT_EQ(std::tuple(splitItems(" 1, 2 ,3 "), splitItems("1,,3"), splitItems("   ")),
              std::tuple((V{"1", "2", "3"}), (V{"1", "", "3"}), V{}));
    EXPECT_EQ(itemErrorText(ItemError::NotANumber, 7, 3, " abc "), "Zeile 7, Wert 3: \"abc\" ist keine gültige Zahl.");
}

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "shell/FileItems.h"
#include "shell/TextFile.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::readFile;
using vrn::test::TempFolder;
using vrn::test::writeFile;

TEST(TextEncoding, Utf8IsTakenWhenValidElseLatin1) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
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
    for (const auto& c : cases) EXPECT_EQ(decodeText(c.bytes), c.text) << c.bytes;
}

TEST(TextEncoding, WrittenInLatin1UnlessACharacterIsMissing) {
    EXPECT_EQ(encodeText("Ätzkali über 5 °C"), "\xC4tzkali \xFC" "ber 5 \xB0" "C");
    EXPECT_EQ(encodeText("Preis 5 €"), "Preis 5 €");  // no Latin-1 form: stays UTF-8
    EXPECT_EQ(decodeText(encodeText("Ätzkali über 5 °C")), "Ätzkali über 5 °C");
    EXPECT_EQ(decodeText(encodeText("Preis 5 €, Größe")), "Preis 5 €, Größe");
    // Latin-1 bytes that would read back as UTF-8: written in UTF-8.
    EXPECT_EQ(encodeText("Ã¤"), "Ã¤");
    EXPECT_EQ(decodeText(encodeText("Ã¤")), "Ã¤");
    EXPECT_EQ(encodeLines({"Ã¤", "ÿ"}), "\xC3\xA4\r\n\xFF\r\n");  // the file as a whole is not UTF-8
}

TEST(TextLines, EveryLineEndIsRead) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("\r\n"), V{""});
}

TEST(TextFiles, WriteReadBackAndFailures) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(writeTextLines(dir.file("a.txt"), {"Zeile Ä", "zwei\r\nTeile", ""}, error)) << error;
    EXPECT_EQ(readFile(dir.file("a.txt")), "Zeile \xC4\r\nzwei  Teile\r\n\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(readTextLines(dir.file("a.txt"), lines, error));
    EXPECT_EQ(lines, (std::vector<std::string>{"Zeile Ä", "zwei  Teile", ""}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.txt.vrn-tmp")));

    EXPECT_FALSE(readTextLines(dir.file("fehlt.txt"), lines, error));
    EXPECT_NE(error.find("nicht gefunden"), std::string::npos);
    EXPECT_FALSE(readTextLines(dir.str(), lines, error));
    EXPECT_NE(error.find("Ordner"), std::string::npos);
    EXPECT_FALSE(writeTextLines(dir.file("nix/a.txt"), {"x"}, error));
    EXPECT_NE(error.find("nicht gefunden"), std::string::npos);
    EXPECT_FALSE(writeTextLines(dir.str(), {"x"}, error));

    writeFile(dir.file("big.txt"), std::string(2000, 'x'));
    EXPECT_FALSE(readTextLines(dir.file("big.txt"), lines, error, 1000));
    EXPECT_NE(error.find("zu groß"), std::string::npos);
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

TEST(FileItems, NumberItemsAreReadStrictly) {
    struct Case {
        const char* item;
        ItemError error;
        double value;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"0", ItemError::None, 0},          {".5", ItemError::None, 0.5},      {"-.5", ItemError::None, -0.5},
        {"5.", ItemError::None, 5},         {"+2", ItemError::None, 2},        {" 298.15 ", ItemError::None, 298.15},
        {"1.5E-05", ItemError::None, 1.5e-5}, {"1e3", ItemError::None, 1000}, {"2.5D+2", ItemError::None, 250},
        {"1E-400", ItemError::None, 0},     {"0.000e999999", ItemError::None, 0},
        {"1e400", ItemError::OutOfRange, 0}, {"1.8e308", ItemError::OutOfRange, 0},
        {"", ItemError::NotANumber, 0},     {"abc", ItemError::NotANumber, 0}, {"1,5", ItemError::NotANumber, 0},
        {"NaN", ItemError::NotANumber, 0},  {"inf", ItemError::NotANumber, 0}, {"-", ItemError::NotANumber, 0},
        {".", ItemError::NotANumber, 0},    {"1e", ItemError::NotANumber, 0},  {"1 2", ItemError::NotANumber, 0},
        {"0x10", ItemError::NotANumber, 0}, {"\"5\"", ItemError::NotANumber, 0}, {"1.2.3", ItemError::NotANumber, 0},
    };
    for (const auto& c : cases) {
        double v = inf;
        EXPECT_EQ(readDoubleItem(c.item, v), c.error) << c.item;
        if (c.error == ItemError::None) EXPECT_EQ(v, c.value) << c.item;
        else EXPECT_EQ(v, inf) << c.item;  // untouched
    }
}

TEST(FileItems, SinglesAndIntegersKeepTheirRange) {
    Single f = 0;
    EXPECT_EQ(readSingleItem("3.4e38", f), ItemError::None);
    EXPECT_EQ(readSingleItem("1e39", f), ItemError::OutOfRange);
    EXPECT_EQ(readSingleItem("-1e39", f), ItemError::OutOfRange);
    long n = 0;
    EXPECT_EQ(readIntegerItem("32767", 0, 32767, n), ItemError::None);
    EXPECT_EQ(n, 32767);
    EXPECT_EQ(readIntegerItem("1e3", 0, 32767, n), ItemError::None);
    EXPECT_EQ(n, 1000);
    EXPECT_EQ(readIntegerItem("32768", 0, 32767, n), ItemError::OutOfRange);
    EXPECT_EQ(readIntegerItem("-1", 0, 32767, n), ItemError::OutOfRange);
    EXPECT_EQ(readIntegerItem("2.5", 0, 32767, n), ItemError::NotANumber);
}

TEST(FileItems, WrittenInThePlainFormWithoutBlank) {
    EXPECT_EQ(numberItem(0.15), ".15");
    EXPECT_EQ(numberItem(-2.5), "-2.5");
    EXPECT_EQ(numberItem(1.5e-5), "1.5E-05");
    EXPECT_EQ(numberItem(0.0), "0");
    EXPECT_EQ(numberItem(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(numberItem(1.0f / 3.0f), ".3333333");
    EXPECT_EQ(numberItem(-1), "-1");
    EXPECT_EQ(numberItem(32767), "32767");
    // Whatever the locale.
    test::NumberLocaleGuard comma(',', '.');
    EXPECT_EQ(numberItem(298.15), "298.15");
}

TEST(FileItems, TextItemsAndSplitting) {
    EXPECT_EQ(readTextItem("  min  "), "min");
    EXPECT_EQ(readTextItem("s, weiteres"), "s");
    EXPECT_EQ(readTextItem("\"h\""), "\"h\"");
    EXPECT_EQ(readTextItem("\t"), "");
    using V = std::vector<std::string_view>;
    EXPECT_EQ(splitItems(" 1, 2 ,3 "), (V{"1", "2", "3"}));
    EXPECT_EQ(splitItems("1,,3"), (V{"1", "", "3"}));
    EXPECT_EQ(splitItems("   "), V{});
    EXPECT_EQ(itemErrorText(ItemError::NotANumber, 7, 3, " abc "), "Zeile 7, Wert 3: \"abc\" ist keine gültige Zahl.");
}

#include "data/XYFile.h"
#include "data/XYFileDialogs.h"
#include "data/XYList.h"
#include "shell/DataFile.h"
#include "shell/ProjectFile.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

class XYFileTest : public ::testing::Test {
protected:
    void SetUp() override { resetAppState(dir.str()); }
    // The next file box answers with this path (empty: cancelled).
    void boxAntwort(const std::string& path) { answerFileBoxes(path, &box); }
    static void liste(std::initializer_list<XYPunkt> pts) {
        app.XYDaten.assign(1, XYPunkt{});
        app.XYDaten.insert(app.XYDaten.end(), pts);
        app.nXYPunkte = static_cast<Integer>(pts.size());
    }
    TempFolder dir;
    Restore<FileDialogHooks> dialogs{vrn::hooks().fileDialogs};
    SaveBoxRequest box;
};

XYDateiInhalt lesen(const std::string& bytes) {
    XYDateiInhalt c;
    std::string error;
    EXPECT_TRUE(parseXYDatei(bytes, c, error)) << error;
    return c;
}

}  // namespace

TEST(XYNumberText, AlwaysWithAPointAndSevenDigits) {
    // v, text
    const std::pair<double, const char*> rows[] = {
        {1.5, ".1500000E+01"},   {0, ".0000000E+00"},      {-0.00123, "-.1230000E-02"},
        {12345, ".1234500E+05"}, {-2, "-.2000000E+01"},    {0.99999996, ".1000000E+01"},
        {2.5e-20, ".2500000E-19"}, {1.2345678e38, ".1234568E+39"},
        // a Double whose Single is 0 is written as that 0 (its reader refuses a number that reads 0)
        {1e-300, ".0000000E+00"}, {-1e-50, ".0000000E+00"}, {1.5e-45, ".1500000E-44"}};
    for (char decimal : {'.', ','}) {
        vrn::test::NumberLocaleGuard guard(decimal, decimal == '.' ? ',' : '.');
        for (const auto& [v, text] : rows) EXPECT_EQ(xyZahlText(v), text) << v << " " << decimal;
    }
    EXPECT_EQ(xyZahlText(0.1f), ".1000000E+00");  // the Single's seven digits, not 0.100000001
}

TEST(XYSeparator, LastFoundOfBlankCommaSemicolonTabWins) {
    const std::pair<const char*, const char*> rows[] = {
        {".1000000E+01;.2000000E+01", ";"}, {"1 2", " "},   {"1,5 2,5", ","},
        {"1 2\t3", "\t"},                   {"1;2,3 4", ";"}, {"1;2\t3", "\t"}, {"12345", ""}, {"", ""}};
    for (const auto& [line, sep] : rows) EXPECT_EQ(ermittleTrennzeichen(line), sep) << line;
}

TEST(XYSeparator, LinesSplitAtTheFirstTwoSeparators) {
    // line, sep, x, y
    const std::tuple<const char*, const char*, Single, Single> rows[] = {
        {"1;2;3", ";", 1, 2},       {"1;", ";", 1, 0},           {"1,5;2,5", ";", 1.5f, 2.5f},
        {"  1.0   2.0  ", " ", 1, 2}, {"7", ";", 0, 7},
        {"0.0;3", ";", 0, 3},     {" 2.5e3\t-1E-3", "\t", 2500, -0.001f}, {"1.5", "", 0, 1.5f}};
    for (const auto& [line, sep, x, y] : rows) {
        XYPunkt p{9, 9, 9};
        std::string error;
        ASSERT_TRUE(xyZeileLesen(line, sep, 2, p, error)) << line << ": " << error;
        EXPECT_EQ(std::tuple(p.x, p.y, p.aus), std::tuple(x, y, 0)) << line;
    }
}

// A value the editor's column would refuse typed is refused, named by its
// line, value and field; never read as its leading number or as 0.
TEST(XYSeparator, AValueThatIsNoNumberIsRefusedByLineAndValue) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"1e999;3", ";", "Zeile 5, Wert 1 (x): \"1e999\" liegt außerhalb des zulässigen Bereichs."},
        {"4;nan", ";", "Zeile 5, Wert 2 (y): \"nan\" ist keine gültige Zahl."},
        {"3e39;-4", ";", "Zeile 5, Wert 1 (x): \"3e39\" liegt außerhalb des zulässigen Bereichs."},
        {"2;-1E+40", ";", "Zeile 5, Wert 2 (y): \"-1E+40\" liegt außerhalb des zulässigen Bereichs."},
        {"inf;1", ";", "Zeile 5, Wert 1 (x): \"inf\" ist keine gültige Zahl."},
        {"x;y", ";", "Zeile 5, Wert 1 (x): \"x\" ist keine gültige Zahl."},
        {"Zeit", ";", "Zeile 5, Wert 2 (y): \"Zeit\" ist keine gültige Zahl."},
        {"1e-50;3", ";", "Zeile 5, Wert 1 (x): \"1e-50\" liegt zu nahe an Null."},
        {"12abc;3", ";", "Zeile 5, Wert 1 (x): \"12abc\" ist keine gültige Zahl."},
        // split at the comma, "1,5 2,5" leaves "5 2" for y: no number, never its 5
        {"1,5 2,5", ",", "Zeile 5, Wert 2 (y): \"5 2\" ist keine gültige Zahl."},
        {"3\t4;9", "\t", "Zeile 5, Wert 2 (y): \"4;9\" ist keine gültige Zahl."},
        // a line without the separator is its y, as a whole
        {"1;2", "", "Zeile 5, Wert 2 (y): \"1;2\" ist keine gültige Zahl."}};
    for (const auto& [line, sep, message] : rows) {
        XYPunkt p{9, 9, 9};
        std::string error;
        EXPECT_FALSE(xyZeileLesen(line, sep, 5, p, error)) << line;
        EXPECT_EQ(error, message);
        EXPECT_EQ(p.x, 9) << line;
    }
}

// A number other than 0 that its width holds as 0 is refused by every
// reader, with or without an exponent, never read as 0: the x-y file and the
// data set's columns hold it as a Single, the project's k1 as a Double. Zeros
// of any length are 0; a number beyond the largest is refused by all three.
TEST(XYRead, ANumberThatWouldReadZeroIsRefusedByEveryReader) {
    const std::string zeros(400, '0');
    // text, taken by the x-y file and the data set (Singles), taken by the project (a Double)
    const std::tuple<std::string, bool, bool> cases[] = {
        {"0." + zeros + "1", false, false}, {"1e-400", false, false}, {"-0." + zeros + "1", false, false},
        {"1e-50", false, true},             {"0." + zeros, true, true}, {"-0e-999", true, true},
        {"1" + zeros, false, false},        {"1e400", false, false}};
    for (const auto& [text, singleRead, doubleRead] : cases) {
        SCOPED_TRACE(text);
        XYPunkt p{9, 9, 9};
        std::string error;
        EXPECT_EQ(xyZeileLesen(text + ";" + text, ";", 2, p, error), singleRead) << error;
        if (singleRead) {
            EXPECT_EQ(std::tuple(p.x, p.y), std::tuple(0.0f, 0.0f));
        }
        // The data set: c(A) and lambda within the range of a Single.
        DataFileContent d;
        const std::string vrd = "k\r\ns\r\nh\r\n1\r\n0," + text + ",0,0,0,0,0,0," + text + ",0,0,0,0\r\n";
        EXPECT_EQ(parseDataFile(vrd, d, error), singleRead) << error;
        if (!singleRead) {
            EXPECT_EQ(error.rfind("Zeile 5, Wert 2 (c(A)): ", 0), 0u) << error;
        }
        ProjectFileContent c;
        const std::string vrp = "d\r\nk\r\na.VRD\r\n 2 \r\n" + text +
                                ",0,0\r\n0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n";
        EXPECT_EQ(parseProjectFile(vrp, c, error), doubleRead) << error;
        if (!doubleRead) {
            EXPECT_EQ(error.rfind("Zeile 5, Wert 1 (k1): ", 0), 0u) << error;
        }
    }
}

TEST(XYRead, BlankLinesAreSkippedAndTheSeparatorComesFromTheFirstDataLine) {
    const XYDateiInhalt c = lesen("Messung 3\r\n\r\n1,5\t2,5\r\n  \r\n3\t4\t9\r\n");
    ASSERT_EQ(c.punkte.size(), 2u);
    // "3\t4\t9": a third column is dropped.
    EXPECT_EQ(std::tuple(c.kommentar, c.trennzeichen, c.punkte[0].x, c.punkte[1].y),
              std::tuple("Messung 3", "\t", 1.5f, 4.0f));
    EXPECT_TRUE(lesen("").punkte.empty());
    EXPECT_TRUE(lesen("\"Kurvenpunkte\"\r\n").punkte.empty());
    EXPECT_EQ(lesen("\"Kurvenpunkte\"\r\n").kommentar, "\"Kurvenpunkte\"");
}

TEST(XYRead, RefusesOversizedLists) {
    XYDateiInhalt c;
    std::string error;
    std::string gross = "k\n";
    for (int i = 0; i <= kMaxXYPunkte; ++i) gross += "1;2\n";
    EXPECT_FALSE(parseXYDatei(gross, c, error));
    EXPECT_EQ(error, "Die Datei enthält 32768 Punkte; die Liste fasst höchstens 32767.");
}

TEST_F(XYFileTest, EditorWritesActivePointsWithCrLfAndReadsThemBack) {
    liste({{1.5f, -2, 0}, {3, 4, -1}, {-0.00123f, 12345, 0}});
    app.Trennzeichen = ";";
    const std::string path = dir.file("liste.XY");
    boxAntwort(path);
    EXPECT_TRUE(speichereXYDatei("Messung vom Montag"));
    EXPECT_EQ(readFile(path), "Messung vom Montag\r\n.1500000E+01;-.2000000E+01\r\n-.1230000E-02;.1234500E+05\r\n");
    EXPECT_EQ(std::tuple(app.XYDateiPfad, box.initialDir), std::tuple(dir.str() + "/", app.AppPath));

    app.XYDateiPfad = "/anderswo/";
    std::string titel, kommentar;
    bool cancel = true;
    ladeXYDatei(titel, kommentar, cancel);
    EXPECT_EQ(std::tuple(cancel, box.initialDir, titel + " " + kommentar),
              std::tuple(false, "/anderswo/", "liste.XY Messung vom Montag"));
    ASSERT_EQ(app.nXYPunkte, 2);
    EXPECT_EQ(std::tuple(app.XYDaten[2].x, app.XYDaten[2].y), std::tuple(-0.00123f, 12345));

    // All points excluded: the comment alone, read back as an empty list.
    liste({{1, 2, -1}});
    EXPECT_TRUE(speichereXYDatei(""));
    EXPECT_EQ(readFile(path), "\r\n");
    ladeXYDatei(titel, kommentar, cancel);
    EXPECT_EQ(std::tuple(kommentar, app.nXYPunkte), std::tuple("", 0));
}

TEST_F(XYFileTest, CancelledOrFailedBoxesChangeNothing) {
    liste({{1, 2, 0}});
    app.XYDateiName = "alt.XY";
    MsgRecorder rec;
    boxAntwort("");
    std::string titel, kommentar;
    bool cancel = false;
    ladeXYDatei(titel, kommentar, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_FALSE(speichereXYDatei("k") || speichereKurveAlsXY({1}, {2}));
    EXPECT_EQ(rec.count(), 0u);

    writeFile(dir.file("bin.XY"), std::string("ab\0c", 4));
    boxAntwort(dir.file("bin.XY"));
    ladeXYDatei(titel, kommentar, cancel);
    EXPECT_EQ(std::tuple(cancel, rec.last().title), std::tuple(true, "Meldung von ladeXYDatei"));
    EXPECT_EQ(rec.last().text, "Zeile 1 enthält ein NUL-Zeichen; die Datei ist keine Textdatei: " + dir.file("bin.XY") +
                                   "\r\n\r\nDie Liste bleibt unverändert.");
    EXPECT_EQ(std::tuple(app.nXYPunkte, app.XYDateiName), std::tuple(1, "alt.XY"));

    boxAntwort(dir.file("kein/ordner/x.XY"));
    EXPECT_FALSE(speichereXYDatei("k"));
    EXPECT_EQ(rec.last().title, "FEHLER");
    EXPECT_FALSE(speichereKurveAlsXY({1}, {2}));
    EXPECT_EQ(rec.last().title, "Meldung von cmdSaveCurveAsXY");
    xyListeLeeren();
    EXPECT_FALSE(speichereXYDatei("k"));
    EXPECT_EQ(rec.beeps(), 1);
}

TEST_F(XYFileTest, AFileWithAValueThatIsNoNumberLeavesTheListAsItWas) {
    liste({{1, 2, 0}, {3, 4, -1}});
    app.XYDateiName = "alt.XY";
    writeFile(dir.file("fehler.XY"), "Messung\r\n1;3\r\n\r\n1e999;3\r\n4;5\r\n");
    boxAntwort(dir.file("fehler.XY"));
    MsgRecorder rec;
    std::string titel = "alt", kommentar = "k";
    bool cancel = false;
    ladeXYDatei(titel, kommentar, cancel);
    EXPECT_TRUE(cancel);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Meldung von ladeXYDatei");
    EXPECT_EQ(rec.last().text, "Zeile 4, Wert 1 (x): \"1e999\" liegt außerhalb des zulässigen Bereichs.\r\n(Datei: " +
                                   dir.file("fehler.XY") + ")\r\n\r\nDie Liste bleibt unverändert.");
    EXPECT_EQ(titel + kommentar + app.XYDateiName, "altkalt.XY");
    ASSERT_EQ(app.nXYPunkte, 2);
    EXPECT_EQ(app.XYDaten[1].x, 1);
    EXPECT_EQ(app.XYDaten[2].aus, -1);
}

// A pipe, a folder or a loop of links picked in the file box is refused at
// once with the reason; the list stays, nothing waits for a writer.
TEST_F(XYFileTest, APipeOrAFolderPickedInTheBoxIsRefusedAtOnce) {
    Fifo rohr(dir.file("rohr.XY"));
    std::filesystem::create_directory(dir.file("ordner.XY"));
    std::filesystem::create_symlink("schleife.XY", dir.file("schleife.XY"));
    const std::pair<std::string, std::string> cases[] = {
        {rohr.path(), "Das ist keine gewöhnliche Datei: " + rohr.path()},
        {dir.file("ordner.XY"), "Das ist ein Ordner, keine Datei: " + dir.file("ordner.XY")},
        {dir.file("schleife.XY"),
         "Die symbolischen Verknüpfungen des Pfads bilden eine Schleife: " + dir.file("schleife.XY")}};
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        liste({{1, 2, 0}, {3, 4, -1}});
        app.XYDateiName = "alt.XY";
        boxAntwort(path);
        MsgRecorder rec;
        std::string titel = "alt", kommentar = "k";
        bool cancel = false;
        EXPECT_TRUE(rohr.endsAlone([&] { ladeXYDatei(titel, kommentar, cancel); })) << "the reader waited for a writer";
        EXPECT_TRUE(cancel);
        EXPECT_TRUE(isOnlyMessage(rec, reason + "\r\n\r\nDie Liste bleibt unverändert.", "Meldung von ladeXYDatei",
                                  MsgIcon::Critical));
        EXPECT_EQ(std::tuple(titel, kommentar, app.XYDateiName, app.nXYPunkte, app.XYDaten[2].y, app.XYDaten[2].aus),
                  std::tuple("alt", "k", "alt.XY", 2, 4.0f, -1));
    }
}

TEST_F(XYFileTest, ChartCurveFileStartsWithKurvenpunkteAndSkipsHoles) {
    app.Trennzeichen = "\t";
    const std::string path = dir.file("kurve.XY");
    boxAntwort(path);
    EXPECT_TRUE(speichereKurveAlsXY({0, 0.5, 1, 2}, {1, 1e308, 0.25, -3}));
    EXPECT_EQ(readFile(path), "\"Kurvenpunkte\"\r\n.0000000E+00\t.1000000E+01\r\n.1000000E+01\t.2500000E+00\r\n"
                              ".2000000E+01\t-.3000000E+01\r\n");
    EXPECT_EQ(app.XYDateiName, path);
    // The editor reads it with its quoted comment and writes it unchanged.
    std::string titel, kommentar;
    bool cancel = true;
    ladeXYDatei(titel, kommentar, cancel);
    boxAntwort(dir.file("zweite.XY"));
    EXPECT_TRUE(speichereXYDatei(kommentar));
    EXPECT_EQ(readFile(dir.file("zweite.XY")), readFile(path));
}

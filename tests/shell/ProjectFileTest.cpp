#include "shell/DataFile.h"
#include "shell/ProjectFile.h"
#include "shell/TextFile.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// LoadProjectFile with its flag (vorher before the call) as the result.
bool projekt(const std::string& path, std::string& dat, bool vorher = false) {
    bool ok = vorher;
    LoadProjectFile(path, dat, ok);
    return ok;
}

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState(dir.str());
        hooks().fileDialogs.shortDateText = [] { return std::string("01.02.2024"); };
        hooks().fileDialogs.askProjectComment = [this] {
            ++commentAsked;
            app.ProjKommentar = typedComment;
        };
    }
    Restore<FileDialogHooks> dialogs{vrn::hooks().fileDialogs};
    TempFolder dir;
    int commentAsked = 0;
    std::string typedComment;
};

std::string project(const std::string& line3, const std::string& line4, const std::string& line5,
                    const std::string& rest = "0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n") {
    return "01.02.2024\r\nKommentar\r\n" + line3 + "\r\n" + line4 + "\r\n" + line5 + "\r\n" + rest;
}

}  // namespace

TEST_F(ProjectFileTest, WritesExactlyTheHandWrittenFile) {
    typedComment = "Projekt für Übung 4, Gruppe B";
    app.ExpDateiName = "/home/labor/daten/messung3.VRD";
    app.iModell = 4;
    app.k = {0, 0.11, 0, 2.5e-5};
    ASSERT_TRUE(WriteProjectFile(dir.file("p.VRP")));
    EXPECT_EQ(commentAsked, 1);
    EXPECT_EQ(readFile(dir.file("p.VRP")), readFile(VARNOLT_TEST_DATA "/project_expected.VRP"));
}

// The hand-written file, and one with LF alone in Latin-1.
TEST_F(ProjectFileTest, ReadsTheHandWrittenFileAndLfOnlyLatin1) {
    writeFile(dir.file("lf.VRP"), "1.2.24\nGr\xfc\xdf" "e aus \xd6sterreich\n\"a.vrd\"\n 12 \n1E-3,2,3\n0\n0\n0\n0\n0,0,0,0\n0\n0\n0,0\nx\nx");
    // file, data set, comment, model, k
    const std::tuple<std::string, const char*, const char*, int, std::array<double, 4>> faelle[] = {
        {VARNOLT_TEST_DATA "/project_expected.VRP", "messung3.VRD", "Projekt für Übung 4, Gruppe B", 4,
         {0, 0.11, 0, 2.5e-5}},
        {dir.file("lf.VRP"), "a.vrd", "Grüße aus Österreich", 12, {0, 1e-3, 2, 3}}};
    for (const auto& [file, datensatz, kommentar, modell, k] : faelle) {
        MsgRecorder rec;
        std::string dat = "vorher";
        ASSERT_TRUE(projekt(file, dat));
        EXPECT_EQ(std::tuple(rec.count(), dat, app.ProjKommentar, app.iModell, app.k),
                  std::tuple(0u, datensatz, kommentar, modell, k));
    }
}

TEST_F(ProjectFileTest, RoundTripInBothLocales) {
    for (char decimal : {'.', ','}) {
        test::NumberLocaleGuard locale(decimal, decimal == '.' ? ',' : '.');
        resetAppState(dir.str());
        typedComment = "Reihe 2, mit Komma; Ölbad 60 °C";
        app.ExpDateiName = dir.file("Daten, Teil 2.vrd");  // a comma in the name loads again
        for (int model : {1, 2, 17, 18, 20}) {
            app.iModell = static_cast<Integer>(model);
            app.k = {0, 1.0 / 3.0, -2.5e-12, 123456.789};
            ASSERT_TRUE(WriteProjectFile(dir.file("rt.VRP")));
            app.iModell = 0;
            app.k = {};
            app.ProjKommentar.clear();
            std::string dat;
            ASSERT_TRUE(projekt(dir.file("rt.VRP"), dat));
            EXPECT_EQ(app.iModell, model);
            EXPECT_NEAR(app.k[1], 1.0 / 3.0, 1e-15);
            EXPECT_EQ(std::tuple(app.k[2], app.k[3], app.ProjKommentar, dat),
                      std::tuple(-2.5e-12, 123456.789, "Reihe 2, mit Komma; Ölbad 60 °C", "Daten, Teil 2.vrd"));
        }
    }
}

TEST_F(ProjectFileTest, LastSessionCarriesItsOwnComment) {
    app.ProjKommentar = "mein Projekt";
    app.ExpDateiName.clear();
    ASSERT_TRUE(WriteProjectFile(dir.file("vrnlastsession.vrp")));
    EXPECT_EQ(std::tuple(commentAsked, app.ProjKommentar), std::tuple(0, "VARNOLT last session"));
    const std::string text = readFile(dir.file("vrnlastsession.vrp"));
    EXPECT_EQ(text.substr(0, text.find("\r\n 2 ")), "01.02.2024\r\nVARNOLT last session\r\n");

    // A project without data set loads; the caller then reports that there is no data file.
    app.iModell = 5;
    std::string dat = "x";
    EXPECT_TRUE(projekt(dir.file("vrnlastsession.vrp"), dat));
    EXPECT_EQ(std::tuple(dat, app.iModell, app.k[1]), std::tuple("", 2, 0.15));
}

TEST_F(ProjectFileTest, DataNameExtensionIsTestedInUpperCase) {
    const std::pair<const char*, bool> names[] = {
        {"messung.vrd", true}, {"MESSUNG.VRD", true}, {"", true}, {"messung.TXT", false}, {"vrd.dat", false}};
    for (const auto& [name, accepted] : names) {
        writeFile(dir.file("n.VRP"), project(name, " 8 ", ".5,0,0"));
        app.iModell = 3;
        MsgRecorder rec;
        std::string dat = "vorher";
        EXPECT_EQ(projekt(dir.file("n.VRP"), dat, !accepted), accepted) << name;
        EXPECT_EQ(app.iModell, accepted ? 8 : 3) << name;
        EXPECT_EQ(dat, accepted ? name : "vorher");
    }
}

// Every refused project shows "Projektfile hat falsches Format" and changes nothing.
TEST_F(ProjectFileTest, BadFilesChangeNothing) {
    std::string binary;
    for (int i = 0; i < 2000; ++i) binary.push_back(static_cast<char>((i * 131 + 7) & 0xFF));
    std::string fifteen;
    for (int i = 0; i < 15; ++i) fifteen += "x\r\n";
    // what, bytes
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""}, {"truncated", project("a.VRD", " 2 ", ".5,0,0").substr(0, 60)},
        {"model 19", project("a.VRD", " 19 ", ".5,0,0")}, {"model 0", project("a.VRD", " 0 ", ".5,0,0")},
        {"model 21", project("a.VRD", " 21 ", ".5,0,0")}, {"model -1", project("a.VRD", "-1", ".5,0,0")},
        {"model 70000", project("a.VRD", "70000", ".5,0,0")}, {"model 2.5", project("a.VRD", "2.5", ".5,0,0")},
        {"model text", project("a.VRD", "zwei", ".5,0,0")}, {"k NaN", project("a.VRD", " 2 ", "NaN,0,0")},
        {"k inf", project("a.VRD", " 2 ", ".5,1e999,0")}, {"two k", project("a.VRD", " 2 ", ".5,0")},
        {"four k", project("a.VRD", " 2 ", ".5,0,0,0")},
        {"reserved text", project("a.VRD", " 2 ", ".5,0,0", "0\r\n0\r\nabc\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n")},
        {"reserved single too big", project("a.VRD", " 2 ", ".5,0,0", "0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n1e40\r\n0\r\n0,0\r\nx\r\nx\r\n")},
        {"14 lines", project("a.VRD", " 2 ", ".5,0,0", "0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\n")},
        {"all text", fifteen}, {"binary", binary},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        resetAppState(dir.str());
        app.ProjKommentar = "alt";
        app.iModell = 7;
        app.k = {0, 1, 2, 3};
        writeFile(dir.file("bad.VRP"), bytes);
        MsgRecorder rec;
        std::string dat = "vorher";
        EXPECT_FALSE(projekt(dir.file("bad.VRP"), dat, true));
        ASSERT_EQ(rec.count(), 1u);
        // The reason follows, with the file.
        EXPECT_EQ(rec.last().title, " Ausführung nicht möglich ");
        EXPECT_EQ(rec.last().text.rfind("Projektfile hat falsches Format\r\n\r\n", 0), 0u) << rec.last().text;
        EXPECT_NE(rec.last().text.find(dir.file("bad.VRP")), std::string::npos) << rec.last().text;
        EXPECT_EQ(std::tuple(app.ProjKommentar, app.iModell, app.k, dat),
                  std::tuple("alt", 7, std::array<double, 4>{0, 1, 2, 3}, "vorher"));
    }
    MsgRecorder rec;
    std::string dat;
    EXPECT_FALSE(projekt(dir.file("fehlt.VRP"), dat, true));
    EXPECT_EQ(rec.last().text, "Projektfile hat falsches Format");
}

TEST_F(ProjectFileTest, APipeOrAFolderInTheFilesPlaceIsRefusedAtOnceWithTheReason) {
    Fifo rohr(dir.file("rohr.VRP"));
    std::filesystem::create_directory(dir.file("ordner.VRP"));
    const std::pair<std::string, std::string> cases[] = {
        {rohr.path(), "Das ist keine gewöhnliche Datei: " + rohr.path()},
        {dir.file("ordner.VRP"), "Das ist ein Ordner, keine Datei: " + dir.file("ordner.VRP")}};
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        app.ProjKommentar = "alt";
        app.iModell = 7;
        app.k = {0, 1, 2, 3};
        MsgRecorder rec;
        std::string dat = "vorher";
        bool loaded = true;
        EXPECT_TRUE(rohr.endsAlone([&] { loaded = projekt(path, dat, true); })) << "the reader waited for a writer";
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(isOnlyMessage(rec, "Projektfile hat falsches Format\r\n\r\n" + reason, " Ausführung nicht möglich ",
                                  MsgIcon::Critical));
        EXPECT_EQ(std::tuple(app.ProjKommentar, app.iModell, app.k, dat),
                  std::tuple("alt", 7, std::array<double, 4>{0, 1, 2, 3}, "vorher"));
    }
}

// The rate constants are written in the unit of the data-set file on disk,
// the unit the project is read back in; the constants in memory stay.
TEST_F(ProjectFileTest, RateConstantsAreWrittenInTheUnitOfTheirDataFile) {
    const struct {
        const char* inForce;  // the unit of the program
        const char* datei;    // the data-set file: its unit, "" none, "fehlt" missing, "kaputt" no data set
        double k1;            // in the unit in force
        double geschrieben;   // k1 in the file (hand-computed)
        const char* einheit;  // line 14
    } faelle[] = {
        {"s", "min", 0.0215 / 60, 0.0215, "min"},
        {"min", "s", 9, 0.15, "s"},
        {"s", "h", 0.15, 540, "h"},
        {"d", "a", 1, 365, "a"},
        {"a", "min", 525600, 1, "min"},
        {"min", "min", 0.0215, 0.0215, "min"},
        {"min", "", 9, 9, "min"},
        {"h", "fehlt", 9, 9, "h"},
        {"h", "kaputt", 9, 9, "h"},
        {"min", "Sekunden", 9, 9, "min"},  // a unit the program does not know
        {"sec", "s", 9, 9, "x"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.inForce) + " / " + f.datei);
        resetAppState(dir.str());
        const std::string datei = f.datei;
        app.ExpDateiName = datei.empty() ? "" : dir.file("reihe.VRD");
        std::filesystem::remove(dir.file("reihe.VRD"));
        if (datei == "kaputt") {
            writeFile(app.ExpDateiName, "keine Daten\r\n");
        } else if (!datei.empty() && datei != "fehlt") {
            Messpunkt p;
            p.t = 10;
            p.c[1] = 0.05;
            std::vector<std::string> zeilen;
            std::string fehler;
            ASSERT_TRUE(formatDataFile("Reihe", f.datei, &p, 1, 0, zeilen, fehler) &&
                        writeTextLines(app.ExpDateiName, zeilen, fehler))
                << fehler;
        }
        app.sZeiteinheit = f.inForce;
        app.iModell = 6;
        app.k = {0, f.k1, 2 * f.k1, 0};
        ASSERT_TRUE(WriteProjectFile(dir.file("e.VRP")));
        EXPECT_EQ(app.k, (std::array<double, 4>{0, f.k1, 2 * f.k1, 0}));
        const std::string text = readFile(dir.file("e.VRP"));
        ProjectFileContent c;
        std::string fehler;
        ASSERT_TRUE(parseProjectFile(text, c, fehler)) << fehler;
        EXPECT_NEAR(c.k[0], f.geschrieben, 1e-12 * f.geschrieben);
        EXPECT_NEAR(c.k[1], 2 * f.geschrieben, 2e-12 * f.geschrieben);
        EXPECT_EQ(c.k[2], 0);
        std::vector<std::string> zeilen;
        ASSERT_TRUE(readTextLines(dir.file("e.VRP"), zeilen, fehler)) << fehler;
        ASSERT_EQ(zeilen.size(), 15u);
        EXPECT_EQ(zeilen[13], f.einheit) << "line 14 names the unit";
    }
}

// Line 14 names the unit of the rate constants; older files hold "x" there
// and load as before. After the data set is loaded the constants are taken
// into the unit in force.
TEST_F(ProjectFileTest, TheUnitOfTheRateConstantsIsReadAndTakenIntoTheUnitInForce) {
    const std::pair<const char*, const char*> zeilen14[] = {
        {"x", ""}, {"min", "min"}, {"h  ", "h"}, {"a,0", "a"}, {"sec", ""}, {"", ""}, {"MIN", ""}};
    for (const auto& [zeile, einheit] : zeilen14) {
        SCOPED_TRACE(zeile);
        writeFile(dir.file("u.VRP"),
                  project("a.VRD", " 2 ", "9,0,0", std::string("0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\n") +
                                                       zeile + "\r\nx\r\n"));
        std::string dat, gelesen = "vorher";
        bool ok = false;
        MsgRecorder rec;
        LoadProjectFile(dir.file("u.VRP"), dat, ok, &gelesen);
        EXPECT_EQ(std::tuple(ok, rec.count(), gelesen, app.k[1]), std::tuple(true, 0u, einheit, 9.0));
    }

    const struct {
        const char* kEinheit;
        const char* inForce;
        double vorher, nachher;  // k1 (hand-computed)
    } faelle[] = {
        {"min", "s", 9, 0.15},     {"s", "min", 0.15, 9},      {"a", "d", 365, 1},     {"h", "min", 120, 2},
        {"h", "h", 2, 2},          {"", "s", 5, 5},            {"min", "sec", 9, 9},   {"sec", "s", 9, 9},
        {"s", "a", 1e302, 1e302},  // beyond the range in years: kept as read
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.kEinheit) + " -> " + f.inForce);
        app.sZeiteinheit = f.inForce;
        app.k = {0, f.vorher, 0, 3 * f.vorher};
        rateConstantsIntoUnitInForce(f.kEinheit);
        EXPECT_NEAR(app.k[1], f.nachher, 1e-12 * f.nachher);
        EXPECT_NEAR(app.k[3], 3 * f.nachher, 3e-12 * f.nachher);
        EXPECT_EQ(app.k[2], 0);
    }
}

TEST_F(ProjectFileTest, WriteFailureKeepsTheOldFile) {
    MsgRecorder rec;
    EXPECT_FALSE(WriteProjectFile(dir.file("fehlt/p.VRP")));
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Fehler beim Abspeichern der Sitzungs-Datei");
    EXPECT_EQ(rec.last().icon, MsgIcon::Critical);

    writeFile(dir.file("alt.VRP"), "bleibt");
    app.k[2] = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(WriteProjectFile(dir.file("alt.VRP")));
    EXPECT_EQ(readFile(dir.file("alt.VRP")), "bleibt");
}

TEST(StripPath, LastComponent) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Programme\\Daten\\a.VRD", "a.VRD"}, {"/home/u/b.vrd", "b.vrd"}, {"name.VRD", "name.VRD"},
        {"C:\\Daten\\", ""}, {"", ""}, {"a/b\\c", "c"},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(StripPath(path), name) << path;
}


// A rate constant the model window takes typed is taken from the file as it
// stands, however small; one that would read as 0 is named with its line and
// field, never read as 0, and the program keeps what it had.
TEST_F(ProjectFileTest, ATinyRateConstantIsKeptAndOneThatWouldReadZeroIsNamed) {
    writeFile(dir.file("klein.VRP"), project("a.VRD", " 2 ", "1E-300,0,0"));
    std::string dat;
    MsgRecorder rec;
    ASSERT_TRUE(projekt(dir.file("klein.VRP"), dat));
    EXPECT_EQ(app.k[1], 1e-300);
    EXPECT_EQ(rec.count(), 0u);

    app.k = {0, 0.5, 0.25, 0};
    writeFile(dir.file("null.VRP"), project("a.VRD", " 2 ", ".15,1E-400,0"));
    dat = "vorher";
    EXPECT_FALSE(projekt(dir.file("null.VRP"), dat, true));
    EXPECT_TRUE(isOnlyMessage(rec,
                              "Projektfile hat falsches Format\r\n\r\nZeile 5, Wert 2 (k2): \"1E-400\" liegt zu nahe an "
                              "Null.\r\n(Datei: " + dir.file("null.VRP") + ")",
                              " Ausführung nicht möglich ", MsgIcon::Critical));
    EXPECT_EQ(std::tuple(app.k, dat), std::tuple(std::array<double, 4>{0, 0.5, 0.25, 0}, "vorher"));
}

#include "shell/DataFile.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

Messpunkt punkt(double t, double cA, double cB, double cP, double k, double T, Single lambda, Single res3 = 0,
                Single res4 = 0, Integer aus = 0) {
    return Messpunkt{t, {0, cA, cB, 0, cP, 0}, T, k, lambda, res3, res4, aus};
}

void setDataSet(const std::vector<Messpunkt>& pts) {
    test::setDataSet(static_cast<int>(pts.size()),
                     [&pts](Messpunkt& p, int i) { p = pts[static_cast<std::size_t>(i - 1)]; });
}

// The data set of the hand-written file tests/shell/data/dataset_expected.VRD.
void setExpectedDataSet() {
    app.ExpKommentar = "Verseifung mit Ätzkali, Messung 3";
    app.sZeiteinheit = "min";
    app.LambdaInf = 1.82;
    setDataSet({punkt(0, 0.02, 0.02, 0, 0, 298.15, 4.96f),
                punkt(2.5, 0.0153, 0.0153, 0.0047, 0, 298.15, 4.2275f),
                punkt(120.125, 1.5e-5, 0, 0, 0.11, 300, 1.8205f, -2.5f, 1e-7f, -1)});
}

// LoadDataFile and WriteDataFile with their flag (false before the call) as the result.
bool laden(const std::string& path, bool append) {
    bool ok = false;
    LoadDataFile(path, append, ok);
    return ok;
}
bool schreiben(const std::string& path) {
    bool ok = false;
    WriteDataFile(path, ok);
    return ok;
}

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override { resetAppState(dir.str()); }
    TempFolder dir;
};

}  // namespace

// The hand-written file is what the writer makes of its data set, and what
// the reader takes from it gives the same file again.
TEST_F(DataFileTest, HandWrittenFileIsWrittenExactlyAndReadBack) {
    setExpectedDataSet();
    ASSERT_TRUE(schreiben(dir.file("out.VRD")));
    EXPECT_EQ(readFile(dir.file("out.VRD")), readFile(VARNOLT_TEST_DATA "/dataset_expected.VRD"));

    resetAppState(dir.str());
    MsgRecorder rec;
    ASSERT_TRUE(laden(VARNOLT_TEST_DATA "/dataset_expected.VRD", false));
    EXPECT_EQ(std::tuple(rec.count(), app.iZeitEinheit, app.Lambda0), std::tuple(0u, 1, static_cast<double>(4.96f)));
    EXPECT_EQ(app.LambdaInf, 1.82);  // kept as written, not widened from a Single
    ASSERT_TRUE(schreiben(dir.file("again.VRD")));
    EXPECT_EQ(readFile(dir.file("again.VRD")), readFile(VARNOLT_TEST_DATA "/dataset_expected.VRD"));
}

TEST_F(DataFileTest, RoundTripKeepsEveryFieldInBothLocales) {
    for (char decimal : {'.', ','}) {
        test::NumberLocaleGuard locale(decimal, decimal == '.' ? ',' : '.');
        resetAppState(dir.str());
        app.ExpKommentar = "Messreihe 7, Probe 3 (Größe: 5 €)";
        app.sZeiteinheit = "h";
        app.LambdaInf = 12.5;
        std::vector<Messpunkt> pts;
        for (int i = 0; i < 50; ++i) {
            Messpunkt m = punkt(i * 0.1 + 1.0 / 3.0, 0.05 * std::exp(-0.1 * i), 1e-9 * i, 12345.678, 1.5e-4 * i,
                                273.15 + i * 0.25, 3.25f + static_cast<Single>(i) / 7.0f, -1.0f * i, 1e-3f * i,
                                (i % 3 == 0) ? -1 : 0);
            m.c[3] = -0.5;
            m.c[5] = 3e38;  // the largest the editor's column takes is kept
            pts.push_back(m);
        }
        setDataSet(pts);
        ASSERT_TRUE(schreiben(dir.file("rt.VRD")));
        const auto saved = app.ExpDaten;
        resetAppState(dir.str());
        ASSERT_TRUE(laden(dir.file("rt.VRD"), false));
        ASSERT_EQ(app.nExpPunkte, 50);
        EXPECT_EQ(std::tuple(app.ExpKommentar, app.sZeiteinheit, app.iZeitEinheit, app.LambdaInf),
                  std::tuple("Messreihe 7, Probe 3 (Größe: 5 €)", "h", 2, 12.5));
        for (int i = 1; i <= 50; ++i) {
            const Messpunkt& a = saved[static_cast<std::size_t>(i)];
            const Messpunkt& b = app.ExpDaten[static_cast<std::size_t>(i)];
            // Doubles keep 15 significant digits, singles 7.
            EXPECT_NEAR(b.t, a.t, 1e-14 * std::fabs(a.t)) << i;
            for (int j = 1; j <= 5; ++j)
                EXPECT_NEAR(b.c[static_cast<std::size_t>(j)], a.c[static_cast<std::size_t>(j)],
                            1e-14 * std::fabs(a.c[static_cast<std::size_t>(j)]))
                    << i;
            EXPECT_NEAR(b.k, a.k, 1e-14 * std::fabs(a.k)) << i;
            EXPECT_NEAR(b.Temp, a.Temp, 1e-13) << i;
            EXPECT_NEAR(b.lambda, a.lambda, 1e-6f * std::fabs(a.lambda)) << i;
            EXPECT_NEAR(b.res3, a.res3, 1e-6f * std::fabs(a.res3)) << i;
            EXPECT_NEAR(b.res4, a.res4, 1e-6f * std::fabs(a.res4)) << i;
            EXPECT_EQ(b.aus, a.aus) << i;
        }
    }
}

TEST_F(DataFileTest, LfOnlyBlankLinesAndOddItemFormsAreRead) {
    writeFile(dir.file("lf.VRD"),
              "Kommentar mit \xe4 und, Komma\n  d , egal\nKopf\n 3 \n"
              "+0,.5,0,0,0,0,0,0,2,0,0,0,0\n\n"
              "1.5D-1, 4E-1 ,0,0,0,0,0,0,3,5,0,0,1\n"
              "2.,3e-1,0,0,0,0,0,0,4,0,0,0,0\n"
              "was hier noch steht, wird nicht gelesen\n");
    MsgRecorder rec;
    ASSERT_TRUE(laden(dir.file("lf.VRD"), false)) << (rec.count() ? rec.last().text : "");
    EXPECT_EQ(std::tuple(app.ExpKommentar, app.sZeiteinheit, app.iZeitEinheit),
              std::tuple("Kommentar mit ä und, Komma", "d", 3));
    ASSERT_EQ(app.nExpPunkte, 3);
    // Point 2 is excluded: any flag other than 0 excludes the point.
    EXPECT_EQ(std::tuple(app.ExpDaten[2].t, app.ExpDaten[2].aus, app.ExpDaten[3].t, app.Lambda0, app.LambdaInf),
              std::tuple(0.15, -1, 2.0, 2.0, 5.0));
}

TEST_F(DataFileTest, LambdaZeroAndInfinityRules) {
    // Lambda0: the last active point with t = 0; LambdaInf: the last positive
    // value of the file; a file without one has none (0), and points appended
    // from such a file keep the data set's.
    writeFile(dir.file("l.VRD"),
              "k\r\ns\r\nh\r\n4\r\n"
              "0,1,0,0,0,0,0,0,7,0,0,0,0\r\n"
              "0,1,0,0,0,0,0,0,8,3,0,0,-1\r\n"
              "5,1,0,0,0,0,0,0,9,4,0,0,0\r\n"
              "6,1,0,0,0,0,0,0,9,-2,0,0,0\r\n");
    app.LambdaInf = 99;
    ASSERT_TRUE(laden(dir.file("l.VRD"), false));
    EXPECT_EQ(std::tuple(app.Lambda0, app.LambdaInf), std::tuple(7.0, 4.0));

    writeFile(dir.file("m.VRD"), "k\r\ns\r\nh\r\n1\r\n3,1,0,0,0,0,0,0,7,0,0,0,0\r\n");
    ASSERT_TRUE(laden(dir.file("m.VRD"), false));
    EXPECT_EQ(std::tuple(app.Lambda0, app.LambdaInf), std::tuple(0.0, 0.0));  // the file holds none

    // Appending: a file without lambda(inf) keeps the data set's, one with it brings its own.
    ASSERT_TRUE(laden(dir.file("l.VRD"), false));
    ASSERT_TRUE(laden(dir.file("m.VRD"), true));
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.LambdaInf), std::tuple(5, 4.0));
    ASSERT_TRUE(laden(dir.file("m.VRD"), false));
    ASSERT_TRUE(laden(dir.file("l.VRD"), true));
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.LambdaInf), std::tuple(5, 4.0));

    // Written without lambda(inf), read back without it.
    ASSERT_TRUE(laden(dir.file("m.VRD"), false));
    ASSERT_TRUE(schreiben(dir.file("n.VRD")));
    app.LambdaInf = 99;
    ASSERT_TRUE(laden(dir.file("n.VRD"), false));
    EXPECT_EQ(app.LambdaInf, 0.0);
}

TEST_F(DataFileTest, EmptyFileCountZero) {
    writeFile(dir.file("leer.VRD"), "nichts\r\nmin\r\nkopf\r\n0\r\n");
    setDataSet({punkt(1, 1, 0, 0, 0, 0, 0), punkt(2, 1, 0, 0, 0, 0, 0)});
    app.sZeiteinheit = "min";
    app.Lambda0 = 3;
    ASSERT_TRUE(laden(dir.file("leer.VRD"), true));  // append: points unchanged
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.Lambda0), std::tuple(2, 0.0));
    ASSERT_TRUE(laden(dir.file("leer.VRD"), false));  // replace: empty data set
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpKommentar), std::tuple(0, "nichts"));
}

TEST_F(DataFileTest, AppendingConvertsTimesIntoThePresentUnit) {
    app.sZeiteinheit = "min";
    app.iZeitEinheit = 1;
    app.ExpKommentar = "erste Reihe";
    setDataSet({punkt(1, 0.5, 0, 0, 0, 0, 0), punkt(2, 0.25, 0, 0, 0, 0, 0)});
    writeFile(dir.file("sek.VRD"), "zweite\r\ns\r\nh\r\n2\r\n180,.125,0,0,0,0,0,0,0,0,0,0,0\r\n"
                                   "240,.0625,0,0,0,0,0,0,0,0,0,0,0\r\n");
    ASSERT_TRUE(laden(dir.file("sek.VRD"), true));
    ASSERT_EQ(app.nExpPunkte, 4);
    EXPECT_EQ(app.ExpKommentar, "erste Reihe");  // the comment of an appended file is dropped
    EXPECT_EQ(std::tuple(app.sZeiteinheit, app.iZeitEinheit, app.ExpDaten[1].t), std::tuple("min", 1, 1.0));
    EXPECT_DOUBLE_EQ(app.ExpDaten[3].t, 3.0);
    EXPECT_DOUBLE_EQ(app.ExpDaten[4].t, 4.0);
    EXPECT_EQ(app.ExpDaten[4].c[1], 0.0625);

    // Into an empty data set the file's unit is taken over.
    setDataSet({});
    ASSERT_TRUE(laden(dir.file("sek.VRD"), true));
    EXPECT_EQ(std::tuple(app.sZeiteinheit, app.ExpDaten[1].t), std::tuple("s", 180.0));
}

// Appending is refused for a unit the program does not know and beyond 32767
// points; replacing, an unknown unit is kept as text with the index of seconds.
TEST_F(DataFileTest, AppendingAnUnknownUnitOrBeyond32767PointsIsRefused) {
    const std::string p = "1,1,0,0,0,0,0,0,0,0,0,0,0\r\n";
    // file, its bytes, points before, part of the message
    const std::tuple<const char*, std::string, int, const char*> faelle[] = {
        {"x.VRD", "k\r\nWochen\r\nh\r\n1\r\n" + p, 1, "Wochen"},
        {"drei.VRD", "k\r\ns\r\nh\r\n3\r\n" + p + p + p, 32765, "32767"}};
    for (const auto& [name, bytes, n, says] : faelle) {
        app.sZeiteinheit = "min";
        setDataSet(std::vector<Messpunkt>(static_cast<std::size_t>(n), punkt(1, 0.5, 0, 0, 0, 0, 0)));
        writeFile(dir.file(name), bytes);
        MsgRecorder rec;
        EXPECT_FALSE(laden(dir.file(name), true));
        EXPECT_EQ(std::tuple(app.nExpPunkte, app.sZeiteinheit), std::tuple(n, "min"));
        ASSERT_EQ(rec.count(), 1u);
        EXPECT_NE(rec.last().text.find(says), std::string::npos) << rec.last().text;
    }
    ASSERT_TRUE(laden(dir.file("x.VRD"), false));
    EXPECT_EQ(std::pair(app.sZeiteinheit, app.iZeitEinheit), std::pair(std::string("Wochen"), Integer{0}));
}

// Every bad file ends in "Meldung von LoadDataFile" and changes nothing, whether
// it replaces or appends.
TEST_F(DataFileTest, BadFilesChangeNothing) {
    const std::string head = "neu\r\ns\r\nt, cA\r\n";
    const std::string p = "1,1,0,0,0,0,0,0,0,0,0,0,0\r\n";
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919 + 13) & 0xFF));
    // what, bytes, part of the message
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"empty file", "", "leer"},
        {"truncated before the count", "neu\r\ns\r\n", "Zeile 3"},
        {"no count line", head, "Zeile 4"},
        {"count larger than the lines", head + "5\r\n" + p + p, "angegeben sind 5 Messpunkte"},
        {"negative count", head + "-1\r\n", "Zeile 4"},
        {"huge count", head + "40000\r\n" + p, "0 bis 32767"},
        {"enormous count", head + "99999999999999999999999\r\n", "Zeile 4"},
        {"fractional count", head + "2.5\r\n" + p + p, "Zeile 4"},
        {"text for the count", head + "zwei\r\n" + p + p, "zwei"},
        {"two items in the count line", head + "1,2\r\n" + p, "Zeile 4"},
        {"text where a number belongs", head + "1\r\n1,1,abc,0,0,0,0,0,0,0,0,0,0\r\n", "Zeile 5, Wert 3"},
        {"NaN", head + "1\r\nNaN,1,0,0,0,0,0,0,0,0,0,0,0\r\n", "Wert 1"},
        {"inf", head + "1\r\n1,1,0,0,0,0,inf,0,0,0,0,0,0\r\n", "Wert 7"},
        {"double overflow", head + "1\r\n1,1,0,0,0,0,0,1e999,0,0,0,0,0\r\n", "Wert 8"},
        {"single overflow", head + "1\r\n1,1,0,0,0,0,0,0,1e39,0,0,0,0\r\n", "Wert 9"},
        {"flag out of range", head + "1\r\n1,1,0,0,0,0,0,0,0,0,0,0,99999\r\n", "Wert 13"},
        {"too few items", head + "1\r\n1,1,0,0,0,0,0,0,0,0,0,0\r\n", "13 Werte erwartet, 12"},
        {"too many items", head + "1\r\n1,1,0,0,0,0,0,0,0,0,0,0,0,0\r\n", "13 Werte erwartet, 14"},
        {"binary", binary, "Zeile"},
    };
    const auto zustand = [] {
        return std::tuple(app.nExpPunkte, app.ExpDaten[2].c[1], app.ExpKommentar, app.sZeiteinheit, app.iZeitEinheit,
                          app.Lambda0, app.LambdaInf, app.bDatenGeaendert, app.ExpDateiName);
    };
    for (bool append : {false, true}) {
        for (const auto& [what, bytes, says] : cases) {
            SCOPED_TRACE(std::string(what) + (append ? " (append)" : " (replace)"));
            resetAppState(dir.str());
            app.ExpKommentar = "alt";
            app.sZeiteinheit = "h";
            app.iZeitEinheit = 2;
            app.Lambda0 = 3;
            app.LambdaInf = 7;
            app.bDatenGeaendert = true;
            app.ExpDateiName = "alt.VRD";
            setDataSet({punkt(0, 1, 0, 0, 0, 0, 3), punkt(2, 0.5, 0, 0, 0, 0, 4)});
            writeFile(dir.file("bad.VRD"), bytes);
            const auto vorher = zustand();
            MsgRecorder rec;
            EXPECT_FALSE(laden(dir.file("bad.VRD"), append));
            ASSERT_EQ(rec.count(), 1u);
            EXPECT_EQ(rec.last().title, "Meldung von LoadDataFile");
            EXPECT_EQ(rec.last().icon, MsgIcon::Critical);
            EXPECT_NE(rec.last().text.find(says), std::string::npos) << rec.last().text;
            EXPECT_NE(rec.last().text.find("Der Datensatz wurde nicht verändert."), std::string::npos);
            EXPECT_EQ(zustand(), vorher);
        }
    }
}

// A pipe, a folder or a loop of links in the file's place is refused at
// once, whether it replaces or appends; nothing waits for a writer.
TEST_F(DataFileTest, APipeOrAFolderInTheFilesPlaceIsRefusedAtOnceAndChangesNothing) {
    Fifo rohr(dir.file("rohr.VRD"));
    std::filesystem::create_directory(dir.file("ordner.VRD"));
    std::filesystem::create_symlink("schleife.VRD", dir.file("schleife.VRD"));
    const std::pair<std::string, std::string> cases[] = {
        {rohr.path(), "Das ist keine gewöhnliche Datei: " + rohr.path()},
        {dir.file("ordner.VRD"), "Das ist ein Ordner, keine Datei: " + dir.file("ordner.VRD")},
        {dir.file("schleife.VRD"),
         "Die symbolischen Verknüpfungen des Pfads bilden eine Schleife: " + dir.file("schleife.VRD")}};
    for (bool append : {false, true}) {
        for (const auto& [path, reason] : cases) {
            SCOPED_TRACE(path + (append ? " (append)" : " (replace)"));
            resetAppState(dir.str());
            app.ExpKommentar = "alt";
            app.ExpDateiName = "alt.VRD";
            app.LambdaInf = 7;
            setDataSet({punkt(0, 1, 0, 0, 0, 0, 3), punkt(2, 0.5, 0, 0, 0, 0, 4)});
            MsgRecorder rec;
            bool loaded = true;
            EXPECT_TRUE(rohr.endsAlone([&] { loaded = laden(path, append); })) << "the reader waited for a writer";
            EXPECT_FALSE(loaded);
            EXPECT_TRUE(isOnlyMessage(rec, reason + "\r\n\r\nDer Datensatz wurde nicht verändert.",
                                      "Meldung von LoadDataFile", MsgIcon::Critical));
            EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpDaten[2].c[1], app.ExpKommentar, app.ExpDateiName, app.LambdaInf),
                      std::tuple(2, 0.5, "alt", "alt.VRD", 7.0));
        }
    }
}

TEST_F(DataFileTest, WriteFailuresAreReportedAndWriteNothing) {
    setExpectedDataSet();
    MsgRecorder rec;
    EXPECT_FALSE(schreiben(dir.file("kein/Ordner.VRD")));
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Meldung von WriteDataFile");

    // An existing file is not touched when a value cannot be written.
    writeFile(dir.file("alt.VRD"), "bleibt");
    app.ExpDaten[2].k = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(schreiben(dir.file("alt.VRD")));
    EXPECT_EQ(readFile(dir.file("alt.VRD")), "bleibt");
    EXPECT_NE(rec.last().text.find("Messpunkt 2"), std::string::npos);
}


// A value the editor's column would refuse typed (beyond a Single, or one
// that a Single holds as 0) is named with its file, line and field when the
// file is read, and the data set stays; the writer refuses such a value in
// memory with the reason its reader would give, and writes nothing.
TEST_F(DataFileTest, AValueTheEditorRefusesIsNamedWithItsLineAndField) {
    const std::pair<const char*, const char*> faelle[] = {
        {"0,1E+39,0,0,0,0,0,0,0,0,0,0,0", "Zeile 6, Wert 2 (c(A)): \"1E+39\" liegt außerhalb des zulässigen Bereichs."},
        {"-3.5E38,0,0,0,0,0,0,0,0,0,0,0,0", "Zeile 6, Wert 1 (t): \"-3.5E38\" liegt außerhalb des zulässigen Bereichs."},
        {"0,0,0,0,0,0,0,1E-46,0,0,0,0,0", "Zeile 6, Wert 8 (T): \"1E-46\" liegt zu nahe an Null."},
        {"0,0,0,0,0,0,1E-400,0,0,0,0,0,0", "Zeile 6, Wert 7 (k): \"1E-400\" liegt zu nahe an Null."},
        {"0,0,0,0,0,0,0,0,0,0,0,0,1E-400", "Zeile 6, Wert 13 (exclude(0|-1)): \"1E-400\" liegt zu nahe an Null."},
    };
    for (const auto& [zeile, grund] : faelle) {
        SCOPED_TRACE(zeile);
        writeFile(dir.file("d.VRD"), std::string("k\r\nmin\r\nkopf\r\n2\r\n0,1,0,0,0,0,0,0,0,0,0,0,0\r\n") + zeile + "\r\n");
        setExpectedDataSet();
        MsgRecorder rec;
        EXPECT_FALSE(laden(dir.file("d.VRD"), false));
        EXPECT_TRUE(isOnlyMessage(rec,
                                  std::string(grund) + "\r\n(Datei: " + dir.file("d.VRD") +
                                      ")\r\n\r\nDer Datensatz wurde nicht verändert.",
                                  "Meldung von LoadDataFile", MsgIcon::Critical));
        EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpDaten[1].c[1]), std::tuple(3, 0.02));
    }
    // In memory (a unit conversion can make it): refused, nothing written.
    setExpectedDataSet();
    app.ExpDaten[2].c[5] = 1e300;
    MsgRecorder rec;
    EXPECT_FALSE(schreiben(dir.file("neu.VRD")));
    EXPECT_TRUE(isOnlyMessage(rec, "Zeile 6, Wert 6 (c(Q)): \"1E+300\" liegt außerhalb des zulässigen Bereichs.",
                              "Meldung von WriteDataFile", MsgIcon::Critical));
    EXPECT_FALSE(std::filesystem::exists(dir.file("neu.VRD")));
}

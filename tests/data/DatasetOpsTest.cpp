#include "base/TimeUnitTexts.h"
#include "data/DatasetOps.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

Messpunkt punkt(double t, double cA, double T = 0, double k = 0, Integer aus = 0) {
    return Messpunkt{t, {0, cA, 0, 0, 0, 0}, T, k, 0, 0, 0, aus};
}

std::vector<Messpunkt> daten(std::initializer_list<Messpunkt> pts) {
    std::vector<Messpunkt> d(1);
    d.insert(d.end(), pts);
    return d;
}

}  // namespace

TEST(DatasetOps, RowTextCutsEveryValueCellToFourteenCharacters) {
    Messpunkt p = punkt(120, 5e-6, 298.15, 1.2345678901e-6, -1);
    p.c[2] = 1e-5;
    p.c[5] = 0.25;
    p.lambda = 1.5f;
    const std::string point = Zeilentext(7, p);
    EXPECT_EQ(point, "7  \t\t120           \t5.000000E-06  \t1E-05         \t0             \t0             \t"
                     "0.25          \t1.5           \t298.15        \t1.2345678901E-");
    {
        test::NumberLocaleGuard comma(',', '.');
        p.t = 0.1f;
        const std::string s = Zeilentext(1234, p);
        EXPECT_EQ(s.substr(0, 24), "1234\t\t0,1           \t5,0");
    }
    EXPECT_EQ(refillZeilentext(7, p), "7   \t\t1.000000E-01  \t5.000000E-06  \t1.000000E-05  \t0.000000E+00  \t"
                                      "0.000000E+00  \t2.500000E-01  \t1.500000E+00  \t298.15        \t1.234568E-06  ");
}

// A time a data-set file may hold beyond the range of a Single is shown as
// the Double it is, never as "Inf"; a point with it still counts as a c-t point.
TEST(DatasetOps, TimesBeyondASingleShowAsTheNumberTheyAre) {
    Messpunkt p = punkt(1e300, 0.5, 0, 0, 0);
    EXPECT_EQ(Zeilentext(1, p).substr(0, 20), "1  \t\t1E+300        \t");
    EXPECT_EQ(refillZeilentext(1, p).substr(0, 21), "1   \t\t1.000000E+300 \t");
    EXPECT_EQ(zaehleCTPunkte(daten({p, punkt(-1e300, 0.5, 0, 0, 0)}), 2), 1);
}

// The check lines of the input boxes and cells: every field is a Single; a
// text is taken whole or refused, never read as its prefix or as 0.
TEST(DatasetOps, ColumnsNameTextsTheyRefuse) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {2, "3.4028235E38", ""},  // the largest Single is held
        {2, "3.5E38", "- Zeit zu groß: t darf höchstens 3.4E+38 sein"},
        {4, "-1E400", "- Konzentration zu klein: c(B) muss mindestens -3.4E+38 sein"},
        {8, "1E39", "- Leitfähigkeit zu groß: lambda darf höchstens 3.4E+38 sein"},
        {9, "1E-400", "- Temperatur zu nahe an Null: T muss 0 oder im Betrag mindestens 1.4E-45 sein"},
        {3, "1E400", "- Konzentration zu groß: c(A) darf höchstens 3.4E+38 sein"},
        {10, "1.2.3", "- Geschwindigkeitskonstante: \"1.2.3\" ist keine Zahl, k muss eine Zahl sein"},
        {2, "", "- Zeit fehlt: t muss eine Zahl sein"},  // a time typed as nothing is no time 0
        {3, "", ""},                                      // an empty concentration is 0
        {3, "1,5 ", ""},                                  // a cell as the grid shows it
        {1, "1E39", ""},  // the check-box column holds no number
    };
    for (const auto& [col, text, line] : cases) EXPECT_EQ(spaltenZeile(col, text), line) << text;
    // A pasted block at grid row 4, column 2: the cells left out, named with their point.
    EXPECT_EQ(blockZeilen(4, 2, splitBlockText("1\t2,5E39\r\n1e400\t0\t0\t0\t0\t0\t0\t0\t-1e39\t9e99\r\n2\tabc")),
              "- Konzentration zu groß: c(A) darf höchstens 3.4E+38 sein (Zeile 5)\r\n"
              "- Zeit zu groß: t darf höchstens 3.4E+38 sein (Zeile 6)\r\n"
              "- Geschwindigkeitskonstante zu klein: k muss mindestens -3.4E+38 sein (Zeile 6)\r\n"
              "- Konzentration: \"abc\" ist keine Zahl, c(A) muss eine Zahl sein (Zeile 7)\r\n");
}

TEST(DatasetOps, CellsReadWithCommaOrPointAndBlanksAround) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {" 1,5", 1.5}, {"\n\t 2", 2}, {"abc", std::nullopt}, {"", 0}, {"-3,25E+02", -325},
        {"1.2345678901E-06", 1.2345678901e-6}, {"4 5", std::nullopt}, {"0.5  ", 0.5}, {"1E-50", std::nullopt},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(zellenWert(3, text), want) << text;
}

TEST(DatasetOps, InputRowNeedsAPositiveSingleSumAndValuesTheFieldsHold) {
    // v, ok
    const std::pair<Eingabezeile, bool> cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, false},
        {{0, 1, 0, 0, 0, 0, 0, 0, 0}, true},
        {{-1, 1, 0, 0, 0, 0, 0, 0, 0}, false},    // sums to 0
        {{5, -2, 0, 0, 0, 0, 0, 0, 0}, true},     // a negative value is allowed
        {{1e-46, 0, 0, 0, 0, 0, 0, 0, 0}, false}, // 0 in single precision
        {{1, 0, 0, 0, 0, 0, 1e39, 0, 0}, false},  // lambda beyond the single range
        {{1e39, 0, 0, 0, 0, 0, 0, 0, 0}, false},  // t is shown in single precision
    };
    for (const auto& [v, ok] : cases) EXPECT_EQ(eingabeAnnehmbar(v), ok) << v[0] << " " << v[1];
    Messpunkt p = punkt(0, 0, 0, 0, -1);
    eingabeInPunkt({1, 2, 3, 4, 5, 6, 7.25, 300, 0.5}, p);
    EXPECT_EQ(punktAlsEingabe(p), (Eingabezeile{1, 2, 3, 4, 5, 6, 7.25, 300, 0.5}));
    EXPECT_EQ(p.aus, -1) << "taking a row keeps the exclusion mark";
}

TEST(DatasetOps, SortIsStableAndMovesWholeRecords) {
    auto d = daten({punkt(3, 0.1, 310), punkt(1, 0.2, 300, 0, -1), punkt(3, 0.3, 290, 0, -1), punkt(2, 0.4, 305)});
    EXPECT_TRUE(sortiereMesspunkte(d, 4, false));
    EXPECT_EQ((std::array{d[1].c[1], d[2].c[1], d[3].c[1], d[4].c[1]}), (std::array{0.2, 0.4, 0.1, 0.3}));
    EXPECT_EQ((std::array{d[1].aus, d[2].aus, d[3].aus, d[4].aus}), (std::array<Integer, 4>{-1, 0, 0, -1}));
    EXPECT_FALSE(sortiereMesspunkte(d, 4, false)) << "a sorted set stays as it is";
    EXPECT_TRUE(sortiereMesspunkte(d, 4, true));
    EXPECT_EQ(std::pair(d[1].Temp, d[4].Temp), std::pair(290.0, 310.0));
    EXPECT_FALSE(sortiereMesspunkte(d, 1, false));
}

TEST(DatasetOps, ZeroingTouchesOnlyMarkedFieldsOfExistingPoints) {
    auto d = daten({punkt(1, 0.5, 300, 2), punkt(2, 0.4, 300, 2), punkt(3, 0.3, 300, 2)});
    EXPECT_EQ(nulleZellen(d, 3, 5, 3, 1, 0), 4);  // rows 1..5, columns 0..3: t and c(A) of points 2 and 3
    EXPECT_EQ(std::tuple(d[1].t, d[2].t, d[3].c[1], d[3].Temp, d.size()), std::tuple(1, 0, 0, 300, 4u));
    EXPECT_EQ(nulleZellen(d, 3, 0, 9, 0, 10), 2);
    EXPECT_EQ(d[1].k, 0);
}

TEST(DatasetOps, RemovingRowsMovesTheLaterPointsUp) {
    auto d = daten({punkt(1, 1), punkt(2, 2), punkt(3, 3), punkt(4, 4), punkt(5, 5)});
    Integer n = 5;
    for (auto [von, bis] : {std::pair{0, 1}, {4, 6}, {3, 2}})
        EXPECT_FALSE(entfernePunkte(d, n, von, bis)) << von << ".." << bis;
    ASSERT_TRUE(entfernePunkte(d, n, 2, 3));
    EXPECT_EQ(std::pair(n, d.size()), std::pair(Integer{3}, std::size_t{4}));
    EXPECT_EQ((std::array{d[1].t, d[2].t, d[3].t}), (std::array{1.0, 4.0, 5.0}));
    ASSERT_TRUE(entfernePunkte(d, n, 1, 3));
    EXPECT_EQ(n, 0);
}

TEST(DatasetOps, PasteReadsOnlyTheCellsOfTheBlock) {
    // Three rows of nine numbers with decimal commas into an empty data set.
    std::vector<Messpunkt> d(2);
    Integer n = 0;
    const BlockText drei = splitBlockText("0\t0,1\t0\t0\t0\t0\t1,5\t298\t0,01\r\n"
                                          "10\t0,05\t0\t0\t0\t0\t2,5\t298\t0,01\r\n"
                                          "20\t0,025\t0\t0\t0\t0\t3,5\t298\t0,01\r\n");
    ASSERT_TRUE(fuegeBlockEin(d, n, 0, 2, drei));
    ASSERT_EQ(n, 3);
    EXPECT_EQ(punktAlsEingabe(d[2]), (Eingabezeile{10, 0.05, 0, 0, 0, 0, 2.5, 298, 0.01}));

    // A block at the last row grows the set; the point outside keeps its exponent.
    d[1].k = 1.2345678901e-6;
    ASSERT_TRUE(fuegeBlockEin(d, n, 2, 9, splitBlockText("300\t0,5\textra\r400")));
    EXPECT_EQ(std::tuple(n, d[1].k, d[3].Temp, d[3].k, d[3].t, d[4].Temp, d[4].aus),
              std::tuple(4, 1.2345678901e-6, 300, 0.5, 20, 400, 0));

    // Columns 0 and 1 are skipped; a value a field cannot hold is ignored.
    ASSERT_TRUE(fuegeBlockEin(d, n, 0, 0, splitBlockText("99\tx\t7\t1e39\tabc")));
    EXPECT_EQ(std::tuple(d[1].t, d[1].c[1]), std::tuple(7, 0.1));
    EXPECT_EQ(d[1].c[2], 0) << "a text reads as 0";

    const auto vorher = d;
    EXPECT_FALSE(fuegeBlockEin(d, n, 32767, 2, splitBlockText("1")));
    EXPECT_EQ(std::tuple(n, d.size()), std::tuple(4, vorher.size()));
}

TEST(DatasetOps, CountsForDrawingAndTheNonIsothermalWarning) {
    const auto d = daten({punkt(-1, 0.5), punkt(0, 1e-46), punkt(0, 0.5, 300, 0.1, -1), punkt(5, 0.2, 310, 0.2, -1)});
    EXPECT_EQ(std::pair(zaehleCTPunkte(d, 4), zaehleKTPunkte(d, 4)), std::pair(2, 2));
    EXPECT_EQ(std::tuple(alleInaktiv(d, 4), alleInaktiv(daten({punkt(1, 1, 0, 0, -1)}), 1), alleInaktiv(d, 0)),
              std::tuple(false, true, false));
    const std::tuple<int, bool, double, bool> cases[] = {
        {2, true, 1, false}, {2, true, 0.2, false}, {2, true, 1.5, true},
        {2, true, 0.1, true}, {1, true, 1.5, false}, {2, false, 1.5, false},
    };
    for (const auto& [temps, ctt, tMax, warn] : cases) EXPECT_EQ(nichtIsothermWarnung(temps, ctt, tMax), warn) << tMax;
    EXPECT_EQ(std::tuple(zeitEinheitIndex("min  "), zeitEinheitIndex("Jahr")), std::tuple(1, -1));
}

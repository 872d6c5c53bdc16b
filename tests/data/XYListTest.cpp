#include "data/XYFile.h"
#include "data/XYList.h"
#include "data/XYOperations.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

class XYListTest : public ::testing::Test {
protected:
    void SetUp() override { resetAppState(""); }
    // Points (i, 10 i) for i = 1..n.
    static void zehner(int n) {
        xyListeLeeren();
        for (int i = 1; i <= n; ++i) ASSERT_TRUE(xyPunktAnfuegen(i, 10 * i));
    }
    static void liste(const std::vector<XYPunkt>& pts) {
        std::vector<XYPunkt> v(1);
        v.insert(v.end(), pts.begin(), pts.end());
        xyListeSetzen(v);
    }
    static std::vector<std::array<Single, 3>> inhalt() {
        std::vector<std::array<Single, 3>> v;
        for (int i = 1; i <= app.nXYPunkte; ++i) v.push_back({app.XYDaten[i].x, app.XYDaten[i].y, app.XYDaten[i].aus});
        return v;
    }
};

using Punkte = std::vector<std::array<Single, 3>>;

}  // namespace

TEST_F(XYListTest, PastedBlocks) {
    // Each case starts from the two points (1, 10), (2, 20).
    // text, zeile0, spalte0, the rows taken, danach
    const std::tuple<const char*, int, int, int, Punkte> rows[] = {
        {"5\t6\r\n7\t8\r\n", 2, 2, 2, {{1, 10, 0}, {2, 20, 0}, {5, 6, 0}, {7, 8, 0}}},
        {"5\t6\r\n\r\n", 1, 2, 2, {{1, 10, 0}, {5, 6, 0}, {0, 0, 0}}},
        {"1,5\t2,5", 0, 0, 1, {{1.5f, 2.5f, 0}, {2, 20, 0}}}, {"9\n8", 0, 3, 2, {{1, 9, 0}, {2, 8, 0}}},
        {"x\ty\r\n\t4\t99", 0, 2, 2, {{1, 10, 0}, {0, 4, 0}}}, {"3e39\t-1e39", 1, 2, 1, {{1, 10, 0}, {2, 20, 0}}},
    };
    for (const auto& [text, zeile0, spalte0, genommen, danach] : rows) {
        zehner(2);
        EXPECT_EQ(xyEinfuegen(text, zeile0, spalte0), genommen) << text;
        EXPECT_EQ(inhalt(), danach) << text;
    }
    zehner(2);
    EXPECT_EQ(xyEinfuegen("1\n2", kMaxXYPunkte - 1, 2), 0);
    EXPECT_EQ(app.nXYPunkte, 2);
}

// The cells a paste leaves out, beyond a Single, no number as a whole or too
// near 0, named with their point.
TEST_F(XYListTest, PastedCellsTheListRefusesAreNamed) {
    const std::tuple<const char*, int, int, std::string> rows[] = {
        {"3e39\t-1e39", 1, 2,
         "- x-Wert zu groß: x darf höchstens 3.4E+38 sein (Zeile 2)\r\n"
         "- y-Wert zu klein: y muss mindestens -3.4E+38 sein (Zeile 2)\r\n"},
        {"1\r\n2\t1,5e39\r\n", 0, 2, "- y-Wert zu groß: y darf höchstens 3.4E+38 sein (Zeile 2)\r\n"},
        {"1e39\t7", 0, 3, "- y-Wert zu groß: y darf höchstens 3.4E+38 sein (Zeile 1)\r\n"},  // the 7 lies beyond y
        {"3.4028235E38\t1", 0, 2, ""},
        {"x\ty\r\n\t4\t99", 0, 2,
         "- x-Wert: \"x\" ist keine Zahl, x muss eine Zahl sein (Zeile 1)\r\n"
         "- y-Wert: \"y\" ist keine Zahl, y muss eine Zahl sein (Zeile 1)\r\n"},
        {"12abc\t1E-50", 0, 2,
         "- x-Wert: \"12abc\" ist keine Zahl, x muss eine Zahl sein (Zeile 1)\r\n"
         "- y-Wert zu nahe an Null: y muss 0 oder im Betrag mindestens 1.4E-45 sein (Zeile 1)\r\n"},
    };
    for (const auto& [text, zeile0, spalte0, zeilen] : rows) EXPECT_EQ(xyBlockZeilen(text, zeile0, spalte0), zeilen) << text;
}

TEST_F(XYListTest, ActivePointsAndTheirChartRange) {
    liste({{300, 0.5f, 0}, {350, 0.5f, -1}, {400, 0.5f, 0}});
    const std::vector<XYPunkt> manu = xyAktivePunkte();
    ASSERT_EQ(manu.size(), 3u);
    EXPECT_EQ(std::tuple(manu[0].x, manu[2].x), std::tuple(2, 400));
    // pts, xMin, xMax, yMin, yMax
    const std::tuple<std::vector<XYPunkt>, Single, Single, Single, Single> rows[] = {
        {{{300, 0.5f, 0}, {400, 0.5f, 0}}, 295, 405, 0.475f, 0.525f},
        {{{300, 0, 0}, {400, 0, 0}}, 295, 405, -1, 1},
        {{{-2, -10, 0}, {-2, 30, 0}}, -2.1f, -1.9f, -12, 32},
        {{{0, 1, 0}, {0, 2, 0}}, -1, 1, 0.95f, 2.05f},
        {{{-3.3e38f, 0, 0}, {3.3e38f, 1, 0}}, -FLT_MAX, FLT_MAX, -0.05f, 1.05f},
        {{{1, 4.2e-45f, 0}, {1, 4.2e-45f, 0}}, 0.95f, 1.05f, 2.8e-45f, 5.6e-45f},  // 5 % of 3 steps vanishes
    };
    for (const auto& [pts, xMin, xMax, yMin, yMax] : rows) {
        liste(pts);
        Diagramm d;
        xyDiagrammAnfordern(xyAktivePunkte(), d);
        for (auto [ist, soll] : {std::pair{d.XMin, xMin}, {d.XMax, xMax}, {d.YMin, yMin}, {d.YMax, yMax}})
            EXPECT_FLOAT_EQ(ist, soll);
    }
}

TEST_F(XYListTest, SortingIsStableAndMovesWholeRecords) {
    liste({{3, 1, 0}, {1, 2, -1}, {2, 3, 0}, {1, 0, 0}});
    xySortieren(false);
    EXPECT_EQ(inhalt(), (Punkte{{1, 2, -1}, {1, 0, 0}, {2, 3, 0}, {3, 1, 0}}));
    xySortieren(true);
    EXPECT_EQ(inhalt(), (Punkte{{1, 0, 0}, {3, 1, 0}, {1, 2, -1}, {2, 3, 0}}));
    xyTauschen();
    EXPECT_EQ(inhalt(), (Punkte{{0, 1, 0}, {1, 3, 0}, {2, 1, -1}, {3, 2, 0}}));
}

TEST_F(XYListTest, ColumnArithmeticRefusesBeforeChangingAnything) {
    // art, W, vorher, nachher (empty: refused with the text), the text
    const std::tuple<int, double, Punkte, Punkte, const char*> rows[] = {
        {1, 0, {{1, 2.718281828f, 0}, {2, 1, -1}}, {{1, 1, 0}, {2, 0, -1}}, ""},
        {1, 0, {{1, 1, 0}, {2, 0, 0}}, {}, "Ungültiger Prozeduraufruf oder ungültiges Argument"},
        {4, 0, {{1, 4, 0}, {2, 0, 0}}, {}, "Division durch Null"},
        {4, 0, {{1, 4, 0}, {2, -0.5f, -1}}, {{1, 0.25f, 0}, {2, -2, -1}}, ""},
        {0, 0, {{1, 0, 0}, {2, 100, 0}}, {}, "Überlauf"},  // e^100 is beyond a Single
        {0, 0, {{1, 0, 0}, {2, -1, 0}}, {{1, 1, 0}, {2, 0.36787944f, 0}}, ""},
        {2, 2, {{1, 4, 0}, {2, -0.5f, -1}}, {{1, 8, 0}, {2, -1, -1}}, ""},
        {2, 1e30, {{1, 1e10f, 0}}, {}, "Überlauf"},
        {5, 0, {{0.25f, 4, 0}, {-2, 1, -1}}, {{0.75f, 4, 0}, {3, 1, -1}}, ""},
    };
    for (const auto& [art, W, vorher, nachher, text] : rows) {
        xyListeLeeren();
        for (const auto& p : vorher) {
            xyPunktAnfuegen(p[0], p[1]);
            xyAusSetzen(app.nXYPunkte, p[2] != 0);
        }
        std::string fehler;
        EXPECT_EQ(xyRechnen(art, W, fehler), !nachher.empty()) << kXYRechenArten[art];
        EXPECT_EQ(fehler, text) << kXYRechenArten[art];
        const Punkte erwartet = nachher.empty() ? vorher : nachher;
        const Punkte ist = inhalt();
        ASSERT_EQ(ist.size(), erwartet.size());
        for (std::size_t i = 0; i < ist.size(); ++i)
            for (std::size_t k = 0; k < 3; ++k) EXPECT_FLOAT_EQ(ist[i][k], erwartet[i][k]) << kXYRechenArten[art];
    }
}

TEST_F(XYListTest, PrintedListHasItsColumns) {
    liste({{1.5f, -0.25f, 0}, {-12345670, 300, -1}, {0, 1e-5f, 0}});
    const std::vector<std::string> ohne = xyDruckliste("", false, "05.12.2026, 20:15 Uhr");
    const std::vector<std::string> erwartet = {
        "", "", "",
        "            Liste XY-Daten vom 05.12.2026, 20:15 Uhr",
        "",
        "",
        "           -----------------------------------",
        "                    X            Y",
        "           -----------------------------------",
        "           1        1.5         -.25 ",
        "           2       -1.234567E+07 ",
        "                                 300 ",
        "           3        0            1E-05 ",
        "           -----------------------------------",
    };
    EXPECT_EQ(ohne, erwartet);
    // With the file's name and stamp, in a comma locale; excluded points are printed too.
    test::NumberLocaleGuard komma(',', '.');
    liste({{1.5f, -0.25f, 0}, {300, 12345.67f, -1}});
    EXPECT_EQ(xyDruckliste("/DATEN/MESSUNG.XY", true, "05.12.26 20:15 Uhr"),
              (std::vector<std::string>{"", "", "", "            Liste von XY-Datenfile /DATEN/MESSUNG.XY", "",
                                        "            05.12.26 20:15 Uhr", "",
                                        "           -----------------------------------",
                                        "                    X            Y",
                                        "           -----------------------------------",
                                        "           1        1,5         -,25 ", "           2        300          12345,67 ",
                                        "           -----------------------------------"}));
}

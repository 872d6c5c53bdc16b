#include <limits>
#include <set>
#include <vector>

#include "engine/ModelChoice.h"
#include "engine/Simulation.h"
#include "engine/TimeDiagramInput.h"
#include "engine/ValueTable.h"
#include "shell/TextFile.h"
#include "support/TestSupport.h"

using namespace vrn;

class ModelChoice : public ::testing::Test {
protected:
    void SetUp() override { resetAppState(""); }
};

// Coming from no model with no start values: the model's own kind, the
// standard end time, a start concentration of A (E) and a rate constant.
TEST_F(ModelChoice, EveryModelSetsItsKindStartValuesAndFlags) {
    const std::set<int> numerisch{7, 9, 10, 13, 14, 15, 18, 20};
    for (int m = 1; m <= 20; ++m) {
        if (m == 19) continue;
        resetAppState("");
        app.iModell = 0;
        app.c0 = {};
        app.tEnd = 0;
        chooseModel(optionOfModel(m), 1.5f);
        SCOPED_TRACE(m);
        EXPECT_EQ(std::tuple(app.iModell, app.iDiagrammTyp, app.tEnd, app.bNumerisch),
                  std::tuple(m, m, 100.0f, numerisch.count(m) == 1));
        EXPECT_GT(app.c0[1], 0);
        EXPECT_GT(app.k[1], 0);
        EXPECT_FALSE(app.bMMdiagramm);
    }
}

TEST_F(ModelChoice, RateDiagramKindsAndFittingModes) {
    app.bRateDiagramm = true;
    app.tEnd = 0;
    app.iModell = 0;
    chooseModel(7, 1.5f);
    EXPECT_EQ(std::tuple(app.iDiagrammTyp, app.tEnd), std::tuple(57, 60.0f));

    // A fitting mode keeps the fitting kind -9 and does not touch tEnd.
    app.bRateDiagramm = false;
    app.bAuswertungsart = 1;
    app.iDiagrammTyp = -9;
    app.tEnd = 0;
    chooseModel(4, 1.5f);
    EXPECT_EQ(std::tuple(app.iDiagrammTyp, app.tEnd), std::tuple(-9, 0.0f));
    app.iDiagrammTyp = -5;
    chooseModel(6, 1.5f);
    EXPECT_EQ(app.iDiagrammTyp, 6);

    // Model 20 in the order fitting: k2 holds n, the constant mask shows it.
    app.bAuswertungsart = 2;
    chooseModel(0, 0.75f);
    EXPECT_EQ(std::tuple(app.iModell, app.nOrdnung, app.k[2], app.sKonstMaske), std::tuple(20, 0.75f, 0.75, "110"));
}

TEST_F(ModelChoice, ChoosingTheSameModelKeepsTheRateConstants) {
    app.iModell = 0;
    chooseModel(8, 1.5f);
    EXPECT_DOUBLE_EQ(app.k[1], 0.5);
    app.k[1] = 0.77;  // typed by the user or loaded with a project
    app.k[2] = 0.02;
    chooseModel(8, 1.5f);
    EXPECT_EQ(std::pair(app.k[1], app.k[2]), std::pair(0.77, 0.02));
    chooseModel(2, 1.5f);  // another model brings its defaults
    EXPECT_EQ(std::pair(app.k[1], app.k[2]), std::pair(0.15, 0.2));
}

TEST_F(ModelChoice, InitialConcentrationsOnlyWhereZero) {
    app.iModell = 0;
    app.c0 = {0, 0.3, 0, 0, 0, 0};
    chooseModel(4, 1.5f);
    EXPECT_EQ(std::pair(app.c0[1], app.c0[2]), std::pair(0.3, 1.0));
    app.c0[2] = 0.4;
    chooseModel(10, 1.5f);
    EXPECT_DOUBLE_EQ(app.c0[2], 0.4);  // S keeps the value that was there
}

class TimeDiagramChecks : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState("");
        app.iModell = 4;
        app.iDiagrammTyp = 4;
        app.c0 = {0, 1, 1, 0, 0, 0};
        app.k = {0, 0.15, 0.2, 0};
        app.tEnd = 100;
    }
};

TEST_F(TimeDiagramChecks, AllFailingLinesAtOnce) {
    app.c0[1] = 0;
    app.c0[2] = -1;
    app.tEnd = 0;
    app.k[1] = -0.1;
    TimeDiagramVisibility shown{true, false, false};
    // A negative c(B)(0) is named with the range it lies outside of; "no
    // input yet" is said of 0 only.
    EXPECT_EQ(checkTimeDiagramInputs(false, shown),
              "- noch keine Eingabe einer Anfangskonzentration c(A)(0)\r\n"
              "- Anfangskonzentration außerhalb des Bereichs: c(B)(0) muss größer Null sein\r\n"
              "- Zeit-Vorgabe nicht in Ordnung\r\n"
              "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n");
    // A t(max) beyond its Single (read as infinite) is refused as too large, not as "not above 0".
    app.c0 = {0, 1, 1, 0, 0, 0};
    app.k[1] = 0.15;
    app.tEnd = std::numeric_limits<Single>::infinity();
    EXPECT_EQ(checkTimeDiagramInputs(false, shown), "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein\r\n");
    app.tEnd = 3.4e38f;
    EXPECT_EQ(checkTimeDiagramInputs(true, shown), "");
}

TEST_F(TimeDiagramChecks, HiddenFieldsAreNotChecked) {
    app.c0[2] = 0;
    app.k[2] = 0;
    app.k[3] = -1;
    EXPECT_EQ(checkTimeDiagramInputs(false, {false, false, false}), "");
    EXPECT_EQ(checkTimeDiagramInputs(true, {false, true, true}),
              "- Geschwindigkeitskonstante k2 muss größer Null sein\r\n"
              "- Geschwindigkeitskonstante k3 muss größer Null sein\r\n");
}

TEST_F(TimeDiagramChecks, AutocatalysisEnzymeAndOrder) {
    app.iModell = 5;
    app.c0[4] = 0;
    EXPECT_EQ(checkTimeDiagramInputs(false, {}),
              "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an \r\n");
    EXPECT_EQ(checkTimeDiagramInputs(true, {}),
              "- für Autokatalyse muss eine (geringe) Anfangskonzentration für P gegeben sein\r\n");
    app.iModell = 10;
    app.c0[2] = 0;
    app.k[3] = 0.005;
    EXPECT_EQ(checkTimeDiagramInputs(false, {true, true, true}),
              "- noch keine Eingabe einer Anfangskonzentration c(S)(0)\r\n");
    // n < 0 is refused for the concentration diagram of model 20 only.
    app.iModell = 20;
    app.nOrdnung = -0.5f;
    app.iDiagrammTyp = 20;
    EXPECT_EQ(checkTimeDiagramInputs(false, {}), "- nur n > 0 erlaubt\r\n");
    app.iDiagrammTyp = 70;
    EXPECT_EQ(checkTimeDiagramInputs(false, {}), "");
    app.nOrdnung = 0;
    app.iDiagrammTyp = 20;
    EXPECT_EQ(checkTimeDiagramInputs(false, {}), "");
}

// A typed text the reading refuses is named in the place of the field's own
// line, and the lines of the other fields stay. A number beyond its width on
// the side the field's range excludes is named with that range (a negative
// rate constant by the window's own line), never with the width's limit.
TEST_F(TimeDiagramChecks, FieldsTheReadingRefusesAreNamedInPlaceOfTheirOwnLines) {
    const TimeDiagramVisibility alle{true, true, true};
    struct Row {
        int model;
        std::vector<std::pair<std::size_t, const char*>> getippt;  // field, text as typed (read into the state when taken)
        std::string lines;
        bool mm = false;               // the Michaelis-Menten diagram over c(S), with S(0),max 1E39
        const char* ordnung = nullptr; // the model window's order n as typed
        float tEnd = 10;               // t(max) in force
    };
    const std::string k1 = "- Geschwindigkeitskonstante zu groß: k1 darf höchstens 1.7E+308 sein\r\n";
    const Row rows[] = {
        {4, {{10, "1E400"}}, k1},
        {4, {{0, "2e308"}, {1, "1E+400"}},
         "- Anfangskonzentration zu groß: c(A)(0) darf höchstens 1.7E+308 sein\r\n"
         "- Anfangskonzentration zu groß: c(B)(0) darf höchstens 1.7E+308 sein\r\n"},
        {10, {{1, "1E999"}, {2, "9E999"}, {12, "1E309"}},
         "- Anfangskonzentration zu groß: c(S)(0) darf höchstens 1.7E+308 sein\r\n"
         "- Anfangskonzentration zu groß: c(ES)(0) darf höchstens 1.7E+308 sein\r\n"
         "- Geschwindigkeitskonstante zu groß: k3 darf höchstens 1.7E+308 sein\r\n"},
        {5, {{3, "1E400"}}, "- Anfangskonzentration zu groß: c(P)(0) darf höchstens 1.7E+308 sein\r\n"},
        {4, {{14, "1E39"}, {11, "1E400"}},
         "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein\r\n"
         "- Geschwindigkeitskonstante zu groß: k2 darf höchstens 1.7E+308 sein\r\n"},
        // the lines of the other fields stay, in their order
        {4, {{4, "1E400"}, {12, "1E400"}, {0, "0"}, {10, ""}},
         "- noch keine Eingabe einer Anfangskonzentration c(A)(0)\r\n"
         "- Anfangskonzentration zu groß: c(Q)(0) darf höchstens 1.7E+308 sein\r\n"
         "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n"
         "- Geschwindigkeitskonstante zu groß: k3 darf höchstens 1.7E+308 sein\r\n"},
        {10, {}, "- Substratkonzentration zu groß: S(0),max darf höchstens 3.4E+38 sein\r\n", true},
        // a negative number beyond the range: named with the field's range
        {2, {{10, "-1E400"}}, "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n"},
        {4, {{1, "-1E400"}, {14, "-1E39"}, {11, "1E400"}},
         "- Anfangskonzentration außerhalb des Bereichs: c(B)(0) muss größer Null sein\r\n"
         "- Zeit-Vorgabe nicht in Ordnung\r\n"
         "- Geschwindigkeitskonstante zu groß: k2 darf höchstens 1.7E+308 sein\r\n"},
        {2, {{3, "-1E39"}}, "- Anfangskonzentration außerhalb des Bereichs: c(P)(0) muss mindestens 0 sein\r\n"},
        // too near 0, empty, no number
        {2, {{10, "1E-400"}}, "- Geschwindigkeitskonstante zu nahe an Null: k1 muss mindestens 4.9E-324 sein\r\n"},
        {2, {{14, "1E-400"}}, "- Zeit-Vorgabe zu nahe an Null: t(max) muss mindestens 1.4E-45 sein\r\n"},
        {2, {{14, ""}, {0, "1.2.3"}},
         "- Anfangskonzentration: \"1.2.3\" ist keine Zahl, c(A)(0) muss größer Null sein\r\n"
         "- Zeit-Vorgabe nicht in Ordnung\r\n"},
        // the order n of model 20, in place of the check n >= 0
        {20, {}, "- Reaktionsordnung zu groß: n darf höchstens 3.4E+38 sein\r\n", false, "1E39"},
        {20, {}, "- nur n > 0 erlaubt\r\n", false, "-1E400"},
        // t(max) read as a Single up to the largest one: its last point would pass it
        {2, {{14, "3.4028235E38"}}, std::string(kZeitZuGross) + "\r\n"},
        {2, {}, std::string(kZeitZuGross) + "\r\n", false, nullptr, 3.40001E38f},
        {2, {{14, "3.4E38"}}, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.lines);
        SetUp();
        app.iModell = static_cast<Integer>(r.model);
        app.c0[4] = 0.1;
        app.k[3] = 0.1;
        app.tEnd = r.tEnd;
        app.iDiagrammTyp = static_cast<Integer>(r.model);
        TimeDiagramLesungen lesungen;
        for (const auto& [f, text] : r.getippt) {
            const Zahllesung l = liesZahl(text, timeDiagramFeld(static_cast<int>(f), false));
            lesungen.inp[f] = l.zeile;
            if (!l.ok()) continue;
            if (f <= 4) app.c0[f + 1] = l.wert;
            if (f >= 10 && f <= 12) app.k[f - 9] = l.wert;
            if (f == 14) app.tEnd = l.single;
        }
        if (r.ordnung) lesungen.ordnung = liesZahl(r.ordnung, ordnungsFeld()).zeile;
        if (r.mm) lesungen.s0max = liesZahl("1E39", s0maxFeld()).zeile;
        app.bMMdiagramm = r.mm;
        app.bMMnormiert = false;
        EXPECT_EQ(checkTimeDiagramInputs(false, alle, lesungen), r.lines);
    }
    // S(0),max counts only for the diagram over c(S), not the normalised one nor the time curves.
    TimeDiagramLesungen s0;
    s0.s0max = liesZahl("1E39", s0maxFeld()).zeile;
    app.bMMdiagramm = true;
    app.bMMnormiert = true;
    EXPECT_EQ(checkTimeDiagramInputs(false, alle, s0), "");
    app.bMMdiagramm = false;
    app.bMMnormiert = false;
    EXPECT_EQ(checkTimeDiagramInputs(false, alle, s0), "");
    // The largest Single as S(0),max: its curve's last point would pass it.
    app.bMMdiagramm = true;
    app.S0max = 3.4028235E38f;
    EXPECT_EQ(checkTimeDiagramInputs(false, alle), "- Substratkonzentration zu groß: S(0),max darf höchstens 3.4E+38 sein\r\n");
    app.S0max = 3.4E38f;
    EXPECT_EQ(checkTimeDiagramInputs(false, alle), "");
    app.bMMdiagramm = false;
    // The line of t(max) is the one of a t(max) beyond the range of its Single.
    Zahlfeld tMax;
    tMax.thema = "Zeit-Vorgabe";
    tMax.symbol = "t(max)";
    tMax.breite = Breite::Single;
    EXPECT_EQ(liesZahl("1E39", tMax).zeile, kZeitZuGross);
}

TEST(ValueTable, FirstOrderTableHas201RowsInTheFixedFormat) {
    test::NumberLocaleGuard g('.', ',');
    resetAppState("");
    app.iModell = 2;
    app.c0 = {0, 1, 0, 0, 0, 0};
    app.k = {0, 0.15, 0, 0};
    app.tEnd = 100;
    Integer err = 0;
    calc_diagramfunctioncT(2, err);
    ASSERT_EQ(err, 0);
    const auto l = splitLines(buildValueTable());
    ASSERT_EQ(l.size(), 205u);  // empty, header, two empty, 201 rows
    EXPECT_EQ(std::vector(l.begin(), l.begin() + 5),
              (std::vector<std::string>{
                  "", "       t/s          \tcA/(mol/l)    \t              \t              \tcP/(mol/l)    ", "", "",
                  "      0.00          \t1             \t              \t              \t0             "}));
    // t = 0.5: cA = exp(-0.075)
    EXPECT_EQ(std::tuple(l[5].substr(0, 20), l[5].substr(21, 14), l[204].substr(0, 20)),
              std::tuple("      0.50          ", "0.9277435     ", "      100.00        "));
    for (std::size_t i = 4; i < l.size(); ++i) EXPECT_EQ(l[i].size(), 6u + 5 * 14 + 4) << i;
}

TEST(ValueTable, ColumnsRatesEnzymeAndComma) {
    test::NumberLocaleGuard g(',', '.');
    resetAppState("");
    app.iModell = 11;
    EXPECT_EQ(valueTableColumns(), (std::array<int, 4>{1, 0, 4, 5}));
    app.iModell = 10;
    app.bRateDiagramm = true;
    app.sZeiteinheit = "min";
    app.rSim_A.assign(201, -0.0125f);
    app.tSim.assign(201, 1.5);
    auto l = splitLines(buildValueTable());
    // The rate header of ES in minutes is cut to 14 characters.
    EXPECT_EQ(l[1], "       t/min        \trE/(mol/l/min)\trS/(mol/l/min)\trES/(mol/l/min\trP/(mol/l/min)");
    EXPECT_EQ(std::tuple(l[4].substr(0, 20), l[4].substr(21, 14)),
              std::tuple("      1,50          ", "-0,0125       "));
    // The Michaelis-Menten table: only column 4.
    app.bMMdiagramm = true;
    app.bMMnormiert = true;
    l = splitLines(buildValueTable());
    EXPECT_EQ(l[1], "      S(0)/KM       \t              \t              \t              \trP/rP,max     ");
}

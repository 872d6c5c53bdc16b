#include "ChartTestSupport.h"
#include "chart/CurveCopy.h"
#include "chart/HalfLifeMark.h"
#include "base/NumberText.h"

using namespace vrn;
using namespace vrn::test;

TEST(CurveCopy, LinesOfXTabYInTheLocalesForm) {
    NumberLocaleGuard komma(',', '.');
    EXPECT_EQ(kurveAlsText({0, 0.5}, {1, 0.25}), "0\t1\r\n0,5\t0,25\r\n");
    EXPECT_EQ(kurveAlsText({}, {}), "");
    // Values with more digits are rounded to single precision.
    EXPECT_EQ(kurveAlsText({1.0 / 3.0}, {123456.789}), "0,3333333\t123456,8\r\n");
    // Holes are left out.
    EXPECT_EQ(kurveAlsText({1, 2, 3}, {1E+308, 2, NAN}), "2\t2\r\n");
    NumberLocaleGuard punkt('.', ',');
    EXPECT_EQ(kurveAlsText({0, 0.5}, {1, 0.25}), "0\t1\r\n0.5\t0.25\r\n");
}

// A value that a Single cannot hold is not left out without a word: the copy
// is refused and the first such value named, as the x-y file names it.
TEST(CurveCopy, AValueBeyondASingleIsNamed) {
    NumberLocaleGuard punkt('.', ',');
    const std::string bereich = "\" liegt außerhalb des zulässigen Bereichs.";
    // x, y, the text, the failure
    const std::tuple<std::vector<double>, std::vector<double>, std::string, std::string> rows[] = {
        {{0, 1, 2}, {1, 1e39, 2}, "", "Punkt 2, Wert 2: \"1E+39" + bereich},
        {{-1e300, 1}, {1, -1e300}, "", "Punkt 1, Wert 1: \"-1E+300" + bereich},
        {{1, 3.4028236e38}, {2, 0}, "", "Punkt 2, Wert 1: \"3.4028236E+38" + bereich},
        // the largest Single, and a value that still rounds to it
        {{3.4028234663852886e38}, {-3.40282356e38}, "3.402823E+38\t-3.402823E+38\r\n", ""},
        // holes stay out without a word
        {{1, 2, NAN}, {1E+308, 2, 3}, "2\t2\r\n", ""},
    };
    for (const auto& [x, y, text, fehler] : rows) {
        std::string error;
        EXPECT_EQ(kurveAlsText(x, y, &error), text) << fehler;
        EXPECT_EQ(error, fehler);
    }
}

TEST(CurveCopy, CurveNumberOfATabCaption) {
    const std::pair<const char*, int> faelle[] = {
        {"K. 12", 12}, {"K. 3", 3}, {"  K. 24  ", 24}, {"K.12", 12}, {"7", 7},   {"K. ", 0},
        {"", 0},       {"K. 25", 0}, {"K. 0", 0},      {"K. -1", 0}, {"abc", 0}, {"K. 2.5", 2},
    };
    for (const auto& [caption, nr] : faelle) EXPECT_EQ(kurvenNummerAusTitel(caption), nr) << caption;
}

class HalfLifeMarks : public ChartTest {};

TEST_F(HalfLifeMarks, EvaluationKindsUseTheStartConcentrationsOfTheData) {
    NumberLocaleGuard punkt('.', ',');
    app.iModell = 4;
    app.iDiagrammTyp = -8;
    app.c0Daten[1] = 0.02f;
    app.c0Daten[2] = 0.04f;
    app.c0[1] = 5;  // not used for an evaluation kind
    app.c0[2] = 5;
    app.k[1] = 0.5;
    const HalbwertszeitMarke m = berechneHalbwertszeitMarke(1);
    // A + B => P: tau = ln(2 - cA0/cB0) / (k (cB0 - cA0)).
    const double erwartet = std::log(2 - 0.02 / 0.04) / (0.5 * (0.04 - 0.02));
    EXPECT_NEAR(m.tau, erwartet, 1e-3);
    EXPECT_EQ(m.statusText, "Halbwertszeit tau(A) = " + Format(static_cast<Single>(erwartet), "#######0.00") + " s");
}

// Marks that cannot be drawn say why in the status bar, or leave it to a message.
// The half-life of a simulated curve is computed when the mark asks for it:
// B of A + B => C (k2 = 0) with A0 = B0 = 0.1 and k1 = 0.5 halves at
// 1/(k1·B0) = 20 s, within a curve up to 100 s.
TEST_F(HalfLifeMarks, SimulatedClosedFormAndEquilibriumCases) {
    NumberLocaleGuard punkt('.', ',');
    const std::string nichtImBereich = "Halbwertszeit liegt nicht im Diagramm-Bereich";
    // was, modell, stoff, stelle, zeichnen, statusSetzen, status, meldungen, beeps
    using Fall = std::tuple<const char*, Integer, int, std::function<void()>, bool, bool, std::string, size_t, int>;
    const Fall faelle[] = {
        {"simulated, not reached", 7, 1, [] { app.tEnd = 100; }, false, true, nichtImBereich, 0, 0},
        {"simulated B", 7, 2, [] { app.c0[2] = 0.1; app.tEnd = 100; }, true, true, "Halbwertszeit tau(B) = 20.00 s", 0, 0},
        {"simulated B beyond the curve", 7, 2, [] { app.c0[2] = 0.1; app.tEnd = 19.9f; }, false, true, nichtImBereich, 0, 0},
        {"B of model 14 has no curve value", 14, 2, [] {}, false, true, nichtImBereich, 0, 1},
        {"equilibrium above c(A)(0)/2", 8, 1, [] { app.k = {0, 0.1, 0.5, 0}; }, false, false, "", 1, 0},
        {"B runs short first", 4, 1, [] { app.c0[2] = 0.04; }, false, true,
         "Halbwertszeit tau(A) kann unter diesen Bedingungen nicht erreicht werden", 0, 1}};
    for (const auto& [was, modell, stoff, stelle, zeichnen, statusSetzen, status, meldungen, beeps] : faelle) {
        resetAppState("");
        app.iModell = app.iDiagrammTyp = modell;
        app.bNumerisch = modell == 7 || modell == 14;
        app.c0[1] = 0.1;
        app.k[1] = 0.5;
        stelle();
        MsgRecorder msgs;
        const HalbwertszeitMarke m = berechneHalbwertszeitMarke(stoff);
        EXPECT_EQ(std::pair(m.zeichnen, m.statusSetzen), std::pair(zeichnen, statusSetzen)) << was;
        EXPECT_EQ(m.statusText, status) << was;
        EXPECT_NEAR(m.tau, zeichnen ? 20.0 : 0.0, 20e-6) << was;
        EXPECT_EQ(std::pair(msgs.count(), msgs.beeps()), std::pair(meldungen, beeps)) << was;
    }
}

#include "ChartTestSupport.h"
#include "chart/CurveCompute.h"
#include "chart/Evaluation.h"
#include "base/NumberText.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// The number that follows `nach` in a status text (point locale).
double zahlNach(const std::string& s, const std::string& nach) {
    const auto pos = s.find(nach);
    return pos == std::string::npos ? std::nan("") : Val(s.substr(pos + nach.size()));
}

}  // namespace

class EvaluationPlot : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        achsen(-1000, 1000, -1000, 1000);
    }
    KurvenErgebnis zeichne(int kind) {
        app.iDiagrammTyp = static_cast<Integer>(kind);
        app.gnKurvenOffen = 1;
        ausserhalb = true;
        return zeichneKurve(static_cast<Integer>(kind), 1, 300, ausserhalb);
    }
    // Draws a kind whose evaluation must give its line.
    KurvenErgebnis linie(int kind) {
        KurvenErgebnis r = zeichne(kind);
        EXPECT_EQ(r.ausgang, KurvenAusgang::Kurve) << kind;
        return r;
    }
    // First-order decay c = c0 exp(-k t), t = 0, 2, ..., 20.
    static void ersteOrdnung(double c0, double k) {
        datensatz(11, [=](Messpunkt& p, int i) {
            p.t = 2.0 * (i - 1);
            p.c[1] = c0 * std::exp(-k * p.t);
        });
        app.c0Daten[1] = static_cast<Single>(c0);
        app.bKonzDaten[1] = true;
    }
    bool ausserhalb = true;
};

TEST_F(EvaluationPlot, FirstOrderPlotRecoversTheRateConstant) {
    ersteOrdnung(0.1, 0.15);
    app.k[1] = 99;
    const KurvenErgebnis r = linie(-5);
    EXPECT_NEAR(app.k[1], 0.15, 1e-6);
    EXPECT_NEAR(app.RegrB, -0.15, 1e-6);
    EXPECT_NEAR(app.RegrA, std::log(0.1), 1e-6);
    EXPECT_NEAR(app.RegrR2, 1.0, 1e-6);
    EXPECT_TRUE(r.statusText.starts_with("Berechnungsergebnis: k = 0.15")) << r.statusText;
    EXPECT_TRUE(r.statusText.ends_with("   (R^2 = 1.00000)")) << r.statusText;
    EXPECT_EQ(std::tuple(r.mitMesspunkten, r.setzeLabel, app.gnKurvenOffen, ausserhalb),
              std::tuple(true, false, 0, false));
    // The line over [-1000, 1000]: 121 or 122 points, on y = ln c0 - k t.
    const int n = static_cast<int>(app.gKurvenPunkte[0].x);
    EXPECT_GE(n, 121);
    EXPECT_LE(n, 122);
    const XYPunkt& p = app.gKurvenPunkte[61];
    EXPECT_NEAR(p.y, std::log(0.1) - 0.15 * p.x, 1e-3);
    // The regression tables hold the 11 points.
    ASSERT_EQ(app.gRegrX.size(), 12u);
    EXPECT_FLOAT_EQ(app.gRegrY[3], static_cast<Single>(std::log(0.1) - 0.15 * 4));
}

TEST_F(EvaluationPlot, SecondOrderPlotHalvesTheSlopeFor2AUnlessStartsAreEqual) {
    // 2A => P: 1/c = 1/c0 + 2 k t.  A + B => P with equal starts: 1/c = 1/c0 + k t.
    for (bool gleich : {false, true}) {
        const double k = 0.5, c0 = 0.1, steigung = gleich ? k : 2 * k;
        datensatz(8, [=](Messpunkt& p, int i) {
            p.t = 5.0 * (i - 1);
            p.c[1] = 1 / (1 / c0 + steigung * p.t);
        });
        app.bGleicheC0 = gleich;
        const KurvenErgebnis r = linie(-6);
        EXPECT_NEAR(app.k[1], k, 1e-5) << gleich;
        EXPECT_NEAR(zahlNach(r.statusText, "k = "), k, 1e-5) << r.statusText;
    }
}

TEST_F(EvaluationPlot, UnequalStartsDivideTheSlopeByTheStartDifference) {
    // A + B => P, c(A)(0) = 0.02, c(B)(0) = 0.01, k = 3: ln(cA/cB) = ln 2 + 0.01 k t.
    const double a0 = 0.02, b0 = 0.01, k = 3;
    datensatz(10, [=](Messpunkt& p, int i) {
        p.t = 10.0 * (i - 1);
        const double e = std::exp((a0 - b0) * k * p.t);
        p.c[2] = (a0 - b0) * b0 / (a0 * e - b0);
        p.c[1] = p.c[2] + (a0 - b0);
    });
    linie(-8);
    EXPECT_NEAR(app.RegrB, (a0 - b0) * k, 1e-6);
    EXPECT_NEAR(app.k[1], k, 1e-3);
}

TEST_F(EvaluationPlot, WilkinsonGivesOrderAndRateConstantButLeavesKOne) {
    // t / X = a + b t with a = 40, b = 0.75: n = 1.5, k = (1/40) / c0^0.5.
    const double a = 40, b = 0.75, c0 = 0.05;
    datensatz(9, [=](Messpunkt& p, int i) {
        p.t = 4.0 * (i - 1);  // the row at t = 0 fails the row test
        p.c[1] = p.t > 0 ? c0 * (1 - p.t / (a + b * p.t)) : c0;
    });
    app.c0Daten[1] = static_cast<Single>(c0);
    app.k[1] = 0.15;
    const KurvenErgebnis r = linie(-7);
    const double kErwartet = (1 / a) / std::sqrt(c0);
    EXPECT_TRUE(r.statusText.starts_with("Berechnungsergebnis: n = 1.5;  k = ")) << r.statusText;
    EXPECT_NEAR(zahlNach(r.statusText, "k = "), kErwartet, 1e-5);
    EXPECT_NEAR(app.RegrA, kErwartet, 1e-5);
    EXPECT_EQ(std::tuple(app.k[1], app.gRegrX.size()), std::tuple(0.15, 9u));  // 8 rows after t = 0
}

TEST_F(EvaluationPlot, ArrheniusRecoversActivationEnergyAndFactor) {
    const double A = 1e10, EA = 50000;
    datensatz(6, [=](Messpunkt& p, int i) {
        p.Temp = 290.0 + 10 * (i - 1);
        p.k = A * std::exp(-EA / (kGasR * p.Temp));
    });
    achsen(0.0029f, 0.0035f, -10, 10);
    app.k[1] = 0.15;
    const KurvenErgebnis r = linie(-3);
    EXPECT_TRUE(r.statusText.starts_with("Berechnungsergebnis: EA/(kJ/mol) = 50.00;  A = ")) << r.statusText;
    EXPECT_NEAR(zahlNach(r.statusText, "A = ") / A, 1, 1e-3);
    EXPECT_TRUE(r.statusText.ends_with("   (R^2 = 1.00000)")) << r.statusText;
    EXPECT_NEAR(app.RegrB, 50.0, 1e-3);
    EXPECT_EQ(app.k[1], 0.15);
}

TEST_F(EvaluationPlot, EyringRecoversActivationEnthalpyAndEntropy) {
    NumberLocaleGuard komma(',', '.');
    const double H = 60000, S = -20;
    datensatz(6, [=](Messpunkt& p, int i) {
        p.Temp = 300.0 + 8 * (i - 1);
        p.k = kBoltzmann / kPlanck * p.Temp * std::exp(S / kGasR) * std::exp(-H / (kGasR * p.Temp));
    });
    achsen(0.0029f, 0.0034f, -30, 0);
    const KurvenErgebnis r = linie(-4);
    EXPECT_EQ(r.statusText,
              "Resultat: h#/(kJ/mol) = 60,00;  s#/(J/mol*K) = -20,0, Achtung: s# ist nur korrekt, wenn für k gilt "
              "[t] = s   (R^2 = 1,00000)");
    EXPECT_NEAR(app.RegrB, 60.0, 1e-3);
    EXPECT_NEAR(app.RegrA, -20.0, 0.05);
}

TEST_F(EvaluationPlot, FirstOrderConductivityWithAndWithoutLambdaZero) {
    // lambda(t) = inf - (inf - l0) exp(-k t), inf = 5, l0 = 1, k = 0.2.
    const double inf = 5, l0 = 1, k = 0.2;
    auto daten = [=](int ab) {
        datensatz(10, [=](Messpunkt& p, int i) {
            p.t = static_cast<double>(i - 1 + ab);
            p.lambda = static_cast<Single>(inf - (inf - l0) * std::exp(-k * p.t));
        });
    };
    app.bLambdaAuswertung = true;
    app.LambdaInf = inf;

    daten(0);
    app.Lambda0 = l0;
    KurvenErgebnis r = linie(-10);
    EXPECT_NEAR(app.k[1], k, 1e-5);
    EXPECT_EQ(r.statusText.find("extrapol"), std::string::npos);

    daten(1);  // no row at t = 0: lambda(0) is extrapolated
    app.Lambda0 = 0;
    for (int kind : {-10, -5}) {
        r = linie(kind);
        EXPECT_NEAR(app.k[1], k, 1e-5) << kind;
        EXPECT_NEAR(zahlNach(r.statusText, ", lambda(0), extrapol. = "), l0, 1e-4) << r.statusText;
    }
}

TEST_F(EvaluationPlot, SecondOrderConductivity) {
    // c / c0 = 1 / (1 + s c0 t); (inf - lambda) / (inf - l0) = c / c0.
    const double inf = 4, c0 = 0.1, k = 0.5;
    // what, model, lambda(0), slope of 1/c
    const std::tuple<const char*, int, double, double> faelle[] = {
        {"A + B with lambda(0)", 4, 0.5, k}, {"2A with lambda(0)", 3, 0.5, 2 * k}, {"A + B without lambda(0)", 4, 0, k},
        {"2A without lambda(0)", 3, 0, 2 * k},
    };
    for (const auto& [was, modell, l0, steigung] : faelle) {
        datensatz(10, [&](Messpunkt& p, int i) {
            p.t = 3.0 * i;
            p.lambda = static_cast<Single>(inf - (inf - l0) / (1 + steigung * c0 * p.t));
        });
        app.iModell = static_cast<Integer>(modell);
        app.LambdaInf = inf;
        app.Lambda0 = l0;
        app.c0Daten[1] = static_cast<Single>(c0);
        linie(-11);
        EXPECT_NEAR(app.k[1], k, 1e-4) << was;
    }
}

TEST_F(EvaluationPlot, ExcludedRowsGoIntoTheTablesWithWeightZero) {
    ersteOrdnung(0.1, 0.15);
    app.ExpDaten[4].c[1] = 0.5;  // an outlier ...
    app.ExpDaten[4].aus = -1;    // ... that is excluded
    linie(-5);
    EXPECT_NEAR(app.k[1], 0.15, 1e-6);
    ASSERT_EQ(app.gRegrW.size(), 12u);
    EXPECT_EQ(std::tuple(app.gRegrW[4], app.gRegrW[5]), std::tuple(0.0f, 1.0f));
    EXPECT_FLOAT_EQ(app.gRegrY[4], static_cast<Single>(std::log(0.5)));
}

TEST_F(EvaluationPlot, UndefinedValueOfAnExcludedRowIsLeftOut) {
    datensatz(5, [](Messpunkt& p, int i) {
        p.Temp = 300.0 + 10 * i;
        p.k = std::exp(20 - 6000 / p.Temp);
    });
    app.ExpDaten[3].k = 0;
    app.ExpDaten[3].aus = -1;
    linie(-3);
    EXPECT_EQ(app.gRegrX.size(), 5u);
    EXPECT_NEAR(app.RegrB, 6000 * kGasR / 1000, 1e-2);
}

namespace {

// Rows of t, c(A), c(B), T, k, lambda and the exclusion flag.
using Zeilen = std::vector<std::array<double, 7>>;
void zeilen(const Zeilen& rows) {
    ChartTest::datensatz(static_cast<int>(rows.size()), [&](Messpunkt& p, int i) {
        const auto& r = rows[static_cast<std::size_t>(i - 1)];
        p = Messpunkt{r[0], {0, r[1], r[2]}, r[3], r[4], static_cast<Single>(r[5]), 0, 0, static_cast<Integer>(r[6])};
    });
}

}  // namespace

TEST_F(EvaluationPlot, UndefinedValuesOfActiveRowsEndInTheCriticalPath) {
    const double c01 = static_cast<double>(0.1f);
    // kind, rows, c(A)(0) of the data, lambda(inf), the failure text
    const std::tuple<int, Zeilen, Single, double, const char*> faelle[] = {
        {-3, {{0, 0, 0, 310, 1, 0, 0}, {0, 0, 0, 320, 2, 0, 0}, {0, 0, 0, 330, 0, 0, 0}, {0, 0, 0, 340, 4, 0, 0}}, 0, 0,
         "Logarithmus einer Zahl <= 0 (Messpunkt 3)"},
        {-4, {{0, 0, 0, 310, 1, 0, 0}, {0, 0, 0, 320, -1, 0, 0}, {0, 0, 0, 330, 3, 0, 0}}, 0, 0,
         "Logarithmus einer Zahl <= 0 (Messpunkt 2)"},
        {-7, {{1, 0.05, 0, 0, 0, 0, 0}, {2, c01, 0, 0, 0, 0, 0}, {3, 0.05, 0, 0, 0, 0, 0}}, 0.1f, 0,
         "Division durch Null (Messpunkt 2)"},  // c(A) = c(A)(0)
        {-10, {{1, 0, 0, 0, 0, 1.1, 0}, {2, 0, 0, 0, 0, 1.2, 0}, {3, 0, 0, 0, 0, 1.3, 0}, {4, 0, 0, 0, 0, 2.5, 0}}, 0, 2,
         "Logarithmus einer Zahl <= 0 (Messpunkt 4)"},  // beyond lambda(inf)
        {-11, {{1, 0, 0, 0, 0, 2, 0}, {2, 0, 0, 0, 0, 1, 0}, {3, 0, 0, 0, 0, 1, 0}}, 0, 2,
         "Division durch Null (Messpunkt 1)"},  // at lambda(inf)
        {-8, {{0, 0.01, 0.01, 0, 0, 0, 0}, {1, 0.005, 0.005, 0, 0, 0, 0}, {2, 0.003, 0.003, 0, 0, 0, 0}}, 0, 0,
         "Division durch Null: c(A) und c(B) bei t = 0 sind gleich oder fehlen im Datensatz"},
    };
    for (const auto& [kind, rows, c0, lambdaInf, text] : faelle) {
        resetAppState("");
        achsen(-1000, 1000, -1000, 1000);
        zeilen(rows);
        app.c0Daten[1] = c0;
        app.LambdaInf = lambdaInf;
        app.bLambdaAuswertung = kind == -10;
        app.k[1] = 0.15;
        app.RegrA = 7;
        app.RegrB = 8;
        app.RegrR2 = 0.5f;
        app.gKurvenPunkte[0].x = 3;
        MsgRecorder rec;
        const KurvenErgebnis r = zeichne(kind);
        EXPECT_EQ(std::tuple(r.ausgang, r.fehlerText, r.statusText),
                  std::tuple(KurvenAusgang::Abbruch, text, "")) << kind;
        EXPECT_EQ(rec.count(), 0u) << kind;  // the drawing loop shows it
        // Nothing of the earlier result is touched.
        EXPECT_EQ(std::tuple(app.k[1], app.RegrA, app.RegrB, app.RegrR2, app.gKurvenPunkte[0].x, app.gnKurvenOffen),
                  std::tuple(0.15, 7.0, 8.0, 0.5f, 3.0f, Integer{1}))
            << kind;
    }
}

TEST_F(EvaluationPlot, TooFewPointsOrEqualTimesAreRefused) {
    const std::pair<Zeilen, const char*> faelle[] = {
        {{}, kZuWenigePunkte},
        {{{1, 0.1, 0, 0, 0, 0, 0}, {2, 0.05, 0, 0, 0, 0, -1}, {3, 0.03, 0, 0, 0, 0, -1}}, kZuWenigePunkte},  // one active
        {{{1, 0, 0, 0, 0, 0, 0}, {2, 0.1, 0, 0, 0, 0, 0}, {3, 0, 0, 0, 0, 0, 0}}, kZuWenigePunkte},  // one passes the rows test
        {{{5, 0.1, 0, 0, 0, 0, 0}, {5, 0.05, 0, 0, 0, 0, 0}, {5, 0.03, 0, 0, 0, 0, 0}}, kRegressionSingulaer},  // equal times
    };
    for (const auto& [rows, text] : faelle) {
        resetAppState("");
        achsen(-1000, 1000, -1000, 1000);
        zeilen(rows);
        app.k[1] = 0.15;
        app.gKurvenPunkte[0].x = 3;
        MsgRecorder rec;
        const KurvenErgebnis r = zeichne(-5);
        EXPECT_EQ(r.ausgang, KurvenAusgang::Verweigert) << rows.size();
        EXPECT_TRUE(vrn::test::isOnlyMessage(rec, text, " Ausführung nicht möglich ", MsgIcon::Critical))
            << rows.size();
        EXPECT_EQ(r.statusText, "");
        EXPECT_EQ(std::tuple(app.k[1], app.gKurvenPunkte[0].x, app.gnKurvenOffen), std::tuple(0.15, 3.0f, Integer{1}));
    }
}

TEST_F(EvaluationPlot, EqualYValuesDrawTheLineWithoutRSquared) {
    datensatz(5, [](Messpunkt& p, int i) {
        p.t = i;
        p.c[1] = 0.25;
    });
    app.bGleicheC0 = true;
    const KurvenErgebnis r = linie(-6);
    EXPECT_EQ(r.statusText.find("R^2"), std::string::npos) << r.statusText;
    EXPECT_NEAR(app.k[1], 0, 1e-9);
    EXPECT_EQ(app.RegrR2, 0);
    EXPECT_GT(app.gKurvenPunkte[0].x, 100);
}

TEST_F(EvaluationPlot, LineOutsideTheYRangeKeepsTheWarningFlag) {
    ersteOrdnung(0.1, 0.15);
    achsen(0, 20, 10, 20);  // ln c is negative
    linie(-5);
    EXPECT_TRUE(ausserhalb);
}

TEST(CriticalError, MessageOfTheDrawingLoop) {
    MsgRecorder rec;
    meldeKritischenFehler("Division durch Null (Messpunkt 2)");
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_TRUE(vrn::test::isMessage(
        rec.last(), "Es ist ein kritischer Fehler aufgetreten:\r\nDivision durch Null (Messpunkt 2)", "ABBRUCH",
        MsgIcon::Critical));
}

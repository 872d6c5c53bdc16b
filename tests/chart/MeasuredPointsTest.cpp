#include "ChartTestSupport.h"
#include "chart/MeasuredPoints.h"
#include "engine/ModelMasks.h"

using namespace vrn;
using vrn::test::ChartTest;

namespace {

std::vector<int> beschriebeneSaetze(const ExperPunktSaetze& r) {
    std::vector<int> s;
    for (int i = 1; i <= kPunktSaetze; ++i)
        if (r.beschrieben[static_cast<std::size_t>(i)]) s.push_back(i);
    return s;
}

std::vector<int> indizes(const ExperPunktSaetze& r, int satz) {
    std::vector<int> v;
    for (const auto& p : r.satz[static_cast<std::size_t>(satz)]) v.push_back(p.i);
    return v;
}

}  // namespace

class MeasuredPoints : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        achsen(-1e6f, 1e6f, -1e6f, 1e6f);
        // Four points, all five columns, T and k, lambda.
        datensatz(4, [](Messpunkt& p, int i) {
            p.t = 10.0 * (i - 1);
            for (int s = 1; s <= 5; ++s) p.c[static_cast<std::size_t>(s)] = 0.1 * s / i;
            p.Temp = 290.0 + 10 * i;
            p.k = 0.01 * i;
            p.lambda = static_cast<Single>(1.0 + 0.5 * i);
        });
        app.c0Daten[1] = 0.1f;
    }
    ExperPunktSaetze punkte(int kind) {
        app.iDiagrammTyp = static_cast<Integer>(kind);
        return berechneExperPunkte();
    }
};

TEST_F(MeasuredPoints, DataKindWritesTheColumnsPresentAndSkipsExcludedPoints) {
    app.bKonzDaten[1] = app.bKonzDaten[4] = true;
    app.ExpDaten[2].aus = -1;
    const auto r = punkte(-1);
    using V = std::vector<int>;
    EXPECT_EQ(std::tuple(beschriebeneSaetze(r), indizes(r, 1), indizes(r, 4), r.nPunkte, r.bImBereich),
              std::tuple(V{1, 4}, V{1, 3, 4}, V{1, 3, 4}, 4, true));
    const ExperPunkt& p = r.satz[4][1];
    // Untransformed values keep double precision.
    EXPECT_EQ(std::tuple(p.x, p.y), std::tuple(20, app.ExpDaten[3].c[4]));
}

// Model kinds follow their mask, the fitting kind the masks of the model.
TEST_F(MeasuredPoints, ModelAndFittingKindsFollowTheMasks) {
    for (int s = 1; s <= 5; ++s) app.bKonzDaten[static_cast<std::size_t>(s)] = s != 5;
    SetSpeziesMaske(4);  // 11010, as the chart window's load handler sets it
    EXPECT_EQ(beschriebeneSaetze(punkte(4)), (std::vector<int>{1, 2, 4}));
    app.bKonzDaten[5] = true;
    app.iModell = 6;
    SetSpeziesMaske(-9);
    EXPECT_EQ(beschriebeneSaetze(punkte(-9)), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(std::pair(app.sSpeziesMaske, app.sKonstMaske), std::pair(std::string("10110"), std::string("110")));
}

TEST_F(MeasuredPoints, TangentKindWritesItsSpeciesOnly) {
    app.bKonzDaten[2] = app.bKonzDaten[3] = true;
    app.bytTangStoff = 3;
    const auto r = punkte(100);
    EXPECT_EQ(beschriebeneSaetze(r), (std::vector<int>{3}));
    app.bytTangStoff = 5;
    EXPECT_TRUE(beschriebeneSaetze(punkte(100)).empty());
}

TEST_F(MeasuredPoints, TemperatureKinds) {
    app.ExpDaten[2].k = 0;
    app.ExpDaten[4].Temp = 0;
    auto r = punkte(-2);
    // k = 0 is written.
    EXPECT_EQ(std::tuple(indizes(r, 6), r.satz[6][0].x, r.satz[6][0].y),
              std::tuple(std::vector<int>{1, 2, 3}, 300, 0.01));
    for (int kind : {-3, -4}) {
        r = punkte(kind);
        EXPECT_EQ(beschriebeneSaetze(r), (std::vector<int>{6})) << kind;
        EXPECT_EQ(indizes(r, 6), (std::vector<int>{1, 3})) << kind;
        EXPECT_FLOAT_EQ(r.satz[6][1].x, 1.0f / 320) << kind;
    }
}

TEST_F(MeasuredPoints, LinearisedConcentrationKinds) {
    app.bKonzDaten[1] = app.bKonzDaten[2] = true;
    app.ExpDaten[2].c[2] = 0;  // no ln(cA/cB) for point 2
    // Which rows each plot takes (the values of the plots are checked by the
    // evaluations, which recover the rate constants from them).
    const std::pair<int, std::vector<int>> faelle[] = {
        {-5, {1, 2, 3, 4}}, {-6, {1, 2, 3, 4}}, {-7, {2, 3, 4}} /* not the row at t = 0 */, {-8, {1, 3, 4}}};
    for (const auto& [kind, rows] : faelle) {
        const auto r = punkte(kind);
        EXPECT_EQ(beschriebeneSaetze(r), (std::vector<int>{1})) << kind;
        ASSERT_EQ(indizes(r, 1), rows) << kind;
        for (const auto& p : r.satz[1]) EXPECT_EQ(p.x, static_cast<Single>(app.ExpDaten[static_cast<std::size_t>(p.i)].t));
    }
    EXPECT_EQ(punkte(-6).satz[1][1].y, 20.0f);  // 1/c(A) of row 2 (c(A) = 0.05), by hand
    app.bKonzDaten[2] = false;
    EXPECT_TRUE(beschriebeneSaetze(punkte(-8)).empty());
    app.bKonzDaten[1] = false;
    for (int kind : {-5, -6, -7}) EXPECT_TRUE(beschriebeneSaetze(punkte(kind)).empty()) << kind;
}

TEST_F(MeasuredPoints, UndefinedTransformsSkipThePoint) {
    app.bKonzDaten[1] = true;
    app.ExpDaten[3].c[1] = static_cast<double>(0.1f);  // c(A) = c0: Wilkinson divides by zero
    EXPECT_EQ(indizes(punkte(-7), 1), (std::vector<int>{2, 4}));

    app.LambdaInf = 2.5;  // lambda = 1.5, 2, 2.5, 3
    app.Lambda0 = 0;
    EXPECT_EQ(indizes(punkte(-10), 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(indizes(punkte(-11), 1), (std::vector<int>{1, 2, 4}));
    app.Lambda0 = 2.5;  // LambdaInf = Lambda0
    EXPECT_TRUE(punkte(-10).satz[1].empty());
    app.Lambda0 = 1;
    app.c0Daten[1] = 0;  // -11 divides by c0
    EXPECT_TRUE(punkte(-11).satz[1].empty());
}

TEST_F(MeasuredPoints, InRangeRuleIncludesTheBounds) {
    app.bKonzDaten[1] = true;
    achsen(100, 200, 0, 1);  // every t lies below XMin
    auto r = punkte(-1);
    EXPECT_EQ(std::tuple(r.satz[1].size(), r.bImBereich), std::tuple(4u, false));  // written all the same
    achsen(-5, 0, 0.1f, 0.2f);  // point 1 at x = XMax, y = 0.1 = YMin (in single precision)
    r = punkte(-1);
    EXPECT_TRUE(r.bImBereich);
    achsen(-5, 0, 0.11f, 0.2f);
    EXPECT_FALSE(punkte(-1).bImBereich);
}

TEST_F(MeasuredPoints, RateKindsAndAnEmptyDataSetWriteNothing) {
    for (int s = 1; s <= 5; ++s) app.bKonzDaten[static_cast<std::size_t>(s)] = true;
    for (int kind : {51, 60, 70, 0, 19, -1, -2, -5, 2, 100}) {
        if (kind == -1) app.nExpPunkte = 0;  // the rest with an empty data set
        const auto r = punkte(kind);
        EXPECT_EQ(std::tuple(beschriebeneSaetze(r).empty(), r.bImBereich), std::tuple(true, false)) << kind;
    }
}

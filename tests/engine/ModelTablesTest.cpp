// Stoichiometric matrix, time units and start concentrations of the data set.

#include "engine/InitialConcentrations.h"
#include "engine/ModelMasks.h"
#include "engine/RateLaws.h"
#include "engine/Stoichiometry.h"
#include "engine/TimeUnits.h"
#include "shell/StateOwner.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// Reaction rates r1..r3 of each model's scheme, written from the reaction
// equations, so that dc/dt = nu · r must hold for the matrix and the rate laws.
std::array<double, 4> reactionRates(int model, const Konz& c, const Konstanten& k) {
    const double A = c[1], B = c[2], C = c[3], P = c[4];
    switch (model) {
        case 1: return {0, k[1], 0, 0};
        case 2: return {0, k[1] * A, 0, 0};
        case 3: return {0, k[1] * A * A, 0, 0};
        case 4: return {0, k[1] * A * B, 0, 0};
        case 5: case 16: return {0, k[1] * A * P, 0, 0};
        case 6: case 14: return {0, k[1] * A, k[2] * C, k[3] * P};
        case 7: return {0, k[1] * A * B, k[2] * A * C, 0};
        case 8: return {0, k[1] * A, k[2] * P, 0};
        case 9: case 13: return {0, k[1] * A * B, k[2] * C, k[3] * P};
        case 10: case 18: return {0, k[1] * A * B, k[2] * C, k[3] * C};
        case 11: return {0, k[1] * A, k[2] * A, 0};
        case 12: return {0, k[1] * A * B, k[2] * P * P, 0};
        case 15: return {0, k[1] * A, k[2] * C, k[3] * C};
        case 17: return {0, k[1] * A * B, k[2] * P, 0};
        default: return {};
    }
}

}  // namespace

TEST(Stoichiometry, MatrixTimesReactionRatesGivesTheRateLaws) {
    resetAppState("/prog");
    const Konz c{0, 0.7, 0.4, 0.3, 0.2, 0.1};
    const Konstanten k{0, 1.3, 0.6, 0.25};
    for (Integer model = 1; model <= 18; ++model) {
        for (auto& row : app.nu) row.fill(9);  // a coefficient left over would show
        app.iModell = model;
        SetStoechiometrie(1);
        Konz d;
        calc_dcdt(model, d, k, c, 1);
        const auto r = reactionRates(model, c, k);
        for (std::size_t i = 0; i <= 5; ++i) {
            EXPECT_EQ(app.nu[i][0], 9) << "column 0 is not written";
            if (i == 0) continue;
            double sum = 0;
            for (std::size_t j = 1; j <= 3; ++j) sum += app.nu[i][j] * r[j];
            EXPECT_NEAR(d[i], sum, 1e-14) << "model " << model << " species " << i;
        }
        EXPECT_EQ(app.nu[0][1], 9) << "row 0 is not written";
        EXPECT_LT(app.nu[1][1], 0) << "A is consumed in reaction 1 of every model";
    }
}

TEST(Stoichiometry, OrderOfModel20AndNoModel) {
    resetAppState("/prog");
    app.iModell = 20;
    SetStoechiometrie(1.5f);
    EXPECT_EQ(std::tuple(app.nu[1][1], app.nu[4][1]), std::tuple(-1.5f, 1.0f));
    for (Integer model : {10, 19, 0, 21, -2}) {
        app.iModell = model;
        SetStoechiometrie(1);
    }
    for (int i = 1; i <= 5; ++i)
        for (int r = 1; r <= 3; ++r) EXPECT_EQ(app.nu[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)], 0);
}

namespace {

// What the windows hear of a unit change: the parts of each message.
struct HookGuard {
    HookGuard() { zustand().stillUebernehmen(); }  // the points were laid out as a file would load them
    std::vector<unsigned> gehoert;
    std::vector<double> faktor;
    Zuhoerer zuhoerer{"test", kAlleTeile, [this](const Meldung& m) {
                          gehoert.push_back(m.teile);
                          faktor.push_back(m.kGeteiltDurch);
                      }};
};

void points(std::initializer_list<double> times) {
    resetAppState("/prog");
    app.ExpDaten.assign(times.size() + 1, Messpunkt{});
    app.nExpPunkte = static_cast<Integer>(times.size());
    std::size_t i = 1;
    for (double t : times) {
        app.ExpDaten[i].t = t;
        app.ExpDaten[i].k = 0.5;
        app.ExpDaten[i++].c[1] = 0.25;
    }
    app.k = {0, 0.15, 0.3, 6};
}

}  // namespace

TEST(TimeUnits, ChangingTheUnitConvertsTimesAndRateConstants) {
    // to, from, point 2 (120 of the old unit) and k1 (0.15 per old unit) afterwards, the unit's text
    const std::tuple<Integer, Integer, double, double, const char*> cases[] = {
        {1, 0, 2, 9, "min"},          {0, 1, 7200, 0.0025, "s"},       {3, 2, 5, 3.6, "d"},
        {4, 3, 120.0 / 365, 54.75, "a"}, {2, 2, 120, 0.15, "h"},          // the same unit: the text only
        {7, 0, 120, 0.15, "s"},          {1, -1, 120, 0.15, "min"},      // a unit outside the table
    };
    for (const auto& [to, from, t2, k1, text] : cases) {
        points({0, 120});
        app.tEnd = 100;
        HookGuard hooks;
        setZeiteinheit(to, from);
        EXPECT_EQ(app.sZeiteinheit, text) << to;
        EXPECT_NEAR(app.ExpDaten[2].t, t2, 1e-12 * t2) << to;
        EXPECT_NEAR(app.k[1], k1, 1e-12 * k1) << to;
        EXPECT_NEAR(app.k[3] / app.k[1], 40, 1e-12) << "every constant alike";
        // Nothing else converted.
        EXPECT_EQ(std::tuple(app.ExpDaten[1].t, app.tEnd, app.ExpDaten[2].k, app.ExpDaten[2].c[1]),
                  std::tuple(0, 100, 0.5, 0.25));
        // One message; a conversion names the data and the constants with it
        // and carries the factor by which k was divided.
        const bool umgerechnet = to <= 4 && from >= 0 && to != from;
        ASSERT_EQ(hooks.gehoert.size(), 1u) << to;
        EXPECT_EQ(hooks.gehoert[0], kTeilZeiteinheit | (umgerechnet ? kTeilDatensatz | kTeilKonstanten : 0u)) << to;
        EXPECT_NEAR(hooks.faktor[0], umgerechnet ? 0.15 / k1 : 1.0, 1e-12) << to;
    }
}

TEST(TimeUnits, EveryPairGoesThereAndBack) {
    for (Integer from = 0; from < 5; ++from)
        for (Integer to = 0; to < 5; ++to) {
            points({1, 2.5});
            app.k[3] = 3e-4;
            setZeiteinheit(to, from);
            setZeiteinheit(from, to);
            EXPECT_NEAR(app.ExpDaten[2].t, 2.5, 1e-15 * 2.5) << from << to;
            EXPECT_NEAR(app.k[1], 0.15, 1e-15);
            EXPECT_NEAR(app.k[3], 3e-4, 1e-19);
        }
}

TEST(TimeUnits, NoPointsAndOverflow) {
    points({});
    app.ExpDaten.assign(3, Messpunkt{});
    app.ExpDaten[1].t = 120;  // not a point of the data set
    setZeiteinheit(1, 0);
    EXPECT_EQ(app.ExpDaten[1].t, 120);
    EXPECT_DOUBLE_EQ(app.k[1], 9);

    MsgRecorder rec;
    points({1e302, 5});
    setZeiteinheit(0, 4);  // years to seconds
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().title, rec.last().text), std::tuple("Meldung von setZeiteinheit", "Überlauf"));
    EXPECT_EQ(std::tuple(app.sZeiteinheit, app.ExpDaten[2].t, app.k[1]), std::tuple("s", 5, 0.15));
}

TEST(InitialConcentrations, FromTheFirstStartPoint) {
    using Row = std::tuple<double, double, Integer>;  // t, c(A), aus
    const std::pair<std::vector<Row>, double> cases[] = {
        {{}, 0},                                                                  // empty data set
        {{{1, 0.9, 0}, {2, 0.8, 0}}, 0},                                          // measurements start later
        {{{1, 0.9, 0}, {3, 0.8, 0}, {0, 0.7, 0}, {4, 0.6, 0}, {0, 0.5, 0}}, 0.7}, // first row at t = 0
        {{{0, 0.95, -1}, {1, 0.5, 0}}, 0.95},                                    // excluded points count too
        {{{5e-9, 0.4, 0}}, 0.4},                                                  // below 1e-8
        {{{1e-8, 0.4, 0}}, 0},                                                    // not below
        {{{-2, 0.3, 0}, {0, 0.2, 0}}, 0.3},                                       // a negative time counts
        {{{0, 0.1, 0}}, 0.1},                                                     // rounded to single
    };
    for (const auto& [rows, expected] : cases) {
        resetAppState("/prog");
        app.ExpDaten.assign(rows.size() + 1, Messpunkt{});
        app.nExpPunkte = static_cast<Integer>(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            Messpunkt& p = app.ExpDaten[i + 1];
            const auto [t, c1, aus] = rows[i];
            std::tie(p.t, p.aus) = std::tie(t, aus);
            for (std::size_t s = 1; s <= 5; ++s) p.c[s] = c1 / static_cast<double>(s);
        }
        app.c0Daten = {7, 7, 7, 7, 7, 7};
        getAnfangskonzAusDaten();
        EXPECT_EQ(app.c0Daten[0], 7) << "element 0 untouched";
        for (std::size_t s = 1; s <= 5; ++s)
            EXPECT_EQ(app.c0Daten[s], static_cast<Single>(expected / static_cast<double>(s))) << s;
    }
}

// The masks of a model's own kind, written from each reaction scheme: the
// species it names (model 10: E, S, ES, P in the slots of A, B, C, P) and one
// rate constant per reaction (k> and k< of an equilibrium count as two).
TEST(DiagramMasks, ModelKindsShowTheSpeciesAndConstantsOfTheirScheme) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {1, "10010", "100"},  {2, "10010", "100"},  {3, "10010", "100"},  {4, "11010", "100"},
        {5, "10010", "100"},  {6, "10110", "110"},  {7, "11110", "110"},  {8, "10010", "110"},
        {9, "11110", "110"},  {10, "11110", "111"}, {11, "10011", "110"}, {12, "11010", "110"},
        {13, "11110", "111"}, {14, "10110", "111"}, {15, "10110", "111"}, {16, "10011", "100"},
        {17, "11010", "110"}, {18, "11110", "111"}, {20, "10010", "100"}, {19, "00000", "000"},
        {0, "00000", "000"},
    };
    for (const auto& [model, species, constants] : cases)
        EXPECT_EQ(diagramMasks(model, 0), (DiagramMasks{species, constants, false})) << model;
}

// Asking for the masks of another kind and mode (as the fitting window does
// for its own model while another chart is open) leaves the masks of the
// open chart and the evaluation mode as they are.
TEST(DiagramMasks, AskingLeavesTheSharedMasksAlone) {
    resetAppState("/prog");
    app.bAuswertungsart = 0;
    SetSpeziesMaske(-3);  // an Arrhenius chart is open
    EXPECT_EQ(diagramMasks(3, 7), (DiagramMasks{"10000", "110", false}));
    EXPECT_EQ(diagramMasks(20, 2), (DiagramMasks{"10010", "110", false}));
    EXPECT_EQ(std::tuple(app.sSpeziesMaske, app.sKonstMaske, app.bKTDiagramm, app.bAuswertungsart),
              std::tuple("00000", "000", true, 0));
}

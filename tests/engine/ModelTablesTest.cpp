// Stoichiometric matrix, time units and start concentrations of the data set.
#include <gtest/gtest.h>

#include <map>

#include "engine/InitialConcentrations.h"
#include "engine/RateLaws.h"
#include "engine/Stoichiometry.h"
#include "engine/TimeUnits.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// The matrix of each model as rows A, B, C, P, Q of the coefficients of
// reactions 1, 2, 3.
using Matrix = std::array<std::array<int, 3>, 5>;
const std::map<int, Matrix> kExpected = {
    {1, {{{-1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 0}}}},
    {2, {{{-1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 0}}}},
    {3, {{{-2, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 0}}}},
    {4, {{{-1, 0, 0}, {-1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 0}}}},
    {5, {{{-1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 0}}}},
    {6, {{{-1, 0, 0}, {0, 0, 0}, {1, -1, 0}, {0, 1, 0}, {0, 0, 0}}}},
    {7, {{{-1, -1, 0}, {-1, 0, 0}, {1, -1, 0}, {0, 1, 0}, {0, 0, 0}}}},
    {8, {{{-1, 1, 0}, {0, 0, 0}, {0, 0, 0}, {1, -1, 0}, {0, 0, 0}}}},
    {9, {{{-1, 0, 0}, {-1, 0, 0}, {1, -1, 0}, {0, 1, 0}, {0, 0, 0}}}},
    {10, {{{-1, 1, 1}, {-1, 1, 0}, {1, -1, -1}, {0, 0, 1}, {0, 0, 0}}}},
    {11, {{{-1, -1, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}}}},
    {12, {{{-1, 1, 0}, {-1, 1, 0}, {0, 0, 0}, {2, -2, 0}, {0, 0, 0}}}},
    {13, {{{-1, 0, 0}, {-1, 0, 0}, {1, -1, 1}, {0, 1, -1}, {0, 0, 0}}}},
    {14, {{{-1, 0, 0}, {0, 0, 0}, {1, -1, 1}, {0, 1, -1}, {0, 0, 0}}}},
    {15, {{{-1, 1, 0}, {0, 0, 0}, {1, -1, -1}, {0, 0, 1}, {0, 0, 0}}}},
    {16, {{{-1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}}}},
    {17, {{{-1, 1, 0}, {-1, 1, 0}, {0, 0, 0}, {1, -1, 0}, {0, 0, 0}}}},
    {18, {{{-1, 1, 0}, {-1, 1, 0}, {1, -1, -1}, {0, 0, 1}, {0, 0, 0}}}},
    {20, {{{-1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 0}}}},
};

// Reaction rates r1..r3 of each model at concentrations c (A, B, C, P, Q),
// so that dc/dt = nu · r.
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

TEST(Stoichiometry, EveryModel) {
    resetAppState("/prog");
    for (const auto& [model, m] : kExpected) {
        // Start from a full matrix, so that a coefficient left over would show.
        for (auto& row : app.nu) row.fill(9);
        app.iModell = static_cast<Integer>(model);
        SetStoechiometrie(1);
        for (int i = 0; i <= 5; ++i)
            for (int r = 0; r <= 3; ++r) {
                const Single got = app.nu[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)];
                if (i == 0 || r == 0) {
                    EXPECT_EQ(got, 9) << "row and column 0 are not written";
                } else {
                    EXPECT_EQ(got, m[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(r - 1)])
                        << "model " << model << " species " << i << " reaction " << r;
                }
            }
        EXPECT_LT(app.nu[1][1], 0) << "A is consumed in reaction 1 of every model";
    }
}

TEST(Stoichiometry, AgreesWithTheRateLaws) {
    resetAppState("/prog");
    const Konz c{0, 0.7, 0.4, 0.3, 0.2, 0.1};
    const Konstanten k{0, 1.3, 0.6, 0.25};
    for (const auto& [model, m] : kExpected) {
        if (model == 20) continue;  // its coefficient is the order, not a count
        Konz d;
        calc_dcdt(static_cast<Integer>(model), d, k, c);
        const auto r = reactionRates(model, c, k);
        for (std::size_t i = 0; i < 5; ++i) {
            double sum = 0;
            for (std::size_t j = 0; j < 3; ++j) sum += m[i][j] * r[j + 1];
            EXPECT_NEAR(d[i + 1], sum, 1e-14) << "model " << model << " species " << i + 1;
        }
    }
}

TEST(Stoichiometry, OrderOfModel20AndNoModel) {
    resetAppState("/prog");
    app.iModell = 20;
    SetStoechiometrie(1.5f);
    EXPECT_EQ(app.nu[1][1], -1.5f);
    EXPECT_EQ(app.nu[4][1], 1.0f);
    // From a three-reaction model to a one-reaction model: columns 2 and 3 clear.
    app.iModell = 10;
    SetStoechiometrie(1);
    app.iModell = 2;
    SetStoechiometrie(1);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(app.nu[static_cast<std::size_t>(i)][2], 0);
        EXPECT_EQ(app.nu[static_cast<std::size_t>(i)][3], 0);
    }
    for (Integer model : {19, 0, 21, -2}) {
        app.iModell = model;
        SetStoechiometrie(1);
        for (int i = 1; i <= 5; ++i)
            for (int r = 1; r <= 3; ++r) EXPECT_EQ(app.nu[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)], 0);
    }
}

namespace {

struct HookGuard {
    UiHooks saved = uiHooks();
    int labels = 0;
    std::vector<int> selected;
    HookGuard() {
        uiHooks().updateUnitLabels = [this] { ++labels; };
        uiHooks().selectModelTimeUnit = [this](int u) { selected.push_back(u); };
    }
    ~HookGuard() { uiHooks() = saved; }
};

void points(std::initializer_list<double> times) {
    app.ExpDaten.assign(times.size() + 1, Messpunkt{});
    app.nExpPunkte = static_cast<Integer>(times.size());
    std::size_t i = 1;
    for (double t : times) {
        app.ExpDaten[i].t = t;
        app.ExpDaten[i].k = 0.5;
        app.ExpDaten[i].c[1] = 0.25;
        ++i;
    }
}

}  // namespace

TEST(TimeUnits, SecondsToMinutes) {
    resetAppState("/prog");
    HookGuard hooks;
    points({0, 120, 30});
    app.k = {0, 0.15, 0.3, 6};
    app.tEnd = 100;
    setZeiteinheit(1, 0);
    EXPECT_EQ(app.sZeiteinheit, "min");
    EXPECT_DOUBLE_EQ(app.ExpDaten[2].t, 2);
    EXPECT_DOUBLE_EQ(app.ExpDaten[3].t, 0.5);
    EXPECT_EQ(app.ExpDaten[1].t, 0);
    EXPECT_DOUBLE_EQ(app.k[1], 9);
    EXPECT_DOUBLE_EQ(app.k[2], 18);
    EXPECT_DOUBLE_EQ(app.k[3], 360);
    // Nothing else converted.
    EXPECT_EQ(app.tEnd, 100);
    EXPECT_EQ(app.ExpDaten[2].k, 0.5);
    EXPECT_EQ(app.ExpDaten[2].c[1], 0.25);
    EXPECT_EQ(hooks.labels, 1);
    EXPECT_EQ(hooks.selected, std::vector<int>{1});
}

TEST(TimeUnits, SameUnitRefreshesOnly) {
    resetAppState("/prog");
    HookGuard hooks;
    points({60});
    app.k[1] = 0.15;
    app.sZeiteinheit = "s";
    setZeiteinheit(2, 2);
    EXPECT_EQ(app.sZeiteinheit, "h");
    EXPECT_EQ(app.ExpDaten[1].t, 60);
    EXPECT_EQ(app.k[1], 0.15);
    EXPECT_EQ(hooks.labels, 1);
    EXPECT_EQ(hooks.selected, std::vector<int>{2});
}

TEST(TimeUnits, EveryPairAndRoundTrips) {
    const char* texts[] = {"s", "min", "h", "d", "a"};
    for (int from = 0; from < 5; ++from)
        for (int to = 0; to < 5; ++to) {
            resetAppState("/prog");
            HookGuard hooks;
            points({1, 2.5});
            app.k = {0, 0.15, 2, 3e-4};
            setZeiteinheit(static_cast<Integer>(to), static_cast<Integer>(from));
            EXPECT_EQ(app.sZeiteinheit, texts[to]);
            const double f = app.Zeitfaktor[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
            EXPECT_DOUBLE_EQ(app.ExpDaten[2].t, 2.5 * f);
            EXPECT_DOUBLE_EQ(app.k[1], 0.15 / f);
            setZeiteinheit(static_cast<Integer>(from), static_cast<Integer>(to));
            EXPECT_NEAR(app.ExpDaten[2].t, 2.5, 1e-15 * 2.5);
            EXPECT_NEAR(app.k[1], 0.15, 1e-15);
            EXPECT_NEAR(app.k[3], 3e-4, 1e-19);
        }
    // A day is 1/365 of a year.
    resetAppState("/prog");
    points({730});
    setZeiteinheit(4, 3);
    EXPECT_DOUBLE_EQ(app.ExpDaten[1].t, 2);
}

TEST(TimeUnits, NoPointsConvertsTheConstantsOnly) {
    resetAppState("/prog");
    app.nExpPunkte = 0;
    app.ExpDaten.assign(3, Messpunkt{});
    app.ExpDaten[1].t = 120;  // not a point of the data set
    app.k[1] = 0.15;
    setZeiteinheit(1, 0);
    EXPECT_EQ(app.ExpDaten[1].t, 120);
    EXPECT_DOUBLE_EQ(app.k[1], 9);
}

TEST(TimeUnits, UnitOutsideTheTable) {
    resetAppState("/prog");
    HookGuard hooks;
    points({120});
    app.k[1] = 0.15;
    setZeiteinheit(7, 0);
    EXPECT_EQ(app.sZeiteinheit, "s");
    EXPECT_EQ(app.ExpDaten[1].t, 120);
    EXPECT_EQ(app.k[1], 0.15);
    EXPECT_TRUE(hooks.selected.empty());
    setZeiteinheit(1, -1);  // unknown old unit: the text only
    EXPECT_EQ(app.sZeiteinheit, "min");
    EXPECT_EQ(app.k[1], 0.15);
}

TEST(TimeUnits, OverflowChangesNothing) {
    resetAppState("/prog");
    MsgRecorder rec;
    points({1e302, 5});
    app.k[1] = 0.15;
    setZeiteinheit(0, 4);  // years to seconds
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Meldung von setZeiteinheit");
    EXPECT_EQ(rec.last().text, "Überlauf");
    EXPECT_EQ(app.sZeiteinheit, "s");
    EXPECT_EQ(app.ExpDaten[2].t, 5);
    EXPECT_EQ(app.k[1], 0.15);
}

TEST(InitialConcentrations, FromTheFirstStartPoint) {
    resetAppState("/prog");
    struct Row {
        double t;
        double c1;
        Integer aus;
    };
    struct Case {
        std::vector<Row> rows;
        double expected;
    };
    const Case cases[] = {
        {{}, 0},                                            // empty data set
        {{{1, 0.9, 0}, {2, 0.8, 0}}, 0},                    // measurements start later
        {{{1, 0.9, 0}, {3, 0.8, 0}, {0, 0.7, 0}, {4, 0.6, 0}, {0, 0.5, 0}}, 0.7},  // first row at t = 0
        {{{0, 0.95, -1}, {1, 0.5, 0}}, 0.95},              // excluded points count too
        {{{5e-9, 0.4, 0}}, 0.4},                           // below 1e-8
        {{{1e-8, 0.4, 0}}, 0},                              // not below
        {{{-2, 0.3, 0}, {0, 0.2, 0}}, 0.3},                // a negative time counts
    };
    for (const Case& cs : cases) {
        app.ExpDaten.assign(cs.rows.size() + 1, Messpunkt{});
        app.nExpPunkte = static_cast<Integer>(cs.rows.size());
        for (std::size_t i = 0; i < cs.rows.size(); ++i) {
            Messpunkt& p = app.ExpDaten[i + 1];
            p.t = cs.rows[i].t;
            p.aus = cs.rows[i].aus;
            for (std::size_t s = 1; s <= 5; ++s) p.c[s] = cs.rows[i].c1 / static_cast<double>(s);
        }
        app.c0Daten = {7, 7, 7, 7, 7, 7};
        getAnfangskonzAusDaten();
        EXPECT_EQ(app.c0Daten[0], 7) << "element 0 untouched";
        for (std::size_t s = 1; s <= 5; ++s)
            EXPECT_EQ(app.c0Daten[s], static_cast<Single>(cs.expected == 0 ? 0.0 : cs.expected / static_cast<double>(s)))
                << s;
    }
}

TEST(InitialConcentrations, RoundedToSingle) {
    resetAppState("/prog");
    app.ExpDaten.assign(2, Messpunkt{});
    app.nExpPunkte = 1;
    app.ExpDaten[1].c[2] = 0.1;
    getAnfangskonzAusDaten();
    EXPECT_EQ(app.c0Daten[2], 0.1f);
}

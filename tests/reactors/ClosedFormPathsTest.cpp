// The closed forms on every path that shows them (the curve and its value
// table, the concentrations at one time, the batch reactor and the result
// the batch and tubular windows show) held against the solutions written
// out again in long double (tests/support/KineticsReference): autocatalysis
// without product, nearly equal feeds of A and B, and concentrations that
// only rounding takes below 0.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/ClosedForms.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/HalfLife.h"
#include "engine/Simulation.h"
#include "engine/ValueTable.h"
#include "reactors/BatchReactor.h"
#include "reactors/ConversionSearch.h"
#include "support/KineticsReference.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

void setUp(const KineticsCase& c) {
    resetAppState("/prog");
    app.iModell = static_cast<Integer>(c.model);
    for (std::size_t i = 0; i < 3; ++i) app.k[i + 1] = c.k[i];
    for (std::size_t s = 1; s <= 5; ++s) app.c0[s] = c.c0[s];
    app.tEnd = static_cast<Single>(c.tEnd);
    app.sSpeziesMaske = "11111";
    app.bAuswertungsart = 0;
}

// The largest start concentration of the model's species.
double scaleOf(const KineticsCase& c) {
    double scale = 0;
    for (int s = 1; s <= 5; ++s)
        if (referenceSpecies(c.model) & (1 << s)) scale = std::max(scale, std::fabs(c.c0[static_cast<std::size_t>(s)]));
    return scale;
}

// The numbers of the value table's rows, as they are shown.
std::vector<std::string> tableFields(const std::string& table) {
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < table.size();) {
        const std::size_t end = std::min(table.find("\r\n", at), table.size());
        const std::string line = table.substr(at, end - at);
        at = end + 2;
        if (line.find('\t') == std::string::npos || line.find('/') != std::string::npos) continue;
        for (std::size_t f = line.find('\t'); f != std::string::npos; f = line.find('\t', f + 1))
            fields.push_back(line.substr(f + 1, line.find('\t', f + 1) - f - 1));
    }
    return fields;
}

// Every slot the closed form writes, on every path, against the reference
// within tol of the scale (tol = 0: equal to it) and never below 0: the
// curve at its 201 points (and the value table's fields), the
// concentrations at one time and the batch reactor at points of the curve
// and beyond its end, and the windows' result at t(max).
void checkPaths(const KineticsCase& c, double tol) {
    SCOPED_TRACE(describe(c));
    const double scale = scaleOf(c);
    const auto model = static_cast<Integer>(c.model);
    const auto check = [&](const char* path, double t, const Konz& got) {
        const ConcL ref = referenceClosedForm(c, t);
        for (int s = 1; s <= 5; ++s) {
            if (!ClosedForm::writes(model, s)) continue;
            const auto q = static_cast<std::size_t>(s);
            const double want = static_cast<double>(ref[q]);
            EXPECT_LE(std::fabs(got[q] - want), tol * scale)
                << path << " at t = " << t << ", slot " << s << ": " << got[q] << " against " << want;
            EXPECT_GE(got[q], 0.0) << path << " at t = " << t << ", slot " << s;
        }
    };

    setUp(c);
    MsgRecorder rec;
    Integer err = 5;
    calc_diagramfunctioncT(model, err);
    ASSERT_EQ(err, 0) << (rec.count() ? rec.last().text : std::string());
    for (int j = 0; j <= 200; ++j) {
        Konz got{};
        for (int s = 1; s <= 5; ++s) got[static_cast<std::size_t>(s)] = cSimOf(s)[static_cast<std::size_t>(j)];
        check("curve", app.tSim[static_cast<std::size_t>(j)], got);
    }
    for (const std::string& f : tableFields(buildValueTable())) EXPECT_NE(f.front(), '-') << "value table: " << f;

    std::vector<double> times;
    for (int j : {1, 7, 50, 133, 200}) times.push_back(app.tSim[static_cast<std::size_t>(j)]);
    times.push_back(1.5 * app.tSim[200]);
    for (double t : times) {
        Konz at{}, batch{};
        Integer fehler = 5;
        calc_functioncT_at_t(model, t, at, fehler);
        EXPECT_EQ(fehler, 0) << "at t = " << t;
        check("concentration at a time", t, at);
        const ReactorStatus st = CalcBatchKessel(model, t, batch);
        EXPECT_TRUE(st.ok) << "batch at t = " << t << ": " << st.text;
        check("batch", t, batch);
    }
    double t = app.tSim[200];
    ReactorStatus failure;
    ASSERT_EQ(batchResult(false, t, 0, failure), CalcOutcome::Done) << failure.text;
    check("batch and tube windows", t, app.cAkt);
    EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : std::string());
}

KineticsCase closedCase(int model, std::array<double, 3> k, std::array<double, 5> c0, double tEnd) {
    KineticsCase c;
    c.model = model;
    c.k = k;
    c.c0 = {0, c0[0], c0[1], c0[2], c0[3], c0[4]};
    c.tEnd = tEnd;
    return c;
}

}  // namespace

// Autocatalysis (5: A => P, 16: A => P + Q, both catalysed by P) without
// product: nothing reacts, A stays A0 and P and Q at their feed at every
// time, however far (A0 + P0)·k1·t goes; the form once divided 0 by 0 there
// and the program refused with "Überlauf". With product the curve is the
// logistic one up to where it has ended at A = 0 (the limit, no failure).
TEST(ClosedFormPaths, AutocatalysisWithoutProductStaysAtTheFeed) {
    const KineticsCase rows[] = {
        // without product (compared to the feed exactly)
        closedCase(5, {10, 0, 0}, {1, 0, 0, 0, 0}, 100),
        closedCase(5, {3.3e8, 0, 0}, {0.211, 0, 0, 0, 0}, 0.376),
        closedCase(16, {10, 0, 0}, {1, 0, 0, 0, 0.3}, 100),
        closedCase(16, {3.3e8, 0, 0}, {0.211, 0, 0, 0, 0}, 0.376),
        closedCase(5, {0.15, 0, 0}, {1, 0, 0, 0, 0.5}, 100),
        closedCase(16, {1e9, 0, 0}, {10, 0, 0, 0, 2}, 1e8),
        closedCase(5, {1e-3, 0, 0}, {1e-8, 0, 0, 0, 0}, 1e3),
    };
    for (const KineticsCase& c : rows) checkPaths(c, 0);
    // with product: (A0 + P0)·k1·t from 15 to 1e18
    const KineticsCase withProduct[] = {
        closedCase(5, {0.15, 0, 0}, {1, 0, 0, 0.002, 0}, 100),
        closedCase(16, {0.15, 0, 0}, {1, 0, 0, 0.002, 0.1}, 100),
        closedCase(5, {10, 0, 0}, {1, 0, 0, 0.002, 0}, 100),
        closedCase(16, {3.3e8, 0, 0}, {0.211, 0, 0, 1e-6, 0}, 0.376),
        closedCase(5, {1e9, 0, 0}, {10, 0, 0, 1e-8, 0}, 1e8),
        closedCase(16, {1e9, 0, 0}, {1e-8, 0, 0, 1e-8, 0}, 1e8),
    };
    for (const KineticsCase& c : withProduct) checkPaths(c, 2e-15);
    // (A0 + P0)·k1·t beyond the range of a Double is the end of the curve:
    // A = 0 and P and Q up by A0 (no "Überlauf"; the curve itself refuses,
    // its rate at t = 0 is beyond the range of a Single).
    setUp(closedCase(16, {1e300, 0, 0}, {1, 0, 0, 0.5, 0.25}, 1e10));
    MsgRecorder rec;
    Konz at{}, batch{};
    Integer fehler = 5;
    calc_functioncT_at_t(16, 1e10, at, fehler);
    EXPECT_EQ(fehler, 0);
    EXPECT_TRUE(CalcBatchKessel(16, 1e10, batch).ok);
    for (const Konz& c : {at, batch}) EXPECT_EQ(std::tuple(c[A], c[P], c[Q]), std::tuple(0.0, 1.5, 1.25));
    EXPECT_EQ(rec.count(), 0u);
}

// A + B => P with feeds from equal to far apart: B0 = A0·(1 − f) for f = 0,
// one unit of the last digit either way, ±1e-15 .. ±1e-1 by decades and
// ±1 (B0 = 0 and B0 = 2·A0). The form with e^(d·k1·t) − 1 over
// A0·e^(d·k1·t) − B0 cancels as the feeds come close (A(5) = 0.5 instead
// of 0.5714 at B0 = 1 + 2.2e-16); every path is within 1e-15 of the scale,
// and both half-lives within the precision of a Single.
TEST(ClosedFormPaths, NearlyEqualFeedsOfAAndB) {
    std::vector<double> fractions{0, 1.0, -1.0};
    for (int n = 1; n <= 15; ++n) {
        fractions.push_back(std::pow(10.0, -n));
        fractions.push_back(-std::pow(10.0, -n));
    }
    struct Set {
        double A0, k1, tEnd;
    };
    MsgRecorder rec;
    for (const Set& set : {Set{1, 0.15, 5}, Set{1, 0.15, 100}, Set{3e-3, 50, 100}}) {
        std::vector<double> feedsB{std::nextafter(set.A0, 0.0), std::nextafter(set.A0, 2 * set.A0)};
        for (double f : fractions) feedsB.push_back(set.A0 * (1 - f));
        for (double B0 : feedsB) {
            const KineticsCase c = closedCase(4, {set.k1, 0, 0}, {set.A0, B0, 0, 0, 0}, set.tEnd);
            checkPaths(c, 1e-15);
            for (int which : {1, 2}) {
                SCOPED_TRACE(describe(c));
                resetAppState("/prog");
                app.iDiagrammTyp = 4;
                const Single got = which == 1 ? FuHalbwertszeitA(set.A0, B0, 0, set.k1, 0)
                                              : FuHalbwertszeitB(set.A0, B0, 0, set.k1, 0);
                const double want = static_cast<double>(referenceHalfLifeAPlusB(set.A0, B0, set.k1, which));
                EXPECT_NEAR(got, want, 1e-7 * want) << (which == 1 ? "half-life of A" : "half-life of B");
            }
        }
    }
    EXPECT_EQ(rec.count(), 0u);
}

// Concentrations that rounding alone takes below 0 (a difference such as
// A0 − x where x rounded above A0, found in every model listed here) are
// 0 on every path and in the value table; a feed below 0 stays what it is.
TEST(ClosedFormPaths, NoConcentrationBelowZeroByRounding) {
    const KineticsCase rows[] = {
        closedCase(4, {1, 0, 0}, {0.1, 0.2, 0, 0, 0}, 1000),           // A
        closedCase(4, {1, 0, 0}, {0.2, 0.1, 0, 0, 0}, 1000),           // B
        closedCase(5, {0.5, 0, 0}, {0.2, 0, 0, 0.1, 0}, 1000),         // A
        closedCase(16, {0.5, 0, 0}, {0.1, 0, 0, 0.1, 0}, 1000),        // A
        closedCase(6, {5e5, 0.004, 0}, {1e-8, 0, 0, 0, 0}, 2e-9),      // P
        closedCase(8, {60, 0, 0}, {2e-7, 0, 0, 0, 0}, 1000),           // A
        closedCase(12, {7e7, 0.01, 0}, {2e-7, 3, 0, 0, 0}, 0.03),      // A
        closedCase(12, {7e7, 0.01, 0}, {3, 2e-7, 0, 0, 0}, 0.03),      // B
        closedCase(17, {0.002, 1e9, 0}, {1e-7, 3e-7, 0, 9e-7, 0}, 5),  // P
    };
    for (const KineticsCase& c : rows) checkPaths(c, 2e-15);
    // A feed below 0 (which the reactors refuse) keeps its sign in the curve.
    const KineticsCase negative = closedCase(8, {0.3, 0.1, 0}, {1, 0, 0, -0.5, 0}, 2);
    setUp(negative);
    Integer err = 5;
    calc_diagramfunctioncT(8, err);
    ASSERT_EQ(err, 0);
    EXPECT_EQ(app.cSim_P[0], -0.5);
    EXPECT_NEAR(app.cSim_P[1], static_cast<double>(referenceClosedForm(negative, app.tSim[1])[P]), 1e-15);
    EXPECT_LT(app.cSim_P[1], -0.49);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "reactors/BatchReactor.h"
#include "reactors/ConversionSearch.h"
#include "reactors/ReactorChecks.h"
#include "reactors/ReactorRules.h"
#include "engine/TimeDiagramInput.h"
#include "ReactorTestSupport.h"

using namespace vrn;
using vrn::test::setReactor;

TEST(ReactorRules, ConversionColour) {
    // 127.5 rounds to the even 128; values outside 0..1 take the nearer end.
    const std::pair<double, Colour> rows[] = {{0, RGB(255, 255, 0)}, {1, RGB(0, 255, 255)}, {0.5, RGB(128, 255, 128)},
                                              {0.25, RGB(191, 255, 64)}, {-0.2, RGB(255, 255, 0)},
                                              {1.3, RGB(0, 255, 255)}, {std::nan(""), RGB(255, 255, 0)}};
    for (auto [x, c] : rows) EXPECT_EQ(conversionColour(x), c) << x;
}

TEST(ReactorRules, TubeLengthTakesTheResidenceTimeInSeconds) {
    resetAppState("/tmp");
    // unit, t in the unit, v in m/s, l in m; an unknown unit counts as seconds
    const std::tuple<const char*, double, double, double> rows[] = {
        {"s", 10, 1, 10},       {"min", 10, 1, 600},     {"h", 10, 1, 36000},  {"min ", 2.5, 0.2, 30},
        {"h", 0.5, 0.01, 18},   {"d", 1, 0.001, 86.4},   {"a", 1, 1e-6, 31.536}, {"Tage", 3, 2, 6}};
    for (const auto& [unit, t, v, l] : rows) {
        EXPECT_NEAR(tubeLength(t, v, unit), l, 1e-12 * l) << unit;
        EXPECT_NEAR(tubeResidenceTime(l, v, unit), t, 1e-12 * t) << unit;
    }
}

TEST(ReactorRules, EquilibriumLimitIsTheEquilibriumConversion) {
    // model, k1, k2, A0, B0, P0
    const std::tuple<Integer, double, double, double, double, double> rows[] = {
        {8, 0.5, 0.5, 1, 0, 0}, {8, 0.5, 0.1, 1, 0, 0.1},  {12, 0.15, 0.01, 1, 0.5, 0},
        {12, 0.4, 0.1, 1, 0.5, 0.2},  // K = 4: the equation is linear
        {12, 1, 0.1, 1, 0.7, 0.3},    // K > 4
        {17, 0.15, 0.01, 1, 0.5, 0},  {17, 2, 0.5, 0.3, 0.9, 0.05},
    };
    for (const auto& [model, k1, k2, A0, B0, P0] : rows) {
        SCOPED_TRACE(model);
        const Konz c0{0, A0, B0, 0, P0, 0};
        const EquilibriumLimit lim = equilibriumLimit(model, c0, {0, k1, k2, 0});
        ASSERT_TRUE(lim.real);
        ASSERT_GE(lim.Umax, 0);
        ASSERT_LE(lim.Umax, 1);
        // At the limit the mixture is in equilibrium: its quotient equals K.
        const double x = lim.Umax * A0, K = k1 / k2;
        const double A = A0 - x, B = B0 - x;
        const double q = model == 8    ? (P0 + x) / A
                         : model == 12 ? std::pow(P0 + 2 * x, 2) / (A * B)
                                       : (P0 + x) / (A * B);
        EXPECT_NEAR(q, K, 1e-9 * K);
    }
    EXPECT_DOUBLE_EQ(equilibriumLimit(8, {0, 1, 0, 0, 0, 0}, {0, 0.5, 0.5, 0}).Umax, 0.5);
    // A negative product feed leaves model 17 without a real equilibrium.
    EXPECT_FALSE(equilibriumLimit(17, {0, 1, 1, 0, -5, 0}, {0, 1, 1, 0}).real);
}

namespace {

// The equilibrium conversion of model 12 (A + B <=> 2P) or 17 (A + B <=> P)
// found by halving, in long double, the interval of extents that keeps
// every concentration at or above 0: at its lower end the mixture reacts
// forward, at its upper end backward.
long double equilibriumByHalving(int model, long double A0, long double B0, long double P0, long double K) {
    const long double nu = model == 12 ? 2 : 1;
    auto vorwaerts = [&](long double x) {
        const long double P = P0 + nu * x;
        return K * (A0 - x) * (B0 - x) - (model == 12 ? P * P : P) > 0;
    };
    long double lo = -P0 / nu, hi = std::min(A0, B0);
    for (int i = 0; i < 200 && lo < hi; ++i) {
        const long double mid = lo + (hi - lo) / 2;
        if (!(mid > lo && mid < hi)) break;
        (vorwaerts(mid) ? lo : hi) = mid;
    }
    return (lo + (hi - lo) / 2) / A0;
}

std::uint64_t naechste(std::uint64_t& s) {
    s = s * 6364136223846793005ull + 1442695040888963407ull;
    return s >> 11;
}
double gleich(std::uint64_t& s) { return static_cast<double>(naechste(s)) * 0x1.0p-53; }
double logGleich(std::uint64_t& s, double lo, double hi) { return lo * std::pow(hi / lo, gleich(s)); }

}  // namespace

// Model 12 with K = k1/k2 near 4 (1e-12 to 1e-1 away, on both sides) and
// model 17, over random feeds: the limit agrees with the equilibrium found
// by halving. The quadratic divided by 4 − K lost every digit there.
TEST(ReactorRules, EquilibriumLimitWithoutCancellation) {
    std::uint64_t seed = 56;
    int geprueft = 0;
    for (int model : {12, 17}) {
        for (int i = 0; i < 2000; ++i) {
            const double k2 = logGleich(seed, 1e-3, 1e3);
            const double abstand = (gleich(seed) < 0.5 ? -1 : 1) * logGleich(seed, 1e-12, 1e-1);
            const double k1 = model == 12 ? 4 * k2 * (1 + abstand) : k2 * logGleich(seed, 1e-3, 1e3);
            const double A0 = logGleich(seed, 1e-8, 10), B0 = logGleich(seed, 1e-8, 10);
            const double P0 = gleich(seed) < 0.3 ? 0 : logGleich(seed, 1e-8, 10);
            const EquilibriumLimit lim = equilibriumLimit(static_cast<Integer>(model), {0, A0, B0, 0, P0, 0}, {0, k1, k2, 0});
            const long double K = static_cast<long double>(k1) / k2;
            const long double ref = equilibriumByHalving(model, A0, B0, P0, K);
            ASSERT_TRUE(lim.real);
            // Near no conversion K·A0·B0 and P0² cancel, by rounding of P0.
            const double tol = 1e-12 * std::max(1.0, P0 / A0);
            EXPECT_NEAR(lim.Umax, static_cast<double>(ref), tol)
                << "model " << model << ", k1 " << k1 << ", k2 " << k2 << ", A0 " << A0 << ", B0 " << B0 << ", P0 " << P0;
            ++geprueft;
        }
    }
    EXPECT_EQ(geprueft, 4000);

    // The reported case: c(A) 1e-6, c(B) 1.5, k1 0.4, k2 0.1000001 gave
    // U(A)(max) = -1500001000092.7178 and refused every conversion.
    const EquilibriumLimit lim = equilibriumLimit(12, {0, 1e-6, 1.5, 0, 0, 0}, {0, 0.4, 0.1000001, 0});
    ASSERT_TRUE(lim.real);
    EXPECT_NEAR(lim.Umax, static_cast<double>(equilibriumByHalving(12, 1e-6L, 1.5L, 0, 0.4L / 0.1000001L)), 1e-15);
    EXPECT_NEAR(lim.Umax, 0.999999333, 1e-9);
}

// A typed text the checked reading refuses is named where the field's own
// line would stand, and only for the quantities the selection uses. A number
// beyond the width on the side the field's range excludes (a negative time,
// a conversion above 1) is named with that range, never with the width.
TEST(ReactorRules, CheckListsNameRefusedFieldsInPlaceOfTheirLines) {
    enum class Liste { Batch, Rohr, Kessel };
    const auto zuGross = [](const char* thema, const char* symbol) {
        return std::string("- ") + thema + " zu groß: " + symbol + " darf höchstens 1.7E+308 sein\r\n";
    };
    struct Row {
        Liste liste;
        Integer model, selection;
        std::vector<std::size_t> gross;  // fields typed "1E309"
        std::string lines;
        std::vector<std::size_t> klein = {};  // fields typed "-1E309"
        const char* ordnung = nullptr;        // the model window's order n as typed
    };
    const Row rows[] = {
        {Liste::Batch, 2, 0, {14}, zuGross("Reaktionszeit", "t")},
        {Liste::Batch, 2, 1, {14}, ""},  // t is not used when U is given
        // a conversion beyond the width lies outside 0 < U < 1: the window's own line
        {Liste::Batch, 2, 1, {13, 10},
         "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)\r\n" + zuGross("Geschwindigkeitskonstante", "k1")},
        // the threshold of B is not tested with a number that could not be read
        {Liste::Batch, 4, 1, {1}, zuGross("Anfangskonzentration", "c(B)(0)")},
        {Liste::Batch, 10, 0, {0, 1, 11}, zuGross("Anfangskonzentration", "c(E)(0)") +
                                              zuGross("Anfangskonzentration", "c(S)(0)") +
                                              zuGross("Geschwindigkeitskonstante", "k2")},
        {Liste::Rohr, 2, 1, {16, 15}, zuGross("Fließgeschwindigkeit", "v") + zuGross("Rohrlänge", "l")},
        {Liste::Rohr, 2, 0, {15, 14}, zuGross("Reaktionszeit", "t")},
        {Liste::Rohr, 8, 2, {13, 11},
         "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)\r\n" + zuGross("Geschwindigkeitskonstante", "k2")},
        {Liste::Kessel, 2, 2, {14, 15, 16}, zuGross("Reaktionsvolumen", "V") + zuGross("Volumenstrom", "V*")},
        {Liste::Kessel, 2, 3, {16, 0}, zuGross("Eingangskonzentration", "c(A)(0)") +
                                           zuGross("mittlere Verweilzeit", "t")},
        {Liste::Kessel, 5, 0, {3, 13},
         zuGross("Eingangskonzentration", "c(P)(0)") + "- Der Umsatz muss (0 < U <= 1) sein.\r\n"},
        {Liste::Kessel, 10, 1, {1}, zuGross("Eingangskonzentration", "c(S)(0)")},
        {Liste::Batch, 2, 0, {}, "- Reaktionszeit außerhalb des Bereichs: t muss größer Null sein\r\n", {14}},
        {Liste::Rohr, 2, 1, {}, "- Fließgeschwindigkeit außerhalb des Bereichs: v muss größer Null sein\r\n", {16}},
        {Liste::Kessel, 2, 2, {}, "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n"
                                  "- Das Reaktionsvolumen muss größer Null sein.\r\n", {10, 14}},
        // the order of model 20, a Single, after the rate constants
        {Liste::Batch, 20, 0, {10},
         zuGross("Geschwindigkeitskonstante", "k1") + "- Reaktionsordnung zu groß: n darf höchstens 3.4E+38 sein\r\n", {},
         "1E39"},
        {Liste::Kessel, 20, 2, {}, "- nur n > 0 erlaubt\r\n", {}, "-1E39"},
        {Liste::Rohr, 2, 1, {}, "", {}, "1E39"},  // another model has no order n
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.lines);
        const ReaktorFenster w = r.liste == Liste::Batch  ? ReaktorFenster::Batch
                                 : r.liste == Liste::Rohr ? ReaktorFenster::Rohr
                                                          : ReaktorFenster::Kessel;
        // Inputs that pass, then the fields typed beyond the width.
        ReactorInput in;
        in.model = r.model;
        in.selection = r.selection;
        in.c0 = {0, 1, 1, 0.1, 0.1, 0.1};
        in.k = {0, 0.15, 0.1, 0.1};
        in.U = 0.5;
        in.t = in.l = in.v = in.V = in.VPunkt = 1;
        in.fieldB = in.fieldK2 = in.fieldK3 = true;
        if (r.ordnung) in.ordnung = liesZahl(r.ordnung, ordnungsFeld()).zeile;
        for (const auto& [felder, text] : {std::pair{r.gross, "1E309"}, std::pair{r.klein, "-1E309"}})
            for (std::size_t f : felder) {
                const Zahllesung l = liesZahl(text, reaktorFeld(w, static_cast<int>(f), r.model, true));
                ASSERT_FALSE(l.ok());
                in.gelesen[f] = l.zeile;
            }
        const std::string list = r.liste == Liste::Batch  ? batchCheckList(in)
                                 : r.liste == Liste::Rohr ? tubeCheckList(in)
                                                          : tankCheckList(in);
        EXPECT_EQ(list, r.lines);
    }
}

// Values of the state checked in their range: 0 gets the window's own line,
// a negative number the line of the range it lies outside of.
TEST(ReactorRules, CheckListsNameANegativeNumberWithItsRange) {
    ReactorInput in;
    in.model = 2;
    in.c0 = {0, -1, 0, 0, -0.5, 0};
    in.k = {0, 0.15, 0, 0};
    in.t = 0;
    EXPECT_EQ(batchCheckList(in),
              "- noch keine Eingabe der Reaktionszeit\r\n"
              "- Anfangskonzentration außerhalb des Bereichs: c(A)(0) muss größer Null sein\r\n"
              "- Anfangskonzentration außerhalb des Bereichs: c(P)(0) muss mindestens 0 sein\r\n");
    in.c0[A] = 0;
    in.c0[P] = 0;
    in.t = -5;
    EXPECT_EQ(batchCheckList(in),
              "- Reaktionszeit außerhalb des Bereichs: t muss größer Null sein\r\n"
              "- noch keine Eingabe einer Anfangskonzentration c(A)(0)\r\n");
}

namespace {

// A first-order decay c(A) = exp(−k t) as the injected reactor, counting its calls.
struct Decay {
    double k;
    int calls = 0;
    double lastT = -1;
    ReactorStatus operator()(double t, Konz& c) {
        ++calls;
        lastT = t;
        c[A] = std::exp(-k * t);
        return {};
    }
};

ConversionSearchResult search(double U, ReactorAtTime r) { return searchConversionTime(1, U, std::move(r)); }

}  // namespace

TEST(ConversionSearch, FindsTheTimeOfFastAndSlowReactions) {
    for (double k : {1e-4, 0.15, 1.2, 10.0, 1000.0, 1e6}) {
        for (double U : {0.5, 0.9, 1e-6}) {
            SCOPED_TRACE(k);
            Decay d{k};
            const ConversionSearchResult r = search(U, std::ref(d));
            ASSERT_EQ(r.outcome, ConversionSearchResult::Found) << U;
            const double t = -std::log1p(-U) / k;
            EXPECT_NEAR(r.t, t, 1e-9 * t) << U;
            // The concentrations belong to the time found.
            EXPECT_EQ(std::tuple(d.lastT, r.c[A]), std::tuple(r.t, std::exp(-k * r.t)));
            EXPECT_LT(d.calls, 150);
        }
    }
}

TEST(ConversionSearch, EndsOnAPlateauAnEngineFailureOrAStep) {
    // The conversion approaches 0.4 and never reaches 0.5: after three
    // doublings that leave it as it is (5, ..., 320) it is followed in steps
    // of 16, 256, 65536, ... times out to the longest time a field shows.
    int calls = 0;
    auto plateau = [&calls](double t, Konz& c) {
        ++calls;
        c[A] = 0.6 + 0.4 * std::exp(-t);
        return ReactorStatus{};
    };
    const ConversionSearchResult p = search(0.5, plateau);
    EXPECT_EQ(std::tuple(p.outcome, p.tVon, p.tBis),
              std::tuple(ConversionSearchResult::NotReached, 5.0, 3.4028234663852886e38));
    EXPECT_EQ(calls, 12);  // 5, ..., 320; 5120, 1310720, 8.6E+10, 3.7E+20, 3.4E+38

    // A failure at the start ends the search at once with the engine's
    // status. Times the engine cannot compute beyond the last one below the
    // conversion are stepped over in ever shorter steps: when it fails at
    // every time up to where the conversion is reached (from 100), the
    // conversion was not reached, with the times tried up to just below 100;
    // when the crossing lies where the engine fails at every time within it
    // (from 650), the search ends with the engine's status.
    for (double failsFrom : {0.0, 100.0, 650.0}) {
        calls = 0;
        auto failing = [&calls, failsFrom](double t, Konz& c) {
            ++calls;
            c[A] = std::exp(-1e-3 * t);
            return t > failsFrom && t < 1280 ? ReactorStatus::failure("kaputt", "Titel") : ReactorStatus{};
        };
        const ConversionSearchResult f = search(0.5, failing);
        EXPECT_EQ(f.outcome, failsFrom == 100 ? ConversionSearchResult::NotReached
                                              : ConversionSearchResult::EngineFailed) << failsFrom;
        EXPECT_EQ(f.status.text, failsFrom == 100 ? "" : "kaputt") << failsFrom;
        if (failsFrom == 100) {
            EXPECT_EQ(f.tVon, 5);
            EXPECT_GT(f.tBis, 99.8);
            EXPECT_LE(f.tBis, 100);
        }
        EXPECT_LE(calls, failsFrom == 0 ? 1 : 30) << failsFrom;
    }

    // A conversion that jumps from 0 to 1 at t = 3: the jump is found.
    auto jump = [](double t, Konz& c) {
        c[A] = t < 3 ? 1 : 0;
        return ReactorStatus{};
    };
    const ConversionSearchResult j = search(0.5, jump);
    ASSERT_EQ(j.outcome, ConversionSearchResult::Found);
    EXPECT_NEAR(j.t, 3, 1e-9);

    // Nothing reacts at all.
    EXPECT_EQ(search(0.5, [](double, Konz& c) { c[A] = 1; return ReactorStatus{}; }).outcome,
              ConversionSearchResult::NotReached);
}

TEST(ConversionSearch, BatchResultWithTheEngine) {
    double t = 0;
    ReactorStatus failure;
    for (double k1 : {0.15, 1.2, 1000.0}) {
        setReactor(2, {k1, 0, 0}, {1, 0, 0, 0, 0});
        app.cAkt = {0, 9, 9, 9, 9, 9};  // an earlier result must not survive
        ASSERT_EQ(batchResult(true, t, 0.5, failure), CalcOutcome::Done);
        EXPECT_NEAR(t, std::log(2.0) / k1, 1e-10 * t);
        EXPECT_NEAR(app.cAkt[A], 0.5, 1e-12);
        EXPECT_NEAR(app.cAkt[P], 0.5, 1e-12);
        EXPECT_EQ(app.cAkt[B] + app.cAkt[C] + app.cAkt[Q], 0);
    }

    // Model 7 whose B runs out: A converts at most 2·c0(B) = 0.4.
    setReactor(7, {0.15, 0.05, 0}, {1, 0.2, 0, 0, 0});
    EXPECT_EQ(batchResult(true, t, 0.5, failure), CalcOutcome::NotReached);
    t = 5;
    ASSERT_EQ(batchResult(true, t, 0.3, failure), CalcOutcome::Done);
    EXPECT_NEAR(1 - app.cAkt[A], 0.3, 1e-9);

    // A result beyond the range of a Single fails like the engine.
    setReactor(2, {0.15, 0, 0}, {1e300, 0, 0, 0, 0});
    t = 5;
    EXPECT_EQ(batchResult(false, t, 0, failure), CalcOutcome::EngineFailed);
    EXPECT_EQ(std::tuple(failure.text, failure.title, t), std::tuple(kBatchFehlerText, kBatchFehlerTitel, 5));
}

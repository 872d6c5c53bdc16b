#include "engine/TimeStopIntegrator.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/Checked.h"
#include "engine/StiffIntegrator.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// The Dormand-Prince pair: stages, the fifth-order weights (the last
// stage's row) and the weights of the error estimate.
constexpr double c2 = 1.0 / 5, c3 = 3.0 / 10, c4 = 4.0 / 5, c5 = 8.0 / 9;
constexpr double a21 = 1.0 / 5;
constexpr double a31 = 3.0 / 40, a32 = 9.0 / 40;
constexpr double a41 = 44.0 / 45, a42 = -56.0 / 15, a43 = 32.0 / 9;
constexpr double a51 = 19372.0 / 6561, a52 = -25360.0 / 2187, a53 = 64448.0 / 6561, a54 = -212.0 / 729;
constexpr double a61 = 9017.0 / 3168, a62 = -355.0 / 33, a63 = 46732.0 / 5247, a64 = 49.0 / 176,
                 a65 = -5103.0 / 18656;
constexpr double a71 = 35.0 / 384, a73 = 500.0 / 1113, a74 = 125.0 / 192, a75 = -2187.0 / 6784, a76 = 11.0 / 84;
constexpr double e1 = 71.0 / 57600, e3 = -71.0 / 16695, e4 = 71.0 / 1920, e5 = -17253.0 / 339200, e6 = 22.0 / 525,
                 e7 = -1.0 / 40;

// Steps in a row held by stability (h times the stiffness estimate beyond
// the border of the pair's stability region on the negative axis) after
// which the run counts as stiff; steps that are not reset the count.
constexpr double kStabilitaetsRand = 3.25;
constexpr int kSteifeFolge = 15;
constexpr int kNichtSteifFolge = 6;
// Steps without a stop beyond which the implicit integrator takes over in
// any case.
constexpr long kMaxSchritte = 100000;

}  // namespace

// The continuous extension of the pair (Hairer's dense output of order 4).
constexpr double d1 = -12715105075.0 / 11282082432, d3 = 87487479700.0 / 32700410799,
                 d4 = -10690763975.0 / 1880347072, d5 = 701980252875.0 / 199316789632,
                 d6 = -1453857185.0 / 822651844, d7 = 69997945.0 / 29380423;

struct TimeStopIntegrator::Impl {
    ModelInputs in;
    IntegratedSlots slots;
    Konz y{}, f{};  // the state at t and its rates
    Konz runStart{};
    double t = 0;
    double h = 0;   // the next step to try (0: not chosen yet)
    double atol = 0;
    double rtol = kStoppRelTol;
    Konz atolSlot{};  // the absolute tolerance of each slot's steps (atol, or tighter: tightenFor)
    bool failed = false;
    const char* why = nullptr;
    std::unique_ptr<StiffIntegrator> steif;
    int steifFolge = 0, nichtSteifFolge = 0;
    long schritte = 0;
    double tAsked = 0;  // the time asked for last
    // The last accepted step, from tAlt over hAlt, as its continuous
    // extension (none before the first step).
    double tAlt = 0, hAlt = 0;
    std::array<Konz, 5> rc{};
    std::array<Konz, 5> pb{};  // rc in powers of theta; slot 0 stays 0
    std::vector<double>* aufnahme = nullptr;
    const std::vector<double>* vorgabe = nullptr;
    std::size_t vorgabeNr = 0;
    bool dicht = false;

    bool rates(const Konz& c, Konz& r) const { return calc_dcdt(in.model, r, in.k, c, in.ordnung); }

    // The relative tolerance of the implicit integrator in proportion to
    // this run's (kSteifRelTol for kStoppRelTol).
    double steifTol() const { return rtol * (kSteifRelTol / kStoppRelTol); }

    bool fail(const char* text) {
        failed = true;
        why = text;
        return false;
    }

    // The error of a step relative to the tolerance (<= 1 is kept).
    double errorNorm(const Konz& y0, const Konz& y1, const Konz& err) const {
        double m = 0;
        for (int i = 0; i < slots.n; ++i) {
            const std::size_t s = u(slots.slot[u(i)]);
            const double sc = atolSlot[s] + rtol * std::max(std::fabs(y0[s]), std::fabs(y1[s]));
            m = std::max(m, std::fabs(err[s]) / sc);
        }
        return m;
    }

    struct Stufen {
        Konz k2{}, k3{}, k4{}, k5{}, k6{}, y1{}, f1{}, err{};
        double hLambda = 0;
    };

    // One step of width hh from (t, y) with the rates f: the new state, its
    // rates, the stages, the error estimate and h times the stiffness
    // estimate. False when a rate is not finite.
    bool step(double hh, Stufen& st) const {
        Konz z{}, z6{};
        const Konz& k1 = f;
        for (int s = 1; s <= 5; ++s) z[u(s)] = y[u(s)] + hh * a21 * k1[u(s)];
        if (!rates(z, st.k2)) return false;
        for (int s = 1; s <= 5; ++s) z[u(s)] = y[u(s)] + hh * (a31 * k1[u(s)] + a32 * st.k2[u(s)]);
        if (!rates(z, st.k3)) return false;
        for (int s = 1; s <= 5; ++s)
            z[u(s)] = y[u(s)] + hh * (a41 * k1[u(s)] + a42 * st.k2[u(s)] + a43 * st.k3[u(s)]);
        if (!rates(z, st.k4)) return false;
        for (int s = 1; s <= 5; ++s)
            z[u(s)] = y[u(s)] + hh * (a51 * k1[u(s)] + a52 * st.k2[u(s)] + a53 * st.k3[u(s)] + a54 * st.k4[u(s)]);
        if (!rates(z, st.k5)) return false;
        for (int s = 1; s <= 5; ++s)
            z6[u(s)] = y[u(s)] + hh * (a61 * k1[u(s)] + a62 * st.k2[u(s)] + a63 * st.k3[u(s)] + a64 * st.k4[u(s)] +
                                       a65 * st.k5[u(s)]);
        if (!rates(z6, st.k6)) return false;
        for (int s = 1; s <= 5; ++s)
            st.y1[u(s)] = y[u(s)] + hh * (a71 * k1[u(s)] + a73 * st.k3[u(s)] + a74 * st.k4[u(s)] +
                                          a75 * st.k5[u(s)] + a76 * st.k6[u(s)]);
        if (!rates(st.y1, st.f1)) return false;
        double num = 0, den = 0;
        for (int s = 1; s <= 5; ++s) {
            st.err[u(s)] = hh * (e1 * k1[u(s)] + e3 * st.k3[u(s)] + e4 * st.k4[u(s)] + e5 * st.k5[u(s)] +
                                 e6 * st.k6[u(s)] + e7 * st.f1[u(s)]);
            num += (st.f1[u(s)] - st.k6[u(s)]) * (st.f1[u(s)] - st.k6[u(s)]);
            den += (st.y1[u(s)] - z6[u(s)]) * (st.y1[u(s)] - z6[u(s)]);
        }
        st.hLambda = den > 0 ? hh * std::sqrt(num / den) : 0;
        for (int s = 1; s <= 5; ++s)
            if (!std::isfinite(st.y1[u(s)]) || !std::isfinite(st.err[u(s)])) return false;
        return true;
    }

    // Takes over an accepted step of width hh: its continuous extension, then
    // the new state.
    void accept(double hh, const Stufen& st) {
        for (int s = 1; s <= 5; ++s) {
            const double dy = st.y1[u(s)] - y[u(s)];
            const double bspl = hh * f[u(s)] - dy;
            rc[0][u(s)] = y[u(s)];
            rc[1][u(s)] = dy;
            rc[2][u(s)] = bspl;
            rc[3][u(s)] = dy - hh * st.f1[u(s)] - bspl;
            rc[4][u(s)] = hh * (d1 * f[u(s)] + d3 * st.k3[u(s)] + d4 * st.k4[u(s)] + d5 * st.k5[u(s)] +
                                d6 * st.k6[u(s)] + d7 * st.f1[u(s)]);
        }
        // The same polynomial in powers of theta, for reading many times.
        for (int s = 1; s <= 5; ++s) {
            pb[0][u(s)] = rc[0][u(s)];
            pb[1][u(s)] = rc[1][u(s)] + rc[2][u(s)];
            pb[2][u(s)] = rc[3][u(s)] + rc[4][u(s)] - rc[2][u(s)];
            pb[3][u(s)] = -(rc[3][u(s)] + 2 * rc[4][u(s)]);
            pb[4][u(s)] = rc[4][u(s)];
        }
        tAlt = t;
        hAlt = hh;
        dicht = true;
        y = st.y1;
        f = st.f1;
    }

    // The state at x inside the last step, from its continuous extension.
    Konz dense(double x) const {
        const double th = (x - tAlt) / hAlt, th1 = 1 - th;
        Konz v = y;
        for (int i = 0; i < slots.n; ++i) {
            const std::size_t s = u(slots.slot[u(i)]);
            v[s] = rc[0][s] + th * (rc[1][s] + th1 * (rc[2][s] + th * (rc[3][s] + th1 * rc[4][s])));
        }
        return v;
    }

    // The first time at which slot s falls below `level`, looked for as the
    // integration goes (firstBelow).
    struct Unterschreitung {
        std::size_t s = 0;
        double level = 0;
        bool gefunden = false;
        double t = 0;
    };
    Unterschreitung* suche = nullptr;

    // Slot s on the continuous extension of the last step, at theta.
    double denseSlot(std::size_t s, double th) const {
        const double th1 = 1 - th;
        return rc[0][s] + th * (rc[1][s] + th1 * (rc[2][s] + th * (rc[3][s] + th1 * rc[4][s])));
    }

    // True (e.gefunden, e.t) when slot e.s falls below e.level inside the
    // last accepted step, which starts at or above it: its continuous
    // extension at the quarters of the step and its end tell the first
    // quarter in which it does, and halving that finds the time to the
    // last bit of theta. A dip that rises again within the step is found
    // where one of the quarters sees it.
    bool imSchritt(Unterschreitung& e) const {
        double lo = 0;
        for (int q = 1; q <= 4; ++q) {
            const double hi = q / 4.0;
            if (!((q == 4 ? y[e.s] : denseSlot(e.s, hi)) < e.level)) {
                lo = hi;
                continue;
            }
            double a = lo, b = hi;
            for (int i = 0; i < 200; ++i) {
                const double mid = a + (b - a) / 2;
                if (!(mid > a && mid < b)) break;
                (denseSlot(e.s, mid) < e.level ? b : a) = mid;
            }
            e.gefunden = true;
            e.t = std::min(t, tAlt + b * hAlt);
            return true;
        }
        return false;
    }

    // A first step: a hundredth of the time in which the fastest rate would
    // change the state by the scale, at most the stretch.
    double firstStep(double span) const {
        double rmax = 0, ymax = 0;
        for (int i = 0; i < slots.n; ++i) {
            const std::size_t s = u(slots.slot[u(i)]);
            rmax = std::max(rmax, std::fabs(f[s]));
            ymax = std::max(ymax, std::fabs(y[s]));
        }
        const double scale = std::max(ymax, atol * 1e3);
        return rmax > 0 ? std::min(span, 0.01 * scale / rmax) : span;
    }

    // Explicit steps until the time reached is `to` or beyond (`land`: a
    // step that would pass `to` ends on it); false with failed unset when
    // the implicit integrator is to take over, false with failed set on a
    // failure.
    bool explicitTo(double to, bool land) {
        while (t < to) {
            const double span = to - t;
            if (vorgabe && vorgabeNr < vorgabe->size()) {
                // A step of the run replayed: taken as it is.
                const double hh = (*vorgabe)[vorgabeNr++];
                Stufen st;
                if (!(hh > 0) || !step(hh, st)) return fail(kUeberlauf);
                accept(hh, st);
                t = hh >= span && vorgabeNr == vorgabe->size() && land ? to : t + hh;
                if (aufnahme) aufnahme->push_back(hh);
                continue;
            }
            if (h <= 0) h = firstStep(span);
            const bool stop = land && h >= span;
            const double hh = stop ? span : h;
            Stufen st;
            if (!step(hh, st)) {
                // Overflow in a trial: a shorter step, unless there is none.
                if (hh <= 1e-15 * std::max(std::fabs(t), span)) return fail(kUeberlauf);
                h = hh / 4;
                continue;
            }
            const double e = errorNorm(y, st.y1, st.err);
            const double factor = e == 0 ? 5 : std::min(5.0, std::max(0.2, 0.9 * std::pow(e, -0.2)));
            if (!(e <= 1)) {
                h = hh * std::min(1.0, factor);
                if (h <= 1e-15 * std::max(std::fabs(t), span) || ++schritte > kMaxSchritte) return false;
                continue;
            }
            accept(hh, st);
            t = stop ? to : t + hh;
            if (aufnahme) aufnahme->push_back(hh);
            if (!stop || hh >= h / 2) h = hh * factor;
            if (suche && imSchritt(*suche)) return true;
            if (st.hLambda > kStabilitaetsRand) {
                nichtSteifFolge = 0;
                if (++steifFolge >= kSteifeFolge) return false;
            } else if (++nichtSteifFolge >= kNichtSteifFolge) {
                steifFolge = 0;
            }
            if (++schritte > kMaxSchritte) return false;
        }
        return true;
    }
};

TimeStopIntegrator::TimeStopIntegrator(const ModelInputs& in) : TimeStopIntegrator(in, in.c0) {}

TimeStopIntegrator::TimeStopIntegrator(const ModelInputs& in, const Konz& runStart) : impl_(std::make_unique<Impl>()) {
    Impl& m = *impl_;
    m.runStart = runStart;
    m.in = in;
    m.slots = integratedSlots(in.model);
    m.y = in.c0;
    m.y[0] = 0;
    if (m.slots.n == 0) {
        m.fail(kUngueltigesArgument);
        return;
    }
    double scale = 0;
    for (int i = 0; i < m.slots.n; ++i) {
        const std::size_t s = u(m.slots.slot[u(i)]);
        if (!std::isfinite(in.c0[s])) {
            m.fail(kUeberlauf);
            return;
        }
        scale = std::max(scale, std::max(std::fabs(in.c0[s]), std::fabs(runStart[s])));
    }
    for (int j = 1; j <= 3; ++j)
        if (!std::isfinite(in.k[u(j)])) m.fail(kUeberlauf);
    if (in.model == 20 && !std::isfinite(in.ordnung)) m.fail(kUeberlauf);
    m.atol = 1e-3 * kStoppRelTol * (scale > 0 ? scale : 1);
    m.atolSlot.fill(m.atol);
    if (!m.failed && !m.rates(m.y, m.f)) m.fail(kUeberlauf);
}

TimeStopIntegrator::~TimeStopIntegrator() = default;

bool TimeStopIntegrator::advanceTo(double t, Konz& c, bool land) {
    Impl& m = *impl_;
    if (m.failed) return false;
    if (!std::isfinite(t) || !(t >= m.tAsked)) return m.fail(kUngueltigesArgument);
    m.tAsked = t;
    Konz v = m.y;
    if (!m.steif && t > m.t && !m.explicitTo(t, land)) {
        if (m.failed) return false;
        // Stiff from here: the implicit integrator goes on from the state reached.
        m.steif = std::make_unique<StiffIntegrator>(m.in.model, m.in.k, m.in.ordnung, m.y, m.t, m.runStart,
                                                    m.steifTol());
        m.dicht = false;
    }
    if (m.steif) {
        if (t > m.t || !m.dicht) {
            v = m.y;
            if (!m.steif->advanceTo(std::max(t, m.t), v)) return m.fail(m.steif->failureText());
            m.y = v;
            m.t = std::max(t, m.t);
            m.dicht = false;
        }
        if (t < m.t) v = m.dense(t);
    } else {
        v = t == m.t || !m.dicht ? m.y : m.dense(t);
    }
    if (m.in.model == 20 && v[A] < 0) runOutA(v[A], v[P]);
    for (int i = 0; i < m.slots.n; ++i) {
        const std::size_t s = u(m.slots.slot[u(i)]);
        if (!std::isfinite(v[s])) return m.fail(kUeberlauf);
        // Below 0 by rounding only.
        if (v[s] < 0 && v[s] >= -1e3 * m.atol) v[s] = 0;
    }
    for (int i = 0; i < m.slots.n; ++i) {
        const std::size_t s = u(m.slots.slot[u(i)]);
        c[s] = v[s];
    }
    return true;
}

bool TimeStopIntegrator::valuesAt(double t, const int* slot, std::size_t n, double* v, bool land) {
    Impl& m = *impl_;
    const bool fast = !m.failed && !m.steif && m.in.model != 20 && std::isfinite(t) && t >= m.tAsked &&
                      (t <= m.t || m.explicitTo(t, land));
    if (!fast) {
        if (m.failed) return false;
        Konz c{};
        if (!advanceTo(t, c, land)) return false;
        const int bits = m.slots.bits();
        for (std::size_t i = 0; i < n; ++i) v[i] = slot[i] >= 1 && slot[i] <= 5 && (bits & (1 << slot[i])) ? c[u(slot[i])] : 0;
        return true;
    }
    m.tAsked = t;
    // Slot 0 of the step's polynomials is 0: a slot that is not read maps there.
    const int bits = m.slots.bits();
    std::array<std::size_t, 5> idx{};
    for (std::size_t i = 0; i < n && i < 5; ++i) idx[i] = slot[i] >= 1 && slot[i] <= 5 && (bits & (1 << slot[i])) ? u(slot[i]) : 0;
    const bool amEnde = t == m.t || !m.dicht;
    const double th = amEnde ? 1 : (t - m.tAlt) / m.hAlt;
    const double untergrenze = -1e3 * m.atol;
    bool endlich = true;
    for (std::size_t i = 0; i < n && i < 5; ++i) {
        const std::size_t s = idx[i];
        double x = amEnde ? m.y[s]
                          : (((m.pb[4][s] * th + m.pb[3][s]) * th + m.pb[2][s]) * th + m.pb[1][s]) * th + m.pb[0][s];
        endlich = endlich && x - x == 0;
        v[i] = x < 0 && x >= untergrenze ? 0 : x;
    }
    if (!endlich) return m.fail(kUeberlauf);
    return true;
}

bool TimeStopIntegrator::valuesAtTimes(const double* t, const std::size_t* order, std::size_t count, const int* slot,
                                       std::size_t n, double* out, bool landLast) {
    Impl& m = *impl_;
    if (n > 5) return false;
    const int bits = m.slots.bits();
    std::array<std::size_t, 5> idx{};
    for (std::size_t i = 0; i < n; ++i) idx[i] = slot[i] >= 1 && slot[i] <= 5 && (bits & (1 << slot[i])) ? u(slot[i]) : 0;
    const double untergrenze = -1e3 * m.atol;
    bool endlich = true;
    for (std::size_t k = 0; k < count; ++k) {
        const double x = t[order[k]];
        double* v = out + k * n;
        const bool land = landLast && k + 1 == count;
        // The plain case inline: explicit steps, a time inside the last one.
        if (m.failed || m.steif || m.in.model == 20 || !(x >= m.tAsked && x < HUGE_VAL) ||
            !(x <= m.t || m.explicitTo(x, land)) || m.steif) {
            if (!valuesAt(x, slot, n, v, land)) return false;
            continue;
        }
        m.tAsked = x;
        if (x == m.t || !m.dicht) {
            for (std::size_t i = 0; i < n; ++i) v[i] = m.y[idx[i]];
        } else {
            const double th = (x - m.tAlt) / m.hAlt;
            for (std::size_t i = 0; i < n; ++i) {
                const std::size_t s = idx[i];
                v[i] = (((m.pb[4][s] * th + m.pb[3][s]) * th + m.pb[2][s]) * th + m.pb[1][s]) * th + m.pb[0][s];
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            endlich = endlich && v[i] - v[i] == 0;
            if (v[i] < 0 && v[i] >= untergrenze) v[i] = 0;
        }
    }
    if (!endlich) return m.fail(kUeberlauf);
    return true;
}

void TimeStopIntegrator::tightenFor(int slot) {
    Impl& m = *impl_;
    if (slot < 1 || slot > 5) return;
    const double f = kGenauRelTol / m.rtol;
    m.rtol = kGenauRelTol;
    m.atol *= f;
    m.atolSlot.fill(m.atol);
    const double own = 1e-3 * m.rtol * std::fabs(m.in.c0[u(slot)]);
    if (own > 0) m.atolSlot[u(slot)] = std::min(m.atol, own);
}

namespace {

// Slot s of model `in` at time t > t0 from the state y at t0 (a run that
// starts afresh there, on the implicit integrator with the relative
// tolerance relTol), as the method holds it; the reason when it fails, else
// nullptr.
const char* slotFrom(const ModelInputs& in, const Konz& runStart, double relTol, const Konz& y, double t0, double t,
                     std::size_t s, double& v) {
    StiffIntegrator run(in.model, in.k, in.ordnung, y, t0, runStart, relTol);
    Konz c = y;
    double reached = t0;
    while (reached < t)
        if (!run.stepTowards(t, c, reached)) return run.failureText();
    v = c[s];
    return nullptr;
}

// The cubic through (0, y0) and (1, y1) with the slopes d0 and d1 (per unit
// of theta), at theta.
double hermite(double y0, double d0, double y1, double d1, double th) {
    const double th2 = th * th, th3 = th2 * th;
    return (2 * th3 - 3 * th2 + 1) * y0 + (th3 - 2 * th2 + th) * d0 + (-2 * th3 + 3 * th2) * y1 + (th3 - th2) * d1;
}

}  // namespace

bool TimeStopIntegrator::firstBelow(int slot, double level, double tMax, bool& found, double& tFound) {
    Impl& m = *impl_;
    found = false;
    if (m.failed) return false;
    if (slot < 1 || slot > 5 || !(m.slots.bits() & (1 << slot)) || !std::isfinite(tMax) || !(tMax >= m.tAsked) ||
        !std::isfinite(level))
        return m.fail(kUngueltigesArgument);
    const std::size_t s = u(slot);
    if (m.y[s] < level) {
        found = true;
        tFound = m.t;
        return true;
    }
    if (!m.steif) {
        Impl::Unterschreitung e;
        e.s = s;
        e.level = level;
        m.suche = &e;
        const bool bisEnde = m.t >= tMax || m.explicitTo(tMax, true);
        m.suche = nullptr;
        if (e.gefunden) {
            m.tAsked = e.t;
            found = true;
            tFound = e.t;
            return true;
        }
        if (bisEnde) {
            m.tAsked = tMax;
            return true;
        }
        if (m.failed) return false;
        m.steif = std::make_unique<StiffIntegrator>(m.in.model, m.in.k, m.in.ordnung, m.y, m.t, m.runStart,
                                                    m.steifTol());
        m.dicht = false;
    }
    // On the implicit integrator, step by step: a step that ends below the
    // level, or whose cubic through its ends and their slopes dips below it
    // where a run from the step's start confirms it, holds the crossing;
    // runs from the step's start narrow it (regula falsi, Illinois) to
    // 1e-11 of the time.
    Konz ya = m.y, fa{};
    double ta = m.t;
    if (!m.rates(ya, fa)) return m.fail(kUeberlauf);
    while (ta < tMax) {
        Konz yb = ya, fb{};
        double tb = ta;
        if (!m.steif->stepTowards(tMax, yb, tb)) return m.fail(m.steif->failureText());
        m.y = yb;
        m.t = tb;
        if (!m.rates(yb, fb)) return m.fail(kUeberlauf);
        double lo = ta, hi = 0, glo = ya[s] - level, ghi = 0;
        bool klammer = yb[s] < level;
        if (klammer) {
            hi = tb;
            ghi = yb[s] - level;
        } else {
            const double h = tb - ta;
            for (int q = 1; q <= 3 && !klammer; ++q) {
                if (!(hermite(ya[s], h * fa[s], yb[s], h * fb[s], q / 4.0) < level)) continue;
                const double tq = ta + h * q / 4.0;
                double v = 0;
                if (const char* why = slotFrom(m.in, m.runStart, m.steifTol(), ya, ta, tq, s, v)) return m.fail(why);
                if (v < level) {
                    klammer = true;
                    hi = tq;
                    ghi = v - level;
                }
            }
        }
        if (klammer) {
            int seite = 0;
            for (int i = 0; i < 100 && hi - lo > 1e-11 * hi; ++i) {
                double t = hi - ghi * (hi - lo) / (ghi - glo);
                if (!(t > lo && t < hi)) t = lo + (hi - lo) / 2;
                double v = 0;
                if (const char* why = slotFrom(m.in, m.runStart, m.steifTol(), ya, ta, t, s, v)) return m.fail(why);
                v -= level;
                if (v < 0) {
                    hi = t;
                    ghi = v;
                    if (seite == 1) glo /= 2;
                    seite = 1;
                } else {
                    lo = t;
                    glo = v;
                    if (seite == -1) ghi /= 2;
                    seite = -1;
                }
            }
            m.tAsked = hi;
            found = true;
            tFound = hi;
            return true;
        }
        ta = tb;
        ya = yb;
        fa = fb;
    }
    m.tAsked = tMax;
    return true;
}

void TimeStopIntegrator::record(std::vector<double>* steps) { impl_->aufnahme = steps; }

void TimeStopIntegrator::replay(const std::vector<double>* steps) {
    impl_->vorgabe = steps;
    impl_->vorgabeNr = 0;
}

bool TimeStopIntegrator::implicit() const { return impl_->steif != nullptr; }

const char* TimeStopIntegrator::failureText() const { return impl_->why ? impl_->why : kUeberlauf; }

bool integratedAt(const ModelInputs& in, double t, Konz& c) {
    TimeStopIntegrator run(in);
    return run.advanceTo(t, c);
}

}  // namespace vrn

#include "engine/StiffIntegrator.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_odeiv2.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Checked.h"
#include "engine/GslQuiet.h"

namespace vrn {

namespace {

// The steps are controlled to an absolute error of 1e-14 of each species'
// scale (its start concentration, at least the smallest positive one of the
// run). A species the run has used up lies far below that; its result may
// overshoot below 0 by as much as the relative tolerance of the whole run
// (kSteifRelTol of its scale) and is then 0, as exact as every other result.
constexpr double kAbsTol = 1e-14;                              // step control, times the scale of each species
constexpr double kUnterNullNoch = kSteifRelTol / kAbsTol;      // a result this many kAbsTol below 0 is 0
constexpr unsigned long kMaxSchritte = 1000000;
// The variable-order method can lose its step on a smooth stretch (its step
// falls below the rounding of the time although nothing changes fast there);
// it then starts afresh, at order 1, from the state it reached, at most this
// many times in a run.
constexpr int kNeustarts = 20;

constexpr const char* kSchrittweite =
    "Die Integration kommt nicht weiter: die Schrittweite wird kleiner als die Rechengenauigkeit.";
constexpr const char* kZuVieleSchritte = "Die Integration braucht mehr als 1000000 Schritte.";
constexpr const char* kKeinSpeicher = "Für die Integration fehlt der Speicher.";
constexpr const char* kUnterNull = "Die Integration ergibt eine Konzentration unter Null.";

std::size_t u(int i) { return static_cast<std::size_t>(i); }

}  // namespace

struct StiffIntegrator::Impl {
    Integer model;
    Konstanten k;
    double n;
    Konz c;  // every slot; the integrated ones follow y
    IntegratedSlots slots;
    std::vector<double> y, scale;
    gsl_odeiv2_system sys{};
    gsl_odeiv2_driver* driver = nullptr;
    double t = 0;
    bool started = false;
    bool failed = false;
    const char* why = nullptr;
    bool rateFailed = false;

    bool exhausted = false;  // order n < 1: A has run out, nothing moves any more

    // The full concentration vector with the components of v.
    Konz full(const double* v) const {
        Konz x = c;
        for (int i = 0; i < slots.n; ++i) x[u(slots.slot[u(i)])] = v[i];
        return x;
    }

    static int rhs(double, const double v[], double dv[], void* data) {
        Impl& self = *static_cast<Impl*>(data);
        Konz d{};
        if (!calc_dcdt(self.model, d, self.k, self.full(v), self.n)) {
            self.rateFailed = true;
            return GSL_EBADFUNC;
        }
        for (int i = 0; i < self.slots.n; ++i) dv[i] = d[u(self.slots.slot[u(i)])];
        return GSL_SUCCESS;
    }

    static int jac(double, const double v[], double* dfdy, double dfdt[], void* data) {
        Impl& self = *static_cast<Impl*>(data);
        Jacobi J{};
        if (!calc_jacobian(self.model, J, self.k, self.full(v), self.n)) {
            self.rateFailed = true;
            return GSL_EBADFUNC;
        }
        const int m = self.slots.n;
        for (int i = 0; i < m; ++i) {
            dfdt[i] = 0;
            for (int j = 0; j < m; ++j) dfdy[i * m + j] = J[u(self.slots.slot[u(i)])][u(self.slots.slot[u(j)])];
        }
        return GSL_SUCCESS;
    }

    bool fail(const char* text) {
        failed = true;
        why = text;
        return false;
    }

    // The first step of a stretch from `from` to `to`, from the state y.
    double firstStep(double from, double to) const;
    // Sets up the driver for the first stretch, which ends at t.
    bool start(double t);
    // Integrates y from `reached` to t; after a lost step, starts afresh
    // from where it got (kNeustarts in the run). False with the reason set.
    bool apply(double& reached, double t);
    // The integrated slots of y, as advanceTo writes them, into c.
    bool write(Konz& c);
    int neustarts = 0;
    unsigned long schritte = 0;  // single steps taken (stepTowards)
    double relTol = kSteifRelTol;

    ~Impl() {
        if (driver) gsl_odeiv2_driver_free(driver);
    }
};

StiffIntegrator::StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0)
    : StiffIntegrator(model, k, ordnung, c, t0, c) {}

StiffIntegrator::StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0,
                                 const Konz& runStart)
    : StiffIntegrator(model, k, ordnung, c, t0, runStart, kSteifRelTol) {}

StiffIntegrator::StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0,
                                 const Konz& runStart, double relTol)
    : impl_(std::make_unique<Impl>()) {
    gslQuiet();
    Impl& m = *impl_;
    m.model = model;
    m.relTol = relTol;
    m.k = k;
    m.n = ordnung;
    m.c = c;
    m.t = t0;
    m.slots = integratedSlots(model);
    if (m.slots.n == 0) {
        m.failed = true;
        m.why = kUngueltigesArgument;
        return;
    }
    double smallest = 0;
    for (int i = 0; i < m.slots.n; ++i) {
        const double a = std::fabs(runStart[u(m.slots.slot[u(i)])]);
        if (a > 0 && (smallest == 0 || a < smallest)) smallest = a;
    }
    if (smallest == 0) smallest = 1;
    for (int i = 0; i < m.slots.n; ++i) {
        const double a = std::fabs(runStart[u(m.slots.slot[u(i)])]);
        m.y.push_back(c[u(m.slots.slot[u(i)])]);
        m.scale.push_back(kAbsTol * (relTol / kSteifRelTol) * std::max(a, smallest));
    }
    m.sys = gsl_odeiv2_system{&Impl::rhs, &Impl::jac, static_cast<std::size_t>(m.slots.n), &m};
}

StiffIntegrator::~StiffIntegrator() = default;

double StiffIntegrator::Impl::firstStep(double from, double to) const {
    // A little below the fastest time scale of the state y.
    Jacobi J{};
    double norm = 0;
    if (calc_jacobian(model, J, k, full(y.data()), n))
        for (int i = 0; i < slots.n; ++i) {
            double row = 0;
            for (int j = 0; j < slots.n; ++j) row += std::fabs(J[u(slots.slot[u(i)])][u(slots.slot[u(j)])]);
            norm = std::max(norm, row);
        }
    return std::min(1e-3 * (to - from), norm > 0 ? 1e-3 / norm : 1e-3 * (to - from));
}

bool StiffIntegrator::Impl::start(double t) {
    const double h0 = firstStep(this->t, t);
    driver = gsl_odeiv2_driver_alloc_scaled_new(&sys, gsl_odeiv2_step_msbdf, h0, 1.0, relTol, 1.0, 0.0,
                                                scale.data());
    if (!driver) return fail(kKeinSpeicher);
    gsl_odeiv2_driver_set_nmax(driver, kMaxSchritte);
    started = true;
    return true;
}

bool StiffIntegrator::advanceTo(double t, Konz& c) {
    Impl& m = *impl_;
    if (m.failed) return false;
    if (!(t >= m.t)) return m.fail(kUngueltigesArgument);
    if (t > m.t && !m.exhausted) {
        // Order n < 1: A runs out at a time known from where this stretch
        // starts; from there on A is 0 and P keeps the sum.
        if (m.model == 20 && exhaustionTime(m.y[0], m.k[1], m.n) <= t - m.t) {
            runOutA(m.y[0], m.y[1]);
            m.exhausted = true;
        } else {
            if (!m.started && !m.start(t)) return false;
            double reached = m.t;
            if (!m.apply(reached, t)) return false;
        }
        m.t = t;
    }
    return m.write(c);
}

bool StiffIntegrator::Impl::apply(double& reached, double t) {
    int status = gsl_odeiv2_driver_apply(driver, &reached, t, y.data());
    // The step lost: y holds the state at `reached`, from where the method
    // starts afresh.
    while (status == GSL_FAILURE && !rateFailed && neustarts < kNeustarts && reached < t) {
        ++neustarts;
        gsl_odeiv2_driver_reset_hstart(driver, firstStep(reached, t));
        status = gsl_odeiv2_driver_apply(driver, &reached, t, y.data());
    }
    if (status != GSL_SUCCESS)
        return fail(rateFailed ? kUeberlauf : status == GSL_EMAXITER ? kZuVieleSchritte : kSchrittweite);
    return true;
}

bool StiffIntegrator::Impl::write(Konz& c) {
    std::vector<double> v = y;
    // A of model 20 has no rate below 0: a step past the point where it runs
    // out ends there, P keeping the sum.
    if (model == 20 && v[0] < 0) runOutA(v[0], v[1]);
    Konz x = c;
    for (int i = 0; i < slots.n; ++i) {
        if (!std::isfinite(v[u(i)])) return fail(kUeberlauf);
        // Below 0 within the run's tolerance is 0; further below, the
        // integration has gone wrong (the rate laws pull a species that
        // overshoots back towards 0, so this does not happen).
        if (v[u(i)] < 0) {
            if (v[u(i)] < -kUnterNullNoch * scale[u(i)]) return fail(kUnterNull);
            v[u(i)] = 0;
        }
        x[u(slots.slot[u(i)])] = v[u(i)];
    }
    for (int i = 0; i < slots.n; ++i) c[u(slots.slot[u(i)])] = x[u(slots.slot[u(i)])];
    return true;
}

bool StiffIntegrator::stepTowards(double t, Konz& c, double& reached) {
    Impl& m = *impl_;
    if (m.failed) return false;
    if (!(t >= m.t)) return m.fail(kUngueltigesArgument);
    // Model 20 and a run that has come to rest: the whole stretch at once.
    if (m.model == 20 || m.exhausted || t == m.t) {
        if (!advanceTo(t, c)) return false;
        reached = t;
        return true;
    }
    if (!m.started && !m.start(t)) return false;
    gsl_odeiv2_driver* d = m.driver;
    double tt = m.t;
    int status = gsl_odeiv2_evolve_apply(d->e, d->c, d->s, d->sys, &tt, t, &d->h, m.y.data());
    if (status == GSL_FAILURE && !m.rateFailed && m.neustarts < kNeustarts) {
        ++m.neustarts;
        gsl_odeiv2_driver_reset_hstart(d, m.firstStep(tt, t));
        status = gsl_odeiv2_evolve_apply(d->e, d->c, d->s, d->sys, &tt, t, &d->h, m.y.data());
    }
    if (status != GSL_SUCCESS) return m.fail(m.rateFailed ? kUeberlauf : kSchrittweite);
    if (++m.schritte > kMaxSchritte) return m.fail(kZuVieleSchritte);
    // The state as the method holds it: a species used up may lie a little
    // below 0 on the way.
    for (int i = 0; i < m.slots.n; ++i)
        if (!std::isfinite(m.y[u(i)])) return m.fail(kUeberlauf);
    m.t = tt;
    reached = tt;
    for (int i = 0; i < m.slots.n; ++i) c[u(m.slots.slot[u(i)])] = m.y[u(i)];
    return true;
}

const char* StiffIntegrator::failureText() const { return impl_->why ? impl_->why : kUeberlauf; }

double StiffIntegrator::lastStep() const { return impl_->driver ? impl_->driver->h : 0; }

}  // namespace vrn

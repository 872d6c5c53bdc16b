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

// The absolute tolerance of a species' result is 1e-12 of its scale (its
// start concentration, at least the smallest positive one of the run); the
// steps are controlled a hundred times tighter, so that an overshoot below 0
// stays inside it.
constexpr double kAbsTol = 1e-14;        // step control, times the scale of each species
constexpr double kUnterNullNoch = 100;   // a result this many kAbsTol below 0 is 0
constexpr unsigned long kMaxSchritte = 1000000;

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

    // Sets up the driver for the first stretch, which ends at t.
    bool start(double t);

    ~Impl() {
        if (driver) gsl_odeiv2_driver_free(driver);
    }
};

StiffIntegrator::StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0)
    : StiffIntegrator(model, k, ordnung, c, t0, c) {}

StiffIntegrator::StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0,
                                 const Konz& runStart)
    : impl_(std::make_unique<Impl>()) {
    gslQuiet();
    Impl& m = *impl_;
    m.model = model;
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
        m.scale.push_back(kAbsTol * std::max(a, smallest));
    }
    m.sys = gsl_odeiv2_system{&Impl::rhs, &Impl::jac, static_cast<std::size_t>(m.slots.n), &m};
}

StiffIntegrator::~StiffIntegrator() = default;

bool StiffIntegrator::Impl::start(double t) {
    // A first step a little below the fastest time scale of the start.
    Jacobi J{};
    double norm = 0;
    if (calc_jacobian(model, J, k, full(y.data()), n))
        for (int i = 0; i < slots.n; ++i) {
            double row = 0;
            for (int j = 0; j < slots.n; ++j) row += std::fabs(J[u(slots.slot[u(i)])][u(slots.slot[u(j)])]);
            norm = std::max(norm, row);
        }
    const double h0 = std::min(1e-3 * (t - this->t), norm > 0 ? 1e-3 / norm : 1e-3 * (t - this->t));
    driver = gsl_odeiv2_driver_alloc_scaled_new(&sys, gsl_odeiv2_step_msbdf, h0, 1.0, kSteifRelTol, 1.0, 0.0,
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
            const int status = gsl_odeiv2_driver_apply(m.driver, &reached, t, m.y.data());
            if (status != GSL_SUCCESS)
                return m.fail(m.rateFailed ? kUeberlauf : status == GSL_EMAXITER ? kZuVieleSchritte : kSchrittweite);
        }
        m.t = t;
    }
    std::vector<double> v = m.y;
    // A of model 20 has no rate below 0: a step past the point where it runs
    // out ends there, P keeping the sum.
    if (m.model == 20 && v[0] < 0) runOutA(v[0], v[1]);
    Konz x = c;
    for (int i = 0; i < m.slots.n; ++i) {
        if (!std::isfinite(v[u(i)])) return m.fail(kUeberlauf);
        // Below 0 by no more than the species' absolute tolerance is 0; further
        // below, the integration has gone wrong (the rate laws pull a species
        // that overshoots back towards 0, so this does not happen).
        if (v[u(i)] < 0) {
            if (v[u(i)] < -kUnterNullNoch * m.scale[u(i)]) return m.fail(kUnterNull);
            v[u(i)] = 0;
        }
        x[u(m.slots.slot[u(i)])] = v[u(i)];
    }
    for (int i = 0; i < m.slots.n; ++i) c[u(m.slots.slot[u(i)])] = x[u(m.slots.slot[u(i)])];
    return true;
}

const char* StiffIntegrator::failureText() const { return impl_->why ? impl_->why : kUeberlauf; }

double StiffIntegrator::lastStep() const { return impl_->driver ? impl_->driver->h : 0; }

}  // namespace vrn

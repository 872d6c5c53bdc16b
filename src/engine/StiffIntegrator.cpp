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

constexpr double kAbsTol = 1e-14;      // times the scale of each species
constexpr double kAusRauschen = 1e-12;  // a result this far below 0 (times the scale) is 0
constexpr unsigned long kMaxSchritte = 1000000;

constexpr const char* kSchrittweite =
    "Die Integration kommt nicht weiter: die Schrittweite wird kleiner als die Rechengenauigkeit.";
constexpr const char* kZuVieleSchritte = "Die Integration braucht mehr als 1000000 Schritte.";
constexpr const char* kKeinSpeicher = "Für die Integration fehlt der Speicher.";

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

    // The full concentration vector with the components of v, below 0 taken as 0.
    Konz clipped(const double* v) const {
        Konz x = c;
        for (int i = 0; i < slots.n; ++i) x[u(slots.slot[u(i)])] = std::max(0.0, v[i]);
        return x;
    }

    static int rhs(double, const double v[], double dv[], void* data) {
        Impl& self = *static_cast<Impl*>(data);
        Konz d{};
        if (!calc_dcdt(self.model, d, self.k, self.clipped(v), self.n)) {
            self.rateFailed = true;
            return GSL_EBADFUNC;
        }
        for (int i = 0; i < self.slots.n; ++i) dv[i] = d[u(self.slots.slot[u(i)])];
        return GSL_SUCCESS;
    }

    static int jac(double, const double v[], double* dfdy, double dfdt[], void* data) {
        Impl& self = *static_cast<Impl*>(data);
        Jacobi J{};
        if (!calc_jacobian(self.model, J, self.k, self.clipped(v), self.n)) {
            self.rateFailed = true;
            return GSL_EBADFUNC;
        }
        const int m = self.slots.n;
        for (int i = 0; i < m; ++i) {
            dfdt[i] = 0;
            for (int j = 0; j < m; ++j)
                // A component held at 0 does not move the rates.
                dfdy[i * m + j] = v[j] < 0 ? 0 : J[u(self.slots.slot[u(i)])][u(self.slots.slot[u(j)])];
        }
        return GSL_SUCCESS;
    }

    ~Impl() {
        if (driver) gsl_odeiv2_driver_free(driver);
    }
};

StiffIntegrator::StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0)
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
        const double a = std::fabs(c[u(m.slots.slot[u(i)])]);
        if (a > 0 && (smallest == 0 || a < smallest)) smallest = a;
    }
    if (smallest == 0) smallest = 1;
    for (int i = 0; i < m.slots.n; ++i) {
        const double a = std::fabs(c[u(m.slots.slot[u(i)])]);
        m.y.push_back(c[u(m.slots.slot[u(i)])]);
        m.scale.push_back(kAbsTol * std::max(a, smallest));
    }
    m.sys = gsl_odeiv2_system{&Impl::rhs, &Impl::jac, static_cast<std::size_t>(m.slots.n), &m};
}

StiffIntegrator::~StiffIntegrator() = default;

bool StiffIntegrator::advanceTo(double t, Konz& c) {
    Impl& m = *impl_;
    if (m.failed) return false;
    if (!(t >= m.t)) {
        m.failed = true;
        m.why = kUngueltigesArgument;
        return false;
    }
    if (t > m.t) {
        if (!m.started) {
            // A first step a little below the fastest time scale of the start.
            Jacobi J{};
            double norm = 0;
            if (calc_jacobian(m.model, J, m.k, m.clipped(m.y.data()), m.n))
                for (int i = 0; i < m.slots.n; ++i) {
                    double row = 0;
                    for (int j = 0; j < m.slots.n; ++j) row += std::fabs(J[u(m.slots.slot[u(i)])][u(m.slots.slot[u(j)])]);
                    norm = std::max(norm, row);
                }
            const double h0 = std::min(1e-3 * (t - m.t), norm > 0 ? 1e-3 / norm : 1e-3 * (t - m.t));
            m.driver = gsl_odeiv2_driver_alloc_scaled_new(&m.sys, gsl_odeiv2_step_msbdf, h0, 1.0, kSteifRelTol, 1.0,
                                                          0.0, m.scale.data());
            if (!m.driver) {
                m.failed = true;
                m.why = kKeinSpeicher;
                return false;
            }
            gsl_odeiv2_driver_set_nmax(m.driver, kMaxSchritte);
            m.started = true;
        }
        double reached = m.t;
        const int status = gsl_odeiv2_driver_apply(m.driver, &reached, t, m.y.data());
        if (status != GSL_SUCCESS) {
            m.failed = true;
            m.why = m.rateFailed ? kUeberlauf : status == GSL_EMAXITER ? kZuVieleSchritte : kSchrittweite;
            return false;
        }
        m.t = t;
    }
    Konz x = c;
    for (int i = 0; i < m.slots.n; ++i) {
        double v = m.y[u(i)];
        if (!std::isfinite(v)) {
            m.failed = true;
            m.why = kUeberlauf;
            return false;
        }
        // What lies below 0 by no more than the integrator's own noise is 0.
        if (v < 0 && v >= -kAusRauschen * m.scale[u(i)] / kAbsTol) v = 0;
        x[u(m.slots.slot[u(i)])] = v;
    }
    // Below 0 A of model 20 has no rate: a step past the point where it runs
    // out ends there, P keeping the sum.
    if (m.model == 20 && x[A] < 0) {
        x[P] += x[A];
        x[A] = 0;
    }
    for (int i = 0; i < m.slots.n; ++i) c[u(m.slots.slot[u(i)])] = x[u(m.slots.slot[u(i)])];
    return true;
}

const char* StiffIntegrator::failureText() const { return impl_->why ? impl_->why : kUeberlauf; }

double StiffIntegrator::lastStep() const { return impl_->driver ? impl_->driver->h : 0; }

}  // namespace vrn

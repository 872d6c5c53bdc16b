#include "engine/StiffIntegrator.h"

#include <cvode/cvode.h>
#include <nvector/nvector_serial.h>
#include <sunlinsol/sunlinsol_dense.h>
#include <sunmatrix/sunmatrix_dense.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace vrn {

namespace {

constexpr double kRelTol = 1e-10;
constexpr double kAbsTol = 1e-12;  // times the concentration scale
constexpr long kMaxSchritte = 1000000;

}  // namespace

struct StiffIntegrator::Impl {
    Integer model;
    Konstanten k;
    Konz c;                      // the state of every slot; the integrated ones follow y
    std::array<int, 5> slot{};   // component i of y is slot slot[i]
    int n = 0;
    SUNContext ctx = nullptr;
    N_Vector y = nullptr;
    SUNMatrix A = nullptr;
    SUNLinearSolver LS = nullptr;
    void* mem = nullptr;
    double t = 0;
    bool failed = false;

    // The full concentration vector with the components of v.
    Konz full(N_Vector v) const {
        Konz x = c;
        for (int i = 0; i < n; ++i) x[static_cast<std::size_t>(slot[static_cast<std::size_t>(i)])] = NV_Ith_S(v, i);
        return x;
    }

    // Failures are reported through advanceTo; CVODE writes nothing itself.
    static void silent(int, const char*, const char*, char*, void*) {}

    static int rhs(sunrealtype, N_Vector v, N_Vector dv, void* data) {
        const Impl& self = *static_cast<const Impl*>(data);
        Konz d{};
        if (!calc_dcdt(self.model, d, self.k, self.full(v))) return -1;
        for (int i = 0; i < self.n; ++i) NV_Ith_S(dv, i) = d[static_cast<std::size_t>(self.slot[static_cast<std::size_t>(i)])];
        return 0;
    }

    static int jac(sunrealtype, N_Vector v, N_Vector, SUNMatrix J, void* data, N_Vector, N_Vector, N_Vector) {
        const Impl& self = *static_cast<const Impl*>(data);
        Jacobi d{};
        if (!calc_jacobian(self.model, d, self.k, self.full(v))) return -1;
        for (int i = 0; i < self.n; ++i)
            for (int j = 0; j < self.n; ++j)
                SM_ELEMENT_D(J, i, j) = d[static_cast<std::size_t>(self.slot[static_cast<std::size_t>(i)])]
                                         [static_cast<std::size_t>(self.slot[static_cast<std::size_t>(j)])];
        return 0;
    }

    ~Impl() {
        if (mem) CVodeFree(&mem);
        if (LS) SUNLinSolFree(LS);
        if (A) SUNMatDestroy(A);
        if (y) N_VDestroy(y);
        if (ctx) SUNContext_Free(&ctx);
    }
};

StiffIntegrator::StiffIntegrator(Integer model, const Konstanten& k, int slots, const Konz& c, double t0)
    : impl_(std::make_unique<Impl>()) {
    Impl& m = *impl_;
    m.model = model;
    m.k = k;
    m.c = c;
    m.t = t0;
    double scale = 0;
    for (int s = 1; s <= 5; ++s) {
        if (!(slots & (1 << s))) continue;
        m.slot[static_cast<std::size_t>(m.n++)] = s;
        scale = std::max(scale, std::fabs(c[static_cast<std::size_t>(s)]));
    }
    const auto ok = [&m](bool good) {
        if (!good) m.failed = true;
        return good;
    };
    if (!ok(m.n > 0 && SUNContext_Create(nullptr, &m.ctx) == 0)) return;
    m.y = N_VNew_Serial(m.n, m.ctx);
    if (!ok(m.y != nullptr)) return;
    for (int i = 0; i < m.n; ++i) NV_Ith_S(m.y, i) = c[static_cast<std::size_t>(m.slot[static_cast<std::size_t>(i)])];
    m.mem = CVodeCreate(CV_BDF, m.ctx);
    if (!ok(m.mem != nullptr && CVodeInit(m.mem, Impl::rhs, t0, m.y) == CV_SUCCESS)) return;
    if (!ok(CVodeSetErrHandlerFn(m.mem, Impl::silent, nullptr) == CV_SUCCESS &&
            CVodeSetUserData(m.mem, &m) == CV_SUCCESS &&
            CVodeSStolerances(m.mem, kRelTol, kAbsTol * (scale > 0 ? scale : 1.0)) == CV_SUCCESS &&
            CVodeSetMaxNumSteps(m.mem, kMaxSchritte) == CV_SUCCESS))
        return;
    m.A = SUNDenseMatrix(m.n, m.n, m.ctx);
    m.LS = m.A ? SUNLinSol_Dense(m.y, m.A, m.ctx) : nullptr;
    ok(m.LS != nullptr && CVodeSetLinearSolver(m.mem, m.LS, m.A) == CV_SUCCESS &&
       CVodeSetJacFn(m.mem, Impl::jac) == CV_SUCCESS);
}

StiffIntegrator::~StiffIntegrator() = default;

bool StiffIntegrator::advanceTo(double t, Konz& c) {
    Impl& m = *impl_;
    if (m.failed || !(t >= m.t)) return false;
    if (t > m.t) {
        sunrealtype reached = m.t;
        if (CVode(m.mem, t, m.y, &reached, CV_NORMAL) < 0) {
            m.failed = true;
            return false;
        }
        m.t = t;
    }
    Konz x = m.full(m.y);
    for (int i = 0; i < m.n; ++i) {
        if (!std::isfinite(x[static_cast<std::size_t>(m.slot[static_cast<std::size_t>(i)])])) {
            m.failed = true;
            return false;
        }
    }
    // Below 0 A of model 20 has no rate: a step past the point where it runs
    // out ends there, P keeping the sum.
    if (m.model == 20 && x[1] < 0) {
        x[4] += x[1];
        x[1] = 0;
    }
    for (int i = 0; i < m.n; ++i) {
        const auto s = static_cast<std::size_t>(m.slot[static_cast<std::size_t>(i)]);
        c[s] = x[s];
    }
    return true;
}

double StiffIntegrator::lastStep() const {
    sunrealtype h = 0;
    if (impl_->mem) CVodeGetLastStep(impl_->mem, &h);
    return h;
}

}  // namespace vrn

#include "reactors/StirredTank.h"

#include <cmath>

#include "engine/Checked.h"
#include "platform/MsgBox.h"
#include "reactors/BatchReactor.h"
#include "reactors/SteadyStateSolver.h"
#include "reactors/ReactorModels.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

using namespace checked;

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// The failure "no steady state found", raised inside and turned into the flag.
struct NoSteadyState {};

constexpr double kStartVersatz = 0.01;   // P and Q start above their feed in the c(A) iteration
constexpr double kStartTeiler = 1.5;     // c(A) starts at c0(A) / 1.5
constexpr double kSchrittA = 1e-7;       // difference step of the c(A) iteration
constexpr double kSchrittC = 1e-6;       // difference step of the c(C) iteration
constexpr int kMaxDurchlaeufeA = 500;
constexpr int kMaxDurchlaeufeC = 10000;

bool zuWenigBModel(Integer m) { return m == 4 || m == 9 || m == 10 || m == 12 || m == 13 || m == 18; }

class SteadyState {
public:
    SteadyState(Integer model, const Konz& c0, const Konstanten& k, double n) : model_(model), c0_(c0), k_(k), n_(n) {
        nuA_ = nuReaction1(model, A);
        nuB_ = nuReaction1(model, B);
        nuP_ = nuReaction1(model, P);
        nuQ_ = nuReaction1(model, Q);
        single_ = isSingleReaction(model);
    }

    // Rate of species slot s at the concentrations c.
    double rate(int s, const Konz& c) const {
        Konz r{};
        if (!calc_dcdt(model_, r, k_, c, n_)) throw RuntimeFault{kUeberlauf};
        return r[u(s)];
    }

    // U given: the extent of reaction 1 and the check of B. Returns false
    // when the feed of B does not suffice (the B left exactly 0: bNull).
    bool enoughB(double U, double& ksi1, bool& bNull) const {
        ksi1 = div(c0_[A] * U, -nuA_);
        const double left = c0_[B] + nuB_ * ksi1;
        if (left <= 0 && zuWenigBModel(model_)) {
            bNull = left == 0;
            return false;
        }
        return true;
    }

    // Models 4 and 12 with tau given: the extent from the quadratic.
    double quadraticExtent(double tau) const {
        const double k1 = k_[1], k2 = k_[2];
        double p, q;
        if (model_ == 12) {
            const double a = k1 - 4 * k2;
            p = div(-k1 * c0_[A] - k1 * c0_[B] - 4 * k2 * c0_[P] - div(1, tau), a);
            q = div(k1 * c0_[A] * c0_[B] - k2 * c0_[P] * c0_[P], a);
        } else {
            p = -c0_[A] - c0_[B] - div(1, k1 * tau);
            q = c0_[A] * c0_[B];
        }
        const double D = finite(finite(p * p / 4) - q);
        if (D <= 0) throw NoSteadyState{};
        // The root away from zero directly, the other from the product of the
        // roots, so that a small extent keeps its digits.
        const double w = sqrt(D);
        double x1, x2;
        if (-p / 2 >= 0) {
            x1 = -p / 2 + w;
            x2 = div(q, x1);
        } else {
            x2 = -p / 2 - w;
            x1 = div(q, x2);
        }
        return x1 <= c0_[A] ? x1 : x2;
    }

    // Newton on x = c(A) with tau fixed. Returns c(A); lastStep gets the last step.
    double newtonA(double tau, Konz& out, double& lastStep) const {
        out[C] = c0_[C];
        out[P] = c0_[P] + kStartVersatz;
        out[Q] = c0_[Q] + kStartVersatz;
        double x = c0_[A] / kStartTeiler;
        for (int n = 1; n <= kMaxDurchlaeufeA; ++n) {
            out[A] = x;
            const double ksi1 = div(c0_[A] - x, -nuA_);
            out[B] = c0_[B] + nuB_ * ksi1;
            out[P] = c0_[P] + nuP_ * ksi1;
            const double r1 = rate(A, out);
            out[A] = x + kSchrittA;
            const double r2 = rate(A, out);
            const double f1 = finite(c0_[A] - x + tau * r1);
            const double f2 = finite(c0_[A] - (x + kSchrittA) + tau * r2);
            const double d = (f2 - f1) / kSchrittA;
            const double dx = d == 0 ? 0.1 : div(-f1, d);
            x = finite(x + dx);
            if (x < 0) x *= -0.1;
            lastStep = dx;
            if (x == 0 ? dx == 0 : std::fabs(dx / x) < 1e-8) return x;
        }
        throw NoSteadyState{};
    }

    // Several reactions: Newton on c(C) with tau fixed, P (and Q) from the
    // balances of the extents. Its fixed point lies kSchrittC above the root.
    void newtonC(double tau, double ksi1, double lastStep, Konz& out) const {
        out[C] = c0_[C];
        out[P] = c0_[P];
        out[Q] = c0_[Q];
        double step = lastStep;
        for (int n = 1; n <= kMaxDurchlaeufeC; ++n) {
            const double r1 = rate(C, out);
            const double f1 = finite(c0_[C] - out[C] + tau * r1);
            out[C] += kSchrittC;
            Konz r{};
            if (!calc_dcdt(model_, r, k_, out, n_)) throw RuntimeFault{kUeberlauf};
            const double f2 = finite(c0_[C] - out[C] + tau * r[C]);
            const double d = (f2 - f1) / kSchrittC;
            const double dx = d == 0 ? step / 2 : div(-f1, d);
            step = dx;
            out[C] = finite(out[C] + dx);
            if (model_ == 11) {
                out[Q] = finite(c0_[Q] + tau * r[Q]);
                out[P] = c0_[P] + c0_[A] - out[A] - out[Q] + c0_[Q];
            } else {
                out[P] = c0_[A] + c0_[C] + c0_[P] - out[A] - out[C];
                out[Q] = c0_[Q];
            }
            if (out[C] == 0 ? dx == 0 : std::fabs(dx / out[C]) <= 1e-5) break;
        }
        out[B] = c0_[B] + nuB_ * ksi1;
    }

    // The outlet of B, P, Q from the extent of reaction 1 (single reactions),
    // or the c(C) iteration (several).
    void finish(double tau, double ksi1, double lastStep, Konz& out) const {
        out[B] = c0_[B] + nuB_ * ksi1;
        if (single_) {
            out[P] = c0_[P] + nuP_ * ksi1;
            out[Q] = c0_[Q] + nuQ_ * ksi1;
        } else {
            newtonC(tau, ksi1, lastStep, out);
        }
    }

    double nuA() const { return nuA_; }

private:
    Integer model_;
    const Konz& c0_;
    Konstanten k_;
    double n_;
    double nuA_, nuB_, nuP_, nuQ_;
    bool single_;
};

bool usableInputs(const ModelInputs& in, Integer selection, double U, double V, double VPunkt, double tau) {
    const Integer model = in.model;
    const int species = modelSpecies(model);
    if (species == 0 || selection < 0 || selection > 4) return false;
    for (int s = 1; s <= 5; ++s)
        if ((species & (1 << s)) && !(std::isfinite(in.c0[u(s)]) && in.c0[u(s)] >= 0)) return false;
    if (!(in.c0[A] > 0)) return false;
    for (int i = 1; i <= modelConstantCount(model); ++i)
        if (!(std::isfinite(in.k[u(i)]) && in.k[u(i)] >= 0)) return false;
    if (model == 20 && !std::isfinite(in.ordnung)) return false;
    auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    switch (selection) {
        case 0: return U > 0 && U < 1 && positive(V);
        case 1: return U > 0 && U < 1 && positive(VPunkt);
        case 2: return positive(V) && positive(VPunkt);
        case 3: return positive(V) && positive(tau);
        default: return positive(VPunkt) && positive(tau);
    }
}

RKcontiStatus rechenFehler() {
    RKcontiStatus s;
    s.ok = false;
    s.bRechenFehler = true;
    s.text = kRechenFehlerText;
    s.title = kNichtMoeglich;
    return s;
}

}  // namespace

RKcontiStatus CalcRKconti(Integer model, Integer selection, double& U, double& V, double& VPunkt, double& tau,
                          Konz& out) {
    for (int i = 1; i <= 3; ++i) app.ksi[u(i)] = 0;
    ModelInputs in = currentModelInputs();
    in.model = model;
    double ksi1 = 0;
    const RKcontiStatus s = CalcRKconti(in, selection, U, V, VPunkt, tau, out, ksi1);
    if (s.ok) app.ksi[1] = ksi1;
    return s;
}

RKcontiStatus CalcRKconti(const ModelInputs& in, Integer selection, double& U, double& V, double& VPunkt, double& tau,
                          Konz& out, double& ksi1Out) {
    const Integer model = in.model;
    for (int s = 1; s <= 5; ++s) out[u(s)] = 0;
    if (!usableInputs(in, selection, U, V, VPunkt, tau)) return rechenFehler();

    const Konz c0 = in.c0;
    const SteadyState tank(model, c0, in.k, in.ordnung);
    double u_ = U, v = V, vp = VPunkt, t = tau, ksi1 = 0;
    Konz c{};
    // The batch result at t = tau: where neither the classic iterations nor
    // the continuation from the feed get near a root, Newton starts there.
    const auto batchStart = [&](double t, Konz& b) {
        double lastStep = 0;
        b = c0;
        return CalcBatchKessel(in, t, b, lastStep).ok;
    };
    try {
        if (selection <= 1) {
            bool bNull = false;
            if (!tank.enoughB(u_, ksi1, bNull)) {
                RKcontiStatus s;
                s.ok = false;
                s.bZuWenigB = true;
                s.text = std::string(kZuWenigBText) + (bNull ? std::string("\r\n") + kZuWenigBNullText : "");
                s.title = kNichtMoeglich;
                return s;
            }
            // The steady state with c(A) = (1 − U)·c0(A) and the residence
            // time it needs, or none.
            if (!conversionSteadyState(model, c0, in.k, in.ordnung, u_, t, c)) throw NoSteadyState{};
            if (selection == 0) vp = div(v, t);
            else v = finite(t * vp);
        } else {
            if (selection == 2) t = div(v, vp);
            else if (selection == 3) vp = div(v, t);
            else v = finite(vp * t);
            if (!(t > 0)) throw NoSteadyState{};
            bool classic = false;
            if (!isCoupledTankModel(model)) {
                // The classic iterations; their outlet is finished by Newton
                // on all the balances below.
                try {
                    double lastStep = 0;
                    if (model == 4 || model == 12) {
                        ksi1 = tank.quadraticExtent(t);
                        c[A] = c0[A] - ksi1;
                    } else {
                        c[A] = tank.newtonA(t, c, lastStep);
                        const double uA = div(c0[A] - c[A], c0[A]);
                        if (!(uA >= 0 && uA <= 1)) throw NoSteadyState{};
                        ksi1 = div(uA * c0[A], -tank.nuA());
                    }
                    tank.finish(t, ksi1, lastStep, c);
                    classic = true;
                } catch (const NoSteadyState&) {
                } catch (const RuntimeFault&) {
                }
            }
            if (!tankOutlet(model, c0, in.k, in.ordnung, t, classic ? &c : nullptr, batchStart, c)) throw NoSteadyState{};
            // No conversion at all (an autocatalysis without its catalyst)
            // is 0, not the rounding left over from the way there.
            if (c[A] > c0[A] && c[A] - c0[A] <= 1e-12 * c0[A]) c[A] = c0[A];
            u_ = div(c0[A] - c[A], c0[A]);
            if (!(u_ >= 0 && u_ <= 1)) throw NoSteadyState{};
            ksi1 = div(u_ * c0[A], -tank.nuA());
        }
        for (int s = 1; s <= 5; ++s) finite(c[u(s)]);
        for (double x : {u_, v, vp, t, ksi1}) finite(x);
    } catch (const NoSteadyState&) {
        return rechenFehler();
    } catch (const RuntimeFault&) {
        return rechenFehler();
    }
    for (int s = 1; s <= 5; ++s) out[u(s)] = c[u(s)];
    U = u_;
    V = v;
    VPunkt = vp;
    tau = t;
    ksi1Out = ksi1;
    return {};
}

}  // namespace vrn

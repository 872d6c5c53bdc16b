#include "data/FitObjective.h"

#include <algorithm>
#include <cmath>

#include "engine/ConcentrationAtTime.h"
#include "engine/RateLaws.h"
#include "engine/Simulation.h"
#include "engine/StiffIntegrator.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

constexpr FitGrenzen kIsotherm{{1e-7, 1e-7, 1e-7}, {1e5, 2e5, 1e5}, 100, 125};
constexpr FitGrenzen kNichtIsotherm{{1e-7, 1e-7, 1e-7}, {1e18, 2e5, 1e5}, 200, 250};

constexpr double kDiffSchritt = 1.7e-7;
constexpr const char* kNichtBerechenbar = "Die Modellfunktion ist für diese Parameter nicht berechenbar.";

bool nichtIsotherm() { return app.bAuswertungsart == 6 || app.bAuswertungsart == 7; }

int punktZahl() { return std::max(0, std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1)); }

// Writes p into the model constants as the isothermal modes read them.
void setzeKonstanten(const FitParameter& p) {
    for (int j = 1; j <= 3; ++j) app.k[u(j)] = p[u(j)];
    if (app.bAuswertungsart == 2) app.nOrdnung = static_cast<Single>(p[2]);
}

}  // namespace

const FitGrenzen& fitGrenzen(int mode) { return mode >= 6 ? kNichtIsotherm : kIsotherm; }

double kVonT(double p1, double p2, double T, int ktFunktion) {
    const double e = std::exp(-p2 / (T * kRGas));
    return ktFunktion == 2 ? p1 * T * e : p1 * e;
}

bool punktNimmtTeil(int i) {
    if (i < 1 || i > punktZahl()) return false;
    const Messpunkt& m = app.ExpDaten[u(i)];
    return m.aus != -1 && (!nichtIsotherm() || m.Temp > 0);
}

int teilnehmendePunkte(const FitAuswahl& a) {
    if (!nichtIsotherm()) {
        bool irgendeine = false;
        for (int j = 1; j <= 5; ++j) irgendeine = irgendeine || a.stoff[u(j)];
        if (!irgendeine) return 0;
    }
    int n = 0;
    for (int i = 1; i <= punktZahl(); ++i) n += punktNimmtTeil(i) ? 1 : 0;
    return n;
}

FitObjective::FitObjective(const FitAuswahl& a) : auswahl_(a) {}

bool FitObjective::eineArt() const {
    int arten = 0;
    for (int j = 1; j <= 5; ++j) arten += auswahl_.stoff[u(j)] ? 1 : 0;
    return arten == 1;
}

bool FitObjective::residuumNichtIsotherm(int i, const FitParameter& p, double& r) {
    r = 0;
    if (!punktNimmtTeil(i)) return true;
    const Messpunkt& m = app.ExpDaten[u(i)];
    const double k = kVonT(p[1], p[2], m.Temp, app.bytKTFunktion);
    if (app.bAuswertungsart == 6) {
        r = std::exp(-k * m.t) - m.c[1];
    } else {
        const double c0 = app.c0Daten[1];
        if (!(c0 > 0)) {
            fehler_ = kNichtBerechenbar;
            return false;
        }
        r = 1 / (1 / c0 + 2 * k * m.t) - m.c[1];
    }
    if (std::isfinite(r)) return true;
    fehler_ = kNichtBerechenbar;
    return false;
}

bool FitObjective::residuenIsotherm(const FitParameter& p, Abweichungen& d) {
    const int n = punktZahl();
    d.assign(u(n + 1), std::array<double, 6>{});
    setzeKonstanten(p);
    if (isNumericalModel(app.iModell)) {
        QuietSimulation quiet;
        Integer err = 0;
        calc_diagramfunctioncT(app.iModell, err);
        if (err != 0) {
            fehler_ = quiet.failureText().empty() ? kNichtBerechenbar : quiet.failureText();
            return false;
        }
    }
    const bool signiert = eineArt();
    for (int i = 1; i <= n; ++i) {
        if (!punktNimmtTeil(i)) continue;
        const Messpunkt& m = app.ExpDaten[u(i)];
        Konz cm{};
        Integer err = 0;
        calc_functioncT_at_t(app.iModell, m.t, cm, err);
        if (err != 0) {
            fehler_ = kNichtBerechenbar;
            return false;
        }
        auto& zeile = d[u(i)];
        double s = 0;
        for (int j = 1; j <= 5; ++j) {
            if (!auswahl_.stoff[u(j)]) continue;
            zeile[u(j)] = cm[u(j)] - m.c[u(j)];
            // One species: its signed deviation; several: the sum of the
            // absolute deviations, as the program has always fitted them.
            s += signiert ? zeile[u(j)] : std::fabs(zeile[u(j)]);
        }
        if (!std::isfinite(s)) {
            fehler_ = kNichtBerechenbar;
            return false;
        }
        zeile[0] = s;
    }
    return true;
}

const FitObjective::Eintrag* FitObjective::residuen(const FitParameter& p) {
    auto gleich = [&p](const Eintrag& e) { return e.belegt && e.p[1] == p[1] && e.p[2] == p[2] && e.p[3] == p[3]; };
    for (const Eintrag& e : cache_)
        if (gleich(e)) return e.ok ? &e : nullptr;
    Eintrag& e = cache_[naechster_];
    naechster_ = (naechster_ + 1) % cache_.size();
    e.p = p;
    e.belegt = true;
    e.ok = residuenIsotherm(p, e.d);
    e.implizit = e.ok && isNumericalModel(app.iModell) && lastSimulationImplicit();
    return e.ok ? &e : nullptr;
}

bool FitObjective::CalcResiduals(int i, const FitParameter& p, double& r) {
    r = 0;
    if (nichtIsotherm()) return residuumNichtIsotherm(i, p, r);
    const Eintrag* e = residuen(p);
    if (!e) return false;
    if (i >= 1 && u(i) < e->d.size()) r = e->d[u(i)][0];
    return true;
}

bool FitObjective::calcFQS_Marquardt(const FitParameter& p, double& FQS) {
    FQS = 0;
    if (!nichtIsotherm()) setzeKonstanten(p);
    for (int i = 1; i <= punktZahl(); ++i) {
        double r = 0;
        if (!CalcResiduals(i, p, r)) return false;
        FQS += r * r;
    }
    return std::isfinite(FQS);
}

bool FitObjective::CalcAbleitungen(int nPar, int i, FitParameter& p, double& r, std::array<double, 4>& J) {
    J.fill(0);
    if (app.bAuswertungsart == 6 && app.bytKTFunktion == 1) {
        r = 0;
        if (!punktNimmtTeil(i)) return true;
        const Messpunkt& m = app.ExpDaten[u(i)];
        const double RT = m.Temp * kRGas;
        const double E = std::exp(-p[2] / RT);
        const double F = std::exp(-p[1] * m.t * E);
        J[1] = -m.t * E * F;
        J[2] = -p[1] * J[1] / RT;
        return CalcResiduals(i, p, r);
    }
    const bool isotherm = !nichtIsotherm();
    if (!CalcResiduals(i, p, r)) return false;
    if (!isotherm) {
        for (int j = 1; j <= nPar; ++j) {
            const double s = p[u(j)];
            const double h = (std::fabs(s) + kDiffSchritt) * kDiffSchritt;
            double r2 = 0;
            p[u(j)] = s + h;
            const bool ok = CalcResiduals(i, p, r2);
            p[u(j)] = s;
            if (!ok) return false;
            J[u(j)] = (r2 - r) / h;
        }
        return true;
    }
    const Eintrag* e0 = residuen(p);
    if (!e0) return false;
    const std::array<double, 6> vorher = e0->d[u(i)];
    // A run of the implicit integrator carries its tolerance as noise that
    // moves with the parameters at the level of kSteifRelTol: differences
    // over 1.7e-7 of a parameter would pick it up by percents. Its
    // differences take the step that balances that noise against the
    // curvature, the square root of the tolerance.
    const double rel = e0->implizit ? std::sqrt(kSteifRelTol) : kDiffSchritt;
    for (int j = 1; j <= nPar; ++j) {
        const double s = p[u(j)];
        const double h = (std::fabs(s) + kDiffSchritt) * rel;
        // The model sees the order of mode 2 as a Single: divide by the
        // change it really took, not by h (a few units of the last place).
        const double schritt = app.bAuswertungsart == 2 && j == 2
                                   ? static_cast<double>(static_cast<Single>(s + h)) - static_cast<Single>(s)
                                   : h;
        if (schritt == 0) continue;  // the model cannot see a change this small
        p[u(j)] = s + h;
        const Eintrag* e1 = residuen(p);
        p[u(j)] = s;
        if (!e1) return false;
        const std::array<double, 6>& nachher = e1->d[u(i)];
        double dr = 0;
        for (int k = 1; k <= 5; ++k) {
            if (!auswahl_.stoff[u(k)]) continue;
            // A single species counts signed; several with the sign each
            // deviation has at p (forward from 0).
            const double a = vorher[u(k)], b = nachher[u(k)];
            dr += eineArt() || a > 0 ? b - a : a < 0 ? a - b : std::fabs(b);
        }
        J[u(j)] = dr / schritt;
    }
    return true;
}

double CalcFQS_Messwerte(const FitAuswahl& a) {
    double fqs = 0;
    const int n = punktZahl();
    if (nichtIsotherm()) {
        FitObjective o(a);
        for (int i = 1; i <= n; ++i) {
            double r = 0;
            if (o.CalcResiduals(i, app.RefWert, r)) fqs += r * r;
        }
        return fqs;
    }
    for (int j = 1; j <= 5; ++j) {
        if (!a.stoff[u(j)]) continue;
        for (int i = 1; i <= n; ++i) {
            const Messpunkt& m = app.ExpDaten[u(i)];
            if (m.aus == -1) continue;
            Konz cm{};
            Integer err = 0;
            calc_functioncT_at_t(app.iModell, m.t, cm, err);
            const double d = cm[u(j)] - m.c[u(j)];
            if (err == 0 && std::isfinite(d * d)) fqs += d * d;
        }
    }
    return std::isfinite(fqs) ? fqs : 0;
}

KinFitErgebnis MarquardtNashFitting(int nPar, const FitParameter& start, const FitAuswahl& a) {
    KinFitErgebnis e;
    e.p = start;
    nPar = std::max(1, std::min(3, nPar));
    const FitGrenzen& g = fitGrenzen(app.bAuswertungsart);
    FitObjective ziel(a);
    FitParameter q = start;  // parameters beyond nPar keep their start values
    auto nach = [&q, nPar](const std::vector<double>& p) {
        for (int j = 1; j <= nPar; ++j) q[u(j)] = p[u(j - 1)];
    };

    MarquardtProblem pr;
    pr.nPar = nPar;
    pr.nPunkte = punktZahl();
    pr.nTeilnehmend = teilnehmendePunkte(a);
    pr.lower.assign(g.lower.begin(), g.lower.begin() + nPar);
    pr.upper.assign(g.upper.begin(), g.upper.begin() + nPar);
    pr.fixed.assign(a.bFixiert.begin() + 1, a.bFixiert.begin() + 1 + nPar);
    pr.maxFunc = g.maxFuncProPar * nPar;
    pr.maxJac = g.maxJac;
    pr.sumOfSquares = [&](const std::vector<double>& p, double& S) {
        nach(p);
        return ziel.calcFQS_Marquardt(q, S);
    };
    pr.row = [&](int i, std::vector<double>& p, double& r, double* J) {
        nach(p);
        std::array<double, 4> Jk{};
        const bool ok = ziel.CalcAbleitungen(nPar, i + 1, q, r, Jk);
        for (int j = 1; j <= nPar; ++j) J[j - 1] = Jk[u(j)];
        return ok;
    };

    std::vector<double> p0(start.begin() + 1, start.begin() + 1 + nPar);
    const MarquardtResult res = MarquardtNash(pr, p0);
    for (int j = 1; j <= nPar; ++j) {
        if (u(j - 1) < res.p.size()) e.p[u(j)] = res.p[u(j - 1)];
        e.StdAbw[u(j)] = u(j - 1) < res.sd.size() ? res.sd[u(j - 1)] : kKeineStdAbw;
    }
    e.FQS = res.S;
    e.bMaxIter = res.ende == MarquardtEnde::Grenze;
    e.abgebrochen = res.ende == MarquardtEnde::Abbruch;
    if (e.abgebrochen) e.fehlerText = ziel.fehlerText().empty() ? kNichtBerechenbar : ziel.fehlerText();
    return e;
}

}  // namespace vrn

#include "data/FitObjective.h"

#include <algorithm>
#include <cmath>

#include "engine/ConcentrationAtTime.h"
#include "engine/RateLaws.h"
#include "engine/StiffIntegrator.h"
#include "engine/TimeStopIntegrator.h"
#include "shell/AppState.h"
#include "base/NumberText.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

constexpr FitGrenzen kIsotherm{{1e-7, 1e-7, 1e-7}, {1e5, 2e5, 1e5}, 100, 125};
constexpr FitGrenzen kNichtIsotherm{{1e-7, 1e-7, 1e-7}, {1e18, 2e5, 1e5}, 200, 250};

constexpr double kDiffSchritt = 1.7e-7;
constexpr const char* kNichtBerechenbar = "Die Modellfunktion ist für diese Parameter nicht berechenbar.";

bool nichtIsotherm(const FitDaten& d) { return d.bAuswertungsart == 6 || d.bAuswertungsart == 7; }

int punktZahl(const FitDaten& d) { return std::max(0, std::min<int>(d.nExpPunkte, static_cast<int>(d.ExpDaten.size()) - 1)); }

// The model inputs with p as the isothermal modes read it.
AtTimeInputs mitKonstanten(const FitDaten& d, const FitParameter& p) {
    AtTimeInputs in = d.modell;
    for (int j = 1; j <= 3; ++j) in.model.k[u(j)] = p[u(j)];
    if (d.bAuswertungsart == 2) in.model.ordnung = static_cast<double>(zuSingle(p[2]));
    return in;
}

}  // namespace

FitDaten currentFitDaten() {
    FitDaten d;
    d.bAuswertungsart = app.bAuswertungsart;
    d.bytKTFunktion = app.bytKTFunktion;
    d.modell = currentAtTimeInputs();
    d.ExpDaten = app.ExpDaten;
    d.nExpPunkte = app.nExpPunkte;
    d.c0Daten1 = app.c0Daten.size() > 1 ? app.c0Daten[1] : 0;
    d.RefWert = app.RefWert;
    return d;
}

const FitGrenzen& fitGrenzen(int mode) { return mode >= 6 ? kNichtIsotherm : kIsotherm; }

double kVonT(double p1, double p2, double T, int ktFunktion) {
    const double e = std::exp(-p2 / (T * kRGas));
    return ktFunktion == 2 ? p1 * T * e : p1 * e;
}

bool punktNimmtTeil(const FitDaten& d, int i) {
    if (i < 1 || i > punktZahl(d)) return false;
    const Messpunkt& m = d.ExpDaten[u(i)];
    return m.aus != -1 && (!nichtIsotherm(d) || m.Temp > 0);
}

bool punktNimmtTeil(int i) { return punktNimmtTeil(currentFitDaten(), i); }

int teilnehmendePunkte(const FitDaten& d, const FitAuswahl& a) {
    if (!nichtIsotherm(d)) {
        bool irgendeine = false;
        for (int j = 1; j <= 5; ++j) irgendeine = irgendeine || a.stoff[u(j)];
        if (!irgendeine) return 0;
    }
    int n = 0;
    for (int i = 1; i <= punktZahl(d); ++i) n += punktNimmtTeil(d, i) ? 1 : 0;
    return n;
}

int teilnehmendePunkte(const FitAuswahl& a) { return teilnehmendePunkte(currentFitDaten(), a); }

namespace {

// Relative rounding of a residual of a model that meets its data exactly.
constexpr double kRundungRel = 1e-12;

// The sum of squares that counts as 0: every point that takes part off by
// kRundungRel of the measured values it is compared with (modes 6 and 7
// c(A), else the chosen species).
double nullSumme(const FitDaten& d, const FitAuswahl& a) {
    double s = 0;
    for (int i = 1; i <= punktZahl(d); ++i) {
        if (!punktNimmtTeil(d, i)) continue;
        const Messpunkt& m = d.ExpDaten[u(i)];
        double betrag = 0;
        for (int j = 1; j <= 5; ++j)
            if (nichtIsotherm(d) ? j == 1 : a.stoff[u(j)]) betrag += std::fabs(m.c[u(j)]);
        s += (kRundungRel * betrag) * (kRundungRel * betrag);
    }
    return std::isfinite(s) ? s : 0;
}

}  // namespace

FitObjective::FitObjective(const FitAuswahl& a, FitDaten d) : auswahl_(a), d_(std::move(d)) {
    for (int j = 1; j <= 5; ++j)
        if (a.stoff[u(j)]) arten_.push_back(u(j));
}

FitObjective::FitObjective(const FitAuswahl& a) : FitObjective(a, currentFitDaten()) {}

bool FitObjective::eineArt() const { return arten_.size() == 1; }

bool FitObjective::residuumNichtIsotherm(int i, const FitParameter& p, double& r) {
    r = 0;
    if (!punktNimmtTeil(d_, i)) return true;
    const Messpunkt& m = d_.ExpDaten[u(i)];
    const double k = kVonT(p[1], p[2], m.Temp, d_.bytKTFunktion);
    if (d_.bAuswertungsart == 6) {
        r = std::exp(-k * m.t) - m.c[1];
    } else {
        const double c0 = d_.c0Daten1;
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

bool FitObjective::residuenIsotherm(const FitParameter& p, Abweichungen& d, std::vector<double>* schritte,
                                    const std::vector<double>* vorgabe) {
    const int n = punktZahl(d_);
    // Rows of points that take no part, and slots of species not chosen,
    // stay 0 in every entry: they are never written.
    if (d.size() != u(n + 1)) d.assign(u(n + 1), std::array<double, 6>{});
    const AtTimeInputs in = mitKonstanten(d_, p);
    if (messung_.anzahl != n) messungLesen(n);
    const bool signiert = eineArt();
    const std::size_t nArten = arten_.size();
    // The model at every measured time, the chosen species only.
    const double* c = messung_.c.data();
    bool endlich = true;
    const bool gelesen = messung_.modell->read(in, [&](std::size_t q, const double* cm) {
        auto& zeile = d[u(messung_.punkt[q])];
        const double* gemessen = c + q * nArten;
        // One species: its signed deviation; several: the sum of the
        // absolute deviations, as the program has always fitted them.
        double s = 0;
        if (signiert) {
            s = zeile[arten_[0]] = cm[0] - gemessen[0];
        } else {
            for (std::size_t a = 0; a < nArten; ++a) {
                const std::size_t j = arten_[a];
                zeile[j] = cm[a] - gemessen[a];
                s += std::fabs(zeile[j]);
            }
        }
        zeile[0] = s;
        endlich = std::isfinite(s);
        return endlich;
    }, schritte, vorgabe);
    if (!gelesen || !endlich) {
        fehler_ = messung_.modell->failureText().empty() ? kNichtBerechenbar : messung_.modell->failureText();
        return false;
    }
    return true;
}

void FitObjective::messungLesen(int n) {
    Messung& m = messung_;
    m = Messung{};
    m.anzahl = n;
    std::vector<double> t;
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& x = d_.ExpDaten[u(i)];
        if (x.aus == -1) continue;  // takes no part
        m.punkt.push_back(i);
        t.push_back(x.t);
        for (std::size_t j : arten_) m.c.push_back(x.c[j]);
    }
    m.modell = std::make_shared<ConcentrationsAtTimes>(std::move(t), arten_);
}

const FitObjective::Eintrag* FitObjective::residuen(const FitParameter& p, const std::vector<double>* vorgabe) {
    auto gleich = [&p](const Eintrag& e) { return e.belegt && e.p[1] == p[1] && e.p[2] == p[2] && e.p[3] == p[3]; };
    // A sum of squares asks for the same vector point after point.
    if (zuletzt_ && gleich(*zuletzt_)) return zuletzt_->ok ? zuletzt_ : nullptr;
    for (const Eintrag& e : cache_)
        if (gleich(e)) {
            zuletzt_ = &e;
            return e.ok ? &e : nullptr;
        }
    Eintrag& e = cache_[naechster_];
    naechster_ = (naechster_ + 1) % cache_.size();
    ++stand_;
    e.p = p;
    e.belegt = true;
    e.schritte.clear();
    e.ok = residuenIsotherm(p, e.d, &e.schritte, vorgabe);
    e.implizit = e.ok && messung_.modell && messung_.modell->implicit();
    zuletzt_ = &e;
    return e.ok ? &e : nullptr;
}

bool FitObjective::CalcResiduals(int i, const FitParameter& p, double& r) {
    r = 0;
    if (nichtIsotherm(d_)) return residuumNichtIsotherm(i, p, r);
    const Eintrag* e = residuen(p);
    if (!e) return false;
    if (i >= 1 && u(i) < e->d.size()) r = e->d[u(i)][0];
    return true;
}

bool FitObjective::calcFQS_Marquardt(const FitParameter& p, double& FQS) {
    FQS = 0;
    if (!nichtIsotherm(d_)) {
        const Eintrag* e = residuen(p);
        if (!e) return false;
        const int n = std::min(punktZahl(d_), static_cast<int>(e->d.size()) - 1);
        for (int i = 1; i <= n; ++i) FQS += e->d[u(i)][0] * e->d[u(i)][0];
        return std::isfinite(FQS);
    }
    for (int i = 1; i <= punktZahl(d_); ++i) {
        double r = 0;
        if (!CalcResiduals(i, p, r)) return false;
        FQS += r * r;
    }
    return std::isfinite(FQS);
}

bool FitObjective::CalcAbleitungen(int nPar, int i, FitParameter& p, double& r, std::array<double, 4>& J) {
    J.fill(0);
    if (d_.bAuswertungsart == 6 && d_.bytKTFunktion == 1) {
        r = 0;
        if (!punktNimmtTeil(d_, i)) return true;
        const Messpunkt& m = d_.ExpDaten[u(i)];
        const double RT = m.Temp * kRGas;
        const double E = std::exp(-p[2] / RT);
        const double F = std::exp(-p[1] * m.t * E);
        J[1] = -m.t * E * F;
        J[2] = -p[1] * J[1] / RT;
        return CalcResiduals(i, p, r);
    }
    const bool isotherm = !nichtIsotherm(d_);
    if (isotherm && jacobiGueltig(nPar, p)) return jacobiZeile(nPar, i, r, J);
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
    // The rows of one Jacobian all differ the same vectors: found once, and
    // kept while no vector of the cache is replaced.
    JacobiVektoren& v = jacobi_;
    v.gueltig = false;
    v.basis = residuen(p);
    if (!v.basis) return false;
    // A run of the implicit integrator carries its tolerance as noise that
    // moves with the parameters at the level of kSteifRelTol: differences
    // over 1.7e-7 of a parameter would pick it up by percents. Its
    // differences take the step that balances that noise against the
    // curvature, the square root of the tolerance. The explicit pair's
    // neighbours take the steps of the point itself, so that their
    // differences from it carry no noise of a step control deciding anew.
    const double rel = v.basis->implizit ? std::sqrt(kSteifRelTol) : kDiffSchritt;
    // The neighbours are integrated on the steps of the point itself.
    const std::vector<double> schritte = v.basis->implizit ? std::vector<double>{} : v.basis->schritte;
    const std::vector<double>* vorgabe = schritte.empty() ? nullptr : &schritte;
    for (int j = 1; j <= nPar; ++j) {
        const double s = p[u(j)];
        const double h = (std::fabs(s) + kDiffSchritt) * rel;
        // The model sees the order of mode 2 as a Single: divide by the
        // change it really took, not by h (a few units of the last place).
        v.schritt[u(j)] = d_.bAuswertungsart == 2 && j == 2
                              ? static_cast<double>(zuSingle(s + h)) - zuSingle(s)
                              : h;
        v.nachbar[u(j)] = nullptr;
        if (v.schritt[u(j)] == 0) continue;  // the model cannot see a change this small
        p[u(j)] = s + h;
        v.nachbar[u(j)] = residuen(p, vorgabe);
        p[u(j)] = s;
        if (!v.nachbar[u(j)]) return false;
    }
    // The neighbours may have replaced the point itself in the cache.
    v.basis = residuen(p);
    if (!v.basis) return false;
    v.p = p;
    v.nPar = nPar;
    v.stand = stand_;
    v.gueltig = true;
    return jacobiZeile(nPar, i, r, J);
}

void FitObjective::jacobiZeilen(std::size_t von, std::size_t bis, double* r, double* J) const {
    const JacobiVektoren& v = jacobi_;
    const std::size_t nPar = u(v.nPar);
    const std::array<double, 6>* d0 = v.basis->d.data();
    std::array<const std::array<double, 6>*, 3> d1{};
    for (std::size_t j = 1; j <= nPar; ++j)
        if (v.nachbar[j]) d1[j - 1] = v.nachbar[j]->d.data();
    bis = std::min(bis, v.basis->d.size());
    const std::size_t* arten = arten_.data();
    const std::size_t nArten = arten_.size();
    for (std::size_t i = von; i < bis; ++i, J += nPar) {
        const std::array<double, 6>& vorher = d0[i];
        r[i - von] = vorher[0];
        for (std::size_t j = 0; j < nPar; ++j) {
            if (!d1[j]) {
                J[j] = 0;  // the model cannot see a step this small
                continue;
            }
            const std::array<double, 6>& nachher = d1[j][i];
            double dr = 0;
            if (nArten == 1) {
                // A single species counts signed.
                dr = nachher[arten[0]] - vorher[arten[0]];
            } else {
                for (std::size_t s = 0; s < nArten; ++s) {
                    // Several species count with the sign each deviation
                    // has at p (forward from 0): b - a, a - b = -(b - a),
                    // or |b| = |b - a| where a is 0.
                    const std::size_t k = arten[s];
                    const double a = vorher[k], d = nachher[k] - a;
                    const double mitVorzeichen = std::copysign(1.0, a) * d;
                    dr += a == 0 ? std::fabs(d) : mitVorzeichen;
                }
            }
            J[j] = dr / v.schritt[j + 1];
        }
    }
}

bool FitObjective::alleAbleitungen(int nPar, int nPunkte, FitParameter& p, std::vector<double>& r,
                                   std::vector<double>& J) {
    r.resize(u(nPunkte));
    J.resize(u(nPunkte) * u(nPar));
    std::array<double, 4> Jk{};
    for (int i = 1; i <= nPunkte; ++i) {
        if (!nichtIsotherm(d_) && i > 1 && jacobiGueltig(nPar, p) && u(nPunkte) < jacobi_.basis->d.size()) {
            // The rest of the rows straight from the vectors of the first.
            jacobiZeilen(u(i), u(nPunkte) + 1, r.data() + (i - 1), J.data() + u(i - 1) * u(nPar));
            return true;
        }
        if (!CalcAbleitungen(nPar, i, p, r[u(i - 1)], Jk)) return false;
        for (int j = 1; j <= nPar; ++j) J[u(i - 1) * u(nPar) + u(j - 1)] = Jk[u(j)];
    }
    return true;
}

bool FitObjective::jacobiGueltig(int nPar, const FitParameter& p) const {
    const JacobiVektoren& v = jacobi_;
    return v.gueltig && v.stand == stand_ && v.nPar == nPar && v.p == p;
}

bool FitObjective::jacobiZeile(int nPar, int i, double& r, std::array<double, 4>& J) const {
    J.fill(0);
    r = 0;
    if (i < 1 || u(i) >= jacobi_.basis->d.size()) return true;
    std::array<double, 3> Ji{};
    jacobiZeilen(u(i), u(i) + 1, &r, Ji.data());
    for (int j = 1; j <= nPar; ++j) J[u(j)] = Ji[u(j - 1)];
    return true;
}

double CalcFQS_Messwerte(const FitDaten& d, const FitAuswahl& a) {
    double fqs = 0;
    const int n = punktZahl(d);
    if (nichtIsotherm(d)) {
        FitObjective o(a, d);
        for (int i = 1; i <= n; ++i) {
            double r = 0;
            if (o.CalcResiduals(i, d.RefWert, r)) fqs += r * r;
        }
        return fqs;
    }
    // The model at every point that takes part, read once (an integrated
    // model in one pass while the times rise), then summed species by species.
    ConcentrationReader modell(d.modell);
    std::vector<Konz> werte(u(n + 1));
    std::vector<char> gut(u(n + 1), 0);
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& m = d.ExpDaten[u(i)];
        if (m.aus == -1) continue;
        Integer err = 0;
        modell.at(m.t, werte[u(i)], err);
        gut[u(i)] = err == 0;
    }
    for (int j = 1; j <= 5; ++j) {
        if (!a.stoff[u(j)]) continue;
        for (int i = 1; i <= n; ++i) {
            const Messpunkt& m = d.ExpDaten[u(i)];
            if (m.aus == -1) continue;
            const double dd = werte[u(i)][u(j)] - m.c[u(j)];
            if (gut[u(i)] && std::isfinite(dd * dd)) fqs += dd * dd;
        }
    }
    return std::isfinite(fqs) ? fqs : 0;
}

double CalcFQS_Messwerte(const FitAuswahl& a) { return CalcFQS_Messwerte(currentFitDaten(), a); }

KinFitErgebnis MarquardtNashFitting(int nPar, const FitParameter& start, const FitAuswahl& a) {
    return MarquardtNashFitting(nPar, start, a, currentFitDaten());
}

KinFitErgebnis MarquardtNashFitting(int nPar, const FitParameter& start, const FitAuswahl& a, const FitDaten& d) {
    KinFitErgebnis e;
    e.p = start;
    nPar = std::max(1, std::min(3, nPar));
    const FitGrenzen& g = fitGrenzen(d.bAuswertungsart);
    FitObjective ziel(a, d);    FitParameter q = start;  // parameters beyond nPar keep their start values
    auto nach = [&q, nPar](const std::vector<double>& p) {
        for (int j = 1; j <= nPar; ++j) q[u(j)] = p[u(j - 1)];
    };

    MarquardtProblem pr;
    pr.nPar = nPar;
    pr.nPunkte = punktZahl(d);
    pr.nTeilnehmend = teilnehmendePunkte(d, a);
    pr.lower.assign(g.lower.begin(), g.lower.begin() + nPar);
    pr.upper.assign(g.upper.begin(), g.upper.begin() + nPar);
    pr.fixed.assign(a.bFixiert.begin() + 1, a.bFixiert.begin() + 1 + nPar);
    pr.maxFunc = g.maxFuncProPar * nPar;
    pr.maxJac = g.maxJac;
    pr.sNull = nullSumme(d, a);
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
    pr.rows = [&](std::vector<double>& p, std::vector<double>& r, std::vector<double>& J) {
        nach(p);
        return ziel.alleAbleitungen(nPar, pr.nPunkte, q, r, J);
    };

    std::vector<double> p0(start.begin() + 1, start.begin() + 1 + nPar);
    const MarquardtResult res = MarquardtNash(pr, p0);
    for (int j = 1; j <= nPar; ++j) {
        if (u(j - 1) < res.p.size()) e.p[u(j)] = res.p[u(j - 1)];
        e.StdAbw[u(j)] = u(j - 1) < res.sd.size() ? res.sd[u(j - 1)] : kKeineStdAbw;
    }
    e.FQS = res.S;
    e.zweifel = res.zweifel;
    e.relOffset = res.relOffset;
    for (int j = 1; j <= nPar; ++j) e.anGrenze[u(j)] = u(j - 1) < res.anGrenze.size() && res.anGrenze[u(j - 1)];
    e.bMaxIter = res.ende == MarquardtEnde::Grenze;
    e.abgebrochen = res.ende == MarquardtEnde::Abbruch;
    if (e.abgebrochen) e.fehlerText = ziel.fehlerText().empty() ? kNichtBerechenbar : ziel.fehlerText();
    return e;
}

}  // namespace vrn

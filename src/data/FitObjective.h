// The fitting objective: residuals of the measured data set for the
// parameter vector p(1..3) of the fitting window, per evaluation mode
// bAuswertungsart:
//   1  p = k1, k2, k3 of the current model, simulated by the engine
//   2  p = k1 and the reaction order n of model 20 (stored as a Single), k3
//   6  p = the two constants of k(T) (bytKTFunktion 1 Arrhenius A, EA;
//      2 Eyring factor, H#), first order: r = exp(-k t) - c(A)
//   7  the same for 2A => P: r = 1/(1/c0Daten(1) + 2 k t) - c(A)
// and the kinetic adapter of the minimiser (bounds and limits per mode).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/Types.h"
#include "data/Marquardt.h"
#include "engine/ConcentrationAtTime.h"

namespace vrn {

// Gas constant of the temperature functions, J/(mol K).
inline constexpr double kRGas = 8.3145;

// Parameter vector p(1..3); element 0 is not used.
using FitParameter = std::array<double, 4>;

// What the fitting window lets the user choose.
struct FitAuswahl {
    std::array<bool, 6> stoff{};     // species 1..5 whose measured c take part (modes 1, 2)
    std::array<bool, 4> bFixiert{};  // parameters 1..3 held fixed
};

// Bounds of parameters 1..3 (element j - 1) and the evaluation limits
// (maxFunc = maxFuncProPar x nPar) of an evaluation mode: modes below 6
// stop parameter 1 at 1e5, modes 6 and 7 at 1e18.
struct FitGrenzen {
    std::array<double, 3> lower, upper;
    int maxFuncProPar;
    int maxJac;
};
const FitGrenzen& fitGrenzen(int mode);

// k(T) of the temperature function: p1 exp(-p2/(R T)) (Arrhenius) or
// p1 T exp(-p2/(R T)) (Eyring, ktFunktion 2).
double kVonT(double p1, double p2, double T, int ktFunktion);

// What a fit computes with: the evaluation mode, the temperature function,
// the model with its start concentrations, constants, order and shown
// species, the measured points 1..nExpPunkte and c0Daten(1).
struct FitDaten {
    int bAuswertungsart = 0;
    int bytKTFunktion = 1;
    AtTimeInputs modell;
    std::vector<Messpunkt> ExpDaten;  // point 0 unused
    int nExpPunkte = 0;
    double c0Daten1 = 0;
    FitParameter RefWert{};  // the parameters the window shows (modes 6, 7)
};

// The inputs as the shared state holds them now.
FitDaten currentFitDaten();

// True when point i (1..nExpPunkte) of the data takes part in its mode: not
// excluded, and in modes 6 and 7 with Temp > 0.
bool punktNimmtTeil(const FitDaten& d, int i);
bool punktNimmtTeil(int i);  // of the shared state's data

// The number of points that take part; in modes 1 and 2 none when no
// species is chosen. This is what the degrees of freedom count.
int teilnehmendePunkte(const FitDaten& d, const FitAuswahl& a);
int teilnehmendePunkte(const FitAuswahl& a);  // of the shared state's data

// Objective procedures for one fit of the data d. In modes 1 and 2 each
// evaluation computes the model with the trial constants (k(1..3), and in
// mode 2 the order as a Single, k(2) = the order too) at every measured
// time: a closed form, or one integration that stops at those times
// (ConcentrationsAtTimes). Writes nothing of the shared state. Residual
// vectors of the last few parameter vectors are kept, so one Jacobian costs
// one evaluation per parameter and one at the point itself.
class FitObjective {
public:
    FitObjective(const FitAuswahl& a, FitDaten d);
    explicit FitObjective(const FitAuswahl& a);  // the shared state's data

    // FQS = the sum over the points of their residuals squared. False when
    // the model cannot be evaluated at p (failed simulation, overflow, no
    // start concentration in mode 7).
    bool calcFQS_Marquardt(const FitParameter& p, double& FQS);
    // The residual of point i (0 for a point that does not take part); in
    // modes 1 and 2 the sum over the chosen species of |c(model) - c(point)|,
    // with a single chosen species its signed deviation c(model) - c(point)
    // (the same square, without a kink at 0).
    bool CalcResiduals(int i, const FitParameter& p, double& r);
    // The residual r of point i and its derivatives J(1..nPar) by p(j):
    // analytic in mode 6 with Arrhenius, else forward differences with the
    // step (|p(j)| + 1.7e-7) x 1.7e-7, divided by the change the model really
    // saw (the order of mode 2 is a Single). A model run that went to the
    // implicit integrator is differenced with the step (|p(j)| + 1.7e-7) x
    // sqrt(kSteifRelTol), which its tolerance does not disturb. In modes 1
    // and 2 each species' deviation is differenced and
    // counted with the sign it has at p, so a step never straddles the kink
    // of |.|. p is changed and restored.
    bool CalcAbleitungen(int nPar, int i, FitParameter& p, double& r, std::array<double, 4>& J);

    // CalcAbleitungen of the points 1..nPunkte at once: the residual of
    // point i into r[i - 1], its derivatives into J[(i - 1)·nPar + j - 1].
    bool alleAbleitungen(int nPar, int nPunkte, FitParameter& p, std::vector<double>& r, std::vector<double>& J);

    // The text of the last failure (a simulation's own text, else a general one).
    const std::string& fehlerText() const { return fehler_; }

private:
    // Signed deviations c(model) - c(point) of the chosen species 1..5 at
    // every point (element 0 of each row: the point's residual).
    using Abweichungen = std::vector<std::array<double, 6>>;

    bool eineArt() const;  // exactly one species chosen
    struct Eintrag {
        FitParameter p{};
        Abweichungen d;
        bool ok = false;
        bool belegt = false;
        bool implizit = false;  // the integration went to the implicit integrator
        std::vector<double> schritte;  // the steps of its integration
    };

    bool residuenIsotherm(const FitParameter& p, Abweichungen& d, std::vector<double>* schritte,
                          const std::vector<double>* vorgabe);
    bool residuumNichtIsotherm(int i, const FitParameter& p, double& r);
    // The entry of p; a new one integrated on the steps `vorgabe` when given.
    const Eintrag* residuen(const FitParameter& p, const std::vector<double>* vorgabe = nullptr);

    // The vectors of the Jacobian last gathered: the point p, its
    // neighbours p + h e(j) (none where the model cannot see the step) and
    // the steps; valid while stand_ is unchanged.
    struct JacobiVektoren {
        FitParameter p{};
        int nPar = 0;
        const Eintrag* basis = nullptr;
        std::array<const Eintrag*, 4> nachbar{};
        std::array<double, 4> schritt{};
        unsigned long stand = 0;
        bool gueltig = false;
    };

    // The points that take part, read once from the data set (which does
    // not change while a fit runs): their numbers, times and the measured
    // values of the chosen species (those of one point in a row).
    struct Messung {
        int anzahl = -1;  // nExpPunkte when read
        std::vector<int> punkt;
        std::vector<double> c;
        std::shared_ptr<ConcentrationsAtTimes> modell;  // reads the model at their times
    };
    void messungLesen(int n);
    // True when jacobi_ holds the vectors of a Jacobian at p.
    bool jacobiGueltig(int nPar, const FitParameter& p) const;
    // Rows von..bis-1 of the Jacobian whose vectors jacobi_ holds: the
    // residual of row i into r[i - von], its derivative by p(j) into
    // J[(i - von)·nPar + j - 1].
    void jacobiZeilen(std::size_t von, std::size_t bis, double* r, double* J) const;
    // Row i of it: the residual r and J(1..nPar).
    bool jacobiZeile(int nPar, int i, double& r, std::array<double, 4>& J) const;

    FitAuswahl auswahl_;
    FitDaten d_;
    std::vector<std::size_t> arten_;  // the chosen species, in slot order
    Messung messung_;
    // Room for a point and its three neighbours of a Jacobian, so that one
    // Jacobian simulates each parameter vector once.
    std::array<Eintrag, 5> cache_;
    std::size_t naechster_ = 0;
    const Eintrag* zuletzt_ = nullptr;  // the entry residuen() returned last
    unsigned long stand_ = 0;           // counts the entries replaced
    JacobiVektoren jacobi_;
    std::string fehler_;
};

// The error sum shown in the window for RefWert (modes 6, 7) or for the
// model's constants and order (modes 1, 2): the sum of squared deviations
// per chosen species and point, the model computed at every measured time.
// A point whose model value cannot be computed adds nothing.
double CalcFQS_Messwerte(const FitDaten& d, const FitAuswahl& a);
double CalcFQS_Messwerte(const FitAuswahl& a);  // of the shared state

struct KinFitErgebnis {
    FitParameter p{};       // fitted (or last accepted) parameters 1..nPar
    FitParameter StdAbw{};  // standard deviations, kKeineStdAbw when unknown
    double FQS = 0;         // the minimised sum at p
    bool bMaxIter = false;  // an evaluation limit stopped the run
    bool abgebrochen = false;  // the model cannot be evaluated at the start
    std::string fehlerText;    // why, when abgebrochen
    // The minimiser converged to a point that may not be a minimum
    // (MarquardtZweifel); anGrenze(1..3) marks the parameters held at a bound.
    MarquardtZweifel zweifel = MarquardtZweifel::Keiner;
    std::array<bool, 4> anGrenze{};
    double relOffset = 0;
};

// Fits the first nPar parameters of `start` (1..3) to the data d in its
// mode; the others stay as they are. Writes nothing of the shared state: the
// caller takes the result over.
KinFitErgebnis MarquardtNashFitting(int nPar, const FitParameter& start, const FitAuswahl& a, const FitDaten& d);
KinFitErgebnis MarquardtNashFitting(int nPar, const FitParameter& start, const FitAuswahl& a);  // shared state's data

}  // namespace vrn

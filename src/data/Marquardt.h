// Non-linear least squares with bounds and fixed parameters: a Marquardt
// method in Nash's compact form (normal matrix packed as a lower triangle,
// Cholesky solution, lambda and phi damping), extended by a box of bounds
// and per-parameter masks. A parameter that reaches a bound is held there
// until the gradient points back into the box.
//
// It knows nothing of what is fitted: the caller hands it the sizes, the
// start vector, the bounds, the fixed flags, the evaluation limits and two
// callbacks (the sum of squares; the residual and derivative row of one point).
#pragma once

#include <functional>
#include <vector>

namespace vrn {

// Standard deviation that could not be computed.
inline constexpr double kKeineStdAbw = -9999;

struct MarquardtProblem {
    int nPar = 0;         // number of parameters, 1..25
    int nPunkte = 0;      // points i = 0..nPunkte-1 handed to the row callback
    int nTeilnehmend = -1;  // points that take part (degrees of freedom); -1: nPunkte
    std::vector<double> lower, upper;  // bounds, nPar each
    std::vector<bool> fixed;           // nPar flags; empty: none fixed
    int maxFunc = 0;      // the run ends when the sum of squares was evaluated more often
    int maxJac = 0;       // ... or the derivative rows were gathered more often
    // A sum of squares at or below this counts as 0 when the end point is
    // judged (the rounding of a model that meets its data exactly).
    double sNull = 0;

    // Sum of squares at p (nPar values); false when it cannot be computed.
    std::function<bool(const std::vector<double>& p, double& S)> sumOfSquares;
    // Residual r and derivatives J[0..nPar-1] of point i at p; the callback
    // may change p while it works but leaves it as it found it. False when
    // the row cannot be computed.
    std::function<bool(int i, std::vector<double>& p, double& r, double* J)> row;
    // Optional: every row at once, the residuals into r[0..nPunkte-1] and the
    // derivatives of point i into J[i·nPar .. i·nPar + nPar - 1], the numbers
    // row() gives (which a caller with many points gathers faster in one
    // pass). Set, it is used for the Jacobians instead of row().
    std::function<bool(std::vector<double>& p, std::vector<double>& r, std::vector<double>& J)> rows;
};

enum class MarquardtEnde {
    Konvergiert,  // no step changes a free parameter any more
    Grenze,       // an evaluation limit stopped the run
    Abbruch,      // the start cannot be evaluated, or the problem is malformed
};

// Whether the point a converged run stopped at is a minimum, judged from the
// last Jacobian (no further evaluation).
enum class MarquardtZweifel {
    Keiner,     // a minimum within the box as far as the derivatives tell
    Gefaelle,   // the sum of squares still falls from here: the relative
                // offset of the last Jacobian exceeds kRelOffsetGrenze, and
                // so does a decrease found along its Gauss-Newton step
    Grenze,     // a parameter is held at one of its bounds
    Stillstand, // no parameter that is not fixed changes the residuals,
                // which are not 0
};

// The relative offset sqrt((G / q) / ((S - G) / (m - q))) of a Jacobian J
// with the residuals r at the sum of squares S = r'r: G = v'(J'J)^+ v with
// v = J'r is the decrease a Gauss-Newton step promises, q the rank of the
// free columns of J, m the points that take part. It weighs the gradient
// against the scatter of the residuals and does not change with the scale
// of a parameter; at a minimum it is 0, up to the rounding of J.
inline constexpr double kRelOffsetGrenze = 0.1;

struct MarquardtResult {
    std::vector<double> p;   // the last accepted parameters (the start on Abbruch)
    std::vector<double> sd;  // standard deviations: 0 for parameters that are fixed
                             // or held at a bound; kKeineStdAbw when they cannot be
                             // computed (too few points, singular matrix, a limit)
    double S = 0;            // sum of squares at p (0 when even the start failed)
    MarquardtEnde ende = MarquardtEnde::Abbruch;
    int nFunc = 0;           // evaluations of the sum of squares
    int nJac = 0;            // gatherings of the derivative rows
    // Set on Konvergiert only (Keiner otherwise): the first doubt about the
    // end point in the order Stillstand, Grenze, Gefaelle; anGrenze marks
    // the parameters held at a bound, relOffset is the relative offset of
    // the last Jacobian over the free parameters (0 when it has no free
    // column or no degree of freedom left, infinite when the free columns
    // alone could take the residuals to 0).
    MarquardtZweifel zweifel = MarquardtZweifel::Keiner;
    std::vector<bool> anGrenze;
    double relOffset = 0;
};

// The relative offset (see kRelOffsetGrenze) from the packed normal matrix
// c = J'J (element (j, k), k <= j, at j(j-1)/2 + k, element 0 unused), the
// gradient v = J'r (v[j - 1]), the sum of squares S and the m points that
// take part, over the parameters j with frei[j - 1]. Columns that are 0 or
// depend on the others (to 1e-10 of their length squared) are left out;
// `rang` takes the number kept. 0 when S <= 0 or m <= rang.
double relativeOffset(int n, const std::vector<double>& c, const std::vector<double>& v, double S, int m,
                      const std::vector<bool>& frei, int& rang);

// Minimises the sum of squares from the start vector. A start outside the
// bounds is moved onto the nearer bound and held there; a parameter whose
// lower bound exceeds its upper one is treated as fixed. A step cut short by
// a bound puts that parameter exactly on the bound, where it is held until
// the gradient points back into the box; a free parameter on a bound whose
// step points out of the box is held and the step solved without it. The run
// has converged when a trial step changes no free parameter (in the sum
// with 10), or when a step accepted with lambda >= 1 moves no parameter by
// more than 1.5e-8 of its value (plus 1e-7). A trial whose sum
// of squares or a Jacobian that cannot be computed or is not finite counts as
// a rejected step (a Jacobian at an accepted point falls back to the point
// before it); after 60 rejections in a row the run ends at the last accepted
// point as if converged. A limit ends the run at the last accepted point,
// never at a rejected trial or a probe.
MarquardtResult MarquardtNash(const MarquardtProblem& problem, std::vector<double> start);

}  // namespace vrn

// Concentrations of a kinetic model at one time.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "engine/Akima.h"
#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/RateLaws.h"

namespace vrn {

// The concentrations c(1..5) of model `model` at time t.
// - Closed forms (1-6, 8, 11, 12, 16, 17): from app.c0 and app.k with the same
//   formulas the curve simulation draws (ClosedForm); only the model's
//   species are written.
// - Numerically integrated models (7, 9, 10, 13, 14, 15, 18, 20), when
//   app.bMMdiagramm is false: read off the Akima splines of the last
//   simulation (app.SplX(0) = point count) for each species whose character in
//   app.sSpeziesMaske is "1"; beyond the simulated times the straight
//   continuation of the spline.
// - Model 19, other numbers, and a numerical model while bMMdiagramm is true
//   leave c untouched.
// Writes nothing of the shared state. fehler := 0 on entry, -1 on a failure
// (overflow, division by zero, a negative root argument, no usable spline
// store); no message is shown, and c is then untouched for a closed form
// (species splined before the failure keep their new values).
void calc_functioncT_at_t(Integer model, double t, Konz& c, Integer& fehler);

// calc_functioncT_at_t for many times (a fit reads every measured time of
// its data set): what does not depend on t (the closed form's constants, the
// checks of the spline store, the species mask) is prepared once, and times
// read in rising order find their spline interval by walking on. Reads the
// shared state when it is made; each read gives what calc_functioncT_at_t
// gives at that time, to the last bit, as long as the state is unchanged.
class ConcentrationReader {
public:
    explicit ConcentrationReader(Integer model);

    void at(double t, Konz& c, Integer& fehler) {
        if (art_ == Art::Spline) {
            // The path a fit takes at every measured time, kept inline.
            leser_->finde(t);
            fehler = leser_->werte(c) ? 0 : -1;
            return;
        }
        sonstAt(t, c, fehler);
    }

private:
    enum class Art { Nichts, Geschlossen, Spline, Fehler };
    void sonstAt(double t, Konz& c, Integer& fehler) const;

    Art art_ = Art::Nichts;
    std::optional<ClosedForm> form_;
    std::optional<AkimaLeser> leser_;  // reads the species of the splines
};

// The concentrations of chosen species at a fixed list of times, read anew
// after every simulation (a fit reads its measured times at every trial of
// its parameters). While the splines keep their knots (the simulated times,
// which only the end time sets), each time keeps its interval and the
// reads are a plain walk over the points; each value is the one
// calc_functioncT_at_t gives, to the last bit.
class ConcentrationsAtTimes {
public:
    // times: any order; species: slots 1..5 to read.
    ConcentrationsAtTimes(std::vector<double> times, std::vector<std::size_t> species);

    // The concentrations of model `model` from the shared state (the closed
    // form, or the splines of the last simulation) at every time q, handed
    // to use(q, values) with the values of the species in their order; a
    // species the model's curves do not give (its character in
    // sSpeziesMaske is not "1"), and every species of model 19 or of the
    // Michaelis-Menten diagram, reads 0. False when a concentration cannot
    // be computed or is not finite, or when use returns false.
    template <class F>
    bool read(Integer model, F&& use);

private:
    enum class Weg { Fehler, Null, Geschlossen, Spline };
    // Prepares a read: the closed form, or the curves and the places of the
    // times on the knots.
    Weg vorbereiten(Integer model);

    std::vector<double> t_;
    std::vector<std::size_t> arten_;
    std::optional<ClosedForm> form_;
    std::array<AkimaLeser::Kurve, 5> kurven_{};  // per species; none where it reads 0
    // The place of each time on the knots the splines had at the last read:
    // the knot e its polynomial or straight continuation starts from, the
    // time's distance dx from it, and whether it lies inside (a cubic) or
    // beyond the ends (a straight line).
    struct Stelle {
        double dx;
        int e;
        bool innen;
    };
    std::vector<double> knoten_;
    std::vector<Stelle> stellen_;
    bool alleGefunden_ = true;  // every time has a place
};

template <class F>
bool ConcentrationsAtTimes::read(Integer model, F&& use) {
    const std::size_t nArten = std::min<std::size_t>(arten_.size(), 5), nZeiten = t_.size();
    std::array<double, 5> v{};
    switch (vorbereiten(model)) {
        case Weg::Fehler: return false;
        case Weg::Null:
            for (std::size_t q = 0; q < nZeiten; ++q)
                if (!use(q, v.data())) return false;
            return true;
        case Weg::Geschlossen: {
            Konz c{};
            for (std::size_t q = 0; q < nZeiten; ++q) {
                if (!std::isfinite(t_[q])) return false;
                try {
                    form_->at(t_[q], c);
                } catch (const RuntimeFault&) {
                    return false;
                }
                for (std::size_t s = 0; s < nArten; ++s) v[s] = c[arten_[s]];
                if (!use(q, v.data())) return false;
            }
            return true;
        }
        case Weg::Spline: break;
    }
    // Locals, so that nothing use() writes can be taken to move them.
    const std::array<AkimaLeser::Kurve, 5> kurven = kurven_;
    const Stelle* stellen = stellen_.data();
    bool ok = true;
    for (std::size_t q = 0; q < nZeiten; ++q) {
        const auto i = static_cast<std::size_t>(stellen[q].e);
        const double dx = stellen[q].dx;
        const bool innen = stellen[q].innen;
        for (std::size_t s = 0; s < nArten; ++s) {
            const AkimaLeser::Kurve& k = kurven[s];
            v[s] = k.a ? k.wert(i, dx, innen) : 0;
            ok &= std::isfinite(v[s]);
        }
        if (!use(q, static_cast<const double*>(v.data()))) return false;
    }
    return ok;
}

}  // namespace vrn

// Concentrations of a kinetic model at one time, and at many.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/ModelInputs.h"
#include "engine/TimeStopIntegrator.h"

namespace vrn {

// What a value at one time is computed from: the model and its inputs, the
// species the chart shows of an integrated model (sSpeziesMaske, "0"/"1" for
// A..Q) and whether the enzyme model shows its Michaelis-Menten diagram.
struct AtTimeInputs {
    ModelInputs model;
    std::string sSpeziesMaske;
    bool bMMdiagramm = false;
};

// The inputs the shared state holds now (iModell, c0, k, nOrdnung,
// sSpeziesMaske, bMMdiagramm).
AtTimeInputs currentAtTimeInputs();

// The concentrations c(1..5) of the model of `in` at time t, computed at t
// itself:
// - closed forms (1-6, 8, 11, 12, 16, 17, and model 20 by its own, orderNAt):
//   the formulas the curve simulation draws (ClosedForm); only the model's
//   species are written;
// - integrated models (7, 9, 10, 13, 14, 15, 18), when bMMdiagramm is false:
//   one integration from the start concentrations to t (TimeStopIntegrator),
//   written for each integrated species whose character in sSpeziesMaske is
//   "1" (the curves the chart shows);
// - model 19, other numbers, and the enzyme model while bMMdiagramm is true
//   leave c untouched.
// Reads nothing of the shared state. fehler := 0 on entry, -1 on a failure
// (overflow, division by zero, a negative root argument, a t below 0 or not
// finite for an integrated model); no message is shown, and c is then
// untouched.
void calc_functioncT_at_t(const AtTimeInputs& in, double t, Konz& c, Integer& fehler);

// The same with the inputs the shared state holds now (the single-point
// calculator's call).
void calc_functioncT_at_t(Integer model, double t, Konz& c, Integer& fehler);

// calc_functioncT_at_t for many times read one after the other (the error
// sum of a fit reads every measured time): what does not depend on t is
// prepared once, and an integrated model is integrated on from the time read
// last while the times rise (from the start again when one falls back).
class ConcentrationReader {
public:
    explicit ConcentrationReader(const AtTimeInputs& in);

    void at(double t, Konz& c, Integer& fehler);

private:
    enum class Art { Nichts, Geschlossen, Integriert, Fehler };

    AtTimeInputs in_;
    Art art_ = Art::Nichts;
    std::optional<ClosedForm> form_;
    std::unique_ptr<TimeStopIntegrator> lauf_;
    double letzteZeit_ = 0;
};

// The concentrations of chosen species at a fixed list of times, read anew
// for every set of inputs (a fit reads its measured times at every trial of
// its parameters). A closed form is evaluated at each time; an integrated
// model is integrated once from the start, serving every time in rising
// order (TimeStopIntegrator: the times inside a step from the step's
// continuous extension). Each value is what calc_functioncT_at_t gives at that time,
// to the accuracy of the integration (kStoppRelTol).
class ConcentrationsAtTimes {
public:
    // times: any order; species: slots 1..5 to read.
    ConcentrationsAtTimes(std::vector<double> times, std::vector<std::size_t> species);

    // The concentrations of the model of `in` at every time q, handed to
    // use(q, values) with the values of the species in their order, the
    // times in rising order; a species the model's curves do not give (for
    // an integrated model: its character in sSpeziesMaske is not "1"), and
    // every species of model 19 or of the Michaelis-Menten diagram, reads
    // 0. False when a concentration cannot be computed or is not finite, or
    // when use returns false.
    // An integration appends its steps to *record when given, and takes
    // those of *replay when given (TimeStopIntegrator::record, replay).
    template <class F>
    bool read(const AtTimeInputs& in, F&& use, std::vector<double>* record = nullptr,
              const std::vector<double>* replay = nullptr) const;

    // The text of the last failure of an integration; empty when there was none.
    const std::string& failureText() const { return fehler_; }
    // True when the last read integrated and went to the implicit integrator.
    bool implicit() const { return implizit_; }

private:
    enum class Weg { Fehler, Null, Geschlossen, Integriert };
    Weg weg(const AtTimeInputs& in) const;

    std::vector<double> t_;
    std::vector<std::size_t> arten_;
    std::vector<std::size_t> folge_;  // the times' indices in rising order of time
    mutable std::string fehler_;
    mutable bool implizit_ = false;
    mutable std::vector<double> werte_;  // the values of one block of a read
};

template <class F>
bool ConcentrationsAtTimes::read(const AtTimeInputs& in, F&& use, std::vector<double>* record,
                                 const std::vector<double>* replay) const {
    const std::size_t nArten = std::min<std::size_t>(arten_.size(), 5), nZeiten = t_.size();
    std::array<double, 5> v{};
    fehler_.clear();
    implizit_ = false;
    switch (weg(in)) {
        case Weg::Fehler: return false;
        case Weg::Null:
            for (std::size_t q : folge_)
                if (!use(q, static_cast<const double*>(v.data()))) return false;
            return true;
        case Weg::Geschlossen: {
            std::optional<ClosedForm> form;
            try {
                form.emplace(in.model.model, in.model.c0, in.model.k, in.model.ordnung);
            } catch (const RuntimeFault&) {
                return false;
            }
            Konz c{};
            for (std::size_t q : folge_) {
                if (!std::isfinite(t_[q])) return false;
                try {
                    form->at(t_[q], c);
                } catch (const RuntimeFault&) {
                    return false;
                }
                for (std::size_t s = 0; s < nArten; ++s) v[s] = c[arten_[s]];
                if (!use(q, static_cast<const double*>(v.data()))) return false;
            }
            return true;
        }
        case Weg::Integriert: break;
    }
    const std::string& mask = in.sSpeziesMaske;
    std::array<int, 5> slot{};  // 0: a species the curves do not give
    for (std::size_t s = 0; s < nArten; ++s) {
        const std::size_t j = arten_[s];
        if (j >= 1 && j <= mask.size() && mask[j - 1] == '1') slot[s] = static_cast<int>(j);
    }
    TimeStopIntegrator lauf(in.model);
    lauf.record(record);
    lauf.replay(replay);
    // In blocks that stay in the cache: the values of a block, then their use.
    constexpr std::size_t kBlock = 256;
    werte_.resize(kBlock * nArten);
    double* w = werte_.data();
    for (std::size_t von = 0; von < nZeiten; von += kBlock) {
        const std::size_t anzahl = std::min(kBlock, nZeiten - von);
        if (!lauf.valuesAtTimes(t_.data(), folge_.data() + von, anzahl, slot.data(), nArten, w, von + anzahl == nZeiten)) {
            fehler_ = lauf.failureText();
            return false;
        }
        for (std::size_t i = 0; i < anzahl; ++i)
            if (!use(folge_[von + i], w + i * nArten)) return false;
    }
    implizit_ = lauf.implicit();
    return true;
}

}  // namespace vrn

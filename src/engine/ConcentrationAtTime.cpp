#include "engine/ConcentrationAtTime.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "shell/AppState.h"

namespace vrn {

namespace {

// True when species slot j is shown (its character in the mask is "1").
bool shown(const std::string& mask, std::size_t j) { return j >= 1 && j <= mask.size() && mask[j - 1] == '1'; }

// The integrated slots the chart shows, as bits 1..5.
int shownIntegrated(const AtTimeInputs& in) {
    const int slots = integratedSlots(in.model.model).bits();
    int bits = 0;
    for (std::size_t j = 1; j <= 5; ++j)
        if ((slots & (1 << j)) && shown(in.sSpeziesMaske, j)) bits |= 1 << j;
    return bits;
}

bool integrated(const AtTimeInputs& in) {
    return isNumericalModel(in.model.model) && !ClosedForm::coversAtOneTime(in.model.model) && !in.bMMdiagramm;
}

}  // namespace

AtTimeInputs currentAtTimeInputs() {
    AtTimeInputs in;
    in.model = currentModelInputs();
    in.sSpeziesMaske = app.sSpeziesMaske;
    in.bMMdiagramm = app.bMMdiagramm;
    return in;
}

ConcentrationReader::ConcentrationReader(const AtTimeInputs& in) : in_(in) {
    const Integer model = in.model.model;
    if (ClosedForm::coversAtOneTime(model)) {
        try {
            form_.emplace(model, in.model.c0, in.model.k, in.model.ordnung);
            art_ = Art::Geschlossen;
        } catch (const RuntimeFault&) {
            art_ = Art::Fehler;
        }
        return;
    }
    if (integrated(in)) art_ = Art::Integriert;
}

void ConcentrationReader::at(double t, Konz& c, Integer& fehler) {
    fehler = 0;
    switch (art_) {
        case Art::Nichts: return;
        case Art::Fehler: fehler = -1; return;
        case Art::Geschlossen:
            try {
                form_->at(checked::finite(t), c);
            } catch (const RuntimeFault&) {
                fehler = -1;
            }
            return;
        case Art::Integriert: break;
    }
    if (!(std::isfinite(t) && t >= 0)) {
        fehler = -1;
        return;
    }
    if (!lauf_ || t < letzteZeit_) lauf_ = std::make_unique<TimeStopIntegrator>(in_.model);
    Konz y = in_.model.c0;
    if (!lauf_->advanceTo(t, y)) {
        lauf_.reset();
        fehler = -1;
        return;
    }
    letzteZeit_ = t;
    const int bits = shownIntegrated(in_);
    for (std::size_t j = 1; j <= 5; ++j)
        if (bits & (1 << j)) c[j] = y[j];
}

ConcentrationsAtTimes::ConcentrationsAtTimes(std::vector<double> times, std::vector<std::size_t> species)
    : t_(std::move(times)), arten_(std::move(species)), folge_(t_.size()) {
    std::iota(folge_.begin(), folge_.end(), std::size_t{0});
    // Times that are not numbers go last (where they fail).
    std::stable_sort(folge_.begin(), folge_.end(), [this](std::size_t a, std::size_t b) {
        const double x = t_[a], y = t_[b];
        if (std::isnan(y)) return !std::isnan(x);
        return x < y;
    });
}

ConcentrationsAtTimes::Weg ConcentrationsAtTimes::weg(const AtTimeInputs& in) const {
    const Integer model = in.model.model;
    if (ClosedForm::coversAtOneTime(model)) return Weg::Geschlossen;
    if (!integrated(in) || arten_.empty()) return Weg::Null;
    return Weg::Integriert;
}

void calc_functioncT_at_t(const AtTimeInputs& in, double t, Konz& c, Integer& fehler) {
    ConcentrationReader(in).at(t, c, fehler);
}

void calc_functioncT_at_t(Integer model, double t, Konz& c, Integer& fehler) {
    AtTimeInputs in = currentAtTimeInputs();
    in.model.model = model;
    calc_functioncT_at_t(in, t, c, fehler);
}

}  // namespace vrn

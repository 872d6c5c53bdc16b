#include "engine/ConcentrationAtTime.h"

#include <algorithm>
#include <cmath>

#include "engine/Checked.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

// The point count n of the spline store of the last simulation; false when
// the store holds none that can be read.
bool splineStore(Integer& n) {
    if (app.SplX.empty() || !std::isfinite(app.SplX[0]) || std::fabs(app.SplX[0]) > 32767) return false;
    n = static_cast<Integer>(std::lround(app.SplX[0]));
    return true;
}

// True when species slot j has a spline (its character in sSpeziesMaske is "1").
bool splined(std::size_t j) {
    const std::string& mask = app.sSpeziesMaske;
    return j >= 1 && j <= mask.size() && mask[j - 1] == '1';
}

}  // namespace

ConcentrationReader::ConcentrationReader(Integer model) {
    if (ClosedForm::covers(model)) {
        try {
            form_.emplace(model, app.c0, app.k);
            art_ = Art::Geschlossen;
        } catch (const RuntimeFault&) {
            art_ = Art::Fehler;
        }
        return;
    }
    if (!isNumericalModel(model) || app.bMMdiagramm) return;
    Integer n = 0;
    if (!splineStore(n)) {
        art_ = Art::Fehler;
        return;
    }
    std::array<bool, 6> welche{};
    for (std::size_t j = 1; j <= 5; ++j) welche[j] = splined(j);
    leser_.emplace(n, app.SplX, app.SplKoeffD, app.SplKoeffC, app.SplKoeffB, app.SplKoeffA, welche);
    art_ = Art::Spline;
}

void ConcentrationReader::sonstAt(double t, Konz& c, Integer& fehler) const {
    fehler = 0;
    if (art_ == Art::Fehler) {
        fehler = -1;
    } else if (art_ == Art::Geschlossen) {
        try {
            form_->at(checked::finite(t), c);
        } catch (const RuntimeFault&) {
            fehler = -1;
        }
    }
}

ConcentrationsAtTimes::ConcentrationsAtTimes(std::vector<double> times, std::vector<std::size_t> species)
    : t_(std::move(times)), arten_(std::move(species)) {}

ConcentrationsAtTimes::Weg ConcentrationsAtTimes::vorbereiten(Integer model) {
    if (ClosedForm::covers(model)) {
        try {
            form_.emplace(model, app.c0, app.k);
        } catch (const RuntimeFault&) {
            return Weg::Fehler;
        }
        return Weg::Geschlossen;
    }
    if (!isNumericalModel(model) || app.bMMdiagramm || arten_.empty()) return Weg::Null;
    Integer n = 0;
    if (!splineStore(n) || n < 1 || app.SplX.size() <= static_cast<std::size_t>(n)) return Weg::Fehler;
    AkimaLeser leser(n, app.SplX, app.SplKoeffD, app.SplKoeffC, app.SplKoeffB, app.SplKoeffA);
    // The places of the times, found again only where the knots moved.
    const auto knoten = app.SplX.begin() + 1;
    if (!std::equal(knoten_.begin(), knoten_.end(), knoten, knoten + n)) {
        knoten_.assign(knoten, knoten + n);
        stellen_.assign(t_.size(), Stelle{0, 1, false});
        alleGefunden_ = true;
        for (std::size_t q = 0; q < t_.size(); ++q) {
            if (!leser.finde(t_[q])) {
                alleGefunden_ = false;
                continue;
            }
            const int e = leser.stelle();
            Stelle& st = stellen_[q];
            st.innen = e >= 1 && e < n;
            st.e = e == 0 ? 1 : e;
            st.dx = t_[q] - app.SplX[static_cast<std::size_t>(st.e)];
        }
    }
    if (!alleGefunden_) return Weg::Fehler;
    for (std::size_t s = 0; s < std::min<std::size_t>(arten_.size(), 5); ++s) {
        const std::size_t j = arten_[s];
        kurven_[s] = {};
        if (!splined(j)) continue;
        kurven_[s] = leser.kurve(j);
        if (!kurven_[s].a) return Weg::Fehler;
    }
    return Weg::Spline;
}

void calc_functioncT_at_t(Integer model, double t, Konz& c, Integer& fehler) {
    ConcentrationReader(model).at(t, c, fehler);
}

}  // namespace vrn

#include "shell/CalcForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

CalcForm::CalcForm(CalcType type, Kind kind) : VrnForm(kind), type_(type) {}

void CalcForm::ensureSharedControls() {
    auto hiddenLabel = [this](QLabel*& l) {
        if (!l) {
            l = new QLabel(this);
            l->hide();
        }
    };
    for (auto& f : Inp) {
        if (!f) {
            f = new NumberField(this);
            f->hide();
        }
    }
    for (auto& l : lblStoff) hiddenLabel(l);
    for (auto& l : Bz) hiddenLabel(l);
    for (QLabel** l : {&unit1, &unit2, &unit3, &unit4, &lblZeitEinheit, &lblVPunktInput, &Label7, &lblTextKsi_1,
                       &lblTextKsi_2, &lblMichaelisK})
        hiddenLabel(*l);
    for (QWidget** w : {&fraKsi, &fraMichaelis}) {
        if (!*w) {
            *w = new QWidget(this);
            (*w)->hide();
        }
    }
    if (!cmdShowKsi) {
        cmdShowKsi = new QPushButton(this);
        cmdShowKsi->hide();
    }
    for (auto& c : chkConcFQS) {
        if (!c) {
            c = new QCheckBox(this);
            c->hide();
        }
    }
}

CalcForm* firstLoadedCalcForm(std::initializer_list<CalcForm::CalcType> order) {
    const auto forms = Forms::all();
    for (CalcForm::CalcType t : order) {
        for (VrnForm* f : forms) {
            auto* c = qobject_cast<CalcForm*>(f);
            if (c && c->calcType() == t) return c;
        }
    }
    return nullptr;
}

namespace {
void setRateUnits(CalcForm* w, const std::string& u) {
    const auto units = rateConstantUnits(app.iModell, u);
    w->unit1->setText(toQ(units[0]));
    w->unit2->setText(toQ(units[1]));
    w->unit3->setText(toQ(units[2]));
}
}  // namespace

void updateUnitLabelsOfWindows() {
    const std::string u = rtrim(app.sZeiteinheit);
    if (CalcForm* w = firstLoadedCalcForm({CalcForm::RKconti, CalcForm::Batch, CalcForm::Rohrreaktor,
                                           CalcForm::Fitting})) {
        w->lblZeitEinheit->setText(toQ(u));
        w->lblVPunktInput->setText(toQ("V* /m^3/" + u));
        setRateUnits(w, u);
    }
    if (CalcForm* w = firstLoadedCalcForm({CalcForm::TimeDiagram, CalcForm::Fitting})) setRateUnits(w, u);
    if (CalcForm* w = firstLoadedCalcForm({CalcForm::TimeDiagram})) w->unit4->setText(toQ(u));
    for (VrnForm* f : Forms::all())
        if (auto* t = dynamic_cast<TimeUnitCaptions*>(f)) t->setTimeUnitCaptions(u);
}

}  // namespace vrn

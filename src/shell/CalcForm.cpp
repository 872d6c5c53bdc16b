#include "shell/CalcForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

#include "base/NumberText.h"
#include "base/Zahlbereich.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

CalcForm::CalcForm(CalcType type, Kind kind)
    : VrnForm(kind),
      type_(type),
      zuhoerer_(std::string("CalcForm ") + std::to_string(static_cast<int>(type)),
                kTeilZeiteinheit | kTeilModell | kTeilOrdnung | kTeilKonstanten | kTeilStartkonz | kTeilDatensatz |
                    kTeilZeitbereich | kTeilTemperatur | kTeilDiagrammart,
                [this](const Meldung& m) { gehoert(m); }) {}

QString modellZeile(int modell) {
    if (modell < 1 || modell >= static_cast<int>(app.ModellName.size())) return {};
    QString line = "kinet. Modell:  " + toQ(app.ModellName[static_cast<std::size_t>(modell)]);
    if (modell == 20) line += " (n = " + toQ(Format(app.nOrdnung, "0.00")) + ")";
    return line;
}

void CalcForm::gehoert(const Meldung& m) {
    if (!Inp[0]) return;  // still being built
    if (m.teile & (kTeilZeiteinheit | kTeilModell)) UpdateUnitLabels(*this);
    // The order in force in the model line of a window that shows model 20
    // (the fitting window writes its line with the captions of its mode).
    if ((m.teile & kTeilOrdnung) && Label7 && type_ != Fitting && app.iModell == 20) Label7->setText(modellZeile(20));
    if (m.teile & (kTeilKonstanten | kTeilStartkonz | kTeilDatensatz)) geteilteWerteGeaendert(m.vorher, m.kGeteiltDurch);
    zustandGeaendert(m);
}

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

void CalcForm::geteilteWerteGeaendert(const GeteilteWerte& vorher, double kGeteiltDurch) {
    auto text = [](double v) { return toQ(StrAlsSingle(v)); };
    auto folge = [&](NumberField* feld, double alt, double neu, bool proZeit) {
        if (!feld) return;
        Zahlfeld zahl;
        zahl.leer = Leer::IstNull;
        const Zahllesung gelesen = liesZahl(toStd(feld->text()), zahl);
        if (getippt(feld)) {
            // Typed and not used yet: the user's, in the unit it was typed in;
            // a text that is no number stays, to be named when it is read.
            if (!proZeit || kGeteiltDurch == 1 || !gelesen.ok()) return;
            const double v = gelesen.wert / kGeteiltDurch;
            if (!std::isfinite(v)) return;
            feld->setText(text(v));
            feld->setModified(true);
            return;
        }
        // A field that shows the value in force already keeps its text.
        const bool zeigtNeu = gelesen.ok() && gelesen.wert == neu;
        if (zeigtNeu && (!proZeit || kGeteiltDurch == 1)) return;
        if (neu != alt || !zeigtNeu) feld->setText(text(neu));
    };
    for (std::size_t i = 1; i <= 5; ++i) folge(Inp[i - 1], vorher.c0[i], app.c0[i], false);
    for (std::size_t j = 1; j <= 3; ++j) folge(Inp[9 + j], vorher.k[j], app.k[j], true);
}

bool CalcForm::getippt(const NumberField* f) { return f && f->isModified(); }

void CalcForm::eingabenUebernommen() {
    for (NumberField* f : Inp)
        if (f) f->setModified(false);
}

void CalcForm::zeigeWert(NumberField* f, const QString& text) {
    if (f && !getippt(f)) f->setText(text);
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
    const auto units = rateConstantUnits(w->einheitenModell(), u);
    w->unit1->setText(toQ(units[0]));
    w->unit2->setText(toQ(units[1]));
    w->unit3->setText(toQ(units[2]));
}
}  // namespace

int CalcForm::einheitenModell() const { return app.iModell; }

void UpdateUnitLabels(VrnForm& w) {
    const std::string u = rtrim(app.sZeiteinheit);
    if (auto* c = qobject_cast<CalcForm*>(&w); c && c->unit1) {
        if (c->calcType() != CalcForm::TimeDiagram) {
            c->lblZeitEinheit->setText(toQ(u));
            c->lblVPunktInput->setText(toQ("V* /m^3/" + u));
        } else {
            c->unit4->setText(toQ(u));
        }
        setRateUnits(c, u);
    }
    if (auto* t = dynamic_cast<TimeUnitCaptions*>(&w)) t->setTimeUnitCaptions(u);
}

}  // namespace vrn

#include "shell/StateOwner.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr std::array<const char*, 13> kTeilName{
    "Zeiteinheit", "Modell",     "Ordnung",    "Konstanten", "Startkonz",  "Datensatz",        "Diagrammart",
    "Temperatur",  "Zeitbereich", "Auswertung", "Gezeichnet", "Modellwahl", "DatensatzGeladen"};

// FNV-1a over the bytes of plain values.
class Pruefsumme {
public:
    template <class T>
    void add(const T& v) {
        unsigned char b[sizeof(T)];
        std::memcpy(b, &v, sizeof(T));
        for (unsigned char c : b) step(c);
    }
    std::uint64_t wert() const { return h_; }

private:
    void step(unsigned char c) {
        h_ ^= c;
        h_ *= 1099511628211ull;
    }
    std::uint64_t h_ = 1469598103934665603ull;
};

// Checksum of the measured points and their count: only the thorough check
// of the tests computes it.
std::uint64_t punkteSumme() {
    Pruefsumme p;
    const int n = std::clamp<int>(app.nExpPunkte, 0, static_cast<int>(app.ExpDaten.size()) - 1);
    p.add(app.nExpPunkte);
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& m = app.ExpDaten[static_cast<std::size_t>(i)];
        p.add(m.t);
        p.add(m.c);
        p.add(m.Temp);
        p.add(m.k);
        p.add(m.lambda);
        p.add(m.aus);
    }
    return p.wert();
}

template <class T>
bool gleich(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;  // bit for bit: NaN equals NaN, -0 differs from 0
}

}  // namespace

std::string teilNamen(unsigned teile) {
    std::string s;
    for (std::size_t i = 0; i < kTeilName.size(); ++i) {
        if (!(teile & (1u << i))) continue;
        if (!s.empty()) s += "|";
        s += kTeilName[i];
    }
    return s;
}

GeteilteWerte geteilteWerteJetzt() {
    GeteilteWerte w;
    for (std::size_t i = 1; i <= 5; ++i) w.c0[i] = app.c0[i];
    for (std::size_t j = 1; j <= 3; ++j) w.k[j] = app.k[j];
    return w;
}

StateOwner& zustand() {
    static StateOwner owner;
    return owner;
}

int StateOwner::hoeren(std::string wer, unsigned teile, Hoerer h) {
    const int id = naechsteId_++;
    hoerer_.push_back({id, {std::move(wer), teile}, std::move(h)});
    return id;
}

void StateOwner::nichtMehrHoeren(int id) {
    // While a message goes out the entry is only emptied, so that the loop
    // over the listeners stays valid.
    for (auto& e : hoerer_) {
        if (e.id == id) {
            e.id = 0;
            e.h = nullptr;
        }
    }
    if (!meldet_) hoerer_.erase(std::remove_if(hoerer_.begin(), hoerer_.end(), [](const Eintrag& e) { return e.id == 0; }),
                                hoerer_.end());
}

std::vector<StateOwner::Abo> StateOwner::abos() const {
    std::vector<Abo> r;
    for (const auto& e : hoerer_)
        if (e.id) r.push_back(e.abo);
    return r;
}

StateOwner::Stand StateOwner::jetzt() const {
    Stand s;
    s.zeiteinheit = app.sZeiteinheit;
    s.iZeitEinheit = app.iZeitEinheit;
    s.modell = app.iModell;
    s.ordnung = app.nOrdnung;
    s.k = app.k;
    s.c0 = app.c0;
    s.datensatzStand = datensatzStand_;
    s.nExpPunkte = app.nExpPunkte;
    s.expKommentar = app.ExpKommentar;
    s.expDateiName = app.ExpDateiName;
    s.lambdaInf = app.LambdaInf;
    s.c0Daten = app.c0Daten;
    s.diagrammTyp = app.iDiagrammTyp;
    s.rateDiagramm = app.bRateDiagramm;
    s.temperatur = {static_cast<double>(app.bytKTFunktion), app.dblArrhA, app.dblArrhEA,
                    app.dblEyrPar1, app.dblEyrH, app.dblEyrS};
    s.tEnd = app.tEnd;
    s.auswertungsart = app.bAuswertungsart;
    const GezeichnetMit& g = app.gezeichnetMit;
    s.gezeichnetGueltig = g.gueltig;
    s.gezeichnetModell = g.iModell;
    s.gezeichnetTyp = g.iDiagrammTyp;
    s.gezeichnetSingles = {g.nOrdnung, g.tEnd};
    s.gezeichnetWerte = {g.k[1], g.k[2], g.k[3], g.c0[1], g.c0[2], g.c0[3], g.c0[4], g.c0[5],
                         g.bNumerisch ? 1.0 : 0.0, g.bMMdiagramm ? 1.0 : 0.0};
    s.gezeichnetC0Daten = g.c0Daten;
    s.gezeichnetEinheit = g.sZeiteinheit;
    s.gezeichnetMaske = g.sSpeziesMaske;
    return s;
}

unsigned StateOwner::unterschiede(const Stand& a, const Stand& b) {
    unsigned t = 0;
    if (a.zeiteinheit != b.zeiteinheit || a.iZeitEinheit != b.iZeitEinheit) t |= kTeilZeiteinheit;
    if (a.modell != b.modell) t |= kTeilModell;
    if (!gleich(a.ordnung, b.ordnung)) t |= kTeilOrdnung;
    if (!gleich(a.k, b.k)) t |= kTeilKonstanten;
    if (!gleich(a.c0, b.c0)) t |= kTeilStartkonz;
    if (a.datensatzStand != b.datensatzStand || a.nExpPunkte != b.nExpPunkte || a.expKommentar != b.expKommentar ||
        a.expDateiName != b.expDateiName || !gleich(a.lambdaInf, b.lambdaInf) || !gleich(a.c0Daten, b.c0Daten))
        t |= kTeilDatensatz;
    if (a.diagrammTyp != b.diagrammTyp || a.rateDiagramm != b.rateDiagramm) t |= kTeilDiagrammart;
    if (!gleich(a.temperatur, b.temperatur)) t |= kTeilTemperatur;
    if (!gleich(a.tEnd, b.tEnd)) t |= kTeilZeitbereich;
    if (a.auswertungsart != b.auswertungsart) t |= kTeilAuswertung;
    if (a.gezeichnetGueltig != b.gezeichnetGueltig || a.gezeichnetModell != b.gezeichnetModell ||
        a.gezeichnetTyp != b.gezeichnetTyp || !gleich(a.gezeichnetSingles, b.gezeichnetSingles) ||
        !gleich(a.gezeichnetWerte, b.gezeichnetWerte) || !gleich(a.gezeichnetC0Daten, b.gezeichnetC0Daten) ||
        a.gezeichnetEinheit != b.gezeichnetEinheit || a.gezeichnetMaske != b.gezeichnetMaske)
        t |= kTeilGezeichnet;
    return t;
}

unsigned StateOwner::abweichend() const { return unterschiede(gemeldet_, jetzt()); }

void StateOwner::setGruendlich(bool an) {
    gruendlich_ = an;
    punkteSumme_ = an ? punkteSumme() : 0;
    standBeiSumme_ = datensatzStand_;
}

void StateOwner::punktePruefen() {
    if (!gruendlich_) return;
    const std::uint64_t summe = punkteSumme();
    if (summe != punkteSumme_ && datensatzStand_ == standBeiSumme_) {
        alarm("Messpunkte geschrieben, ohne dass ihr Schreiber datensatzGeschrieben() sagt");
        datensatzGeschrieben();  // announced all the same
    }
    punkteSumme_ = summe;
    standBeiSumme_ = datensatzStand_;
}

void StateOwner::alarm(const std::string& text) const {
    if (alarm_) alarm_(text);
}

void StateOwner::stillUebernehmen() {
    if (gruendlich_) {
        punkteSumme_ = punkteSumme();
        standBeiSumme_ = datensatzStand_;
    }
    gemeldet_ = jetzt();
    vorherGemeldet_ = geteilteWerteJetzt();
    inhaltGemeldet_ = inhaltStand_;
}

void StateOwner::beginne(unsigned markiert, double kGeteiltDurch) {
    if (tiefe_ == 0 && !meldet_) {
        // What was written before without a change is its own message.
        nachzuegler();
    }
    ++tiefe_;
    markiert_ |= markiert;
    if (kGeteiltDurch != 1) faktor_ *= kGeteiltDurch;
}

void StateOwner::beende() {
    if (tiefe_ > 0) --tiefe_;
    if (tiefe_ > 0 || meldet_) return;
    runden();
}

void StateOwner::meldeJetzt(unsigned markiert) {
    markiert_ |= markiert;
    if (!meldet_) runden();
}

unsigned StateOwner::ablehnen() {
    unsigned teile = 0;
    auto endlich = [](double v) { return std::isfinite(v); };
    for (std::size_t j = 1; j <= 3; ++j)
        if (!endlich(app.k[j])) {
            app.k[j] = gemeldet_.k[j];
            teile |= kTeilKonstanten;
        }
    for (std::size_t i = 1; i <= 5; ++i)
        if (!endlich(app.c0[i])) {
            app.c0[i] = gemeldet_.c0[i];
            teile |= kTeilStartkonz;
        }
    if (!std::isfinite(app.nOrdnung)) {
        app.nOrdnung = gemeldet_.ordnung;
        teile |= kTeilOrdnung;
    }
    if (!std::isfinite(app.tEnd)) {
        app.tEnd = gemeldet_.tEnd;
        teile |= kTeilZeitbereich;
    }
    double* temperatur[] = {&app.dblArrhA, &app.dblArrhEA, &app.dblEyrPar1, &app.dblEyrH, &app.dblEyrS};
    for (std::size_t i = 0; i < 5; ++i)
        if (!endlich(*temperatur[i])) {
            *temperatur[i] = gemeldet_.temperatur[i + 1];
            teile |= kTeilTemperatur;
        }
    abgelehnt_ |= teile;
    return teile;
}

void StateOwner::runden() {
    // Listeners may open changes of their own while they are told: each one
    // is announced after the message before it has reached everybody.
    meldet_ = true;
    for (int runde = 0; runde < 16; ++runde) {
        punktePruefen();
        ablehnen();
        const Stand neu = jetzt();
        const unsigned teile = unterschiede(gemeldet_, neu) | markiert_;
        const double f = faktor_;
        markiert_ = 0;
        faktor_ = 1;
        if (!teile) break;
        const GeteilteWerte vorher = vorherGemeldet_;
        const bool neueDaten = inhaltStand_ != inhaltGemeldet_;
        gemeldet_ = neu;
        vorherGemeldet_ = geteilteWerteJetzt();
        inhaltGemeldet_ = inhaltStand_;
        melden(teile, vorher, f, neueDaten);
    }
    meldet_ = false;
    nichtMehrHoeren(0);
}

void StateOwner::nachzuegler() {
    if (tiefe_ > 0 || meldet_) return;
    punktePruefen();
    const unsigned teile = abweichend();
    if (!teile) return;
    unangekuendigt_ |= teile;
    alarm("geschrieben ohne Änderung: " + teilNamen(teile));
    ++tiefe_;
    beende();
}

void StateOwner::melden(unsigned teile, const GeteilteWerte& vorher, double f, bool neueDaten) {
    ++meldungen_;
    Meldung m{teile, vorher, f, neueDaten};
    // Listeners registered while the message goes out hear the next one.
    const std::size_t n = hoerer_.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (hoerer_[i].id == 0 || !(hoerer_[i].abo.teile & teile) || !hoerer_[i].h) continue;
        Hoerer h = hoerer_[i].h;  // the listener may unregister itself
        h(m);
    }
}

}  // namespace vrn

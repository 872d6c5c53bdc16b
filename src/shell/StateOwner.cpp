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

// FNV-1a over the bytes of plain values and strings.
class Pruefsumme {
public:
    template <class T>
    void add(const T& v) {
        unsigned char b[sizeof(T)];
        std::memcpy(b, &v, sizeof(T));
        for (unsigned char c : b) step(c);
    }
    void add(const std::string& s) {
        add(s.size());
        for (char c : s) step(static_cast<unsigned char>(c));
    }
    std::uint64_t wert() const { return h_; }

private:
    void step(unsigned char c) {
        h_ ^= c;
        h_ *= 1099511628211ull;
    }
    std::uint64_t h_ = 1469598103934665603ull;
};

std::uint64_t datensatzSumme() {
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
    p.add(app.ExpKommentar);
    p.add(app.ExpDateiName);
    p.add(app.LambdaInf);
    p.add(app.c0Daten);
    return p.wert();
}

std::uint64_t gezeichnetSumme() {
    const GezeichnetMit& g = app.gezeichnetMit;
    Pruefsumme p;
    p.add(g.gueltig);
    p.add(g.iModell);
    p.add(g.iDiagrammTyp);
    p.add(g.nOrdnung);
    p.add(g.k);
    p.add(g.c0);
    p.add(g.c0Daten);
    p.add(g.tEnd);
    p.add(g.sZeiteinheit);
    p.add(g.sSpeziesMaske);
    p.add(g.bNumerisch);
    p.add(g.bMMdiagramm);
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

StateOwner::Stand StateOwner::jetzt() {
    Stand s;
    s.zeiteinheit = app.sZeiteinheit;
    s.iZeitEinheit = app.iZeitEinheit;
    s.modell = app.iModell;
    s.ordnung = app.nOrdnung;
    s.k = app.k;
    s.c0 = app.c0;
    s.datensatz = datensatzSumme();
    s.diagrammTyp = app.iDiagrammTyp;
    s.rateDiagramm = app.bRateDiagramm;
    s.temperatur = {static_cast<double>(app.bytKTFunktion), app.dblArrhA, app.dblArrhEA,
                    app.dblEyrPar1, app.dblEyrH, app.dblEyrS};
    s.tEnd = app.tEnd;
    s.auswertungsart = app.bAuswertungsart;
    s.gezeichnet = gezeichnetSumme();
    return s;
}

unsigned StateOwner::unterschiede(const Stand& a, const Stand& b) {
    unsigned t = 0;
    if (a.zeiteinheit != b.zeiteinheit || a.iZeitEinheit != b.iZeitEinheit) t |= kTeilZeiteinheit;
    if (a.modell != b.modell) t |= kTeilModell;
    if (!gleich(a.ordnung, b.ordnung)) t |= kTeilOrdnung;
    if (!gleich(a.k, b.k)) t |= kTeilKonstanten;
    if (!gleich(a.c0, b.c0)) t |= kTeilStartkonz;
    if (a.datensatz != b.datensatz) t |= kTeilDatensatz;
    if (a.diagrammTyp != b.diagrammTyp || a.rateDiagramm != b.rateDiagramm) t |= kTeilDiagrammart;
    if (!gleich(a.temperatur, b.temperatur)) t |= kTeilTemperatur;
    if (!gleich(a.tEnd, b.tEnd)) t |= kTeilZeitbereich;
    if (a.auswertungsart != b.auswertungsart) t |= kTeilAuswertung;
    if (a.gezeichnet != b.gezeichnet) t |= kTeilGezeichnet;
    return t;
}

unsigned StateOwner::abweichend() const { return unterschiede(gemeldet_, jetzt()); }

void StateOwner::stillUebernehmen() {
    gemeldet_ = jetzt();
    vorherGemeldet_ = geteilteWerteJetzt();
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
        ablehnen();
        const Stand neu = jetzt();
        const unsigned teile = unterschiede(gemeldet_, neu) | markiert_;
        const double f = faktor_;
        markiert_ = 0;
        faktor_ = 1;
        if (!teile) break;
        const GeteilteWerte vorher = vorherGemeldet_;
        gemeldet_ = neu;
        vorherGemeldet_ = geteilteWerteJetzt();
        melden(teile, vorher, f);
    }
    meldet_ = false;
    nichtMehrHoeren(0);
}

void StateOwner::nachzuegler() {
    if (tiefe_ > 0 || meldet_) return;
    const unsigned teile = abweichend();
    if (!teile) return;
    unangekuendigt_ |= teile;
    ++tiefe_;
    beende();
}

void StateOwner::melden(unsigned teile, const GeteilteWerte& vorher, double f) {
    ++meldungen_;
    Meldung m{teile, vorher, f};
    // Listeners registered while the message goes out hear the next one.
    const std::size_t n = hoerer_.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (hoerer_[i].id == 0 || !(hoerer_[i].abo.teile & teile) || !hoerer_[i].h) continue;
        Hoerer h = hoerer_[i].h;  // the listener may unregister itself
        h(m);
    }
}

}  // namespace vrn

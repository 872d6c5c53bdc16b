#include "data/FitTexts.h"

#include <cmath>

#include "base/NumberText.h"
#include "data/FitObjective.h"
#include "engine/TimeDiagramInput.h"
#include "engine/TimeUnits.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr const char* kK1 = "Geschwindigkeitskonstante k1";
constexpr const char* kArrhA = "Arrhenius-Präexponentialfaktor A";
constexpr const char* kEyrS = "mol. Aktivierungs-Entropie s#";
constexpr const char* kEyrH = "mol. Aktivierungs-Enthalpie h#";
constexpr const char* kModell6 = " kinet. Modell: A => P, 1. Ord.";
constexpr const char* kModell7 = " kinet. Modell: 2A => P, 2. Ord.";

constexpr FitBeschriftung kZeilen[] = {
    {1, 0, nullptr, kK1, "Geschwindigkeitskonstante k2", nullptr, nullptr, nullptr, nullptr, false},
    {2, 0, "kin. Modell: A => P, Fitting der Rkt.-ordnung", kK1, "Reaktionsordnung n", nullptr, nullptr, "n", "",
     false},
    {6, 1, kModell6, kArrhA, "mol. Aktivierungsenergie EA", "A", "/(1/%u)", "", "EA /(J/mol)", false},
    {6, 2, kModell6, kEyrS, kEyrH, "s# /(J/(mol K))", "", "", "h# /(J/mol)", true},
    {7, 1, kModell7, kArrhA, "Aktivierungsenergie EA", "A", "/(1/(%u mol/l))", "", "EA /(J/mol)", false},
    {7, 2, kModell7, kEyrS, kEyrH, "s# /(J/(mol K))", "", "", "h# /(J/mol)", true},
};

// Planck's and Boltzmann's constants as the program uses them.
constexpr double kPlanck = 6.62618e-34;
constexpr double kBoltzmann = 1.38066e-23;

std::string zahl(double x) {
    return std::fabs(x) <= 3.4e38 ? Format(static_cast<float>(x)) : Format(x);
}

}  // namespace

const FitBeschriftung& fitBeschriftung(int modus, int kt) {
    for (const FitBeschriftung& z : kZeilen)
        if (z.modus == modus && (z.kt == 0 || z.kt == kt)) return z;
    // Modes 6 and 7 without a chosen function read as Arrhenius.
    if (modus >= 6) return fitBeschriftung(modus, 1);
    return kZeilen[0];
}

std::string mitZeiteinheit(const char* muster, const std::string& einheit) {
    std::string s = muster ? muster : "";
    if (const auto pos = s.find("%u"); pos != std::string::npos) s.replace(pos, 2, einheit);
    return s;
}

std::string fqsText(double fqs) {
    if (!std::isfinite(fqs)) return "n. b.";
    return fqs >= static_cast<double>(0.1f) ? Format(fqs, "0.0000") : Format(fqs, "0.0000 E+##");
}

std::string stdAbwText(double sd) {
    if (sd == kKeineStdAbw || !std::isfinite(sd)) return "n. b.";
    return Format(std::fabs(sd), "0.0 E+##");
}

int leiteZeitEinheitIdxAb() {
    if (const int i = zeitEinheitIndex(app.sZeiteinheit); i >= 0) app.bytZeitEinheitIdx = static_cast<Byte>(i);
    return app.bytZeitEinheitIdx;
}

bool eyringEntropie(double p1, int einheit, double& S) {
    if (einheit < 0 || einheit > 4 || !(p1 > 0)) return false;
    const double arg = p1 * kPlanck * app.Zeitfaktor[0][static_cast<std::size_t>(einheit)] / kBoltzmann;
    if (!(arg > 0)) return false;
    const double s = kRGas * std::log(arg);
    if (!std::isfinite(s)) return false;
    S = s;
    return true;
}

std::string fitErgebnisText() {
    const std::string kopf = "kinet. Modell: " + app.ModellName[static_cast<std::size_t>(app.iModell)] + "\r\n";
    const int modus = app.bAuswertungsart;
    const std::string& km = app.sKonstMaske;
    auto hat = [&](std::size_t i) { return km.size() > i && km[i] == '1'; };
    if (modus == 6 || modus == 7) {
        if (app.bytKTFunktion == 2)
            return kopf + "Eyring: S# = " + zahl(app.dblEyrS) + " J/(mol K), H# =" + zahl(app.dblEyrH) + " J/mol";
        return kopf + "Arrhenius-A = " + zahl(app.dblArrhA) + ", EA =" + zahl(app.dblArrhEA) + " J/mol";
    }
    std::string s = kopf + "k1 =" + zahl(app.k[1]);
    if (hat(1)) s += modus == 2 ? ", n =" + zahl(app.nOrdnung) : ", k2 =" + zahl(app.k[2]);
    if (hat(2)) s += ", k3 =" + zahl(app.k[3]);
    return s;
}

std::string zweifelText(MarquardtZweifel zweifel, const std::string& rahmen) {
    std::string grund;
    switch (zweifel) {
        case MarquardtZweifel::Keiner: return "";
        case MarquardtZweifel::Gefaelle: grund = "Die FQS wird in der Nähe dieser Parameter noch kleiner."; break;
        case MarquardtZweifel::Stillstand: grund = "Die FQS ändert sich hier mit keinem der Parameter."; break;
        case MarquardtZweifel::Grenze: {
            const std::string t = rahmen.substr(0, rahmen.find_last_not_of(' ') + 1);
            grund = "Der Parameter " + t.substr(t.find_last_of(' ') + 1) +
                    " ist an der Grenze seines Bereichs stehen geblieben.";
            break;
        }
    }
    return grund + "\r\nDas Fitting ist möglicherweise nicht konvergiert; anderen Startwert versuchen.";
}

Zahlfeld fitParameterFeld(const std::string& rahmen, bool single) {
    const std::string t = rahmen.substr(0, rahmen.find_last_not_of(' ') + 1);
    const std::size_t blank = t.find_last_of(' ');
    Zahlfeld f;
    f.thema = blank == std::string::npos ? t : t.substr(0, t.find_last_not_of(' ', blank) + 1);
    f.symbol = blank == std::string::npos ? t : t.substr(blank + 1);
    f.breite = single ? Breite::Single : Breite::Double;
    return f;
}

}  // namespace vrn

#include "SampleData.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>

#include "shell/DataFile.h"
#include "shell/ProjectFile.h"

namespace vrn::samples {

namespace {

constexpr const char* kDatum = "15.05.2024";

// Standard normal numbers from the fully specified mt19937 sequence
// (Box-Muller; the library's distributions differ between implementations).
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : gen_(seed) {}
    double normal() {
        const double u1 = (static_cast<double>(gen_()) + 1.0) / 4294967297.0;
        const double u2 = static_cast<double>(gen_()) / 4294967296.0;
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * 3.14159265358979323846 * u2);
    }
    // x with a relative scatter of rel, rounded to `digits` significant digits.
    double measured(double x, double rel, int digits) { return round(x * (1.0 + rel * normal()), digits); }
    static double round(double x, int digits) {
        if (x == 0) return 0;
        const double scale = std::pow(10.0, digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(x)))));
        return std::round(x * scale) / scale;
    }

private:
    std::mt19937 gen_;
};

SampleFile dataFile(const std::string& name, const std::string& comment, const std::string& unit,
                    const std::vector<Messpunkt>& pts, double lambdaInf) {
    SampleFile f{name, {}};
    std::string error;
    if (!formatDataFile(comment, unit, pts.data(), static_cast<int>(pts.size()), lambdaInf, f.lines, error))
        throw std::runtime_error(error);
    return f;
}

SampleFile projectFile(const std::string& name, const std::string& comment, const std::string& dataName,
                       Integer model, double k1) {
    ProjectFileContent c;
    c.datum = kDatum;
    c.kommentar = comment;
    c.datName = dataName;
    c.modell = model;
    c.k = {k1, 0, 0};
    SampleFile f{name, {}};
    std::string error;
    if (!formatProjectFile(c, f.lines, error)) throw std::runtime_error(error);
    return f;
}

std::vector<Messpunkt> firstOrder() {
    Scatter s(20240515);
    const double c0 = 0.05;
    std::vector<Messpunkt> pts;
    for (int i = 0; i <= 24; ++i) {
        Messpunkt m;
        m.t = 5.0 * i;
        const double cA = c0 * std::exp(-kFirstOrderK * m.t);
        m.c[1] = i == 0 ? c0 : s.measured(cA, 0.015, 4);
        m.c[4] = i == 0 ? 0 : s.measured(c0 - cA, 0.015, 4);
        m.Temp = 298.15;
        pts.push_back(m);
    }
    return pts;
}

std::vector<Messpunkt> secondOrder() {
    Scatter s(20240516);
    const double c0 = 0.02, l0 = 4.96, lInf = 1.82;
    std::vector<Messpunkt> pts;
    for (int i = 0; i <= 15; ++i) {
        Messpunkt m;
        m.t = 120.0 * i;
        const double c = c0 / (1.0 + kSecondOrderK * c0 * m.t);
        m.c[1] = i == 0 ? c0 : s.measured(c, 0.01, 4);
        m.c[2] = i == 0 ? c0 : s.measured(c, 0.01, 4);
        m.c[4] = i == 0 ? 0 : s.measured(c0 - c, 0.01, 4);
        m.lambda = static_cast<Single>(i == 0 ? l0 : s.measured(lInf + (l0 - lInf) * c / c0, 0.003, 4));
        m.Temp = 298.15;
        pts.push_back(m);
    }
    return pts;
}

std::vector<Messpunkt> arrhenius() {
    Scatter s(20240517);
    std::vector<Messpunkt> pts;
    for (int i = 0; i <= 5; ++i) {
        Messpunkt m;
        m.Temp = 288.15 + 10.0 * i;
        m.k = s.measured(kArrheniusA * std::exp(-kArrheniusEA / (kGasConstant * m.Temp)), 0.03, 3);
        pts.push_back(m);
    }
    return pts;
}

}  // namespace

std::vector<SampleFile> makeSamples() {
    std::vector<SampleFile> files;
    files.push_back(dataFile(
        "1st_order.VRD",
        "Zerfall 1. Ordnung A => P bei 25 °C: c(A) und c(P) in mol/l (simulierte Messwerte, 1,5 % Streuung, "
        "k = 0,0215 1/min)",
        "min", firstOrder(), 0));
    files.push_back(projectFile("1st_order.VRP", "Beispiel: Reaktion 1. Ordnung A => P", "1st_order.VRD", 2,
                                kFirstOrderK));
    files.push_back(dataFile("2nd_order.VRD",
                             "Verseifung von Ethylacetat mit Natronlauge bei 25 °C: c in mol/l, Leitfähigkeit lambda "
                             "in mS/cm (simulierte Messwerte, k = 0,11 l/(mol·s))",
                             "s", secondOrder(), 1.82));
    files.push_back(projectFile("2nd_order.VRP", "Beispiel: Reaktion 2. Ordnung A + B => P mit Leitfähigkeit",
                                "2nd_order.VRD", 4, kSecondOrderK));
    files.push_back(dataFile("kT_Arrhenius.VRD",
                             "Geschwindigkeitskonstante k in 1/s bei 15 bis 65 °C (simulierte Messwerte, "
                             "A = 4,94E13 1/s, EA = 103 kJ/mol)",
                             "s", arrhenius(), 0));
    const double k25 = kArrheniusA * std::exp(-kArrheniusEA / (kGasConstant * 298.15));
    files.push_back(projectFile("kT_Arrhenius.VRP", "Beispiel: ARRHENIUS- und EYRING-Auswertung von k-T-Daten",
                                "kT_Arrhenius.VRD", 2, Scatter::round(k25, 3)));
    return files;
}

}  // namespace vrn::samples

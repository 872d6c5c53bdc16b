#include "SampleData.h"
#include "engine/InitialConcentrations.h"
#include "shell/DataFile.h"
#include "shell/DataPreparation.h"
#include "shell/ProjectFile.h"
#include "shell/TextFile.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

const std::string kSamples = VARNOLT_SOURCE_RESOURCES "/samples/";

// Slope of the least-squares line through (x, y).
double slope(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

// Loads a sample project and its data set as the main window does.
void loadSample(const std::string& project) {
    resetAppState("");
    test::MsgRecorder rec;
    std::string dat;
    bool ok = false;
    LoadProjectFile(kSamples + project, dat, ok);
    ASSERT_TRUE(ok);
    ok = false;
    LoadDataFile(kSamples + dat, false, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(rec.count(), 0u);
    PrepareExpDaten();
    getAnfangskonzAusDaten();
}

}  // namespace

TEST(Samples, CommittedFilesAreTheGeneratorsOutput) {
    test::TempFolder dir;
    const auto files = samples::makeSamples();
    ASSERT_EQ(files.size(), 6u);
    for (const auto& f : files) {
        std::string error;
        ASSERT_TRUE(writeTextLines(dir.file(f.name), f.lines, error)) << error;
        EXPECT_EQ(test::readFile(dir.file(f.name)), test::readFile(kSamples + f.name))
            << f.name << ": run make_samples resources/samples";
    }
}

TEST(Samples, SecondOrderGivesItsRateConstantFromConcentrationAndConductivity) {
    loadSample("2nd_order.VRP");
    // Equal start values: A + B => P is evaluated with c(A)(0) = c(B)(0).
    EXPECT_EQ(std::tuple(app.iModell, app.bHatCTDaten, app.bHatLambdaDaten, app.c0Daten[1], app.Lambda0, app.LambdaInf),
              std::tuple(4, true, true, app.c0Daten[2], static_cast<double>(4.96f), 1.82));
    std::vector<double> t, yc, yl;
    const double c0 = app.c0Daten[1];
    for (int i = 1; i <= app.nExpPunkte; ++i) {
        const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        t.push_back(p.t);
        yc.push_back(1.0 / p.c[1]);
        yl.push_back(((app.LambdaInf - app.Lambda0) / (app.LambdaInf - p.lambda)) / c0);
    }
    EXPECT_NEAR(slope(t, yc), samples::kSecondOrderK, 0.05 * samples::kSecondOrderK);
    EXPECT_NEAR(slope(t, yl), samples::kSecondOrderK, 0.05 * samples::kSecondOrderK);
}

TEST(Samples, ArrheniusDataGiveTheActivationEnergy) {
    loadSample("kT_Arrhenius.VRP");
    EXPECT_EQ(std::tuple(app.bHatKTDaten, app.bHatCTDaten, app.nKurvenTemp), std::tuple(true, false, 6));
    std::vector<double> x, y;
    for (int i = 1; i <= app.nExpPunkte; ++i) {
        const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        x.push_back(1.0 / p.Temp);
        y.push_back(std::log(p.k));
    }
    const double ea = -slope(x, y) * samples::kGasConstant;
    EXPECT_NEAR(ea, samples::kArrheniusEA, 0.05 * samples::kArrheniusEA);
}

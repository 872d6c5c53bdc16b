#include "shell/CalcForm.h"
#include "shell/Helpers.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

template <CalcForm::CalcType T>
class ProbeCalc : public CalcForm {
public:
    ProbeCalc() : CalcForm(T) { ensureSharedControls(); }
};

using TimeWin = ProbeCalc<CalcForm::TimeDiagram>;
using KesselWin = ProbeCalc<CalcForm::RKconti>;
using BatchWin = ProbeCalc<CalcForm::Batch>;
using FitWin = ProbeCalc<CalcForm::Fitting>;

class EditorProbe : public VrnForm, public TimeUnitCaptions {
public:
    QString caption;
    void setTimeUnitCaptions(const std::string& u) override { caption = QString::fromStdString("Zeit t/" + u); }
};

}  // namespace

class UnitLabels : public ::testing::Test {
protected:
    test::GuiTest env;
};

TEST_F(UnitLabels, ReactorBeforeFittingAndTimeDiagramBeforeFitting) {
    app.sZeiteinheit = "h ";
    app.iModell = 7;
    auto& fit = Forms::get<FitWin>();
    auto& batch = Forms::get<BatchWin>();
    UpdateUnitLabels();
    // Step 1 takes the reactor window only.
    EXPECT_EQ(std::tuple(batch.lblZeitEinheit->text(), batch.lblVPunktInput->text(), batch.unit1->text(),
                         batch.unit2->text()),
              std::tuple("h", "V* /m^3/h", "/(l/(h*mol))", "/(l/(h*mol))"));
    EXPECT_EQ(fit.lblZeitEinheit->text(), QString(""));
    // Step 2 takes the fitting window when no time diagram is open.
    EXPECT_EQ(fit.unit1->text(), QString("/(l/(h*mol))"));

    app.sZeiteinheit = "s";
    auto& time = Forms::get<TimeWin>();
    UpdateUnitLabels();
    // The fitting window is untouched now.
    EXPECT_EQ(std::tuple(time.unit1->text(), fit.unit1->text(), batch.lblZeitEinheit->text()),
              std::tuple("/(l/(s*mol))", "/(l/(h*mol))", "s"));
}

TEST_F(UnitLabels, KesselComesFirstAndEditorsFollow) {
    app.sZeiteinheit = "d";
    app.iModell = 1;
    auto& batch = Forms::get<BatchWin>();
    auto& kessel = Forms::get<KesselWin>();
    auto& ed = Forms::get<EditorProbe>();
    UpdateUnitLabels();
    EXPECT_EQ(std::tuple(kessel.unit1->text(), batch.unit1->text(), ed.caption),
              std::tuple("/(mol/(d*l))", "", "Zeit t/d"));
}

TEST_F(UnitLabels, NoWindowOpenChangesNothing) {
    UpdateUnitLabels();
    EXPECT_TRUE(Forms::all().empty());
}

#include <gtest/gtest.h>

#include <QLabel>

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
    EXPECT_EQ(batch.lblZeitEinheit->text(), QString("h"));
    EXPECT_EQ(batch.lblVPunktInput->text(), QString("V* /m^3/h"));
    EXPECT_EQ(batch.unit1->text(), QString("/(l/(h*mol))"));
    EXPECT_EQ(batch.unit2->text(), QString("/(l/(h*mol))"));
    EXPECT_EQ(fit.lblZeitEinheit->text(), QString(""));
    // Step 2 takes the fitting window when no time diagram is open.
    EXPECT_EQ(fit.unit1->text(), QString("/(l/(h*mol))"));

    app.sZeiteinheit = "s";
    auto& time = Forms::get<TimeWin>();
    UpdateUnitLabels();
    EXPECT_EQ(time.unit1->text(), QString("/(l/(s*mol))"));
    EXPECT_EQ(fit.unit1->text(), QString("/(l/(h*mol))"));  // untouched now
    EXPECT_EQ(batch.lblZeitEinheit->text(), QString("s"));
}

TEST_F(UnitLabels, KesselComesFirstAndEditorsFollow) {
    app.sZeiteinheit = "d";
    app.iModell = 1;
    auto& batch = Forms::get<BatchWin>();
    auto& kessel = Forms::get<KesselWin>();
    auto& ed = Forms::get<EditorProbe>();
    UpdateUnitLabels();
    EXPECT_EQ(kessel.unit1->text(), QString("/(mol/(d*l))"));
    EXPECT_EQ(batch.unit1->text(), QString(""));
    EXPECT_EQ(ed.caption, QString("Zeit t/d"));
}

TEST_F(UnitLabels, NoWindowOpenChangesNothing) {
    UpdateUnitLabels();
    EXPECT_TRUE(Forms::all().empty());
}

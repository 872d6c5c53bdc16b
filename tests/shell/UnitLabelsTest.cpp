#include "shell/CalcForm.h"
#include "shell/Helpers.h"
#include "platform/Paths.h"
#include "shell/StateOwner.h"
#include "support/GuiTestSupport.h"
#include "support/StateAlarm.h"

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

}  // namespace

class UnitLabels : public ::testing::Test {
protected:
    test::GuiTest env;
};

// A unit change reaches every open window, not the first of a list only:
// each shows the unit in force in its own captions.
TEST_F(UnitLabels, EveryOpenWindowShowsTheUnitInForce) {
    {
        Aenderung a;
        app.iModell = 7;
    }
    auto& fit = Forms::get<FitWin>();
    auto& batch = Forms::get<BatchWin>();
    auto& time = Forms::get<TimeWin>();
    auto& kessel = Forms::get<KesselWin>();
    {
        Aenderung a;
        app.sZeiteinheit = "h ";
    }
    for (CalcForm* w : {static_cast<CalcForm*>(&batch), static_cast<CalcForm*>(&fit), static_cast<CalcForm*>(&kessel)})
        EXPECT_EQ(std::tuple(w->lblZeitEinheit->text(), w->lblVPunktInput->text(), w->unit1->text(), w->unit2->text()),
                  std::tuple("h", "V* /m^3/h", "/(l/(h*mol))", "/(l/(h*mol))"))
            << w->calcType();
    EXPECT_EQ(std::tuple(time.unit4->text(), time.unit1->text()), std::tuple("h", "/(l/(h*mol))"));

    // A model change rewrites the rate-constant units of every window.
    {
        Aenderung a;
        app.iModell = 1;
    }
    EXPECT_EQ(std::tuple(time.unit1->text(), fit.unit1->text(), batch.unit1->text(), kessel.unit1->text()),
              std::tuple("/(mol/(h*l))", "/(mol/(h*l))", "/(mol/(h*l))", "/(mol/(h*l))"));
}

TEST_F(UnitLabels, AWriteWithoutAChangeIsAnnouncedWhenTheLoopFallsIdle) {
    auto& batch = Forms::get<BatchWin>();
    {
        Aenderung a;
        app.iModell = 1;
    }
    zustand().unangekuendigtZuruecksetzen();
    app.sZeiteinheit = "d";
    EXPECT_EQ(batch.unit1->text(), QString("/(mol/(s*l))")) << "not yet announced";
    // The write is announced all the same, and the alarm names it.
    EXPECT_EQ(test::alarmsOf([] { zustand().nachzuegler(); }),
              std::vector<std::string>{"geschrieben ohne Änderung: Zeiteinheit"});
    EXPECT_EQ(batch.unit1->text(), QString("/(mol/(d*l))"));
    EXPECT_EQ(zustand().unangekuendigt(), kTeilZeiteinheit);
    zustand().unangekuendigtZuruecksetzen();
}

TEST_F(UnitLabels, NoWindowOpenChangesNothing) {
    {
        Aenderung a;
        app.sZeiteinheit = "min";
    }
    EXPECT_TRUE(Forms::all().empty());
}

namespace {
// A window with unit captions of its own.
class EigeneBeschriftung : public VrnForm, public TimeUnitCaptions {
public:
    void setTimeUnitCaptions(const std::string& u) override { text = u; }
    std::string text;
};
}  // namespace

// UpdateUnitLabels writes the captions of the one window it is given, from
// the unit in force without its trailing blanks and the window's model
// (the rate-constant units each model's reactions have), and nothing of the state.
TEST_F(UnitLabels, UpdateUnitLabelsWritesOneWindowsCaptions) {
    // model, unit, unit1..unit3 of a reactor window
    const std::tuple<Integer, const char*, const char*, const char*, const char*> faelle[] = {
        {17, "min ", "/(l/(min*mol))", "/(1/min)", "/(1/min)"},
        {1, "h", "/(mol/(h*l))", "/(1/h)", "/(1/h)"},
        {7, "d", "/(l/(d*mol))", "/(l/(d*mol))", "/(1/d)"},
        {20, "a", "", "/(1/a)", "/(1/a)"},
        {6, "s", "/(1/s)", "/(1/s)", "/(1/s)"},
    };
    auto& batch = Forms::get<BatchWin>();
    auto& time = Forms::get<TimeWin>();
    EigeneBeschriftung eigene;
    for (const auto& [modell, einheit, u1, u2, u3] : faelle) {
        SCOPED_TRACE(einheit);
        // Written without a change: no window has heard it (taken as
        // announced below, so that the alarm stays quiet).
        app.iModell = modell;
        app.sZeiteinheit = einheit;
        const std::string u = rtrim(einheit);
        for (CalcForm* w : {static_cast<CalcForm*>(&batch), static_cast<CalcForm*>(&time)}) UpdateUnitLabels(*w);
        UpdateUnitLabels(eigene);
        EXPECT_EQ(std::tuple(batch.unit1->text(), batch.unit2->text(), batch.unit3->text(), batch.lblZeitEinheit->text(),
                             batch.lblVPunktInput->text()),
                  std::tuple(u1, u2, u3, toQ(u), toQ("V* /m^3/" + u)));
        EXPECT_EQ(std::tuple(time.unit4->text(), time.unit1->text(), eigene.text), std::tuple(toQ(u), u1, u));
        EXPECT_EQ(zustand().abweichend(), kTeilModell | kTeilZeiteinheit) << "nothing written by the helper";
        zustand().stillUebernehmen();
    }
}

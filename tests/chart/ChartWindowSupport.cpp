#include "ChartWindowSupport.h"

#include "chart/Grafik.h"
#include "shell/StateOwner.h"
#include "engine/InitialConcentrations.h"
#include "engine/ModelMasks.h"
#include "engine/Simulation.h"
#include "shell/DataPreparation.h"

namespace vrn::test {

frmGraph2D* ChartWindowTest::fenster() { return Forms::loaded<frmGraph2D>(); }

frmGraph2D& ChartWindowTest::simulationsDiagramm(int m, double cA, double cB, double k1, double k2, Single tEnd,
                                                 bool rate) {
    // The request of a window that draws the model: one change.
    Aenderung aenderung;
    app.iModell = static_cast<Integer>(m);
    SetSpeziesMaske(app.iModell);
    // As the model choice sets them.
    app.bNumerisch = m == 7 || m == 9 || m == 10 || m == 13 || m == 14 || m == 15 || m == 18 || m == 20;
    app.c0 = {};
    app.c0[1] = cA;
    app.c0[2] = cB;
    app.k = {};
    app.k[1] = k1;
    app.k[2] = k2;
    app.tEnd = tEnd;
    app.bRateDiagramm = rate;
    Integer err = 0;
    calc_diagramfunctioncT(app.iModell, err);
    EXPECT_EQ(err, 0);
    app.iDiagrammTyp = static_cast<Integer>(rate ? m + 50 : m);
    zeigeDiagramm();
    processEvents();
    frmGraph2D* f = fenster();
    EXPECT_NE(f, nullptr);
    return *f;
}

void ChartWindowTest::datensatz(int n, const std::function<void(Messpunkt&, int)>& fill) {
    Aenderung aenderung;
    setDataSet(n, fill);
    PrepareExpDaten();
    getAnfangskonzAusDaten();
}

void ChartWindowTest::abfall(int n, double dt, double t0, bool mitP) {
    datensatz(n, [=](Messpunkt& p, int i) {
        p.t = t0 + dt * (i - 1);
        p.c[1] = 0.1 * std::exp(-0.15 * p.t);
        if (mitP) p.c[4] = 0.1 - p.c[1];
    });
}

frmGraph2D& ChartWindowTest::datenDiagramm(int kind) {
    Aenderung aenderung;
    app.iDiagrammTyp = static_cast<Integer>(kind);
    CalcDataRanges(app.iDiagrammTyp, false);
    zeigeDiagramm();
    processEvents();
    frmGraph2D* f = fenster();
    EXPECT_NE(f, nullptr);
    return *f;
}

}  // namespace vrn::test

// Shared set-up of the chart-window tests: a main window with its MDI area,
// a model simulated by the engine and opened through the chart request.
#pragma once

#include "chart/frmGraph2D.h"
#include "shell/StateOwner.h"
#include "support/GuiTestSupport.h"

namespace vrn::test {

class ChartWindowTest : public MainWindowTest {
protected:
    ChartWindowTest() : MainWindowTest(false, {1100, 800}) {}

    // Simulates model m from c0 (A, B) with k1, k2 over 0..tEnd and opens
    // the chart of its concentrations (rate = false) or rates (rate = true).
    frmGraph2D& simulationsDiagramm(int m, double cA, double cB, double k1, double k2, Single tEnd, bool rate = false);
    // The same chart window with its chart control.
    std::pair<frmGraph2D&, ChartControl&> diagramm(int m, double cA, double cB, double k1, double k2, Single tEnd,
                                                   bool rate = false) {
        frmGraph2D& w = simulationsDiagramm(m, cA, cB, k1, k2, tEnd, rate);
        return {w, *w.Chart2D1};
    }
    // Opens the chart of diagram kind `kind` for the data set in ExpDaten
    // (analysed, ranges computed) through the chart request.
    frmGraph2D& datenDiagramm(int kind);
    // Replaces the data set by n points made by fill(point, index 1..n).
    static void datensatz(int n, const std::function<void(Messpunkt&, int)>& fill);
    // Measured first-order decay c(A) = 0.1 exp(-0.15 t) at t = t0 + dt (i - 1), and c(P) = 0.1 - c(A) when asked.
    static void abfall(int n, double dt, double t0 = 0, bool mitP = false);

    static frmGraph2D* fenster();
};

}  // namespace vrn::test

// The chart window tests name their fixture without its namespace.
using vrn::test::ChartWindowTest;

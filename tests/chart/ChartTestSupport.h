// Shared set-up of the chart tests: a fresh application state with a
// measured data set built from closed-form laws.
#pragma once

#include "shell/Hooks.h"
#include "support/TestSupport.h"

namespace vrn::test {

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState("");
        hooks().chartWindow = ChartWindowHooks{};
    }
    void TearDown() override { hooks().chartWindow = ChartWindowHooks{}; }

public:
    static void datensatz(int n, const std::function<void(Messpunkt&, int)>& fill) { setDataSet(n, fill); }

    static void achsen(Single xMin, Single xMax, Single yMin, Single yMax) {
        app.tDiagramm.XMin = xMin;
        app.tDiagramm.XMax = xMax;
        app.tDiagramm.YMin = yMin;
        app.tDiagramm.YMax = yMax;
    }
};

}  // namespace vrn::test

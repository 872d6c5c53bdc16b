// Shared set-up of the chart tests: a fresh application state with a
// measured data set built from closed-form laws.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "chart/ChartHooks.h"
#include "shell/AppState.h"

namespace vrn::test {

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState("");
        chartHooks() = ChartHooks{};
    }
    void TearDown() override { chartHooks() = ChartHooks{}; }

public:
    // Replaces the data set by n points made by fill(point, index 1..n).
    static void datensatz(int n, const std::function<void(Messpunkt&, int)>& fill) {
        app.ExpDaten.assign(static_cast<std::size_t>(n + 1), Messpunkt{});
        app.nExpPunkte = static_cast<Integer>(n);
        for (int i = 1; i <= n; ++i) fill(app.ExpDaten[static_cast<std::size_t>(i)], i);
    }

    static void achsen(Single xMin, Single xMax, Single yMin, Single yMax) {
        app.tDiagramm.XMin = xMin;
        app.tDiagramm.XMax = xMax;
        app.tDiagramm.YMin = yMin;
        app.tDiagramm.YMax = yMax;
    }
};

}  // namespace vrn::test

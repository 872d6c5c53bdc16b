#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "shell/AppState.h"
#include "shell/DataFile.h"
#include "shell/DataPreparation.h"
#include "shell/TextFile.h"

namespace {

std::vector<vrn::Messpunkt> points(int n) {
    std::vector<vrn::Messpunkt> pts(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto& m = pts[static_cast<std::size_t>(i)];
        m.t = i * 0.5;
        m.c[1] = 0.05 * std::exp(-0.01 * i);
        m.c[4] = 0.05 - m.c[1];
        m.Temp = 290.0 + (i % 37) * 0.7;
        m.k = 1e-3 * (1 + i % 11);
        m.lambda = 1.5f + static_cast<float>(i % 100) / 50.0f;
    }
    return pts;
}

// Formatting and reading back a full data set of 32767 points.
void BM_DataFileRoundTrip(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto pts = points(n);
    std::vector<std::string> lines;
    std::string error;
    vrn::formatDataFile("Benchmark", "s", pts.data(), n, 4.2, lines, error);
    const std::string bytes = vrn::encodeLines(lines);
    for (auto _ : state) {
        vrn::DataFileContent c;
        benchmark::DoNotOptimize(vrn::parseDataFile(bytes, c, error));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_DataFileRoundTrip)->Arg(100)->Arg(32767);

// The analysis of the data set (isotherm sort included) and the ranges.
void BM_PrepareAndRanges(benchmark::State& state) {
    vrn::resetAppState("");
    const int n = static_cast<int>(state.range(0));
    const auto pts = points(n);
    vrn::app.ExpDaten.assign(pts.size() + 1, vrn::Messpunkt{});
    std::copy(pts.begin(), pts.end(), vrn::app.ExpDaten.begin() + 1);
    vrn::app.nExpPunkte = static_cast<vrn::Integer>(n);
    vrn::app.LambdaInf = 4.2;
    for (auto _ : state) {
        vrn::PrepareExpDaten();
        vrn::CalcDataRanges(-5, true);
        vrn::CalcLambdaRange1();
        benchmark::DoNotOptimize(vrn::app.Achsenbereich[1]);
    }
}
BENCHMARK(BM_PrepareAndRanges)->Arg(100)->Arg(32767);

}  // namespace

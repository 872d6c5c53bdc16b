// Redrawing the chart offscreen: 24 curves of 2000 points each, as a full
// chart window holds them (grid, labels, legend, header). Target: a redraw
// within 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/ChartControl.h"

namespace {

constexpr int kCurves = 24;
constexpr int kPoints = 2000;

std::vector<double> curveY(int curve, double phase) {
    std::vector<double> y(kPoints);
    for (int i = 0; i < kPoints; ++i) y[static_cast<std::size_t>(i)] = std::exp(-0.001 * i * (1 + curve * 0.2)) * std::cos(0.01 * i + phase);
    return y;
}

std::unique_ptr<vrn::ChartControl> fullChart() {
    auto chart = std::make_unique<vrn::ChartControl>();
    chart->resize(1000, 700);
    chart->show();
    chart->beginUpdate();
    chart->setSeriesCount(1, 27);
    chart->setSeriesCount(2, 7);
    chart->setAxisRange(vrn::ChartAxis::X, 0, 200);
    chart->setAxisRange(vrn::ChartAxis::Y, -1, 1);
    chart->setGridPattern(vrn::ChartAxis::X, 4);
    chart->setGridPattern(vrn::ChartAxis::Y, 4);
    chart->setText(vrn::ChartTextBlock::Header, "24 Kurven zu je 2000 Punkten");
    chart->setAxisTitle(vrn::ChartAxis::X, "t/ s");
    chart->setAxisTitle(vrn::ChartAxis::Y, "c/ (mol/l)");
    std::vector<double> x(kPoints);
    for (int i = 0; i < kPoints; ++i) x[static_cast<std::size_t>(i)] = i * 0.1;
    for (int s = 1; s <= kCurves; ++s) {
        chart->setPoints(1, s, x, curveY(s, 0));
        chart->setLineColour(1, s, vrn::RGB((s * 40) % 256, (s * 90) % 256, (s * 150) % 256));
        const std::string number = std::to_string(s);
        chart->setSeriesLabel(1, s, std::string("Kurve ").append(number));
        chart->setLabelText(s, std::string(" ").append(number));
        chart->setLabelPoint(s, 100 + 70 * s);
    }
    chart->setLegendShown(true);
    chart->endUpdate();
    return chart;
}

// Redraw of an unchanged chart (drawing only).
void BM_ChartReplot24x2000(benchmark::State& state) {
    auto chart = fullChart();
    for (auto _ : state) chart->replotNow();
    state.counters["replots"] = chart->replotCount();
}
BENCHMARK(BM_ChartReplot24x2000)->Unit(benchmark::kMillisecond);

// All 24 curves get new points inside one batch: one redraw.
void BM_ChartRewriteAndReplot24x2000(benchmark::State& state) {
    auto chart = fullChart();
    std::vector<double> x(kPoints);
    for (int i = 0; i < kPoints; ++i) x[static_cast<std::size_t>(i)] = i * 0.1;
    std::vector<std::vector<double>> ys;
    for (int s = 1; s <= kCurves; ++s) ys.push_back(curveY(s, 0.5));
    for (auto _ : state) {
        chart->beginUpdate();
        for (int s = 1; s <= kCurves; ++s) chart->setPoints(1, s, x, ys[static_cast<std::size_t>(s - 1)]);
        chart->endUpdate();
    }
}
BENCHMARK(BM_ChartRewriteAndReplot24x2000)->Unit(benchmark::kMillisecond);

// Writing point by point, as the chart window's curve writer does, then one redraw.
void BM_ChartPointByPoint24x2000(benchmark::State& state) {
    auto chart = fullChart();
    for (auto _ : state) {
        chart->beginUpdate();
        for (int s = 1; s <= kCurves; ++s) {
            chart->setPointCount(1, s, kPoints);
            for (int i = 1; i <= kPoints; ++i) chart->setPoint(1, s, i, i * 0.1, std::sin(i * 0.01 + s));
        }
        chart->endUpdate();
    }
}
BENCHMARK(BM_ChartPointByPoint24x2000)->Unit(benchmark::kMillisecond);

// The chart as an SVG picture file: the curves lie inside the plot area.
void BM_ChartSvg24x2000(benchmark::State& state) {
    auto chart = fullChart();
    QTemporaryDir dir;
    for (auto _ : state) chart->savePicture(dir.filePath("bild.svg"), vrn::ChartPicture::Svg);
}
BENCHMARK(BM_ChartSvg24x2000)->Unit(benchmark::kMillisecond);

// The same when every curve runs along the frame for its whole length (within
// a pen width of the lower and the upper edge, by turns) and out across it:
// every point is cut at the plot area as the screen cuts it.
void BM_ChartSvgAlongTheFrame24x2000(benchmark::State& state) {
    auto chart = fullChart();
    chart->beginUpdate();
    std::vector<double> x(kPoints);
    for (int i = 0; i < kPoints; ++i) x[static_cast<std::size_t>(i)] = i * 0.1;
    for (int s = 1; s <= kCurves; ++s) {
        std::vector<double> y(kPoints);
        const double edge = s % 2 ? -1 : 1;
        for (int i = 0; i < kPoints; ++i) y[static_cast<std::size_t>(i)] = edge + 0.004 * std::sin(0.3 * i + s);
        chart->setPoints(1, s, x, y);
        chart->setLineWidth(1, s, 1 + s % 3);
    }
    chart->endUpdate();
    QTemporaryDir dir;
    for (auto _ : state) chart->savePicture(dir.filePath("bild.svg"), vrn::ChartPicture::Svg);
}
BENCHMARK(BM_ChartSvgAlongTheFrame24x2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

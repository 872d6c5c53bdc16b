// Windows on the largest data set the files allow (32 767 points), offscreen:
// opening the data-set editor (time and memory added), opening the fitting
// window with its chart, and one Auto-Fitting. Targets: editor 0.15 s and
// 30 MB, fitting window 0.1 s, Auto-Fitting 0.1 s.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include <cmath>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "app/MDIVRN.h"
#include "app/StartUp.h"
#include "chart/frmGraph2D.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "engine/InitialConcentrations.h"
#include "platform/Forms.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"

using namespace vrn;

namespace {

constexpr int kPunkte = 32767;

// Resident memory in MB.
double residentMB() {
    std::ifstream f("/proc/self/statm");
    long pages = 0, resident = 0;
    f >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A first-order set: c(A) = 0.1 exp(-0.15 t) with a little scatter, t = 0 .. 100 s.
void grosserDatensatz() {
    app.ExpDaten.assign(kPunkte + 1, Messpunkt{});
    for (int i = 1; i <= kPunkte; ++i) {
        Messpunkt& m = app.ExpDaten[static_cast<std::size_t>(i)];
        m.t = 100.0 * (i - 1) / (kPunkte - 1);
        m.c[1] = 0.1 * std::exp(-0.15 * m.t) * (1 + 0.01 * std::sin(7.0 * i));
    }
    app.nExpPunkte = kPunkte;
    PrepareExpDaten();
    getAnfangskonzAusDaten();
}

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

std::unique_ptr<MDIVRN> hauptfenster() {
    auto w = std::make_unique<MDIVRN>();
    w->resize(1366, 768);
    w->show();
    w->MDIForm_Load();
    w->mnuEdit->setEnabled(true);  // as after loading a data file
    settle();
    return w;
}

void BM_DateditOpen32767(benchmark::State& state) {
    auto w = hauptfenster();
    grosserDatensatz();
    double added = 0;
    for (auto _ : state) {
        const double before = residentMB();
        w->clickMenu("mnuEdit");
        settle();
        added = residentMB() - before;
        state.PauseTiming();
        const bool offen = IsFormLoaded<frmDatedit>();
        Forms::unload<frmDatedit>();
        settle();
        state.ResumeTiming();
        if (!offen) {
            state.SkipWithError("editor not open");
            break;
        }
    }
    state.counters["MB_added"] = added;
    Forms::destroyAll();
}
BENCHMARK(BM_DateditOpen32767)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FittingOpen32767(benchmark::State& state) {
    auto w = hauptfenster();
    grosserDatensatz();
    for (auto _ : state) {
        w->clickMenu("mnuCtFitting");
        settle();
        state.PauseTiming();
        const bool offen = IsFormLoaded<frmFitting>() && IsFormLoaded<frmGraph2D>();
        Forms::unload<frmFitting>();
        Forms::unload<frmGraph2D>();
        settle();
        state.ResumeTiming();
        if (!offen) {
            state.SkipWithError("fitting not open");
            break;
        }
    }
    Forms::destroyAll();
}
BENCHMARK(BM_FittingOpen32767)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AutoFitting32767(benchmark::State& state) {
    auto w = hauptfenster();
    grosserDatensatz();
    w->clickMenu("mnuCtFitting");
    settle();
    frmFitting* f = Forms::loaded<frmFitting>();
    if (!f) {
        state.SkipWithError("fitting not open");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        f->Inp[10]->setText(" .1");
        state.ResumeTiming();
        f->cmdAutoFitting->click();
        settle();
    }
    if (std::fabs(app.k[1] / 0.15 - 1) > 0.01) state.SkipWithError("fit failed");
    Forms::destroyAll();
}
BENCHMARK(BM_AutoFitting32767)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    installPlatform(qapp);
    setMsgHandler([](const MsgRequest& r) { return firstAnswer(r.buttons); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

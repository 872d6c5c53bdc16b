// The reactor kernels and the half-life functions take the model's values
// as arguments: with them they give what the forms that read the shared
// state give, to the last bit, whatever the shared state holds, and they
// write nothing of it.
#include <gtest/gtest.h>

#include "engine/HalfLife.h"
#include "reactors/ConversionSearch.h"
#include "reactors/Extents.h"
#include "reactors/StirredTank.h"
#include "support/TestSupport.h"
#include "ReactorTestSupport.h"
#include "shell/AppState.h"

using namespace vrn;
using namespace vrn::test;

namespace {

struct Row {
    Integer model;
    std::array<double, 3> k;
    std::array<double, 5> c0;
};

// The shared values a kernel might wrongly read or write, all set to numbers
// no computation here would give.
void scramble() {
    app.c0 = {0, 7, 7, 7, 7, 7};
    app.k = {0, 9, 9, 9};
    app.nOrdnung = 0.25f;
    app.iModell = 3;
    app.iDiagrammTyp = 3;
    app.cAkt = {0, -3, -3, -3, -3, -3};
    app.ksi = {0, -4, -4, -4};
    app.dtSim = -5;
}

void expectScrambled() {
    EXPECT_EQ(app.c0, (Konz{0, 7, 7, 7, 7, 7}));
    EXPECT_EQ(app.cAkt, (Konz{0, -3, -3, -3, -3, -3}));
    EXPECT_EQ(app.ksi[1], -4);
    EXPECT_EQ(app.ksi[2], -4);
    EXPECT_EQ(app.dtSim, -5);
    EXPECT_EQ(app.k[1], 9);
}

}  // namespace

TEST(KernelInputs, SameResultsWithoutTheSharedState) {
    const Row rows[] = {
        {2, {0.15, 0, 0}, {1, 0, 0, 0, 0}},          {4, {0.15, 0, 0}, {1, 0.8, 0, 0, 0}},
        {7, {0.15, 0.1, 0}, {1, 1.5, 0, 0, 0}},      {10, {1e3, 0.1, 0.005}, {1e-3, 5, 0, 0, 0}},
        {12, {0.3, 0.01, 0}, {1, 1, 0, 0.1, 0}},     {15, {0.3, 0.1, 0.05}, {1, 0, 0, 0, 0}},
        {17, {0.3, 0.05, 0}, {1, 0.7, 0, 0.1, 0}},   {18, {0.3, 0.1, 0.05}, {1, 1, 0, 0, 0}},
        {20, {0.15, 0, 0}, {1, 0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.model);
        MsgRecorder rec;
        setReactor(r.model, r.k, r.c0, 1.5f);
        app.iDiagrammTyp = r.model;
        const ModelInputs in = currentModelInputs();
        const HalbwertszeitLage lage = currentHalbwertszeitLage();

        // The forms that read the shared state.
        double U1 = 0.4, V1 = 1, VP1 = 0.3, tau1 = 3;
        Konz tank1{};
        const bool tankOk1 = CalcRKconti(r.model, 3, U1, V1, VP1, tau1, tank1).ok;
        const double ksiTank1 = app.ksi[1];
        double t1 = 0;
        ReactorStatus f1;
        const CalcOutcome o1 = batchResult(true, t1, 0.5, f1);
        const Konz batch1 = app.cAkt;
        const double step1 = app.dtSim;
        calcKsi();
        const double ksi1 = app.ksi[1], ksi2 = app.ksi[2];
        const Single halfA1 = FuHalbwertszeitA(in.c0[1], in.c0[2], in.c0[4], in.k[1], in.k[2]);

        const std::size_t messages = rec.count();  // a half value out of reach is told

        // The same with the arguments, the shared state scrambled.
        scramble();
        double U2 = 0.4, V2 = 1, VP2 = 0.3, tau2 = 3, ksiTank2 = 0;
        Konz tank2{};
        EXPECT_EQ(CalcRKconti(in, 3, U2, V2, VP2, tau2, tank2, ksiTank2).ok, tankOk1);
        EXPECT_EQ(std::tuple(U2, V2, VP2, tau2, tank2), std::tuple(U1, V1, VP1, tau1, tank1));
        if (tankOk1) {
            EXPECT_EQ(ksiTank2, ksiTank1);
        }
        double t2 = 0, step2 = 0;
        Konz batch2{};
        ReactorStatus f2;
        EXPECT_EQ(batchResult(in, true, t2, 0.5, batch2, step2, f2), o1);
        EXPECT_EQ(std::tuple(t2, batch2), std::tuple(t1, batch1));
        if (isNumericalModel(r.model) && r.model != 20) {
            EXPECT_EQ(step2, step1);
        }
        double k1 = 0, k2 = 0;
        calcKsi(r.model, in.c0, batch2, k1, k2);
        EXPECT_EQ(std::tuple(k1, k2), std::tuple(ksi1, ksi2));
        EXPECT_EQ(FuHalbwertszeitA(lage, in.c0[1], in.c0[2], in.c0[4], in.k[1], in.k[2]), halfA1);
        expectScrambled();
        EXPECT_EQ(rec.count(), 2 * messages);
    }
}

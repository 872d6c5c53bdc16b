#include <gtest/gtest.h>

#include "support/TestSupport.h"

using namespace vrn;

TEST(StartValues, TimeUnitTable) {
    resetAppState("/prog");
    const auto& z = app.Zeitfaktor;
    EXPECT_EQ(z[1][0], 60);
    EXPECT_DOUBLE_EQ(z[0][1], 1.0 / 60);
    EXPECT_EQ(z[4][0], 31536000);
    EXPECT_EQ(z[3][4] * 365, 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(z[i][i], 1);
        for (int j = 0; j < 5; ++j) EXPECT_NEAR(z[i][j] * z[j][i], 1.0, 1e-15) << i << "," << j;
    }
    // Chains agree: s -> h equals s -> min -> h.
    EXPECT_NEAR(z[0][1] * z[1][2], z[0][2], 1e-18);
    EXPECT_NEAR(z[2][3] * z[3][4], z[2][4], 1e-18);
}

TEST(StartValues, ResetClearsEarlierWork) {
    resetAppState("/prog");
    app.nExpPunkte = 5;
    app.sSpeziesMaske = "11111";
    resetAppState("/prog");
    EXPECT_EQ(app.nExpPunkte, 0);
    EXPECT_EQ(app.sSpeziesMaske, "00000");
    // Room for 201 simulated points and 2000 chart points.
    EXPECT_EQ(app.tSim.size() + app.cSim_Q.size() + app.rSim_A.size(), 3 * 201u);
    EXPECT_EQ(app.gKurvenPunkte.size(), 2001u);
}

TEST(StartValues, PathsInTheProgramFolder) {
    resetAppState("/home/u/.local/share/varnolt");
    EXPECT_EQ(app.SessionDateiName, "/home/u/.local/share/varnolt/VrnLastSession.VRP");
    for (const std::string* p : {&app.ProjDateiPfad, &app.TabDateiPfad, &app.ExpDateiPfad, &app.OC2DateiPfad,
                                 &app.XYDateiPfad})
        EXPECT_EQ(*p, "/home/u/.local/share/varnolt");
}

TEST(StartValues, DecimalCommaFollowsTheLocale) {
    for (auto [decimal, group] : {std::pair{',', '.'}, {'.', ','}}) {
        vrn::test::NumberLocaleGuard g(decimal, group);
        resetAppState("");
        EXPECT_EQ(app.bDezimalKomma, decimal == ',');
    }
}


#include <gtest/gtest.h>

#include "shell/AppState.h"
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

TEST(StartValues, ModelNames) {
    resetAppState("/prog");
    EXPECT_EQ(app.ModellName[0], "");
    EXPECT_EQ(app.ModellName[19], "");
    EXPECT_EQ(app.ModellName[2], "A => P   (n = 1)");
    EXPECT_EQ(app.ModellName[4], "A + B => P   (n = 2)");
    EXPECT_EQ(app.ModellName[10], "E + S <=> ES => P + E");
    EXPECT_EQ(app.ModellName[16], "A => P + Q (Autokatalyse P)");
    EXPECT_EQ(app.ModellName[20], "A => P, n-ter Ordnung ");
    for (int i = 1; i <= 18; ++i) EXPECT_FALSE(app.ModellName[static_cast<std::size_t>(i)].empty()) << i;
}

TEST(StartValues, DefaultsAndSizes) {
    resetAppState("/prog");
    app.nExpPunkte = 5;  // earlier work is cleared by the next reset
    app.sSpeziesMaske = "11111";
    resetAppState("/prog");
    EXPECT_EQ(app.iModell, 2);
    EXPECT_FLOAT_EQ(app.nOrdnung, 1.5f);
    EXPECT_EQ(app.k, (std::array<double, 4>{0, 0.15, 0, 0}));
    EXPECT_FLOAT_EQ(app.S0max, 0.15f);
    EXPECT_EQ(app.gFarbVorwahl, 0xFF0000);  // blue
    EXPECT_EQ(app.Farbe1, RGB(255, 0, 0));
    EXPECT_EQ(app.gGraphLeft, 3800);
    EXPECT_EQ(app.sZeiteinheit, "s");
    EXPECT_EQ(app.Trennzeichen, ";");
    EXPECT_EQ(app.nExpPunkte, 0);
    EXPECT_EQ(app.sSpeziesMaske, "00000");
    // Room for 201 simulated points and 2000 chart points.
    EXPECT_EQ(app.tSim.size() + app.cSim_Q.size() + app.rSim_A.size(), 3 * 201u);
    EXPECT_EQ(app.gKurvenPunkte.size(), 2001u);
}

TEST(StartValues, PathsInTheProgramFolder) {
    resetAppState("/home/u/.local/share/varnolt");
    EXPECT_EQ(app.SessionDateiName, "/home/u/.local/share/varnolt/VrnLastSession.VRP");
    EXPECT_EQ(app.HelpFile, "/home/u/.local/share/varnolt/varnolt.chm");
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

TEST(Colours, RgbHoldsBlueInTheHighByte) {
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(redOf(0x563412), 0x12);
    EXPECT_EQ(greenOf(0x563412), 0x34);
    EXPECT_EQ(blueOf(0x563412), 0x56);
}

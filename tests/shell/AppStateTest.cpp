#include "support/TestSupport.h"

using namespace vrn;

TEST(StartValues, ResetClearsEarlierWork) {
    resetAppState("/prog");
    app.nExpPunkte = 5;
    app.sSpeziesMaske = "11111";
    resetAppState("/prog");
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.sSpeziesMaske), std::tuple(0, "00000"));
    // Room for 201 simulated points and 2000 chart points.
    EXPECT_EQ(std::tuple(app.tSim.size(), app.cSim_Q.size(), app.rSim_A.size(), app.gKurvenPunkte.size()),
              std::tuple(201u, 201u, 201u, 2001u));
}

TEST(StartValues, PathsInTheProgramFolder) {
    resetAppState("/home/u/.local/share/varnolt");
    EXPECT_EQ(app.SessionDateiName, "/home/u/.local/share/varnolt/VrnLastSession.VRP");
    for (const std::string* p : {&app.ProjDateiPfad, &app.TabDateiPfad, &app.ExpDateiPfad, &app.OC2DateiPfad,
                                 &app.XYDateiPfad})
        EXPECT_EQ(*p, "/home/u/.local/share/varnolt");
}

#include <gtest/gtest.h>

#include "chart/ChartOutputRules.h"
#include "chart/TemplateRebuild.h"

using namespace vrn;

// Hand-computed: (cm - 0.5) * 567 / twips per pixel for the margins and
// cm * 567 / twips per pixel for the size, in single precision, half to even.
TEST(PrintBox, CentimetresBecomePrinterPixels) {
    // left, top, width, height, twips per pixel (15 at 96 dpi, 2.4 at 600 dpi, 1.2 at 1200 dpi), the box
    const std::tuple<const char*, const char*, const char*, const char*, double, DruckRahmen> faelle[] = {
        // 1701/15 = 113.4, 1417.5/15 = 94.5 -> 94, 8505/15 = 567, 5670/15 = 378
        {" 3.5", " 3", " 15", " 10", 15, {113, 94, 567, 378}},
        // 708.75, 590.625, 3543.75, 2362.5 -> 2362
        {" 3.5", " 3", " 15", " 10", 2.4, {709, 591, 3544, 2362}},
        // 1417.5 -> 1418, 1181.25, 7087.5 -> 7088, 4725
        {" 3.5", " 3", " 15", " 10", 1.2, {1418, 1181, 7088, 4725}},
        // "2,5" is 2.5 cm (a decimal comma, never the prefix 2): 2 cm after the margin, 1134/15 = 75.6;
        // a size the scaling does not use counts 0, whatever its box holds.
        {"2,5", "0,5", "1e1", "abc", 15, {76, 0, 378, 0}},
    };
    for (const auto& [left, top, width, height, tpp, soll] : faelle) {
        DruckRahmen b;
        EXPECT_EQ(druckRahmen(left, top, width, height, kBlattVoll, tpp, tpp, b), "") << tpp;
        EXPECT_EQ(std::tuple(b.left, b.top, b.width, b.height),
                  std::tuple(soll.left, soll.top, soll.width, soll.height)) << tpp;
    }
}

TEST(PrintBox, RefusesWhatCannotBePrinted) {
    // width, height, scaling, tpp, meldung
    const std::tuple<const char*, const char*, int, double, const char*> faelle[] = {
        {"0", "10", kVorgabeBreite, 15, "Die Breite muss größer als 0 cm sein."},
        {"15", "0", kVorgabeHoehe, 15, "Die Höhe muss größer als 0 cm sein."},
        {"15", "0.0001", kVorgabeHoehe, 15, "Die Höhe muss größer als 0 cm sein."},  // below one pixel
        // a text a box refuses is named, never read as its prefix or as 0
        {"", "10", kVorgabeBreite, 15, "Die Breite muss größer als 0 cm sein."},
        {"1E400", "10", kVorgabeBreite, 15, "- Druckgröße zu groß: Breite darf höchstens 1.7E+308 sein"},
        {"15", "1.5.", kVorgabeHoehe, 15, "- Druckgröße: \"1.5.\" ist keine Zahl, Höhe muss größer Null sein"},
        {"", "x", kVorgabeHoehe, 15, "- Druckgröße: \"x\" ist keine Zahl, Höhe muss größer Null sein"},
        // the box beyond 2^30 pixels is named, with what it takes: 2^30 * 15 / 567 cm
        {"15", "1e30", kVorgabeBreite, 15, "- Druckgröße zu groß für den Drucker: Höhe darf höchstens 28405868 cm sein"},
        {"1e30", "10", kVorgabeBreite, 15, "- Druckgröße zu groß für den Drucker: Breite darf höchstens 28405868 cm sein"},
        {"15", "10", kVorgabeBreite, 0, "Die Auflösung des Druckers ist unbekannt."},
        {"0", "0", kBlattVoll, 15, ""},  // the whole sheet needs neither
        {"", "abc", kBlattVoll, 15, ""},
    };
    for (const auto& [width, height, scaling, tpp, meldung] : faelle) {
        DruckRahmen b{1, 2, 3, 4};
        EXPECT_EQ(druckRahmen(" 3.5", " 3", width, height, scaling, tpp, tpp, b), meldung);
        EXPECT_EQ(b.left, *meldung ? 1 : 113) << "unchanged on a refusal";
    }
}

TEST(TemplateRebuild, PlacesAndPointSetsFollowTheLoadedChart) {
    // Curves 1 and 3 of 27 series, point sets c(A) and k-T.
    std::vector<int> kurven(27, 0);
    kurven[0] = 201;
    kurven[2] = 5;
    const VorlagenAufbau a = vorlagenAufbau(kurven, {4, 0, 0, 0, 0, 6, 0}, 2);
    EXPECT_EQ(a.gnKurven, 2);
    EXPECT_EQ((std::array<Integer, 4>{a.KurvenSlot[0], a.KurvenSlot[1], a.KurvenSlot[2], a.KurvenSlot[23]}),
              (std::array<Integer, 4>{0, -1, 0, -1}));
    EXPECT_EQ(a.punktSatz, (std::array<bool, 8>{false, true, false, false, false, false, true, false}));
    EXPECT_EQ(a.PunktSatzNr, 6);
    // 30 full series give 24 places; without point sets the number stays.
    const VorlagenAufbau voll = vorlagenAufbau(std::vector<int>(30, 1), {}, 3);
    EXPECT_EQ(std::tuple(voll.gnKurven, voll.PunktSatzNr), std::tuple(24, 3));
}

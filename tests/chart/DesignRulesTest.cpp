#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "chart/DesignRules.h"

using namespace vrn;

namespace {

constexpr const char* kReihenfolge = "Untere Grenze muss kleiner als obere Grenze sein";

TEST(DesignRules, TypedRangesAreReadRoundedAndRefused) {
    struct Fall {
        std::array<std::string, 4> texte;
        bool xLog, yLog;
        KoordFehler fehler;
        Single xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // only when accepted
    };
    const Fall faelle[] = {
        {{" 0", " 20", " 0", " .1"}, false, false, KoordFehler::Keiner, 0, 20, 0, 0.1f},
        {{"-2", "3.5E+1", "-1e-3", "1e3"}, false, false, KoordFehler::Keiner, -2, 35, -0.001f, 1000},
        // A decimal comma is the decimal point.
        {{"0", "1,5", "0", "2"}, false, false, KoordFehler::Keiner, 0, 1.5f, 0, 2},
        // Letters and an empty box are no bound (never 0, never a prefix).
        {{"abc", "1,5", "", "2"}, false, false, KoordFehler::Zahlenbereich},
        {{"5", "5", "0", "1"}, false, false, KoordFehler::Reihenfolge},
        {{"0", "1", "2", "1"}, false, false, KoordFehler::Reihenfolge},
        {{"", "", "", ""}, false, false, KoordFehler::Zahlenbereich},
        {{"0", "1.5.", "0", "1"}, false, false, KoordFehler::Zahlenbereich},
        {{"0", "1e-46", "0", "1"}, false, false, KoordFehler::Zahlenbereich},
        // Equal once rounded to single precision.
        {{"1", "1.00000001", "0", "1"}, false, false, KoordFehler::Reihenfolge},
        {{"0", "3.4E+38", "0", "1"}, false, false, KoordFehler::Keiner, 0, 3.4e38f, 0, 1},
        {{"1e39", "2e39", "0", "1"}, false, false, KoordFehler::Zahlenbereich},
        {{"-1e39", "0", "0", "1"}, false, false, KoordFehler::Zahlenbereich},
        {{"0", "1e400", "0", "1"}, false, false, KoordFehler::Zahlenbereich},
        // Out of range goes before the order: "1e39" > "1" is no valid range either way.
        {{"1e39", "1", "0", "1"}, false, false, KoordFehler::Zahlenbereich},
        {{"0", "10", ".5", "2"}, true, false, KoordFehler::LogMinimum},
        {{"1", "10", "-1", "2"}, false, true, KoordFehler::LogMinimum},
        {{".1", "10", ".5", "2"}, true, true, KoordFehler::Keiner, 0.1f, 10, 0.5f, 2},
        // The order is checked before the logarithmic minimum.
        {{"0", "0", "1", "2"}, true, false, KoordFehler::Reihenfolge},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.texte[0] + " | " + f.texte[1] + " | " + f.texte[2] + " | " + f.texte[3]);
        const KoordPruefung p = pruefeKoordinaten(f.texte, f.xLog, f.yLog);
        EXPECT_EQ(p.fehler, f.fehler);
        if (f.fehler != KoordFehler::Keiner) continue;
        EXPECT_EQ(std::tuple(p.xMin, p.xMax, p.yMin, p.yMax), std::tuple(f.xMin, f.xMax, f.yMin, f.yMax));
    }
    EXPECT_STREQ(koordMeldung(KoordFehler::Reihenfolge), kReihenfolge);
    EXPECT_STREQ(koordMeldung(KoordFehler::Keiner), "");
    // The refused bounds are named, each with what it takes.
    EXPECT_EQ(koordMeldung(pruefeKoordinaten({"abc", "1e39", "", "-1e400"}, false, false)),
              "- Achsenbereich: \"abc\" ist keine Zahl, x(min) muss eine Zahl sein\r\n"
              "- Achsenbereich zu groß: x(max) darf höchstens 3.4E+38 sein\r\n"
              "- Achsenbereich fehlt: y(min) muss eine Zahl sein\r\n"
              "- Achsenbereich zu klein: y(max) muss mindestens -3.4E+38 sein");
    EXPECT_EQ(koordMeldung(pruefeKoordinaten({"2", "1", "0", "1"}, false, false)), kReihenfolge);
}

TEST(DesignRules, SpacingBoxTakesOnlyPositiveSpacingsOfAtMostAThousandSteps) {
    // text, range, log, gelesen, wert, the line of a refusal
    const std::tuple<const char*, ChartRange, bool, const char*, std::optional<double>, const char*> faelle[] = {
        {"0,5", {0, 10}, false, "0.5", 0.5, ""},
        {" 2", {0, 10}, false, " 2", 2, ""},
        {"0.01", {0, 10}, false, "0.01", 0.01, ""},  // 1,000 steps
        {"100", {0, 10}, false, "100", 100, ""},     // wider than the axis: the user's choice
        {"0.001", {0, 10}, false, "0.001", std::nullopt,
         "- X-Achse außerhalb des Bereichs: Gitter-Abstand muss mindestens .01 sein"},  // 10,000 steps
        {"0", {0, 10}, false, "0", std::nullopt, "- X-Achse außerhalb des Bereichs: Gitter-Abstand muss größer Null sein"},
        {"-1", {0, 10}, false, "-1", std::nullopt,
         "- X-Achse außerhalb des Bereichs: Gitter-Abstand muss größer Null sein"},
        {"-1E39", {0, 10}, false, "-1E39", std::nullopt,
         "- X-Achse außerhalb des Bereichs: Gitter-Abstand muss größer Null sein"},
        {"1E39", {0, 10}, false, "1E39", std::nullopt, "- X-Achse zu groß: Gitter-Abstand darf höchstens 3.4E+38 sein"},
        {"1e400", {0, 10}, false, "1e400", std::nullopt,
         "- X-Achse zu groß: Gitter-Abstand darf höchstens 3.4E+38 sein"},
        {"2,5,1", {0, 10}, false, "2.5.1", std::nullopt,
         "- X-Achse: \"2.5.1\" ist keine Zahl, Gitter-Abstand muss größer Null sein"},
        {"abc", {0, 10}, false, "abc", std::nullopt,
         "- X-Achse: \"abc\" ist keine Zahl, Gitter-Abstand muss größer Null sein"},
        {"", {0, 10}, false, "", std::nullopt, "- X-Achse fehlt: Gitter-Abstand muss größer Null sein"},
        {"1", {1, 1000}, true, "1", 1, ""},  // a decade per step
        {".001", {1, 1000}, true, ".001", std::nullopt,
         "- X-Achse außerhalb des Bereichs: Gitter-Abstand muss mindestens .003 sein"},  // 3,000 steps
    };
    for (const auto& [text, range, log, gelesen, wert, zeile] : faelle) {
        SCOPED_TRACE(text);
        const AbstandsEingabe e = leseAbstand(text, range, log);
        EXPECT_EQ(std::tuple(e.text, e.wert, e.zeile), std::tuple(gelesen, wert, zeile));
    }
    // The line names the axis and the row of the box.
    EXPECT_EQ(leseAbstand("0", {0, 10}, false, "Y-Achse", "Tick-Abstand").zeile,
              "- Y-Achse außerhalb des Bereichs: Tick-Abstand muss größer Null sein");
}

}  // namespace

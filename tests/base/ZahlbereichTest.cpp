// The one checked reading of a typed or stored number: the whole text or a
// line that names the field and what it takes.

#include <cmath>
#include <limits>
#include <vector>

#include "base/Zahlbereich.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

Zahlfeld feld(const char* thema, const char* symbol, Breite b, Bereich r, Leer l = Leer::Fehlt) {
    Zahlfeld f;
    f.thema = thema;
    f.symbol = symbol;
    f.breite = b;
    f.bereich = r;
    f.leer = l;
    return f;
}

const Zahlfeld kK1 = feld("Geschwindigkeitskonstante", "k1", Breite::Double, Bereich::Positiv);
const Zahlfeld kEA = feld("Aktivierungsenergie", "EA", Breite::Double, Bereich::Beliebig);
const Zahlfeld kTmax = feld("Zeit-Vorgabe", "t(max)", Breite::Single, Bereich::Positiv);
const Zahlfeld kCP = feld("Anfangskonzentration", "c(P)(0)", Breite::Double, Bereich::NichtNegativ, Leer::IstNull);
const Zahlfeld kU = feld("Umsatz", "U(A)", Breite::Double, Bereich::NullBisEins);
const Zahlfeld kY = feld("y-Wert", "y", Breite::Single, Bereich::Beliebig, Leer::IstNull);

}  // namespace

// Every text a user can type into a number field (or a file can hold) against
// fields of each width and range: the value taken whole, or the line.
TEST(CheckedReading, TakesTheWholeTextOrNamesTheFieldAndWhatItTakes) {
    struct Row {
        const Zahlfeld* f;
        const char* text;
        double wert;       // when taken
        const char* zeile; // empty when taken
    };
    const Row rows[] = {
        // taken whole, with a decimal point or a decimal comma, blanks around
        {&kK1, "0.15", 0.15, ""},
        {&kK1, " ,5 ", 0.5, ""},
        {&kK1, "2,5e10", 2.5e10, ""},
        {&kK1, "1E+39", 1e39, ""},
        {&kK1, "1D3", 1000, ""},
        {&kK1, "\t3\r\n", 3, ""},
        {&kEA, "-1E39", -1e39, ""},
        {&kEA, "+7", 7, ""},
        {&kEA, "-0", 0, ""},
        {&kK1, "1E-300", 1e-300, ""},
        {&kK1, "1E-310", 1e-310, ""},  // a Double below its normal range still holds it
        {&kTmax, "3.4028235E38", 3.4028235e38, ""},
        {&kCP, "", 0, ""},
        {&kCP, "0", 0, ""},
        {&kU, "0.5", 0.5, ""},
        // beyond the width
        {&kK1, "1E400", 0, "- Geschwindigkeitskonstante zu groß: k1 darf höchstens 1.7E+308 sein"},
        {&kEA, "-1E400", 0, "- Aktivierungsenergie zu klein: EA muss mindestens -1.7E+308 sein"},
        {&kTmax, "1E39", 0, "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein"},
        {&kTmax, "3.4028236E38", 0, "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein"},
        {&kY, "-1E39", 0, "- y-Wert zu klein: y muss mindestens -3.4E+38 sein"},
        // beyond the width on the side the range excludes: the range, not the width
        {&kK1, "-1E400", 0, "- Geschwindigkeitskonstante außerhalb des Bereichs: k1 muss größer Null sein"},
        {&kU, "1E400", 0, "- Umsatz außerhalb des Bereichs: U(A) muss größer als 0 und kleiner als 1 sein"},
        {&kU, "1E39", 0, "- Umsatz außerhalb des Bereichs: U(A) muss größer als 0 und kleiner als 1 sein"},
        {&kCP, "-1E39", 0, "- Anfangskonzentration außerhalb des Bereichs: c(P)(0) muss mindestens 0 sein"},
        // so near 0 that the width would hold 0
        {&kK1, "1E-400", 0, "- Geschwindigkeitskonstante zu nahe an Null: k1 muss mindestens 4.9E-324 sein"},
        {&kK1, "0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
               "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
               "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
               "000000000000000000000000000000000000001",
         0, "- Geschwindigkeitskonstante zu nahe an Null: k1 muss mindestens 4.9E-324 sein"},
        {&kCP, "1E-400", 0, "- Anfangskonzentration zu nahe an Null: c(P)(0) muss 0 oder mindestens 4.9E-324 sein"},
        {&kEA, "-1E-400", 0, "- Aktivierungsenergie zu nahe an Null: EA muss 0 oder im Betrag mindestens 4.9E-324 sein"},
        {&kY, "1E-46", 0, "- y-Wert zu nahe an Null: y muss 0 oder im Betrag mindestens 1.4E-45 sein"},
        // empty
        {&kK1, "", 0, "- Geschwindigkeitskonstante fehlt: k1 muss größer Null sein"},
        {&kEA, "  ", 0, "- Aktivierungsenergie fehlt: EA muss eine Zahl sein"},
        // no number as a whole: never its prefix
        {&kK1, "1.2.3", 0, "- Geschwindigkeitskonstante: \"1.2.3\" ist keine Zahl, k1 muss größer Null sein"},
        {&kK1, "1,5.2", 0, "- Geschwindigkeitskonstante: \"1,5.2\" ist keine Zahl, k1 muss größer Null sein"},
        {&kEA, "-", 0, "- Aktivierungsenergie: \"-\" ist keine Zahl, EA muss eine Zahl sein"},
        {&kEA, "1E", 0, "- Aktivierungsenergie: \"1E\" ist keine Zahl, EA muss eine Zahl sein"},
        {&kEA, "12abc", 0, "- Aktivierungsenergie: \"12abc\" ist keine Zahl, EA muss eine Zahl sein"},
        {&kEA, "4 5", 0, "- Aktivierungsenergie: \"4 5\" ist keine Zahl, EA muss eine Zahl sein"},
        {&kEA, "E5", 0, "- Aktivierungsenergie: \"E5\" ist keine Zahl, EA muss eine Zahl sein"},
        {&kEA, "nan", 0, "- Aktivierungsenergie: \"nan\" ist keine Zahl, EA muss eine Zahl sein"},
        {&kEA, "inf", 0, "- Aktivierungsenergie: \"inf\" ist keine Zahl, EA muss eine Zahl sein"},
        // inside the width, outside the range
        {&kK1, "0", 0, "- Geschwindigkeitskonstante außerhalb des Bereichs: k1 muss größer Null sein"},
        {&kU, "1", 0, "- Umsatz außerhalb des Bereichs: U(A) muss größer als 0 und kleiner als 1 sein"},
        {&kCP, "-0.5", 0, "- Anfangskonzentration außerhalb des Bereichs: c(P)(0) muss mindestens 0 sein"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.f->symbol) + " <- \"" + r.text + "\"");
        const Zahllesung l = liesZahl(r.text, *r.f);
        EXPECT_EQ(l.zeile, r.zeile);
        EXPECT_EQ(l.ok(), std::string(r.zeile).empty());
        if (l.ok()) EXPECT_EQ(l.wert, r.wert);
        else EXPECT_EQ(l.wert, 0);
    }
}

// A Single field rounds the text once to the nearest Single, as the fields
// that hold Singles always did; its Double is the text read as a Double.
TEST(CheckedReading, ASingleFieldRoundsOnceFromTheText) {
    const Zahllesung l = liesZahl("0.1", kTmax);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.single, 0.1f);
    EXPECT_EQ(l.wert, 0.1);
    // The largest Single's shortest text is held; half a step above it is not.
    EXPECT_EQ(liesZahl("3.4028235E+38", kTmax).single, std::numeric_limits<float>::max());
    EXPECT_FALSE(liesZahl("3.40282357E+38", kTmax).ok());
}

// A window's own line stands for what it covers; a "no input yet" line only
// for an empty field and 0, a negative number is named with the range.
TEST(CheckedReading, TheWindowsOwnLineStandsForWhatItSays) {
    Zahlfeld cA = feld("Anfangskonzentration", "c(A)(0)", Breite::Double, Bereich::Positiv, Leer::IstNull);
    cA.eigeneZeile = "- noch keine Eingabe einer Anfangskonzentration c(A)(0)";
    cA.eigeneZeileNurFuerNull = true;
    Zahlfeld n = feld("Reaktionsordnung", "n", Breite::Single, Bereich::NichtNegativ);
    n.eigeneZeile = "- nur n > 0 erlaubt";
    const std::tuple<const Zahlfeld*, const char*, const char*> cases[] = {
        {&cA, "", "- noch keine Eingabe einer Anfangskonzentration c(A)(0)"},
        {&cA, "0", "- noch keine Eingabe einer Anfangskonzentration c(A)(0)"},
        {&cA, "-0.5", "- Anfangskonzentration außerhalb des Bereichs: c(A)(0) muss größer Null sein"},
        {&cA, "-1E400", "- Anfangskonzentration außerhalb des Bereichs: c(A)(0) muss größer Null sein"},
        {&cA, "1E400", "- Anfangskonzentration zu groß: c(A)(0) darf höchstens 1.7E+308 sein"},
        {&n, "-1", "- nur n > 0 erlaubt"},
        {&n, "-1E400", "- nur n > 0 erlaubt"},
        {&n, "", "- nur n > 0 erlaubt"},
        {&n, "1E39", "- Reaktionsordnung zu groß: n darf höchstens 3.4E+38 sein"},
        {&n, "1E-400", "- Reaktionsordnung zu nahe an Null: n muss 0 oder mindestens 1.4E-45 sein"},
    };
    for (const auto& [f, text, zeile] : cases) EXPECT_EQ(liesZahl(text, *f).zeile, zeile) << text;
    EXPECT_EQ(liesZahl("0", n).wert, 0);
    EXPECT_TRUE(liesZahl("0", n).ok());
}

// A value of the state checked in the field's range: the same lines as the
// reading gives typed.
TEST(CheckedReading, AValueInForceIsCheckedInTheFieldsRange) {
    Zahlfeld cA = feld("Anfangskonzentration", "c(A)(0)", Breite::Double, Bereich::Positiv, Leer::IstNull);
    cA.eigeneZeile = "- noch keine Eingabe einer Anfangskonzentration c(A)(0)";
    cA.eigeneZeileNurFuerNull = true;
    const std::tuple<double, const Zahlfeld*, const char*> cases[] = {
        {0.5, &cA, ""},
        {0, &cA, "- noch keine Eingabe einer Anfangskonzentration c(A)(0)"},
        {-1, &cA, "- Anfangskonzentration außerhalb des Bereichs: c(A)(0) muss größer Null sein"},
        {std::nan(""), &kK1, "- Geschwindigkeitskonstante außerhalb des Bereichs: k1 muss größer Null sein"},
        {1, &kU, "- Umsatz außerhalb des Bereichs: U(A) muss größer als 0 und kleiner als 1 sein"},
        {-5, &kEA, ""},
    };
    for (const auto& [x, f, zeile] : cases) EXPECT_EQ(pruefeBereich(x, *f), zeile) << x;
}

// Of the inputs of a computation that failed inside, the one farthest from 1
// in size, when it lies beyond 1E30 or below 1E-30; it is named with its value.
TEST(CheckedReading, AComputationThatFailsInsideNamesTheInputFarOut) {
    const std::pair<std::vector<double>, int> cases[] = {
        {{1, 0.15, 100}, -1},           // nothing far out: the computation's own failure
        {{1e39, 0.15, 100}, 0},
        {{1, 1e-35, 1e31}, 1},          // 35 decades below against 31 above
        {{0, -1e33, 1e33}, 1},          // 0 is no input; the first of equal ones
        {{1e29, 1e-29}, -1},
        {{std::nan(""), 1e40}, 1},
    };
    for (const auto& [werte, ursache] : cases) EXPECT_EQ(ueberlaufUrsache(werte), ursache);
    EXPECT_EQ(rechenUeberlaufZeile(kK1, 1e39),
              "- Geschwindigkeitskonstante zu groß für die Rechnung: mit k1 = 1E+39 läuft die Rechnung über");
    EXPECT_EQ(rechenUeberlaufZeile(kEA, -1e39),
              "- Aktivierungsenergie zu klein für die Rechnung: mit EA = -1E+39 läuft die Rechnung über");
}

// A Double shown as a Single keeps its own form where a Single would lose it:
// beyond the Single's range, and below its normal range (never " 0").
TEST(CheckedReading, AValueASingleCannotShowKeepsItsDoubleForm) {
    const std::pair<double, const char*> cases[] = {
        {0.15, " .15"}, {1e39, " 1E+39"}, {1e-300, " 1E-300"}, {-1e-40, "-1E-40"}, {1.2e-38, " 1.2E-38"}, {0, " 0"},
    };
    for (const auto& [x, text] : cases) EXPECT_EQ(StrAlsSingle(x), text) << x;
}

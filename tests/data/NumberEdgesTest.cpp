// Every file of the program that stores numbers, at the edges of its number
// forms: what a reader takes, its writer writes so that the reader takes it
// again, as the same value (to the digits the file keeps; exactly where the
// kept digits would round past the largest value), and writing that again
// gives the same text. A value the reader cannot take it refuses at once,
// naming the line and the value.
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "base/NumberText.h"
#include "data/DatasetOps.h"
#include "data/XYFile.h"
#include "data/XYFileDialogs.h"
#include "data/XYList.h"
#include "platform/ChartModel.h"
#include "platform/ChartTemplate.h"
#include "shell/DataFile.h"
#include "shell/FileItems.h"
#include "shell/ProjectFile.h"
#include "shell/TextFile.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

// One pass of a file through its reader and writer.
struct Pass {
    bool read = false;       // the reader took the first file
    std::string refusal;     // else its reason
    double value = 0;        // the value as read from the first file
    bool readAgain = false;  // the reader took what the writer wrote
    double again = 0;        // the value read from it
    std::string written, rewritten;  // the writer's text, and its text of the value read again
};

// How each format stores the number: reads a file holding text, writes what
// it read, reads that, writes again.
using Format = Pass (*)(const std::string& text);

// Data set: the number in one column of a point (the other columns 0).
Pass dataSet(const std::string& text, int column) {
    auto fileOf = [column](const std::string& number) {
        std::string line;
        for (int i = 0; i < 13; ++i) line += std::string(i ? "," : "") + (i == column ? number : "0");
        return "Kommentar\r\ns\r\nkopf\r\n1\r\n" + line + "\r\n";
    };
    auto value = [column](const DataFileContent& c) {
        const Messpunkt& m = c.punkte[0];
        switch (column) {
            case 0: return m.t;
            case 1: return m.c[1];
            case 8: return static_cast<double>(m.lambda);
            case 9: return c.lambdaInf[0];
            default: return m.k;
        }
    };
    auto write = [column](const DataFileContent& c) {
        std::vector<std::string> lines;
        std::string error;
        EXPECT_TRUE(formatDataFile(c.kommentar, c.zeiteinheit, c.punkte.data(), 1, c.lambdaInf[0], lines, error));
        return encodeLines(lines);
    };
    Pass p;
    DataFileContent c, again;
    if (!parseDataFile(fileOf(text), c, p.refusal)) return p;
    p.read = true;
    p.value = value(c);
    p.written = write(c);
    std::string error;
    if (!parseDataFile(p.written, again, error)) {
        p.refusal = error;
        return p;
    }
    p.readAgain = true;
    p.again = value(again);
    p.rewritten = write(again);
    return p;
}
Pass dataSetTime(const std::string& text) { return dataSet(text, 0); }
Pass dataSetLambda(const std::string& text) { return dataSet(text, 8); }
Pass dataSetLambdaInf(const std::string& text) { return dataSet(text, 9); }

// Project (and the last session's file): k1.
Pass project(const std::string& text) {
    auto fileOf = [](const std::string& number) {
        return "01.01.2024\r\nKommentar\r\nd.VRD\r\n 2 \r\n" + number +
               ",0,0\r\n0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n";
    };
    auto write = [](const ProjectFileContent& c) {
        std::vector<std::string> lines;
        std::string error;
        EXPECT_TRUE(formatProjectFile(c, lines, error));
        return encodeLines(lines);
    };
    Pass p;
    ProjectFileContent c, again;
    if (!parseProjectFile(fileOf(text), c, p.refusal)) return p;
    p.read = true;
    p.value = c.k[0];
    p.written = write(c);
    if (!parseProjectFile(p.written, again, p.refusal)) return p;
    p.readAgain = true;
    p.again = again.k[0];
    p.rewritten = write(again);
    return p;
}

// X-y list of the editor: the y of one point.
Pass xyList(const std::string& text) {
    auto write = [](const XYDateiInhalt& c) {
        std::vector<XYPunkt> liste(1);
        liste.insert(liste.end(), c.punkte.begin(), c.punkte.end());
        return encodeLines(formatXYDatei(c.kommentar, liste, 1, ";"));
    };
    Pass p;
    XYDateiInhalt c, again;
    if (!parseXYDatei("Kommentar\r\n1;" + text + "\r\n", c, p.refusal)) return p;
    p.read = true;
    p.value = c.punkte[0].y;
    p.written = write(c);
    if (!parseXYDatei(p.written, again, p.refusal)) return p;
    p.readAgain = true;
    p.again = again.punkte[0].y;
    p.rewritten = write(again);
    return p;
}

// Chart template: the largest data value of the x axis.
Pass chartTemplate(const std::string& text) {
    ChartModel m = defaultChartModel();
    const std::string first = writeChartTemplate(m);
    const std::string key = "dataBounds=";
    std::string file = first;
    const std::size_t at = file.find(key);
    EXPECT_NE(at, std::string::npos);
    file.replace(at + key.size(), file.find('\n', at) - at - key.size(), "0 " + text);
    Pass p;
    ChartModel read = defaultChartModel(), again = defaultChartModel();
    const ChartTemplateResult r = readChartTemplate(file, read);
    if (!r.ok) {
        p.refusal = r.message;
        return p;
    }
    p.read = true;
    p.value = read.axis(ChartAxis::X).dataMax;
    p.written = writeChartTemplate(read);
    const ChartTemplateResult back = readChartTemplate(p.written, again);
    if (!back.ok) {
        p.refusal = back.message;
        return p;
    }
    p.readAgain = true;
    p.again = again.axis(ChartAxis::X).dataMax;
    p.rewritten = writeChartTemplate(again);
    return p;
}

enum class Then {
    Exact,    // read back as the very value read
    Digits,   // read back as the value to the digits the file keeps
    Refused,  // refused at once, with line and value
};

// A file's number form: its writer and reader, and how near the value it
// keeps comes back (relative: half a unit of the 15th digit for a Double,
// of the 7th for a Single, with the Single's own rounding).
// The x-y form keeps exactly seven digits: where they read back as a Single
// with other seven digits (1E+28 reads as 9.999999E+27), a second write
// differs in the last digit; every other form writes the same text again.
struct Form {
    const char* name;
    Format pass;
    double near;
    bool sameTextAgain = true;
};
const Form kVrdTime{"VRD t", dataSetTime, 5e-15};
const Form kVrdLambda{"VRD lambda", dataSetLambda, 6e-7};
const Form kVrdLambdaInf{"VRD lambda(inf)", dataSetLambdaInf, 5e-15};
const Form kVrpK{"VRP k1", project, 5e-15};
const Form kXY{"XY y", xyList, 6e-7, false};
const Form kOc2{"oc2 dataMax", chartTemplate, 0};

struct Row {
    const Form& form;
    const char* text;
    Then then;
    double value;         // the value the reader takes (Exact, Digits)
    const char* refusal;  // the start of the reason (Refused)
};

// Below the largest Double by two steps (15 digits round it down) and by one
// (15 digits would round it up past the largest, to 1.79769313486232E+308).
constexpr double kDblBelow = 1.797693134862315e308;
constexpr double kDblBetween = 1.7976931348623155e308;
constexpr double kFltMax = static_cast<double>(FLT_MAX);

}  // namespace

TEST(NumberEdges, EveryReaderTakesBackWhatItsWriterWrote) {
    const Row rows[] = {
        // data set, a Double column, read within the range of a Single (as the editor's column takes it)
        {kVrdTime, "3.4028234663852886E+38", Then::Digits, kFltMax, ""},
        {kVrdTime, "-3.4E+38", Then::Exact, -3.4e38, ""},
        // just below half a step above the largest Single: 15 digits would round past it, the exact digits do not
        {kVrdTime, "3.4028235677973362E+38", Then::Exact, 3.4028235677973362e38, ""},
        {kVrdTime, "3.4028236E+38", Then::Refused, 0,
         "Zeile 5, Wert 1 (t): \"3.4028236E+38\" liegt außerhalb des zulässigen Bereichs."},
        {kVrdTime, "1.7976931348623157E+308", Then::Refused, 0,
         "Zeile 5, Wert 1 (t): \"1.7976931348623157E+308\" liegt außerhalb des zulässigen Bereichs."},
        {kVrdTime, "1.79769313486232E+308", Then::Refused, 0,
         "Zeile 5, Wert 1 (t): \"1.79769313486232E+308\" liegt außerhalb des zulässigen Bereichs."},
        {kVrdTime, "1.4E-45", Then::Exact, 1.4e-45, ""},
        {kVrdTime, "2.2250738585072014E-308", Then::Refused, 0,
         "Zeile 5, Wert 1 (t): \"2.2250738585072014E-308\" liegt zu nahe an Null."},
        {kVrdTime, "-1E-400", Then::Refused, 0, "Zeile 5, Wert 1 (t): \"-1E-400\" liegt zu nahe an Null."},
        {kVrdTime, "0E-400", Then::Exact, 0, ""},
        {kVrdTime, ".333333333333333333", Then::Digits, 1.0 / 3.0, ""},
        // data set, a Single column
        {kVrdLambda, "3.4028234663852886E+38", Then::Digits, kFltMax, ""},
        {kVrdLambda, "-3.402823E+38", Then::Exact, static_cast<double>(-3.402823e38f), ""},
        {kVrdLambda, "3.4028236E+38", Then::Refused, 0,
         "Zeile 5, Wert 9 (lambda): \"3.4028236E+38\" liegt außerhalb des zulässigen Bereichs."},
        {kVrdLambda, "1.4E-45", Then::Exact, static_cast<double>(FLT_TRUE_MIN), ""},
        {kVrdLambda, "1E-46", Then::Refused, 0, "Zeile 5, Wert 9 (lambda): \"1E-46\" liegt zu nahe an Null."},
        // seven digits that would read back as a Single with other seven digits
        {kVrdLambda, "1.0000001E+28", Then::Exact, static_cast<double>(1.0000001e28f), ""},
        {kVrdLambda, "-1.0000002127553978E-38", Then::Exact, static_cast<double>(-1.0000002127553978e-38f), ""},
        {kVrdLambda, "1E+28", Then::Exact, static_cast<double>(1e28f), ""},
        // data set, lambda(inf): a Double that must fit a Single
        // (15 digits that round above the largest Single still round to it: they are written)
        {kVrdLambdaInf, "3.4028234663852886E+38", Then::Digits, kFltMax, ""},
        {kVrdLambdaInf, "3.402823466385288E+38", Then::Digits, 3.402823466385288e38, ""},
        {kVrdLambdaInf, "3.40282346638529E+38", Then::Exact, 3.40282346638529e38, ""},
        {kVrdLambdaInf, "3.4028236E+38", Then::Refused, 0,
         "Zeile 5, Wert 10 (lambda(inf)): \"3.4028236E+38\" liegt außerhalb des zulässigen Bereichs."},
        {kVrdLambdaInf, "1.82", Then::Exact, 1.82, ""},
        // project and last session: k1
        {kVrpK, "1.7976931348623157E+308", Then::Exact, DBL_MAX, ""},
        {kVrpK, "-1.7976931348623156E+308", Then::Exact, -kDblBetween, ""},
        {kVrpK, "1.7976931348623155E+308", Then::Exact, kDblBetween, ""},
        {kVrpK, "1.8E+308", Then::Refused, 0,
         "Zeile 5, Wert 1 (k1): \"1.8E+308\" liegt außerhalb des zulässigen Bereichs."},
        {kVrpK, "1E-400", Then::Refused, 0, "Zeile 5, Wert 1 (k1): \"1E-400\" liegt zu nahe an Null."},
        {kVrpK, "4.9406564584124654E-324", Then::Digits, 4.9406564584124654e-324, ""},
        {kVrpK, ".0215", Then::Exact, 0.0215, ""},
        // x-y list: Singles with seven digits
        {kXY, "3.4028234663852886E+38", Then::Digits, kFltMax, ""},
        {kXY, "-.3402823E+39", Then::Exact, static_cast<double>(-3.402823e38f), ""},
        {kXY, "3.4028236E+38", Then::Refused, 0,
         "Zeile 2, Wert 2 (y): \"3.4028236E+38\" liegt außerhalb des zulässigen Bereichs."},
        {kXY, "1E-46", Then::Refused, 0, "Zeile 2, Wert 2 (y): \"1E-46\" liegt zu nahe an Null."},
        {kXY, "1.401298E-45", Then::Exact, static_cast<double>(FLT_TRUE_MIN), ""},
        {kXY, "1,17549435E-38", Then::Digits, static_cast<double>(FLT_MIN), ""},
        {kXY, "1.0000001E+28", Then::Digits, static_cast<double>(1.0000001e28f), ""},
        // chart template: the shortest exact form
        {kOc2, "1.7976931348623157e+308", Then::Exact, DBL_MAX, ""},
        {kOc2, "-1.7976931348623157e+308", Then::Exact, -DBL_MAX, ""},
        {kOc2, "5e-324", Then::Exact, 4.9406564584124654e-324, ""},
        {kOc2, "1e-400", Then::Refused, 0, "Die Diagrammvorlage kann nicht geladen werden.\r\nZeile"},
        {kOc2, "0e-400", Then::Exact, 0, ""},
        {kOc2, "1.8e308", Then::Refused, 0, "Die Diagrammvorlage kann nicht geladen werden.\r\nZeile"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.form.name) + " " + r.text);
        const Pass p = r.form.pass(r.text);
        if (r.then == Then::Refused) {
            EXPECT_FALSE(p.read);
            EXPECT_EQ(p.refusal.rfind(r.refusal, 0), 0u) << p.refusal;
            continue;
        }
        ASSERT_TRUE(p.read) << p.refusal;
        EXPECT_EQ(p.value, r.value);
        ASSERT_TRUE(p.readAgain) << "the file just written is refused: " << p.refusal << "\n" << p.written;
        if (r.then == Then::Exact) EXPECT_EQ(p.again, r.value);
        else EXPECT_NEAR(p.again, r.value, std::fabs(r.value) * r.form.near);
        if (r.form.sameTextAgain) {
            EXPECT_EQ(p.rewritten, p.written) << "written again, the value gives another text";
        }
    }
}

// The edges of the Single range, where a number file stores Singles or reads
// its numbers as Singles: every value that rounds to a finite Single is
// written so that its reader takes it, and a value beyond is refused before
// anything is written, with the reason the reader would give.
namespace {

// Half a step above the largest Single (2^128 - 2^103): from here on the
// nearest Single is infinite. Exact as a Double.
constexpr double kHalbUeber = 340282356779733661637539395458142568448.0;
// The same value, read as a Single before: the largest Single.
constexpr float kGroessteSingle = 3.40282346638528859811704183484516925440e38f;
constexpr float kKleinsteSingle = 1.40129846432481707092372958328991613128e-45f;

// What a writer made of one value, and what its reader read back.
struct Geschrieben {
    bool abgelehnt = false;   // refused, nothing written
    std::string meldung;      // the refusal's message (empty: refused without one)
    std::string text;         // the value's text in the file
    bool gelesen = false;     // the reader took the file
    double zurueck = 0;       // the value it read
};
using Schreiber = Geschrieben (*)(double v);

// The text of item k (0-based) of a line split at sep.
std::string feld(const std::string& line, char sep, std::size_t k) {
    std::size_t a = 0;
    for (std::size_t i = 0; i < k; ++i) a = line.find(sep, a) + 1;
    return line.substr(a, line.find(sep, a) - a);
}
// Line n (1-based) of a file's text.
std::string zeile(const std::string& bytes, int n) {
    std::size_t a = 0;
    for (int i = 1; i < n; ++i) a = bytes.find("\r\n", a) + 2;
    return bytes.substr(a, bytes.find("\r\n", a) - a);
}

// The y written into an x-y file of one point: its text, and what the reader takes back.
Geschrieben xyZurueck(Geschrieben g, const std::string& bytes) {
    g.text = feld(zeile(bytes, 2), ';', 1);
    XYDateiInhalt c;
    std::string error;
    g.gelesen = parseXYDatei(bytes, c, error) && c.punkte.size() == 1;
    if (g.gelesen) g.zurueck = c.punkte[0].y;
    return g;
}

// "Kurve als XY speichern" with the curve (1, v), saved into a file.
Geschrieben kurveAlsXY(double v) {
    Geschrieben g;
    test::TempFolder dir;
    test::Restore<FileDialogHooks> dialogs{hooks().fileDialogs};
    resetAppState(dir.str());
    const std::string pfad = dir.file("kurve.XY");
    test::answerFileBoxes(pfad);
    test::MsgRecorder rec;
    const bool ok = speichereKurveAlsXY({1.0}, {v});
    if (rec.count() > 0) {
        g.meldung = rec.last().title + ": " + rec.last().text;
    }
    g.abgelehnt = !ok && !std::filesystem::exists(pfad);
    if (!std::filesystem::exists(pfad)) return g;
    const std::string bytes = test::readFile(pfad);
    return xyZurueck(g, bytes);
}

// The value typed as y into the x-y editor's list, saved by the editor.
Geschrieben xyEditor(double v) {
    Geschrieben g;
    resetAppState("");
    xyListeSetzen({XYPunkt{}, XYPunkt{1, 0, 0}});
    if (!xyWertSetzen(1, 3, v)) {
        g.abgelehnt = true;
        return g;
    }
    const std::string bytes = encodeLines(formatXYDatei("k", app.XYDaten, app.nXYPunkte, ";"));
    return xyZurueck(g, bytes);
}

// The data set's lambda(inf), saved with one point.
Geschrieben datensatzLambdaInf(double v) {
    Geschrieben g;
    const Messpunkt punkt{};
    std::vector<std::string> lines;
    std::string error;
    if (!formatDataFile("k", "s", &punkt, 1, v, lines, error)) {
        g.abgelehnt = true;
        g.meldung = error;
        return g;
    }
    const std::string bytes = encodeLines(lines);
    g.text = feld(zeile(bytes, 5), ',', 9);
    DataFileContent c;
    g.gelesen = parseDataFile(bytes, c, error);
    if (g.gelesen) g.zurueck = c.lambdaInf[0];
    return g;
}

// A point's lambda typed into the data-set editor, saved.
Geschrieben datensatzLambda(double v) {
    Geschrieben g;
    Messpunkt punkt{};
    if (!setzeFeld(punkt, kSpalteLambda, v)) {
        g.abgelehnt = true;
        return g;
    }
    std::vector<std::string> lines;
    std::string error;
    EXPECT_TRUE(formatDataFile("k", "s", &punkt, 1, 0, lines, error)) << error;
    const std::string bytes = encodeLines(lines);
    g.text = feld(zeile(bytes, 5), ',', 8);
    DataFileContent c;
    g.gelesen = parseDataFile(bytes, c, error);
    if (g.gelesen) g.zurueck = c.punkte[0].lambda;
    return g;
}

struct Schreibweise {
    const char* name;
    Schreiber schreibe;
};
const Schreibweise kKurve{"Kurve als XY", kurveAlsXY};
const Schreibweise kXYEditor{"x-y-Editor", xyEditor};
const Schreibweise kLambdaInf{"Datenfile lambda(inf)", datensatzLambdaInf};
const Schreibweise kLambda{"Datenfile lambda", datensatzLambda};

const std::string kXYRefusal = "Meldung von cmdSaveCurveAsXY: Zeile 2, Wert 2 (y): \"";
const std::string kXYRefusalEnd = "\" liegt außerhalb des zulässigen Bereichs.\r\n\r\nDie Kurve wurde nicht gespeichert.";
const std::string kVrdRefusal = "Zeile 5, Wert 10 (lambda(inf)): \"";
const std::string kVrdRefusalEnd = "\" liegt außerhalb des zulässigen Bereichs.";

}  // namespace

TEST(NumberEdges, SingleRangeWrittenSoThatItReadsBackOrRefusedBeforeWriting) {
    const double groesste = 3.4028234663852886e38;  // the largest Single as a Double
    const double kleinste = 1.401298464324817e-45;  // the smallest Single as a Double
    const double unterHalb = std::nextafter(kHalbUeber, 0.0);
    struct Row {
        const Schreibweise& w;
        double v;
        const char* text;      // null: refused
        double zurueck;        // the value read back
        std::string meldung;   // the refusal's message
    };
    const float f7 = 3.402823e38f;  // the Single of the seven digits .3402823E+39
    const Row rows[] = {
        // the chart's curve: Doubles, seven digits, read as Singles
        {kKurve, groesste, ".3402823E+39", f7, ""},
        {kKurve, 3.4028235e38, ".3402823E+39", f7, ""},
        {kKurve, unterHalb, ".3402823E+39", f7, ""},
        {kKurve, -3.4028235e38, "-.3402823E+39", -f7, ""},
        {kKurve, kHalbUeber, nullptr, 0, kXYRefusal + ".3402824E+39" + kXYRefusalEnd},
        {kKurve, 3.4028236e38, nullptr, 0, kXYRefusal + ".3402824E+39" + kXYRefusalEnd},
        {kKurve, 1e300, nullptr, 0, kXYRefusal + ".1000000E+301" + kXYRefusalEnd},
        {kKurve, -1e300, nullptr, 0, kXYRefusal + "-.1000000E+301" + kXYRefusalEnd},
        {kKurve, kleinste, ".1401298E-44", kKleinsteSingle, ""},
        {kKurve, -kleinste, "-.1401298E-44", -kKleinsteSingle, ""},
        {kKurve, 1.1754943508222875e-38, ".1175494E-37", 1.175494e-38f, ""},
        // just above half the smallest Single: its seven digits lie below the
        // half and read 0, so 0 is written (the reader refuses a number that reads 0)
        {kKurve, std::nextafter(0x1p-150, 1.0), ".0000000E+00", 0, ""},
        {kKurve, 1e-300, ".0000000E+00", 0, ""},
        // the x-y editor's list: what it holds is a Single
        {kXYEditor, 3.4028235e38, ".3402823E+39", f7, ""},
        {kXYEditor, -unterHalb, "-.3402823E+39", -f7, ""},
        {kXYEditor, kHalbUeber, nullptr, 0, ""},
        {kXYEditor, 1e300, nullptr, 0, ""},
        {kXYEditor, kleinste, ".1401298E-44", kKleinsteSingle, ""},
        // lambda(inf): a Double, 15 digits, read as a Single and kept as written
        {kLambdaInf, groesste, "3.40282346638529E+38", 3.40282346638529e38, ""},
        {kLambdaInf, 3.4028235e38, "3.4028235E+38", 3.4028235e38, ""},
        {kLambdaInf, -3.4028235e38, "-3.4028235E+38", -3.4028235e38, ""},
        // 15 digits would round past half a step: the digits that read back as itself
        {kLambdaInf, unterHalb, "3.4028235677973362E+38", unterHalb, ""},
        {kLambdaInf, kHalbUeber, nullptr, 0, kVrdRefusal + "3.40282356779734E+38" + kVrdRefusalEnd},
        {kLambdaInf, 1e300, nullptr, 0, kVrdRefusal + "1E+300" + kVrdRefusalEnd},
        {kLambdaInf, -1e300, nullptr, 0, kVrdRefusal + "-1E+300" + kVrdRefusalEnd},
        {kLambdaInf, kleinste, "1.40129846432482E-45", 1.40129846432482e-45, ""},
        // lambda of a point: a Single, seven digits
        {kLambda, 3.4028235e38, "3.402823E+38", f7, ""},
        {kLambda, -groesste, "-3.402823E+38", -f7, ""},
        {kLambda, kHalbUeber, nullptr, 0, ""},
        {kLambda, 1e300, nullptr, 0, ""},
        {kLambda, kleinste, "1.401298E-45", kKleinsteSingle, ""},
        {kLambda, -kleinste, "-1.401298E-45", -kKleinsteSingle, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.w.name) + " " + StrExact(r.v));
        const Geschrieben g = r.w.schreibe(r.v);
        if (!r.text) {
            EXPECT_TRUE(g.abgelehnt) << "written as " << g.text;
            EXPECT_EQ(g.meldung, r.meldung);
            continue;
        }
        EXPECT_FALSE(g.abgelehnt) << g.meldung;
        EXPECT_EQ(g.text, r.text);
        EXPECT_TRUE(g.gelesen) << "the file just written is refused";
        EXPECT_EQ(g.zurueck, r.zurueck);
    }
}

// The readers of the x-y file, the data set's Single columns and the x-y
// editor's paste take every text whose value rounds to a finite Single, as
// that Single (rounded once, from the text), and refuse the rest by name.
TEST(NumberEdges, SingleReadersTakeWhatRoundsToAFiniteSingle) {
    // what each reader gives: its value, or its message
    struct Gelesen {
        bool ok = false;
        double wert = 0;
        std::string meldung;
    };
    const auto xyDatei = [](const std::string& t) {
        Gelesen g;
        XYDateiInhalt c;
        g.ok = parseXYDatei("Kommentar\r\n1;" + t + "\r\n", c, g.meldung);
        if (g.ok) g.wert = c.punkte.at(0).y;
        return g;
    };
    const auto vrdSpalte = [](int spalte) {
        return [spalte](const std::string& t) {
            Gelesen g;
            std::string line;
            for (int i = 0; i < 13; ++i) line += std::string(i ? "," : "") + (i == spalte ? t : "0");
            DataFileContent c;
            g.ok = parseDataFile("k\r\ns\r\nkopf\r\n1\r\n" + line + "\r\n", c, g.meldung);
            if (g.ok) g.wert = spalte == 8 ? c.punkte[0].lambda : spalte == 9 ? c.lambdaInf[0] : c.punkte[0].res4;
            return g;
        };
    };
    // The paste takes what the list can hold and leaves the rest.
    const auto einfuegen = [](const std::string& t) {
        Gelesen g;
        resetAppState("");
        xyListeSetzen({XYPunkt{}, XYPunkt{1, 5, 0}});
        xyEinfuegen(t, 0, 3);
        g.wert = app.XYDaten[1].y;
        g.ok = g.wert != 5;
        return g;
    };
    const std::function<Gelesen(const std::string&)> leser[] = {xyDatei, vrdSpalte(8), vrdSpalte(11), einfuegen};
    const char* const namen[] = {"x-y-Datei", "Datenfile lambda", "Datenfile res4", "x-y-Editor einfügen"};
    const char* const wo[] = {"Zeile 2, Wert 2 (y): \"", "Zeile 5, Wert 9 (lambda): \"", "Zeile 5, Wert 12 (res4): \"",
                              nullptr};

    struct Row {
        const char* text;
        bool ok;
        float wert;
    };
    const Row rows[] = {
        {"3.4028235E+38", true, kGroessteSingle},  // the largest Single's shortest text
        {"-3.4028235E+38", true, -kGroessteSingle},
        {"3.40282356779733661637539395458142568447E+38", true, kGroessteSingle},
        {"3.40282356779733661637539395458142568448E+38", false, 0},
        {"3.4028236E+38", false, 0},
        {"1E+300", false, 0},
        {"-1E+300", false, 0},
        {"1.4E-45", true, kKleinsteSingle},
        {"-1.401298E-45", true, -kKleinsteSingle},
        {"7.0064923216240854E-46", true, kKleinsteSingle},
    };
    for (std::size_t k = 0; k < std::size(namen); ++k) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(namen[k]) + " " + r.text);
            const Gelesen g = leser[k](r.text);
            EXPECT_EQ(g.ok, r.ok) << g.meldung;
            if (r.ok) {
                EXPECT_EQ(g.wert, r.wert);
            } else if (wo[k]) {
                // (a message shows at most 40 characters of the text)
                EXPECT_EQ(g.meldung, wo[k] + std::string(r.text).substr(0, 40) +
                                         "\" liegt außerhalb des zulässigen Bereichs.");
            }
        }
    }
}

// The chart's model without drawing: code tables, spacings, origins and the
// template format written and read back.

#include "platform/ChartModel.h"

#include "platform/ChartScale.h"
#include "platform/ChartTemplate.h"
#include "support/TestSupport.h"

#include <unistd.h>

using namespace vrn;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

ChartAxisData axis(double lo, double hi, bool log = false) {
    ChartAxisData a;
    a.min = lo;
    a.max = hi;
    a.logarithmic = log;
    return a;
}

// A model in which nearly every value differs from the defaults.
ChartModel richModel() {
    ChartModel m = defaultChartModel();
    m.sheet = {RGB(210, 210, 210), 9, 3};
    m.area = {false, 12, 30, 480, 310, RGB(0, 0, 0), RGB(255, 255, 255)};
    m.plot = {RGB(250, 250, 240), false, {55, 17, 9, 44}, {false, true, false, true}};
    m.text(ChartTextBlock::Header) = {.text = "Konzentration vs. Zeit\r\nA => P, \"Größe\" \\ 100 % → fertig\tTab",
                                      .autoLeft = false, .left = 123, .border = 4, .textColour = RGB(255, 255, 255),
                                      .backColour = RGB(0, 0, 0),
                                      .font = {"Courier New", 11.5, true, true, false, true}};
    m.text(ChartTextBlock::Footer) = {.text = "kinet. Modell: A => P\r\nk1 = 0,15", .shown = false, .autoTop = false,
                                      .top = -40, .backColour = 0xC0FFFF};
    m.legend = {true, false, true, 470, 0, kHorizontal, 0, kChartTransparent, RGB(0, 0, 255),
                ChartFont{"Arial", 9, false, true, true, false}};
    m.axis(ChartAxis::X) = {.min = 0.1, .max = 1000, .dataMin = -1.0 / 3, .dataMax = 2.5e300, .logarithmic = true,
                            .title = "t/ min", .numberOrientation = kTextVertical, .titleFont = {.size = 13},
                            .numberFont = {.bold = true}, .titleColour = RGB(1, 2, 3), .gridPattern = 4,
                            .gridColour = RGB(130, 130, 130),
                            .spacing = {ChartSpacingData{0.5, false}, ChartSpacingData{1.0 / 3, true},
                                        ChartSpacingData{2, false}},
                            .numberPlacement = kNumbersAtAxis, .originPlacement = kOriginAtValue, .origin = 3.14159};
    m.axis(ChartAxis::Y) = {.min = -2, .max = 1, .title = "c(A)/ (mol/l)  ", .titleOrientation = kTextHorizontal,
                            .titleFont = {}, .numberFont = {}, .numberPlacement = kNumbersAtMaximum,
                            .originPlacement = kOriginAtZero};
    m.axis(ChartAxis::Y2).shown = true;
    m.axis(ChartAxis::Y2).min = -1e-300;
    ChartGroupData& g1 = m.groups[0];
    g1.series.resize(27);
    g1.seriesLabels = {"c(A) ", "", "c(P) "};
    g1.series[0] = {{0, 0.1, 0.2, 1.0 / 3, M_PI, 1e-300, 123456789.123456789, 5e-324},
                    {1, 0.9, kChartHole, -0.0, 2.0 / 3, -1e300, 7, 8}, kSeriesShown,
                    {7, RGB(255, 0, 0), 3, 2, RGB(0, 128, 0), 11}};
    g1.series[24] = {{0, 10}, {0, 1}, kSeriesHidden, {}};
    g1.series[25].display = kSeriesHiddenToo;
    ChartGroupData& g2 = m.groups[1];
    g2.series.resize(7);
    g2.storeData = true;
    g2.seriesLabels = {"Messpunkte", "", "", "", "", "k-T", "manuell"};
    g2.series[6] = {{1, 2, 3}, {3, 2, 1}, kSeriesShown, {1, 0, 1, 10, RGB(0, 0, 255), 6}};
    m.labels[25] = {"Halbwertszeit", false, 2, 7, 3, 4, RGB(255, 0, 0), kChartTransparent,
                    {"Arial", 11, true, true, false, false}, -12};
    m.labels[0].text = " 1";
    return m;
}

// Number (1-based) of the first line that starts with the prefix, after the
// line that starts with after (when given).
int lineOf(const std::string& text, const std::string& prefix, const std::string& after = "") {
    int n = 0;
    bool armed = after.empty();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        ++n;
        const std::string l = text.substr(start, end - start);
        if (armed && l.rfind(prefix, 0) == 0) return n;
        if (!armed && l.rfind(after, 0) == 0) armed = true;
        start = end + 1;
    }
    return -1;
}

// The text with line n replaced (n 1-based; the CR LF stays).
std::string replaceLine(const std::string& text, int n, const std::string& by) {
    std::size_t start = 0;
    for (int k = 1; k < n; ++k) start = text.find('\n', start) + 1;
    const std::size_t end = text.find("\r\n", start);
    return text.substr(0, start) + by + text.substr(end);
}

}  // namespace

// ---------------------------------------------------------------- spacing

TEST(ChartScale, AutomaticSpacingIsOneTwoOrFiveTimesAPowerOfTen) {
    // lo, hi, logarithmic, number and grid spacing, tick spacing
    const std::tuple<double, double, bool, double, double> rows[] = {
        {0, 10, false, 2, 1}, {0, 1, false, 0.2, 0.1}, {0, 60, false, 10, 2}, {0, 100, false, 20, 10},
        {-5, 5, false, 2, 1}, {0, 0.003, false, 5e-4, 1e-4}, {200, 1000, false, 100, 20}, {1, 1000, true, 1, 1},
        {1e-5, 1e5, true, 2, 2}, {1, 1e40, true, 5, 5},
    };
    for (const auto& [lo, hi, log, number, tick] : rows) {
        const ChartRange range{lo, hi};
        EXPECT_NEAR(chartAutoSpacing(range, log, ChartSpacing::Number), number, number * 1e-12) << lo << ".." << hi;
        EXPECT_NEAR(chartAutoSpacing(range, log, ChartSpacing::Grid), number, number * 1e-12) << lo << ".." << hi;
        EXPECT_NEAR(chartAutoSpacing(range, log, ChartSpacing::Tick), tick, tick * 1e-12) << lo << ".." << hi;
    }
}

TEST(ChartScale, PositionsAreTheMultiplesInsideTheRange) {
    const std::tuple<double, double, bool, double, std::vector<double>> rows[] = {
        {0, 10, false, 2.5, {0, 2.5, 5, 7.5, 10}}, {-1, 1, false, 0.5, {-1, -0.5, 0, 0.5, 1}},
        {0.3, 1.1, false, 0.25, {0.5, 0.75, 1.0}},
        {0, 1, false, 0.1, {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}}, {2, 3, false, 5, {}},
        {1, 1000, true, 1, {1, 10, 100, 1000}}, {0.01, 100, true, 2, {0.01, 1, 100}}, {0, 10, false, 0, {}},
        {0, 10, false, 0.001, {}},
    };
    for (const auto& [lo, hi, log, spacing, positions] : rows) {
        const std::vector<double> p = chartPositions(ChartRange{lo, hi}, log, spacing);
        ASSERT_EQ(p.size(), positions.size()) << lo << ".." << hi << " by " << spacing;
        for (std::size_t k = 0; k < p.size(); ++k) EXPECT_NEAR(p[k], positions[k], 1e-12 * (1 + std::fabs(p[k])));
    }
    EXPECT_EQ(chartPositions(ChartRange{0, 10}, false, 0.01).size(), 1001u);
}

TEST(ChartScale, GuardRefusesSpacingsThatAreNotPositiveFiniteOrTooDense) {
    const std::tuple<double, double, bool, double, bool> rows[] = {
        {0, 10, false, 0, false},        {0, 10, false, -1, false},     {0, 10, false, kNaN, false},
        {0, 10, false, kInf, false},     {0, 10, false, 0.01, true},    {0, 10, false, 0.00999, false},
        {0, 10, false, 1e300, true},     {1, 1000, true, 0.003, true},  {1, 1000, true, 0.0029, false},
        {-1e300, 1e300, false, 1e297, false}, {-1e300, 1e300, false, 1e298, true},
    };
    for (const auto& [lo, hi, log, spacing, accepted] : rows)
        EXPECT_EQ(chartSpacingAcceptable(ChartRange{lo, hi}, log, spacing), accepted) << lo << ".." << hi << " by " << spacing;
    ChartAxisData a = axis(0, 10);
    a.spacing[0] = {0.5, false};
    EXPECT_EQ(chartSpacingInUse(a, ChartSpacing::Grid), 0.5);
    a.max = 10000;  // 0.5 would now give 20,000 lines: the automatic spacing is drawn
    EXPECT_EQ(chartSpacingInUse(a, ChartSpacing::Grid), 2000);
    a.spacing[0].automatic = true;
    a.max = 10;
    EXPECT_EQ(chartSpacingInUse(a, ChartSpacing::Grid), 2);
}

TEST(ChartScale, DrawnRangeAndOriginValue) {
    const std::tuple<double, double, bool, double, double> ranges[] = {
        {0, 10, false, 0, 10}, {10, 0, false, 0, 10},  {0, 0, false, -1, 1},
        {5, 5, false, 4.5, 5.5}, {10, 10, true, 1, 100}, {100, 1, true, 1, 100},
    };
    for (const auto& [min, max, log, lo, hi] : ranges) {
        const ChartRange d = chartDrawnRange(axis(min, max, log));
        EXPECT_DOUBLE_EQ(d.lo, lo) << min << ".." << max;
        EXPECT_DOUBLE_EQ(d.hi, hi) << min << ".." << max;
    }
    // lo, hi, logarithmic, placement code, origin, origin drawn
    const std::tuple<double, double, bool, int, double, double> origins[] = {
        {-5, 5, false, 1, 0, 0},    {-5, 5, false, 2, 0, -5},   {-5, 5, false, 3, 0, 5},
        {-5, 5, false, 4, 2, 2},    {-5, 5, false, 4, 10, 5},   {1, 10, false, 1, 0, 1},
        {1, 100, true, 1, 0, 1},    {1, 100, true, 4, -3, 1},   {1, 100, true, 4, 10, 10},
    };
    for (const auto& [lo, hi, log, code, origin, expected] : origins) {
        ChartAxisData a = axis(lo, hi, log);
        a.originPlacement = code;
        a.origin = origin;
        EXPECT_DOUBLE_EQ(chartOriginValue(a), expected) << "code " << code << " origin " << origin;
    }
}

// ---------------------------------------------------------------- model checks

TEST(ChartModelCheck, DefaultAndRichModelsAreValidAndBrokenOnesNot) {
    EXPECT_EQ(std::tuple(validChartModel(defaultChartModel()), validChartModel(richModel())), std::tuple(true, true));
    const std::vector<std::function<void(ChartModel&)>> breaks = {
        [](ChartModel& m) { m.sheet.border = 10; },
        [](ChartModel& m) { m.sheet.backColour = -1; },
        [](ChartModel& m) { m.area.width = -3; },
        [](ChartModel& m) { m.plot.margins[2] = 30000; },
        [](ChartModel& m) { m.text(ChartTextBlock::Footer).font.size = 0; },
        [](ChartModel& m) { m.legend.orientation = 3; },
        [](ChartModel& m) { m.axis(ChartAxis::Y).max = kInf; },
        [](ChartModel& m) { m.axis(ChartAxis::X).logarithmic = true; },  // range 0..10
        [](ChartModel& m) { m.axis(ChartAxis::X).spacing[1].value = 0; },
        [](ChartModel& m) { m.groups[1].series.resize(101); },
        [](ChartModel& m) {
            m.groups[0].series.resize(1);
            m.groups[0].series[0].x = {1, 2};
            m.groups[0].series[0].y = {1};
        },
        [](ChartModel& m) {
            m.groups[0].series.resize(1);
            m.groups[0].series[0].x = {kNaN};
            m.groups[0].series[0].y = {1};
        },
        [](ChartModel& m) { m.labels[3].point = 0; },
        [](ChartModel& m) { m.labels[3].font.name = "Ar\nial"; },
    };
    for (std::size_t k = 0; k < breaks.size(); ++k) {
        ChartModel m = defaultChartModel();
        breaks[k](m);
        EXPECT_FALSE(validChartModel(m)) << "break " << k;
    }
}

// ---------------------------------------------------------------- templates

TEST(ChartTemplateFormat, WrittenAndReadBackGivesTheSameModelExactly) {
    const ChartModel m = richModel();
    const std::string text = writeChartTemplate(m);
    ChartModel back = defaultChartModel();
    const ChartTemplateResult r = readChartTemplate(text, back);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(back, m);
    // Bit for bit: -0, a third, the smallest subnormal and the hole.
    const auto& x = back.groups[0].series[0].x;
    EXPECT_EQ(std::tuple(x[3], x[7]), std::tuple(1.0 / 3, 5e-324));
    EXPECT_TRUE(std::signbit(back.groups[0].series[0].y[3]));
    EXPECT_EQ(back.groups[0].series[0].y[2], kChartHole);
    // Written again, the text is the same, and so it is in a comma locale.
    EXPECT_EQ(writeChartTemplate(back), text);
    test::NumberLocaleGuard comma(',', '.');
    EXPECT_EQ(writeChartTemplate(m), text);
    EXPECT_NE(text.find("origin=4 3.14159"), std::string::npos);
    // Files with LF alone, or in UTF-8 behind a byte-order mark, are read too.
    std::string lf, utf8 = "\xEF\xBB\xBF";
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch != '\r') lf += ch;
        if (b < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | (b >> 6));
            utf8 += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    for (const std::string* t : {&lf, &utf8}) {
        ChartModel again;
        const ChartTemplateResult ra = readChartTemplate(*t, again);
        ASSERT_TRUE(ra.ok) << ra.message;
        EXPECT_EQ(again, m);
    }
}

TEST(ChartTemplateFormat, FileIsLatin1WithCrLfAndNamesItsFormatFirst) {
    const std::string text = writeChartTemplate(richModel());
    EXPECT_EQ(text.rfind("VARNOLT-Diagrammvorlage 1\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 7), "[end]\r\n");
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\n') {
            ASSERT_EQ(text[k - 1], '\r') << "at byte " << k;
        }
    }
    EXPECT_NE(text.find("Gr\xF6\xDF" "e"), std::string::npos);       // ö and ß as Latin-1 bytes
    EXPECT_NE(text.find("\\u{2192}"), std::string::npos);            // → escaped
    EXPECT_NE(text.find("\\\"Gr"), std::string::npos);              // quote escaped
    EXPECT_NE(text.find("\\r\\n"), std::string::npos);               // line break escaped
    EXPECT_NE(text.find("1e+308"), std::string::npos);               // the hole
}

TEST(ChartTemplateFormat, EveryTextComesBackAsSaved) {
    // Each alone in its file: the Latin-1 bytes of the first three are valid UTF-8 as well.
    const char* texts[] = {"Maß²", "Ö°C", "Ã¤", "µmol/l", "c(A) in µmol/l bei 25 °C, Maß² Ö Ã¤ ß → €"};
    test::TempFolder dir;
    for (const char* t : texts) {
        ChartModel m = defaultChartModel();
        m.text(ChartTextBlock::Header).text = t;
        m.axis(ChartAxis::Y).title = t;
        m.labels[4].text = t;
        m.groups[0].seriesLabels = {t};
        m.legend.font.name = t;
        const std::string path = dir.file("texte.oc2");
        ASSERT_TRUE(saveChartTemplate(path, m).ok);
        ChartModel back;
        const ChartTemplateResult r = loadChartTemplate(path, back);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(back.text(ChartTextBlock::Header).text, t);
        EXPECT_EQ(back, m) << t;
    }
}

TEST(ChartTemplateFormat, DataOfAGroupIsLeftOutWhenNotStored) {
    ChartModel m = richModel();
    m.groups[0].storeData = false;
    ChartModel back;
    ASSERT_TRUE(readChartTemplate(writeChartTemplate(m), back).ok);
    EXPECT_EQ(std::tuple(back.groups[0].series.size(), back.groups[0].series[0].x.empty()), std::tuple(27u, true));
    EXPECT_EQ(back.groups[0].series[0].style, m.groups[0].series[0].style);
    EXPECT_EQ(back.groups[1], m.groups[1]);
}

TEST(ChartTemplateFormat, MalformedTemplatesAreRefusedNamingTheLine) {
    const std::string good = writeChartTemplate(richModel());
    struct Row {
        const char* what;
        std::function<std::string(int&)> make;  // the broken text; sets the expected line
        const char* message;
    };
    auto at = [&](const std::string& prefix, const std::string& by, const std::string& after = "") {
        return [=](int& line) {
            line = lineOf(good, prefix, after);
            return replaceLine(good, line, by);
        };
    };
    const std::vector<Row> rows = {
        {"other format", at("VARNOLT-Diagrammvorlage", "VARNOLT-Datensatz 1"), "keine VARNOLT-Diagrammvorlage"},
        {"other version", at("VARNOLT-Diagrammvorlage", "VARNOLT-Diagrammvorlage 2"), "Version"},
        {"empty file", [](int& line) { line = 1; return std::string(); }, "keine VARNOLT-Diagrammvorlage"},
        {"not a number", at("background=", "background=abc", "[sheet]"), "Ungültiger Wert"},
        {"colour too big", at("background=", "background=16777216", "[sheet]"), "außerhalb"},
        {"sheet cannot be transparent", at("background=", "background=-1", "[sheet]"), "außerhalb"},
        {"axis named in lower case", at("[axis Y]", "[axis y]"), "Unbekannter Abschnitt"},
        {"no such axis", at("[axis Y2]", "[axis Y3]"), "Unbekannter Abschnitt"},
        {"unknown code", at("border=", "border=12", "[sheet]"), "außerhalb"},
        {"too many series", at("series=", "series=101", "[group 1]"), "außerhalb"},
        {"count not whole", at("series=", "series=2.5", "[group 1]"), "Ungültiger Wert"},
        {"point not finite", at("0 1", "0 nan", "[series 1 1]"), "außerhalb"},
        {"point too big", at("0 1", "0 1e999", "[series 1 1]"), "außerhalb"},
        {"point missing y", at("0 1", "0", "[series 1 1]"), "Zu wenige Werte"},
        {"extra value", at("frame=", "frame=0 1", "[plotarea]"), "Zu viele Werte"},
        {"unknown key", at("frame=", "rahmen=0", "[plotarea]"), "Unbekannter Eintrag"},
        {"duplicate key", at("frame=", "background=1", "[plotarea]"), "doppelt"},
        {"log with zero", at("bounds=", "bounds=0 10", "[axis X]"), "logarithmische Achse"},
        {"reversed bounds", at("bounds=", "bounds=100 0", "[axis Y]"), "Untere Grenze muss kleiner als obere Grenze sein."},
        {"equal bounds", at("bounds=", "bounds=5 5", "[axis Y2]"), "Untere Grenze muss kleiner als obere Grenze sein."},
        {"key with control bytes", at("frame=", "ra\x01hmen\x7F=0", "[plotarea]"), "Unbekannter Eintrag \"ra?hmen?\"."},
        {"NUL byte in a key", at("frame=", std::string("fr\0ame=0", 8), "[plotarea]"), "NUL-Zeichen"},
        {"font size zero", at("font=", "font=\"Arial\" 0 0 0 0 0", "[legend]"), "außerhalb"},
        {"bad escape", at("text=", "text=\"a\\qb\"", "[header]"), "Schreibweise"},
        {"open quote", at("text=", "text=\"abc", "[header]"), "Anführungszeichen"},
        {"text without quotes", at("text=", "text=abc", "[header]"), "Anführungszeichen"},
        {"duplicate section", at("[footer]", "[header]"), "Abschnitt doppelt"},
        {"unknown section", at("[label 64]", "[label 65]"), "Unbekannter Abschnitt"},
        {"series beyond count", at("[series 2 1]", "[series 2 8]"), "außerhalb"},
        {"line outside a section", at("[sheet]", "sheet"), "Abschnitt erwartet"},
        {"line without a key", at("[end]", "zuletzt"), "Ungültige Zeile"},
        {"points claimed beyond the list", at("points=", "points=9", "[series 1 1]"), "Ungültiger Wert"},
        {"points in a group that stores none",
         [&](int& line) {
             line = lineOf(good, "points=", "[series 1 1]");
             return replaceLine(good, lineOf(good, "storeData=", "[group 1]"), "storeData=0");
         },
         "(storeData=0)"},
    };
    const ChartModel before = richModel();
    for (const Row& r : rows) {
        int line = 0;
        const std::string broken = r.make(line);
        ASSERT_GT(line, 0) << r.what;
        ChartModel m = before;
        const ChartTemplateResult res = readChartTemplate(broken, m);
        EXPECT_FALSE(res.ok) << r.what;
        EXPECT_EQ(m, before) << r.what;
        if (std::string(r.what) == "points claimed beyond the list") {
            EXPECT_EQ(res.line, lineOf(good, "[series 1 2]")) << r.what;
        } else {
            EXPECT_EQ(res.line, line) << r.what << ": " << res.message;
        }
        EXPECT_NE(res.message.find("Zeile " + std::to_string(res.line) + ": "), std::string::npos) << res.message;
        EXPECT_NE(res.message.find(r.message), std::string::npos) << r.what << ": " << res.message;
        EXPECT_EQ(res.message.rfind("Die Diagrammvorlage kann nicht geladen werden.\r\n", 0), 0u);
    }
}

// A number other than 0 too small for a Double is refused, named by its line
// and entry, whether written with an exponent or without; never read as 0.
// Zeros of any length stay 0.
TEST(ChartTemplateFormat, AValueTooSmallForADoubleIsRefused) {
    const std::string good = writeChartTemplate(richModel());
    const int line = lineOf(good, "0 1", "[series 1 1]");
    const std::string zeros(400, '0');
    for (const std::string& tiny : {std::string("1e-400"), "0." + zeros + "1", "-0." + zeros + "1"}) {
        ChartModel m = richModel();
        const ChartTemplateResult r = readChartTemplate(replaceLine(good, line, tiny + " " + tiny), m);
        ASSERT_FALSE(r.ok) << tiny;
        EXPECT_EQ(r.line, line);
        EXPECT_NE(r.message.find("Zeile " + std::to_string(line) + ": Eintrag \"points\": Wert zu nahe an Null."),
                  std::string::npos)
            << r.message;
        EXPECT_EQ(m, richModel()) << "the model passed in stays";
    }
    ChartModel m = defaultChartModel();
    const ChartTemplateResult r = readChartTemplate(replaceLine(good, line, "0." + zeros + " -0e-999"), m);
    ASSERT_TRUE(r.ok) << r.message;
    ChartModel want = richModel();
    want.groups[0].series[0].x[0] = 0;
    want.groups[0].series[0].y[0] = 0;
    EXPECT_EQ(m, want);
}

TEST(ChartTemplateFormat, TruncatedOrIncompleteTemplatesAreRefused) {
    const std::string good = writeChartTemplate(richModel());
    const int frameLine = lineOf(good, "frame=", "[plotarea]");
    const std::pair<std::string, const char*> rows[] = {
        {good.substr(0, good.find("0.2 1e+308")), "endet vorzeitig"},  // cut inside the points of series 1
        {good.substr(0, good.size() - 7), "endet vorzeitig"},          // no closing section
        {replaceLine(good, frameLine, ""), "Eintrag \"frame\" fehlt"},
        {good.substr(0, good.find("[label 64]")) + good.substr(good.find("[end]")), "Abschnitt [label 64] fehlt"},
        {good + "mehr\r\n", ""},  // text after the end
    };
    for (const auto& [text, message] : rows) {
        ChartModel m = richModel();
        const ChartTemplateResult r = readChartTemplate(text, m);
        EXPECT_FALSE(r.ok) << message;
        EXPECT_NE(r.message.find(message), std::string::npos) << r.message;
        EXPECT_EQ(m, richModel());
    }
    // A key left out is named at its section's line.
    ChartModel m;
    EXPECT_EQ(readChartTemplate(std::get<0>(rows[2]), m).line, lineOf(good, "[plotarea]"));
}

TEST(ChartTemplateFormat, FilesAreSavedWholeAndRefusedWhenUnreadable) {
    test::TempFolder dir;
    const std::string path = dir.file("vorlage.oc2");
    ASSERT_TRUE(saveChartTemplate(path, richModel()).ok);
    ASSERT_TRUE(saveChartTemplate(path, richModel()).ok);  // over an existing file
    EXPECT_EQ(test::readFile(path), writeChartTemplate(richModel()));
    ChartModel m;
    ASSERT_TRUE(loadChartTemplate(path, m).ok);
    EXPECT_EQ(m, richModel());

    // What cannot be read is refused with its reason.
    std::filesystem::create_directory(dir.file("ordner.oc2"));
    std::filesystem::create_symlink(dir.file("b.oc2"), dir.file("a.oc2"));
    std::filesystem::create_symlink(dir.file("a.oc2"), dir.file("b.oc2"));
    test::writeFile(dir.file("gesperrt.oc2"), test::readFile(path));
    std::filesystem::permissions(dir.file("gesperrt.oc2"), std::filesystem::perms::none);
    // root reads every file of its own, but not a write-only setting of the kernel
    const std::string gesperrt = ::geteuid() == 0 ? "/proc/sys/vm/compact_memory" : dir.file("gesperrt.oc2");
    const std::pair<std::string, std::string> rows[] = {
        {dir.file("fehlt.oc2"), "Datei oder Pfad nicht gefunden: "},
        {dir.file("ordner.oc2"), "Das ist ein Ordner, keine Datei: "},
        {gesperrt, "Zugriff verweigert: "},
        {dir.file("a.oc2"), "Die symbolischen Verknüpfungen des Pfads bilden eine Schleife: "}};
    for (const auto& [file, reason] : rows) {
        const ChartTemplateResult r = loadChartTemplate(file, m);
        EXPECT_FALSE(r.ok) << file;
        EXPECT_EQ(r.line, 0);
        EXPECT_EQ(r.message, "Die Diagrammvorlage kann nicht geladen werden.\r\n" + reason + file);
    }
    EXPECT_FALSE(saveChartTemplate(dir.file("kein/ordner/vorlage.oc2"), richModel()).ok);
    EXPECT_EQ(m, richModel());
}

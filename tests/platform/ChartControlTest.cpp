// The chart component drawn offscreen: holes, batches, labels, spacings,
// hit test, zoom, outputs, templates and a demonstration chart.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QMimeData>
#include <QPrinter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <QDir>
#include <QFontMetricsF>

#include <csignal>

#include <sys/resource.h>

#include "platform/ChartStyle.h"
#include "platform/ColourFont.h"
#include "platform/ChartTextBlockPainter.h"
#include "platform/ChartTicker.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

constexpr Colour kRed = RGB(220, 0, 0);
constexpr Colour kBlue = RGB(0, 0, 230);
constexpr Colour kGreen = RGB(0, 160, 0);

bool near(QRgb px, Colour c, int tol = 60) {
    return std::abs(qRed(px) - redOf(c)) + std::abs(qGreen(px) - greenOf(c)) + std::abs(qBlue(px) - blueOf(c)) <= tol;
}

// Whether any pixel within r pixels of (x, y) has the colour.
bool colourAround(const QImage& img, QPoint p, Colour c, int r = 2) {
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (img.rect().contains(q) && near(img.pixel(q), c)) return true;
        }
    return false;
}

// Whether any pixel within rx, ry pixels of p is dark (lines and text).
bool darkAround(const QImage& img, QPoint p, int rx, int ry) {
    for (int dy = -ry; dy <= ry; ++dy)
        for (int dx = -rx; dx <= rx; ++dx)
            if (img.rect().contains(p + QPoint(dx, dy)) && qGray(img.pixel(p + QPoint(dx, dy))) < 128) return true;
    return false;
}

// A plain chart: x and y 0..10, no frame, no border, white everywhere.
class Chart : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(600, 400);
        chart.show();
        chart.setAxisRange(ChartAxis::X, 0, 10);
        chart.setAxisRange(ChartAxis::Y, 0, 10);
        chart.setSeriesCount(1, 27);
        chart.setSeriesCount(2, 7);
        test::processEvents();
    }

    // Pixel of a data point, rounded as the chart rounds its labels.
    QPoint at(double x, double y) {
        const QPointF p = chart.toPixel(x, y);
        return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
    }

    // No frame and no axes: only what the series draw.
    void bare() {
        chart.setPlotFrame(false);
        chart.setAxisShown(ChartAxis::X, false);
        chart.setAxisShown(ChartAxis::Y, false);
    }

    // Curve `series` through the points, in the colour and width, with the line pattern when one is given.
    void line(int series, Colour c, std::vector<double> xs, std::vector<double> ys, int width = 3, int pattern = 0) {
        chart.setPoints(1, series, xs, ys);
        chart.setLineColour(1, series, c);
        chart.setLineWidth(1, series, width);
        if (pattern) chart.setLinePattern(1, series, pattern);
    }

    test::GuiTest env;
    ChartControl chart;
};

}  // namespace

// ---------------------------------------------------------------- style codes

TEST(ChartStyleCodes, ColoursKeepBlueInTheHighByte) {
    const std::pair<Colour, QColor> rows[] = {
        {0x000000, QColor(0, 0, 0)},   {0x0000FF, QColor(255, 0, 0)},     {0x00FF00, QColor(0, 255, 0)},
        {0xFF0000, QColor(0, 0, 255)}, {0xC0FFFF, QColor(255, 255, 192)}, {RGB(1, 2, 3), QColor(1, 2, 3)},
    };
    for (const auto& [colour, q] : rows) {
        EXPECT_EQ(toQColor(colour), q) << std::hex << colour;
        EXPECT_EQ(fromQColor(q), colour) << std::hex << colour;
    }
    EXPECT_EQ(toQColor(kChartTransparent).alpha(), 0);
    EXPECT_EQ(fromQColor(QColor(Qt::transparent)), kChartTransparent);
}

TEST_F(Chart, SymbolsAreDrawnFilledOrOpenAsTheirCodeSays) {
    // One point per code from 1 to 11, symbol size 14, no line.
    // code, something drawn near the point, the centre pixel in the symbol colour
    const std::tuple<int, bool, bool> rows[] = {{1, false, false}, {2, true, true},  {3, true, true},  {4, true, true},
                                                {5, true, true},   {6, true, true},  {7, true, true},  {8, true, true},
                                                {9, true, true},   {10, true, false}, {11, true, false}};
    chart.beginUpdate();
    bare();
    chart.setAxisRange(ChartAxis::X, 0, 12);
    chart.setSeriesCount(2, 11);
    for (const auto& [code, anything, filled] : rows) {
        chart.setPoints(2, code, {static_cast<double>(code)}, {5});
        chart.setStyle(2, code, ChartSeriesStyle{1, 0, 1, code, kBlue, 14});
    }
    chart.endUpdate();
    const QImage img = chart.toImage();
    for (const auto& [code, anything, filled] : rows) {
        EXPECT_EQ(colourAround(img, at(code, 5), kBlue, 8), anything) << "code " << code;
        EXPECT_EQ(near(img.pixel(at(code, 5)), kBlue), filled) << "code " << code;
    }
}

// A set of tens of thousands of points, most on one pixel: every point still
// shows its symbol, and nothing is drawn where no point lies.
TEST_F(Chart, LargePointSetsShowEverySymbol) {
    std::vector<double> x(20000, 2.0), y(20000, 2.0);
    for (int i = 0; i < 6; ++i) {
        x[static_cast<std::size_t>(i)] = 3 + i;
        y[static_cast<std::size_t>(i)] = 5;
    }
    chart.beginUpdate();
    bare();
    chart.setSeriesCount(2, 1);
    chart.setPoints(2, 1, x, y);
    chart.setStyle(2, 1, ChartSeriesStyle{1, 0, 1, 2, kBlue, 8});
    chart.endUpdate();
    const QImage img = chart.toImage();
    EXPECT_TRUE(near(img.pixel(at(2, 2)), kBlue));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(near(img.pixel(at(3 + i, 5)), kBlue)) << i;
    EXPECT_FALSE(colourAround(img, at(6, 8), kBlue, 6));
}

// A measured point in the plot's corner (t = 0 at the top of the range) is
// drawn whole over the frame; a line stays inside the plot area, and a point
// outside the ranges has no symbol.
TEST_F(Chart, SymbolsOnTheFrameAreDrawnWholeAndLinesStayInside) {
    chart.beginUpdate();
    chart.setPoints(2, 1, {0, 10, 11}, {10, 0, 5});
    chart.setStyle(2, 1, ChartSeriesStyle{1, 0, 1, 2, kBlue, 12});
    line(1, kRed, {-5, 5}, {5, 5}, 3, 2);
    chart.endUpdate();
    const QImage img = chart.toImage();
    const QRect plot = chart.plotRect();
    // Outside the frame, up and left of the corner point, and down and right of the other.
    EXPECT_TRUE(near(img.pixel(at(0, 10) + QPoint(-3, -3)), kBlue)) << plot.left() << " " << at(0, 10).x();
    EXPECT_TRUE(near(img.pixel(at(10, 0) + QPoint(3, 3)), kBlue));
    EXPECT_FALSE(colourAround(img, at(11, 5), kBlue, 4));
    EXPECT_TRUE(colourAround(img, at(2, 5), kRed, 1));
    EXPECT_FALSE(colourAround(img, QPoint(plot.left() - 4, at(0, 5).y()), kRed, 1));
}

// A header wider than its room: broken at blanks, after a comma where that
// leaves at least half the room, each given line on its own; a word wider
// than the room makes the font smaller until it fits.
TEST(ChartTextFit, LongTextsAreBrokenAtBlanksOrDrawnSmaller) {
    QFont font("Arial");
    font.setPixelSize(16);
    const QFontMetrics fm(font);
    const std::string enzym = "Enzymreaktion n. Michaelis-Menten E + S <=> ES => P + E,  KM = (k< + k3) / k> ";
    const int bisKomma = fm.horizontalAdvance("Enzymreaktion n. Michaelis-Menten E + S <=> ES => P + E, KM = (k<");
    struct Fall {
        std::string text;
        int breite;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {enzym, 0, {QString::fromStdString(enzym)}},
        {enzym, fm.horizontalAdvance(QString::fromStdString(enzym)), {QString::fromStdString(enzym)}},
        {enzym, bisKomma, {"Enzymreaktion n. Michaelis-Menten E + S <=> ES => P + E,", "KM = (k< + k3) / k>"}},
        {"eins zwei drei vier", fm.horizontalAdvance("eins zwei"), {"eins zwei", "drei vier"}},
        {"a, bbbbbbbbbbbbbbbbbbbbbbbb cc", fm.horizontalAdvance("a, bbbbbbbbbbbbbbbbbbbbbbbb"),
         {"a, bbbbbbbbbbbbbbbbbbbbbbbb", "cc"}},
        {"Zeile eins\r\nzwei drei vier", fm.horizontalAdvance("Zeile eins"), {"Zeile eins", "zwei drei", "vier"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        const ChartTextFit fit = fitChartText(f.text, font, f.breite);
        EXPECT_EQ(fit.lines, f.zeilen);
        EXPECT_EQ(fit.font.pixelSize(), 16);
    }
    // One word twice as wide as the room: drawn smaller, whole.
    const int breite = fm.horizontalAdvance("Michaelis-Menten-Konstante") / 2;
    const ChartTextFit fit = fitChartText("Michaelis-Menten-Konstante", font, breite);
    EXPECT_EQ(fit.lines, QStringList{"Michaelis-Menten-Konstante"});
    EXPECT_LT(fit.font.pixelSize(), 16);
    EXPECT_LE(QFontMetrics(fit.font).horizontalAdvance(fit.lines[0]), breite);
}

TEST_F(Chart, LinePatternsDrawSolidDottedOrNothing) {
    chart.beginUpdate();
    bare();
    line(1, kRed, {0, 10}, {2, 2}, 2, 1);  // none
    line(2, kRed, {0, 10}, {5, 5}, 2, 2);  // solid
    line(3, kRed, {0, 10}, {8, 8}, 2, 4);  // dotted
    chart.endUpdate();
    const QImage img = chart.toImage();
    auto redRun = [&](double yv) {
        int red = 0;
        const QPoint a = at(1, yv), b = at(9, yv);
        for (int x = a.x(); x <= b.x(); ++x)
            if (colourAround(img, QPoint(x, a.y()), kRed, 1)) ++red;
        return std::pair<int, int>(red, b.x() - a.x() + 1);
    };
    EXPECT_EQ(std::tuple(redRun(2).first, redRun(5).first), std::tuple(0, redRun(5).second));
    const auto dotted = redRun(8);
    EXPECT_GT(dotted.first, dotted.second / 4);
    EXPECT_LT(dotted.first, dotted.second);
}

// ---------------------------------------------------------------- holes

TEST_F(Chart, HolesAreNeitherDrawnNorJoinedNorPicked) {
    line(1, kRed, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {5, 5, 5, 5, kChartHole, 5, 5, 5, 5}, 3, 2);
    chart.setPlotFrame(false);
    const QImage img = chart.toImage();
    EXPECT_TRUE(colourAround(img, at(2.5, 5), kRed, 1));
    EXPECT_TRUE(colourAround(img, at(7.5, 5), kRed, 1));
    for (double x : {4.5, 5.0, 5.5}) EXPECT_FALSE(colourAround(img, at(x, 5), kRed, 1)) << x;  // no line into the hole
    const ChartPick p = chart.pick(1, at(5, 5));
    EXPECT_NE(p.point, 5);
    EXPECT_EQ(p.series, 1);
}

TEST_F(Chart, GrownPointCountFillsHolesAndShrinkingDropsPoints) {
    chart.setPoints(2, 3, {1, 2}, {3, 4});
    ASSERT_TRUE(chart.setPointCount(2, 3, 4));
    EXPECT_EQ(std::tuple(chart.pointCount(2, 3), chart.y(2, 3, 2), chart.y(2, 3, 3), chart.y(2, 3, 4)),
              std::tuple(4, 4.0, kChartHole, kChartHole));
    ASSERT_TRUE(chart.setPointCount(2, 3, 1));
    ASSERT_TRUE(chart.setPointCount(2, 3, 2));
    // The point dropped, one beyond the count and one of no series are holes.
    EXPECT_EQ(std::tuple(chart.x(2, 3, 1), chart.y(2, 3, 2), chart.y(2, 3, 5), chart.y(2, 9, 1)),
              std::tuple(1.0, kChartHole, kChartHole, kChartHole));
    // Not finite values become holes; unknown series and points are refused.
    EXPECT_TRUE(chart.setY(2, 3, 1, std::nan("")));
    EXPECT_EQ(chart.y(2, 3, 1), kChartHole);
    EXPECT_FALSE(chart.setY(2, 3, 3, 1.0));
    EXPECT_FALSE(chart.setY(2, 8, 1, 1.0));
    EXPECT_FALSE(chart.setPointCount(1, 28, 1));
    EXPECT_FALSE(chart.setPointCount(1, 1, kChartMaxPoints + 1));
}

TEST_F(Chart, CurveKeepsThePointOrderGiven) {
    // A closed loop: x goes back, which a sorted graph could not draw.
    line(1, kRed, {2, 8, 8, 2, 2}, {2, 2, 8, 8, 2});
    chart.setPlotFrame(false);
    const QImage img = chart.toImage();
    EXPECT_TRUE(colourAround(img, at(2, 5), kRed, 1));  // the closing edge at x = 2
    EXPECT_TRUE(colourAround(img, at(8, 5), kRed, 1));
    EXPECT_FALSE(colourAround(img, at(5, 5), kRed, 3));
    EXPECT_EQ(std::tuple(chart.x(1, 1, 4), chart.y(1, 1, 4)), std::tuple(2, 8));
}

// ---------------------------------------------------------------- batched update

TEST_F(Chart, BatchedUpdateRedrawsOncePerOutermostBatch) {
    test::processEvents();
    const int before = chart.replotCount();
    chart.beginUpdate();
    chart.setPointCount(1, 1, 200);
    for (int i = 1; i <= 200; ++i) chart.setPoint(1, 1, i, i * 0.05, std::sin(i * 0.05));
    chart.beginUpdate();  // nested, e.g. the group's data switch
    chart.setLineColour(1, 1, kBlue);
    chart.endUpdate();
    EXPECT_EQ(chart.replotCount(), before);
    chart.endUpdate();
    EXPECT_EQ(chart.replotCount(), before + 1);
    test::processEvents();
    EXPECT_EQ(chart.replotCount(), before + 1);

    // Changes outside a batch are drawn together when the event loop runs.
    for (int i = 1; i <= 50; ++i) chart.setY(1, 1, i, 0.5);
    EXPECT_EQ(chart.replotCount(), before + 1);
    test::processEvents();
    EXPECT_EQ(chart.replotCount(), before + 2);

    // An end without a begin does nothing harmful; the group switch is the same switch.
    chart.endUpdate();
    chart.setDataBatched(1, true);
    chart.setY(1, 1, 1, 0.7);
    chart.setBatched(false);
    EXPECT_EQ(chart.replotCount(), before + 3);
}

// ---------------------------------------------------------------- labels

// A label stays inside the plot area, clear of the frame and of the numbers
// beside it: at the top edge below its point, at the right edge left of it.
TEST_F(Chart, LabelsStayInsideThePlotAtItsEdges) {
    chart.setPoints(1, 3, {2, 9.9, 5}, {10, 5, 5});
    chart.setLabelText(3, "N(A)");
    const QRect plot = chart.plotRect();
    // point, label's corner at the point's offset
    const std::tuple<int, QPoint (*)(const QRect&), QPoint> faelle[] = {
        {1, [](const QRect& r) { return r.topLeft(); }, QPoint(4, 4)},        // top edge: below
        {2, [](const QRect& r) { return r.bottomRight(); }, QPoint(-4, -4)},  // right edge: left
        {3, [](const QRect& r) { return r.bottomLeft(); }, QPoint(4, -4)},    // inside: above right
    };
    const double xs[] = {2, 9.9, 5}, ys[] = {10, 5, 5};
    for (const auto& [punkt, ecke, versatz] : faelle) {
        chart.setLabelPoint(3, punkt);
        const QRect r = chart.labelRect(3);
        ASSERT_FALSE(r.isNull()) << punkt;
        EXPECT_TRUE(plot.adjusted(1, 1, -1, -1).contains(r)) << punkt;
        EXPECT_EQ(ecke(r), at(xs[punkt - 1], ys[punkt - 1]) + versatz) << punkt;
    }
}

TEST_F(Chart, LabelFollowsItsPointWhenTheDataChange) {
    chart.setPoints(1, 3, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6});
    chart.setLabelText(3, "c(C) ");
    chart.setLabelPoint(3, 4);
    EXPECT_EQ(chart.labelSeries(3), 3);  // label n starts on series n
    const QRect before = chart.labelRect(3);
    ASSERT_FALSE(before.isNull());
    EXPECT_EQ(before.bottomLeft(), at(4, 4) + QPoint(4, -4));

    chart.setY(1, 3, 4, 7);  // the attached point moves up
    const QRect moved = chart.labelRect(3);
    EXPECT_EQ(moved.bottomLeft(), at(4, 7) + QPoint(4, -4));

    chart.setPointCount(1, 3, 2);  // fewer points: the label goes to the last one
    EXPECT_EQ(chart.labelRect(3).bottomLeft(), at(2, 2) + QPoint(4, -4));
    EXPECT_EQ(chart.labelPoint(3), 4);

    chart.setLabelPoint(3, -7);  // an index below 1 is taken as 1
    EXPECT_EQ(chart.labelPoint(3), 1);
    EXPECT_EQ(chart.labelRect(3).bottomLeft(), at(1, 1) + QPoint(4, -4));

    chart.setY(1, 3, 1, kChartHole);  // on a hole: not drawn
    EXPECT_TRUE(chart.labelRect(3).isNull());
    chart.setY(1, 3, 1, 1);
    chart.setDisplayState(1, 3, 2);  // series hidden: not drawn
    EXPECT_TRUE(chart.labelRect(3).isNull());
    chart.setDisplayState(1, 3, 1);
    chart.setLabelShown(3, false);
    EXPECT_TRUE(chart.labelRect(3).isNull());
    chart.setLabelShown(3, true);
    ASSERT_TRUE(chart.attachLabel(3, 2, 5, 1));  // attached elsewhere: set 5 is empty
    EXPECT_TRUE(chart.labelRect(3).isNull());
    EXPECT_FALSE(chart.attachLabel(3, 3, 1, 1));
    EXPECT_FALSE(chart.setLabelText(65, "x"));
}

// ---------------------------------------------------------------- spacings

TEST_F(Chart, ThreeSpacingsGiveTheirOwnGridTickAndNumberPositions) {
    chart.beginUpdate();
    chart.setPlotFrame(false);
    chart.setGridPattern(ChartAxis::X, 2);
    chart.setGridColour(ChartAxis::X, kGreen);
    ASSERT_TRUE(chart.setSpacingAutomatic(ChartAxis::X, ChartSpacing::Grid, false));
    ASSERT_TRUE(chart.setSpacingAutomatic(ChartAxis::X, ChartSpacing::Tick, false));
    ASSERT_TRUE(chart.setSpacingAutomatic(ChartAxis::X, ChartSpacing::Number, false));
    ASSERT_TRUE(chart.setSpacing(ChartAxis::X, ChartSpacing::Grid, 2.5));
    ASSERT_TRUE(chart.setSpacing(ChartAxis::X, ChartSpacing::Tick, 0.5));
    ASSERT_TRUE(chart.setSpacing(ChartAxis::X, ChartSpacing::Number, 4));
    chart.endUpdate();
    EXPECT_EQ(chart.spacingPositions(ChartAxis::X, ChartSpacing::Number), (std::vector<double>{0, 4, 8}));

    const QImage img = chart.toImage();
    const QRect r = chart.plotRect();
    const int mid = r.center().y();
    // Grid lines at 2.5 and 7.5, none at 2 or 4.
    EXPECT_TRUE(colourAround(img, QPoint(at(2.5, 5).x(), mid), kGreen, 1));
    EXPECT_TRUE(colourAround(img, QPoint(at(7.5, 5).x(), mid), kGreen, 1));
    EXPECT_FALSE(colourAround(img, QPoint(at(4, 5).x(), mid), kGreen, 1));
    // Tick marks below the x axis at every half, e.g. 0.5 and 3.5, none between.
    const int below = r.bottom() + 3;
    auto tickAt = [&](double xv) { return darkAround(img, QPoint(at(xv, 0).x(), below), 1, 0); };
    EXPECT_TRUE(tickAt(0.5));
    EXPECT_TRUE(tickAt(3.5));
    EXPECT_FALSE(darkAround(img, QPoint((at(0.5, 0).x() + at(1, 0).x()) / 2, below), 0, 0));
    // Numbers under 4 and 8, nothing under 2 or 6.
    auto textUnder = [&](double xv) { return darkAround(img, QPoint(at(xv, 0).x(), r.bottom() + 19), 2, 11); };
    for (auto [xv, text] : {std::pair{4.0, true}, {8.0, true}, {2.0, false}, {6.0, false}})
        EXPECT_EQ(textUnder(xv), text) << xv;
}

// The automatic values themselves are checked with the scale.
TEST_F(Chart, AutomaticSpacingsFollowTheRangeAndReadBack) {
    chart.setAxisRange(ChartAxis::X, 0, 1);
    EXPECT_DOUBLE_EQ(chart.spacing(ChartAxis::X, ChartSpacing::Number), 0.2);
    // A value set while automatic is kept for later but not used yet.
    EXPECT_TRUE(chart.setSpacing(ChartAxis::X, ChartSpacing::Number, 0.25));
    EXPECT_DOUBLE_EQ(chart.spacing(ChartAxis::X, ChartSpacing::Number), 0.2);
    // Switching the flag off fixes the spacing drawn until then.
    chart.setSpacingAutomatic(ChartAxis::X, ChartSpacing::Number, false);
    EXPECT_DOUBLE_EQ(chart.spacing(ChartAxis::X, ChartSpacing::Number), 0.2);
    chart.setAxisRange(ChartAxis::X, 0, 100);
    EXPECT_DOUBLE_EQ(chart.spacing(ChartAxis::X, ChartSpacing::Number), 0.2);
    EXPECT_FALSE(chart.spacingAutomatic(ChartAxis::X, ChartSpacing::Number));
}

TEST_F(Chart, OriginAndNumberPlacementMoveAxisLinesAndNumbers) {
    chart.beginUpdate();
    chart.setPlotFrame(false);
    chart.setAxisRange(ChartAxis::Y, -5, 5);
    chart.setOriginPlacement(ChartAxis::Y, kOriginAtZero);     // the x axis at y = 0
    chart.setNumberPlacement(ChartAxis::X, kNumbersAtAxis);    // its numbers beside it
    chart.setOriginPlacement(ChartAxis::X, kOriginAtMaximum);  // the y axis at x = 10
    chart.setNumberPlacement(ChartAxis::Y, kNumbersAtMaximum); // its numbers right of the plot area
    chart.endUpdate();
    const QImage img = chart.toImage();
    const QRect r = chart.plotRect();
    // x axis line through y = 0, none along the bottom edge.
    EXPECT_TRUE(darkAround(img, QPoint(at(3, 0).x(), at(3, 0).y()), 0, 1));
    EXPECT_FALSE(darkAround(img, QPoint(at(3, 0).x(), r.bottom()), 0, 1));
    // Numbers under the axis line at y = 0 (below the tick marks), none at the bottom.
    EXPECT_TRUE(darkAround(img, QPoint(at(4, 0).x(), at(4, 0).y() + 14), 3, 6));
    EXPECT_FALSE(darkAround(img, QPoint(at(4, 0).x(), r.bottom() + 14), 3, 6));
    // y axis line at the right edge, none at the left edge.
    EXPECT_TRUE(darkAround(img, QPoint(r.right(), at(0, 2.5).y()), 1, 0));
    EXPECT_FALSE(darkAround(img, QPoint(r.left(), at(0, 2.5).y()), 1, 0));
    // y numbers right of the plot area (4 at y = 4), none left of it.
    EXPECT_TRUE(darkAround(img, QPoint(r.right() + 16, at(0, 4).y()), 6, 3));
    EXPECT_FALSE(darkAround(img, QPoint(r.left() - 16, at(0, 4).y()), 6, 3));
}

TEST(ChartNumbers, AxisNumbersUseTheLocaleSeparator) {
    ChartAxisData a;
    a.min = 0;
    a.max = 1;
    ChartTicker ticker(&a, true);
    QVector<double> ticks;
    QVector<QString> labels;
    for (char d : {',', '.'}) {
        test::NumberLocaleGuard g(d, d == '.' ? ',' : '.');
        ticker.generate(QCPRange(0, 1), QLocale(), 'g', 6, ticks, nullptr, &labels);
        EXPECT_EQ(labels.join(' '), QString("0 0x2 0x4 0x6 0x8 1").replace('x', d));
        EXPECT_EQ(ticks.size(), 6);
    }
}

TEST(ChartNumbers, ExponentFormWritesTheMantissaWithItsOwnSeparator) {
    const std::pair<double, const char*> faelle[] = {
        {2e6, "2E+06"}, {1.2e7, "1x2E+07"}, {1.4e7, "1x4E+07"}, {-5e-5, "-5E-05"},
        {0, "0"},       {9.99999999999999e5, "9x99999999999999E+05"}, {1e100, "1E+100"}, {2.5e-300, "2x5E-300"},
    };
    for (char d : {',', '.'}) {
        test::NumberLocaleGuard g(d, d == '.' ? ',' : '.');
        for (const auto& [v, text] : faelle) EXPECT_EQ(chartExponentForm(v), QString(text).replace('x', d)) << v;
    }
}

// The numbers of an axis on a given length: they stay as the spacing gives
// them while they have room, are written in the exponent form where that is
// shorter, else every 2nd, 5th, ... of them is left, at a round spacing; no
// two of them ever touch.
TEST(ChartNumbers, NumbersThatWouldTouchAreWrittenShorterOrFewer) {
    test::NumberLocaleGuard g(',', '.');
    struct Fall {
        const char* name;
        double min, max;
        bool log, horizontal;
        double length;
        const char* numbers;
    };
    const Fall faelle[] = {
        {"room for all", 0, 1, false, true, 500, "0 0,2 0,4 0,6 0,8 1"},
        {"large values, wide axis", 0, 1.5e7, false, true, 700, "0 2000000 4000000 6000000 8000000 10000000 12000000 14000000"},
        {"large values, exponent form", 0, 1.5e7, false, true, 500, "0 2E+06 4E+06 6E+06 8E+06 1E+07 1,2E+07 1,4E+07"},
        {"large values, every second", 0, 1.5e7, false, true, 450, "0 4000000 8000000 12000000"},
        {"large values, very narrow axis", 0, 1.5e7, false, true, 180, "0 10000000"},
        {"large values, tiny axis", 0, 1.5e7, false, true, 60, "0 1E+07"},
        {"small values", 0, 7e-5, false, true, 200, "0 2E-05 4E-05 6E-05"},
        {"short axis", 0, 100, false, true, 80, "0 40 80"},
        {"a vertical axis counts heights", 0, 1.5e7, false, false, 150, "0 4000000 8000000 12000000"},
        {"decades on a wide axis", 1, 1e8, true, true, 800, "1 10 100 1000 10000 100000 1000000 10000000 100000000"},
        {"decades on a narrow axis", 1, 1e8, true, true, 120, "1 100000"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ChartAxisData a;
        a.min = f.min;
        a.max = f.max;
        a.logarithmic = f.log;
        a.numberFont = ChartFont{"Arial", 11, false, false, false, false};
        const ChartNumbers n = chartNumbers(a, f.horizontal, f.length);
        EXPECT_EQ(n.texts.join(' '), QString(f.numbers));
        ASSERT_EQ(n.values.size(), static_cast<std::size_t>(n.texts.size()));
        // Apart on the axis: the distance of neighbours more than half of each one's extent.
        const QFontMetricsF fm(chartFont(a.numberFont));
        for (std::size_t i = 0; i + 1 < n.values.size(); ++i) {
            const auto px = [&](double v) {
                return f.log ? (std::log10(v) - std::log10(f.min)) / (std::log10(f.max) - std::log10(f.min)) * f.length
                             : (v - f.min) / (f.max - f.min) * f.length;
            };
            const auto ext = [&](qsizetype k) { return f.horizontal ? fm.horizontalAdvance(n.texts[k]) : fm.height(); };
            EXPECT_GT(px(n.values[i + 1]) - px(n.values[i]), (ext(static_cast<qsizetype>(i)) + ext(static_cast<qsizetype>(i + 1))) / 2)
                << n.texts.join(' ').toStdString();
        }
    }
}

// ---------------------------------------------------------------- logarithmic axes

TEST_F(Chart, LogarithmicAxesRefuseNonPositiveRanges) {
    EXPECT_FALSE(chart.setAxisLogarithmic(ChartAxis::X, true));  // 0 .. 10
    EXPECT_FALSE(chart.axisLogarithmic(ChartAxis::X));
    ASSERT_TRUE(chart.setAxisRange(ChartAxis::X, 1, 1000));
    ASSERT_TRUE(chart.setAxisLogarithmic(ChartAxis::X, true));
    EXPECT_FALSE(chart.setAxisMin(ChartAxis::X, 0));
    EXPECT_FALSE(chart.setAxisMin(ChartAxis::X, -5));
    EXPECT_FALSE(chart.setAxisRange(ChartAxis::X, -1, 10));
    EXPECT_EQ(std::pair(chart.axisMin(ChartAxis::X), chart.axisMax(ChartAxis::X)), std::pair(1.0, 1000.0));
    EXPECT_EQ(chart.spacingPositions(ChartAxis::X, ChartSpacing::Number), (std::vector<double>{1, 10, 100, 1000}));
    // Values <= 0 are not drawn and not picked on a logarithmic axis.
    line(1, kRed, {0, 10, 100}, {5, 5, 5});
    const QImage img = chart.toImage();
    const QRect r = chart.plotRect();
    const int y5 = at(0, 5).y();
    const int x10 = r.left() + r.width() / 3, x100 = r.left() + 2 * r.width() / 3;
    EXPECT_TRUE(colourAround(img, QPoint((x10 + x100) / 2, y5), kRed, 1));
    EXPECT_FALSE(colourAround(img, QPoint(r.left() + 10, y5), kRed, 1));
    EXPECT_EQ(chart.pick(1, QPoint(r.left(), y5)).point, 2);
    ASSERT_TRUE(chart.setAxisLogarithmic(ChartAxis::X, false));
    EXPECT_TRUE(chart.setAxisMin(ChartAxis::X, 0));
}

// ---------------------------------------------------------------- hit test

TEST_F(Chart, HitTestReportsRegionsAndNearestPoints) {
    chart.setText(ChartTextBlock::Header, "Kopftext");
    chart.setText(ChartTextBlock::Footer, "Zusatztext");
    chart.setPoints(1, 2, {1, 2, 3, 4}, {1, 2, 3, 4});
    chart.setSeriesLabel(1, 2, "Kurve 2");
    chart.setLegendShown(true);
    chart.setPoints(2, 6, {6, 7}, {2, 2});
    EXPECT_EQ(chart.region(test::textRect(chart, ChartTextBlock::Header).center()), ChartRegion::Header);
    EXPECT_EQ(chart.region(test::textRect(chart, ChartTextBlock::Footer).center()), ChartRegion::Footer);
    EXPECT_EQ(chart.region(test::legendRect(chart).center()), ChartRegion::Legend);
    EXPECT_EQ(chart.region(chart.plotRect().center()), ChartRegion::PlotArea);
    EXPECT_EQ(chart.region(QPoint(1, 1)), ChartRegion::Elsewhere);

    // Exactly on a point and 3 and 4 pixels off it.
    chart.setAxisRange(ChartAxis::X, 0, 10);
    const QRect r = chart.plotRect();
    const QPointF on = chart.toPixel(3, 3);
    EXPECT_NEAR(on.x(), r.left() + 0.3 * r.width(), 1e-9);
    EXPECT_NEAR(chart.toValue(on).y(), 3, 1e-9);
    const QPoint onPixel(static_cast<int>(on.x()), static_cast<int>(on.y()));
    chart.setPoint(1, 2, 3, chart.toValue(onPixel).x(), chart.toValue(onPixel).y());
    ChartPick p = chart.pick(1, onPixel);
    EXPECT_EQ(std::tuple(p.series, p.point, p.distance), std::tuple(2, 3, 0));
    p = chart.pick(1, onPixel + QPoint(3, 4));
    EXPECT_EQ(std::pair(p.point, p.distance), std::pair(3, 5));
    p = chart.pick(2, at(7, 2) + QPoint(-2, 0));
    EXPECT_EQ(std::tuple(p.series, p.point), std::tuple(6, 2));
    EXPECT_NEAR(p.distance, 2, 1);
    chart.setDisplayState(2, 6, 2);  // hidden sets are not picked
    const ChartPick versteckt = chart.pick(2, at(7, 2));
    EXPECT_EQ(std::tuple(versteckt.series, versteckt.distance, chart.pick(3, at(7, 2)).series), std::tuple(-1, -1, -1));
    chart.setAxisRange(ChartAxis::X, 0, 2.5);  // points outside the plot area are not picked
    EXPECT_EQ(chart.pick(1, at(2.5, 4)).point, 2);
}

// ---------------------------------------------------------------- mouse and zoom

TEST_F(Chart, ZoomIsAppliedBeforeItIsSignalled) {
    auto* plot = chart.findChild<QCustomPlot*>();
    ASSERT_NE(plot, nullptr);
    std::vector<std::string> events;
    double xMinAtSignal = -1, xMaxAtSignal = -1, yMaxAtRelease = -1;
    QObject::connect(&chart, &ChartControl::zoomed, [&] {
        events.push_back("zoomed");
        xMinAtSignal = chart.axisMin(ChartAxis::X);
        xMaxAtSignal = chart.axisMax(ChartAxis::X);
    });
    QObject::connect(&chart, &ChartControl::mouseReleased, [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
        events.push_back("released");
        yMaxAtRelease = chart.axisMax(ChartAxis::Y);
    });
    QObject::connect(&chart, &ChartControl::mousePressed,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { events.push_back("pressed"); });

    chart.setZoomArmed(true);
    const QPoint from = at(2, 8), to = at(6, 4);
    QTest::mousePress(plot, Qt::LeftButton, {}, from);
    QTest::mouseMove(plot, to);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
    ASSERT_EQ(events, (std::vector<std::string>{"pressed", "zoomed", "released"}));
    EXPECT_NEAR(xMinAtSignal, 2, 0.05);
    EXPECT_NEAR(xMaxAtSignal, 6, 0.05);
    EXPECT_NEAR(yMaxAtRelease, 8, 0.05);
    EXPECT_NEAR(chart.axisMin(ChartAxis::Y), 4, 0.05);
    EXPECT_NEAR(chart.axisMin(ChartAxis::Y2), chart.axisMin(ChartAxis::Y), 1e-9);

    // Esc during the drag and a click without a frame zoom nothing.
    events.clear();
    QTest::mousePress(plot, Qt::LeftButton, {}, chart.plotRect().topLeft() + QPoint(10, 10));
    QTest::keyClick(plot, Qt::Key_Escape);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, chart.plotRect().center());
    QTest::mouseClick(plot, Qt::LeftButton, {}, chart.plotRect().center());
    EXPECT_EQ(std::count(events.begin(), events.end(), "zoomed"), 0);
    EXPECT_NEAR(chart.axisMax(ChartAxis::X), 6, 0.05);

    // Disarmed, a drag zooms nothing; reset restores the range before the first zoom.
    chart.setZoomArmed(false);
    QTest::mousePress(plot, Qt::LeftButton, {}, from);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
    EXPECT_EQ(std::count(events.begin(), events.end(), "zoomed"), 0);
    EXPECT_TRUE(chart.resetZoom());
    EXPECT_EQ(std::pair(chart.axisMin(ChartAxis::X), chart.axisMax(ChartAxis::Y)), std::pair(0.0, 10.0));
    EXPECT_FALSE(chart.resetZoom());
}

TEST_F(Chart, MouseEventsArriveWithButtonsAndPixelPositions) {
    auto* plot = chart.findChild<QCustomPlot*>();
    QSignalSpy pressed(&chart, &ChartControl::mousePressed);
    QSignalSpy moved(&chart, &ChartControl::mouseMoved);
    QTest::mousePress(plot, Qt::RightButton, Qt::ShiftModifier, QPoint(100, 120));
    QTest::mouseMove(plot, QPoint(110, 125));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(pressed.at(0).at(2).toPoint(), QPoint(100, 120));
    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(2).toPoint(), QPoint(110, 125));
    QTest::mouseRelease(plot, Qt::RightButton, Qt::ShiftModifier, QPoint(110, 125));
}

// ---------------------------------------------------------------- output

namespace {

// A light check of a PDF file: header, trailer, and the cross-reference
// table where startxref says it is.
bool pdfParses(const QByteArray& pdf) {
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF")) return false;
    const int sx = pdf.lastIndexOf("startxref");
    if (sx < 0) return false;
    bool ok = false;
    const long long offset = pdf.mid(sx + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    return ok && offset > 0 && offset < pdf.size() && pdf.mid(static_cast<int>(offset), 4) == "xref";
}

bool svgParses(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    bool sawSvg = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("svg")) sawSvg = true;
    }
    return !xml.hasError() && sawSvg && QSvgRenderer(svg).isValid();
}

}  // namespace

TEST_F(Chart, EveryPictureIsWrittenAndReadable) {
    line(1, kRed, {0, 10}, {0, 10});
    test::TempFolder dir;
    const QString base = QString::fromStdString(dir.str()) + "/bild";
    for (auto [ext, format] : {std::pair{".png", ChartPicture::Png}, {".bmp", ChartPicture::Bmp},
                               {".svg", ChartPicture::Svg}, {".pdf", ChartPicture::Pdf}})
        ASSERT_TRUE(chart.savePicture(base + ext, format)) << ext;
    for (const char* ext : {".png", ".bmp"}) {
        QImage img(base + ext);
        ASSERT_FALSE(img.isNull()) << ext;
        EXPECT_EQ(img.size(), QSize(600, 400));
        EXPECT_TRUE(colourAround(img, at(5, 5), kRed, 1)) << ext;
    }
    EXPECT_TRUE(svgParses(test::readBytes(base + ".svg")));
    EXPECT_TRUE(pdfParses(test::readBytes(base + ".pdf")));
    EXPECT_FALSE(chart.savePicture(base + "/nicht/da.png", ChartPicture::Png));
    EXPECT_FALSE(chart.savePicture(QString::fromStdString(dir.str()) + "/fehlt/bild.svg", ChartPicture::Svg));
}

// Curves that run out of the axis range on every side, thin and wide, solid
// and dashed, with and without points, smooth ones of many points, one
// running right to left, and in a zoomed range: the SVG picture and the SVG
// copy on the clipboard draw each as the screen does, cut at the plot area,
// with no stroke along the frame where the curve is out of range. The
// curves are compared without frame and axes (the SVG draws the frame half a
// pixel beside the screen's, over two pixels, so that a curve under the
// screen's frame shows through it), and the first with them as well.
TEST_F(Chart, AnSvgPictureCutsTheCurveAtThePlotAreaAsTheScreenDoes) {
    const auto rendered = [](const QByteArray& svg) { return test::svgImage(svg, QSize(600, 400)); };
    const auto reddish = [](QRgb c) { return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60; };
    // The red pixels of one picture with no red pixel of the other within two pixels.
    const auto extra = [&](const QImage& a, const QImage& b) { return test::strayPixels(a, b, reddish); };
    // Any touch of red, the faintest edge of a smooth line included.
    const auto tinted = [](QRgb c) { return qRed(c) > qGreen(c) + 16 && qRed(c) > qBlue(c) + 16; };
    // Whether a pixel within r pixels of p is reddish (a thin line drawn smooth is paler than its colour).
    const auto redAround = [&](const QImage& img, QPoint p, int r) {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (img.rect().contains(p + QPoint(dx, dy)) && reddish(img.pixel(p + QPoint(dx, dy)))) return true;
        return false;
    };
    // A smooth curve of 201 points, x from x0 to x1, y = 5 + a sin(x).
    const auto welle = [](double x0, double x1, double a) {
        std::pair<std::vector<double>, std::vector<double>> xy;
        for (int i = 0; i <= 200; ++i) {
            const double x = x0 + (x1 - x0) * i / 200;
            xy.first.push_back(x);
            xy.second.push_back(5 + a * std::sin(x));
        }
        return xy;
    };
    // A curve of 301 points along y = y0, a hair above and below it.
    const auto entlang = [](double y0) {
        std::pair<std::vector<double>, std::vector<double>> xy;
        for (int i = 0; i <= 300; ++i) {
            xy.first.push_back(i / 30.0);
            xy.second.push_back(y0 + 0.03 * std::sin(i / 10.0));
        }
        return xy;
    };
    using Punkte = std::vector<std::pair<double, double>>;
    struct Row {
        const char* what;
        std::pair<std::vector<double>, std::vector<double>> xy;
        int width = 3;
        int pattern = 2;
        int symbol = 1;       // symbol code, 1 none
        Punkte zoom = {};     // a frame dragged from the first to the second point, when given
        Punkte drawn = {};    // where every picture shows the curve (in the range in force)
        Punkte bare = {};     // where none does
        bool frame = false;   // drawn with the plot frame and the axes
    };
    const Row rows[] = {
        {"wide, out at the left, over the top and below the bottom, with frame and axes",
         {{-5, 5, 7, 9, 12}, {0, 6, 16, -14, 5}}, 3, 2, 1, {}, {{2.5, 4.5}, {7.7, 5.5}}, {{6.6, 10}, {9, 0}}, true},
        {"wide, out at the left, over the top and below the bottom", {{-5, 5, 7, 9, 12}, {0, 6, 16, -14, 5}}, 3, 2, 1,
         {}, {{2.5, 4.5}, {7.7, 5.5}}, {{6.6, 10}, {9, 0}}},
        {"thin, below the x axis and on beyond the right", {{1, 4, 8, 14}, {8, 4, -2, -6}}, 1, 2, 1, {},
         {{2.5, 6}}, {{8, 0}, {9.5, 0}}},
        {"thin, from beyond the right below the x axis back into the area", {{14, 8, 4, 1}, {-6, -2, 4, 8}}, 1, 2, 1,
         {}, {{2.5, 6}}, {{8, 0}, {9.5, 0}}},
        {"thin, over the top and on beyond the left", {{9, 5, 2, -4}, {2, 8, 13, 15}}, 1, 2, 1, {}, {{7, 5}},
         {{1.5, 10}, {0, 9}}},
        {"thin, out at the left and at the right", {{-6, -2, 3, 7, 12, 16}, {4, 2, 5, 5, 8, 3}}, 1, 2, 1, {},
         {{5, 5}}, {{0, 8}, {10, 1}, {10, 4}}},
        {"wide and steep, out at the left and at the right", {{-1, 1, 9, 11}, {9, 1, 1, 9}}, 5, 2, 1, {}, {{5, 1}},
         {{0, 8.5}, {10, 8.5}}},
        {"a diamond out at every side", {{5, 13, 5, -3, 5}, {-3, 5, 13, 5, -3}}, 1, 2, 1, {},
         {{9, 1}, {9, 9}, {1, 9}, {1, 1}}, {{5, 0}, {10, 5}, {5, 10}, {0, 5}}},
        {"dashed and wide, out at every side", {{5, 13, 5, -3, 5}, {-3, 5, 13, 5, -3}}, 3, 3, 1, {}, {},
         {{5, 0}, {10, 5}, {5, 10}, {0, 5}}},
        {"dotted and thin, out at every side", {{5, 13, 5, -3, 5}, {-3, 5, 13, 5, -3}}, 1, 4, 1, {}, {},
         {{5, 0}, {10, 5}, {5, 10}, {0, 5}}},
        {"with points, out at the top and the bottom", {{1, 3, 5, 7, 9}, {5, 14, 5, -4, 5}}, 1, 2, 2, {},
         {{1, 5}, {5, 5}, {9, 5}}, {{3, 10}, {7, 0}}},
        {"points alone, some beyond the range", {{1, 3, 5, 7, 9, 11}, {5, 14, 5, -4, 5, 5}}, 1, 1, 10, {},
         {{1, 5}, {5, 5}, {9, 5}}, {{3, 10}, {7, 0}}},
        {"smooth, out at the top and the bottom", welle(-1, 11, 8), 1, 2, 1, {}, {{0, 5}, {3.14159, 5}},
         {{1.5708, 10}, {4.7124, 0}, {7.854, 10}}},
        {"smooth and wide, in a zoomed range", welle(0, 10, 4), 2, 2, 1, {{2, 8}, {6, 4}}, {{3, 5.56}},
         {{5, 4}, {2.1, 8}}},
        {"wide, along the x axis for its whole length", entlang(0), 3, 2, 1, {}, {{5, 0}}, {}},
        {"dashed, along the top for its whole length", entlang(10), 2, 3, 1, {}, {}, {}},
        {"thin, in a zoomed range, below its x axis and beyond its right", {{0, 10}, {10, 0}}, 1, 2, 1,
         {{1, 9}, {6, 6}}, {{2, 8}}, {{5, 6}, {5.8, 6}}},
    };
    test::TempFolder dir;
    int n = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        chart.resetZoom();
        chart.setPlotFrame(r.frame);
        chart.setAxisShown(ChartAxis::X, r.frame);
        chart.setAxisShown(ChartAxis::Y, r.frame);
        chart.setAxisRange(ChartAxis::X, 0, 10);
        chart.setAxisRange(ChartAxis::Y, 0, 10);
        line(1, kRed, r.xy.first, r.xy.second, r.width, r.pattern);
        chart.setStyle(1, 1, ChartSeriesStyle{r.pattern, kRed, r.width, r.symbol, kRed, 8});
        if (!r.zoom.empty()) {
            auto* plot = chart.findChild<QCustomPlot*>();
            ASSERT_NE(plot, nullptr);
            chart.setZoomArmed(true);
            const QPoint von = at(r.zoom[0].first, r.zoom[0].second), bis = at(r.zoom[1].first, r.zoom[1].second);
            QTest::mousePress(plot, Qt::LeftButton, {}, von);
            QTest::mouseMove(plot, bis);
            QTest::mouseRelease(plot, Qt::LeftButton, {}, bis);
            ASSERT_NEAR(chart.axisMin(ChartAxis::X), r.zoom[0].first, 0.05);
            ASSERT_NEAR(chart.axisMax(ChartAxis::Y), r.zoom[0].second, 0.05);
        }
        test::processEvents();

        const QImage screen = chart.toImage();
        const QString path = QString::fromStdString(dir.file("bild" + std::to_string(++n) + ".svg"));
        ASSERT_TRUE(chart.savePicture(path, ChartPicture::Svg));
        ASSERT_TRUE(chart.copyToClipboard(kClipboardVector));
        const QImage file = rendered(test::readBytes(path));
        const QImage clip = rendered(QGuiApplication::clipboard()->mimeData()->data("image/svg+xml"));
        for (const auto& [what, img] :
             {std::pair{"screen", &screen}, std::pair{"file", &file}, std::pair{"clipboard", &clip}}) {
            SCOPED_TRACE(what);
            if (img != &screen) {
                EXPECT_EQ(std::pair(extra(*img, screen), extra(screen, *img)), std::pair(0, 0));
            }
            // The pieces of the curve where the screen has them, and none along the frame.
            for (const auto& [x, y] : r.drawn) {
                EXPECT_TRUE(redAround(*img, at(x, y), 3)) << x << ", " << y;
                if (r.width >= 3) {
                    EXPECT_TRUE(colourAround(*img, at(x, y), kRed, 2)) << x << ", " << y;
                }
            }
            for (const auto& [x, y] : r.bare) EXPECT_FALSE(redAround(*img, at(x, y), 3)) << x << ", " << y;
            // A line has not a pixel beyond the region the screen cuts it at (the
            // plot area moved up by one pixel), not even a faint edge of its stroke.
            if (r.symbol == 1) {
                const QRect region = chart.plotRect().translated(0, -1);
                int beyond = 0;
                for (int y = 0; y < img->height(); ++y)
                    for (int x = 0; x < img->width(); ++x)
                        if (!region.contains(x, y) && tinted(img->pixel(x, y))) ++beyond;
                EXPECT_EQ(beyond, 0);
            }
        }
    }
}

TEST_F(Chart, APictureThatDoesNotFitIsReportedAndTheOldFileStaysWhole) {
    line(1, kRed, {0, 10}, {0, 10});
    test::TempFolder dir;
    // The old file: 200 KB that a failed save must leave byte for byte.
    std::string old(200'000, '\0');
    for (std::size_t i = 0; i < old.size(); ++i) old[i] = static_cast<char>((i * 7919) % 251);
    constexpr rlim_t kLimit = 1024;  // bytes a file may have: every picture needs more
    const std::pair<const char*, ChartPicture> rows[] = {
        {"bild.bmp", ChartPicture::Bmp}, {"bild.png", ChartPicture::Png},
        {"bild.svg", ChartPicture::Svg}, {"bild.pdf", ChartPicture::Pdf}};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& [name, format] : rows) {
        const QString path = QString::fromStdString(dir.file(name));
        ASSERT_TRUE(chart.savePicture(path, format));
        ASSERT_GT(QFile(path).size(), static_cast<qint64>(kLimit)) << name;
        test::writeFile(dir.file(name), old);
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = kLimit;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        QString why;
        const bool saved = chart.savePicture(path, format, &why);
        ::setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_FALSE(saved) << name;
        EXPECT_EQ(why.toStdString(),
                  "Die Datei ist zu groß: " + dir.file(name) + "\r\nDie vorhandene Datei blieb unverändert.");
        EXPECT_TRUE(test::readFile(dir.file(name)) == old) << name << " changed";
    }
    std::signal(SIGXFSZ, oldHandler);
    // Nothing is left beside the pictures.
    EXPECT_EQ(QDir(QString::fromStdString(dir.str())).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

TEST_F(Chart, ClipboardTakesABitmapOrAVectorPictureWithABitmap) {
    line(1, kRed, {0, 10}, {0, 10});
    QClipboard* cb = QGuiApplication::clipboard();
    ASSERT_TRUE(chart.copyToClipboard(kClipboardBitmap));
    EXPECT_EQ(std::tuple(cb->image().isNull(), cb->mimeData()->hasFormat("image/svg+xml")), std::tuple(false, false));
    ASSERT_TRUE(chart.copyToClipboard(kClipboardVector));
    const QMimeData* mime = cb->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(std::tuple(mime->hasImage(), svgParses(mime->data("image/svg+xml"))), std::tuple(true, true));
    EXPECT_FALSE(chart.copyToClipboard(2));
}

TEST_F(Chart, PrintsIntoABoxByItsScalingCode) {
    line(1, kRed, {0, 10}, {0, 10});
    test::TempFolder dir;
    // scaling, width, height, ok
    const std::tuple<int, int, int, bool> rows[] = {{2, 1500, 0, true}, {3, 0, 900, true}, {5, 0, 0, true},
                        {2, 0, 900, false}, {3, 1500, 0, false}, {4, 1500, 900, false}};
    int k = 0;
    for (const auto& [scaling, width, height, ok] : rows) {
        const QString path = QString::fromStdString(dir.file("druck" + std::to_string(k++) + ".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        EXPECT_EQ(chart.print(printer, scaling, 300, 200, width, height), ok) << scaling;
        EXPECT_EQ(pdfParses(test::readBytes(path)), ok) << scaling;  // a refused print writes no page
    }
}

TEST_F(Chart, CollapsedControlStillGivesAPicture) {
    chart.resize(0, 0);
    line(1, kRed, {0, 10}, {0, 10});
    EXPECT_EQ(chart.toImage().size(), QSize(800, 600));
    test::processEvents();
    EXPECT_EQ(chart.region(QPoint(5, 5)), ChartRegion::Elsewhere);
}

// ---------------------------------------------------------------- templates

namespace {

// A chart designed through the component's own setters (the template format
// itself is checked element by element on the model).
void designRichChart(ChartControl& c) {
    c.beginUpdate();
    c.setSheetBackColour(RGB(210, 210, 210));
    c.setBorderType(9);
    c.setText(ChartTextBlock::Header, "Kopf\r\nzweite Zeile mit Umlauten: äöü ß");
    c.setTextFont(ChartTextBlock::Header, ChartFont{"Arial", 13, true, false, false, false});
    c.setLegendShown(true);
    c.setAxisRange(ChartAxis::X, 0, 60);
    c.setAxisRange(ChartAxis::Y, 0.001, 1);
    c.setAxisLogarithmic(ChartAxis::Y, true);
    c.setAxisTitle(ChartAxis::X, "t/ s");
    c.setGridPattern(ChartAxis::X, 4);
    c.setSpacingAutomatic(ChartAxis::X, ChartSpacing::Grid, false);
    c.setSpacing(ChartAxis::X, ChartSpacing::Grid, 7.5);
    std::vector<double> t, a;
    for (int i = 0; i <= 120; ++i) {
        t.push_back(i * 0.5);
        a.push_back(std::exp(-0.05 * i * 0.5));
    }
    a[10] = kChartHole;
    c.setPoints(1, 1, t, a);
    c.setStyle(1, 1, ChartSeriesStyle{3, kRed, 2, 4, kBlue, 7});
    c.setPoints(2, 7, {5, 15, 25}, {0.8, 0.5, 0.3});
    c.setSeriesLabel(2, 7, "manuell");
    c.setLabelText(1, "c(A) ");
    c.setLabelPoint(1, 60);
    c.endUpdate();
}

}  // namespace

TEST_F(Chart, TemplateWrittenAndReadIntoAFreshChartGivesTheSameChart) {
    designRichChart(chart);
    test::TempFolder dir;
    const QString path = QString::fromStdString(dir.file("vorlage.oc2"));
    ASSERT_TRUE(chart.saveTemplate(path).ok);

    ChartControl fresh;
    fresh.resize(600, 400);
    fresh.show();
    const ChartTemplateResult r = fresh.loadTemplate(path);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(std::tuple(fresh.model(), fresh.pointCount(1, 1)), std::tuple(chart.model(), 121));
    EXPECT_EQ(chart.toImage(), fresh.toImage());  // and the two charts look the same
}

// ---------------------------------------------------------------- how the callers use it

TEST_F(Chart, DeletedCurveLeavesDrawingAndLegend) {
    line(1, kRed, {0, 10}, {5, 5});
    chart.setSeriesLabel(1, 1, "c(A) ");
    chart.setLegendShown(true);
    EXPECT_GT(chart.legendWidth(), 0);
    chart.beginUpdate();
    chart.setPointCount(1, 1, 0);
    chart.setDisplayState(1, 1, 2);
    chart.endUpdate();
    EXPECT_EQ(std::tuple(chart.legendWidth(), colourAround(chart.toImage(), at(5, 5), kRed, 2)), std::tuple(0, false));
    EXPECT_EQ(chart.seriesLabel(1, 1), "c(A) ");  // the text stays
}

